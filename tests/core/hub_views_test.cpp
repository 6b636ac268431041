// What the hub shows of a club, as exact texts: the next match by competition, the head-to-head
// panel, roster rows (conditions, traits repaired, contract warnings), the card, the division
// line, unread news, money beyond 32 bits and the dismissal notice's reasons.
#include <gtest/gtest.h>

#include "core/season/calendar.h"

#include "core/career/career_state.h"
#include "core/club_rosters.h"
#include "core/records/cup_tie.h"
#include "core/format/money_format.h"
#include "core/season/fixtures.h"
#include "core/views/dismissal_text.h"
#include "core/views/hub_views.h"
#include "tests/core/economy_test_world.h"

namespace tarvelon {
namespace {

class HubViewsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testworld::Build({{29, 1}});
        testworld::MakeHuman(0);
        Fixtures.clear();
        AppendFixture(3, 0, 1, 1, 0, 1, -1, TodayDate());
        Clubs[3].Place[1] = 7;
        player_ = PlayersOfClub(0).front();
    }
    int player_ = 0;
};

TEST_F(HubViewsTest, TheNextMatchTextFollowsTheCompetitionOfTheDay)
{
    Game.DayKind = 1;
    Game.LeagueRound = 1;
    Game.LeagueTurn = 1;
    NextMatchView next = NextMatchOf(0);
    EXPECT_EQ(next.opponent, 3);
    EXPECT_EQ(next.html, "<shad>Clube 3 </shad><br><shad>Campeonato Brasileiro</shad><br><shad>Fora - 1ª rodada/1º turno</shad>");
    Game.LeagueRound = 4;
    Game.LeagueTurn = 2;
    EXPECT_EQ(NextMatchOf(0).html,
              "<shad>Clube 3  - 7º colocado</shad><br><shad>Campeonato Brasileiro</shad><br><shad>Fora - 4ª rodada/2º turno</shad>");
    // The home side's text, on a friendly day: "Casa" without a stage.
    Game.DayKind = 0;
    Fixtures[0].kind = 0;
    const NextMatchView friendly = NextMatchOf(3);
    EXPECT_EQ(friendly.opponent, 0);
    EXPECT_EQ(friendly.html, "<shad>Clube 0 </shad><br><shad>Amistoso</shad><br><shad>Casa</shad>");
    Game.DayKind = 2;
    Game.NationalCupStage = 2;
    Game.NationalCupLeg = 2;
    EXPECT_EQ(NextMatchOf(0).html,
              "<shad>Clube 3 </shad><br><shad>Copa do Brasil</shad><br><shad>Fora - Oitavas de final - 2º jogo</shad>");
    Game.DayKind = 4;
    Game.FirstContinentalStage = 6;
    Game.FirstContinentalLeg = 2;
    EXPECT_NE(NextMatchOf(0).html.find("Taça Libertadores</shad><br><shad>Fora - semi-final - 2º jogo"), std::string::npos);
    // Stages 7 and 8 are both the final; a stage beyond has no words, only the venue.
    Game.FirstContinentalStage = 8;
    EXPECT_NE(NextMatchOf(0).html.find("<shad>Fora - final - 2º jogo</shad>"), std::string::npos);
    for (int stage : {9, 12}) {
        Game.FirstContinentalStage = stage;
        EXPECT_EQ(NextMatchOf(0).html, "<shad>Clube 3 </shad><br><shad>Taça Libertadores</shad><br><shad>Fora - </shad>");
    }
    // The club world cup's opponent comes from its ties, with no venue; its stage line is "Japão".
    Game.DayKind = 5;
    Game.ClubWorldCupStage = 1;
    ClubWorldCupTies[1].firstTeam = 0;
    ClubWorldCupTies[1].secondTeam = 3;
    EXPECT_EQ(NextMatchOf(0).html, "<shad>Clube 3 </shad><br><shad>Mundial Interclubes</shad><br><shad>Japão</shad>");
    // No fixture today: no opponent and a plain line.
    Fixtures.clear();
    Game.DayKind = 1;
    EXPECT_EQ(NextMatchOf(0).opponent, -1);
}

