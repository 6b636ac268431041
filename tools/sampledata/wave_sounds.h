#pragma once
// The seven match sounds, synthesised as 16-bit mono PCM wave files: whistles, a crowd's roar on a
// goal, its groan on a goal against, the worried murmur of an injury.
#include <string>
#include <vector>

#include "tools/sampledata/sample_random.h"

namespace tarvelon::sampledata {

inline constexpr int kSoundRate = 22050;

struct WaveFile {
    std::string path;   // as the game opens it: "sons/gol1.wav", ...
    std::string bytes;  // the whole RIFF file
};

std::vector<WaveFile> MakeGameSounds(const SampleRandom& random);

// A RIFF/WAVE file of 16-bit mono samples at kSoundRate.
std::string EncodeWave(const std::vector<double>& samples);

}  // namespace tarvelon::sampledata
