#pragma once
// The penalty shoot-out of a level knockout tie: the takers dialog (TForm37), in which a human
// coach orders his takers (both coaches, one after the other, when both clubs are human), and the
// kick-by-kick display (TForm38), which ends with the shoot-out's outcome booked (FinishShootout).
#include <memory>

#include "screens/common/game_form.h"

namespace tarvelon {

class ShootoutKicks;
class TGradButton;
class TImage;
class TLabel;
class TListView;
class TTimer;

class TForm37 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm37(TComponent* owner);

    TImage* escudo1 = nullptr;
    TListView* l1 = nullptr;
    TListView* l2 = nullptr;
    TGradButton* GradButton2 = nullptr;
    TGradButton* bt1 = nullptr;
    TGradButton* btp = nullptr;

    // The club whose takers are being ordered.
    int OrderingClub() const { return club_; }

private:
    void FormCreate(TObject* sender);
    void GradButton2Click(TObject* sender);
    void bt1Click(TObject* sender);
    void btpClick(TObject* sender);
    void LoadClub(int club);
    void MoveToTakers(int row);

    int club_ = -1;
};

class TForm38 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm38(TComponent* owner);
    ~TForm38() override;

    TImage* escudo1 = nullptr;
    TImage* escudo2 = nullptr;
    TLabel* nome1 = nullptr;
    TLabel* nome2 = nullptr;
    TLabel* pl1 = nullptr;
    TLabel* pl2 = nullptr;
    TLabel* lbresultado = nullptr;
    TListView* l1 = nullptr;
    TListView* l2 = nullptr;
    TTimer* Timer1 = nullptr;
    TTimer* Timer2 = nullptr;
    TTimer* Timer3 = nullptr;
    TTimer* Timer4 = nullptr;
    TTimer* Timer5 = nullptr;

private:
    void FormCreate(TObject* sender);
    void Timer1Timer(TObject* sender);
    void Timer2Timer(TObject* sender);
    void Timer3Timer(TObject* sender);
    void Timer4Timer(TObject* sender);
    void Timer5Timer(TObject* sender);
    void AddTaker(TListView* list, int side);
    void ShowKick(TListView* list, TLabel* score, int side, bool scored);
    void Finish();

    std::unique_ptr<ShootoutKicks> kicks_;
};

// Core's shoot-out question answered by these dialogs.
void InstallShootoutDialogs();

}  // namespace tarvelon
