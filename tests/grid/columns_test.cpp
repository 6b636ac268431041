// Columns and the column list: layout, widths, the one sorted and one search column, auto-size,
// change reports to the grid, and the column kinds' texts and defaults.
#include <gtest/gtest.h>

#include "grid/dg_column_classes.h"
#include "grid/dg_combo_box.h"
#include "grid/dg_date_picker.h"

namespace tarvelon {
namespace {

struct FakeGrid : TDgColumnsHost {
    struct Report {
        TDgCustomColumn* column;
        int kind, param;
    };
    std::vector<Report> reports;
    std::vector<std::string> list;
    int areaWidth = 400;
    bool indicator = false;
    int fixedCols = 0;
    TFont font;
    bool loading = false;

    void ColumnChanged(TDgCustomColumn* c, int kind, int param) override { reports.push_back({c, kind, param}); }
    void ColumnListChanging(int op, int i1, int) override { list.push_back("before " + std::to_string(op) + ":" + std::to_string(i1)); }
    void ColumnListChanged(int op, int i1, int) override { list.push_back("after " + std::to_string(op) + ":" + std::to_string(i1)); }
    int ColumnAreaWidth() const override { return areaWidth; }
    bool ShowsIndicator() const override { return indicator; }
    int HostFixedCols() const override { return fixedCols; }
    TFont& HostFont() override { return font; }
    TCanvas* HostCanvas() override { return nullptr; }
    bool HostLoading() const override { return loading; }
    bool HostDestroying() const override { return false; }
    void RedrawColumn(TDgCustomColumn* c, int region) override { reports.push_back({c, 100 + region, -1}); }

    int Count(int kind) const
    {
        return static_cast<int>(std::count_if(reports.begin(), reports.end(), [kind](auto& r) { return r.kind == kind; }));
    }
};

struct Grid {
    FakeGrid host;
    TComponent owner{nullptr};
    TDgColumns columns{&host, &owner};

