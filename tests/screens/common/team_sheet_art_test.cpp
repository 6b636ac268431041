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

// Every spot has a tile over its centre, all tiles of one size; no tile reaches another tile or
// another spot (a click on a tile acts on its own spot only).
TEST(TeamSheetArt, TheTopBarDrawsTilesOfOneSizeOverTheirSpots)
{
    const QImage& bar = Picture("nova_barra");
    ASSERT_EQ(bar.size(), QSize(kHubBarWidth, kHubBarHeight));
    const QSize size = HubBarTile(kHubBarSpots[0]).size();
    for (std::size_t i = 0; i < kHubBarSpots.size(); ++i) {
        const HubBarSpot& spot = kHubBarSpots[i];
        const QRect tile = HubBarTile(spot);
        EXPECT_EQ(tile.size(), size) << spot.hint;
        const QPoint centre((spot.left + spot.right) / 2, tile.center().y());
        EXPECT_TRUE(tile.contains(centre)) << spot.hint;
        EXPECT_TRUE(centre.y() >= spot.top && centre.y() <= spot.bottom) << spot.hint;
        const QColor inside = bar.pixelColor(tile.center().x(), tile.top() + 5);  // above the name
        EXPECT_GT(inside.blue(), inside.red() + 40) << spot.hint;
        for (std::size_t j = 0; j < kHubBarSpots.size(); ++j) {
            if (j == i)
                continue;
            const HubBarSpot& other = kHubBarSpots[j];
            const QRect otherSpot(QPoint(other.left, other.top), QPoint(other.right, other.bottom));
            EXPECT_FALSE(tile.intersects(otherSpot)) << spot.hint << " / " << other.hint;
            EXPECT_FALSE(tile.intersects(HubBarTile(other))) << spot.hint << " / " << other.hint;
        }
    }
    const QColor between = bar.pixelColor(60, 30);
    EXPECT_LT(between.blue(), 120);
}

}  // namespace
}  // namespace tarvelon::art
