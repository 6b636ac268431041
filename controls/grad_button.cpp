// The game's gradient push button.
#include "controls/grad_button.h"

#include <QKeyEvent>
#include <QObject>
#include <QWidget>

#include "controls/dc_smooth_gdip.h"
#include "platform/forms/form.h"
#include "platform/forms/keys.h"
#include "platform/graphics/text_draw.h"

namespace tarvelon {

namespace {

constexpr TColor kKeep = -1;

// The schemes' colours, one row per colour index, one column per scheme (csNeoDesert .. csSilver);
// kKeep leaves the colour as it was.
constexpr TColor kSchemeColors[kGradButtonColorCount][12] = {
    {0xC6ECFF, 0xFFEEDD, 0xDDF9E8, 0xF3F3F3, 0xE8E8FF, 0xF0FFFF, 0x95DDFF, 0x98EBB7, 0xFFE0C1, 0xA8FFFF, 0xC6C6FF, 0xE0E0E0},
    {0x37BEFF, 0xFFB66C, 0x5EDF8E, 0xBCBCBC, 0x9595FF, 0x20D8F9, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep},
    {0x009CE8, 0xFFA851, 0x24B95C, 0xA7A7A7, 0x8282FF, 0x00BBBB, 0x009CE8, 0x24B95C, 0xFFA953, 0x00BBBB, 0x8282FF, 0xAEAEAE},
    {0xB9E7FF, 0xFFECD9, 0xCBF5DB, 0xF7F7F7, 0xDDDDFF, 0xF2FFFF, 0xB9E7FF, 0xCBF5DB, 0xFFECD9, 0xF2FFFF, 0xDDDDFF, 0xF7F7F7},
    {0x005680, 0xB35900, 0x156F37, 0x626262, 0x00009D, 0x006464, 0x005680, 0x156F37, 0xB35900, 0x006464, 0x00009D, 0x626262},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0xB3E7FF, 0xFFEBD7, 0xBFF2D2, 0xF0F0F0, 0xDFDFFF, 0xD5FCFF, 0x6FD0FF, 0x68E196, 0xFFCD9B, 0x66F3FF, 0xB0B0FF, 0xCFCFCF},
    {0x00A3F0, 0xFFA346, 0x3DD877, 0xA6A6A6, 0x7777FF, 0x05BCDC, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep},
    {0x008ED2, 0xFF9E3E, 0x23B459, 0xA2A2A2, 0x6A6AFF, 0x00A6A6, 0x008ED2, 0x23B459, 0xFFB164, 0x00A6A6, 0x6A6AFF, 0x797979},
    {0x95DAFF, 0xFFE4CA, 0xB5F0CB, 0xEEEEEE, 0xD7D7FF, 0xCCFFFF, 0x95DAFF, 0xB5F0CB, 0xFFE4CA, 0xCCFFFF, 0xD7D7FF, 0xEEEEEE},
    {0x005680, 0xB35900, 0x17793D, 0x757575, 0x00009D, 0x006464, 0x005680, 0x17793D, 0xB35900, 0x006464, 0x00009D, 0x757575},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0x2BBAFF, 0xFFB366, 0x4EDC83, 0xCACACA, 0xA6A6FF, 0x05D1F5, 0x6FD0FF, 0x4EDC83, 0xFFC082, 0x22EEFF, 0x9F9FFF, 0xD3D3D3},
    {0x77D2FF, 0xFFCE9D, 0x80E6A6, 0xDADADA, 0xB9B9FF, 0x66F0FB, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep},
    {0x8AD9FF, 0xFFD3A8, 0x89E7AC, 0xE9E9E9, 0xCECEFF, 0x66F3FF, 0x8AD9FF, 0x89E7AC, 0xFFD3A8, 0x66F3FF, 0x8888FF, 0xE9E9E9},
    {0x0077B7, 0xFF9E3E, 0x177D3E, 0x7C7C7C, 0x5E5EFF, 0x008484, 0x0077B7, 0x177D3E, 0xFF9122, 0x008484, 0x5E5EFF, 0x7C7C7C},
    {0x0070A6, 0xB35900, 0x167439, 0x4E4E4E, 0x00009D, 0x006464, 0x0070A6, 0x167439, 0xB35900, 0x006464, 0x00009D, 0x4E4E4E},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0xEEEEEE, 0xEEEEEE, 0xEEEEEE, 0xEEEEEE, 0xEEEEEE, 0xEEEEEE, 0xE2E2E2, 0xE2E2E2, 0xE2E2E2, 0xE2E2E2, 0xE2E2E2, 0xE2E2E2},
    {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep},
    {0xD2D2D2, 0xD2D2D2, 0xD2D2D2, 0xD2D2D2, 0xD2D2D2, 0xD2D2D2, 0xD8D8D8, 0xD8D8D8, 0xD8D8D8, 0xD8D8D8, 0xD8D8D8, 0xD8D8D8},
    {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xEAEAEA, 0xEAEAEA, 0xEAEAEA, 0xEAEAEA, 0xEAEAEA, 0xEAEAEA},
    {0x808080, 0x808080, 0x808080, 0x808080, 0x808080, 0x808080, 0xC4C4C4, 0xC4C4C4, 0xC4C4C4, 0xC4C4C4, 0xC4C4C4, 0xC4C4C4},
    {0x808080, 0x808080, 0x808080, 0x808080, 0x808080, 0x808080, 0x808080, 0x808080, 0x808080, 0x808080, 0x808080, 0x808080},
    {0x4080FF, 0xFFA953, 0x24B95C, 0xADADAD, 0x5E5EFF, 0x00BBBB, 0x4080FF, 0x00A421, 0xDC9B14, 0x008CF4, 0x5E5EFF, 0x8A8A8A},
};

