#include "content/events/Outdoors.h"

#include <memory>

#include "content/Services.h"
#include "library/AssetNames.h"
#include "scene/Personal.h"

namespace Ev {
namespace {

constexpr int32_t kCricketsSound = AssetRow("suzumusi.wav");
constexpr float kCricketsVolume = 0.8f;
constexpr int32_t kPathVisitsAwarded = 5;
constexpr int32_t kLongWalkAchievement = 24;

}  // namespace

void Crickets::Init(Personal* player, MyLibrary*) {
    if (player->ambientSound) return;
    player->ambientSound = std::make_unique<CObjSound>(kCricketsSound);
    player->ambientSound->volume = kCricketsVolume;
    player->ambientSound->loop = 1;
    player->ambientSound->Play();
}

void SandouEvent::Init(Personal* player, MyLibrary* library) {
    Crickets::Init(player, library);
    const content::Services services(*library);
    if (++services.Counters().pathVisits == kPathVisitsAwarded) {
        services.Award(kLongWalkAchievement);
    }
}

}  // namespace Ev
