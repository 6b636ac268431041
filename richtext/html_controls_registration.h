#pragma once

namespace tarvelon {

// Registers TRichLabel, THTMLCheckBox and THTMLRadioButton with the class registry, so stored
// forms can name them. Safe to call more than once.
void RegisterRichTextControls();

}  // namespace tarvelon
