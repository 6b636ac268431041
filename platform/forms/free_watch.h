#pragma once
// TFreeWatch: a pointer to a component that becomes null by itself when the component is freed
// (the free notification), for work that may run after its component is gone.
#include "platform/forms/component.h"

namespace tarvelon {

class TFreeWatch : public TComponent {
public:
    TFreeWatch() : TComponent(nullptr) {}
    explicit TFreeWatch(TComponent* watched) : TComponent(nullptr) { Watch(watched); }
    std::string ClassName() const override { return "TFreeWatch"; }
    void Watch(TComponent* component);
    TComponent* Watched() const { return watched_; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TComponent* watched_ = nullptr;
};

}  // namespace tarvelon
