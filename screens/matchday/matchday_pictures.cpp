#include "screens/matchday/matchday_pictures.h"

#include <QImage>

#include "controls/gdip_picture_container.h"
#include "core/format/images.h"
#include "platform/graphics/picture.h"
#include "platform/stdctrls/graphic_controls.h"
#include "richtext/picture_store.h"
#include "screens/common/art/art_kit.h"

namespace tarvelon {

void ShowArtPicture(TImage* image, const std::string& name)
{
    if (!image)
        return;
    const QImage& picture = art::Picture(name);
    if (picture.isNull())
        image->Picture().Clear();
    else
        image->Picture().SetGraphic(std::make_unique<TImageGraphic>(picture, TImageFormat::Png));
}

namespace {

const char* const kEventIcons[] = {"i_gol", "i_golv", "i_ca", "i_cv", "i_cacv", "i_ct", "i_sub"};

// A container of either kind filled with the event icons by name.
template <typename Container>
Container* NewIconContainer(TComponent* owner)
{
    auto* container = new Container(owner);
    for (const char* name : kEventIcons) {
        auto& item = container->Items().Add();
        item.Name = name;
        item.Picture().LoadFromStream(art::PictureAsPng(name));
    }
    return container;
}

}  // namespace

TPictureContainer* NewEventIconContainer(TComponent* owner) { return NewIconContainer<TPictureContainer>(owner); }

TGDIPPictureContainer* NewEventIconGdipContainer(TComponent* owner)
{
    return NewIconContainer<TGDIPPictureContainer>(owner);
}

void ShowClubCrest(TImage* image, int club, bool mini)
{
    if (!image)
        return;
    const std::string path = club >= 0 ? (mini ? MiniCrestPath(club) : CrestPath(club)) : std::string();
    if (path.empty() || !image->Picture().LoadFromFile(path))
        image->Picture().Clear();
}

void PointAtTheOtherSide(int shownSide, std::initializer_list<TControl*> home, std::initializer_list<TControl*> away)
{
    for (TControl* control : home)
        if (control)
            control->SetCursor(shownSide == 1 ? crDefault : crHandPoint);
    for (TControl* control : away)
        if (control)
            control->SetCursor(shownSide == 2 ? crDefault : crHandPoint);
}

}  // namespace tarvelon
