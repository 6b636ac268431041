#include "screens/competitions/tournament_table_screen.h"

#include <QImage>

#include "core/basics/literal_text.h"
#include "core/records/game_state.h"
#include "core/season/competition_kind.h"
#include "core/tables.h"
#include "core/views/cup_brackets.h"
#include "core/views/national_tournament.h"
#include "platform/forms/cursors.h"
#include "platform/graphics/picture.h"
#include "platform/stdctrls/graphic_controls.h"
#include "screens/common/art/art_kit.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"

namespace tarvelon {

namespace {

constexpr int kNameCut = 26;
constexpr TColor kQualifierColour = 0x800000;  // the first two rows, navy
constexpr TColor kOtherColour = 0x000000;

bool IsClub(int club) { return club >= 0 && club < static_cast<int>(Clubs.size()); }

// The first n characters of a UTF-8 text.
std::string CutText(const std::string& text, int n)
{
    std::size_t at = 0;
    for (int count = 0; at < text.size() && count < n; ++count)
        do
            ++at;
        while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80);
    return text.substr(0, at);
}

std::string TeamName(int club) { return IsClub(club) ? CutText(Clubs[static_cast<std::size_t>(club)].name.str(), kNameCut) : ""; }

void ShowFlag(TImage* image, int club)
{
    if (image == nullptr)
        return;
    if (!IsClub(club)) {
        image->Picture().Clear();
        return;
    }
    const QImage flag = art::CountryFlagIcon(Clubs[static_cast<std::size_t>(club)].Country);
    if (!flag.isNull())
        image->Picture().SetGraphic(std::make_unique<TImageGraphic>(flag, TImageFormat::Png));
}

TLabel* MakeLabel(TGameForm& form, int left, int top, int width, TAlignment alignment, TColor colour, bool bold)
{
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetAutoSize(false);
    label->SetBounds(form.ScaledLength(left), form.ScaledLength(top), form.ScaledLength(width), form.ScaledLength(18));
    label->SetTransparent(true);
    label->SetAlignment(alignment);
    label->SetLayout(tlCenter);
    label->Font().SetName("Arial");
    label->Font().SetHeight(-form.ScaledLength(12));
    label->Font().SetColor(colour);
    if (bold)
        label->Font().SetStyle(TFontStyles{fsBold});
    return label;
}

// The Copa América's and Eurocopa's quarter-final places (positions 9-12) before the draw.
const char* const kCopaAmericaPlaces[8] = {"1º Grupo A ", "2º Grupo B ", "1º Grupo C ", "2º melhor 3º col. ",
                                          "1º Grupo B ", "2º Grupo A ", "1º melhor 3º col. ", "2º Grupo C "};
const char* const kEurocopaPlaces[8] = {"1º Grupo A ", "2º Grupo B ", "1º Grupo C ", "2º Grupo D ",
                                       "1º Grupo B ", "2º Grupo A ", "1º Grupo D ", "2º Grupo C "};
const char* const kLaterPlaces[8] = {"Vencedor jogo 1 ", "Vencedor jogo 2 ", "Vencedor jogo 3 ", "Vencedor jogo 4 ",
                                    "Vencedor jogo 5 ", "Vencedor jogo 6 ", "Perdedor jogo 5 ", "Perdedor jogo 6 "};

}  // namespace

const TScreenRecord TForm78::kScreen{
    .formClass = "TForm78",
    .shows = "Tabela do torneio de seleções",
    .area = TScreenArea::Competitions,
    .modal = true,
    .style = {.closeOnEscape = true},
    .create = NewScreen<TForm78>,
    .file = "screens/competitions/tournament_table_screen.cpp",
};

