#include "richtext/picture_store.h"

#include <QDir>
#include <QFileInfo>

#include "platform/forms/class_registry.h"
#include "richtext/html_markup.h"

namespace tarvelon {

namespace {

bool IsGIF(TByteView data)
{
    return data.size() >= 5 && data[0] == 'G' && data[1] == 'I' && data[2] == 'F' && data[3] == '8';
}

int Word16(TByteView data, std::size_t at)
{
    return at + 1 < data.size() ? data[at] | (data[at + 1] << 8) : 0;
}

// The embedded file whose name (with or without its extension) equals `name` ignoring case.
QString FindResourceFile(const std::string& name)
{
    const QString wanted = QString::fromStdString(name);
    const QDir folder(QString::fromLatin1(kPictureResourceFolder));
    for (const QFileInfo& file : folder.entryInfoList(QDir::Files)) {
        if (file.fileName().compare(wanted, Qt::CaseInsensitive) == 0 ||
            file.completeBaseName().compare(wanted, Qt::CaseInsensitive) == 0)
            return file.filePath();
    }
    return {};
}

}  // namespace

std::vector<std::size_t> GIFFrameStarts(TByteView data)
{
    std::vector<std::size_t> starts;
    if (!IsGIF(data))
        return starts;
    // A frame start is a "!" with more than 8 bytes after it.
    for (std::size_t at = 0; at + 9 < data.size(); ++at) {
        if (data[at] == 0x21 && data[at + 1] == 0xF9 && data[at + 2] == 0x04 && data[at + 8] == 0x2C)
            starts.push_back(at);
    }
    return starts;
}

int CountGIFFrames(TByteView data)
{
    if (!IsGIF(data))
        return -1;
    return static_cast<int>(GIFFrameStarts(data).size());
}

void THTMLPicture::Assign(const THTMLPicture* source)
{
    if (!source) {
        data_.clear();
        frameCount_ = -2;
        Decode();
        return;
    }
    stretch_ = source->stretch_;
    frame_ = source->frame_;
    source_ = source->source_;
    data_ = source->data_;
    frameCount_ = -2;
    Decode();
    Changed();
}

void THTMLPicture::LoadFromStream(TByteView data)
{
    data_.assign(data.begin(), data.end());
    frameCount_ = -2;
    Decode();
    Changed();
}

bool THTMLPicture::LoadFromFile(const std::string& path)
{
    const TBytes bytes = ReadFileBytes(path);
    if (bytes.empty())
        return false;
    LoadFromStream(bytes);
    return true;
}

void THTMLPicture::LoadFromResource(const std::string& name)
{
    const QString file = FindResourceFile(name);
    if (!file.isEmpty())
        LoadFromFile(file.toStdString());
}

void THTMLPicture::LoadFromURL(const std::string& source)
{
    const std::string upper = markup::UpperAscii(source);
    source_ = source;
    if (upper.rfind("RES://", 0) == 0) {
        LoadFromResource(source.substr(6));
    } else if (upper.rfind("FILE://", 0) == 0) {
        LoadFromFile(source.substr(7));
    } else {
        // Pictures are never fetched from addresses; a download only marks itself as started.
        if (asynch_ && !downloadStarted_)
            downloadStarted_ = true;
    }
}

void THTMLPicture::SaveToStream(TBytes& out) const { out.insert(out.end(), data_.begin(), data_.end()); }

int THTMLPicture::Width() const
{
    if (decoded_.isNull())
        return 0;
    return screenWidth_ > 0 ? screenWidth_ : decoded_.width();
}

int THTMLPicture::Height() const
{
    if (decoded_.isNull())
        return 0;
    return screenHeight_ > 0 ? screenHeight_ : decoded_.height();
}

void THTMLPicture::Draw(TCanvas& canvas, const TRect& rect) const
{
    if (Empty())
        return;
    if (stretch_)
        canvas.StretchDraw(rect, *this);
    else
        canvas.Draw(rect.Left, rect.Top, *this);
}

void THTMLPicture::SetFrame(int frame)
{
    frame_ = frame;
    if (data_.empty())
        return;
    Decode();
    if (OnFrameChange)
        OnFrameChange();
}

int THTMLPicture::FrameCount() const
{
    if (frameCount_ == -2)
        frameCount_ = CountGIFFrames(data_);
    return frameCount_;
}

void THTMLPicture::Decode()
{
    decoded_ = QImage();
    screenWidth_ = screenHeight_ = 0;
    frameLeft_ = frameTop_ = frameWidth_ = frameHeight_ = 0;
    if (data_.empty())
        return;
    if (FrameCount() >= 1) {
        const TGifScreen screen = GifLogicalScreen(data_);
        screenWidth_ = screen.width;
        screenHeight_ = screen.height;
        decoded_ = DecodeGif(data_, frame_);
        ReadFrameBox();
    } else {
        decoded_ = DecodeImage(data_);
    }
}

void THTMLPicture::ReadFrameBox()
{
    const std::vector<std::size_t> starts = GIFFrameStarts(data_);
    if (frame_ < 1 || frame_ > static_cast<int>(starts.size()))
        return;
    const std::size_t descriptor = starts[static_cast<std::size_t>(frame_ - 1)] + 8;
    frameLeft_ = Word16(data_, descriptor + 1);
    frameTop_ = Word16(data_, descriptor + 3);
    frameWidth_ = Word16(data_, descriptor + 5);
    frameHeight_ = Word16(data_, descriptor + 7);
}

THTMLPicture* TPictureContainer::FindPicture(const std::string& name)
{
    const QString wanted = QString::fromStdString(name);
    return items_.Find([&wanted](const std::string& itemName) {
        return QString::fromStdString(itemName).compare(wanted, Qt::CaseInsensitive) == 0;
    });
}

std::string TPictureContainer::Version() const { return "1.0.0.0"; }

THTMLPicture* THTMLPictureCache::FindPicture(const std::string& source)
{
    for (const auto& picture : pictures_)
        if (picture->Source() == source)
            return picture.get();
    return nullptr;
}

THTMLPicture* THTMLPictureCache::AddPicture()
{
    pictures_.push_back(std::make_unique<THTMLPicture>());
    return pictures_.back().get();
}

void RegisterPictureContainerClass() { RegisterComponentClass<TPictureContainer>("TPictureContainer"); }

}  // namespace tarvelon
