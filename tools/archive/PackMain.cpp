// hm-archive-pack: the pack command of hm-archive on its own, for the build. hm-archive itself
// links the catalogue that packing generates, so the build packs with this tool first.
//
//   hm-archive-pack INDIR ARCHIVE CATALOGUE_CPP
#include <iostream>
#include <string>
#include <vector>

#include "Commands.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return RunPack(args, std::cout, std::cerr);
}
