#pragma once
// The custom championship set-up (TForm39): the player ticks countries and all their playable clubs
// are pooled into one league of the custom country, in which only the league and, when chosen, the
// "Copa Internacional" are played. "Continuar >>" opens the coach set-up (TForm11).
#include <memory>

#include "screens/common/game_form.h"

namespace tarvelon {

class TCheckBox;
class TComboBox;
class TDataGrid;
class TGradButton;
class TLabel;
class TPanel;
class TTickList;

class TForm39 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm39(TComponent* owner);
    ~TForm39() override;

    TPanel* Panel1 = nullptr;  // everything the screen shows
    TDataGrid* list1 = nullptr;
    TLabel* Label4 = nullptr;  // countries listed
    TLabel* Label5 = nullptr;  // countries ticked
    TLabel* Label7 = nullptr;  // clubs ticked
    TLabel* Label9 = nullptr;  // the 1000-club limit
    TComboBox* ComboBox1 = nullptr;
    TCheckBox* ckcopaper = nullptr;
    TGradButton* GradButton1 = nullptr;
    TGradButton* bt1 = nullptr;

    TTickList& Countries() { return *countries_; }

private:
    void FormCreate(TObject* sender);
    void FormShow(TObject* sender);
    void list1CellClick(TObject* sender, int col, int row);
    void ShowCounts();
    void GradButton1Click(TObject* sender);
    void bt1Click(TObject* sender);

    std::unique_ptr<TTickList> countries_;
};

}  // namespace tarvelon
