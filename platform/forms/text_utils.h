#pragma once
// Text helpers of the form library: names compare without regard to case, as the stored form
// descriptions and FindComponent expect; texts are UTF-8 inside the program.
#include <string>

class QString;

namespace tarvelon {

bool SameText(const std::string& a, const std::string& b);
QString ToQString(const std::string& utf8);
std::string FromQString(const QString& text);

}  // namespace tarvelon
