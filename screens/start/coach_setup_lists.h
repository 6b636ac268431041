#pragma once
// The human-coach set-up for divisions of 20 clubs (TForm56): one list per division with the clubs'
// mini crests, sorted by name, and for a Brazilian league of four divisions with the state
// championships on, the regional division in place of the fourth.
#include <array>
#include <vector>

#include "screens/start/coach_setup.h"

namespace tarvelon {

class TComboBoxEx;
class TCustomImageList;

class TForm56 : public TCoachSetupForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm56(TComponent* owner);

    // combod1 .. combod4: divisions 1 to 4; combod5: the regional division.
    std::array<TComboBoxEx*, 5> combod{};
    TCustomImageList* ImageList1 = nullptr;

    // The clubs behind the entries of list k (0..4), entry 1 first (entry 0 is the heading).
    const std::vector<int>& ListClubs(int k) const { return listClubs_[static_cast<std::size_t>(k)]; }

protected:
    void FillClubLists(int league) override;
    int ChosenClub() override;
    void MarkTaken(int club, const std::string& coachName) override;

private:
    void FillList(int k, const std::vector<int>& clubs);
    void HideList(int k);
    void combodChange(TObject* sender);

    std::array<std::vector<int>, 5> listClubs_{};
};

}  // namespace tarvelon
