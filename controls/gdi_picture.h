#pragma once
// TGDIPPicture: the glossy button's encoded picture, twin of TDcGDIPPicture without the
// transparency override and the drawing on an anti-aliased surface.
#include "controls/dc_smooth_gdip.h"

namespace tarvelon {

class TGDIPPicture : public TEncodedPicture {
public:
    void Assign(const TGDIPPicture* source) { AssignContent(source); }
    void Assign(const TBitmap* source);
    void Clear() { Assign(static_cast<const TGDIPPicture*>(nullptr)); }

    // Takes the bytes without measuring them and without a change event.
    void ReadData(const TBytes& stream);
    // Measured by decoding.
    void LoadFromFile(const std::string& fileName);
    void LoadFromStream(const TBytes& stream);
};

}  // namespace tarvelon
