#pragma once
// The human-coach set-up for divisions of 10 clubs and for the custom championship (TForm11): one
// radio button per club ("timeradio1" ..), in one green panel per division; clubs taken by a coach
// are disabled.
#include <array>
#include <vector>

#include "screens/start/coach_setup.h"

namespace tarvelon {

class TRadioButton;
class TShape;

class TForm11 : public TCoachSetupForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm11(TComponent* owner);

    static constexpr int kButtons = 60;
    std::array<TRadioButton*, kButtons> timeradio{};
    std::array<TShape*, 4> panels{};
    std::array<TLabel*, 4> headings{};

    // The club behind button i (0-based), -1 when it shows none.
    int ButtonClub(int i) const { return buttonClubs_[static_cast<std::size_t>(i)]; }

protected:
    void FillClubLists(int league) override;
    int ChosenClub() override;
    void MarkTaken(int club, const std::string& coachName) override;

private:
    void CreateButtons();
    void LayOutDivisions(int divisions, int perDivision);
    void timeradioClick(TObject* sender);

    std::array<int, kButtons> buttonClubs_{};
};

}  // namespace tarvelon
