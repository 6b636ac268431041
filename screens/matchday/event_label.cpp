#include "screens/matchday/event_label.h"

#include "platform/graphics/bitmap.h"
#include "richtext/html_draw_gdi.h"
#include "richtext/html_label.h"

namespace tarvelon {

TRichLabel* NewEventLabel(TComponent* owner, TWinControl* parent, int m, int left, int top)
{
    auto* label = new TRichLabel(owner);
    label->SetName("labeven_n" + std::to_string(m));
    label->SetParent(parent);
    label->SetBounds(left, top, 215, 16);
    label->SetShadowOffset(1);
    label->SetShadowColor(clBlack);
    label->SetTransparent(true);
    label->SetCursor(crHandPoint);
    label->SetTag(m);
    return label;
}

namespace {

constexpr int kSmallestEventSize = 7;

// The width the label's text engine gives a rich text on one line.
int WidthOf(TRichLabel& label, const std::string& html)
{
    TBitmap measure;
    measure.Canvas().Font.Assign(label.Font());
    THTMLDrawResult result;
    label.HTMLPaint(measure.Canvas(), html, Rect(0, 0, 4 * label.Width() + 200, label.Height()), 0, 0, -1, true, result);
    return result.MeasuredWidth;
}

// The text with its font size lowered by one where it names one ("size=\"11\"" becomes "10"); the
// same text when it names none or the size is already the smallest.
std::string OneSizeSmaller(const std::string& html)
{
    static const std::string kSize = "size=\"";
    const std::size_t at = html.find(kSize);
    if (at == std::string::npos)
        return html;
    const std::size_t from = at + kSize.size();
    const std::size_t to = html.find('"', from);
    int size = 0;
    try {
        size = std::stoi(html.substr(from, to - from));
    } catch (...) {
        return html;
    }
    if (size <= kSmallestEventSize)
        return html;
    return html.substr(0, from) + std::to_string(size - 1) + html.substr(to);
}

}  // namespace

// An event too long for its row is written smaller rather than cut at the crowd's column.
void SetEventText(TRichLabel* label, const std::string& html)
{
    if (!label)
        return;
    std::string text = html;
    for (std::string smaller = OneSizeSmaller(text); smaller != text && WidthOf(*label, text) > label->Width();
         smaller = OneSizeSmaller(text))
        text = smaller;
    label->SetHTMLText(text);
}

void SetEventLabelClick(TRichLabel* label, std::function<void(TObject*)> onClick)
{
    if (label)
        label->OnClick = std::move(onClick);
}

}  // namespace tarvelon
