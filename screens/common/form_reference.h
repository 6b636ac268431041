#pragma once
// A global reference to a form that becomes empty by itself when the form is freed, so that code
// asking "is the hub open?" (`if (Form13)`) never touches a freed form.
//
//   TFormRef<TGameForm> Form13;      // one of the references of form_references.h
//   Form13 = this;                  // the hub, once created
//   if (Form13) Form13->Invalidate();
//   if (auto* hub = Form13.As<TForm13>()) hub->RefreshHeader();
#include <memory>

#include "platform/forms/free_watch.h"

namespace tarvelon {

template <typename T>
class TFormRef {
public:
    TFormRef() = default;
    TFormRef(const TFormRef&) = delete;
    TFormRef& operator=(const TFormRef&) = delete;

    TFormRef& operator=(T* form)
    {
        Watch().Watch(form);
        return *this;
    }
    T* Get() const { return watch_ ? static_cast<T*>(watch_->Watched()) : nullptr; }
    T* operator->() const { return Get(); }
    explicit operator bool() const { return Get() != nullptr; }
    bool operator==(const T* form) const { return Get() == form; }
    // The form as its own class (null when empty or of another class).
    template <typename U>
    U* As() const
    {
        return dynamic_cast<U*>(Get());
    }

private:
    TFreeWatch& Watch()
    {
        if (!watch_)
            watch_ = std::make_unique<TFreeWatch>();
        return *watch_;
    }
    std::unique_ptr<TFreeWatch> watch_;
};

}  // namespace tarvelon
