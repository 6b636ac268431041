#pragma once
// The tick boxes of the screens' country and league lists (16 x 16): an empty box ("tick0") and a
// ticked one ("tick1").
#include <QImage>

namespace tarvelon::art {

QImage DrawEmptyTick();
QImage DrawTick();

}  // namespace tarvelon::art
