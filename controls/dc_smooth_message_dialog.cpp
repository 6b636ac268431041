// The smooth message dialog: measuring, layout, off-screen painting pushed to a layered window,
// mouse and keys, closing.
#include "controls/dc_smooth_message_dialog.h"

#include <algorithm>
#include <cmath>

#include "controls/gdip_picture_container.h"
#include "platform/forms/application.h"
#include "platform/forms/keys.h"
#include "platform/forms/screen.h"

namespace tarvelon {
namespace {

constexpr float kLayout = 10000;

TGPRectF MeasureCaption(const std::string& text, const TFont& font)
{
    QImage scratch(1, 1, QImage::Format_ARGB32);
    TGPGraphics graphics(scratch);
    graphics.SetTextRenderingHint(TextRenderingHintAntiAlias);
    TGPRectF box;
    graphics.MeasureString(text, *CreateGPFont(font), TGPRectF{0, 0, kLayout, kLayout}, TGPStringFormat(0), &box);
    return box;
}

// Content of w x h placed in r by the location (hlCustom: at the given point).
TGPPointF Place(TDcSmoothMessageDialogLocation location, double w, double h, const TGPRectF& r, int left, int top)
{
    if (location == hlCustom)
        return TGPPointF{float(left), float(top)};
    const double dx[] = {0, (r.Width - w) / 2, r.Width - w};
    const double dy[] = {0, (r.Height - h) / 2, r.Height - h};
    return TGPPointF{float(RoundEven(dx[location % 3] + r.X)), float(RoundEven(dy[location / 3] + r.Y))};
}

}  // namespace

// ---- parts -----------------------------------------------------------------------------------

TDcSmoothMessageDialogHTMLText::TDcSmoothMessageDialogHTMLText(TDcSmoothMessageDialog* owner)
    : owner_(owner), font_(std::make_unique<TFont>())
{
    font_->SetName("Tahoma");
    font_->OnChange = [this] { owner_->Changed(); };
}

void TDcSmoothMessageDialogHTMLText::SetText(const std::string& text)
{
    if (StoreChanged(text_, text))
        owner_->Changed();
}

void TDcSmoothMessageDialogHTMLText::Assign(const TDcSmoothMessageDialogHTMLText& source)
{
    text_ = source.text_;
    font_->Assign(*source.font_);
    Location = source.Location;
    Left = source.Left;
    Top = source.Top;
    URLColor = source.URLColor;
    ShadowColor = source.ShadowColor;
    ShadowOffset = source.ShadowOffset;
    owner_->Changed();
}

TDcSmoothMessageDialogButton::TDcSmoothMessageDialogButton(TDcSmoothMessageDialog* dialog)
    : dialog_(dialog), picture_(std::make_unique<TDcGDIPPicture>())
{
    picture_->OnChange = [this] { dialog_->Changed(); };
}

void TDcSmoothMessageDialogButton::Assign(const TDcSmoothMessageDialogButton& source)
{
    Caption = source.Caption;
    ButtonResult = source.ButtonResult;
    Color = source.Color;
    ColorDown = source.ColorDown;
    HoverColor = source.HoverColor;
    ColorDisabled = source.ColorDisabled;
    BorderColor = source.BorderColor;
    BorderWidth = source.BorderWidth;
    BorderOpacity = source.BorderOpacity;
    Opacity = source.Opacity;
    picture_->Assign(source.picture_.get());
    PictureLocation = source.PictureLocation;
    Spacing = source.Spacing;
    Enabled = source.Enabled;
    dialog_->Changed();
}

// ---- the component ---------------------------------------------------------------------------

TDcSmoothMessageDialog::TDcSmoothMessageDialog(TComponent* owner)
    : TComponent(owner), captionFont_(std::make_unique<TFont>()), captionFill_(std::make_unique<TGDIPFill>()),
      fill_(std::make_unique<TGDIPFill>()), buttonAreaFill_(std::make_unique<TGDIPFill>()),
      buttonFont_(std::make_unique<TFont>()), progress_(std::make_unique<TGDIPProgress>()),
      htmlText_(std::make_unique<TDcSmoothMessageDialogHTMLText>(this))
{
    captionFont_->SetName("Tahoma");
    buttonFont_->SetName("Tahoma");
    captionFont_->OnChange = [this] { Changed(); };
    buttonFont_->OnChange = [this] { Changed(); };
    for (TGDIPFill* fill : {captionFill_.get(), fill_.get(), buttonAreaFill_.get()})
        fill->OnChange = [this](TObject*) { Changed(); };
    progress_->OnChange = [this](TObject*) { Changed(); };
}

TDcSmoothMessageDialog::~TDcSmoothMessageDialog()
{
    if (form_) {
        TForm* form = form_;
        form_ = nullptr;
        Free(form);
    }
}

TDcSmoothMessageDialogButton& TDcSmoothMessageDialog::AddButton(const std::string& caption, TModalResult result)
{
    buttons_.push_back(std::make_unique<TDcSmoothMessageDialogButton>(this));
    buttons_.back()->Caption = caption;
    buttons_.back()->ButtonResult = result;
    Changed();
    return *buttons_.back();
}

void TDcSmoothMessageDialog::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == PictureContainer)
        PictureContainer = nullptr;
    if (operation == opRemove && component == form_)
        form_ = nullptr;
}

