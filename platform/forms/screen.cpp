#include "platform/forms/screen.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

#include "platform/forms/form.h"

namespace tarvelon {
namespace {

Qt::CursorShape StandardShape(TCursor id)
{
    switch (id) {
    case crNone: return Qt::BlankCursor;
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSizeNESW: return Qt::SizeBDiagCursor;
    case crSizeNS: return Qt::SizeVerCursor;
    case crSizeNWSE: return Qt::SizeFDiagCursor;
    case crSizeWE: return Qt::SizeHorCursor;
    case crUpArrow: return Qt::UpArrowCursor;
    case crHourGlass:
    case crSQLWait: return Qt::WaitCursor;
    case crDrag:
    case crMultiDrag: return Qt::DragCopyCursor;
    case crNoDrop:
    case crNo: return Qt::ForbiddenCursor;
    case crHSplit: return Qt::SplitHCursor;
    case crVSplit: return Qt::SplitVCursor;
    case crAppStart: return Qt::BusyCursor;
    case crHelp: return Qt::WhatsThisCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    case crSizeAll: return Qt::SizeAllCursor;
    default: return Qt::ArrowCursor;
    }
}

QScreen* PrimaryScreen()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen() : nullptr;
}

}  // namespace

TScreen* Screen = new TScreen(nullptr);

TScreen::TScreen(TComponent* owner) : TComponent(owner)
{
}

int TScreen::Width() const
{
    QScreen* screen = PrimaryScreen();
    return screen ? screen->geometry().width() : 800;
}

int TScreen::Height() const
{
    QScreen* screen = PrimaryScreen();
    return screen ? screen->geometry().height() : 600;
}

TRect TScreen::WorkAreaRect() const
{
    QScreen* screen = PrimaryScreen();
    return screen ? FromQRect(screen->availableGeometry()) : Rect(0, 0, 800, 600);
}

TRect TScreen::MonitorWorkAreaRect(const TRect& rect) const
{
    if (!PrimaryScreen())
        return WorkAreaRect();
    const QRect area = ToQRect(rect);
    QScreen* best = QGuiApplication::screenAt(area.center());
    if (!best) {
        // Nearest screen: the one whose geometry is closest to the rectangle's centre.
        long long bestDistance = -1;
        for (QScreen* screen : QGuiApplication::screens()) {
            const QRect g = screen->geometry();
            const int dx = std::max({g.left() - area.center().x(), 0, area.center().x() - g.right()});
            const int dy = std::max({g.top() - area.center().y(), 0, area.center().y() - g.bottom()});
            const long long distance = static_cast<long long>(dx) * dx + static_cast<long long>(dy) * dy;
            if (bestDistance < 0 || distance < bestDistance) {
                bestDistance = distance;
                best = screen;
            }
        }
    }
    return best ? FromQRect(best->availableGeometry()) : WorkAreaRect();
}

QCursor TScreen::CursorShape(TCursor id) const
{
    auto found = cursors_.find(id);
    if (found != cursors_.end())
        return found->second;
    return QCursor(StandardShape(id));
}

void TScreen::SetCursors(TCursor id, const QCursor& shape)
{
    cursors_[id] = shape;
}

bool TScreen::HasCursor(TCursor id) const
{
    return id <= 0 || cursors_.count(id) != 0;
}

void TScreen::SetCursor(TCursor cursor)
{
    if (cursor_ == cursor)
        return;
    const bool hadOverride = cursor_ != crDefault;
    cursor_ = cursor;
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    if (hadOverride)
        QApplication::restoreOverrideCursor();
    if (cursor_ != crDefault)
        QApplication::setOverrideCursor(CursorShape(cursor_));
}

void TScreen::AddForm(TForm* form)
{
    forms_.push_back(form);
}

void TScreen::RemoveForm(TForm* form)
{
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
    if (activeForm_ == form)
        activeForm_ = nullptr;
}

}  // namespace tarvelon
