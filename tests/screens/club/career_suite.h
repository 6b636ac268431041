#pragma once
// The suite of the coach's career on screen: the human club's dialogs' game of two human coaches,
// the job offers and a computer club's coach change cleared after each test, and the dismissal
// notice closed with Enter whenever it comes up, its message kept.
#include <QTest>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/career/career_state.h"
#include "core/hooks.h"
#include "screens/club/dismissal_notice.h"
#include "tests/screens/club/club_dialogs_fixture.h"
#include "tests/platform/modal_answer_each.h"
#include "tests/platform/modal_driver.h"

namespace tarvelon::test {

class CareerSuite : public ClubDialogsTest {
protected:
    void TearDown() override
    {
        Hooks().showCoachDismissal = nullptr;
        ClearJobOffers();
        ResetCoachChange();
        ClubDialogsTest::TearDown();
    }

    // Computer-run clubs of the country's league with a squad, in table order.
    static std::vector<int> ComputerClubsOf(int country)
    {
        std::vector<int> clubs;
        for (int c = 0; c < Game.LeagueClubCount; ++c)
            if (Clubs[c].Country == country && !Clubs[c].IsHuman && Clubs[c].Division >= 1 && !PlayersOfClub(c).empty())
                clubs.push_back(c);
        return clubs;
    }

    // Closes the dismissal notice with Enter whenever it comes up; the notice's message is kept.
    void AnswerDismissalNotices()
    {
        Hooks().showCoachDismissal = ShowCoachDismissalOnScreen;
        dismissalNotices_ = std::make_unique<AnswerEach<TForm31>>(
            [this](TForm31& notice) {
                dismissal_ = notice.Label4->Caption();
                QTest::keyClick(notice.Widget(), Qt::Key_Return);
            },
            [this](TForm31&) { return !stopAnswering_; });
    }

    std::string dismissal_;
    bool stopAnswering_ = false;
    std::unique_ptr<AnswerEach<TForm31>> dismissalNotices_;
};

}  // namespace tarvelon::test
