// Building models from .x files: geometry exactly as written, materials and their passes,
// subsets, bounds and the tangent-space layout.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <glm/geometric.hpp>

#include "ModelTestFiles.h"
#include "library/AssetDescription.h"
#include "library/CModel.h"
#include "library/XTextCheck.h"

namespace {

using testfiles::Bytes;
using testfiles::ToBytes;
using testfiles::XMaterial;
using testfiles::XTriangles;
using testing::ElementsAre;
using testing::HasSubstr;

// No texture of the test models is in this catalogue unless a test says so.
const std::vector<AssetEntry> kNoTextures = {{1, 0, u"other.bmp"}};

// One triangle whose corners, normals and texture coordinates all differ, wound 0, 2, 1.
constexpr std::string_view kTriangle = R"(xof 0303txt 0032
Mesh {
3; 1.0;2.0;3.0;, -4.0;5.5;6.0;, 7.0;-8.0;9.25;;
1; 3;0,2,1;;
MeshNormals { 3; 0.0;0.0;-1.0;, 0.0;1.0;0.0;, 1.0;0.0;0.0;; 1; 3;0,2,1;; }
MeshTextureCoords { 3; 0.125;0.25;, 0.5;0.75;, 0.875;0.0625;; }
MeshMaterialList { 1; 1; 0;;
Material { 0.25;0.5;0.75;0.5;; 12.5; 0.1;0.2;0.3;; 0.4;0.5;0.6;; }
}
}
)";

ModelData Build(std::string_view xFile, std::span<const AssetEntry> catalogue = kNoTextures) {
    std::optional<ModelData> model = BuildModel(ToBytes(xFile), catalogue);
    EXPECT_TRUE(model.has_value());
    return model.value_or(ModelData{});
}

// Geometry and colours as written, ambient taken from diffuse; no texture, so the plain pass.
TEST(ModelLoad, TriangleComesBackExactlyAsWrittenInTheWrittenWinding) {
    const ModelData model = Build(kTriangle);
    const MeshData& mesh = model.mesh;
    ASSERT_EQ(mesh.indices.size(), 3u);
    ASSERT_EQ(mesh.normals.size(), mesh.VertexCount());
    ASSERT_EQ(mesh.texCoords.size(), mesh.VertexCount());
    const struct {
        glm::vec3 position, normal;
        glm::vec2 texCoord;
    } corners[] = {{{1, 2, 3}, {0, 0, -1}, {0.125, 0.25}},
                   {{7, -8, 9.25}, {1, 0, 0}, {0.875, 0.0625}},
                   {{-4, 5.5, 6}, {0, 1, 0}, {0.5, 0.75}}};
    for (size_t k = 0; k < 3; ++k) {
        const uint32_t v = mesh.indices[k];
        EXPECT_EQ(mesh.positions[v], corners[k].position) << k;
        EXPECT_EQ(mesh.normals[v], corners[k].normal) << k;
        EXPECT_EQ(mesh.texCoords[v], corners[k].texCoord) << k;
    }
    ASSERT_EQ(model.materials.size(), 1u);
    const MaterialColours& colours = model.materials[0].material;
    EXPECT_EQ(colours.diffuse, glm::vec4(0.25, 0.5, 0.75, 0.5));
    EXPECT_EQ(colours.ambient, colours.diffuse);
    EXPECT_EQ(glm::vec3(colours.specular), glm::vec3(0.1f, 0.2f, 0.3f));
    EXPECT_EQ(glm::vec3(colours.emissive), glm::vec3(0.4f, 0.5f, 0.6f));
    EXPECT_EQ(colours.power, 12.5f);
    EXPECT_EQ(model.passIndex, ShaderPass::Lit);
    // Not normal-mapped: the file's attributes and no more.
    EXPECT_THAT(LayoutOf(mesh).elements, ElementsAre(VertexElement{VertexUsage::Position, 0, 3},
                                                     VertexElement{VertexUsage::Normal, 12, 3},
                                                     VertexElement{VertexUsage::TexCoord, 24, 2}));
}

