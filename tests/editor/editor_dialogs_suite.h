#pragma once
// The suite of the editor's club and player dialogs: the editor's windows on a copy of the sample
// database, and an edit emptied as the player does it, by selecting all and erasing.
#include <QTest>

#include "platform/stdctrls/edits.h"
#include "tests/editor/editor_screens_support.h"

namespace tarvelon::test {

class EditorDialogsSuite : public EditorScreensTest {
protected:
    static void SelectAllAndErase(TEdit* edit)
    {
        edit->SetFocus();
        QTest::keyClick(edit->Widget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit->Widget(), Qt::Key_Backspace);
        Pump();
    }
};

}  // namespace tarvelon::test
