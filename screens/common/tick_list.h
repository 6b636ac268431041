#pragma once
// The ticked country lists of the new-game and options screens: a data grid whose columns, by name,
// are "colflag" (a country's flag), "coltick" (a tick box: "1" ticked, "0" not, toggled by a click
// on it), "colpais" (the name), "coltimes" (a count) and the hidden "colid". The flags come from
// the title screen's list when it is alive, else from a list of the screen's own.
#include <string>
#include <vector>

namespace tarvelon {

class TCustomImageList;
class TDataGrid;
class TForm;

inline constexpr int kTickColumn = 1;

class TTickList {
public:
    TTickList(TForm& owner, TDataGrid& grid);

    void Clear();
    // One row: flag of `flagCountry`, tick, name, count text ("" for none), id.
    void AddRow(int flagCountry, bool ticked, const char* name, const std::string& count, int id);

    int RowCount() const;
    bool Ticked(int row);
    void SetTicked(int row, bool ticked);
    // Flips the tick of a row; false for a row outside the list.
    bool Toggle(int row);
    void TickAll();
    int Id(int row);
    int Count(int row);

    std::vector<int> TickedIds();
    int TickedRows();
    int TickedCountSum();

    TDataGrid& Grid() { return grid_; }

private:
    TDataGrid& grid_;
    TCustomImageList* flags_ = nullptr;
    TCustomImageList* ticks_ = nullptr;
};

}  // namespace tarvelon
