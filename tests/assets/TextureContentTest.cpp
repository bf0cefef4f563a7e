// The textures: every image row of the archive decodes at a sound size and shows a real picture;
// the synthesis kit keeps the contracts the recipes rely on.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <stdexcept>
#include <string>

#include "AssetNames.h"
#include "AssetSet.h"
#include "Image.h"
#include "TextureSynth.h"
#include "Textures.h"
#include "library/LittleEndian.h"

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

// A 24-bit bottom-up BMP as the encoder writes it, read back into RGBA rows from the top; fails
// the test (and returns an empty image) on anything else.
Image DecodeBmp(const Bytes& file) {
    Image none(0, 0, {});
    EXPECT_GE(file.size(), 54u);
    if (file.size() < 54 || file[0] != 'B' || file[1] != 'M') return none;
    const int width = LoadLeI32(&file[18]);
    const int height = LoadLeI32(&file[22]);
    const size_t rowSize = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    EXPECT_EQ(LoadLe32(&file[2]), file.size());
    EXPECT_EQ(LoadLe32(&file[10]), 54u);
    EXPECT_EQ(LoadLe16(&file[28]), 24);
    EXPECT_EQ(LoadLe32(&file[30]), 0u);  // uncompressed
    EXPECT_EQ(file.size(), 54 + rowSize * static_cast<size_t>(height));
    if (width <= 0 || height <= 0 || file.size() != 54 + rowSize * static_cast<size_t>(height)) {
        return none;
    }
    Image image(width, height, {0, 0, 0, 255});
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = &file[54 + rowSize * static_cast<size_t>(height - 1 - y)];
        for (int x = 0; x < width; ++x) {
            image.At(x, y) = {row[3 * x + 2], row[3 * x + 1], row[3 * x], 255};
        }
    }
    return image;
}

bool IsSquarePowerOfTwo(int width, int height) {
    return width == height && width >= 32 && width <= 512 && (width & (width - 1)) == 0;
}

class TextureRowTest : public testing::TestWithParam<int> {
  protected:
    std::string_view Name() const { return kAssetNames[static_cast<size_t>(GetParam())]; }
    bool IsPng() const { return KindOfRow(GetParam()) == AssetKind::Png; }
};

// The file holds exactly the recipe's picture: a BMP decodes back to its pixels, a PNG says its
// size and RGBA format in its header. The same bytes come out every time.
TEST_P(TextureRowTest, FileHoldsTheSameSquarePictureEveryTime) {
    const Image picture = TextureImage(Name());
    ASSERT_TRUE(IsSquarePowerOfTwo(picture.Width(), picture.Height()))
        << picture.Width() << " x " << picture.Height();
    const Bytes file = IsPng() ? EncodePng(picture) : EncodeBmp(picture);
    EXPECT_EQ(file, IsPng() ? EncodePng(TextureImage(Name())) : EncodeBmp(TextureImage(Name())));
    if (IsPng()) {
        ASSERT_GE(file.size(), 33u);
        EXPECT_THAT(Bytes(file.begin(), file.begin() + 8),
                    testing::ElementsAre(0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'));
        const auto bigEndian = [&](size_t at) {
            return uint32_t{file[at]} << 24 | uint32_t{file[at + 1]} << 16 |
                   uint32_t{file[at + 2]} << 8 | file[at + 3];
        };
        EXPECT_EQ(bigEndian(16), static_cast<uint32_t>(picture.Width()));
        EXPECT_EQ(bigEndian(20), static_cast<uint32_t>(picture.Height()));
        EXPECT_EQ(file[24], 8);  // bits per channel
        EXPECT_EQ(file[25], 6);  // RGBA
        return;
    }
    const Image decoded = DecodeBmp(file);
    ASSERT_EQ(decoded.Width(), picture.Width());
    ASSERT_EQ(decoded.Height(), picture.Height());
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            const Rgba8 want = picture.At(x, y), got = decoded.At(x, y);
            ASSERT_EQ(std::tie(got.r, got.g, got.b), std::tie(want.r, want.g, want.b))
                << "pixel " << x << ", " << y;
        }
    }
}

