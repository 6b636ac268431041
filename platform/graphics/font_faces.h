#pragma once
// The faces the game names and the installed faces that take their place.
#include <string>

namespace tarvelon {

// Installed family for a face name: Arial, Times New Roman and Courier New go to the Liberation
// faces of the same metrics; Tahoma, Verdana, Segoe UI, Arial Black and Symbol to DejaVu Sans;
// an installed face keeps its name; any other name goes to Liberation Sans. Names compare
// without regard to case.
std::string ResolveFontFamily(const std::string& faceName);

// True for the faces the game names and for installed faces.
bool IsKnownFace(const std::string& faceName);

// True for the faces drawn heavier than bold (Arial Black).
bool IsBlackFace(const std::string& faceName);

}  // namespace tarvelon
