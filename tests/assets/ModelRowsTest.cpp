// Every model row has one recipe, and every character, furniture and fittings model is a sound
// mesh of modest detail that the game draws with one textured pass; the furniture and fittings
// have the height and origin their events place them by.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "MeshChecks.h"
#include "Models.h"
#include "library/AssetNames.h"
#include "models/FittingsLayout.h"
#include "models/FurnitureLayout.h"

namespace {

using namespace meshchecks;

// The rooms' shells, built as cubes until they are modelled.
const std::set<std::string_view> kRoomShells = {
    "bath_datui_man.x",  "bath_datui_woman.x", "bath_pass.x", "bath_room_men.x",
    "bath_room_women.x", "dining_room.x",      "f2.x",        "guestbath.x",
    "hiroba.x",          "hiroba_kusa.x",      "lobby.x",     "public_rest.x",
    "restroom.x",        "roof_kai.x",         "roof_top.x",  "room.x",
    "staffroom.x",       "women_rest.x"};

// A name without a recipe builds a cube, so a lost or misspelt recipe would show as one.
TEST(RecipeTablesTest, EveryModelRowHasExactlyOneRecipe) {
    std::map<std::string_view, int> recipes;
    for (const auto table : {PrimitiveRecipes(), CharacterRecipes(), FurnitureRecipes(),
                             FittingsRecipes(), RoomRecipes()}) {
        for (const ModelRecipe& recipe : table) ++recipes[recipe.name];
    }
    for (const auto& [name, count] : recipes) {
        EXPECT_EQ(count, 1) << name;
        EXPECT_NE(std::ranges::find(kAssetNames, name), kAssetNames.end()) << name;
        EXPECT_EQ(KindOfName(name), AssetKind::Model) << name;
    }
    for (const std::string_view name : kAssetNames) {
        if (KindOfName(name) == AssetKind::Model && !kRoomShells.contains(name)) {
            EXPECT_TRUE(recipes.contains(name)) << name;
        }
    }
}

struct ModelRow {
    std::string_view name;
    bool character;  // the bodies and what the player holds: BMP textures only

    friend void PrintTo(const ModelRow& row, std::ostream* out) { *out << row.name; }
};

std::vector<ModelRow> ModelRows() {
    std::vector<ModelRow> rows;
    for (const auto table : {CharacterRecipes(), FurnitureRecipes(), FittingsRecipes()}) {
        for (const ModelRecipe& recipe : table) {
            rows.push_back({recipe.name, table.data() == CharacterRecipes().data()});
        }
    }
    return rows;
}

class ModelRowTest : public testing::TestWithParam<ModelRow> {
  protected:
    const Mesh mesh_ = BuildModel(GetParam().name);
};

TEST_P(ModelRowTest, IsASoundMeshOfModestDetail) {
    ExpectSoundMesh(mesh_);
    EXPECT_LE(mesh_.Triangles().size(), 3000u);
}

// The game draws a whole model with the pass of its last material: 1 for BMP textures (plain
// colours tint white.bmp), 2 for PNG cut-outs, 0 untextured. A model mixing them would draw some
// parts wrongly, so every material is a picture row of the catalogue, all of one kind.
TEST_P(ModelRowTest, WearsCatalogueTexturesOfOnePassEachDrawingSomething) {
    ASSERT_FALSE(mesh_.Materials().empty());
    std::set<AssetKind> kinds;
    for (const Material& material : mesh_.Materials()) {
        const auto row = std::ranges::find(kAssetNames, material.textureFile);
        ASSERT_NE(row, kAssetNames.end()) << material.textureFile;
        kinds.insert(*KindOfName(*row));
    }
    const std::set<AssetKind> bmp{AssetKind::Bmp}, png{AssetKind::Png};
    EXPECT_TRUE(kinds == bmp || (kinds == png && !GetParam().character));
    std::vector<int> uses(mesh_.Materials().size());
    for (const Triangle& triangle : mesh_.Triangles()) {
        if (triangle.material < uses.size()) ++uses[triangle.material];
    }
    EXPECT_THAT(uses, testing::Each(testing::Gt(0)));
}

INSTANTIATE_TEST_SUITE_P(Families, ModelRowTest, testing::ValuesIn(ModelRows()),
                         [](const auto& info) { return ShortName(info.param.name); });

// ---- Where the events place them --------------------------------------------------------

// Where a model's origin lies, as its bounds show it.
enum class Origin {
    Floor,      // stands on y 0 over its origin
    Hinge,      // a leaf reaching along +x from a vertical hinge line through the origin
    Wall,       // its back on the wall plane z 0, reaching towards -z
    Hangs,      // hangs from its origin: nothing above y 0
    Centre,     // the origin near the middle of its face, within its depth: the windows
    Hub,        // the cobweb's hub: it hangs down and along +x from it
    Lid,        // lies flat on y 0, reaching towards -z from a hinge along x
    LeafFaces,  // door hardware, standing out from both faces of a leaf kHardwareClearsLeaf thick
};

struct PlacementCase {
    std::string_view name;
    Origin origin;
    float lowest, highest;  // its height in the world, after the events' scale
    float scale = 1;        // the events' vertical scale
    float width = 0;        // when not 0, the width it must have to close its opening

