#pragma once
// The sample database's pictures (the art kit's rasters) written as PNG, BMP or JPEG.
#include <string>

#include "screens/common/art/raster.h"

namespace tarvelon::sampledata {

using art::FromColor;
using art::Image;
using art::Render;
using art::Rgba;

// PNG, 8-bit RGBA (withAlpha) or RGB.
std::string EncodePng(const Image& image, bool withAlpha);

// Windows bitmap, 24 bits per pixel, bottom-up rows; transparent parts laid on `background`.
std::string EncodeBmp(const Image& image, Rgba background);

// GIF of 256 colours (a 6 x 6 x 6 cube); pixels more than half transparent become the transparent
// colour.
std::string EncodeGif(const Image& image);

// Baseline JPEG of the colour channels.
std::string EncodeJpeg(const Image& image, int quality);

}  // namespace tarvelon::sampledata
