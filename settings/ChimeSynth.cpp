#include "settings/ChimeSynth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace orvella {

namespace {

// The four bells of the quarters (G#4, F#4, E4, B3) and the hour bell (E3), in hertz.
constexpr double kGSharp = 415.30;
constexpr double kFSharp = 369.99;
constexpr double kE = 329.63;
constexpr double kB = 246.94;
constexpr double kHourBell = 164.81;

constexpr double kStroke = 0.55; // seconds between strokes
constexpr double kRing = 2.6;    // seconds a quarter bell rings on
constexpr double kPhrasePause = 0.55;

// A bell's partials: ratio to the strike note, loudness and how quickly it fades (seconds).
struct Partial {
    double ratio;
    double level;
    double decay;
};
constexpr Partial kPartials[] = {
    {0.5, 0.35, 1.6}, {1.0, 1.0, 1.1},  {1.19, 0.45, 0.8}, {1.5, 0.35, 0.6},
    {2.0, 0.5, 0.5},  {2.74, 0.2, 0.3}, {3.0, 0.12, 0.25},
};

void addStroke(std::vector<double>& mix, double at, double pitch, double ring, double loudness) {
    const auto first = static_cast<std::size_t>(at * kChimeSampleRate);
    const auto count = static_cast<std::size_t>(ring * kChimeSampleRate);
    if (mix.size() < first + count)
        mix.resize(first + count, 0.0);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kChimeSampleRate;
        const double attack = std::min(1.0, t / 0.004); // no click at the stroke
        double v = 0;
        for (const Partial& p : kPartials)
            v += p.level * std::exp(-t / (p.decay * ring / kRing)) *
                 std::sin(2 * std::numbers::pi * pitch * p.ratio * t);
        mix[first + i] += loudness * attack * v;
    }
}

void putLE(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::string waveFile(const std::vector<double>& mix) {
    double peak = 0;
    for (const double v : mix)
        peak = std::max(peak, std::abs(v));
    const double scale = peak > 0 ? 0.8 * 32767.0 / peak : 0.0;
    const auto dataBytes = static_cast<std::uint32_t>(mix.size() * 2);
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    putLE(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    putLE(out, 16, 4);
    putLE(out, 1, 2); // PCM
    putLE(out, 1, 2); // mono
    putLE(out, kChimeSampleRate, 4);
    putLE(out, kChimeSampleRate * 2, 4);
    putLE(out, 2, 2);
    putLE(out, 16, 2);
    out += "data";
    putLE(out, dataBytes, 4);
    for (const double v : mix) {
        const auto sample = static_cast<std::int16_t>(std::lround(v * scale));
        putLE(out, static_cast<std::uint16_t>(sample), 2);
    }
    return out;
}

} // namespace

std::string synthesiseChime(BuiltInSound sound) {
    // Westminster phrases 2 to 5; the half hour rings the first two of them.
    static constexpr double phrases[4][4] = {
        {kE, kGSharp, kFSharp, kB},
        {kE, kFSharp, kGSharp, kE},
        {kGSharp, kE, kFSharp, kB},
        {kB, kFSharp, kGSharp, kE},
    };
    const int phraseCount = sound == BuiltInSound::BigBen ? 4 : 2;
    std::vector<double> mix;
    double at = 0;
    for (int p = 0; p < phraseCount; ++p) {
        for (int n = 0; n < 4; ++n) {
            addStroke(mix, at, phrases[p][n], kRing, 0.6);
            at += n == 3 ? kStroke + kPhrasePause : kStroke; // a rest after each phrase
        }
    }
    if (sound == BuiltInSound::BigBen)
        addStroke(mix, at + kPhrasePause, kHourBell, 2 * kRing, 1.0);
    return waveFile(mix);
}

} // namespace orvella
