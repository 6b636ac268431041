#pragma once
// The national-team tournament table (TForm78): the standings and six matches of one group, chosen
// with the group letters, and the knockout rounds with the scores played so far; a played score
// opens its match report.
#include <array>
#include <vector>

#include "screens/common/game_form.h"

namespace tarvelon {

class TGradButton;
class TImage;
class TLabel;

class TForm78 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm78(TComponent* owner);

    struct StandingsRow {
        TLabel* place = nullptr;
        TImage* flag = nullptr;
        TLabel* name = nullptr;
        std::array<TLabel*, 8> numbers{};
    };

    std::array<TLabel*, 8> groups{};
    TLabel* labgrupo = nullptr;
    std::array<StandingsRow, 4> standings{};
    std::array<TLabel*, 12> matchTeams{};   // j1t1, j1t2, ... j6t2
    std::array<TImage*, 12> matchFlags{};   // e1 .. e12
    std::array<TLabel*, 6> matchScores{};   // p1 .. p6
    std::array<TLabel*, 6> matchVenues{};   // est1 .. est6
    std::array<std::array<TLabel*, 2>, 16> tieTeams{};  // lo<t>1, lo<t>2
    std::array<std::array<TImage*, 2>, 16> tieFlags{};  // eo<t>1, eo<t>2
    std::array<TLabel*, 16> tieScores{};    // po<t>
    std::array<TLabel*, 16> tieVenues{};    // esto<t>
    std::array<TLabel*, 16> tieNumbers{};   // num<t>
    TImage* Image1 = nullptr;

    int ShownKind = 7;   // the tournament shown (7, 8 or 9)
    int ShownGroup = 1;
    void FillTournamentGroup(int group);
    void ChooseGroup(int group);

private:
    void FormCreate();
    void BuildStandingsTable();
    void PlaceContinentalCaptions(int kind);
    void FillKnockoutRounds(int kind);
    void ShowScore(TLabel* label, const std::string& score, int report);
    void ScoreClick(TObject* sender);
};

}  // namespace tarvelon