void TDcSmoothMessageDialog::Assign(const TDcSmoothMessageDialog& source)
{
    Caption = source.Caption;
    captionFont_->Assign(*source.captionFont_);
    captionFill_->Assign(*source.captionFill_);
    CaptionHeight = source.CaptionHeight;
    CaptionLocation = source.CaptionLocation;
    CaptionLeft = source.CaptionLeft;
    CaptionTop = source.CaptionTop;
    fill_->Assign(*source.fill_);
    Margin = source.Margin;
    buttonFont_->Assign(*source.buttonFont_);
    ButtonLayout = source.ButtonLayout;
    ButtonSpacing = source.ButtonSpacing;
    EnableKeyEvents = source.EnableKeyEvents;
    Modal = source.Modal;
    AutoClose = source.AutoClose;
    TabStop = source.TabStop;
    ProgressVisible = source.ProgressVisible;
    ProgressMinimum = source.ProgressMinimum;
    ProgressMaximum = source.ProgressMaximum;
    progressValue_ = source.progressValue_;
    ProgressPosition = source.ProgressPosition;
    ProgressLeft = source.ProgressLeft;
    ProgressTop = source.ProgressTop;
    ProgressWidth = source.ProgressWidth;
    ProgressHeight = source.ProgressHeight;
    progress_->Assign(*source.progress_);
    htmlText_->Assign(*source.htmlText_);
}

void TDcSmoothMessageDialog::SetProgressValue(double value)
{
    if (!StoreChanged(progressValue_, value))
        return;
    Changed();
    if (AutoClose && form_ && form_->Visible() && value >= ProgressMaximum)
        CloseDialog(mrOk);
}

THTMLDrawGDIPParams TDcSmoothMessageDialog::TextParams() const
{
    return SmoothControlTextParams(Images, PictureContainer, htmlText_->URLColor, htmlText_->ShadowColor,
                                   htmlText_->ShadowOffset);
}

