// The ghost as a player meets it in the inn's rooms: it heads straight for a player in sight and
// follows the trail round what hides them, waiting where a trail too long ends; only its lunge
// catches; darts wound it once per spell of invincibility; and in random chases through every room
// that holds it it never ends up in furniture, walls or the floor.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include <glm/geometric.hpp>

#include "app/Globals.h"
#include "content/FieldRun.h"
#include "library/Angles.h"
#include "scene/Personal.h"
#include "world/Enemy.h"

namespace {

// What a frame may leave the ghost inside a solid shape: it is pushed out in the next frame, so
// up to its longest move in a frame (the fast lunge's) stays in.
constexpr float kPushTolerance = 0.05f;

class GhostTest : public FieldRun {
  protected:
    Enemy* Ghost() { return FindEvent<Enemy>(Field()); }
    SaveRecord& Record() { return app.player.record; }
    glm::vec3 GhostPos() { return Record().enemyPos; }
    glm::vec3 PlayerPos() { return app.player.Position(); }
    // The player's follow point moves `step` towards `to` each frame, the body walking after it.
    void WalkTowards(const glm::vec3& to, float step) {
        glm::vec3& follow = app.player.followPoint;
        const glm::vec3 gap(to.x - follow.x, 0, to.z - follow.z);
        follow += glm::length(gap) > step ? SafeNormalise(gap) * step : gap;
    }
    // How deep the ghost's sphere lies in the deepest solid shape of the field.
    float Depth() {
        OBB sphere;
        sphere.type = COLL_SPHERE;
        sphere.radius = Ghost()->marker.collider.radius;
        const glm::vec3 at = GhostPos();
        std::copy(&at.x, &at.x + 3, sphere.centre);
        float deepest = 0;
        for (CollObj* shape : Field().colliders) {
            if (shape->kind != KIND_SOLID || app.lib.collision.Test(sphere, *shape) == 0) continue;
            const glm::vec3 push(sphere.push[0], sphere.push[1], sphere.push[2]);
            deepest = std::max(deepest, glm::length(push));
        }
        return deepest;
    }
    // A dart launched close by straight through the ghost's hit box: it strikes in the next
    // frame's flight.
    void ThrowThroughGhost() {
        const OBB& box = Ghost()->hitBox.collider;
        const glm::vec3 target(box.centre[0], box.centre[1], box.centre[2]);
        for (auto& dart : app.player.darts) {
            if (dart->flying != 0) continue;
            dart->Launch(target - glm::vec3(0.4f, 0, 0), {1, 0, 0});
            return;
        }
        ADD_FAILURE() << "every dart is in flight";
    }
};

struct Variant {
    const char* name;
    int32_t fast;
    float walkStep;  // per frame
    float lungeStep;
    int32_t recovery;  // frames
    friend void PrintTo(const Variant& variant, std::ostream* out) { *out << variant.name; }
};

class GhostVariantTest : public GhostTest, public testing::WithParamInterface<Variant> {};

// In the free lane between the dining room's east tables and its east wall.
TEST_P(GhostVariantTest, InSightItHeadsForThePlayerAndOnlyItsLungeCatches) {
    const Variant& variant = GetParam();
    Start(FieldId::Dining_Room, {5.5f, 0.36f, -1.5f}, 180);
    SaveRecord& record = Record();
    record.enemyFast = variant.fast;
    record.EnemyMode = kEnemyChasing;
    record.enemyPos = {5.8f, 0.35f, -4.2f};
    ASSERT_NE(Ghost(), nullptr);
    Enemy& ghost = *Ghost();

    app.player.controlMode = kControlHeld;
    Run(10);
    EXPECT_EQ(GhostPos(), glm::vec3(5.8f, 0.35f, -4.2f)) << "moved while an event held the player";
    app.player.controlMode = kControlFree;

    // Walking, the trail is the player's place of this frame and the one that will follow them;
    // each step heads for that place, and the lunge starts once the player is within reach.
    glm::vec3 step(0.0f);
    for (int frame = 0; frame < 300 && ghost.AtFlag == 0; ++frame) {
        const glm::vec3 before = GhostPos();
        app.player.followPoint.x += 0.003f;  // the player edges sideways
        Run(1);
        step = GhostPos() - before;
        ASSERT_EQ(ghost.TrailSize(), 2u);
        ASSERT_EQ(ghost.CurrentAnchor()->pos, PlayerPos());
        ASSERT_NEAR(glm::length(step), variant.walkStep, 1e-5f);
        ASSERT_GT(glm::dot(SafeNormalise(step), SafeNormalise(PlayerPos() - before)), 0.9999f);
        const glm::vec3 gap = PlayerPos() - GhostPos();
        ASSERT_EQ(glm::dot(gap, gap) < 1.2f, ghost.AtFlag == 1) << "frame " << frame;
    }
    ASSERT_EQ(ghost.AtFlag, 1) << "never came within reach";
    EXPECT_LT(glm::length(ghost.lungeDir - SafeNormalise(step)), 1e-5f);

    // The player steps back out of the lunge's way. The lunge runs 39 frames along its
    // direction; then the ghost stands, and recovers, with the player inside it, harmlessly.
    Place(PlayerPos() + ghost.lungeDir * 2.0f);
    int lungeFrames = 0;
    int recoveryFrames = 0;
    while (ghost.AtCount >= 0 && lungeFrames < 100) {
        const glm::vec3 before = GhostPos();
        Run(1);
        if (GhostPos() == before) break;
        ASSERT_LT(glm::length(GhostPos() - before - ghost.lungeDir * variant.lungeStep), 1e-5f);
        ++lungeFrames;
    }
    EXPECT_EQ(lungeFrames, 39);
    Place(GhostPos() + glm::vec3(0, 0.01f, 0) + ghost.lungeDir * 0.2f);
    const glm::vec3 rest = GhostPos();
    for (int frame = 0; frame < 300 && (ghost.AtFlag == 1 || ghost.AtCount < 0); ++frame) {
        Run(1);
        ASSERT_EQ(ghost.marker.collider.hitState, HIT_BY_PLAYER) << "the player stands aside";
        ASSERT_EQ(record.EnemyMode, kEnemyChasing) << "caught while standing or recovering";
        if (ghost.AtCount < 0) ++recoveryFrames;
    }
    EXPECT_EQ(recoveryFrames, variant.recovery);
    EXPECT_EQ(GhostPos(), rest) << "moved while standing or recovering";

    // Recovered, it lunges again at once and the touch now catches.
    Run(1);
    ASSERT_EQ(ghost.AtFlag, 1);
    EXPECT_EQ(record.EnemyMode, kEnemyChasing) << "caught by a walking ghost";
    Run(1);
    EXPECT_EQ(record.EnemyMode, kEnemyCaught);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Speeds, GhostVariantTest,
                         testing::Values(Variant{"normal", 0, 0.01f, 0.02f, 100},
                                         Variant{"fast",   1, 0.02f, 0.04f, 10}));
// clang-format on

// Room 203: the player slips from the room through the doorway into the entrance hall, out of
// the ghost's sight behind the hall's wall; the ghost comes round through the doorway.
TEST_F(GhostTest, OutOfSightItFollowsTheTrailRoundTheWall) {
    Start(FieldId::Fld_203, {-3.6f, 0.41f, -2.0f}, 270, 17);
    ASSERT_NE(Ghost(), nullptr);
    Record().EnemyMode = kEnemyChasing;
    Record().enemyPos = {-2.0f, 0.42f, 1.0f};
    const glm::vec3 hall[] = {{-5.5f, 0, -2.1f}, {-6.2f, 0, -1.75f}};
    int blocked = 0;
    for (int frame = 0; frame < 600 && Record().EnemyMode == kEnemyChasing; ++frame) {
        WalkTowards(hall[frame < 60 ? 0 : 1], 0.05f);
        Run(1);
        ASSERT_LE(Depth(), kPushTolerance) << "frame " << frame;
        blocked += Ghost()->sightBlocked;
    }
    EXPECT_GT(blocked, 60) << "the player was never out of sight";
    EXPECT_EQ(Record().EnemyMode, kEnemyCaught);
    EXPECT_LT(GhostPos().x, -4.8f) << "not in the hall";
}

// The women's toilets: the player, last seen in front of the cubicles, flits between two shut
// cubicles that see neither each other nor the ghost, leaving a breadcrumb each frame. The trail
// stops at 100; the ghost makes for the breadcrumb it walks to and waits there.
TEST_F(GhostTest, ATrailCutShortAtAHundredBreadcrumbsEndsInAWait) {
    Start(FieldId::Rest_Women, {-1.0f, 0.36f, 0.5f}, 0);
    ASSERT_NE(Ghost(), nullptr);
    Record().EnemyMode = kEnemyChasing;
    Run(1);
    const glm::vec3 lastSeen = PlayerPos();
    const glm::vec3 cubicles[] = {{-1.8f, 0.36f, 2.5f}, {-0.6f, 0.36f, 2.5f}};
    size_t longest = 0;
    for (int frame = 0; frame < 600 && Record().EnemyMode == kEnemyChasing; ++frame) {
        Place(cubicles[frame % 2]);
        Run(1);
        ASSERT_EQ(Ghost()->sightBlocked, 1) << "frame " << frame;
        longest = std::max(longest, Ghost()->TrailSize());
    }
    EXPECT_EQ(longest, Enemy::kMaxTrail);
    EXPECT_EQ(Record().EnemyMode, kEnemyWaiting);
    EXPECT_LT(glm::length(GhostPos() - lastSeen), 0.02f) << "not waiting where it last saw them";
}

// The dining room's watcher, far from the player: darts wake it but do it no harm until the darts
// puzzle is done; from then on each dart costs it a bead, except while it is still invincible
// from the last one; the last one defeats it even while it touches the player.
TEST_F(GhostTest, DartsWoundItOncePerInvincibleSpellAndTheLastDefeatsIt) {
    app.lib.steamworks.enabled = 1;
    Start(FieldId::Dining_Room, {-3.0f, 0.36f, 8.0f}, 180);
    SaveRecord& record = Record();
    ASSERT_NE(Ghost(), nullptr);
    ASSERT_EQ(record.EnemyMode, kEnemyWaiting);
    const auto strike = [&] {
        ThrowThroughGhost();
        Run(1);
    };
    strike();
    EXPECT_EQ(record.EnemyMode, kEnemyChasing) << "a dart wakes it";
    EXPECT_TRUE(app.lib.steamworks.awarded.contains(Enemy::kDartAward));
    EXPECT_EQ(record.HitPoint, 5);

    record.dartsFinished = 1;
    Run(60);
    strike();
    EXPECT_EQ(record.HitPoint, 4);
    Run(48);
    strike();
    EXPECT_EQ(record.HitPoint, 4) << "struck 49 frames after the last hit";
    strike();
    EXPECT_EQ(record.HitPoint, 3) << "struck 50 frames after the last hit";
    record.HitPoint = 1;  // the walkthrough's darts bring every ghost this far

    // The last dart strikes in a frame in which the player touches the hit box too.
    Run(49);
    Place(GhostPos() + glm::vec3(0.1f, 0.01f, 0));
    strike();
    EXPECT_NE(app.lib.collision.Test(app.player.bodyCollider.collider, Ghost()->hitBox.collider),
              0u);
    EXPECT_EQ(record.HitPoint, 0);
    EXPECT_EQ(record.EnemyMode, kEnemyVanishing);
    Run(100);
    EXPECT_EQ(record.EnemyMode, kEnemyVanishing);
    EXPECT_EQ(app.player.controlMode, kControlCaught) << "the player walks on while it fades";
    Run(1);
    EXPECT_EQ(record.EnemyMode, kEnemyDefeated);
    EXPECT_EQ(app.player.controlMode, kControlFree);
}

// Every room that holds a chasing ghost (the lobby's only walks past), chased through by a player
// wandering at random: the ghost never stays in furniture, walls or the floor, and its trail stays
// within bounds. A catch starts the chase again.
struct Haunt {
    FieldId field;
    int32_t stage;
    glm::vec3 from;  // where the player stands when the chase starts
    bool woken;      // else the room's own event wakes it
};

// clang-format off
const Haunt kHaunts[] = {
    {FieldId::Dining_Room,      3,  {-3.3f, 0.36f, -3.0f},  true},
    {FieldId::Bath_Datui_Woman, 14, {-3.17f, 0.36f, -1.8f}, false},
    {FieldId::Guest_Room,       7,  {-3.95f, 0.4f, -2.27f}, true},
    {FieldId::Guest_Bath,       7,  {0, 0.36f, 1.3f},       true},
    {FieldId::Rest_Women,       8,  {0.6f, 0.36f, 1.0f},    true},  // stepping out with the key
    {FieldId::Roof_Top,         8,  {4.2f, 0.36f, -1.25f},  true},
    {FieldId::Fld_203,          17, {-3.95f, 0.4f, -2.27f}, true},
};
// clang-format on

TEST_F(GhostTest, RandomChasesNeverLeaveItInsideSolidShapes) {
    using platform::VirtualKey;
    const std::vector<std::vector<VirtualKey>> kHeld = {
        {},
        {VirtualKey::W},
        {VirtualKey::S},
        {VirtualKey::A},
        {VirtualKey::D},
        {VirtualKey::W, VirtualKey::A},
        {VirtualKey::W, VirtualKey::D},
        {VirtualKey::S, VirtualKey::A},
        {VirtualKey::S, VirtualKey::D},
    };
    // The world runs as in a minimised window, undrawn: what is checked is where the ghost goes.
    g_minimized = 1;
    constexpr int kFrames = 600;                       // per room and seed
    constexpr float kLowest = 0.35f - kPushTolerance;  // the ghost's centre over a floor at 0
    for (const Haunt& haunt : kHaunts) {
        for (uint32_t seed = 1; seed <= 3; ++seed) {
            std::mt19937 random(seed);
            std::string fault;
            const auto check = [&](D3DXMain&, uint32_t frame) {
                if (!fault.empty() || Record().EnemyMode == kEnemyCaught) return;
                const glm::vec3 at = GhostPos();
                const float depth = Depth();
                if (depth > kPushTolerance || at.y < kLowest ||
                    Ghost()->TrailSize() > Enemy::kMaxTrail) {
                    fault = "frame " + std::to_string(frame) + " at (" + std::to_string(at.x) +
                            ", " + std::to_string(at.y) + ", " + std::to_string(at.z) + ") depth " +
                            std::to_string(depth) + " trail " +
                            std::to_string(Ghost()->TrailSize());
                }
            };
            for (int frames = 0; frames < kFrames;) {
                Record().EnemyMode = kEnemyAbsent;
                app.player.controlMode = kControlFree;
                Start(haunt.field, haunt.from, 0, haunt.stage);
                ASSERT_NE(Ghost(), nullptr) << "field " << static_cast<int>(haunt.field);
                if (haunt.woken) Record().EnemyMode = kEnemyChasing;
                while (frames < kFrames && Record().EnemyMode != kEnemyCaught) {
                    const auto& keys = kHeld[random() % kHeld.size()];
                    platform.input.keys = {keys.begin(), keys.end()};
                    const uint32_t run = 20 + random() % 21;
                    Run(run, check);
                    frames += static_cast<int>(run);
                    ASSERT_EQ(Current(), haunt.field) << "the wandering player left the room";
                }
                platform.input.keys.clear();
            }
            EXPECT_EQ(fault, "") << "field " << static_cast<int>(haunt.field) << ", seed " << seed;
        }
    }
}

}  // namespace
