#pragma once
// What the options screens change: each choice acts at once on the running game (so it is saved
// with it) and writes its key of section "opcoes", so the next new game starts with it.
#include "core/basics/color.h"

namespace tarvelon {

// The row of a speed list that shows a tick interval (4000 -> 0 .. 100 -> 5, and 10 -> 6 in the
// list without human clubs); an interval the list lacks shows the 600 ms row.
int SpeedIndexOfTick(int tick, bool withHyperSpeed);

void ChooseHumanMatchSpeed(int index);   // "opvelocidade"
void ChooseOtherMatchSpeed(int index);   // "opnhvelocidade"
void ChooseAutosave(int index);          // "opsalvar", 0..3
void ChooseContractNotices(int index);   // "opemails", 0..3
// The view of continental cup `cup` 0..3 ("opver41", "opver42", "opver61", "opver62"): 0 or 1.
void ChooseContinentalDisplay(int cup, int index);
void ChooseWatchOtherShootouts(bool on);     // "op_verpenalty"
void ChooseShowCoachChanges(bool on);        // "opvertrocatecnicos"
void ChooseHalfTimeSubstitutions(bool on);   // "opintervalo"
void ChooseSound(bool on);                   // "opsom"
void ChooseBoldHomeEvents(bool on);          // "opnegrito"
void ChooseColouredPlayerLists(bool on);     // "opcornalista"
void ChooseAutomaticContracts(bool on);      // "opcontrato"
// Whether league `league` is shown at the end of a matchday (kept in the game only).
void ChooseLeagueShown(int league, bool shown);

// The list colour of position 0..4 ("cor0" .. "cor4").
void ChooseListColor(int position, TColor color);
// "Cores Padrão": the five default colours, written and kept.
void ResetListColors();

}  // namespace tarvelon
