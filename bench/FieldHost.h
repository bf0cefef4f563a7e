#pragma once
// One field of the game on the null device, entered as a door enters it and run frame by frame:
// what the game's own code costs, with no pixels.
#include <chrono>
#include <memory>

#include "app/FakePlatform.h"
#include "app/FrameDraw.h"
#include "content/fields/FieldFactory.h"
#include "library/MyLibrary.h"
#include "scene/Personal.h"

class FieldHost {
  public:
    explicit FieldHost(FieldId id) : id_(id) {}
    bool Start() { return library_.Initialise(&device_) == S_OK; }

    // Enters a new instance of the field and runs its first frame; milliseconds.
    double Enter() {
        const FieldStart start = StartOf(id_);
        player_.record.storyStage = start.stage;
        player_.SetSpawn(start.yaw, start.position);
        const auto begin = Clock::now();
        root_.AddChild(MakeFieldOf(id_));
        Scene* field = root_.CurrentChild();
        field->Enter(&player_, &library_);
        Frame(*field);
        const double spent =
            std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
        // Only now the field before goes, as in the game.
        for (auto& child : root_.children) {
            if (child.get() != field) child.reset();
        }
        return spent;
    }
    void Frame(Scene& field) {
        library_.FrameStep(0, 0);
        field.Frame();
        DrawFrame(field);
    }
    Scene& Field() { return *root_.CurrentChild(); }
    Personal& Player() { return player_; }

  private:
    using Clock = std::chrono::steady_clock;

    FieldId id_;
    FakePlatform platform_;
    gfx::NullDevice device_{platform_.window, gfx::NullDevice::FullCaps()};
    MyLibrary library_{platform_.services};
    Personal player_{1};
    Scene root_;
};
