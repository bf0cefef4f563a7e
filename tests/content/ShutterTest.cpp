// The upper corridor's fire shutter before it can be raised: its panel reads nothing in the dark
// and warns of the fire until the extinguisher has been used; the shutter stays down. (Raising it
// and walking through to the stairs is the walkthrough's.)
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

TEST_F(ShutterTest, ThePanelWantsLightAndTheFireOutBeforeItRaisesTheShutter) {
    SaveRecord& record = app.player.record;
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
    EXPECT_EQ(record.storyStage, 11);
}

}  // namespace
