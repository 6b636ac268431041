#pragma once
// TDcSmoothMessageDialog: a message box of its own drawing. A rounded, translucent panel with a
// caption band, a mini-HTML text, an optional progress bar and a row (or column) of buttons is
// painted off screen and shown as a layered window with per-pixel alpha that never takes the focus.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/gdip_fill.h"
#include "controls/html_draw_gdip.h"
#include "platform/forms/form.h"

namespace tarvelon {

class TGDIPPictureContainer;
class TDcSmoothMessageDialog;

enum TDcSmoothMessageDialogLocation {
    hlTopLeft, hlTopCenter, hlTopRight, hlCenterLeft, hlCenterCenter, hlCenterRight, hlBottomLeft, hlBottomCenter,
    hlBottomRight, hlCustom
};
enum TDcSmoothMessageDialogButtonLayout { blHorizontal, blVertical };

using TDcSmoothMessageDialogAnchorClick = std::function<void(TObject* sender, const std::string& anchor)>;
using TDcSmoothMessageDialogCanCloseEvent = std::function<void(TObject* sender, bool& canClose, TModalResult result)>;

class TDcSmoothMessageDialogHTMLText {
public:
    explicit TDcSmoothMessageDialogHTMLText(TDcSmoothMessageDialog* owner);
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    TFont& Font() { return *font_; }
    TDcSmoothMessageDialogLocation Location = hlCenterLeft;
    int Left = 0;
    int Top = 0;
    TColor URLColor = clBlue;
    TColor ShadowColor = clGray;
    int ShadowOffset = 5;
    void Assign(const TDcSmoothMessageDialogHTMLText& source);

private:
    TDcSmoothMessageDialog* owner_;
    std::string text_;
    std::unique_ptr<TFont> font_;
};

class TDcSmoothMessageDialogButton {
public:
    explicit TDcSmoothMessageDialogButton(TDcSmoothMessageDialog* dialog);
    std::string Caption;
    TModalResult ButtonResult = 1;
    TColor Color = 0x808080;
    TColor ColorDown = 0x808080;
    TColor HoverColor = 0xC0C0C0;
    TColor ColorDisabled = 0x797979;
    TColor BorderColor = 0;
    int BorderWidth = 1;
    int BorderOpacity = 255;
    int Opacity = 255;
    TDcGDIPPicture& Picture() { return *picture_; }
    TGDIPButtonLayout PictureLocation = blPictureLeft;
    int Spacing = 0;
    bool Enabled = true;
    // Run-time: where the layout put it, and its mouse state.
    TGPRectF Rect;
    bool Pressed = false;
    bool Hovered = false;
    void Assign(const TDcSmoothMessageDialogButton& source);
    bool Contains(int x, int y) const
    {
        return Rect.X <= x && x <= Rect.X + Rect.Width && Rect.Y <= y && y <= Rect.Y + Rect.Height;
    }

private:
    TDcSmoothMessageDialog* dialog_;
    std::unique_ptr<TDcGDIPPicture> picture_;
};

// The window of one showing: layered, never activated, dragged by its caption band.
class TDcSmoothMessageDialogForm : public TForm {
public:
    TDcSmoothMessageDialogForm(TComponent* owner, TDcSmoothMessageDialog* dialog);
    std::string ClassName() const override { return "TDcSmoothMessageDialogForm"; }
    // The off-screen picture last pushed to the window.
    const QImage& Picture() const { return picture_; }
    void RefreshLayered();
    // The caption band and the margin above it drag the window.
    THitTest HitTest(int x, int y) const override;

protected:
    // A window made (or made again) has no picture yet: it is measured and painted at once.
    void CreateWnd() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void KeyUp(unsigned short& key, TShiftState shift) override;
    bool DialogKey(unsigned short key, TShiftState shift) override;

private:
    TDcSmoothMessageDialog* dialog_;
    QImage picture_;
    TDcSmoothMessageDialogButton* down_ = nullptr;
    bool keyDownSeen_ = false;
};

class TDcSmoothMessageDialog : public TComponent {
public:
    explicit TDcSmoothMessageDialog(TComponent* owner);
    ~TDcSmoothMessageDialog() override;
    std::string ClassName() const override { return "TDcSmoothMessageDialog"; }

