#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ContactCommand.h"
#include "library/Catalogue.h"
#include "library/ImageLoader.h"
#include "support/TempFolder.h"

namespace fs = std::filesystem;

namespace {

struct ContactCommandTest : ::testing::Test {
    TempFolder temp;
    const fs::path folder = temp.Path();
    std::ostringstream out;
    std::ostringstream err;

    int Run(std::vector<std::string> args) { return RunContact(args, AssetCatalogue(), out, err); }
    std::string Sheet() const { return (folder / "sheet.png").string(); }

    // The written sheet, read back with the game's own decoder.
    gfx::Image ReadSheet() const { return DecodeImage(ReadBytes(Sheet())).value_or(gfx::Image{}); }
};

constexpr uint32_t kGround = 0x202020, kCellBackground = 0x5A6470;
constexpr int kGap = 2;

uint32_t Rgb(const gfx::Image& image, int x, int y) {
    const uint8_t* p = &image.rgba[(static_cast<size_t>(y) * image.size.width + x) * 4];
    return uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2];
}

// A framed model lies wholly inside its cell and fills most of it: the cell's edges show only
// the background, and what was drawn spans more than half the cell one way or the other.
void ExpectFramed(const gfx::Image& sheet, int column, int row, int side) {
    const int left = kGap + column * (side + kGap), top = kGap + row * (side + kGap);
    int minX = side, maxX = -1, minY = side, maxY = -1;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            if (Rgb(sheet, left + x, top + y) == kCellBackground) continue;
            minX = std::min(minX, x), maxX = std::max(maxX, x);
            minY = std::min(minY, y), maxY = std::max(maxY, y);
        }
    }
    SCOPED_TRACE(testing::Message() << "cell " << column << ", " << row);
    EXPECT_GT(minX, 0);
    EXPECT_GT(minY, 0);
    EXPECT_LT(maxX, side - 1);
    EXPECT_LT(maxY, side - 1);
    EXPECT_GT(std::max(maxX - minX, maxY - minY), side / 2);
    EXPECT_EQ(Rgb(sheet, left - 1, top - 1), kGround);
}

TEST_F(ContactCommandTest, WrongArgumentsAndRowsThatAreNoModelsAreUsageErrors) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"models", HM_BUILT_ARCHIVE, Sheet()},
        {"pictures", HM_BUILT_ARCHIVE, Sheet(), "cube.x"},
        {"models", HM_BUILT_ARCHIVE, Sheet(), "sight.png"},  // a texture row
        {"models", HM_BUILT_ARCHIVE, Sheet(), "nothing.x"},
        {"models", HM_BUILT_ARCHIVE, Sheet(), "202"},
        {"rig", HM_BUILT_ARCHIVE, Sheet(), "cat", "0", "0"},
        {"rig", HM_BUILT_ARCHIVE, Sheet(), "gt", "walk", "0"},
        {"rig", HM_BUILT_ARCHIVE, Sheet(), "gt", "0", "8x"},
        {"rig", HM_BUILT_ARCHIVE, Sheet(), "gt", "0", "2:"},
        {"--cell=30", "models", HM_BUILT_ARCHIVE, Sheet(), "cube.x"},
        {"--cell=65", "models", HM_BUILT_ARCHIVE, Sheet(), "cube.x"},
        {"--cell=2050", "models", HM_BUILT_ARCHIVE, Sheet(), "cube.x"},
        {"models", "--cell=64", HM_BUILT_ARCHIVE, Sheet(), "cube.x"},
    };
    for (const auto& args : cases) {
        EXPECT_EQ(Run(args), kContactUsage) << ::testing::PrintToString(args);
        EXPECT_FALSE(fs::exists(Sheet()));
    }
}

// A missing archive, and one of another build whose rows lie elsewhere than this catalogue says.
TEST_F(ContactCommandTest, AnArchiveThatCannotBeReadOrDoesNotMatchIsBadData) {
    const std::string missing = (folder / "missing.dat").string();
    const std::string other = (folder / "other.dat").string();
    std::ofstream(other, std::ios::binary) << std::string(100, 'x');
    for (const std::string& archive : {missing, other}) {
        EXPECT_EQ(Run({"models", archive, Sheet(), "cube.x"}), kContactBadData);
        EXPECT_EQ(Run({"rig", archive, Sheet(), "fish", "0", "0"}), kContactBadData);
        EXPECT_FALSE(fs::exists(Sheet()));
    }
    EXPECT_THAT(err.str(), testing::HasSubstr("rebuild hm-contact"));
}

// The cube seen from the front-left above shows three faces, each lit by how it faces the light:
// a cube drawn inside out, or lit from the wrong side, shows its far faces in ambient light alone.
TEST_F(ContactCommandTest, ModelsByNameOrIndexAreFramedLitInACellEach) {
    ASSERT_EQ(Run({"--cell=64", "models", HM_BUILT_ARCHIVE, Sheet(), "cube", "77", "cone.x"}),
              kContactOk)
        << err.str();
    const gfx::Image sheet = ReadSheet();
    ASSERT_EQ(sheet.size, (gfx::Size{2 + 3 * 66, 2 + 66}));
    for (int column = 0; column < 3; ++column) ExpectFramed(sheet, column, 0, 64);
    const uint32_t top = Rgb(sheet, 30, 18), front = Rgb(sheet, 50, 42), side = Rgb(sheet, 18, 38);
    constexpr uint32_t kAmbientWhite = 0x595959;
    EXPECT_GT(top, front);
    EXPECT_GT(front, side);
    EXPECT_GT(side, kAmbientWhite);
}

// A column per frame, the first at rest (motion 0) and the second in the walk, from the front
// and from the side.
TEST_F(ContactCommandTest, ARigSheetFramesEachPoseInBothViews) {
    ASSERT_EQ(Run({"--cell=64", "rig", HM_BUILT_ARCHIVE, Sheet(), "gt", "2", "0:0", "8"}),
              kContactOk)
        << err.str();
    const gfx::Image sheet = ReadSheet();
    ASSERT_EQ(sheet.size, (gfx::Size{2 + 2 * 66, 2 + 2 * 66}));
    for (int cell = 0; cell < 4; ++cell) ExpectFramed(sheet, cell % 2, cell / 2, 64);
}

}  // namespace
