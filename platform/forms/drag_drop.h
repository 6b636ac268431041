#pragma once
// Drag and drop of the form library: a control starts dragging (BeginDrag, or a press with
// DragMode dmAutomatic); while the mouse moves the control under it is asked OnDragOver whether it
// accepts, and the cursor shows the source's DragCursor or "no drop"; releasing over a control that
// accepts calls its OnDragDrop, and the source's OnEndDrag in every case.
#include "platform/forms/forms_types.h"

namespace tarvelon {

class TControl;

class TDragManager {
public:
    // threshold: pixels the mouse must move before a non-immediate drag starts (-1: 5).
    void Begin(TControl* source, bool immediate, int threshold);
    // Mouse input while a drag is pending or running: true when the drag consumed it.
    bool MouseMove(TPoint screenPos);
    bool MouseUp(TPoint screenPos);
    // Ends the drag: drop on the current target when `drop` and it accepted.
    void Finish(bool drop);
    // Escape cancels a running drag (true when there was one).
    bool Cancel();

    TControl* Source() const { return source_; }
    bool Active() const { return active_; }
    TControl* Target() const { return target_; }
    bool Accepted() const { return accepted_; }
    void Forget(TControl* control);

private:
    void Start();
    void DragTo(TPoint screenPos);
    TObject* SourceObject() const;
    void ShowCursor();
    void Reset();

    TControl* source_ = nullptr;
    TObject* dragObject_ = nullptr;
    TControl* target_ = nullptr;
    bool pending_ = false;
    bool active_ = false;
    bool accepted_ = false;
    bool cursorOverridden_ = false;
    int threshold_ = 5;
    TPoint start_;
};

TDragManager& DragManager();

}  // namespace tarvelon
