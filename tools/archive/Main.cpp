// hm-archive: packs, lists, extracts from, inspects and verifies the asset archive against the
// catalogue compiled into this tool, which is the game's own. `list` and `inspect` read every asset
// with the game's own loader of its kind.
//
//   hm-archive pack INDIR ARCHIVE CATALOGUE_CPP
//   hm-archive list ARCHIVE
//   hm-archive extract ARCHIVE INDEX|NAME OUTFILE
//   hm-archive inspect ARCHIVE INDEX|NAME
//   hm-archive inspect FILE            (a loose asset file; its kind from its extension)
//   hm-archive verify ARCHIVE
//
// Exit codes: 0 ok, 1 bad data (inspect: the loader refuses the asset), 2 usage.
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

constexpr Command kCommands[] = {
    {"pack", [](Arguments args) { return RunPack(args, std::cout, std::cerr); }},
    {"list", [](Arguments args) { return RunList(args, AssetCatalogue(), std::cout, std::cerr); }},
    {"extract",
     [](Arguments args) { return RunExtract(args, AssetCatalogue(), std::cout, std::cerr); }},
    {"inspect",
     [](Arguments args) { return RunInspect(args, AssetCatalogue(), std::cout, std::cerr); }},
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
                 "       hm-archive inspect ARCHIVE INDEX|NAME\n"
                 "       hm-archive inspect FILE\n"
                 "       hm-archive verify ARCHIVE\n";
    return kExitUsage;
}
