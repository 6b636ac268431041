#include "platform/graphics/system_metrics.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/graphics/font.h"

namespace tarvelon {

namespace {

QSize PrimaryScreenSize(bool available)
{
    const QScreen* screen = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                ? QGuiApplication::primaryScreen()
                                : nullptr;
    if (!screen)
        return QSize(1024, 768);
    return available ? screen->availableGeometry().size() : screen->geometry().size();
}

}  // namespace

int GetSystemMetrics(int index)
{
    switch (index) {
    case SM_CXSCREEN:
    case SM_CXVIRTUALSCREEN: return PrimaryScreenSize(false).width();
    case SM_CYSCREEN:
    case SM_CYVIRTUALSCREEN: return PrimaryScreenSize(false).height();
    case SM_CXFULLSCREEN: return PrimaryScreenSize(true).width();
    case SM_CYFULLSCREEN: return PrimaryScreenSize(true).height() - GetSystemMetrics(SM_CYCAPTION);
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB: return 17;
    case SM_CYCAPTION: return 23;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME: return 3;
    case SM_CXEDGE:
    case SM_CYEDGE: return 2;
    case SM_CXFRAME:
    case SM_CYFRAME: return 4;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR: return 32;
    case SM_CXSMICON:
    case SM_CYSMICON: return 16;
    case SM_CYMENU: return 20;
    case SM_CXMIN: return 136;
    case SM_CYMIN: return 39;
    case SM_CXSIZE:
    case SM_CYSIZE: return 22;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
    case SM_CXDRAG:
    case SM_CYDRAG: return 4;
    case SM_CMONITORS: return 1;
    default: return 0;
    }
}

int ScreenPixelsPerInch() { return kScreenDpi; }

}  // namespace tarvelon
