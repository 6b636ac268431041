#include "platform/stdctrls/buttons.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "platform/forms/form.h"
#include "platform/forms/keys.h"
#include "platform/forms/text_utils.h"
#include "platform/graphics/edges.h"
#include "platform/graphics/text_draw.h"

namespace tarvelon {
namespace {

// Qt shows "&&" as "&" and "&x" as an underlined x, as the captions are written.
QString ButtonText(const std::string& caption)
{
    return ToQString(caption);
}

// A check box or radio button is one window that takes a click anywhere in its bounds, also on the
// blank part past its caption, not only on its mark and text as Qt's do.
template <typename QtButton>
class WholeAreaButton : public QtButton {
public:
    using QtButton::QtButton;

protected:
    bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
};

}  // namespace

// ---- TButton

TButton::TButton(TComponent* owner) : TQtWinControl(owner)
{
    clickEvents_ = false;  // the Qt button decides what is a click (mouse or space bar)
    SetTabStop(true);
    SetColor(clBtnFace);
    SetBounds(0, 0, 75, 25);
}

QWidget* TButton::CreateWidget(QWidget* parentWidget)
{
    auto* button = new QPushButton(parentWidget);
    button->setAutoDefault(false);
    QObject::connect(button, &QAbstractButton::clicked, button, [this] { Click(); });
    return button;
}

QAbstractButton* TButton::Button() const
{
    return qobject_cast<QAbstractButton*>(ExistingWidget());
}

void TButton::SyncWidget()
{
    TQtWinControl::SyncWidget();
    if (QAbstractButton* button = Button())
        button->setText(ButtonText(Caption()));
}

void TButton::TextChanged()
{
    if (QAbstractButton* button = Button())
        button->setText(ButtonText(Caption()));
    TQtWinControl::TextChanged();
}

void TButton::Click()
{
    if (modalResult_ != mrNone) {
        if (TForm* form = ParentForm())
            form->SetModalResult(modalResult_);
    }
    TQtWinControl::Click();
}

unsigned TButton::DialogCode() const
{
    return 0;
}

bool TButton::DialogKey(unsigned short key, TShiftState shift)
{
    const bool enter = key == VK_RETURN && (default_ || Focused());
    const bool escape = key == VK_ESCAPE && cancel_;
    if ((enter || escape) && CanFocus() && Showing()) {
        Click();
        return true;
    }
    return TQtWinControl::DialogKey(key, shift);
}

// ---- TBitBtn

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner)
{
    glyph_.OnChange = [this] { GlyphChanged(); };
}

void TBitBtn::GlyphChanged()
{
    auto* button = Button();
    if (!button)
        return;
    if (glyph_.Empty()) {
        button->setIcon(QIcon());
        return;
    }
    // A glyph is drawn with its bottom-left colour transparent, as button glyphs are.
    TBitmap copy;
    copy.Assign(glyph_);
    copy.SetTransparent(true);
    const QImage image = copy.RenderImage();
    button->setIcon(QIcon(QPixmap::fromImage(image)));
    button->setIconSize(image.size());
}

void TBitBtn::SetKind(TBitBtnKind kind)
{
    kind_ = kind;
    switch (kind) {
    case bkOK: SetModalResult(mrOk); SetDefault(true); break;
    case bkCancel: SetModalResult(mrCancel); SetCancel(true); break;
    case bkYes: SetModalResult(mrYes); SetDefault(true); break;
    case bkNo: SetModalResult(mrNo); break;
    case bkAbort: SetModalResult(mrAbort); break;
    case bkRetry: SetModalResult(mrRetry); break;
    case bkIgnore: SetModalResult(mrIgnore); break;
    case bkAll: SetModalResult(mrAll); break;
    case bkClose:
    case bkHelp:
    case bkCustom: break;
    }
}

void TBitBtn::SyncWidget()
{
    TButton::SyncWidget();
    GlyphChanged();
}

// ---- TCheckBox

TCheckBox::TCheckBox(TComponent* owner) : TButton(owner)
{
    SetBounds(0, 0, 97, 17);
    SetParentColor(true);
}

QWidget* TCheckBox::CreateWidget(QWidget* parentWidget)
{
    auto* box = new WholeAreaButton<QCheckBox>(parentWidget);
    QObject::connect(box, &QAbstractButton::clicked, box, [this] { WidgetToggled(); });
    return box;
}

void TCheckBox::SyncWidget()
{
    TButton::SyncWidget();
    if (auto* box = qobject_cast<QCheckBox*>(ExistingWidget())) {
        const QSignalBlocker blocker(box);
        box->setTristate(allowGrayed_);
        box->setCheckState(state_ == cbChecked ? Qt::Checked : state_ == cbGrayed ? Qt::PartiallyChecked : Qt::Unchecked);
    }
}

void TCheckBox::WidgetToggled()
{
    auto* box = qobject_cast<QCheckBox*>(ExistingWidget());
    const Qt::CheckState state = box->checkState();
    state_ = state == Qt::Checked ? cbChecked : state == Qt::PartiallyChecked ? cbGrayed : cbUnchecked;
    Click();
}

void TCheckBox::SetChecked(bool checked)
{
    SetState(checked ? cbChecked : cbUnchecked);
}

void TCheckBox::SetState(TCheckBoxState state)
{
    if (state_ == state)
        return;
    state_ = state;
    SyncWidget();
    if (!Loading())
        Click();
}

