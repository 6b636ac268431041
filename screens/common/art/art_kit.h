#pragma once
// The art kit: every picture the program carries is drawn by its own code at first use and kept
// for the rest of the run, found by name like an embedded resource. A new picture is one drawing
// function and one line in the table of art_kit.cpp.
#include <cstdint>
#include <string>
#include <vector>

#include <QImage>

#include "screens/common/art/raster.h"

namespace tarvelon {
class TImageList;
}

namespace tarvelon::art {

// The picture of a name ("tinicio": the title picture); a null image for an unknown name.
const QImage& Picture(const std::string& name);
// The picture of a name as the bytes of a PNG file (for the picture stores that read files).
std::vector<std::uint8_t> PictureAsPng(const std::string& name);
// Every name the kit can draw.
std::vector<std::string> PictureNames();

// A raster as a Qt image (ARGB32, premultiplied).
QImage ToQImage(const Image& image);

// The flags of the screens' lists: 20 x 14 with a thin dark edge.
inline constexpr int kListFlagWidth = 20;
inline constexpr int kListFlagHeight = 14;
QImage CountryFlagIcon(int country);
QImage StateFlagIcon(int state);

// Sizes the list to 20 x 14 and fills it: the 204 country flags (index = country id), or the 27
// state flags (index = state index).
void FillCountryFlags(TImageList& list);
void FillStateFlags(TImageList& list);

}  // namespace tarvelon::art
