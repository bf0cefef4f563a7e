#include <memory>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>

#include "collision/CollObj.h"
#include "collision/CollisionTable.h"

// One frame of the player's collision step in a crowded room: the player's sphere against the
// six boundary planes and 200 more shapes (planes, boxes, spheres), in list order, applying each
// solid push at once as the player does.

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

void BM_PlayerCollisionStep(benchmark::State& state) {
    Room room;
    CollisionTable table;
    OBB player;
    player.type = COLL_SPHERE;
    player.radius = 0.3f;
    int contacts = 0;
    for (auto _ : state) {
        Set(player.centre, 0.5f, -0.75f, 0.5f);  // sunk a little into the floor
        for (CollObj* shape : room.list) {
            shape->hitState = HIT_NONE;
            if (!table.Test(player, *shape)) continue;
            shape->hitState = HIT_BY_PLAYER;
            ++contacts;
            if (shape->kind != KIND_SOLID) continue;
            for (int i = 0; i < 3; ++i) player.centre[i] += player.push[i];
        }
        benchmark::DoNotOptimize(player.centre);
    }
    state.counters["contacts/step"] =
        benchmark::Counter(contacts, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PlayerCollisionStep)->Unit(benchmark::kMicrosecond);

}  // namespace
