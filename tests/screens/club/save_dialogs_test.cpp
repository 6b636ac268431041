// The save dialogs on the hub's two-coach game, driven by real keys and clicks: F2 asks for a name
// the first time, the overwrite confirmation, and names that would leave the save folder. The hub's
// autosave is tested with the hub, in hub_screen_test.cpp.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QPointer>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "controls/grad_button.h"
#include "core/persist/saved_game.h"
#include "core/persist/saved_game_image.h"
#include "core/records/game_state.h"
#include "core/tables.h"
#include "platform/forms/application.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/message_box.h"
#include "screens/club/save_dialogs.h"
#include "screens/common/game_form.h"
#include "screens/common/art/hub_art.h"
#include "tests/platform/forms_test_support.h"
#include "tests/screens/hub_driving.h"
#include "tests/screens/text_contrast.h"
#include "tests/screens/two_coach_hub_suite.h"
#include "tools/sampledata/backgrounds.h"
#include "tests/platform/modal_answer_each.h"
#include "tests/platform/modal_driver.h"

namespace tarvelon {
namespace {

using test::Shown;


class SaveDialogsTest : public test::TwoCoachHubSuite {};

TEST_F(SaveDialogsTest, F2AsksForANameOnceAndConfirmsBeforeOverwritingAnExistingSave)
{
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    std::filesystem::remove("sav/rodada.nsx");
    Game.saveName.set("");
    auto typeAndSave = [](const std::string& name) {
        auto* dialog = Shown<TForm40>();
        ASSERT_NE(dialog, nullptr);
        EXPECT_FALSE(dialog->bt1->Enabled());
        QTest::keyClicks(dialog->Edit1->Widget(), QString::fromStdString(name));
        EXPECT_TRUE(dialog->bt1->Enabled());
        QTest::mouseClick(dialog->bt1->Widget(), Qt::LeftButton);
    };
    test::Answer<TForm40>([&](TForm40&) { typeAndSave("rodada"); });
    QTest::keyClick(hub->Widget(), Qt::Key_F2);
    EXPECT_EQ(Game.saveName.str(), "rodada.nsx");
    EXPECT_TRUE(std::filesystem::exists("sav/rodada.nsx"));

    // Another game without a name, saved under the same name: "Não" keeps the name dialog open,
    // "Sim" overwrites.
    Game.saveName.set("");
    std::vector<std::string> seen;
    test::Answer<TForm40>([&](TForm40&) {
        typeAndSave("rodada");
        // (the confirmation opened inside the click above has been answered below)
    });
    int confirmations = 0;
    std::optional<test::AnswerEach<TForm41>> answer(std::in_place, [&](TForm41& confirm) {
        seen.push_back(confirm.Label1->Caption());
        ++confirmations;
        if (confirmations == 1) {
            QTest::mouseClick(confirm.BitBtn2->Widget(), Qt::LeftButton);  // "Não"
            test::Answer<TForm40>([](TForm40& dialog) { QTest::mouseClick(dialog.bt1->Widget(), Qt::LeftButton); },
                                  test::ModalDeadlineMs(), [](TForm40&) { return Shown<TForm41>() == nullptr; });
        } else {
            QTest::mouseClick(confirm.BitBtn1->Widget(), Qt::LeftButton);  // "Sim"
        }
    });
    QTest::keyClick(hub->Widget(), Qt::Key_F2);
    answer.reset();
    EXPECT_EQ(confirmations, 2);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen[0], "O arquivo já existe, sobrescreve-lo?");
    EXPECT_EQ(Game.saveName.str(), "rodada.nsx");

