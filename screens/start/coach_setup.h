#pragma once
// The human coaches' set-up: each coach in turn types his name and picks a club; the last one opens
// the new-game builder (TForm12). What both set-up screens share is here; TForm56 offers the clubs
// in one list per division (divisions of 20), TForm11 one radio button per club (divisions of 10
// and the custom championship).
#include <string>
#include <vector>

#include "screens/common/game_form.h"

namespace tarvelon {

class TGradButton;
class TComboBox;
class TEdit;
class TLabel;

class TCoachSetupForm : public TGameForm {
public:
    TCoachSetupForm(TComponent* owner, const TScreenRecord& screen);

    TLabel* Label10 = nullptr;
    TEdit* Edit1 = nullptr;
    TLabel* Label11 = nullptr;
    TComboBox* Combo1 = nullptr;
    TGradButton* Button1 = nullptr;

    // The coach slot (1..6) choosing now.
    int CoachSlot() const { return slot_; }
    // The league whose clubs are offered now.
    int ShownLeague() const;

protected:
    // Reads the description and finds the shared children; the screen binds its own first.
    void ReadSharedDescription();
    void SetClubChosen(bool chosen);
    bool NameTyped() const;
    void UpdateButton();

    // The screen's own part: its club lists for a league, the club chosen, and what it shows of a
    // club a coach has taken.
    virtual void FillClubLists(int league) = 0;
    virtual int ChosenClub() = 0;
    virtual void MarkTaken(int club, const std::string& coachName) = 0;

private:
    void FormCreate(TObject* sender);
    void Combo1Change(TObject* sender);
    void Edit1Change(TObject* sender);
    void Button1Click(TObject* sender);
    void NextCoach();
    void OpenBuilder();

    int slot_ = 1;
    bool clubChosen_ = false;
};

}  // namespace tarvelon
