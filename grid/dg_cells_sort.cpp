// Sorting the store's rows by one column: a quicksort whose pivot comes from the game's random
// generator, exchanging whole rows; a second sort of the same column in the other direction with
// nothing changed in between only reverses the rows.
#include <QString>
#include <array>

#include "core/basics/cp1252.h"
#include "core/basics/random.h"
#include "grid/dg_cells.h"

namespace tarvelon {

namespace {

using TCellComparer = bool (*)(TCells&, TCell*, TCell*);

template <typename T>
int Order(const T& a, const T& b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

// WideString order: by UTF-16 code units.
int CompareAlphabetic(TCell* a, TCell* b)
{
    QString ka = QString::fromStdString(a->AsString());
    QString kb = QString::fromStdString(b->AsString());
    return Order(std::u16string(reinterpret_cast<const char16_t*>(ka.utf16()), ka.size()),
                 std::u16string(reinterpret_cast<const char16_t*>(kb.utf16()), kb.size()));
}

std::string CaseInsensitiveKey(TCell* cell)
{
    std::string key = Utf8ToCp1252(cell->AsString());
    for (char& c : key)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return key;
}

int CompareCaseInsensitive(TCell* a, TCell* b)
{
    std::string ka = CaseInsensitiveKey(a), kb = CaseInsensitiveKey(b);
    return Order(std::basic_string<unsigned char>(ka.begin(), ka.end()),
                 std::basic_string<unsigned char>(kb.begin(), kb.end()));
}

// Up to four dotted numbers; the fourth is the most significant.
std::array<std::uint32_t, 4> DottedNumbers(const std::string& text)
{
    std::array<std::uint32_t, 4> numbers{};
    std::size_t count = 0;
    std::string run;
    for (std::size_t i = 0; i < text.size() && count < numbers.size(); ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9')
            run += c;
        if (c == '.' || i + 1 == text.size()) {
            numbers[count++] = static_cast<std::uint32_t>(StrToInt(run));
            run.clear();
        }
    }
    return numbers;
}

// GreaterOrEqual of two dotted keys: the fourth number first, then the third, second and first.
bool DottedGreaterOrEqual(TCell* a, TCell* b)
{
    auto ka = DottedNumbers(a->AsString());
    auto kb = DottedNumbers(b->AsString());
    for (int i = 3; i >= 0; --i)
        if (ka[static_cast<std::size_t>(i)] != kb[static_cast<std::size_t>(i)])
            return ka[static_cast<std::size_t>(i)] > kb[static_cast<std::size_t>(i)];
    return true;
}

int CustomOrder(TCells& store, TCell* a, TCell* b)
{
    int compare = 0;
    store.CompareCells(a, b, compare);
    return compare;
}

int KeyOrder(TSortType type, TCells& store, TCell* a, TCell* b)
{
    switch (type) {
    case stAlphabetic:
        return CompareAlphabetic(a, b);
    case stBoolean:
        return Order(a->AsBoolean(), b->AsBoolean());
    case stCaseInsensitive:
        return CompareCaseInsensitive(a, b);
    case stCustom:
        return CustomOrder(store, a, b);
    case stNumeric:
        return Order(a->AsFloat(), b->AsFloat());
    case stDate:
        return Order(a->AsDateTime(), b->AsDateTime());
    default:
        return 0;
    }
}

struct TComparerPair {
    TSortType type;
    bool GreaterOrEqual(TCells& store, TCell* a, TCell* b) const
    {
        if (type == stIP)
            return DottedLessOrEqual(a, b);  // the dotted pair is exchanged
        return KeyOrder(type, store, a, b) >= 0;
    }
    bool LessOrEqual(TCells& store, TCell* a, TCell* b) const
    {
        if (type == stIP)
            return DottedGreaterOrEqual(a, b);
        return KeyOrder(type, store, a, b) <= 0;
    }
    static bool DottedLessOrEqual(TCell* a, TCell* b) { return DottedGreaterOrEqual(b, a); }
};

}  // namespace

void TCells::Sort(int ACol, TSortType sortType, TSortKind sortKind, bool fullResort)
{
    if (ACol == lastSortColumn_ && sortValid_ && sortKind != lastSortKind_ && !fullResort) {
        lastSortKind_ = sortKind;
        ReverseRows();
    } else {
        lastSortKind_ = sortKind;
        QuickSort(ACol, 0, rowCount_ - 1, sortType);
    }
    lastSortColumn_ = ACol;
    sortValid_ = true;
}

void TCells::QuickSort(int col, int lo, int hi, TSortType sortType)
{
    if (hi <= lo)
        return;
    TComparerPair pair{sortType};
    const bool ascending = lastSortKind_ == skAscending;
    // Ascending: i stops at the first cell not below the pivot, j at the first not above it.
    auto stopI = [&](TCell* pivot, TCell* cell) {
        return ascending ? pair.LessOrEqual(*this, pivot, cell) : pair.GreaterOrEqual(*this, pivot, cell);
    };
    auto stopJ = [&](TCell* pivot, TCell* cell) {
        return ascending ? pair.GreaterOrEqual(*this, pivot, cell) : pair.LessOrEqual(*this, pivot, cell);
    };
    TCell* pivot = GetCell(col, Random(hi - lo) + lo + 1);
    int i = lo - 1;
    int j = hi + 1;
    do {
        do
            ++i;
        while (!stopI(pivot, GetCell(col, i)));
        do
            --j;
        while (!stopJ(pivot, GetCell(col, j)));
        if (GetCell(col, i) != GetCell(col, j))
            SwapRows(i, j);
    } while (i < j);
    if (GetCell(col, i) != GetCell(col, j))
        SwapRows(i, j);  // undoes the exchange made after the scans crossed
    QuickSort(col, lo, i - 1, sortType);
    QuickSort(col, i, hi, sortType);
}

}  // namespace tarvelon
