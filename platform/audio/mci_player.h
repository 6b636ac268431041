#pragma once
// The multimedia command strings of the game's sound unit, carried out on a wave device:
//   open <file> type waveaudio alias <alias>     play <alias> [from 0]
//   stop <alias>                                  close <alias> | close all
// Every command answers an error code (0 = done) and never throws; a sound that cannot be played
// is skipped with its code. Without a sound output every command answers MCIERR_CANNOT_LOAD_DRIVER
// and nothing is played.
#include <cstdint>
#include <memory>
#include <set>
#include <string>

#include "platform/audio/wave_device.h"

namespace tarvelon {

enum : std::uint32_t {
    MCIERR_UNRECOGNIZED_KEYWORD = 259,
    MCIERR_UNRECOGNIZED_COMMAND = 261,
    MCIERR_INVALID_DEVICE_NAME = 263,
    MCIERR_CANNOT_LOAD_DRIVER = 266,
    MCIERR_MISSING_PARAMETER = 273,
    MCIERR_FILE_NOT_FOUND = 275,
    MCIERR_DUPLICATE_ALIAS = 289,
    MCIERR_INVALID_FILE = 296,
};

class TMciPlayer {
public:
    explicit TMciPlayer(std::unique_ptr<TWaveDevice> device);

    std::uint32_t SendCommand(const std::string& command);
    // The text of an error code ("" for 0).
    static std::string ErrorText(std::uint32_t code);

    TWaveDevice& Device() { return *device_; }

private:
    std::uint32_t Open(const std::string& arguments);
    std::uint32_t OnAlias(const std::string& verb, const std::string& arguments);

    std::unique_ptr<TWaveDevice> device_;
    std::set<std::string> aliases_;  // lower case
};

}  // namespace tarvelon
