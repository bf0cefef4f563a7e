#include "audio/ReverbPresets.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The published I3DL2 preset table, in the game's preset order. Columns: room, room HF, room
// rolloff, decay time, decay HF ratio, reflections, reflections delay, reverb, reverb delay,
// diffusion, density, HF reference.
// clang-format off
constexpr std::array<I3DL2Reverb, kReverbPresetCount> kPresets{{
    {-10000,     0, 0,    1,  0.5, -10000,  0.02, -10000,  0.04, 100, 100, 5000},  // Default
    {-1000, -3300, 0, 1.49, 0.54,  -2560, 0.162,   -613, 0.088,  79, 100, 5000},  // Forest
    {-1000,  -100, 0, 1.49, 0.83,  -2602, 0.007,    200, 0.011, 100, 100, 5000},  // Generic
    {-1000, -6000, 0, 0.17,  0.1,  -1204, 0.001,    207, 0.002, 100, 100, 5000},  // PaddedCell
    {-1000,  -454, 0,  0.4, 0.83,  -1646, 0.002,     53, 0.003, 100, 100, 5000},  // Room
    {-1000, -1200, 0, 1.49, 0.54,   -370, 0.007,   1030, 0.011, 100,  60, 5000},  // Bathroom
    {-1000, -6000, 0,  0.5,  0.1,  -1376, 0.003,  -1104, 0.004, 100, 100, 5000},  // LivingRoom
    {-1000,  -300, 0, 2.31, 0.64,   -711, 0.012,     83, 0.017, 100, 100, 5000},  // StoneRoom
    {-1000,  -476, 0, 4.32, 0.59,   -789,  0.02,   -289,  0.03, 100, 100, 5000},  // Auditorium
    {-1000,  -500, 0, 3.92,  0.7,  -1230,  0.02,     -2, 0.029, 100, 100, 5000},  // ConcertHall
    {-1000,     0, 0, 2.91,  1.3,   -602, 0.015,   -302, 0.022, 100, 100, 5000},  // Cave
    {-1000,  -698, 0, 7.24, 0.33,  -1166,  0.02,     16,  0.03, 100, 100, 5000},  // Arena
    {-1000, -1000, 0, 10.05, 0.23,   -602,  0.02,    198,  0.03, 100, 100, 5000},  // Hangar
    {-1000, -4000, 0,  0.3,  0.1,  -1831, 0.002,  -1630,  0.03, 100, 100, 5000},  // CarpetedHallway
    {-1000,  -300, 0, 1.49, 0.59,  -1219, 0.007,    441, 0.011, 100, 100, 5000},  // Hallway
    {-1000,  -237, 0,  2.7, 0.79,  -1214, 0.013,    395,  0.02, 100, 100, 5000},  // StoneCorridor
    {-1000,  -270, 0, 1.49, 0.86,  -1204, 0.007,     -4, 0.011, 100, 100, 5000},  // Alley
    {-1000,  -800, 0, 1.49, 0.67,  -2273, 0.007,  -2217, 0.011,  50, 100, 5000},  // City
    {-1000, -2500, 0, 1.49, 0.21,  -2780,   0.3,  -2014,   0.1,  27, 100, 5000},  // Mountains
    {-1000, -1000, 0, 1.49, 0.83, -10000, 0.061,    500, 0.025, 100, 100, 5000},  // Quarry
    {-1000, -2000, 0, 1.49,  0.5,  -2466, 0.179,  -2514,   0.1,  21, 100, 5000},  // Plain
    {-1000,     0, 0, 1.65,  1.5,  -1363, 0.008,  -1153, 0.012, 100, 100, 5000},  // ParkingLot
    {-1000, -1000, 0, 2.81, 0.14,    429, 0.014,    648, 0.021,  80,  60, 5000},  // SewerPipe
    {-1000, -4000, 0, 1.49,  0.1,   -449, 0.007,   1700, 0.011, 100, 100, 5000},  // Underwater
    {-1000,  -600, 0,  1.1, 0.83,   -400, 0.005,    500,  0.01, 100, 100, 5000},  // SmallRoom
    {-1000,  -600, 0,  1.3, 0.83,  -1000,  0.01,   -200,  0.02, 100, 100, 5000},  // MediumRoom
    {-1000,  -600, 0,  1.5, 0.83,  -1600,  0.02,  -1000,  0.04, 100, 100, 5000},  // LargeRoom
    {-1000,  -600, 0,  1.8,  0.7,  -1300, 0.015,   -800,  0.03, 100, 100, 5000},  // MediumHall
    {-1000,  -600, 0,  1.8,  0.7,  -2000,  0.03,  -1400,  0.06, 100, 100, 5000},  // LargeHall
    {-1000,  -200, 0,  1.3,  0.9,      0, 0.002,      0,  0.01, 100,  75, 5000},  // Plate
}};
// clang-format on

constexpr int32_t kSilenceMillibels = -10000;

// Ranges of the EFX (EAX) reverb's parameters.
constexpr float kMaxGain = 1.0f;
constexpr float kMaxReflectionsGain = 3.16f;
constexpr float kMaxLateReverbGain = 10.0f;
constexpr float kMinDecayTime = 0.1f, kMaxDecayTime = 20.0f;
constexpr float kMinDecayHFRatio = 0.1f, kMaxDecayHFRatio = 2.0f;
constexpr float kMaxReflectionsDelay = 0.3f;                            // seconds
constexpr float kMaxLateReverbDelay = 0.1f;                             // seconds
constexpr float kMinHFReference = 1000.0f, kMaxHFReference = 20000.0f;  // hertz

float Percent(float value) {
    return std::clamp(value / 100.0f, 0.0f, 1.0f);
}

}  // namespace

const I3DL2Reverb& ReverbPreset(uint32_t index) {
    return kPresets[index < kPresets.size() ? index : 0];
}

float MillibelsToGain(int32_t millibels) {
    if (millibels <= kSilenceMillibels) return 0.0f;
    return std::pow(10.0f, static_cast<float>(millibels) / 2000.0f);
}

ReverbParameters ToEfxReverb(const I3DL2Reverb& preset) {
    return ReverbParameters{
        .density = Percent(preset.density),
        .diffusion = Percent(preset.diffusion),
        .gain = std::min(MillibelsToGain(preset.room), kMaxGain),
        .gainHF = std::min(MillibelsToGain(preset.roomHF), kMaxGain),
        .decayTime = std::clamp(preset.decayTime, kMinDecayTime, kMaxDecayTime),
        .decayHFRatio = std::clamp(preset.decayHFRatio, kMinDecayHFRatio, kMaxDecayHFRatio),
        .reflectionsGain = std::min(MillibelsToGain(preset.reflections), kMaxReflectionsGain),
        .reflectionsDelay = std::clamp(preset.reflectionsDelay, 0.0f, kMaxReflectionsDelay),
        .lateReverbGain = std::min(MillibelsToGain(preset.reverb), kMaxLateReverbGain),
        .lateReverbDelay = std::clamp(preset.reverbDelay, 0.0f, kMaxLateReverbDelay),
        .hfReference = std::clamp(preset.hfReference, kMinHFReference, kMaxHFReference),
    };
}
