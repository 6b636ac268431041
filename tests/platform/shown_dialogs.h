#pragma once
// The real message boxes and colour dialogs of the platform, met as the player meets them: once one
// shows (from inside the modal loop that opened it), what it says and where it stands are noted, and
// one of its buttons is clicked with the mouse.
#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QTest>
#include <QWindow>

#include <functional>
#include <memory>
#include <string>

#include "platform/forms/text_utils.h"
#include "tests/platform/modal_driver.h"

namespace tarvelon::test {

// What a shown dialog was like.
struct TShownDialog {
    std::string text;           // a message box's text (empty for a colour dialog)
    bool onTop = false;         // it stays on top of the other windows
    QWindow* opener = nullptr;  // the window it belongs to (its transient parent)
    bool clicked = false;       // the button asked for was there and was clicked
};

// Once a dialog of Qt's own is the active modal window, notes it into `shown` and clicks the
// button captioned `caption` with the left mouse button (at the button's middle).
inline void ClickDialogButtonWhenShown(const QString& caption, std::shared_ptr<TShownDialog> shown)
{
    AnswerFound<QWidget>(
        []() -> QWidget* {
            QWidget* modal = QApplication::activeModalWidget();
            const bool ours = qobject_cast<QMessageBox*>(modal) || qobject_cast<QColorDialog*>(modal);
            return ours && modal->isVisible() ? modal : nullptr;
        },
        [caption, shown](QWidget& modal) {
            auto* box = qobject_cast<QMessageBox*>(&modal);
            shown->text = box ? FromQString(box->text()) : std::string();
            shown->onTop = modal.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            shown->opener = modal.windowHandle() ? modal.windowHandle()->transientParent() : nullptr;
            for (QAbstractButton* button : modal.findChildren<QAbstractButton*>()) {
                if (button->isVisible() && button->text().remove(QLatin1Char('&')) == caption) {
                    shown->clicked = true;
                    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
                    return;
                }
            }
            // No such button: the dialog is closed as the desktop would, so that the test goes on.
            modal.close();
        },
        "message box or colour dialog");
}

}  // namespace tarvelon::test
