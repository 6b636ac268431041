#pragma once
// The fields where a player types what the game keeps: the names the records keep (the save name,
// coaches' names, the editor's club, stadium, file, player and coach names) and the number boxes
// (bids, prices, wages, seats). A character the field cannot take is refused where it is typed,
// with a message, and the field keeps the text it had.
#include <initializer_list>

namespace tarvelon {

class TEdit;

// Makes each field refuse what the records cannot hold (HoldsInRecords): a keystroke or a paste
// bringing such a character is undone, the caret put back, and "Este caractere não pode ser usado..."
// shown. The field's own OnChange runs as before for every text it keeps. Null fields are skipped.
void RefuseCharactersRecordsCannotHold(std::initializer_list<TEdit*> fields);

// The same for number boxes: they take only digits (after an optional sign, IsNumberBeingTyped),
// and say "Digite apenas números neste campo." for anything else. Call once the field's OnChange
// is bound and its first text set.
void TakeOnlyDigits(std::initializer_list<TEdit*> fields);

}  // namespace tarvelon
