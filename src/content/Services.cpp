#include "content/Services.h"

#include "library/MyLibrary.h"

namespace content {

Camera& Services::LiveCamera() const {
    return library_.effect.camera;
}

FieldLighting& Services::Lighting() const {
    return library_.effect.lighting;
}

Camera& Services::MirrorCamera() const {
    return library_.effect.mirrorCamera;
}

void Services::ShowMirror() const {
    library_.effect.mirrorActive = 1;
}

void Services::UseReverb(uint32_t preset) const {
    library_.sound.Engine().wantedPreset = preset;
}

void Services::Award(int32_t achievement) const {
    library_.steamworks.Award(achievement);
}

AwardCounters& Services::Counters() const {
    return library_.awardCounters;
}

}  // namespace content