// Linear from `from` (row 0) to `to` (row `rows`), each channel rounded.
TColor RowColor(TColor from, TColor to, int row, int rows)
{
    auto channel = [&](int shift) {
        const double start = (from >> shift) & 0xFF;
        const double end = (to >> shift) & 0xFF;
        return RoundEven(start + (end - start) / rows * row);
    };
    return RGB(channel(0), channel(8), channel(16));
}

}  // namespace

// Sends the button's own keys to it before the form library sees them: the button keeps its key
// messages from its OnKeyDown / OnKeyUp and from the form's key preview.
class TGradButton::KeyFilter : public QObject {
public:
    explicit KeyFilter(TGradButton* button) : button_(button) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        return button_->HandleKeyEvent(event->type() == QEvent::KeyPress, key->key(), int(key->modifiers()),
                                       key->isAutoRepeat(), key->text().toStdString());
    }

private:
    TGradButton* button_;
};

TGradButton::TGradButton(TComponent* owner) : TCustomControl(owner), glyph_(std::make_unique<TBitmap>())
{
    SetBounds(Left(), Top(), 75, 25);
    SetTabStop(true);
    eraseBackground_ = false;
    doubleClicks_ = false;  // a push button: each of two quick clicks is a click
    SetColorScheme(csNeoDesert);
    colors_[7] = 0xFFFFFF;
    colors_[13] = 0xFFFFFF;
    colors_[19] = 0xFFFFFF;
    glyph_->OnChange = [this] { Invalidate(); };
    InstallAcceleratorFilter();
}

TGradButton::~TGradButton() = default;

void TGradButton::SetColor(int index, TColor color)
{
    if (index < 0 || index >= kGradButtonColorCount)
        return;
    colors_[std::size_t(index)] = color;
    scheme_ = csCustom;
    Invalidate();
}

void TGradButton::SetColorScheme(TColorScheme scheme)
{
    scheme_ = scheme;
    if (scheme != csCustom) {
        for (int i = 0; i < kGradButtonColorCount; ++i) {
            const TColor color = kSchemeColors[i][scheme];
            if (color != kKeep)
                colors_[std::size_t(i)] = color;
        }
        gradient_ = scheme <= csNeoSun;
    }
    Invalidate();
}

void TGradButton::SetGlyph(const TBitmap& glyph)
{
    if (&glyph != glyph_.get())
        glyph_->Assign(glyph);
    Invalidate();
}

void TGradButton::SetState(int state)
{
    state_ = state;
    Repaint();
}

void TGradButton::Click()
{
    if (TForm* form = ParentForm(); form && form != static_cast<TControl*>(this))
        form->SetModalResult(modalResult_);
    SetState(0);
    TCustomControl::Click();
}

