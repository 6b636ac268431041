#pragma once
// The inbox (TForm62, "Sua caixa de emails"): the current human club's messages newest first; the
// selected one is read, its text shown, and its question, when it asks one, answered. Closing it
// updates the hub's news line.
#include "screens/common/game_form.h"

namespace tarvelon {

class TCustomImageList;
class TDataGrid;
class TGradButton;
class TMemo;
class TWinControl;

class TForm62 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm62(TComponent* owner);

    // The message of the selected row, -1 for none.
    int SelectedMessage() const;

    TDataGrid* grid1 = nullptr;
    TMemo* Memo1 = nullptr;
    TWinControl* Panel1 = nullptr;
    TGradButton* GradButton1 = nullptr;
    TGradButton* GradButton2 = nullptr;
    TGradButton* bt1 = nullptr;
    TCustomImageList* ImageList1 = nullptr;

private:
    void FormCreate();
    void grid1SelectCell(int row);
    void AnswerClick();  // "Não"
    void FineClick();    // "Sim"
    void FormClose();
};

}  // namespace tarvelon
