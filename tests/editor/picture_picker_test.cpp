// The editor's picture picker (Tform43) driven with real events on a copy of the sample database: a
// crest picked from the crest folder, and a cancelled pick changing nothing.
#include <QAction>
#include <QMenu>
#include <QTimer>

#include <fstream>
#include <functional>

#include "controls/grad_button.h"
#include "editor/model/editor_players.h"
#include "editor/model/editor_teams.h"
#include "editor/picture_picker.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/containers.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "platform/stdctrls/menus.h"
#include "tests/editor/editor_teams_suite.h"

namespace tarvelon::test {
namespace {

class PicturePickerTest : public EditorTeamsSuite {};

TEST_F(PicturePickerTest, ACrestIsPickedFromTheCrestFolderAndACancelledPickChangesNothing)
{
    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    const int club = EditorCurrentClub;
    const std::string crest = ReadBack(club).header.crestName.str();
    const std::vector<std::string> files = ListPictureFiles(kCrestFolder);
    ASSERT_GT(files.size(), 3u);
    auto openPicker = [editor] {
        const QPoint at(editor->Image1->Left() + 20, editor->Image1->Top() + 20);
        SendMouse(editor->Panel1->Widget(), QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        SendMouse(editor->Panel1->Widget(), QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        Pump();
    };

    ChosenImageName = "antes";
    WhenOpen("Tform43", [](TGameForm* form) {
        auto* picker = static_cast<Tform43*>(form);
        EXPECT_FALSE(picker->BitBtn1->Enabled());
        ClickCell(picker->list1, "arquivo", 2);
        EXPECT_TRUE(picker->BitBtn1->Enabled());
        Press(picker->FindChild<TControl>("BitBtn2"));
    });
    openPicker();
    ASSERT_EQ(seen_, std::vector<std::string>{"Tform43"});
    EXPECT_EQ(ReadBack(club).header.crestName.str(), crest);
    EXPECT_EQ(ChosenImageName, "antes");

    WhenOpen("Tform43", [](TGameForm* form) {
        auto* picker = static_cast<Tform43*>(form);
        ClickCell(picker->list1, "arquivo", 2);
        EXPECT_FALSE(picker->Image1->Picture().Empty());
        Press(picker->BitBtn1);
    });
    openPicker();
    EXPECT_EQ(ReadBack(club).header.crestName.str(), PictureBaseName(files[2]));
    EXPECT_FALSE(editor->Image1->Picture().Empty());
}

// A file that is no picture is refused when chosen: the player reads why, its name is not taken and
// "OK" stays as it was, and the preview keeps the last good picture.
TEST_F(PicturePickerTest, APictureThatCannotBeReadIsShownAsAnErrorAndNotTaken)
{
    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    { std::ofstream("teams/escudos/aaa_quebrado.png") << "isto nao e uma imagem"; }
    std::vector<std::string> errors;
    Application->OnException = [&errors](TObject*, const std::exception& error) { errors.push_back(error.what()); };
    ChosenImageName = "antes";
    WhenOpen("Tform43", [](TGameForm* form) {
        auto* picker = static_cast<Tform43*>(form);
        ASSERT_EQ(picker->list1->GetCellTextByName("arquivo", 0), "aaa_quebrado.png");
        ClickCell(picker->list1, "arquivo", 0);
        EXPECT_FALSE(picker->BitBtn1->Enabled());
        EXPECT_EQ(ChosenImageName, "antes");
        ClickCell(picker->list1, "arquivo", 1);
        ASSERT_TRUE(picker->BitBtn1->Enabled());
        const std::string good = ChosenImageName;
        ClickCell(picker->list1, "arquivo", 0);
        EXPECT_EQ(ChosenImageName, good);
        EXPECT_FALSE(picker->Image1->Picture().Empty());
        Press(picker->FindChild<TControl>("BitBtn2"));
    });
    const QPoint at(editor->Image1->Left() + 20, editor->Image1->Top() + 20);
    SendMouse(editor->Panel1->Widget(), QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    SendMouse(editor->Panel1->Widget(), QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    Pump();
    Application->OnException = {};
    ASSERT_EQ(seen_, std::vector<std::string>{"Tform43"});
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0], std::string(kUnreadablePictureText) + "aaa_quebrado.png");
}

}  // namespace
}  // namespace tarvelon::test
