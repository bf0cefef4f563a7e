#include "library/Archive.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

// A literal table, as the generated catalogue is.
constexpr AssetEntry kCatalogue[] = {
    {4, 0, u"first.png"},        {6, 4, u"bouka.bmp"},     {0, 10, u"empty.dat"},
    {5, 10, u"bouka.x"},         {6, 10, u"past_end.wav"},  // one byte beyond the 15-byte file
    {0xFFFFFFFFu, 1, u"huge.x"},                            // a corrupt row must not allocate 4 GiB
    {2, 0, u"bouka.x"},
};
constexpr size_t kFileSize = 15;

class ArchiveTest : public testing::Test {
  protected:
    void SetUp() override {
        for (size_t i = 0; i < kFileSize; ++i) fileBytes_.push_back(static_cast<uint8_t>(0xA0 + i));
        WriteBytes(path_, fileBytes_);
        ASSERT_TRUE(archive_.Open(path_)) << archive_.OpenError();
    }

    Bytes FileBytes(size_t offset, size_t size) const {
        return Bytes(fileBytes_.begin() + offset, fileBytes_.begin() + offset + size);
    }

    TempFolder folder_;
    fs::path path_ = folder_.Path() / "data.dat";
    Bytes fileBytes_;
    Archive archive_{kCatalogue};
};

// Rows read back exactly, in any order (the game's loads and the built archive's checks read
// many), an empty one as no bytes; rows outside the file or the catalogue fail.
TEST_F(ArchiveTest, ReadsExactlyTheRowsBytesAndRowsOutsideTheFileOrCatalogueFail) {
    EXPECT_EQ(archive_.Read(3), FileBytes(10, 5));
    EXPECT_EQ(archive_.Read(2), Bytes{});
    EXPECT_EQ(archive_.Read(4), std::nullopt);
    EXPECT_EQ(archive_.Read(5), std::nullopt);
    EXPECT_EQ(archive_.Read(-1), std::nullopt);
    EXPECT_EQ(archive_.Read(static_cast<int>(std::size(kCatalogue))), std::nullopt);
    // A failed read leaves the archive usable.
    EXPECT_EQ(archive_.Read(1), FileBytes(4, 6));
}

TEST_F(ArchiveTest, FileShortenedAfterOpeningGivesAFailedReadNotAPartialOne) {
    fs::resize_file(path_, 12);
    EXPECT_EQ(archive_.Read(3), std::nullopt);
    EXPECT_EQ(archive_.Read(0), FileBytes(0, 4));
}

// A missing file's error names its full path and the reason; a folder is no archive either; an
// archive that failed to open reads nothing.
TEST(Archive, OpenFailsForAMissingFileOrAFolder) {
    const TempFolder folder;
    const fs::path previous = fs::current_path();
    fs::current_path(folder.Path());
    Archive archive(kCatalogue);
    const bool opened = archive.Open("data.dat");
    fs::current_path(previous);

    EXPECT_FALSE(opened);
    EXPECT_FALSE(archive.IsOpen());
    EXPECT_THAT(archive.OpenError(), testing::HasSubstr((folder.Path() / "data.dat").string()));
    EXPECT_THAT(archive.OpenError(), testing::HasSubstr(std::strerror(ENOENT)));
    EXPECT_EQ(archive.Read(0), std::nullopt);

    EXPECT_FALSE(archive.Open(folder.Path()));
    EXPECT_THAT(archive.OpenError(), testing::HasSubstr(folder.Path().string()));
}

TEST(FindAsset, MatchesWholeCaseSensitiveNamesFirstRowFirst) {
    EXPECT_EQ(FindAsset(kCatalogue, u"bouka.bmp"), 1);
    EXPECT_EQ(FindAsset(kCatalogue, u"bouka.x"), 3);
    EXPECT_EQ(FindAsset(kCatalogue, u"bouka"), -1);
    EXPECT_EQ(FindAsset(kCatalogue, u"bouka.xx"), -1);
    EXPECT_EQ(FindAsset(kCatalogue, u"Bouka.x"), -1);
    EXPECT_EQ(FindAsset(kCatalogue, u""), -1);
    EXPECT_EQ(FindAsset({}, u"bouka.x"), -1);
}

}  // namespace
