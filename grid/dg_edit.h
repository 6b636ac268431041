#pragma once
// The in-place editors' text family: TDgCustomEdit over the platform's single-line edit (a
// QLineEdit), with free margins, a glyph and preview strip at its left, typed value access
// (GetAsFloat, SetAsInteger, ...) and a display it may paint itself when the text is not editable;
// TDgEdit, the editor of text, tree, popup and strings columns.
#include <functional>
#include <memory>

#include "core/basics/datetime.h"
#include "platform/forms/custom_control.h"
#include "platform/forms/form.h"
#include "platform/graphics/bitmap.h"
#include "platform/stdctrls/edits.h"

namespace tarvelon {

class TDgCustomEdit;

// Pixels kept free inside the edit at each side of the text.
class TDgEditMargins {
public:
    explicit TDgEditMargins(TDgCustomEdit* owner) : owner_(owner) {}
    TDgCustomEdit* Owner() const { return owner_; }
    int Left() const { return left_; }
    void SetLeft(int value);
    int Right() const { return right_; }
    void SetRight(int value);

private:
    TDgCustomEdit* owner_;
    int left_ = 0;
    int right_ = 0;
};

// The strip at the editor's left edge that shows its glyph and the preview box.
class TDgEditInfo : public TCustomControl {
public:
    explicit TDgEditInfo(TDgCustomEdit* editor);
    std::string ClassName() const override { return "TDgEditInfo"; }
    TDgCustomEdit* Editor() const { return editor_; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    TCursor CursorAt(int x, int y) const override;

private:
    TDgCustomEdit* editor_;
};

using TDgPreviewDrawEvent = std::function<void(TObject* sender, const TRect& rect)>;

class TDgCustomEdit : public TEdit {
public:
    explicit TDgCustomEdit(TComponent* owner);
    ~TDgCustomEdit() override;
    std::string ClassName() const override { return "TDgCustomEdit"; }

    TDgEditMargins& EditMargins() { return margins_; }
    // The image at the left; its bottom-left pixel is its transparent colour. Call GlyphChanged
    // after changing it.
    TBitmap& Glyph() { return *glyph_; }
    void GlyphChanged();
    bool PreviewBorder() const { return previewBorder_; }
    void SetPreviewBorder(bool value);
    bool ShowPreview() const { return showPreview_; }
    void SetShowPreview(bool value);
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool value) { wantTabs_ = value; }
    TFormBorderStyle BorderStyle() const { return BorderSingle() ? bsSingle : bsNone; }
    void SetBorderStyle(TFormBorderStyle style);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value);
    // 0 left to right; anything else right to left.
    int BiDiMode() const { return biDiMode_; }
    void SetBiDiMode(int value) { biDiMode_ = value; }
    // True while a drop-down of the editor is open.
    bool Dropped() const { return dropped_; }
    // True while the text must not be replaced by a value format.
    bool Formatting() const { return formatting_; }
    void SetFormatting(bool value) { formatting_ = value; }

    unsigned DialogCode() const override;

    // Typed access to the value (the grid reads and writes cells through these).
    virtual bool GetAsBoolean();
    virtual TDateTime GetAsDateTime();
    virtual double GetAsFloat();
    virtual int GetAsInteger();
    virtual std::string GetAsString();
    virtual void SetAsBoolean(bool value);
    virtual void SetAsDateTime(TDateTime value);
    virtual void SetAsFloat(double value);
    virtual void SetAsInteger(int value);
    virtual void SetAsString(const std::string& value);
    // False when the editor shows its text itself (a drop-down list).
    virtual bool CanEdit() const { return true; }
    virtual TRect GetPreviewRect() const;
    virtual void GlyphMouseDown(int x, int y);
    // Paints the text when CanEdit is False.
    virtual void PaintDisplay(TCanvas& canvas) {}
    virtual void PaintPreview(TCanvas& canvas, const TRect& rect);
    virtual void GetTextMargins(int& left, int& right);
    // Writes the value's format back into the text (number editors).
    virtual void RefreshText() {}
    virtual void CaretToEnd() {}
    // After a left press on the edit has placed the caret (x in client pixels).
    virtual void EditPressed(int x) {}

    // The canvas the preview is painted on, while OnCustomPreviewDraw runs.
    TCanvas* PreviewCanvas() const { return previewCanvas_; }
    TDgEditInfo& Info() { return *info_; }
    // The client area without the edit's own frame (the strip, the buttons and the display stand
    // inside it).
    TRect DisplayClientRect() const;
    // Width of the glyph and preview strip (0 when neither shows).
    int InfoWidth() const;
    // The text margins given to the edit control, as GetTextMargins made them.
    int TextMarginLeft() const { return textLeft_; }
    int TextMarginRight() const { return textRight_; }
    // Types a character into the editor as a real key press (it passes the key filters).
    void SendChar(char32_t character);
    // Replaces the selection with the clipboard's text (Ctrl+V and the context menu).
    virtual void PasteFromClipboard();
    // Applies margins and places the children again.
    void UpdateLayout();
    // The editor's display painted with its own rules, into an image of its size.
    QImage RenderDisplay();

    TDgPreviewDrawEvent OnCustomPreviewDraw;
    TNotifyEvent OnGlyphClick;

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void SyncWidget() override;
    void Resize() override;
    void FontChanged() override;
    void EnabledChanged() override;
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void Change() override;
    // After every change of the text (the drop-down editors follow it).
    virtual void EditTextChanged() {}
    // Places the children over the edit (the strip; the button editors their button).
    virtual void PlaceChildren();
    // The character a Ctrl+letter key stands for (#3 for Ctrl+C, #22 for Ctrl+V...).
    char32_t ControlCharOf(char32_t key) const;
    bool ctrlHeld_ = false;
    bool dropped_ = false;
    bool formatting_ = false;

private:
    friend class TDgEditInfo;
    void ApplyTextMargins();
    // The single border of a display the editor paints itself.
    void PaintFrame(TCanvas& canvas);
    TDgEditMargins margins_;
    std::unique_ptr<TBitmap> glyph_;
    bool previewBorder_ = true;
    bool showPreview_ = false;
    bool wantTabs_ = false;
    int borderWidth_ = 0;
    int biDiMode_ = 0;
    int textLeft_ = 0;
    int textRight_ = 0;
    TDgEditInfo* info_ = nullptr;
    TCanvas* previewCanvas_ = nullptr;
};

class TDgEdit : public TDgCustomEdit {
public:
    explicit TDgEdit(TComponent* owner) : TDgCustomEdit(owner) {}
    std::string ClassName() const override { return "TDgEdit"; }
    void CaretToEnd() override;
    // A press at the left edge selects the whole text.
    void EditPressed(int x) override;

protected:
    TCursor CursorAt(int x, int y) const override;

private:
    // Whether a point at x lies over the glyph and preview strip (or just right of it).
    bool OverInfo(int x) const;
};

}  // namespace tarvelon
