#pragma once
// Core's one door to the rest of the program: the questions the rules ask the player (the match
// dialogs, the coach career's and the calendar's screens, the save name), the screen, the clock,
// message boxes and sound output. Every hook is filled at start-up by InstallAutomaticAnswers
// (core/services/automatic_answers.h) with the rules' own answer, the one a headless game plays
// with; the program's start-up then puts the platform's message box, screen size and sound in
// their place, and each screen replaces the hook of its own question once it exists. Tests put
// fakes in. A hook left empty is skipped as its comment says (the answer is then the automatic one).
// Core never includes a window-system header.
#include <cstdint>
#include <functional>
#include <string>

namespace tarvelon {

// What the penalty dialog reports: outcome 1 scored, 2 missed, or kPenaltyLeftToEngine when the
// engine plays the kick by its own rules as on a matchday nobody watches; the player who took it.
inline constexpr int kPenaltyLeftToEngine = 0;
// What the injury dialog answers when no coach is asked: the engine picks the substitute itself.
inline constexpr int kInjuryLeftToEngine = 0;
struct PenaltyDialogAnswer {
    int outcome = 2;
    int taker = -1;
};

struct CoreHooks {
    // The high-resolution clock read to seed the random generator (and by the match engine before each
    // chance test). The program reads the real clock; tests install a deterministic one.
    std::function<std::uint64_t()> highResolutionClock;

    // Sends one multimedia command string (open, play, stop, close a wave sound by alias) and returns
    // its error code (0 = done). Empty: no sound device, nothing is played.
    std::function<std::uint32_t(const std::string& command)> sendSoundCommand;

    // Error text of a multimedia error code.
    std::function<std::string(std::uint32_t code)> soundErrorText;

    // A modal message box with the given text; returns when the player has closed it.
    std::function<void(const std::string& text)> showMessage;

    // Width and height of the screen in pixels.
    std::function<int()> screenWidth;
    std::function<int()> screenHeight;

    // The match engine's questions to the human coach during a match (never asked on a silent
    // matchday or when no human club takes part; empty: the engine decides by itself).
    // The penalty dialog: the kicking club, the defending club and whether the human club kicks
    // (with both clubs human-run, the kicking side's dialog is the one shown).
    std::function<PenaltyDialogAnswer(int kickingClub, int defendingClub, bool humanKicks)> penaltyDialog;
    // The injury-substitution dialog: returns the bench player chosen to replace the injured
    // player of `club` in match `match`, -1 when the coach chose nobody (his side plays one short),
    // or kInjuryLeftToEngine.
    std::function<int(int club, int injuredPlayer, int match)> injurySubstitutionDialog;

    // The coach career's screens (empty: nothing is shown; the rules carry on by themselves).
    // The dismissal screen of a human coach: club, fired coach, replacement (-1 none), before the change.
    std::function<void(int club, int firedCoach, int replacement)> showCoachDismissal;
    // The notice of a computer club's coach change; it reads CoachChangeClub, FiredCoach and the rest.
    std::function<void()> showCoachChange;
    // The job-offer screen for Game.CurrentHumanCoach and JobOffers; it takes one with AcceptJobOffer.
    std::function<void()> showJobOffers;

    // The save-name dialog, asked when a game without a name is saved: lists the saved games and
    // returns the name the player chose with ".nsx" added, or "" when the player cancelled.
    // Empty: no dialog, the game is not saved.
    std::function<std::string()> askSaveName;
    // The penalty shoot-out dialogs of a level knockout tie between ShootoutClubA and ShootoutClubB:
    // with humanTakers the takers dialog comes first (a human club orders its takers), then the
    // kick-by-kick display; it ends with FinishShootout, which sets ShootoutResult. Empty: the
    // shoot-out is kicked out at once by the same rules, with the computer's order of takers.
    std::function<void(bool humanTakers)> shootoutDialog;
    // The live matchday says that ties went to penalties ("Desempate por Penaltis") and holds the
    // picture for `milliseconds`. Empty: nothing is shown.
    std::function<void(int milliseconds)> shootoutNotice;

    // The calendar's screens (empty: nothing is shown). The national-team call-up of human national
    // team `team` (1..6, also in CallUpTeam), and the state champions' table, which only shows
    // StateChampionRows as the rules have decided them (its "Continuar >>" only closes it).
    std::function<void(int team)> showNationalCallUp;
    std::function<void()> showStateChampions;

    // The new-game builder's progress, 10 to 100 at its fixed steps (the builder screen's bar), and
    // a pause after each club's squad is read so that the screen stays alive. Empty: no report.
    std::function<void(int percent)> newGameProgress;
    std::function<void()> newGameStep;
};

// Reports the builder's progress and its steps through the hooks above when they are filled.
void ReportNewGameProgress(int percent);
void ReportNewGameStep();

// The one set of hooks of the program. Before any installer runs: a real clock, no sound, no
// messages, an 800 x 600 screen, every question empty.
CoreHooks& Hooks();

// The real high-resolution clock, as the program reads it.
std::uint64_t RealHighResolutionClock();

// A deterministic clock for tests and headless runs: it advances by varying steps drawn from a
// generator of its own, seeded with `seed`, as a real clock advances between two reads.
void InstallDeterministicClock(std::uint64_t seed);

// Seeds the game's random generator (RandSeed of core/basics/random.h) from the high-resolution clock.
void Randomize();

}  // namespace tarvelon
