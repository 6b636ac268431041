// The team sheet's and the hub's pictures: sizes the boards rely on, the shirts told apart by
// colour, the squad icons at the indexes the lists use, the top bar's spots where the hub clicks.
#include <gtest/gtest.h>

#include "core/vocab/tactics_board.h"
#include "platform/graphics/image_list.h"
#include "screens/common/art/art_kit.h"
#include "screens/common/art/hub_art.h"
#include "screens/common/art/pitch_art.h"
#include "screens/common/art/squad_icons.h"

namespace tarvelon::art {
namespace {

TEST(TeamSheetArt, ThePitchAndTheShirtsHaveTheBoardsSizesAndColours)
{
    ASSERT_EQ(Picture("campogrande").size(), QSize(kPitchWidth, kPitchHeight));
    ASSERT_EQ(Picture("campoalpha").size(), QSize(kPitchWidth, kPitchHeight));
    // Grass under every outfield slot, the bench column darker beside the field.
    const QImage& pitch = Picture("campogrande");
    for (int slot = 1; slot <= PitchSlotCount; ++slot) {
        const QColor grass = pitch.pixelColor(PitchSlotX[slot] + 3, PitchSlotY[slot] + 3);
        EXPECT_GT(grass.green(), grass.red() + 40) << "slot " << slot;
    }
    EXPECT_LT(pitch.pixelColor(420, 300).green(), 80);
    const QPoint body(27, 38);
    EXPECT_EQ(Picture("camisa0").pixelColor(body).alpha() < 128, true);  // the empty place is see-through
    const QColor outfield = Picture("camisa1").pixelColor(body);
    const QColor keeper = Picture("camisa2").pixelColor(body);
    const QColor bench = Picture("camisa3").pixelColor(body);
    EXPECT_GT(outfield.red(), outfield.blue() + 80);
    EXPECT_GT(keeper.green(), keeper.blue() + 80);
    EXPECT_GT(bench.blue(), bench.red() + 80);
}

TEST(TeamSheetArt, SquadIconsStandAtTheIndexesOfTheLists)
{
    TImageList status(24, 18);
    FillShirtStatusImages(status);
    ASSERT_EQ(status.Count(), 89);
    EXPECT_NE(status.Image(5), status.Image(34));   // starter and substitute number 5 differ
    EXPECT_NE(status.Image(5), status.Image(63));   // and the free player's
    EXPECT_NE(status.Image(kStatusUnavailable), status.Image(kStatusBlocked));
    TImageList condition(16, 16);
    FillConditionImages(condition);
    ASSERT_EQ(condition.Count(), 13);
    EXPECT_EQ(condition.Image(0).pixelColor(8, 8).alpha(), 0);  // no condition: nothing drawn
    EXPECT_GT(condition.Image(12).pixelColor(8, 8).alpha(), 0);   // the star
    EXPECT_NE(condition.Image(1), condition.Image(5));            // a banned star shows the star
    TImageList morale(16, 16);
    FillMoraleImages(morale);
    ASSERT_EQ(morale.Count(), 11);
    EXPECT_EQ(morale.Image(7).pixelColor(8, 8).alpha(), 0);
    EXPECT_GT(morale.Image(9).pixelColor(8, 8).alpha(), 0);  // morale 2 + 7
}

TEST(TeamSheetArt, TheTopBarDrawsATileUnderEverySpot)
{
    const QImage& bar = Picture("nova_barra");
    ASSERT_EQ(bar.size(), QSize(kHubBarWidth, kHubBarHeight));
    for (const HubBarSpot& spot : kHubBarSpots) {
        const QColor inside = bar.pixelColor(spot.left + 2, (spot.top + spot.bottom) / 2);
        EXPECT_GT(inside.blue(), inside.red() + 40) << spot.hint;
    }
    const QColor between = bar.pixelColor(60, 30);
    EXPECT_LT(between.blue(), 120);
}

}  // namespace
}  // namespace tarvelon::art
