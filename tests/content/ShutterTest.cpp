// The upper corridor's fire shutter, played through: its panel reads nothing in the dark, warns of
// the fire until the extinguisher has been used, and then raises the shutter, which rolls up
// into its lintel and lets the player through to the stairs.
#include <gtest/gtest.h>

#include "content/FieldRun.h"
#include "content/Inventory.h"
#include "content/events/Shutter.h"

namespace {

class ShutterTest : public FieldRun {
  protected:
    void SetUp() override {
        FieldRun::SetUp();
        Start(FieldId::F3, StartOf(FieldId::F3).position, 0, 11);
        panel = FindEvent<Ev::BoukaSwitch>(Field());
        shutter = FindEvent<Ev::Shutter>(Field());
        ASSERT_NE(panel, nullptr);
        ASSERT_NE(shutter, nullptr);
    }
    // The key of the line the panel shows when examined.
    std::u16string PanelSays() {
        StandIn(panel->trigger);
        PressAction();
        return FirstLine();
    }

    Ev::BoukaSwitch* panel = nullptr;
    Ev::Shutter* shutter = nullptr;
};

TEST_F(ShutterTest, ThePanelWantsLightAndTheFireOutThenRaisesTheShutter) {
    SaveRecord& record = app.player.record;
    const float down = shutter->shutter.position.y;
    const float colliderDown = shutter->shutter.collider.centre[1];
    record.hasLight = 0;
    for (const bool fireOut : {false, true}) {
        record.itemTaken[2] = fireOut ? 1 : 0;
        EXPECT_EQ(PanelSays(), u"Ev_F3_12") << "read in the dark";
        ReadThrough();
    }
    record.hasLight = 1;
    record.itemTaken[2] = 1;
    content::SetKeyHeld(record, 2, true);
    EXPECT_EQ(PanelSays(), u"Ev_F3_11") << "the extinguisher is still in hand";
    ReadThrough();

    StandIn(shutter->trigger);
    PressAction();
    EXPECT_TRUE(DialogueOpen()) << "the shutter down is examined";
    ReadThrough();

    content::SetKeyHeld(record, 2, false);
    EXPECT_EQ(PanelSays(), u"Ev_F3_13");
    ReadThrough();  // the first answer raises it
    EXPECT_EQ(record.storyStage, Ev::kShutterRaisedStage);
    Run(110);
    EXPECT_NEAR(shutter->shutter.position.y - down, 3.0f, 0.01f);
    EXPECT_GT(shutter->shutter.collider.centre[1], colliderDown + 2.9f)
        << "its collider stayed down";
}

}  // namespace