TEST_F(HubViewsTest, TheRefereeIsTheOneTheClubsMatchWillHave)
{
    for (int r = 0; r < 12; ++r)
        Game.MatchReferees[r] = 20 + r;
    Game.DayKind = 1;
    // Today's league list of region 0: a played match and another league's match do not count.
    Fixtures.clear();
    AppendFixture(1, 2, 1, 1, 0, 1, -1, TodayDate());
    AppendFixture(4, 5, 1, 1, 1, 1, -1, TodayDate());  // another league
    AppendFixture(6, 7, 1, 1, 0, 1, -1, TodayDate());
    Fixtures.back().played = 1;
    AppendFixture(8, 9, 1, 1, 0, 1, -1, TodayDate());
    AppendFixture(3, 0, 1, 1, 0, 1, -1, TodayDate());
    EXPECT_EQ(RefereeOfClubsMatchToday(0, 1), 22);  // the third match of the list
    EXPECT_EQ(RefereeOfClubsMatchToday(1, 1), 20);
    EXPECT_EQ(RefereeOfClubsMatchToday(4, 1), 20);
    // A club world cup day: the turn's slot of the pool of the club's country.
    Game.DayKind = 5;
    EXPECT_EQ(RefereeOfClubsMatchToday(0, 2), 21);
}

TEST_F(HubViewsTest, TheHeadToHeadPanelWithoutMeetings)
{
    const HeadToHeadView view = HeadToHeadOf(0, 3);
    EXPECT_EQ(view.summary, "<shad>Histórico de Confrontos  0 jogos (0 empates)</shad>");
    EXPECT_EQ(view.lines,
              "<shad>Clube 0<IND x=\"150\">0V<IND x=\"180\">0D<IND x=\"210\">0GP<IND x=\"250\">0GC</shad><br><br>"
              "<shad>Clube 3<IND x=\"150\">0V<IND x=\"180\">0D<IND x=\"210\">0GP<IND x=\"250\">0GC</shad>");
    EXPECT_EQ(view.lastGame, "<shad><b>Último jogo</b></shad><br><shad>Este é o primeiro jogo entre estes times</shad>");
    EXPECT_EQ(view.ownTitle, "<shad><u>Clube 0</u></shad>");
}

TEST_F(HubViewsTest, RosterRowsShowConditionsTraitsAndContractWarnings)
{
    TPlayer& p = Players[player_];
    p.Position = 3;
    p.Star = 1;
    p.Trait1 = 20;  // out of range: repaired and stored back
    p.Trait2 = 20;
    p.Morale = 2;
    p.ContractEnd = TodayDate() + 8;
    RosterRowView row = RosterRowOf(player_);
    EXPECT_EQ(p.Trait1, 13);
    EXPECT_EQ(p.Trait2, 11);
    EXPECT_EQ(row.traits, std::string(TraitAbbreviations[13]) + "/" + TraitAbbreviations[11]);
    EXPECT_EQ(row.traitsHint, std::string(TraitNames[13]) + "/" + TraitNames[11]);
    EXPECT_EQ(row.condition, 12);  // a star without a condition
    EXPECT_EQ(row.colstatus, "");
    EXPECT_EQ(row.moraleImage, 9);
    EXPECT_EQ(row.wageHint, "Contrato expira em menos de 3 semanas");
    p.ContractEnd = TodayDate() + 7;
    EXPECT_EQ(RosterRowOf(player_).wageHint, "Contrato expira em 1 semana");
    p.ContractEnd = TodayDate() - 1;
    EXPECT_EQ(RosterRowOf(player_).wageHint, "Contrato expirado");
    p.Trait1 = p.Trait2 = 7;
    EXPECT_EQ(RosterRowOf(player_).traits, TraitNames[7]);
    p.Bans[Game.DayKind] = 2;
    row = RosterRowOf(player_);
    EXPECT_EQ(row.condition, 5);  // banned star
    EXPECT_EQ(row.colstatus, "3");
    p.YellowCards[Game.DayKind] = 3;
    EXPECT_EQ(RosterRowOf(player_).condition, 8);
    EXPECT_NE(PlayerCardText(player_, false).find("Suspenso por 1 jogo: 3 cartões amarelos"), std::string::npos);
    p.YellowCards[Game.DayKind] = 0;
    EXPECT_NE(PlayerCardText(player_, false).find("Suspenso por 2 jogo(s)"), std::string::npos);
    p.ShirtNumber = 10;
    EXPECT_EQ(PlayerCardName(player_, false), "<B><SHAD>10 - " + p.Name.str() + "<IND x=\"150\">M</SHAD></B>");
}

