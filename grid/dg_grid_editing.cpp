// Editing a cell or an input-line cell in place: choosing and placing the editor, its events,
// applying the value and ending the edit.
#include <QCoreApplication>
#include <QKeyEvent>
#include <QString>

#include "grid/dg_columns.h"
#include "grid/dg_custom_grid_control.h"
#include "grid/dg_edit.h"
#include "platform/forms/keys.h"

namespace tarvelon {

namespace {

bool ColumnCanEdit(TDgCustomColumn* column)
{
    return (column->GetEditState() & 1) != 0;
}

bool ColumnCanInput(TDgCustomColumn* column)
{
    return (column->GetEditState() & 2) != 0;
}

TDgCustomEdit* ColumnEditor(TDgCustomColumn* column)
{
    return column->InplaceEdit() != nullptr ? column->InplaceEdit() : column->Editor();
}

}  // namespace

TDgCustomColumn* TDgCustomGridControl::InputEditingColumn() const
{
    if (!InputEditing() || inputColumn_ < 0 || inputColumn_ >= columns_->Count())
        return nullptr;
    return columns_->Items(inputColumn_);
}

void TDgCustomGridControl::SetInplaceEdit(TDgCustomEdit* editor)
{
    inplaceEdit_ = editor;
    editor->OnChange = nullptr;
    editor->SetParent(this);
    suppressChange_ = true;
    editor->SetText("");
    suppressChange_ = false;
    editor->SetWantTabs(wantTabs_);
}

TDgCustomEdit* TDgCustomGridControl::ChooseEditor(TDgCustomColumn* column, bool forInput, const std::string& shown)
{
    if (column->InplaceEdit() != nullptr) {
        TDgCustomEdit* editor = column->InplaceEdit();
        SetInplaceEdit(editor);
        if (!options_.Contains(goInplaceEditEvents))
            AssignEditorEvents();
        return editor;
    }
    TDgCustomEdit* editor = column->Editor();
    SetInplaceEdit(editor);
    AssignEditorEvents();
    column->PrepareEditor();
    editor->SetBorderSingle(false);
    editor->SetColor(column->Color());
    editor->SetFont(column->Font());
    if (forInput)
        editor->Font().SetColor(column->Font().Color());
    // The column finishes with the value the edit starts from in the editor (a list-only combo
    // marks the item the cell shows).
    suppressChange_ = true;
    editor->SetText(shown);
    column->AfterEditorPrepared();
    suppressChange_ = false;
    editor->Invalidate();
    return editor;
}

void TDgCustomGridControl::AssignEditorEvents()
{
    if (inplaceEdit_ != nullptr)
        HookEditor(inplaceEdit_);
}

void TDgCustomGridControl::HookEditor(TDgCustomEdit* editor)
{
    editor->OnChange = [this](TObject*) {
        if (!suppressChange_ && inplaceEdit_ != nullptr)
            DoEdit(editCol_, editRow_, inplaceEdit_->Text());
    };
    auto focusChanged = [this](TObject*) {
        if (!Focused() && (inplaceEdit_ == nullptr || !inplaceEdit_->Focused()))
            Invalidate();
    };
    editor->OnEnter = focusChanged;
    editor->OnExit = focusChanged;
    editor->OnKeyDown = [this](TObject*, unsigned short& key, TShiftState shift) { EditorKeyDown(key, shift); };
    editor->OnKeyPress = [this](TObject*, char32_t& key) { EditorKeyPress(key); };
    editor->OnKeyUp = [this](TObject*, unsigned short& key, TShiftState shift) { EditorKeyUp(key, shift); };
}

void TDgCustomGridControl::EditorKeyDown(unsigned short& key, TShiftState shift)
{
    bool ctrl = (shift & ssCtrl) != 0;
    if (key == VK_TAB) {
        ApplyEditing();
        EndEditing();
    } else if (key == VK_RETURN && !ctrl && Editing() && !KeepsEnter()) {
        ApplyEditing();
        EndEditing();
        SetFocus();
    } else if (key == VK_RETURN && !ctrl && InputEditing()) {
        TDgCustomColumn* column = InputEditingColumn();
        ApplyEditing();
        AddInputRow();
        if (column != nullptr && inplaceEdit_ != nullptr) {
            suppressChange_ = true;
            inplaceEdit_->SetText(column->InputValue());
            suppressChange_ = false;
        }
    } else if (key == VK_ESCAPE) {
        if (options_.Contains(goEscClearEdit) && inplaceEdit_ != nullptr) {
            inplaceEdit_->SetText("");
        } else {
            EndEditing();
            SetFocus();
        }
    }
    PassEditorKeyDown(key, shift);
}

bool TDgCustomGridControl::KeepsEnter() const
{
    // A multi-line text takes Enter as a line break, and an open drop-down takes it as its choice.
    if (inplaceEdit_ != nullptr && inplaceEdit_->Dropped())
        return true;
    return editCol_ >= 0 && editCol_ < columns_->Count() && columns_->Items(editCol_)->IsMultiLine();
}

void TDgCustomGridControl::EditorKeyPress(char32_t& key)
{
    PassEditorKeyPress(key);
}

void TDgCustomGridControl::EditorKeyUp(unsigned short& key, TShiftState shift)
{
    PassEditorKeyUp(key, shift);
}

// ---- Starting an edit -----------------------------------------------------------------------------

bool TDgCustomGridControl::BeginCellEdit(int aCol, int aRow, bool withCellText)
{
    if (aCol < 0 || aCol >= columns_->Count() || aRow < 0 || aRow >= RowCount())
        return false;
    if (Editing() && editCol_ == aCol && editRow_ == aRow)
        return false;
    TDgCustomColumn* column = columns_->Items(aCol);
    if (!ColumnCanEdit(column) || readOnly_ || !CanEdit() || ColumnEditor(column) == nullptr)
        return false;
    if (!DoBeforeEdit(aCol, aRow))
        return false;
    ApplyEditing();
    EndEditing();
    stateFlags_ |= gfEditing;
    editCol_ = aCol;
    editRow_ = aRow;
    ChooseEditor(column, false, withCellText ? GetCellText(aCol, aRow) : std::string());
    return true;
}

void TDgCustomGridControl::EditCell(int aCol, int aRow, const std::string& text)
{
    if (!BeginCellEdit(aCol, aRow, text.empty()))
        return;
    std::string value = text.empty() ? GetCellText(aCol, aRow) : text;
    if (text.empty())
        suppressChange_ = true;
    DoApplyEditText(aCol, aRow, value);
    inplaceEdit_->SetText(value);
    suppressChange_ = false;
    UpdateEditorBounds();
    PlaceCaret(columns_->Items(aCol));
}

void TDgCustomGridControl::EditCellWithKey(int aCol, int aRow, char32_t key)
{
    if (!BeginCellEdit(aCol, aRow, false))
        return;
    UpdateEditorBounds();
    inplaceEdit_->SetFocus();
    TypeIntoEditor(key);
}

void TDgCustomGridControl::PlaceCaret(TDgCustomColumn* column)
{
    if (inplaceEdit_ == nullptr)
        return;
    if (column->Options().Contains(coEditorAutoSelect)) {
        inplaceEdit_->SelectAll();
    } else {
        inplaceEdit_->SetSelStart(static_cast<int>(QString::fromStdString(inplaceEdit_->Text()).size()));
        inplaceEdit_->SetSelLength(0);
    }
}

void TDgCustomGridControl::TypeIntoEditor(char32_t key)
{
    if (inplaceEdit_ == nullptr)
        return;
    // The typed character goes to the editor as a key of its own, so that the editor's filters
    // (maximum length, number characters) judge it.
    QString text = QString::fromUcs4(&key, 1);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QCoreApplication::sendEvent(inplaceEdit_->Widget(), &press);
    inplaceEdit_->SetSelStart(static_cast<int>(QString::fromStdString(inplaceEdit_->Text()).size()));
    inplaceEdit_->SetSelLength(0);
}

// ---- Input line -------------------------------------------------------------------------------

bool TDgCustomGridControl::BeginInputEdit(TDgCustomColumn* column)
{
    SetInputSelected(true);
    selectedColumn_ = column->Index();
    ApplyEditing();
    EndEditing();
    inputSelected_ = true;
    if (ColumnEditor(column) == nullptr)
        return false;
    if (!ColumnCanInput(column) || readOnly_)
        return false;
    stateFlags_ |= gfInputEditing;
    ChooseEditor(column, true, "");
    inputColumn_ = column->Index();
    editCol_ = -1;
    editRow_ = -1;
    return true;
}

void TDgCustomGridControl::EditInputCell(TDgCustomColumn* column, const std::string& text)
{
    if (column == nullptr || !BeginInputEdit(column))
        return;
    suppressChange_ = true;
    inplaceEdit_->SetText(text.empty() ? column->InputValue() : text);
    suppressChange_ = false;
    UpdateEditorBounds();
    PlaceCaret(column);
    DoInputSelectCell(column->Index());
}

void TDgCustomGridControl::EditInputCellWithKey(TDgCustomColumn* column, char32_t key)
{
    if (column == nullptr || !BeginInputEdit(column))
        return;
    UpdateEditorBounds();
    inplaceEdit_->SetFocus();
    TypeIntoEditor(key);
    DoInputSelectCell(column->Index());
}

void TDgCustomGridControl::AddInputRow()
{
    if (!DoInputAccept())
        return;
    AddRow(1);
    int row = RowCount() - 1;
    for (int i = 0; i < columns_->Count(); ++i) {
        TDgCustomColumn* column = columns_->Items(i);
        std::string value = column->InputValue().empty() ? column->DefaultValue() : column->InputValue();
        if (!value.empty())
            SetCellText(i, row, value);
        column->SetInputValue("");
    }
    DoInputAdded();
}

// ---- Applying and ending ----------------------------------------------------------------------

bool TDgCustomGridControl::ApplyEditing()
{
    if (inplaceEdit_ == nullptr)
        return false;
    if (Editing()) {
        std::string value = inplaceEdit_->Text();
        bool accept = DoEditAccept(editCol_, editRow_, value);
        if (RowCount() == 0 || editRow_ >= RowCount() || (editCol_ == -1 && editRow_ == -1))
            return false;
        if (!accept)
            return false;
        DoEditText(editCol_, editRow_, value);
        SetCellText(editCol_, editRow_, value);
        DoAfterEdit(editCol_, editRow_, value);
        return true;
    }
    if (InputEditing()) {
        if (TDgCustomColumn* column = InputEditingColumn())
            column->SetInputValue(inplaceEdit_->Text());
        return true;
    }
    return false;
}

void TDgCustomGridControl::EndEditing()
{
    bool cellEdit = Editing();
    if (inplaceEdit_ != nullptr) {
        inplaceEdit_->Hide();
        if (cellEdit)
            RedrawCell(editCol_, editRow_);
        else
            RedrawInputCell(inputColumn_);
    }
    stateFlags_ &= ~(gfEditing | gfInputEditing);
    editCol_ = -1;
    editRow_ = -1;
    inputColumn_ = -1;
    if (inplaceEdit_ != nullptr && cellEdit)
        DoEditExit();
    inplaceEdit_ = nullptr;
}

void TDgCustomGridControl::UpdateEditorBounds()
{
    if (inplaceEdit_ == nullptr || !columns_)
        return;
    TRect rect;
    if (Editing()) {
        if (editCol_ < 0 || editCol_ >= columns_->Count() || editRow_ < 0 || editRow_ >= RowCount())
            return;
        rect = GetCellRect(editCol_, editRow_);
        rect.Left += LineLeft();
        rect.Right -= LineRight();
        if (!options_.Contains(goGrid))
            rect.Bottom -= 1;
        int offset = 0;
        columns_->Items(editCol_)->TextOffset(RowLevel(editRow_), offset);
        rect.Left += offset;
        if (rect.Top < BodyRect().Top || editRow_ < topRow_) {
            inplaceEdit_->Hide();
            return;
        }
    } else if (InputEditing()) {
        rect = GetInputCellRect(columns_->Items(inputColumn_));
    } else {
        return;
    }
    inplaceEdit_->SetBoundsRect(rect);
    inplaceEdit_->Show();
    inplaceEdit_->Invalidate();
}

}  // namespace tarvelon
