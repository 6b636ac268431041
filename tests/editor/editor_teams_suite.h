#pragma once
// The suite of the editor's national-team dialog, transfer dialog and picture picker: the editor's
// windows on a copy of the sample database and buttons pressed with the mouse.
#include "editor/model/editor_teams.h"
#include "tests/editor/editor_screens_support.h"

namespace tarvelon::test {

class EditorTeamsSuite : public EditorScreensTest {
protected:
    static void Press(TControl* button) { Click(dynamic_cast<TWinControl*>(button)->Widget(), QPoint(10, 10)); }
};

}  // namespace tarvelon::test
