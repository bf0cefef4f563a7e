#include "Commands.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "AssetChecks.h"
#include "AssetReport.h"
#include "library/FileBytes.h"
#include "library/Utf.h"

namespace fs = std::filesystem;

namespace {

std::string RowName(std::span<const AssetEntry> catalogue, size_t row) {
    return "row " + std::to_string(row) + " \"" + Utf16ToUtf8(catalogue[row].name) + "\"";
}

// Opens the archive for reading, or says why not.
std::optional<Archive> OpenArchive(std::span<const AssetEntry> catalogue, const std::string& path,
                                   std::ostream& err) {
    Archive archive(catalogue);
    if (!archive.Open(path)) {
        err << "hm-archive: " << archive.OpenError() << "\n";
        return std::nullopt;
    }
    return archive;
}

std::string_view CheckLabel(LoadCheck check) {
    switch (check) {
        case LoadCheck::Loads:
            return "ok";
        case LoadCheck::Fails:
            return "FAIL";
        case LoadCheck::Unchecked:
            break;
    }
    return "-";
}

// The row an INDEX or NAME argument means, or -1.
int ResolveRow(std::span<const AssetEntry> catalogue, const std::string& which) {
    const bool isIndex = !which.empty() && std::all_of(which.begin(), which.end(),
                                                       [](char c) { return c >= '0' && c <= '9'; });
    if (!isIndex) return FindAsset(catalogue, Utf8ToUtf16(which));
    if (which.size() > 9) return -1;  // beyond any catalogue, and beyond int
    const int index = std::stoi(which);
    return index < static_cast<int>(catalogue.size()) ? index : -1;
}

// One asset as inspect prints it: the title line and the report go to `out` when the loader takes
// the bytes; the title and the reason go to `err` when it refuses them.
int PrintInspection(const std::string& title, AssetKind kind, std::span<const uint8_t> bytes,
                    std::span<const AssetEntry> catalogue, std::ostream& out, std::ostream& err) {
    const AssetReport report = InspectAsset(kind, bytes, catalogue);
    const std::string heading = title + ", " + std::to_string(bytes.size()) + " bytes, " +
                                std::string(KindLabel(kind)) + "\n";
    if (report.check == LoadCheck::Fails) {
        err << "hm-archive inspect: " << heading << "the game cannot load it: " << report.text;
        return kExitBadData;
    }
    out << heading << report.text;
    return kExitOk;
}

int InspectRow(const std::string& archivePath, const std::string& which,
               std::span<const AssetEntry> catalogue, std::ostream& out, std::ostream& err) {
    const int row = ResolveRow(catalogue, which);
    if (row < 0) {
        err << "hm-archive inspect: the catalogue has no asset \"" << which << "\"\n";
        return kExitUsage;
    }
    const std::string title = RowName(catalogue, static_cast<size_t>(row));
    const std::optional<AssetKind> kind = KindOfName(Utf16ToUtf8(catalogue[row].name));
    if (!kind) {
        err << "hm-archive inspect: " << title << " is of no kind the game loads\n";
        return kExitBadData;
    }
    std::optional<Archive> archive = OpenArchive(catalogue, archivePath, err);
    if (!archive) return kExitBadData;
    const std::optional<std::vector<uint8_t>> bytes = archive->Read(row);
    if (!bytes) {
        err << "hm-archive inspect: " << title << " does not lie inside " << archivePath << "\n";
        return kExitBadData;
    }
    return PrintInspection(title, *kind, *bytes, catalogue, out, err);
}

int InspectLooseFile(const std::string& path, std::span<const AssetEntry> catalogue,
                     std::ostream& out, std::ostream& err) {
    const std::optional<AssetKind> kind = KindOfName(fs::path(path).filename().string());
    if (!kind) {
        err << "hm-archive inspect: " << path
            << " has no asset extension (.png .bmp .x .wav .csv .dat .cfx)\n";
        return kExitUsage;
    }
    const std::optional<std::vector<uint8_t>> bytes = ReadFileBytes(path);
    if (!bytes) {
        err << "hm-archive inspect: cannot read " << path << "\n";
        return kExitBadData;
    }
    return PrintInspection(path, *kind, *bytes, catalogue, out, err);
}

}  // namespace

