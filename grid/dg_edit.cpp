#include "grid/dg_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "core/basics/rounding.h"
#include "grid/dg_cursors.h"
#include "grid/dg_sysutils.h"
#include "grid/dg_themes_support.h"
#include "platform/forms/keys.h"
#include "platform/forms/text_utils.h"
#include "platform/graphics/edges.h"

namespace tarvelon {

// The edit control under an editor: pastes go through the editor's rules, and an editor whose
// text is not editable paints its own display.
class TDgLineEdit : public QLineEdit {
public:
    TDgLineEdit(TDgCustomEdit* editor, QWidget* parent) : QLineEdit(parent), editor_(editor) {}
    void Detach() { editor_ = nullptr; }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (editor_ && event->matches(QKeySequence::Paste)) {
            editor_->PasteFromClipboard();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }

    // The editor's own press rules come after the edit has placed its caret.
    void mousePressEvent(QMouseEvent* event) override
    {
        QLineEdit::mousePressEvent(event);
        if (editor_ && event->button() == Qt::LeftButton)
            editor_->EditPressed(event->position().toPoint().x());
    }

    void contextMenuEvent(QContextMenuEvent* event) override
    {
        QMenu* menu = createStandardContextMenu();
        if (QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste")); paste && editor_) {
            QObject::disconnect(paste, &QAction::triggered, nullptr, nullptr);
            TDgCustomEdit* editor = editor_;
            QObject::connect(paste, &QAction::triggered, menu, [editor] { editor->PasteFromClipboard(); });
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(event->globalPos());
    }

    void paintEvent(QPaintEvent* event) override
    {
        if (!editor_ || editor_->CanEdit()) {
            QLineEdit::paintEvent(event);
            return;
        }
        QPainter painter(this);
        painter.drawImage(0, 0, editor_->RenderDisplay());
    }

private:
    TDgCustomEdit* editor_;
};

namespace {

QLineEdit* LineEditOf(TWinControl* control)
{
    return control->HandleAllocated() ? qobject_cast<QLineEdit*>(control->Widget()) : nullptr;
}

}  // namespace

// ---- TDgEditMargins

void TDgEditMargins::SetLeft(int value)
{
    left_ = value;
    owner_->UpdateLayout();
}

void TDgEditMargins::SetRight(int value)
{
    right_ = value;
    owner_->UpdateLayout();
}

// ---- TDgEditInfo

TDgEditInfo::TDgEditInfo(TDgCustomEdit* editor) : TCustomControl(editor), editor_(editor)
{
    SetVisible(false);
}

void TDgEditInfo::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.Brush.SetColor(editor_->Color());
    canvas.Brush.SetStyle(bsSolid);
    canvas.FillRect(ClientRect());
    TBitmap& glyph = editor_->Glyph();
    int previewLeft = 0;
    if (!glyph.Empty()) {
        glyph.SetTransparent(true);
        canvas.Draw(0, static_cast<int>(Round(ClientHeight() / 2.0 - glyph.Height() / 2.0)), glyph);
        previewLeft = glyph.Width() + 2;
    }
    if (!editor_->ShowPreview())
        return;
    TRect preview = Rect(previewLeft, 0, previewLeft + 20, ClientHeight());
    if (editor_->PreviewBorder()) {
        canvas.Brush.SetColor(clGray);
        canvas.FrameRect(preview);
        InflateRect(preview, -1, -1);
    }
    editor_->previewCanvas_ = &canvas;
    editor_->PaintPreview(canvas, preview);
    editor_->previewCanvas_ = nullptr;
}

void TDgEditInfo::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    editor_->GlyphMouseDown(x, y);
}

TCursor TDgEditInfo::CursorAt(int x, int y) const
{
    return crReversedArrow;
}

// ---- TDgCustomEdit