    // With a name, F2 saves at once.
    std::filesystem::remove("sav/rodada.nsx");
    QTest::keyClick(hub->Widget(), Qt::Key_F2);
    EXPECT_TRUE(std::filesystem::exists("sav/rodada.nsx"));
}

// Save names are matched without regard to case, in the question and in the write alike: "baseup"
// typed beside "BASEUP.NSX" asks to overwrite it, and "Sim" writes that very file, not a second
// "baseup.nsx" beside it.
TEST_F(SaveDialogsTest, ANameDifferingOnlyInCaseOverwritesThatSaveAndNoOther)
{
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    for (const auto& entry : std::filesystem::directory_iterator("sav"))
        std::filesystem::remove_all(entry.path());
    ASSERT_TRUE(WriteSavedGameFile("sav/BASEUP.NSX"));
    Game.saveName.set("");
    Players[1].Age += 1;  // the game saved now differs from the file
    std::vector<std::string> questions;
    // One answer types the name, another answers the confirmation that the click opens.
    test::Answer<TForm40>([](TForm40& dialog) {
        QTest::keyClicks(dialog.Edit1->Widget(), "baseup");
        QTest::mouseClick(dialog.bt1->Widget(), Qt::LeftButton);
    });
    std::optional<test::AnswerEach<TForm41>> answer(std::in_place, [&](TForm41& confirm) {
        questions.push_back(confirm.Label1->Caption());
        QTest::mouseClick(confirm.BitBtn1->Widget(), Qt::LeftButton);  // "Sim"
    });
    QTest::keyClick(hub->Widget(), Qt::Key_F2);
    answer.reset();
    EXPECT_EQ(questions, std::vector<std::string>{"O arquivo já existe, sobrescreve-lo?"});
    EXPECT_EQ(Game.saveName.str(), "BASEUP.NSX");
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator("sav"))
        files.push_back(entry.path().filename().string());
    EXPECT_EQ(files, std::vector<std::string>{"BASEUP.NSX"});
    auto image = std::make_unique<SavedGameImage>();
    ASSERT_EQ(ReadSavedGameFile("sav/BASEUP.NSX", *image), SavedGameFileCheck::kValid);
    EXPECT_EQ(image->players[1].Age, Players[1].Age);  // the file holds the game saved now
}

// Both dialogs lay the game's background picture over themselves, as the other screens do.
TEST_F(SaveDialogsTest, TheNameAndOverwriteDialogsTileTheBackgroundPicture)
{
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    std::optional<test::RedBackgroundPicture> background(std::in_place);
    ASSERT_TRUE(background->Loaded());
    std::filesystem::create_directories("sav");
    { std::ofstream("sav/fundo.nsx") << "x"; }
    Game.saveName.set("");
    QImage nameDialog, confirmDialog;
    test::Answer<TForm40>([&](TForm40& dialog) {
        test::Pump();
        nameDialog = dialog.Widget()->grab().toImage();
        QTest::keyClicks(dialog.Edit1->Widget(), "fundo");
        QTest::mouseClick(dialog.bt1->Widget(), Qt::LeftButton);  // the file exists: the confirmation
    });
    test::Answer<TForm41>([&](TForm41& confirm) {
        test::Pump();
        confirmDialog = confirm.Widget()->grab().toImage();
        QTest::mouseClick(confirm.BitBtn2->Widget(), Qt::LeftButton);  // "Não"
        test::Answer<TForm40>(
            [](TForm40& dialog) {
                dialog.Edit1->SetText("outro_fundo");
                QTest::mouseClick(dialog.bt1->Widget(), Qt::LeftButton);
            },
            test::ModalDeadlineMs(), [](TForm40&) { return Shown<TForm41>() == nullptr; });
    });
    QTest::keyClick(hub->Widget(), Qt::Key_F2);
    background.reset();
    std::filesystem::remove("sav/fundo.nsx");
    std::filesystem::remove("sav/outro_fundo.nsx");
    EXPECT_EQ(Game.saveName.str(), "outro_fundo.nsx");
    ASSERT_FALSE(nameDialog.isNull());
    ASSERT_FALSE(confirmDialog.isNull());
    for (const QImage& picture : {nameDialog, confirmDialog}) {
        const QColor corner = picture.pixelColor(3, 3);
        EXPECT_GT(corner.red(), 180);
        EXPECT_LT(corner.green(), 60);
    }
}

