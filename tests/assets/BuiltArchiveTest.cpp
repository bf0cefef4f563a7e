// The data.dat the build made, read through the catalogue compiled into the game.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdlib>
#include <sstream>
#include <string>

#include "Bytes.h"
#include "Commands.h"
#include "library/Archive.h"
#include "library/AssetNames.h"
#include "library/Catalogue.h"
#include "library/GlyphTable.h"
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

TEST_F(BuiltArchiveTest, GlyphRecordsLieInsideTheAtlas) {
    const Bytes file = Row(5);
    ASSERT_EQ(file.size() % GlyphTable::kRecordSize, 0u);
    const GlyphTable glyphs(file);
    EXPECT_EQ(glyphs.LineFeed()->height, 24);
    EXPECT_EQ(glyphs.Glyphs().size(), file.size() / GlyphTable::kRecordSize);
    for (const Glyph& glyph : glyphs.Glyphs().subspan(1)) {
        EXPECT_GT(glyph.width, 0) << glyph.code;
        EXPECT_GE(glyph.height, 24) << glyph.code;
        const auto& [left, top, right, bottom] = glyph.rect;
        EXPECT_TRUE(0 <= left && left < right && right <= 1) << glyph.code;
        EXPECT_TRUE(0 <= top && top < bottom && bottom <= 1) << glyph.code;
    }
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
