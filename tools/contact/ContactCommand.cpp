#include "ContactCommand.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <optional>
#include <vector>

#include "DetachedPlatform.h"
#include "Png.h"
#include "RigPose.h"
#include "Sheet.h"
#include "library/AssetNames.h"
#include "library/MyLibrary.h"
#include "library/Utf.h"

namespace {

constexpr std::string_view kUsage =
    "usage: hm-contact [--cell=PIXELS] models ARCHIVE OUT.png NAME|INDEX...\n"
    "       hm-contact [--cell=PIXELS] rig ARCHIVE OUT.png gt|gt-held|fish MOTION "
    "FRAME|MOTION:FRAME...\n";
constexpr std::string_view kCellOption = "--cell=";
constexpr int kSmallestCell = 32;
constexpr int kLargestCell = 2048;
constexpr int kMostColumns = 6;
constexpr std::string_view kModelExtension = ".x";
// The rig sheets' second row: the body from its side, a little above.
constexpr glm::vec3 kSide{-1.0f, 0.12f, 0.0f};

std::optional<int> ParseCount(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || value < 0) return std::nullopt;
    return value;
}

bool IsModelRow(std::span<const AssetEntry> catalogue, int row) {
    return row >= 0 && static_cast<size_t>(row) < catalogue.size() &&
           KindOfName(Utf16ToUtf8(catalogue[row].name)) == AssetKind::Model;
}

// The model row an INDEX or NAME argument means ("kinko.x", or "kinko" without the extension).
std::optional<int> ResolveModelRow(std::span<const AssetEntry> catalogue,
                                   const std::string& which) {
    std::optional<int> row = ParseCount(which);
    if (!row) {
        row = FindAsset(catalogue, Utf8ToUtf16(which));
        if (*row < 0) row = FindAsset(catalogue, Utf8ToUtf16(which + std::string(kModelExtension)));
    }
    return IsModelRow(catalogue, *row) ? row : std::nullopt;
}

std::string RowName(std::span<const AssetEntry> catalogue, int row) {
    return "row " + std::to_string(row) + " \"" + Utf16ToUtf8(catalogue[row].name) + "\"";
}

// The catalogue compiled into this tool describes the archive built with it; an archive rebuilt
// since (a changed recipe) has other offsets, and every row would read as garbage.
bool ArchiveMatchesCatalogue(const std::string& archivePath, std::span<const AssetEntry> catalogue,
                             std::ostream& err) {
    uint64_t expected = 0;
    for (const AssetEntry& entry : catalogue) {
        expected = std::max<uint64_t>(expected, uint64_t{entry.offset} + entry.size);
    }
    std::error_code error;
    const uint64_t actual = std::filesystem::file_size(archivePath, error);
    if (error || actual == expected) return true;  // an unreadable file fails when opened
    err << "hm-contact: " << archivePath << " holds " << actual
        << " bytes, but the catalogue built into hm-contact describes " << expected
        << ": rebuild hm-contact together with the archive\n";
    return false;
}

// Opens `archive` on the file and checks that the file is the one its catalogue describes.
bool OpenArchive(Archive& archive, const std::string& archivePath, std::ostream& err) {
    if (!archive.Open(archivePath)) {
        err << "hm-contact: " << archive.OpenError() << "\n";
        return false;
    }
    return ArchiveMatchesCatalogue(archivePath, archive.Catalogue(), err);
}

int WriteSheet(const ContactSheet& sheet, const std::string& path, std::ostream& out,
               std::ostream& err) {
    if (!driver::WritePng(path, sheet.Image())) {
        err << "hm-contact: cannot write " << path << "\n";
        return kContactBadData;
    }
    out << path << "\n";
    return kContactOk;
}

int RunModels(int cellSide, const std::string& archivePath, const std::string& outPath,
              std::span<const std::string> which, std::span<const AssetEntry> catalogue,
              std::ostream& out, std::ostream& err) {
    std::vector<int> rows;
    for (const std::string& name : which) {
        const std::optional<int> row = ResolveModelRow(catalogue, name);
        if (!row) {
            err << "hm-contact: the catalogue has no model \"" << name << "\"\n";
            return kContactUsage;
        }
        rows.push_back(*row);
    }
    Archive archive(catalogue);
    if (!OpenArchive(archive, archivePath, err)) return kContactBadData;
    SheetModels models(archive);
    const int count = static_cast<int>(rows.size());
    const int columns = std::min(count, kMostColumns);
    ContactSheet sheet(columns, (count + columns - 1) / columns, cellSide);
    int result = kContactOk;
    for (int i = 0; i < count; ++i) {
        const SheetModel* model = models.Model(rows[i]);
        if (model == nullptr) {
            err << "hm-contact: " << RowName(catalogue, rows[i])
                << " is not a model the game loads\n";
            result = kContactBadData;
            sheet.Place(i % columns, i / columns, FailedCell(cellSide));
            continue;
        }
        const std::vector<PlacedModel> scene{{model, glm::mat4(1.0f)}};
        const View view = FrameBox(PlacedBounds(scene), kThreeQuarterFront);
        sheet.Place(i % columns, i / columns, RenderCell(scene, view, cellSide));
    }
    return std::max(result, WriteSheet(sheet, outPath, out, err));
}

