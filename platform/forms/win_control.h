#pragma once
// TWinControl: a control with a window of its own (a QWidget): focus, keys, child controls, the
// window's scroll bars, and the backing image. A custom-drawn window keeps its picture in that
// image: its canvas draws into it, in and outside Paint, and the widget only copies it to the
// screen. Invalidating a rectangle schedules one Paint clipped to everything invalid; Update paints
// at once; ScrollWindow moves the picture by a blit and invalidates only the uncovered strip.
//
// The QWidget is created when first needed (HandleNeeded: when the control is shown, focused or
// asked for its Widget()), after the object is fully built, so CreateParams and CreateWidget are
// virtual as descendants expect.
#include <QImage>
#include <QPointer>
#include <QScrollBar>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "platform/forms/control.h"
#include "platform/graphics/region.h"

namespace tarvelon {

class TCanvas;
class TWindowEvents;

// What kind of window CreateWnd makes.
struct TCreateParams {
    // A top-level window of its own (drop-downs, flyouts, hints): Left and Top are screen
    // coordinates, it floats over the forms and never takes the focus from the control that opened it.
    bool popup = false;
    bool topMost = false;
    // Shown without being activated (a form that keeps the focus where it is until asked).
    bool noActivate = false;
    // Per-pixel alpha: the backing image is ARGB and the desktop shows through transparent pixels.
    bool layered = false;
};

// The frame a window draws around its client area, inside its bounds (the classic platform's
// WS_BORDER, WS_EX_STATICEDGE and WS_EX_CLIENTEDGE with Ctl3D): the client area and the window's
// scroll bars lie inside it. weSingle is a 1 px line of clWindowFrame; weStatic the 1 px static edge
// (shadow at the top and left, highlight at the bottom and right); weSunken the 2 px sunken edge.
enum TWindowEdge { weNone, weSingle, weStatic, weSunken };

// Scroll bar state as the platform's SetScrollInfo / GetScrollInfo carry it.
enum : unsigned {
    SIF_RANGE = 0x1,
    SIF_PAGE = 0x2,
    SIF_POS = 0x4,
    SIF_DISABLENOSCROLL = 0x8,
    SIF_TRACKPOS = 0x10,
    SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS,
};
struct TScrollInfo {
    unsigned fMask = 0;
    int nMin = 0;
    int nMax = 0;
    unsigned nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
};

// What a point of a window is (the hit test): the client area, or the caption by which the user
// drags a top-level window.
enum THitTest { HTCLIENT = 1, HTCAPTION = 2 };

// The keys a control wants for itself instead of the form's navigation (the dialog code).
enum : unsigned { DLGC_WANTARROWS = 0x1, DLGC_WANTTAB = 0x2, DLGC_WANTALLKEYS = 0x4, DLGC_WANTCHARS = 0x80 };

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;
    std::string ClassName() const override { return "TWinControl"; }

    // The window, created when first asked for.
    QWidget* Widget();
    bool HandleAllocated() const { return !widget_.isNull(); }
    void HandleNeeded();
    // Destroys and creates the window again (after a change of its creation parameters).
    void RecreateWnd();
    // The control of a widget made by this layer (null for any other widget).
    static TWinControl* FromWidget(const QWidget* widget);
    // Every control that has a window now.
    static void ForEachWindow(const std::function<void(TWinControl*)>& action);
    // A Qt widget inside this control's widget (the editor of a combo box) whose input goes through
    // this control's events as well. Forgotten with the window.
    void AdoptSubWidget(QWidget* subWidget);
    // The inner editors of a Qt widget (a spin box's or an editable combo box's line edit, whose
    // focus goes to the outer widget): keys sent into them go through this control's key events
    // (the form's key preview included) before the editor takes them, as keys sent to the outer
    // widget do. Called again when the editor changes.
    void ListenToInnerEditors();
    // The control whose widget an inner editor belongs to (null for any other widget).
    static TWinControl* FromInnerEditor(const QWidget* editor);
    // Whether the window is (or will be made) a popup of its own.
    bool IsPopupWindow();

