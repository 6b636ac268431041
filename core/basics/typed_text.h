#pragma once
// What the player types into the game's fields, read one way everywhere.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvelon {

// A whole number of a field: an optional sign, then decimal digits, and nothing else (no blanks,
// no hexadecimal, no decimal point), within 32 bits. Anything else is no number.
std::optional<std::int32_t> ReadWholeNumber(std::string_view text);

// A name of a field without the blanks around it: blanks alone are an empty name.
std::string TypedName(std::string_view text);

// A text the game's records can hold as typed: every character has a form in the records' CP1252
// (Latin letters with their accents, digits, the common signs) and none is a control character.
// Anything else would be stored as another character ("?"), so the fields of names refuse it where
// it is typed, with this message.
bool HoldsInRecords(std::string_view text);
inline constexpr char kCharacterNotHeldMessage[] =
    "Este caractere não pode ser usado: use letras, números e sinais do alfabeto latino.";

// A number box's text while it is typed: empty, or an optional sign followed by decimal digits
// only. Anything else (a blank, a letter, a point) is refused where it is typed, with this message:
// a blank, which the box cannot show, would fill its few places and the number typed after it
// would be no number.
bool IsNumberBeingTyped(std::string_view text);
inline constexpr char kOnlyDigitsMessage[] = "Digite apenas números neste campo.";

// A coach's name as the game keeps it: as typed, cut to the name's 25 characters.
inline constexpr std::size_t kMaxCoachNameLength = 25;
std::string TypedCoachName(std::string_view text);

}  // namespace tarvelon