bool TGradButton::DialogKey(unsigned short key, TShiftState shift)
{
    const bool plain = !(shift & (ssShift | ssCtrl | ssAlt));
    if (((key == VK_RETURN && Focused()) || (key == VK_ESCAPE && cancel_)) && plain && CanFocus()) {
        Click();
        return true;
    }
    // The default button answers Enter only (Escape is the cancel button's), and leaves it to a
    // push button that has the focus; a greyed button takes no click.
    if (key == VK_RETURN && default_ && Enabled() && !AnotherButtonHasFocus(this)) {
        Click();
        return true;
    }
    return TCustomControl::DialogKey(key, shift);
}

bool TGradButton::DialogChar(char32_t character, bool)
{
    if (!IsAccelerator(character, Caption()) || !Enabled() || !Visible())
        return false;
    Click();
    return true;
}

void TGradButton::CreateWnd()
{
    TCustomControl::CreateWnd();
    if (!keyFilter_)
        keyFilter_ = std::make_unique<KeyFilter>(this);
    // Installed after the form library's own filter, so it sees the keys first.
    if (QWidget* widget = ExistingWidget())
        widget->installEventFilter(keyFilter_.get());
}

bool TGradButton::HandleKeyEvent(bool press, int qtKey, int modifiers, bool autoRepeat, const std::string& text)
{
    const auto qtModifiers = Qt::KeyboardModifiers(modifiers);
    // Keys with Alt are the system's (Alt+F4, accelerators): the form library handles them.
    if (qtModifiers & Qt::AltModifier)
        return false;
    const TShiftState shift = ShiftStateOf(qtModifiers);
    const unsigned short key = VirtualKeyOfQtKey(qtKey, qtModifiers & Qt::KeypadModifier);
    if (!press) {
        if (key == VK_SPACE && !autoRepeat) {
            SetState(0);
            Click();
        }
        return true;
    }
    const bool dialogKey = key == VK_TAB || key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN ||
                           key == VK_RETURN || key == VK_ESCAPE || qtKey == Qt::Key_Backtab;
    if (dialogKey) {
        TForm* form = ParentForm();
        const unsigned short dialog = qtKey == Qt::Key_Backtab ? static_cast<unsigned short>(VK_TAB) : key;
        const TShiftState dialogShift = qtKey == Qt::Key_Backtab ? shift | ssShift : shift;
        if (form && form->DialogKey(dialog, dialogShift))
            return true;
    }
    if (key == VK_SPACE)
        SetState(2);
    else if (key == VK_RETURN)
        Click();
    if (!text.empty()) {
        const QString typed = QString::fromStdString(text);
        char32_t character = typed.toUcs4().value(0);
        if (!DoKeyPress(character) && character != 0 && character > 32) {
            if (TWinControl* form = ParentForm())
                OfferDialogChar(form, character, false);
        }
    }
    return true;
}

void TGradButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    held_ = true;
    state_ = 2;
    if (TabStop() && CanFocus())
        SetFocus();
    Repaint();
}

void TGradButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    held_ = false;
    if (x > 0 && x < Width() && y > 0 && y < Height())
        SetState(hotTrack_ ? 1 : 0);
}

void TGradButton::MouseEnter()
{
    if (hotTrack_ && !Loading())
        SetState(held_ ? 2 : 1);
    TCustomControl::MouseEnter();
}

void TGradButton::MouseLeave()
{
    SetState(0);
    TCustomControl::MouseLeave();
}

void TGradButton::DoEnter()
{
    Repaint();
    TCustomControl::DoEnter();
}

void TGradButton::DoExit()
{
    SetState(0);
    TCustomControl::DoExit();
}

void TGradButton::TextChanged()
{
    TCustomControl::TextChanged();
    Invalidate();
}

void TGradButton::FontChanged()
{
    TCustomControl::FontChanged();
    Invalidate();
}

void TGradButton::EnabledChanged()
{
    TCustomControl::EnabledChanged();
    Invalidate();
}

void TGradButton::PaintGradient(TCanvas& canvas, TColor from, TColor to)
{
    const int w = Width();
    const int h = Height();
    for (int y = 0; y <= h; ++y) {
        canvas.Pen.SetColor(h > 0 ? RowColor(from, to, y, h) : from);
        canvas.MoveTo(0, y);
        canvas.LineTo(w, y);
    }
}

