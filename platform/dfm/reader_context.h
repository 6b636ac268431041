#pragma once
// References between components in a description (PopupMenu = PopupMenu1, Images = ImageList1):
// while a description is read, a property setter finds the named component of the form being read.
#include <string>

#include "platform/dfm/dfm_values.h"

namespace tarvelon {

class TComponent;

// The component a value names in the description being read (the form itself included).
// Throws TDfmValueError when there is none.
TComponent* DfmComponent(const TDfmValue& value);

template <typename T>
T* DfmComponentAs(const TDfmValue& value)
{
    TComponent* component = DfmComponent(value);
    T* typed = dynamic_cast<T*>(component);
    if (!typed)
        throw TDfmValueError(value.text + " is not a component of the right kind");
    return typed;
}

// Sets the form whose components the references name (the reader does it while reading).
class TReaderRootScope {
public:
    explicit TReaderRootScope(TComponent* root);
    ~TReaderRootScope();
    TReaderRootScope(const TReaderRootScope&) = delete;
    TReaderRootScope& operator=(const TReaderRootScope&) = delete;

private:
    TComponent* previous_;
};

}  // namespace tarvelon
