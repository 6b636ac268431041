#include "platform/stdctrls/edits.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <algorithm>

#include "platform/forms/text_utils.h"
#include "platform/graphics/edges.h"

namespace tarvelon {

// ---- TEdit

TEdit::TEdit(TComponent* owner) : TQtWinControl(owner)
{
    SetTabStop(true);
    SetBounds(0, 0, 121, 21);
}

QWidget* TEdit::CreateWidget(QWidget* parentWidget)
{
    auto* edit = new QLineEdit(parentWidget);
    QObject::connect(edit, &QLineEdit::textChanged, edit, [this](const QString& text) { WidgetEdited(text); });
    return edit;
}

QLineEdit* TEdit::LineEdit() const
{
    return qobject_cast<QLineEdit*>(ExistingWidget());
}

void TEdit::SyncWidget()
{
    TQtWinControl::SyncWidget();
    QLineEdit* edit = LineEdit();
    const QSignalBlocker blocker(edit);
    edit->setMaxLength(maxLength_ > 0 ? maxLength_ : 32767);
    edit->setText(ToQString(Text()));
    edit->setReadOnly(readOnly_);
    edit->setEchoMode(passwordChar_ ? QLineEdit::Password : QLineEdit::Normal);
    edit->setAlignment((alignment_ == taCenter ? Qt::AlignHCenter : alignment_ == taRightJustify ? Qt::AlignRight : Qt::AlignLeft) |
                       Qt::AlignVCenter);
    edit->setTextMargins(marginLeft_, 0, marginRight_, 0);
    edit->setFrame(border_);
    edit->setSelection(selStart_, selLength_);
    if (selLength_ == 0)
        edit->setCursorPosition(selStart_);
}

void TEdit::WidgetEdited(const QString& text)
{
    std::string value = FromQString(text);
    if (charCase_ != ecNormal) {
        const QString cased = charCase_ == ecUpperCase ? text.toUpper() : text.toLower();
        if (cased != text) {
            const int cursor = LineEdit()->cursorPosition();
            const QSignalBlocker blocker(LineEdit());
            LineEdit()->setText(cased);
            LineEdit()->setCursorPosition(cursor);
            value = FromQString(cased);
        }
    }
    SetText(value);
}

void TEdit::TextChanged()
{
    if (QLineEdit* edit = LineEdit(); edit && FromQString(edit->text()) != Text()) {
        const QSignalBlocker blocker(edit);
        edit->setText(ToQString(Text()));
    }
    TQtWinControl::TextChanged();
    if (!Loading())
        Change();
}

void TEdit::Change()
{
    if (OnChange)
        OnChange(this);
}

void TEdit::DoEnter()
{
    if (autoSelect_ && LineEdit())
        LineEdit()->selectAll();
    TQtWinControl::DoEnter();
}

void TEdit::SetMaxLength(int maxLength)
{
    maxLength_ = std::max(0, maxLength);
    if (LineEdit())
        LineEdit()->setMaxLength(maxLength_ > 0 ? maxLength_ : 32767);
}

void TEdit::SetReadOnly(bool readOnly)
{
    readOnly_ = readOnly;
    if (LineEdit())
        LineEdit()->setReadOnly(readOnly);
}

void TEdit::SetPasswordChar(char32_t passwordChar)
{
    passwordChar_ = passwordChar;
    if (LineEdit())
        LineEdit()->setEchoMode(passwordChar ? QLineEdit::Password : QLineEdit::Normal);
}

void TEdit::SetAlignment(TAlignment alignment)
{
    alignment_ = alignment;
    if (LineEdit())
        SyncWidget();
}

void TEdit::SetCharCase(TEditCharCase charCase)
{
    charCase_ = charCase;
    if (charCase != ecNormal) {
        const QString text = ToQString(Text());
        SetText(FromQString(charCase == ecUpperCase ? text.toUpper() : text.toLower()));
    }
}

void TEdit::SetMargins(int left, int right)
{
    marginLeft_ = left;
    marginRight_ = right;
    if (LineEdit())
        LineEdit()->setTextMargins(left, 0, right, 0);
}

void TEdit::SetBorderSingle(bool border)
{
    border_ = border;
    if (LineEdit())
        LineEdit()->setFrame(border);
}

int TEdit::SelStart() const
{
    if (QLineEdit* edit = LineEdit())
        return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    return selStart_;
}

void TEdit::SetSelStart(int start)
{
    selStart_ = std::clamp(start, 0, static_cast<int>(ToQString(Text()).size()));
    selLength_ = 0;
    if (QLineEdit* edit = LineEdit()) {
        edit->deselect();
        edit->setCursorPosition(selStart_);
    }
}

int TEdit::SelLength() const
{
    if (QLineEdit* edit = LineEdit())
        return static_cast<int>(edit->selectedText().size());
    return selLength_;
}

void TEdit::SetSelLength(int length)
{
    const int start = SelStart();
    selStart_ = start;
    selLength_ = std::clamp(length, 0, std::max(0, static_cast<int>(ToQString(Text()).size()) - start));
    if (QLineEdit* edit = LineEdit())
        edit->setSelection(start, selLength_);
}

std::string TEdit::SelText() const
{
    if (QLineEdit* edit = LineEdit())
        return FromQString(edit->selectedText());
    return FromQString(ToQString(Text()).mid(selStart_, selLength_));
}

void TEdit::SetSelText(const std::string& text)
{
    QString all = ToQString(Text());
    const int start = SelStart();
    all.replace(start, SelLength(), ToQString(text));
    SetText(FromQString(all));
    SetSelStart(start + static_cast<int>(ToQString(text).size()));
}

void TEdit::SelectAll()
{
    SetSelStart(0);
    SetSelLength(static_cast<int>(ToQString(Text()).size()));
}

// ---- TMemo

TMemo::TMemo(TComponent* owner) : TQtWinControl(owner)
{
    SetTabStop(true);
    SetBounds(0, 0, 185, 89);
    lines_.OnChange = [this] { LinesChanged(); };
}

QWidget* TMemo::CreateWidget(QWidget* parentWidget)
{
    auto* editor = new QPlainTextEdit(parentWidget);
    QObject::connect(editor, &QPlainTextEdit::textChanged, editor, [this] { WidgetEdited(); });
    return editor;
}

QPlainTextEdit* TMemo::Editor() const
{
    return qobject_cast<QPlainTextEdit*>(ExistingWidget());
}

void TMemo::SyncWidget()
{
    TQtWinControl::SyncWidget();
    QPlainTextEdit* editor = Editor();
    ForwardInput(editor->viewport());
    const QSignalBlocker blocker(editor);
    QStringList lines;
    for (const std::string& line : lines_.ToVector())
        lines << ToQString(line);
    editor->setPlainText(lines.join('\n'));
    editor->setReadOnly(readOnly_);
    editor->setLineWrapMode(wordWrap_ ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    const bool vertical = scrollBars_ == ssVertical || scrollBars_ == ssBoth;
    const bool horizontal = scrollBars_ == ssHorizontal || scrollBars_ == ssBoth;
    editor->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    editor->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TMemo::LinesChanged()
{
    if (syncing_)
        return;
    syncing_ = true;
    if (Editor())
        SyncWidget();
    TControl::SetText(lines_.Text());
    syncing_ = false;
}

void TMemo::WidgetEdited()
{
    if (syncing_)
        return;
    syncing_ = true;
    lines_.SetText(FromQString(Editor()->toPlainText()));
    TControl::SetText(lines_.Text());
    syncing_ = false;
}

void TMemo::TextChanged()
{
    if (!syncing_) {
        syncing_ = true;
        lines_.SetText(Text());
        if (Editor())
            SyncWidget();
        syncing_ = false;
    }
    TQtWinControl::TextChanged();
    if (!Loading() && OnChange)
        OnChange(this);
}

void TMemo::SetReadOnly(bool readOnly)
{
    readOnly_ = readOnly;
    if (Editor())
        Editor()->setReadOnly(readOnly);
}

void TMemo::SetWordWrap(bool wordWrap)
{
    wordWrap_ = wordWrap;
    if (Editor())
        SyncWidget();
}

void TMemo::SetScrollBars(TScrollStyle scrollBars)
{
    scrollBars_ = scrollBars;
    if (Editor())
        SyncWidget();
}

// ---- TSpinEdit

TSpinEdit::TSpinEdit(TComponent* owner) : TQtWinControl(owner)
{
    SetTabStop(true);
    SetBounds(0, 0, 121, 22);
}

QWidget* TSpinEdit::CreateWidget(QWidget* parentWidget)
{
    auto* spin = new QSpinBox(parentWidget);
    QObject::connect(spin, &QSpinBox::valueChanged, spin, [this](int value) { SetValue(value); });
    return spin;
}

void TSpinEdit::SyncWidget()
{
    TQtWinControl::SyncWidget();
    auto* spin = qobject_cast<QSpinBox*>(ExistingWidget());
    const QSignalBlocker blocker(spin);
    const bool unlimited = minValue_ == 0 && maxValue_ == 0;
    spin->setRange(unlimited ? -2147483647 : minValue_, unlimited ? 2147483647 : maxValue_);
    spin->setSingleStep(increment_);
    spin->setValue(value_);
}

int TSpinEdit::Clamped(int value) const
{
    if (minValue_ == 0 && maxValue_ == 0)
        return value;
    return std::clamp(value, minValue_, std::max(minValue_, maxValue_));
}

void TSpinEdit::SetMinValue(int value)
{
    minValue_ = value;
    if (!Loading())
        SetValue(value_);
    if (ExistingWidget())
        SyncWidget();
}

void TSpinEdit::SetMaxValue(int value)
{
    maxValue_ = value;
    if (!Loading())
        SetValue(value_);
    if (ExistingWidget())
        SyncWidget();
}

void TSpinEdit::SetIncrement(int increment)
{
    increment_ = increment;
    if (ExistingWidget())
        SyncWidget();
}

void TSpinEdit::SetValue(int value)
{
    value = Loading() ? value : Clamped(value);
    if (value == value_)
        return;
    value_ = value;
    TControl::SetText(std::to_string(value));
    if (ExistingWidget())
        SyncWidget();
    if (!Loading() && OnChange)
        OnChange(this);
}

// ---- TUpDown

TUpDown::TUpDown(TComponent* owner) : TCustomControl(owner)
{
    SetBounds(0, 0, 17, 21);
    SetColor(clBtnFace);
}

void TUpDown::SetPosition(int position)
{
    position_ = std::clamp(position, std::min(min_, max_), std::max(min_, max_));
    ShowPosition();
}

void TUpDown::SetOrientation(TUDOrientation orientation)
{
    orientation_ = orientation;
    Invalidate();
}

void TUpDown::SetAssociate(TWinControl* associate)
{
    if (associate_)
        associate_->RemoveFreeNotification(this);
    associate_ = associate;
    if (associate_)
        associate_->FreeNotification(this);
    ShowPosition();
}

void TUpDown::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation == opRemove && component == associate_)
        associate_ = nullptr;
}

void TUpDown::Loaded()
{
    TCustomControl::Loaded();
    ShowPosition();
}

void TUpDown::ShowPosition()
{
    if (associate_ && !Loading())
        associate_->SetText(std::to_string(position_));
}

void TUpDown::Press(TUDBtnType button)
{
    bool allow = true;
    if (OnChanging)
        OnChanging(this, allow);
    if (allow) {
        int position = position_ + (button == btNext ? increment_ : -increment_);
        if (wrap_ && position > max_)
            position = min_;
        else if (wrap_ && position < min_)
            position = max_;
        SetPosition(position);
    }
    if (OnClick)
        OnClick(this, button);
}

void TUpDown::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled())
        return;
    const bool first = orientation_ == udVertical ? y < ClientHeight() / 2 : x >= ClientWidth() / 2;
    pressed_ = first ? btNext : btPrev;
    Invalidate();
    Press(first ? btNext : btPrev);
}

void TUpDown::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    pressed_ = -1;
    Invalidate();
    TCustomControl::MouseUp(button, shift, x, y);
}

void TUpDown::Paint()
{
    TCanvas& canvas = Canvas();
    const bool vertical = orientation_ == udVertical;
    TRect first = vertical ? Rect(0, 0, ClientWidth(), ClientHeight() / 2) : Rect(ClientWidth() / 2, 0, ClientWidth(), ClientHeight());
    TRect second = vertical ? Rect(0, ClientHeight() / 2, ClientWidth(), ClientHeight()) : Rect(0, 0, ClientWidth() / 2, ClientHeight());
    const unsigned inactive = Enabled() ? 0u : unsigned{DFCS_INACTIVE};
    DrawFrameControl(canvas, first, DFC_SCROLL,
                     (vertical ? DFCS_SCROLLUP : DFCS_SCROLLRIGHT) | inactive | (pressed_ == btNext ? unsigned{DFCS_PUSHED} : 0u));
    DrawFrameControl(canvas, second, DFC_SCROLL,
                     (vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLLEFT) | inactive | (pressed_ == btPrev ? unsigned{DFCS_PUSHED} : 0u));
}

}  // namespace tarvelon
