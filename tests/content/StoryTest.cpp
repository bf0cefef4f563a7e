// The night's story played through in order, from waking in the guest room (stage 3) to the hidden
// room (stage 23) and out into the ending, as a player plays it: through the fields' own doors and
// passages, examining, reading and throwing darts, surviving the ghosts, with nothing set by hand
// between the steps. The player is put where they would have walked to; everything else is what the
// game does.
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string_view>
#include <vector>

#include <glm/geometric.hpp>

#include "content/FieldRun.h"
#include "content/Inventory.h"
#include "content/events/BathroomDoor.h"
#include "content/events/Darts.h"
#include "content/events/Doors.h"
#include "content/events/Ending.h"
#include "content/events/Fire.h"
#include "content/events/FishGhost.h"
#include "content/events/Furniture.h"
#include "content/events/HitPuzzles.h"
#include "content/events/Notes.h"
#include "content/events/Outdoors.h"
#include "content/events/Pickups.h"
#include "content/events/Scenes.h"
#include "content/events/Shutter.h"
#include "content/fields/Exits.h"
#include "levels/Upstairs.h"
#include "scene/Personal.h"
#include "world/Enemy.h"
#include "world/EnemyState.h"

namespace {

constexpr uint32_t kThrowSpacing = 52;  // frames: just past the throw's cooldown

class StoryTest : public FieldRun {
  protected:
    void SetUp() override {
        FieldRun::SetUp();
        app.lib.steamworks.enabled = 1;
    }
    SaveRecord& Record() { return app.player.record; }
    bool Awarded(int32_t id) const { return app.lib.steamworks.awarded.contains(id); }

