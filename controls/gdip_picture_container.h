#pragma once
// TGDIPPictureContainer: a store of named pictures that the smooth panels, the smooth message
// dialog and the rich texts' image tags look pictures up in by name ("i_gol", "i_cv", ...).
#include <memory>
#include <string>
#include <vector>

#include "controls/dc_smooth_gdip.h"
#include "platform/forms/component.h"

namespace tarvelon {

class TGDIPPictureContainer;

class TPictureItem {
public:
    TPictureItem() = default;
    TPictureItem(const TPictureItem&) = delete;
    TPictureItem& operator=(const TPictureItem&) = delete;

    TDcGDIPPicture& Picture() { return picture_; }
    void SetPicture(const TDcGDIPPicture& picture) { picture_.Assign(&picture); }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    void Assign(const TPictureItem& source);

private:
    TDcGDIPPicture picture_;
    std::string name_;
    int tag_ = 0;
};

class TPictureCollection {
public:
    explicit TPictureCollection(TGDIPPictureContainer* owner) : owner_(owner) {}
    TGDIPPictureContainer* Owner() const { return owner_; }
    int Count() const { return static_cast<int>(items_.size()); }
    TPictureItem& Items(int index) { return *items_.at(static_cast<std::size_t>(index)); }
    TPictureItem& Add();
    void Delete(int index);
    void Clear() { items_.clear(); }

private:
    TGDIPPictureContainer* owner_;
    std::vector<std::unique_ptr<TPictureItem>> items_;
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
