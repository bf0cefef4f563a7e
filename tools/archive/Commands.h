#pragma once
#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "library/Archive.h"

// The subcommands of hm-archive. Each takes its arguments (after the subcommand's name), writes
// its report to `out` and its complaints to `err`, and returns an exit code.
enum ExitCode : int {
    kExitOk = 0,
    kExitBadData = 1,  // a file is missing, unreadable or not what the catalogue says
    kExitUsage = 2,    // wrong arguments, or an asset the catalogue does not have
};

using Arguments = std::span<const std::string>;

// Writes the usage line of one subcommand ("list ARCHIVE") to `err`; the usage exit code.
int UsageError(std::ostream& err, std::string_view usage);

// pack INDIR ARCHIVE CATALOGUE_CPP: packs the named files of INDIR into ARCHIVE and writes the
// catalogue source.
int RunPack(Arguments args, std::ostream& out, std::ostream& err);
// list ARCHIVE: one line per row of `catalogue`: index, name, size, offset, kind and whether
// the bytes load. Bad data when a row cannot be read or does not load.
int RunList(Arguments args, std::span<const AssetEntry> catalogue, std::ostream& out,
            std::ostream& err);
// extract ARCHIVE INDEX|NAME OUTFILE: writes one asset's bytes to OUTFILE.
int RunExtract(Arguments args, std::span<const AssetEntry> catalogue, std::ostream& out,
               std::ostream& err);
// inspect ARCHIVE INDEX|NAME, or inspect FILE (its kind from its extension): what the game's loader
// of its kind finds in one asset. Bad data when the loader refuses it, saying why.
int RunInspect(Arguments args, std::span<const AssetEntry> catalogue, std::ostream& out,
               std::ostream& err);
// verify ARCHIVE: the archive is exactly what `catalogue` describes.
int RunVerify(Arguments args, std::span<const AssetEntry> catalogue, std::ostream& out,
              std::ostream& err);

// What is wrong with an archive of `archiveSize` bytes for `catalogue`: a row not where the rows
// back to back put it, a row reaching past the end, or a size other than the rows' total. None
// when the archive fits.
std::optional<std::string> ArchiveLayoutProblem(std::span<const AssetEntry> catalogue,
                                                uint64_t archiveSize);
