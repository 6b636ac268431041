#include "platform/dfm/property_table.h"

#include <map>
#include <vector>

#include "platform/forms/text_utils.h"

namespace tarvelon {

void RegisterFormsProperties();
void RegisterStandardControls();

namespace {

template <typename Entry>
using Table = std::map<std::string, std::vector<Entry>>;

std::string Key(const std::string& name)
{
    std::string key = name;
    for (char& c : key)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

Table<TPropertySetter>& Setters()
{
    static Table<TPropertySetter> table;
    return table;
}

Table<TEventBinder>& Binders()
{
    static Table<TEventBinder> table;
    return table;
}

// The latest registration whose class fits wins.
template <typename Entry, typename... Args>
bool Apply(Table<Entry>& table, const std::string& name, Args&&... args)
{
    EnsureStandardClasses();
    auto found = table.find(Key(name));
    if (found == table.end())
        return false;
    for (auto entry = found->second.rbegin(); entry != found->second.rend(); ++entry) {
        if ((*entry)(args...))
            return true;
    }
    return false;
}

}  // namespace

void EnsureStandardClasses()
{
    // Registering calls back here: the flag is set first.
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    RegisterFormsProperties();
    RegisterStandardControls();
}

void RegisterPropertySetter(const std::string& name, TPropertySetter setter)
{
    EnsureStandardClasses();
    Setters()[Key(name)].push_back(std::move(setter));
}

void RegisterEventBinder(const std::string& name, TEventBinder binder)
{
    EnsureStandardClasses();
    Binders()[Key(name)].push_back(std::move(binder));
}

bool SetStoredProperty(TComponent& component, const std::string& name, const TDfmValue& value)
{
    return Apply(Setters(), name, component, value);
}

bool BindStoredEvent(TComponent& component, const std::string& name, const std::any& handler)
{
    return Apply(Binders(), name, component, handler);
}

}  // namespace tarvelon
