#include "platform/forms/win_control.h"

#include <QApplication>
#include <QFrame>
#include <QHash>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWidget>

#include <algorithm>
#include <vector>

#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "platform/forms/graphic_control.h"
#include "platform/forms/keys.h"
#include "platform/forms/screen.h"
#include "platform/forms/translucency.h"
#include "platform/forms/window_events.h"
#include "platform/forms/window_widget.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/system_metrics.h"

namespace tarvelon {
namespace {

QHash<const QWidget*, TWinControl*>& WidgetControls()
{
    static QHash<const QWidget*, TWinControl*> map;
    return map;
}

QRect ClampedToClient(const TRect& rect, int width, int height)
{
    return ToQRect(rect).intersected(QRect(0, 0, width, height));
}

TScrollCode ScrollCodeOfAction(int action, bool& known)
{
    known = true;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: return SB_LINEDOWN;
    case QAbstractSlider::SliderSingleStepSub: return SB_LINEUP;
    case QAbstractSlider::SliderPageStepAdd: return SB_PAGEDOWN;
    case QAbstractSlider::SliderPageStepSub: return SB_PAGEUP;
    case QAbstractSlider::SliderToMinimum: return SB_TOP;
    case QAbstractSlider::SliderToMaximum: return SB_BOTTOM;
    case QAbstractSlider::SliderMove: return SB_THUMBTRACK;
    default: known = false; return SB_ENDSCROLL;
    }
}

int WindowScrollBarSize()
{
    return GetSystemMetrics(SM_CXVSCROLL);
}

// The last position a window bar can take, as the platform counts it: a full page still shows.
int LastScrollPosition(const TScrollInfo& info)
{
    const int page = static_cast<int>(info.nPage);
    return std::max(info.nMin, page > 0 ? info.nMax - page + 1 : info.nMax);
}

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner)
{
}

TWinControl::~TWinControl()
{
    SetDestroying();
    // A parent frees its children, whoever owns them (they leave their owner's list themselves).
    while (!controls_.empty()) {
        TControl* child = controls_.back();
        Free(child);
    }
    DestroyWnd();
}

QWidget* TWinControl::Widget()
{
    HandleNeeded();
    return widget_.data();
}

TWinControl* TWinControl::FromWidget(const QWidget* widget)
{
    return WidgetControls().value(widget, nullptr);
}

void TWinControl::ForEachWindow(const std::function<void(TWinControl*)>& action)
{
    const QList<TWinControl*> windows = WidgetControls().values();
    for (TWinControl* window : windows) {
        if (WidgetControls().key(window, nullptr))
            action(window);
    }
}

void TWinControl::AdoptSubWidget(QWidget* subWidget)
{
    if (!subWidget || WidgetControls().contains(subWidget))
        return;
    subWidgets_.emplace_back(subWidget);
    WidgetControls().insert(subWidget, this);
    subWidget->installEventFilter(TWindowEvents::Filter());
    subWidget->setMouseTracking(true);
    // A sub-widget freed by its owner leaves the map at once.
    QObject::connect(subWidget, &QObject::destroyed, [subWidget] { WidgetControls().remove(subWidget); });
}

void TWinControl::ListenToInnerEditors()
{
    if (!widget_)
        return;
    for (QWidget* inner : widget_->findChildren<QWidget*>()) {
        if (inner->focusProxy() == widget_)
            inner->installEventFilter(TWindowEvents::Filter());
    }
}

TWinControl* TWinControl::FromInnerEditor(const QWidget* editor)
{
    const QWidget* outer = editor ? editor->focusProxy() : nullptr;
    return outer && outer->isAncestorOf(editor) ? FromWidget(outer) : nullptr;
}

void TWinControl::HandleNeeded()
{
    if (widget_.isNull() && !Destroying())
        CreateWnd();
}

void TWinControl::RecreateWnd()
{
    if (!HandleAllocated())
        return;
    DestroyWnd();
    CreateWnd();
}

QWidget* TWinControl::CreateWidget(QWidget* parentWidget)
{
    return new TWindowWidget(this, parentWidget);
}

