#pragma once
// The standings (TForm36): the tables of the running season, one page per kind: the divisions of a
// national league, the groups of a state championship and the eight groups of each continental club
// cup, every row coloured by what its place gives (continental cups, promotion, relegation). The
// tables are rows of labels made when the screen opens; choosers and buttons refill only what
// they concern.
#include <array>
#include <map>
#include <vector>

#include <QImage>

#include "core/matchday_rules/standings.h"
#include "screens/common/game_form.h"

namespace tarvelon {

class TComboBoxEx;
class TCustomImageList;
class TGradButton;
class TImage;
class TLabel;

// One table: a heading over the names, eight column headings, and its rows of labels.
struct TStandingTable {
    struct Row {
        TLabel* place = nullptr;
        TImage* crest = nullptr;
        TLabel* name = nullptr;
        std::array<TLabel*, 8> numbers{};
    };
    TLabel* heading = nullptr;
    std::array<TLabel*, 8> legend{};
    std::vector<Row> rows;

    void MoveTo(int x, int y);
    void SetVisible(bool visible);
    bool Visible() const;
};

class TForm36 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm36(TComponent* owner);

    TGradButton* Button1 = nullptr;
    TComboBoxEx* comboboxd1 = nullptr;
    TComboBoxEx* combobox1 = nullptr;
    TCustomImageList* flags = nullptr;
    TCustomImageList* stateFlags = nullptr;

    std::array<TGradButton*, 9> pageButtons{};  // but1..but8 by number; [0] unused
    std::array<TGradButton*, 3> divisionLinks{};  // "Ver 2ª divisão", "Ver 3ª divisão", "Ver 4ª divisão"
    int RightDivision = 2;                        // the division the right-hand column shows
    std::array<TLabel*, 7> titles{};             // labtitulo1, 3 and 4 by page number
    std::array<TStandingTable, 4> divisionTables;
    std::array<TStandingTable, 4> stateTables;
    std::array<TStandingTable, 8> continentalTables;

    int ShownStandingsTab = 1;
    bool ShowEuropeanEdition = false;
    int ShownLeague = 0;
    int ShownState = 0;
    std::vector<int> StateComboStates;

    // Page buttons 1..8 (4 and 7, 6 and 8 are the continental cups' two editions).
    void GradButton1Click(int button);
    // The right-hand column shows division 2, 3 or 4 (divisions of 20).
    void ShowRightDivision(int division);
    void FillDivisionTables();
    void FillStateTables();
    void FillContinentalGroupTables();

private:
    void BuildPageButtons();
    void BuildTitles();
    void BuildDivisionTables();
    void BuildStateTables();
    void BuildContinentalGroupTables();
    TStandingTable MakeTable(int rows, const char* heading, bool hints);
    void FillTable(TStandingTable& table, const std::vector<TStandingRow>& rows, const std::vector<int>& colours,
                   bool countryHints);
    void ArrangeDivisionTables();
    void ArrangeStateGroups(int groups);
    void ShowPage(int page);
    const QImage* MiniCrest(int club);

    std::map<int, QImage> crests_;  // the mini crests met, loaded once per club
};

}  // namespace tarvelon
