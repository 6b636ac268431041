// The store of named pictures.
#include "controls/gdip_picture_container.h"

#include <algorithm>

namespace tarvelon {

namespace {

std::string AsciiUpper(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return text;
}

}  // namespace

void TPictureItem::Assign(const TPictureItem& source)
{
    name_ = source.name_;
    tag_ = source.tag_;
    picture_.Assign(&source.picture_);
}

TPictureItem& TPictureCollection::Add()
{
    items_.push_back(std::make_unique<TPictureItem>());
    return *items_.back();
}

void TPictureCollection::Delete(int index)
{
    if (index >= 0 && index < Count())
        items_.erase(items_.begin() + index);
}

TGDIPPictureContainer::TGDIPPictureContainer(TComponent* owner) : TComponent(owner), items_(this) {}

TDcGDIPPicture* TGDIPPictureContainer::FindPicture(const std::string& name)
{
    const std::string wanted = AsciiUpper(name);
    for (int i = 0; i < items_.Count(); ++i) {
        if (AsciiUpper(items_.Items(i).Name()) == wanted)
            return &items_.Items(i).Picture();
    }
    return nullptr;
}

}  // namespace tarvelon
