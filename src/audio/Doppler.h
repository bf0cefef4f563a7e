#pragma once
#include <glm/vec3.hpp>

// Speed of sound in world units per second (a world unit is about a metre).
inline constexpr float kSpeedOfSound = 343.5f;
// Length of one game frame in seconds.
inline constexpr float kFrameSeconds = 0.016f;
// The frequency ratio a voice accepts: Doppler shifts are limited to this range.
inline constexpr float kMinFrequencyRatio = 1.0f / 1024.0f;
inline constexpr float kMaxFrequencyRatio = 2.0f;
// A move longer than this within one frame (world units) is a placement, not motion: emitters are
// put at a door or a player's position just before they play, and fixed cameras cut from one
// place to another. Such a jump must not be heard as a Doppler shift.
inline constexpr float kMaxFrameTravel = 1.0f;

// Velocity in world units per second of something that moved from `previous` to `current` in one
// frame; zero for a jump longer than kMaxFrameTravel.
glm::vec3 FrameVelocity(const glm::vec3& previous, const glm::vec3& current);

// The Doppler frequency ratio heard by a listener at `listener` moving with `listenerVelocity` from
// a source at `source` moving with `sourceVelocity` (units per second): (c − vL) / (c − vS) with
// both velocities projected on the source-to-listener line and kept below the speed of sound,
// limited to [kMinFrequencyRatio, kMaxFrequencyRatio]. A source at the listener is not shifted.
float DopplerRatio(const glm::vec3& listener, const glm::vec3& listenerVelocity,
                   const glm::vec3& source, const glm::vec3& sourceVelocity);
