// The smooth message dialog: its measured size, the button layout, the layered picture's alpha,
// keys and mouse on real events, modal and modeless closing.
#include <gtest/gtest.h>

#include <QPainter>

#include "controls/dc_smooth_message_dialog.h"
#include "controls/smooth_registration.h"
#include "platform/forms/class_registry.h"
#include "platform/forms/translucency.h"
#include "tests/controls/controls_test_support.h"
#include "tests/platform/modal_driver.h"
#include "tests/support/sample_picture.h"

namespace tarvelon {
namespace {

using test::SendMouse;

class SmoothDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        owner = new TForm(nullptr);
        owner->SetBounds(50, 50, 600, 400);
        owner->Show();
        dialog = new TDcSmoothMessageDialog(owner);
        dialog->Margin = 20;
        dialog->Fill().SetGradientType(gtSolid);
        dialog->Fill().SetColor(0xFF0000);  // blue
        dialog->Fill().SetShadowColor(clNone);
        dialog->Fill().SetBorderColor(clNone);
        dialog->Fill().SetRounding(0);
        dialog->ButtonAreaFill().SetGradientType(gtNone);
        dialog->Modal = false;
        dialog->AddButton("Ok", mrOk);
        dialog->OnCanClose = [this](TObject*, bool&, TModalResult result) { closedWith = result; };
    }
    void TearDown() override { Free(owner); }
    void Open(const std::string& text)
    {
        dialog->HTMLText().SetText(text);
        EXPECT_TRUE(dialog->Execute());
        test::Pump();
    }
    QWidget* W() { return dialog->DialogForm()->Widget(); }
    TForm* owner = nullptr;
    TDcSmoothMessageDialog* dialog = nullptr;
    TModalResult closedWith = -1;
};

TEST_F(SmoothDialogTest, OneButtonOneLineSize)
{
    Open("Contrato renovado");
    TDcSmoothMessageDialogForm* form = dialog->DialogForm();
    ASSERT_NE(form, nullptr);
    QImage scratch(1, 1, QImage::Format_ARGB32);
    TGPGraphics graphics(scratch);
    THTMLDrawGDIPParams params;
    params.MeasureOnly = true;
    THTMLDrawGDIPResult text;
    HTMLDrawGDIP(graphics, dialog->HTMLText().Font(), "Contrato renovado", TRect{0, 0, 10000, 10000}, params, text);
    EXPECT_EQ(form->ClientWidth(), std::max(80, text.TextWidth + 20) + 40);
    const int cellHeight = form->ClientHeight() - (text.TextHeight + 20) - 60;
    EXPECT_GE(cellHeight, 25);
    // The cell is 75 wide, the button 70 wide and 5 lower than its cell.
    EXPECT_FLOAT_EQ(dialog->Buttons(0).Rect.Width, 70);
    EXPECT_NEAR(dialog->Buttons(0).Rect.Height, float(cellHeight - 5), 0.5);
}

TEST_F(SmoothDialogTest, LayeredPictureIsTransparentInTheMarginAndFilledInside)
{
    Open("Contrato renovado");
    const QImage& picture = dialog->DialogForm()->Picture();
    EXPECT_EQ(qAlpha(picture.pixel(5, 5)), 0);
    EXPECT_EQ(qAlpha(picture.pixel(25, 25)), 255);
    EXPECT_PIXEL(picture, 25, 25, 0x0000FF, 3);
}

// Where the window system cannot blend a translucent window (no compositing manager; the
// off-screen platform of the tests neither), the half-transparent panel is shown opaque over what
// the form behind it shows there, not over black; the margin stays out of the window.
TEST_F(SmoothDialogTest, WithoutACompositorTheTranslucentPanelShowsTheFormBehindIt)
{
    ASSERT_FALSE(WindowSystemShowsTranslucency());
    owner->SetColor(clRed);
    owner->Invalidate();
    test::Pump();
    dialog->Fill().SetOpacity(110);
    dialog->Position = poOwnerFormCenter;
    Open("Selecione 11 jogadores");
    const QImage& picture = dialog->DialogForm()->Picture();
    const QPoint inside(30, picture.height() / 2);
    ASSERT_LT(picture.pixelColor(inside).alpha(), 200) << "the panel is translucent there";
    const QColor shown = W()->grab().toImage().pixelColor(inside);
    EXPECT_EQ(shown.alpha(), 255);
    EXPECT_GT(shown.red(), 100) << "the red form shows through";
    EXPECT_GT(shown.blue(), 70) << "under the blue panel";
    EXPECT_FALSE(W()->mask().contains(QPoint(2, 2)));
}

