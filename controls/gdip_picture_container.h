#pragma once
// TGDIPPictureContainer: a store of named pictures that the smooth panels, the smooth message
// dialog and the rich texts' image tags look pictures up in by name ("i_gol", "i_cv", ...).
#include <string>

#include "controls/dc_smooth_gdip.h"
#include "platform/forms/component.h"
#include "platform/graphics/named_pictures.h"

namespace tarvelon {

class TGDIPPictureContainer;

using TPictureItem = TNamedPicture<TDcGDIPPicture>;

// The container's items, which know their container.
class TPictureCollection : public TNamedPictures<TDcGDIPPicture> {
public:
    explicit TPictureCollection(TGDIPPictureContainer* owner) : owner_(owner) {}
    TGDIPPictureContainer* Owner() const { return owner_; }

private:
    TGDIPPictureContainer* owner_;
};

class TGDIPPictureContainer : public TComponent {
public:
    explicit TGDIPPictureContainer(TComponent* owner);
    std::string ClassName() const override { return "TGDIPPictureContainer"; }

    TPictureCollection& Items() { return items_; }
    std::string Version() const { return "1.0.0.0"; }
    void SetVersion(const std::string&) {}

    // The picture of the first item whose name equals `name` ignoring ASCII case; null when none.
    virtual TDcGDIPPicture* FindPicture(const std::string& name);

private:
    TPictureCollection items_;
};

}  // namespace tarvelon
