// The inn's fields through the real main loop on the null device: every spawn point of the exit
// table stands the player on a floor from which they can walk a unit into the room, and every exit
// fires from its own trigger as a player takes it (walk exits on touch, the others only with the
// action key) into its field, spawn point and facing.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "content/FieldRun.h"
#include "content/events/Doors.h"
#include "content/fields/Exits.h"
#include "content/fields/FieldFactory.h"
#include "content/fields/Retries.h"
#include "library/AssetNames.h"

namespace {

bool Built(FieldId id) {
    return MakeFieldOf(id) != nullptr;
}

// An exit row's field and trigger.
std::string Named(const ExitRow& row) {
    return std::to_string(static_cast<int>(row.from)) + " " + row.trigger;
}

// The hidden room's door has given way; the ending is still ahead.
constexpr int32_t kLateStage = 22;

glm::vec3 Ahead(float yaw) {
    const float radians = yaw * kRadiansPerDegree;
    return {std::sin(radians), 0, std::cos(radians)};
}

// A spawn point of the exit, retry or opening tables, and the way into its room from there.
struct SpawnCase {
    std::string name;
    FieldId field;
    glm::vec3 spawn;
    float yaw;
    int32_t stage;
    float intoRoomYaw;  // a retry may face the door it stands at; the room lies the other way
    friend void PrintTo(const SpawnCase& spawn, std::ostream* out) { *out << spawn.name; }
};

std::vector<SpawnCase> SpawnCases() {
    std::vector<SpawnCase> cases;
    for (const ExitRow& row : ExitTable()) {
        if (!Built(row.to) || row.from == row.to) continue;
        cases.push_back(
            {"exit " + Named(row), row.to, row.spawn, row.yaw, StartOf(row.to).stage, row.yaw});
    }
    for (const RetryRow& row : RetryTable()) {
        if (row.toTitle) continue;
        float into = row.yaw;
        for (const ExitRow& exit : ExitTable()) {
            if (exit.to == row.rebuilt && glm::length(exit.spawn - row.spawn) < 0.01f) {
                into = exit.yaw;
            }
        }
        const int32_t stage = row.stage >= 0 ? row.stage : StartOf(row.rebuilt).stage;
        cases.push_back({"retry " + std::to_string(row.caughtIn), row.rebuilt, row.spawn, row.yaw,
                         stage, into});
    }
    return cases;
}

class SpawnTest : public FieldRun, public testing::WithParamInterface<SpawnCase> {};

TEST_P(SpawnTest, StandsOnAFloorAndWalksAUnitIntoTheRoom) {
    const SpawnCase& spawn = GetParam();
    app.player.record.storyStage = spawn.stage;
    app.player.SetSpawn(spawn.yaw, spawn.spawn);
    app.rootScene.AddChild(MakeFieldOf(spawn.field));
    Run(40);
    const glm::vec3 rest = app.player.Position();
    // The table's heights are approximate: a settle, never a fall or a launch.
    EXPECT_LE(std::abs(rest.y - spawn.spawn.y), 0.5f);
    EXPECT_LT(glm::length(Horizontal(rest - spawn.spawn)), 0.05f) << "pushed off the spawn point";

    // Led into the room as a held key leads the body: 0.15 a frame.
    const glm::vec3 step = Ahead(spawn.intoRoomYaw) * 0.15f;
    Run(30, [&](D3DXMain& game, uint32_t) { game.player.followPoint += step; });
    const glm::vec3 walked = app.player.Position() - rest;
    EXPECT_GT(glm::length(Horizontal(walked)), 1.0f) << "blocked in front of the spawn point";
    EXPECT_NEAR(walked.y, 0, 0.05f) << "the floor is not level there";
    EXPECT_EQ(Current(), spawn.field) << "a step into the room took an exit";
}

INSTANTIATE_TEST_SUITE_P(BuiltFields, SpawnTest, testing::ValuesIn(SpawnCases()));

// Late in the night with every key used and the charm back on the guest room's door post, every
// door opens, some after a word. The dining room's latch is lifted from inside by the exit that
// does it. Each exit is taken from its field built afresh, with a fresh record.
TEST_F(FieldRun, EveryExitFiresFromItsTriggerIntoItsSpawnPoint) {
    const auto exits = ExitTable();
    for (size_t index = 0; index < exits.size(); ++index) {
        const ExitRow& row = exits[index];
        if (!Built(row.from) || !Built(row.to)) continue;
        SCOPED_TRACE(Named(row));
        SaveRecord& record = app.player.record = SaveRecord{};
        app.player.controlMode = kControlFree;
        record.itemTaken.fill(1);
        record.safeOpened = 1;
        record.flagDiningInside = row.effect == ExitEffect::DiningEnteredInside ? 0 : 1;
        const FieldStart start = StartOf(row.from);
        Start(row.from, start.position, start.yaw, kLateStage);
        const Ev::ExitBase* exit = nullptr;
        for (auto& child : Field().children) {
            const auto* candidate = dynamic_cast<const Ev::ExitBase*>(child.get());
            if (candidate && candidate->exit == static_cast<int>(index)) exit = candidate;
        }
        ASSERT_NE(exit, nullptr) << "the field places no trigger for this exit";

        // Stand in the trigger, on its floor.
        StandIn(exit->trigger);
        if (!row.walk) {
            EXPECT_EQ(Current(), row.from) << "fired without the action key";
            PressAction();
            ReadThrough();
            Run(2);
        }
        ASSERT_EQ(Current(), row.to);
        EXPECT_LT(glm::length(Horizontal(app.player.Position() - row.spawn)), 0.1f);
        EXPECT_EQ(app.player.Yaw(), row.yaw);
        if (row.effect == ExitEffect::DiningEnteredInside) {
            EXPECT_EQ(record.flagDiningInside, 1);
        }
    }
}

// What a field builds depends on the story: an exit (by its trigger) or a model that is there only
// at some stages.
TEST_F(FieldRun, EachFieldBuildsWhatItsStageCallsFor) {
    const struct {
        FieldId field;
        int32_t stage;
        const char* exit;       // an exit's trigger, or null
        const char16_t* event;  // an event's name, or null
        bool present;
    } conditions[] = {{FieldId::F3, 11, nullptr, u"BoukaSwitch", true},
                      {FieldId::F3, 12, nullptr, u"BoukaSwitch", false},
                      {FieldId::Guest_Room, 3, nullptr, u"Text", true},
                      {FieldId::Guest_Room, 4, nullptr, u"Text", false},
                      {FieldId::Soto, 0, "path", nullptr, false},
                      {FieldId::Soto, 12, "path", nullptr, true},
                      {FieldId::Soto, 24, "path", nullptr, false}};
    for (const auto& c : conditions) {
        const FieldStart start = StartOf(c.field);
        app.player.record.storyStage = c.stage;
        app.player.SetSpawn(start.yaw, start.position);
        app.rootScene.AddChild(MakeFieldOf(c.field));
        Run(1);
        const int exit = c.exit ? ExitIndex(c.field, c.exit) : -1;
        bool found = false;
        for (auto& child : Field().children) {
            const auto* trigger = dynamic_cast<const Ev::ExitBase*>(child.get());
            if (trigger && trigger->exit == exit) found = true;
            found = found || (c.event && std::u16string_view(child->Name()) == c.event);
        }
        EXPECT_EQ(found, c.present)
            << "field " << static_cast<int>(c.field) << " stage " << c.stage;
    }
}

}  // namespace

TEST_F(FieldRun, WalkingBackDownThePathFiveTimesInARowIsRewardedAndTheSquareStartsTheCountAgain) {
    app.lib.steamworks.enabled = 1;
    Start(FieldId::Sandou, {0, 0.35f, 13.0f}, 180);
    for (int visit = 2; visit <= 5; ++visit) {
        EXPECT_FALSE(app.lib.steamworks.awarded.contains(24)) << "after visit " << visit - 1;
        Place({0, 0.36f, -14.5f});
        Run(3);
        ASSERT_EQ(Current(), FieldId::Sandou);
        EXPECT_NEAR(app.player.Position().z, 13.0f, 0.1f) << "the path is built anew";
    }
    EXPECT_TRUE(app.lib.steamworks.awarded.contains(24));
    EXPECT_NE(app.player.ambientSound, nullptr) << "the crickets sing on";

    Place({0, 0.36f, 14.5f});
    Run(3);
    ASSERT_EQ(Current(), FieldId::Soto);
    EXPECT_EQ(app.lib.awardCounters.pathVisits, 0);
}
