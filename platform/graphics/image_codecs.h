#pragma once
// Decoders of the picture files the game reads (PNG, JPEG, GIF, BMP), written on libpng, libjpeg
// and giflib and on our own BMP reader. Every decoder returns a null QImage for data it cannot
// read completely (damaged, truncated, unsupported, absurd sizes); none of them aborts the program.
// Decoded images are QImage::Format_ARGB32 when the picture has transparency, else Format_RGB32.
#include <QImage>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tarvelon {

using TBytes = std::vector<std::uint8_t>;
using TByteView = std::span<const std::uint8_t>;

enum class TImageFormat { Unknown, Bmp, Png, Jpeg, Gif };

// The format by the file's first bytes.
TImageFormat DetectImageFormat(TByteView data);

QImage DecodePng(TByteView data);
QImage DecodeJpeg(TByteView data);
QImage DecodeBmp(TByteView data);

// GIF: frame 1 is the first picture. The frame is drawn alone at its place on the logical screen
// (transparent around it). Out of range frames give a null image.
QImage DecodeGif(TByteView data, int frame = 1);
int CountGifFrames(TByteView data);  // -1 when the data is not a readable GIF
struct TGifScreen {
    int width = 0;
    int height = 0;
};
TGifScreen GifLogicalScreen(TByteView data);  // 0 x 0 when the data is not GIF

// Decodes by the detected format (a GIF gives its first frame).
QImage DecodeImage(TByteView data);

// A BMP file of `image`: 24 bits bottom-up, or 32 bits when the image has an alpha channel.
TBytes EncodeBmp(const QImage& image);

// The whole content of a file, or of a resource embedded in the program (":/..."); empty when it
// cannot be read, is not a regular file, or is larger than kMaxPictureFileBytes.
TBytes ReadFileBytes(const std::string& path);

// Largest width or height, and number of pixels, a decoder accepts; larger pictures are treated as
// damaged (a flipped byte in a header must not make the game ask for gigabytes).
inline constexpr int kMaxImageSide = 16384;
inline constexpr long long kMaxImagePixels = 1LL << 25;
// The largest picture file read: the largest picture a decoder accepts, uncompressed at four bytes
// a pixel, with room for its headers and palette.
inline constexpr long long kMaxPictureFileBytes = 4 * kMaxImagePixels + (1LL << 20);

// Whether a decoder takes a picture of that size; each decoder asks before its library allocates.
bool IsAcceptableImageSize(long long width, long long height);

// Image of the given size for a decoder, or a null image when the size is not acceptable.
QImage AllocateDecodedImage(long long width, long long height, bool alpha);

}  // namespace tarvelon
