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

class TProgressBar : public TQtWinControl {
public:
    explicit TProgressBar(TComponent* owner);
    std::string ClassName() const override { return "TProgressBar"; }

    int Min() const { return min_; }
    void SetMin(int value);
    int Max() const { return max_; }
    void SetMax(int value);
    int Position() const { return position_; }
    void SetPosition(int position);
    int Step() const { return step_; }
    void SetStep(int step) { step_ = step; }
    void StepIt() { SetPosition(position_ + step_); }
    void StepBy(int delta) { SetPosition(position_ + delta); }
    TTrackBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TTrackBarOrientation orientation);

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void SyncWidget() override;
    bool UsesColorAsBase() const override { return false; }

private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int step_ = 10;
    TTrackBarOrientation orientation_ = trHorizontal;
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

class TTrackBar : public TQtWinControl {
public:
    explicit TTrackBar(TComponent* owner);
    std::string ClassName() const override { return "TTrackBar"; }

    int Min() const { return min_; }
    void SetMin(int value);
    int Max() const { return max_; }
    void SetMax(int value);
    int Position() const { return position_; }
    // Kept in range; fires OnChange when it changes (by the user or in code).
    void SetPosition(int position);
    int Frequency() const { return frequency_; }
    void SetFrequency(int frequency);
    int PageSize() const { return pageSize_; }
    void SetPageSize(int size);
    TTrackBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TTrackBarOrientation orientation);

    TNotifyEvent OnChange;

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void SyncWidget() override;
    bool UsesColorAsBase() const override { return false; }

private:
    int min_ = 0;
    int max_ = 10;
    int position_ = 0;
    int frequency_ = 1;
    int pageSize_ = 2;
    TTrackBarOrientation orientation_ = trHorizontal;
};

class TScrollBar : public TQtWinControl {
public:
    explicit TScrollBar(TComponent* owner);
    std::string ClassName() const override { return "TScrollBar"; }

    TScrollBarKind Kind() const { return kind_; }
    void SetKind(TScrollBarKind kind);
    int Min() const { return min_; }
    void SetMin(int value);
    int Max() const { return max_; }
    void SetMax(int value);
    int Position() const { return position_; }
    void SetPosition(int position);
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int change);
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int change);
    int PageSize() const { return pageSize_; }
    void SetPageSize(int size);

    TNotifyEvent OnChange;
    TScrollMessageEvent OnScroll;

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void SyncWidget() override;
    bool UsesColorAsBase() const override { return false; }

private:
    void UserAction(int action);
    TScrollBarKind kind_ = sbHorizontal;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int smallChange_ = 1;
    int largeChange_ = 1;
    int pageSize_ = 0;
};

}  // namespace tarvelon
