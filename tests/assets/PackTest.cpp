// Packing, the layout check of verify, and the load checks. The catalogue source packing writes is
// compiled into the game, where the built archive's tests read it back. Most load checks hand the
// bytes to the game's own loader, whose tests hold the refusal cases.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "AssetChecks.h"
#include "Bytes.h"
#include "Commands.h"
#include "Pack.h"
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

// Sound layouts pass; each fault is named in the message.
TEST(LayoutTest, FindsWhatIsWrong) {
    const struct {
        std::vector<AssetEntry> rows;
        uint64_t archiveSize;
        const char* problem;  // a part of the message, or null when the layout is sound
    } cases[] = {{{{4, 0, u"a.png"}, {6, 4, u"b.x"}}, 10, nullptr},
                 {{{4, 0, u"a.png"}, {0, 4, u"b.x"}}, 4, nullptr},  // an empty row
                 {{{4, 0, u"a.png"}, {6, 4, u"b.x"}},
                  9,
                  "row 1 \"b.x\" ends at byte 10, beyond the archive's 9 bytes"},
                 {{{4, 0, u"a.png"}, {6, 4, u"b.x"}}, 11, "total 10"},
                 {{{4, 0, u"a.png"}, {6, 5, u"b.x"}}, 11, "row 1 \"b.x\" starts at byte 5"},
                 {{{4, 0, u"a.png"}, {6, 2, u"b.x"}}, 10, "not at 4"},
                 {{{0xFFFFFFFFu, 0, u"a.png"}, {0xFFFFFFFFu, 0xFFFFFFFFu, u"b.x"}}, 10, "beyond"}};
    for (const auto& c : cases) {
        const std::optional<std::string> problem = ArchiveLayoutProblem(c.rows, c.archiveSize);
        if (c.problem == nullptr) {
            EXPECT_EQ(problem, std::nullopt) << c.archiveSize;
        } else {
            EXPECT_THAT(problem.value_or(""), testing::HasSubstr(c.problem));
        }
    }
}

// Each kind's load check sees the built archive's rows load (hm-archive list) and a cut loose file
// refused (hm-archive inspect); what is left is the glyph table's check of its own, and the effect.
TEST(CheckTest, RefusesAnEmptyGlyphTableAndABrokenEffect) {
    const std::string effect = "technique T\nshared\n";
    const std::span<const uint8_t> effectBytes(reinterpret_cast<const uint8_t*>(effect.data()),
                                               effect.size());
    EXPECT_EQ(CheckAsset(AssetKind::GlyphTable, {}, AssetCatalogue()), LoadCheck::Fails);
    EXPECT_EQ(CheckAsset(AssetKind::Effect, effectBytes, AssetCatalogue()), LoadCheck::Fails);
}

}  // namespace
