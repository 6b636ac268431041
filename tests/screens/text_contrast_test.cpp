// How well the text of the screens reads against what is painted under it: the measure itself, on a
// form of known colours, and every registered screen on the gallery's seeded game.
#include <QTest>
#include <cstdio>
#include <gtest/gtest.h>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/stdctrls/graphic_controls.h"
#include "richtext/html_label.h"
#include "screens/common/game_form.h"
#include "screens/common/screen_registry.h"
#include "screens/screens_registration.h"
#include "tests/platform/forms_test_support.h"
#include "tests/platform/modal_driver.h"
#include "tests/screens/gallery_game_suite.h"
#include "tests/screens/text_contrast.h"

namespace tarvelon {
namespace {

using test::TextContrast;

// Grey (0x808080) under everything: white reads at 3.95 on it, black at 5.32, and white on navy at 16.0.
const char* const kKnownColours = R"(object Form90: TForm90
  ClientWidth = 400
  ClientHeight = 200
  Color = 8421504
  Font.Name = 'Arial'
  Font.Height = -14
  object branco: TLabel
    Left = 10
    Top = 10
    Caption = 'Salvar jogo'
    Font.Color = clWhite
    Transparent = True
  end
  object preto: TLabel
    Left = 10
    Top = 40
    Caption = 'Salvar jogo'
    Font.Color = clBlack
    Transparent = True
  end
  object marinho: TLabel
    Left = 10
    Top = 70
    Caption = 'Salvar jogo'
    Color = clNavy
    Font.Color = clWhite
  end
  object escondido: TLabel
    Left = 10
    Top = 100
    Caption = 'Salvar jogo'
    Font.Color = clWhite
    Transparent = True
    Visible = False
  end
  object vazio: TLabel
    Left = 10
    Top = 130
    Font.Color = clWhite
    Transparent = True
  end
  object sombra: TLabel
    Left = 11
    Top = 161
    Caption = 'Grupo A'
    Font.Color = clBlack
    Transparent = True
  end
  object texto: TLabel
    Left = 10
    Top = 160
    Caption = 'Grupo A'
    Font.Color = clWhite
    Transparent = True
  end
  object desligado: TLabel
    Left = 200
    Top = 160
    Caption = 'Salvar jogo'
    Font.Color = clBlack
    Transparent = True
    Enabled = False
  end
  object misto: TRichLabel
    Left = 200
    Top = 10
    Width = 190
    Height = 20
    Font.Name = 'Arial'
    Font.Height = -14
  end
end
)";

class TKnownColoursForm : public TGameForm {
public:
    explicit TKnownColoursForm(TComponent* owner) : TGameForm(owner, "TForm90", {.background = TBackground::None})
    {
        ReadDescriptionText(kKnownColours, "TForm90.dfm");
        if (auto* misto = FindChild<TRichLabel>("misto")) {
            misto->SetTransparent(true);
            misto->SetHTMLText("preto e <FONT color=\"#FFFFFF\">branco</FONT>");
        }
    }
};

const TextContrast* Find(const std::vector<TextContrast>& measured, const std::string& name)
{
    for (const TextContrast& label : measured)
        if (label.name == name)
            return &label;
    return nullptr;
}

class TextContrastMeasure : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterGameScreens(); }
};