void TWinControl::CreateWnd()
{
    params_ = TCreateParams{};
    CreateParams(params_);
    QWidget* parentWidget = nullptr;
    if (Parent())
        parentWidget = params_.popup ? Parent()->Widget()->window() : Parent()->Widget();
    Application->ConnectToQt();
    QWidget* widget = CreateWidget(parentWidget);
    widget_ = widget;
    WidgetControls().insert(widget, this);
    widget->installEventFilter(TWindowEvents::Filter());
    widget->setMouseTracking(true);
    if (params_.popup) {
        // A tool-tip window is never activated by any window system: the opener keeps the focus.
        Qt::WindowFlags flags = Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus;
        if (params_.topMost)
            flags |= Qt::WindowStaysOnTopHint;
        widget->setWindowFlags(flags);
        widget->setAttribute(Qt::WA_ShowWithoutActivating);
    }
    if (params_.noActivate)
        widget->setAttribute(Qt::WA_ShowWithoutActivating);
    if (params_.layered) {
        widget->setAttribute(Qt::WA_TranslucentBackground);
        widget->setAttribute(Qt::WA_OpaquePaintEvent, false);
        widget->setWindowFlags(widget->windowFlags() | Qt::FramelessWindowHint);
        backing_ = QImage();
    }
    // The window's own scroll bars belong to the layer's own windows; wrapped Qt widgets have theirs.
    for (TScrollBarKind kind : {sbHorizontal, sbVertical}) {
        if (!dynamic_cast<TWindowWidget*>(widget))
            break;
        auto* bar = new QScrollBar(kind == sbHorizontal ? Qt::Horizontal : Qt::Vertical, widget);
        bar->hide();
        bar->setFocusPolicy(Qt::NoFocus);
        QObject::connect(bar, &QAbstractSlider::actionTriggered, bar,
                         [this, kind](int action) { OnScrollBarAction(kind, action); });
        QObject::connect(bar, &QAbstractSlider::sliderReleased, bar, [this, kind] {
            ScrollMessage(kind, SB_THUMBPOSITION, Bar(kind).trackPos);
            ScrollMessage(kind, SB_ENDSCROLL, Bar(kind).trackPos);
            SyncScrollBar(kind);
        });
        Bar(kind).bar = bar;
    }
    ApplyWindowState();
    for (TControl* child : controls_) {
        if (auto* window = dynamic_cast<TWinControl*>(child); window && !window->HandleAllocated())
            window->CreateWnd();
    }
}

void TWinControl::DestroyWnd()
{
    for (TControl* child : controls_) {
        if (auto* window = dynamic_cast<TWinControl*>(child))
            window->DestroyWnd();
    }
    for (const QPointer<QWidget>& sub : subWidgets_) {
        if (sub) {
            WidgetControls().remove(sub.data());
            sub->removeEventFilter(TWindowEvents::Filter());
        }
    }
    subWidgets_.clear();
    if (widget_.isNull())
        return;
    QWidget* widget = widget_.data();
    widget_ = nullptr;
    WidgetControls().remove(widget);
    widget->removeEventFilter(TWindowEvents::Filter());
    if (auto* own = dynamic_cast<TWindowWidget*>(widget))
        own->Detach();
    for (WindowScrollBar* bar : {&hbar_, &vbar_}) {
        if (bar->bar)
            QObject::disconnect(bar->bar, nullptr, nullptr, nullptr);
        bar->bar = nullptr;
    }
    // The widget may be delivering the event that led here: it goes once that is over.
    widget->hide();
    widget->deleteLater();
}

void TWinControl::ApplyWindowState()
{
    QWidget* widget = widget_.data();
    ApplyGeometry();
    if (edge_ != weNone)
        ApplyEdgeToWidget();
    LayoutScrollBars();
    SyncScrollBar(sbHorizontal);
    SyncScrollBar(sbVertical);
    widget->setEnabled(Enabled());
    ApplyCursor(Cursor());
    if (windowRegion_)
        widget->setMask(windowRegion_->ToQRegion());
    invalid_ = TRegion::FromRect(ClientRect());
    if (!widget->isWindow() || Visible())
        widget->setVisible(Visible());
}

void TWinControl::ApplyGeometry()
{
    QWidget* widget = widget_.data();
    if (!widget)
        return;
    settingGeometry_ = true;
    if (widget->isWindow()) {
        widget->move(Left(), Top());
        widget->resize(std::max(1, Width()), std::max(1, Height()));
    } else {
        const int parentEdge = Parent() && !params_.popup ? Parent()->EdgeWidth() : 0;
        widget->setGeometry(Left() + parentEdge, Top() + parentEdge, Width(), Height());
    }
    settingGeometry_ = false;
}

