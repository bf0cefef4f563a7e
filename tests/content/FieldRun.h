#pragma once
// A game on the fake platform, started in one of the inn's fields, driven frame by frame as a
// player drives it.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "app/FakePlatform.h"
#include "content/fields/FieldFactory.h"
#include "library/Angles.h"
#include "library/TextBox.h"

// The field's first event of type T (with that debug name, when one is given); null if none.
template <typename T>
T* FindEvent(Scene& field, std::u16string_view name = {}) {
    for (auto& child : field.children) {
        auto* event = dynamic_cast<T*>(child.get());
        if (event && (name.empty() || event->Name() == name)) return event;
    }
    return nullptr;
}

// A game on the fake platform that starts in a field and runs frames.
class FieldRun : public AppTest {
  protected:
    FieldRun() : AppTest({0, 0, 640, 360}) {}
    void SetUp() override {
        AppTest::SetUp();
        platform.messages.Push({platform::MessageType::Activate, 1});
    }
    void Start(FieldId id, const glm::vec3& spawn, float yaw) {
        Start(id, spawn, yaw, StartOf(id).stage);
    }
    void Start(FieldId id, const glm::vec3& spawn, float yaw, int32_t stage) {
        app.player.record.storyStage = stage;
        app.player.SetSpawn(yaw, spawn);
        app.rootScene.AddChild(MakeFieldOf(id));
        Run(40);
    }
    // The player stands still at `at` from the next frame on.
    void Place(const glm::vec3& at) { app.player.Position() = app.player.followPoint = at; }
    // Stands the player on the floor inside `trigger` (placed or hanging from another mesh) and
    // lets the frame see them there.
    void StandIn(const CObjMesh& trigger) {
        const glm::vec3 centre(trigger.world[3]);
        Place(centre - glm::vec3(0, trigger.scale.y / 2 - 0.36f, 0));
        Run(3);
    }
    // The key pressed for a frame and let go.
    void Tap(platform::VirtualKey key) {
        platform.input.keys.insert(key);
        Run(1);
        platform.input.keys.erase(key);
        Run(1);
    }
    void PressAction() { Tap(platform::VirtualKey::E); }
    // Reads every line of the dialogue that is open, a page at a time, until it closes (or, with
    // `second`, reads on to its question and takes the second answer first).
    void ReadThrough(bool second = false) {
        for (int page = 0; page < 12 && DialogueOpen(); ++page) {
            Run(90);  // the line is typed out
            if (second && AtQuestion()) {
                Tap(platform::VirtualKey::Down);
                second = false;
            }
            PressAction();
        }
    }
    // Examines what the player stands at and reads any box `event` opens to the end, taking the
    // highlighted answer of a question: the keys of the lines read, in order.
    std::vector<std::u16string> Examine(const Scene& event) {
        PressAction();
        const TextBox* box = nullptr;
        for (const TextBox* each : event.dialogues) {
            if (each->IsOpen()) box = each;
        }
        std::vector<std::u16string> keys;
        for (int page = 0; page < 12 && box && box->IsOpen(); ++page) {
            keys.clear();
            for (int32_t line : box->linesShown) {
                keys.push_back(box->lines[static_cast<size_t>(line)].key);
            }
            Run(90);  // the line is typed out
            PressAction();
        }
        EXPECT_EQ(app.player.controlMode, kControlFree) << "the box did not let the player go";
        return keys;
    }
    // Aims from where the player stands at `target` (the aim held, the view turned onto it), gives
    // the action for the throw and lets the aim go.
    void ThrowAt(const glm::vec3& target) {
        constexpr float kAimEyeHeight = 0.5f;  // the aim looks from this far above the body
        platform.input.keys.insert(platform::VirtualKey::Q);
        Run(1);
        Personal& player = app.player;
        const glm::vec3 to = target - (player.Position() + glm::vec3(0, kAimEyeHeight, 0));
        player.yawOffset = std::fmod(FacingOf(to) - player.Yaw() + 720.0f, 360.0f);
        player.pitch = -Degrees(std::atan2(to.y, std::hypot(to.x, to.z)));
        platform.input.keys.insert(platform::VirtualKey::E);
        Run(2);
        platform.input.keys.clear();
        Run(1);
    }
    // The box open in the field, if any.
    const TextBox* OpenBox() {
        for (auto& child : Field().children) {
            for (const TextBox* box : child ? child->dialogues : std::vector<const TextBox*>{}) {
                if (box->IsOpen()) return box;
            }
        }
        return nullptr;
    }
    bool DialogueOpen() { return OpenBox() != nullptr; }
    bool AtQuestion() {
        const TextBox* box = OpenBox();
        return box && box->lineIndex >= 0 &&
               static_cast<size_t>(box->lineIndex) < box->lines.size() &&
               box->lines[static_cast<size_t>(box->lineIndex)].next.size() == 2;
    }
    // The key of the open box's first line; empty when no box is open.
    std::u16string FirstLine() {
        const TextBox* box = OpenBox();
        return box ? box->lines.at(0).key : u"";
    }
    // The field's event of type T (with that debug name, when one is given); the test fails
    // without one.
    template <typename T>
    T& Get(std::u16string_view name = {}) {
        T* event = FindEvent<T>(Field(), name);
        if (event == nullptr) throw std::runtime_error("the field lacks the event");
        return *event;
    }
    FieldId Current() const { return static_cast<FieldId>(app.player.record.currentField); }
    Scene& Field() { return *app.rootScene.CurrentChild(); }
    glm::vec3 Horizontal(const glm::vec3& v) const { return {v.x, 0, v.z}; }
};
