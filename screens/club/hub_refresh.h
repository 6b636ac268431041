#pragma once
// What the club's dialogs ask of the hub after they changed the human club (its cash, its squad): the
// hub, when it is open, shows the change itself.
namespace tarvelon {

class TForm13;

// The hub when it is open, else null.
TForm13* OpenHubForm();

// The open hub shows the club anew: header, money and roster. The round's updates (stadium works,
// sales, morale) are not run again: they belong to the hub's creation and to each coach's turn.
void RefreshOpenHub();

// After any screen the hub opened: the open hub's counts and lists show what the game now holds
// (header, news, cash, next match, the roster's rows), its selected player and order kept while the
// squad is the same.
void ShowOpenHubAsTheGameHolds();

// The open hub's money label shows the club's cash anew (after the bank or the stadium moved it),
// its roster and the selected player left as they are.
void ShowOpenHubCash();

// The open hub shows the cash and the next match anew, after a friendly was booked.
void ShowOpenHubCashAndNextMatch();

// The open hub's roster paints its rows anew (in the list colours, when they are used).
void RepaintOpenHubRoster();
// The open hub's roster is filled anew: standard order, first row selected.
void RefillOpenHubRoster();

// The open hub's selected roster row shows the player's price anew, after he was listed for sale.
void ShowOpenHubRowPrice(int player);

// The hub's news line counts the club's unread messages (news older than two weeks counts as read),
// whatever changed them since it was last drawn; with none unread it keeps its words.
void ShowUnreadNews(TForm13& hub);

// The open hub draws its header anew after the inbox closed, its news line saying what is left unread
// ("Sem novas notícias" when nothing is).
void ShowNewsAfterInbox();

// The hub rebuilds its roster and selects the row of `player` (when he is listed) with his card.
void RefreshHubRosterAt(int player);

}  // namespace tarvelon
