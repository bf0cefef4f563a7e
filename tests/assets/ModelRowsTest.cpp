// Every model row has one recipe, and every character, furniture and fittings model is a sound
// mesh of modest detail that the game draws with one textured pass.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "MeshChecks.h"
#include "Models.h"
#include "library/AssetNames.h"

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

}  // namespace