TEST(ModelLoad, FrameTransformsPlaceTheMeshAsD3DXRowVectorsDo) {
    // Rows: x goes to -z, y stays, z goes to +x, then a move by (10, 20, 30).
    const std::string framed =
        "xof 0303txt 0032\nFrame Root {\nFrameTransformMatrix {\n"
        "0.0,0.0,-1.0,0.0,0.0,1.0,0.0,0.0,1.0,0.0,0.0,0.0,10.0,20.0,30.0,1.0;;\n}\n" +
        XTriangles({XMaterial()}, {0}).substr(17) + "}\n";
    const ModelData model = Build(framed);
    ASSERT_EQ(model.mesh.indices.size(), 3u);
    const auto corner = [&](int k) { return model.mesh.positions[model.mesh.indices[k]]; };
    EXPECT_EQ(corner(0), glm::vec3(10, 20, 30));
    EXPECT_EQ(corner(1), glm::vec3(10, 21, 30));
    EXPECT_EQ(corner(2), glm::vec3(10, 20, 29.5));
}

TEST(ModelLoad, OneSubsetPerMaterialInFileOrderUnusedOnesEmpty) {
    // Faces use materials 2, 0, 2; material 1 is declared but unused.
    const ModelData model = Build(XTriangles({XMaterial(), XMaterial(), XMaterial()}, {2, 0, 2}));
    ASSERT_EQ(model.mesh.subsets.size(), 3u);
    EXPECT_EQ(model.mesh.subsets[0].indexCount, 3u);
    EXPECT_EQ(model.mesh.subsets[1].indexCount, 0u);
    EXPECT_EQ(model.mesh.subsets[2].indexCount, 6u);
    // Material 0's subset holds the second triangle of the file (x from 2 to 2.5).
    const MeshData::Subset& first = model.mesh.subsets[0];
    EXPECT_EQ(model.mesh.positions[model.mesh.indices[first.firstIndex]], glm::vec3(2, 0, 0));
    // Positions only, as the file has no normals or texture coordinates.
    EXPECT_THAT(LayoutOf(model.mesh).elements,
                ElementsAre(VertexElement{VertexUsage::Position, 0, 3}));
    EXPECT_EQ(Interleave(model.mesh).size(), model.mesh.VertexCount() * 3);
}

TEST(ModelLoad, BoundsHalfExtentAndSphereOfAKnownBox) {
    // The eight corners of the box from (-1, 0, 2) to (3, 4, 5).
    const ModelData model = Build(R"(xof 0303txt 0032
Mesh { 8; -1.0;0.0;2.0;, 3.0;0.0;2.0;, -1.0;4.0;2.0;, 3.0;4.0;2.0;,
-1.0;0.0;5.0;, 3.0;0.0;5.0;, -1.0;4.0;5.0;, 3.0;4.0;5.0;;
6; 4;0,2,3,1;, 4;4,5,7,6;, 4;0,1,5,4;, 4;2,6,7,3;, 4;0,4,6,2;, 4;1,3,7,5;; }
)");
    EXPECT_EQ(model.bounds.boxMin, glm::vec3(-1, 0, 2));
    EXPECT_EQ(model.bounds.boxMax, glm::vec3(3, 4, 5));
    // (|max| + |min|) / 2 per axis: not the box's half size when it does not span the origin.
    EXPECT_EQ(model.bounds.halfExtent, glm::vec3(2, 2, 3.5));
    EXPECT_EQ(model.bounds.sphereCentre, glm::vec3(1, 2, 3.5));
    EXPECT_FLOAT_EQ(model.bounds.sphereRadius, glm::length(glm::vec3(2, 2, 1.5)));
}

