#include "platform/stdctrls/list_view.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <algorithm>

#include "platform/forms/text_utils.h"

namespace tarvelon {
namespace {

Qt::Alignment QtAlignment(TAlignment alignment)
{
    switch (alignment) {
    case taRightJustify: return Qt::AlignRight | Qt::AlignVCenter;
    case taCenter: return Qt::AlignHCenter | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

}  // namespace

// ---- columns

void TListColumn::SetCaption(const std::string& caption)
{
    caption_ = caption;
    owner_->ColumnsChanged();
}

void TListColumn::SetWidth(int width)
{
    width_ = std::max(0, width);
    owner_->ColumnsChanged();
}

void TListColumn::SetAlignment(TAlignment alignment)
{
    alignment_ = alignment;
    owner_->ColumnsChanged();
}

int TListColumn::Index() const
{
    return owner_->Columns().IndexOf(this);
}

TListColumn* TListColumns::Add()
{
    columns_.push_back(std::make_unique<TListColumn>(owner_));
    owner_->ColumnsChanged();
    return columns_.back().get();
}

TListColumn* TListColumns::Items(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return columns_[static_cast<std::size_t>(index)].get();
}

void TListColumns::Clear()
{
    columns_.clear();
    owner_->ColumnsChanged();
}

int TListColumns::IndexOf(const TListColumn* column) const
{
    for (int i = 0; i < Count(); ++i) {
        if (columns_[static_cast<std::size_t>(i)].get() == column)
            return i;
    }
    return -1;
}

// ---- items

TListItem::TListItem(TListView* owner) : owner_(owner)
{
    subItems_.OnChange = [this] { owner_->ItemChanged(this); };
}

void TListItem::SetCaption(const std::string& caption)
{
    caption_ = caption;
    owner_->ItemChanged(this);
}

void TListItem::SetImageIndex(int index)
{
    imageIndex_ = index;
    owner_->ItemChanged(this);
}

int TListItem::SubItemImage(int subItem) const
{
    return subItem >= 0 && subItem < static_cast<int>(subItemImages_.size()) ? subItemImages_[static_cast<std::size_t>(subItem)] : -1;
}

void TListItem::SetSubItemImage(int subItem, int index)
{
    if (subItem < 0)
        return;
    if (subItem >= static_cast<int>(subItemImages_.size()))
        subItemImages_.resize(static_cast<std::size_t>(subItem) + 1, -1);
    subItemImages_[static_cast<std::size_t>(subItem)] = index;
    owner_->ItemChanged(this);
}

bool TListItem::Selected() const
{
    return owner_->Selected() == this;
}

void TListItem::SetSelected(bool selected)
{
    if (selected)
        owner_->SetSelected(this);
    else if (Selected())
        owner_->SetSelected(nullptr);
}

int TListItem::Index() const
{
    return owner_->Items().IndexOf(this);
}

void TListItem::MakeVisible()
{
    owner_->ScrollToItem(this);
}

TListItem* TListItems::Add()
{
    return Insert(Count());
}

TListItem* TListItems::Insert(int index)
{
    index = std::clamp(index, 0, Count());
    auto place = items_.insert(items_.begin() + index, std::make_unique<TListItem>(owner_));
    owner_->ItemsChanged();
    return place->get();
}

TListItem* TListItems::Item(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return items_[static_cast<std::size_t>(index)].get();
}

void TListItems::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    std::unique_ptr<TListItem> removed = std::move(items_[static_cast<std::size_t>(index)]);
    items_.erase(items_.begin() + index);
    owner_->ItemRemoved(removed.get());
    owner_->ItemsChanged();
}

void TListItems::Clear()
{
    if (items_.empty())
        return;
    owner_->ItemRemoved(nullptr);
    items_.clear();
    owner_->ItemsChanged();
}

int TListItems::IndexOf(const TListItem* item) const
{
    for (int i = 0; i < Count(); ++i) {
        if (items_[static_cast<std::size_t>(i)].get() == item)
            return i;
    }
    return -1;
}

void TListItems::BeginUpdate()
{
    owner_->BeginItemsUpdate();
}

void TListItems::EndUpdate()
{
    owner_->EndItemsUpdate();
}

// ---- the view

TListView::TListView(TComponent* owner) : TQtWinControl(owner), columns_(this), items_(this)
{
    clickEvents_ = true;
    SetTabStop(true);
    SetBounds(0, 0, 250, 150);
    SetWindowEdge(weSunken);
}

TListView::~TListView()
{
    SetSmallImages(nullptr);
}

QWidget* TListView::CreateWidget(QWidget* parentWidget)
{
    auto* tree = new QTreeWidget(parentWidget);
    tree->setRootIsDecorated(false);
    tree->setItemsExpandable(false);
    tree->setUniformRowHeights(true);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->header()->setSectionsMovable(false);
    tree->header()->setStretchLastSection(false);
    QObject::connect(tree, &QTreeWidget::currentItemChanged, tree, [this] { WidgetCurrentChanged(); });
    QObject::connect(tree->header(), &QHeaderView::sectionClicked, tree, [this](int section) {
        if (OnColumnClick && columns_.Items(section))
            OnColumnClick(this, columns_.Items(section));
    });
    return tree;
}

QTreeWidget* TListView::Tree() const
{
    return qobject_cast<QTreeWidget*>(ExistingWidget());
}

void TListView::SyncWidget()
{
    TQtWinControl::SyncWidget();
    ForwardInput(Tree()->viewport());
    SyncColumns();
    SyncRows();
}

void TListView::SyncColumns()
{
    QTreeWidget* tree = Tree();
    if (!tree)
        return;
    const int count = std::max(1, columns_.Count());
    tree->setColumnCount(count);
    QStringList captions;
    for (int i = 0; i < columns_.Count(); ++i)
        captions << ToQString(columns_.Items(i)->Caption());
    tree->setHeaderLabels(captions);
    tree->setHeaderHidden(!showColumnHeaders_ || columns_.Count() == 0);
    tree->header()->setMinimumSectionSize(0);
    for (int i = 0; i < columns_.Count(); ++i) {
        const TListColumn* column = columns_.Items(i);
        tree->setColumnHidden(i, column->Width() == 0);
        tree->setColumnWidth(i, column->Width());
        tree->headerItem()->setTextAlignment(i, QtAlignment(column->Alignment()));
    }
    tree->setAllColumnsShowFocus(rowSelect_);
    tree->setStyleSheet(gridLines_ ? QStringLiteral("QTreeView::item { border-right: 1px solid #d0d0d0; border-bottom: 1px solid #d0d0d0; }"
                                                    "QTreeView::item:selected { background: palette(highlight); color: palette(highlighted-text); }")
                                   : QString());
}

void TListView::FillRow(int row)
{
    QTreeWidget* tree = Tree();
    QTreeWidgetItem* line = tree->topLevelItem(row);
    TListItem* item = items_.Item(row);
    if (!line || !item)
        return;
    const int columns = std::max(1, columns_.Count());
    line->setText(0, ToQString(item->Caption()));
    for (int c = 1; c < columns; ++c)
        line->setText(c, ToQString(item->SubItems().Strings(c - 1)));
    for (int c = 0; c < columns_.Count(); ++c)
        line->setTextAlignment(c, QtAlignment(columns_.Items(c)->Alignment()));
    const auto iconOf = [this](int index) {
        return smallImages_ && index >= 0 && index < smallImages_->Count() ? QIcon(QPixmap::fromImage(smallImages_->Image(index)))
                                                                            : QIcon();
    };
    line->setIcon(0, iconOf(item->ImageIndex()));
    for (int c = 1; c < columns; ++c)
        line->setIcon(c, iconOf(item->SubItemImage(c - 1)));
}

void TListView::SyncRows()
{
    QTreeWidget* tree = Tree();
    if (!tree)
        return;
    syncing_ = true;
    tree->clear();
    if (smallImages_)
        tree->setIconSize(QSize(smallImages_->Width(), smallImages_->Height()));
    QList<QTreeWidgetItem*> lines;
    for (int i = 0; i < items_.Count(); ++i)
        lines << new QTreeWidgetItem();
    tree->addTopLevelItems(lines);
    for (int i = 0; i < items_.Count(); ++i)
        FillRow(i);
    const int selected = ItemIndex();
    tree->setCurrentItem(selected >= 0 ? tree->topLevelItem(selected) : nullptr);
    if (selected < 0)
        tree->clearSelection();
    syncing_ = false;
}

void TListView::ColumnsChanged()
{
    if (Tree()) {
        SyncColumns();
        SyncRows();
    }
}

void TListView::ItemsChanged()
{
    if (updating_ > 0) {
        pendingRows_ = true;
        return;
    }
    if (Tree())
        SyncRows();
    if (OnChange && !Loading())
        OnChange(this);
}

void TListView::ItemChanged(TListItem* item)
{
    if (updating_ > 0) {
        pendingRows_ = true;
        return;
    }
    if (Tree()) {
        const int row = items_.IndexOf(item);
        if (row >= 0 && row < Tree()->topLevelItemCount())
            FillRow(row);
    }
}

void TListView::EndItemsUpdate()
{
    if (updating_ > 0 && --updating_ == 0 && pendingRows_) {
        pendingRows_ = false;
        ItemsChanged();
    }
}

void TListView::ItemRemoved(TListItem* item)
{
    // null: every item goes
    if (selected_ && (!item || item == selected_))
        ChangeSelection(nullptr);
}

TListItem* TListView::Selected() const
{
    return selected_;
}

int TListView::ItemIndex() const
{
    return items_.IndexOf(selected_);
}

void TListView::SetItemIndex(int index)
{
    SetSelected(items_.Item(index));
}

void TListView::SetSelected(TListItem* item)
{
    ChangeSelection(item);
    if (QTreeWidget* tree = Tree()) {
        syncing_ = true;
        const int row = items_.IndexOf(item);
        tree->setCurrentItem(row >= 0 ? tree->topLevelItem(row) : nullptr);
        if (row < 0)
            tree->clearSelection();
        syncing_ = false;
    }
}

void TListView::ChangeSelection(TListItem* item)
{
    if (item == selected_)
        return;
    TListItem* previous = selected_;
    selected_ = item;
    if (previous && OnSelectItem)
        OnSelectItem(this, previous, false);
    if (item && OnSelectItem)
        OnSelectItem(this, item, true);
}

void TListView::WidgetCurrentChanged()
{
    if (syncing_)
        return;
    QTreeWidget* tree = Tree();
    const int row = tree->currentItem() ? tree->indexOfTopLevelItem(tree->currentItem()) : -1;
    ChangeSelection(items_.Item(row));
}

void TListView::SetRowSelect(bool rowSelect)
{
    rowSelect_ = rowSelect;
    SyncColumns();
}

void TListView::SetGridLines(bool gridLines)
{
    gridLines_ = gridLines;
    SyncColumns();
}

void TListView::SetShowColumnHeaders(bool show)
{
    showColumnHeaders_ = show;
    SyncColumns();
}

void TListView::SetSmallImages(TCustomImageList* images)
{
    if (smallImages_)
        smallImages_->RemoveFreeNotification(this);
    smallImages_ = images;
    if (smallImages_)
        smallImages_->FreeNotification(this);
    SyncRows();
}

void TListView::Notification(TComponent* component, TOperation operation)
{
    TQtWinControl::Notification(component, operation);
    if (operation == opRemove && component == smallImages_) {
        smallImages_ = nullptr;
        SyncRows();
    }
}

TListItem* TListView::GetItemAt(int x, int y) const
{
    QTreeWidget* tree = Tree();
    if (!tree)
        return nullptr;
    const QPoint inViewport = tree->viewport()->mapFrom(tree, QPoint(x + EdgeWidth(), y + EdgeWidth()));
    QTreeWidgetItem* line = tree->itemAt(inViewport);
    return line ? items_.Item(tree->indexOfTopLevelItem(line)) : nullptr;
}

void TListView::ScrollToItem(const TListItem* item)
{
    const int row = items_.IndexOf(item);
    if (QTreeWidget* tree = Tree(); tree && row >= 0 && row < tree->topLevelItemCount())
        tree->scrollToItem(tree->topLevelItem(row));
}

void TListView::AlphaSort()
{
    std::stable_sort(items_.items_.begin(), items_.items_.end(),
                     [this](const std::unique_ptr<TListItem>& a, const std::unique_ptr<TListItem>& b) {
                         int compare = 0;
                         if (OnCompare)
                             OnCompare(this, a.get(), b.get(), 0, compare);
                         else
                             compare = CompareTextNoCase(a->Caption(), b->Caption());
                         return compare < 0;
                     });
    ItemsChanged();
}

}  // namespace tarvelon
