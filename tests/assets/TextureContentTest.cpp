// The textures: every image row of the archive is a deterministic square picture, not a fill;
// the synthesis kit keeps the contracts the recipes rely on (seamless noise, clipped painting).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>
#include <string>

#include "Image.h"
#include "TextureSynth.h"
#include "Textures.h"
#include "library/AssetNames.h"

namespace {

using namespace synth;

// Every image row that has a recipe: the PNG cut-outs and the BMPs.
std::vector<int> TextureRows() {
    std::vector<int> rows;
    for (int row = 0; row < kAssetCount; ++row) {
        const AssetKind kind = KindOfRow(row);
        const std::string_view name = kAssetNames[static_cast<size_t>(row)];
        if ((kind == AssetKind::Png || kind == AssetKind::Bmp) && name != "FontAtlas.png" &&
            name != "sight.png") {
            rows.push_back(row);
        }
    }
    return rows;
}

Bytes EncodeRow(int row, const Image& picture) {
    return KindOfRow(row) == AssetKind::Png ? EncodePng(picture) : EncodeBmp(picture);
}

class TextureRowTest : public testing::TestWithParam<int> {
  protected:
    std::string_view Name() const { return kAssetNames[static_cast<size_t>(GetParam())]; }
};

// Square, a power of two from 32 to 512 pixels on a side (what the encoders write of it is checked
// with the generator and the archive report). Several colours, none covering nearly all of it; the
// cut-outs have holes and solid parts, the BMPs no alpha at all.
TEST_P(TextureRowTest, IsASquarePictureNotAFlatColour) {
    const Image picture = TextureImage(Name());
    const int size = picture.Width();
    EXPECT_EQ(picture.Height(), size);
    EXPECT_TRUE(size >= 32 && size <= 512 && (size & (size - 1)) == 0) << size;
    const int area = picture.Width() * picture.Height();
    std::map<uint32_t, int> counts;
    int transparent = 0, opaque = 0;
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            const Rgba8 p = picture.At(x, y);
            ++counts[uint32_t{p.r} << 24 | uint32_t{p.g} << 16 | uint32_t{p.b} << 8 | p.a];
            transparent += p.a == 0;
            opaque += p.a == 255;
        }
    }
    if (KindOfRow(GetParam()) == AssetKind::Png) {
        EXPECT_GT(transparent, 0);
        EXPECT_GT(opaque, 0);
    } else {
        EXPECT_EQ(opaque, area);
    }
    if (Name() == "white.bmp") {
        EXPECT_THAT(counts, testing::ElementsAre(testing::Key(0xFFFFFFFFu)));
        return;
    }
    int commonest = 0;
    for (const auto& [colour, count] : counts) commonest = std::max(commonest, count);
    EXPECT_GE(counts.size(), 6u);
    EXPECT_LT(commonest, area * 9 / 10);
}

INSTANTIATE_TEST_SUITE_P(ImageRows, TextureRowTest, testing::ValuesIn(TextureRows()),
                         [](const testing::TestParamInfo<int>& info) {
                             const std::string name(kAssetNames[static_cast<size_t>(info.param)]);
                             return std::to_string(info.param) + "_" +
                                    name.substr(0, name.find('.'));
                         });

TEST(TextureSetTest, EveryRowHasItsOwnPictureAndTheSetFitsTheBudget) {
    constexpr size_t kBudget = 6u << 20;  // bytes, all texture rows together
    std::set<Bytes> files;
    size_t total = 0;
    for (int row : TextureRows()) {
        const Bytes file = EncodeRow(row, TextureImage(kAssetNames[static_cast<size_t>(row)]));
        total += file.size();
        EXPECT_TRUE(files.insert(file).second) << kAssetNames[static_cast<size_t>(row)];
    }
    EXPECT_EQ(files.size(), 68u);
    EXPECT_LT(total, kBudget);
}

TEST(TextureSetTest, RefusesANameWithoutARecipe) {
    for (std::string_view name :
         {"FontAtlas.png", "cube.x", "normal_tatami.bmp", "Tatami.bmp", ""}) {
        EXPECT_THROW(TextureImage(name), std::runtime_error) << name;
    }
}

// ---- The synthesis kit --------------------------------------------------------------------

TEST(SynthNoiseTest, RepeatsSmoothlyAcrossThePictureEdgesAndStaysInRange) {
    const TilingNoise noise(42, 5, 3);
    for (int i = 0; i < 50; ++i) {
        const float t = static_cast<float>(i) / 50;
        EXPECT_NEAR(noise.Fbm(0.99999f, t, 4), noise.Fbm(0, t, 4), 1e-3) << t;
        EXPECT_NEAR(noise.Fbm(t, 0.99999f, 4), noise.Fbm(t, 0, 4), 1e-3) << t;
        EXPECT_NEAR(noise.Value(t - 1, t + 2), noise.Value(t, t), 1e-5);
        for (float value : {noise.Value(t, 0.37f), noise.Fbm(t, 0.37f, 5)}) {
            EXPECT_GE(value, 0);
            EXPECT_LE(value, 1);
        }
    }
}

TEST(PainterTest, ShapesHangingOffThePictureAreClipped) {
    Image image(16, 16, {0, 0, 0, 0});
    Painter painter(image);
    painter.Fill(Circle(-0.1f, 1.1f, 0.3f), {1, 0, 0});
    painter.Reveal(Box(1.2f, -0.2f, 0.4f, 0.4f));
    painter.Fill(Circle(5, 5, 0.1f), {0, 1, 0});  // wholly outside: nothing happens
    EXPECT_EQ(image.At(0, 15).r, 255);
    EXPECT_EQ(image.At(0, 15).a, 0);  // colour writes keep alpha
    EXPECT_EQ(image.At(15, 0).a, 255);
    EXPECT_EQ(image.At(8, 8).r, 0);
    EXPECT_EQ(image.At(8, 8).a, 0);
}

// The painter clips to a shape's box, so nothing inside a shape may lie outside it.
TEST(PainterTest, EveryShapeLiesWithinTheBoxThePainterClipsTo) {
    const Shape shapes[] = {Circle(0.5f, 0.5f, 0.2f),
                            Ring(0.5f, 0.5f, 0.3f, 0.05f),
                            Box(0.5f, 0.4f, 0.3f, 0.1f, 0.05f),
                            Ellipse(0.5f, 0.5f, 0.1f, 0.3f, 0.25f),
                            Segment(0.1f, 0.1f, 0.9f, 0.9f, 0.02f),
                            Segment(0.3f, 0.3f, 0.3f, 0.3f, 0.05f)};
    for (const Shape& shape : shapes) {
        int inside = 0;
        for (float u = -0.2f; u <= 1.2f; u += 0.01f) {
            for (float v = -0.2f; v <= 1.2f; v += 0.01f) {
                if (shape.distance(u, v) >= 0) continue;
                ++inside;
                EXPECT_TRUE(u >= shape.left && u <= shape.right && v >= shape.top &&
                            v <= shape.bottom)
                    << u << ", " << v;
            }
        }
        EXPECT_GT(inside, 0);
    }
}

}  // namespace