// The name dialog's heading and instructions read at 4.5 : 1 or better on what is painted under them,
// on the game's background picture as on the dialog's own colour in a game folder without it. (They
// were once white, and hardly showed on the light picture.)
TEST_F(SaveDialogsTest, TheNameDialogsHeadingAndInstructionsReadOnWhatIsPaintedUnderThem)
{
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    const auto measure = [&] {
        std::map<std::string, double> ratios;
        Game.saveName.set("");
        std::filesystem::remove("sav/legivel.nsx");
        test::Answer<TForm40>([&](TForm40& dialog) {
            test::Pump();
            for (const test::TextContrast& label : test::MeasureTextContrast(dialog))
                ratios[label.name] = label.ratio;
            QTest::keyClicks(dialog.Edit1->Widget(), "legivel");
            QTest::mouseClick(dialog.bt1->Widget(), Qt::LeftButton);
        });
        QTest::keyClick(hub->Widget(), Qt::Key_F2);
        EXPECT_EQ(Game.saveName.str(), "legivel.nsx");  // and the dialog saved as before
        return ratios;
    };
    for (const bool picture : {true, false}) {
        const test::BackgroundPictureForTest background([picture](const QString& path) {
            return !picture || (std::ofstream(path.toStdString(), std::ios::binary) << sampledata::ScreenBackgroundJpeg());
        });
        ASSERT_EQ(BackgroundBitmap != nullptr, picture);
        const std::map<std::string, double> ratios = measure();
        ASSERT_TRUE(ratios.contains("Label2") && ratios.contains("Label1")) << (picture ? "on the picture" : "without it");
        EXPECT_GE(ratios.at("Label2"), 4.5) << "\"Salvar jogo\"" << (picture ? " on the picture" : " without it");
        EXPECT_GE(ratios.at("Label1"), 4.5) << "the instructions" << (picture ? " on the picture" : " without it");
    }
}

// Runs `answer` on the save-name dialog each time it shows, from the dialog's own modal loop.
using TSaveNameAnswerer = test::AnswerEach<TForm40>;

// "Opções" on the top bar, then "Salvar jogo" clicked in the real menu, three times in a game
// without a save name: each time the name is asked, the file written, and the hub goes on. The
// dialog once ran inside the menu's own click, whose code then wrote to the menu freed meanwhile.
TEST_F(SaveDialogsTest, SavingFromTheOptionsMenuAsksANameWritesTheFileAndTheGameGoesOn)
{
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    bool insideMenuClick = false;
    std::vector<bool> askedInsideMenuClick;
    std::string name;
    TSaveNameAnswerer answerer([&](TForm40& dialog) {
        askedInsideMenuClick.push_back(insideMenuClick);
        QTest::keyClicks(dialog.Edit1->Widget(), QString::fromStdString(name));
        QTest::mouseClick(dialog.bt1->Widget(), Qt::LeftButton);
    });
    const art::HubBarSpot& options = art::kHubBarSpots[0];
    const QPoint optionsSpot((options.left + options.right) / 2 * hub->nova_barra->Width() / art::kHubBarWidth,
                             (options.top + options.bottom) / 2 * hub->nova_barra->Height() / art::kHubBarHeight);
    for (const char* saveName : {"primeiro", "segundo", "terceiro"}) {
        name = saveName;
        const std::string file = "sav/" + name + ".nsx";
        std::filesystem::remove(file);
        Game.saveName.set("");
        QTest::mouseClick(hub->Widget(), Qt::LeftButton, Qt::NoModifier, optionsSpot);
        test::Pump(20);
        insideMenuClick = true;
        ASSERT_TRUE(test::ChooseShown(hub->BarMenuOfSpot(0), "Salvar jogo")) << name;
        insideMenuClick = false;
        EXPECT_TRUE(test::PumpUntil([&] { return std::filesystem::exists(file) && !Shown<TForm40>(); })) << name;
        EXPECT_EQ(Game.saveName.str(), name + ".nsx");
        EXPECT_EQ(test::OpenHub(), hub);
    }
    EXPECT_EQ(askedInsideMenuClick, std::vector<bool>(3, false));
}

// The desktop's close request (the frame's "X", its Alt+F4) does not end the save-name dialog,
// which swallows Alt+F4: the name is still typed and saved.
TEST_F(SaveDialogsTest, TheDesktopsCloseRequestLeavesTheSaveNameDialogWaitingForItsName)
{
    bool stoodTheRequest = false;
    TSaveNameAnswerer answerer([&](TForm40& dialog) {
        QPointer<QWidget> window = dialog.Widget();
        window->close();
        test::Pump(20);
        stoodTheRequest = !window.isNull() && Shown<TForm40>() == &dialog && dialog.ModalResult() == mrNone;
        if (!stoodTheRequest)
            return;
        QTest::keyClicks(dialog.Edit1->Widget(), "fechado");
        QTest::mouseClick(dialog.bt1->Widget(), Qt::LeftButton);
    });
    EXPECT_EQ(AskSaveNameOnScreen(), "fechado.nsx");
    EXPECT_TRUE(stoodTheRequest);
    EXPECT_FALSE(Application->Terminated());
}

