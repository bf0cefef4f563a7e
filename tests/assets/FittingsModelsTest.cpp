// The fittings' models: each has the size and origin its events place it by, and the parts built
// from two rows (fridge and door, toilet and lid, door leaf and frame) fit together.
#include <gtest/gtest.h>

#include <cmath>

#include "MeshChecks.h"
#include "Models.h"
#include "models/FittingsLayout.h"

namespace {

using namespace fittings;
using namespace meshchecks;

constexpr float kTolerance = 1e-4f;

// ---- Size and origin as the events place them ---------------------------------------------

enum class Origin {
    Floor,   // stands on y = 0 with the origin under it
    Hinge,   // reaches along +x from a vertical hinge line through the origin
    Centre,  // the origin near the middle of the model's face, within its depth
    Wall,    // its back on the wall plane z = 0, reaching towards -z
    Hub,     // the cobweb's hub: the model hangs down and along +x from it
    Lid,     // lies flat on y = 0, reaching towards -z from a hinge along x
};

struct PlacementCase {
    std::string_view name;
    Origin origin;
    float lowest, highest;  // the model's height in the world, after the event's scale
    Vec3 eventScale{1, 1, 1};

    friend void PrintTo(const PlacementCase& c, std::ostream* out) { *out << c.name; }
};

class FittingsPlacementTest : public testing::TestWithParam<PlacementCase> {};

TEST_P(FittingsPlacementTest, HasTheSizeAndOriginItsEventsNeed) {
    const PlacementCase& c = GetParam();
    const Bounds b = BuildModel(c.name).PositionBounds();
    const float height = (b.max.y - b.min.y) * c.eventScale.y;
    EXPECT_GE(height, c.lowest);
    EXPECT_LE(height, c.highest);
    const Vec3 middle = 0.5f * (b.min + b.max);
    const Vec3 size = b.max - b.min;
    const auto straddles = [](float low, float high) { return low < 0 && high > 0; };
    switch (c.origin) {
        case Origin::Floor:
            EXPECT_NEAR(b.min.y, 0, kTolerance);
            EXPECT_TRUE(straddles(b.min.x, b.max.x) && straddles(b.min.z, b.max.z));
            break;
        case Origin::Hinge:
            EXPECT_NEAR(b.min.x, 0, 0.015f);  // hinge knuckles may stand round the line
            EXPECT_GT(b.max.x, 0.3f);
            EXPECT_GE(b.min.y, -kTolerance);
            break;
        case Origin::Centre:
            EXPECT_LE(std::fabs(middle.x), 0.1f * size.x);
            EXPECT_LE(std::fabs(middle.y), 0.1f * size.y);
            EXPECT_TRUE(straddles(b.min.z, b.max.z));
            break;
        case Origin::Wall:
            EXPECT_NEAR(b.max.z, 0, kTolerance);
            EXPECT_TRUE(straddles(b.min.x, b.max.x));
            break;
        case Origin::Hub:
            EXPECT_NEAR(b.min.x, 0, kTolerance);
            EXPECT_NEAR(b.max.y, 0, kTolerance);
            break;
        case Origin::Lid:
            EXPECT_NEAR(b.min.y, 0, kTolerance);
            EXPECT_TRUE(b.max.z <= 0.02f && b.min.z < -0.3f);
            break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fittings, FittingsPlacementTest,
    testing::Values(PlacementCase{"mado.x", Origin::Centre, 0.9f, 1.4f},
                    PlacementCase{"mado_s.x", Origin::Centre, 0.45f, 0.8f},
                    PlacementCase{"planter.x", Origin::Floor, 0.25f, 0.45f},
                    PlacementCase{"pot.x", Origin::Floor, 0.25f, 0.45f},
                    PlacementCase{"publictel.x", Origin::Floor, 1.8f, 2.2f},
                    PlacementCase{"razikase.x", Origin::Floor, 0.15f, 0.35f},
                    PlacementCase{"reaf.x", Origin::Floor, 0.4f, 0.8f},
                    PlacementCase{"reaf1.x", Origin::Floor, 0.2f, 0.5f},
                    PlacementCase{"reizouko.x", Origin::Floor, 0.5f, 0.8f},
                    PlacementCase{"reizouko_door.x", Origin::Hinge, 0.5f, 0.8f},
                    PlacementCase{"rest_door.x", Origin::Hinge, 1.2f, 1.6f},
                    PlacementCase{"rest_handle.x", Origin::Floor, 0.1f, 0.25f},
                    PlacementCase{"rezi.x", Origin::Floor, 0.15f, 0.3f},
                    PlacementCase{"roof_boiler.x", Origin::Floor, 1.2f, 2.0f},
                    PlacementCase{"innmora.x", Origin::Centre, 0.7f, 1.2f},
                    PlacementCase{"senpu.x", Origin::Floor, 0.7f, 1.0f},
                    PlacementCase{"snp_cav.x", Origin::Hub, 0.5f, 1.0f},
                    PlacementCase{"table.x", Origin::Floor, 0.5f, 0.65f},
                    PlacementCase{"taijukei.x", Origin::Floor, 0.04f, 0.1f},
                    PlacementCase{"tcover.x", Origin::Lid, 0.015f, 0.04f},
                    PlacementCase{"tdact.x", Origin::Wall, 0.2f, 0.4f},
                    PlacementCase{"tel.x", Origin::Floor, 0.08f, 0.2f},
                    PlacementCase{"tgomibako.x", Origin::Floor, 0.12f, 0.3f},
                    PlacementCase{"toile.x", Origin::Floor, 0.45f, 0.7f},
                    PlacementCase{"tpaper.x", Origin::Wall, 0.1f, 0.3f},
                    PlacementCase{"trashbox.x", Origin::Floor, 0.25f, 0.45f},
                    PlacementCase{"tsink.x", Origin::Floor, 0.55f, 0.8f},
                    PlacementCase{"tv.x", Origin::Floor, 0.45f, 0.9f},
                    PlacementCase{"tyaire.x", Origin::Floor, 0.05f, 0.12f},
                    PlacementCase{"whitebord.x", Origin::Floor, 1.2f, 1.6f},
                    PlacementCase{"wood_door.x", Origin::Hinge, 1.7f, 1.9f, kDoorFrameScale},
                    PlacementCase{"wood_door_waku.x", Origin::Floor, 1.8f, 2.2f, kDoorFrameScale},
                    PlacementCase{"zaisu.x", Origin::Floor, 0.25f, 0.45f},
                    PlacementCase{"zihanki.x", Origin::Floor, 1.1f, 1.5f}),
    [](const auto& info) { return ShortName(info.param.name); });

// ---- Parts that meet --------------------------------------------------------------------

TEST(FittingsFitTest, FridgeDoorClosesOverTheWholeFrontOfTheBody) {
    const Bounds body = BuildModel("reizouko.x").PositionBounds();
    const Bounds door = BuildModel("reizouko_door.x").PositionBounds();
    EXPECT_NEAR(body.max.x - body.min.x, kFridgeSize.x, kTolerance);
    EXPECT_NEAR(body.max.y, kFridgeSize.y, kTolerance);
    EXPECT_NEAR(kFridgeDoorHinge.x, body.min.x, kTolerance);
    EXPECT_NEAR(kFridgeDoorHinge.z, body.min.z, kTolerance);
    EXPECT_NEAR(kFridgeDoorHinge.x + door.max.x, body.max.x, 0.06f);  // the handle stands off
    EXPECT_NEAR(door.max.y, body.max.y, kTolerance);
    // The door's pockets reach into the body, clear of its shelves.
    const Mesh fridge = BuildModel("reizouko.x");
    const float pocketsReach = kFridgeDoorHinge.z + door.max.z;
    for (const Vertex& vertex : fridge.Vertices()) {
        const Vec3 p = vertex.position;
        const bool inside = std::fabs(p.x) < 0.5f * kFridgeSize.x - 0.021f && p.y > 0.06f &&
                            p.y < kFridgeSize.y - 0.021f;
        if (inside) {
            EXPECT_GE(p.z, pocketsReach) << p.x << " " << p.y << " " << p.z;
        }
    }
}

TEST(FittingsFitTest, ToiletLidRestsOnTheSeatAndOpensClearOfTheCistern) {
    const Mesh toilet = BuildModel("toile.x");
    const Bounds lid = BuildModel("tcover.x").PositionBounds();
    constexpr float kLidThickness = 0.02f;
    const Bounds bowl = toilet.PositionBounds();
    EXPECT_GE(kToiletLidHinge.x + lid.min.x, bowl.min.x);
    EXPECT_LE(kToiletLidHinge.x + lid.max.x, bowl.max.x);
    EXPECT_GE(kToiletLidHinge.z + lid.min.z, bowl.min.z - kTolerance);
    bool seatTouched = false;
    for (const Vertex& vertex : toilet.Vertices()) {
        const Vec3 p = vertex.position;
        if (p.y > kToiletLidHinge.y + kTolerance) {
            // Above the seat only what stands behind the lid when it is raised upright.
            EXPECT_GE(p.z, kToiletLidHinge.z + kLidThickness) << p.y << " " << p.z;
        }
        seatTouched |= std::fabs(p.y - kToiletLidHinge.y) < kTolerance && p.z < 0;
    }
    EXPECT_TRUE(seatTouched);
}

// The leaf, placed at x -kDoorLeafWidth / 2 of the frame, fills the opening exactly, the knob
// stands on it, and the frame leaves the opening clear.
TEST(FittingsFitTest, DoorLeafFillsTheFramesOpening) {
    const Bounds leaf = BuildModel("wood_door.x").PositionBounds();
    EXPECT_NEAR(leaf.min.x, 0, kTolerance);
    EXPECT_NEAR(leaf.max.x, kDoorLeafWidth, kTolerance);
    EXPECT_NEAR(leaf.min.y, 0, kTolerance);
    EXPECT_NEAR(leaf.max.y, kDoorLeafHeight, kTolerance);
    EXPECT_GT(kDoorKnob.u, 0.5f * kDoorLeafWidth);
    EXPECT_LT(kDoorKnob.u, kDoorLeafWidth);
    EXPECT_LT(kDoorKnob.v, kDoorLeafHeight);
    const float half = 0.5f * kDoorLeafWidth;
    const Mesh frame = BuildModel("wood_door_waku.x");
    for (const Vertex& vertex : frame.Vertices()) {
        const Vec3 p = vertex.position;
        const bool inOpening =
            std::fabs(p.x) < half - kTolerance && p.y < kDoorLeafHeight - kTolerance;
        EXPECT_FALSE(inOpening) << p.x << " " << p.y;
    }
}

// Seen from inside: every point on the dome, every normal facing its centre (and so every
// triangle, which the row checks keep facing its normals), and big enough in the world to hold
// the moon (radius 1 at height 36).
TEST(FittingsFitTest, SkyDomeFacesItsCentreAndHoldsTheMoon) {
    const Mesh sky = BuildModel("sky.x");
    for (const Vertex& vertex : sky.Vertices()) {
        const Vec3 p = vertex.position;
        EXPECT_NEAR(std::sqrt(Dot(p, p)), kSkyRadius, 1e-3f);
        EXPECT_LT(Dot(vertex.normal, p), 0);
    }
    const Bounds b = sky.PositionBounds();
    EXPECT_NEAR(b.max.y, kSkyRadius, 1e-3f);
    EXPECT_LT(b.min.y, 0);  // past the horizon, so no gap shows at the ground's edge
    EXPECT_GT(kSkyRadius * kSkyScale, 37);
}

// Cut-outs are seen from both sides: each card has a twin facing the other way.
TEST(FittingsFitTest, CutOutCardsShowBothSides) {
    for (const std::string_view name : {"reaf.x", "reaf1.x", "snp_cav.x"}) {
        const Mesh mesh = BuildModel(name);
        Vec3 sum{0, 0, 0};
        for (const Triangle& triangle : mesh.Triangles()) {
            const Vec3 front = FrontOf(mesh, triangle);
            sum = sum + (1 / std::sqrt(Dot(front, front))) * front;
        }
        EXPECT_LT(Dot(sum, sum), 1e-6f) << name;
    }
}

}  // namespace
