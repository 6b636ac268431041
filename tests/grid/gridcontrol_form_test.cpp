// A grid read from a stored form description with the grid's own properties and events, filled
// and read back by column name as the screens do.
#include <gtest/gtest.h>

#include "grid/dg_column_classes.h"
#include "grid/dg_grid.h"
#include "grid/dg_grid_control_registration.h"
#include "grid/dg_grid_registration.h"
#include "platform/dfm/form_reader.h"
#include "platform/forms/form.h"

namespace tarvelon {
namespace {

const char* const kForm = R"(object FormClubes: TForm
  object GridClubes: TDataGrid
    Left = 8
    Top = 8
    Width = 320
    Height = 200
    AppearanceOptions = [aoHideSelection, aoBoldTextSelection]
    GridLinesStyle = lsVerticalOnly
    HeaderSize = 20
    Options = [goHeader, goSelectFullRow, goDisableColumnMoving]
    RowSize = 20
    SelectionColor = clNavy
    Version = '3.0'
    OnSelectCell = GridClubesSelectCell
    object colNome: TDgTextColumn
      Header.Caption = 'Clube'
      Position = 0
      Width = 150
    end
    object id: TDgNumberColumn
      Position = 1
      Visible = False
    end
  end
end
)";

TEST(GridControlForm, TheGridsOwnPropertiesAndEventsComeFromTheDescription)
{
    RegisterDataGridClasses();
    RegisterGridControlProperties();
    TForm form(nullptr);
    std::vector<int> selected;
    THandlerTable handlers;
    handlers.Bind("GridClubesSelectCell", [&selected](TObject*, int, int row) { selected.push_back(row); });
    TReadResult result = ReadComponentFromText(&form, kForm, "clubes.dfm", handlers);
    ASSERT_TRUE(result.Ok()) << result.Message();
    auto* grid = dynamic_cast<TDataGrid*>(form.FindComponent("GridClubes"));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->Options(), (TGridOptions{goHeader, goSelectFullRow, goDisableColumnMoving}));
    EXPECT_EQ(grid->AppearanceOptions(), (TAppearanceOptions{aoHideSelection, aoBoldTextSelection}));
    EXPECT_EQ(grid->GridLinesStyle(), lsVerticalOnly);
    EXPECT_EQ(grid->HeaderSize(), 20);
    EXPECT_EQ(grid->RowSize(), 20);
    EXPECT_EQ(grid->SelectionColor(), clNavy);
    EXPECT_EQ(grid->Version(), "4.6");
    grid->BeginUpdate();
    grid->ClearRows();
    for (const char* club : {"Serra Azul FC", "Porto Manso"}) {
        grid->AddRow();
        grid->SetCellTextByName("colNome", grid->RowCount() - 1, club);
        grid->SetCellTextByName("id", grid->RowCount() - 1, std::to_string(40 + grid->RowCount()));
    }
    grid->EndUpdate();
    grid->SetSelectedRow(1);
    EXPECT_EQ(selected, std::vector<int>{1});
    EXPECT_EQ(grid->GetCellTextByName("id", "Selected"), "42");
    EXPECT_EQ(grid->RowTop(1), 20 + 20);
}

}  // namespace
}  // namespace tarvelon
