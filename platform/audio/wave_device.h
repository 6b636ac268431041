#pragma once
// The sound output behind the multimedia commands: short wave files loaded under an alias and
// played from their start. The program uses Qt Multimedia's; tests give a fake one.
#include <memory>
#include <string>

namespace tarvelon {

class TWaveDevice {
public:
    virtual ~TWaveDevice() = default;
    // Whether there is a sound output at all (a machine without one plays nothing).
    virtual bool Available() const = 0;
    // Loads a wave file under an alias; false when it cannot be played.
    virtual bool Open(const std::string& alias, const std::string& file) = 0;
    // Plays the alias's sound from its start (restarting it when it is playing).
    virtual bool Play(const std::string& alias) = 0;
    virtual void Stop(const std::string& alias) = 0;
    virtual void Close(const std::string& alias) = 0;
};

// Qt Multimedia's output (QSoundEffect per alias).
std::unique_ptr<TWaveDevice> CreateQtWaveDevice();

}  // namespace tarvelon
