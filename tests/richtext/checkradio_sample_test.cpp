// An options screen built from the rich-text controls: labels as the game sets them up at run
// time, check boxes and radio buttons in every look, checked, grayed and disabled. The test checks
// that each look leaves ink in its box; with TARVELON_RICHTEXT_SHOT=<file.png> it also saves the
// picture of the form.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "platform/forms/form.h"
#include "platform/graphics/themes.h"
#include "richtext/html_check_box.h"
#include "richtext/html_label.h"
#include "richtext/html_radio.h"
#include "tests/richtext/checkradio_test_support.h"

namespace tarvelon {
namespace {

const char* const kLookNames[] = {"Classic", "Drusk", "Flat", "Velmar", "WinXP", "Theme"};

TEST(CheckRadioSample, EveryLookDrawsItsBox)
{
    SetThemed(true);
    auto* form = new TForm(nullptr);
    form->SetBounds(40, 40, 640, 330);
    form->SetColor(RGB(236, 233, 216));

    auto* title = new TRichLabel(form);
    title->SetParent(form);
    title->SetBounds(10, 8, 600, 30);
    title->SetColor(RGB(0, 70, 20));
    title->SetColorTo(RGB(40, 160, 70));
    title->Font().SetName("Arial");
    title->Font().SetSize(10);
    title->Font().SetStyle(TFontStyles{fsBold});
    title->Font().SetColor(clWhite);
    title->SetShadowColor(clBlack);
    title->SetShadowOffset(1);
    title->SetHTMLText("<SHAD>Opções do jogo</SHAD> <FONT color=\"#FFFF00\">temporada 2027</FONT>");

    auto* stats = new TRichLabel(form);
    stats->SetParent(form);
    stats->SetBounds(10, 250, 300, 20);
    stats->SetTransparent(true);
    stats->SetAutoSizing(true);
    stats->Font().SetName("Arial");
    stats->Font().SetStyle(TFontStyles{fsBold});
    stats->SetHTMLText("<IND x=\"40\">Gols<IND x=\"150\"><FONT color=\"#0000FF\">27</FONT><BR>"
                       "<IND x=\"40\">Cartões<IND x=\"150\"><U>4</U>");

    for (int look = 0; look < 6; ++look) {
        const int y = 45 + look * 32;
        auto* check = new THTMLCheckBox(form);
        check->SetParent(form);
        check->SetBounds(10, y, 150, 24);
        check->SetButtonType(static_cast<TButtonType>(look));
        check->SetCaption(std::string("<B>") + kLookNames[look] + "</B> marcado");
        check->SetChecked(true);
        auto* grayed = new THTMLCheckBox(form);
        grayed->SetParent(form);
        grayed->SetBounds(165, y, 110, 24);
        grayed->SetButtonType(static_cast<TButtonType>(look));
        grayed->SetCaption("vazio");
        if (look == 0 || look == 1)
            grayed->SetState(cbGrayed);
        auto* off = new THTMLCheckBox(form);
        off->SetParent(form);
        off->SetBounds(280, y, 110, 24);
        off->SetButtonType(static_cast<TButtonType>(look));
        off->SetCaption("desligado");
        off->SetChecked(look % 2 == 0);
        off->SetEnabled(false);
        for (int r = 0; r < 2; ++r) {
            auto* radio = new THTMLRadioButton(form);
            radio->SetParent(form);
            radio->SetBounds(400 + r * 115, y, 110, 24);
            radio->SetButtonType(static_cast<TButtonType>(look));
            radio->SetGroupIndex(static_cast<std::uint8_t>(look));
            radio->SetCaption(r == 0 ? "<I>Opção</I> A" : "Opção B");
            radio->SetChecked(r == 0);
        }
    }
    auto* right = new THTMLCheckBox(form);
    right->SetParent(form);
    right->SetBounds(400, 250, 200, 24);
    right->SetAlignment(taRightJustify);
    right->SetCaption("Caixa à direita");
    right->SetChecked(true);
    form->Show();
    test::Pump();
    right->SetFocus();
    const QImage image = test::Picture(form);
    QImage shot = image;
    for (int i = 0; i < form->ControlCount(); ++i) {
        auto* window = dynamic_cast<TWinControl*>(form->Controls(i));
        if (!window)
            continue;
        QPainter painter(&shot);
        painter.drawImage(window->Left(), window->Top(), test::Picture(window));
    }
    if (const QByteArray file = qgetenv("TARVELON_RICHTEXT_SHOT"); !file.isEmpty())
        shot.save(QString::fromLocal8Bit(file));
    for (int look = 0; look < 6; ++look) {
        const int y = 45 + look * 32;
        const QRect boxArea(10, y, 16, 20);
        const int ink = test::CountPixels(shot, boxArea, [](unsigned c) { return c != 0xFFFFFFu; });
        EXPECT_GT(ink, 10) << kLookNames[look];
    }
    Free(form);
}

}  // namespace
}  // namespace tarvelon
