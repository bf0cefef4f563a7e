#pragma once
#include <cstdint>

// One room acoustic in I3DL2 terms, as published in the I3DL2 guideline's preset table. Levels are
// in millibels (100 mB = 1 dB; -10000 mB is silence), times in seconds, diffusion and density in
// percent, the high-frequency reference in hertz.
struct I3DL2Reverb {
    int32_t room;
    int32_t roomHF;
    float roomRolloffFactor;
    float decayTime;
    float decayHFRatio;
    int32_t reflections;
    float reflectionsDelay;
    int32_t reverb;
    float reverbDelay;
    float diffusion;
    float density;
    float hfReference;
};

// The same acoustic as the parameters of an EFX (EAX) reverb: linear gains, seconds, 0..1 ratios,
// each inside the range the EFX reverb accepts.
struct ReverbParameters {
    float density;
    float diffusion;
    float gain;
    float gainHF;
    float decayTime;
    float decayHFRatio;
    float reflectionsGain;
    float reflectionsDelay;
    float lateReverbGain;
    float lateReverbDelay;
    float hfReference;
};

// Number of presets; the game asks for them by index 0..kReverbPresetCount-1 in this order:
// Default, Forest, Generic, PaddedCell, Room, Bathroom, LivingRoom, StoneRoom, Auditorium,
// ConcertHall, Cave, Arena, Hangar, CarpetedHallway, Hallway, StoneCorridor, Alley, City,
// Mountains, Quarry, Plain, ParkingLot, SewerPipe, Underwater, SmallRoom, MediumRoom, LargeRoom,
// MediumHall, LargeHall, Plate. "Default" (0) is silent: no reverb at all.
inline constexpr uint32_t kReverbPresetCount = 30;

// The preset at `index`; an index past the table yields preset 0.
const I3DL2Reverb& ReverbPreset(uint32_t index);

// A millibel level as a linear gain: 10^(mB / 2000); -10000 mB and below is exactly 0.
float MillibelsToGain(int32_t millibels);

// Converts an I3DL2 acoustic to EFX reverb parameters: levels by MillibelsToGain, diffusion and
// density divided by 100, the HF reference at least 1000 Hz, every value clamped into EFX's range.
// The room rolloff is dropped: the reverb send fades along the sources' own distance curve.
ReverbParameters ToEfxReverb(const I3DL2Reverb& preset);
