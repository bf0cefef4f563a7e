#include "StatsLog.h"

#include <malloc.h>
#include <unistd.h>

#include <filesystem>

#include "app/D3DXMain.h"

namespace driver {
namespace {

// Resident pages from /proc/self/statm (its second number), in KiB; 0 when unreadable. The
// allocator first gives its free pages back to the system, so that the figure follows what is
// alive rather than how high the heap once rose.
long ResidentKib() {
    ::malloc_trim(0);
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    if (!(statm >> size >> resident)) return 0;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

// Entries of /proc/self/fd, less the one the listing itself holds open.
int OpenFiles() {
    std::error_code error;
    int count = 0;
    for (std::filesystem::directory_iterator it("/proc/self/fd", error), end; !error && it != end;
         it.increment(error)) {
        ++count;
    }
    return count > 0 ? count - 1 : 0;
}

}  // namespace

StatsLog::StatsLog(const std::string& path, uint32_t every) : out_(path), every_(every) {
    out_ << "# frame round field rss_kib fds voices sounding textures buffers vertex_arrays "
            "renderbuffers framebuffers programs\n";
}

void StatsLog::AfterFrame(const D3DXMain& app, uint32_t frame, uint32_t round) {
    if ((frame + 1) % every_ != 0) return;
    const CSoundManager::VoiceTally voices = app.lib.sound.Tally();
    const gfx::LiveObjects live = app.device->Live();
    out_ << frame << ' ' << round << ' ' << app.player.record.currentField << ' ' << ResidentKib()
         << ' ' << OpenFiles() << ' ' << voices.allocated << ' ' << voices.sounding << ' '
         << live.textures << ' ' << live.buffers << ' ' << live.vertexArrays << ' '
         << live.renderbuffers << ' ' << live.framebuffers << ' ' << live.programs << '\n';
    out_.flush();
}

}  // namespace driver