// Every pose drawn, all framed on the box that holds them all so the cells share one scale.
void DrawPoses(const std::vector<std::vector<PlacedModel>>& poses, int cellSide,
               ContactSheet& sheet) {
    std::optional<Box> all;
    for (const std::vector<PlacedModel>& pose : poses) {
        if (pose.empty()) continue;
        const Box box = PlacedBounds(pose);
        all = all ? Union(*all, box) : box;
    }
    const Box framed = all.value_or(Box{glm::vec3(0.0f), glm::vec3(0.0f)});
    const View views[] = {FrameBox(framed, kThreeQuarterFront), FrameBox(framed, kSide)};
    for (size_t column = 0; column < poses.size(); ++column) {
        for (int row = 0; row < 2; ++row) {
            sheet.Place(static_cast<int>(column), row,
                        RenderCell(poses[column], views[row], cellSide));
        }
    }
}

// One column of a rig sheet: the motion played and the clock's frame.
struct Pose {
    int motion;
    int frame;
};

// FRAME, or MOTION:FRAME for a column that plays another motion than the sheet's.
std::optional<Pose> ParsePose(const std::string& text, int sheetMotion) {
    const size_t colon = text.find(':');
    if (colon == std::string::npos) {
        const std::optional<int> frame = ParseCount(text);
        return frame ? std::optional<Pose>({sheetMotion, *frame}) : std::nullopt;
    }
    const std::optional<int> motion = ParseCount(text.substr(0, colon));
    const std::optional<int> frame = ParseCount(text.substr(colon + 1));
    return motion && frame ? std::optional<Pose>({*motion, *frame}) : std::nullopt;
}

int RunRig(int cellSide, const std::string& archivePath, const std::string& outPath,
           std::span<const std::string> rest, std::span<const AssetEntry> catalogue,
           std::ostream& out, std::ostream& err) {
    const std::optional<RigKind> kind = RigKindNamed(rest[0]);
    const std::optional<int> motion = ParseCount(rest[1]);
    std::vector<Pose> columns;
    for (const std::string& text : rest.subspan(2)) {
        if (const std::optional<Pose> pose = motion ? ParsePose(text, *motion) : std::nullopt) {
            columns.push_back(*pose);
        }
    }
    if (!kind || !motion || columns.size() + 2 != rest.size()) {
        err << kUsage;
        return kContactUsage;
    }
    DetachedPlatform platform;
    MyLibrary library(platform.Services());
    if (!OpenArchive(library.archive, archivePath, err)) return kContactBadData;
    SheetModels models(library.archive);
    int result = kContactOk;
    std::vector<std::vector<PlacedModel>> poses;
    for (const Pose& column : columns) {
        std::vector<PlacedModel>& pose = poses.emplace_back();
        for (const PosedPart& part : PoseRig(*kind, column.motion, column.frame, library)) {
            const SheetModel* model =
                IsModelRow(catalogue, part.modelIndex) ? models.Model(part.modelIndex) : nullptr;
            if (model == nullptr) {
                err << "hm-contact: part model " << part.modelIndex << " does not load\n";
                result = kContactBadData;
                continue;
            }
            pose.push_back({model, part.world});
        }
    }
    ContactSheet sheet(static_cast<int>(columns.size()), 2, cellSide);
    DrawPoses(poses, cellSide, sheet);
    return std::max(result, WriteSheet(sheet, outPath, out, err));
}

}  // namespace

int RunContact(std::span<const std::string> args, std::span<const AssetEntry> catalogue,
               std::ostream& out, std::ostream& err) {
    int cellSide = kCellSide;
    if (!args.empty() && args[0].starts_with(kCellOption)) {
        const std::optional<int> side = ParseCount(args[0].substr(kCellOption.size()));
        if (!side || *side < kSmallestCell || *side > kLargestCell || *side % 2 != 0) {
            err << "hm-contact: a cell is an even number of pixels from " << kSmallestCell << " to "
                << kLargestCell << "\n";
            return kContactUsage;
        }
        cellSide = *side;
        args = args.subspan(1);
    }
    if (args.size() >= 4 && args[0] == "models") {
        return RunModels(cellSide, args[1], args[2], args.subspan(3), catalogue, out, err);
    }
    if (args.size() >= 6 && args[0] == "rig") {
        return RunRig(cellSide, args[1], args[2], args.subspan(3), catalogue, out, err);
    }
    err << kUsage;
    return kContactUsage;
}
