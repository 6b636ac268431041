#pragma once
// The forms that other screens reach through a global variable of the game: the title screen (its
// flag lists serve every screen), the hub (refreshed by the screens that change the human club),
// the matchday and results screens, the national-team hub, the line-up screen and the in-match
// screen. Each becomes empty when its form is freed. A game form fills its own reference when it is
// created (TGameForm's constructor does it from the form class).
#include <string>

#include "screens/common/form_reference.h"

namespace tarvelon {

class TGameForm;

extern TFormRef<TGameForm> Form1;   // title screen, alive for the whole run
extern TFormRef<TGameForm> Form13;  // hub between matchdays
extern TFormRef<TGameForm> Form46;  // live matchday
extern TFormRef<TGameForm> Form67;  // results of the day
extern TFormRef<TGameForm> Form75;  // national-team hub
extern TFormRef<TGameForm> Form87;  // line-up and tactics
extern TFormRef<TGameForm> Form88;  // in-match management

// The global reference of a form class ("TForm13" -> Form13); null for classes without one.
TFormRef<TGameForm>* FormReferenceOf(const std::string& formClass);

}  // namespace tarvelon