TDgCustomEdit::TDgCustomEdit(TComponent* owner)
    : TEdit(owner), margins_(this), glyph_(std::make_unique<TBitmap>())
{
    SetBounds(Left(), Top(), 121, 20);
    SetColor(clWindow);
    info_ = new TDgEditInfo(this);
    info_->SetParent(this);
    LoadReversedArrowCursor();
}

TDgCustomEdit::~TDgCustomEdit()
{
    if (auto* edit = dynamic_cast<TDgLineEdit*>(ExistingWidget()))
        edit->Detach();
}

QWidget* TDgCustomEdit::CreateWidget(QWidget* parentWidget)
{
    auto* edit = new TDgLineEdit(this, parentWidget);
    edit->setAcceptDrops(false);
    QObject::connect(edit, &QLineEdit::textChanged, edit, [this](const QString& text) {
        if (FromQString(text) != Text())
            SetText(FromQString(text));
    });
    return edit;
}

void TDgCustomEdit::SyncWidget()
{
    TEdit::SyncWidget();
    if (QLineEdit* edit = LineEditOf(this))
        edit->setContentsMargins(borderWidth_, borderWidth_, borderWidth_, borderWidth_);
    UpdateLayout();
}

void TDgCustomEdit::Resize()
{
    TEdit::Resize();
    UpdateLayout();
}

void TDgCustomEdit::FontChanged()
{
    TEdit::FontChanged();
    UpdateLayout();
}

void TDgCustomEdit::EnabledChanged()
{
    TEdit::EnabledChanged();
    for (int i = 0; i < ControlCount(); ++i)
        Controls(i)->Invalidate();
}

unsigned TDgCustomEdit::DialogCode() const
{
    return DLGC_WANTARROWS | DLGC_WANTCHARS | (wantTabs_ ? DLGC_WANTTAB : 0u);
}

void TDgCustomEdit::KeyDown(unsigned short& key, TShiftState shift)
{
    ctrlHeld_ = (shift & ssCtrl) != 0;
    TEdit::KeyDown(key, shift);
}

char32_t TDgCustomEdit::ControlCharOf(char32_t key) const
{
    if (ctrlHeld_ && ((key >= U'a' && key <= U'z') || (key >= U'A' && key <= U'Z')))
        return key & 0x1F;
    return key;
}

void TDgCustomEdit::Change()
{
    EditTextChanged();
    TEdit::Change();
}

void TDgCustomEdit::GlyphChanged()
{
    UpdateLayout();
    info_->Invalidate();
}

void TDgCustomEdit::SetPreviewBorder(bool value)
{
    previewBorder_ = value;
    info_->Invalidate();
}

void TDgCustomEdit::SetShowPreview(bool value)
{
    showPreview_ = value;
    UpdateLayout();
    info_->Invalidate();
}

void TDgCustomEdit::SetBorderStyle(TFormBorderStyle style)
{
    SetBorderSingle(style == bsSingle);
    UpdateLayout();
}

void TDgCustomEdit::SetBorderWidth(int value)
{
    borderWidth_ = std::max(0, value);
    if (QLineEdit* edit = LineEditOf(this))
        edit->setContentsMargins(borderWidth_, borderWidth_, borderWidth_, borderWidth_);
}

TRect TDgCustomEdit::DisplayClientRect() const
{
    TRect rect = ClientRect();
    if (BorderStyle() == bsSingle)
        InflateRect(rect, -2, -2);
    return rect;
}

int TDgCustomEdit::InfoWidth() const
{
    int width = glyph_->Empty() ? 0 : glyph_->Width() + 4;
    if (showPreview_)
        width += 20;
    return width;
}

void TDgCustomEdit::GetTextMargins(int& left, int& right)
{
    if (showPreview_)
        left = 2 * left + 25;
    if (!glyph_->Empty())
        left += glyph_->Width() + 4;
}

void TDgCustomEdit::ApplyTextMargins()
{
    int left = margins_.Left();
    int right = margins_.Right();
    GetTextMargins(left, right);
    textLeft_ = left;
    textRight_ = right;
    SetMargins(left, right);
}

