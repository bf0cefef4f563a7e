#include "content/events/Fire.h"

#include <glm/geometric.hpp>

#include "collision/CollObj.h"
#include "content/Inventory.h"
#include "content/Services.h"
#include "content/events/Blocks.h"
#include "content/events/Examine.h"
#include "library/Angles.h"
#include "library/AssetNames.h"
#include "scene/Personal.h"

namespace Fld {
namespace {

constexpr int32_t kExtinguisherKey = 2;
constexpr int32_t kSprayFrames = 200;
// The particles' growth at full blaze: tall flames, low wide embers.
constexpr glm::vec3 kFlameGrowth{0.6f, 1.4f, 0.6f};
constexpr glm::vec3 kEmberGrowth{0.9f, 0.4f, 0.9f};
constexpr int32_t kPutOutAward = 16;
constexpr glm::vec3 kReach{2.6f, 1.6f, 2.6f};
constexpr glm::vec3 kNozzleFromPlayer{0, 0.35f, 0};

}  // namespace

Fire::Fire() : crackle_(AssetRow("fire.wav")), water_(AssetRow("water.wav")) {
    base.modelIndex = Ev::kCubeModel;
    base.colour = {0.08f, 0.05f, 0.04f, 1.0f};  // scorched boards
    base.collider.type = COLL_OBB;
    base.collider.kind = KIND_SOLID;
    Ev::MakeTrigger(trigger);
    trigger.scale = kReach;
    nozzle.modelIndex = AssetRow("syoukaki.x");
    nozzle.hidden = 1;
    meshes = {&base, &trigger, &nozzle};
    const auto light = [](CObjParticl& fire, const glm::vec3& growth, float speed) {
        constexpr size_t kTongues = 24;
        fire.particles.resize(kTongues);
        fire.textureIndex = AssetRow("fire.bmp");
        fire.growth = growth;
        fire.colour = {1.0f, 0.55f, 0.2f};
        fire.emissive = {1.0f, 0.5f, 0.15f, 10.0f};
        fire.speed = speed;
        fire.spread = 0.6f;
        fire.timeStep = 0.02f;
        fire.maxLife = 1.0f;
    };
    light(flames, kFlameGrowth, 2.0f);
    light(embers, kEmberGrowth, 0.4f);
    particles = {&flames, &embers};
    crackle_.loop = 1;
    water_.loop = 1;
    sounds = {&crackle_, &water_};
    tooHot_.AddLine(u"Ev_201_1");
    pinPulled_.AddLine(u"Ev_201_2");
    tooHot_.Register(*this);
    pinPulled_.Register(*this);
}

void Fire::Init(Personal* scenePlayer, MyLibrary*) {
    flames.position = embers.position = trigger.position = base.position;
    if (content::KeyUsedUp(scenePlayer->record, kExtinguisherKey)) PutOut();
}

void Fire::Update() {
    if (base.hidden) return;
    if (spraying_) {
        Spray();
        return;
    }
    Ev::PlayAt(crackle_, base.position);
    const bool extinguisherHeld = content::KeyHeld(player->record, kExtinguisherKey);
    if (Ev::Examined(trigger, *player)) Ev::Show(extinguisherHeld ? pinPulled_ : tooHot_, *player);
    Ev::Finished(tooHot_, *this);
    if (Ev::Finished(pinPulled_, *this)) spraying_ = true;
}

void Fire::Spray() {
    Personal& guest = *player;
    guest.controlMode = kControlHeld;
    const glm::vec3 towardsFire = base.position - guest.Position();
    guest.Yaw() = FacingOf(towardsFire);
    nozzle.hidden = 0;
    nozzle.position = guest.Position() + kNozzleFromPlayer + 0.3f * SafeNormalise(towardsFire);
    nozzle.rotation.y = guest.Yaw() - 90;
    Ev::PlayAt(water_, base.position);
    ++counter;
    const float left = static_cast<float>(kSprayFrames - counter) / kSprayFrames;
    flames.growth = left * kFlameGrowth;
    embers.growth = left * kEmberGrowth;
    if (counter < kSprayFrames) return;
    guest.controlMode = kControlFree;
    crackle_.FadeOutAndRewind(0);
    water_.FadeOutAndRewind(0);
    PutOut();
    content::Services(*library).Award(kPutOutAward);
    content::SetKeyHeld(guest.record, kExtinguisherKey, false);
}

void Fire::PutOut() {
    spraying_ = false;
    base.hidden = trigger.hidden = nozzle.hidden = 1;
    base.collider.kind = KIND_SENSOR;  // the way is clear
    flames.hidden = embers.hidden = 1;
}

}  // namespace Fld
