// The generators: mesh recipes and the model text, images, sounds, the glyph atlas, determinism.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "AssetNames.h"
#include "AssetSet.h"
#include "AssetTestFiles.h"
#include "FontAtlas.h"
#include "Image.h"
#include "Models.h"
#include "NumberText.h"
#include "Sounds.h"
#include "XFile.h"
#include "audio/WaveFile.h"
#include "library/GlyphTable.h"
#include "library/LittleEndian.h"

namespace {

AssetSources Sources() {
    return ReadAssetSources(HM_ASSET_SOURCE_DIR, HM_GLYPH_FONT);
}

struct PrimitiveCase {
    const char* name;
    Bounds bounds;

    friend void PrintTo(const PrimitiveCase& c, std::ostream* out) { *out << c.name; }
};

class PrimitiveTest : public testing::TestWithParam<PrimitiveCase> {};

TEST_P(PrimitiveTest, HasItsBounds) {
    const Bounds bounds = BuildModel(GetParam().name).PositionBounds();
    const Bounds expected = GetParam().bounds;
    for (auto [got, want] : {std::pair{bounds.min, expected.min}, {bounds.max, expected.max}}) {
        EXPECT_NEAR(got.x, want.x, 1e-6);
        EXPECT_NEAR(got.y, want.y, 1e-6);
        EXPECT_NEAR(got.z, want.z, 1e-6);
    }
}

// Every primitive is convex: seen from outside, each triangle runs clockwise, so its front
// (b - a) x (c - a) points away from the centre, the same way as its vertex normals.
TEST_P(PrimitiveTest, TrianglesFaceOutwardClockwise) {
    const Mesh mesh = BuildModel(GetParam().name);
    const Bounds bounds = mesh.PositionBounds();
    const Vec3 centre = 0.5f * (bounds.min + bounds.max);
    const auto vertices = mesh.Vertices();
    ASSERT_FALSE(mesh.Triangles().empty());
    for (const Triangle& triangle : mesh.Triangles()) {
        const auto& [a, b, c] = triangle.corners;
        const Vec3 pa = vertices[a].position, pb = vertices[b].position, pc = vertices[c].position;
        const Vec3 front = Cross(pb - pa, pc - pa);
        const Vec3 middle = (1.0f / 3) * (pa + pb + pc);
        EXPECT_GT(Dot(front, middle - centre), 0) << "triangle " << a << " " << b << " " << c;
        for (uint32_t corner : triangle.corners) {
            EXPECT_GT(Dot(front, vertices[corner].normal), 0);
            EXPECT_NEAR(Dot(vertices[corner].normal, vertices[corner].normal), 1, 1e-5);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Primitives, PrimitiveTest,
    testing::Values(PrimitiveCase{"box.x", {{-1, -1, -1}, {1, 1, 1}}},
                    PrimitiveCase{"cone.x", {{-1, -1, -1}, {1, 1, 1}}},
                    PrimitiveCase{"cube.x", {{-0.5f, -0.5f, -0.5f}, {0.5f, 0.5f, 0.5f}}},
                    PrimitiveCase{"cylin.x", {{-1, -1, -1}, {1, 1, 1}}},
                    PrimitiveCase{"line.x", {{-0.01f, -0.01f, 0}, {0.01f, 0.01f, 1}}},
                    PrimitiveCase{"sphere.x", {{-1, -1, -1}, {1, 1, 1}}},
                    PrimitiveCase{"bouka.x", {{-0.5f, -0.5f, -0.5f}, {0.5f, 0.5f, 0.5f}}}),
    [](const testing::TestParamInfo<PrimitiveCase>& info) {
        const std::string name = info.param.name;
        return name.substr(0, name.find('.'));
    });

TEST(SphereTest, EveryVertexLiesOnTheUnitSphere) {
    const Mesh sphere = BuildModel("sphere.x");
    for (const Vertex& vertex : sphere.Vertices()) {
        EXPECT_NEAR(std::sqrt(Dot(vertex.position, vertex.position)), 1, 1e-5);
    }
}

TEST(FixedSixTest, WritesSixDecimalsWithoutNegativeZero) {
    EXPECT_EQ(FixedSix(1.5), "1.500000");
    EXPECT_EQ(FixedSix(-0.25), "-0.250000");
    EXPECT_EQ(FixedSix(-0.0), "0.000000");
    EXPECT_EQ(FixedSix(-4e-7), "0.000000");
    EXPECT_EQ(FixedSix(-6e-7), "-0.000001");
    EXPECT_EQ(FixedSix(1234567.0), "1234567.000000");
}

TEST(XFileTest, WritesTheBlocksAModelNeeds) {
    Mesh mesh = BuildModel("cube.x");
    Material textured;
    textured.textureFile = "white.bmp";
    mesh.AddMaterial(textured);
    const std::string text = WriteXFile(mesh);
    EXPECT_THAT(text, testing::StartsWith("xof 0303txt 0032\n"));
    EXPECT_THAT(text, testing::HasSubstr("Mesh {\n24;\n"));  // 6 faces x 4 corners
    EXPECT_THAT(text, testing::HasSubstr("\n12;\n3;"));      // 12 triangles
    EXPECT_THAT(text, testing::HasSubstr("MeshNormals {\n24;\n"));
    EXPECT_THAT(text, testing::HasSubstr("MeshTextureCoords {\n24;\n"));
    EXPECT_THAT(text, testing::HasSubstr("MeshMaterialList {\n2;\n12;\n0,\n"));
    EXPECT_THAT(text, testing::HasSubstr("1.000000;1.000000;1.000000;1.000000;;\n"));
    EXPECT_THAT(text, testing::HasSubstr("TextureFilename {\n\"white.bmp\";\n}"));
}

TEST(BmpTest, RowsRunBottomUpInBgrPaddedToFourBytes) {
    Image image(3, 2, {10, 20, 30, 255});
    image.At(0, 0) = {1, 2, 3, 255};  // top-left
    const Bytes bmp = EncodeBmp(image);
    constexpr size_t kRow = 12;  // 3 pixels x 3 bytes, padded to 12
    ASSERT_EQ(bmp.size(), 54 + 2 * kRow);
    EXPECT_EQ(LoadLe32(&bmp[2]), bmp.size());
    EXPECT_EQ(LoadLe32(&bmp[10]), 54u);
    EXPECT_EQ(LoadLeI32(&bmp[18]), 3);
    EXPECT_EQ(LoadLeI32(&bmp[22]), 2);
    EXPECT_EQ(LoadLe16(&bmp[28]), 24);
    // The top row comes last.
    EXPECT_THAT(Bytes(bmp.begin() + 54 + kRow, bmp.begin() + 54 + kRow + 3),
                testing::ElementsAre(3, 2, 1));
    EXPECT_THAT(Bytes(bmp.begin() + 54 + 9, bmp.begin() + 54 + kRow), testing::Each(0));
}

TEST(SoundTest, EveryWaveRowHasItsOwnQuietSound) {
    std::vector<Bytes> sounds;
    for (int row = 0; row < kAssetCount; ++row) {
        if (KindOfRow(row) != AssetKind::Wave) continue;
        const Bytes wave = SynthesiseSound(kAssetNames[static_cast<size_t>(row)]);
        WaveInfo info{};
        ASSERT_EQ(ParseWave(wave, info), S_OK) << kAssetNames[static_cast<size_t>(row)];
        EXPECT_EQ(info.dataOffset, kWaveHeaderSize);
        int loudest = 0;
        for (size_t i = info.dataOffset; i + 1 < wave.size(); i += 2) {
            loudest = std::max(loudest, std::abs(static_cast<int16_t>(LoadLe16(&wave[i]))));
        }
        EXPECT_GT(loudest, 1000);
        EXPECT_LT(loudest, 16384);  // below half of full scale
        for (const Bytes& other : sounds) EXPECT_NE(wave, other);
        sounds.push_back(wave);
    }
    EXPECT_EQ(sounds.size(), 17u);
    EXPECT_THROW(SynthesiseSound("unknown.wav"), std::runtime_error);
}

TEST(AtlasCharactersTest, TakesTheTableCharactersAndPrintableAscii) {
    const std::string table = "Key,Japanese\r\nk,\"あ\tい\"\n";
    const auto characters =
        AtlasCharacters({reinterpret_cast<const uint8_t*>(table.data()), table.size()});
    EXPECT_EQ(characters.size(), 95u + 2);  // ' '..'~', あ, い; no CR, LF or tab
    EXPECT_TRUE(std::is_sorted(characters.begin(), characters.end()));
    EXPECT_EQ(characters.back(), u'い');
}

TEST(AtlasCharactersTest, RefusesWhatNoGlyphCodeCanName) {
    for (const std::string& table : {std::string("Key,Japanese\nk,\xF0\x9F\x98\x80\n"),  // U+1F600
                                     std::string("Key,Japanese\nk,\xE3\x81\n")}) {  // cut UTF-8
        EXPECT_THROW(
            AtlasCharacters({reinterpret_cast<const uint8_t*>(table.data()), table.size()}),
            std::runtime_error);
    }
}

TEST(FontAtlasTest, RefusesACharacterTheFontLacks) {
    const std::u16string privateUse = u"A\uE000";
    EXPECT_THROW(RenderFontAtlas(HM_GLYPH_FONT, privateUse), std::runtime_error);
    EXPECT_THROW(RenderFontAtlas("/nonexistent/font.ttc", u"A"), std::runtime_error);
}

TEST(FontAtlasTest, CellsHoldTheirGlyphsWithoutOverlapping) {
    const std::u16string characters = u" AgあＡ";
    const FontAtlas atlas = RenderFontAtlas(HM_GLYPH_FONT, characters);
    ASSERT_EQ(atlas.glyphs.size(), characters.size() + 1);
    EXPECT_EQ(atlas.glyphs[0].code, u'\n');
    EXPECT_EQ(atlas.glyphs[0].height, kGlyphSize);
    EXPECT_EQ(atlas.image.Width(), kAtlasWidth);

    const auto inkIn = [&](const Glyph& glyph) {
        const int left = static_cast<int>(std::lround(glyph.rect[0] * atlas.image.Width()));
        const int top = static_cast<int>(std::lround(glyph.rect[1] * atlas.image.Height()));
        int ink = 0;
        for (int y = top; y < top + glyph.height; ++y) {
            for (int x = left; x < left + glyph.width; ++x) ink += atlas.image.At(x, y).a;
        }
        return ink;
    };
    int allInk = 0;
    for (int y = 0; y < atlas.image.Height(); ++y) {
        for (int x = 0; x < atlas.image.Width(); ++x) allInk += atlas.image.At(x, y).a;
    }
    int cellInk = 0;
    for (size_t i = 1; i < atlas.glyphs.size(); ++i) {
        const Glyph& glyph = atlas.glyphs[i];
        EXPECT_EQ(glyph.code, characters[i - 1]);
        EXPECT_FLOAT_EQ((glyph.rect[2] - glyph.rect[0]) * atlas.image.Width(), glyph.width);
        EXPECT_FLOAT_EQ((glyph.rect[3] - glyph.rect[1]) * atlas.image.Height(), glyph.height);
        EXPECT_GT(glyph.height, kGlyphSize);  // room for the descender of 'g'
        EXPECT_EQ(inkIn(glyph) > 0, glyph.code != u' ') << static_cast<int>(glyph.code);
        cellInk += inkIn(glyph);
    }
    EXPECT_EQ(atlas.glyphs[5].width, kGlyphSize);  // a full-width character fills the em
    EXPECT_EQ(cellInk, allInk);  // no ink outside the cells, and no cell sharing ink
}

TEST(GlyphTableFileTest, ReadsBackAsWritten) {
    const std::vector<Glyph> glyphs = {{u'\n', {0, 0, 0, 0}, 0, 24},
                                       {u'あ', {0.25f, 0.5f, 0.5f, 0.75f}, 24, 28}};
    const Bytes file = EncodeGlyphTable(glyphs);
    ASSERT_EQ(file.size(), 2 * GlyphTable::kRecordSize);
    const GlyphTable table(file);
    const Glyph* kana = table.Find(u'あ');
    ASSERT_NE(kana, nullptr);
    EXPECT_EQ(kana->rect, glyphs[1].rect);
    EXPECT_EQ(kana->width, 24);
    EXPECT_EQ(kana->height, 28);
    EXPECT_EQ(table.LineFeed()->height, 24);
}

TEST(AssetNamesTest, KindsLieInTheirCatalogueRanges) {
    const auto kindsOf = [](int first, int last, AssetKind kind) {
        for (int row = first; row <= last; ++row) EXPECT_EQ(KindOfRow(row), kind) << row;
    };
    kindsOf(0, 4, AssetKind::Png);
    kindsOf(5, 5, AssetKind::GlyphTable);
    kindsOf(6, 6, AssetKind::Effect);
    kindsOf(7, 71, AssetKind::Bmp);
    kindsOf(72, 183, AssetKind::Model);
    kindsOf(184, 200, AssetKind::Wave);
    kindsOf(201, 201, AssetKind::TextTable);
}

TEST(GenerateAssetsTest, SameSourcesGiveTheSameBytes) {
    const AssetSources sources = Sources();
    const std::vector<Bytes> first = GenerateAssets(sources);
    const std::vector<Bytes> second = GenerateAssets(sources);
    ASSERT_EQ(first.size(), static_cast<size_t>(kAssetCount));
    EXPECT_TRUE(first == second);
    EXPECT_EQ(first[201], sources.textTable);
}

TEST(GenerateAssetsTest, WritesEveryFileUnderItsName) {
    TempFolder folder;
    const std::vector<Bytes> assets = GenerateAssets(Sources());
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
