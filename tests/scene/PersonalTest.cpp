// The player on the null device with the game's archive: walking, falling and pressing against
// solid shapes, aiming, darts and the achievement for a hundred throws.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include <glm/geometric.hpp>
#include <glm/gtc/matrix_transform.hpp>

#include "content/EventFixture.h"
#include "library/MyLibrary.h"
#include "scene/Personal.h"
#include "support/Shapes.h"

namespace {

// A solid shape: the player is pushed out of it and darts stop at it.
template <typename Shape>
Shape Solid(Shape shape) {
    shape.kind = KIND_SOLID;
    return shape;
}

Plane SolidPlane(glm::vec3 point, glm::vec3 normal) {
    return Solid(testshapes::MakePlane(point, normal));
}

class PersonalTest : public EventTest {
  protected:
    void SetUp() override {
        EventTest::SetUp();
        library.steamworks.enabled = 1;
        // Looking along +z from behind the spawn point.
        library.effect.camera.eye = {0, 2, -5};
        library.effect.camera.at = {0, 0, 0};
        player.SetSpawn(0, {0, 1, 0});
        player.Enter(&library);
        player.throwCooldown = Personal::kThrowCooldownFrames;  // ready to throw
    }

    // A frame of the world as the scene runs it; the aim step runs where the shadow pass would.
    void Frame(uint32_t flags, int frames = 1) {
        for (int i = 0; i < frames; ++i) {
            library.input.state.flags = flags;
            player.PreUpdate();
            player.Move(colliders);
            if (player.controlMode == kControlFree && player.aiming) player.Aim();
        }
    }
    // Stands the player on a floor at y 0 until it rests there.
    void StandOnFloor() {
        colliders.push_back(&floor);
        Frame(0, 40);
    }
    // From standing still at the spawn point: how far `frames` frames of walking with `flags` go.
    glm::vec3 WalkFromRest(uint32_t flags, int frames) {
        player.Enter(&library);
        Frame(0, 40);
        const glm::vec3 start = player.Position();
        Frame(flags, frames);
        return player.Position() - start;
    }
    float Radius() const { return player.bodyCollider.collider.radius; }
    void GiveDarts() { player.record.hasDarts = 1; }
    // Aims (already aiming for a frame) and holds the action until a dart leaves the hand.
    void ThrowOne() {
        Frame(INPUT_SUB);
        Frame(INPUT_SUB | INPUT_ACTION);
        Frame(INPUT_SUB);
    }

