// The data.dat the build made, read through the catalogue compiled into the game.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>

#include "Bytes.h"
#include "Commands.h"
#include "FontAtlas.h"
#include "library/Archive.h"
#include "library/AssetNames.h"
#include "library/Catalogue.h"
#include "library/GlyphTable.h"
#include "library/ImageLoader.h"
#include "support/TempFolder.h"

namespace {

class BuiltArchiveTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(archive_.Open(HM_BUILT_ARCHIVE)) << archive_.OpenError(); }

    Bytes Row(int index) {
        auto bytes = archive_.Read(index);
        EXPECT_TRUE(bytes) << "row " << index;
        return bytes.value_or(Bytes{});
    }

    Archive archive_{AssetCatalogue()};
};

// Each glyph's cell in the atlas has its size in pixels, room below the em for descenders, and
// its glyph's ink; no ink lies outside the cells or in two of them.
TEST_F(BuiltArchiveTest, GlyphCellsHoldTheirInkInsideTheAtlas) {
    const Bytes file = Row(5);
    ASSERT_EQ(file.size() % GlyphTable::kRecordSize, 0u);
    const GlyphTable glyphs(file);
    EXPECT_EQ(glyphs.LineFeed()->height, kGlyphSize);
    EXPECT_EQ(glyphs.Find(u'あ')->width, kGlyphSize);  // a full-width character fills the em
    const std::optional<gfx::Image> atlas =
        DecodeImage(Row(FindAsset(AssetCatalogue(), u"FontAtlas.png")));
    ASSERT_TRUE(atlas);
    const int atlasWidth = atlas->size.width, atlasHeight = atlas->size.height;
    const auto inkIn = [&](int left, int top, int width, int height) {
        int ink = 0;
        for (int y = top; y < top + height; ++y) {
            for (int x = left; x < left + width; ++x)
                ink += atlas->rgba[(y * atlasWidth + x) * 4 + 3];
        }
        return ink;
    };
    int cellInk = 0;
    for (const Glyph& glyph : glyphs.Glyphs().subspan(1)) {
        SCOPED_TRACE(glyph.code);
        EXPECT_GT(glyph.height, kGlyphSize);
        const auto& [left, top, right, bottom] = glyph.rect;
        ASSERT_TRUE(0 <= left && left < right && right <= 1);
        ASSERT_TRUE(0 <= top && top < bottom && bottom <= 1);
        EXPECT_FLOAT_EQ((right - left) * atlasWidth, glyph.width);
        EXPECT_FLOAT_EQ((bottom - top) * atlasHeight, glyph.height);
        const int ink =
            inkIn(static_cast<int>(std::lround(left * atlasWidth)),
                  static_cast<int>(std::lround(top * atlasHeight)), glyph.width, glyph.height);
        EXPECT_EQ(ink > 0, glyph.code != u' ' && glyph.code != u'\u3000');  // spaces have none
        cellInk += ink;
    }
    EXPECT_EQ(cellInk, inkIn(0, 0, atlasWidth, atlasHeight));
}

TEST_F(BuiltArchiveTest, ListSaysEveryRowLoads) {
    std::ostringstream out, err;
    const std::string args[] = {HM_BUILT_ARCHIVE};
    EXPECT_EQ(RunList(args, AssetCatalogue(), out, err), kExitOk) << err.str();
    EXPECT_THAT(out.str(), testing::HasSubstr("  106  bouka.x "));

    std::istringstream lines(out.str());
    std::string line;
    std::getline(lines, line);  // the header
    int row = 0;
    for (; std::getline(lines, line); ++row) {
        const std::string loads = line.substr(line.find_last_of(' ') + 1);
        EXPECT_EQ(loads, "ok") << line;
    }
    EXPECT_EQ(row, kAssetCount);
}

TEST_F(BuiltArchiveTest, ExtractsByIndexAndByName) {
    TempFolder folder;
    std::ostringstream out, err;
    for (const std::string which : {"197", "step2.wav"}) {
        const std::string args[] = {HM_BUILT_ARCHIVE, which, (folder.Path() / which).string()};
        ASSERT_EQ(RunExtract(args, AssetCatalogue(), out, err), kExitOk) << err.str();
        EXPECT_EQ(ReadBytes(folder.Path() / which), Row(197));
    }
    for (const std::string which : {"202", "99999999999", "missing.x", "Step2.wav"}) {
        const std::string args[] = {HM_BUILT_ARCHIVE, which, (folder.Path() / "x").string()};
        EXPECT_EQ(RunExtract(args, AssetCatalogue(), out, err), kExitUsage) << which;
    }
}

// Runs the hm-archive executable; its exit code.
int RunTool(const std::string& arguments) {
    const int status =
        std::system((std::string(HM_ARCHIVE_TOOL) + " " + arguments + " >/dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ArchiveToolTest, VerifiesTheBuiltArchiveAndRejectsATruncatedCopy) {
    TempFolder folder;
    const Bytes whole = ReadBytes(HM_BUILT_ARCHIVE);
    const std::filesystem::path truncated = folder.Path() / "data.dat";
    WriteBytes(truncated, std::span(whole).first(whole.size() - 1));

    EXPECT_EQ(RunTool(std::string("verify ") + HM_BUILT_ARCHIVE), kExitOk);
    EXPECT_EQ(RunTool("verify " + truncated.string()), kExitBadData);
    EXPECT_EQ(RunTool("list " + truncated.string()), kExitBadData);  // its last row is cut
    EXPECT_EQ(RunTool("verify " + (folder.Path() / "absent.dat").string()), kExitBadData);
    EXPECT_EQ(RunTool("verify " + folder.Path().string()), kExitBadData);  // a folder
    EXPECT_EQ(RunTool(""), kExitUsage);
    EXPECT_EQ(RunTool("unpack x"), kExitUsage);
    EXPECT_EQ(RunTool("verify"), kExitUsage);
}

}  // namespace
