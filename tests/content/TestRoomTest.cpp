// The test room entered through the real main loop on the null device: what collides. Its spawn
// point is the retry table's (the fields' spawn test), and what it sets and grants, walking,
// examining and throwing in it are played by the scripted run (integration/test_room_run.sh).
#include <gtest/gtest.h>

#include <algorithm>

#include "app/FakePlatform.h"
#include "content/events/Blocks.h"
#include "content/events/Message.h"
#include "content/fields/FieldFactory.h"
#include "content/fields/TestRoom.h"
#include "library/Utf.h"

namespace {

class TestRoomTest : public AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        app.player.SetSpawn(90, {0, 0, 0});
        app.player.record.currentField = 7;
        app.rootScene.AddChild(MakeField(Fld::TestRoom::kNumber));
        room = app.rootScene.CurrentChild();
        Run(40);
    }
    bool Collides(const CollObj& shape) const {
        return std::find(room->colliders.begin(), room->colliders.end(), &shape) !=
               room->colliders.end();
    }

    Scene* room = nullptr;
};

TEST_F(TestRoomTest, EverySolidBoxAndTheMessageCubeCollideAndTheFloorDoesNot) {
    int solid = 0;
    for (auto& child : room->children) {
        if (const auto* message = dynamic_cast<const Message*>(child.get())) {
            EXPECT_TRUE(Collides(message->cube.collider));
        }
        const auto* block = dynamic_cast<const Ev::Block*>(child.get());
        if (!block) continue;
        const bool expected = block->mesh.collider.type != COLL_NONE;
        EXPECT_EQ(Collides(block->mesh.collider), expected) << Utf16ToUtf8(block->Name());
        solid += expected;
    }
    EXPECT_GE(solid, 4 + 1 + 2);  // the walls, the dart panel and at least two boxes
}

}  // namespace
