#pragma once
// What the bracket views share on screen: the labels and crest slots of a bracket found by their
// names in the form (team labels `j<t>t1`/`j<t>t2`, score labels `pl<t>`, crest slots `img<n>`, the
// champion box `Label62`), emptied to silver, and a tie shown with its clubs' colours.
#include <array>
#include <vector>

#include "core/views/cup_brackets.h"

namespace tarvelon {

class TGameForm;
class TImage;
class TLabel;

struct TBracketControls {
    std::vector<TLabel*> team1, team2, score;  // index tie - 1
    std::vector<TImage*> crests;               // index slot - 1
    TLabel* champion = nullptr;
};

TBracketControls FindBracketControls(TGameForm& form, int ties, int crestSlots);

// Every tie label emptied, silver with a black font, every score and crest slot emptied, the
// champion box emptied and silver.
void ClearBracket(TBracketControls& bracket);

// A club's name in a label with the club's background colour and its text colour as font colour;
// -1 empties the label back to silver.
void ShowClubInLabel(TLabel* label, int club);
// The club's mini crest in the slot; an empty path leaves it empty.
void ShowMiniCrest(TImage* image, int club);

// Tie t (1-based): both clubs, the score, and the crests in slots 2t - 1 and 2t when they exist.
void ShowBracketTie(TBracketControls& bracket, int tie, const BracketTie& shown);

// Fills a two-legged bracket: every drawn tie, and the champion when known.
template <std::size_t N>
void FillBracket(TBracketControls& bracket, const std::array<BracketTie, N>& ties, int champion)
{
    ClearBracket(bracket);
    for (std::size_t t = 0; t < N; ++t)
        if (ties[t].Drawn())
            ShowBracketTie(bracket, static_cast<int>(t) + 1, ties[t]);
    ShowClubInLabel(bracket.champion, champion);
}

}  // namespace tarvelon
