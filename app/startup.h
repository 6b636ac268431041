#pragma once
// The program's start-up: the application object, and core's hooks filled with the platform's
// services (sound through the multimedia commands, the screen's size, message boxes, the real
// high-resolution clock).
#include <memory>

namespace tarvelon {

class TMciPlayer;
class TWaveDevice;

// What the program keeps alive while it runs.
struct TProgramServices {
    std::unique_ptr<TMciPlayer> sound;
};

// Names the application and connects it to Qt (needs the QApplication).
void StartApplication();

// Fills core's hooks; the sound goes to `device` (Qt Multimedia's in the program).
TProgramServices InstallCoreHooks(std::unique_ptr<TWaveDevice> device);

}  // namespace tarvelon
