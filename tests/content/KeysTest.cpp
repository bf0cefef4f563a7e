// The inn's keys where they do more than the walkthrough shows: a pickup taken is hidden and never
// offered again, also in the field built anew; the locks rattle without their keys and use them up
// once.
#include <gtest/gtest.h>

#include "content/FieldRun.h"
#include "content/Inventory.h"
#include "content/events/LockedDoors.h"
#include "content/events/Pickups.h"

namespace {

struct PickupCase {
    FieldId field;
    int32_t key;
    const char16_t* name;
    friend void PrintTo(const PickupCase& pickup, std::ostream* out) {
        *out << "Key" << pickup.key;
    }
};

// clang-format off
const PickupCase kPickups[] = {
    {FieldId::Rest_Women,      1, u"Rest_Women_Key"},
    {FieldId::F3,              2, u"Syoukaki"},
    {FieldId::Bath_Room_Woman, 3, u"noname"},
    {FieldId::Dining_Room,     4, u"Wood_Chair"},
    {FieldId::Bath_Room_Man,   5, u"Razikase"},
    {FieldId::Staff_Room,      6, u"Key203"},
    {FieldId::Fld_203,         7, u"GenkanKey"},
};
// clang-format on

class PickupTest : public FieldRun, public testing::WithParamInterface<PickupCase> {};

TEST_P(PickupTest, IsHiddenOnceTakenAndNotOfferedAgain) {
    const PickupCase& pickup = GetParam();
    SaveRecord& record = app.player.record;
    if (pickup.key == 6) record.itemTaken[5] = 1;  // the key box is open (key 5 used up)
    const FieldStart start = StartOf(pickup.field);
    Start(pickup.field, start.position, start.yaw);
    Ev::Pickup* event = FindEvent<Ev::Pickup>(Field(), pickup.name);
    ASSERT_NE(event, nullptr) << "not placed";
    ASSERT_EQ(event->item.hidden, 0);

    StandIn(event->trigger);
    PressAction();
    ReadThrough();
    ASSERT_TRUE(content::KeyTaken(record, pickup.key));
    EXPECT_EQ(event->item.hidden, 1) << "a taken pickup stays in view";
    PressAction();
    EXPECT_FALSE(event->dialogues.front()->IsOpen()) << "a taken pickup was offered again";
    ReadThrough();  // what stands beside it may answer instead

    Start(pickup.field, start.position, start.yaw, record.storyStage);
    const Ev::Pickup* rebuilt = FindEvent<Ev::Pickup>(Field(), pickup.name);
    EXPECT_TRUE(!rebuilt || rebuilt->item.hidden) << "the pickup is offered again after a load";
}

INSTANTIATE_TEST_SUITE_P(Inn, PickupTest, testing::ValuesIn(kPickups));

// The lobby's dining-room door: shut and rattling without its key; the key is used up in it once,
// without yet going through. (From then on it simply opens: the exits' test, every key used.)
TEST_F(FieldRun, ALockUsesItsKeyOnce) {
    SaveRecord& record = app.player.record;
    const auto examineDoor = [&] {
        StandIn(Get<Ev::LockedDoor>(u"Dining_Door").trigger);
        PressAction();
    };
    const FieldStart lobby = StartOf(FieldId::Lobby);
    Start(FieldId::Lobby, lobby.position, lobby.yaw);
    examineDoor();
    EXPECT_EQ(FirstLine(), u"Ev_Lobby_4") << "no key: it is locked";
    ReadThrough();

    record.itemTaken[3] = 1;
    content::SetKeyHeld(record, 3, true);
    examineDoor();
    EXPECT_EQ(FirstLine(), u"Ev_Lobby_2") << "the key turns";
    EXPECT_FALSE(content::KeyHeld(record, 3)) << "the key is used up";
    ReadThrough();
    EXPECT_EQ(Current(), FieldId::Lobby) << "unlocking is not yet going through";
}

// Room 203 lets its key unlock the way out only once the front-door key is found. (Going out is
// the exits' test.)
TEST_F(FieldRun, Room203KeepsThePlayerInUntilTheFrontDoorKeyIsFound) {
    SaveRecord& record = app.player.record;
    record.itemTaken[6] = 1;
    content::SetKeyHeld(record, 6, true);
    Start(FieldId::Fld_203, StartOf(FieldId::Fld_203).position, 0, 17);
    StandIn(Get<Ev::LockedDoor>(u"Door203Exit").trigger);
    PressAction();
    ASSERT_TRUE(DialogueOpen());
    ReadThrough();
    EXPECT_TRUE(content::KeyHeld(record, 6)) << "the key is kept before the front-door key";

    record.storyStage = 18;
    PressAction();
    ReadThrough();
    EXPECT_FALSE(content::KeyHeld(record, 6));
}

}  // namespace
