#pragma once
// The registry of the game's screens. Every screen keeps one record beside its class: the form
// class ("TForm36"), what it shows, its area, whether its opener shows it modal, its look and keys
// (TGameFormStyle), its subject (what its opener sets on a running game before creating it), its
// factory, its stored description and its source file. The class declares the record and its
// constructor reads its style and description from it:
//
//   // screens/competitions/standings_screen.h
//   class TForm36 : public TGameForm {
//   public:
//       static const TScreenRecord kScreen;
//       explicit TForm36(TComponent* owner);
//
//   // screens/competitions/standings_screen.cpp
//   const TScreenRecord TForm36::kScreen{
//       .formClass = "TForm36",
//       .shows = "Classificação",
//       .area = TScreenArea::Competitions,
//       .modal = true,
//       .style = {.closeOnEscape = true},
//       .create = NewScreen<TForm36>,
//       .file = "screens/competitions/standings_screen.cpp",
//   };
//   TForm36::TForm36(TComponent* owner) : TGameForm(owner, kScreen) { ... }
//
// RegisterGameScreens (screens/screens_registration.cpp) registers the game's records from one list,
// RegisterEditorScreens (editor/editor_screens.cpp) the editor's. The gallery, the walk test and the
// benchmarks open every record; the navigator opens screens by name.
#include <functional>
#include <string>
#include <vector>

#include "screens/common/game_form.h"

namespace tarvelon {

class TComponent;

// The folder of the screen's code: screens/start/, screens/matchday/, ..., editor/.
enum class TScreenArea { Start, Matchday, Club, Competitions, History, Editor };
const char* ScreenAreaName(TScreenArea area);

using TScreenFactory = std::function<TGameForm*(TComponent* owner)>;
// Sets the globals the screen reads (its subject) on the running game, as its opener would.
using TScreenSubject = std::function<void()>;

struct TScreenRecord {
    std::string formClass = {};    // "TForm13"
    std::string shows = {};        // what it shows, in Portuguese
    TScreenArea area = TScreenArea::Club;
    bool modal = true;             // how its opener shows it
    TGameFormStyle style = {};     // its background, keys and scaling
    TScreenSubject subject = {};   // empty: the screen needs none
    TScreenFactory create = {};
    std::string file = {};         // the source file of the screen
    std::string description = {};  // resource name of its stored description; empty: the form class
    bool replacesGame = false;     // its subject or creation changes the game (a new set-up, a day
                                   // begun or played): a probe keeps the game aside

    const std::string& Description() const { return description.empty() ? formClass : description; }
};

// The factory of a screen class `T` with a constructor T(TComponent* owner).
template <typename T>
TGameForm* NewScreen(TComponent* owner)
{
    return new T(owner);
}

// Adds a record, or replaces the one of the same form class.
void RegisterScreen(TScreenRecord record);

// Null when the class is not registered.
const TScreenRecord* FindScreen(const std::string& formClass);
// Every record, in the order of the form numbers (TForm1, TForm2, ... Tform43 among them).
std::vector<const TScreenRecord*> RegisteredScreens();

// Sets the subject (when asked) and creates the form, OnCreate included; null for an unknown class.
TGameForm* CreateScreen(const std::string& formClass, TComponent* owner, bool withSubject = false);
TGameForm* CreateScreen(const TScreenRecord& screen, TComponent* owner, bool withSubject = false);

// Forgets every record (tests).
void ClearScreenRegistry();

}  // namespace tarvelon
