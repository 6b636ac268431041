#pragma once
// Base of the font, pen and brush: a change of any property calls OnChange, so that a control
// that owns one repaints.
#include <functional>

namespace tarvelon {

class TGraphicsObject {
public:
    TGraphicsObject() = default;
    // A copy has no listener of its own, and an assignment keeps the listener it had.
    TGraphicsObject(const TGraphicsObject&) {}
    TGraphicsObject& operator=(const TGraphicsObject&) { return *this; }

    std::function<void()> OnChange;

protected:
    // Stores `value` and reports a change when it differs.
    template <typename T>
    void Update(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        Changed();
    }

    void Changed()
    {
        if (OnChange)
            OnChange();
    }
};

}  // namespace tarvelon