TEST_F(SmoothDialogTest, ArrowsWrapAndEscapeCancels)
{
    dialog->AddButton("Não", mrNo);
    dialog->AddButton("Sim", mrYes);
    Open("Aceitar a proposta?");
    test::PressKey(W(), Qt::Key_Left);
    EXPECT_EQ(dialog->DefaultButton, 2);
    test::PressKey(W(), Qt::Key_Right);
    EXPECT_EQ(dialog->DefaultButton, 0);
    test::PressKey(W(), Qt::Key_Escape);
    EXPECT_EQ(closedWith, mrCancel);
    EXPECT_EQ(dialog->DialogForm(), nullptr);
}

TEST_F(SmoothDialogTest, SpaceReleasesTheDefaultButton)
{
    dialog->AddButton("Sim", mrYes);
    Open("Aceitar a proposta?");
    test::PressKey(W(), Qt::Key_Right);
    test::PressKey(W(), Qt::Key_Space);
    EXPECT_EQ(closedWith, mrYes);
}

TEST_F(SmoothDialogTest, PressAndReleaseOverAnotherButtonClosesNothing)
{
    dialog->AddButton("Sim", mrYes);
    Open("Aceitar a proposta?");
    const TGPRectF a = dialog->Buttons(0).Rect;
    const TGPRectF b = dialog->Buttons(1).Rect;
    const QPoint onA(int(a.X + a.Width / 2), int(a.Y + a.Height / 2));
    const QPoint onB(int(b.X + b.Width / 2), int(b.Y + b.Height / 2));
    SendMouse(W(), QEvent::MouseButtonPress, onA, Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(dialog->Buttons(0).Pressed);
    SendMouse(W(), QEvent::MouseButtonRelease, onB, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(closedWith, -1);
    EXPECT_FALSE(dialog->Buttons(0).Pressed);
    SendMouse(W(), QEvent::MouseButtonPress, onB, Qt::LeftButton, Qt::LeftButton);
    SendMouse(W(), QEvent::MouseButtonRelease, onB, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(closedWith, mrYes);
}

TEST_F(SmoothDialogTest, AButtonWhoseCloseIsRefusedComesUpAgain)
{
    dialog->Buttons(0).Color = 0x00FF00;      // green
    dialog->Buttons(0).ColorDown = 0x0000FF;  // red
    dialog->Buttons(0).HoverColor = 0x00FF00;
    bool refuse = true;
    dialog->OnCanClose = [&](TObject*, bool& canClose, TModalResult result) {
        closedWith = result;
        canClose = !refuse;
    };
    Open("Aceitar a proposta?");
    const TGPRectF ok = dialog->Buttons(0).Rect;
    // A spot of the face clear of the caption.
    const QPoint face(int(ok.X + 6), int(ok.Y + ok.Height / 2));
    SendMouse(W(), QEvent::MouseButtonPress, face, Qt::LeftButton, Qt::LeftButton);
    EXPECT_PIXEL(dialog->DialogForm()->Picture(), face.x(), face.y(), 0xFF0000, 60);
    SendMouse(W(), QEvent::MouseButtonRelease, face, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(closedWith, mrOk);
    ASSERT_NE(dialog->DialogForm(), nullptr);
    EXPECT_FALSE(dialog->Buttons(0).Pressed);
    EXPECT_PIXEL(dialog->DialogForm()->Picture(), face.x(), face.y(), 0x00FF00, 60);
    refuse = false;
    SendMouse(W(), QEvent::MouseButtonPress, face, Qt::LeftButton, Qt::LeftButton);
    SendMouse(W(), QEvent::MouseButtonRelease, face, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(dialog->DialogForm(), nullptr);
}

TEST_F(SmoothDialogTest, TheRefreshedWindowStaysOnTop)
{
    Open("Contrato renovado");
    EXPECT_EQ(dialog->DialogForm()->FormStyle(), fsStayOnTop);
    EXPECT_TRUE(W()->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(SmoothDialogTest, ModalExecuteIsTrueForYesAndFalseForNo)
{
    dialog->Modal = true;
    dialog->Buttons(0).ButtonResult = mrYes;
    test::Answer<TDcSmoothMessageDialogForm>([this](auto&) { test::PressKey(W(), Qt::Key_Return); });
    EXPECT_TRUE(dialog->Execute());
    dialog->Buttons(0).ButtonResult = mrNo;
    test::Answer<TDcSmoothMessageDialogForm>([this](auto&) { test::PressKey(W(), Qt::Key_Return); });
    EXPECT_FALSE(dialog->Execute());
    test::Answer<TDcSmoothMessageDialogForm>([this](auto&) { test::PressKey(W(), Qt::Key_Escape); });
    EXPECT_FALSE(dialog->Execute());
    EXPECT_EQ(dialog->DialogForm(), nullptr);
}

// The modal message shows its picture the moment it appears (its window is made only when shown,
// and was shown empty, black until a click repainted it), centred on the form that owns it; its
// transparent margin is no part of the window; its "Ok" is clicked with the mouse.
TEST_F(SmoothDialogTest, AModalMessageIsPaintedAtOnceAndCentredOnItsForm)
{
    dialog->Modal = true;
    dialog->Position = poOwnerFormCenter;
    bool seen = false;
    test::Answer<TDcSmoothMessageDialogForm>([this, &seen](TDcSmoothMessageDialogForm& shownForm) {
        TDcSmoothMessageDialogForm* form = &shownForm;
        seen = true;
        const QImage shown = W()->grab().toImage();
        const QImage& picture = form->Picture();
        ASSERT_EQ(shown.size(), picture.size());
        const QPoint inside(picture.width() / 2, dialog->Margin + 4);
        EXPECT_EQ(picture.pixelColor(inside).alpha(), 255);
        EXPECT_EQ(shown.pixelColor(inside).rgb(), picture.pixelColor(inside).rgb());
        EXPECT_FALSE(W()->mask().contains(QPoint(2, 2)));  // the margin
        EXPECT_TRUE(W()->mask().contains(inside));
        const QRect window = W()->frameGeometry();
        EXPECT_NEAR(window.center().x(), owner->Left() + owner->Width() / 2, 1);
        EXPECT_NEAR(window.center().y(), owner->Top() + owner->Height() / 2, 1);
        const TGPRectF ok = dialog->Buttons(0).Rect;
        const QPoint button(int(ok.X + ok.Width / 2), int(ok.Y + ok.Height / 2));
        SendMouse(W(), QEvent::MouseButtonPress, button, Qt::LeftButton, Qt::LeftButton);
        SendMouse(W(), QEvent::MouseButtonRelease, button, Qt::LeftButton, Qt::NoButton);
    });
    dialog->HTMLText().SetText("Selecione 11 jogadores");
    EXPECT_TRUE(dialog->Execute());
    EXPECT_TRUE(seen);
}

TEST_F(SmoothDialogTest, ProgressAtItsMaximumClosesTheDialog)
{
    dialog->ProgressVisible = true;
    Open("Carregando...");
    dialog->SetProgressValue(50);
    EXPECT_EQ(closedWith, -1);
    dialog->SetProgressValue(100);
    EXPECT_EQ(closedWith, mrOk);
}

}  // namespace
}  // namespace tarvelon

// A sample sheet of the panel and the dialog (kept as controls_smooth.png, see sample_picture.h).
#include "controls/dc_smooth_panel.h"
namespace tarvelon {
namespace {
TEST(SmoothSample, RendersASheet)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 640, 300);
    form.SetColor(clWhite);
    auto* panel = new TDcSmoothPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(10, 10, 300, 200);
    panel->Fill().SetColor(TColor(0x804020));
    panel->Fill().SetColorTo(TColor(0xF0C080));
    panel->Fill().SetRounding(10);
    panel->Fill().SetShadowOffset(6);
    panel->Caption().SetText("Próximo jogo");
    panel->Caption().SetHTMLFont(TFont());
    panel->Caption().SetHTMLText("<FONT size=\"10\" face=\"Arial\"><B>Atlético Serrano</B> x <FONT color=\"#FF0000\">Vila Nova do Sul</FONT><BR><SHAD>Estádio Cerro Azul</SHAD><BR><A href=\"ver\">Ver detalhes</A> <U>sub</U> <E>erro</E></FONT>");
    form.Show();
    test::Pump();
    panel->Repaint();
    QImage sheet(640, 300, QImage::Format_ARGB32);
    sheet.fill(Qt::white);
    {
        QPainter painter(&sheet);
        painter.drawImage(10, 10, panel->BackingImage());
        TDcSmoothMessageDialog dialog(&form);
        dialog.Margin = 20;
        dialog.Modal = false;
        dialog.Caption = "Aviso";
        dialog.Fill().SetColor(TColor(0x404040));
        dialog.Fill().SetColorTo(TColor(0x202020));
        dialog.Fill().SetOpacity(200);
        dialog.Fill().SetRounding(8);
        dialog.HTMLText().Font().SetColor(clWhite);
        dialog.AddButton("Ok", mrOk);
        dialog.AddButton("Cancelar", mrCancel);
        dialog.HTMLText().SetText("O contrato de <B>Ruan Quelhas</B> termina<BR>no fim da temporada.");
        dialog.Execute();
        painter.drawImage(330, 10, dialog.DialogForm()->Picture());
        dialog.CloseDialog(mrOk);
    }
    EXPECT_TRUE(tarvelon::testing::KeepSamplePicture(sheet, "controls_smooth.png"));

    // The panel's fill runs from dark blue at the top to light blue at the bottom, with its shadow on
    // the right; the red part of the caption is drawn; the dialog is dark on the white sheet.
    const auto brightness = [&](int x, int y) {
        const QRgb p = sheet.pixel(x, y);
        return qRed(p) + qGreen(p) + qBlue(p);
    };
    const auto count = [&](QRect area, auto&& test) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += test(sheet.pixel(x, y)) ? 1 : 0;
        return n;
    };
    const QRgb top = sheet.pixel(150, 40);
    EXPECT_GT(qBlue(top), qRed(top) + 40);
    EXPECT_LT(brightness(150, 40) + 150, brightness(150, 195));
    EXPECT_LT(brightness(307, 100), 3 * 0xF0);  // the shadow, in the six pixels right of the body
    EXPECT_EQ(brightness(313, 100), 3 * 0xFF);  // nothing beyond the panel
    EXPECT_GT(count(QRect(10, 10, 300, 200), [](QRgb p) { return qRed(p) > 0xC0 && qGreen(p) < 0x60 && qBlue(p) < 0x60; }), 30);
    EXPECT_GT(count(QRect(330, 10, 300, 200), [](QRgb p) { return qRed(p) < 0x80 && qGreen(p) < 0x80 && qBlue(p) < 0x80; }), 5000);
    EXPECT_EQ(brightness(600, 280), 3 * 0xFF);
}
}  // namespace
}  // namespace tarvelon

namespace tarvelon {
namespace {

TEST_F(SmoothDialogTest, DraggedByItsCaptionBandOnly)
{
    dialog->Caption = "Aviso";
    Open("Contrato renovado");
    TDcSmoothMessageDialogForm* form = dialog->DialogForm();
    EXPECT_EQ(form->HitTest(40, 5), HTCAPTION);
    EXPECT_EQ(form->HitTest(40, 20 + 29), HTCAPTION);
    EXPECT_EQ(form->HitTest(40, 20 + 31), HTCLIENT);
    const TGPRectF ok = dialog->Buttons(0).Rect;
    EXPECT_EQ(form->HitTest(int(ok.X + 2), int(ok.Y + 2)), HTCLIENT);
}

TEST_F(SmoothDialogTest, TabMovesTheDefaultButtonAndLinksAreClicked)
{
    dialog->AddButton("Sim", mrYes);
    std::string clicked;
    dialog->OnAnchorClick = [&](TObject*, const std::string& anchor) { clicked = anchor; };
    dialog->HTMLText().Location = hlTopLeft;
    Open("<A href=\"ficha\">Ver ficha</A>");
    test::PressKey(W(), Qt::Key_Tab);
    EXPECT_EQ(dialog->DefaultButton, 1);
    // The text starts 5 pixels inside the margin, in the band below the (absent) caption.
    const QPoint onLink(20 + 5 + 12, 20 + 6);
    EXPECT_EQ(dialog->AnchorAt(onLink.x(), onLink.y()), "ficha");
    SendMouse(W(), QEvent::MouseButtonPress, onLink, Qt::LeftButton, Qt::LeftButton);
    SendMouse(W(), QEvent::MouseButtonRelease, onLink, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(clicked, "ficha");
    EXPECT_EQ(closedWith, -1);
}

TEST(SmoothRegistration, ClassesAreKnownByName)
{
    RegisterSmoothPanelAndDialog();
    TComponent* panel = CreateComponent("TDcSmoothPanel", nullptr);
    EXPECT_NE(dynamic_cast<TDcSmoothPanel*>(panel), nullptr);
    Free(panel);
    EXPECT_TRUE(IsClassRegistered("TDcSmoothMessageDialog"));
}

}  // namespace
}  // namespace tarvelon
