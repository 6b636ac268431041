#pragma once
// TColorDialog: the colour chooser; Execute shows it at Color and keeps the chosen colour when the
// user confirms. Tests answer it with SetColorDialogAnswerer.
#include <functional>
#include <optional>

#include "platform/forms/component.h"
#include "platform/graphics/color.h"

namespace tarvelon {

class TColorDialog : public TComponent {
public:
    explicit TColorDialog(TComponent* owner) : TComponent(owner) {}
    std::string ClassName() const override { return "TColorDialog"; }

    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; }
    // True when the user chose a colour (then in Color).
    bool Execute();

private:
    TColor color_ = clBlack;
};

// A test's answer: the chosen colour, or nothing for Cancel.
using TColorDialogAnswerer = std::function<std::optional<TColor>(TColor initial)>;
void SetColorDialogAnswerer(TColorDialogAnswerer answerer);

}  // namespace tarvelon