    // Plain settings (a change during a showing is drawn by calling Changed).
    std::string Caption;
    TDcSmoothMessageDialogLocation CaptionLocation = hlCenterCenter;
    int CaptionHeight = 30;
    int CaptionLeft = 0, CaptionTop = 0;
    int Margin = 0;
    TDcSmoothMessageDialogButtonLayout ButtonLayout = blHorizontal;
    int ButtonSpacing = 5;
    int DefaultButton = 0;
    bool EnableKeyEvents = true;
    bool Modal = true;
    bool AutoClose = true;
    TPosition Position = poDesigned;
    int DialogLeft = 0, DialogTop = 0;
    bool TabStop = false;
    TImageList* Images = nullptr;
    TGDIPPictureContainer* PictureContainer = nullptr;
    bool ProgressVisible = false;
    double ProgressMinimum = 0, ProgressMaximum = 100;
    TDcSmoothMessageDialogLocation ProgressPosition = hlCenterCenter;
    int ProgressLeft = 0, ProgressTop = 0;
    int ProgressWidth = 130, ProgressHeight = 15;
    std::string Version() const { return "1.0.2.3"; }

    TFont& CaptionFont() { return *captionFont_; }
    TGDIPFill& CaptionFill() { return *captionFill_; }
    TGDIPFill& Fill() { return *fill_; }
    TGDIPFill& ButtonAreaFill() { return *buttonAreaFill_; }
    TFont& ButtonFont() { return *buttonFont_; }
    TGDIPProgress& ProgressAppearance() { return *progress_; }
    TDcSmoothMessageDialogHTMLText& HTMLText() { return *htmlText_; }
    int ButtonCount() const { return int(buttons_.size()); }
    TDcSmoothMessageDialogButton& Buttons(int index) { return *buttons_.at(std::size_t(index)); }
    TDcSmoothMessageDialogButton& AddButton(const std::string& caption, TModalResult result);
    double ProgressValue() const { return progressValue_; }
    void SetProgressValue(double value);

    // True for a result of mrOk or mrYes (and at once for a modeless dialog).
    bool Execute();
    TModalResult ExecuteDialog();
    // Measures, sizes, lays out and repaints the shown dialog; nothing without one.
    virtual void Changed();
    TDcSmoothMessageDialogForm* DialogForm() const { return form_; }

    // Copies the settings (not the buttons, their area, DefaultButton, position, lists or events).
    void Assign(const TDcSmoothMessageDialog& source);

    // Layout and painting of a form of the given client size (used by the form).
    void CalculateSize(int& width, int& height);
    void LayoutButtons();
    void DrawDialog(QImage& target);
    std::string AnchorAt(int x, int y);
    void CloseDialog(TModalResult result);
    void MoveDefault(int step);

    TNotifyEvent OnChange;
    TDcSmoothMessageDialogAnchorClick OnAnchorClick;
    TDcSmoothMessageDialogCanCloseEvent OnCanClose;
    TNotifyEvent OnClose;

private:
    friend class TDcSmoothMessageDialogForm;
    struct TBands {
        TGPRectF inner, caption, captionText, text, progress, buttons;
    };
    TBands Bands() const;
    THTMLDrawGDIPParams TextParams() const;
    // The text measured in its band and placed there by its location.
    TRect PlacedTextRect(TGPGraphics& graphics, const TGPRectF& band) const;
    void BuildDialog();
    void Notification(TComponent* component, TOperation operation) override;

    std::unique_ptr<TFont> captionFont_;
    std::unique_ptr<TGDIPFill> captionFill_;
    std::unique_ptr<TGDIPFill> fill_;
    std::unique_ptr<TGDIPFill> buttonAreaFill_;
    std::unique_ptr<TFont> buttonFont_;
    std::unique_ptr<TGDIPProgress> progress_;
    std::unique_ptr<TDcSmoothMessageDialogHTMLText> htmlText_;
    std::vector<std::unique_ptr<TDcSmoothMessageDialogButton>> buttons_;
    double progressValue_ = 0;
    TDcSmoothMessageDialogForm* form_ = nullptr;
    double cellWidth_ = 0, cellHeight_ = 0;
    double captionW_ = 0, captionH_ = 0, textW_ = 0, textH_ = 0, progressW_ = 0, progressH_ = 0;
};

}  // namespace tarvelon
