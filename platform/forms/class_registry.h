#pragma once
// The classes a stored form description may name: "TButton" -> a function that creates one for an
// owner. Every class of the form library registers itself here; the control packs register theirs
// with RegisterClass the same way before a form is read.
#include <functional>
#include <string>
#include <vector>

namespace tarvelon {

class TComponent;

using TComponentFactory = std::function<TComponent*(TComponent* owner)>;

// Registers (or replaces) a class by name; names compare without regard to case.
void RegisterClass(const std::string& className, TComponentFactory factory);
// Null when the class is not registered.
TComponentFactory FindClass(const std::string& className);
bool IsClassRegistered(const std::string& className);
// Creates a component of a registered class (null when the class is unknown).
TComponent* CreateComponent(const std::string& className, TComponent* owner);
std::vector<std::string> RegisteredClassNames();

template <typename T>
void RegisterComponentClass(const std::string& className)
{
    RegisterClass(className, [](TComponent* owner) -> TComponent* { return new T(owner); });
}

// The classes of the form library itself; run by the registry before its first look-up.
void RegisterFormsClasses();

}  // namespace tarvelon
