// Stored form descriptions: input = the description's text. It is read and the form built with every
// control pack registered; whatever the text, every problem is reported with the file and a line of
// it, and the form that is built can be freed. The text is first parsed on a thread with a small
// stack, so that nesting without a limit shows as a crash in any build, sanitized or not.
#include <pthread.h>

#include <algorithm>

#include "controls/controls_registration.h"
#include "grid/dg_grid_control_registration.h"
#include "grid/dg_grid_registration.h"
#include "platform/dfm/dfm_parser.h"
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

// Enough for the hundred levels the parser allows in a sanitized build; far too little for the
// thousands of levels of the kept inputs.
constexpr std::size_t kParserStack = 1024 * 1024;

void* ParseAlone(void* text)
{
    tarvelon::TDfmObject root;
    tarvelon::TDfmError error;
    tarvelon::ParseDfm(*static_cast<const std::string*>(text), "TFuzz.dfm", root, error);
    return nullptr;
}

void ParseOnASmallStack(const std::string& text)
{
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, kParserStack);
    pthread_t thread;
    const bool started = pthread_create(&thread, &attributes, ParseAlone, const_cast<std::string*>(&text)) == 0;
    pthread_attr_destroy(&attributes);
    tarvelon::fuzz::Expect(started, "the parser's thread starts");
    if (started)
        pthread_join(thread, nullptr);
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
    ParseOnASmallStack(text);
    auto* form = new TStoredForm(nullptr);
    const TReadResult& result = form->ReadDescriptionText(text, "TFuzz.dfm");
    for (const TDfmError& error : result.errors) {
        fuzz::Expect(error.file == "TFuzz.dfm", "a problem names the description's file");
        fuzz::Expect(error.line >= 1 && error.line <= lines, "a problem names a line of the description");
    }
    Free(form);
}
