#include "screens/competitions/bracket_filler.h"

#include "core/basics/literal_text.h"
#include "core/format/images.h"
#include "core/tables.h"
#include "platform/graphics/color.h"
#include "platform/stdctrls/graphic_controls.h"
#include "screens/common/game_form.h"

namespace tarvelon {

namespace {

constexpr TColor kEmptyTie = 0xC0C0C0;

bool IsClub(int club) { return club >= 0 && club < static_cast<int>(Clubs.size()); }

}  // namespace

TBracketControls FindBracketControls(TGameForm& form, int ties, int crestSlots)
{
    TBracketControls bracket;
    for (int t = 1; t <= ties; ++t) {
        const std::string tie = std::to_string(t);
        bracket.team1.push_back(form.FindChild<TLabel>("j" + tie + "t1"));
        bracket.team2.push_back(form.FindChild<TLabel>("j" + tie + "t2"));
        bracket.score.push_back(form.FindChild<TLabel>("pl" + tie));
    }
    for (int slot = 1; slot <= crestSlots; ++slot)
        bracket.crests.push_back(form.FindChild<TImage>("img" + std::to_string(slot)));
    bracket.champion = form.FindChild<TLabel>("Label62");
    return bracket;
}

void ShowClubInLabel(TLabel* label, int club)
{
    if (label == nullptr)
        return;
    label->SetTransparent(false);
    if (!IsClub(club)) {
        label->SetCaption("");
        label->SetColor(kEmptyTie);
        label->Font().SetColor(clBlack);
        return;
    }
    const TClub& c = Clubs[static_cast<std::size_t>(club)];
    label->SetCaption(CaptionLiteral(c.name.str()));
    label->SetColor(c.BackColor);
    label->Font().SetColor(c.TextColor);
}

void ShowMiniCrest(TImage* image, int club)
{
    if (image == nullptr)
        return;
    const std::string path = IsClub(club) ? MiniCrestPath(club) : "";
    if (path.empty() || !image->Picture().LoadFromFile(path))
        image->Picture().Clear();
}

void ClearBracket(TBracketControls& bracket)
{
    for (std::size_t t = 0; t < bracket.team1.size(); ++t) {
        ShowClubInLabel(bracket.team1[t], -1);
        ShowClubInLabel(bracket.team2[t], -1);
        if (bracket.team1[t])
            bracket.team1[t]->SetVisible(true);
        if (bracket.team2[t])
            bracket.team2[t]->SetVisible(true);
        if (bracket.score[t])
            bracket.score[t]->SetCaption("");
    }
    for (TImage* crest : bracket.crests)
        if (crest)
            crest->Picture().Clear();
    ShowClubInLabel(bracket.champion, -1);
}

void ShowBracketTie(TBracketControls& bracket, int tie, const BracketTie& shown)
{
    const std::size_t t = static_cast<std::size_t>(tie - 1);
    if (t >= bracket.team1.size())
        return;
    ShowClubInLabel(bracket.team1[t], shown.team1);
    ShowClubInLabel(bracket.team2[t], shown.team2);
    if (bracket.score[t])
        bracket.score[t]->SetCaption(shown.score);
    const std::size_t slot1 = 2 * t;
    if (slot1 < bracket.crests.size())
        ShowMiniCrest(bracket.crests[slot1], shown.team1);
    if (slot1 + 1 < bracket.crests.size())
        ShowMiniCrest(bracket.crests[slot1 + 1], shown.team2);
}

}  // namespace tarvelon
