// The referee card on a seeded game: the referee's name, his two ratings as numbers and as gauges
// out of five (probed in their pixels), and an empty card for a number outside the table.
#include <gtest/gtest.h>

#include <QColor>

#include "controls/progress_cyl.h"
#include "core/matchday/referee_table.h"
#include "core/records/match_records.h"
#include "platform/forms/screen.h"
#include "platform/stdctrls/graphic_controls.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/matchday/referee_card.h"
#include "tests/platform/forms_test_support.h"
#include "tests/screens/gallery_game_suite.h"

namespace tarvelon {
namespace {

class RefereeCardTest : public test::GalleryGameSuite {
protected:
    static void SetUpTestSuite()
    {
        PrepareGame(5, 0);
        FillReferees();  // as the title screen does at start-up
    }
    void TearDown() override
    {
        delete card_;
        test::Pump();
    }

    TForm80* OpenCard(int referee)
    {
        ShownReferee = referee;
        card_ = dynamic_cast<TForm80*>(CreateScreen("TForm80", nullptr));
        EXPECT_NE(card_, nullptr);
        if (card_) {
            card_->Show();
            test::Pump();
        }
        return card_;
    }

    // The first referee of the table with these ratings, 0 when none has them.
    static int RefereeRated(int technique, int rigour)
    {
        for (int r = 1; r <= kRefereeCount; ++r)
            if (Referees[r].technique == technique && Referees[r].rigour == rigour)
                return r;
        return 0;
    }

    // Red fill against the green body, on the gauge's middle row at a fraction of its width.
    bool RedAt(TProgressCyl* gauge, double fraction)
    {
        const int x = gauge->Left() + static_cast<int>(gauge->Width() * fraction);
        const QColor c = QColor::fromRgb(test::GrabbedPixel(card_->Widget(), x, gauge->Top() + gauge->Height() / 2));
        return c.red() > c.green();
    }

    TForm80* card_ = nullptr;
};

TEST_F(RefereeCardTest, ShowsTheNameAndBothRatingsAsNumbersAndGauges)
{
    const int referee = RefereeRated(5, 2);
    ASSERT_GT(referee, 0) << "the referee table has a referee of technique 5 and rigour 2";
    TForm80* card = OpenCard(referee);
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->Caption(), "Árbitro");
    EXPECT_EQ(card->Label1->Caption(), RefereeName(referee));
    EXPECT_FALSE(card->Label1->Caption().empty());
    EXPECT_EQ(card->Label2->Caption(), "Técnica:");
    EXPECT_EQ(card->Label3->Caption(), "Rigor:");
    EXPECT_EQ(card->Label4->Caption(), "5");
    EXPECT_EQ(card->Label5->Caption(), "2");
    EXPECT_EQ(card->gp1->Max(), 5);
    EXPECT_EQ(card->gp1->Position(), 5);
    EXPECT_EQ(card->gp2->Position(), 2);

    // Technique 5 fills its gauge; rigour 2 fills two fifths of the other.
    EXPECT_TRUE(RedAt(card->gp1, 0.1));
    EXPECT_TRUE(RedAt(card->gp1, 0.9));
    EXPECT_TRUE(RedAt(card->gp2, 0.2));
    EXPECT_FALSE(RedAt(card->gp2, 0.6));
    EXPECT_FALSE(RedAt(card->gp2, 0.9));

    // Everything inside the window.
    for (TControl* control : {static_cast<TControl*>(card->Label1), static_cast<TControl*>(card->gp1),
                              static_cast<TControl*>(card->gp2)})
        EXPECT_LE(control->Left() + control->Width(), card->ClientWidth());
}

TEST_F(RefereeCardTest, ANumberOutsideTheTableShowsAnEmptyCard)
{
    for (int referee : {0, -1, kRefereeCount + 1}) {
        TForm80* card = OpenCard(referee);
        ASSERT_NE(card, nullptr);
        EXPECT_EQ(card->Label1->Caption(), "");
        EXPECT_EQ(card->gp1->Position(), 0);
        EXPECT_EQ(card->gp2->Position(), 0);
        delete card_;
        card_ = nullptr;
    }
}

}  // namespace
}  // namespace tarvelon
