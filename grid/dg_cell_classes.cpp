// The cell classes: each keeps one native value and converts to and from the others.
#include "core/basics/rounding.h"
#include "grid/dg_cells.h"
#include "grid/dg_columns.h"

namespace tarvelon {

namespace {

// ASCII lower case, as the boolean cell compares its text with "true".
std::string LowerAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

}  // namespace

// ---- TCell ----

TCell::TCell(TCells* owner) : owner_(owner) {}

TColor TCell::GetDrawColor()
{
    if (owner_->CellColorQuery)
        return owner_->CellColorQuery(owner_->CurrentCol(), owner_->CurrentRow());
    return color_;
}

TColor TCell::GetDrawTextColor()
{
    if (owner_->CellTextColorQuery)
        return owner_->CellTextColorQuery(owner_->CurrentCol(), owner_->CurrentRow());
    return clWindowText;
}

void TCell::Changed() { owner_->CellChanged(); }
void TCell::SetAsBoolean(bool) { Changed(); }
void TCell::SetAsDateTime(TDateTime) { Changed(); }
void TCell::SetAsFloat(double) { Changed(); }
void TCell::SetAsInteger(std::int32_t) { Changed(); }
void TCell::SetAsString(const std::string&) { Changed(); }
void TCell::Clear() { Changed(); }

void TCell::SetColor(TColor color)
{
    color_ = color;
    if (!(Flags & QuietFlag))
        Changed();
}

void TCell::SetHint(const std::string& hint)
{
    hint_ = hint;
    if (!(Flags & QuietFlag))
        Changed();
}

// ---- TStringCell ----

bool TStringCell::AsBoolean() const { return StrToBool(value_); }
TDateTime TStringCell::AsDateTime() const { return value_.empty() ? 0 : StrToDateTime(value_); }
double TStringCell::AsFloat() const { return StrToFloat(value_); }
std::int32_t TStringCell::AsInteger() const { return StrToInt(value_); }

void TStringCell::SetAsBoolean(bool value)
{
    value_ = BoolToStr(value);
    TCell::SetAsBoolean(value);
}

void TStringCell::SetAsDateTime(TDateTime value)
{
    value_ = DateTimeToStr(value);
    TCell::SetAsDateTime(value);
}

void TStringCell::SetAsFloat(double value)
{
    value_ = FloatToStr(value);
    TCell::SetAsFloat(value);
}

void TStringCell::SetAsInteger(std::int32_t value)
{
    value_ = IntToStr(value);
    TCell::SetAsInteger(value);
}

void TStringCell::SetAsString(const std::string& value)
{
    value_ = value;
    TCell::SetAsString(value);
}

void TStringCell::Clear()
{
    value_.clear();
    TCell::Clear();
}

// ---- TIntegerCell ----

void TIntegerCell::SetAsBoolean(bool value)
{
    value_ = value ? 1 : 0;
    TCell::SetAsBoolean(value);
}

void TIntegerCell::SetAsDateTime(TDateTime value)
{
    value_ = 0;  // an integer cell keeps no date
    TCell::SetAsDateTime(value);
}

void TIntegerCell::SetAsFloat(double value)
{
    value_ = RoundToInt32(value);
    TCell::SetAsFloat(value);
}

void TIntegerCell::SetAsInteger(std::int32_t value)
{
    value_ = value;
    TCell::SetAsInteger(value);
}

void TIntegerCell::SetAsString(const std::string& value)
{
    value_ = value.empty() ? 0 : StrToInt(value);
    TCell::SetAsString(value);
}

void TIntegerCell::Clear()
{
    value_ = 0;
    TCell::Clear();
}

// ---- TFloatCell ----

std::int32_t TFloatCell::AsInteger() const { return RoundToInt32(value_); }

void TFloatCell::SetAsBoolean(bool value)
{
    value_ = 0;  // a float cell keeps no boolean
    TCell::SetAsBoolean(value);
}

void TFloatCell::SetAsDateTime(TDateTime value)
{
    value_ = value;
    TCell::SetAsDateTime(value);
}

void TFloatCell::SetAsFloat(double value)
{
    value_ = value;
    TCell::SetAsFloat(value);
}

void TFloatCell::SetAsInteger(std::int32_t value)
{
    value_ = value;
    TCell::SetAsInteger(value);
}

void TFloatCell::SetAsString(const std::string& value)
{
    value_ = StrToFloat(value);
    TCell::SetAsString(value);
}

void TFloatCell::Clear()
{
    value_ = 0;
    TCell::Clear();
}

// ---- TDateTimeCell ----

void TDateTimeCell::SetAsBoolean(bool value)
{
    value_ = Date();  // whatever the boolean, the cell takes today's date
    TCell::SetAsBoolean(value);
}

void TDateTimeCell::SetAsString(const std::string& value)
{
    value_ = value.empty() ? 0 : StrToDateTimeDef(value, 0);
    TCell::SetAsString(value);
}

// ---- TBooleanCell ----

void TBooleanCell::SetAsBoolean(bool value)
{
    value_ = value;
    TCell::SetAsBoolean(value);
}

void TBooleanCell::SetAsDateTime(TDateTime value)
{
    value_ = false;
    TCell::SetAsDateTime(value);
}

void TBooleanCell::SetAsFloat(double value)
{
    value_ = value != 0;
    TCell::SetAsFloat(value);
}

void TBooleanCell::SetAsInteger(std::int32_t value)
{
    value_ = value != 0;
    TCell::SetAsInteger(value);
}

void TBooleanCell::SetAsString(const std::string& value)
{
    value_ = value == "1" || LowerAscii(value) == "true";
    TCell::SetAsString(value);
}

void TBooleanCell::Clear()
{
    value_ = false;
    TCell::Clear();
}

// ---- TIncrementCell ----

std::int32_t TIncrementCell::Number() const { return Owner()->CurrentRow() + 1; }

// ---- TGuidCell ----

TGuidCell::TGuidCell(TCells* owner) : TTextBackedCell(owner), value_(CreateGuid()) {}

void TGuidCell::SetAsString(const std::string& value)
{
    value_ = StringToGUID(value);
    TCell::SetAsString(value);
}

// ---- TVirtualCell ----

TVirtualCell::TVirtualCell(TCells* owner, TDgCustomColumn* column) : TTextBackedCell(owner), column_(column) {}

std::string TVirtualCell::AsString() const
{
    return column_->GetVirtualText(Owner()->CurrentCol(), Owner()->CurrentRow());
}

void TVirtualCell::SetAsString(const std::string& value)
{
    column_->SetVirtualText(Owner()->CurrentCol(), Owner()->CurrentRow(), value);
    TCell::SetAsString(value);
}

}  // namespace tarvelon
