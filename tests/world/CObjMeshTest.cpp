#include <memory>
#include <utility>

#include "WorldTestLibrary.h"
#include "library/CModel.h"
#include "library/CTexture.h"
#include "world/CObjMesh.h"

namespace worldtest {
namespace {

glm::vec3 Transform(const glm::mat4& world, const glm::vec3& point) {
    return glm::vec3(world * glm::vec4(point, 1.0f));
}

glm::vec3 Vec(const Vec3f v) {
    return {v[0], v[1], v[2]};
}

// As in D3DX, roll (about z) turns first, then pitch (about x), then yaw (about y). (Scale, then
// yaw, then position is the collider's test below.)
TEST_F(WorldTest, MeshRotationIsRollThenPitchThenYaw) {
    const struct {
        const char* name;
        glm::vec3 rotation, local, expected;
    } cases[] = {{"roll before pitch", {90, 0, 90}, {1, 0, 0}, {0, 0, 1}},
                 {"pitch before yaw", {90, 90, 0}, {0, 1, 0}, {1, 0, 0}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CObjMesh mesh;
        mesh.modelIndex = kBrokenModel;
        mesh.rotation = c.rotation;
        mesh.Update(library);
        ExpectNear(Transform(mesh.world, c.local), c.expected);
    }
}

TEST_F(WorldTest, OverrideReplacesTheOwnPlacementButTheParentStillApplies) {
    glm::mat4 override(1.0f);
    override[3] = glm::vec4(5, 0, 0, 1);
    glm::mat4 parent(2.0f);  // scales by 2, then moves up by 1
    parent[3] = glm::vec4(0, 1, 0, 1);

    CObjMesh mesh;
    mesh.modelIndex = kBrokenModel;
    mesh.position = {100, 100, 100};
    mesh.rotation = {0, 90, 0};
    mesh.worldOverride = &override;
    mesh.parent = &parent;
    mesh.Update(library);
    ExpectNear(Transform(mesh.world, {1, 0, 0}), {12, 1, 0});
}

TEST_F(WorldTest, BoxAndSphereFollowTheWorldMatrix) {
    CObjMesh mesh;
    mesh.modelIndex = kTexturedModel;
    mesh.scale = {2, 3, 4};
    mesh.rotation = {0, 90, 0};  // x goes to -z, z to +x
    mesh.position = {1, 2, 3};
    mesh.Update(library);
    ASSERT_NE(mesh.model, nullptr);
    const ModelBounds& bounds = mesh.model->Data().bounds;
    ASSERT_GT(bounds.sphereRadius, 0.0f);

    mesh.UpdateBox();
    const glm::vec3 c = bounds.sphereCentre;
    ExpectNear(Vec(mesh.collider.centre), glm::vec3(1 + 4 * c.z, 2 + 3 * c.y, 3 - 2 * c.x));
    EXPECT_NEAR(mesh.collider.radius, 4 * bounds.sphereRadius, 1e-5f);
    ExpectNear(Vec(mesh.collider.axisX), {0, 0, -1});
    ExpectNear(Vec(mesh.collider.axisY), {0, 1, 0});
    ExpectNear(Vec(mesh.collider.axisZ), {1, 0, 0});
    ExpectNear(Vec(mesh.collider.halfExtent), bounds.halfExtent * glm::vec3(2, 3, 4));
}

TEST_F(WorldTest, FlatOrModelLessMeshesHaveFiniteColliders) {
    CObjMesh flat;
    flat.modelIndex = kTexturedModel;
    flat.scale = {1, 0, 1};
    flat.Update(library);
    flat.UpdateBox();
    ExpectNear(Vec(flat.collider.axisY), {0, 0, 0});
    EXPECT_EQ(flat.collider.halfExtent[1], 0.0f);

    CObjMesh modelLess;  // a point at its origin
    modelLess.modelIndex = kBrokenModel;
    modelLess.position = {4, 5, 6};
    modelLess.Update(library);
    modelLess.UpdateBox();
    EXPECT_EQ(modelLess.model, nullptr);
    EXPECT_EQ(modelLess.collider.radius, 0.0f);
    ExpectNear(Vec(modelLess.collider.centre), {4, 5, 6});
}

TEST_F(WorldTest, BindingTakesOneCountPerLoadedAssetAndGivesEachBack) {
    auto first = std::make_unique<CObjMesh>();
    auto second = std::make_unique<CObjMesh>();
    for (CObjMesh* mesh : {first.get(), second.get()}) {
        mesh->modelIndex = kTexturedModel;
        mesh->Update(library);
        mesh->modelIndex = 74;  // too late: the binding stays
        mesh->Update(library);
    }
    // One entry per material: wood with its normal map, a texture that is missing, none.
    ASSERT_EQ(first->textures.size(), 3u);
    ASSERT_EQ(first->normalMaps.size(), 3u);
    EXPECT_NE(first->textures[0], nullptr);
    EXPECT_NE(first->normalMaps[0], nullptr);
    EXPECT_EQ(first->textures[1], nullptr);
    EXPECT_EQ(first->textures[2], nullptr);
    EXPECT_EQ(ModelCount(kTexturedModel), 2);
    EXPECT_EQ(TextureCount(kWoodTexture), 2);
    EXPECT_EQ(TextureCount(kWoodNormalMap), 2);
    EXPECT_FALSE(library.models.HasEntry(74));

    first.reset();
    EXPECT_EQ(ModelCount(kTexturedModel), 1);
    EXPECT_TRUE(second->textures[0]->IsLoaded());
    second.reset();
    EXPECT_TRUE(NothingHeld());
}

// A load that failed was not counted. Giving it back anyway would take the count of whoever
// loaded the row later, and free the asset under them: a model's or a texture's.
TEST_F(WorldTest, AFailedLoadIsNeverGivenBack) {
    const auto counts = [&] {
        return std::pair{ModelCount(kFlakyModel), TextureCount(kFlakyTexture)};
    };
    auto early = std::make_unique<CObjMesh[]>(2);
    early[0].modelIndex = kFlakyModel;
    early[1].modelIndex = kFlakyTextureModel;
    for (int i = 0; i < 2; ++i) early[i].Update(library);
    EXPECT_EQ(counts(), std::pair(0, 0));

    MakeFlakyRowsLoadable();
    CObjMesh later[2];
    later[0].modelIndex = kFlakyModel;
    later[1].modelIndex = kFlakyTextureModel;
    for (CObjMesh& mesh : later) mesh.Update(library);
    EXPECT_EQ(counts(), std::pair(1, 1));
    early.reset();
    EXPECT_EQ(counts(), std::pair(1, 1));
}

}  // namespace
}  // namespace worldtest
