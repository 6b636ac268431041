#include "tools/sampledata/wave_sounds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/sound/sound.h"

namespace tarvelon::sampledata {

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr int kVoices = 16;

using Samples = std::vector<double>;

std::size_t SampleAt(double seconds) { return static_cast<std::size_t>(seconds * kSoundRate); }

void Reserve(Samples& out, double seconds)
{
    if (out.size() < SampleAt(seconds) + 1) {
        out.resize(SampleAt(seconds) + 1, 0.0);
    }
}

// Rises over `attack` seconds and falls over `release` seconds at the end.
double Envelope(double t, double length, double attack, double release)
{
    return std::clamp(std::min(t / attack, (length - t) / release), 0.0, 1.0);
}

double Noise(SampleRandom& random) { return random.Real() * 2.0 - 1.0; }

// A referee's pea whistle: a shrill tone rattled by the pea about 30 times a second.
void AddWhistle(Samples& out, double start, double length, double volume, SampleRandom& random)
{
    Reserve(out, start + length);
    double phase = 0.0;
    const double rattle = 28.0 + random.Below(6);
    for (std::size_t i = 0; i < SampleAt(length); ++i) {
        const double t = static_cast<double>(i) / kSoundRate;
        const double trill = std::sin(kTwoPi * rattle * t);
        phase += kTwoPi * (2950.0 + 80.0 * trill) / kSoundRate;
        const double tone = std::sin(phase) * 0.8 + std::sin(2 * phase) * 0.12 + Noise(random) * 0.08;
        out[SampleAt(start) + i] += volume * Envelope(t, length, 0.015, 0.04) * (0.65 + 0.35 * trill) * tone;
    }
}

// Many voices together: each a buzzing tone with a wandering pitch, under a wash of noise. `pitch`
// gives the voices' range, `fall` how far their pitch drops over the sound (a groan), `shape` the
// loudness over the sound (x from 0 to 1).
template <typename Shape>
void AddCrowd(Samples& out, double start, double length, double volume, double pitch, double fall, Shape shape,
              SampleRandom& random)
{
    Reserve(out, start + length);
    double base[kVoices], wobble[kVoices], phase[kVoices] = {};
    for (int v = 0; v < kVoices; ++v) {
        base[v] = pitch * (0.7 + 0.6 * random.Real());
        wobble[v] = 3.0 + 4.0 * random.Real();
    }
    double low = 0.0, lower = 0.0;
    const std::size_t count = SampleAt(length);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSoundRate;
        const double x = t / length;
        double voices = 0.0;
        for (int v = 0; v < kVoices; ++v) {
            const double f = base[v] * (1.0 - fall * x) * (1.0 + 0.02 * std::sin(kTwoPi * wobble[v] * t));
            phase[v] += kTwoPi * f / kSoundRate;
            voices += std::sin(phase[v]) + 0.4 * std::sin(2 * phase[v]) + 0.2 * std::sin(3 * phase[v]);
        }
        // Band-passed noise: the difference of two smoothings.
        const double noise = Noise(random);
        low += 0.35 * (noise - low);
        lower += 0.04 * (noise - lower);
        const double value = voices / kVoices * 0.6 + (low - lower) * 1.2;
        out[SampleAt(start) + i] += volume * shape(x) * Envelope(t, length, 0.02, 0.08) * value;
    }
}

std::string Le(std::uint32_t value, int bytes)
{
    std::string out;
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    return out;
}

Samples Goal(SampleRandom& random)
{
    Samples out;
    AddCrowd(out, 0.0, 3.0, 1.0, 420.0, -0.1, [](double x) { return std::min(1.0, x * 6) * (x > 0.6 ? (1 - x) / 0.4 : 1.0) + 0.1; }, random);
    return out;
}

Samples GoalAgainst(SampleRandom& random)
{
    Samples out;
    AddCrowd(out, 0.0, 1.8, 0.9, 330.0, 0.35, [](double x) { return std::min(1.0, x * 8) * (1.0 - 0.7 * x); }, random);
    return out;
}

Samples FinalWhistle(SampleRandom& random)
{
    Samples out;
    AddCrowd(out, 0.0, 2.2, 0.25, 380.0, 0.0, [](double) { return 1.0; }, random);
    AddWhistle(out, 0.05, 0.3, 0.8, random);
    AddWhistle(out, 0.5, 0.3, 0.8, random);
    AddWhistle(out, 0.95, 1.1, 0.8, random);
    return out;
}

Samples PenaltyWhistle(SampleRandom& random)
{
    Samples out;
    AddWhistle(out, 0.0, 0.8, 1.0, random);
    return out;
}

Samples Injury(SampleRandom& random)
{
    Samples out;
    AddCrowd(out, 0.0, 1.4, 0.7, 300.0, 0.2, [](double x) { return std::sin(3.14159 * x); }, random);
    return out;
}

Samples HalfTime(SampleRandom& random)
{
    Samples out;
    AddWhistle(out, 0.0, 0.3, 0.9, random);
    AddWhistle(out, 0.45, 0.9, 0.9, random);
    return out;
}

Samples SendingOff(SampleRandom& random)
{
    Samples out;
    AddWhistle(out, 0.0, 0.5, 0.9, random);
    AddCrowd(out, 0.45, 1.6, 0.8, 170.0, 0.05, [](double x) { return std::min(1.0, x * 5); }, random);
    return out;
}

}  // namespace

std::string EncodeWave(const std::vector<double>& samples)
{
    double peak = 1e-9;
    for (const double s : samples) {
        peak = std::max(peak, std::abs(s));
    }
    const double gain = 0.85 * 32767.0 / peak;
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::string out = "RIFF" + Le(36 + dataBytes, 4) + "WAVE";
    out += "fmt " + Le(16, 4) + Le(1, 2) + Le(1, 2) + Le(kSoundRate, 4) + Le(kSoundRate * 2, 4) + Le(2, 2) + Le(16, 2);
    out += "data" + Le(dataBytes, 4);
    for (const double s : samples) {
        const auto value = static_cast<std::int16_t>(std::lround(std::clamp(s * gain, -32768.0, 32767.0)));
        out += Le(static_cast<std::uint16_t>(value), 2);
    }
    return out;
}

std::vector<WaveFile> MakeGameSounds(const SampleRandom& random)
{
    using Maker = Samples (*)(SampleRandom&);
    // In the order of the game's sound table: gol, goladv, fimjogo, penalty, contusao, intervalo, expulsao.
    const Maker makers[7] = {Goal, GoalAgainst, FinalWhistle, PenaltyWhistle, Injury, HalfTime, SendingOff};
    std::vector<WaveFile> files;
    for (std::size_t i = 0; i < GameSounds.size(); ++i) {
        SampleRandom soundRandom = random.Fork(GameSounds[i].alias);
        files.push_back({GameSounds[i].file, EncodeWave(makers[i](soundRandom))});
    }
    return files;
}

}  // namespace tarvelon::sampledata
