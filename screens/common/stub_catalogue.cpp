#include "screens/common/stub_catalogue.h"

#include <functional>
#include <string>

#include "core/records/club.h"
#include "core/tables.h"
#include "screens/common/game_flow.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/common/stub_form.h"
#include "screens/common/subjects.h"

namespace tarvelon {

namespace {

using A = TScreenArea;

// How a stub keeps the game moving when "Continuar" is pressed.
enum class Move {
    None,         // it only closes
    PlayDay,      // the hub's play: the matchday with automatic line-ups, then the next screen
    Results,      // the results' "Continuar >>": the calendar advance
    NewSeason,    // the summary's "Continuar >>": the rollover and the new season's first screen
    BackToHub,    // the auction ends on the hub
    QuickNewGame, // the new-game screens: a new game of every league, one human coach
};

// What a stub's opener sets before creating it.
enum class Subject {
    None,
    MarketClub,
    PurchaseOffer,
    LoanRequest,
    Auction,
    RecordClub,
    FixtureListClub,
    HeadToHead,
    TrophyCabinet,
    PlayerRecord,
    CoachRecord,
    TransferList,
    Bracket,
    MatchReport,
};

struct StubRow {
    const char* formClass;
    A area;
    const char* shows;
    bool modal;
    Subject subject;
    Move move;
    TGameFormStyle style;
};

constexpr TGameFormStyle kPlain{};
constexpr TGameFormStyle kAnswered{.swallowAltF4 = true};
constexpr TGameFormStyle kSecondBackground{.background = TBackground::Builder};
constexpr TGameFormStyle kSecondBackgroundAnswered{.background = TBackground::Builder, .swallowAltF4 = true};

// clang-format off
const StubRow kStubs[] = {
    // The matchday.
    {"TForm46", A::Matchday, "Rodada ao vivo", false, Subject::None, Move::PlayDay, kPlain},
    {"TForm67", A::Matchday, "Resultados da rodada", false, Subject::None, Move::Results, kPlain},
    {"TForm87", A::Matchday, "Escalação e tática", true, Subject::None, Move::None, kPlain},
    {"TForm88", A::Matchday, "Gerenciar o time durante a partida", true, Subject::None, Move::None, kPlain},
    {"TForm52", A::Matchday, "Relatório da partida", true, Subject::MatchReport, Move::None, kPlain},
    {"TForm34", A::Matchday, "Pênalti a favor: escolha do batedor", true, Subject::None, Move::None, kAnswered},
    {"TForm54", A::Matchday, "Cobrança de pênalti", true, Subject::None, Move::None, kAnswered},
    {"TForm53", A::Matchday, "Jogador contundido: substituição", true, Subject::None, Move::None, kAnswered},
    {"TForm37", A::Matchday, "Desempate por Penaltis - Seleção dos batedores", true, Subject::None, Move::None, kAnswered},
    {"TForm38", A::Matchday, "Decisão por Penaltis", true, Subject::None, Move::None, kAnswered},
    {"TForm80", A::Matchday, "Árbitro", true, Subject::None, Move::None, kPlain},
    // The club between matchdays.
    {"TForm13", A::Club, "Central do clube", false, Subject::None, Move::PlayDay, kPlain},
    {"TForm40", A::Club, "Nome do jogo salvo", true, Subject::None, Move::None, kAnswered},
    {"TForm41", A::Club, "Substituir o jogo salvo", true, Subject::None, Move::None, kAnswered},
    {"TForm31", A::Club, "Técnico demitido", true, Subject::None, Move::None, kPlain},
    {"TForm14", A::Club, "Mercado de transferências", true, Subject::MarketClub, Move::None, kPlain},
    {"TForm60", A::Club, "Fazer proposta pelo jogador", true, Subject::MarketClub, Move::None, kAnswered},
    {"TForm61", A::Club, "Leilão: lance pelo jogador", true, Subject::MarketClub, Move::None, kAnswered},
    {"TForm49", A::Club, "Pedir jogador emprestado", true, Subject::MarketClub, Move::None, kAnswered},
    {"TForm68", A::Club, "Proposta de compra", true, Subject::PurchaseOffer, Move::None, kAnswered},
    {"TForm59", A::Club, "Proposta de empréstimo", true, Subject::LoanRequest, Move::None, kAnswered},
    {"TForm24", A::Club, "Renovação de contratos", true, Subject::None, Move::None, kPlain},
    {"TForm25", A::Club, "Pedido salarial do jogador", true, Subject::None, Move::None, kAnswered},
    {"TForm23", A::Club, "Venda de jogador em leilão", false, Subject::Auction, Move::BackToHub, kAnswered},
    {"TForm58", A::Club, "Últimas transferências", true, Subject::TransferList, Move::None, kPlain},
    {"TForm28", A::Club, "Empréstimo bancário", true, Subject::None, Move::None, kPlain},
    {"TForm22", A::Club, "Finanças do clube", true, Subject::None, Move::None, kPlain},
    {"TForm8", A::Club, "Estádio e preços dos ingressos", true, Subject::None, Move::None, kPlain},
    {"TForm10", A::Club, "Ampliação do estádio", true, Subject::None, Move::None, kPlain},
    {"TForm44", A::Club, "Venda de jogador", true, Subject::None, Move::None, kPlain},
    {"TForm27", A::Club, "Busca de jogadores", true, Subject::None, Move::None, kPlain},
    {"TForm50", A::Club, "Técnicos Humanos:", true, Subject::None, Move::None, kPlain},
    {"TForm51", A::Club, "Nome do Técnico:", true, Subject::None, Move::None, kAnswered},
    {"TForm30", A::Club, "Convite para ser técnico", true, Subject::None, Move::None, kAnswered},
    {"TForm65", A::Club, "Confirmação", true, Subject::None, Move::None, kAnswered},
    {"TForm57", A::Club, "Mudanças de técnicos", true, Subject::None, Move::None, kPlain},
    {"TForm62", A::Club, "Sua caixa de emails", true, Subject::None, Move::None, kPlain},
    {"TForm85", A::Club, "Amistosos de Pré-temporada", true, Subject::None, Move::None, kPlain},
    {"TForm81", A::Club, "Marcar amistoso", true, Subject::None, Move::None, kPlain},
    {"TForm84", A::Club, "Confirmação de amistoso", true, Subject::None, Move::None, kAnswered},
    {"TForm77", A::Club, "Busca de jogadores para convocação", true, Subject::None, Move::None, kPlain},
    {"TForm48", A::Club, "Aposentadoria do jogador", true, Subject::None, Move::None, kPlain},
    {"TForm72", A::Club, "Falecimento do jogador", true, Subject::None, Move::None, kPlain},
    {"TForm82", A::Club, "Escolher número", true, Subject::None, Move::None, kPlain},
    {"TForm86", A::Club, "Cores do time", true, Subject::None, Move::None, kPlain},
    {"TForm64", A::Club, "Cores de fundo da Lista", true, Subject::None, Move::None, kPlain},
    {"TForm45", A::Club, "Sobre o jogo", true, Subject::None, Move::None, kPlain},
    {"TForm32", A::Club, "Opções do jogo", true, Subject::None, Move::None, kAnswered},
    // Competitions, history and the new game.
    {"TForm1", A::Competitions, "Tarvelon", false, Subject::None, Move::None, kPlain},
    {"TForm9", A::Competitions, "Novo jogo: modo de jogo", false, Subject::None, Move::QuickNewGame, kAnswered},
    {"TForm56", A::Competitions, "Técnicos humanos: divisões de 20 clubes", true, Subject::None, Move::QuickNewGame, kAnswered},
    {"TForm11", A::Competitions, "Técnicos humanos: divisões de 10 clubes", true, Subject::None, Move::QuickNewGame, kAnswered},
    {"TForm39", A::Competitions, "Campeonato personalizado", true, Subject::None, Move::QuickNewGame, kAnswered},
    {"TForm12", A::Competitions, "Inicializando o jogo...", true, Subject::None, Move::QuickNewGame, kSecondBackgroundAnswered},
    {"TForm21", A::Competitions, "Carregar jogo", true, Subject::None, Move::None, kSecondBackground},
    {"TForm26", A::Competitions, "Fim de temporada", false, Subject::None, Move::NewSeason, kPlain},
    {"TForm75", A::Competitions, "Central da seleção", false, Subject::None, Move::PlayDay, kSecondBackground},
    {"TForm76", A::Competitions, "Convite para técnico de seleção", true, Subject::None, Move::None, kAnswered},
    {"TForm78", A::Competitions, "Tabela do torneio de seleções", true, Subject::None, Move::None, kPlain},
    {"TForm66", A::Competitions, "Campeões estaduais", true, Subject::None, Move::None, kPlain},
    {"TForm36", A::Competitions, "Classificação", true, Subject::None, Move::None, kPlain},
    {"TForm63", A::Competitions, "Jogos e resultados por rodada", true, Subject::None, Move::None, kPlain},
    {"TForm35", A::Competitions, "Chaveamento da copa nacional", true, Subject::None, Move::None, kPlain},
    {"TForm69", A::Competitions, "Chaveamento da copa continental", true, Subject::Bracket, Move::None, kPlain},
    {"TForm19", A::Competitions, "Galeria de Troféus", true, Subject::CoachRecord, Move::None, kPlain},
    {"TForm74", A::Competitions, "Sala de troféus do clube", true, Subject::TrophyCabinet, Move::None, kPlain},
    {"TForm55", A::Competitions, "Campanhas do clube", true, Subject::RecordClub, Move::None, kPlain},
    {"TForm29", A::Competitions, "Galeria de campeões", true, Subject::None, Move::None, kPlain},
    {"TForm20", A::Competitions, "Artilheiros", true, Subject::None, Move::None, kPlain},
    {"TForm18", A::Competitions, "Jogos do clube na temporada", true, Subject::FixtureListClub, Move::None, kPlain},
    {"TForm16", A::Competitions, "Carreira do jogador", true, Subject::PlayerRecord, Move::None, kPlain},
    {"TForm47", A::Competitions, "Ranking de técnicos", true, Subject::CoachRecord, Move::None, kPlain},
    {"TForm71", A::Competitions, "Ranking de clubes", true, Subject::None, Move::None, kPlain},
    {"TForm15", A::Competitions, "Confronto direto", true, Subject::HeadToHead, Move::None, kPlain},
    // The team database editor.
    {"TForm2", A::Editor, "Carregando o editor de equipes", true, Subject::None, Move::None, kSecondBackground},
    {"TForm3", A::Editor, "Editor de equipes", false, Subject::None, Move::None, kPlain},
    {"TForm7", A::Editor, "Adicionar Equipe", true, Subject::None, Move::None, kPlain},
    {"TForm4", A::Editor, "Editar Equipe", true, Subject::None, Move::None, kPlain},
    {"TForm73", A::Editor, "Seleção nacional", true, Subject::None, Move::None, kPlain},
    {"TForm5", A::Editor, "Adicionar jogador", true, Subject::None, Move::None, kPlain},
    {"TForm6", A::Editor, "Editar jogador", true, Subject::None, Move::None, kPlain},
    {"TForm79", A::Editor, "Transferir Jogador", false, Subject::None, Move::None, kPlain},
    {"Tform43", A::Editor, "Selecione o arquivo", true, Subject::None, Move::None, kPlain},
};
// clang-format on

int CoachOf(int club)
{
    return club >= 0 && club < static_cast<int>(Clubs.size()) ? Clubs[club].coach : -1;
}

void SetSubject(Subject subject)
{
    switch (subject) {
    case Subject::None: break;
    case Subject::MarketClub: MarketClub = SubjectOtherClub(); break;
    case Subject::PurchaseOffer:
        OfferingClub = SubjectOtherClub();
        DealPlayer = SubjectPlayer();
        break;
    case Subject::LoanRequest:
        LoanRequestClub = SubjectOtherClub();
        LoanRequestPlayer = SubjectPlayer();
        break;
    case Subject::Auction:
        AuctionRound = 1;
        AuctionPlayer = SubjectPlayer();
        break;
    case Subject::RecordClub: RecordClub = SubjectClub(); break;
    case Subject::FixtureListClub: FixtureListClub = SubjectClub(); break;
    case Subject::HeadToHead: HeadToHeadClubs = {SubjectClub(), SubjectOtherClub()}; break;
    case Subject::TrophyCabinet: TrophyCabinetClub = SubjectClub(); break;
    case Subject::PlayerRecord: SelectedRecord = SubjectPlayer(); break;
    case Subject::CoachRecord: SelectedRecord = CoachOf(SubjectClub()); break;
    case Subject::TransferList: TransferListMode = 1; break;
    case Subject::Bracket: BracketCompetition = 4; break;
    case Subject::MatchReport:
        MatchReportIndex = SubjectMatchReport();
        ReportMode = 1;
        break;
    }
}

std::function<void()> MoveOf(Move move)
{
    switch (move) {
    case Move::None: return {};
    case Move::PlayDay: return [] { OpenTodaysMatchday(); };
    case Move::Results: return [] { OpenAfterCalendar(ContinueFromResults()); };
    case Move::NewSeason: return [] { OpenSeasonStart(ContinueIntoNewSeason()); };
    case Move::BackToHub: return [] { OpenScreen("TForm13"); };
    case Move::QuickNewGame: return [] { OpenFirstScreenOfNewGame(StartQuickNewGame()); };
    }
    return {};
}

}  // namespace

void RegisterStubScreens()
{
    for (const StubRow& row : kStubs) {
        TScreenEntry entry;
        entry.formClass = row.formClass;
        entry.description = "TStubForm";
        entry.shows = row.shows;
        entry.area = row.area;
        entry.modal = row.modal;
        entry.create = [row](TComponent* owner) -> TGameForm* {
            return new TStubForm(owner, row.formClass, row.shows, row.style, MoveOf(row.move));
        };
        if (row.subject != Subject::None)
            entry.subject = [subject = row.subject] { SetSubject(subject); };
        RegisterScreen(std::move(entry));
    }
}

}  // namespace tarvelon
