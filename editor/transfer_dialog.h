#pragma once
// The editor's transfer dialog (TForm79, not modal): moves the player selected when it opened to
// the club chosen in its list. "Transferir" stays disabled until a club with a free slot is chosen.
#include <string>

#include "screens/common/game_form.h"

namespace tarvelon {

class TDataGrid;
class TGradButton;

class TForm79 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm79(TComponent* owner);

    TDataGrid* grid1 = nullptr;
    TGradButton* GradButton1 = nullptr;
    int Target() const { return target_; }

private:
    void FormCreate(TObject* sender);
    void FillClubs();
    void ChooseRow(int row);
    void Transfer();
    // The player, taken when the dialog opens, so that later selections in the main window do not
    // change who moves.
    int fromClub_ = -1;
    int slot_ = 0;
    std::string name_;  // as stored: the slot moves only while it still holds this player
    int target_ = -1;
};

}  // namespace tarvelon
