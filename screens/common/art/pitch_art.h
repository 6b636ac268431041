#pragma once
// The team sheet's pictures: the pitch "campogrande" (465 x 601, seen from above, own goal at the
// bottom), its drag overlay "campoalpha" (a translucent grid of the 25 slots), the shirts
// "camisa0" (empty place) .. "camisa3" (substitute), 55 x 55.
#include <QImage>

namespace tarvelon::art {

inline constexpr int kPitchWidth = 465;
inline constexpr int kPitchHeight = 601;
inline constexpr int kShirtSize = 55;

QImage DrawPitch();
QImage DrawPitchOverlay();
// Shirt 0 empty (an outline), 1 outfield starter, 2 goalkeeper, 3 substitute.
QImage DrawShirt(int kind);

}  // namespace tarvelon::art
