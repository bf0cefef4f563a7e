// The generators: mesh recipes, number text, images, the glyph atlas, determinism.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "AssetSet.h"
#include "FontAtlas.h"
#include "MeshChecks.h"
#include "Models.h"
#include "NumberText.h"
#include "library/AssetNames.h"
#include "support/TempFolder.h"

namespace {

struct PrimitiveCase {
    const char* name;
    Bounds bounds;

    friend void PrintTo(const PrimitiveCase& c, std::ostream* out) { *out << c.name; }
};

const Bounds kUnit{{-1, -1, -1}, {1, 1, 1}};
const Bounds kHalf{{-0.5f, -0.5f, -0.5f}, {0.5f, 0.5f, 0.5f}};

class PrimitiveTest : public testing::TestWithParam<PrimitiveCase> {};

// Every primitive is a closed, outward-facing solid in its bounds.
TEST_P(PrimitiveTest, IsAClosedSolidInItsBounds) {
    const Mesh mesh = BuildModel(GetParam().name);
    meshchecks::ExpectSoundMesh(mesh);
    EXPECT_TRUE(meshchecks::IsClosed(mesh));
    EXPECT_GT(meshchecks::SignedVolume(mesh), 0);
    const Bounds bounds = mesh.PositionBounds();
    for (auto [got, want] :
         {std::pair{bounds.min, GetParam().bounds.min}, {bounds.max, GetParam().bounds.max}}) {
        EXPECT_NEAR(Dot(got - want, got - want), 0, 1e-10);
    }
    if (GetParam().name == std::string_view("sphere.x")) {  // every corner on the unit sphere
        EXPECT_GT(mesh.Vertices().size(), 100u);
        for (const Vertex& v : mesh.Vertices()) {
            EXPECT_NEAR(std::sqrt(Dot(v.position, v.position)), 1, 2e-6);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Primitives, PrimitiveTest,
    testing::Values(PrimitiveCase{"box.x", kUnit}, PrimitiveCase{"cone.x", kUnit},
                    PrimitiveCase{"cube.x", kHalf}, PrimitiveCase{"cylin.x", kUnit},
                    PrimitiveCase{"line.x", {{-0.01f, -0.01f, 0}, {0.01f, 0.01f, 1}}},
                    PrimitiveCase{"sphere.x", kUnit}),
    [](const auto& info) { return meshchecks::ShortName(info.param.name); });

TEST(FixedSixTest, WritesSixDecimalsWithoutNegativeZero) {
    EXPECT_EQ(FixedSix(-0.25), "-0.250000");
    EXPECT_EQ(FixedSix(-0.0), "0.000000");
    EXPECT_EQ(FixedSix(-4e-7), "0.000000");
    EXPECT_EQ(FixedSix(-6e-7), "-0.000001");
    EXPECT_EQ(FixedSix(1234567.0), "1234567.000000");
}

// The table's characters and printable ASCII; nothing a 16-bit glyph code cannot name.
TEST(AtlasCharactersTest, TakesTheTableCharactersAndRefusesWhatNoGlyphCodeCanName) {
    const auto characters = [](const std::string& table) {
        return AtlasCharacters({reinterpret_cast<const uint8_t*>(table.data()), table.size()});
    };
    const auto taken = characters("Key,Japanese\r\nk,\"あ\tい\"\n");
    EXPECT_EQ(taken.size(), 95u + 2);  // ' '..'~', あ, い; no CR, LF or tab
    EXPECT_TRUE(std::is_sorted(taken.begin(), taken.end()));
    EXPECT_THROW(characters("Key,Japanese\nk,\xF0\x9F\x98\x80\n"), std::runtime_error);  // U+1F600
    EXPECT_THROW(characters("Key,Japanese\nk,\xE3\x81\n"), std::runtime_error);  // cut UTF-8
}

TEST(FontAtlasTest, RefusesACharacterOrAFontItCannotRender) {
    EXPECT_THROW(RenderFontAtlas(HM_GLYPH_FONT, u"A\uE000"), std::runtime_error);  // private use
    EXPECT_THROW(RenderFontAtlas("/nonexistent/font.ttc", u"A"), std::runtime_error);
}

TEST(GenerateAssetsTest, SameSourcesGiveTheSameBytesWrittenUnderTheirNames) {
    const AssetSources sources = ReadAssetSources(HM_ASSET_SOURCE_DIR, HM_GLYPH_FONT);
    const std::vector<Bytes> assets = GenerateAssets(sources);
    ASSERT_EQ(assets.size(), static_cast<size_t>(kAssetCount));
    EXPECT_TRUE(assets == GenerateAssets(sources));
    EXPECT_EQ(assets[201], sources.textTable);
    TempFolder folder;
    WriteAssets(folder.Path() / "out", assets);
    for (size_t row = 0; row < assets.size(); ++row) {
        EXPECT_EQ(ReadBytes(folder.Path() / "out" / kAssetNames[row]), assets[row]) << row;
    }
}

TEST(GenerateAssetsTest, NamesTheMissingSource) {
    try {
        ReadAssetSources("/nonexistent/assets", HM_GLYPH_FONT);
        FAIL() << "no exception";
    } catch (const std::runtime_error& error) {
        EXPECT_THAT(error.what(), testing::HasSubstr("TextData.csv"));
    }
}

}  // namespace
