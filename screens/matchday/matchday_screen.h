#pragma once
// The live matchday (TForm46): every match of one competition day on its row (venue, both clubs in
// their colours with their crests, score, last event with its icon, crowd), grouped on panels by
// division, group or stage, with the match clock driving the engine tick by tick. After the last
// tick the day is booked, further leagues or states of the day are played (shown again on this
// screen, or at once), and the results screen follows.
#include <array>
#include <vector>

#include "screens/common/game_form.h"

namespace tarvelon {

class TGauge;
class TImage;
class TLabel;
class TPanel;
class TRichLabel;
class TTimer;

// The controls of one match row.
struct TMatchRow {
    TLabel* est = nullptr;
    TLabel* labt1 = nullptr;
    TLabel* labp1 = nullptr;
    TLabel* labx = nullptr;
    TLabel* labp2 = nullptr;
    TLabel* labt2 = nullptr;
    TImage* esc1 = nullptr;
    TImage* esc2 = nullptr;
    TImage* imgeven = nullptr;
    TLabel* labeven = nullptr;  // hidden; the event's text is labeven_n's
    TRichLabel* labeven_n = nullptr;
    TLabel* labpub = nullptr;
};

inline constexpr int kMaxMatchdayRows = 40;

class TForm46 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm46(TComponent* owner);

    TLabel* lcamp = nullptr;
    TLabel* Label1 = nullptr;
    TGauge* g1 = nullptr;
    TLabel* labtempo = nullptr;
    std::array<TLabel*, 5> labv{};  // labv2..labv4 at 2..4
    TTimer* ralt1 = nullptr;        // the match clock

    std::vector<TPanel*> panels;
    std::array<TMatchRow, kMaxMatchdayRows + 1> rows{};

    int MatchTick() const { return matchTick_; }
    int MatchHalf() const { return matchHalf_; }
    // The minute of the running half the clock's gauge shows (0 before its first minute).
    int MinuteOfHalf() const;
    bool HalfTimeBreak() const { return halfTimeBreak_ == 1; }
    int ShownDivision() const { return shownDivision_; }
    // How many shown matchdays this screen has played (a league day shows one per shown league).
    int DaysShown() const { return daysShown_; }

    // One tick of the clock (what the timer runs).
    void MatchdayTick();
    // Writes event e of MatchEvents onto its match's row, with its sound and the red-card pause.
    void ShowMatchEvent(int e);
    // Says that the day's level ties went to penalties and holds the picture a moment.
    void ShowShootoutNotice(int milliseconds);
    // Shows division 2, 3 or 4 in the lower panel of a divisions-of-20 league day.
    void ShowDivision(int division);

private:
    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void FormKeyDown(TObject* sender, unsigned short& key, TShiftState shift);
    void labeleClick(TObject* sender);
    void MatchRowClick(TObject* sender);

    void StartShownMatchday();
    void BuildMatchdayPanels();
    void ClearPanels();
    void CreateRow(TPanel* panel, int m, int top);
    void FillRows();
    void PlaceDivisionLinks();
    void ClearEventTexts();
    void StartClock();
    void HalfTime();
    void EndOfShownMatchday();
    void ShowMatchdayResults();
    void OpenInMatchScreen(int match, int side);

    int matchTick_ = 0;
    int matchHalf_ = 1;
    int halfTimeBreak_ = 0;
    int shownDivision_ = 2;
    int daysShown_ = 0;
    bool divisionsShareOnePlace_ = false;
    std::vector<TLabel*> headings_;
};

}  // namespace tarvelon
