#include "ListenCommand.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <vector>

#include "DecodedSound.h"
#include "Png.h"
#include "SoundPicture.h"
#include "library/AssetNames.h"
#include "library/FileBytes.h"
#include "library/Utf.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kUsage =
    "usage: hm-listen ARCHIVE INDEX|NAME OUT.png\n"
    "       hm-listen FILE.wav OUT.png\n"
    "       hm-listen --all ARCHIVE OUTDIR\n";
constexpr std::string_view kWaveExtension = ".wav";

bool IsSoundRow(std::span<const AssetEntry> catalogue, size_t row) {
    return KindOfName(Utf16ToUtf8(catalogue[row].name)) == AssetKind::Wave;
}

// The sound row an INDEX or NAME argument means ("fire.wav", or "fire" without the extension).
std::optional<size_t> ResolveSoundRow(std::span<const AssetEntry> catalogue,
                                      const std::string& which) {
    const bool isIndex =
        !which.empty() && which.size() <= 9 &&
        std::all_of(which.begin(), which.end(), [](char c) { return c >= '0' && c <= '9'; });
    std::optional<size_t> row;
    if (isIndex) {
        row = static_cast<size_t>(std::stoi(which));
    } else {
        for (const std::string& name : {which, which + std::string(kWaveExtension)}) {
            const int found = FindAsset(catalogue, Utf8ToUtf16(name));
            if (found >= 0) row = static_cast<size_t>(found);
        }
    }
    if (!row || *row >= catalogue.size() || !IsSoundRow(catalogue, *row)) return std::nullopt;
    return row;
}

// Decodes one sound file image and writes its picture to `outPath`.
int WritePicture(std::vector<uint8_t> image, const std::string& title, const fs::path& outPath,
                 std::ostream& out, std::ostream& err) {
    const DecodeResult decoded = DecodeSound(std::move(image));
    if (!decoded.sound) {
        err << "hm-listen: " << title << ": " << decoded.error << "\n";
        return kListenBadData;
    }
    if (!driver::WritePng(outPath.string(), DrawSoundPicture(*decoded.sound, title))) {
        err << "hm-listen: cannot write " << outPath.string() << "\n";
        return kListenBadData;
    }
    out << title << " -> " << outPath.string() << "\n";
    return kListenOk;
}

std::optional<Archive> OpenArchive(std::span<const AssetEntry> catalogue, const std::string& path,
                                   std::ostream& err) {
    Archive archive(catalogue);
    if (!archive.Open(path)) {
        err << "hm-listen: " << archive.OpenError() << "\n";
        return std::nullopt;
    }
    return archive;
}

int WriteRowPicture(Archive& archive, size_t row, const fs::path& outPath, std::ostream& out,
                    std::ostream& err) {
    const std::string name = Utf16ToUtf8(archive.Catalogue()[row].name);
    std::optional<std::vector<uint8_t>> bytes = archive.Read(static_cast<int>(row));
    if (!bytes) {
        err << "hm-listen: row " << row << " \"" << name << "\" does not lie inside the archive\n";
        return kListenBadData;
    }
    return WritePicture(std::move(*bytes), name, outPath, out, err);
}

int RunRow(const std::string& archivePath, const std::string& which, const fs::path& outPath,
           std::span<const AssetEntry> catalogue, std::ostream& out, std::ostream& err) {
    const std::optional<size_t> row = ResolveSoundRow(catalogue, which);
    if (!row) {
        err << "hm-listen: the catalogue has no sound \"" << which << "\"\n";
        return kListenUsage;
    }
    std::optional<Archive> archive = OpenArchive(catalogue, archivePath, err);
    if (!archive) return kListenBadData;
    return WriteRowPicture(*archive, *row, outPath, out, err);
}

int RunLooseFile(const fs::path& path, const fs::path& outPath, std::ostream& out,
                 std::ostream& err) {
    std::optional<std::vector<uint8_t>> bytes = ReadFileBytes(path);
    if (!bytes) {
        err << "hm-listen: cannot read " << path.string() << "\n";
        return kListenBadData;
    }
    return WritePicture(std::move(*bytes), path.filename().string(), outPath, out, err);
}

// Every sound row; a row that fails is named and the others are still drawn.
int RunAll(const std::string& archivePath, const fs::path& outDir,
           std::span<const AssetEntry> catalogue, std::ostream& out, std::ostream& err) {
    std::optional<Archive> archive = OpenArchive(catalogue, archivePath, err);
    if (!archive) return kListenBadData;
    std::error_code error;
    fs::create_directories(outDir, error);
    if (error) {
        err << "hm-listen: cannot make " << outDir.string() << ": " << error.message() << "\n";
        return kListenBadData;
    }
    int result = kListenOk;
    for (size_t row = 0; row < catalogue.size(); ++row) {
        if (!IsSoundRow(catalogue, row)) continue;
        const fs::path picture =
            outDir / fs::path(Utf16ToUtf8(catalogue[row].name)).replace_extension(".png");
        result = std::max(result, WriteRowPicture(*archive, row, picture, out, err));
    }
    return result;
}

}  // namespace

int RunListen(std::span<const std::string> args, std::span<const AssetEntry> catalogue,
              std::ostream& out, std::ostream& err) {
    const auto isOption = [](const std::string& arg) { return arg.starts_with("-"); };
    if (args.size() == 3 && args[0] == "--all" && !isOption(args[1]) && !isOption(args[2])) {
        return RunAll(args[1], args[2], catalogue, out, err);
    }
    if (std::any_of(args.begin(), args.end(), isOption)) {
        err << kUsage;
        return kListenUsage;
    }
    if (args.size() == 3) return RunRow(args[0], args[1], args[2], catalogue, out, err);
    if (args.size() == 2) return RunLooseFile(args[0], args[1], out, err);
    err << kUsage;
    return kListenUsage;
}
