#pragma once
// The program's start-up, the one routine the program and its tests run: the application object,
// the control packs known to the form reader, the rules started (core/services/rule_services.h:
// every rules service and every hook with its automatic answer), then the platform's own answers
// over the automatic ones (message boxes, the screen's size, sound through the multimedia
// commands) and the settings file's folder. The screens layer replaces the hooks of its dialogs
// afterwards.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace tarvelon {

class TMciPlayer;
class TWaveDevice;

// What the program keeps alive while it runs.
struct TProgramServices {
    std::unique_ptr<TMciPlayer> sound;
};

// Names the application and connects it to Qt (needs the QApplication).
void StartApplication();

// The class names of the rich-text controls, the drawn controls and the data grid made known to the
// form reader. Safe to call more than once.
void RegisterControlPacks();

// The platform's answers to core's hooks: the sound goes to `device` (Qt Multimedia's in the
// program), messages to the platform's message box, the screen's size is the screen's. The clock
// and every question to the player keep what was installed before.
TProgramServices InstallPlatformHooks(std::unique_ptr<TWaveDevice> device);

struct ProgramStart {
    std::unique_ptr<TWaveDevice> soundDevice;  // empty: no sound output
    std::optional<std::uint64_t> seed;         // a repeatable game (--seed); else the real clock seeds it
    std::string programFolder;                 // where tarvelon.ini lies (beside the program)
};

// The whole start-up, in the order above; needs the QApplication.
TProgramServices StartProgram(ProgramStart start);

}  // namespace tarvelon
