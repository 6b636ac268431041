#pragma once
// TImageList: pictures of one size, drawn by index (with their transparency; greyed when disabled).
#include <functional>
#include <string>
#include <vector>

#include <QImage>

#include "platform/graphics/bitmap.h"

namespace tarvelon {

class TImageList {
public:
    explicit TImageList(int width = 16, int height = 16);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Changing the size removes every image.
    void SetSize(int width, int height);
    void SetWidth(int width) { SetSize(width, height_); }
    void SetHeight(int height) { SetSize(width_, height); }
    int Count() const { return static_cast<int>(images_.size()); }

    // A bitmap wider than the list is cut into Width-wide images. With a mask, the mask's dark
    // pixels are drawn and its light pixels are transparent; without one the bitmap's own alpha
    // (pf32bit) counts. Returns the index of the first image added, or -1.
    int Add(const TBitmap& image, const TBitmap* mask = nullptr);
    // As Add, with every pixel of `maskColor` (clDefault: the bottom-left pixel's) transparent.
    int AddMasked(const TBitmap& image, TColor maskColor);
    // One picture with its own transparency, placed in the top-left corner of an image.
    int AddImage(const QImage& image);
    // A picture holding Width-wide images side by side (the Bitmap of a stored description, a
    // picture embedded in the program): its alpha makes the transparency; without alpha its
    // bottom-left pixel's colour is transparent. Returns the index of the first image, or -1.
    int AddStrip(const QImage& strip);
    // As AddStrip, from a picture file or an embedded resource (":/img/icones.png"); -1 when it
    // cannot be read.
    int AddFromFile(const std::string& path);
    void Replace(int index, const QImage& image);
    void Delete(int index);
    void Clear();

    // Nothing for an index outside the list.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;
    // The image as a pf32bit bitmap; false for an index outside the list.
    bool GetBitmap(int index, TBitmap& into) const;
    // The image (ARGB32 premultiplied) or a null image.
    QImage Image(int index) const;

    std::function<void()> OnChange;

private:
    QImage Cell(const QImage& source, int column) const;
    int AddCells(const QImage& strip);
    void Changed();

    int width_;
    int height_;
    std::vector<QImage> images_;
};

// The picture as the classic disabled look: grey, lighter, transparency kept.
QImage GreyedImage(const QImage& image);

}  // namespace tarvelon
