#pragma once
// TCustomImageList: the drawing layer's TImageList as a component, so a form description can hold
// one (`object ImageList1: TImageList`) and controls can name it (Images = ImageList1).
#include "platform/forms/component.h"
#include "platform/graphics/image_list.h"

namespace tarvelon {

class TCustomImageList : public TComponent, public TImageList {
public:
    explicit TCustomImageList(TComponent* owner) : TComponent(owner), TImageList(16, 16) {}
    std::string ClassName() const override { return "TImageList"; }
};

}  // namespace tarvelon
