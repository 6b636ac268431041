// A club's fixture list (TForm18) on a seeded game with some matchdays played: every fixture of the
// club in date order as the table holds it, the chooser narrows it to one competition by keys, and
// only a played match opens its report.
#include "core/season/fixtures.h"
#include "core/tables.h"
#include "core/views/club_fixtures.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "screens/common/subjects.h"
#include "screens/competitions/club_fixtures_screen.h"
#include "tests/screens/views_test_support.h"

namespace tarvelon {
namespace {

using viewstest::ViewsScreenTest;

class ClubFixturesScreenTest : public ViewsScreenTest {
protected:
    TForm18* OpenForClub()
    {
        FixtureListClub = SubjectClub();
        return Open<TForm18>("TForm18");
    }
};

int FixturesOfClub(int club, int kind)
{
    int count = 0;
    for (const TFixture& f : Fixtures)
        count += (kind < 0 || f.kind == kind) && (f.home == club || f.away == club);
    return count;
}

TEST_F(ClubFixturesScreenTest, ListsEveryFixtureOfTheClubInDateOrderAndTheChooserNarrowsIt)
{
    auto* form = OpenForClub();
    ASSERT_NE(form, nullptr);
    const int club = FixtureListClub;
    EXPECT_EQ(form->Label1->Caption(), Clubs[club].name.str());
    const auto rows = ClubFixtureRows(club, -1);
    ASSERT_EQ(form->list1->RowCount(), FixturesOfClub(club, -1));
    ASSERT_EQ(form->list1->RowCount(), static_cast<int>(rows.size()));
    for (int i = 0; i < form->list1->RowCount(); ++i) {
        const std::string row = std::to_string(i);
        EXPECT_EQ(form->list1->GetCellTextByName("coldata", row), rows[i].date);
        EXPECT_EQ(form->list1->GetCellTextByName("colx", row), rows[i].score);
        EXPECT_EQ(form->list1->GetCellTextByName("colforacasa", row), rows[i].homeOrAway);
        if (i > 0) {
            EXPECT_LE(rows[i - 1].when, rows[i].when);
        }
    }
    PressKey(form->combo1, Qt::Key_Down);  // "Nacional"
    EXPECT_EQ(form->combo1->Items().Strings(form->combo1->ItemIndex()), "Nacional");
    EXPECT_EQ(form->list1->RowCount(), FixturesOfClub(club, 1));
    PressKey(form->combo1, Qt::Key_Down);  // "Amistosos"
    EXPECT_EQ(form->list1->RowCount(), FixturesOfClub(club, 0));
    PressKey(form->combo1, Qt::Key_Home);
    EXPECT_EQ(form->list1->RowCount(), FixturesOfClub(club, -1));
    const int forms = Screen->FormCount();
    PressKey(form->combo1, Qt::Key_Escape);  // as Enter does, Escape closes it
    test::Pump();
    EXPECT_EQ(Screen->FormCount(), forms - 1);
}

TEST_F(ClubFixturesScreenTest, EnterClosesItFromTheChooserAndFromTheList)
{
    auto* form = OpenForClub();
    ASSERT_NE(form, nullptr);
    ExpectKeyCloses(form->combo1, Qt::Key_Return);
    form = OpenForClub();
    ASSERT_NE(form, nullptr);
    ExpectKeyCloses(form->list1, Qt::Key_Return);
}

TEST_F(ClubFixturesScreenTest, OnlyAPlayedMatchOpensItsReport)
{
    auto* form = OpenForClub();
    ASSERT_NE(form, nullptr);
    int played = -1;
    int unplayed = -1;
    for (int row = 0; row < form->list1->RowCount(); ++row) {
        if (form->list1->GetCellTextByName("colid", std::to_string(row)) != "-1")
            played = row;
        else if (unplayed < 0)
            unplayed = row;
    }
    ASSERT_GE(played, 0);
    ASSERT_GE(unplayed, 0);
    EXPECT_EQ(form->list1->GetCellTextByName("colx", std::to_string(unplayed)), "x");
    EXPECT_EQ(form->list1->GetCellTextByName("colpublico", std::to_string(unplayed)), "");

    auto seen = CloseWhatOpens(Screen->FormCount());
    DoubleClickRow(form->list1, unplayed);
    WaitForClosed(seen, 400);
    EXPECT_TRUE(seen->empty());
    seen = CloseWhatOpens(Screen->FormCount());
    DoubleClickRow(form->list1, played);
    WaitForClosed(seen);
    EXPECT_EQ(*seen, std::vector<std::string>{"TForm52"});
}

}  // namespace
}  // namespace tarvelon
