#pragma once
// The OnChange handlers of the choosers (combo boxes) that pick what a screen shows: they pass on
// the chosen item and do nothing while none is chosen.
#include <functional>
#include <string>
#include <vector>

namespace tarvelon {

class TComboBox;
class TObject;

// The chosen item's text; "" while none is chosen.
std::string ChosenItem(TComboBox& combo);

// The handler that shows the chosen item's text.
std::function<void(TObject*)> ShowChosenItem(std::function<void(const std::string&)> show);

// The handler of a state chooser whose items are `states` (in item order): shows the chosen state.
// `states` is the screen's own list, filled when the screen is created, and outlives the handler.
std::function<void(TObject*)> ShowChosenState(const std::vector<int>& states, std::function<void(int)> show);

}  // namespace tarvelon
