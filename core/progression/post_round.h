#pragma once
// What reaches a human club between two rounds, in the game's order, wherever its coach meets it: the
// hub's opening (the auction's price margin, the loans that ran out), the club's own updates each time
// the hub shows it (one finished stadium expansion, the round's sales, morale and mood, the squad's
// count, the contract warnings), then the questions that wait for the coach: a purchase offer, a loan
// request, a death, the national-team invitations.
//
// Each question is answered before the next one is drawn (a player sold is no longer in the squad the
// next draw looks at), so the questions come one at a time from PostRound::Next. The hub answers them
// on its modal screens; a headless game answers them automatically (AnswerAutomatically) through the
// same rules.

namespace tarvelon {

// The hub's opening: the auction's price margin for the series to come (-10, 0 or +5 per cent) and the
// loans that ran out by today returned.
void PrepareHubStart();

// What the hub does for `club` each time it shows it: one finished stadium expansion, the round's
// updates (skipped while a game, a season or a loaded game has not yet passed its first hub), the
// players available counted, the contract warnings and the old news counted as read.
void PrepareClubForHub(int club);

// The contracts of every human club, on each day the calendar reaches, whether or not its hub
// opens that day: a warning or notice is dated the day it is due, the roster's order kept.
void CheckHumanClubsContracts();

enum class PostRoundAsk {
    Done,                // nothing more this round
    PurchaseOffer,       // `club` offers for `player`
    LoanRequest,         // `club` asks for `player` on loan
    DeathNotice,         // `player` died (he has left the club already)
    NationalInvitation,  // the coach is invited to lead a national team in `tournament`
};

struct PostRoundQuestion {
    PostRoundAsk ask = PostRoundAsk::Done;
    int club = -1;       // the computer club that offers or asks
    int player = 0;      // the player offered for, asked for, or who died
    int tournament = 0;  // the invitation's tournament: 7 World Cup, 8 Copa América, 9 Eurocopa
};

// The questions of one round for one club, drawn one at a time: each Next draws on until the next
// question for the coach (the caller answers it before it calls Next again), and Done at the end,
// which also closes a season's first hub (SeasonStartPending). The first hub of a game, a season or
// a loaded game asks nothing.
class PostRound {
public:
    explicit PostRound(int club);

    // Whether this round asks anything at all (no questions on a season's first hub).
    bool Asks() const { return asks_; }

    PostRoundQuestion Next();

private:
    enum Step { kPurchase, kLoan, kDeath, kWorldCup, kCopaAmerica, kEurocopa, kEnd, kClosed };
    PostRoundQuestion Ask(Step step) const;

    int club_;
    bool asks_;
    int step_ = kPurchase;
};

// The answer of a coach who lets everything go by, given as the screens give it: an offer priced as
// its screen prices it on opening and refused, a loan request refused, a death acknowledged, an
// invitation declined.
void AnswerAutomatically(const PostRoundQuestion& question);

// Every question of the round for `club`, each answered automatically.
void AnswerPostRoundAutomatically(int club);

}  // namespace tarvelon
