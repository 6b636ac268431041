// A grid read from a stored form description: its columns join it in their stored order, with
// their properties, and the screen fills and reads it by column name.
#include <gtest/gtest.h>

#include "grid/dg_column_classes.h"
#include "grid/dg_grid.h"
#include "grid/dg_grid_control_registration.h"
#include "grid/dg_grid_registration.h"
#include "platform/dfm/form_reader.h"
#include "platform/forms/form.h"

namespace tarvelon {
namespace {

const char* const kForm = R"(object FormTabela: TForm
  object GridTabela: TDataGrid
    Left = 8
    Top = 8
    Width = 300
    Height = 200
    OnCompare = GridTabelaCompare
    object colPontos: TDgNumberColumn
      Header.Caption = 'Pontos'
      Position = 1
      Width = 50
      SortType = stCustom
      Options = [coCanClick, coCanSort]
    end
    object colClube: TDgTextColumn
      Header.Caption = 'Clube'
      Position = 0
      Width = 3
    end
    object id: TDgNumberColumn
      Position = 2
      Visible = False
    end
  end
end
)";

TEST(DataGridForm, ColumnsComeFromTheDescriptionInTheirStoredOrder)
{
    RegisterDataGridClasses();
    TForm form(nullptr);
    int compares = 0;
    THandlerTable handlers;
    handlers.Bind("GridTabelaCompare", [&compares](TObject*, TCell* a, TCell* b, int& compare) {
        ++compares;
        compare = a->AsInteger() - b->AsInteger();
    });
    TReadResult result = ReadComponentFromText(&form, kForm, "tabela.dfm", handlers);
    ASSERT_TRUE(result.Ok()) << result.Message();
    auto* grid = dynamic_cast<TDataGrid*>(form.FindComponent("GridTabela"));
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(grid->Columns().Count(), 3);
    TDgCustomColumn* clube = grid->ColumnByName("colClube");
    TDgCustomColumn* pontos = grid->ColumnByName("colPontos");
    EXPECT_EQ(clube->Index(), 1);  // cells follow the order the columns were written in
    EXPECT_EQ(grid->Columns().ByPosition(0), clube);
    EXPECT_EQ(clube->Width(), 8);  // never below MinWidth
    EXPECT_EQ(pontos->Left(), 8);
    EXPECT_EQ(pontos->Header().Caption(), "Pontos");
    EXPECT_FALSE(grid->ColumnByName("ID")->Visible());

    grid->BeginUpdate();
    grid->ClearRows();
    for (auto [name, points, id] : {std::tuple{"Aurora", 10, 3}, {"Brisa", 30, 1}, {"Cedro", 20, 2}}) {
        grid->AddRow(1);
        grid->SetCellTextByName("colClube", grid->RowCount() - 1, name);
        grid->SetCellTextByName("colPontos", grid->RowCount() - 1, std::to_string(points));
        grid->SetCellTextByName("id", grid->RowCount() - 1, std::to_string(id));
    }
    grid->EndUpdate();
    grid->SortColumn(pontos);
    EXPECT_GT(compares, 0);
    grid->SetSelectedRow(2);
    EXPECT_EQ(grid->GetCellTextByName("colClube", "Selected"), "Brisa");
    EXPECT_EQ(grid->GetCellTextByName("id", "Selected"), "1");
}

const char* const kScaledForm = R"(object FormElenco: TForm
  object GridElenco: TDataGrid
    Left = 10
    Top = 10
    Width = 300
    Height = 200
    HeaderSize = 20
    RowSize = 20
    Font.Name = 'Arial'
    Font.Height = -11
    object nome: TDgTextColumn
      Header.Caption = 'Nome'
      Position = 0
      Width = 110
    end
    object passe: TDgTextColumn
      Header.Caption = 'Passe'
      Position = 1
      Width = 54
      Font.Name = 'Arial'
      Font.Height = -10
    end
  end
end
)";

// On a larger screen the form grows by 1024 / 800: the columns, rows and header grow with the font,
// so that a figure that fitted its column at 800 x 600 still fits.
TEST(DataGridForm, AScaledFormGrowsItsGridsColumnsAndRowsWithTheFont)
{
    RegisterDataGridClasses();
    RegisterGridControlProperties();
    TForm form(nullptr);
    THandlerTable handlers;
    TReadResult result = ReadComponentFromText(&form, kScaledForm, "elenco.dfm", handlers);
    ASSERT_TRUE(result.Ok()) << result.Message();
    auto* grid = dynamic_cast<TDataGrid*>(form.FindComponent("GridElenco"));
    ASSERT_NE(grid, nullptr);
    grid->AddRow(2);
    grid->SetRowHeight(1, 30);

    form.ScaleBy(1024, 800);
    TDgCustomColumn* nome = grid->ColumnByName("nome");
    TDgCustomColumn* passe = grid->ColumnByName("passe");
    EXPECT_EQ(grid->Width(), 384);
    EXPECT_EQ(grid->Font().Height(), -14);
    EXPECT_EQ(nome->Width(), 141);
    EXPECT_EQ(passe->Width(), 69);
    EXPECT_EQ(passe->Left(), nome->Left() + 141);
    EXPECT_EQ(nome->Font().Height(), -14);   // takes the grid's grown font
    EXPECT_EQ(passe->Font().Height(), -13);  // its own font grows by itself
    EXPECT_EQ(grid->HeaderSize(), 26);
    EXPECT_EQ(grid->RowSize(), 26);
    EXPECT_EQ(grid->GetRowHeight(0), 26);
    EXPECT_EQ(grid->GetRowHeight(1), 38);
    grid->AddRow(1);
    EXPECT_EQ(grid->GetRowHeight(2), 26);  // rows added later take the grown height
}

}  // namespace
}  // namespace tarvelon
