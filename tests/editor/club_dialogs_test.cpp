// The editor's club dialogs (TForm4 to edit, TForm7 to add) driven with real mouse and key events on
// a copy of the sample database: a club edited (an emptied name is kept), a club added, made
// playable and offered by the next new game, and a country picked by its letter shown, recorded and
// saved. Each change is read back from its file with core's reader.
#include <QImage>
#include <QTimer>

#include <functional>

#include "core/draws/club_catalogue.h"
#include "core/newgame/builder_tables.h"
#include "core/newgame/new_game_setup.h"
#include "core/vocab/countries.h"
#include "editor/club_dialogs.h"
#include "editor/model/editor_players.h"
#include "editor/model/editor_teams.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/containers.h"
#include "platform/stdctrls/dialogs.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "tests/editor/editor_dialogs_suite.h"
#include "tests/platform/modal_driver.h"

namespace tarvelon::test {
namespace {

class ClubDialogsTest : public EditorDialogsSuite {
protected:
    // Types the five texts of a new club into the add dialog.
    static void TypeNewClub(TForm7* dialog, const QString& fullName, const QString& shortName, const QString& stadium,
                            const QString& fileName)
    {
        Type(dialog->Edit1, fullName);
        Type(dialog->Edit2, shortName);
        Type(dialog->Edit3, "Treinador");
        Type(dialog->stadiumEdit, stadium);
        Type(dialog->Edit4, fileName);
    }
};

TEST_F(ClubDialogsTest, EditingAClubKeepsAnEmptiedOrBlankNameAndWritesTheRest)
{
    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    const int club = EditorCurrentClub;
    const std::string shortName = EditorClubHeaders[club].shortName.str();
    SetColorDialogAnswerer([](TColor) { return std::optional<TColor>(clRed); });
    WhenOpen("TForm4", [](TGameForm* form) {
        auto* dialog = static_cast<TForm4*>(form);
        SelectAllAndErase(dialog->Edit2);
        Type(dialog->Edit2, "   ");  // blanks alone are no name
        SelectAllAndErase(dialog->Edit3);
        Type(dialog->Edit3, "Novo Treinador");
        Click(dialog->Widget(), QPoint(dialog->Shape1->Left() + 5, dialog->Shape1->Top() + 5));
        PressKey(dialog->Edit3->Widget(), Qt::Key_Return);
    });
    DoubleClick(editor->gridtimes->Widget(), CellPoint(editor->gridtimes, "clube", 0));
    SetColorDialogAnswerer({});
    ASSERT_EQ(seen_, std::vector<std::string>{"TForm4"});
    const ClubFile file = ReadBack(club);
    EXPECT_EQ(file.header.shortName.str(), shortName);
    EXPECT_EQ(file.header.coachName.str(), "Novo Treinador");
    EXPECT_EQ(file.header.backColor, clRed);
    EXPECT_EQ(editor->Label6->Caption(), "Novo Treinador");
}

// Enter and Escape do nothing in the add dialog: only its buttons add the club or leave.
TEST_F(ClubDialogsTest, TheAddClubDialogHasNoEnterOrEscapeKeys)
{
    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    const int rows = editor->gridtimes->RowCount();
    bool openAfterKeys = false;
    WhenOpen("TForm7", [&openAfterKeys](TGameForm* form) {
        auto* dialog = static_cast<TForm7*>(form);
        TypeNewClub(dialog, "Clube das Teclas", "Teclas", "Arena", "clube_teclas");
        PressKey(dialog->Edit4->Widget(), Qt::Key_Return);
        PressKey(dialog->Edit4->Widget(), Qt::Key_Escape);
        Pump();
        openAfterKeys = Screen->FormCount() > 0 && Screen->Forms(Screen->FormCount() - 1) == form && form->Visible() &&
                        form->ModalResult() == mrNone;
        Click(dialog->FindChild<TBitBtn>("BitBtn2")->Widget(), QPoint(10, 10));
    });
    Click(editor->Widget(), QPoint(editor->FindChild<TImage>("Image5")->Left() + 10, 20));
    ASSERT_EQ(seen_, std::vector<std::string>{"TForm7"});
    EXPECT_TRUE(openAfterKeys);
    EXPECT_FALSE(std::filesystem::exists("teams/clube_teclas.tcf"));
    EXPECT_EQ(editor->gridtimes->RowCount(), rows);
    EXPECT_TRUE(messages_.empty());
}

TEST_F(ClubDialogsTest, ANewClubIsCheckedWrittenMadePlayableAndOfferedByTheNextNewGame)
{
    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    WhenOpen("TForm7", [](TGameForm* form) {
        auto* dialog = static_cast<TForm7*>(form);
        TypeNewClub(dialog, "Clube Novo da Silva", "Clube Novo", "Arena Nova", "../Fora");
        Click(dialog->FindChild<TBitBtn>("BitBtn1")->Widget(), QPoint(10, 10));
        SelectAllAndErase(dialog->Edit4);
        Type(dialog->Edit4, "clube_novo");
        Click(dialog->FindChild<TBitBtn>("BitBtn1")->Widget(), QPoint(10, 10));
    });
    Click(editor->Widget(), QPoint(editor->FindChild<TImage>("Image5")->Left() + 10, 20));
    ASSERT_EQ(seen_, std::vector<std::string>{"TForm7"});
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_NE(messages_[0].find("inválido"), std::string::npos);

    const int club = EditorCurrentClub;
    EXPECT_EQ(EditorClubPaths[club], "teams/clube_novo.tcf");
    EXPECT_EQ(CellInt(editor->gridtimes, "id", 0), club);
    ClubFile file = ReadBack(club);
    EXPECT_EQ(file.header.shortName.str(), "Clube Novo");
    EXPECT_EQ(file.header.country, 29);
    EXPECT_EQ(file.header.level, 10);
    EXPECT_EQ(file.header.playable, 0);
    EXPECT_EQ(editor->Grid1->RowCount(), 0);
    EXPECT_EQ(editor->Label13->Caption(), "Total:0 jogadores");
    // No crest chosen: the grey shield of "nullescudo.gif" in the middle of the crest image.
    ASSERT_FALSE(editor->Image1->Picture().Empty());
    const QImage panel = editor->Panel1->Widget()->grab().toImage();
    const QColor shield = panel.pixelColor(editor->Image1->Left() + editor->Image1->Width() / 2,
                                           editor->Image1->Top() + editor->Image1->Height() / 2);
    EXPECT_NEAR(shield.red(), 153, 30);
    EXPECT_EQ(shield.red(), shield.blue());

    // One goalkeeper and eleven outfield players make it playable on the next save (F2).
    AddClubPlayer(club, {"Goleiro", 0, 0, 1, 0, 25, false, 29});
    for (int i = 0; i < 11; ++i)
        AddClubPlayer(club, {"Jogador " + std::to_string(i), 1 + i % 4, 4, 5, 0, 25, false, 29});
    PressKey(editor->Widget(), Qt::Key_F2);
    EXPECT_EQ(ReadBack(club).header.playable, 1);

    BeginNewGameSetup();
    ListNewGameClubFiles();
    EXPECT_NE(std::find(CustomChampionshipFiles.begin(), CustomChampionshipFiles.end(), "clube_novo.tcf"),
              CustomChampionshipFiles.end());
}

}  // namespace
}  // namespace tarvelon::test

