#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
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

    // The written sheet's size, read back with the game's own decoder.
    gfx::Size SheetSize() const {
        std::ifstream in(Sheet(), std::ios::binary);
        const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                         std::istreambuf_iterator<char>());
        const std::optional<ImageInfo> info = ReadImageInfo(bytes);
        return info ? info->size : gfx::Size{};
    }
};

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

TEST_F(ContactCommandTest, ModelsByNameOrIndexMakeOneCellEach) {
    ASSERT_EQ(Run({"models", HM_BUILT_ARCHIVE, Sheet(), "cube", "77", "cone.x"}), kContactOk)
        << err.str();
    EXPECT_EQ(SheetSize(), (gfx::Size{2 + 3 * 258, 2 + 258}));
}

// A column per frame, the first at rest (motion 0) and the second in the walk.
TEST_F(ContactCommandTest, ARigSheetHasAColumnPerFrameAndTwoViews) {
    ASSERT_EQ(Run({"--cell=64", "rig", HM_BUILT_ARCHIVE, Sheet(), "gt", "2", "0:0", "8"}),
              kContactOk)
        << err.str();
    EXPECT_EQ(SheetSize(), (gfx::Size{2 + 2 * 66, 2 + 2 * 66}));
}

}  // namespace
