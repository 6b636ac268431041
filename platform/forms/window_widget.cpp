#include "platform/forms/window_widget.h"

#include "platform/forms/window_events.h"

namespace tarvelon {

TWindowWidget::TWindowWidget(TWinControl* control, QWidget* parent) : QWidget(parent), control_(control)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void TWindowWidget::paintEvent(QPaintEvent* event)
{
    if (control_)
        TWindowEvents::Paint(control_, this, event);
}

}  // namespace tarvelon
