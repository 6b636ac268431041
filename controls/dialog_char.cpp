#include "controls/dialog_char.h"

#include <QApplication>
#include <QKeyEvent>
#include <QObject>
#include <QString>
#include <QWidget>

#include "platform/forms/form.h"
#include "platform/stdctrls/buttons.h"

namespace tarvelon {

namespace {

// The forms' windows that receive an Alt+letter: the form offers it to its drawn buttons.
class TAcceleratorFilter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

TWinControl* ControlOfWidget(QObject* object)
{
    for (auto* widget = qobject_cast<QWidget*>(object); widget; widget = widget->parentWidget()) {
        if (TWinControl* control = TWinControl::FromWidget(widget))
            return control;
    }
    return nullptr;
}

TWinControl* FormOf(TWinControl* control)
{
    if (TForm* form = control->ParentForm())
        return form;
    return dynamic_cast<TForm*>(control);
}

char32_t TypedCharacter(const QKeyEvent* key)
{
    if (!key->text().isEmpty())
        return key->text().toUcs4().value(0);
    if (key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z)
        return char32_t('a' + (key->key() - Qt::Key_A));
    if (key->key() >= Qt::Key_0 && key->key() <= Qt::Key_9)
        return char32_t('0' + (key->key() - Qt::Key_0));
    return 0;
}

bool TAcceleratorFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (!(key->modifiers() & Qt::AltModifier) || (key->modifiers() & Qt::ControlModifier))
        return false;
    const char32_t character = TypedCharacter(key);
    TWinControl* control = character ? ControlOfWidget(watched) : nullptr;
    TWinControl* form = control ? FormOf(control) : nullptr;
    return form && OfferDialogChar(form, character, true);
}

char32_t UpperAscii(char32_t c)
{
    return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c;
}

// The character after the first single "&" ("&&" is a plain ampersand), or 0.
char32_t AcceleratorOf(const std::string& caption)
{
    const QString text = QString::fromStdString(caption);
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&')
            continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return text.mid(i + 1).toUcs4().value(0);
    }
    return 0;
}

}  // namespace

void InstallAcceleratorFilter()
{
    static TAcceleratorFilter* filter = nullptr;
    if (filter || !qApp)
        return;
    filter = new TAcceleratorFilter;
    filter->setParent(qApp);
    qApp->installEventFilter(filter);
}

bool OfferDialogChar(TWinControl* parent, char32_t character, bool altHeld)
{
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* window = dynamic_cast<TWinControl*>(parent->Controls(i));
        if (!window)
            continue;
        if (auto* target = dynamic_cast<TDialogCharControl*>(window); target && target->DialogChar(character, altHeld))
            return true;
        if (OfferDialogChar(window, character, altHeld))
            return true;
    }
    return false;
}

bool IsAccelerator(char32_t character, const std::string& caption)
{
    const char32_t accelerator = AcceleratorOf(caption);
    return accelerator != 0 && UpperAscii(accelerator) == UpperAscii(character);
}

bool AnotherButtonHasFocus(const TWinControl* control)
{
    const TForm* form = control->ParentForm();
    const TWinControl* active = form ? form->ActiveControl() : nullptr;
    if (!active || active == control)
        return false;
    return dynamic_cast<const TDialogCharControl*>(active) || dynamic_cast<const TButton*>(active);
}

}  // namespace tarvelon