TEST_F(HubViewsTest, HeaderLinesNewsAndMoneyBeyond32Bits)
{
    Clubs[0].Division = 2;
    Clubs[0].Place[1] = 5;
    Game.DayKind = 1;
    EXPECT_EQ(DivisionText(0), "2ª divisão - 5º colocado");
    Clubs[0].Place[1] = 0;
    EXPECT_EQ(DivisionText(0), "2ª divisão");
    MailMessages.clear();
    Game.DayIndex = 60;  // well into the season
    TMailMessage fresh{};
    fresh.recipientClub = 0;
    fresh.date = TodayDate() - 3;
    TMailMessage old = fresh;
    old.date = TodayDate() - 15;
    // Dated on a match day of the clubs: a hub could show it that day.
    for (int day = Game.DayIndex - 1; day >= 1; --day)
        if (Calendar[day].dayKind >= 1 && Calendar[day].dayKind <= 6 && Calendar[day].date <= TodayDate() - 15) {
            old.date = Calendar[day].date;
            break;
        }
    ASSERT_LE(old.date, TodayDate() - 15);
    MailMessages = {fresh, old, fresh};
    EXPECT_EQ(CountUnreadNews(0), 2);
    EXPECT_EQ(MailMessages[1].read, 1);  // older than two weeks: read by showing the hub
    EXPECT_EQ(FormatMoneyWords64(1'500'000), "1 milhão 500 mil");
    EXPECT_EQ(FormatMoneyWords64(5'000'000'000), "5 bilhões 000 milhões ");
    EXPECT_EQ(FormatMoneyWords64(12'345'678'000), "12 bilhões 345 milhões 678 mil");
}

TEST_F(HubViewsTest, DismissalReasonsFollowSupportersMoneyDivisionAndResignation)
{
    TClub& c = Clubs[0];
    c.SupportersMood = 20;
    c.cash = CurrencyFromUnits(-10);
    EXPECT_EQ(DismissalReason(0, false), "pois você estava levando nosso clube para um pântano de dívidas sem fim");
    c.SupportersMood = 10;
    EXPECT_EQ(DismissalReason(0, false),
              "porque a pressão da torcida foi grande pois seus resultados não estavam sendo bons");
    c.cash = CurrencyFromUnits(10);
    c.SupportersMood = 15;
    EXPECT_EQ(DismissalMessage(0, c.coach, false),
              Coaches[c.coach].name.str() + ", Clube 0 resolveu lhe demitir,você não foi aprovado como treinador de "
                                            "nosso clube, da próxima vez tente ter melhores resultados.");
    EXPECT_EQ(DismissalReason(0, true), "conforme você solicitou, boa sorte no próximo clube");
    c.Division = 0;
    EXPECT_EQ(DismissalReason(0, false),
              "nosso time está fora do próximo campeonato nacional. Boa sorte em um novo clube.");
}

}  // namespace
}  // namespace tarvelon