void TWinControl::InsertControl(TControl* control)
{
    control->parent_ = this;
    controls_.push_back(control);
    if (auto* window = dynamic_cast<TWinControl*>(control)) {
        tabList_.push_back(window);
        if (HandleAllocated()) {
            if (window->HandleAllocated())
                window->RecreateWnd();
            else
                window->CreateWnd();
        }
    } else {
        InvalidateRect(control->BoundsRect());
    }
    if (control->Align() != alNone)
        Realign();
}

void TWinControl::RemoveControl(TControl* control)
{
    auto found = std::find(controls_.begin(), controls_.end(), control);
    if (found == controls_.end())
        return;
    if (control->Visible())
        InvalidateRect(control->BoundsRect());
    controls_.erase(found);
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), control), tabList_.end());
    control->parent_ = nullptr;
    if (auto* window = dynamic_cast<TWinControl*>(control); window && !Destroying())
        window->DestroyWnd();
    if (control->Align() != alNone)
        Realign();
}

bool TWinControl::ContainsControl(const TControl* control) const
{
    for (const TControl* c = control; c; c = c->Parent()) {
        if (c == this)
            return true;
    }
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint point, bool allowDisabled, bool allowWinControls) const
{
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* control = *it;
        const bool windowed = dynamic_cast<TWinControl*>(control) != nullptr;
        if (windowed && !allowWinControls)
            continue;
        if (windowed && static_cast<TWinControl*>(control)->CreateParamsPopup())
            continue;
        if (!control->Visible() || (!control->Enabled() && !allowDisabled))
            continue;
        if (PtInRect(control->BoundsRect(), point))
            return control;
    }
    return nullptr;
}

void TWinControl::MoveControlInZOrder(TControl* control, bool toFront)
{
    auto found = std::find(controls_.begin(), controls_.end(), control);
    if (found == controls_.end())
        return;
    controls_.erase(found);
    if (toFront)
        controls_.push_back(control);
    else
        controls_.insert(controls_.begin(), control);
    if (auto* window = dynamic_cast<TWinControl*>(control); window && window->HandleAllocated()) {
        if (toFront)
            window->widget_->raise();
        else
            window->widget_->lower();
    } else {
        InvalidateRect(control->BoundsRect());
    }
}

void TWinControl::Realign()
{
    if (aligning_ || Loading())
        return;
    aligning_ = true;
    TRect rect = ClientRect();
    AlignControls(rect);
    aligning_ = false;
}

void TWinControl::AlignControls(TRect& rect)
{
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (TControl* control : controls_) {
            if (control->Align() != align || !control->Visible())
                continue;
            const int w = control->Width();
            const int h = control->Height();
            switch (align) {
            case alTop:
                control->SetBounds(rect.Left, rect.Top, rect.Width(), h);
                rect.Top += h;
                break;
            case alBottom:
                control->SetBounds(rect.Left, rect.Bottom - h, rect.Width(), h);
                rect.Bottom -= h;
                break;
            case alLeft:
                control->SetBounds(rect.Left, rect.Top, w, rect.Height());
                rect.Left += w;
                break;
            case alRight:
                control->SetBounds(rect.Right - w, rect.Top, w, rect.Height());
                rect.Right -= w;
                break;
            default:
                control->SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
                break;
            }
        }
    }
}

void TWinControl::AnchorChildren(int dx, int dy)
{
    if (Loading())
        return;
    for (TControl* control : controls_) {
        if (control->Align() != alNone)
            continue;
        const TAnchors anchors = control->Anchors();
        int left = control->Left();
        int top = control->Top();
        int width = control->Width();
        int height = control->Height();
        if (anchors.Contains(akRight)) {
            if (anchors.Contains(akLeft))
                width += dx;
            else
                left += dx;
        }
        if (anchors.Contains(akBottom)) {
            if (anchors.Contains(akTop))
                height += dy;
            else
                top += dy;
        }
        control->SetBounds(left, top, width, height);
    }
}

void TWinControl::SetBounds(int left, int top, int width, int height)
{
    ConstrainSize(width, height);
    if (left == Left() && top == Top() && width == Width() && height == Height())
        return;
    const int oldClientWidth = ClientWidth();
    const int oldClientHeight = ClientHeight();
    const bool resized = width != Width() || height != Height();
    StoreBounds(left, top, width, height);
    ApplyGeometry();
    if (Parent() && Align() != alNone)
        Parent()->Realign();
    if (resized) {
        LayoutScrollBars();
        ClientSizeChanged(oldClientWidth, oldClientHeight);
        Resize();
    }
}

void TWinControl::Loaded()
{
    TControl::Loaded();
    Realign();
}