void TGradButton::PaintGlyph(TCanvas& canvas, int& tx, int& ty, int tw, int th)
{
    const int gw = glyph_->Width();
    const int gh = glyph_->Height();
    const int s = spacing_;
    const bool caption = !Caption().empty();
    int gx = 0;
    int gy = 0;
    switch (layout_) {
    case blGlyphLeft:
        gy = (Height() - gh) / 2;
        gx = tx - gw / 2;
        tx += gw / 2;
        if (caption) {
            gx -= s / 2 + s % 2;
            tx += s / 2;
        }
        break;
    case blGlyphRight:
        gy = (Height() - gh) / 2;
        gx = tx + tw - gw / 2;
        tx -= gw / 2;
        if (caption) {
            gx += s / 2 + s % 2;
            tx -= s / 2;
        }
        break;
    case blGlyphTop:
        gx = (Width() - gw) / 2;
        gy = ty - gh / 2 - gh % 2;
        ty += gh / 2;
        if (caption) {
            gy -= s / 2 + s % 2;
            ty += s / 2;
        }
        break;
    case blGlyphBottom:
        gx = (Width() - gw) / 2;
        gy = ty + th - gh / 2;
        ty -= gh / 2;
        if (caption) {
            gy += s / 2 + s % 2;
            ty -= s / 2;
        }
        break;
    }
    if (state_ == 2) {
        ++gx;
        ++gy;
    }
    TBitmap glyph;
    glyph.Assign(*glyph_);
    glyph.SetTransparentMode(tmFixed);
    glyph.SetTransparentColor(glyph.Canvas().Pixel(0, 0));
    glyph.SetTransparent(transparentGlyph_);
    canvas.Draw(gx, gy, glyph);
}

void TGradButton::Paint()
{
    const int w = Width();
    const int h = Height();
    if (w <= 0 || h <= 0)
        return;
    TBitmap buffer(w, h);
    TCanvas& canvas = buffer.Canvas();
    const int first = !Enabled() ? gcDisabledFace : state_ == 1 ? gcOverFace : state_ == 2 ? gcDownFace : gcFace;
    auto colour = [&](int offset) { return colors_[std::size_t(first + offset)]; };

    canvas.Brush.SetStyle(bsSolid);
    canvas.Brush.SetColor(colour(gcFace));
    canvas.FillRect(Rect(0, 0, w, h));
    if (gradient_)
        PaintGradient(canvas, colour(gcFace), colour(gcGrad));

    canvas.Font.Assign(Font());
    canvas.Font.SetColor(colour(gcText));
    const std::string caption = Caption();
    const int tw = canvas.TextWidth(caption);
    const int th = canvas.TextHeight(caption);
    int tx = (w - tw) / 2;
    int ty = (h - th) / 2;
    if (!glyph_->Empty())
        PaintGlyph(canvas, tx, ty, tw, th);
    if (state_ == 2) {
        ++tx;
        ++ty;
    }
    if (!caption.empty()) {
        canvas.Brush.SetStyle(bsClear);
        TRect textRect = Rect(tx, ty, tx + tw, ty + th);
        DrawText(canvas, caption, textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
    }
    canvas.Pen.SetStyle(psSolid);
    canvas.Pen.SetWidth(1);
    canvas.Pen.SetColor(colour(gcBorder));
    canvas.Brush.SetStyle(bsClear);
    canvas.Rectangle(0, 0, w, h);
    if (ctl3D_) {
        canvas.Pen.SetColor(colour(gcLight));
        canvas.MoveTo(1, h - 2);
        canvas.LineTo(1, 1);
        canvas.LineTo(w - 1, 1);
        canvas.Pen.SetColor(colour(gcDark));
        canvas.MoveTo(w - 2, 1);
        canvas.LineTo(w - 2, h - 2);
        canvas.LineTo(1, h - 2);
    }
    if (Focused()) {
        canvas.Pen.SetColor(colors_[gcFocusRect]);
        canvas.Rectangle(3, 3, w - 3, h - 3);
    }
    Canvas().Draw(0, 0, buffer);
}

}  // namespace tarvelon
