#pragma once
// The in-play penalty of a human side, narrated in two steps: TForm34 when the human side kicks (its
// coach picks the taker and presses "Bater"), TForm54 when it is against him. Each writes the kick's
// taker and outcome (PenaltyTaker, PenaltyOutcome) and closes; the match engine books it. The clock
// of the matchday stays off meanwhile: the tick that met the penalty enables it when it returns.
#include "screens/common/game_form.h"

namespace tarvelon {

class TGradButton;
class TImage;
class TLabel;
class TListItem;
class TListView;
class TRichLabel;
class TTimer;

class TPenaltyDialog : public TGameForm {
public:
    TPenaltyDialog(TComponent* owner, const TScreenRecord& screen);
    int Keeper() const { return keeper_; }

protected:
    // Both narrations end so: the outcome is drawn, told, and the dialog closes after a pause.
    void DecideKick(int taker);
    virtual void ShowOutcome(bool scored, int taker) = 0;
    virtual void OutcomeSound(bool scored) = 0;
    virtual int PauseAfterOutcome() const = 0;

    int keeper_ = -1;
};

class TForm34 : public TPenaltyDialog {
public:
    static const TScreenRecord kScreen;
    explicit TForm34(TComponent* owner);

    TImage* escudo = nullptr;
    TRichLabel* info1 = nullptr;
    TListView* ListView1 = nullptr;
    TGradButton* bt1 = nullptr;
    TTimer* Timer1 = nullptr;
    TTimer* Timer2 = nullptr;

private:
    void FormCreate(TObject* sender);
    void ListView1SelectItem(TObject* sender, TListItem* item, bool selected);
    void bt1Click(TObject* sender);
    void Timer1Timer(TObject* sender);
    void Timer2Timer(TObject* sender);
    void ShowNarration(const std::string& text);
    void ShowOutcome(bool scored, int taker) override;
    void OutcomeSound(bool scored) override;
    int PauseAfterOutcome() const override { return 2500; }

    int taker_ = -1;
};

class TForm54 : public TPenaltyDialog {
public:
    static const TScreenRecord kScreen;
    explicit TForm54(TComponent* owner);

    TImage* escudo = nullptr;
    TLabel* Label2 = nullptr;
    TTimer* Timer1 = nullptr;
    TTimer* Timer2 = nullptr;
    int Taker() const { return taker_; }

private:
    void FormCreate(TObject* sender);
    void Timer1Timer(TObject* sender);
    void Timer2Timer(TObject* sender);
    void ShowOutcome(bool scored, int taker) override;
    void OutcomeSound(bool) override {}
    int PauseAfterOutcome() const override { return 2000; }

    int taker_ = -1;
};

// The engine's penalty question answered by these dialogs.
void InstallPenaltyDialogs();

}  // namespace tarvelon