void TWinControl::WindowMovedOrResized(const QRect& geometry)
{
    // A window shown over a copy of what is behind it stands over another part of it now.
    if (!layeredPicture_.isNull() && !WindowSystemShowsTranslucency())
        ShowLayeredPicture();
    if (settingGeometry_)
        return;
    const int oldClientWidth = ClientWidth();
    const int oldClientHeight = ClientHeight();
    const bool resized = geometry.width() != Width() || geometry.height() != Height();
    StoreBounds(geometry.x(), geometry.y(), geometry.width(), geometry.height());
    if (resized) {
        LayoutScrollBars();
        ClientSizeChanged(oldClientWidth, oldClientHeight);
        Resize();
    }
}

void TWinControl::ClientSizeChanged(int oldWidth, int oldHeight)
{
    if (oldWidth == ClientWidth() && oldHeight == ClientHeight())
        return;
    if (!backing_.isNull())
        BackingImage();
    // The whole window is painted again after a change of size.
    Invalidate();
    AnchorChildren(ClientWidth() - oldWidth, ClientHeight() - oldHeight);
    Realign();
}

int TWinControl::ClientWidth() const
{
    return std::max(0, Width() - 2 * EdgeWidth() - (vbar_.visible ? WindowScrollBarSize() : 0));
}

int TWinControl::ClientHeight() const
{
    return std::max(0, Height() - 2 * EdgeWidth() - (hbar_.visible ? WindowScrollBarSize() : 0));
}

TPoint TWinControl::ClientOrigin() const
{
    const int edge = EdgeWidth();
    if (widget_) {
        const QPoint origin = widget_->mapToGlobal(QPoint(edge, edge));
        return Point(origin.x(), origin.y());
    }
    const TPoint origin = params_.popup ? Point(Left(), Top()) : TControl::ClientOrigin();
    return Point(origin.X + edge, origin.Y + edge);
}

int TWinControl::EdgeWidth() const
{
    switch (edge_) {
    case weSingle:
    case weStatic: return 1;
    case weSunken: return 2;
    default: return 0;
    }
}

void TWinControl::SetWindowEdge(TWindowEdge edge)
{
    if (edge_ == edge)
        return;
    const int oldClientWidth = ClientWidth();
    const int oldClientHeight = ClientHeight();
    edge_ = edge;
    if (widget_) {
        ApplyEdgeToWidget();
        LayoutScrollBars();
        for (TControl* child : controls_) {
            if (auto* window = dynamic_cast<TWinControl*>(child))
                window->ApplyGeometry();
        }
        widget_->update();
    }
    ClientSizeChanged(oldClientWidth, oldClientHeight);
    Resize();
}

void TWinControl::RedrawWindowFrame()
{
    if (!widget_ || edge_ == weNone)
        return;
    const int edge = EdgeWidth();
    const QRect bounds = widget_->rect();
    widget_->update(QRegion(bounds) - QRegion(bounds.adjusted(edge, edge, -edge, -edge)));
}

void TWinControl::ApplyEdgeToWidget()
{
    // A wrapped Qt widget with a frame of its own shows the edge with it.
    auto* frame = qobject_cast<QFrame*>(widget_.data());
    if (!frame)
        return;
    frame->setFrameStyle(edge_ == weNone ? QFrame::NoFrame : QFrame::Panel | (edge_ == weSingle ? QFrame::Plain : QFrame::Sunken));
    frame->setLineWidth(EdgeWidth());
}

QRegion TWinControl::ToWidget(const QRegion& region) const
{
    const int edge = EdgeWidth();
    return region.translated(edge, edge);
}

void TWinControl::RefreshScreen(const TRect& rect)
{
    PushToScreen(QRegion(ToQRect(rect)));
}

bool TWinControl::Showing() const
{
    if (widget_)
        return widget_->isVisible();
    return Visible() && Parent() && Parent()->Showing();
}

bool TWinControl::CanFocus() const
{
    for (const TControl* control = this; control; control = control->Parent()) {
        if (!control->Visible() || !control->Enabled())
            return false;
    }
    return true;
}

bool TWinControl::Focused() const
{
    return widget_ && widget_->hasFocus();
}

void TWinControl::SetFocus()
{
    if (TForm* form = ParentForm(); form && form != this)
        form->SetActiveControl(this);
    if (!Showing())
        return;
    HandleNeeded();
    widget_->setFocus(Qt::OtherFocusReason);
}

