#pragma once
#include <ostream>
#include <span>
#include <string>

#include "library/Archive.h"

// hm-listen: pictures of sounds, read with the game's own WAV reader.
//
//   hm-listen ARCHIVE INDEX|NAME OUT.png     one sound row of `catalogue` ("fire" or "fire.wav")
//   hm-listen FILE.wav OUT.png               a loose file
//   hm-listen --all ARCHIVE OUTDIR           every sound row, to OUTDIR/<name without .wav>.png
enum ListenExit : int {
    kListenOk = 0,
    kListenBadData = 1,  // an unreadable archive or file, a sound the game would not play, or a
                         // picture that could not be written
    kListenUsage = 2,    // wrong arguments, or a row that is not a sound of the catalogue
};

// Runs hm-listen on its arguments (without the program's name). Names each picture written on
// `out`; every complaint is one line on `err`.
int RunListen(std::span<const std::string> args, std::span<const AssetEntry> catalogue,
              std::ostream& out, std::ostream& err);
