#pragma once
// The line-up and tactics screen (TForm87): a human coach drags players from his squad list onto
// the eighteen shirts of the pitch board, or picks a formation for an automatic selection; sets
// style, attack focus, marking, free-kick taker and captain; "Jogar >>" makes the board the club's
// line-up for today and hands over to the next coach or the matchday.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/lineup/lineup_board.h"
#include "screens/common/game_form.h"

namespace tarvelon {

class TCheckBox;
class TCustomImageList;
class TDataGrid;
class TDcComboBox;
class TDcGlowButton;
class TDcSmoothMessageDialog;
class TImage;
class TLabel;
class TWinControl;
class TPitchBoard;

// Set by the national-team hub before it opens the line-up screen: the screen serves a national team.
extern bool NationalTeamMatch;
// Set when the coach confirmed his line-up with "Jogar >>" (read by the hub that opened the screen).
extern bool LineupConfirmed;

// Opens the line-up screen over a hub, for the club whose coach's turn it is or for his national
// team, and waits for it; `open` is true while it shows (the hub opens it only once). True when the
// coach confirmed his line-up.
bool ConfirmLineup(TComponent* hub, bool nationalTeam, bool& open);

// Opens the line-up screen for the coach's national team beside the national-team hub, without
// waiting for it: its "Jogar >>" runs `confirmed` once the line-up is built, and the hub closes it.
void OpenNationalLineup(TComponent* hub, std::function<void()> confirmed);

class TForm87 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm87(TComponent* owner);
    ~TForm87() override;

    const LineupBoard& Board() const { return board_; }
    TPitchBoard& PitchBoard() { return *pitch_; }
    // The player index behind item `item` of the captain and free-kick boxes (0 for none).
    int ComboPlayer(int item) const;
    // Client point of the form at the centre of pitch slot `slot` (tests and drops).
    TPoint PitchSlotCentre(int slot) const;

    TWinControl* Panel1 = nullptr;
    TWinControl* Panel2 = nullptr;
    TImage* Image1 = nullptr;
    TImage* Image3 = nullptr;
    TLabel* Label2 = nullptr;
    TDataGrid* gridview1 = nullptr;
    TDcComboBox* combtat = nullptr;
    TDcComboBox* comboej = nullptr;
    TDcComboBox* combo_cataq = nullptr;
    TDcComboBox* combomarc = nullptr;
    TDcComboBox* combo1 = nullptr;
    TDcComboBox* combo2 = nullptr;
    TCheckBox* ckescalacao = nullptr;
    TDcGlowButton* bt_voltar = nullptr;
    TDcGlowButton* bt_irprojogo = nullptr;
    TDcSmoothMessageDialog* info1 = nullptr;
    TCustomImageList* ImageList2 = nullptr;
    TCustomImageList* ImageList5 = nullptr;

private:
    void BindHandlers();
    void FindChildren();
    void FormCreate();
    void FillCandidatesGrid();
    void FillCandidateRow(int player);
    void FillCaptainBoxes();
    void SyncRows();
    void ForgetPlainShirts();
    void PaintBoard();
    void CreateBoardHandlers();
    void ShirtDrop(int shirt, TObject* source);
    void PitchDrop(TObject* source, int x, int y);
    void gridview1MouseDown();
    void combtatClick();
    void ckescalacaoClick();
    void bt_voltarClick();
    void bt_irprojogoClick();
    void TacticChanged(TDcComboBox* box, int& field);
    void PlayerChoiceChanged(TDcComboBox* box, int& field);
    int StatusImageOf(int player, int code) const;
    int Club() const;

    LineupBoard board_;
    std::unique_ptr<TPitchBoard> pitch_;
    std::vector<int> comboPlayers_;
    std::vector<bool> plainShirtRows_;  // per row: still the plain shirt, without a number
    bool loading_ = true;
    std::function<void()> confirmed_;  // the hub's handover when shown beside it

    friend void OpenNationalLineup(TComponent* hub, std::function<void()> confirmed);
};

}  // namespace tarvelon
