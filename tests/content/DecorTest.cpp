// The decorative events' table: every row shows a model and the solid ones collide; the fan swings
// about the way it was placed.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "content/events/Decor.h"
#include "library/AssetNames.h"
#include "library/Utf.h"

namespace {

template <class... Decors>
std::vector<std::unique_ptr<Ev::Decor>> Every() {
    std::vector<std::unique_ptr<Ev::Decor>> all;
    (all.push_back(std::make_unique<Decors>()), ...);
    return all;
}

TEST(DecorTest, EveryRowShowsAModelAndCollidesOnlyWhenSolid) {
    const auto all =
        Every<Ev::Light, Ev::Mado_S, Ev::Toile, Ev::Senpu, Ev::Denki, Ev::Keikou, Ev::Chair,
              Ev::StaffChair, Ev::Ueki, Ev::LobbyWindow, Ev::GenGlass, Ev::Moon, Ev::Zihanki,
              Ev::Rest_handle, Ev::Rest_Men_door, Ev::LightSwitch>();
    for (const auto& decor : all) {
        const std::string name = Utf16ToUtf8(decor->Name());
        ASSERT_EQ(decor->meshes.size(), 1u) << name;
        EXPECT_EQ(KindOfRow(decor->mesh.modelIndex), AssetKind::Model) << name;
        EXPECT_EQ(decor->mesh.hidden, 0) << name;
        const bool solid = decor->mesh.collider.kind == KIND_SOLID;
        EXPECT_EQ(decor->mesh.collider.type, solid ? COLL_OBB : COLL_NONE) << name;
    }
}

TEST(DecorTest, TheFanSwingsBothWaysAboutItsPlacement) {
    Ev::Senpu fan;
    fan.mesh.rotation.y = 90;
    float low = 90, high = 90;
    for (int frame = 0; frame < 800; ++frame) {
        fan.Update();
        low = std::min(low, fan.mesh.rotation.y);
        high = std::max(high, fan.mesh.rotation.y);
    }
    EXPECT_NEAR(low, 50, 0.5f);
    EXPECT_NEAR(high, 130, 0.5f);
}

}  // namespace
