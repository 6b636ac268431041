#pragma once
// The screens layer takes over the program's seam (app/screen_seam.h): every screen registered, the
// shared background loaded, the title screen created as the main form (hidden, before any game is
// built), and the first screen of the opening shown through the navigator.
namespace tarvelon {

void InstallScreenLayer();

}  // namespace tarvelon
