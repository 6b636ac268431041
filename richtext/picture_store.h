#pragma once
// Pictures of the rich-text captions that are not image-list images: a named picture container
// placed on a form, and each control's cache of pictures loaded from a source address. Both hold
// THTMLPicture, a graphic that keeps the picture file's bytes exactly as loaded and decodes them
// with the program's own decoders (PNG, JPEG, GIF with its frames, BMP).
#include <QImage>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/component.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"
#include "platform/graphics/image_codecs.h"
#include "platform/graphics/named_pictures.h"

namespace tarvelon {

// Folder of the program's embedded pictures that LoadFromResource and "RES://" sources name.
inline constexpr const char* kPictureResourceFolder = ":/rcdata";

class THTMLPicture : public TGraphic {
public:
    THTMLPicture() = default;
    THTMLPicture(const THTMLPicture&) = delete;
    THTMLPicture& operator=(const THTMLPicture&) = delete;

    // Copies Stretch, Frame, the source and the data (then decodes and reports a change);
    // nullptr clears the data.
    void Assign(const THTMLPicture* source);

    // The data becomes the whole stream (file); then decode and report a change. Data that cannot
    // be decoded leaves the picture empty (0 x 0), never an error.
    void LoadFromStream(TByteView data);
    // False when the file (a path on disk or a Qt resource path) cannot be read; the picture is unchanged then.
    bool LoadFromFile(const std::string& path);
    // The embedded picture of that name (ignoring case); unchanged when there is none.
    void LoadFromResource(const std::string& name);
    // "RES://name" and "FILE://path" (prefixes ignoring case) load; any other source is only
    // remembered: nothing is fetched from addresses, so such a picture stays empty.
    void LoadFromURL(const std::string& source);
    // Appends the data exactly as loaded.
    void SaveToStream(TBytes& out) const;
    const TBytes& Data() const { return data_; }

    // GIF data with a logical screen: its size; otherwise the decoded picture's; 0 when none.
    int Width() const override;
    int Height() const override;
    bool Empty() const override { return decoded_.isNull() || Width() <= 0 || Height() <= 0; }
    QImage RenderImage() const override { return decoded_; }

    // Stretched over `rect` when Stretch is on, else at its natural size from its top-left.
    void Draw(TCanvas& canvas, const TRect& rect) const;

    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch) { stretch_ = stretch; }
    // The GIF frame shown (from 1); changing it decodes again and raises OnFrameChange.
    int Frame() const { return frame_; }
    void SetFrame(int frame);
    // Number of frames of GIF data; -1 for other data. Counted once.
    int FrameCount() const;
    // Place and size of the shown GIF frame on its logical screen (0 when none).
    int FrameLeft() const { return frameLeft_; }
    int FrameTop() const { return frameTop_; }
    int FrameWidth() const { return frameWidth_; }
    int FrameHeight() const { return frameHeight_; }

    const std::string& Source() const { return source_; }
    bool Asynch() const { return asynch_; }
    void SetAsynch(bool asynch) { asynch_ = asynch; }

    std::function<void()> OnFrameChange;

private:
    void Decode();
    void ReadFrameBox();

    TBytes data_;
    QImage decoded_;
    bool stretch_ = false;
    int frame_ = 1;
    mutable int frameCount_ = -2;  // -2: not counted yet
    int screenWidth_ = 0;
    int screenHeight_ = 0;
    int frameLeft_ = 0, frameTop_ = 0, frameWidth_ = 0, frameHeight_ = 0;
    std::string source_;
    bool asynch_ = false;
    bool downloadStarted_ = false;
};

// Frame starts of GIF data: a 0x21 0xF9 0x04 graphic control block followed, after its four
// bytes and terminator, by an image descriptor 0x2C. -1 when the data is not GIF.
int CountGIFFrames(TByteView data);
// Offsets of those frame starts (the 0x21 bytes).
std::vector<std::size_t> GIFFrameStarts(TByteView data);

namespace PictureContainer {
using TPictureItem = TNamedPicture<THTMLPicture>;
using TPictureCollection = TNamedPictures<THTMLPicture>;
}  // namespace PictureContainer

class TPictureContainer : public TComponent {
public:
    explicit TPictureContainer(TComponent* owner) : TComponent(owner) {}
    std::string ClassName() const override { return "TPictureContainer"; }

    PictureContainer::TPictureCollection& Items() { return items_; }
    // The picture of the first item whose name equals `name` ignoring case; null when none.
    virtual THTMLPicture* FindPicture(const std::string& name);
    std::string Version() const;

private:
    PictureContainer::TPictureCollection items_;
};

// A control's pictures loaded from source addresses; it owns them.
class THTMLPictureCache {
public:
    // The first picture whose source equals `source` exactly; null when none.
    THTMLPicture* FindPicture(const std::string& source);
    // A new empty picture appended to the cache.
    THTMLPicture* AddPicture();
    int Count() const { return static_cast<int>(pictures_.size()); }
    THTMLPicture* Items(int index) { return pictures_.at(static_cast<std::size_t>(index)).get(); }
    void Clear() { pictures_.clear(); }

private:
    std::vector<std::unique_ptr<THTMLPicture>> pictures_;
};

// Registers "TPictureContainer" for the stored form descriptions.
void RegisterPictureContainerClass();

}  // namespace tarvelon
