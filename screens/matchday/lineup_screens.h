#pragma once

namespace tarvelon {

// Registers the line-up screen (TForm87) over its stand-in.
void RegisterLineupScreens();

}  // namespace tarvelon
