#pragma once
// The rich-text label of a match row that shows the row's latest event (kept in a file of its own:
// the rich-text and the panel headers both name their bevels alike).
#include <functional>
#include <string>

namespace tarvelon {

class TComponent;
class TObject;
class TRichLabel;
class TWinControl;

TRichLabel* NewEventLabel(TComponent* owner, TWinControl* parent, int m, int left, int top);
void SetEventText(TRichLabel* label, const std::string& html);
void SetEventLabelClick(TRichLabel* label, std::function<void(TObject*)> onClick);

}  // namespace tarvelon
