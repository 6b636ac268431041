#pragma once
// How well a screen's labels read: each shown label's text colour against what is painted under its
// letters, as the contrast ratio of text (the lighter luminance + 0.05 over the darker + 0.05, from 1
// to 21). The letters are found by painting the label's area twice, with its text and without it:
// the pixels that differ are the text, and the second picture there is what lies under it.
#include <QImage>
#include <string>
#include <vector>

#include "platform/graphics/color.h"

namespace tarvelon {
class TForm;
}

namespace tarvelon::test {

struct TextContrast {
    std::string name;         // the label's component name
    std::string className;    // TLabel, TRichLabel, ...
    std::string text;         // its caption, or its markup
    TColor colour = 0;        // the text colour that reads worst, as RGB
    double ratio = 0;         // that colour against the mean luminance under its letters
    int pixels = 0;           // the letters' pixels the figure stands on
    bool enabled = true;      // a disabled label's text is greyed on purpose
    bool shadowCopy = false;  // the label is the shadow of the same text drawn over it
};

// The relative luminance of a colour: 0 for black, 1 for white.
double RelativeLuminance(QRgb colour);
// The contrast ratio of two luminances.
double ContrastRatio(double luminance, double otherLuminance);

// The labels, check boxes and radio buttons shown on the form, each measured where its letters show.
// A label whose letters show nowhere (empty, covered, outside the form) is left out.
std::vector<TextContrast> MeasureTextContrast(TForm& form);

// One measurement: `withText` and `withoutText` are the same area painted with and without the text,
// `colours` the colours the text is drawn in (the figure is the worst of those found in the letters),
// `decoration` colours drawn with it that are not text (a shadow). Zero pixels when nothing differs.
TextContrast MeasureLetters(const QImage& withText, const QImage& withoutText, const std::vector<TColor>& colours,
                            const std::vector<TColor>& decoration = {});

}  // namespace tarvelon::test
