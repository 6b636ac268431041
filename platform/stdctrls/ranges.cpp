#include "platform/stdctrls/ranges.h"

#include <QProgressBar>
#include <QScrollBar>
#include <QSlider>
#include <algorithm>

#include "platform/graphics/text_draw.h"

namespace tarvelon {

// ---- TRangeControl

TRangeControl::TRangeControl(TComponent* owner, int max) : TQtWinControl(owner), max_(max)
{
}

void TRangeControl::Resync()
{
    if (ExistingWidget())
        SyncWidget();
}

void TRangeControl::SetMin(int value)
{
    min_ = value;
    if (!Loading())
        SetPosition(position_);
    Resync();
}

void TRangeControl::SetMax(int value)
{
    max_ = value;
    if (!Loading())
        SetPosition(position_);
    Resync();
}

void TRangeControl::SetPosition(int position)
{
    if (!Loading())
        position = std::clamp(position, min_, std::max(min_, max_));
    if (position == position_)
        return;
    position_ = position;
    Resync();
    if (!Loading() && OnChange)
        OnChange(this);
}

void TRangeControl::SetOrientation(TTrackBarOrientation orientation)
{
    orientation_ = orientation;
    Resync();
}

// ---- TProgressBar

TProgressBar::TProgressBar(TComponent* owner) : TRangeControl(owner, 100)
{
    SetBounds(0, 0, 150, 17);
}

QWidget* TProgressBar::CreateWidget(QWidget* parentWidget)
{
    auto* bar = new QProgressBar(parentWidget);
    bar->setTextVisible(false);
    return bar;
}

void TProgressBar::SyncWidget()
{
    TQtWinControl::SyncWidget();
    auto* bar = qobject_cast<QProgressBar*>(ExistingWidget());
    bar->setOrientation(QtOrientation());
    bar->setRange(Min(), std::max(Min(), Max()));
    bar->setValue(Position());
}

// ---- TGauge

TGauge::TGauge(TComponent* owner) : TGraphicControl(owner)
{
    SetBounds(0, 0, 100, 100);
}

void TGauge::SetKind(TGaugeKind kind)
{
    kind_ = kind;
    Invalidate();
}

void TGauge::SetMinValue(int value)
{
    minValue_ = value;
    SetProgress(progress_);
    Invalidate();
}

void TGauge::SetMaxValue(int value)
{
    maxValue_ = value;
    SetProgress(progress_);
    Invalidate();
}

void TGauge::SetProgress(int progress)
{
    progress = Loading() ? progress : std::clamp(progress, minValue_, std::max(minValue_, maxValue_));
    if (progress == progress_)
        return;
    progress_ = progress;
    Invalidate();
}

int TGauge::PercentDone() const
{
    const int range = maxValue_ - minValue_;
    if (range <= 0)
        return 0;
    return static_cast<int>(static_cast<long long>(progress_ - minValue_) * 100 / range);
}

void TGauge::SetForeColor(TColor color)
{
    foreColor_ = color;
    Invalidate();
}

void TGauge::SetBackColor(TColor color)
{
    backColor_ = color;
    Invalidate();
}

void TGauge::SetShowText(bool show)
{
    showText_ = show;
    Invalidate();
}

void TGauge::SetBorderSingle(bool border)
{
    border_ = border;
    Invalidate();
}

void TGauge::Paint()
{
    TCanvas& canvas = Canvas();
    TRect rect = ClientRect();
    if (border_) {
        canvas.Brush.SetStyle(bsSolid);
        canvas.Brush.SetColor(clBlack);
        canvas.FrameRect(rect);
        InflateRect(rect, -1, -1);
    }
    canvas.Brush.SetStyle(bsSolid);
    canvas.Brush.SetColor(backColor_);
    canvas.FillRect(rect);
    const int range = maxValue_ - minValue_;
    const long long done = range > 0 ? progress_ - minValue_ : 0;
    canvas.Brush.SetColor(foreColor_);
    canvas.Pen.SetColor(foreColor_);
    switch (kind_) {
    case gkHorizontalBar:
        if (range > 0)
            canvas.FillRect(Rect(rect.Left, rect.Top, rect.Left + static_cast<int>(done * rect.Width() / range), rect.Bottom));
        break;
    case gkVerticalBar:
        if (range > 0)
            canvas.FillRect(Rect(rect.Left, rect.Bottom - static_cast<int>(done * rect.Height() / range), rect.Right, rect.Bottom));
        break;
    case gkPie:
    case gkNeedle:
        canvas.Ellipse(rect.Left, rect.Top, rect.Right, rect.Bottom);
        break;
    case gkText:
        break;
    }
    if (showText_) {
        canvas.Brush.SetStyle(bsClear);
        canvas.Font.Assign(Font());
        TRect text = ClientRect();
        DrawText(canvas, std::to_string(PercentDone()) + "%", text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

// ---- TTrackBar

TTrackBar::TTrackBar(TComponent* owner) : TRangeControl(owner, 10)
{
    SetTabStop(true);
    SetBounds(0, 0, 150, 45);
}

QWidget* TTrackBar::CreateWidget(QWidget* parentWidget)
{
    auto* slider = new QSlider(parentWidget);
    slider->setTickPosition(QSlider::TicksBelow);
    QObject::connect(slider, &QSlider::valueChanged, slider, [this](int value) { SetPosition(value); });
    return slider;
}

void TTrackBar::SyncWidget()
{
    TQtWinControl::SyncWidget();
    auto* slider = qobject_cast<QSlider*>(ExistingWidget());
    const QSignalBlocker blocker(slider);
    slider->setOrientation(QtOrientation());
    slider->setRange(Min(), std::max(Min(), Max()));
    slider->setTickInterval(std::max(1, frequency_));
    slider->setPageStep(std::max(1, pageSize_));
    slider->setValue(Position());
}

void TTrackBar::SetFrequency(int frequency)
{
    frequency_ = frequency;
    Resync();
}

void TTrackBar::SetPageSize(int size)
{
    pageSize_ = size;
    Resync();
}

// ---- TScrollBar

TScrollBar::TScrollBar(TComponent* owner) : TRangeControl(owner, 100)
{
    SetBounds(0, 0, 121, 17);
}

QWidget* TScrollBar::CreateWidget(QWidget* parentWidget)
{
    auto* bar = new QScrollBar(parentWidget);
    QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [this](int action) { UserAction(action); });
    return bar;
}

void TScrollBar::SyncWidget()
{
    TQtWinControl::SyncWidget();
    auto* bar = qobject_cast<QScrollBar*>(ExistingWidget());
    const QSignalBlocker blocker(bar);
    bar->setOrientation(QtOrientation());
    bar->setRange(Min(), std::max(Min(), Max() - std::max(0, pageSize_ - 1)));
    bar->setSingleStep(smallChange_);
    bar->setPageStep(std::max(1, pageSize_ > 0 ? pageSize_ : largeChange_));
    bar->setValue(Position());
}

void TScrollBar::UserAction(int action)
{
    auto* bar = qobject_cast<QScrollBar*>(ExistingWidget());
    int position = Position();
    TScrollCode code = SB_ENDSCROLL;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: code = SB_LINEDOWN; position += smallChange_; break;
    case QAbstractSlider::SliderSingleStepSub: code = SB_LINEUP; position -= smallChange_; break;
    case QAbstractSlider::SliderPageStepAdd: code = SB_PAGEDOWN; position += largeChange_; break;
    case QAbstractSlider::SliderPageStepSub: code = SB_PAGEUP; position -= largeChange_; break;
    case QAbstractSlider::SliderToMinimum: code = SB_TOP; position = Min(); break;
    case QAbstractSlider::SliderToMaximum: code = SB_BOTTOM; position = Max(); break;
    case QAbstractSlider::SliderMove: code = SB_THUMBTRACK; position = bar->sliderPosition(); break;
    default: return;
    }
    position = std::clamp(position, Min(), std::max(Min(), Max()));
    if (OnScroll)
        OnScroll(this, code, position);
    SetPosition(position);
    // Qt moves its slider itself after the action: ours is where SetPosition put it.
    bar->setSliderPosition(Position());
}

void TScrollBar::SetSmallChange(int change)
{
    smallChange_ = change;
    Resync();
}

void TScrollBar::SetLargeChange(int change)
{
    largeChange_ = change;
    Resync();
}

void TScrollBar::SetPageSize(int size)
{
    pageSize_ = size;
    Resync();
}

}  // namespace tarvelon
