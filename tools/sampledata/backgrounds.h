#pragma once
// The screens' tiled backgrounds: "img/f01.jpg" behind most screens and "img/f02.bmp" behind the
// builder, load-game and editor screens. Both tile without seams.
#include <string>

#include "tools/sampledata/image.h"

namespace tarvelon::sampledata {

Image DrawScreenBackground();        // 256 x 256, soft blue-grey waves
std::string ScreenBackgroundJpeg();  // the file "img/f01.jpg" of that picture
Image DrawBuilderBackground();       // 128 x 128, mown-grass stripes

}  // namespace tarvelon::sampledata
