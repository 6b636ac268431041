#pragma once
// Answering a screen's smooth message dialog from inside its modal loop, with the modal driver's
// deadline (a dialog that never shows, or stays, fails the test instead of hanging it).
#include <functional>
#include <utility>

#include "controls/dc_smooth_message_dialog.h"
#include "tests/platform/modal_driver.h"

namespace tarvelon::test {

// Runs `steps` on the window of `dialog` once it shows.
inline void AnswerSmoothDialog(TDcSmoothMessageDialog& dialog, std::function<void(TDcSmoothMessageDialogForm&)> steps)
{
    AnswerFound<TDcSmoothMessageDialogForm>(
        [&dialog]() -> TDcSmoothMessageDialogForm* {
            TDcSmoothMessageDialogForm* form = dialog.DialogForm();
            return form && form->Visible() ? form : nullptr;
        },
        std::move(steps), "smooth message dialog " + dialog.Name());
}

}  // namespace tarvelon::test
