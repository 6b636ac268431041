// The champions history (TForm29) on a seeded game with two seasons of champions recorded: the
// national league's champions newest first with their own runners-up, the chooser moving to the
// national cup by keys, and an empty list for a competition without a champion.
#include <QImage>
#include <filesystem>

#include "controls/dc_smooth_panel.h"
#include "core/format/images.h"
#include "core/records/history_records.h"
#include "core/records/game_state.h"
#include "core/season/competitions.h"
#include "core/tables.h"
#include "core/views/champions.h"
#include "platform/graphics/image_list.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/stdctrls/lists.h"
#include "screens/common/subjects.h"
#include "screens/history/champions_history_screen.h"
#include "tests/screens/views_test_support.h"

namespace tarvelon {
namespace {

using viewstest::ViewsScreenTest;

class ChampionsHistoryScreenTest : public ViewsScreenTest {};

// Champions of the first division of the league shown, and of its cup, in two past seasons.
void RecordTwoSeasons(int country)
{
    const int league = ChampionsCompetition(1, country);
    const int cup = ChampionsCompetition(2, country);
    ASSERT_GT(league, 0);
    const int a = SubjectClub();
    const int b = SubjectOtherClub();
    Placings.push_back({1, league, a, 1, Clubs[a].coach});
    Placings.push_back({1, cup, b, 1, -1});
    Placings.push_back({1, league, b, 2, -1});
    Placings.push_back({2, league, b, 1, Clubs[b].coach});
    Placings.push_back({2, league, a, 2, -1});
}

TEST_F(ChampionsHistoryScreenTest, ListsTheLeaguesChampionsNewestFirstAndFollowsTheChooser)
{
    Game.nationalCupOn = 1;
    auto* form = Open<TForm29>("TForm29");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->p_camp->Caption().HTMLText().find("2010"), std::string::npos);  // nothing recorded yet
    const int forms = Screen->FormCount();
    PressKey(form->combo1, Qt::Key_Escape);  // as Enter does, Escape closes it
    test::Pump();
    ASSERT_EQ(Screen->FormCount(), forms - 1);

    const int country = Leagues[0].country;
    RecordTwoSeasons(Leagues.size() > 1 ? Clubs[SubjectClub()].Country : country);
    form = Open<TForm29>("TForm29");
    ASSERT_NE(form, nullptr);
    const std::string text = form->p_camp->Caption().HTMLText();
    const std::string a = Clubs[SubjectClub()].name.str();
    const std::string b = Clubs[SubjectOtherClub()].name.str();
    const auto newest = text.find("2011");
    const auto oldest = text.find("2010");
    ASSERT_NE(newest, std::string::npos);
    ASSERT_NE(oldest, std::string::npos);
    EXPECT_LT(newest, oldest);
    EXPECT_NE(text.find(">" + b + "<IND x=\"185\">", newest), std::string::npos);  // 2011's champion
    EXPECT_NE(text.find(">" + a + "<IND x=\"330\">", newest), std::string::npos);  // and its runner-up
    EXPECT_NE(text.find(">" + a + "<IND x=\"185\">", oldest), std::string::npos);

    ASSERT_EQ(form->combo1->Items().Strings(1), "Copa");
    PressKey(form->combo1, Qt::Key_Down);
    const std::string cup = form->p_camp->Caption().HTMLText();
    EXPECT_NE(cup.find("2010"), std::string::npos);
    EXPECT_EQ(cup.find("2011"), std::string::npos);
    EXPECT_NE(cup.find(">" + b + "<IND x=\"185\">"), std::string::npos);
}

// The country chooser stands 64 pixels from the top; the panel keeps its height for up to twenty
// champions and grows to hold a longer list with its caption line.
TEST_F(ChampionsHistoryScreenTest, TheCountryChoosersPlaceAndThePanelsHeightByTheListsLength)
{
    const int country = Leagues.size() > 1 ? Clubs[SubjectClub()].Country : Leagues[0].country;
    const int league = ChampionsCompetition(1, country);
    ASSERT_GT(league, 0);
    for (int season = 1; ChampionRows(league).size() < 20; ++season)
        Placings.push_back({season, league, SubjectClub(), 1, -1});
    auto* form = Open<TForm29>("TForm29");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->combopais->Top(), 64);
    EXPECT_EQ(form->p_camp->Height(), 400);
    form->Close();
    test::Pump();
    Placings.push_back({40, league, SubjectClub(), 1, -1});
    form = Open<TForm29>("TForm29");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->p_camp->Height(), 21 * 20 + 40);
}

// A mini crest of another size than 18 x 18 is cut to its top-left 18 x 18 and shown.
TEST_F(ChampionsHistoryScreenTest, AnOddSizedCrestIsCutToItsTopLeftCorner)
{
    test::GameKeptAside kept;
    const int club = SubjectClub();
    const std::string path = MiniCrestPath(club);
    ASSERT_FALSE(path.empty());
    const std::string backup = path + ".kept";
    std::filesystem::copy_file(path, backup, std::filesystem::copy_options::overwrite_existing);
    QImage odd(30, 24, QImage::Format_RGB32);
    odd.fill(QColor(0, 160, 0));
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 18; ++x)
            odd.setPixelColor(x, y, QColor(255, 0, 255));
    ASSERT_TRUE(odd.save(QString::fromStdString(path), "BMP"));
    RecordTwoSeasons(Leagues.size() > 1 ? Clubs[club].Country : Leagues[0].country);
    auto* form = Open<TForm29>("TForm29");
    std::filesystem::rename(backup, path);
    ASSERT_NE(form, nullptr);
    bool cut = false;
    for (int i = 0; i < form->ImageList1->Count(); ++i) {
        const QImage image = form->ImageList1->Image(i);
        cut = cut || (image.size() == QSize(18, 18) && image.pixelColor(0, 0) == QColor(255, 0, 255) &&
                      image.pixelColor(17, 17) == QColor(255, 0, 255));
    }
    EXPECT_TRUE(cut);
}

// The state chooser follows its keys, and Enter closes the screen from its choosers as Escape does.
TEST_F(ChampionsHistoryScreenTest, TheStateChooserFollowsItsKeysAndEnterClosesIt)
{
    viewstest::PlayTwoStateChampionships playing;
    auto* form = OpenOnSecondState<TForm29>("TForm29");
    ASSERT_NE(form, nullptr);

    ExpectKeyCloses(form->combo2, Qt::Key_Return);
    form = Open<TForm29>("TForm29");
    ASSERT_NE(form, nullptr);
    ExpectKeyCloses(form->combo1, Qt::Key_Enter);  // the keypad's Enter as well
}

}  // namespace
}  // namespace tarvelon
