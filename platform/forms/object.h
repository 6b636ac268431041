#pragma once
// TObject: the root of every component, control and form. Its virtual destructor lets an owner free
// what it owns through a base pointer.
#include <string>

namespace tarvelon {

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    // The class name as the stored form descriptions write it ("TButton").
    virtual std::string ClassName() const { return "TObject"; }

    // Runs before the destructor when an object is freed with Free: the object is still whole
    // (a form fires OnDestroy here).
    virtual void BeforeDestruction() {}
};

// Frees an object as the form library does: BeforeDestruction, then delete. Null is ignored.
inline void Free(TObject* object)
{
    if (!object)
        return;
    object->BeforeDestruction();
    delete object;
}

}  // namespace tarvelon
