// The glossy button's encoded picture.
#include "controls/gdi_picture.h"

namespace tarvelon {

void TGDIPPicture::Assign(const TBitmap* source)
{
    if (!source)
        return Clear();
    AssignBitmap(*source);
}

void TGDIPPicture::ReadData(const TBytes& stream)
{
    if (stream.empty())
        return;
    TakeBytes(stream);
}

void TGDIPPicture::LoadFromFile(const std::string& fileName)
{
    TakeBytes(ReadFileBytes(fileName));
    FireClear();
    GetImageSizes();
    FireChange();
}

void TGDIPPicture::LoadFromStream(const TBytes& stream)
{
    TakeBytes(stream);
    GetImageSizes();
    FireChange();
}

}  // namespace tarvelon