void TDcSmoothMessageDialog::CalculateSize(int& width, int& height)
{
    double W = 0, H = 0;
    cellWidth_ = cellHeight_ = captionW_ = captionH_ = textW_ = textH_ = progressW_ = progressH_ = 0;
    for (const auto& button : buttons_) {
        const TGPRectF box = MeasureCaption(button->Caption, *buttonFont_);
        double w = box.Width, h = box.Height;
        TDcGDIPPicture& picture = button->Picture();
        if (!picture.Empty()) {
            switch (button->PictureLocation) {
            case blPictureLeft:
            case blPictureRight: w = picture.Width() + w + button->Spacing; h = picture.Height(); break;
            case blPictureTop:
            case blPictureBottom: w = picture.Width(); h = picture.Height() + h + button->Spacing; break;
            case blNone: w = picture.Width(); h = picture.Height(); break;
            }
        }
        cellWidth_ = std::max(cellWidth_, std::max(w + 10 + ButtonSpacing, 75.0));
        cellHeight_ = std::max(cellHeight_, std::max(h + 10 + ButtonSpacing, 25.0));
    }
    W = cellWidth_;
    H = cellHeight_;
    if (!Caption.empty()) {
        captionH_ = CaptionHeight;
        captionW_ = MeasureCaption(Caption, *captionFont_).Width + 20;
        H += CaptionHeight;
        W = std::max(W, captionW_);
    }
    if (!htmlText_->Text().empty()) {
        QImage scratch(1, 1, QImage::Format_ARGB32);
        TGPGraphics graphics(scratch);
        THTMLDrawGDIPParams params = TextParams();
        params.MeasureOnly = true;
        THTMLDrawGDIPResult result;
        HTMLDrawGDIP(graphics, htmlText_->Font(), htmlText_->Text(), TRect{0, 0, 10000, 10000}, params, result);
        textH_ = result.TextHeight + 20;
        textW_ = result.TextWidth + 20;
        H += textH_;
        W = std::max(W, textW_);
    }
    if (ProgressVisible && ProgressPosition != hlCustom) {
        progressH_ = ProgressHeight + 25;
        progressW_ = ProgressWidth + 20;
        H += progressH_;
        W = std::max(W, progressW_);
    }
    H += Margin;
    W += 2 * Margin;
    width = RoundEven(W);
    height = RoundEven(H + 2 * Margin);
}

TDcSmoothMessageDialog::TBands TDcSmoothMessageDialog::Bands() const
{
    TBands b;
    const float cw = float(form_ ? form_->ClientWidth() : 0);
    const float ch = float(form_ ? form_->ClientHeight() : 0);
    const float m = float(Margin);
    b.inner = TGPRectF{m, m, cw - 1 - 2 * m, ch - 1 - 2 * m};
    const float capH = float(captionH_), textH = float(textH_), progH = float(progressH_);
    b.caption = TGPRectF{b.inner.X, b.inner.Y, b.inner.Width, capH};
    b.captionText = TGPRectF{b.inner.X + 5, b.inner.Y, b.inner.Width - 5, capH};
    b.text = TGPRectF{b.inner.X + 5, b.inner.Y + capH, b.inner.Width - 10, textH};
    b.progress = TGPRectF{b.inner.X, b.inner.Y + capH + textH, b.inner.Width, progH};
    b.buttons = TGPRectF{b.inner.X, b.inner.Y + capH + textH + progH, b.inner.Width, b.inner.Height - capH - textH - progH};
    return b;
}

void TDcSmoothMessageDialog::LayoutButtons()
{
    if (!form_ || buttons_.empty())
        return;
    const double n = double(buttons_.size());
    const double s = ButtonSpacing;
    const bool horizontal = ButtonLayout == blHorizontal;
    const double needW = horizontal ? s + n * cellWidth_ : s + cellWidth_;
    const double needH = horizontal ? cellHeight_ : n * cellHeight_;
    TGPRectF a = Bands().buttons;
    if (a.Width < needW)
        form_->SetClientSize(RoundEven(needW + 2 * Margin), form_->ClientHeight());
    if (a.Height < needH)
        form_->SetClientSize(form_->ClientWidth(),
                             RoundEven(captionH_ + textH_ + progressH_ + needH + 2 * Margin + s));
    a = Bands().buttons;
    const double bw = cellWidth_ - s, bh = cellHeight_ - s;
    if (horizontal && needW < a.Width)
        a.X += float(std::max((a.Width - needW) / 2, 0.0));
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const double k = double(i);
        const double x = horizontal ? a.X + (k + 1) * s + k * bw : a.X + (a.Width - bw) / 2;
        const double y = horizontal ? a.Y + (a.Height - bh) / 2 : a.Y + (k + 1) * s + k * bh;
        buttons_[i]->Rect = TGPRectF{float(x), float(y), float(bw), float(bh)};
    }
}

