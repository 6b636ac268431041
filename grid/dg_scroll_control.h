#pragma once
// Windowed controls that scroll their contents by pixels: a position change of a bar becomes a
// blit of the window clipped to HorzClipRect or VertClipRect, and only the uncovered strip is
// painted again. TDgScrollControl drives the window's own bars and offers roll scrolling with the
// middle button; TDgControl (the drop-downs' base) paints its own vertical bar with repeating
// arrow buttons.
#include <functional>
#include <memory>

#include "grid/dg_flyout_control.h"
#include "grid/dg_scroll_bar.h"
#include "platform/forms/custom_control.h"
#include "platform/forms/timer.h"

namespace tarvelon {

using TDgScrollEvent = std::function<void(TObject* sender, int position)>;

class TDgCustomScrollControl : public TCustomControl {
public:
    explicit TDgCustomScrollControl(TComponent* owner);
    std::string ClassName() const override { return "TDgCustomScrollControl"; }

    // Where a horizontal and a vertical scroll of the contents are clipped (the descendant keeps
    // them up to date).
    TRect HorzClipRect;
    TRect VertClipRect;

protected:
    friend class TDgCustomScrollBar;
    // The pixels the contents move for a position change (negative: up or left).
    virtual int GetHorzScrollDelta(int oldPos, int newPos) { return 0; }
    virtual int GetVertScrollDelta(int oldPos, int newPos) { return 0; }
    virtual void AfterScroll(TScrollBarKind kind) {}
    virtual void BeforeScroll(TScrollBarKind kind) {}
    virtual void ScrollContent(TDgCustomScrollBar* scrollBar, int dx, int dy);
};

enum TDgRollDirection { rdUp = 1, rdDown = 2 };

class TDgScrollControl : public TDgCustomScrollControl {
public:
    explicit TDgScrollControl(TComponent* owner);
    ~TDgScrollControl() override;
    std::string ClassName() const override { return "TDgScrollControl"; }

    TDgScrollBar& HorzScrollBar() { return *horzScrollBar_; }
    TDgScrollBar& VertScrollBar() { return *vertScrollBar_; }
    bool MouseWheelEnabled() const { return mouseWheelEnabled_; }
    void SetMouseWheelEnabled(bool value) { mouseWheelEnabled_ = value; }
    bool RollEnabled() const { return rollEnabled_; }
    void SetRollEnabled(bool value) { rollEnabled_ = value; }
    bool Rolling() const { return rolling_; }
    // Set of TDgRollDirection.
    unsigned RollDirection() const { return rollDirection_; }
    TPoint RollOrigin() const { return rollOrigin_; }
    TRollShadow& RollShadow() { return *rollShadow_; }
    TTimer& RollTimer() { return *rollTimer_; }

    unsigned DialogCode() const override { return DLGC_WANTARROWS; }
    // Takes the focus when the control stands on a form.
    void FocusIfOnForm();
    // Hands a Tab key on to the parent window (posted, as a key press).
    void SendTab();

    TDgScrollEvent OnHorzScroll;
    TDgScrollEvent OnVertScroll;

protected:
    void CreateWnd() override;
    void EnabledChanged() override;
    void ScrollMessage(TScrollBarKind kind, TScrollCode code, int trackPos) override;
    // Answer "handled" at once while MouseWheelEnabled (the grid scrolls then).
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    virtual void DoHorzScroll(int position);
    virtual void DoVertScroll(int position);
    // One tick of roll scrolling: the speed from the distance, then one line in the direction.
    void RollTimerTick();

private:
    void StartRolling(int x, int y);
    void StopRolling();

    std::unique_ptr<TDgScrollBar> horzScrollBar_;
    bool mouseWheelEnabled_ = true;
    unsigned rollDirection_ = 0;
    TPoint rollOrigin_;
    TRollShadow* rollShadow_ = nullptr;
    TTimer* rollTimer_ = nullptr;
    bool rollEnabled_ = true;
    std::unique_ptr<TDgScrollBar> vertScrollBar_;
    bool rolling_ = false;
};

// What a held arrow or track press of the self-drawn bar repeats.
enum TDgRepeatAction { raNone = 0, raLineUp = 1, raLineDown = 2, raPageUp = 3, raPageDown = 4 };

class TDgControl : public TDgCustomScrollControl {
public:
    explicit TDgControl(TComponent* owner);
    ~TDgControl() override;
    std::string ClassName() const override { return "TDgControl"; }

    TDgVertScrollBar& HorzScrollBar() { return *horzScrollBar_; }
    TDgVertScrollBar& VertScrollBar() { return *vertScrollBar_; }
    TDgRepeatAction RepeatAction() const { return repeatAction_; }
    TTimer& RepeatDelayTimer() { return *repeatDelayTimer_; }
    TTimer& RepeatTimer() { return *repeatTimer_; }

    // The area inside the frame, left of the bar when it shows.
    int InnerWidth() const;
    int InnerHeight() const;
    TRect InnerRect() const;
    // Where the bar goes: right of the inner area.
    TRect ScrollBarRect() const;

protected:
    void Paint() override;
    virtual void PaintBorder();
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseLeave() override;
    // Whether the thumb is being dragged.
    bool ThumbDragging() const;

private:
    void StartRepeat(TDgRepeatAction action);
    void RepeatStep();
    void StopRepeat();

    std::unique_ptr<TTimer> repeatDelayTimer_;
    std::unique_ptr<TDgVertScrollBar> horzScrollBar_;
    std::unique_ptr<TTimer> repeatTimer_;
    std::unique_ptr<TDgVertScrollBar> vertScrollBar_;
    TDgRepeatAction repeatAction_ = raNone;
    int repeatAction2_ = 0;
};

}  // namespace tarvelon
