// The store of named pictures.
#include "controls/gdip_picture_container.h"

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

TGDIPPictureContainer::TGDIPPictureContainer(TComponent* owner) : TComponent(owner), items_(this) {}

TDcGDIPPicture* TGDIPPictureContainer::FindPicture(const std::string& name)
{
    const std::string wanted = AsciiUpper(name);
    return items_.Find([&wanted](const std::string& itemName) { return AsciiUpper(itemName) == wanted; });
}

}  // namespace tarvelon
