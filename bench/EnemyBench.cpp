// The ghost's update in the lobby, the most crowded room that holds it (61 colliders, 50 of them
// solid), chasing with a full trail of breadcrumbs while a pillar hides the player: its sight
// capsule is tested against the solid shapes up to the pillar, late in the list, and its sphere
// against all of them. Beside it, for scale, the lobby's whole frame with the ghost away.
#include <benchmark/benchmark.h>

#include <glm/vec3.hpp>

#include "FieldHost.h"
#include "GameFolderMain.h"
#include "world/Enemy.h"

namespace {

// Either side of the pillar at (-6, 5): out of each other's sight, and both out of the sight of
// the ghost's start at the far end of the hall, behind the hall's wall. A player stepping between
// them drops a breadcrumb each frame.
constexpr glm::vec3 kBehindPillar[] = {{-6.0f, 0.35f, 3.0f}, {-6.0f, 0.35f, 7.0f}};
// The ghost come into the lobby along the trail, with the pillar between it and the player.
constexpr glm::vec3 kGhostInLobby{-6.0f, 0.35f, 1.0f};

Enemy* FindGhost(Scene& field) {
    for (auto& child : field.children) {
        if (auto* ghost = dynamic_cast<Enemy*>(child.get())) return ghost;
    }
    return nullptr;
}

// Drops breadcrumbs, the player stepping round the pillar each frame, until the trail is full.
bool FillTrail(Enemy& ghost, Personal& player) {
    for (size_t frame = 0; frame < 2 * Enemy::kMaxTrail && ghost.TrailSize() < Enemy::kMaxTrail;
         ++frame) {
        player.Position() = kBehindPillar[frame % 2];
        ghost.Update();
    }
    return ghost.TrailSize() == Enemy::kMaxTrail;
}

void BM_GhostChasingUnseen(benchmark::State& state) {
    FieldHost host(FieldId::Lobby);
    if (!host.Start(state)) return;
    host.Enter();
    Enemy* ghost = FindGhost(host.Field());
    Personal& player = host.Player();
    SaveRecord& record = player.record;
    if (ghost == nullptr) {
        state.SkipWithError("the lobby holds no ghost at its start stage");
        return;
    }
    record.EnemyMode = kEnemyChasing;
    player.controlMode = kControlFree;
    if (!FillTrail(*ghost, player)) {
        state.SkipWithError("the trail did not fill: the player stayed in sight");
        return;
    }
    // The player waits on the far side of the pillar; each frame starts the ghost from the same
    // place, so it neither reaches a breadcrumb nor steps out of the pillar's shadow.
    player.Position() = kBehindPillar[1];
    for (auto _ : state) {
        record.enemyPos = kGhostInLobby;
        ghost->Update();
    }
    if (ghost->sightBlocked != 1 || record.EnemyMode != kEnemyChasing ||
        ghost->TrailSize() != Enemy::kMaxTrail) {
        state.SkipWithError("the ghost saw the player or stopped chasing");
    }
    state.counters["colliders"] = static_cast<double>(host.Field().colliders.size());
}
BENCHMARK(BM_GhostChasingUnseen)->Unit(benchmark::kMicrosecond);

void BM_LobbyFrameGhostAway(benchmark::State& state) {
    FieldHost host(FieldId::Lobby);
    if (!host.Start(state)) return;
    host.Enter();
    host.Player().record.EnemyMode = kEnemyAbsent;
    for (auto _ : state) host.Frame(host.Field());
}
BENCHMARK(BM_LobbyFrameGhostAway)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return RunBenchmarksInGameFolder(argc, argv);
}
