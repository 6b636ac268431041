#include "screens/common/tick_list.h"

#include <string>

#include "grid/dg_column_classes.h"
#include "grid/dg_grid.h"
#include "platform/forms/form.h"
#include "platform/stdctrls/image_list_component.h"
#include "screens/common/art/art_kit.h"
#include "screens/common/form_references.h"
#include "screens/common/game_form.h"

namespace tarvelon {

namespace {

TCustomImageList* TitleFlags()
{
    TGameForm* title = Form1.Get();
    return title ? dynamic_cast<TCustomImageList*>(title->FindComponent("ImageList1")) : nullptr;
}

void SetColumnImages(TDataGrid& grid, const char* column, TCustomImageList* images)
{
    if (auto* imageColumn = dynamic_cast<TDgImageColumn*>(grid.ColumnByName(column)))
        imageColumn->SetImages(images);
}

int ToInt(const std::string& text)
{
    try {
        return text.empty() ? 0 : std::stoi(text);
    } catch (...) {
        return 0;
    }
}

}  // namespace

TTickList::TTickList(TForm& owner, TDataGrid& grid) : grid_(grid)
{
    flags_ = TitleFlags();
    if (!flags_ || flags_->Count() == 0) {
        flags_ = new TCustomImageList(&owner);
        art::FillCountryFlags(*flags_);
    }
    ticks_ = new TCustomImageList(&owner);
    ticks_->SetSize(16, 16);
    ticks_->AddImage(art::Picture("tick0"));
    ticks_->AddImage(art::Picture("tick1"));
    SetColumnImages(grid_, "colflag", flags_);
    SetColumnImages(grid_, "coltick", ticks_);
}

void TTickList::Clear() { grid_.ClearRows(); }

void TTickList::AddRow(int flagCountry, bool ticked, const char* name, const std::string& count, int id)
{
    const int row = grid_.AddRow();
    grid_.SetCellTextByName("colflag", row, std::to_string(flagCountry));
    grid_.SetCellTextByName("coltick", row, ticked ? "1" : "0");
    grid_.SetCellTextByName("colpais", row, name ? name : "");
    grid_.SetCellTextByName("coltimes", row, count);
    grid_.SetCellTextByName("colid", row, std::to_string(id));
}

int TTickList::RowCount() const { return grid_.RowCount(); }

bool TTickList::Ticked(int row) { return grid_.GetCellTextByName("coltick", row) == "1"; }

void TTickList::SetTicked(int row, bool ticked)
{
    if (row >= 0 && row < RowCount())
        grid_.SetCellTextByName("coltick", row, ticked ? "1" : "0");
}

bool TTickList::Toggle(int row)
{
    if (row < 0 || row >= RowCount())
        return false;
    SetTicked(row, !Ticked(row));
    return true;
}

void TTickList::TickAll()
{
    for (int row = 0; row < RowCount(); ++row)
        SetTicked(row, true);
}

int TTickList::Id(int row) { return ToInt(grid_.GetCellTextByName("colid", row)); }

int TTickList::Count(int row) { return ToInt(grid_.GetCellTextByName("coltimes", row)); }

std::vector<int> TTickList::TickedIds()
{
    std::vector<int> ids;
    for (int row = 0; row < RowCount(); ++row)
        if (Ticked(row))
            ids.push_back(Id(row));
    return ids;
}

int TTickList::TickedRows()
{
    int rows = 0;
    for (int row = 0; row < RowCount(); ++row)
        rows += Ticked(row) ? 1 : 0;
    return rows;
}

int TTickList::TickedCountSum()
{
    int sum = 0;
    for (int row = 0; row < RowCount(); ++row)
        sum += Ticked(row) ? Count(row) : 0;
    return sum;
}

}  // namespace tarvelon
