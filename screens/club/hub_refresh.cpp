// The club dialogs' requests to the hub.
#include "screens/club/hub_refresh.h"

#include <string>

#include "core/mail/inbox.h"
#include "core/records/game_state.h"
#include "core/views/hub_views.h"
#include "grid/dg_grid.h"
#include "richtext/html_label.h"
#include "screens/club/hub_screen.h"
#include "screens/common/form_references.h"

namespace tarvelon {

TForm13* OpenHubForm() { return Form13.As<TForm13>(); }

void RefreshOpenHub()
{
    if (TForm13* hub = OpenHubForm())
        hub->ShowClubChanges();
}

void ShowOpenHubAsTheGameHolds()
{
    if (TForm13* hub = OpenHubForm())
        hub->ShowWhatTheGameHolds();
}

void ShowOpenHubCash()
{
    if (TForm13* hub = OpenHubForm())
        hub->ShowCash();
}

void ShowOpenHubCashAndNextMatch()
{
    if (TForm13* hub = OpenHubForm()) {
        hub->ShowCash();
        hub->ShowNextMatch();
    }
}

void RepaintOpenHubRoster()
{
    if (TForm13* hub = OpenHubForm(); hub && hub->gridview1)
        hub->gridview1->Invalidate();
}

void RefillOpenHubRoster()
{
    if (TForm13* hub = OpenHubForm())
        hub->RefreshRosterGrid();
}

void ShowOpenHubRowPrice(int player)
{
    if (TForm13* hub = OpenHubForm())
        hub->ShowSelectedRowPrice(player);
}

void ShowUnreadNews(TForm13& hub)
{
    if (!hub.label32)
        return;
    const int unread = CountUnreadNews(Game.CurrentHumanClub);
    // Nothing unread: the line keeps its words ("Sem mensagens", or the inbox's "Sem novas notícias"),
    // unless they still count news that is read by now.
    if (unread == 0 && !NewsTextCountsUnread(hub.label32->GetDisplayText()))
        return;
    hub.label32->SetHTMLText(UnreadNewsText(unread));
}

void ShowNewsAfterInbox()
{
    TForm13* hub = OpenHubForm();
    if (hub == nullptr)
        return;
    hub->RefreshHubHeader();
    if (hub->label32)
        hub->label32->SetHTMLText(InboxClosedNewsText(CountUnreadMail(Game.CurrentHumanClub)));
}

void RefreshHubRosterAt(int player)
{
    TForm13* hub = OpenHubForm();
    if (hub == nullptr)
        return;
    hub->RefreshRosterGrid();
    TDataGrid* grid = hub->gridview1;
    if (grid == nullptr)
        return;
    const std::string id = std::to_string(player);
    for (int row = 0; row < grid->RowCount(); ++row)
        if (grid->GetCellTextByName("id", row) == id) {
            grid->SetSelectedRow(row);
            break;
        }
    hub->ShowPlayerCard(player);
}

}  // namespace tarvelon