int TWinControl::TabOrder() const
{
    if (!Parent())
        return -1;
    const auto& list = Parent()->tabList_;
    auto found = std::find(list.begin(), list.end(), this);
    return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

void TWinControl::SetTabOrder(int order)
{
    if (!Parent())
        return;
    auto& list = Parent()->tabList_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    order = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + order, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const
{
    for (TWinControl* control : tabList_) {
        list.push_back(control);
        control->GetTabOrderList(list);
    }
}

bool TWinControl::DoKeyDown(unsigned short& key, TShiftState shift)
{
    TForm* form = ParentForm();
    if (form && form != this && form->KeyPreview() && form->DoKeyDown(key, shift))
        return true;
    if (key != 0)
        KeyDown(key, shift);
    return key == 0;
}

bool TWinControl::DoKeyUp(unsigned short& key, TShiftState shift)
{
    TForm* form = ParentForm();
    if (form && form != this && form->KeyPreview() && form->DoKeyUp(key, shift))
        return true;
    if (key != 0)
        KeyUp(key, shift);
    return key == 0;
}

bool TWinControl::DoKeyPress(char32_t& key)
{
    TForm* form = ParentForm();
    if (form && form != this && form->KeyPreview() && form->DoKeyPress(key))
        return true;
    if (key != 0)
        KeyPress(key);
    return key == 0;
}

bool TWinControl::DialogKey(unsigned short key, TShiftState shift)
{
    const std::vector<TControl*> children = controls_;
    for (TControl* child : children) {
        if (auto* window = dynamic_cast<TWinControl*>(child); window && window->DialogKey(key, shift))
            return true;
    }
    return false;
}

void TWinControl::HandleFocusIn()
{
    if (TForm* form = ParentForm(); form && form != this)
        form->SetActiveControl(this);
    entered_ = true;
    DoEnter();
}

void TWinControl::HandleFocusOut()
{
    entered_ = false;
    DoExit();
}

void TWinControl::HandleWindowFocusIn()
{
    if (!entered_)
        HandleFocusIn();
    else
        KeyboardFocusChanged();
}

void TWinControl::KeyDown(unsigned short& key, TShiftState shift)
{
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(unsigned short& key, TShiftState shift)
{
    if (OnKeyUp)
        OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char32_t& key)
{
    if (OnKeyPress)
        OnKeyPress(this, key);
}

void TWinControl::DoEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit)
        OnExit(this);
}

// ---- painting ----

QImage& TWinControl::BackingImage()
{
    const int width = std::max(1, ClientWidth());
    const int height = std::max(1, ClientHeight());
    if (backing_.width() == width && backing_.height() == height)
        return backing_;
    const QImage::Format format = params_.layered ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    QImage image(width, height, format);
    image.fill(params_.layered ? QColor(Qt::transparent) : ToQColor(Color()));
    if (!backing_.isNull()) {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, backing_);
    }
    backing_ = std::move(image);
    return backing_;
}

TCanvas& TWinControl::WindowCanvas()
{
    if (!canvas_) {
        canvas_ = std::make_unique<TCanvas>(&backing_);
        canvas_->Font.Assign(Font());
        canvas_->OnChange = [this] {
            if (!painting_)
                ScheduleScreenUpdate();
        };
    }
    BackingImage();
    return *canvas_;
}

void TWinControl::Invalidate()
{
    InvalidateRect(ClientRect());
}

void TWinControl::InvalidateRect(const TRect& rect)
{
    const QRect clipped = ClampedToClient(rect, ClientWidth(), ClientHeight());
    if (clipped.isEmpty())
        return;
    invalid_.Combine(invalid_, TRegion::FromRect(FromQRect(clipped)), RGN_OR);
    if (widget_)
        widget_->update(ToWidget(clipped));
}

void TWinControl::InvalidateRegion(const TRegion& region)
{
    for (const TRect& rect : region.Rects())
        InvalidateRect(rect);
}

void TWinControl::Update()
{
    if (invalid_.IsEmpty() || !widget_ || !widget_->isVisible())
        return;
    // Painted into the picture now; the screen copy follows at once when the window can show it.
    const QRegion painted = invalid_.ToQRegion();
    PaintInvalid();
    widget_->repaint(ToWidget(painted));
}

