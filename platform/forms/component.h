#pragma once
// TComponent: an object with an owner, a name and a tag. The owner frees what it owns when it is
// freed; a component freed first leaves its owner's list by itself. Components that keep a pointer
// to another one ask for FreeNotification and forget it in Notification.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/forms/forms_types.h"
#include "platform/forms/object.h"

namespace tarvelon {

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    std::string ClassName() const override { return "TComponent"; }

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    std::intptr_t Tag() const { return tag_; }
    void SetTag(std::intptr_t tag) { tag_ = tag; }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(static_cast<std::size_t>(index)); }
    // The owned component of that name, ignoring case (null when none).
    TComponent* FindComponent(const std::string& name) const;

    // Takes over a component from its current owner.
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    // Frees every owned component, the last one first.
    void DestroyComponents();

    // `component` will be told (Notification opRemove) when this one is freed.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // Loading from a stored form description: Loading() is true until Loaded() runs.
    bool Loading() const { return loading_; }
    bool Destroying() const { return destroying_; }
    void BeginLoading() { loading_ = true; }
    // Ends loading; the form reader calls it on every component it created, after all properties are set.
    virtual void Loaded() { loading_ = false; }

protected:
    // Called when a component is added to or removed from this one's list, and when a component
    // this one asked FreeNotification of is freed.
    virtual void Notification(TComponent* component, TOperation operation);
    void SetDestroying() { destroying_ = true; }
    // Points a reference at another component and asks to be told when that one is freed (the old
    // one is no longer asked); false when it pointed there already.
    template <typename T>
    bool ReplaceNotified(T*& reference, T* component)
    {
        if (reference == component)
            return false;
        if (reference)
            reference->RemoveFreeNotification(this);
        reference = component;
        if (component)
            component->FreeNotification(this);
        return true;
    }

private:
    void Insert(TComponent* component);
    void Remove(TComponent* component);
    void RemoveNotifier(TComponent* component);

    TComponent* owner_ = nullptr;
    std::string name_;
    std::intptr_t tag_ = 0;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;  // both directions: whoever must hear of the other's end
    bool loading_ = false;
    bool destroying_ = false;
};

}  // namespace tarvelon