    friend void PrintTo(const PlacementCase& c, std::ostream* out) { *out << c.name; }
};

using enum Origin;
const PlacementCase kPlacements[] = {
    // Furniture: doors about 1.8 high, tables and desks about 0.5, the player 1.2.
    {"bathdoor.x", Hinge, 1.7f, 1.9f},
    {"bathdoorwaku.x", Floor, 1.8f, 2.0f},
    {"bath_bench.x", Floor, 0.3f, 0.45f},
    {"bath_chair.x", Floor, 0.12f, 0.25f},
    {"bath_oke.x", Floor, 0.08f, 0.15f},
    {"bath_shower.x", Wall, 0.8f, 1.4f},
    {"bouka.x", Floor, furniture::kShutterHeight, furniture::kShutterHeight, 1,
     furniture::kShutterWidth},
    {"chair.x", Floor, 0.6f, 0.9f},
    {"chair_tesuri.x", Floor, 0.6f, 0.9f},
    {"clock.x", Wall, 0.6f, 1.0f},
    {"dartsbord.x", Hangs, 0.3f, 0.45f},
    {"denki.x", Hangs, 0.7f, 1.2f},
    {"desk.x", Floor, 0.45f, 0.65f},
    {"dining_chair.x", Floor, 0.65f, 0.9f},
    {"dining_table.x", Floor, 0.45f, 0.65f},
    {"doornobu.x", LeafFaces, 0.04f, 0.08f},
    {"door_key.x", LeafFaces, 0.08f, 0.2f},
    {"door_plate.x", Wall, 0.08f, 0.2f},
    {"exit.x", Wall, 0.15f, 0.25f},
    {"exit_door.x", Hinge, 1.7f, 1.9f},
    {"exit_door_nobu.x", LeafFaces, 0.03f, 0.08f},
    {"exit_door_waku.x", Floor, 1.85f, 2.0f},
    {"haizara.x", Floor, 0.02f, 0.06f},
    {"husuma.x", Floor, furniture::kHusumaHeight, furniture::kHusumaHeight, 1,
     furniture::kHusumaWidth},
    {"iriguti.x", Floor, 2.1f, 2.8f},
    {"irigutidoor.x", Floor, furniture::kEntranceLeafHeight, furniture::kEntranceLeafHeight},
    {"kabe.x", Floor, 2.2f, 2.6f},
    {"kagidana.x", Floor, 1.0f, 1.5f},
    {"kaiga.x", Wall, 0.4f, 0.8f},
    {"katen.x", Hangs, 1.5f, 1.9f},
    {"keikou.x", Hangs, 0.08f, 0.5f},
    {"kinko.x", Floor, furniture::kSafeSize.y, furniture::kSafeSize.y},
    {"kinko_door.x", Hinge, 0.45f, 0.5f},
    {"lack.x", Floor, 1.3f, 1.7f},
    // Fittings.
    {"mado.x", Centre, 0.9f, 1.4f},
    {"mado_s.x", Centre, 0.45f, 0.8f},
    {"planter.x", Floor, 0.25f, 0.45f},
    {"pot.x", Floor, 0.25f, 0.45f},
    {"publictel.x", Floor, 1.8f, 2.2f},
    {"razikase.x", Floor, 0.15f, 0.35f},
    {"reaf.x", Floor, 0.4f, 0.8f},
    {"reaf1.x", Floor, 0.2f, 0.5f},
    {"reizouko.x", Floor, fittings::kFridgeSize.y, fittings::kFridgeSize.y},
    {"reizouko_door.x", Hinge, 0.5f, 0.8f},
    {"rest_door.x", Hinge, 1.2f, 1.6f},
    {"rest_handle.x", Floor, 0.1f, 0.25f},
    {"rezi.x", Floor, 0.15f, 0.3f},
    {"roof_boiler.x", Floor, 1.2f, 2.0f},
    {"innmora.x", Centre, 0.7f, 1.2f},
    {"senpu.x", Floor, 0.7f, 1.0f},
    {"snp_cav.x", Hub, 0.5f, 1.0f},
    {"table.x", Floor, 0.5f, 0.65f},
    {"taijukei.x", Floor, 0.04f, 0.1f},
    {"tcover.x", Lid, 0.015f, 0.04f},
    {"tdact.x", Wall, 0.2f, 0.4f},
    {"tel.x", Floor, 0.08f, 0.2f},
    {"tgomibako.x", Floor, 0.12f, 0.3f},
    {"toile.x", Floor, 0.45f, 0.7f},
    {"tpaper.x", Wall, 0.1f, 0.3f},
    {"trashbox.x", Floor, 0.25f, 0.45f},
    {"tsink.x", Floor, 0.55f, 0.8f},
    {"tv.x", Floor, 0.45f, 0.9f},
    {"tyaire.x", Floor, 0.05f, 0.12f},
    {"whitebord.x", Floor, 1.2f, 1.6f},
    {"wood_door.x", Hinge, 1.7f, 1.9f, fittings::kDoorFrameScale.y},
    {"wood_door_waku.x", Floor, 1.8f, 2.2f, fittings::kDoorFrameScale.y},
    {"zaisu.x", Floor, 0.25f, 0.45f},
    {"zihanki.x", Floor, 1.1f, 1.5f},
};

class PlacementTest : public testing::TestWithParam<PlacementCase> {};

TEST_P(PlacementTest, HasTheHeightAndOriginItsEventsNeed) {
    const PlacementCase& c = GetParam();
    const Mesh mesh = BuildModel(c.name);
    const Bounds b = mesh.PositionBounds();
    const Vec3 size = b.max - b.min, middle = 0.5f * (b.min + b.max);
    constexpr float kTolerance = 1e-3f;
    const float height = size.y * c.scale;
    EXPECT_GE(height, c.lowest - kTolerance);
    EXPECT_LE(height, c.highest + kTolerance);
    if (c.width != 0) {
        EXPECT_NEAR(size.x, c.width, kTolerance);
    }
    // Whether the middle of the model lies within a quarter of its extent of the origin.
    const auto centred = [](float middle, float extent) {
        return std::fabs(middle) <= 0.25f * extent;
    };
    switch (c.origin) {
        case Floor:
            EXPECT_NEAR(b.min.y, 0, kTolerance);
            EXPECT_TRUE(centred(middle.x, size.x) && centred(middle.z, size.z));
            break;
        case Hinge:  // hinge knuckles may stand round the line
            EXPECT_TRUE(b.min.x <= kTolerance && b.min.x >= -0.015f) << b.min.x;
            EXPECT_GT(b.max.x, 0.3f);
            EXPECT_GE(b.min.y, -kTolerance);
            break;
        case Wall:
            EXPECT_NEAR(b.max.z, 0, kTolerance);
            EXPECT_TRUE(centred(middle.x, size.x));
            break;
        case Hangs:
            EXPECT_NEAR(b.max.y, 0, 5e-3f);
            EXPECT_TRUE(centred(middle.x, size.x));
            break;
        case Centre:
            EXPECT_TRUE(centred(middle.x, size.x) && centred(middle.y, size.y));
            EXPECT_TRUE(b.min.z < 0 && b.max.z > 0);
            break;
        case Hub:
            EXPECT_NEAR(b.min.x, 0, kTolerance);
            EXPECT_NEAR(b.max.y, 0, kTolerance);
            break;
        case Lid:
            EXPECT_NEAR(b.min.y, 0, kTolerance);
            EXPECT_TRUE(b.max.z <= 0.02f && b.min.z < -0.3f);
            break;
        case LeafFaces:
            for (const Vertex& v : mesh.Vertices()) {
                ASSERT_GE(std::fabs(v.position.z), 0.5f * furniture::kHardwareClearsLeaf - 1e-4f);
            }
            break;
    }
}

INSTANTIATE_TEST_SUITE_P(Props, PlacementTest, testing::ValuesIn(kPlacements),
                         [](const auto& info) { return ShortName(info.param.name); });

TEST(PlacementTableTest, HasARowForEveryFurnitureAndFittingsModel) {
    std::set<std::string_view> recipes, placed;
    for (const auto table : {FurnitureRecipes(), FittingsRecipes()}) {
        for (const ModelRecipe& recipe : table) recipes.insert(recipe.name);
    }
    for (const PlacementCase& c : kPlacements) placed.insert(c.name);
    recipes.erase("sky.x");  // placed by the sky's own test
    EXPECT_EQ(recipes, placed);
}

}  // namespace
