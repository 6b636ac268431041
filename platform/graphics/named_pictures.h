#pragma once
// The pictures a rich text's image tags name ("i_gol", "i_cv", ...): a list of items, each a
// picture with its name and tag, kept in the order added. The smooth controls and the rich-text
// controls each keep their own kind of picture in it, and each container says how a name matches.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tarvelon {

template <typename PictureKind>
class TNamedPicture {
public:
    TNamedPicture() = default;
    TNamedPicture(const TNamedPicture&) = delete;
    TNamedPicture& operator=(const TNamedPicture&) = delete;

    PictureKind& Picture() { return picture_; }
    const PictureKind& Picture() const { return picture_; }
    // Copies the picture.
    void SetPicture(const PictureKind& picture) { picture_.Assign(&picture); }
    // Copies name, tag and picture.
    void Assign(const TNamedPicture& source)
    {
        Name = source.Name;
        Tag = source.Tag;
        picture_.Assign(&source.picture_);
    }

    std::string Name;
    std::intptr_t Tag = 0;

private:
    PictureKind picture_;
};

template <typename PictureKind>
class TNamedPictures {
public:
    using Item = TNamedPicture<PictureKind>;

    Item& Add()
    {
        items_.push_back(std::make_unique<Item>());
        return *items_.back();
    }
    int Count() const { return static_cast<int>(items_.size()); }
    Item& Items(int index) { return *items_.at(static_cast<std::size_t>(index)); }
    const Item& Items(int index) const { return *items_.at(static_cast<std::size_t>(index)); }
    // Nothing outside the items.
    void Delete(int index)
    {
        if (index >= 0 && index < Count())
            items_.erase(items_.begin() + index);
    }
    void Clear() { items_.clear(); }

    // The picture of the first item whose name `matches`; null when none.
    template <typename Matches>
    PictureKind* Find(Matches matches)
    {
        for (const auto& item : items_)
            if (matches(item->Name))
                return &item->Picture();
        return nullptr;
    }

private:
    std::vector<std::unique_ptr<Item>> items_;
};

}  // namespace tarvelon
