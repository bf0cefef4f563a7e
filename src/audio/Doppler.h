#pragma once
#include <glm/vec3.hpp>

// Length of one game frame in seconds.
inline constexpr float kFrameSeconds = 0.016f;
// Doppler velocities are a frame's move in world units per kDopplerFrames frames, against a speed
// of sound of kSpeedOfSound in the same units. Per second (62.5 frames), the camera walking 0.15
// units a frame would bend every sound by 47 cents; per frame, nothing the game moves could be
// heard shifting. Four frames keep that walk at 3 cents, below what the ear picks out, while a
// source closing in at a unit a frame (the fastest move that is not a jump) rises by 20 cents.
inline constexpr float kDopplerFrames = 4.0f;
inline constexpr float kSpeedOfSound = 343.5f;
// The frequency ratio a voice accepts: Doppler shifts are limited to this range.
inline constexpr float kMinFrequencyRatio = 1.0f / 1024.0f;
inline constexpr float kMaxFrequencyRatio = 2.0f;
// A move longer than this within one frame (world units) is a placement, not motion: emitters are
// put at a door or a player's position just before they play, and fixed cameras cut from one
// place to another. Such a jump must not be heard as a Doppler shift.
inline constexpr float kMaxFrameTravel = 1.0f;

// Doppler velocity (world units per kDopplerFrames frames) of something that moved from
// `previous` to `current` in one frame; zero for a jump longer than kMaxFrameTravel.
glm::vec3 FrameVelocity(const glm::vec3& previous, const glm::vec3& current);

// The Doppler frequency ratio heard by a listener at `listener` moving with `listenerVelocity` from
// a source at `source` moving with `sourceVelocity` (as FrameVelocity): (c − vL) / (c − vS) with
// both velocities projected on the source-to-listener line and kept below the speed of sound,
// limited to [kMinFrequencyRatio, kMaxFrequencyRatio]. A source at the listener is not shifted.
float DopplerRatio(const glm::vec3& listener, const glm::vec3& listenerVelocity,
                   const glm::vec3& source, const glm::vec3& sourceVelocity);
