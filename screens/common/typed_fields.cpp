#include "screens/common/typed_fields.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "core/basics/cp1252.h"
#include "core/basics/typed_text.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/message_box.h"

namespace tarvelon {

namespace {

using TTakes = bool (*)(std::string_view);

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The field keeps only texts it `takes`; any other change is undone and `refusal` shown.
void RefuseInField(TEdit& field, TTakes takes, const char* refusal)
{
    // The last text the field kept: what a refused change puts back.
    auto kept = std::make_shared<std::string>(takes(field.Text()) ? field.Text() : std::string());
    TNotifyEvent own = field.OnChange;
    field.OnChange = [&field, kept, own, takes, refusal](TObject* sender) {
        const std::string typed = field.Text();
        if (takes(typed)) {
            *kept = typed;
            if (own)
                own(sender);
            return;
        }
        // The change is undone as it was made: the caret goes back to where the refused characters
        // began, and a selection they replaced (the part of the kept text between what both texts
        // share at their start and at their end) is selected again, so that the next key still
        // replaces it.
        const std::string before = *kept;
        std::size_t same = 0;
        while (same < typed.size() && same < before.size() && typed[same] == before[same])
            ++same;
        while (same > 0 && same < before.size() && IsContinuationByte(before[same]))
            --same;
        std::size_t tail = 0;
        while (tail < typed.size() - same && tail < before.size() - same &&
               typed[typed.size() - 1 - tail] == before[before.size() - 1 - tail])
            ++tail;
        while (tail > 0 && IsContinuationByte(before[before.size() - tail]))
            --tail;
        const std::string_view replaced = std::string_view(before).substr(same, before.size() - same - tail);
        field.SetText(*kept);
        field.SetSelStart(static_cast<int>(Utf8Length(std::string_view(before).substr(0, same))));
        field.SetSelLength(static_cast<int>(Utf8Length(replaced)));
        ShowMessage(refusal);
    };
}

void RefuseInFields(std::initializer_list<TEdit*> fields, TTakes takes, const char* refusal)
{
    for (TEdit* field : fields)
        if (field != nullptr)
            RefuseInField(*field, takes, refusal);
}

}  // namespace

void RefuseCharactersRecordsCannotHold(std::initializer_list<TEdit*> fields)
{
    RefuseInFields(fields, HoldsInRecords, kCharacterNotHeldMessage);
}

void TakeOnlyDigits(std::initializer_list<TEdit*> fields) { RefuseInFields(fields, IsNumberBeingTyped, kOnlyDigitsMessage); }

}  // namespace tarvelon
