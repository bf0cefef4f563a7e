#include <memory>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>

#include "GameFolderMain.h"
#include "app/FakePlatform.h"
#include "collision/CollObj.h"
#include "library/MyLibrary.h"
#include "scene/Personal.h"

// One world update of the player in a crowded room, as the scene frame runs it: the pre-update
// (walking, the body's pose), the movement with its collision walk against the six boundary
// planes and 200 more shapes (planes, boxes, spheres), and the darts' flight against the same
// list. Argument: how many darts are kept in flight (a dart that lands is thrown again).

namespace {

void Set(Vec3f out, float x, float y, float z) {
    out[0] = x;
    out[1] = y;
    out[2] = z;
}

class Room {
  public:
    Room() {
        std::mt19937 rng(7);
        std::uniform_real_distribution<float> where(-10, 10);
        std::uniform_real_distribution<float> size(0.2f, 1.5f);
        const float bounds[6][6] = {{0, -1, 0, 0, 1, 0},  {0, 4, 0, 0, -1, 0},
                                    {-10, 0, 0, 1, 0, 0}, {10, 0, 0, -1, 0, 0},
                                    {0, 0, -10, 0, 0, 1}, {0, 0, 10, 0, 0, -1}};
        for (const auto& b : bounds) AddPlane(b[0], b[1], b[2], b[3], b[4], b[5]);
        for (int i = 0; i < 200; ++i) {
            switch (i % 3) {
                case 0:
                    AddPlane(0, -1 - size(rng), 0, 0, 1, 0);  // lower floor levels
                    break;
                case 1:
                    AddBox(where(rng), size(rng), where(rng), size(rng));
                    break;
                default:
                    AddSphere(where(rng), size(rng), where(rng), size(rng));
                    break;
            }
        }
    }

    std::vector<CollObj*> list;

  private:
    void AddPlane(float px, float py, float pz, float nx, float ny, float nz) {
        auto plane = std::make_unique<Plane>();
        plane->type = COLL_PLANE;
        plane->kind = KIND_SOLID;
        Set(plane->point, px, py, pz);
        Set(plane->normal, nx, ny, nz);
        Keep(std::move(plane));
    }
    void AddBox(float x, float y, float z, float half) {
        auto box = std::make_unique<OBB>();
        box->type = COLL_OBB;
        box->kind = KIND_SOLID;
        Set(box->centre, x, y, z);
        Set(box->halfExtent, half, half * 0.5f, half);
        Set(box->axisX, 0.8f, 0, -0.6f);
        Set(box->axisY, 0, 1, 0);
        Set(box->axisZ, 0.6f, 0, 0.8f);
        Keep(std::move(box));
    }
    void AddSphere(float x, float y, float z, float radius) {
        auto sphere = std::make_unique<OBB>();
        sphere->type = COLL_SPHERE;
        sphere->kind = KIND_SENSOR;
        sphere->radius = radius;
        Set(sphere->centre, x, y, z);
        Keep(std::move(sphere));
    }
    void Keep(std::unique_ptr<CollObj> shape) {
        list.push_back(shape.get());
        owned_.push_back(std::move(shape));
    }

    std::vector<std::unique_ptr<CollObj>> owned_;
};

void BM_WorldUpdate(benchmark::State& state) {
    FakePlatform platform;
    gfx::NullDevice device{platform.window, gfx::NullDevice::FullCaps()};
    MyLibrary library{platform.services};
    if (library.Initialise(&device) != S_OK) {
        state.SkipWithError("the library did not start (run beside data.dat)");
        return;
    }
    Room room;
    Personal player{1};
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