namespace tarvelon::test {
namespace {

// A letter typed in the country box picks a country as a click does: the edit dialog records and
// saves the country it shows, and the state list follows the shown country in both dialogs.
TEST_F(ClubDialogsTest, ACountryPickedByItsLetterIsTheOneShownRecordedAndSaved)
{
    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    const int club = EditorCurrentClub;
    const int firstOfA = CountryForKey('A');
    ASSERT_NE(EditorClubHeaders[club].country, firstOfA);
    std::vector<int> shown;
    std::vector<bool> stateShown;
    WhenOpen("TForm4", [&](TGameForm* form) {
        auto* dialog = static_cast<TForm4*>(form);
        dialog->combo1->SetFocus();
        PressKey(dialog->combo1->Widget(), Qt::Key_B, Qt::NoModifier, "b");
        Pump();
        stateShown.push_back(dialog->estadocombo->Visible());
        PressKey(dialog->combo1->Widget(), Qt::Key_A);  // a key event that carries no text
        Pump();
        shown.push_back(dialog->combo1->ItemIndex());
        stateShown.push_back(dialog->estadocombo->Visible());
        PressKey(dialog->combo1->Widget(), Qt::Key_Return);
    });
    DoubleClick(editor->gridtimes->Widget(), CellPoint(editor->gridtimes, "clube", 0));
    ASSERT_EQ(seen_, std::vector<std::string>{"TForm4"});
    EXPECT_EQ(shown, std::vector<int>{firstOfA});
    EXPECT_EQ(stateShown, (std::vector<bool>{CountryForKey('B') == CountryBrazil, false}));
    EXPECT_EQ(ReadBack(club).header.country, firstOfA);
    EXPECT_EQ(EditorClubHeaders[club].country, firstOfA);

    seen_.clear();
    WhenOpen("TForm7", [&](TGameForm* form) {
        auto* dialog = static_cast<TForm7*>(form);
        stateShown.push_back(dialog->estadocombo->Visible());  // Brazil at first
        dialog->combo1->SetFocus();
        PressKey(dialog->combo1->Widget(), Qt::Key_A, Qt::NoModifier, "a");
        Pump();
        shown.push_back(dialog->combo1->ItemIndex());
        stateShown.push_back(dialog->estadocombo->Visible());
        Click(dialog->FindChild<TBitBtn>("BitBtn2")->Widget(), QPoint(10, 10));
    });
    Click(editor->Widget(), QPoint(editor->FindChild<TImage>("Image5")->Left() + 10, 20));
    ASSERT_EQ(seen_, std::vector<std::string>{"TForm7"});
    EXPECT_EQ(shown, (std::vector<int>{firstOfA, firstOfA}));
    EXPECT_EQ(stateShown, (std::vector<bool>{CountryForKey('B') == CountryBrazil, false, true, false}));
}


// Only what the player changes is written: a state byte the list cannot show survives an edit of
// the coach alone. A new club's colour dialog opens at white for the background and at black for
// the text, whatever was chosen before; the edit dialog's at the square's colour.
TEST_F(ClubDialogsTest, AnEditWritesOnlyTheChangedFieldAndTheColourDialogsOpenWhereTheyShould)
{
    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    const int club = EditorCurrentClub;
    EditorClubHeaders[club].state = 200;
    std::vector<TColor> starts;
    SetColorDialogAnswerer([&starts](TColor start) {
        starts.push_back(start);
        return std::optional<TColor>(clRed);
    });
    const TColor back = EditorClubHeaders[club].backColor;
    WhenOpen("TForm4", [](TGameForm* form) {
        auto* dialog = static_cast<TForm4*>(form);
        Type(dialog->Edit3, "X");
        Click(dialog->Widget(), QPoint(dialog->Shape1->Left() + 5, dialog->Shape1->Top() + 5));
        PressKey(dialog->Edit3->Widget(), Qt::Key_Return);
    });
    DoubleClick(editor->gridtimes->Widget(), CellPoint(editor->gridtimes, "clube", 0));
    ASSERT_EQ(seen_, std::vector<std::string>{"TForm4"});
    EXPECT_EQ(EditorClubHeaders[club].state, 200);
    EXPECT_EQ(EditorClubHeaders[club].backColor, clRed);
    EXPECT_EQ(starts, std::vector<TColor>{back});

    starts.clear();
    WhenOpen("TForm7", [](TGameForm* form) {
        auto* dialog = static_cast<TForm7*>(form);
        for (TShape* shape : {dialog->Shape1, dialog->Shape1, dialog->Shape2, dialog->Shape2})
            Click(dialog->Widget(), QPoint(shape->Left() + 5, shape->Top() + 5));
        Click(dialog->FindChild<TBitBtn>("BitBtn2")->Widget(), QPoint(10, 10));
    });
    Click(editor->Widget(), QPoint(editor->FindChild<TImage>("Image5")->Left() + 10, 20));
    SetColorDialogAnswerer({});
    EXPECT_EQ(starts, (std::vector<TColor>{clWhite, clWhite, clBlack, clBlack}));
}

// "Ok" shows on the main window what the dialog changed, and only that: a new state its code and
// flag; a new country its name, flag and cells, while the state's label and flag stay as shown.
TEST_F(ClubDialogsTest, OkShowsTheStateAgainOnlyWhenTheStateChanged)
{
    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    const int row = 1;
    const int club = CellInt(editor->gridtimes, "id", row);
    const int state = 5;
    EditorClubHeaders[static_cast<std::size_t>(club)].country = CountryBrazil;
    EditorClubHeaders[static_cast<std::size_t>(club)].state = state;
    ClickCell(editor->gridtimes, "clube", row);
    ASSERT_EQ(EditorCurrentClub, club);
    ASSERT_TRUE(editor->Label12->Visible());
    ASSERT_EQ(editor->Label12->Caption(), StateCodes[static_cast<std::size_t>(state)]);
    const auto editWith = [&](std::function<void(TForm4&)> change) {
        Answer<TForm4>([change](TForm4& dialog) {
            change(dialog);
            PressKey(dialog.Edit1->Widget(), Qt::Key_Return);
        });
        DoubleClick(editor->gridtimes->Widget(), CellPoint(editor->gridtimes, "clube", row));
        Pump();
    };
    const QImage stateFlag = editor->Image3->Picture().Graphic()->RenderImage();

    editWith([](TForm4& dialog) { PressKey(dialog.estadocombo->Widget(), Qt::Key_Down); });
    ASSERT_EQ(EditorClubHeaders[club].state, state + 1);
    EXPECT_EQ(editor->Label12->Caption(), StateCodes[static_cast<std::size_t>(state + 1)]);
    EXPECT_NE(editor->Image3->Picture().Graphic()->RenderImage(), stateFlag);

    const QImage newStateFlag = editor->Image3->Picture().Graphic()->RenderImage();
    const QImage countryFlag = editor->Image2->Picture().Graphic()->RenderImage();
    editWith([](TForm4& dialog) { PressKey(dialog.combo1->Widget(), Qt::Key_A, Qt::NoModifier, "a"); });
    const int country = CountryForKey('A');
    ASSERT_EQ(EditorClubHeaders[club].country, country);
    EXPECT_EQ(editor->Label9->Caption(), CountryNames[static_cast<std::size_t>(country)]);
    EXPECT_EQ(editor->gridtimes->GetCellTextByName("paisnome", row), CountryNames[static_cast<std::size_t>(country)]);
    EXPECT_EQ(editor->gridtimes->GetCellTextByName("paisimg", row), std::to_string(country));
    EXPECT_NE(editor->Image2->Picture().Graphic()->RenderImage(), countryFlag);
    EXPECT_TRUE(editor->Label12->Visible());
    EXPECT_TRUE(editor->Image3->Visible());
    EXPECT_EQ(editor->Label12->Caption(), StateCodes[static_cast<std::size_t>(state + 1)]);
    EXPECT_EQ(editor->Image3->Picture().Graphic()->RenderImage(), newStateFlag);
    EXPECT_EQ(ReadBack(club).header.country, country);
}

}  // namespace
}  // namespace tarvelon::test
