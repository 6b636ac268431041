// Message boxes with Portuguese buttons, answered by a test's answerer and, for real, by pressing
// a button of the shown box; the colour chooser; links handed to the browser.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "platform/stdctrls/browser.h"
#include "platform/stdctrls/dialogs.h"
#include "platform/stdctrls/message_box.h"
#include "tests/platform/forms_test_support.h"

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
    QTimer::singleShot(20, [caption, seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            PressWhenShown(caption, seen);
            return;
        }
        for (QAbstractButton* button : box->buttons()) {
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