TForm78::TForm78(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject*) { FormCreate(); });
    BindHandler("FormKeyDown", [this](TObject*, unsigned short& key, TShiftState) {
        if (key == 13) {
            key = 0;
            Close();
        }
    });
    BindHandler("gr1Click", [this](TObject* sender) {
        if (auto* label = dynamic_cast<TLabel*>(sender))
            ChooseGroup(static_cast<int>(label->Tag()));
    });
    BindHandler("p1Click", [this](TObject* sender) { ScoreClick(sender); });
    BindHandler("bt3Click", [this](TObject*) { Close(); });
    ReadDescription();
    for (int g = 0; g < 8; ++g)
        groups[g] = FindChild<TLabel>("gr" + std::to_string(g + 1));
    labgrupo = FindChild<TLabel>("labgrupo");
    for (int m = 0; m < 6; ++m) {
        const std::string n = std::to_string(m + 1);
        matchTeams[2 * m] = FindChild<TLabel>("j" + n + "t1");
        matchTeams[2 * m + 1] = FindChild<TLabel>("j" + n + "t2");
        matchFlags[2 * m] = FindChild<TImage>("e" + std::to_string(2 * m + 1));
        matchFlags[2 * m + 1] = FindChild<TImage>("e" + std::to_string(2 * m + 2));
        matchScores[m] = FindChild<TLabel>("p" + n);
        matchVenues[m] = FindChild<TLabel>("est" + n);
    }
    for (int t = 0; t < 16; ++t) {
        const std::string n = std::to_string(t + 1);
        tieTeams[t] = {FindChild<TLabel>("lo" + n + "1"), FindChild<TLabel>("lo" + n + "2")};
        tieFlags[t] = {FindChild<TImage>("eo" + n + "1"), FindChild<TImage>("eo" + n + "2")};
        tieScores[t] = FindChild<TLabel>("po" + n);
        tieVenues[t] = FindChild<TLabel>("esto" + n);
        tieNumbers[t] = FindChild<TLabel>("num" + n);
    }
    Image1 = FindChild<TImage>("Image1");
}

void TForm78::FormCreate()
{
    const int kind = ShownTournamentKind();
    ShownKind = kind;
    if (kind != kKindWorldCup)
        PlaceContinentalCaptions(kind);
    for (int g = TournamentGroupCount(kind); g < 8; ++g)
        groups[g]->SetVisible(false);
    BuildStandingsTable();
    const int coached = Game.coachedNationalTeam;
    int first = 1;
    if (Game.TournamentStage < 3 && Game.HumanNationCount > 0 && IsClub(coached) &&
        Clubs[static_cast<std::size_t>(coached)].NationalTeamGroup >= 1 &&
        Clubs[static_cast<std::size_t>(coached)].NationalTeamGroup <= TournamentGroupCount(kind))
        first = Clubs[static_cast<std::size_t>(coached)].NationalTeamGroup;
    ChooseGroup(first);
    FillKnockoutRounds(kind);
}

void TForm78::PlaceContinentalCaptions(int kind)
{
    const QImage artwork = art::Picture(kind == kKindCopaAmerica ? "tr_lib" : "tr_cl");
    if (!artwork.isNull())
        Image1->Picture().SetGraphic(std::make_unique<TImageGraphic>(artwork, TImageFormat::Png));
    Image1->SetVisible(true);
    for (int t = 0; t < 8; ++t)
        for (TControl* c : {static_cast<TControl*>(tieTeams[t][0]), static_cast<TControl*>(tieTeams[t][1]),
                            static_cast<TControl*>(tieFlags[t][0]), static_cast<TControl*>(tieFlags[t][1]),
                            static_cast<TControl*>(tieScores[t]), static_cast<TControl*>(tieVenues[t]),
                            static_cast<TControl*>(tieNumbers[t])})
            c->SetVisible(false);
    if (auto* heading = FindChild<TLabel>("hr1"))
        heading->SetVisible(false);
    const char* const* quarterPlaces = kind == kKindCopaAmerica ? kCopaAmericaPlaces : kEurocopaPlaces;
    for (int i = 0; i < 8; ++i) {
        const int position = 8 + i;  // index of positions 9..16
        const std::string first = i < 4 ? quarterPlaces[2 * i] : kLaterPlaces[2 * (i - 4)];
        const std::string second = i < 4 ? quarterPlaces[2 * i + 1] : kLaterPlaces[2 * (i - 4) + 1];
        tieTeams[position][0]->SetCaption(first);
        tieTeams[position][1]->SetCaption(second);
        tieNumbers[position]->SetCaption(std::to_string(i + 1));
    }
    for (int position = 9; position <= 16; ++position)
        tieVenues[position - 1]->SetCaption(TournamentPositionVenue(kind, position));
}

