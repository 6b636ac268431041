#pragma once
// Makes the drawn controls known to the form reader by their class names.
namespace tarvelon {

void RegisterDrawnControls();

}  // namespace tarvelon
