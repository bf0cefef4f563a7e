// Every model row has one recipe, and every character, furniture and fittings model is a sound,
// outward-facing mesh of modest detail that the game draws with one textured pass; the furniture
// and fittings have the height and origin their events place them by.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <sstream>
#include <tuple>

#include "MeshChecks.h"
#include "Models.h"
#include "library/AssetNames.h"
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
    // Inside out, a model shows its far side; the sky alone is seen from within. (Two-sided
    // cut-out cards hold no volume.)
    EXPECT_EQ(SignedVolume(mesh_) > -1e-6, GetParam().name != "sky.x");
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

using enum Origin;
// Every furniture and fittings model by where its origin lies, the names apart by spaces.
const std::pair<Origin, const char*> kOrigins[] = {
    {Floor,
     "bathdoorwaku.x bath_bench.x bath_chair.x bath_oke.x bouka.x chair.x "
     "chair_tesuri.x desk.x dining_chair.x dining_table.x exit_door_waku.x "
     "haizara.x husuma.x iriguti.x irigutidoor.x kabe.x kagidana.x kinko.x lack.x "
     "planter.x pot.x publictel.x razikase.x reaf.x reaf1.x reizouko.x "
     "rest_handle.x rezi.x roof_boiler.x senpu.x table.x taijukei.x tel.x "
     "tgomibako.x toile.x trashbox.x tsink.x tv.x tyaire.x whitebord.x "
     "wood_door_waku.x zaisu.x zihanki.x"},
    {Hinge, "bathdoor.x exit_door.x kinko_door.x reizouko_door.x rest_door.x wood_door.x"},
    {Wall, "bath_shower.x clock.x door_plate.x exit.x kaiga.x tdact.x tpaper.x"},
    {Hangs, "dartsbord.x denki.x katen.x keikou.x"},
    {Centre, "mado.x mado_s.x innmora.x"},
    {Hub, "snp_cav.x"},
    {Lid, "tcover.x"},
    {LeafFaces, "doornobu.x door_key.x exit_door_nobu.x"},
};

// Placed by its origin, each model stands, hangs or opens where its events put it, and none is
// lost in size: between a coin's height and a storey's.
TEST(PlacementTest, EveryModelHasTheOriginItsEventsNeed) {
    constexpr float kTolerance = 1e-3f;
    // Whether the middle of the model lies within a quarter of its extent of the origin.
    const auto centred = [](float middle, float extent) {
        return std::fabs(middle) <= 0.25f * extent;
    };
    for (const auto& [origin, names] : kOrigins) {
        std::istringstream list(names);
        for (std::string name; list >> name;) {
            SCOPED_TRACE(name);
            const Mesh mesh = BuildModel(name);
            const Bounds b = mesh.PositionBounds();
            const Vec3 size = b.max - b.min, middle = 0.5f * (b.min + b.max);
            EXPECT_TRUE(size.y > 0.01f && size.y < 3.0f) << size.y;
            switch (origin) {
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
                        ASSERT_GE(std::fabs(v.position.z),
                                  0.5f * furniture::kHardwareClearsLeaf - 1e-4f);
                    }
                    break;
            }
        }
    }
    // The sliding partitions close their openings.
    for (const auto& [name, width, height] :
         {std::tuple{"bouka.x", furniture::kShutterWidth, furniture::kShutterHeight},
          {"husuma.x", furniture::kHusumaWidth, furniture::kHusumaHeight}}) {
        const Bounds b = BuildModel(name).PositionBounds();
        EXPECT_NEAR(b.max.x - b.min.x, width, kTolerance) << name;
        EXPECT_NEAR(b.max.y - b.min.y, height, kTolerance) << name;
    }
}

TEST(PlacementTableTest, HasARowForEveryFurnitureAndFittingsModel) {
    std::set<std::string, std::less<>> recipes, placed;
    for (const auto table : {FurnitureRecipes(), FittingsRecipes()}) {
        for (const ModelRecipe& recipe : table) recipes.emplace(recipe.name);
    }
    for (const auto& [origin, names] : kOrigins) {
        std::istringstream list(names);
        for (std::string name; list >> name;) placed.insert(name);
    }
    recipes.erase("sky.x");  // placed by the sky's own test
    EXPECT_EQ(recipes, placed);
}

}  // namespace