// Each material's pass follows the catalogue: a BMP texture, a PNG one, a PNG one with a normal map
// named after it; the model takes the last material's pass.
TEST(ModelLoad, MaterialPassesFollowTheCatalogue) {
    const struct {
        const char* label;
        std::vector<std::string> textures;  // per material, "" for none
        std::vector<std::u16string> catalogue;
        std::vector<uint32_t> passes;
        uint32_t modelPass;
        int lastNormalMap;  // normalMapIndex of the last material
    } cases[] = {
        {"Bmp", {"fire.bmp"}, {u"x.png", u"fire.bmp"}, {1}, 1, -1},
        {"Png", {"sight.png"}, {u"sight.png"}, {2}, 2, -1},
        {"PngWithNormalMap", {"sight.png"}, {u"sight.png", u"normal_sight.bmp"}, {3}, 3, 1},
        // The normal map's base name ends at the texture's first dot.
        {"FirstDot", {"a.b.png"}, {u"a.b.png", u"normal_a.b.bmp", u"normal_a.bmp"}, {3}, 3, 2},
        {"NotInCatalogue", {"missing.bmp"}, {u"fire.bmp"}, {0}, 0, -1},
        {"CaseSensitive", {"Fire.bmp"}, {u"fire.bmp"}, {0}, 0, -1},
        {"PathIsPartOfTheName", {"tex\\\\fire.bmp"}, {u"fire.bmp"}, {0}, 0, -1},
        {"LastMaterialDecidesUntextured", {"fire.bmp", ""}, {u"fire.bmp"}, {1, 0}, 0, -1},
        {"LastMaterialDecidesTextured", {"", "fire.bmp"}, {u"fire.bmp"}, {0, 1}, 1, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        std::vector<AssetEntry> catalogue;
        for (const std::u16string& name : c.catalogue) catalogue.push_back({1, 0, name});
        std::vector<std::string> materials;
        std::vector<int> faces;
        for (const std::string& texture : c.textures) {
            faces.push_back(static_cast<int>(materials.size()));
            materials.push_back(XMaterial(texture));
        }
        const ModelData model = Build(XTriangles(materials, faces), catalogue);
        std::vector<uint32_t> passes;
        for (const ModelMaterial& material : model.materials)
            passes.push_back(PassIndex(material.passIndex));
        EXPECT_EQ(passes, c.passes);
        EXPECT_EQ(PassIndex(model.passIndex), c.modelPass);
        EXPECT_EQ(model.materials.back().normalMapIndex, c.lastNormalMap);
    }
}

TEST(ModelLoad, NormalMappedModelHasTheTangentSpaceLayout) {
    // A quad facing -z: u runs along +x and v down along -y.
    const std::vector<AssetEntry> catalogue = {{1, 0, u"wall.bmp"}, {1, 0, u"normal_wall.bmp"}};
    const ModelData model = Build(R"(xof 0303txt 0032
Mesh { 4; 0.0;1.0;0.0;, 1.0;1.0;0.0;, 0.0;0.0;0.0;, 1.0;0.0;0.0;;
2; 3;0,1,2;, 3;2,1,3;;
MeshNormals { 1; 0.0;1.0;0.0;; 2; 3;0,0,0;, 3;0,0,0;; }
MeshTextureCoords { 4; 0.0;0.0;, 1.0;0.0;, 0.0;1.0;, 1.0;1.0;; }
MeshMaterialList { 1; 2; 0, 0;; Material { 1.0;1.0;1.0;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;;
TextureFilename { "wall.bmp"; } } }
}
)",
                                  catalogue);
    ASSERT_EQ(model.passIndex, ShaderPass::LitNormalMapped);
    const VertexLayout layout = LayoutOf(model.mesh);
    EXPECT_THAT(layout.elements, ElementsAre(VertexElement{VertexUsage::Position, 0, 3},
                                             VertexElement{VertexUsage::Tangent, 12, 3},
                                             VertexElement{VertexUsage::Binormal, 24, 3},
                                             VertexElement{VertexUsage::Normal, 36, 3},
                                             VertexElement{VertexUsage::TexCoord, 48, 2}));
    EXPECT_EQ(layout.stride, 56u);
    EXPECT_EQ(Interleave(model.mesh).size(), model.mesh.VertexCount() * 14);
    // The file's upward normals are replaced by ones computed from the clockwise winding.
    for (size_t v = 0; v < model.mesh.VertexCount(); ++v) {
        EXPECT_EQ(model.mesh.normals[v], glm::vec3(0, 0, -1));
        EXPECT_EQ(model.mesh.tangents[v], glm::vec3(1, 0, 0));
        EXPECT_EQ(model.mesh.binormals[v], glm::vec3(0, -1, 0));
    }
}

