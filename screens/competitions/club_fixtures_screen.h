#pragma once
// A club's matches of the season (TForm18), played or to come, in date order, narrowed to one
// competition by a chooser; a played match opens its report.
#include "screens/common/game_form.h"

namespace tarvelon {

class TComboBox;
class TDataGrid;
class TImage;
class TLabel;

class TForm18 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm18(TComponent* owner);

    TDataGrid* list1 = nullptr;
    TComboBox* combo1 = nullptr;
    TLabel* Label1 = nullptr;
    TImage* escudo = nullptr;

    // The club's fixtures of that kind (-1 every kind).
    void FillFixtureList(int kind);

private:
    void FormCreate(TObject* sender);
    void list1DblClick(int row);
};

}  // namespace tarvelon
