#pragma once
// The pictures of the screens' lists: the tick boxes of the country and league lists (16 x 16), an
// empty box ("tick0") and a ticked one ("tick1"), and the palette that opens the list colours
// ("paleta", 40 x 40), and the inbox's letters (16 x 16): sealed for a new message ("carta0"), open
// for one already read ("carta1").
#include <QImage>

namespace tarvelon::art {

QImage DrawEmptyTick();
QImage DrawTick();
QImage DrawPalette();
QImage DrawSealedLetter();
QImage DrawOpenLetter();

}  // namespace tarvelon::art