    // Child controls, in z-order from the bottom.
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(static_cast<std::size_t>(index)); }
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    bool ContainsControl(const TControl* control) const;
    // The topmost visible child at a client point: graphic children only unless allowWinControls.
    TControl* ControlAtPos(TPoint point, bool allowDisabled = false, bool allowWinControls = false) const;
    void MoveControlInZOrder(TControl* control, bool toFront);
    // Lays out the aligned children again.
    void Realign();

    void SetBounds(int left, int top, int width, int height) override;
    // After loading, the aligned children are laid out.
    void Loaded() override;
    int ClientWidth() const override;
    int ClientHeight() const override;
    TPoint ClientOrigin() const override;
    bool Showing() const override;

    // Focus and keys.
    bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop) { tabStop_ = tabStop; }
    // Position among the parent's windowed children in the tab cycle.
    int TabOrder() const;
    void SetTabOrder(int order);
    // Windowed descendants in tab order (the form's Tab key walks this list).
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    // The keys (DLGC_...) the control handles itself rather than the form.
    virtual unsigned DialogCode() const { return 0; }

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    // The key pipeline: the form sees the key first when it has KeyPreview; a handler that sets the
    // key to 0 stops it. True when the key was swallowed.
    bool DoKeyDown(unsigned short& key, TShiftState shift);
    bool DoKeyUp(unsigned short& key, TShiftState shift);
    bool DoKeyPress(char32_t& key);
    // Posts a key press to this window, handled once the events waiting now are (as the platform's
    // posted key message: the grid hands Tab on to its parent this way).
    void PostKeyDown(unsigned short key, TShiftState shift = 0);
    // Tab, arrows, Enter and Escape that no control took: the form's navigation and the buttons'
    // Default / Cancel. True when handled. The base offers the key to every child.
    virtual bool DialogKey(unsigned short key, TShiftState shift);

    // Painting.
    void Invalidate() override;
    void InvalidateRect(const TRect& rect);
    void InvalidateRegion(const TRegion& region);
    void Update() override;
    // What the next Paint will be clipped to.
    const TRegion& InvalidRegion() const { return invalid_; }
    bool Painting() const { return painting_; }
    // The picture of the window (client size; ARGB for layered windows).
    QImage& BackingImage();
    // Moves the picture inside scrollRect (default: the client area) by a blit, clipped to clipRect,
    // and invalidates only what was uncovered.
    void ScrollWindow(int dx, int dy, const TRect* scrollRect = nullptr, const TRect* clipRect = nullptr);
    // Scrolls the contents and moves every child control with them.
    void ScrollBy(int dx, int dy);
    // Shapes the window (null: back to the rectangle).
    void SetWindowRgn(const TRegion* region);
    // Layered windows: the picture, with its alpha, becomes the window's (its size included).
    void UpdateLayered(const QImage& image);
    // Copies what the parent's picture shows under `rect` (client coordinates) into this window's
    // picture, clipped as the canvas is: how a control drawn as transparent lets its parent show.
    void DrawParentBackground(const TRect& rect);

    // The non-client frame (weNone unless the control sets one: list views with BorderStyle =
    // bsSingle have the sunken edge, grids the static one) and its width on each side.
    TWindowEdge WindowEdge() const { return edge_; }
    int EdgeWidth() const;
    // Draws over the edge after the window system has drawn it: the canvas covers the whole window
    // (window coordinates, the client area clipped out). A control that draws its frame itself
    // (a themed look) overrides it; the base leaves the edge as it is.
    virtual void PaintWindowFrame(TCanvas& canvas) {}
    // Copies part of the picture (client coordinates) to the screen again, without a Paint.
    void RefreshScreen(const TRect& rect);

    // Window scroll bars (as wide as the system metric SM_CXVSCROLL; they take their room from the
    // client area).
    void SetScrollInfo(TScrollBarKind kind, const TScrollInfo& info, bool redraw = true);
    bool GetScrollInfo(TScrollBarKind kind, TScrollInfo& info) const;
    int GetScrollPos(TScrollBarKind kind) const;
    void SetScrollPos(TScrollBarKind kind, int position);
    void ShowScrollBar(TScrollBarKind kind, bool show);
    void EnableScrollBar(TScrollBarKind kind, bool enable);
    bool ScrollBarVisible(TScrollBarKind kind) const;
    bool ScrollBarEnabled(TScrollBarKind kind) const;
    // Sends a scroll message to the window, as a click on its bar would.
    void PerformScroll(TScrollBarKind kind, TScrollCode code);

    void ChangeScale(int m, int d) override;
    void ApplyCursor(TCursor cursor);
    // From the window system: the focus came or went; a top-level window was moved or resized.
    void HandleFocusIn();
    void HandleFocusOut();
    // The focus came with the activation of the window: DoEnter runs unless the control was
    // already entered before its window lost the activation.
    void HandleWindowFocusIn();
    // The keyboard focus went away with the window's activation (the control stays entered).
    void HandleWindowFocusOut() { KeyboardFocusChanged(); }
    void HandleWindowGeometry(const QRect& geometry) { WindowMovedOrResized(geometry); }
    // Called for popup windows when the application is activated or deactivated.
    virtual void ApplicationActivated(bool active) {}
    // A top-level window whose hit test answers HTCAPTION at a point is dragged by the left button
    // pressed there (no mouse events reach the control then).
    virtual THitTest HitTest(int x, int y) const { return HTCLIENT; }

