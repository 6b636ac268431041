#pragma once
// The QWidget behind the layer's own windows: it copies the control's backing image to the screen,
// after letting the control paint what is invalid. Input reaches the control through the window
// event filter (window_events.h), which every widget of the layer carries.
#include <QWidget>

namespace tarvelon {

class TWinControl;

class TWindowWidget : public QWidget {
public:
    TWindowWidget(TWinControl* control, QWidget* parent);
    TWinControl* Control() const { return control_; }
    // The control is going away: the widget paints nothing more for it.
    void Detach() { control_ = nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // Tab is the form's (its tab order), not Qt's focus chain.
    bool focusNextPrevChild(bool) override { return false; }

private:
    TWinControl* control_;
};

}  // namespace tarvelon
