#include "screens/common/screen_registry.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>

#include "screens/common/game_form.h"

namespace tarvelon {

namespace {

std::map<std::string, std::unique_ptr<TScreenRecord>>& Entries()
{
    static std::map<std::string, std::unique_ptr<TScreenRecord>> entries;
    return entries;
}

// "TForm13" -> 13; names without a number sort after the numbered ones.
int FormNumber(const std::string& formClass)
{
    std::size_t digits = formClass.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(formClass[digits - 1])))
        --digits;
    return digits == formClass.size() ? 1 << 30 : std::stoi(formClass.substr(digits));
}

}  // namespace

const char* ScreenAreaName(TScreenArea area)
{
    switch (area) {
    case TScreenArea::Start: return "start";
    case TScreenArea::Matchday: return "matchday";
    case TScreenArea::Club: return "club";
    case TScreenArea::Competitions: return "competitions";
    case TScreenArea::History: return "history";
    case TScreenArea::Editor: return "editor";
    }
    return "";
}

void RegisterScreen(TScreenRecord record)
{
    auto& slot = Entries()[record.formClass];
    slot = std::make_unique<TScreenRecord>(std::move(record));
}

const TScreenRecord* FindScreen(const std::string& formClass)
{
    const auto found = Entries().find(formClass);
    return found == Entries().end() ? nullptr : found->second.get();
}

std::vector<const TScreenRecord*> RegisteredScreens()
{
    std::vector<const TScreenRecord*> screens;
    for (const auto& [name, entry] : Entries())
        screens.push_back(entry.get());
    std::stable_sort(screens.begin(), screens.end(), [](const TScreenRecord* a, const TScreenRecord* b) {
        return FormNumber(a->formClass) < FormNumber(b->formClass);
    });
    return screens;
}

TGameForm* CreateScreen(const std::string& formClass, TComponent* owner, bool withSubject)
{
    const TScreenRecord* screen = FindScreen(formClass);
    return screen ? CreateScreen(*screen, owner, withSubject) : nullptr;
}

TGameForm* CreateScreen(const TScreenRecord& screen, TComponent* owner, bool withSubject)
{
    if (!screen.create)
        return nullptr;
    if (withSubject && screen.subject)
        screen.subject();
    TGameForm* form = screen.create(owner);
    form->AfterConstruction();
    return form;
}

void ClearScreenRegistry()
{
    Entries().clear();
}

}  // namespace tarvelon
