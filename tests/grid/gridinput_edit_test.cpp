// Editing cells in place: a click starts the edit, Enter commits it, Escape cancels it, a typed
// letter starts an edit with it, and the events come in their order.
#include "tests/grid/gridcontrol_support.h"

#include "grid/dg_combo_box.h"
#include "grid/dg_edit.h"

namespace tarvelon {
namespace {

using namespace test;

class GridEditTest : public GridFixture {
protected:
    void SetUp() override
    {
        GridFixture::SetUp();
        name->SetOptions(name->Options() + TColumnOptions{coEditing});
        grid->SetFocus();
        Pump();
    }
    TDgCustomEdit* Editor() { return grid->InplaceEditor(); }
    // An editable list-only combo column of three divisions.
    TDgComboBoxColumn* AddDivisionColumn()
    {
        auto* division = AddColumn<TDgComboBoxColumn>("div", "Divisão", 80);
        for (const char* item : {"Série A", "Série B", "Série C"})
            division->Items().Add(item);
        division->SetStyle(cbsDropDownList);
        division->SetOptions(division->Options() + TColumnOptions{coEditing});
        return division;
    }
    QWidget* EditorWidget() { return Editor()->Widget(); }
};

TEST_F(GridEditTest, AClickStartsTheEditOverTheCellAndEnterCommitsIt)
{
    std::vector<std::string> log;
    grid->OnEditAccept = [&](TObject*, int c, int r, const std::string& v, bool&) { log.push_back("accept " + v); };
    grid->OnEditText = [&](TObject*, int, int, std::string& v) { log.push_back("text " + v); };
    grid->OnAfterEdit = [&](TObject*, int, int r, const std::string& v) { log.push_back("after " + v); };
    grid->OnEditExit = [&](TObject*) { log.push_back("exit"); };
    ClickCell(name, 3);
    ASSERT_TRUE(grid->Editing());
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(grid->EditRow(), 3);
    EXPECT_EQ(Editor()->Text(), "União Ribeira");
    EXPECT_TRUE(Editor()->Visible());
    TRect cell = grid->GetCellRect(name->Index(), 3);
    EXPECT_EQ(Editor()->Left(), cell.Left);
    EXPECT_EQ(Editor()->Top(), cell.Top);
    Editor()->SetFocus();
    Pump();
    Editor()->SetText("União Ribeira B");
    PressKey(EditorWidget(), Qt::Key_Return);
    Pump();
    EXPECT_FALSE(grid->Editing());
    EXPECT_EQ(NameAt(3), "União Ribeira B");
    EXPECT_EQ(log, (std::vector<std::string>{"accept União Ribeira B", "text União Ribeira B",
                                             "after União Ribeira B", "exit"}));
    EXPECT_TRUE(grid->Focused());
}

TEST_F(GridEditTest, AMultiLineColumnKeepsEnterForItsEditor)
{
    name->SetMultiLine(true);
    ClickCell(name, 3);
    ASSERT_TRUE(grid->Editing());
    Editor()->SetFocus();
    PressKey(EditorWidget(), Qt::Key_Return);
    Pump();
    EXPECT_TRUE(grid->Editing());
}

TEST_F(GridEditTest, EscapeEndsTheEditWithoutChangingTheCell)
{
    int exits = 0;
    grid->OnEditExit = [&](TObject*) { ++exits; };
    ClickCell(name, 2);
    ASSERT_TRUE(grid->Editing());
    Editor()->SetFocus();
    Editor()->SetText("Outro nome");
    PressKey(EditorWidget(), Qt::Key_Escape);
    Pump();
    EXPECT_FALSE(grid->Editing());
    EXPECT_EQ(NameAt(2), "Porto Manso");
    EXPECT_EQ(exits, 1);
}

TEST_F(GridEditTest, EscapeWithEscClearEditEmptiesTheEditor)
{
    grid->SetOptions(grid->Options() + TGridOptions{goEscClearEdit});
    ClickCell(name, 2);
    Editor()->SetFocus();
    PressKey(EditorWidget(), Qt::Key_Escape);
    Pump();
    EXPECT_TRUE(grid->Editing());
    EXPECT_EQ(Editor()->Text(), "");
}

TEST_F(GridEditTest, TypingOnASelectedCellStartsAnEditWithThatLetter)
{
    grid->SetOptions(grid->Options() + TGridOptions{goSecondClickEdit});
    ClickCell(name, 4);
    EXPECT_FALSE(grid->Editing());
    Key(Qt::Key_X, Qt::NoModifier, "X");
    ASSERT_TRUE(grid->Editing());
    EXPECT_EQ(Editor()->Text(), "X");
    EXPECT_EQ(grid->EditRow(), 4);
}

TEST_F(GridEditTest, WithSecondClickEditTheSecondClickStartsTheEdit)
{
    grid->SetOptions(grid->Options() + TGridOptions{goSecondClickEdit});
    ClickCell(name, 5);
    EXPECT_FALSE(grid->Editing());
    ClickCell(name, 5);
    EXPECT_TRUE(grid->Editing());
}

TEST_F(GridEditTest, ARefusedAcceptKeepsTheOldValueAndFiresNoFurtherEvents)
{
    int texts = 0, afters = 0;
    grid->OnEditAccept = [&](TObject*, int, int, const std::string&, bool& accept) { accept = false; };
    grid->OnEditText = [&](TObject*, int, int, std::string&) { ++texts; };
    grid->OnAfterEdit = [&](TObject*, int, int, const std::string&) { ++afters; };
    grid->EditCell(name->Index(), 1, "");
    Editor()->SetText("Nada");
    EXPECT_FALSE(grid->ApplyEditing());
    EXPECT_EQ(texts, 0);
    EXPECT_EQ(afters, 0);
    EXPECT_EQ(NameAt(1), "Serra Azul FC");
}

TEST_F(GridEditTest, TheCellsOwnTextFiresNoEditEventButAGivenTextFiresOne)
{
    int edits = 0;
    grid->OnEdit = [&](TObject*, int, int, const std::string&) { ++edits; };
    grid->EditCell(name->Index(), 1, "");
    EXPECT_EQ(Editor()->Text(), "Serra Azul FC");
    EXPECT_EQ(edits, 0);
    grid->EndEditing();
    grid->EditCell(name->Index(), 1, "Serra");
    EXPECT_EQ(edits, 1);
    EXPECT_EQ(Editor()->Text(), "Serra");
}

TEST_F(GridEditTest, ColumnsWithoutEditingOrAReadOnlyGridDoNotEdit)
{
    grid->EditCell(points->Index(), 1, "");
    EXPECT_FALSE(grid->Editing());
    grid->SetReadOnly(true);
    grid->EditCell(name->Index(), 1, "");
    EXPECT_FALSE(grid->Editing());
    grid->SetReadOnly(false);
    int beforeEdits = 0;
    grid->OnBeforeEdit = [&](TObject*, int, int, bool& accept) {
        ++beforeEdits;
        accept = false;
    };
    grid->EditCell(name->Index(), 1, "");
    EXPECT_EQ(beforeEdits, 1);
    EXPECT_FALSE(grid->Editing());
}

TEST_F(GridEditTest, SelectingAnotherRowEndsTheEditWithoutApplyingIt)
{
    grid->EditCell(name->Index(), 1, "");
    Editor()->SetText("Mudado");
    grid->SetSelectedRow(7);
    EXPECT_FALSE(grid->Editing());
    EXPECT_EQ(NameAt(1), "Serra Azul FC");
}

// A list-only combo column: a click on a cell opens its editor on the item the cell shows, whichever
// item an edit of another row left chosen; Up moves on from there and Enter writes it.
TEST_F(GridEditTest, AListOnlyComboOpensOnTheItemItsCellShows)
{
    TDgComboBoxColumn* division = AddDivisionColumn();
    const char* shown[] = {"Série C", "Série A", "Série B"};
    for (int row = 0; row < 3; ++row)
        grid->SetCellTextByName("div", row, shown[row]);
    auto* combo = dynamic_cast<TDgComboBox*>(division->Editor());
    ASSERT_NE(combo, nullptr);
    const int expected[] = {2, 0, 1};
    for (int row = 0; row < 3; ++row) {
        ClickCell(division, row);
        ASSERT_TRUE(grid->Editing()) << row;
        EXPECT_EQ(Editor(), combo);
        EXPECT_EQ(combo->Text(), shown[row]);
        EXPECT_EQ(combo->ItemIndex(), expected[row]) << row;
        Key(Qt::Key_Escape);
    }
    ClickCell(division, 2);
    combo->SetFocus();
    Pump();
    PressKey(combo->Widget(), Qt::Key_Up);
    EXPECT_EQ(combo->Text(), "Série A");
    PressKey(combo->Widget(), Qt::Key_Return);
    Pump();
    EXPECT_FALSE(grid->Editing());
    EXPECT_EQ(grid->GetCellTextByName("div", 2), "Série A");
}

// A form scaled up for a larger screen: the combo column's list rows grow with the font, whether
// the scale comes before the first edit or after one (and then only once).
TEST_F(GridEditTest, AComboColumnsListRowsScaleWithTheForm)
{
    TDgComboBoxColumn* division = AddDivisionColumn();
    grid->SetCellTextByName("div", 0, "Série B");
    auto* combo = dynamic_cast<TDgComboBox*>(division->Editor());
    ASSERT_NE(combo, nullptr);
    auto openedRows = [&] {
        ClickCell(division, 0);
        combo->DropDown();
        const int height = combo->List().ItemHeight();
        EXPECT_EQ(combo->List().ClientHeight(), 3 * height + 4);
        combo->SetDropped(false);
        Key(Qt::Key_Escape);
        return height;
    };
    form->ScaleBy(3, 2);
    Pump(10);
    EXPECT_EQ(openedRows(), 24);
    form->ScaleBy(2, 3);
    Pump(10);
    EXPECT_EQ(openedRows(), 16);
}

}  // namespace
}  // namespace tarvelon
