// A coach's trophy gallery (TForm19).
#include "screens/history/trophy_gallery_screen.h"

#include "core/basics/literal_text.h"
#include "core/tables.h"
#include "core/views/coach_honours.h"
#include "grid/dg_column_classes.h"
#include "grid/dg_grid.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/image_list_component.h"
#include "screens/common/grid_helpers.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/common/view_helpers.h"

namespace tarvelon {

namespace {

constexpr int kHeadingImage = 1;

bool IsHeading(TDataGrid& grid, int row) { return row < grid.RowCount() && grid.GetCellText(0, row).empty(); }

}  // namespace

const TScreenRecord TForm19::kScreen{
    .formClass = "TForm19",
    .shows = "Galeria de Troféus",
    .area = TScreenArea::History,
    .modal = true,
    .style = {.closeOnEscape = true},
    .subject = [] { SelectedRecord = SubjectChampionCoach(); },
    .create = NewScreen<TForm19>,
    .file = "screens/history/trophy_gallery_screen.cpp",
};

TForm19::TForm19(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject* s) { FormCreate(s); });
    BindHandler("FormClose", [](TObject*, TCloseAction&) { SelectedRecord = -1; });
    BindHandler("grid1CellFormating", [this](TObject*, int, int row, TColor&, TFontStyles& style, TCellState) {
        if (IsHeading(*grid1, row))
            style = style + TFontStyles{fsBold};
    });
    BindHandler("GradButton1Click", [this](TObject*) { Close(); });
    ReadDescription();
    grid1 = FindChild<TDataGrid>("grid1");
    Label1 = FindChild<TLabel>("Label1");
    ImageList1 = FindChild<TCustomImageList>("ImageList1");
    flags = FindChild<TCustomImageList>("flags");
}

void TForm19::FormCreate(TObject*)
{
    UseCrestColumn(*grid1, "colescudo", *ImageList1);
    EnsureCountryFlags(*flags);
    if (auto* column = dynamic_cast<TDgImageColumn*>(grid1->ColumnByName("colpais")))
        column->SetImages(flags);
    ColourRowsAlternately(*grid1, true);
    const int coach = SelectedRecord;
    const bool valid = coach >= 0 && coach < static_cast<int>(Coaches.size());
    Label1->SetCaption(CaptionLiteral(valid ? Coaches[coach].name.str() : ""));
    grid1->BeginUpdate();
    grid1->ClearRows();
    for (const CoachTitleRow& r : CoachTitleRows(valid ? coach : -1)) {
        const int row = grid1->AddRow();
        const int crest = r.heading ? kHeadingImage : MiniCrestIndex(*ImageList1, r.club);
        grid1->SetCellTextByName("colano", row, r.year);
        grid1->SetCellTextByName("colescudo", row, std::to_string(crest >= 0 ? crest : 0));
        grid1->SetCellTextByName("colclube", row, r.text);
        grid1->SetCellTextByName("colpais", row, std::to_string(r.country));
    }
    grid1->EndUpdate();
}

}  // namespace tarvelon
