#include "screens/common/screen_registry.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>

#include "screens/common/game_form.h"

namespace tarvelon {

namespace {

std::map<std::string, std::unique_ptr<TScreenEntry>>& Entries()
{
    static std::map<std::string, std::unique_ptr<TScreenEntry>> entries;
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

void KeepWhatIsMissing(TScreenEntry& entry, const TScreenEntry& previous)
{
    if (entry.description.empty())
        entry.description = previous.description;
    if (entry.shows.empty())
        entry.shows = previous.shows;
    if (entry.file.empty())
        entry.file = previous.file;
    if (!entry.subject)
        entry.subject = previous.subject;
    if (!entry.create)
        entry.create = previous.create;
    // A built screen taking over its stub is shown as the stub was.
    if (entry.built && !previous.built)
        entry.modal = previous.modal;
    entry.area = previous.area;
}

}  // namespace

const char* ScreenAreaName(TScreenArea area)
{
    switch (area) {
    case TScreenArea::Matchday: return "matchday";
    case TScreenArea::Club: return "club";
    case TScreenArea::Competitions: return "competitions";
    case TScreenArea::Editor: return "editor";
    }
    return "";
}

void RegisterScreen(TScreenEntry entry)
{
    auto& slot = Entries()[entry.formClass];
    if (slot)
        KeepWhatIsMissing(entry, *slot);
    if (entry.description.empty())
        entry.description = entry.formClass;
    slot = std::make_unique<TScreenEntry>(std::move(entry));
}

void MarkScreenReplacesGame(const std::string& formClass)
{
    const auto found = Entries().find(formClass);
    if (found != Entries().end())
        found->second->replacesGame = true;
}

const TScreenEntry* FindScreen(const std::string& formClass)
{
    const auto found = Entries().find(formClass);
    return found == Entries().end() ? nullptr : found->second.get();
}

std::vector<const TScreenEntry*> RegisteredScreens()
{
    std::vector<const TScreenEntry*> screens;
    for (const auto& [name, entry] : Entries())
        screens.push_back(entry.get());
    std::stable_sort(screens.begin(), screens.end(), [](const TScreenEntry* a, const TScreenEntry* b) {
        return FormNumber(a->formClass) < FormNumber(b->formClass);
    });
    return screens;
}

TGameForm* CreateScreen(const std::string& formClass, TComponent* owner, bool withSubject)
{
    const TScreenEntry* entry = FindScreen(formClass);
    return entry ? CreateScreen(*entry, owner, withSubject) : nullptr;
}

TGameForm* CreateScreen(const TScreenEntry& entry, TComponent* owner, bool withSubject)
{
    if (!entry.create)
        return nullptr;
    if (withSubject && entry.subject)
        entry.subject();
    TGameForm* form = entry.create(owner);
    form->AfterConstruction();
    return form;
}

void ClearScreenRegistry()
{
    Entries().clear();
}

}  // namespace tarvelon
