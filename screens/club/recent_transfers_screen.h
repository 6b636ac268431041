#pragma once
// The recent transfers (TForm58): every player move, one club's moves or the coach appointments,
// newest first (TransferListMode, TransferListClub).
#include <vector>

#include "screens/common/game_form.h"

namespace tarvelon {

class TComboBox;
class TDataGrid;
class TLabel;
struct TransferListRow;

class TForm58 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm58(TComponent* owner);

    TLabel* Label5 = nullptr;
    TComboBox* combopais = nullptr;
    TDataGrid* Gridview1 = nullptr;

    void FillTransferList();

private:
    void FillClubChooser();
    void ShowCoachColumns(bool coaches);
    void FillRows(const std::vector<TransferListRow>& rows);
    void combopaisChange();
};

}  // namespace tarvelon
