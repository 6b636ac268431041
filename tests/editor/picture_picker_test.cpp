// The editor's picture picker (Tform43) driven with real events on a copy of the sample database: a
// crest picked from the crest folder, a cancelled pick changing nothing, and pictures refused whose
// name the record cannot hold.
#include <QAction>
#include <QImage>
#include <QMenu>
#include <QTimer>

#include <fstream>
#include <functional>

#include "controls/grad_button.h"
#include "editor/model/editor_players.h"
#include "editor/model/editor_teams.h"
#include "editor/national_dialog.h"
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
    bool openAfterEscape = false;
    WhenOpen("Tform43", [&openAfterEscape](TGameForm* form) {
        auto* picker = static_cast<Tform43*>(form);
        EXPECT_FALSE(picker->BitBtn1->Enabled());
        ClickCell(picker->list1, "arquivo", 2);
        EXPECT_TRUE(picker->BitBtn1->Enabled());
        // The picker has no keys of its own: Escape leaves it open.
        PressKey(picker->list1->Widget(), Qt::Key_Escape);
        openAfterEscape = form->Visible() && form->ModalResult() == mrNone;
        Press(picker->FindChild<TControl>("BitBtn2"));
    });
    openPicker();
    ASSERT_EQ(seen_, std::vector<std::string>{"Tform43"});
    EXPECT_TRUE(openAfterEscape);
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

// The row of the picker's list that shows a file name, scrolled into view; -1 when none does.
int PickerRowOf(Tform43* picker, const std::string& name)
{
    for (int row = 0; row < picker->list1->RowCount(); ++row) {
        if (picker->list1->GetCellTextByName("arquivo", row) == name) {
            picker->list1->ScrollToRow(row);
            Pump();
            return row;
        }
    }
    return -1;
}

// A picture whose name the record cannot hold (a crest of more than 25 characters, a symbol of more
// than 30, a character outside the Western set) is refused with a message when it is chosen, before
// "OK": the club keeps its crest and the national team its symbol.
TEST_F(PicturePickerTest, APictureWhoseNameTheRecordCannotHoldIsRefusedBeforeOk)
{
    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    QImage picture(18, 18, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    const std::string thirty = "abcdefghijklmnopqrstuvwxyz_two";  // 30 characters
    for (const std::string& name : {thirty + ".png", std::string("escudo_\xC5\x82.png"), thirty + "x.png"}) {
        ASSERT_TRUE(picture.save(QString::fromStdString(std::string(kCrestFolder) + "/" + name), "PNG"));
        ASSERT_TRUE(picture.save(QString::fromStdString(std::string(kSymbolFolder) + "/" + name), "PNG"));
    }
    const int club = EditorCurrentClub;
    const std::string crest = ReadBack(club).header.crestName.str();
    ChosenImageName = "antes";
    WhenOpen("Tform43", [thirty](TGameForm* form) {
        auto* picker = static_cast<Tform43*>(form);
        for (const std::string& name : {thirty + ".png", std::string("escudo_\xC5\x82.png")}) {
            const int row = PickerRowOf(picker, name);
            ASSERT_GE(row, 0) << name;
            ClickCell(picker->list1, "arquivo", row);
            EXPECT_FALSE(picker->BitBtn1->Enabled()) << name;
            EXPECT_TRUE(picker->Image1->Picture().Empty()) << name;
        }
        EXPECT_EQ(ChosenImageName, "antes");
        Press(picker->BitBtn1);
        Press(picker->FindChild<TControl>("BitBtn2"));
    });
    const QPoint at(editor->Image1->Left() + 20, editor->Image1->Top() + 20);
    SendMouse(editor->Panel1->Widget(), QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    SendMouse(editor->Panel1->Widget(), QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    Pump();
    ASSERT_EQ(seen_, std::vector<std::string>{"Tform43"});
    EXPECT_EQ(ReadBack(club).header.crestName.str(), crest);
    ASSERT_EQ(messages_.size(), 2u);
    EXPECT_EQ(messages_[0], "O nome do arquivo \"" + thirty +
                                "\" é longo demais: o nome do escudo tem no máximo 25 caracteres, sem a extensão.");
    EXPECT_EQ(messages_[1], "O nome do arquivo \"escudo_\xC5\x82\" tem caracteres que o arquivo da equipe não guarda.");

    // A national symbol holds 30 characters: the name of 30 is taken and written whole, 31 are not.
    Click(editor->xbt2->Widget(), Middle(editor->xbt2));
    const int nation = EditorCurrentNation;
    messages_.clear();
    WhenOpen("TForm73", [this, thirty](TGameForm* form) {
        auto* dialog = static_cast<TForm73*>(form);
        WhenOpen("Tform43", [thirty](TGameForm* opened) {
            auto* picker = static_cast<Tform43*>(opened);
            ClickCell(picker->list1, "arquivo", PickerRowOf(picker, thirty + "x.png"));
            EXPECT_FALSE(picker->BitBtn1->Enabled());
            ClickCell(picker->list1, "arquivo", PickerRowOf(picker, thirty + ".png"));
            EXPECT_TRUE(picker->BitBtn1->Enabled());
            Press(picker->BitBtn1);
        });
        const QPoint on(dialog->image1->Left() + 10, dialog->image1->Top() + 10);
        SendMouse(dialog->Widget(), QEvent::MouseButtonPress, on, Qt::LeftButton, Qt::LeftButton);
        SendMouse(dialog->Widget(), QEvent::MouseButtonRelease, on, Qt::LeftButton, Qt::NoButton);
        Pump();
        Press(dialog->FindChild<TControl>("BitBtn2"));
    });
    Click(editor->Widget(), QPoint(editor->FindChild<TImage>("Image6")->Left() + 10, 20));
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_NE(messages_[0].find("no máximo 30 caracteres"), std::string::npos);
    TNationalSquad onDisk;
    ASSERT_EQ(ReadNationalSquadFile(NationalSquadFilePath(nation), onDisk), DatabaseFileError::None);
    EXPECT_EQ(onDisk.symbolName.str(), thirty);
}

}  // namespace
}  // namespace tarvelon::test