void TWinControl::PaintInvalid()
{
    if (invalid_.IsEmpty() || painting_)
        return;
    const TRegion region = invalid_;
    invalid_ = TRegion();
    TCanvas& canvas = WindowCanvas();
    painting_ = true;
    struct EndPaint {
        TWinControl* control;
        ~EndPaint()
        {
            control->canvas_->ResetClip();
            control->canvas_->SetOrigin(Point(0, 0));
            control->painting_ = false;
        }
    } endPaint{this};
    canvas.SetOrigin(Point(0, 0));
    canvas.SetClipRegion(region);
    PaintWindow();
    canvas.ResetClip();
    PaintGraphicChildren(region);
}

void TWinControl::PaintWindow()
{
    if (eraseBackground_) {
        QPainter painter(&backing_);
        painter.setClipRegion(WindowCanvas().ClipRegion().ToQRegion());
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(backing_.rect(), params_.layered ? QColor(Qt::transparent) : ToQColor(Color()));
    }
    Paint();
}

void TWinControl::PaintGraphicChildren(const TRegion& region)
{
    for (TControl* child : controls_) {
        auto* graphic = dynamic_cast<TGraphicControl*>(child);
        if (!graphic || !graphic->Visible())
            continue;
        TRegion part;
        part.Combine(region, TRegion::FromRect(graphic->BoundsRect()), RGN_AND);
        if (!part.IsEmpty())
            graphic->PaintOnParent(&BackingImage(), part);
    }
}

void TWinControl::ScheduleScreenUpdate()
{
    if (widget_)
        widget_->update();
}

void TWinControl::PushToScreen(const QRegion& region)
{
    if (widget_)
        widget_->update(ToWidget(region));
}

void TWinControl::ScrollWindow(int dx, int dy, const TRect* scrollRect, const TRect* clipRect)
{
    const QRect client(0, 0, ClientWidth(), ClientHeight());
    QRect area = scrollRect ? ToQRect(*scrollRect).intersected(client) : client;
    if (clipRect)
        area = area.intersected(ToQRect(*clipRect));
    if (area.isEmpty() || (dx == 0 && dy == 0))
        return;
    QImage& image = BackingImage();
    const QImage part = image.copy(area);
    {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.setClipRect(area);
        painter.drawImage(area.topLeft() + QPoint(dx, dy), part);
    }
    // Pending invalid parts move with the pixels (and stay invalid where they were).
    QRegion pending = invalid_.ToQRegion().intersected(area);
    if (!pending.isEmpty())
        invalid_.Combine(invalid_, TRegion::FromQRegion(pending.translated(dx, dy).intersected(area)), RGN_OR);
    const QRegion uncovered = QRegion(area).subtracted(QRegion(area.translated(dx, dy)));
    PushToScreen(QRegion(area));
    InvalidateRegion(TRegion::FromQRegion(uncovered));
}

void TWinControl::ScrollBy(int dx, int dy)
{
    ScrollWindow(dx, dy);
    for (TControl* child : controls_) {
        if (auto* window = dynamic_cast<TWinControl*>(child); window && window->IsPopupWindow())
            continue;  // floats at its own screen place
        child->StoreBounds(child->Left() + dx, child->Top() + dy, child->Width(), child->Height());
        if (auto* window = dynamic_cast<TWinControl*>(child))
            window->ApplyGeometry();
    }
}

void TWinControl::SetWindowRgn(const TRegion* region)
{
    if (region)
        windowRegion_ = std::make_unique<TRegion>(*region);
    else
        windowRegion_.reset();
    if (!widget_)
        return;
    if (windowRegion_)
        widget_->setMask(windowRegion_->ToQRegion());
    else
        widget_->clearMask();
}

namespace {

// The pixels of a picture that are not fully transparent, one run of a row at a time.
QRegion VisiblePixels(const QImage& image)
{
    QRegion region;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width();) {
            if (qAlpha(row[x]) == 0) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < image.width() && qAlpha(row[x]) != 0)
                ++x;
            region += QRect(start, y, x - start, 1);
        }
    }
    return region;
}

// The visible windows of the forms that own `control`, the farthest owner first: what lies behind a
// message window shown over its form.
std::vector<QWidget*> OwnerWindows(const TComponent& control)
{
    std::vector<QWidget*> windows;
    for (TComponent* owner = control.Owner(); owner != nullptr; owner = owner->Owner()) {
        auto* form = dynamic_cast<TWinControl*>(owner);
        if (form && form->HandleAllocated() && form->Widget()->isWindow() && form->Widget()->isVisible())
            windows.insert(windows.begin(), form->Widget());
    }
    return windows;
}

}  // namespace

