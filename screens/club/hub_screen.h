#pragma once
// The hub between matchdays (TForm13): one human club at a time, its header, squad, player card,
// next match with the head-to-head record, money and news; the top bar and keys that open the
// club's screens; saving; and "Escalar Time", which leads through the line-up screen of every human
// coach who plays today to the matchday.
#include <string>

#include "screens/common/game_form.h"

namespace tarvelon {

class TDataGrid;
struct RosterRowView;
struct PostRoundQuestion;
class TDcGlowButton;
class TDcSmoothLabel;
class TDcSmoothProgressBar;
class TGradient;
class TCustomImageList;
class TImage;
class TLabel;
class TMenuItem;
class TPopupMenu;
class TWinControl;
class TRichLabel;
class TTimer;

// The post-round events of the turn have not run yet (set when the hub is created, consumed by the
// first tick of its timer or by the play button, whichever comes first).
extern bool PostRoundPending;

// The cursor id the hub gives the arrow with a ball ("cursor5") that its text links show.
inline constexpr TCursor kHubLinkCursor = 10;

class TForm13 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm13(TComponent* owner);

    void RefreshHub();
    void RefreshHubHeader();
    // After another screen changed the club (its squad, its cash): the roster and the header anew.
    void ShowClubChanges();
    // After any screen the hub opened: the header, the next match and the roster's rows as the game
    // now holds them; the rows keep their order and selection while the squad is the same.
    void ShowWhatTheGameHolds();
    void RefreshRosterGrid();
    void ShowPlayerCard(int player);
    // After the selected player's contract was renewed.
    void ShowRenewedContract(int player);
    // The money label shows the club's cash anew, nothing else changes.
    void ShowCash();
    // The next match (opponent, competition, date) as the calendar and the friendlies have it now.
    void ShowNextMatch();
    // The selected roster row shows the player's price anew (listed for sale, or taken off the list).
    void ShowSelectedRowPrice(int player);
    void ShowHeadToHead(int opponent);
    void FillHeadToHead(int opponent);
    // After a coach confirmed his line-up: the next human coach who plays today, or the matchday.
    void NextHumanCoachOrKickOff();

    // The player of the selected roster row (0 none).
    int SelectedPlayer();
    // The click spot 0..10 of the top bar at a point of the bar as it is drawn now, -1 for none.
    int BarSpotAt(int x, int y) const;
    // What a click on spot 0..10 opens (a menu for the spots that have one).
    void OpenBarSpot(int spot);
    // The menu of a top-bar spot (null for the spots that open a screen at once).
    TPopupMenu* BarMenuOfSpot(int spot);
    // Runs a menu entry of the hub as choosing it does, by the entry's name ("Salvar", "mn_copa", ...).
    void OpenMenuEntry(const std::string& entry);
    // The offers, notices and invitations that follow the round, for the current human club.
    void DispatchPostRoundEvents();

    TImage* nova_barra = nullptr;
    TGradient* Gradient1 = nullptr;
    TImage* escudo = nullptr;
    TDcSmoothLabel* nometime = nullptr;
    TDcSmoothLabel* nometime_shad = nullptr;
    TRichLabel* lb_tec = nullptr;
    TRichLabel* lb_infot = nullptr;
    TRichLabel* lab_data = nullptr;
    TRichLabel* labmoney = nullptr;
    TRichLabel* label32 = nullptr;
    TImage* imgmoral = nullptr;
    TRichLabel* lb_cd = nullptr;
    TRichLabel* lb_ct = nullptr;
    TDcSmoothProgressBar* bar1 = nullptr;
    TDcSmoothProgressBar* bar2 = nullptr;
    TLabel* Label12 = nullptr;
    TLabel* Label23 = nullptr;  // the game's web page
    TLabel* Label24 = nullptr;  // "Próximo jogo"
    TDataGrid* gridview1 = nullptr;
    TRichLabel* lb_total = nullptr;
    TDcGlowButton* btvender = nullptr;
    TDcGlowButton* btalterasal = nullptr;
    TDcGlowButton* btaposenta = nullptr;
    TDcGlowButton* Button4 = nullptr;
    TDcGlowButton* btjogar = nullptr;
    TImage* esc1 = nullptr;
    TRichLabel* lb_infonext = nullptr;
    TImage* Image13 = nullptr;
    TImage* icon_arbitro = nullptr;
    TWinControl* pinfo_panel = nullptr;  // the card: a smooth panel's fill
    TRichLabel* lb_infojogn = nullptr;
    TRichLabel* lb_infojog = nullptr;
    TImage* Image1 = nullptr;
    TImage* Image4 = nullptr;
    TWinControl* p_conf = nullptr;
    TImage* pimg = nullptr;
    TImage* pimg2 = nullptr;
    TRichLabel* lb_conft1 = nullptr;
    TRichLabel* lb_conft2 = nullptr;
    TRichLabel* lb_conf1 = nullptr;
    TRichLabel* lb_conf2 = nullptr;
    TRichLabel* lb_conf3 = nullptr;
    TRichLabel* lb_conf4 = nullptr;
    TTimer* Timer1 = nullptr;
    TCustomImageList* ImageList1 = nullptr;
    TCustomImageList* ImageList2 = nullptr;
    TCustomImageList* ImageList3 = nullptr;
    TCustomImageList* ImageList5 = nullptr;
    TImage* Image10 = nullptr;
    TImage* Image9 = nullptr;  // the money's icon: the club's accounts
    TImage* imgj = nullptr;    // the mail's icon: the inbox
    TRichLabel* lb_cores = nullptr;
    TPopupMenu* PopupMenu1 = nullptr;

private:
    void BindHandlers();
    void FindChildren();
    void FormCreate();
    void FormShow();
    void FormKeyDown(unsigned short& key, TShiftState shift);
    void Timer1Timer();
    void btjogarClick();
    void gridview1SelectCell(int row);
    void gridview1CellColoring(int col, int row, TColor& cellColor, bool selected);
    void gridview1CellFormating(int col, int row, TColor& textColor, bool selected);
    void gridview1HeaderClick(int col);

    void StyleLabels();
    void FillImageLists();
    void SetRosterColumnWidths();
    void Autosave(bool atCreation);
    void RunPostRoundEvents();
    void ShowReferee();
    void FillRosterRow(int player);
    void SetRosterRow(int row, int player);
    void SetRosterMoneyCells(int row, const RosterRowView& view);
    void UpdatePlayerActions();
    void OpenWithPlayer(const std::string& formClass);
    static void OpenFromHub(const std::string& formClass);
    TModalResult ShowScreenModally(const std::string& formClass);

    // Menus and player actions (hub_menus.cpp).
    void BindMenuHandlers();
    bool PopupBarMenu(int spot);
    TPoint BarMenuPlace(int spot) const;  // on the screen, at the menu's fixed point of the bar
    void PopupMenu1Popup();
    void PopupMenu7Popup();
    void SellSelectedPlayer();
    void Button4Click();
    void Resign();

    // Between rounds (hub_post_round.cpp): one question of the round on its modal screen.
    void AskCoach(const PostRoundQuestion& question);
    void KickOff();
    bool ColumnIs(int col, const char* name) const;

    int opponent_ = -1;
    bool descending_ = true;  // the next money sort's direction
    int lastMoneyColumn_ = -1;
    bool lineupOpen_ = false;
    bool moodShownByRound_ = false;  // the mood picture is the round update's (not the season start's)
};

}  // namespace tarvelon
