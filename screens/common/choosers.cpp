#include "screens/common/choosers.h"

#include "platform/stdctrls/lists.h"

namespace tarvelon {

std::string ChosenItem(TComboBox& combo)
{
    const int item = combo.ItemIndex();
    return item >= 0 ? combo.Items().Strings(item) : std::string();
}

std::function<void(TObject*)> ShowChosenItem(std::function<void(const std::string&)> show)
{
    return [show = std::move(show)](TObject* sender) {
        auto* combo = dynamic_cast<TComboBox*>(sender);
        if (combo && combo->ItemIndex() >= 0)
            show(ChosenItem(*combo));
    };
}

std::function<void(TObject*)> ShowChosenState(const std::vector<int>& states, std::function<void(int)> show)
{
    return [&states, show = std::move(show)](TObject* sender) {
        auto* combo = dynamic_cast<TComboBox*>(sender);
        const int item = combo ? combo->ItemIndex() : -1;
        if (item >= 0 && item < static_cast<int>(states.size()))
            show(states[item]);
    };
}

}  // namespace tarvelon