void TDcSmoothMessageDialog::DrawDialog(QImage& target)
{
    target.fill(Qt::transparent);
    TGPGraphics graphics(target);
    graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    graphics.SetTextRenderingHint(TextRenderingHintAntiAlias);
    const TBands b = Bands();
    fill_->Fill(&graphics, b.inner);
    if (b.buttons.Width != 0 && b.buttons.Height != 0 && !buttons_.empty()) {
        buttonAreaFill_->Fill(&graphics, b.buttons);
        for (int i = 0; i < ButtonCount(); ++i) {
            TDcSmoothMessageDialogButton& button = *buttons_[std::size_t(i)];
            const TColor color = !button.Enabled ? button.ColorDisabled
                                 : button.Pressed ? button.ColorDown
                                 : button.Hovered ? button.HoverColor
                                                  : button.Color;
            TGDIPDialogButton painter;
            painter.SetSpacing(button.Spacing);
            painter.SetLayout(button.PictureLocation);
            painter.SetFont(*buttonFont_);
            const TGPRectF& r = button.Rect;
            painter.Draw(graphics, button.Caption, RoundEven(r.X), RoundEven(r.Y), RoundEven(r.Width),
                         RoundEven(r.Height), color, button.BorderColor, button.BorderWidth, button.BorderOpacity,
                         button.Opacity, button.BorderColor != clNone, button.Pressed, &button.Picture(), false);
            if (i == DefaultButton) {
                TGPPen pen(MakeARGB(255, 0, 0, 0), 1.0f);
                pen.SetDashStyle(DashStyleDashDot);
                graphics.DrawPath(pen, CreateRoundRectPath(TGPRectF{r.X - 1, r.Y - 1, r.Width + 1, r.Height + 1}, 4,
                                                           rtBoth));
            }
        }
    }
    if (b.caption.Height != 0) {
        captionFill_->Fill(&graphics, b.caption);
        if (!Caption.empty()) {
            const auto font = CreateGPFont(*captionFont_);
            TGPRectF box;
            graphics.MeasureString(Caption, *font, b.captionText, TGPStringFormat(0), &box);
            const TGPPointF at = Place(CaptionLocation, box.Width, box.Height, b.captionText, CaptionLeft, CaptionTop);
            graphics.DrawString(Caption, *font, at, TGPStringFormat(0), TGPSolidBrush(ColorToARGB(captionFont_->Color())));
        }
    }
    if (b.text.Height != 0) {
        THTMLDrawGDIPParams params = TextParams();
        params.X = params.Y = -1;
        THTMLDrawGDIPResult drawn;
        HTMLDrawGDIP(graphics, htmlText_->Font(), htmlText_->Text(), PlacedTextRect(graphics, b.text), params, drawn);
    }
    if (ProgressVisible) {
        const TGPPointF at = Place(ProgressPosition, ProgressWidth, ProgressHeight, b.progress, ProgressLeft, ProgressTop);
        progress_->Draw(graphics, TRect{int(at.X), int(at.Y), int(at.X) + ProgressWidth, int(at.Y) + ProgressHeight},
                        ProgressMinimum, ProgressMaximum, progressValue_);
    }
}

std::string TDcSmoothMessageDialog::AnchorAt(int x, int y)
{
    if (htmlText_->Text().empty() || !form_)
        return {};
    QImage scratch(1, 1, QImage::Format_ARGB32);
    TGPGraphics graphics(scratch);
    THTMLDrawGDIPParams params = TextParams();
    params.HitTestOnly = true;
    params.X = x;
    params.Y = y;
    THTMLDrawGDIPResult result;
    HTMLDrawGDIP(graphics, htmlText_->Font(), htmlText_->Text(), PlacedTextRect(graphics, Bands().text), params,
                 result);
    return result.AnchorUnderPoint;
}

