#pragma once
// A small RGBA raster for drawn pictures (flags, crests, backgrounds), drawn by sampling a shape
// function several times per pixel, which gives smooth edges without any drawing library. The
// sample database writes these pictures to files; the program turns them into its own images.
#include <cstdint>
#include <vector>

namespace tarvelon::art {

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 255;
};

// From a colour as the records store it (0x00BBGGRR), opaque.
Rgba FromColor(int color);

struct Image {
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels;  // row by row from the top

    Image(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h)) {}
    Rgba& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]; }
    const Rgba& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]; }
};

// Draws `shade(u, v)` (u, v in [0, 1) across the picture) with samples x samples points per pixel,
// averaged with their alpha.
template <typename Shade>
Image Render(int width, int height, int samples, const Shade& shade)
{
    Image image(width, height);
    const double step = 1.0 / samples;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            double r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const Rgba c = shade((x + (sx + 0.5) * step) / width, (y + (sy + 0.5) * step) / height);
                    r += c.r * c.a;
                    g += c.g * c.a;
                    b += c.b * c.a;
                    a += c.a;
                }
            }
            Rgba& out = image.at(x, y);
            if (a > 0) {
                out.r = static_cast<std::uint8_t>(r / a + 0.5);
                out.g = static_cast<std::uint8_t>(g / a + 0.5);
                out.b = static_cast<std::uint8_t>(b / a + 0.5);
            }
            out.a = static_cast<std::uint8_t>(a / (samples * samples) + 0.5);
        }
    }
    return image;
}

}  // namespace tarvelon::art
