// The end-of-season summary (TForm26) as laid out, on the gallery's seeded game in its second
// season: the controls of the form and its place icons, the width of the division grid's text
// column, and the bold navy of the headings, drawn in the text column of a heading row that is not
// selected only.
#include <map>
#include <tuple>

#include "core/records/game_state.h"
#include "grid/dg_columns.h"
#include "grid/dg_grid.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/stdctrls/graphic_controls.h"
#include "screens/competitions/season_summary_screen.h"
#include "tests/screens/views_test_support.h"

namespace tarvelon {
namespace {

class SeasonSummaryFormTest : public viewstest::ViewsScreenTest {};

struct TextLook {
    TColor colour;
    bool bold;
    bool selected;
};

TEST_F(SeasonSummaryFormTest, TheFormHoldsItsControlsAndHeadingsAreBoldNavyInTheirTextWhileNotSelected)
{
    const test::GameKeptAside kept;
    Game.Season = 2;
    Game.firstContinentalPairOn = 1;
    auto* form = Open<TForm26>("TForm26");
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(form->gridi->Visible());
    // No captions over the grids: the title, the country chooser, the grids and "Continuar >>".
    EXPECT_EQ(form->FindChild<TLabel>("Label2"), nullptr);
    EXPECT_EQ(form->FindChild<TLabel>("Label3"), nullptr);
    EXPECT_EQ(form->gridc->ColumnByName("colinfo1")->Width(), 275);
    // The place icons: blank, gold and silver cups, "3º", "4º", the golden boot.
    ASSERT_EQ(form->ImageList1->Count(), 6);
    const auto drawn = [form](int index) {
        const QImage image = form->ImageList1->Image(index);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) != 0)
                    return true;
        return false;
    };
    EXPECT_FALSE(drawn(0));
    for (int index = 1; index <= 5; ++index)
        EXPECT_TRUE(drawn(index)) << index;

    for (auto [grid, icon, text] : {std::tuple{form->gridc, "colimg1", "colinfo1"},
                                    std::tuple{form->gridi, "colimg1i", "colinfo1i"}}) {
        ASSERT_GT(grid->RowCount(), 2);
        ASSERT_EQ(grid->GetCellTextByName(icon, "0"), "0");  // a heading row first
        // What the grid's painting makes of each cell's text.
        std::map<std::pair<int, int>, TextLook> looks;
        const auto formating = grid->OnCellFormating;
        grid->OnCellFormating = [&looks, formating](TObject* sender, int col, int row, TColor& colour,
                                                    TFontStyles& style, TCellState state) {
            formating(sender, col, row, colour, style, state);
            looks[{col, row}] = {colour, style.Contains(fsBold), state.Contains(csSelected)};
        };
        ClickRow(grid, 0);
        ASSERT_EQ(grid->SelectedRow(), 0);
        looks.clear();
        grid->Repaint();
        test::Pump();
        const int textColumn = grid->ColumnByName(text)->Index();
        bool sawSelectedHeading = false, sawHeading = false;
        for (const auto& [cell, look] : looks) {
            const auto [col, row] = cell;
            const bool heading = grid->GetCellTextByName(icon, std::to_string(row)) == "0";
            const bool navy = heading && col == textColumn && !look.selected;
            EXPECT_EQ(look.bold, navy) << text << " " << col << "/" << row;
            EXPECT_EQ(look.colour == 0x800000, navy) << text << " " << col << "/" << row;
            sawSelectedHeading |= heading && look.selected && col == textColumn;
            sawHeading |= navy;
        }
        EXPECT_TRUE(sawSelectedHeading) << text;
        EXPECT_TRUE(sawHeading) << text;
        grid->OnCellFormating = formating;
    }
    form->Close();
    test::Pump();
}

}  // namespace
}  // namespace tarvelon