TRect TDcSmoothMessageDialog::PlacedTextRect(TGPGraphics& graphics, const TGPRectF& band) const
{
    const TRect bandRect{RoundEven(band.X), RoundEven(band.Y), RoundEven(band.X + band.Width),
                         RoundEven(band.Y + band.Height)};
    THTMLDrawGDIPParams params = TextParams();
    params.MeasureOnly = true;
    THTMLDrawGDIPResult measured;
    HTMLDrawGDIP(graphics, htmlText_->Font(), htmlText_->Text(), bandRect, params, measured);
    const TGPPointF at =
        Place(htmlText_->Location, measured.TextWidth, measured.TextHeight, band, htmlText_->Left, htmlText_->Top);
    return TRect{int(at.X), int(at.Y), int(at.X) + measured.TextWidth, int(at.Y) + measured.TextHeight};
}

void TDcSmoothMessageDialog::Changed()
{
    if (!form_)
        return;
    int w = 0, h = 0;
    CalculateSize(w, h);
    form_->SetClientSize(w, h);
    LayoutButtons();
    form_->RefreshLayered();
}

void TDcSmoothMessageDialog::MoveDefault(int step)
{
    const int n = ButtonCount();
    if (n == 0)
        return;
    DefaultButton = ((DefaultButton + step) % n + n) % n;
    if (form_)
        form_->RefreshLayered();
}

void TDcSmoothMessageDialog::BuildDialog()
{
    form_->SetBorderStyle(bsNone);
    form_->SetColor(clWhite);
    form_->SetPosition(Position);
    form_->SetBounds(DialogLeft, DialogTop, form_->Width(), form_->Height());
    form_->SetLayered(true);
    form_->SetNoActivate(true);
    Changed();
}

TModalResult TDcSmoothMessageDialog::ExecuteDialog()
{
    TComponent* owner = dynamic_cast<TForm*>(Owner()) ? Owner() : static_cast<TComponent*>(Application ? Application->MainForm() : nullptr);
    form_ = new TDcSmoothMessageDialogForm(owner, this);
    form_->FreeNotification(this);
    BuildDialog();
    if (Modal) {
        const TModalResult result = form_->ShowModal();
        TForm* form = form_;
        form_ = nullptr;
        Free(form);
        return result;
    }
    form_->Show();
    return mrOk;
}

bool TDcSmoothMessageDialog::Execute()
{
    const TModalResult result = ExecuteDialog();
    return result == mrOk || result == mrYes;
}

void TDcSmoothMessageDialog::CloseDialog(TModalResult result)
{
    if (!form_)
        return;
    if (Modal) {
        form_->SetModalResult(result);
        return;
    }
    bool canClose = true;
    if (OnCanClose)
        OnCanClose(this, canClose, result);
    if (!canClose)
        return;
    if (OnClose)
        OnClose(this);
    TForm* form = form_;
    form_ = nullptr;
    form->Close();
    form->Release();  // freed once the handler that closed it has returned
}

// ---- the window ------------------------------------------------------------------------------

TDcSmoothMessageDialogForm::TDcSmoothMessageDialogForm(TComponent* owner, TDcSmoothMessageDialog* dialog)
    : TForm(owner), dialog_(dialog)
{
}

void TDcSmoothMessageDialogForm::CreateWnd()
{
    TForm::CreateWnd();
    if (dialog_->DialogForm() == this)
        dialog_->Changed();
}

void TDcSmoothMessageDialogForm::RefreshLayered()
{
    // Every refresh brings the message above all other windows, where it stays.
    SetFormStyle(fsStayOnTop);
    BringToFront();
    picture_ = QImage(std::max(1, ClientWidth()), std::max(1, ClientHeight()), QImage::Format_ARGB32);
    dialog_->DrawDialog(picture_);
    UpdateLayered(picture_);
}

