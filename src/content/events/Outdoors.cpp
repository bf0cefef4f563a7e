#include "content/events/Outdoors.h"

#include <memory>

#include "content/Services.h"
#include "content/events/Examine.h"
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

Case::Case() {
    MakeTrigger(trigger);
    meshes.push_back(&trigger);
    for (const char16_t* key :
         {u"Ev_Soto_0", u"Ev_Soto_1", u"Ev_Soto_2", u"Ev_Soto_3", u"Ev_Soto_4", u"Ev_Soto_5",
          u"Ev_Soto_6", u"Ev_Soto_7", u"Ev_Soto_8", u"Ev_Soto_9"}) {
        cuttings_.AddLine(key);
    }
    cuttings_.Register(*this);
}

void Case::Update() {
    constexpr int32_t kReadableStage = 19;
    SaveRecord& record = player->record;
    if (record.storyStage >= kReadableStage && Examined(trigger, *player)) Show(cuttings_, *player);
    if (Finished(cuttings_, *this) && record.storyStage == kReadableStage) {
        record.storyStage = kReadableStage + 1;
    }
}

}  // namespace Ev
