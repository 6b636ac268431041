// The match report driven with the mouse on a seeded game: both sides' elevens on the pitch, the
// statistics box, and "Fechar >>".
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>

#include "controls/dc_smooth_message_dialog.h"
#include "controls/dc_smooth_panel.h"
#include "controls/dc_glow_button.h"
#include "core/records/match_records.h"
#include "core/tables.h"
#include "core/views/match_event_view.h"
#include "core/views/match_report_view.h"
#include "core/vocab/tactics_board.h"
#include "platform/forms/application.h"
#include "platform/forms/hint_window.h"
#include "core/records/game_state.h"
#include "platform/forms/screen.h"
#include "platform/stdctrls/graphic_controls.h"
#include "richtext/html_label.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/matchday/match_report_screen.h"
#include "screens/matchday/pitch_board.h"
#include "screens/matchday/report_pitch.h"
#include "core/vocab/tactics_board.h"
#include "platform/stdctrls/graphic_controls.h"
#include "richtext/html_label.h"
#include "tests/platform/forms_test_support.h"
#include "tests/screens/gallery_game_suite.h"
#include "tests/controls/shown_text.h"
#include "tests/controls/smooth_dialog_answer.h"
#include "tools/gallery/gallery_game.h"

namespace tarvelon {
namespace {

class MatchReportTest : public test::GalleryGameSuite {
protected:
    static void SetUpTestSuite() { PrepareGame(9, 2); }
    // The report shown with the home side.
    static TForm52* OpenReport(int report)
    {
        MatchReportIndex = report;
        ReportMode = 1;
        auto* form = dynamic_cast<TForm52*>(CreateScreen("TForm52", nullptr));
        if (form == nullptr)
            return nullptr;
        form->Show();
        test::Pump();
        return form;
    }
    void TearDown() override
    {
        for (int i = Screen->FormCount() - 1; i >= 0; --i)
            delete Screen->Forms(i);
    }
};

TEST_F(MatchReportTest, EachSideShowsItsElevenAndTheStatisticsOpenOnRequest)
{
    ASSERT_FALSE(MatchReports.empty());
    const int report = static_cast<int>(MatchReports.size()) - 1;
    TForm52* form = OpenReport(report);
    ASSERT_NE(form, nullptr);
    const TMatchReport& r = MatchReports[report];
    EXPECT_EQ(form->nometime1->Caption(), Clubs[r.club[0]].name.str());
    EXPECT_EQ(form->ShownSide(), 1);
    const int keeperSlot = r.startingSlots[0][10];
    ASSERT_GT(keeperSlot, 0);
    EXPECT_EQ(form->pitch->PlayerAtSlot(keeperSlot), r.startingEleven[0][10]);
    // The pitch is drawn green beside its shirts.
    const QImage picture = form->Widget()->grab().toImage();
    const QColor grass = picture.pixelColor(form->pitch->Left() + 60, form->pitch->Top() + 200);
    EXPECT_GT(grass.green(), grass.red() + 40);
    // The eleven on the pitch board: the goalkeeper in his own shirt with his name and place letter,
    // the bench column empty, no shirt numbers or energy.
    const TPitchBoard* board = form->pitch->Board();
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->ShirtPicture(1), "camisa2");
    EXPECT_EQ(board->ShirtPicture(2), "camisa1");
    std::string keeperHtml;
    for (const std::string& line : board->NameLabel(1)->HTMLText())
        keeperHtml += line;
    EXPECT_NE(keeperHtml.find(board->DisplayName(r.startingEleven[0][10])), std::string::npos);
    EXPECT_NE(keeperHtml.find(std::string("<BR><shad>") + PitchSlotLetters[keeperSlot]), std::string::npos);
    EXPECT_EQ(board->NumberLabel(1)->Caption(), "");
    EXPECT_EQ(board->EnergyLabel(1)->Caption(), "");
    for (int shirt = 12; shirt <= TPitchBoard::kShirts; ++shirt)
        EXPECT_FALSE(board->Shirt(shirt)->Visible());
    const TPoint keeper = form->pitch->ShirtCentre(keeperSlot);
    const QColor keeperShirt = picture.pixelColor(form->pitch->Left() + keeper.X, form->pitch->Top() + keeper.Y);
    EXPECT_GT(keeperShirt.red(), keeperShirt.blue() + 60) << "the goalkeeper's yellow shirt";

    QTest::mouseClick(form->nometime2->Parent()->Widget(), Qt::LeftButton, {},
                      QPoint(form->nometime2->Left() + 5, form->nometime2->Top() + 5));
    test::Pump();
    EXPECT_EQ(form->ShownSide(), 2);
    EXPECT_EQ(ReportMode, 2);
    EXPECT_EQ(form->pitch->PlayerAtSlot(r.startingSlots[1][10]), r.startingEleven[1][10]);
    EXPECT_TRUE(form->sh2->Visible());
    EXPECT_FALSE(form->sh1->Visible());