void TWinControl::UpdateLayered(const QImage& image)
{
    if (image.size() != QSize(Width(), Height()))
        SetBounds(Left(), Top(), image.width(), image.height());
    layeredPicture_ = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // The fully transparent pixels are left out of the window: without a compositing window
    // manager the window system would show them black.
    if (widget_ && !windowRegion_)
        widget_->setMask(VisiblePixels(layeredPicture_));
    ShowLayeredPicture();
}

void TWinControl::ShowLayeredPicture()
{
    backing_ = layeredPicture_;
    if (widget_ && !WindowSystemShowsTranslucency()) {
        // Half-transparent pixels too would show black: they are laid over what is behind instead.
        QImage opaque(layeredPicture_.size(), QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&opaque);
        PaintWindowsBehind(painter, *widget_, OwnerWindows(*this));
        painter.drawImage(0, 0, layeredPicture_);
        painter.end();
        backing_ = opaque;
    }
    invalid_ = TRegion();
    ScheduleScreenUpdate();
}

void TWinControl::DrawParentBackground(const TRect& rect)
{
    TWinControl* parent = Parent();
    if (!parent || IsPopupWindow())
        return;
    // What the parent still has to paint is painted first: the copy must not show a stale picture.
    parent->PaintInvalid();
    const QImage& under = parent->BackingImage();
    QImage& image = BackingImage();
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (canvas_ && canvas_->IsClipped())
        painter.setClipRegion(canvas_->ClipRegion().ToQRegion());
    const QRect target = ToQRect(rect);
    painter.drawImage(target, under, target.translated(Left(), Top()));
}

void TWinControl::PostKeyDown(unsigned short key, TShiftState shift)
{
    Qt::KeyboardModifiers modifiers;
    if (shift & ssShift)
        modifiers |= Qt::ShiftModifier;
    if (shift & ssCtrl)
        modifiers |= Qt::ControlModifier;
    if (shift & ssAlt)
        modifiers |= Qt::AltModifier;
    QApplication::postEvent(Widget(), new QKeyEvent(QEvent::KeyPress, QtKeyOfVirtualKey(key), modifiers));
}

// ---- window scroll bars ----

void TWinControl::SetScrollInfo(TScrollBarKind kind, const TScrollInfo& info, bool redraw)
{
    WindowScrollBar& bar = Bar(kind);
    if (info.fMask & SIF_RANGE) {
        bar.info.nMin = info.nMin;
        bar.info.nMax = std::max(info.nMin, info.nMax);
    }
    if (info.fMask & SIF_PAGE)
        bar.info.nPage = std::min<unsigned>(info.nPage, static_cast<unsigned>(bar.info.nMax - bar.info.nMin + 1));
    if (info.fMask & SIF_POS)
        bar.info.nPos = info.nPos;
    bar.info.nPos = std::clamp(bar.info.nPos, bar.info.nMin, LastScrollPosition(bar.info));
    const int range = bar.info.nMax - bar.info.nMin + 1;
    const bool needed = bar.info.nMax > bar.info.nMin && range > static_cast<int>(bar.info.nPage);
    const bool wasVisible = bar.visible;
    if (info.fMask & SIF_DISABLENOSCROLL)
        bar.visible = true;
    else if (info.fMask & (SIF_RANGE | SIF_PAGE))
        bar.visible = needed;
    const int oldClientWidth = ClientWidth();
    const int oldClientHeight = ClientHeight();
    SyncScrollBar(kind);
    if (bar.visible != wasVisible) {
        LayoutScrollBars();
        ClientSizeChanged(oldClientWidth, oldClientHeight);
        Resize();
    }
}

bool TWinControl::GetScrollInfo(TScrollBarKind kind, TScrollInfo& info) const
{
    const WindowScrollBar& bar = Bar(kind);
    const unsigned mask = info.fMask;
    info = bar.info;
    info.fMask = mask;
    info.nTrackPos = bar.bar && bar.bar->isSliderDown() ? bar.trackPos : bar.info.nPos;
    return true;
}

int TWinControl::GetScrollPos(TScrollBarKind kind) const
{
    return Bar(kind).info.nPos;
}

void TWinControl::SetScrollPos(TScrollBarKind kind, int position)
{
    TScrollInfo info;
    info.fMask = SIF_POS;
    info.nPos = position;
    SetScrollInfo(kind, info);
}

void TWinControl::ShowScrollBar(TScrollBarKind kind, bool show)
{
    WindowScrollBar& bar = Bar(kind);
    if (bar.visible == show)
        return;
    const int oldClientWidth = ClientWidth();
    const int oldClientHeight = ClientHeight();
    bar.visible = show;
    SyncScrollBar(kind);
    LayoutScrollBars();
    ClientSizeChanged(oldClientWidth, oldClientHeight);
    Resize();
}

