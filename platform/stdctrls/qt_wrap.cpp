#include "platform/stdctrls/qt_wrap.h"

#include <QMouseEvent>
#include <QPalette>

#include "platform/forms/window_events.h"

namespace tarvelon {
namespace {

// Re-sends an inner widget's mouse event, in the control's coordinates, through the layer's window
// input; the inner widget keeps the event unless a drag took it.
class InnerInputFilter : public QObject {
public:
    explicit InnerInputFilter(QObject* parent) : QObject(parent) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            QWidget* outer = OuterWindow(static_cast<QWidget*>(watched));
            if (!outer)
                return false;
            const QPointF local = outer->mapFromGlobal(mouse->globalPosition());
            QMouseEvent copy(mouse->type(), local, mouse->globalPosition(), mouse->button(), mouse->buttons(),
                             mouse->modifiers());
            return TWindowEvents::Filter()->eventFilter(outer, &copy);
        }
        default:
            return false;
        }
    }

private:
    // The nearest widget above that belongs to a control.
    static QWidget* OuterWindow(QWidget* inner)
    {
        for (QWidget* widget = inner->parentWidget(); widget; widget = widget->parentWidget()) {
            if (TWinControl::FromWidget(widget))
                return widget;
        }
        return nullptr;
    }
};

}  // namespace

TQtWinControl::TQtWinControl(TComponent* owner) : TWinControl(owner)
{
}

void TQtWinControl::CreateWnd()
{
    TWinControl::CreateWnd();
    SyncWidget();
}

void TQtWinControl::SyncWidget()
{
    ApplyFont();
    ApplyColors();
}

void TQtWinControl::FontChanged()
{
    TWinControl::FontChanged();
    ApplyFont();
}

void TQtWinControl::ColorChanged()
{
    TWinControl::ColorChanged();
    ApplyColors();
}

void TQtWinControl::ApplyFont()
{
    if (QWidget* widget = ExistingWidget()) {
        widget->setFont(Font().ToQFont());
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Text, ToQColor(Font().Color()));
        palette.setColor(QPalette::WindowText, ToQColor(Font().Color()));
        palette.setColor(QPalette::ButtonText, ToQColor(Font().Color()));
        widget->setPalette(palette);
    }
}

void TQtWinControl::ApplyColors()
{
    QWidget* widget = ExistingWidget();
    if (!widget)
        return;
    QPalette palette = widget->palette();
    palette.setColor(UsesColorAsBase() ? QPalette::Base : QPalette::Window, ToQColor(Color()));
    // The chosen row keeps the system's highlight also while another window is active.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, ToQColor(clHighlight));
        palette.setColor(group, QPalette::HighlightedText, ToQColor(clHighlightText));
    }
    widget->setPalette(palette);
}

void TQtWinControl::ForwardInput(QWidget* inner)
{
    static const char* const kForwarded = "tarvelonInputForwarded";
    if (inner->property(kForwarded).toBool())
        return;
    inner->setProperty(kForwarded, true);
    inner->setMouseTracking(true);
    inner->installEventFilter(new InnerInputFilter(inner));
}

}  // namespace tarvelon
