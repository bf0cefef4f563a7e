#pragma once
#include <cstdint>
#include <fstream>
#include <string>

class D3DXMain;

namespace driver {

// Long runs' resource figures, one line every `every` frames after the frame is presented, under
// a header naming the columns: the frame, the random play's round (0 without it), the field's
// number, the process's resident memory (KiB) and open file descriptors, the sound voices
// allocated and sounding, and the objects the rendering device holds alive (textures, buffers,
// vertex arrays, renderbuffers, framebuffers, programs).
class StatsLog {
  public:
    StatsLog(const std::string& path, uint32_t every);

    void AfterFrame(const D3DXMain& app, uint32_t frame, uint32_t round);
    // False once the file could not be opened or written.
    bool ok() const { return static_cast<bool>(out_); }

  private:
    std::ofstream out_;
    uint32_t every_;
};

}  // namespace driver
