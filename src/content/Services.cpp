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

std::array<AchievementEntry, kAchievementCount> Services::Achievements() const {
    return AchievementList(library_.steamworks);
}

Input& Services::Controls() const {
    return library_.input;
}

glm::vec2 Services::Pointer() const {
    return library_.frame.cursorLayout;
}

const std::u16string& Services::Text(const char16_t* key) const {
    return library_.textData.GetText(key);
}

SystemSettings& Services::Settings() const {
    return library_.settings;
}

uint32_t Services::NowMs() const {
    return library_.NowMs();
}

}  // namespace content