void TDgCustomEdit::PlaceChildren()
{
    if (!info_)
        return;
    const TRect inner = DisplayClientRect();
    info_->SetBounds(inner.Left, inner.Top, InfoWidth(), inner.Height());
    info_->SetVisible(showPreview_ || !glyph_->Empty());
}

void TDgCustomEdit::UpdateLayout()
{
    ApplyTextMargins();
    PlaceChildren();
}

TRect TDgCustomEdit::GetPreviewRect() const
{
    TRect rect = ClientRect();
    if (!glyph_->Empty())
        rect.Left += glyph_->Width() + 4;
    rect.Right = rect.Left + 20;
    return rect;
}

void TDgCustomEdit::GlyphMouseDown(int x, int y)
{
    if (PtInRect(Rect(0, 0, glyph_->Width(), Height()), Point(x, y)) && OnGlyphClick)
        OnGlyphClick(this);
}

void TDgCustomEdit::PaintPreview(TCanvas& canvas, const TRect& rect)
{
    if (OnCustomPreviewDraw)
        OnCustomPreviewDraw(this, rect);
}

QImage TDgCustomEdit::RenderDisplay()
{
    QImage image(std::max(1, Width()), std::max(1, Height()), QImage::Format_RGB32);
    image.fill(ToQColor(Color()));
    TCanvas canvas(&image);
    canvas.Font.Assign(Font());
    if (BorderSingle())
        PaintFrame(canvas);
    PaintDisplay(canvas);
    return image;
}

void TDgCustomEdit::PaintFrame(TCanvas& canvas)
{
    TRect frame = Rect(0, 0, Width(), Height());
    if (!IsThemed()) {
        DrawEdge(canvas, frame, EDGE_SUNKEN, BF_RECT);
        return;
    }
    // The themed part is a whole box: only its outer two pixels are the frame.
    const TClipKeeper keep(canvas);
    canvas.ExcludeClipRect(DisplayClientRect());
    ThemeRect(this, canvas, frame, "edit", EP_EDITTEXT, 0);
}

void TDgCustomEdit::SendChar(char32_t character)
{
    const QString text = QString::fromUcs4(&character, 1);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(Widget(), &press);
}

void TDgCustomEdit::PasteFromClipboard()
{
    if (QLineEdit* edit = LineEditOf(this))
        edit->paste();
}

bool TDgCustomEdit::GetAsBoolean()
{
    return StrToBool(Text());
}

TDateTime TDgCustomEdit::GetAsDateTime()
{
    return StrToDateTime(Text());
}

double TDgCustomEdit::GetAsFloat()
{
    return StrToFloat(Text());
}

int TDgCustomEdit::GetAsInteger()
{
    return StrToInt(Text());
}

std::string TDgCustomEdit::GetAsString()
{
    return Text();
}

void TDgCustomEdit::SetAsBoolean(bool value)
{
    SetText(BoolToStr(value));
}

void TDgCustomEdit::SetAsDateTime(TDateTime value)
{
    SetText(DateTimeToStr(value));
}

void TDgCustomEdit::SetAsFloat(double value)
{
    SetText(FloatToStr(value));
}

void TDgCustomEdit::SetAsInteger(int value)
{
    SetText(IntToStr(value));
}

void TDgCustomEdit::SetAsString(const std::string& value)
{
    SetText(value);
}

// ---- TDgEdit

void TDgEdit::CaretToEnd()
{
    SetSelStart(static_cast<int>(ToQString(Text()).size()));
}

void TDgEdit::EditPressed(int x)
{
    if (OverInfo(x))
        SelectAll();
}

bool TDgEdit::OverInfo(int x) const
{
    return x - DisplayClientRect().Left <= InfoWidth() + 2;
}

TCursor TDgEdit::CursorAt(int x, int y) const
{
    if (OverInfo(x))
        return crReversedArrow;
    return CanEdit() ? crIBeam : crArrow;
}

}  // namespace tarvelon
