// The recent transfers (TForm58) on the gallery's seeded game: the whole list newest first, a club
// chosen with the keyboard, the coach appointments without the chooser, a club outside the leagues
// selects nothing, the alternating rows, and Escape closes.
#include "core/format/money_format.h"
#include "core/tables.h"
#include "core/views/transfer_list.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "screens/club/recent_transfers_screen.h"
#include "screens/common/subjects.h"
#include "tests/screens/views_test_support.h"

namespace tarvelon {
namespace {

using viewstest::ViewsScreenTest;

class RecentTransfersScreenTest : public ViewsScreenTest {
protected:
    void SetUp() override
    {
        ViewsScreenTest::SetUp();
        savedTransfers_ = Transfers;
        savedHires_ = CoachHires;
        Transfers.push_back({SubjectPlayer(), {}, 40200.0, SubjectOtherClub(), SubjectClub(), 750000, {}});
        Transfers.push_back({SubjectPlayer(), {}, 40210.0, SubjectClub(), 2, 0, {}});  // a loan out
    }
    void TearDown() override
    {
        ViewsScreenTest::TearDown();
        Transfers = savedTransfers_;
        CoachHires = savedHires_;
    }
    std::vector<TTransfer> savedTransfers_;
    std::vector<TCoachHiring> savedHires_;
};

TEST_F(RecentTransfersScreenTest, ListsEveryMoveThenAClubChosenWithTheKeys)
{
    TransferListMode = 1;
    auto* form = Open<TForm58>("TForm58");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Label5->Caption(), "Jogadores - todos");
    EXPECT_EQ(form->combopais->ItemIndex(), 0);
    EXPECT_EQ(form->combopais->Items().Count(), Game.LeagueClubCount + 1);
    EXPECT_EQ(form->Gridview1->RowCount(), static_cast<int>(RecentTransferRows().size()));
    EXPECT_EQ(form->Gridview1->GetCellTextByName("colvalor", 0), "$0");
    EXPECT_EQ(form->Gridview1->GetCellTextByName("coldestino", 0), Clubs[2].name.str());
    EXPECT_EQ(form->Gridview1->GetCellTextByName("colvalor", 1), "$" + FormatMoney(750000));

    form->combopais->SetFocus();
    PressKey(form->combopais, Qt::Key_Down);  // the first club
    EXPECT_EQ(TransferListMode, 3);
    EXPECT_EQ(TransferListClub, 0);
    EXPECT_EQ(form->Label5->Caption(), "Jogadores - " + Clubs[0].name.str());
    EXPECT_EQ(form->Gridview1->RowCount(), static_cast<int>(ClubTransferRows(0).size()));
    PressKey(form->combopais, Qt::Key_Home);  // "Todos" again
    EXPECT_EQ(TransferListMode, 1);
    EXPECT_EQ(form->Label5->Caption(), "Jogadores - todos");

    form->Gridview1->SetSelectedRow(-1);
    form->Repaint();
    test::Pump();
    const int x = form->Gridview1->ColumnByName("colorigem")->Left() + 40;
    EXPECT_EQ(test::GrabbedPixel(WidgetOf(form->Gridview1), x, form->Gridview1->RowTop(0) + 4), 0xFFFFECu);
    EXPECT_EQ(test::GrabbedPixel(WidgetOf(form->Gridview1), x, form->Gridview1->RowTop(1) + 4), 0xFFFFFFu);

    PressKey(form->Gridview1, Qt::Key_Escape);
    EXPECT_EQ(Screen->FormCount(), 0);
}

TEST_F(RecentTransfersScreenTest, OneClubsMovesAndAClubOutsideTheLeaguesSelectsNothing)
{
    TransferListMode = 3;
    TransferListClub = SubjectClub();
    auto* form = Open<TForm58>("TForm58");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->combopais->ItemIndex(), SubjectClub() + 1);
    EXPECT_EQ(form->Gridview1->GetCellTextByName("colorigem", 0), Clubs[SubjectClub()].name.str());
    EXPECT_EQ(form->Gridview1->RowCount(), static_cast<int>(ClubTransferRows(SubjectClub()).size()));
    form->Close();
    test::Pump();

    TransferListClub = Game.LeagueClubCount;  // the first extra club, or past the leagues
    form = Open<TForm58>("TForm58");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->combopais->ItemIndex(), -1);
}

TEST_F(RecentTransfersScreenTest, CoachAppointmentsHideTheChooserAndTheMoneyColumns)
{
    CoachHires.push_back({Clubs[SubjectClub()].coach, 2, SubjectClub()});
    TransferListMode = 2;
    auto* form = Open<TForm58>("TForm58");
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(form->combopais->Visible());
    EXPECT_EQ(form->Label5->Caption(), "Técnicos");
    EXPECT_FALSE(form->Gridview1->ColumnByName("colvalor")->Visible());
    EXPECT_FALSE(form->Gridview1->ColumnByName("colorigem")->Visible());
    EXPECT_EQ(form->Gridview1->ColumnByName("coldestino")->Header().Caption(), "Clube em que foi admitido");
    EXPECT_EQ(form->Gridview1->GetCellTextByName("colano", 0), "2011");
    EXPECT_EQ(form->Gridview1->GetCellTextByName("coldestino", 0), Clubs[SubjectClub()].name.str());
    TransferListMode = 1;
}

}  // namespace
}  // namespace tarvelon
