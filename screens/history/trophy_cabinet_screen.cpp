// A club's trophy cabinet (TForm74).
#include "screens/history/trophy_cabinet_screen.h"

#include <memory>

#include "core/basics/literal_text.h"
#include "core/tables.h"
#include "core/views/trophy_cabinet.h"
#include "platform/graphics/picture.h"
#include "platform/stdctrls/graphic_controls.h"
#include "screens/common/art/art_kit.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/common/view_helpers.h"

namespace tarvelon {

namespace {

constexpr int kFirstLeft = 22;
constexpr int kTrophyTop = 120;
constexpr int kGap = 12;
const char* const kTrophyNames[] = {"tr_mundial", "tr_lib",     "tr_cl",      "tr_sul",     "tr_uefa",    "tr_nacbra",
                                    "tr_naceng",  "tr_nacita",  "tr_nacesp",  "tr_nacgen",  "tr_copabra", "tr_copaeng",
                                    "tr_copaita", "tr_copaesp", "tr_copagen", "tr_estadual"};

}  // namespace

const TScreenRecord TForm74::kScreen{
    .formClass = "TForm74",
    .shows = "Sala de troféus do clube",
    .area = TScreenArea::History,
    .modal = true,
    .style = {.closeOnEscape = true},
    .subject = [] { TrophyCabinetClub = SubjectChampionClub(); },
    .create = NewScreen<TForm74>,
    .file = "screens/history/trophy_cabinet_screen.cpp",
};

TForm74::TForm74(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject* s) { FormCreate(s); });
    BindHandler("GradButton1Click", [this](TObject*) { Close(); });
    ReadDescription();
    escudoimg = FindChild<TImage>("escudoimg");
    Label1 = FindChild<TLabel>("Label1");
    Label2 = FindChild<TLabel>("Label2");
    for (int k = 0; k < 6; ++k) {
        captions[k] = FindChild<TLabel>("lab" + std::to_string(k + 1));
        counts[k] = FindChild<TLabel>("labc" + std::to_string(k + 1));
    }
    for (const char* name : kTrophyNames)
        if (TImage* picture = FindChild<TImage>(name))
            picture->Picture().SetGraphic(std::make_unique<TImageGraphic>(art::Picture(name), TImageFormat::Png));
}

TImage* TForm74::Trophy(const std::string& name) { return dynamic_cast<TImage*>(FindComponent(name)); }

void TForm74::FormCreate(TObject*)
{
    const int club = TrophyCabinetClub;
    if (club < 0 || club >= static_cast<int>(Clubs.size())) {
        Label1->SetCaption("");
        Label2->SetVisible(true);
        return;
    }
    ShowCrest(*escudoimg, club);
    Label1->SetCaption(CaptionLiteral(Clubs[club].name.str()));
    const auto shelf = CabinetTrophies(club);
    Label2->SetVisible(shelf.empty());
    int left = kFirstLeft;
    for (std::size_t k = 0; k < shelf.size() && k < captions.size(); ++k) {
        TImage* picture = Trophy(shelf[k].picture);
        if (!picture)
            continue;
        ShowTrophy(static_cast<int>(k), *picture, shelf[k].caption, shelf[k].count, left);
        left += picture->Width() + kGap;
    }
}

void TForm74::ShowTrophy(int k, TImage& picture, const std::string& caption, int count, int left)
{
    picture.SetLeft(left);
    picture.SetTop(kTrophyTop);
    picture.SetVisible(true);
    captions[k]->SetCaption(caption);
    captions[k]->SetBounds(left, kTrophyTop + picture.Height() + 4, picture.Width() + 15, captions[k]->Height());
    captions[k]->SetVisible(true);
    counts[k]->SetCaption("[" + std::to_string(count) + "]");
    counts[k]->SetBounds(left, kTrophyTop + picture.Height() + 22, picture.Width(), counts[k]->Height());
    counts[k]->SetVisible(true);
}

}  // namespace tarvelon
