#include "screens/common/form_references.h"

#include "screens/common/game_form.h"

namespace tarvelon {

TFormRef<TGameForm> Form1;
TFormRef<TGameForm> Form13;
TFormRef<TGameForm> Form46;
TFormRef<TGameForm> Form67;
TFormRef<TGameForm> Form75;
TFormRef<TGameForm> Form87;
TFormRef<TGameForm> Form88;

TFormRef<TGameForm>* FormReferenceOf(const std::string& formClass)
{
    struct Entry {
        const char* formClass;
        TFormRef<TGameForm>* reference;
    };
    static const Entry entries[] = {
        {"TForm1", &Form1},   {"TForm13", &Form13}, {"TForm46", &Form46}, {"TForm67", &Form67},
        {"TForm75", &Form75}, {"TForm87", &Form87}, {"TForm88", &Form88},
    };
    for (const Entry& entry : entries)
        if (formClass == entry.formClass)
            return entry.reference;
    return nullptr;
}

}  // namespace tarvelon
