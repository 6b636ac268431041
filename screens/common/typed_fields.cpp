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

void RefuseInField(TEdit& field)
{
    // The last text the field kept: what a refused change puts back.
    auto kept = std::make_shared<std::string>(HoldsInRecords(field.Text()) ? field.Text() : std::string());
    TNotifyEvent own = field.OnChange;
    field.OnChange = [&field, kept, own](TObject* sender) {
        const std::string typed = field.Text();
        if (HoldsInRecords(typed)) {
            *kept = typed;
            if (own)
                own(sender);
            return;
        }
        // The caret goes back to where the refused characters began: the end of what both texts
        // share from their start (whole characters of the kept text).
        std::size_t same = 0;
        while (same < typed.size() && same < kept->size() && typed[same] == (*kept)[same])
            ++same;
        while (same > 0 && same < kept->size() && (static_cast<unsigned char>((*kept)[same]) & 0xC0) == 0x80)
            --same;
        field.SetText(*kept);
        field.SetSelStart(static_cast<int>(Utf8Length(std::string_view(*kept).substr(0, same))));
        ShowMessage(kCharacterNotHeldMessage);
    };
}

}  // namespace

void RefuseCharactersRecordsCannotHold(std::initializer_list<TEdit*> fields)
{
    for (TEdit* field : fields)
        if (field != nullptr)
            RefuseInField(*field);
}

}  // namespace tarvelon