// A picture, not a fill: several colours (alpha counts, for the cut-outs), none covering nearly
// all of it; the cut-outs have holes and solid parts, the BMPs no alpha at all.
TEST_P(TextureRowTest, ShowsAPictureNotAFlatColour) {
    const Image picture = TextureImage(Name());
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
    if (IsPng()) {
        EXPECT_GT(transparent, 0);
        EXPECT_GT(opaque, 0);
    } else {
        EXPECT_EQ(opaque, picture.Width() * picture.Height());
    }
    if (Name() == "white.bmp") {
        EXPECT_THAT(counts, testing::ElementsAre(testing::Key(0xFFFFFFFFu)));
        return;
    }
    int commonest = 0;
    for (const auto& [colour, count] : counts) commonest = std::max(commonest, count);
    EXPECT_GE(counts.size(), 6u);
    EXPECT_LT(commonest, picture.Width() * picture.Height() * 9 / 10);
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
        const Image picture = TextureImage(kAssetNames[static_cast<size_t>(row)]);
        const Bytes file =
            KindOfRow(row) == AssetKind::Png ? EncodePng(picture) : EncodeBmp(picture);
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

TEST(SynthMathTest, SineAndCosineMatchTheLibraryAcrossSeveralTurns) {
    for (int i = -400; i <= 400; ++i) {
        const float turns = static_cast<float>(i) / 97;
        const double radians = 2 * M_PI * static_cast<double>(turns);
        EXPECT_NEAR(SinTurns(turns), std::sin(radians), 2e-4) << turns;
        EXPECT_NEAR(CosTurns(turns), std::cos(radians), 2e-4) << turns;
    }
}

TEST(SynthMathTest, AngleCoversEveryQuadrantFromPlusX) {
    EXPECT_EQ(AngleTurns(0, 0), 0);
    EXPECT_NEAR(AngleTurns(1, 0), 0, 1e-6);
    EXPECT_NEAR(AngleTurns(0, 1), 0.25f, 1e-6);
    EXPECT_NEAR(AngleTurns(-1, 0), 0.5f, 1e-6);
    EXPECT_NEAR(AngleTurns(0, -1), 0.75f, 1e-6);
    for (int i = 0; i < 360; ++i) {
        const double radians = 2 * M_PI * (i + 0.5) / 360;
        const auto x = static_cast<float>(3 * std::cos(radians));
        const auto y = static_cast<float>(3 * std::sin(radians));
        const float turns = AngleTurns(x, y);
        EXPECT_GE(turns, 0);
        EXPECT_LT(turns, 1);
        EXPECT_NEAR(turns, (i + 0.5) / 360, 2e-4) << i;
    }
}

TEST(SynthMathTest, GradientHoldsItsEndsAndBlendsBetweenStops) {
    const GradientStop stops[] = {{0.2f, {0, 0, 0}}, {0.6f, {1, 0.5f, 0}}, {1.0f, {1, 1, 1}}};
    EXPECT_FLOAT_EQ(Gradient(stops, -3).r, 0);
    EXPECT_FLOAT_EQ(Gradient(stops, 0.4f).r, 0.5f);
    EXPECT_FLOAT_EQ(Gradient(stops, 0.8f).g, 0.75f);
    EXPECT_FLOAT_EQ(Gradient(stops, 7).b, 1);
    EXPECT_FLOAT_EQ(Gradient({}, 0.5f).g, 0);
}

TEST(SynthMathTest, ColoursRoundAndClampToBytes) {
    const Rgba8 pixel = ToRgba8({-0.5f, 0.5f, 2}, 1.5f);
    EXPECT_EQ(pixel.r, 0);
    EXPECT_EQ(pixel.g, 128);
    EXPECT_EQ(pixel.b, 255);
    EXPECT_EQ(pixel.a, 255);
    const Colour c = Hex(0xFF8000);
    EXPECT_FLOAT_EQ(c.r, 1);
    EXPECT_FLOAT_EQ(c.g, 128.0f / 255);
    EXPECT_FLOAT_EQ(c.b, 0);
}

TEST(SynthNoiseTest, RepeatsSmoothlyAcrossThePictureEdges) {
    const TilingNoise noise(42, 5, 3);
    for (int i = 0; i < 50; ++i) {
        const float t = static_cast<float>(i) / 50;
        EXPECT_NEAR(noise.Fbm(0.99999f, t, 4), noise.Fbm(0, t, 4), 1e-3) << t;
        EXPECT_NEAR(noise.Fbm(t, 0.99999f, 4), noise.Fbm(t, 0, 4), 1e-3) << t;
        EXPECT_NEAR(noise.Value(t - 1, t + 2), noise.Value(t, t), 1e-5);
    }
}

TEST(SynthNoiseTest, StaysInRangeAndDependsOnTheSeed) {
    const TilingNoise a(1, 8), b(2, 8);
    int differing = 0;
    for (int i = 0; i < 400; ++i) {
        const float u = static_cast<float>(i % 20) / 20 + 0.013f;
        const float v = static_cast<float>(i / 20) / 20 + 0.029f;
        for (float value : {a.Value(u, v), a.Fbm(u, v, 5)}) {
            EXPECT_GE(value, 0);
            EXPECT_LE(value, 1);
        }
        differing += a.Value(u, v) != b.Value(u, v);
    }
    EXPECT_GT(differing, 390);
}

TEST(SynthNoiseTest, RngRepeatsItsSequenceAndStaysInRange) {
    Rng first(7), second(7), other(8);
    int same = 0;
    for (int i = 0; i < 1000; ++i) {
        const uint32_t value = first.Next();
        EXPECT_EQ(value, second.Next());
        same += value == other.Next();
        const float unit = first.Unit();
        second.Unit();
        EXPECT_GE(unit, 0);
        EXPECT_LT(unit, 1);
    }
    EXPECT_LT(same, 5);
}

TEST(SynthPatternTest, TilesFindJointsAndStaggerOddRows) {
    const TileCell joint = Tiles(0.25f, 0.1f, 4, 4, 0.1f, false);  // on a vertical joint
    EXPECT_TRUE(joint.inJoint);
    EXPECT_EQ(joint.edge, 0);
    const TileCell middle = Tiles(0.125f, 0.125f, 4, 4, 0.1f, false);
    EXPECT_FALSE(middle.inJoint);
    EXPECT_EQ(middle.edge, 1);
    EXPECT_NEAR(middle.localU, 0.5f, 1e-6);
    // Staggered: the second row is shifted half a tile, so the first row's joint is mid-tile.
    EXPECT_FALSE(Tiles(0.25f, 0.3f, 4, 4, 0.1f, true).inJoint);
    EXPECT_TRUE(Tiles(0.125f, 0.3f, 4, 4, 0.1f, true).inJoint);
    // Tile identities wrap with the picture, so the last column matches the one before the first.
    EXPECT_EQ(Tiles(-0.1f, 0.1f, 4, 4, 0.1f, false).id, Tiles(0.9f, 0.1f, 4, 4, 0.1f, false).id);
    EXPECT_NE(Tiles(0.1f, 0.1f, 4, 4, 0.1f, false).id, Tiles(0.4f, 0.1f, 4, 4, 0.1f, false).id);
}

TEST(SynthPatternTest, FieldsStayBetweenDarkAndLight) {
    const TilingNoise noise(9, 4);
    for (int i = 0; i < 256; ++i) {
        const float u = static_cast<float>(i % 16) / 16 + 0.01f;
        const float v = static_cast<float>(i / 16) / 16 + 0.02f;
        for (float shade :
             {WoodGrain(noise, u, v, 8), TatamiWeave(u, v, 32, 4), FabricWeave(u, v, 16),
              BrushedMetal(noise, u, v), Plaster(noise, u, v), Marble(noise, u, v)}) {
            EXPECT_GE(shade, 0);
            EXPECT_LE(shade, 1);
        }
    }
}

struct ShapeCase {
    const char* name;
    Shape shape;
    float insideU, insideV, outsideU, outsideV;
};

class ShapeTest : public testing::TestWithParam<ShapeCase> {};

TEST_P(ShapeTest, IsNegativeInsidePositiveOutsideAndWithinItsBox) {
    const ShapeCase& c = GetParam();
    EXPECT_LT(c.shape.distance(c.insideU, c.insideV), 0);
    EXPECT_GT(c.shape.distance(c.outsideU, c.outsideV), 0);
    // Nothing inside reaches past the box the painter clips to.
    for (float u = -0.2f; u <= 1.2f; u += 0.01f) {
        for (float v = -0.2f; v <= 1.2f; v += 0.01f) {
            if (c.shape.distance(u, v) < 0) {
                EXPECT_TRUE(u >= c.shape.left && u <= c.shape.right && v >= c.shape.top &&
                            v <= c.shape.bottom)
                    << u << ", " << v;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, ShapeTest,
    testing::Values(
        ShapeCase{"Circle", Circle(0.5f, 0.5f, 0.2f), 0.6f, 0.5f, 0.75f, 0.5f},
        ShapeCase{"Ring", Ring(0.5f, 0.5f, 0.3f, 0.05f), 0.8f, 0.5f, 0.5f, 0.5f},
        ShapeCase{"RoundedBox", Box(0.5f, 0.4f, 0.3f, 0.1f, 0.05f), 0.79f, 0.4f, 0.79f, 0.49f},
        ShapeCase{"Ellipse", Ellipse(0.5f, 0.5f, 0.1f, 0.3f, 0.25f), 0.75f, 0.5f, 0.5f, 0.7f},
        ShapeCase{"Segment", Segment(0.1f, 0.1f, 0.9f, 0.9f, 0.02f), 0.5f, 0.5f, 0.5f, 0.6f},
        ShapeCase{"Dot", Segment(0.3f, 0.3f, 0.3f, 0.3f, 0.05f), 0.32f, 0.3f, 0.4f, 0.3f}),
    [](const testing::TestParamInfo<ShapeCase>& info) { return std::string(info.param.name); });

TEST(PainterTest, FillsInsideBlendsTheRimAndLeavesTheRestAlone) {
    Image image(32, 32, {0, 0, 0, 255});
    Painter(image).Fill(Circle(0.5f, 0.5f, 0.25f), {1, 1, 1});
    EXPECT_EQ(image.At(16, 16).r, 255);
    EXPECT_EQ(image.At(1, 1).r, 0);
    int partial = 0;
    for (int x = 0; x < 32; ++x) partial += image.At(x, 16).r > 0 && image.At(x, 16).r < 255;
    EXPECT_EQ(partial, 2);  // one anti-aliased pixel at each side of the row
    EXPECT_EQ(image.At(16, 16).a, 255);
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

TEST(PainterTest, HandwritingStaysInsideItsBox) {
    Image image(128, 128, {255, 255, 255, 255});
    Painter painter(image);
    Rng rng(3);
    painter.Handwriting(rng, 0.25f, 0.25f, 0.75f, 0.75f, 0.1f, {0, 0, 0});
    int inked = 0;
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 128; ++x) {
            if (image.At(x, y).r == 255) continue;
            ++inked;
            // Pen width and tall letters may overhang the box by a little.
            EXPECT_TRUE(x >= 24 && x <= 104 && y >= 18 && y <= 104) << x << ", " << y;
        }
    }
    EXPECT_GT(inked, 300);
}

}  // namespace
