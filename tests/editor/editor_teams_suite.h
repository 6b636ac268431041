#pragma once
// The suite of the editor's national-team dialog, transfer dialog and picture picker: the editor's
// windows on a copy of the sample database, buttons pressed with the mouse, and a key letter whose
// first country has (or lacks) a national team.
#include "editor/model/editor_teams.h"
#include "tests/editor/editor_screens_support.h"

namespace tarvelon::test {

class EditorTeamsSuite : public EditorScreensTest {
protected:
    static void Press(TControl* button) { Click(dynamic_cast<TWinControl*>(button)->Widget(), QPoint(10, 10)); }

    // A letter whose first country has (or lacks) a national team.
    static char LetterOfCountry(bool present)
    {
        for (char key = 'A'; key <= 'Z'; ++key) {
            const int country = CountryForKey(key);
            if (country >= 0 && IsNationPresent(country) == present)
                return key;
        }
        return 0;
    }
};

}  // namespace tarvelon::test
