// A player's career (TForm16).
#include "screens/history/player_career_screen.h"

#include "controls/dc_smooth_panel.h"
#include "controls/gdip_picture_container.h"
#include "controls/grad_button.h"
#include "core/history/career_text.h"
#include "core/tables.h"
#include "core/views/player_matches.h"
#include "grid/dg_grid.h"
#include "richtext/html_label.h"
#include "screens/common/art/art_kit.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/common/view_helpers.h"

namespace tarvelon {

const TScreenRecord TForm16::kScreen{
    .formClass = "TForm16",
    .shows = "Carreira do jogador",
    .area = TScreenArea::History,
    .modal = true,
    .style = {.closeOnEscape = true},
    .subject = [] { SelectedRecord = SubjectPlayer(); },
    .create = NewScreen<TForm16>,
    .file = "screens/history/player_career_screen.cpp",
};

TForm16::TForm16(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject* s) { FormCreate(s); });
    BindHandler("GradButton2Click", [this](TObject*) {
        if (NextPageRow >= 1)
            ShowCareerPage(NextPageRow);
    });
    // Back by the rows a page really holds.
    BindHandler("GradButton3Click", [this](TObject*) { ShowCareerPage(PreviousCareerPageRow(PageFirstRow)); });
    BindHandler("gridview1DblClick", [this](TObject*, int, int row) {
        const int report = CellInt(*gridview1, "colid", row, -1);
        if (report >= 0)
            OpenMatchReport(report, 1);
    });
    BindHandler("GradButton1Click", [this](TObject*) { Close(); });
    ReadDescription();
    RichLabel1 = FindChild<TRichLabel>("RichLabel1");
    RichLabel2 = FindChild<TRichLabel>("RichLabel2");
    RichLabel3 = FindChild<TRichLabel>("RichLabel3");
    infojt = FindChild<TDcSmoothPanel>("infojt");
    GradButton2 = FindChild<TGradButton>("GradButton2");
    GradButton3 = FindChild<TGradButton>("GradButton3");
    gridview1 = FindChild<TDataGrid>("gridview1");
    if (infojt)
        GiveCareerIcons(this, *infojt);
}

// The career table's heading shows goals and cards as the match icons.
void GiveCareerIcons(TComponent* owner, TDcSmoothPanel& panel)
{
    auto* icons = new TGDIPPictureContainer(owner);
    for (const char* name : {"i_gol", "i_ca", "i_cv", "i_ct"}) {
        TPictureItem& item = icons->Items().Add();
        item.Name = name;
        item.Picture().LoadFromStream(art::PictureAsPng(name));
    }
    panel.SetPictureContainer(icons);
}

void TForm16::StyleLabel(TRichLabel& label, const std::string& text, int fontHeight)
{
    label.Font().SetName("Arial");
    label.Font().SetHeight(fontHeight);
    label.Font().SetStyle(TFontStyles{fsBold});
    // Navy over a white shadow: the form's light background shows through the labels.
    label.Font().SetColor(clNavy);
    label.SetShadowColor(clWhite);
    label.SetShadowOffset(1);
    label.SetTransparent(true);
    label.SetHTMLText(text);
}

void TForm16::FormCreate(TObject*)
{
    ColourRowsAlternately(*gridview1, false);
    StyleLabel(*RichLabel2, "<SHAD>Histórico da Carreira</SHAD>", -15);
    StyleLabel(*RichLabel3, "<SHAD>Jogos na temporada atual</SHAD>", -15);
    Player = SelectedRecord;
    if (Player < 1 || Player >= static_cast<int>(Players.size())) {
        infojt->Caption().SetHTMLText("");
        StyleLabel(*RichLabel1, "", -19);
        return;
    }
    StyleLabel(*RichLabel1, PlayerCareerHeading(Player), -19);
    ShowCareerPage(0);
    FillSeasonMatches();
}

void TForm16::ShowCareerPage(int firstRow)
{
    const CareerPage page = PlayerCareerText(Player, firstRow);
    infojt->Caption().SetHTMLText(page.text);
    PageFirstRow = std::max(0, firstRow);
    NextPageRow = page.nextFirstRow;
    GradButton2->SetVisible(page.nextFirstRow >= 1);
    GradButton3->SetVisible(page.previousPage >= 1);
}

void TForm16::FillSeasonMatches()
{
    gridview1->BeginUpdate();
    gridview1->ClearRows();
    for (const PlayerMatchRow& m : PlayerSeasonMatches(Player)) {
        const int row = gridview1->AddRow();
        gridview1->SetCellTextByName("colid", row, std::to_string(m.report));
        gridview1->SetCellTextByName("coldata", row, m.date);
        gridview1->SetCellTextByName("coljogo", row, m.match);
        gridview1->SetCellTextByName("colnota", row, m.rating);
    }
    gridview1->EndUpdate();
    gridview1->SortColumn(gridview1->ColumnByName("coldata"), true);
}

}  // namespace tarvelon