void TWinControl::EnableScrollBar(TScrollBarKind kind, bool enable)
{
    Bar(kind).enabled = enable;
    SyncScrollBar(kind);
}

bool TWinControl::ScrollBarVisible(TScrollBarKind kind) const
{
    return Bar(kind).visible;
}

bool TWinControl::ScrollBarEnabled(TScrollBarKind kind) const
{
    const WindowScrollBar& bar = Bar(kind);
    return bar.enabled && bar.info.nMax > bar.info.nMin;
}

void TWinControl::PerformScroll(TScrollBarKind kind, TScrollCode code)
{
    ScrollMessage(kind, code, Bar(kind).info.nPos);
    SyncScrollBar(kind);
}

void TWinControl::SyncScrollBar(TScrollBarKind kind)
{
    WindowScrollBar& bar = Bar(kind);
    if (!bar.bar)
        return;
    syncingBar_ = true;
    QScrollBar* scrollBar = bar.bar.data();
    scrollBar->setRange(bar.info.nMin, LastScrollPosition(bar.info));
    scrollBar->setPageStep(std::max(1, static_cast<int>(bar.info.nPage)));
    scrollBar->setSingleStep(1);
    if (!scrollBar->isSliderDown())
        scrollBar->setSliderPosition(bar.info.nPos);
    scrollBar->setEnabled(ScrollBarEnabled(kind) && Enabled());
    scrollBar->setVisible(bar.visible);
    syncingBar_ = false;
}

void TWinControl::LayoutScrollBars()
{
    if (!widget_)
        return;
    // Inside the edge, beside the client area.
    const int edge = EdgeWidth();
    const int w = Width() - 2 * edge;
    const int h = Height() - 2 * edge;
    const int size = WindowScrollBarSize();
    if (hbar_.bar)
        hbar_.bar->setGeometry(edge, edge + h - size, w - (vbar_.visible ? size : 0), size);
    if (vbar_.bar)
        vbar_.bar->setGeometry(edge + w - size, edge, size, h - (hbar_.visible ? size : 0));
}

void TWinControl::OnScrollBarAction(TScrollBarKind kind, int action)
{
    if (syncingBar_)
        return;
    bool known = false;
    const TScrollCode code = ScrollCodeOfAction(action, known);
    if (!known)
        return;
    WindowScrollBar& bar = Bar(kind);
    if (code == SB_THUMBTRACK)
        bar.trackPos = bar.bar->sliderPosition();
    ScrollMessage(kind, code, bar.trackPos);
    // The control decides where the bar stands; Qt's own move is undone unless the thumb is dragged.
    if (code != SB_THUMBTRACK && bar.bar)
        bar.bar->setSliderPosition(bar.info.nPos);
}

// ---- notifications ----

void TWinControl::FontChanged()
{
    if (canvas_)
        canvas_->Font.Assign(Font());
    TControl::FontChanged();
    for (TControl* child : controls_)
        child->ParentFontChanged();
}

void TWinControl::ColorChanged()
{
    TControl::ColorChanged();
    for (TControl* child : controls_)
        child->ParentColorChanged();
}

void TWinControl::EnabledChanged()
{
    if (widget_)
        widget_->setEnabled(Enabled());
    SyncScrollBar(sbHorizontal);
    SyncScrollBar(sbVertical);
    Invalidate();
}

void TWinControl::VisibleChanged()
{
    if (Parent() && Align() != alNone)
        Parent()->Realign();
    if (!widget_ && Visible() && (IsPopupWindow() || (Parent() && Parent()->HandleAllocated())))
        HandleNeeded();
    if (widget_)
        widget_->setVisible(Visible());
}

bool TWinControl::IsPopupWindow()
{
    if (widget_)
        return params_.popup;
    TCreateParams params;
    CreateParams(params);
    return params.popup;
}

void TWinControl::Resize()
{
    TControl::Resize();
}

void TWinControl::ChangeScale(int m, int d)
{
    TControl::ChangeScale(m, d);
    const std::vector<TControl*> children = controls_;
    for (TControl* child : children)
        child->ChangeScale(m, d);
}

void TWinControl::ApplyCursor(TCursor cursor)
{
    if (widget_)
        widget_->setCursor(Screen->CursorShape(cursor == crDefault ? crArrow : cursor));
}

}  // namespace tarvelon