void TForm78::BuildStandingsTable()
{
    for (int r = 0; r < 4; ++r) {
        const int top = 106 + r * 20;
        StandingsRow& row = standings[r];
        const TColor colour = r < 2 ? kQualifierColour : kOtherColour;
        row.place = MakeLabel(*this, 8, top, 20, taCenter, colour, true);
        row.place->SetCaption("--");
        row.flag = new TImage(this);
        row.flag->SetParent(this);
        // A 16 x 18 image beside the place; the flag fits whole inside it, centred.
        row.flag->SetBounds(ScaledLength(32), ScaledLength(top), ScaledLength(16), ScaledLength(18));
        row.flag->SetStretch(true);
        row.flag->SetProportional(true);
        row.flag->SetCenter(true);
        row.name = MakeLabel(*this, 54, top, 136, taLeftJustify, colour, true);
        for (int n = 0; n < 8; ++n) {
            row.numbers[n] = MakeLabel(*this, 190 + n * 26, top, 26, taCenter, colour, false);
            row.numbers[n]->SetCaption("0");
        }
    }
}

void TForm78::ChooseGroup(int group)
{
    if (group < 1 || group > 8)
        return;
    for (TLabel* label : groups) {
        label->Font().SetStyle(TFontStyles{fsUnderline});
        label->SetCursor(crHandPoint);
    }
    groups[group - 1]->Font().SetStyle(TFontStyles{fsBold});
    groups[group - 1]->SetCursor(crDefault);
    labgrupo->SetCaption("Grupo " + groups[group - 1]->Caption());
    FillTournamentGroup(group);
}

void TForm78::FillTournamentGroup(int group)
{
    ShownGroup = group;
    const int kind = ShownKind;
    const std::vector<GroupTableRow> rows = TournamentGroupRows(kind, group);
    for (std::size_t r = 0; r < standings.size(); ++r) {
        StandingsRow& shown = standings[r];
        const bool filled = r < rows.size();
        const GroupTableRow row = filled ? rows[r] : GroupTableRow{};
        shown.place->SetCaption(filled ? row.place : "--");
        ShowFlag(shown.flag, row.club);
        shown.name->SetCaption(CaptionLiteral(TeamName(row.club)));
        const int numbers[8] = {row.points, row.games, row.wins, row.draws, row.losses,
                                row.goalsFor, row.goalsAgainst, row.goalDifference};
        for (int n = 0; n < 8; ++n)
            shown.numbers[n]->SetCaption(std::to_string(numbers[n]));
    }
    const auto matches = TournamentGroupMatches(kind, group);
    for (int m = 0; m < 6; ++m) {
        const GroupMatch& match = matches[m];
        matchTeams[2 * m]->SetCaption(CaptionLiteral(TeamName(match.team1)));
        matchTeams[2 * m + 1]->SetCaption(CaptionLiteral(TeamName(match.team2)));
        ShowFlag(matchFlags[2 * m], match.team1);
        ShowFlag(matchFlags[2 * m + 1], match.team2);
        ShowScore(matchScores[m], match.score, match.report);
        matchVenues[m]->SetCaption(match.venue);
    }
}

void TForm78::FillKnockoutRounds(int kind)
{
    if (kind == kKindWorldCup)
        for (int position = 1; position <= 16; ++position)
            tieVenues[position - 1]->SetCaption(TournamentPositionVenue(kind, position));
    const auto ties = TournamentBracketOf(kind, Game.TournamentStage);
    for (int t = 0; t < 16; ++t) {
        const BracketTie& tie = ties[t];
        if (!tie.Drawn())
            continue;
        tieTeams[t][0]->SetCaption(CaptionLiteral(TeamName(tie.team1) + " "));
        tieTeams[t][1]->SetCaption(CaptionLiteral(" " + TeamName(tie.team2)));
        ShowFlag(tieFlags[t][0], tie.team1);
        ShowFlag(tieFlags[t][1], tie.team2);
        if (tie.report >= 0)
            ShowScore(tieScores[t], tie.score, tie.report);
    }
}

// A played score is underlined under a hand cursor and keeps its report in its Tag.
void TForm78::ShowScore(TLabel* label, const std::string& score, int report)
{
    label->SetCaption(score);
    const bool played = report >= 0;
    label->SetTag(played ? report : -1);
    label->SetCursor(played ? crHandPoint : crDefault);
    label->Font().SetStyle(played ? TFontStyles{fsBold, fsUnderline} : TFontStyles{fsBold});
}

// Besides "x", a score label that shows nothing (a tie not played yet, blank in the form) opens
// nothing: its Tag of 0 would open the report of a match that has nothing to do with it.
void TForm78::ScoreClick(TObject* sender)
{
    auto* label = dynamic_cast<TLabel*>(sender);
    if (label == nullptr || label->Caption() == "x" || label->Caption().empty() || label->Tag() < 0)
        return;
    OpenMatchReport(static_cast<int>(label->Tag()), 1);
}

}  // namespace tarvelon
