#pragma once
// Names the players gave (players, coaches, clubs, saves) shown exactly as typed. The rich-text
// captions read "<", ">" and "&" as markup, and the plain captions read "&" as the mark of an
// underlined letter; a name goes through one of these where it joins such a text. The game's own
// markup and captions never go through them.
#include <string>
#include <string_view>

namespace tarvelon {

// The text as rich-text markup that shows it literally, in both text engines: "<" and ">" become
// "&lt;" and "&gt;", "&" becomes "&amp;". An "&" that a letter follows gets an empty "<Q>" tag
// after its entity (a tag of no effect), so that the letters after it can never be read together
// with it as another entity ("x&amp;" stays "x&amp;").
std::string MarkupLiteral(std::string_view text);

// The text as a caption that shows it literally: every "&" doubled.
std::string CaptionLiteral(std::string_view text);

}  // namespace tarvelon
