#include <gtest/gtest.h>

#include "FakePlatform.h"

namespace {

// A field that counts its calls and can hand over to a next field from inside its frame.
struct ProbeField : Scene {
    int* alive;
    int inits = 0;
    int updates = 0;
    std::function<void(ProbeField&)> onUpdate;
    explicit ProbeField(int* aliveCount) : alive(aliveCount) { ++*alive; }
    ~ProbeField() override { --*alive; }
    void Init(Personal*, MyLibrary*) override { ++inits; }
    void Update() override {
        ++updates;
        if (onUpdate) onUpdate(*this);
    }
};

struct SceneTreeTest : AppTest {
    SceneTreeTest() { app.makeTitle = MakeTitleProbe; }
    int alive = 0;
};

TEST_F(SceneTreeTest, TheOldFieldGoesOnlyAfterTheNewOneRanItsFirstFrame) {
    auto first = std::make_unique<ProbeField>(&alive);
    ProbeField* firstField = first.get();
    app.rootScene.AddChild(std::move(first));
    Run(2);
    ASSERT_EQ(alive, 1);
    EXPECT_EQ(firstField->updates, 2);
    EXPECT_EQ(app.rootScene.children[0], nullptr);  // the title went after the probe's first frame

    int secondUpdatesWhenFirstDied = -1;
    auto second = std::make_unique<ProbeField>(&alive);
    ProbeField* secondField = second.get();
    app.rootScene.AddChild(std::move(second));
    EXPECT_EQ(app.rootScene.currentChild, 0);  // the freed slot is reused
    Run(1, [&](D3DXMain&, uint32_t) {
        if (alive == 1) secondUpdatesWhenFirstDied = secondField->updates;
    });
    EXPECT_EQ(secondUpdatesWhenFirstDied, 1);
    EXPECT_EQ(secondField->inits, 1);
}

TEST_F(SceneTreeTest, AFieldThatHandsOverInItsFirstFrameKeepsTheNextField) {
    auto first = std::make_unique<ProbeField>(&alive);
    first->onUpdate = [&](ProbeField& self) {
        if (self.updates == 1) self.parent->AddChild(std::make_unique<ProbeField>(&alive));
    };
    app.rootScene.AddChild(std::move(first));
    Run(2);
    ASSERT_EQ(alive, 1);
    auto* current = dynamic_cast<ProbeField*>(app.rootScene.CurrentChild());
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->updates, 1);
}

TEST_F(SceneTreeTest, EnterBuildsTheRoomPlanesAndInitialisesChildren) {
    auto field = std::make_unique<ProbeField>(&alive);
    auto child = std::make_unique<ProbeField>(&alive);
    ProbeField* childScene = child.get();
    field->AppendChild(std::move(child));
    ProbeField* fieldScene = field.get();
    app.rootScene.AddChild(std::move(field));
    Run(3);
    EXPECT_EQ(fieldScene->currentChild, 0);
    EXPECT_EQ(childScene->inits, 1);
    EXPECT_EQ(childScene->updates, 3);
    EXPECT_EQ(childScene->library, &app.lib);
    ASSERT_EQ(fieldScene->colliders.size(), 6u);
    EXPECT_EQ(fieldScene->colliders[0], &fieldScene->roomPlanes[0]);
    EXPECT_EQ(fieldScene->roomPlanes[0].kind, KIND_SOLID);

    // A later room box rewrites the same planes, so the collider list stays valid.
    fieldScene->SetRoomBox({-3, 0, -4}, {3, 2.5f, 4});
    EXPECT_EQ(fieldScene->roomPlanes.size(), 6u);
    EXPECT_FLOAT_EQ(static_cast<const Plane*>(fieldScene->colliders[5])->point[2], -4);
}

TEST_F(SceneTreeTest, TheOpenMenuPausesTheWorldAndCanReturnToTheTitle) {
    auto field = std::make_unique<ProbeField>(&alive);
    ProbeField* fieldScene = field.get();
    app.rootScene.AddChild(std::move(field));
    Run(1);
    app.player.controlMode = kControlMenu;
    app.player.returnToTitle = 7;  // anything but 1 is cleared without effect
    Run(2);
    EXPECT_EQ(fieldScene->updates, 1);
    EXPECT_EQ(app.player.returnToTitle, 0);
    EXPECT_EQ(alive, 1);

    app.player.returnToTitle = 1;
    Run(2);
    EXPECT_EQ(alive, 0);
    ASSERT_NE(app.rootScene.CurrentChild(), nullptr);
    EXPECT_EQ(std::u16string(app.rootScene.CurrentChild()->Name()), u"Title");
    EXPECT_EQ(app.player.record.spawnYaw, 0.0f);
}

}  // namespace