std::optional<std::string> ArchiveLayoutProblem(std::span<const AssetEntry> catalogue,
                                                uint64_t archiveSize) {
    uint64_t expectedOffset = 0;
    for (size_t row = 0; row < catalogue.size(); ++row) {
        const AssetEntry& entry = catalogue[row];
        if (entry.offset != expectedOffset) {
            return RowName(catalogue, row) + " starts at byte " + std::to_string(entry.offset) +
                   ", not at " + std::to_string(expectedOffset) + " where the row before it ends";
        }
        expectedOffset += entry.size;
        if (expectedOffset > archiveSize) {
            return RowName(catalogue, row) + " ends at byte " + std::to_string(expectedOffset) +
                   ", beyond the archive's " + std::to_string(archiveSize) + " bytes";
        }
    }
    if (expectedOffset != archiveSize) {
        return "the archive has " + std::to_string(archiveSize) + " bytes, the catalogue's " +
               std::to_string(catalogue.size()) + " rows total " + std::to_string(expectedOffset);
    }
    return std::nullopt;
}

int RunList(Arguments args, std::span<const AssetEntry> catalogue, std::ostream& out,
            std::ostream& err) {
    if (args.size() != 1) return UsageError(err, "list ARCHIVE");
    std::optional<Archive> archive = OpenArchive(catalogue, args[0], err);
    if (!archive) return kExitBadData;

    int result = kExitOk;
    char header[100];
    std::snprintf(header, sizeof header, "%5s  %-22s %10s %10s  %-6s  %s\n", "index", "name",
                  "size", "offset", "kind", "loads");
    out << header;
    for (size_t row = 0; row < catalogue.size(); ++row) {
        const AssetEntry& entry = catalogue[row];
        const std::string name = Utf16ToUtf8(entry.name);
        const std::optional<AssetKind> kind = KindOfName(name);
        const std::optional<std::vector<uint8_t>> bytes = archive->Read(static_cast<int>(row));
        const std::string_view kindLabel = kind ? KindLabel(*kind) : "?";
        std::string_view loads = "unreadable";
        if (bytes) {
            loads = CheckLabel(kind ? CheckAsset(*kind, *bytes, catalogue) : LoadCheck::Unchecked);
        }
        if (loads == "FAIL" || loads == "unreadable") result = kExitBadData;

        char line[160];
        std::snprintf(line, sizeof line, "%5zu  %-22s %10u %10u  %-6.*s  %.*s\n", row, name.c_str(),
                      entry.size, entry.offset, static_cast<int>(kindLabel.size()),
                      kindLabel.data(), static_cast<int>(loads.size()), loads.data());
        out << line;
    }
    return result;
}

int RunExtract(Arguments args, std::span<const AssetEntry> catalogue, std::ostream& out,
               std::ostream& err) {
    if (args.size() != 3) return UsageError(err, "extract ARCHIVE INDEX|NAME OUTFILE");
    const int row = ResolveRow(catalogue, args[1]);
    if (row < 0) {
        err << "hm-archive extract: the catalogue has no asset \"" << args[1] << "\"\n";
        return kExitUsage;
    }
    std::optional<Archive> archive = OpenArchive(catalogue, args[0], err);
    if (!archive) return kExitBadData;
    const std::optional<std::vector<uint8_t>> bytes = archive->Read(row);
    if (!bytes) {
        err << "hm-archive extract: " << RowName(catalogue, static_cast<size_t>(row))
            << " does not lie inside " << args[0] << "\n";
        return kExitBadData;
    }
    std::ofstream file(args[2], std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes->data()),
               static_cast<std::streamsize>(bytes->size()));
    if (!file.flush()) {
        err << "hm-archive extract: cannot write " << args[2] << "\n";
        return kExitBadData;
    }
    out << "extracted " << RowName(catalogue, static_cast<size_t>(row)) << ", " << bytes->size()
        << " bytes, to " << args[2] << "\n";
    return kExitOk;
}

int RunInspect(Arguments args, std::span<const AssetEntry> catalogue, std::ostream& out,
               std::ostream& err) {
    if (args.size() == 1) return InspectLooseFile(args[0], catalogue, out, err);
    if (args.size() == 2) return InspectRow(args[0], args[1], catalogue, out, err);
    return UsageError(err, "inspect ARCHIVE INDEX|NAME, or inspect FILE");
}

int RunVerify(Arguments args, std::span<const AssetEntry> catalogue, std::ostream& out,
              std::ostream& err) {
    if (args.size() != 1) return UsageError(err, "verify ARCHIVE");
    std::error_code error;
    const bool isFile = fs::is_regular_file(args[0], error);
    const uintmax_t size = isFile ? fs::file_size(args[0], error) : 0;
    if (!isFile || error) {
        err << "hm-archive verify: cannot read the archive " << args[0] << "\n";
        return kExitBadData;
    }
    if (const std::optional<std::string> problem = ArchiveLayoutProblem(catalogue, size)) {
        err << "hm-archive verify: " << args[0] << ": " << *problem << "\n";
        return kExitBadData;
    }
    out << args[0] << ": " << catalogue.size() << " assets, " << size
        << " bytes, as the catalogue describes\n";
    return kExitOk;
}
