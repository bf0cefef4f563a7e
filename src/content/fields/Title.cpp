#include "content/fields/Title.h"

#include <memory>

#include "content/Services.h"
#include "content/events/TitleMenu.h"
#include "content/fields/Outdoor.h"
#include "library/Angles.h"
#include "library/AssetNames.h"
#include "library/MyLibrary.h"
#include "scene/Personal.h"

namespace Fld {
namespace {

// The view from the square's south-west corner, low, up at the inn's lit front and the moon.
constexpr glm::vec3 kEye{-7.5f, 1.4f, 15.0f};
constexpr glm::vec3 kAt{2.0f, 4.2f, 41.0f};

// The figure standing out on the square, facing the onlooker, pale and faint.
constexpr glm::vec3 kWatcherAt{-1.0f, 0, 25.5f};
constexpr float kWatcherAlpha = 0.7f;
constexpr glm::vec3 kPaleGlow{0.55f, 0.62f, 0.7f};
constexpr float kPaleGlowStrength = 0.5f;
constexpr float kCricketsVolume = 0.5f;

}  // namespace

Title::Title() : crickets_(AssetRow("suzumusi.wav")) {
    watcher_.root.position = kWatcherAt;
    watcher_.root.rotation.y = FacingOf(kEye - kWatcherAt);
    watcher_.MotType = Fish::kMotionIdle;
    for (CObjMesh* part : watcher_.parts) {
        part->emissive = kPaleGlow;
        part->emissiveIntensity = kPaleGlowStrength;
    }
    watcher_.SetAlpha(kWatcherAlpha);
    crickets_.loop = 1;
    crickets_.volume = kCricketsVolume;
    sounds.push_back(&crickets_);
}

void Title::Init(Personal* player, MyLibrary* library) {
    player->bodyModel.hidden = 1;
    PlaceSquareAtNight(*this);
    Camera& camera = content::Services(*library).LiveCamera();
    camera.eye = kEye;
    camera.at = kAt;
    crickets_.Play();
    AppendChild(std::make_unique<Ev::EvTitle>());
}

void Title::Update() {
    watcher_.Update(*library);
}

void Title::Draw() {
    watcher_.DrawRig(*library, library->effect.inShadowPass == 1);
}

}  // namespace Fld
