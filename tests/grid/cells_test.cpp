// The cell store: conversions of every cell class, row operations and their counters, and sorting
// with the game's random generator.
#include <gtest/gtest.h>

#include "core/basics/random.h"
#include "grid/dg_cells.h"
#include "grid/dg_columns.h"

namespace tarvelon {
namespace {

class KindColumn : public TDgCustomColumn {
public:
    KindColumn(TCellKind kind) : TDgCustomColumn(nullptr) { SetKind(kind); }
};

// A store over columns of the given kinds, with `rows` rows appended.
struct Store {
    TDgColumns columns{nullptr, nullptr};
    std::vector<std::unique_ptr<KindColumn>> owned;
    TCells cells{nullptr, &columns};
    std::vector<std::pair<int, int>> changes;

    explicit Store(std::initializer_list<TCellKind> kinds, int rows = 0)
    {
        for (TCellKind kind : kinds) {
            owned.push_back(std::make_unique<KindColumn>(kind));
            columns.Add(owned.back().get());
            cells.ColumnsChanged(0, columns.Count() - 1, -1);
        }
        cells.AddRows(rows);
        cells.OnCellChange = [this](TCells*, int c, int r) { changes.emplace_back(c, r); };
    }
    ~Store() { cells.ClearRows(); }
    TCell* Cell(int c, int r) { return cells.GetCell(c, r); }
    std::string Text(int c, int r) { return Cell(c, r)->AsString(); }
    std::vector<std::string> ColumnTexts(int c)
    {
        std::vector<std::string> out;
        for (int r = 0; r < cells.RowCount(); ++r)
            out.push_back(Text(c, r));
        return out;
    }
};

std::uint32_t SeedAfterDraws(std::uint32_t seed, int draws)
{
    std::uint32_t saved = RandSeed;
    RandSeed = seed;
    for (int i = 0; i < draws; ++i)
        Random(10);
    std::uint32_t result = RandSeed;
    RandSeed = saved;
    return result;
}

TEST(CellConversions, StringCell)
{
    Store s({ckText}, 1);
    TCell* c = s.Cell(0, 0);
    EXPECT_EQ(c->AsDateTime(), 0);  // empty text reads as date 0
    EXPECT_THROW(c->AsFloat(), EConvertError);
    EXPECT_THROW(c->AsInteger(), EConvertError);
    c->SetAsFloat(2.5);
    EXPECT_EQ(c->AsString(), "2,5");
    EXPECT_DOUBLE_EQ(c->AsFloat(), 2.5);
    c->SetAsBoolean(false);
    EXPECT_EQ(c->AsString(), "False");
    EXPECT_FALSE(c->AsBoolean());
    c->SetAsInteger(-17);
    EXPECT_EQ(c->AsInteger(), -17);
    c->SetAsDateTime(EncodeDate(2026, 12, 7) + 0.5);
    EXPECT_EQ(c->AsString(), "07/12/2026 12:00:00");
    c->SetAsString("abc");
    try {
        c->AsInteger();
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
    c->Clear();
    EXPECT_EQ(c->AsString(), "");
}

TEST(CellConversions, AFloatBeyondTheIntegersReadsAsTheNearerEnd)
{
    Store s({ckFloat, ckInteger}, 1);
    s.Cell(0, 0)->SetAsString("1E300");
    EXPECT_EQ(s.Cell(0, 0)->AsInteger(), 2147483647);
    s.Cell(0, 0)->SetAsString("-1E300");
    EXPECT_EQ(s.Cell(0, 0)->AsInteger(), -2147483647 - 1);
    s.Cell(1, 0)->SetAsFloat(5e9);
    EXPECT_EQ(s.Cell(1, 0)->AsInteger(), 2147483647);
}

TEST(CellConversions, IntegerCellRoundsTiesToEvenAndDropsDates)
{
    Store s({ckInteger}, 1);
    TCell* c = s.Cell(0, 0);
    c->SetAsFloat(2.5);
    EXPECT_EQ(c->AsInteger(), 2);
    c->SetAsFloat(3.5);
    EXPECT_EQ(c->AsInteger(), 4);
    EXPECT_TRUE(c->AsBoolean());
    c->SetAsDateTime(45000);
    EXPECT_EQ(c->AsInteger(), 0);
    c->SetAsString("12");
    EXPECT_EQ(c->AsString(), "12");
    c->SetAsString("");
    EXPECT_EQ(c->AsInteger(), 0);
    c->SetAsInteger(7);
    EXPECT_THROW(c->SetAsString("7x"), EConvertError);
    EXPECT_EQ(c->AsInteger(), 7);  // the old value stays
    c->SetAsInteger(-3);
    EXPECT_FALSE(c->AsBoolean());
}

TEST(CellConversions, FloatAndDateCells)
{
    Store s({ckFloat, ckDateTime}, 1);
    TCell* f = s.Cell(0, 0);
    f->SetAsString("1,25");
    EXPECT_DOUBLE_EQ(f->AsFloat(), 1.25);
    EXPECT_EQ(f->AsInteger(), 1);
    EXPECT_FALSE(f->AsBoolean());
    EXPECT_THROW(f->SetAsString(""), EConvertError);
    f->SetAsBoolean(true);
    EXPECT_EQ(f->AsFloat(), 0);

    TCell* d = s.Cell(1, 0);
    d->SetAsBoolean(false);  // a date cell takes today whatever the boolean
    EXPECT_EQ(d->AsDateTime(), Date());
    d->SetAsString("not a date");
    EXPECT_EQ(d->AsDateTime(), 0);
    d->SetAsString("25/12/2026");
    EXPECT_EQ(d->AsString(), "25/12/2026");
    d->SetAsFloat(46000.75);
    EXPECT_EQ(d->AsInteger(), 46001);
}

TEST(CellConversions, BooleanCellReadsOneAndAnyCaseOfTrue)
{
    Store s({ckBoolean}, 1);
    TCell* c = s.Cell(0, 0);
    for (const char* yes : {"1", "true", "TRUE", "tRuE"}) {
        c->SetAsBoolean(false);
        c->SetAsString(yes);
        EXPECT_TRUE(c->AsBoolean()) << yes;
    }
    for (const char* no : {"0", "yes", "", "2", " true"}) {
        c->SetAsBoolean(true);
        c->SetAsString(no);
        EXPECT_FALSE(c->AsBoolean()) << no;
    }
    c->SetAsFloat(0.5);
    EXPECT_EQ(c->AsString(), "True");
    EXPECT_EQ(c->AsFloat(), 1.0);
    c->SetAsInteger(0);
    EXPECT_EQ(c->AsString(), "False");
}

TEST(CellConversions, IncrementCellIsTheRowNumberAndStoresNothing)
{
    Store s({ckIncrement}, 6);
    TCell* c = s.Cell(0, 4);
    EXPECT_EQ(c->AsInteger(), 5);
    EXPECT_EQ(c->AsString(), "5");
    s.changes.clear();
    s.Cell(0, 4)->SetAsInteger(99);
    s.Cell(0, 4)->Clear();
    EXPECT_EQ(s.Text(0, 4), "5");
    EXPECT_TRUE(s.changes.empty());  // not even a change report
}

TEST(CellConversions, GuidCell)
{
    Store s({ckGuid}, 2);
    std::string a = s.Text(0, 0);
    EXPECT_EQ(a.size(), 38u);
    EXPECT_NE(a, s.Text(0, 1));
    s.Cell(0, 0)->SetAsString("{01234567-89AB-CDEF-0123-456789ABCDEF}");
    EXPECT_EQ(s.Text(0, 0), "{01234567-89AB-CDEF-0123-456789ABCDEF}");
    EXPECT_THROW(s.Cell(0, 0)->SetAsString("{nope}"), EConvertError);
    EXPECT_THROW(s.Cell(0, 0)->AsInteger(), EConvertError);
}

TEST(CellStore, EveryWriteReportsTheCellAndInvalidatesTheSort)
{
    Store s({ckText, ckInteger}, 3);
    s.cells.Sort(0, stAlphabetic, skAscending, false);
    EXPECT_TRUE(s.cells.SortValid());
    s.Cell(1, 2)->SetAsInteger(4);
    ASSERT_EQ(s.changes.size(), 1u);
    EXPECT_EQ(s.changes[0], std::make_pair(1, 2));
    EXPECT_FALSE(s.cells.SortValid());
    s.Cell(0, 1)->SetColor(clRed);
    s.Cell(0, 1)->SetHint("dica");
    EXPECT_EQ(s.changes.size(), 3u);
}

TEST(CellStore, NewCellsTakeTheColumnsColourAndStyle)
{
    Store s({ckText});
    s.owned[0]->SetColor(clYellow);
    s.owned[0]->Font().SetStyle(TFontStyles{fsBold});
    s.cells.AddRows(1);
    EXPECT_EQ(s.Cell(0, 0)->Color(), clYellow);
    EXPECT_TRUE(s.Cell(0, 0)->FontStyle.Contains(fsBold));
    EXPECT_EQ(s.Cell(0, 0)->Flags, 0);
    EXPECT_TRUE(s.changes.empty());
}

TEST(CellStore, CellClassesByCreatingOperation)
{
    Store s({ckIncrement, ckGuid}, 1);
    s.cells.InsertRow(0);
    EXPECT_NE(dynamic_cast<TIntegerCell*>(s.Cell(0, 0)), nullptr);
    EXPECT_NE(dynamic_cast<TStringCell*>(s.Cell(1, 0)), nullptr);
    EXPECT_NE(dynamic_cast<TIncrementCell*>(s.Cell(0, 1)), nullptr);
    EXPECT_NE(dynamic_cast<TGuidCell*>(s.Cell(1, 1)), nullptr);
    s.cells.InsertChildRow(1, 2);
    EXPECT_NE(dynamic_cast<TIncrementCell*>(s.Cell(0, 2)), nullptr);
    EXPECT_NE(dynamic_cast<TStringCell*>(s.Cell(1, 2)), nullptr);
}

TEST(CellStore, RowOperationsAndCounters)
{
    Store s({ckText}, 4);
    for (int r = 0; r < 4; ++r)
        s.Cell(0, r)->SetAsString(std::string(1, static_cast<char>('a' + r)));
    s.cells.MoveRow(0, 3);
    EXPECT_EQ(s.ColumnTexts(0), (std::vector<std::string>{"b", "c", "d", "a"}));
    s.cells.SwapRows(0, 1);
    EXPECT_EQ(s.ColumnTexts(0), (std::vector<std::string>{"c", "b", "d", "a"}));
    s.cells.DeleteRow(2);
    EXPECT_EQ(s.ColumnTexts(0), (std::vector<std::string>{"c", "b", "a"}));
    EXPECT_EQ(s.cells.RowCount(), 3);
    EXPECT_EQ(s.cells.VisibleRowCount(), 3);
    EXPECT_THROW(s.cells.GetCell(0, 3), EListError);
    EXPECT_THROW(s.cells.GetCell(0, -1), EListError);
}

TEST(CellStore, TreeRowsAndVisibleCount)
{
    Store s({ckText}, 2);
    s.cells.InsertChildRow(0, 1);
    s.cells.InsertChildRow(1, 2);
    EXPECT_EQ(s.cells.GetRow(1)->Level, 1);
    EXPECT_EQ(s.cells.GetRow(2)->Level, 2);
    EXPECT_EQ(s.cells.GetRow(0)->ChildCount, 1);
    EXPECT_EQ(s.cells.DescendantCount(0), 2);
    EXPECT_EQ(s.cells.ChildRunCount(0), 1);
    EXPECT_EQ(s.cells.VisibleRowCount(), 4);
    // One row hidden and its parent collapsed: the counter moves down twice.
    s.cells.SetRowVisible(2, false);
    s.cells.SetRowShown(2, false);
    EXPECT_EQ(s.cells.VisibleRowCount(), 2);
    s.cells.SetRowShown(2, false);
    EXPECT_EQ(s.cells.VisibleRowCount(), 2);
    // Deleting it takes back exactly what it counted: the three rows left are all shown.
    s.cells.DeleteRow(2);
    EXPECT_EQ(s.cells.VisibleRowCount(), 3);
    EXPECT_EQ(s.cells.RowCount(), 3);
    s.cells.GetRow(0)->Expanded = false;
    s.cells.InsertChildRow(0, 1);
    EXPECT_FALSE(s.cells.GetRow(1)->Shown);
    EXPECT_EQ(s.cells.VisibleRowCount(), 3);
}

TEST(CellStore, ColumnOperations)
{
    Store s({ckText, ckInteger}, 2);
    s.Cell(0, 1)->SetAsString("x");
    s.Cell(1, 1)->SetAsInteger(5);
    s.cells.ColumnsChanged(4, 0, 1);  // move
    EXPECT_EQ(s.Text(0, 1), "5");
    EXPECT_EQ(s.Text(1, 1), "x");
    s.cells.ColumnsChanged(1, 0, -1);  // delete
    EXPECT_EQ(s.cells.ColumnCount(), 1);
    EXPECT_EQ(s.Text(0, 1), "x");
    s.cells.ColumnsChanged(1, 0, -1);
    EXPECT_EQ(s.cells.RowCount(), 0);
    EXPECT_EQ(s.cells.VisibleRowCount(), 0);
}

TEST(CellSort, OneRowOrNoneDrawsNothingTwoRowsDrawOnce)
{
    Store s({ckInteger});
    RandSeed = 1234;
    s.cells.Sort(0, stNumeric, skAscending, true);
    EXPECT_EQ(RandSeed, 1234u);
    s.cells.AddRows(1);
    s.cells.Sort(0, stNumeric, skAscending, true);
    EXPECT_EQ(RandSeed, 1234u);
    s.cells.AddRows(1);
    s.Cell(0, 0)->SetAsInteger(9);
    s.cells.Sort(0, stNumeric, skAscending, true);
    EXPECT_EQ(RandSeed, SeedAfterDraws(1234, 1));
    EXPECT_EQ(s.ColumnTexts(0), (std::vector<std::string>{"0", "9"}));
}

TEST(CellSort, EqualKeysExchangeRowsInAFixedPatternAndDrawOncePerPartition)
{
    Store s({ckText, ckText}, 4);
    for (int r = 0; r < 4; ++r)
        s.Cell(1, r)->SetAsString(std::string(1, static_cast<char>('a' + r)));
    RandSeed = 77;
    s.cells.Sort(0, stCustom, skAscending, false);  // no handler: every pair is equal
    EXPECT_EQ(s.ColumnTexts(1), (std::vector<std::string>{"c", "d", "a", "b"}));
    EXPECT_EQ(RandSeed, SeedAfterDraws(77, 3));
}

TEST(CellSort, ThreeRowsDrawTwicePerSortWhateverThePivots)
{
    for (std::uint32_t seed : {1u, 2u, 3u, 4000000000u}) {
        Store s({ckInteger}, 3);
        for (int r = 0; r < 3; ++r)
            s.Cell(0, r)->SetAsInteger(3 - r);
        RandSeed = seed;
        s.cells.Sort(0, stNumeric, skAscending, false);
        EXPECT_EQ(s.ColumnTexts(0), (std::vector<std::string>{"1", "2", "3"}));
        EXPECT_EQ(RandSeed, SeedAfterDraws(seed, 2)) << seed;
    }
}

TEST(CellSort, ExactOrdersByType)
{
    Store s({ckText, ckInteger}, 5);
    const char* names[] = {"bola", "Árbitro", "Zagueiro", "ataque", "Bola"};
    int numbers[] = {30, -2, 7, 100, 7};
    for (int r = 0; r < 5; ++r) {
        s.Cell(0, r)->SetAsString(names[r]);
        s.Cell(1, r)->SetAsInteger(numbers[r]);
    }
    RandSeed = 5;
    s.cells.Sort(0, stAlphabetic, skAscending, false);
    EXPECT_EQ(s.ColumnTexts(0), (std::vector<std::string>{"Bola", "Zagueiro", "ataque", "bola", "Árbitro"}));
    s.cells.Sort(0, stCaseInsensitive, skDescending, true);
    EXPECT_EQ(s.ColumnTexts(0)[0], "Árbitro");  // CP1252 0xC1 is above every ASCII letter
    EXPECT_EQ(s.ColumnTexts(0)[1], "Zagueiro");
    EXPECT_EQ(s.ColumnTexts(0)[4], "ataque");
    s.cells.Sort(1, stNumeric, skDescending, false);
    EXPECT_EQ(s.ColumnTexts(1), (std::vector<std::string>{"100", "30", "7", "7", "-2"}));
}

TEST(CellSort, SecondSortInTheOtherDirectionOnlyReverses)
{
    Store s({ckInteger, ckText}, 5);
    for (int r = 0; r < 5; ++r) {
        s.Cell(0, r)->SetAsInteger(r % 2);
        s.Cell(1, r)->SetAsString(std::to_string(r));
    }
    RandSeed = 99;
    s.cells.Sort(0, stNumeric, skAscending, false);
    std::vector<std::string> ascending = s.ColumnTexts(1);
    std::uint32_t seed = RandSeed;
    s.cells.Sort(0, stNumeric, skDescending, false);
    EXPECT_EQ(RandSeed, seed);  // no comparer, no draw
    std::vector<std::string> reversed(ascending.rbegin(), ascending.rend());
    EXPECT_EQ(s.ColumnTexts(1), reversed);
    // With FullResort, or after a write, a whole quicksort runs again.
    s.cells.Sort(0, stNumeric, skAscending, true);
    EXPECT_NE(RandSeed, seed);
    seed = RandSeed;
    s.Cell(1, 0)->SetAsString("x");
    s.cells.Sort(0, stNumeric, skDescending, false);
    EXPECT_NE(RandSeed, seed);
    EXPECT_EQ(s.cells.LastSortKind(), skDescending);
}

TEST(CellSort, DottedNumbersTheFourthDecidesGreatestFirst)
{
    Store s({ckText}, 3);
    s.Cell(0, 0)->SetAsString("9.1.1.1");
    s.Cell(0, 1)->SetAsString("1.1.1.9");
    s.Cell(0, 2)->SetAsString("x5.1.1.3");
    s.cells.Sort(0, stIP, skAscending, false);
    EXPECT_EQ(s.ColumnTexts(0), (std::vector<std::string>{"1.1.1.9", "x5.1.1.3", "9.1.1.1"}));
    s.Cell(0, 2)->SetAsString("1..2");
    EXPECT_THROW(s.cells.Sort(0, stIP, skAscending, false), EConvertError);
}

TEST(CellSort, CustomCompareThroughTheHandler)
{
    Store s({ckInteger}, 4);
    for (int r = 0; r < 4; ++r)
        s.Cell(0, r)->SetAsInteger(r);
    s.cells.OnCompare = [](TCells*, TCell* a, TCell* b, int& compare) {
        compare = b->AsInteger() - a->AsInteger();
    };
    s.cells.Sort(0, stCustom, skAscending, false);
    EXPECT_EQ(s.ColumnTexts(0), (std::vector<std::string>{"3", "2", "1", "0"}));
}

TEST(CellSort, NumericSortOverTextStopsWithTheConversionError)
{
    Store s({ckText}, 3);
    s.Cell(0, 0)->SetAsString("3");
    s.Cell(0, 1)->SetAsString("dois");
    s.Cell(0, 2)->SetAsString("1");
    EXPECT_THROW(s.cells.Sort(0, stNumeric, skAscending, false), EConvertError);
}

}  // namespace
}  // namespace tarvelon
