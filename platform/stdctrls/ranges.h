#pragma once
// Controls that show or choose a value in a range: TProgressBar and TTrackBar and TScrollBar over
// Qt's, and TGauge, a drawn bar (the matchday minute) with its colours and optional percentage.
#include "platform/forms/graphic_control.h"
#include "platform/stdctrls/qt_wrap.h"

class QProgressBar;
class QSlider;
class QScrollBar;

namespace tarvelon {

enum TTrackBarOrientation { trHorizontal, trVertical };

// A Qt widget over a range Min..Max with a Position in it. A position set while the description is
// read is taken as written; afterwards it is kept in range and a change fires OnChange.
class TRangeControl : public TQtWinControl {
public:
    TRangeControl(TComponent* owner, int max);
    std::string ClassName() const override { return "TRangeControl"; }

    int Min() const { return min_; }
    void SetMin(int value);
    int Max() const { return max_; }
    void SetMax(int value);
    int Position() const { return position_; }
    void SetPosition(int position);
    TTrackBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TTrackBarOrientation orientation);

    TNotifyEvent OnChange;

protected:
    bool UsesColorAsBase() const override { return false; }
    // Gives the widget the control's state again, when it exists.
    void Resync();
    Qt::Orientation QtOrientation() const { return orientation_ == trHorizontal ? Qt::Horizontal : Qt::Vertical; }

private:
    int min_ = 0;
    int max_;
    int position_ = 0;
    TTrackBarOrientation orientation_ = trHorizontal;
};

class TProgressBar : public TRangeControl {
public:
    explicit TProgressBar(TComponent* owner);
    std::string ClassName() const override { return "TProgressBar"; }

    int Step() const { return step_; }
    void SetStep(int step) { step_ = step; }
    void StepIt() { SetPosition(Position() + step_); }
    void StepBy(int delta) { SetPosition(Position() + delta); }

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void SyncWidget() override;

private:
    int step_ = 10;
};

enum TGaugeKind { gkText, gkHorizontalBar, gkVerticalBar, gkPie, gkNeedle };

class TGauge : public TGraphicControl {
public:
    explicit TGauge(TComponent* owner);
    std::string ClassName() const override { return "TGauge"; }

    TGaugeKind Kind() const { return kind_; }
    void SetKind(TGaugeKind kind);
    int MinValue() const { return minValue_; }
    void SetMinValue(int value);
    int MaxValue() const { return maxValue_; }
    void SetMaxValue(int value);
    int Progress() const { return progress_; }
    // Kept between MinValue and MaxValue.
    void SetProgress(int progress);
    void AddProgress(int delta) { SetProgress(progress_ + delta); }
    int PercentDone() const;
    TColor ForeColor() const { return foreColor_; }
    void SetForeColor(TColor color);
    TColor BackColor() const { return backColor_; }
    void SetBackColor(TColor color);
    bool ShowText() const { return showText_; }
    void SetShowText(bool show);
    bool BorderSingle() const { return border_; }
    void SetBorderSingle(bool border);

protected:
    void Paint() override;

private:
    TGaugeKind kind_ = gkHorizontalBar;
    int minValue_ = 0;
    int maxValue_ = 100;
    int progress_ = 0;
    TColor foreColor_ = clBlack;
    TColor backColor_ = clWhite;
    bool showText_ = true;
    bool border_ = true;
};

// Its position changes by the user's keys and mouse, or in code.
class TTrackBar : public TRangeControl {
public:
    explicit TTrackBar(TComponent* owner);
    std::string ClassName() const override { return "TTrackBar"; }

    int Frequency() const { return frequency_; }
    void SetFrequency(int frequency);
    int PageSize() const { return pageSize_; }
    void SetPageSize(int size);

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void SyncWidget() override;

private:
    int frequency_ = 1;
    int pageSize_ = 2;
};

// Kind is the orientation: sbHorizontal or sbVertical.
class TScrollBar : public TRangeControl {
public:
    explicit TScrollBar(TComponent* owner);
    std::string ClassName() const override { return "TScrollBar"; }

    TScrollBarKind Kind() const { return Orientation() == trHorizontal ? sbHorizontal : sbVertical; }
    void SetKind(TScrollBarKind kind) { SetOrientation(kind == sbHorizontal ? trHorizontal : trVertical); }
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int change);
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int change);
    int PageSize() const { return pageSize_; }
    void SetPageSize(int size);

    TScrollMessageEvent OnScroll;

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void SyncWidget() override;

private:
    void UserAction(int action);
    int smallChange_ = 1;
    int largeChange_ = 1;
    int pageSize_ = 0;
};

}  // namespace tarvelon