    template <typename T = TDgTextColumn>
    T* Add(const std::string& name, int width = 80)
    {
        auto* c = new T(&owner);
        c->SetName(name);
        c->SetWidth(width);
        columns.Add(c);
        return c;
    }
};

TEST(Columns, LayoutSkipsHiddenColumnsAndStartsAfterTheIndicator)
{
    Grid g;
    auto* a = g.Add("a", 50);
    auto* b = g.Add("b", 60);
    auto* c = g.Add("c", 70);
    EXPECT_EQ(c->Left(), 110);
    b->SetVisible(false);
    EXPECT_EQ(b->VisibleIndex(), -1);
    EXPECT_EQ(c->Left(), 50);
    EXPECT_EQ(c->VisibleIndex(), 1);
    EXPECT_EQ(g.columns.TotalWidth(), 120);
    EXPECT_EQ(g.columns.VisibleCount(), 2);
    g.host.indicator = true;
    g.columns.IndicatorChanged();
    EXPECT_EQ(a->Left(), 12);
    EXPECT_EQ(g.columns.NextColumn(a), c);
    EXPECT_EQ(g.columns.PriorColumn(a), a);
    EXPECT_EQ(g.columns.ColumnByName("C"), c);
    EXPECT_EQ(g.columns.ColumnByName("d"), nullptr);
    g.host.fixedCols = 2;
    EXPECT_EQ(g.columns.FixedWidth(), 50);  // the hidden second column counts nothing
}

TEST(Columns, WidthNeverBelowMinWidthAndTheChangeIsReported)
{
    Grid g;
    auto* a = g.Add("a", 80);
    g.host.reports.clear();
    a->SetWidth(3);
    EXPECT_EQ(a->Width(), 8);
    ASSERT_EQ(g.host.Count(9), 1);
    EXPECT_EQ(g.host.reports[0].param, -72);
}

TEST(Columns, OneSortedColumnAndOneSearchColumnPerGrid)
{
    Grid g;
    auto* a = g.Add("a");
    auto* b = g.Add("b");
    a->SetSorted(true);
    b->SetSorted(true);
    EXPECT_FALSE(a->Sorted());
    EXPECT_TRUE(b->Sorted());
    a->SetOptions(a->Options() + TColumnOptions{coSearchColumn});
    b->SetOptions(b->Options() + TColumnOptions{coSearchColumn});
    EXPECT_FALSE(a->Options().Contains(coSearchColumn));
    EXPECT_TRUE(b->Options().Contains(coSearchColumn));
    auto* tree = g.Add<TDgTreeColumn>("tree");
    tree->SetSorted(true);  // a tree column is never sorted
    EXPECT_FALSE(tree->Sorted());
    EXPECT_TRUE(b->Sorted());
}

TEST(Columns, PositionMovesTheDisplayOrderAndReportsTheOldPosition)
{
    Grid g;
    auto* a = g.Add("a", 10);
    auto* b = g.Add("b", 20);
    auto* c = g.Add("c", 30);
    g.host.reports.clear();
    c->SetPosition(0);
    EXPECT_EQ(g.columns.ByPosition(0), c);
    EXPECT_EQ(a->Position(), 1);
    EXPECT_EQ(b->Position(), 2);
    EXPECT_EQ(a->Left(), 30);
    EXPECT_EQ(c->Index(), 2);  // the cells stay addressed by the insertion order
    ASSERT_EQ(g.host.Count(2), 1);
    EXPECT_EQ(g.host.reports.back().param, 2);
}

TEST(Columns, AutoSizeSharesTheFreeWidthByWidth)
{
    Grid g;
    g.host.areaWidth = 300;
    auto* fixed = g.Add("f", 100);
    auto* a = g.Add("a", 50);
    auto* b = g.Add("b", 150);
    a->SetOptions(a->Options() + TColumnOptions{coAutoSize});
    b->SetOptions(b->Options() + TColumnOptions{coAutoSize});
    g.columns.AutoSizeColumns();
    EXPECT_EQ(fixed->Width(), 100);
    EXPECT_EQ(a->Width(), 50);  // 200 * 50 / 200
    EXPECT_EQ(b->Width(), 150);
    g.host.areaWidth = 500;
    g.columns.AutoSizeColumns();
    EXPECT_EQ(a->Width(), 100);
    EXPECT_EQ(b->Width(), 300);
    // Widening the fixed column: the auto-size columns to its right absorb it.
    fixed->SetWidth(200);
    EXPECT_EQ(a->Width(), 75);
    EXPECT_EQ(b->Width(), 225);
}

TEST(Columns, ListChangesAreToldBeforeAndAfter)
{
    Grid g;
    g.Add("a");
    g.Add("b");
    g.host.list.clear();
    g.columns.Delete(0);
    EXPECT_EQ(g.host.list, (std::vector<std::string>{"before 1:0", "after 1:0"}));
    EXPECT_EQ(g.columns.Count(), 1);
    EXPECT_EQ(g.columns.Items(0)->Position(), 0);
}

TEST(Columns, PartsRedrawAndFooterAssign)
{
    Grid g;
    auto* a = g.Add("a");
    int heard = -1;
    a->AddListener([&](TDgCustomColumn*, int code) { heard = code; });
    g.host.reports.clear();
    a->Header().SetCaption("Nome");
    EXPECT_EQ(heard, lcCaption);
    EXPECT_EQ(g.host.Count(100 + rgWholeColumn), 1);
    a->Header().SetAlignment(taCenter);
    EXPECT_EQ(g.host.Count(100 + rgHeader), 1);
    TColumnFooter other(a);
    other.SetCaption("x");
    other.SetFormulaKind(fkSum);
    other.SetTextAfter(" gols");
    a->Footer().Assign(other);
    EXPECT_EQ(a->Footer().FormulaKind(), fkSum);
    EXPECT_EQ(a->Footer().TextAfter(), " gols");
    EXPECT_EQ(a->Footer().Caption(), "");
    EXPECT_EQ(a->Footer().Color(), clWindow);
    EXPECT_EQ(a->Header().Color(), clBtnFace);
}

TEST(Columns, DefaultsOfTheBaseAndTheKinds)
{
    Grid g;
    TDgCustomColumn base(&g.owner);
    EXPECT_EQ(base.Options().Bits(), 1038u);
    EXPECT_EQ(base.Kind(), ckText);
    EXPECT_EQ(base.Width(), 80);
    EXPECT_EQ(base.MinWidth(), 8);
    EXPECT_EQ(base.WrapKind(), wkEllipsis);
    EXPECT_EQ(base.VerticalAlignment(), taVerticalCenter);
    TDgTextColumn text(&g.owner);
    EXPECT_EQ(text.Options().Bits(), 9230u);
    TDgNumberColumn number(&g.owner);
    EXPECT_EQ(number.Kind(), ckFloat);
    EXPECT_EQ(number.SortType(), stNumeric);
    EXPECT_EQ(number.DefaultValue(), "0");
    EXPECT_EQ(number.Alignment(), taRightJustify);
    EXPECT_EQ(TDgImageColumn(&g.owner).Kind(), ckInteger);
    EXPECT_EQ(TDgProgressColumn(&g.owner).GetFeatures(), 0);
    EXPECT_EQ(TDgIncrementColumn(&g.owner).Kind(), ckIncrement);
    TDgDateColumn date(&g.owner);
    EXPECT_EQ(date.Kind(), ckDateTime);
    EXPECT_EQ(date.SortType(), stDate);
    EXPECT_EQ(date.DefaultValue(), DateTimeToStr(Date()));  // the day the form was created
}

TEST(ColumnKinds, DisplayTexts)
{
    Grid g;
    TCellInfo info;
    info.Row = 3;

    TDgTextColumn text(&g.owner);
    info.TextValue = "Ana";
    text.SetTextBefore("<");
    text.SetTextAfter(" ºC");
    EXPECT_EQ(text.GetDrawText(info), "<Ana ºC");
    text.SetPasswordChar(U'•');
    EXPECT_EQ(text.GetDrawText(info), "•••••••");  // as many as the whole text has characters

    TDgNumberColumn number(&g.owner);
    number.SetHideWhenEmpty(true);
    number.SetEmptyCaption("-");
    info.FloatValue = 0;
    EXPECT_EQ(number.GetDrawText(info), "-");
    info.FloatValue = 0.001;
    EXPECT_EQ(number.GetDrawText(info), "0,001");
    number.SetFormatMask("#,##0.00");
    number.SetTextBefore("R$ ");
    info.FloatValue = 1234567.891;
    EXPECT_EQ(number.GetDrawText(info), "R$ 1.234.567,89");

    TDgDateColumn date(&g.owner);
    info.DateValue = EncodeDate(2026, 3, 9);
    EXPECT_EQ(date.GetDrawText(info), "09/03/2026");
    date.SetFormatMask("d/m/yy");
    EXPECT_EQ(date.GetDrawText(info), "9/3/26");
    date.SetHideWhenEmpty(true);
    date.SetEmptyCaption("sem data");
    info.DateValue = 0;
    EXPECT_EQ(date.GetDrawText(info), "sem data");

    EXPECT_EQ(TDgIncrementColumn(&g.owner).GetDrawText(info), "4");
}

TEST(ColumnKinds, EditKeys)
{
    Grid g;
    TDgTextColumn text(&g.owner);
    EXPECT_TRUE(text.IsEditKey(U'a'));
    EXPECT_FALSE(text.IsEditKey(U' '));
    TDgNumberColumn number(&g.owner);
    EXPECT_TRUE(number.IsEditKey(U'7'));
    EXPECT_TRUE(number.IsEditKey(U','));
    EXPECT_FALSE(number.IsEditKey(U'-'));
    number.SetEditOptions({eoAllowSigns});
    EXPECT_TRUE(number.IsEditKey(U'-'));
    EXPECT_FALSE(number.IsEditKey(U','));
    TDgDateColumn date(&g.owner);
    EXPECT_TRUE(date.IsEditKey(U'/'));
    EXPECT_FALSE(date.IsEditKey(U'-'));
    TDgComboBoxColumn combo(&g.owner);
    combo.Items().Add("Goleiro");
    combo.Items().Add("Árbitro");
    EXPECT_TRUE(combo.IsEditKey(U'x'));
    combo.SetStyle(cbsDropDownList);
    EXPECT_FALSE(combo.IsEditKey(U'x'));
    EXPECT_TRUE(combo.IsEditKey(U'g'));
    EXPECT_TRUE(combo.IsEditKey(U'á'));
    EXPECT_FALSE(TDgIncrementColumn(&g.owner).IsEditKey(U'1'));
    int x = 0;
    TDgTreeColumn(&g.owner).TextOffset(2, x);
    EXPECT_EQ(x, 54);
}

TEST(ColumnKinds, EditorsAreSetUpFromTheColumn)
{
    Grid g;
    auto* combo = g.Add<TDgComboBoxColumn>("pos");
    combo->Items().Add("Goleiro");
    combo->Items().Add("Zagueiro");
    combo->SetStyle(cbsDropDownList);
    combo->SetMaxLength(12);
    auto* editor = dynamic_cast<TDgComboBox*>(combo->Editor());
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(editor->Visible());
    combo->PrepareEditor();
    EXPECT_EQ(editor->Items().Count(), 2);
    EXPECT_EQ(editor->Style(), dsDropDownList);
    EXPECT_EQ(editor->MaxLength(), 12);
    int closed = 0;
    combo->OnCloseUp = [&closed](TObject*) { ++closed; };
    ASSERT_TRUE(editor->OnCloseUp);
    editor->OnCloseUp(editor);
    EXPECT_EQ(closed, 1);

    auto* date = g.Add<TDgDateColumn>("dia");
    date->SetShowNoneButton(false);
    ASSERT_NE(dynamic_cast<TDgDatePicker*>(date->Editor()), nullptr);
    date->PrepareEditor();
    EXPECT_EQ(dynamic_cast<TDgDatePicker*>(date->Editor())->Style(), dsDropDown);

    auto* number = g.Add<TDgNumberColumn>("gols");
    number->SetPrecision(2);
    number->SetMax(99);
    number->PrepareEditor();
    number->AfterEditorPrepared();
    auto* spin = dynamic_cast<TDgSpinEdit*>(number->Editor());
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->Max(), 99);
    EXPECT_EQ(spin->Precision(), 2);
    EXPECT_EQ(g.Add<TDgProgressColumn>("p")->Editor(), nullptr);
}

}  // namespace
}  // namespace tarvelon
