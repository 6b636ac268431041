#pragma once
// The national cup of one league in the running season as a bracket of two-legged ties (TForm35):
// 32 entrants (31 ties) or 16 (the round of 16 from tie 17 on, its clubs listed one by one in the
// first column), the scores of both legs and any shoot-out, and the champion once decided.
#include "screens/common/game_form.h"
#include "screens/competitions/bracket_filler.h"

namespace tarvelon {

class TComboBoxEx;
class TCustomImageList;
class TLabel;

class TForm35 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm35(TComponent* owner);

    TLabel* Label1 = nullptr;
    TComboBoxEx* combopais = nullptr;
    TCustomImageList* flags = nullptr;
    TBracketControls bracket;

    int ShownCupLeague = 0;

    void FillNationalCupBracket();

private:
    void FormCreate();
    void ListSixteenEntrants(const NationalCupBracket& cup);
};

}  // namespace tarvelon
