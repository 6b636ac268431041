#pragma once
// A club's record season by season (TForm55, "Retrospecto"): each season's games and the
// competitions it played with its placings, newest first, and the club's titles.
#include "screens/common/game_form.h"

namespace tarvelon {

class TDataGrid;
class TImage;
class TLabel;

class TForm55 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm55(TComponent* owner);

    TDataGrid* Grid = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label5 = nullptr;
    TImage* escudo = nullptr;

private:
    void FormCreate(TObject* sender);
    void FillClubRecord(int club);
};

}  // namespace tarvelon
