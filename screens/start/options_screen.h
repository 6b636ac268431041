#pragma once
// The game options screen (TForm32): match speeds, automatic saving, shoot-outs, coach changes,
// half-time substitutions, contract warnings, sounds, bold home events, list colours, automatic
// contracts, the continental cups' views and the leagues shown. Each choice acts on the running
// game at once and writes its key of "tarvelon.ini"; the palette opens the list colours (TForm64).
#include <memory>

#include "screens/common/game_form.h"

namespace tarvelon {

class TCheckBox;
class TComboBox;
class TDataGrid;
class TGradButton;
class TImage;
class TTickList;

class TForm32 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm32(TComponent* owner);
    ~TForm32() override;

    TComboBox* ComboBox1 = nullptr;  // speed with a human club playing
    TComboBox* ComboBox2 = nullptr;  // automatic saving
    TComboBox* ComboBox3 = nullptr;  // other clubs' shoot-outs
    TComboBox* ComboBox4 = nullptr;  // speed without human clubs
    TComboBox* ComboBox5 = nullptr;  // coach changes
    TComboBox* ComboBox6 = nullptr;  // half-time substitutions
    TComboBox* ComboBox7 = nullptr;  // contract warnings
    TComboBox* combo41 = nullptr;
    TComboBox* combo42 = nullptr;
    TComboBox* combo61 = nullptr;
    TComboBox* combo62 = nullptr;
    TCheckBox* cksom = nullptr;
    TCheckBox* cknegrito = nullptr;
    TCheckBox* ckcor = nullptr;
    TCheckBox* ckcontrato = nullptr;
    TDataGrid* list1 = nullptr;
    TImage* Image1 = nullptr;
    TGradButton* GradButton2 = nullptr;

    TTickList& LeagueList() { return *leagues_; }

private:
    void FormCreate(TObject* sender);
    void FormKeyDown(TObject* sender, unsigned short& key, TShiftState shift);
    void ShowOptions();
    void ShowLeagues();
    void BindChoices();
    void list1CellClick(TObject* sender, int col, int row);
    void ckcorClick(TObject* sender);
    void Image1Click(TObject* sender);
    void GradButton2Click(TObject* sender);

    std::unique_ptr<TTickList> leagues_;
};

}  // namespace tarvelon
