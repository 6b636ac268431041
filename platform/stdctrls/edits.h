#pragma once
// Text entry over Qt's: TEdit (a QLineEdit: margins, selection, read-only, maximum length,
// password character), TMemo (lines of text), TSpinEdit (a number with arrows) and TUpDown (a pair
// of arrows that steps a position, optionally shown in an associated edit).
// OnChange fires whenever the text changes, by typing or by code.
#include "platform/forms/custom_control.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/qt_wrap.h"
#include "platform/stdctrls/strings.h"

class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace tarvelon {

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

class TEdit : public TQtWinControl {
public:
    explicit TEdit(TComponent* owner);
    std::string ClassName() const override { return "TEdit"; }

    int MaxLength() const { return maxLength_; }
    // 0: no limit. Limits what the user types.
    void SetMaxLength(int maxLength);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    // 0: the text is shown; else every character shows as this one.
    char32_t PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char32_t passwordChar);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase charCase);
    // Room left and right of the text, in pixels.
    void SetMargins(int left, int right);
    // Selecting all on entering with the keyboard.
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool autoSelect) { autoSelect_ = autoSelect; }
    bool BorderSingle() const { return border_; }
    void SetBorderSingle(bool border);

    // The selection, in characters.
    int SelStart() const;
    void SetSelStart(int start);
    int SelLength() const;
    void SetSelLength(int length);
    std::string SelText() const;
    // Replaces the selection by a text.
    void SetSelText(const std::string& text);
    void SelectAll();
    void Clear() { SetText(""); }

    TNotifyEvent OnChange;

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void SyncWidget() override;
    void TextChanged() override;
    void DoEnter() override;
    virtual void Change();
    QLineEdit* LineEdit() const;

private:
    void WidgetEdited(const QString& text);
    int maxLength_ = 0;
    bool readOnly_ = false;
    char32_t passwordChar_ = 0;
    TAlignment alignment_ = taLeftJustify;
    TEditCharCase charCase_ = ecNormal;
    int marginLeft_ = 0;
    int marginRight_ = 0;
    bool autoSelect_ = true;
    bool border_ = true;
    // The selection kept while there is no widget.
    int selStart_ = 0;
    int selLength_ = 0;
};

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo : public TQtWinControl {
public:
    explicit TMemo(TComponent* owner);
    std::string ClassName() const override { return "TMemo"; }

    TStrings& Lines() { return lines_; }
    // Enter starts a new line.
    unsigned DialogCode() const override { return DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle scrollBars);

    TNotifyEvent OnChange;

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void SyncWidget() override;
    void TextChanged() override;
    QPlainTextEdit* Editor() const;

private:
    void LinesChanged();
    void WidgetEdited();
    TStrings lines_;
    bool readOnly_ = false;
    bool wordWrap_ = true;
    TScrollStyle scrollBars_ = ssNone;
    bool syncing_ = false;
};

class TSpinEdit : public TQtWinControl {
public:
    explicit TSpinEdit(TComponent* owner);
    std::string ClassName() const override { return "TSpinEdit"; }

    int MinValue() const { return minValue_; }
    void SetMinValue(int value);
    int MaxValue() const { return maxValue_; }
    void SetMaxValue(int value);
    int Increment() const { return increment_; }
    void SetIncrement(int increment);
    int Value() const { return value_; }
    // Kept between MinValue and MaxValue (unless both are 0); fires OnChange when it changes.
    void SetValue(int value);

    TNotifyEvent OnChange;

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void SyncWidget() override;

private:
    int Clamped(int value) const;
    int minValue_ = 0;
    int maxValue_ = 0;
    int increment_ = 1;
    int value_ = 0;
};

enum TUDBtnType { btNext, btPrev };
enum TUDOrientation { udVertical, udHorizontal };
using TUDClickEvent = std::function<void(TObject* sender, TUDBtnType button)>;
using TUDChangingEvent = std::function<void(TObject* sender, bool& allowChange)>;

class TUpDown : public TCustomControl {
public:
    explicit TUpDown(TComponent* owner);
    std::string ClassName() const override { return "TUpDown"; }

    int Min() const { return min_; }
    void SetMin(int value) { min_ = value; }
    int Max() const { return max_; }
    void SetMax(int value) { max_ = value; }
    int Increment() const { return increment_; }
    void SetIncrement(int increment) { increment_ = increment; }
    int Position() const { return position_; }
    // Kept between Min and Max; the associated edit shows it.
    void SetPosition(int position);
    // Past Max the position goes back to Min (and the other way round).
    bool Wrap() const { return wrap_; }
    void SetWrap(bool wrap) { wrap_ = wrap; }
    TUDOrientation Orientation() const { return orientation_; }
    void SetOrientation(TUDOrientation orientation);
    // The edit that shows the position (placed against the up-down's left side by the caller's layout).
    TWinControl* Associate() const { return associate_; }
    void SetAssociate(TWinControl* associate);

    // Presses an arrow as the mouse does.
    void Press(TUDBtnType button);
    void Loaded() override;

    TUDClickEvent OnClick;
    TUDChangingEvent OnChanging;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void ShowPosition();
    int min_ = 0;
    int max_ = 100;
    int increment_ = 1;
    int position_ = 0;
    bool wrap_ = false;
    TUDOrientation orientation_ = udVertical;
    TWinControl* associate_ = nullptr;
    int pressed_ = -1;  // -1 none, else the TUDBtnType held down
};

}  // namespace tarvelon
