#include "screens/matchday/event_label.h"

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

void SetEventText(TRichLabel* label, const std::string& html)
{
    if (label)
        label->SetHTMLText(html);
}

void SetEventLabelClick(TRichLabel* label, std::function<void(TObject*)> onClick)
{
    if (label)
        label->OnClick = std::move(onClick);
}

}  // namespace tarvelon