THitTest TDcSmoothMessageDialogForm::HitTest(int, int y) const
{
    return y < dialog_->Margin + dialog_->captionH_ ? HTCAPTION : HTCLIENT;
}

void TDcSmoothMessageDialogForm::MouseMove(TShiftState shift, int x, int y)
{
    TForm::MouseMove(shift, x, y);
    if (down_)
        return;
    ApplyCursor(dialog_->AnchorAt(x, y).empty() ? crDefault : crHandPoint);
    bool changed = false;
    for (int i = 0; i < dialog_->ButtonCount(); ++i) {
        auto& button = dialog_->Buttons(i);
        const bool hover = button.Contains(x, y);
        changed = changed || hover != button.Hovered;
        button.Hovered = hover;
    }
    if (changed)
        RefreshLayered();
}

void TDcSmoothMessageDialogForm::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TForm::MouseDown(button, shift, x, y);
    if (dialog_->OnAnchorClick) {
        const std::string anchor = dialog_->AnchorAt(x, y);
        if (!anchor.empty())
            dialog_->OnAnchorClick(this, anchor);
    }
    for (int i = 0; i < dialog_->ButtonCount(); ++i) {
        auto& candidate = dialog_->Buttons(i);
        if (candidate.Enabled && candidate.Contains(x, y)) {
            down_ = &candidate;
            candidate.Pressed = true;
            RefreshLayered();
            break;
        }
    }
}

void TDcSmoothMessageDialogForm::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TForm::MouseUp(button, shift, x, y);
    TDcSmoothMessageDialogButton* pressed = down_;
    down_ = nullptr;
    if (pressed && pressed->Contains(x, y))
        dialog_->CloseDialog(pressed->ButtonResult);
    // Also when the close was refused: the button comes up again.
    for (int i = 0; i < dialog_->ButtonCount(); ++i)
        dialog_->Buttons(i).Pressed = dialog_->Buttons(i).Hovered = false;
    RefreshLayered();
}

void TDcSmoothMessageDialogForm::KeyDown(unsigned short& key, TShiftState shift)
{
    TForm::KeyDown(key, shift);
    keyDownSeen_ = true;
    if (!dialog_->EnableKeyEvents)
        return;
    switch (key) {
    case VK_ESCAPE: dialog_->CloseDialog(mrCancel); break;
    case VK_LEFT:
    case VK_UP: dialog_->MoveDefault(-1); break;
    case VK_RIGHT:
    case VK_DOWN: dialog_->MoveDefault(1); break;
    case VK_SPACE:
    case VK_RETURN:
        if (dialog_->DefaultButton >= 0 && dialog_->DefaultButton < dialog_->ButtonCount()) {
            dialog_->Buttons(dialog_->DefaultButton).Pressed = true;
            RefreshLayered();
        }
        break;
    default: break;
    }
}

void TDcSmoothMessageDialogForm::KeyUp(unsigned short& key, TShiftState shift)
{
    TForm::KeyUp(key, shift);
    if (!keyDownSeen_)
        return;
    const bool releases = key == VK_SPACE || (key == VK_RETURN && dialog_->EnableKeyEvents);
    const int index = dialog_->DefaultButton;
    if (!releases || index < 0 || index >= dialog_->ButtonCount())
        return;
    dialog_->Buttons(index).Pressed = false;
    RefreshLayered();
    dialog_->CloseDialog(dialog_->Buttons(index).ButtonResult);
}

bool TDcSmoothMessageDialogForm::DialogKey(unsigned short key, TShiftState shift)
{
    if (key == VK_TAB && Visible()) {
        dialog_->MoveDefault(1);
        return true;
    }
    return TForm::DialogKey(key, shift);
}

}  // namespace tarvelon
