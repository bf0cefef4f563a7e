// hm-archive: packs, lists, extracts from and verifies the asset archive against the catalogue
// compiled into this tool, which is the game's own.
//
//   hm-archive pack INDIR ARCHIVE CATALOGUE_CPP
//   hm-archive list ARCHIVE
//   hm-archive extract ARCHIVE INDEX|NAME OUTFILE
//   hm-archive verify ARCHIVE
//
// Exit codes: 0 ok, 1 bad data, 2 usage.
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "Commands.h"
#include "library/Catalogue.h"

namespace {

struct Command {
    std::string_view name;
    int (*run)(Arguments args);
};

// `inspect` (decoding one asset with the game's texture and model loaders) joins this table when
// those loaders exist.
constexpr Command kCommands[] = {
    {"pack", [](Arguments args) { return RunPack(args, std::cout, std::cerr); }},
    {"list", [](Arguments args) { return RunList(args, AssetCatalogue(), std::cout, std::cerr); }},
    {"extract",
     [](Arguments args) { return RunExtract(args, AssetCatalogue(), std::cout, std::cerr); }},
    {"verify",
     [](Arguments args) { return RunVerify(args, AssetCatalogue(), std::cout, std::cerr); }},
};

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    for (const Command& command : kCommands) {
        if (!args.empty() && args[0] == command.name)
            return command.run(Arguments(args).subspan(1));
    }
    std::cerr << "usage: hm-archive pack INDIR ARCHIVE CATALOGUE_CPP\n"
                 "       hm-archive list ARCHIVE\n"
                 "       hm-archive extract ARCHIVE INDEX|NAME OUTFILE\n"
                 "       hm-archive verify ARCHIVE\n";
    return kExitUsage;
}
