#include "content/events/Decor.h"

#include <cmath>

#include "library/AssetNames.h"

namespace Ev {
namespace {

constexpr float kSwingDegrees = 40.0f;  // a fan's swing to either side
constexpr float kSwingFrames = 400.0f;  // frames of one whole swing, there and back

constexpr glm::vec3 kNone{0.0f};
constexpr glm::vec3 kLampLight{1.0f, 0.78f, 0.5f};
constexpr glm::vec3 kTubeLight{0.85f, 0.92f, 1.0f};
constexpr glm::vec3 kNightSky{0.08f, 0.12f, 0.3f};
constexpr glm::vec3 kMoonLight{0.9f, 0.92f, 1.0f};

}  // namespace

namespace decor {
// clang-format off
//                          name             model                       solid  glow        strength motion                castsShadow
const DecorRow kLight       {u"Light",       AssetRow("denki.x"),        false, kLampLight, 1.5f, DecorMotion::Still, false};
const DecorRow kMado_S      {u"Mado_S",      AssetRow("mado_s.x"),       false, kNightSky,  1.0f, DecorMotion::Still, false};
const DecorRow kToile       {u"Toile",       AssetRow("toile.x"),        true,  kNone,      0.0f, DecorMotion::Still, true};
const DecorRow kSenpu       {u"Senpu",       AssetRow("senpu.x"),        true,  kNone,      0.0f, DecorMotion::Swing, true};
const DecorRow kDenki       {u"Denki",       AssetRow("denki.x"),        false, kLampLight, 1.5f, DecorMotion::Still, false};
const DecorRow kKeikou      {u"Keikou",      AssetRow("keikou.x"),       false, kTubeLight, 1.2f, DecorMotion::Still, false};
const DecorRow kChair       {u"Chair",       AssetRow("chair_tesuri.x"), true,  kNone,      0.0f, DecorMotion::Still, true};
const DecorRow kStaffChair  {u"StaffChair",  AssetRow("chair.x"),        true,  kNone,      0.0f, DecorMotion::Still, true};
const DecorRow kUeki        {u"Ueki",        AssetRow("planter.x"),      true,  kNone,      0.0f, DecorMotion::Still, true};
const DecorRow kLobbyWindow {u"LobbyWindow", AssetRow("mado.x"),         false, kNightSky,  1.0f, DecorMotion::Still, false};
const DecorRow kGenGlass    {u"GenGlass",    AssetRow("iriguti.x"),      false, kLampLight, 0.8f, DecorMotion::Still, true};
const DecorRow kMoon        {u"Moon",        AssetRow("sphere.x"),       false, kMoonLight, 2.0f, DecorMotion::Still, false};
const DecorRow kZihanki     {u"Zihanki",     AssetRow("zihanki.x"),      true,  kTubeLight, 0.6f, DecorMotion::Still, true};
const DecorRow kRest_handle {u"Rest_handle", AssetRow("rest_handle.x"),  false, kNone,      0.0f, DecorMotion::Still, true};
const DecorRow kRest_Men_door{u"Rest_Men_door", AssetRow("rest_door.x"), true,  kNone,      0.0f, DecorMotion::Still, true};
const DecorRow kLightSwitch {u"LightSwitch", AssetRow("cube.x"),         false, kNone,      0.0f, DecorMotion::Still, false};
// clang-format on
}  // namespace decor

Decor::Decor(const DecorRow& row) : row_(row) {
    mesh.modelIndex = row.model;
    mesh.emissive = row.glow;
    mesh.emissiveIntensity = row.glowStrength;
    mesh.castsShadow = row.castsShadow ? 1 : 0;
    if (row.solid) {
        mesh.collider.type = COLL_OBB;
        mesh.collider.kind = KIND_SOLID;
    }
    meshes.push_back(&mesh);
}

void Decor::Update() {
    if (row_.motion != DecorMotion::Swing) return;
    if (frame_ == 0) baseYaw_ = mesh.rotation.y;
    const float phase = static_cast<float>(frame_) / kSwingFrames * 6.2831853f;
    mesh.rotation.y = baseYaw_ + kSwingDegrees * std::sin(phase);
    frame_ = frame_ + 1 < static_cast<int32_t>(kSwingFrames) ? frame_ + 1 : 1;
}

}  // namespace Ev