    // The field's event of type T (with that debug name, when given).
    template <typename T>
    T& Get(std::u16string_view name = {}) {
        T* event = FindEvent<T>(Field(), name);
        if (event == nullptr) throw std::runtime_error("the field lacks an event the story needs");
        return *event;
    }
    // Examines what stands at `trigger` and reads what it says to the end.
    void ExamineAt(const CObjMesh& trigger) {
        StandIn(trigger);
        PressAction();
        ReadThrough();
    }
    // Goes out of the field by its exit of that name: walked into, or examined (and unlocked)
    // until it opens.
    void Through(const char* exit) {
        const FieldId from = Current();
        const int index = ExitIndex(from, exit);
        Ev::ExitBase* way = nullptr;
        for (auto& child : Field().children) {
            auto* each = dynamic_cast<Ev::ExitBase*>(child.get());
            if (each && each->exit == index) way = each;
        }
        ASSERT_NE(way, nullptr) << "no way out by " << exit;
        StandIn(way->trigger);
        for (int tries = 0; tries < 4 && Current() == from; ++tries) {
            PressAction();
            ReadThrough();
            Run(2);
        }
        ASSERT_NE(Current(), from) << "the " << exit << " did not let the player through";
        Run(30);
    }
    // Stands at whichever of `spots` is farthest from the ghost and throws at it, again and again,
    // until it fades; a dart wakes a ghost that waits.
    void DefeatGhost(const std::vector<glm::vec3>& spots) {
        Enemy& ghost = Get<Enemy>();
        for (int dart = 0; dart < 15 && Record().EnemyMode < kEnemyVanishing; ++dart) {
            const glm::vec3 at = Record().enemyPos;
            const glm::vec3* farthest = &spots.front();
            for (const glm::vec3& spot : spots) {
                if (glm::distance(spot, at) > glm::distance(*farthest, at)) farthest = &spot;
            }
            app.player.Position() = app.player.followPoint = *farthest;
            const OBB& box = ghost.hitBox.collider;
            ThrowAt({box.centre[0], box.centre[1], box.centre[2]});
            Run(kThrowSpacing);
        }
        ASSERT_GE(Record().EnemyMode, kEnemyVanishing) << "the ghost outlasted the darts";
        Run(120);
    }
};

TEST_F(StoryTest, TheNightRunsFromTheGuestRoomToTheHiddenRoom) {
    SaveRecord& record = Record();
    Start(FieldId::Guest_Room, StartOf(FieldId::Guest_Room).position, 0, 3);

    // 3 → 4: the medicine on the table.
    StandIn(Get<Ev::Drug>().trigger);
    PressAction();
    Run(170);
    ReadThrough();
    ASSERT_EQ(record.storyStage, 4);

    // 4 → 5: the bathroom door opens by itself; 5 → 6: the room's light sinks.
    StandIn(Get<Ev::bathdoor>().reach);
    Run(160);
    ASSERT_EQ(record.storyStage, 5);
    Run(210);
    ASSERT_EQ(record.storyStage, 6);
    EXPECT_TRUE(Awarded(2));

    // The darts: taken, thrown at the board, the board taken and hung back, the glowing dart.
    ExamineAt(Get<Ev::Darts>().trigger);
    ASSERT_EQ(record.hasDarts, 1);
    app.player.Position() = app.player.followPoint = {2.0f, 0.41f, 1.3f};
    Run(60);
    ThrowAt(glm::vec3(Get<Ev::Dartsbord>().board.world[3]));
    Run(110);
    ASSERT_EQ(record.dartsboardState, 2) << "the board did not come down";
    ExamineAt(Get<Ev::Dartsbord>().trigger);
    ASSERT_EQ(record.dartsboardTaken, 1);
    ExamineAt(Get<Ev::Darts>().trigger);
    Run(160);
    ExamineAt(Get<Ev::Darts>().trigger);
    ASSERT_EQ(record.dartsFinished, 1);
    EXPECT_TRUE(Awarded(3) && Awarded(6));

    // 6 → 7: the bathroom's fan, by its second answer.
    Through("bathroom door");
    StandIn(Get<Ev::AirSwitch>().trigger);
    PressAction();
    Run(90);
    platform.input.keys.insert(platform::VirtualKey::Down);
    Run(1);
    platform.input.keys.clear();
    ReadThrough();
    ASSERT_EQ(record.storyStage, 7);
    EXPECT_TRUE(Awarded(8));

    // 7 → 8: what came down the duct, defeated.
    app.player.Position() = app.player.followPoint = {-1.0f, 0.36f, 0.8f};
    Run(60);
    DefeatGhost({{-1.0f, 0.36f, 0.8f}, {1.0f, 0.36f, -1.2f}, {-1.2f, 0.36f, -1.4f}});
    ASSERT_EQ(record.storyStage, 8);

    // The safe's charm back on the door post lets the player out into the corridor.
    Through("door");
    ExamineAt(Get<Ev::Kinko>().trigger);  // it swings open
    Run(60);
    ExamineAt(Get<Ev::Kinko>().trigger);
    ASSERT_EQ(record.safeOpened, 1);
    ExamineAt(Get<Ev::F2_DoorText>().trigger);
    Through("door");
    ASSERT_EQ(Current(), FieldId::F3);

    // The roof's key in the women's toilet, which brings a ghost; the extinguisher.
    Through("women's toilet");
    ExamineAt(Get<Ev::Rest_Women_Key>().trigger);
    ASSERT_TRUE(content::KeyHeld(record, 1));
    DefeatGhost({{0.6f, 0.36f, 1.0f}, {-0.8f, 0.36f, -1.8f}, {0.8f, 0.36f, -1.8f}});
    Through("door");
    ExamineAt(Get<Ev::Syoukaki>().trigger);
    ASSERT_TRUE(content::KeyHeld(record, 2));

    // 8 → 9: up on the roof and down again; 9 → 10: the boiler's panel struck, the gap walked in.
    Through("roof door");
    Through("upper door");
    ASSERT_EQ(Current(), FieldId::Roof_Top);
    Through("door");
    ASSERT_EQ(record.storyStage, 9);
    Through("upper door");
    app.player.Position() = app.player.followPoint = {-4.5f, 0.36f, 3.8f};  // before the boiler
    Run(60);
    ThrowAt(glm::vec3(Get<Ev::Boiler>().panel.world[3]));
    Run(40);
    ASSERT_EQ(record.storyStage, 10);
    StandIn(Get<Ev::BoilerGap>().trigger);
    Run(30);
    ASSERT_EQ(Current(), FieldId::Fld_201_Bath);
    EXPECT_TRUE(Awarded(20));

    // 10 → 11: room 201's fire put out, and its key out into the corridor.
    Through("door");
    ExamineAt(Get<Fld::Fire>().trigger);
    Run(220);
    ASSERT_FALSE(content::KeyHeld(record, 2)) << "the fire still burns";
    EXPECT_TRUE(Awarded(16));
    Through("key");
    ASSERT_EQ(record.storyStage, 11);

    // Room 202's key in the quiet stall of the men's toilet; its lamp's hand light.
    Through("men's toilet");
    for (auto& child : Field().children) {
        auto* stall = dynamic_cast<Ev::Rest_Men_Toile*>(child.get());
        if (stall && stall->DebugText(u"").find(u"GOFlag = 0") != std::u16string::npos) {
            ExamineAt(stall->trigger);
            Run(10);
            ExamineAt(stall->trigger);
        }
    }
    ASSERT_TRUE(content::KeyHeld(record, 0));
    Through("door");
    Through("room 202");
    Ev::Denki202& lamp = Get<Ev::Denki202>();
    app.player.Position() = app.player.followPoint = {-2.6f, 0.42f, -1.0f};
    Run(60);
    for (int dart = 0; dart < 8 && lamp.State() == Ev::Denki202::LightState::Hanging; ++dart) {
        ThrowAt(glm::vec3(lamp.lamp.world * glm::vec4(0, -0.64f, 0, 1)));
        Run(kThrowSpacing - 4);
    }
    Run(Ev::Denki202::kFallFrames + 2);
    ExamineAt(lamp.trigger);
    ASSERT_EQ(record.hasLight, 1);
    EXPECT_TRUE(Awarded(14));

    // 11 → 12: the fire shutter raised; 12 → 13: down in the lobby, the ghost crosses the hall.
    Through("door");
    ExamineAt(Get<Ev::BoukaSwitch>().trigger);
    ASSERT_EQ(record.storyStage, 12);
    Run(110);
    Through("stairs");
    ASSERT_EQ(Current(), FieldId::Lobby);
    app.player.Position() = app.player.followPoint = {3.0f, 0.35f, 7.0f};
    Run(200);
    ASSERT_EQ(record.storyStage, 13);

    // 13 → 14: the changing room's clock struck to five; 14 → 15: the ghost beside the mirror.
    Through("bath passage");
    Through("women's bath");
    Ev::Clock& clock = Get<Ev::Clock>();
    const glm::vec3 dial(clock.clock.world * glm::vec4(0, 0, -0.09f, 1));
    for (int dart = 0; dart < 8 && record.storyStage == 13; ++dart) {
        ThrowAt(dial);
        Run(kThrowSpacing + 10);
    }
    ASSERT_EQ(record.storyStage, 14);
    EXPECT_TRUE(Awarded(17));
    Run(30);
    ASSERT_NE(record.EnemyMode, kEnemyAbsent) << "nothing appeared";
    DefeatGhost(
        {{-7.0f, 0.36f, -2.2f}, {-7.0f, 0.36f, 1.6f}, {-2.4f, 0.36f, 1.6f}, {-2.4f, 0.36f, -2.2f}});
    ASSERT_EQ(record.storyStage, 15);

    // The keys that lead to room 203: the dining room's in the women's bath, key 5 in the men's
    // bath's radio, the staff room's under a dining chair, room 203's in the staff room's key box.
    Through("bath door");
    ExamineAt(Get<Ev::Dining_Key>().trigger);
    Through("door");
    Through("entrance");
    Through("men's bath");
    Through("bath door");
    ExamineAt(Get<Ev::Razikase>().trigger);
    Through("door");
    Through("entrance");
    Through("lobby");
    Through("dining door");
    ExamineAt(Get<Ev::Wood_Chair>().trigger);
    Through("door");
    Through("staff door");
    ExamineAt(Get<Ev::KeyDesk>().trigger);
    ExamineAt(Get<Ev::Key203>().trigger);
    ASSERT_TRUE(content::KeyHeld(record, 6));

    // 15 → 17: room 203 opened; 17 → 18: the front door's key, and the ghost that comes for it.
    Through("door");
    Through("stairs");
    Through("room 203");
    ASSERT_EQ(record.storyStage, 17);
    ExamineAt(Get<Ev::GenkanKey>().trigger);
    ASSERT_EQ(record.storyStage, 18);
    ASSERT_EQ(record.EnemyMode, kEnemyChasing);
    Through("door");
    EXPECT_NE(record.EnemyMode, kEnemyChasing) << "the chase followed the player out";

    // 18 → 19: out on the square, the fish by the lantern; 19 → 20: the notice board.
    Through("stairs");
    Through("front door");
    ASSERT_EQ(Current(), FieldId::Soto);
    ASSERT_EQ(record.storyStage, 18);
    StandIn(Get<Ev::Case>().trigger);
    ASSERT_EQ(record.storyStage, 19) << "the night had not turned";
    PressAction();
    ReadThrough();
    ASSERT_EQ(record.storyStage, 20);

    // 20 → 22: back upstairs, the fish crosses the corridor and fades at its far end; 22 → 23:
    // the hidden room.
    Through("entrance");
    Through("stairs");
    app.player.Position() = app.player.followPoint = {1.5f, level::kF3Floor + 0.35f, 13.0f};
    Run(250);
    ASSERT_EQ(record.storyStage, 21);
    app.player.Position() = app.player.followPoint = {-6.0f, level::kF3Floor + 0.35f, 30.5f};
    Run(120);
    ASSERT_EQ(record.storyStage, 22);
    Through("secret door");
    ASSERT_EQ(Current(), FieldId::SecretRoom);
    EXPECT_EQ(record.storyStage, 23);
    Through("door");  // out at dawn, into the ending
    EXPECT_EQ(record.storyStage, 24);
    EXPECT_NE(FindEvent<Ev::Ending>(Field()), nullptr);
    EXPECT_EQ(record.deathCount, 0) << "a ghost caught the player on the way";
    EXPECT_EQ(app.lib.steamworks.awarded,
              (std::set<int32_t>{2, 3, 6, 8, 9, 11, 13, 14, 15, 16, 17, 19, 20}));
}

}  // namespace
