#pragma once
// What a stored description may set on a component of each class: a table of property setters
// and event binders by property name. A setter registered for a class serves every class derived
// from it; one registered later for a derived class takes precedence over the base's.
// The form library's and the standard controls' properties are registered before the first look-up;
// the control packs add theirs with RegisterProperty / RegisterEvent the same way.
#include <any>
#include <functional>
#include <string>

#include "platform/dfm/dfm_tree.h"
#include "platform/dfm/dfm_values.h"

namespace tarvelon {

class TComponent;

// Sets a property of a component from a value; false when the component is not of the setter's class.
// Throws TDfmValueError for a value of the wrong kind.
using TPropertySetter = std::function<bool(TComponent& component, const TDfmValue& value)>;
// Binds an event to a handler; false when the component is not of the binder's class.
// Throws TDfmValueError when the handler's signature does not fit the event.
using TEventBinder = std::function<bool(TComponent& component, const std::any& handler)>;

void RegisterPropertySetter(const std::string& name, TPropertySetter setter);
void RegisterEventBinder(const std::string& name, TEventBinder binder);

template <typename T>
void RegisterProperty(const std::string& name, std::function<void(T&, const TDfmValue&)> set)
{
    RegisterPropertySetter(name, [set = std::move(set)](TComponent& component, const TDfmValue& value) {
        T* typed = dynamic_cast<T*>(&component);
        if (!typed)
            return false;
        set(*typed, value);
        return true;
    });
}

// An event member of T, e.g. RegisterEvent<TControl>("OnClick", &TControl::OnClick).
template <typename T, typename Function>
void RegisterEvent(const std::string& name, Function T::*member)
{
    RegisterEventBinder(name, [member, name](TComponent& component, const std::any& handler) {
        T* typed = dynamic_cast<T*>(&component);
        if (!typed)
            return false;
        const Function* function = std::any_cast<Function>(&handler);
        if (!function)
            throw TDfmValueError("the handler does not have the parameters of " + name);
        typed->*member = *function;
        return true;
    });
}

// Whether the component takes the property / the event, and sets or binds it.
// False: no setter (binder) of that name fits the component's class.
bool SetStoredProperty(TComponent& component, const std::string& name, const TDfmValue& value);
bool BindStoredEvent(TComponent& component, const std::string& name, const std::any& handler);

// Registers the classes and properties of the form library and the standard controls (once).
void EnsureStandardClasses();

}  // namespace tarvelon