TEST_F(TextContrastMeasure, EachShownLabelIsMeasuredAgainstWhatIsPaintedUnderItsLetters)
{
    auto* form = new TKnownColoursForm(Application);
    form->Show();
    test::Pump();
    const std::vector<TextContrast> measured = test::MeasureTextContrast(*form);
    form->Release();
    test::Pump();

    std::set<std::string> names;
    for (const TextContrast& label : measured)
        names.insert(label.name);
    EXPECT_EQ(names, (std::set<std::string>{"branco", "preto", "marinho", "misto", "sombra", "texto", "desligado"}));
    const auto expectRatio = [&](const std::string& name, double ratio, TColor colour) {
        const TextContrast* label = Find(measured, name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_NEAR(label->ratio, ratio, 0.01) << name;
        EXPECT_EQ(label->colour, colour) << name;
        EXPECT_GT(label->pixels, 20) << name;
    };
    expectRatio("branco", 3.95, clWhite);
    expectRatio("preto", 5.32, clBlack);
    expectRatio("marinho", 16.0, clWhite);  // an opaque label: its own colour lies under its letters
    expectRatio("misto", 3.95, clWhite);    // of two colours, the one that reads worse
    // A copy of a text drawn under it a pixel aside is its shadow; a disabled label is greyed.
    ASSERT_NE(Find(measured, "sombra"), nullptr);
    ASSERT_NE(Find(measured, "texto"), nullptr);
    EXPECT_TRUE(Find(measured, "sombra")->shadowCopy);
    EXPECT_FALSE(Find(measured, "texto")->shadowCopy);
    ASSERT_NE(Find(measured, "desligado"), nullptr);
    EXPECT_FALSE(Find(measured, "desligado")->enabled);
    EXPECT_EQ(Find(measured, "desligado")->colour, ColorToRGB(clBtnShadow));
}

TEST_F(TextContrastMeasure, TheRatioRunsFromOneForEqualColoursToTwentyOneForBlackOnWhite)
{
    const double white = test::RelativeLuminance(qRgb(255, 255, 255));
    const double black = test::RelativeLuminance(qRgb(0, 0, 0));
    EXPECT_DOUBLE_EQ(white, 1.0);
    EXPECT_DOUBLE_EQ(black, 0.0);
    EXPECT_DOUBLE_EQ(test::ContrastRatio(white, black), 21.0);
    EXPECT_DOUBLE_EQ(test::ContrastRatio(black, white), 21.0);
    EXPECT_DOUBLE_EQ(test::ContrastRatio(0.3, 0.3), 1.0);
    // Text of nearly its background's colour is still found and measured.
    QImage under(20, 10, QImage::Format_RGB32);
    under.fill(qRgb(200, 200, 200));
    QImage over = under;
    for (int x = 5; x < 15; ++x)
        over.setPixel(x, 5, qRgb(205, 205, 205));
    const TextContrast faint = test::MeasureLetters(over, under, {static_cast<TColor>(0xCDCDCD)});
    EXPECT_EQ(faint.pixels, 10);
    EXPECT_LT(faint.ratio, 1.1);
}

// The game's screens on the gallery's seeded game.
class ScreensTextContrast : public test::GalleryGameSuite {
protected:
    static void SetUpTestSuite() { PrepareGame(5, 4); }
};

struct MeasuredScreen {
    std::string formClass;
    std::vector<TextContrast> labels;
};

MeasuredScreen MeasureScreen(const TScreenRecord& entry)
{
    MeasuredScreen screen{entry.formClass, {}};
    std::optional<test::GameKeptAside> kept;
    if (entry.replacesGame)
        kept.emplace();
    TGameForm* form = CreateScreen(entry, Application, true);
    if (form == nullptr)
        return screen;
    form->Show();
    Application->ProcessMessages();
    form->Repaint();
    screen.labels = test::MeasureTextContrast(*form);
    test::CloseEveryForm();
    return screen;
}

// The faint colours the screens are meant to show, which stay as they are: the hub's club name, in the
// club's own colours over its shadow; the bid's amount in red when the club cannot pay it; the
// standings' yellow page titles; the live matchday's yellow venues and silver crowds on its green; the
// coach ranking's yellow name and points (readable by their dark shadow). "#" stands for the number of
// a row's label.
const std::set<std::string> kMeantFaint = {
    "TForm13.nometime", "TForm60.Label6",  "TForm36.labtitulo#", "TForm46.est#",
    "TForm46.labpub#",  "TForm47.label13", "TForm47.label53",
};

bool MeantFaint(const std::string& formClass, const std::string& name)
{
    const std::size_t digits = name.find_last_not_of("0123456789") + 1;
    return kMeantFaint.contains(formClass + "." + name) ||
           (digits < name.size() && kMeantFaint.contains(formClass + "." + name.substr(0, digits) + "#"));
}

// Held to 3 : 1: the text of every label that is read on its own; a disabled control is greyed and a
// shadow copy lies under its text on purpose.
bool HeldToTheBar(const std::string& formClass, const TextContrast& label)
{
    return label.enabled && !label.shadowCopy && !MeantFaint(formClass, label.name);
}

std::string Described(const std::string& formClass, const TextContrast& label)
{
    char figure[160];
    std::snprintf(figure, sizeof figure, "%s.%s %s%s%s %.2f : 1, text #%02X%02X%02X", formClass.c_str(), label.name.c_str(),
                  label.className.c_str(), label.enabled ? "" : " (disabled)", label.shadowCopy ? " (shadow copy)" : "",
                  label.ratio, label.colour & 0xFF, (label.colour >> 8) & 0xFF, (label.colour >> 16) & 0xFF);
    return std::string(figure) + " \"" + label.text + "\"";
}

TEST_F(ScreensTextContrast, EveryLabelOfEveryScreenReadsOnWhatIsPaintedUnderIt)
{
    ASSERT_NE(BackgroundBitmap, nullptr);
    int labels = 0;
    for (const TScreenRecord* entry : RegisteredScreens()) {
        const MeasuredScreen screen = MeasureScreen(*entry);
        for (const TextContrast& label : screen.labels) {
            ++labels;
            const std::string described = Described(screen.formClass, label);
            EXPECT_GT(label.pixels, 0) << described << ": its text colour is not in its letters";
            if (label.pixels > 0 && label.ratio < 4.5)
                std::printf("%s\n", described.c_str());  // the figures below 4.5 : 1, for whoever looks
            if (label.pixels > 0 && HeldToTheBar(screen.formClass, label))
                EXPECT_GE(label.ratio, 3.0) << described;
        }
    }
    EXPECT_GT(labels, 500);
}

}  // namespace
}  // namespace tarvelon
