#pragma once
#include <cstdint>
#include <map>

// A looping curve of values by frame: keys at frames, linear between them, repeating every
// `largest key` frames.
class KeyCurve {
  public:
    void Add(int32_t frame, float value) { keys_[frame] = value; }
    // The value at frame mod the largest key (a negative frame counts back from the end); 0
    // without keys, and the only value with one key or a largest key of 0.
    float Value(int32_t frame) const;

  private:
    std::map<int32_t, float> keys_;
};
