// Decoding PNG and BMP textures as the asset generator writes them: pixels top row first as RGBA,
// refusal of damaged or oversized files.
#include "library/ImageLoader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ModelTestFiles.h"

namespace {

using testfiles::Bytes;
using testfiles::kRgbaPng;
using testfiles::MakeBmp24;
using testing::ElementsAre;

TEST(ImageLoader, PngKeepsItsAlphaAndRowOrder) {
    const std::optional<gfx::Image> image = DecodeImage(kRgbaPng);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->size, (gfx::Size{2, 2}));
    EXPECT_THAT(image->rgba, ElementsAre(255, 0, 0, 255, 0, 255, 0, 128,  //
                                         0, 0, 255, 255, 10, 20, 30, 0));
}

// Bottom-up BMP rows with padding: the top row still comes first.
TEST(ImageLoader, BmpBecomesOpaqueRgbaTopRowFirst) {
    const std::optional<gfx::Image> bmp = DecodeImage(MakeBmp24(
        3, 2, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}, {13, 14, 15}, {16, 17, 18}}));
    ASSERT_TRUE(bmp.has_value());
    EXPECT_EQ(bmp->size, (gfx::Size{3, 2}));
    EXPECT_THAT(bmp->rgba, ElementsAre(1, 2, 3, 255, 4, 5, 6, 255, 7, 8, 9, 255, 10, 11, 12, 255,
                                       13, 14, 15, 255, 16, 17, 18, 255));
}

// Sets a 32-bit little-endian field of a file.
Bytes WithField(Bytes bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
    return bytes;
}

// Every cut of either format is refused: a missing last row would otherwise decode as black.
TEST(ImageLoader, RefusesEveryCutAndDamagedHeadersCleanly) {
    const Bytes bmp = MakeBmp24(4, 4, std::vector<testfiles::Rgb>(16, testfiles::Rgb{9, 9, 9}));
    for (const Bytes* file : {&kRgbaPng, &bmp}) {
        for (size_t length = 0; length < file->size(); ++length) {
            EXPECT_FALSE(DecodeImage(std::span(file->data(), length))) << length;
        }
    }
    EXPECT_FALSE(DecodeImage(testfiles::ToBytes("GIF89a......")));
    // A 60-byte file claiming 8000 × 8000 pixels must not cost 256 MB.
    EXPECT_FALSE(DecodeImage(
        WithField(WithField(Bytes(bmp.begin(), bmp.begin() + 60), 18, 8000), 22, 8000)));
    EXPECT_FALSE(DecodeImage(WithField(bmp, 18, kMaxImageSide + 1)));  // wider than the limit
    EXPECT_FALSE(DecodeImage(WithField(bmp, 22, kMaxImageSide + 1)));  // taller
    EXPECT_FALSE(DecodeImage(WithField(bmp, 10, 0xFFFFFFF0u)));        // pixels past the end
}

}  // namespace
