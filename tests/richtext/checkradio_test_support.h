#pragma once
// Helpers of the rich-text control tests: clicks with real Qt mouse events, pictures of a
// control's window and counts of the pixels of a colour in a part of it.
#include <QImage>
#include <functional>

#include "platform/forms/win_control.h"
#include "tests/platform/forms_test_support.h"

namespace tarvelon::test {

// Shows the form and waits until its window is the active one, so focus changes reach the
// controls as focus events of their own.
inline void ShowActive(TWinControl* form)
{
    form->Show();
    form->Widget()->activateWindow();
    PumpUntil([form] { return form->Widget()->isActiveWindow(); });
    Pump();
}

// Press and release of the left button at a client point of a window.
inline void Click(TWinControl* control, QPoint at)
{
    SendMouse(control->Widget(), QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    SendMouse(control->Widget(), QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

// The window's picture after every pending paint.
inline QImage Picture(TWinControl* control)
{
    Pump();
    control->Update();
    return control->BackingImage().copy();
}

inline unsigned Rgb(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFFu;
}

// 0xRRGGBB of a colour value (red + green*256 + blue*65536).
inline unsigned RgbOf(TColor color)
{
    const unsigned c = static_cast<unsigned>(ColorToRGB(color));
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

// How many pixels of `rect` pass the test.
inline int CountPixels(const QImage& image, const QRect& rect, const std::function<bool(unsigned)>& test)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (x >= 0 && y >= 0 && x < image.width() && y < image.height() && test(Rgb(image, x, y)))
                ++count;
    return count;
}

inline bool IsDark(unsigned rgb)
{
    return ((rgb >> 16) & 0xFF) < 80 && ((rgb >> 8) & 0xFF) < 80 && (rgb & 0xFF) < 80;
}

// The bounding box of the pixels that pass the test (empty when none).
inline QRect BoundsOf(const QImage& image, const QRect& rect, const std::function<bool(unsigned)>& test)
{
    QRect box;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (x >= 0 && y >= 0 && x < image.width() && y < image.height() && test(Rgb(image, x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

}  // namespace tarvelon::test
