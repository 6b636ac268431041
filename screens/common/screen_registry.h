#pragma once
// The registry of the game's screens: every form class, by the name the game gives it ("TForm13"),
// with its stored description, a factory, what it shows, its area, its source file, and how to give
// it a subject on a running game (what its opener would set before creating it).
//
// Every form class of the game is registered as a stub first (stub_catalogue.cpp: a titled form
// with "Continuar"/"Fechar" that keeps the game moving). A built screen takes over its entry by
// registering itself in its area's registration function, which RegisterGameScreens
// (screens/screens_registration.cpp) calls after the stubs:
//
//   // screens/competitions/competition_screens.cpp
//   void RegisterCompetitionScreens()
//   {
//       RegisterBuiltScreen<TForm36>("TForm36", "screens/competitions/standings_screen.cpp",
//                                    SubjectNone);
//   }
//
// The stub's caption, area, way of showing (modal or not) and subject stay unless the built screen
// gives its own. The
// gallery, the walk test and the benchmarks open every entry; the navigator opens screens by name.
#include <functional>
#include <string>
#include <vector>

namespace tarvelon {

class TComponent;
class TGameForm;

enum class TScreenArea { Matchday, Club, Competitions, Editor };
const char* ScreenAreaName(TScreenArea area);

using TScreenFactory = std::function<TGameForm*(TComponent* owner)>;
// Sets the globals the screen reads (its subject) on the running game, as its opener would.
using TScreenSubject = std::function<void()>;

struct TScreenEntry {
    std::string formClass;    // "TForm13"
    std::string description;  // resource name of its stored description (usually the form class)
    std::string shows;        // what it shows, in Portuguese (the stub's caption)
    TScreenArea area = TScreenArea::Club;
    std::string file;         // the source file of the screen
    bool built = false;       // false: a stub keeps its place
    bool modal = true;        // how its opener shows it
    bool replacesGame = false;  // its creation starts a new set-up: a probe keeps the game aside
    TScreenFactory create;
    TScreenSubject subject;   // empty: the screen needs none
};

// Adds an entry or replaces the one of the same form class (keeping what the new one leaves empty,
// the area, and a stub's way of showing when a built screen takes its place).
void RegisterScreen(TScreenEntry entry);

// A built screen: `T` has a constructor T(TComponent* owner).
template <typename T>
void RegisterBuiltScreen(const std::string& formClass, const std::string& file, TScreenSubject subject = {})
{
    TScreenEntry entry;
    entry.formClass = formClass;
    entry.description = formClass;
    entry.file = file;
    entry.built = true;
    entry.create = [](TComponent* owner) -> TGameForm* { return new T(owner); };
    entry.subject = std::move(subject);
    RegisterScreen(std::move(entry));
}

// Marks a registered screen whose creation empties the running game (the new-game screens).
void MarkScreenReplacesGame(const std::string& formClass);

// Null when the class is not registered.
const TScreenEntry* FindScreen(const std::string& formClass);
// Every entry, in the order of the form numbers (TForm1, TForm2, ... Tform43 among them).
std::vector<const TScreenEntry*> RegisteredScreens();

// Sets the subject (when asked) and creates the form, OnCreate included; null for an unknown class.
TGameForm* CreateScreen(const std::string& formClass, TComponent* owner, bool withSubject = false);
TGameForm* CreateScreen(const TScreenEntry& entry, TComponent* owner, bool withSubject = false);

// Forgets every entry (tests).
void ClearScreenRegistry();

}  // namespace tarvelon
