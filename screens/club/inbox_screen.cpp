// The inbox (TForm62).
#include "screens/club/inbox_screen.h"

#include <cstdlib>

#include "controls/grad_button.h"
#include "core/economy/player_fines.h"
#include "core/mail/inbox.h"
#include "core/records/game_state.h"
#include "core/tables.h"
#include "grid/dg_column_classes.h"
#include "grid/dg_grid.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/image_list_component.h"
#include "richtext/html_label.h"
#include "screens/club/hub_refresh.h"
#include "screens/common/art/art_kit.h"
#include "screens/common/screen_registry.h"
#include "screens/common/view_helpers.h"

namespace tarvelon {

namespace {

constexpr const char* kUnreadImage = "0";
constexpr const char* kReadImage = "1";

}  // namespace

const TScreenRecord TForm62::kScreen{
    .formClass = "TForm62",
    .shows = "Sua caixa de emails",
    .area = TScreenArea::Club,
    .modal = true,
    .create = NewScreen<TForm62>,
    .file = "screens/club/inbox_screen.cpp",
};

TForm62::TForm62(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject*) { FormCreate(); });
    BindHandler("grid1SelectCell", [this](TObject*, int, int row) { grid1SelectCell(row); });
    BindHandler("grid1CellFormating", [this](TObject*, int col, int row, TColor&, TFontStyles& style, TCellState) {
        const bool unread = grid1->GetCellTextByName("lido", row) == kUnreadImage;
        if (unread && col >= 2)
            style = style + TFontStyles{fsBold};
    });
    BindHandler("AnswerClick", [this](TObject*) { AnswerClick(); });
    BindHandler("FineClick", [this](TObject*) { FineClick(); });
    BindHandler("bt1Click", [this](TObject*) { Close(); });
    BindHandler("FormClose", [this](TObject*, TCloseAction& action) {
        action = caFree;
        FormClose();
    });
    ReadDescription();
    grid1 = FindChild<TDataGrid>("grid1");
    Memo1 = FindChild<TMemo>("Memo1");
    Panel1 = FindChild<TWinControl>("Panel1");
    GradButton1 = FindChild<TGradButton>("GradButton1");
    GradButton2 = FindChild<TGradButton>("GradButton2");
    bt1 = FindChild<TGradButton>("bt1");
    ImageList1 = FindChild<TCustomImageList>("ImageList1");
}

void TForm62::FormCreate()
{
    ImageList1->Clear();
    ImageList1->AddImage(art::Picture("carta0"));
    ImageList1->AddImage(art::Picture("carta1"));
    if (auto* column = dynamic_cast<TDgImageColumn*>(grid1->ColumnByName("lido")))
        column->SetImages(ImageList1);
    ColourRowsAlternately(*grid1, false);
    Memo1->SetText("");
    grid1->BeginUpdate();
    grid1->ClearRows();
    for (const InboxRow& mail : InboxOf(Game.CurrentHumanClub)) {
        const int row = grid1->AddRow();
        grid1->SetCellTextByName("id", row, std::to_string(mail.message));
        grid1->SetCellTextByName("lido", row, mail.read ? kReadImage : kUnreadImage);
        grid1->SetCellTextByName("assunto", row, mail.subject);
        grid1->SetCellTextByName("from", row, mail.sender);
        grid1->SetCellTextByName("coldata", row, mail.date);
    }
    grid1->EndUpdate();
}

int TForm62::SelectedMessage() const
{
    const int row = grid1->SelectedRow();
    if (row < 0 || row >= grid1->RowCount())
        return -1;
    return std::atoi(grid1->GetCellTextByName("id", row).c_str());
}

void TForm62::grid1SelectCell(int row)
{
    if (row < 0 || row >= grid1->RowCount())
        return;
    const int message = std::atoi(grid1->GetCellTextByName("id", row).c_str());
    if (message < 0 || message >= static_cast<int>(MailMessages.size()))
        return;
    const TMailMessage& mail = MailMessages[static_cast<std::size_t>(message)];
    Memo1->SetText(MailBodyText(mail));
    Panel1->SetVisible(mail.answerPending == 1);
    ReadMail(message);
    grid1->SetCellTextByName("lido", row, kReadImage);
}

void TForm62::AnswerClick()
{
    AnswerFineQuestion(SelectedMessage(), false);
    Panel1->Hide();
}

void TForm62::FineClick()
{
    AnswerFineQuestion(SelectedMessage(), true);
    Panel1->Hide();
}

// However the inbox is closed, the hub's header shows what is left unread (and a fine's money).
void TForm62::FormClose()
{
    ShowNewsAfterInbox();
}

}  // namespace tarvelon