protected:
    virtual void CreateParams(TCreateParams& params) {}
    // Gives the window its non-client frame: the client area shrinks (or grows) by it at once.
    void SetWindowEdge(TWindowEdge edge);
    // Draws the non-client frame again (PaintWindowFrame has something new to show).
    void RedrawWindowFrame();
    // The widget of this control; the base makes the layer's own custom-drawn window.
    virtual QWidget* CreateWidget(QWidget* parentWidget);
    // Creates the window and the windows of the children; a descendant extends it.
    virtual void CreateWnd();
    virtual void DestroyWnd();

    // Paint message: erases the invalid region with Color (unless eraseBackground_ is off),
    // calls Paint, then paints the graphic children.
    virtual void PaintWindow();
    virtual void Paint() {}
    TCanvas& WindowCanvas();
    bool eraseBackground_ = true;

    // The scroll message of a window bar (WM_HSCROLL / WM_VSCROLL); trackPos is the thumb's place
    // while it is dragged. The base does nothing: the control moves its bar itself.
    virtual void ScrollMessage(TScrollBarKind kind, TScrollCode code, int trackPos) {}

    virtual void KeyDown(unsigned short& key, TShiftState shift);
    virtual void KeyUp(unsigned short& key, TShiftState shift);
    virtual void KeyPress(char32_t& key);
    virtual void DoEnter();
    virtual void DoExit();
    // The window system's focus came or went, also when only the window's activation moved (a
    // dialog opened over it or closed): a control that draws itself by its focus draws again.
    virtual void KeyboardFocusChanged() {}

    virtual void AlignControls(TRect& rect);

    void FontChanged() override;
    void ColorChanged() override;
    void EnabledChanged() override;
    void VisibleChanged() override;
    void Resize() override;

    // The widget without creating it.
    QWidget* ExistingWidget() const { return widget_.data(); }
    bool CreateParamsPopup() const { return params_.popup; }
    const TCreateParams& CurrentCreateParams() const { return params_; }

    friend class TWindowEvents;
    friend class TControl;

private:
    struct WindowScrollBar {
        TScrollInfo info;
        bool visible = false;
        bool enabled = true;
        int trackPos = 0;
        QPointer<QScrollBar> bar;
    };

    void ApplyWindowState();
    void ApplyGeometry();
    void ApplyEdgeToWidget();
    // A client point or region of this window in its widget's coordinates.
    QRegion ToWidget(const QRegion& region) const;
    void SyncScrollBar(TScrollBarKind kind);
    void LayoutScrollBars();
    void OnScrollBarAction(TScrollBarKind kind, int action);
    void ClientSizeChanged(int oldWidth, int oldHeight);
    void AnchorChildren(int dx, int dy);
    void PaintInvalid();
    void PaintGraphicChildren(const TRegion& region);
    void PushToScreen(const QRegion& region);
    void ScheduleScreenUpdate();
    void WindowMovedOrResized(const QRect& geometry);
    // The layered picture as the window shows it: with its alpha where the window system blends
    // it, else opaque over a copy of the windows of the forms that own this one.
    void ShowLayeredPicture();
    WindowScrollBar& Bar(TScrollBarKind kind) { return kind == sbHorizontal ? hbar_ : vbar_; }
    const WindowScrollBar& Bar(TScrollBarKind kind) const { return kind == sbHorizontal ? hbar_ : vbar_; }

    QPointer<QWidget> widget_;
    std::vector<QPointer<QWidget>> subWidgets_;
    TCreateParams params_;
    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    bool tabStop_ = false;
    bool entered_ = false;
    TWindowEdge edge_ = weNone;
    QImage backing_;
    QImage layeredPicture_;  // what UpdateLayered was given
    std::unique_ptr<TCanvas> canvas_;
    TRegion invalid_;
    bool painting_ = false;
    bool settingGeometry_ = false;
    bool aligning_ = false;
    std::unique_ptr<TRegion> windowRegion_;
    WindowScrollBar hbar_;
    WindowScrollBar vbar_;
    bool syncingBar_ = false;
};

}  // namespace tarvelon
