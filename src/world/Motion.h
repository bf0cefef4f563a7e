#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <span>
#include <vector>

#include <glm/vec3.hpp>

// Key frames of one three-component value (a joint's rotation in degrees or a position in world
// units), by frame. Shared by the character rigs and scripted paths.
class MotionTrack {
  public:
    // Adds the key, or replaces the value of an existing key at `frame`.
    void SetKey(int32_t frame, const glm::vec3& value) { keys_[frame] = value; }

    // The greatest key frame; 0 for an empty track.
    int32_t LastKey() const { return keys_.empty() ? 0 : keys_.rbegin()->first; }

    // The value at frame `s`: a key's own value at its frame, linear between the keys around `s`,
    // and the nearest end key's value before the first or after the last key. Zero when empty.
    glm::vec3 Sample(int32_t s) const;
    // Sample at `t` wrapped into [0, LastKey()), so a cycle's last key (equal to its first) is
    // never reached. A track whose last key is not above 0 has no cycle and is sampled at `t`.
    glm::vec3 SampleLooped(int32_t t) const;

  private:
    std::map<int32_t, glm::vec3> keys_;
};

// One animation of a rig: a track per animated joint value, in the rig's fixed track order.
struct Motion {
    std::vector<MotionTrack> tracks;

    // The last key of track 0, where the rigs' clocks wrap; 0 without tracks.
    int32_t LastKey() const { return tracks.empty() ? 0 : tracks.front().LastKey(); }

    // Writes every track, looped at time `t` (frames), into its target: `targets[i]` receives
    // track i. Extra tracks or targets are left alone.
    void Apply(int32_t t, std::span<glm::vec3* const> targets) const;
};

// A three-component value of a compiled-in motion table.
struct Xyz {
    float x = 0;
    float y = 0;
    float z = 0;
};

// One key of a compiled-in motion table: the frame and the value of every track there.
template <size_t TrackCount>
struct MotionKey {
    int32_t frame;
    std::array<Xyz, TrackCount> pose;
};

// The motion that holds each pose of `keys` at its frame.
template <size_t TrackCount>
Motion MakeMotion(std::span<const MotionKey<TrackCount>> keys) {
    Motion motion;
    motion.tracks.resize(TrackCount);
    for (const MotionKey<TrackCount>& key : keys) {
        for (size_t i = 0; i < TrackCount; ++i) {
            const Xyz& value = key.pose[i];
            motion.tracks[i].SetKey(key.frame, {value.x, value.y, value.z});
        }
    }
    return motion;
}

// The time in frames at which a rig's clock samples its motion: `frame` / `slow` (integer
// division) when `slow` is non-zero, else `frame` × `speed`.
int32_t MotionTime(int32_t frame, int32_t speed, int32_t slow);

// The motion at `index`, or null when `index` is outside the list.
const Motion* MotionAt(std::span<const Motion> motions, int32_t index);
