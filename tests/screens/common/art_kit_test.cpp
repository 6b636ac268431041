// The art kit: its pictures are the same on every run, its flags are told apart, its cursors point
// where they are drawn.
#include <gtest/gtest.h>

#include <set>

#include "screens/common/art/art_kit.h"
#include "screens/common/art/cursor_art.h"
#include "screens/common/art/flag_art.h"
#include "screens/common/art/title_art.h"

namespace tarvelon::art {
namespace {

TEST(ArtKit, PicturesAreDrawnOnceTheSameAndFoundByName)
{
    const QImage& title = Picture("tinicio");
    ASSERT_EQ(title.size(), QSize(kTitleWidth, kTitleHeight));
    EXPECT_EQ(&Picture("tinicio"), &title);  // kept after the first drawing
    EXPECT_TRUE(DrawTitlePicture() == title);  // the same pixels on every drawing
    EXPECT_TRUE(Picture("no such picture").isNull());
    for (const std::string& name : PictureNames())
        EXPECT_FALSE(Picture(name).isNull()) << name;
}

// A list of flags is read by its pictures: no two countries, and no two states, share one.
TEST(ArtKit, EveryFlagOfAListStandsApart)
{
    const auto key = [](const QImage& image) {
        return QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    };
    std::set<QByteArray> countries;
    for (int country = 0; country < kCountryFlagCount; ++country) {
        const QImage flag = CountryFlagIcon(country);
        ASSERT_EQ(flag.size(), QSize(kListFlagWidth, kListFlagHeight));
        EXPECT_TRUE(countries.insert(key(flag)).second) << "country " << country;
    }
    std::set<QByteArray> states;
    for (int state = 0; state < kStateFlagCount; ++state)
        EXPECT_TRUE(states.insert(key(StateFlagIcon(state))).second) << "state " << state;
    // Every stripe and shape of a flag is one of its colours.
    EXPECT_EQ(CountryFlagColours(29).front(), 0x3B9C00);  // Brazil's green
}

TEST(ArtKit, CursorsAreOpaqueAtTheirHotSpots)
{
    for (const char* name : {"handpoint", "hourglass", "cursor5"}) {
        const CursorArt cursor = DrawCursor(name);
        ASSERT_EQ(cursor.image.size(), QSize(kCursorSize, kCursorSize)) << name;
        int nearest = 255;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const QPoint p = cursor.hotSpot + QPoint(dx, dy);
                if (cursor.image.rect().contains(p))
                    nearest = std::min(nearest, 255 - qAlpha(cursor.image.pixel(p)));
            }
        }
        EXPECT_LT(nearest, 64) << name << ": nothing drawn at the hot spot";
        EXPECT_EQ(qAlpha(cursor.image.pixel(kCursorSize - 1, 0)), 0) << name;
    }
    EXPECT_TRUE(DrawCursor("cursor9").image.isNull());
    EXPECT_EQ(LoadCursorResource("cursor9").shape(), Qt::ArrowCursor);
}

}  // namespace
}  // namespace tarvelon::art
