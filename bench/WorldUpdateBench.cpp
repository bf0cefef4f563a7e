#include <memory>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>

#include "FieldHost.h"
#include "GameFolderMain.h"
#include "support/Shapes.h"

// One world update of the player in a crowded room, as the scene frame runs it: the pre-update
// (walking, the body's pose), the movement with its collision walk against the six boundary
// planes and 200 more shapes (planes, boxes, spheres), and the darts' flight against the same
// list. Argument: how many darts are kept in flight (a dart that lands is thrown again).

namespace {

using namespace testshapes;

// The six boundary planes of a 20 x 5 x 20 room, then 200 shapes: lower floor levels, turned solid
// boxes and sensor spheres in turn.
class Room {
  public:
    Room() {
        std::mt19937 rng(7);
        std::uniform_real_distribution<float> where(-10, 10);
        std::uniform_real_distribution<float> size(0.2f, 1.5f);
        const glm::vec3 bounds[6][2] = {{{0, -1, 0}, {0, 1, 0}},  {{0, 4, 0}, {0, -1, 0}},
                                        {{-10, 0, 0}, {1, 0, 0}}, {{10, 0, 0}, {-1, 0, 0}},
                                        {{0, 0, -10}, {0, 0, 1}}, {{0, 0, 10}, {0, 0, -1}}};
        for (const auto& [point, normal] : bounds) Keep(MakePlane(point, normal));
        const glm::mat3 turned({0.8f, 0, -0.6f}, {0, 1, 0}, {0.6f, 0, 0.8f});
        for (int i = 0; i < 200; ++i) {
            if (i % 3 == 0) {
                Keep(MakePlane({0, -1 - size(rng), 0}, {0, 1, 0}));
            } else {
                const glm::vec3 centre{where(rng), size(rng), where(rng)};
                const float extent = size(rng);
                Keep(i % 3 == 1 ? Box(centre, {extent, extent * 0.5f, extent}, turned)
                                : Sphere(centre, extent));
            }
        }
    }

    std::vector<CollObj*> list;

  private:
    template <class Shape>
    void Keep(Shape shape) {
        shape.kind = shape.type == COLL_SPHERE ? KIND_SENSOR : KIND_SOLID;
        owned_.push_back(std::make_unique<Shape>(shape));
        list.push_back(owned_.back().get());
    }

    std::vector<std::unique_ptr<CollObj>> owned_;
};

void BM_WorldUpdate(benchmark::State& state) {
    NullGame game;
    if (!game.Start(state)) return;
    Room room;
    MyLibrary& library = game.Library();
    Personal& player = game.Player();
    player.SetSpawn(0, {0.5f, 0.5f, 0.5f});
    player.Enter(&library);
    library.effect.camera.eye = {0, 2, -5};
    library.effect.camera.at = {0, 0, 0};
    const auto darts = static_cast<size_t>(state.range(0));
    for (auto _ : state) {
        library.input.state.flags = INPUT_UP | INPUT_RIGHT;
        player.PreUpdate();
        player.Move(room.list);
        for (size_t i = 0; i < darts; ++i) {
            Dart& dart = *player.darts[i];
            if (dart.flying == 0) dart.Launch(player.Position(), glm::vec3(0.6f, 0.0f, 0.8f));
        }
        benchmark::DoNotOptimize(player.Position());
    }
}
BENCHMARK(BM_WorldUpdate)->Arg(0)->Arg(5)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return RunBenchmarksInGameFolder(argc, argv);
}
