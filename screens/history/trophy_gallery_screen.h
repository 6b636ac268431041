#pragma once
// A coach's trophy gallery (TForm19, "Galeria de Troféus"): his titles grouped by competition, with
// the year and the club of each.
#include "screens/common/game_form.h"

namespace tarvelon {

class TCustomImageList;
class TDataGrid;
class TLabel;

class TForm19 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm19(TComponent* owner);

    TDataGrid* grid1 = nullptr;
    TLabel* Label1 = nullptr;
    TCustomImageList* ImageList1 = nullptr;
    TCustomImageList* flags = nullptr;

private:
    void FormCreate(TObject* sender);
};

}  // namespace tarvelon
