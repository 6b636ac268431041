#include "platform/stdctrls/lists.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleFactory>
#include <algorithm>

#include "platform/forms/text_utils.h"

namespace tarvelon {

namespace {

// The application's style, except that a drop-down list drops below its box and shows at most
// DropDownCount items with a scroll bar, as the game's lists always did: the style's own pop-up
// over the box would stretch a list of a thousand clubs over the whole screen.
class TDropDownListStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QStyle* DropDownListStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new TDropDownListStyle(QStyleFactory::create(QApplication::style()->name()));
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

}  // namespace

// ---- TListBox

TListBox::TListBox(TComponent* owner) : TQtWinControl(owner)
{
    clickEvents_ = false;  // OnClick is a change of the chosen item
    SetTabStop(true);
    SetBounds(0, 0, 121, 97);
    items_.OnChange = [this] { ItemsChanged(); };
}

QWidget* TListBox::CreateWidget(QWidget* parentWidget)
{
    auto* list = new QListWidget(parentWidget);
    QObject::connect(list, &QListWidget::itemSelectionChanged, list, [this] { WidgetSelectionChanged(); });
    QObject::connect(list, &QListWidget::currentRowChanged, list, [this] { WidgetSelectionChanged(); });
    return list;
}

QListWidget* TListBox::List() const
{
    return qobject_cast<QListWidget*>(ExistingWidget());
}

void TListBox::SyncWidget()
{
    TQtWinControl::SyncWidget();
    QListWidget* list = List();
    ForwardInput(list->viewport());
    syncing_ = true;
    list->clear();
    list->setSelectionMode(multiSelect_ ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
    for (int i = 0; i < items_.Count(); ++i)
        list->addItem(ToQString(items_.Strings(i)));
    for (int i = 0; i < items_.Count(); ++i)
        list->item(i)->setSelected(Selected(i));
    list->setCurrentRow(itemIndex_, multiSelect_ ? QItemSelectionModel::NoUpdate : QItemSelectionModel::ClearAndSelect);
    syncing_ = false;
}

void TListBox::ItemsChanged()
{
    selected_.assign(static_cast<std::size_t>(items_.Count()), false);
    if (itemIndex_ >= items_.Count())
        itemIndex_ = -1;
    if (itemIndex_ >= 0)
        selected_[static_cast<std::size_t>(itemIndex_)] = true;
    if (List())
        SyncWidget();
}

void TListBox::WidgetSelectionChanged()
{
    if (syncing_)
        return;
    QListWidget* list = List();
    const int before = itemIndex_;
    const std::vector<bool> selectedBefore = selected_;
    itemIndex_ = list->currentRow();
    selected_.assign(static_cast<std::size_t>(items_.Count()), false);
    for (int i = 0; i < items_.Count() && i < list->count(); ++i)
        selected_[static_cast<std::size_t>(i)] = list->item(i)->isSelected();
    // Qt tells of the selection and of the current row separately: one choice is one click.
    if (before != itemIndex_ || (multiSelect_ && selectedBefore != selected_))
        Click();
}

void TListBox::SetItemIndex(int index)
{
    if (index < -1 || index >= items_.Count())
        index = -1;
    itemIndex_ = index;
    if (!multiSelect_)
        selected_.assign(static_cast<std::size_t>(items_.Count()), false);
    if (index >= 0)
        selected_[static_cast<std::size_t>(index)] = true;
    if (List())
        SyncWidget();
}

void TListBox::SetMultiSelect(bool multiSelect)
{
    multiSelect_ = multiSelect;
    if (List())
        SyncWidget();
}

bool TListBox::Selected(int index) const
{
    return index >= 0 && index < static_cast<int>(selected_.size()) && selected_[static_cast<std::size_t>(index)];
}

void TListBox::SetSelected(int index, bool selected)
{
    if (index < 0 || index >= static_cast<int>(selected_.size()))
        return;
    if (!multiSelect_) {
        SetItemIndex(selected ? index : (index == itemIndex_ ? -1 : itemIndex_));
        return;
    }
    selected_[static_cast<std::size_t>(index)] = selected;
    if (List())
        SyncWidget();
}

int TListBox::SelCount() const
{
    return static_cast<int>(std::count(selected_.begin(), selected_.end(), true));
}

int TListBox::TopIndex() const
{
    QListWidget* list = List();
    if (!list)
        return 0;
    const QModelIndex index = list->indexAt(QPoint(2, 2));
    return index.isValid() ? index.row() : 0;
}

void TListBox::SetTopIndex(int index)
{
    if (QListWidget* list = List(); list && index >= 0 && index < list->count())
        list->scrollToItem(list->item(index), QAbstractItemView::PositionAtTop);
}

int TListBox::ItemHeight() const
{
    QListWidget* list = List();
    if (!list || list->count() == 0)
        return 13;
    return list->visualItemRect(list->item(0)).height();
}

int TListBox::ItemAtPos(TPoint point) const
{
    QListWidget* list = const_cast<TListBox*>(this)->List();
    if (!list)
        return -1;
    const QPoint inViewport = list->viewport()->mapFrom(list, QPoint(point.X, point.Y));
    const QModelIndex index = list->indexAt(inViewport);
    return index.isValid() ? index.row() : -1;
}

// ---- TComboBox

TComboBox::TComboBox(TComponent* owner) : TQtWinControl(owner)
{
    clickEvents_ = false;  // OnClick is the user's choice of an item
    SetTabStop(true);
    SetBounds(0, 0, 145, 21);
    items_.OnChange = [this] { ItemsChanged(); };
}

QWidget* TComboBox::CreateWidget(QWidget* parentWidget)
{
    auto* combo = new QComboBox(parentWidget);
    combo->setStyle(DropDownListStyle());
    QObject::connect(combo, &QComboBox::activated, combo, [this](int index) { UserChose(index); });
    return combo;
}

QComboBox* TComboBox::Combo() const
{
    return qobject_cast<QComboBox*>(ExistingWidget());
}

QIcon TComboBox::ItemIcon(int) const
{
    return QIcon();
}

QSize TComboBox::IconSize() const
{
    return QSize(16, 16);
}

void TComboBox::SyncWidget()
{
    TQtWinControl::SyncWidget();
    QComboBox* combo = Combo();
    syncing_ = true;
    const QSignalBlocker blocker(combo);
    const bool editable = style_ == csDropDown || style_ == csSimple;
    combo->setEditable(editable);
    combo->clear();
    combo->setIconSize(IconSize());
    for (int i = 0; i < items_.Count(); ++i)
        combo->addItem(ItemIcon(i), ToQString(items_.Strings(i)));
    combo->setMaxVisibleItems(std::max(1, dropDownCount_));
    combo->setCurrentIndex(itemIndex_);
    if (editable) {
        combo->setEditText(ToQString(Text()));
        if (QLineEdit* edit = combo->lineEdit()) {
            edit->setMaxLength(maxLength_ > 0 ? maxLength_ : 32767);
            QObject::disconnect(edit, &QLineEdit::textEdited, nullptr, nullptr);
            QObject::connect(edit, &QLineEdit::textEdited, edit, [this](const QString& text) { UserTyped(text); });
        }
        ListenToInnerEditors();
    }
    syncing_ = false;
}

void TComboBox::ItemsChanged()
{
    if (itemIndex_ >= items_.Count())
        itemIndex_ = -1;
    if (Combo())
        SyncWidget();
}

void TComboBox::UserChose(int index)
{
    if (syncing_)
        return;
    itemIndex_ = index;
    syncing_ = true;
    TControl::SetText(items_.Strings(index));
    syncing_ = false;
    Click();
    if (OnSelect)
        OnSelect(this);
    else if (OnChange)
        OnChange(this);
}

void TComboBox::UserTyped(const QString& text)
{
    syncing_ = true;
    TControl::SetText(FromQString(text));
    itemIndex_ = items_.IndexOf(Text());
    syncing_ = false;
    if (OnChange)
        OnChange(this);
}

void TComboBox::TextChanged()
{
    TQtWinControl::TextChanged();
    if (syncing_)
        return;
    // Text set in code: the item of that text is chosen (a list-only combo shows nothing else).
    itemIndex_ = items_.IndexOf(Text());
    if (Combo())
        SyncWidget();
}

void TComboBox::SetItemIndex(int index)
{
    if (index < -1 || index >= items_.Count())
        index = -1;
    itemIndex_ = index;
    syncing_ = true;
    TControl::SetText(index >= 0 ? items_.Strings(index) : std::string());
    syncing_ = false;
    if (Combo())
        SyncWidget();
}

void TComboBox::SetStyle(TComboBoxStyle style)
{
    style_ = style;
    if (Combo())
        SyncWidget();
}

void TComboBox::SetDropDownCount(int count)
{
    dropDownCount_ = count;
    if (Combo())
        Combo()->setMaxVisibleItems(std::max(1, count));
}

void TComboBox::SetMaxLength(int maxLength)
{
    maxLength_ = std::max(0, maxLength);
    if (Combo())
        SyncWidget();
}

bool TComboBox::DroppedDown() const
{
    QComboBox* combo = Combo();
    return combo && combo->view()->isVisible();
}

void TComboBox::SetDroppedDown(bool down)
{
    QComboBox* combo = qobject_cast<QComboBox*>(Widget());
    if (down) {
        if (OnDropDown)
            OnDropDown(this);
        combo->showPopup();
    } else {
        combo->hidePopup();
        if (OnCloseUp)
            OnCloseUp(this);
    }
}

void TComboBox::Clear()
{
    items_.Clear();
    SetItemIndex(-1);
}

// ---- TComboBoxEx

TComboBoxEx::TComboBoxEx(TComponent* owner) : TComboBox(owner)
{
    SetStyle(csDropDownList);
}

TComboBoxEx::~TComboBoxEx()
{
    SetImages(nullptr);
}

void TComboBoxEx::SetImages(TCustomImageList* images)
{
    if (images_)
        images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_)
        images_->FreeNotification(this);
    if (Combo())
        SyncWidget();
}

void TComboBoxEx::Notification(TComponent* component, TOperation operation)
{
    TComboBox::Notification(component, operation);
    if (operation == opRemove && component == images_) {
        images_ = nullptr;
        if (Combo())
            SyncWidget();
    }
}

int TComboBoxEx::AddItem(const std::string& caption, int imageIndex, TObject* data)
{
    const int index = Items().Count();
    imageIndexes_.resize(static_cast<std::size_t>(index), -1);
    imageIndexes_.push_back(imageIndex);
    Items().Insert(index, caption, data);
    return index;
}

int TComboBoxEx::ImageIndex(int index) const
{
    if (index < 0 || index >= static_cast<int>(imageIndexes_.size()) || index >= const_cast<TComboBoxEx*>(this)->Items().Count())
        return -1;
    return imageIndexes_[static_cast<std::size_t>(index)];
}

void TComboBoxEx::SetImageIndex(int index, int imageIndex)
{
    if (index < 0 || index >= Items().Count())
        return;
    imageIndexes_.resize(static_cast<std::size_t>(Items().Count()), -1);
    imageIndexes_[static_cast<std::size_t>(index)] = imageIndex;
    if (Combo())
        SyncWidget();
}

TObject* TComboBoxEx::ItemData(int index) const
{
    return const_cast<TComboBoxEx*>(this)->Items().Objects(index);
}

void TComboBoxEx::SetItemsEx(const std::vector<TComboExItem>& items)
{
    Items().BeginUpdate();
    Items().Clear();
    imageIndexes_.clear();
    for (const TComboExItem& item : items)
        AddItem(item.Caption, item.ImageIndex, item.Data);
    Items().EndUpdate();
}

QIcon TComboBoxEx::ItemIcon(int index) const
{
    const int image = ImageIndex(index);
    if (!images_ || image < 0 || image >= images_->Count())
        return QIcon();
    return QIcon(QPixmap::fromImage(images_->Image(image)));
}

QSize TComboBoxEx::IconSize() const
{
    return images_ ? QSize(images_->Width(), images_->Height()) : QSize(16, 16);
}

}  // namespace tarvelon
