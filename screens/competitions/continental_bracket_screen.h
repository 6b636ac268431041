#pragma once
// The knockout phase of a continental club cup of the running season (TForm69): 15 two-legged ties
// between 16 clubs, South American or European edition, chosen in `combo1`; opened on the South
// American edition of the cup in BracketCompetition.
#include "screens/common/game_form.h"
#include "screens/competitions/bracket_filler.h"

namespace tarvelon {

class TComboBox;
class TLabel;

class TForm69 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm69(TComponent* owner);

    TLabel* Label1 = nullptr;
    TComboBox* combo1 = nullptr;
    TBracketControls bracket;

    // Shows chooser entry 0..3: Libertadores, Liga dos Campeões, Sul-Americana, Liga Europa.
    void ShowEntry(int entry);

private:
    void FormCreate();
};

}  // namespace tarvelon
