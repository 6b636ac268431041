#pragma once
// Opens one registered screen on the running game the way the gallery, the walk test and the
// benchmarks look at it: its subject set, the form created, shown (never modally), laid out and
// painted, its picture taken, then closed and freed. Whatever went wrong is a problem: a failed
// creation, a problem of its description (an unknown class or property, a handler named and not
// bound, a child the code looks up and does not find), a form that does not free itself.
#include <QImage>
#include <string>
#include <vector>

namespace tarvelon {

struct TScreenRecord;

struct TScreenProbe {
    std::string formClass;
    double milliseconds = 0;  // creating, laying out and painting
    QImage picture;
    std::vector<std::string> problems;
    bool Ok() const { return problems.empty(); }
};

TScreenProbe ProbeScreen(const TScreenRecord& screen);

}  // namespace tarvelon
