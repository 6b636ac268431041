#pragma once
// TControl: anything placed on a form: bounds in its parent's client coordinates, visibility,
// enabling, font, colour, caption, hint, cursor, alignment, and the mouse events. Every event is
// fired by its own virtual method (MouseDown, Click, ...), which calls the handler only when one is
// assigned; a descendant overrides the method and calls the inherited one where it wants the event.
#include <memory>
#include <string>

#include "platform/forms/component.h"
#include "platform/forms/cursors.h"
#include "platform/forms/forms_types.h"
#include "platform/graphics/color.h"
#include "platform/graphics/font.h"
#include "platform/graphics/geometry.h"

namespace tarvelon {

class TWinControl;
class TForm;
class TCanvas;
class TControl;

// What the application asks a control before it shows its hint; the control may change any field.
struct THintInfo {
    TControl* HintControl = nullptr;
    TPoint HintPos;      // screen position of the hint window's top left
    int HintMaxWidth = 0;
    TColor HintColor = clInfoBk;
    TRect CursorRect;    // in the control's client coordinates: the hint goes when the mouse leaves it
    TPoint CursorPos;    // mouse position in the control's client coordinates
    int ReshowTimeout = 0;
    int HideTimeout = 0;
    std::string HintStr;
};

// Limits of a control's size, each 0 for none.
struct TSizeConstraints {
    int MinWidth = 0;
    int MinHeight = 0;
    int MaxWidth = 0;
    int MaxHeight = 0;
    bool operator==(const TSizeConstraints&) const = default;
};

// An action: what a control runs when it is clicked and has no click handler of its own.
class TBasicAction : public TComponent {
public:
    using TComponent::TComponent;
    std::string ClassName() const override { return "TBasicAction"; }
    TNotifyEvent OnExecute;
    // Runs OnExecute; false when there is none.
    virtual bool Execute();
};

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;
    std::string ClassName() const override { return "TControl"; }

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    // The form this control stands on (itself for a form), or null.
    TForm* ParentForm() const;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
    void SetTop(int top) { SetBounds(left_, top, width_, height_); }
    void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
    void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    void SetBoundsRect(const TRect& rect) { SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height()); }
    // The client area: (0, 0, ClientWidth, ClientHeight).
    TRect ClientRect() const { return Rect(0, 0, ClientWidth(), ClientHeight()); }
    virtual int ClientWidth() const { return width_; }
    virtual int ClientHeight() const { return height_; }
    void SetClientWidth(int width) { SetClientSize(width, ClientHeight()); }
    void SetClientHeight(int height) { SetClientSize(ClientWidth(), height); }
    virtual void SetClientSize(int width, int height);
    // Screen position of the client area's top left corner.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint point) const;
    TPoint ScreenToClient(TPoint point) const;

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and every parent up to a shown window visible as well.
    virtual bool Showing() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors anchors) { anchors_ = anchors; }

    // The font: changing any of its properties calls FontChanged; assigning it clears ParentFont.
    TFont& Font() { return *font_; }
    const TFont& Font() const { return *font_; }
    void SetFont(const TFont& font);
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parentFont);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool parentColor);

    // Caption and Text are one text (UTF-8).
    const std::string& Caption() const { return text_; }
    void SetCaption(const std::string& caption) { SetText(caption); }
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    // ShowHint follows the parent's while ParentShowHint is set.
    bool ShowHint() const;
    void SetShowHint(bool showHint);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool parentShowHint) { parentShowHint_ = parentShowHint; }

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);

    // Painting: Invalidate schedules one paint of the control; Update paints what is invalid now;
    // Repaint does both.
    virtual void Invalidate();
    virtual void Update();
    void Repaint();
    void Refresh() { Repaint(); }

    void BringToFront();
    void SendToBack();

    // While a control holds the capture every mouse event goes to it, wherever the mouse is.
    bool MouseCapture() const;
    void SetMouseCapture(bool capture);

    // The popup menu shown by a right click (a TPopupMenu of the menus; a control without one shows
    // its parent's). The menus install ShowPopupMenu, which pops a menu up at a screen point.
    TComponent* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TComponent* menu);
    static inline std::function<void(TComponent* menu, TControl* control, TPoint screenPos)> ShowPopupMenu;

    // Drag and drop of the form library.
    TDragMode DragMode() const { return dragMode_; }
    void SetDragMode(TDragMode mode) { dragMode_ = mode; }
    TDragKind DragKind() const { return dragKind_; }
    void SetDragKind(TDragKind kind) { dragKind_ = kind; }
    TCursor DragCursor() const { return dragCursor_; }
    void SetDragCursor(TCursor cursor) { dragCursor_ = cursor; }
    // Starts dragging this control: at once, or once the mouse has moved `threshold` pixels
    // (-1: the system's drag distance).
    void BeginDrag(bool immediate, int threshold = -1);
    void EndDrag(bool drop);
    bool Dragging() const;

    // Events.
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseWheelEvent OnMouseWheel;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;
    TNotifyEvent OnResize;
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;
    TStartDragEvent OnStartDrag;
    TEndDragEvent OnEndDrag;
    TContextPopupEvent OnContextPopup;

    // Entry points of the platform's input dispatch (what the window messages do): they run the
    // capture and click rules and call the virtual methods below.
    void HandleMouseDown(TMouseButton button, TShiftState shift, int x, int y, bool doubleClick);
    void HandleMouseMove(TShiftState shift, int x, int y);
    void HandleMouseUp(TMouseButton button, TShiftState shift, int x, int y);
    // True when this control or one of its parents handled the wheel.
    bool HandleMouseWheel(TShiftState shift, int wheelDelta, TPoint screenPos);
    // A double click whose second press already came as a plain press: only DblClick is left to fire.
    void HandleDoubleClickAfterPress(TMouseButton button);
    // A modal window took the mouse in the middle of a press: the press is over for this control
    // (no click when the button comes up later) and the capture is given up.
    void HandleCancelMode();
    TCursor HandleCursorAt(int x, int y) const { return CursorAt(x, y); }
    void HandleMouseEnter() { MouseEnter(); }
    void HandleMouseLeave() { MouseLeave(); }
    // Lets the control fill in its hint (false: show no hint).
    bool HandleHintShow(THintInfo& info) { return HintShow(info); }
    // Called by the drag and drop manager.
    void HandleDragOver(TObject* source, int x, int y, TDragState state, bool& accept) { DragOver(source, x, y, state, accept); }
    void HandleDragDrop(TObject* source, int x, int y) { DragDrop(source, x, y); }
    void HandleStartDrag(TObject*& dragObject) { DoStartDrag(dragObject); }
    void HandleEndDrag(TObject* target, int x, int y) { DoEndDrag(target, x, y); }

    // The size limits; setting them brings the current size within them.
    const TSizeConstraints& Constraints() const { return constraints_; }
    void SetConstraints(const TSizeConstraints& constraints);
    // The action a click runs when OnClick is not assigned; forgotten when it is freed.
    TBasicAction* Action() const { return action_; }
    void SetAction(TBasicAction* action);

    // Multiplies bounds and font by m / d (the form's ScaleBy).
    virtual void ChangeScale(int m, int d);