    // "Estatísticas" opens the statistics in a message dialog answered with its button.
    std::string shown;
    test::AnswerSmoothDialog(*form->dlg_st, [form, &shown](TDcSmoothMessageDialogForm& dialog) {
        shown = form->dlg_st->HTMLText().Text();
        QTest::keyClick(dialog.Widget(), Qt::Key_Return);
    });
    QTest::mouseClick(form->Widget(), Qt::LeftButton, {}, QPoint(form->RichLabel1->Left() + 10, form->RichLabel1->Top() + 6));
    EXPECT_NE(shown.find(ReportStatsHtml(report)), std::string::npos) << shown;
    EXPECT_EQ(form->dlg_st->DialogForm(), nullptr);

    // The report takes no keys: only "Fechar >>" closes it.
    test::PressKey(form->Widget(), Qt::Key_Escape);
    test::Pump();
    ASSERT_EQ(Screen->FormCount(), 1);
    QTest::mouseClick(form->bt_irprojogo->Widget(), Qt::LeftButton);
    EXPECT_TRUE(test::PumpUntil([] { return Screen->FormCount() == 0; }));
}

// The players' and clubs' names in the report are shown as typed, whatever markup they look like.
TEST_F(MatchReportTest, NamesAreShownAsTyped)
{
    ASSERT_FALSE(MatchReports.empty());
    const int report = static_cast<int>(MatchReports.size()) - 1;
    const TMatchReport& r = MatchReports[report];
    int scorer = -1;
    for (const TMatchEventEntry& e : ReportEvents)
        if (e.match == report && e.player > 0 && IsShownEventCode(e.code) && scorer < 0)
            scorer = e.player;
    ASSERT_GT(scorer, 0) << "the report has events";
    const std::string playerName = Players[scorer].Name.str();
    const std::string clubName = Clubs[r.club[0]].name.str();
    Players[scorer].Name.set("Lat <b>neg</b>");
    Clubs[r.club[0]].name.set("&a <i>x&amp;");
    TForm52* form = OpenReport(report);
    ASSERT_NE(form, nullptr);
    const std::string events = test::ShownMarkup(form->teste->Caption().HTMLText());
    EXPECT_NE(events.find("Lat <b>neg</b>"), std::string::npos) << events;
    EXPECT_EQ(test::ShownCaption(*form->nometime1).text.toStdString(), "&a <i>x&amp;");
    EXPECT_EQ(test::ShownCaption(*form->nometime1).underline, -1);
    EXPECT_NE(test::ShownText(*form->info1).find("&a <i>x&amp;"), std::string::npos) << test::ShownText(*form->info1);
    Players[scorer].Name.set(playerName);
    Clubs[r.club[0]].name.set(clubName);
}

// The report's layout: 823 x 602, the pitch at full size at the left with the formation and the
// three tactics written white at its lower right, clear of the shirts; each club name over its
// shadow copy.
TEST_F(MatchReportTest, TheFormationAndTacticsStandAtThePitchsLowerRightAndTheNamesHaveShadows)
{
    ASSERT_FALSE(MatchReports.empty());
    const int report = static_cast<int>(MatchReports.size()) - 1;
    TForm52* form = OpenReport(report);
    ASSERT_NE(form, nullptr);
    const TMatchReport& r = MatchReports[report];
    EXPECT_EQ(form->ClientWidth(), 823);
    EXPECT_EQ(form->ClientHeight(), 602);
    EXPECT_EQ(form->pitch->Height(), 601);
    EXPECT_EQ(form->pitch->Board()->Scaled(100), 100) << "the pitch at its own size";

    const std::string name = Clubs[r.club[0]].name.str();
    EXPECT_EQ(form->info1->GetDisplayText(),
              "<shad><P align=\"center\">Formação inicial:" + name + " " + FormatReportFormation(report, 1) + "</p></shad>");
    EXPECT_EQ(form->lb_tat1->GetDisplayText(), "<shad>" + ReportSideTactics(report, 1).style + "</shad>");
    TWinControl* field = form->info1->Parent();
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(form->lb_tat3->Parent(), field);
    const QImage grass = field->Widget()->grab().toImage();
    for (TControl* label : std::initializer_list<TControl*>{form->info1, form->lb_tat1, form->lb_tat2, form->lb_tat3}) {
        EXPECT_GE(label->Left(), field->Width() / 2) << label->Name();
        EXPECT_GE(label->Top(), field->Height() * 3 / 4) << label->Name();
        EXPECT_LE(label->Left() + label->Width(), field->Width()) << label->Name();
        EXPECT_LE(label->Top() + label->Height(), field->Height()) << label->Name();
        const QRect box(label->Left(), label->Top(), label->Width(), label->Height());
        for (int shirt = 1; shirt <= TPitchBoard::kShirts; ++shirt)
            for (const TControl* part : std::initializer_list<const TControl*>{form->pitch->Board()->Shirt(shirt),
                                                                               form->pitch->Board()->NameLabel(shirt)})
                if (part->Visible()) {
                    EXPECT_FALSE(box.intersects(QRect(part->Left(), part->Top(), part->Width(), part->Height())))
                        << label->Name() << " over " << part->Name();
                }
        int white = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                white += grass.pixelColor(x, y).lightness() > 235;
        EXPECT_GT(white, 10) << label->Name() << " is written";
    }
    for (auto [nameLabel, shadow] : {std::pair{form->nometime1, form->nometime_s1}, std::pair{form->nometime2, form->nometime_s2}}) {
        EXPECT_EQ(shadow->Caption(), nameLabel->Caption());
        EXPECT_EQ(shadow->Left(), nameLabel->Left() + 1);
        EXPECT_EQ(shadow->Top(), nameLabel->Top() + 1);
    }
    form->Close();
    EXPECT_TRUE(test::PumpUntil([] { return Screen->FormCount() == 0; }));
}

// Resting the pointer on the paying crowd shows it sector by sector.
TEST_F(MatchReportTest, TheCrowdsHintGivesItsSectors)
{
    ASSERT_FALSE(MatchReports.empty());
    const int report = static_cast<int>(MatchReports.size()) - 1;
    ASSERT_LT(Game.DayKind, 7);
    TForm52* form = OpenReport(report);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(test::HintShownOver(form->lb_pub, QPoint(10, 8)), ReportCrowdTexts(report).sectors);
    form->Close();
    EXPECT_TRUE(test::PumpUntil([] { return Screen->FormCount() == 0; }));
}

// The events are written on a drawn smooth panel with their icons: the home side's at its left
// edge, the away side's at its right edge.
TEST_F(MatchReportTest, TheEventsStandOnASmoothPanelHomeLeftAwayRight)
{
    int report = -1;
    bool home = false, away = false;
    for (int i = static_cast<int>(MatchReports.size()) - 1; i >= 0 && report < 0; --i) {
        home = away = false;
        for (const TMatchEventEntry& e : ReportEvents)
            if (e.match == i)
                (e.club == MatchReports[i].club[0] ? home : away) = true;
        if (home && away)
            report = i;
    }
    ASSERT_GE(report, 0) << "a match with events of both sides";
    TForm52* form = OpenReport(report);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->teste->ClassName(), "TDcSmoothPanel");
    EXPECT_EQ(form->teste->Caption().HTMLText(), ReportEventsHtml(report));
    const QImage panel = form->Widget()->grab().toImage().copy(form->teste->Left(), form->teste->Top(),
                                                               form->teste->Width(), form->teste->Height());
    // Yellow writing near each edge of the panel.
    const auto yellowIn = [&panel](int left, int right) {
        int count = 0;
        for (int y = 0; y < panel.height(); ++y)
            for (int x = left; x < right; ++x) {
                const QColor c = panel.pixelColor(x, y);
                count += c.red() > 150 && c.green() > 150 && c.blue() < 90;
            }
        return count;
    };
    EXPECT_GT(yellowIn(0, 40), 10) << "the home side's events at the left";
    EXPECT_GT(yellowIn(panel.width() - 60, panel.width()), 10) << "the away side's events at the right";
    form->Close();
    EXPECT_TRUE(test::PumpUntil([] { return Screen->FormCount() == 0; }));

    // The most the panel holds, fourteen events and the dots, fits it (a smooth panel leaves a text
    // taller than itself blank).
    const std::size_t kept = ReportEvents.size();
    for (int tick = 10; tick < 10 + 2 * 16; tick += 2)
        ReportEvents.push_back(TMatchEventEntry{13, MatchReports[report].club[0], MatchReports[report].startingEleven[0][0], 1, tick, report});
    form = OpenReport(report);
    ASSERT_NE(form, nullptr);
    form->Widget()->grab();
    EXPECT_NE(form->teste->Caption().HTMLText().find("...</font>"), std::string::npos);
    EXPECT_LT(form->teste->HTMLRect().Height(), form->teste->Height());
    form->Close();
    EXPECT_TRUE(test::PumpUntil([] { return Screen->FormCount() == 0; }));
    ReportEvents.resize(kept);
}

}  // namespace
}  // namespace tarvelon
