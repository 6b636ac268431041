#pragma once
// The match events' icons (14 x 15): a ball for a goal, a ball with a red stroke for an own goal or
// a missed penalty, the yellow, red and second-yellow cards, the injury cross and the substitution
// arrows. The art kit names them "i_gol", "i_golv", "i_ca", "i_cv", "i_cacv", "i_ct", "i_sub".
#include <QImage>

namespace tarvelon::art {

QImage DrawGoalIcon();
QImage DrawMissIcon();
QImage DrawYellowCardIcon();
QImage DrawRedCardIcon();
QImage DrawSecondYellowIcon();
QImage DrawInjuryIcon();
QImage DrawSubstitutionIcon();

}  // namespace tarvelon::art
