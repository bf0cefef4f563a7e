#pragma once
// The game's library on the null device, and one field of the game entered as a door enters it
// and run frame by frame: what the game's own code costs, with no pixels.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "app/FakePlatform.h"
#include "app/FrameDraw.h"
#include "content/fields/FieldFactory.h"
#include "library/MyLibrary.h"
#include "scene/Personal.h"

// Adds field `id` under `root` with the player at its start point, and enters it.
inline Scene& EnterField(Scene& root, FieldId id, Personal& player, MyLibrary& library) {
    const FieldStart start = StartOf(id);
    player.record.storyStage = start.stage;
    player.SetSpawn(start.yaw, start.position);
    root.AddChild(MakeFieldOf(id));
    Scene& field = *root.CurrentChild();
    field.Enter(&player, &library);
    return field;
}

class NullGame {
  public:
    // Starts the library; false, with the benchmark skipped, when it cannot.
    bool Start(benchmark::State& state) {
        if (library_.Initialise(&device_) == S_OK) return true;
        state.SkipWithError("the library did not start (run beside data.dat)");
        return false;
    }
    MyLibrary& Library() { return library_; }
    Personal& Player() { return player_; }

  protected:
    FakePlatform platform_;
    gfx::NullDevice device_{platform_.window, gfx::NullDevice::FullCaps()};
    MyLibrary library_{platform_.services};
    Personal player_{1};
};

class FieldHost : public NullGame {
  public:
    explicit FieldHost(FieldId id) : id_(id) {}

    // Enters a new instance of the field and runs its first frame; milliseconds.
    double Enter() {
        const auto begin = Clock::now();
        Scene& field = EnterField(root_, id_, player_, library_);
        Frame(field);
        const double spent =
            std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
        // Only now the field before goes, as in the game.
        for (auto& child : root_.children) {
            if (child.get() != &field) child.reset();
        }
        return spent;
    }
    void Frame(Scene& field) {
        library_.FrameStep(0, 0);
        field.Frame();
        DrawFrame(field);
    }
    Scene& Field() { return *root_.CurrentChild(); }

  private:
    using Clock = std::chrono::steady_clock;

    FieldId id_;
    Scene root_;
};