TEST_F(SaveDialogsTest, ANameThatWouldLeaveTheSaveFolderIsRefused)
{
    std::vector<std::string> messages;
    SetMessageBoxAnswerer([&messages](const TMessageBoxRequest& request) {
        messages.push_back(request.text);
        return mrOk;
    });
    test::Answer<TForm40>([](TForm40& shown) {
        auto* dialog = &shown;
        QTest::keyClicks(dialog->Edit1->Widget(), "../fora");
        QTest::mouseClick(dialog->bt1->Widget(), Qt::LeftButton);
        ASSERT_EQ(Shown<TForm40>(), dialog);  // refused: the dialog waits for another name
        for (int i = 0; i < 7; ++i)
            QTest::keyClick(dialog->Edit1->Widget(), Qt::Key_Backspace);
        QTest::keyClicks(dialog->Edit1->Widget(), "dentro");
        QTest::mouseClick(dialog->bt1->Widget(), Qt::LeftButton);
    });
    const std::string chosen = AskSaveNameOnScreen();
    SetMessageBoxAnswerer({});
    EXPECT_EQ(chosen, "dentro.nsx");
    ASSERT_EQ(messages.size(), 1u);
}

// Characters the save name cannot hold (it is kept in the records' Western alphabet) are refused as
// they are typed or pasted, with a message, and the name stays as it was: never a "?????.nsx".
// Accented Latin letters are kept; a trailing dot is a plain character of the name.
TEST_F(SaveDialogsTest, CharactersTheSaveNameCannotHoldAreRefusedWhereTyped)
{
    std::vector<std::string> messages;
    SetMessageBoxAnswerer([&messages](const TMessageBoxRequest& request) {
        messages.push_back(request.text);
        return mrOk;
    });
    std::vector<std::string> seen;
    test::Answer<TForm40>([&](TForm40& shown) {
        auto* dialog = &shown;
        test::TypeCharacters(dialog->Edit1->Widget(), QString::fromUtf8("שלום😀"));
        seen.push_back(dialog->Edit1->Text());
        EXPECT_FALSE(dialog->bt1->Enabled());
        test::TypeCharacters(dialog->Edit1->Widget(), QString::fromUtf8("Campeão"));
        QTest::keyClick(dialog->Edit1->Widget(), Qt::Key_Left);
        test::TypeCharacters(dialog->Edit1->Widget(), QString::fromUtf8("Я"));  // in the middle: the caret stays
        QTest::keyClicks(dialog->Edit1->Widget(), "x");
        seen.push_back(dialog->Edit1->Text());
        QGuiApplication::clipboard()->setText(QString::fromUtf8("nova\nlinha\t"));
        QTest::keyClick(dialog->Edit1->Widget(), Qt::Key_End);
        QTest::keyClick(dialog->Edit1->Widget(), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClicks(dialog->Edit1->Widget(), ".");
        seen.push_back(dialog->Edit1->Text());
        QTest::mouseClick(dialog->bt1->Widget(), Qt::LeftButton);
    });
    const std::string chosen = AskSaveNameOnScreen();
    SetMessageBoxAnswerer({});
    EXPECT_EQ(seen, (std::vector<std::string>{"", "Campeãxo", "Campeãxo."}));
    EXPECT_EQ(messages.size(), 7u);  // five typed characters, one in the middle and the pasted text
    EXPECT_EQ(chosen, "Campeãxo..nsx");
    for (const std::string& message : messages)
        EXPECT_EQ(message, "Este caractere não pode ser usado: use letras, números e sinais do alfabeto latino.");
}

// Blanks alone are no name: "OK" stays off as for an empty name; the blanks around a name go.
TEST_F(SaveDialogsTest, BlanksAloneAreNoName)
{
    test::Answer<TForm40>([](TForm40& shown) {
        auto* dialog = &shown;
        QTest::keyClicks(dialog->Edit1->Widget(), "   ");
        EXPECT_FALSE(dialog->bt1->Enabled());
        QTest::mouseClick(dialog->bt1->Widget(), Qt::LeftButton);
        ASSERT_EQ(Shown<TForm40>(), dialog);
        QTest::keyClicks(dialog->Edit1->Widget(), "brancos ");
        EXPECT_TRUE(dialog->bt1->Enabled());
        QTest::mouseClick(dialog->bt1->Widget(), Qt::LeftButton);
    });
    EXPECT_EQ(AskSaveNameOnScreen(), "brancos.nsx");
}

}  // namespace
}  // namespace tarvelon
