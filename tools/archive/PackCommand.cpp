// The pack command, in the packing library of its own (see CMakeLists.txt).
#include <stdexcept>

#include "Commands.h"
#include "Pack.h"

int UsageError(std::ostream& err, std::string_view usage) {
    err << "usage: hm-archive " << usage << "\n";
    return kExitUsage;
}

int RunPack(Arguments args, std::ostream& out, std::ostream& err) {
    if (args.size() != 3) return UsageError(err, "pack INDIR ARCHIVE CATALOGUE_CPP");
    try {
        const std::vector<PackedRow> rows = PackArchive(args[0], args[1]);
        WriteTextFile(args[2], CatalogueSource(rows));
        out << "packed " << rows.size() << " assets, "
            << uint64_t{rows.back().offset} + rows.back().size << " bytes, into " << args[1]
            << "\n";
    } catch (const std::exception& error) {
        err << "hm-archive pack: " << error.what() << "\n";
        return kExitBadData;
    }
    return kExitOk;
}
