#pragma once
// The smooth panel's and the smooth message dialog's classes and stored properties.
namespace tarvelon {
void RegisterSmoothPanelAndDialog();
}
