#pragma once
// The game-mode chooser (TForm9), the first screen of a new game: the real mode (national leagues of
// the ticked countries) or the custom championship, the league format, the number of human coaches
// and the competitions played. It opens the coach set-up screen (TForm56 for divisions of 20,
// TForm11 for divisions of 10) or, in the custom mode, the custom championship (TForm39).
#include <memory>
#include <vector>

#include "screens/common/game_form.h"

namespace tarvelon {

class TComboBox;
class TDataGrid;
class TGradButton;
class TCheckBox;
class TRadioButton;
class TTickList;
struct NewGameChoices;

class TForm9 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm9(TComponent* owner);
    ~TForm9() override;

    TRadioButton* rd1 = nullptr;
    TRadioButton* rd2 = nullptr;
    TDataGrid* list1 = nullptr;
    TComboBox* combo1 = nullptr;
    TComboBox* ComboBox1 = nullptr;
    TComboBox* ComboBox2 = nullptr;
    TCheckBox* ckinter1 = nullptr;
    TCheckBox* ckinter2 = nullptr;
    TCheckBox* ckcopa = nullptr;
    TCheckBox* ckestadual = nullptr;
    TCheckBox* ckcopamundo = nullptr;
    TCheckBox* ckcopa2 = nullptr;
    TCheckBox* ckeurocopa = nullptr;
    TCheckBox* ckcopaamerica = nullptr;
    TGradButton* GradButton1 = nullptr;
    TGradButton* GradButton2 = nullptr;
    TGradButton* GradButton3 = nullptr;

    TTickList& Countries() { return *countries_; }
    // The choices as the screen shows them (the human coaches still unnamed).
    NewGameChoices Choices();

private:
    void FormCreate(TObject* sender);
    void FillCountryList();
    void combo1Change(TObject* sender);
    void list1CellClick(TObject* sender, int col, int row);
    void CompetitionBoxClick(TObject* sender);
    void ModeClick(TObject* sender);
    void GradButton1Click(TObject* sender);
    void GradButton2Click(TObject* sender);
    void GradButton3Click(TObject* sender);
    void OpenCoachSetup();
    void OpenCustomChampionship();

    std::unique_ptr<TTickList> countries_;
    std::vector<int> comboCountries_;
};

}  // namespace tarvelon