TEST(ModelLoad, DescriptionNamesCountsPassesAndTextures) {
    const std::vector<AssetEntry> catalogue = {{1, 0, u"fire.bmp"}};
    const std::string text =
        DescribeModel(ToBytes(XTriangles({XMaterial("fire.bmp"), XMaterial()}, {0, 1})), catalogue);
    EXPECT_THAT(text, HasSubstr("vertices 6, triangles 2, materials 2, pass 0"));
    EXPECT_THAT(
        text,
        HasSubstr("material 0: pass 1, triangles 1, texture \"fire.bmp\" (row 0 \"fire.bmp\")"));
    EXPECT_THAT(text, HasSubstr("material 1: pass 0, triangles 1, texture \"\" (none)"));
}

// Every construct the structural check takes: a top-level material and a reference to it,
// nested named frames with a transform, a named mesh of a quad and a triangle with normals,
// texture coordinates and a material list whose second material has a texture.
constexpr std::string_view kFullModel = R"(xof 0303txt 0032
Material Paint {
0.5;0.5;0.5;1.0;;
4.0;
0.1;0.1;0.1;;
0.0;0.0;0.0;;
}
Frame Root {
FrameTransformMatrix {
1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0,0.0,10.0,20.0,30.0,1.0;;
}
Frame Child {
Mesh Quad {
5;
0.0;1.0;0.0;,
1.0;1.0;0.0;,
0.0;0.0;0.0;,
1.0;0.0;0.0;,
2.0;0.0;0.0;;
2;
4;0,1,3,2;,
3;1,4,3;;
MeshNormals {
2;
0.0;0.0;-1.0;,
0.0;1.0;0.0;;
2;
4;0,0,0,1;,
3;1,1,0;;
}
MeshTextureCoords {
5;
0.0;0.0;,
1.0;0.0;,
0.0;1.0;,
1.0;1.0;,
2.0;1.0;;
}
MeshMaterialList {
2;
2;
1,
0;;
{ Paint }
Material {
1.0;1.0;1.0;1.0;;
8.0;
0.0;0.0;0.0;;
0.0;0.0;0.0;;
TextureFilename { "fire.bmp"; }
}
}
}
}
}
)";

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
    for (size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// `find` replaced by `replace` at its first place in kFullModel (every line end for "\n"); an
// empty `find` appends.
struct XEdit {
    const char* label;
    std::string find;
    std::string replace;
};

std::string Edited(const XEdit& edit) {
    std::string text(kFullModel);
    if (edit.find.empty()) return text + edit.replace;
    if (edit.find == "\n") return ReplaceAll(text, "\n", edit.replace);
    const size_t at = text.find(edit.find);
    EXPECT_NE(at, std::string::npos) << edit.find;
    return at == std::string::npos ? text : text.replace(at, edit.find.size(), edit.replace);
}

// Forms the check takes must also be what the importer reads, so each is imported too.
TEST(ModelLoad, WellFormedVariantsPassTheCheckAndImport) {
    const XEdit forms[] = {{"AsWritten", "", ""},
                           {"DoubleFloats", "xof 0303txt 0032", "xof 0303txt 0064"},
                           // The game's generator ends the material indices with one semicolon.
                           {"MaterialIndicesEndWithOneSemicolon", "1,\n0;;", "1,\n0;"},
                           {"TightlyPacked", "MeshNormals {\n2;\n0.0;0.0;-1.0;,\n0.0;1.0;0.0;;\n",
                            "MeshNormals{2;0.0;0.0;-1.0;,0.0;1.0;0.0;;"},
                           {"TopLevelMeshBesideTheFrame", "",
                            "Mesh { 3; 0.0;0.0;0.0;, 1.0;0.0;0.0;, 0.0;1.0;0.0;; 1; 3;0,1,2;; }\n"},
                           {"NegativeZeroAndWholeNumbers", "0.1;0.1;0.1;;", "-0.0;1;0;;"},
                           {"CrLfLineEnds", "\n", "\r\n"}};
    for (const XEdit& form : forms) {
        const std::string text = Edited(form);
        EXPECT_TRUE(XTextCheck::Passes(text)) << form.label;
        EXPECT_TRUE(BuildModel(ToBytes(text), kNoTextures).has_value()) << form.label;
    }
}

// Small edits of kFullModel that the check must refuse, with the line its reason names and a
// phrase of the reason: refusals no cut or one-byte change reaches (see the sweep below), and
// those that keep the importer from misreading a file it would take.
struct XRefusalCase : XEdit {
    size_t line;
    std::string reason;
};

const std::string kNameOf256 = std::string(256, 'n');

const XRefusalCase kRefusals[] = {
    // The header.
    {"OtherVersion", "0303", "0302", 1, "only version 0303"},
    {"Binary", "0303txt", "0303bin", 1, "'bin ': binary .x files are not"},
    {"Compressed", "0303txt", "0303tzip", 1, "compressed .x files are not"},
    {"OtherFloatSize", "txt 0032", "txt 0016", 1, "'0016': the float size"},
    {"Template", "0032\n", "0032\ntemplate Header {\nWORD major;\n}\n", 2,
     "'template': template declarations are not part of the accepted subset"},
    // Counts that disagree with what follows them.
    {"VertexCountAboveTheVertices", "5;\n0.0;1.0", "6;\n0.0;1.0", 19,
     "the list ends after 5 of its 6 vertices"},
    {"CountAboveWhatTheFileHolds", "2;\n4;0,1,3,2", "4000000000;\n4;0,1,3,2", 20,
     "too short to hold so many faces"},
    {"CountBeyond32Bits", "2;\n4;0,1,3,2", "99999999999;\n4;0,1,3,2", 20,
     "the number of faces does not fit in 32 bits"},
    {"NoFaces", "2;\n4;0,1,3,2;,\n3;1,4,3;;\n", "0;\n", 20,
     "the number of faces must be at least 1"},
    // The normals' face shrinks with it, so only the corner count is wrong.
    {"FaceOfTwoCorners",
     "3;1,4,3;;\nMeshNormals "
     "{\n2;\n0.0;0.0;-1.0;,\n0.0;1.0;0.0;;\n2;\n4;0,0,0,1;,\n3;1,1,0;;",
     "2;1,4;;\nMeshNormals "
     "{\n2;\n0.0;0.0;-1.0;,\n0.0;1.0;0.0;;\n2;\n4;0,0,0,1;,\n2;1,1;;",
     22, "a face needs at least 3 corners"},
    {"NormalFacesFewerThanFaces", "2;\n4;0,0,0,1;,\n3;1,1,0;;", "1;\n4;0,0,0,1;;", 27,
     "1 normal faces where the Mesh has 2 faces"},
    {"NormalFaceCornersDiffer", "3;1,1,0;;", "4;1,1,0,0;;", 29,
     "this normal face has 4 corners where the Mesh's face has 3"},
    {"TexCoordsFewerThanVertices", "MeshTextureCoords {\n5;", "MeshTextureCoords {\n4;", 32,
     "4 texture coordinates where the Mesh has 5 vertices"},
    // The importer would repeat a single index on every face.
    {"OneMaterialIndexForTwoFaces", "2;\n2;\n1,\n0;;", "2;\n1;\n1;;", 41,
     "1 material indices where the Mesh has 2 faces"},
    {"MoreMaterialsThanDeclared", "{ Paint }\n", "{ Paint }\n{ Paint }\n", 46,
     "more materials follow than the 2 the list declares"},
    // Indices and references to nothing.
    // The importer itself lets an index equal to the count through.
    {"VertexIndexEqualToTheCount", "3;1,4,3;;\nMeshNormals", "3;1,5,3;;\nMeshNormals", 22,
     "'5': the index is out of range: the number of vertices is 5"},
    {"ReferenceToAnUnknownName", "{ Paint }", "{ Plaster }", 44,
     "'Plaster': no top-level Material of this name is declared before here"},
    {"SameTopLevelNameTwice", "Material Paint {",
     "Material Paint { 1.0;1.0;1.0;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; }\n"
     "Material Paint {",
     3, "another top-level Material has this name already"},
    {"UnnamedTopLevelMaterial", "Material Paint {\n0.5", "Material {\n0.5", 2,
     "a top-level Material needs a name"},
    // Structure.
    {"SecondNormals", "MeshTextureCoords {",
     "MeshNormals { 1; 0.0;0.0;1.0;; 2; 4;0,0,0,0;, 3;0,0,0;; }\n"
     "MeshTextureCoords {",
     31, "a Mesh holds one MeshNormals at most"},
    {"SecondMatrix", "Frame Child {",
     "FrameTransformMatrix { 1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0,0.0,"
     "0.0,0.0,0.0,1.0;; }\nFrame Child {",
     12, "a Frame holds one FrameTransformMatrix at most"},
    {"TwoTextureFiles", "\"fire.bmp\"; }", "\"fire.bmp\"; }\nTextureFilename { \"a\"; }", 51,
     "after one TextureFilename at most"},
    {"NameTooLong", "Frame Child {", "Frame " + kNameOf256 + " {", 12,
     "names are at most 255 bytes long"},
    // Tokens.
    {"SpaceBeforeTheStringsSemicolon", "\"fire.bmp\";", "\"fire.bmp\" ;", 50,
     "the ';' must follow the texture file's name with no space"},
    {"EmptyTextureName", "\"fire.bmp\"", "\"\"", 50, "the texture file's name is empty"},
    {"LineComment", "Frame Child {", "// the child\nFrame Child {", 12,
     "'//': comments are not part of the accepted subset"},
    {"NumberBelowFloat", "10.0,20.0", "0." + std::string(50, '0') + "1,20.0", 10,
     "the number does not fit in a float"},
    // The importer reads at most 19 whole digits.
    {"TwentyWholeDigits", "10.0,20.0", "1" + std::string(19, '0') + ".0,20.0", 10,
     "a number has at most 19 digits before its point"},
    // The importer would read "1,0" as one number with a decimal comma.
    {"WholeNumberTouchingAComma", "1.0,0.0,0.0,0.0,0.0,1.0", "1,0.0,0.0,0.0,0.0,1.0", 10,
     "'1': a number right before ',' needs a point"}};

TEST(ModelLoad, MalformedEditsAreRefusedSayingWhereAndWhy) {
    for (const XRefusalCase& edit : kRefusals) {
        SCOPED_TRACE(edit.label);
        const std::string text = Edited(edit);
        EXPECT_FALSE(XTextCheck::Passes(text));
        // What hm-archive inspect prints for the file.
        const std::string description = DescribeModel(ToBytes(text), kNoTextures);
        EXPECT_THAT(description, testing::StartsWith("not a .x model the game can load: line " +
                                                     std::to_string(edit.line) + ", at "));
        EXPECT_THAT(description, HasSubstr(edit.reason));
    }
}

// Every cut of kFullModel and every change of one of its bytes, and inputs that once crashed the
// importer: what the check takes builds into a consistent mesh, what it refuses fails the build
// and is described with the line of its first fault.
TEST(ModelLoad, CutsAndOneByteChangesBuildOrAreRefusedCleanly) {
    const std::string full(kFullModel);
    std::vector<std::string> texts;
    for (size_t length = 0; length < full.size(); ++length) texts.push_back(full.substr(0, length));
    for (size_t at = 0; at < full.size(); ++at) {
        for (const char byte : std::string_view("019-.;,{} \nx\"\xC3\0", 15)) {
            texts.push_back(full);
            texts.back()[at] = byte;
        }
    }
    const std::string crashedTheImporter[] = {
        // Material lists holding less than they declare.
        XTriangles({"Ma:terial {\n1.0;1.0;1.0;1.0;;\n8.0;\n0;0;0;;\n0;0;0;;\n}\n"}, {0}),
        [] {
            std::string text = XTriangles({XMaterial()}, {0});
            return text.replace(text.find("MeshMaterialList {\n1;"), 20, "MeshMaterialList {\n2;");
        }(),
        // A negative count, which the importer would allocate as gigabytes.
        "xof 0303txt 0032\nMesh {-3;\n1.0;2.0;3.0;;\n}\n",
        // Found by the fuzzer.
        "xof 0303txt 0032\nMesh {\n3;\n0;2.;3.0;\n.0;5.5;0,\n7.;-8.0;9;2;\n1;\n3;0,2{\"s\";\n}\n}",
        "xof 0303txt 0032\nMesh {\n3;1.0;2.;3.0;\n-40;.5;6.0;,\n7.0;-.0;.25;;\n222222222;}\n",
        "xof 0303txt 0032\nMesh {\n3;\n1.0;2.0;3.0;,\n-4.0;55;6.0;,\n7.0;-80;925;;\n0;\n"
        "MeshMaterialList {\n1;\n1;\n0;;\nMaterial {\n0.25;0.5;0.7;085;2.5;\n0.1;0.2;0;;\n"
        "0.4;0.5;0.6;;\n }\n}\n}\n}\n"};
    for (const std::string& text : crashedTheImporter) {
        EXPECT_FALSE(XTextCheck::Passes(text)) << text;
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        const std::optional<ModelData> model = BuildModel(ToBytes(text), kNoTextures);
        ASSERT_EQ(model.has_value(), XTextCheck::Passes(text)) << text;
        if (model) {
            for (const uint32_t index : model->mesh.indices)
                ASSERT_LT(index, model->mesh.VertexCount()) << text;
        } else {
            ASSERT_THAT(DescribeModel(ToBytes(text), kNoTextures),
                        testing::StartsWith("not a .x model the game can load: line "));
        }
    }
}

TEST(XTextCheckRules, MaterialsAreReferredToOnlyAfterTheirDeclaration) {
    const std::string paint = "Material Paint {\n1.0;1.0;1.0;1.0;;\n8.0;\n0;0;0;;\n0;0;0;;\n}\n";
    const std::string referring = XTriangles({"{ Paint }\n"}, {0});
    const size_t header = referring.find('\n') + 1;
    EXPECT_TRUE(XTextCheck::Passes(referring.substr(0, header) + paint + referring.substr(header)));
    EXPECT_FALSE(XTextCheck::Passes(referring + paint));
}

TEST(XTextCheckRules, AModelHoldsAMesh) {
    EXPECT_FALSE(XTextCheck::Passes("xof 0303txt 0032\nFrame Root {\n}\n"));
    const std::optional<XRefusal> refusal = XTextCheck::FirstRefusal(
        "xof 0303txt 0032\nMaterial Paint {\n1.0;1.0;1.0;1.0;;\n8.0;\n0;0;0;;\n0;0;0;;\n}\n");
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->Text(), "line 8, at the end of the file: the file holds no Mesh");
}

// Frames nest 32 deep at most, which bounds the recursion of the check, the importer and the
// loader; the file may be 16 MiB at most.
TEST(XTextCheckLimits, FrameDepthAndFileSize) {
    const std::string mesh = XTriangles({XMaterial()}, {0}).substr(17);
    const auto nested = [&](int depth) {
        std::string text = "xof 0303txt 0032\n";
        for (int i = 0; i < depth; ++i) text += "Frame {\n";
        text += mesh;
        for (int i = 0; i < depth; ++i) text += "}\n";
        return text;
    };
    EXPECT_TRUE(XTextCheck::Passes(nested(XTextCheck::kMaxFrameDepth)));
    EXPECT_THAT(XTextCheck::FirstRefusal(nested(XTextCheck::kMaxFrameDepth + 1))->rule,
                HasSubstr("frames nest at most 32 deep"));

    std::string padded(kFullModel);
    padded.resize(XTextCheck::kMaxFileBytes, ' ');
    EXPECT_TRUE(XTextCheck::Passes(padded));
    padded.push_back(' ');
    EXPECT_THAT(XTextCheck::FirstRefusal(padded)->rule, HasSubstr("longer than 16777216 bytes"));
}

}  // namespace
