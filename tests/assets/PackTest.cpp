// Packing, the layout check of verify, and the per-kind load checks. The catalogue source packing
// writes is compiled into the game, where the built archive's tests read it back. Most load checks
// hand the bytes to the game's own loader, whose tests hold the refusal cases, so those kinds only
// show the dispatch; the glyph table's two conditions are the check's own.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "AssetChecks.h"
#include "Commands.h"
#include "Image.h"
#include "Models.h"
#include "Pack.h"
#include "XFile.h"
#include "library/AssetNames.h"
#include "library/Catalogue.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

// Every named file, each holding its own row number as text.
void WriteNumberedAssets(const fs::path& folder) {
    for (size_t row = 0; row < kAssetNames.size(); ++row) {
        const std::string text = std::to_string(row);
        WriteBytes(folder / kAssetNames[row], Bytes(text.begin(), text.end()));
    }
}

TEST(PackTest, PacksTheNamedFilesBackToBackInCatalogueOrder) {
    TempFolder folder;
    WriteNumberedAssets(folder.Path());
    WriteBytes(folder.Path() / "stray.bin", Bytes{1, 2, 3});  // not in the catalogue: left out
    const fs::path archive = folder.Path() / "data.dat";

    const std::vector<PackedRow> rows = PackArchive(folder.Path(), archive);
    ASSERT_EQ(rows.size(), kAssetNames.size());
    std::string expected;
    for (size_t row = 0; row < rows.size(); ++row) {
        EXPECT_EQ(rows[row].offset, expected.size());
        EXPECT_EQ(rows[row].name, kAssetNames[row]);
        expected += std::to_string(row);
        EXPECT_EQ(rows[row].size, std::to_string(row).size());
    }
    const Bytes packed = ReadBytes(archive);
    EXPECT_EQ(std::string(packed.begin(), packed.end()), expected);
    EXPECT_FALSE(fs::exists(folder.Path() / "data.dat.partial"));
}

TEST(PackTest, NamesTheMissingFileAndKeepsTheOldArchive) {
    TempFolder folder;
    WriteNumberedAssets(folder.Path());
    fs::remove(folder.Path() / "step2.wav");
    const fs::path archive = folder.Path() / "data.dat";
    WriteBytes(archive, Bytes{7});

    std::ostringstream out, err;
    const std::string args[] = {folder.Path().string(), archive.string(),
                                (folder.Path() / "Catalogue.cpp").string()};
    EXPECT_EQ(RunPack(args, out, err), kExitBadData);
    EXPECT_THAT(err.str(), testing::HasSubstr("step2.wav"));
    EXPECT_THAT(err.str(), testing::HasSubstr("row 197"));
    EXPECT_EQ(ReadBytes(archive), Bytes{7});
    EXPECT_FALSE(fs::exists(folder.Path() / "data.dat.partial"));
    EXPECT_FALSE(fs::exists(folder.Path() / "Catalogue.cpp"));
}

TEST(PackTest, RefusesAnUnwritableArchive) {
    TempFolder folder;
    WriteNumberedAssets(folder.Path());
    EXPECT_THROW(PackArchive(folder.Path(), folder.Path() / "absent" / "data.dat"),
                 std::runtime_error);
}

struct LayoutCase {
    const char* what;
    std::vector<AssetEntry> rows;
    uint64_t archiveSize;
    const char* problem;  // a part of the message, or null when the layout is sound
};

class LayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutTest, FindsWhatIsWrong) {
    const std::optional<std::string> problem =
        ArchiveLayoutProblem(GetParam().rows, GetParam().archiveSize);
    if (GetParam().problem == nullptr) {
        EXPECT_EQ(problem, std::nullopt);
    } else {
        ASSERT_TRUE(problem);
        EXPECT_THAT(*problem, testing::HasSubstr(GetParam().problem));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, LayoutTest,
    testing::Values(
        LayoutCase{"sound", {{4, 0, u"a.png"}, {6, 4, u"b.x"}}, 10, nullptr},
        LayoutCase{"empty_row", {{4, 0, u"a.png"}, {0, 4, u"b.x"}}, 4, nullptr},
        LayoutCase{"truncated",
                   {{4, 0, u"a.png"}, {6, 4, u"b.x"}},
                   9,
                   "row 1 \"b.x\" ends at byte 10, beyond the archive's 9 bytes"},
        LayoutCase{"longer", {{4, 0, u"a.png"}, {6, 4, u"b.x"}}, 11, "total 10"},
        LayoutCase{"gap", {{4, 0, u"a.png"}, {6, 5, u"b.x"}}, 11, "row 1 \"b.x\" starts at byte 5"},
        LayoutCase{"overlap", {{4, 0, u"a.png"}, {6, 2, u"b.x"}}, 10, "not at 4"},
        LayoutCase{"huge_row",
                   {{0xFFFFFFFFu, 0, u"a.png"}, {0xFFFFFFFFu, 0xFFFFFFFFu, u"b.x"}},
                   10,
                   "beyond"}),
    [](const testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.what); });

struct CheckCase {
    const char* what;
    AssetKind kind;
    std::string bytes;
    LoadCheck expected;
};

class CheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckTest, TellsLoadableFromBroken) {
    const std::string& text = GetParam().bytes;
    EXPECT_EQ(
        CheckAsset(GetParam().kind, {reinterpret_cast<const uint8_t*>(text.data()), text.size()},
                   AssetCatalogue()),
        GetParam().expected);
}

std::string AsString(const Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

const std::string kPng = AsString(EncodePng(Image(3, 2, Rgba8{10, 20, 30, 255})));
const std::string kBmp = AsString(EncodeBmp(Image(3, 2, Rgba8{10, 20, 30, 255})));
const std::string kModel = WriteXFile(BuildModel("cube.x"));

const std::string kWave = std::string("RIFF\x2C\0\0\0WAVEfmt \x10\0\0\0", 20) +
                          std::string("\x01\0\x01\0\x44\xAC\0\0\x88\x58\x01\0\x02\0\x10\0", 16) +
                          std::string("data\x08\0\0\0", 8) + std::string(8, '\0');
const std::string kGlyphLineFeed =
    std::string("\x0A\0\0\0", 4) + std::string(16, '\0') + std::string("\0\0\0\0\x18\0\0\0", 8);

INSTANTIATE_TEST_SUITE_P(
    Checks, CheckTest,
    testing::Values(
        CheckCase{"png", AssetKind::Png, kPng, LoadCheck::Loads},
        CheckCase{"png_cut", AssetKind::Png, kPng.substr(0, kPng.size() - 20), LoadCheck::Fails},
        CheckCase{"bmp", AssetKind::Bmp, kBmp, LoadCheck::Loads},
        CheckCase{"x", AssetKind::Model, kModel, LoadCheck::Loads},
        CheckCase{"x_cut", AssetKind::Model, kModel.substr(0, kModel.size() / 2), LoadCheck::Fails},
        CheckCase{"wav", AssetKind::Wave, kWave, LoadCheck::Loads},
        CheckCase{"wav_cut", AssetKind::Wave, kWave.substr(0, 40), LoadCheck::Fails},
        CheckCase{"csv", AssetKind::TextTable, "Key,Japanese\nFlagManager_0,%d\n",
                  LoadCheck::Loads},
        CheckCase{"csv_no_japanese", AssetKind::TextTable, "Key,English\nFlagManager_0,%d\n",
                  LoadCheck::Fails},
        CheckCase{"glyphs", AssetKind::GlyphTable, kGlyphLineFeed, LoadCheck::Loads},
        CheckCase{"glyphs_ragged", AssetKind::GlyphTable, kGlyphLineFeed + "x", LoadCheck::Fails},
        CheckCase{"glyphs_empty", AssetKind::GlyphTable, "", LoadCheck::Fails},
        CheckCase{"effect_broken", AssetKind::Effect, "technique T\nshared\n", LoadCheck::Fails}),
    [](const testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.what); });

}  // namespace
