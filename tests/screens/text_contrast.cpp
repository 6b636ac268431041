#include "tests/screens/text_contrast.h"

#include <QWidget>
#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <string_view>

#include "controls/dc_smooth_label.h"
#include "platform/forms/form.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/graphic_controls.h"
#include "richtext/html_label.h"
#include "richtext/html_markup.h"

namespace tarvelon::test {

namespace {

using markup::FindNoCase;
using markup::LowerAscii;
using markup::QuotedValueFrom;
using markup::ValueColor;

double ChannelLuminance(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

QRgb RgbOf(TColor colour)
{
    const TColor rgb = ColorToRGB(colour);
    return qRgb(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

int ChannelDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// A letter's pixel counts for the colour nearest to it, when it is that near: a pixel further from
// every text colour is the edge of a letter or a picture in the text.
constexpr int kColourTolerance = 80;

// How a kind of label is painted without its text and given it back, and the colours of its text.
struct LabelText {
    std::vector<TColor> colours;
    std::vector<TColor> decoration;
    std::string text;
    std::function<void()> blank;
    std::function<void()> restore;
};

std::vector<TColor> MarkupColours(const std::string& markup)
{
    std::vector<TColor> colours;
    constexpr std::string_view attribute = "color=\"";
    for (std::size_t at = FindNoCase(markup, attribute); at != std::string::npos;
         at = FindNoCase(markup, attribute, at + 1)) {
        const bool background = at >= 2 && LowerAscii(markup.substr(at - 2, 2)) == "bg";
        std::string value;
        if (!background && QuotedValueFrom(markup, at, value))
            colours.push_back(ValueColor(value));
    }
    return colours;
}

// Blanks a label's text and gives it back, its automatic sizing off meanwhile so that it keeps its place.
template <typename Label, typename TextOwner>
void BlankInPlace(LabelText& out, Label& label, void (TextOwner::*setText)(const std::string&),
                  void (Label::*setSizing)(bool), bool sizing)
{
    out.blank = [&label, setText, setSizing] {
        (label.*setSizing)(false);
        (label.*setText)(std::string());
    };
    out.restore = [&label, setText, setSizing, sizing, text = out.text] {
        (label.*setText)(text);
        (label.*setSizing)(sizing);
    };
}

LabelText TextOfLabel(TLabel& label)
{
    LabelText out;
    out.text = label.Caption();
    out.colours = {label.Enabled() ? label.Font().Color() : clBtnShadow};
    if (!label.Enabled())
        out.decoration = {clBtnHighlight};
    BlankInPlace(out, label, &TLabel::SetCaption, &TLabel::SetAutoSize, label.AutoSize());
    return out;
}

LabelText TextOfRichLabel(TRichLabel& label)
{
    LabelText out;
    out.text = label.GetDisplayText();
    out.colours = {label.Font().Color()};
    for (TColor colour : MarkupColours(out.text))
        out.colours.push_back(colour);
    if (FindNoCase(out.text, "<A ") != std::string::npos)
        out.colours.push_back(label.URLColor());
    if (FindNoCase(out.text, "<SHAD") != std::string::npos)
        out.decoration = {label.ShadowColor()};
    using SetText = void (TRichLabel::*)(const std::string&);
    BlankInPlace(out, label, static_cast<SetText>(&TRichLabel::SetHTMLText), &TRichLabel::SetAutoSizing,
                 label.AutoSizing());
    return out;
}

LabelText TextOfSmoothLabel(TDcSmoothLabel& label)
{
    LabelText out;
    out.text = label.Caption().Text();
    out.colours = {label.Caption().ColorStart(), label.Caption().ColorEnd()};
    if (label.CaptionShadowVisible())
        out.decoration = {label.CaptionShadow().ColorStart(), label.CaptionShadow().ColorEnd()};
    out.blank = [&label] {
        label.Caption().SetText("");
        label.CaptionShadow().SetText("");
    };
    out.restore = [&label, text = out.text, shadow = label.CaptionShadow().Text()] {
        label.Caption().SetText(text);
        label.CaptionShadow().SetText(shadow);
    };
    return out;
}

LabelText TextOfButton(TButton& button)
{
    LabelText out;
    out.text = button.Caption();
    out.colours = {button.Enabled() ? button.Font().Color() : clGrayText};
    out.blank = [&button] { button.SetCaption(""); };
    out.restore = [&button, text = out.text] { button.SetCaption(text); };
    return out;
}

// The text of a control that shows one over what lies under it; nothing for every other control.
std::optional<LabelText> TextOf(TControl& control)
{
    if (auto* label = dynamic_cast<TLabel*>(&control))
        return TextOfLabel(*label);
    if (auto* rich = dynamic_cast<TRichLabel*>(&control))
        return TextOfRichLabel(*rich);
    if (auto* smooth = dynamic_cast<TDcSmoothLabel*>(&control))
        return TextOfSmoothLabel(*smooth);
    if (dynamic_cast<TCheckBox*>(&control) || dynamic_cast<TRadioButton*>(&control))
        return TextOfButton(static_cast<TButton&>(control));
    return std::nullopt;
}

void CollectControls(TComponent& owner, std::vector<TControl*>& controls)
{
    for (int i = 0; i < owner.ComponentCount(); ++i) {
        TComponent* component = owner.Components(i);
        if (auto* control = dynamic_cast<TControl*>(component))
            controls.push_back(control);
        CollectControls(*component, controls);
    }
}

// A copy of a label's text drawn under it a pixel or a few aside, its shadow (the later label is drawn
// over the earlier one).
bool IsShadowCopy(const TControl& under, const TControl& over, const std::string& underText, const std::string& overText)
{
    const int dx = std::abs(under.Left() - over.Left());
    const int dy = std::abs(under.Top() - over.Top());
    return under.Parent() == over.Parent() && underText == overText && dx <= 3 && dy <= 3 && dx + dy > 0;
}

QImage Grab(QWidget& window, const QRect& area)
{
    return window.grab(area).toImage().convertToFormat(QImage::Format_RGB32);
}

// One control's text where it shows on the window; nothing when none of its letters shows.
std::optional<TextContrast> MeasureControl(QWidget& window, TControl& control, const LabelText& text)
{
    const TPoint origin = control.ClientToScreen(Point(0, 0));
    const QPoint topLeft = window.mapFromGlobal(QPoint(origin.X, origin.Y));
    const QRect area = QRect(topLeft, QSize(control.Width(), control.Height())).intersected(window.rect());
    if (area.isEmpty())
        return std::nullopt;
    const QImage withText = Grab(window, area);
    text.blank();
    const QImage withoutText = Grab(window, area);
    text.restore();
    if (withText == withoutText)
        return std::nullopt;
    TextContrast contrast = MeasureLetters(withText, withoutText, text.colours, text.decoration);
    contrast.name = control.Name();
    contrast.className = control.ClassName();
    contrast.text = text.text;
    contrast.enabled = control.Enabled();
    return contrast;
}

// The letters' pixels by the text colour they are painted in, with the luminance under them summed.
struct LettersByColour {
    std::vector<double> luminanceUnder;
    std::vector<int> count;
    int strong = 0;  // the letters' pixels, whatever their colour
};

LettersByColour SortLetters(const QImage& withText, const QImage& withoutText, const std::vector<QRgb>& candidates)
{
    LettersByColour letters{std::vector<double>(candidates.size(), 0), std::vector<int>(candidates.size(), 0)};
    // The letters' strongest pixels: half as far from what is under them as the farthest one, so that
    // text nearly of its background's colour is measured too.
    int farthest = 0;
    for (int y = 0; y < withText.height(); ++y)
        for (int x = 0; x < withText.width(); ++x)
            farthest = std::max(farthest, ChannelDistance(withText.pixel(x, y), withoutText.pixel(x, y)));
    for (int y = 0; farthest > 0 && y < withText.height(); ++y) {
        for (int x = 0; x < withText.width(); ++x) {
            const QRgb painted = withText.pixel(x, y);
            const QRgb under = withoutText.pixel(x, y);
            if (2 * ChannelDistance(painted, under) < farthest)
                continue;
            ++letters.strong;
            const auto nearest = std::min_element(candidates.begin(), candidates.end(), [painted](QRgb a, QRgb b) {
                return ChannelDistance(painted, a) < ChannelDistance(painted, b);
            });
            if (ChannelDistance(painted, *nearest) > kColourTolerance)
                continue;
            const auto i = static_cast<std::size_t>(nearest - candidates.begin());
            letters.luminanceUnder[i] += RelativeLuminance(under);
            ++letters.count[i];
        }
    }
    return letters;
}

}  // namespace

double RelativeLuminance(QRgb colour)
{
    return 0.2126 * ChannelLuminance(qRed(colour)) + 0.7152 * ChannelLuminance(qGreen(colour)) +
           0.0722 * ChannelLuminance(qBlue(colour));
}

double ContrastRatio(double luminance, double otherLuminance)
{
    const double lighter = std::max(luminance, otherLuminance);
    const double darker = std::min(luminance, otherLuminance);
    return (lighter + 0.05) / (darker + 0.05);
}

TextContrast MeasureLetters(const QImage& withText, const QImage& withoutText, const std::vector<TColor>& colours,
                            const std::vector<TColor>& decoration)
{
    TextContrast result;
    if (withText.size() != withoutText.size() || colours.empty())
        return result;
    std::vector<QRgb> candidates;
    for (TColor colour : colours)
        candidates.push_back(RgbOf(colour));
    for (TColor colour : decoration)
        candidates.push_back(RgbOf(colour));
    const LettersByColour letters = SortLetters(withText, withoutText, candidates);
    // A colour counts where it paints a twentieth of the letters (a word of its own, not a stray edge).
    const int least = std::max(4, letters.strong / 20);
    for (std::size_t i = 0; i < colours.size(); ++i) {
        if (letters.count[i] < least)
            continue;
        const double ratio =
            ContrastRatio(RelativeLuminance(candidates[i]), letters.luminanceUnder[i] / letters.count[i]);
        if (result.pixels == 0 || ratio < result.ratio) {
            result.ratio = ratio;
            result.colour = ColorToRGB(colours[i]);
            result.pixels = letters.count[i];
        }
    }
    return result;
}

std::vector<TextContrast> MeasureTextContrast(TForm& form)
{
    std::vector<TControl*> controls;
    CollectControls(form, controls);
    std::vector<std::pair<TControl*, LabelText>> shown;
    for (TControl* control : controls) {
        if (!control->Showing())
            continue;
        if (std::optional<LabelText> text = TextOf(*control); text && !text->text.empty())
            shown.emplace_back(control, std::move(*text));
    }
    std::vector<TextContrast> measured;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        auto& [control, text] = shown[i];
        std::optional<TextContrast> contrast = MeasureControl(*form.Widget(), *control, text);
        if (!contrast)
            continue;
        contrast->shadowCopy = std::any_of(shown.begin() + static_cast<std::ptrdiff_t>(i) + 1, shown.end(), [&](const auto& over) {
            return IsShadowCopy(*control, *over.first, text.text, over.second.text);
        });
        measured.push_back(*contrast);
    }
    return measured;
}

}  // namespace tarvelon::test