protected:
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void Click();
    virtual void DblClick();
    virtual void MouseEnter();
    virtual void MouseLeave();
    // True when handled. The default asks OnMouseWheel, then DoMouseWheelDown / DoMouseWheelUp.
    virtual bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos);
    virtual bool DoMouseWheelDown(TShiftState shift, TPoint mousePos);
    virtual bool DoMouseWheelUp(TShiftState shift, TPoint mousePos);
    virtual bool HintShow(THintInfo& info);
    virtual void DragOver(TObject* source, int x, int y, TDragState state, bool& accept);
    virtual void DragDrop(TObject* source, int x, int y);
    virtual void DoStartDrag(TObject*& dragObject);
    virtual void DoEndDrag(TObject* target, int x, int y);
    // After a right click: OnContextPopup, then the popup menu of this control or of a parent.
    virtual void DoContextPopup(TPoint mousePos, bool& handled);
    void Notification(TComponent* component, TOperation operation) override;

    // Notifications, after the change.
    virtual void FontChanged();
    virtual void ColorChanged();
    virtual void EnabledChanged();
    virtual void TextChanged();
    virtual void VisibleChanged();
    // The parent's font or colour changed (the control follows it when ParentFont / ParentColor).
    virtual void ParentFontChanged();
    virtual void ParentColorChanged();
    // The size changed (fires OnResize).
    virtual void Resize();
    // The cursor to show over the point (client coordinates); the default is Cursor.
    virtual TCursor CursorAt(int x, int y) const { return cursor_; }

    // Whether a left press and release inside fire Click, and whether a press captures the mouse.
    bool clickEvents_ = true;
    bool captureMouse_ = true;
    // Whether a second quick press is a double click; a push button takes it as one more click.
    bool doubleClicks_ = true;

    // Brings a width and height within the Constraints.
    void ConstrainSize(int& width, int& height) const;
    // The bounds without the side effects of SetBounds (for windows whose size comes from the system).
    void StoreBounds(int left, int top, int width, int height);
    // The visibility without the side effects of SetVisible (a form starts hidden).
    void StoreVisible(bool visible) { visible_ = visible; }

    friend class TWinControl;

private:
    void FontPropertyChanged();
    void ApplyParentFont();
    void ApplyParentColor();

    TWinControl* parent_ = nullptr;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    TAlign align_ = alNone;
    TAnchors anchors_{akLeft, akTop};
    std::unique_ptr<TFont> font_;
    bool parentFont_ = true;
    bool applyingParentFont_ = false;
    TColor color_ = clWindow;
    bool parentColor_ = false;
    std::string text_;
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TCursor cursor_ = crDefault;
    bool clicked_ = false;
    int wheelAccumulator_ = 0;
    TDragMode dragMode_ = dmManual;
    TDragKind dragKind_ = dkDrag;
    TCursor dragCursor_ = crDrag;
    TComponent* popupMenu_ = nullptr;
    TSizeConstraints constraints_;
    TBasicAction* action_ = nullptr;
};

}  // namespace tarvelon
