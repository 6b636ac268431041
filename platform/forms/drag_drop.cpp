#include "platform/forms/drag_drop.h"

#include <QApplication>

#include <cstdlib>

#include "platform/forms/control.h"
#include "platform/forms/input_state.h"
#include "platform/forms/screen.h"
#include "platform/forms/window_events.h"

namespace tarvelon {

TDragManager& DragManager()
{
    static TDragManager manager;
    return manager;
}

void TDragManager::Begin(TControl* source, bool immediate, int threshold)
{
    if (active_ || !source)
        return;
    source_ = source;
    start_ = GetCursorPos();
    threshold_ = threshold < 0 ? 5 : threshold;
    if (immediate)
        Start();
    else
        pending_ = true;
}

void TDragManager::Start()
{
    pending_ = false;
    active_ = true;
    accepted_ = false;
    target_ = nullptr;
    dragObject_ = nullptr;
    TControl* source = source_;
    source->HandleStartDrag(dragObject_);
    if (source_ != source)
        return;  // the start handler ended it
    SetCaptureControl(source_);
    DragTo(GetCursorPos());
}

bool TDragManager::MouseMove(TPoint screenPos)
{
    if (pending_) {
        if (std::abs(screenPos.X - start_.X) > threshold_ || std::abs(screenPos.Y - start_.Y) > threshold_)
            Start();
        return active_;
    }
    if (!active_)
        return false;
    DragTo(screenPos);
    return true;
}

bool TDragManager::MouseUp(TPoint screenPos)
{
    if (pending_) {
        Reset();
        return false;
    }
    if (!active_)
        return false;
    DragTo(screenPos);
    Finish(accepted_);
    return true;
}

void TDragManager::DragTo(TPoint screenPos)
{
    TControl* under = TWindowEvents::FindControlAt(screenPos);
    if (under != target_) {
        if (target_) {
            bool ignored = false;
            const TPoint point = target_->ScreenToClient(screenPos);
            target_->HandleDragOver(SourceObject(), point.X, point.Y, dsDragLeave, ignored);
        }
        target_ = under;
        accepted_ = false;
        if (target_) {
            const TPoint point = target_->ScreenToClient(screenPos);
            target_->HandleDragOver(SourceObject(), point.X, point.Y, dsDragEnter, accepted_);
        }
    } else if (target_) {
        const TPoint point = target_->ScreenToClient(screenPos);
        accepted_ = false;
        target_->HandleDragOver(SourceObject(), point.X, point.Y, dsDragMove, accepted_);
    }
    ShowCursor();
}

void TDragManager::Finish(bool drop)
{
    if (!active_)
        return;
    TControl* source = source_;
    TControl* target = drop && accepted_ ? target_ : nullptr;
    TObject* sourceObject = SourceObject();
    const TPoint pos = GetCursorPos();
    Reset();
    if (target) {
        const TPoint point = target->ScreenToClient(pos);
        target->HandleDragDrop(sourceObject, point.X, point.Y);
    }
    if (source) {
        const TPoint point = target ? target->ScreenToClient(pos) : Point(0, 0);
        source->HandleEndDrag(target, point.X, point.Y);
    }
}

bool TDragManager::Cancel()
{
    if (!active_)
        return false;
    Finish(false);
    return true;
}

void TDragManager::Forget(TControl* control)
{
    if (control == target_)
        target_ = nullptr;
    if (control == source_)
        Reset();
}

TObject* TDragManager::SourceObject() const
{
    return dragObject_ ? dragObject_ : static_cast<TObject*>(source_);
}

void TDragManager::ShowCursor()
{
    if (!source_ || !qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    const QCursor shape = Screen->CursorShape(accepted_ ? source_->DragCursor() : crNoDrop);
    if (cursorOverridden_)
        QApplication::changeOverrideCursor(shape);
    else
        QApplication::setOverrideCursor(shape);
    cursorOverridden_ = true;
}

void TDragManager::Reset()
{
    if (cursorOverridden_)
        QApplication::restoreOverrideCursor();
    cursorOverridden_ = false;
    if (source_ && GetCaptureControl() == source_ && active_)
        SetCaptureControl(nullptr);
    source_ = nullptr;
    target_ = nullptr;
    dragObject_ = nullptr;
    pending_ = false;
    active_ = false;
}

}  // namespace tarvelon
