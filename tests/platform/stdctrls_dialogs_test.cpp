// Message boxes with Portuguese buttons, answered by a test's answerer and, for real, by pressing
// a button of the shown box; the colour chooser; links handed to the browser.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include <QColorDialog>

#include "platform/forms/form.h"
#include "platform/forms/standard_texts.h"
#include "platform/stdctrls/browser.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/dialogs.h"
#include "platform/stdctrls/message_box.h"
#include "tests/platform/forms_test_support.h"
#include "tests/platform/shown_dialogs.h"
#include "tests/platform/modal_driver.h"

namespace tarvelon {
namespace {

struct AnswererScope {
    explicit AnswererScope(TMessageBoxAnswerer answerer) { SetMessageBoxAnswerer(std::move(answerer)); }
    ~AnswererScope() { SetMessageBoxAnswerer(nullptr); }
};

TEST(MessageBoxTest, TheAnswererSeesTheTextTheButtonsAndTheirOrder)
{
    std::vector<TMessageBoxRequest> asked;
    const AnswererScope scope([&](const TMessageBoxRequest& request) {
        asked.push_back(request);
        return request.buttons.back();
    });
    EXPECT_EQ(MessageDlg("Deseja sair do jogo?", mtConfirmation, {mbYes, mbNo}), mrNo);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, "Deseja sair do jogo?");
    EXPECT_EQ(asked[0].caption, "Confirmação");
    EXPECT_EQ(asked[0].buttons, (std::vector<TModalResult>{mrYes, mrNo}));
    EXPECT_EQ(asked[0].defaultButton, mrYes);

    ShowMessage("Jogo salvo");
    EXPECT_EQ(asked[1].buttons, (std::vector<TModalResult>{mrOk}));