    Plane floor = SolidPlane({0, 0, 0}, {0, 1, 0});
    std::vector<CollObj*> colliders;
};

TEST_F(PersonalTest, FallsOntoTheFloorThenWalksAlongTheViewAtOneSpeedStraightOrDiagonally) {
    colliders.push_back(&floor);
    Frame(0, 2);
    EXPECT_NEAR(player.Position().y, 1.0f - 2 * 0.06f, 1e-5f);
    // On the floor the push cancels the fall: the sphere rests with its bottom on the plane.
    Frame(0, 40);
    const float rest = player.Position().y;
    EXPECT_NEAR(rest, Radius(), 0.07f);
    Frame(0, 10);
    EXPECT_NEAR(player.Position().y, rest, 1e-4f);

    // A press moves along the direction taken at the previous change of keys; the first press of
    // all has none yet.
    WalkFromRest(INPUT_UP, 1);
    const glm::vec3 straight = WalkFromRest(INPUT_UP, 60);
    EXPECT_GT(straight.z, 2.0f);
    EXPECT_NEAR(straight.x, 0.0f, 1e-4f);
    EXPECT_NEAR(player.Yaw(), 0.0f, 1e-3f);
    EXPECT_EQ(player.motion, gt_Model::kMotionWalk);
    // Letting go stops the walk: the body goes back to standing.
    Frame(0);
    EXPECT_EQ(player.motion, gt_Model::kMotionRest);

    const glm::vec3 diagonal = WalkFromRest(INPUT_UP | INPUT_RIGHT, 60);
    EXPECT_NEAR(glm::length(diagonal), glm::length(straight), 0.01f);
    // Right of a view along +z is +x in this left-handed world.
    EXPECT_NEAR(diagonal.x, diagonal.z, 0.01f);
    EXPECT_NEAR(player.Yaw(), 45.0f, 0.5f);
    // Up and down together walk up.
    const glm::vec3 upAndDown = WalkFromRest(INPUT_UP | INPUT_DOWN, 60);
    EXPECT_NEAR(glm::length(upAndDown - straight), 0.0f, 1e-4f);
}

TEST_F(PersonalTest, KeepsTheWalkingDirectionAcrossACameraCutUntilTheKeysChange) {
    StandOnFloor();
    Frame(INPUT_UP, 5);
    // The camera cuts to look along +x while Up stays held: the walk goes on along +z.
    library.effect.camera.eye = {-5, 2, 0};
    library.effect.camera.at = {0, 0, 0};
    Frame(INPUT_UP, 30);
    EXPECT_NEAR(player.walkDir.z, 1.0f, 1e-5f);
    // Pressing again takes the new view.
    Frame(0);
    Frame(INPUT_UP);
    EXPECT_NEAR(player.walkDir.x, 1.0f, 1e-5f);
}

TEST_F(PersonalTest, AimsOnlyWithTheDartsFromEyeHeightAndGivesTheViewBack) {
    StandOnFloor();
    Frame(INPUT_SUB);
    EXPECT_EQ(player.aiming, 0);
    EXPECT_EQ(library.input.state.captured, 0);

    GiveDarts();
    const glm::vec3 standing = player.Position();
    Frame(INPUT_SUB | INPUT_UP, 10);
    EXPECT_EQ(player.aiming, 1);
    EXPECT_EQ(library.input.state.captured, 1);
    EXPECT_NEAR(glm::length(player.Position() - standing), 0.0f, 1e-4f);  // no walking, no fall
    const Camera& camera = library.effect.camera;
    EXPECT_NEAR(camera.eye.y, standing.y + 0.5f, 1e-5f);
    EXPECT_NEAR(glm::length(camera.at - camera.eye), 0.1f, 1e-5f);

    // Let go, the cursor is given back and the field's view is back; the walk that follows is the
    // aim run's (tests/integration/aim_run.sh).
    Frame(0, 30);
    EXPECT_EQ(player.aiming, 0);
    EXPECT_EQ(library.input.state.captured, 0);
    EXPECT_EQ(camera.at, glm::vec3(0, 0, 0));
}

TEST_F(PersonalTest, TheHeldLightShinesWhileAimingEvenFromTheFirstFrameOfAField) {
    GiveDarts();
    player.record.hasLight = 1;
    Frame(INPUT_SUB);
    library.effect.ResetForField();  // through a door, the aim held
    player.Enter(&library);
    Frame(INPUT_SUB);
    const FieldLighting& lighting = library.effect.lighting;
    EXPECT_GT(lighting.spotPositionW, 0.0f);
    EXPECT_GT(lighting.spotDirectionW, 0.0f);
    EXPECT_EQ(lighting.spotPosition, library.effect.camera.eye);  // aimed by the view
    EXPECT_EQ(player.bodyModel.lightShown, 1);                    // the mirror shows it in hand
}

TEST_F(PersonalTest, FlushSolidPiecesPushOnlyOnceAcrossAndAlongTheirSeam) {
    // A floor of two boxes meeting at z 0 and a wall of two boxes meeting at z 0 beside it.
    const auto box = [](glm::vec3 centre, glm::vec3 half) {
        return Solid(testshapes::Box(centre, half));
    };
    OBB floorNear = box({0, -0.5f, -5}, {5, 0.5f, 5});
    OBB floorFar = box({0, -0.5f, 5}, {5, 0.5f, 5});
    OBB wallNear = box({0.85f, 1, -5}, {0.25f, 1, 5});
    OBB wallFar = box({0.85f, 1, 5}, {0.25f, 1, 5});
    colliders = {&floorNear, &floorFar, &wallNear, &wallFar};
    player.SetSpawn(0, {0, 0.5f, -3});
    player.Enter(&library);
    Frame(0, 40);
    const float rest = player.Position().y;
    // Walking up the floor over the seam, pressed against the wall: no bob, never into the wall,
    // no snag at the wall's seam (pushed twice, the sphere stuck there for good), and no push
    // beyond one piece's overlap (the sphere counts as a cube against a box, so the near piece's
    // end pushes forward once, by less than a frame's walk and a radius).
    Frame(INPUT_UP | INPUT_RIGHT);  // a first press takes its direction
    float lastZ = player.Position().z;
    for (int i = 0; i < 120; ++i) {
        Frame(INPUT_UP | INPUT_RIGHT);
        EXPECT_NEAR(player.Position().y, rest, 1e-3f) << "frame " << i;
        EXPECT_LE(player.Position().x, 0.6f - Radius() + 1e-3f) << "frame " << i;
        EXPECT_GT(player.Position().z - lastZ, 0.0f) << "frame " << i;
        EXPECT_LT(player.Position().z - lastZ, 0.06f + Radius()) << "frame " << i;
        lastZ = player.Position().z;
    }
    EXPECT_GT(player.Position().z, 1.0f);
}

TEST_F(PersonalTest, ADartThatStrikesNothingVanishesAfterAHundredUnits) {
    GiveDarts();
    ThrowOne();
    const Dart& dart = *player.darts[0];
    int frames = 0;
    while (dart.flying && frames < 1000) {
        Frame(INPUT_SUB);
        ++frames;
    }
    // 0.6 units a frame: past 100 after 167 frames of flight, gone the frame after.
    EXPECT_GE(frames, 166);
    EXPECT_LE(frames, 168);
    EXPECT_GT(dart.t, 100.0f);
    EXPECT_EQ(dart.model.hidden, 1);
}

// The hundredth throw of the game, here the sixth, earns the darts achievement.
TEST_F(PersonalTest, ThrowsWaitForTheCooldownAndANewPressAndReuseTheDartsInTurn) {
    StandOnFloor();
    GiveDarts();
    player.record.throwCount = 94;
    Plane wall = SolidPlane({0, 0, 3}, {0, 0, -1});
    colliders.push_back(&wall);
    Frame(INPUT_SUB);
    Frame(INPUT_SUB | INPUT_ACTION, 60);  // held: one throw only
    EXPECT_EQ(player.record.throwCount, 95);
    EXPECT_EQ(player.motion, gt_Model::kMotionRest);
    Frame(INPUT_SUB);
    Frame(INPUT_SUB | INPUT_ACTION);
    EXPECT_EQ(player.record.throwCount, 96);
    EXPECT_EQ(player.motion, gt_Model::kMotionThrow);
    Frame(INPUT_SUB);
    Frame(INPUT_SUB | INPUT_ACTION);  // within the cooldown
    EXPECT_EQ(player.record.throwCount, 96);

    // The sixth throw takes the first dart again, and it flies as its first flight did.
    const glm::vec3 firstStrike = player.darts[0]->ball.position;
    for (int i = 0; i < 4; ++i) {
        Frame(INPUT_SUB, 50);
        EXPECT_FALSE(library.steamworks.awarded.contains(28)) << "after " << 96 + i;
        ThrowOne();
    }
    EXPECT_EQ(player.record.throwCount, 100);
    EXPECT_TRUE(library.steamworks.awarded.contains(28));
    Frame(INPUT_SUB, 30);
    EXPECT_LT(glm::length(player.darts[0]->ball.position - firstStrike), 1e-3f);
    // Letting go of the aim mid-throw stands the body up rather than throwing on.
    EXPECT_EQ(player.motion, gt_Model::kMotionThrow);
    Frame(0);
    EXPECT_EQ(player.motion, gt_Model::kMotionRest);
}

TEST_F(PersonalTest, AnAttachedDartRidesOnItsTarget) {
    StandOnFloor();
    GiveDarts();
    Plane wall = SolidPlane({0, 0, 3}, {0, 0, -1});
    colliders.push_back(&wall);
    ThrowOne();
    Frame(INPUT_SUB, 10);
    glm::mat4 target(1.0f);
    player.AttachLastDart(target);
    const glm::vec3 struck(player.darts[0]->ball.world[3]);
    target[3] = glm::vec4(2, 0, 0, 1);  // the target moves 2 along x
    player.darts[0]->Draw(library, false);
    const glm::vec3 carried(player.darts[0]->ball.world[3]);
    EXPECT_NEAR(carried.x, struck.x + 2.0f, 1e-4f);
    EXPECT_NEAR(carried.z, struck.z, 1e-4f);
    // A field entry lets go and grounds it.
    player.Enter(&library);
    EXPECT_EQ(player.darts[0]->model.hidden, 1);
}

TEST_F(PersonalTest, HeldOrCaughtThePlayerDoesNotWalkAndSeesEachPressOnce) {
    StandOnFloor();
    const glm::vec3 start = player.Position();
    player.controlMode = kControlHeld;
    Frame(INPUT_UP | INPUT_ACTION, 20);
    EXPECT_NEAR(glm::length(player.Position() - start), 0.0f, 1e-4f);
    EXPECT_EQ(player.actionPressed, 0);  // reported on the press's first frame only

    GiveDarts();
    player.controlMode = kControlCaught;
    player.aiming = 1;
    player.motion = gt_Model::kMotionWalk;
    Frame(INPUT_SUB | INPUT_UP, 5);
    EXPECT_EQ(player.aiming, 0);
    EXPECT_EQ(player.motion, gt_Model::kMotionRest);
    EXPECT_NEAR(glm::length(player.Position() - start), 0.0f, 1e-4f);

    // The aim button's release is reported for one frame, as the action's press is.
    player.controlMode = kControlHeld;
    Frame(INPUT_SUB, 2);
    EXPECT_EQ(player.subReleased, 0);
    Frame(0);
    EXPECT_EQ(player.subReleased, 1);
    Frame(0);
    EXPECT_EQ(player.subReleased, 0);
}

}  // namespace
