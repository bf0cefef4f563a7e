// hm-listen: draws the waveform and spectrogram of the game's sounds, read from the archive with
// the catalogue compiled into this tool (the game's own) or from loose WAV files.
#include <iostream>
#include <string>
#include <vector>

#include "ListenCommand.h"
#include "library/Catalogue.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return RunListen(args, AssetCatalogue(), std::cout, std::cerr);
}