    EXPECT_EQ(MessageBox("Erro ao carregar o arquivo", "Erro", MB_YESNOCANCEL | MB_ICONERROR | MB_DEFBUTTON2), IDCANCEL);
    EXPECT_EQ(asked[2].type, mtError);
    EXPECT_EQ(asked[2].caption, "Erro");
    EXPECT_EQ(asked[2].buttons, (std::vector<TModalResult>{mrYes, mrNo, mrCancel}));
    EXPECT_EQ(asked[2].defaultButton, mrNo);
}

TEST(MessageBoxTest, ButtonsArePortuguese)
{
    EXPECT_EQ(ButtonCaption(mrYes), "Sim");
    EXPECT_EQ(ButtonCaption(mrNo), "Não");
    EXPECT_EQ(ButtonCaption(mrOk), "OK");
    EXPECT_EQ(ButtonCaption(mrCancel), "Cancelar");
}

// Presses the button of that caption on the box being shown, once it is there.
void PressWhenShown(const QString& caption, QStringList* seen)
{
    test::AnswerDialog<QMessageBox>([caption, seen](QMessageBox& box) {
        for (QAbstractButton* button : box.buttons()) {
            seen->append(button->text());
            if (button->text() == caption)
                button->click();
        }
    });
}

TEST(MessageBoxTest, TheRealBoxIsAnsweredByItsButtons)
{
    QStringList seen;
    PressWhenShown(QStringLiteral("Não"), &seen);
    EXPECT_EQ(MessageBox("Sobrescrever?", "Confirmação", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_TRUE(seen.contains(QStringLiteral("Sim")));
    EXPECT_TRUE(seen.contains(QStringLiteral("Não")));
    seen.clear();
    PressWhenShown(QStringLiteral("Cancelar"), &seen);
    EXPECT_EQ(MessageDlg("Apagar o jogo salvo?", mtWarning, {mbOK, mbCancel}), mrCancel);
    EXPECT_EQ(seen, (QStringList{QStringLiteral("OK"), QStringLiteral("Cancelar")}));
}

TEST(ColorDialogTest, TheChosenColourIsKeptOnlyWhenConfirmed)
{
    TColorDialog dialog(nullptr);
    dialog.SetColor(clWhite);
    TColor offered = clNone;
    SetColorDialogAnswerer([&](TColor initial) -> std::optional<TColor> {
        offered = initial;
        return RGB(10, 20, 30);
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(offered, clWhite);
    EXPECT_EQ(dialog.Color(), RGB(10, 20, 30));
    SetColorDialogAnswerer([](TColor) -> std::optional<TColor> { return std::nullopt; });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.Color(), RGB(10, 20, 30));
    SetColorDialogAnswerer(nullptr);
}

// The real colour chooser, closed as the player does (confirmed or cancelled) once it shows; the
// release of the press that opened it goes to the chooser, the window under the mouse by then.
void CloseColorDialogWhenShown(bool confirm)
{
    test::AnswerDialog<QColorDialog>([confirm](QColorDialog& dialog) {
        test::SendMouse(&dialog, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);
        confirm ? dialog.accept() : dialog.reject();
    });
}

// The real chooser speaks the game's language: its buttons read as a Brazilian player expects.
TEST(ColorDialogTest, TheChooserShowsItsButtonsInPortuguese)
{
    ASSERT_TRUE(UseQtTextsInPortuguese()) << "Qt's Brazilian Portuguese translation is not installed";
    QStringList captions;
    test::AnswerDialog<QColorDialog>([&captions](QColorDialog& dialog) {
        for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
            captions << button->text();
        dialog.reject();
    });
    TColorDialog chooser(nullptr);
    EXPECT_FALSE(chooser.Execute());
    EXPECT_TRUE(captions.contains(QStringLiteral("Cancelar"))) << captions.join(QStringLiteral(", ")).toStdString();
    EXPECT_FALSE(captions.contains(QStringLiteral("Cancel")));
}

// A press of the player's left button (its release goes where the mouse is by then).
void PressAt(QWidget* widget, QPoint at)
{
    test::SendMouse(widget, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
}

// A colour swatch opens the chooser when pressed: the chooser takes the mouse in the middle of the
// press, so the release never reaches the swatch. Once the chooser is closed, clicks elsewhere in
// the window go where they are made (they all went to the swatch, which opened the chooser again).
TEST(ColorDialogTest, AfterTheChooserClosesTheWindowsClicksGoWhereTheyAreMade)
{
    for (const bool confirm : {true, false}) {
        TForm form(nullptr);
        form.SetBounds(40, 40, 300, 160);
        auto* swatch = new TShape(&form);
        swatch->SetParent(&form);
        swatch->SetBounds(20, 20, 40, 20);
        int opened = 0;
        TColorDialog chooser(nullptr);
        swatch->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) {
            ++opened;
            CloseColorDialogWhenShown(confirm);
            if (chooser.Execute())
                swatch->Brush().SetColor(chooser.Color());
        };
        int swatchClicks = 0;
        swatch->OnClick = [&](TObject*) { ++swatchClicks; };
        auto* ok = new TButton(&form);
        ok->SetParent(&form);
        ok->SetBounds(100, 100, 80, 26);
        ok->SetCaption("Ok");
        int okClicks = 0;
        ok->OnClick = [&](TObject*) { ++okClicks; };
        form.Show();
        test::Pump(10);
        PressAt(form.Widget(), QPoint(30, 30));
        EXPECT_EQ(opened, 1);
        QTest::mouseClick(ok->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 13));
        QTest::mouseClick(form.Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 40));
        EXPECT_EQ(okClicks, 1) << (confirm ? "confirmed" : "cancelled");
        EXPECT_EQ(opened, 1) << (confirm ? "confirmed" : "cancelled");
        EXPECT_EQ(swatchClicks, 0);  // the press the chooser took is no click of the swatch
        // The swatch still opens the chooser when it is pressed again.
        PressAt(form.Widget(), QPoint(30, 30));
        EXPECT_EQ(opened, 2);
        form.Close();
        test::Pump(10);
    }
}

// A stay-on-top dialog whose "Adicionar" button opens one of the platform's own dialogs: every
// message box and the colour dialog it opens stands above it (on top too, and owned by it), answers
// a click of the mouse on its button, and the dialog still answers its own "Cancelar" after it.
TEST(DialogOverStayOnTopTest, EveryMessageAndTheColourDialogStandAboveTheStayOnTopDialogAndAnswerTheMouse)
{
    const std::vector<std::pair<QString, std::function<void()>>> openers = {
        {QStringLiteral("OK"), [] { MessageBox("Nome completo não informado", "Adicionar Equipe", MB_OK | MB_ICONERROR); }},
        {QStringLiteral("Não"), [] { MessageDlg("Sobrescrever?", mtConfirmation, {mbYes, mbNo}); }},
        {QStringLiteral("OK"), [] { ShowMessage("Não foi possível ler a imagem"); }},
        {QStringLiteral("Cancelar"), [] { TColorDialog(nullptr).Execute(); }},
    };
    UseQtTextsInPortuguese();  // as the game does at start-up
    for (const auto& [answer, open] : openers) {
        TForm dialog(nullptr);
        dialog.SetFormStyle(fsStayOnTop);
        dialog.SetBounds(60, 60, 300, 160);
        auto* add = new TButton(&dialog);
        add->SetParent(&dialog);
        add->SetBounds(20, 100, 100, 26);
        add->SetCaption("Adicionar");
        auto shown = std::make_shared<test::TShownDialog>();
        add->OnClick = [&, shown](TObject*) {
            test::ClickDialogButtonWhenShown(answer, shown);
            open();
        };
        auto* cancel = new TButton(&dialog);
        cancel->SetParent(&dialog);
        cancel->SetBounds(160, 100, 100, 26);
        cancel->SetCaption("Cancelar");
        cancel->OnClick = [&](TObject*) { dialog.SetModalResult(mrCancel); };
        test::AnswerForm<TForm>(dialog, [&](TForm&) {
            QTest::mouseClick(add->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 13));
            QTest::mouseClick(cancel->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 13));
        });
        EXPECT_EQ(dialog.ShowModal(), mrCancel) << answer.toStdString();
        EXPECT_TRUE(shown->clicked) << answer.toStdString();
        EXPECT_TRUE(shown->onTop) << answer.toStdString() << " " << shown->text;
        EXPECT_EQ(shown->opener, dialog.Widget()->windowHandle()) << answer.toStdString();
    }
}

// With no stay-on-top window showing, a message box floats over nothing.
TEST(DialogOverStayOnTopTest, AMessageOverAPlainWindowDoesNotStayOnTop)
{
    TForm plain(nullptr);
    plain.Show();
    test::Pump(10);
    auto shown = std::make_shared<test::TShownDialog>();
    test::ClickDialogButtonWhenShown(QStringLiteral("OK"), shown);
    ShowMessage("Jogo salvo");
    EXPECT_TRUE(shown->clicked);
    EXPECT_FALSE(shown->onTop);
    plain.Close();
}

TEST(BrowserTest, LinksGoToTheHook)
{
    std::vector<std::string> opened;
    SetOpenUrlHook([&](const std::string& url) {
        opened.push_back(url);
        return true;
    });
    EXPECT_TRUE(OpenUrl("http://www.example.com/tabela"));
    SetOpenUrlHook(nullptr);
    EXPECT_EQ(opened, (std::vector<std::string>{"http://www.example.com/tabela"}));
}

}  // namespace
}  // namespace tarvelon
