// The grid's cell conversions: input = a text. It is stored in a cell of every kind and read back as
// every kind of value, and typed into the spin editor, which reads it as a real and as an integer.
// A text that is no value raises the conversion error; nothing else may go wrong, and integers read
// from reals beyond their range are clamped to it.
#include <cmath>
#include <limits>
#include <memory>

#include "grid/dg_cells.h"
#include "grid/dg_columns.h"
#include "grid/dg_number_edit.h"
#include "grid/dg_sysutils.h"
#include "tests/fuzz/fuzz_target.h"

namespace {

using namespace tarvelon;

class KindColumn : public TDgCustomColumn {
public:
    explicit KindColumn(TCellKind kind) : TDgCustomColumn(nullptr) { SetKind(kind); }
};

constexpr TCellKind kKinds[] = {ckIncrement, ckBoolean, ckDateTime, ckFloat, ckGuid, ckInteger, ckText};

// One row of cells, one column of each kind.
struct Store {
    TDgColumns columns{nullptr, nullptr};
    std::vector<std::unique_ptr<KindColumn>> owned;
    TCells cells{nullptr, &columns};

    Store()
    {
        for (TCellKind kind : kKinds) {
            owned.push_back(std::make_unique<KindColumn>(kind));
            columns.Add(owned.back().get());
            cells.ColumnsChanged(0, columns.Count() - 1, -1);
        }
        cells.AddRows(1);
    }
    ~Store() { cells.ClearRows(); }
};

template <typename Read>
void Convert(Read read)
{
    try {
        read();
    } catch (const EConvertError&) {
    }
}

// An integer read from a real is the real rounded, or the nearer end of the integers.
void ExpectClampedInteger(double real, std::int32_t integer)
{
    if (std::isnan(real))
        return;
    if (real >= std::numeric_limits<std::int32_t>::max())
        fuzz::Expect(integer == std::numeric_limits<std::int32_t>::max(), "a real above the integers reads as the largest");
    else if (real <= std::numeric_limits<std::int32_t>::min())
        fuzz::Expect(integer == std::numeric_limits<std::int32_t>::min(), "a real below the integers reads as the smallest");
}

void ReadEveryWay(TCell* cell)
{
    Convert([&] { cell->AsBoolean(); });
    Convert([&] { cell->AsDateTime(); });
    Convert([&] { cell->AsString(); });
    Convert([&] {
        const double real = cell->AsFloat();
        const std::int32_t integer = cell->AsInteger();
        if (dynamic_cast<TFloatCell*>(cell))
            ExpectClampedInteger(real, integer);
    });
}

void TypeIntoSpinEditor(const std::string& text)
{
    fuzz::EnsureApplication();
    auto* edit = new TDgSpinEdit(nullptr);
    edit->SetText(text);
    Convert([&] {
        const double real = edit->Value();
        ExpectClampedInteger(real, edit->GetAsInteger());
    });
    Convert([&] { edit->CleanNumberText(text, true, true); });
    Free(edit);
}

}  // namespace

TARVELON_FUZZ_TARGET(grid_cells)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    Store store;
    for (int column = 0; column < store.columns.Count(); ++column) {
        TCell* cell = store.cells.GetCell(column, 0);
        Convert([&] { cell->SetAsString(text); });
        ReadEveryWay(cell);
    }
    // The text cell's number, stored in the float and date cells as a real.
    Convert([&] {
        const double real = store.cells.GetCell(6, 0)->AsFloat();
        for (int column : {2, 3}) {
            store.cells.GetCell(column, 0)->SetAsFloat(real);
            ReadEveryWay(store.cells.GetCell(column, 0));
        }
    });
    TypeIntoSpinEditor(text);
}
