#include "platform/forms/class_registry.h"

#include <QString>

#include <map>
#include <mutex>

#include "platform/forms/component.h"
#include "platform/forms/text_utils.h"

namespace tarvelon {
namespace {

struct CaseInsensitiveLess {
    bool operator()(const std::string& a, const std::string& b) const
    {
        return ToQString(a).compare(ToQString(b), Qt::CaseInsensitive) < 0;
    }
};

using Registry = std::map<std::string, TComponentFactory, CaseInsensitiveLess>;

Registry& RawRegistry()
{
    static Registry registry;
    return registry;
}

bool fillingBuiltins = false;

// The registry with the form library's own classes in it. A class registered by a pack before the
// first look-up keeps its registration.
Registry& FilledRegistry()
{
    static std::once_flag once;
    std::call_once(once, [] {
        fillingBuiltins = true;
        RegisterFormsClasses();
        fillingBuiltins = false;
    });
    return RawRegistry();
}

}  // namespace

void RegisterClass(const std::string& className, TComponentFactory factory)
{
    if (fillingBuiltins)
        RawRegistry().try_emplace(className, std::move(factory));
    else
        RawRegistry()[className] = std::move(factory);
}

TComponentFactory FindClass(const std::string& className)
{
    const Registry& registry = FilledRegistry();
    auto found = registry.find(className);
    return found == registry.end() ? TComponentFactory{} : found->second;
}

bool IsClassRegistered(const std::string& className)
{
    return static_cast<bool>(FindClass(className));
}

TComponent* CreateComponent(const std::string& className, TComponent* owner)
{
    TComponentFactory factory = FindClass(className);
    return factory ? factory(owner) : nullptr;
}

std::vector<std::string> RegisteredClassNames()
{
    std::vector<std::string> names;
    for (const auto& entry : FilledRegistry())
        names.push_back(entry.first);
    return names;
}

}  // namespace tarvelon
