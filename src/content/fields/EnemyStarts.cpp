// Where the ghost starts in each room that holds it. A chase carried through a door brings the
// ghost in at the room's start point, so every start point lies out of lunging reach of the
// room's ways in and in view of the room's camera. Each room's ghost belongs to its own scene:
// before that scene the room clears a chase brought in from elsewhere, after it the room holds no
// ghost.
#include "content/fields/EnemyStarts.h"

#include <memory>

#include <glm/vec3.hpp>

#include "content/fields/FieldBuild.h"
#include "content/fields/FieldFactory.h"
#include "scene/Personal.h"
#include "world/Enemy.h"

namespace content {
namespace {

constexpr int32_t kKeepState = -1;  // the room leaves `EnemyMode` as the story left it

struct EnemyStart {
    FieldId field;
    When when;
    glm::vec3 position;
    float yaw;      // degrees
    int32_t fast;   // 1: the fast variant
    int32_t state;  // `EnemyMode` on every build, or kKeepState
};

using F = FieldId;
// clang-format off
constexpr EnemyStart kStarts[] = {
    // It crosses the far end of the hall (its walk places it).
    {F::Lobby,            StageBelow(13),  {1.0f, 0.35f, 42.0f},   270, 0, kKeepState},
    // It watches from the far end while the chair's key is there; a dart wakes it.
    {F::Dining_Room,      KeyNotTaken(4),  {6.0f, 0.35f, 2.0f},    270, 0, kEnemyWaiting},
    // Its scare places it beside the player; a chase carried back in starts by the lockers.
    {F::Bath_Datui_Woman, StageBelow(14),  {-5.6f, 0.35f, -0.9f},  90,  0, kEnemyAbsent},
    {F::Bath_Datui_Woman, StageIs(14),     {-5.6f, 0.35f, -0.9f},  90,  0, kKeepState},
    // Out of the bathroom, beyond the reach of the bathroom door.
    {F::Guest_Room,       StageIs(7),      {-1.2f, 0.42f, 0.9f},   180, 0, kKeepState},
    // Beside the tub, further than its scare's 2.5 units from the door.
    {F::Guest_Bath,       StageBelow(7),   {-0.2f, 0.35f, -1.7f},  0,   0, kEnemyAbsent},
    {F::Guest_Bath,       StageIs(7),      {-0.2f, 0.35f, -1.7f},  0,   0, kKeepState},
    // By the door, between the player and the way out; taking the key wakes it.
    {F::Rest_Women,       kAlways,         {-1.6f, 0.35f, -2.2f},  0,   0, kEnemyAbsent},
    // In the corner north of the stair house, where the roof's camera looks from wherever the
    // player stands; the boiler wakes it.
    {F::Roof_Top,         StageBelow(9),   {4.3f, 0.35f, 5.2f},    225, 1, kEnemyAbsent},
    // Along the north wall from the alcove, clear of the way out; taking the key wakes it.
    {F::Fld_203,          StageBelow(19),  {0.5f, 0.42f, 2.6f},    90,  1, kEnemyAbsent},
};
// clang-format on

}  // namespace

void PlaceEnemy(Scene& field, FieldId id) {
    SaveRecord& record = field.player->record;
    for (const EnemyStart& start : kStarts) {
        if (start.field != id || !start.when.Holds(record)) continue;
        record.HitPoint = SaveRecord{}.HitPoint;
        record.enemyPos = start.position;
        record.enemyYaw = start.yaw;
        record.enemyFast = start.fast;
        if (start.state != kKeepState) record.EnemyMode = start.state;
        field.AppendChild(std::make_unique<Enemy>(MakeGameover));
        return;
    }
}

}  // namespace content
