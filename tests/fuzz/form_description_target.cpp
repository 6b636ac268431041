// Stored form descriptions: input = the description's text. It is read and the form built with every
// control pack registered; whatever the text, every problem is reported with the file and a line of
// it, and the form that is built can be freed.
#include <algorithm>

#include "controls/controls_registration.h"
#include "grid/dg_grid_control_registration.h"
#include "grid/dg_grid_registration.h"
#include "platform/dfm/stored_form.h"
#include "richtext/html_controls_registration.h"
#include "tests/fuzz/fuzz_target.h"

namespace {

void RegisterEveryControlPack()
{
    using namespace tarvelon;
    RegisterRichTextControls();
    RegisterDataGridClasses();
    RegisterGridControlProperties();
    RegisterDrawnControls();
}

}  // namespace

TARVELON_FUZZ_TARGET(form_description)
{
    using namespace tarvelon;
    fuzz::EnsureApplication();
    static const bool registered = (RegisterEveryControlPack(), true);
    (void)registered;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
    auto* form = new TStoredForm(nullptr);
    const TReadResult& result = form->ReadDescriptionText(text, "TFuzz.dfm");
    for (const TDfmError& error : result.errors) {
        fuzz::Expect(error.file == "TFuzz.dfm", "a problem names the description's file");
        fuzz::Expect(error.line >= 1 && error.line <= lines, "a problem names a line of the description");
    }
    Free(form);
}
