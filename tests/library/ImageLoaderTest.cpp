// Decoding PNG and BMP textures: pixels top row first as RGBA, refusal of damaged or oversized
// files.
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

Bytes Cut(const Bytes& bytes, size_t length) {
    return Bytes(bytes.begin(), bytes.begin() + length);
}

struct BadImage {
    const char* label;
    Bytes bytes;
    friend void PrintTo(const BadImage& row, std::ostream* out) { *out << row.label; }
};

class RefusedImage : public testing::TestWithParam<BadImage> {};

TEST_P(RefusedImage, FailsCleanly) {
    EXPECT_FALSE(DecodeImage(GetParam().bytes).has_value());
}

const Bytes kBmp = MakeBmp24(4, 4, std::vector<testfiles::Rgb>(16, testfiles::Rgb{9, 9, 9}));

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedImage,
    testing::Values(BadImage{"Empty", {}},
                    BadImage{"NeitherFormat", testfiles::ToBytes("GIF89a......")},
                    BadImage{"PngCutInsideItsData", Cut(kRgbaPng, 50)},
                    BadImage{"PngWithoutEnd", Cut(kRgbaPng, kRgbaPng.size() - 12)},
                    BadImage{"PngHeaderOnly", Cut(kRgbaPng, 33)},
                    // The missing last row would otherwise decode as black.
                    BadImage{"BmpCutInsideItsPixels", Cut(kBmp, kBmp.size() - 1)},
                    BadImage{"BmpHeaderOnly", Cut(kBmp, 54)},
                    // A 60-byte file claiming 8000 × 8000 pixels must not cost 256 MB.
                    BadImage{"BmpClaimingMorePixelsThanItHolds",
                             WithField(WithField(Cut(kBmp, 60), 18, 8000), 22, 8000)},
                    BadImage{"BmpWiderThanTheLimit", WithField(kBmp, 18, kMaxImageSide + 1)},
                    BadImage{"BmpTallerThanTheLimit", WithField(kBmp, 22, kMaxImageSide + 1)},
                    BadImage{"BmpPixelOffsetPastTheEnd", WithField(kBmp, 10, 0xFFFFFFF0u)}));

}  // namespace