void TCheckBox::SetAllowGrayed(bool allow)
{
    allowGrayed_ = allow;
    SyncWidget();
}

void TCheckBox::Click()
{
    TQtWinControl::Click();
}

// ---- TRadioButton

TRadioButton::TRadioButton(TComponent* owner) : TButton(owner)
{
    SetBounds(0, 0, 113, 17);
    SetParentColor(true);
}

QWidget* TRadioButton::CreateWidget(QWidget* parentWidget)
{
    auto* radio = new WholeAreaButton<QRadioButton>(parentWidget);
    QObject::connect(radio, &QAbstractButton::clicked, radio, [this] {
        if (!checked_)
            SetChecked(true);
    });
    return radio;
}

void TRadioButton::SyncWidget()
{
    TButton::SyncWidget();
    if (auto* radio = qobject_cast<QRadioButton*>(ExistingWidget())) {
        const QSignalBlocker blocker(radio);
        radio->setAutoExclusive(false);  // the siblings are unchecked by SetChecked
        radio->setChecked(checked_);
    }
}

void TRadioButton::SetChecked(bool checked)
{
    if (checked_ == checked) {
        SyncWidget();
        return;
    }
    checked_ = checked;
    if (checked && Parent()) {
        for (int i = 0; i < Parent()->ControlCount(); ++i) {
            if (auto* other = dynamic_cast<TRadioButton*>(Parent()->Controls(i)); other && other != this)
                other->SetChecked(false);
        }
    }
    SyncWidget();
    if (checked && !Loading())
        Click();
}

void TRadioButton::Click()
{
    TQtWinControl::Click();
}

// ---- TRadioGroup

TRadioGroup::TRadioGroup(TComponent* owner) : TCustomControl(owner)
{
    SetParentColor(true);
    SetBounds(0, 0, 185, 105);
    items_.OnChange = [this] { RebuildButtons(); };
}

TRadioButton* TRadioGroup::Button(int index) const
{
    if (index < 0 || index >= static_cast<int>(buttons_.size()))
        return nullptr;
    return buttons_[static_cast<std::size_t>(index)];
}

void TRadioGroup::RebuildButtons()
{
    while (static_cast<int>(buttons_.size()) > items_.Count()) {
        Free(buttons_.back());
        buttons_.pop_back();
    }
    while (static_cast<int>(buttons_.size()) < items_.Count()) {
        auto* button = new TRadioButton(this);
        const int index = static_cast<int>(buttons_.size());
        button->OnClick = [this, index](TObject*) { ButtonClicked(index); };
        button->SetParent(this);
        buttons_.push_back(button);
    }
    updating_ = true;
    for (int i = 0; i < items_.Count(); ++i) {
        buttons_[static_cast<std::size_t>(i)]->SetCaption(items_.Strings(i));
        buttons_[static_cast<std::size_t>(i)]->SetChecked(i == itemIndex_);
    }
    updating_ = false;
    if (itemIndex_ >= items_.Count())
        itemIndex_ = -1;
    ArrangeButtons();
}

void TRadioGroup::ArrangeButtons()
{
    if (buttons_.empty())
        return;
    const int columns = std::max(1, columns_);
    const int rows = (static_cast<int>(buttons_.size()) + columns - 1) / columns;
    const int top = 16;
    const int height = std::max(1, ClientHeight() - top - 4);
    const int width = std::max(1, (ClientWidth() - 16) / columns);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const int column = static_cast<int>(i) / rows;
        const int row = static_cast<int>(i) % rows;
        buttons_[i]->SetBounds(8 + column * width, top + row * height / rows, width, std::max(17, height / rows));
    }
}

void TRadioGroup::ButtonClicked(int index)
{
    if (updating_)
        return;
    if (itemIndex_ == index)
        return;
    itemIndex_ = index;
    if (!Loading())
        TCustomControl::Click();
}

void TRadioGroup::SetItemIndex(int index)
{
    if (index < -1 || index >= items_.Count())
        index = -1;
    if (index == itemIndex_)
        return;
    itemIndex_ = index;
    updating_ = true;
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->SetChecked(static_cast<int>(i) == index);
    updating_ = false;
    if (!Loading())
        TCustomControl::Click();
}

void TRadioGroup::SetColumns(int columns)
{
    columns_ = std::clamp(columns, 1, 16);
    ArrangeButtons();
}

void TRadioGroup::Loaded()
{
    TCustomControl::Loaded();
    ArrangeButtons();
}

void TRadioGroup::Resize()
{
    TCustomControl::Resize();
    ArrangeButtons();
}

void TRadioGroup::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.Brush.SetStyle(bsSolid);
    canvas.Brush.SetColor(Color());
    canvas.FillRect(ClientRect());
    canvas.Font.Assign(Font());
    const int textHeight = canvas.TextHeight("0");
    TRect frame = Rect(0, textHeight / 2, ClientWidth(), ClientHeight());
    DrawEdge(canvas, frame, EDGE_ETCHED, BF_RECT);
    if (!Caption().empty()) {
        TRect text = Rect(8, 0, ClientWidth() - 8, textHeight);
        DrawText(canvas, Caption(), text, DT_SINGLELINE | DT_CALCRECT);
        canvas.FillRect(Rect(text.Left - 2, text.Top, text.Right + 2, text.Bottom));
        canvas.Brush.SetStyle(bsClear);
        DrawText(canvas, Caption(), text, DT_SINGLELINE);
    }
}

}  // namespace tarvelon
