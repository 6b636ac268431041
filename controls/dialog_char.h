#pragma once
// Alt + a letter: the form offers the typed character to its drawn buttons, and the button whose
// caption marks that letter with "&" acts on it.
#include <string>

namespace tarvelon {

class TWinControl;

// A drawn control that answers its caption's accelerator.
class TDialogCharControl {
public:
    // True when `character` is the control's accelerator and the control acted on it; altHeld
    // tells whether Alt was down when it was typed.
    virtual bool DialogChar(char32_t character, bool altHeld) = 0;

protected:
    ~TDialogCharControl() = default;
};

// Whether the focused control of `control`'s form is a push button other than `control`: a
// focused push button takes Enter itself, before the form's default button.
bool AnotherButtonHasFocus(const TWinControl* control);

// Watches the application's key presses once, offering Alt + a character to the form it was
// typed in.
void InstallAcceleratorFilter();

// Offers a typed character to the controls inside `parent`, depth first; true when one took it.
bool OfferDialogChar(TWinControl* parent, char32_t character, bool altHeld);

// Whether a typed character is the caption's accelerator, the character after a single "&"
// ("&Sair": s or S).
bool IsAccelerator(char32_t character, const std::string& caption);

}  // namespace tarvelon
