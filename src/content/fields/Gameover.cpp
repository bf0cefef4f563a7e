#include "content/fields/Gameover.h"

#include <memory>

#include "content/Services.h"
#include "content/fields/FieldFactory.h"
#include "content/fields/Retries.h"
#include "library/AssetNames.h"
#include "library/MyLibrary.h"
#include "scene/Personal.h"

namespace Ev {
namespace {

constexpr int32_t kGuestBathroom = 12;  // the field a death in which is rewarded
constexpr int32_t kBathroomDeathAward = 5;
// Awards for the deaths counted so far, from the most.
constexpr struct {
    int32_t deaths;
    int32_t award;
} kDeathAwards[] = {{20, 38}, {10, 37}, {5, 36}};

// The scare: the sting at these frames; the face shown at 50, 70, 90 to 100 and from 150 on.
constexpr int32_t kStingFrames[] = {50, 70, 100};
constexpr int32_t kMenuFrom = 200;
bool FaceShown(int32_t frame) {
    return frame == 50 || frame == 70 || (frame >= 90 && frame <= 100) || frame >= 150;
}

// The menu in the overlay's 1920 x 1080 units, origin at the centre.
constexpr float kFaceSize = 1920;  // the whole screen, cut at the top and the bottom
constexpr float kFirstEntryY = -300, kEntryGap = 70;
constexpr float kHighlightWidth = 460;
constexpr float kFaceBehindMenu = 0.22f;  // the face's opacity while the menu is up
constexpr float kEntryScale = 1.4f;
constexpr int32_t kBlinkFrames = 100;

}  // namespace

Ev_GameOver::Ev_GameOver()
    : entries_(2, kFirstEntryY, kEntryGap),
      sting_(AssetRow("sa.wav")),
      drone_(AssetRow("ooo.wav")) {
    darkness_.colour = {0, 0, 0, 1};
    darkness_.scale = {4000, 4000, 1};
    face_.textureIndex = AssetRow("fishface.bmp");
    face_.pass = ShaderPass::BlendedQuad;
    face_.scale = {kFaceSize, kFaceSize, 1};
    face_.hidden = 1;
    highlight_.colour = {0.55f, 0.1f, 0.1f, 0.6f};
    highlight_.hidden = 1;
    for (CObjText* entry : {&retry_, &title_}) {
        entry->scale = glm::vec3(kEntryScale);
        entry->centred = 1;
        entry->hidden = 1;
    }
    retry_.key = u"Ev_GameOver_0";
    title_.key = u"Ev_GameOver_1";
    overlayQuads = {&darkness_, &face_, &highlight_};
    overlayTexts = {&retry_, &title_};
    sounds = {&sting_, &drone_};
    blink_.Add(0, 0.35f);
    blink_.Add(kBlinkFrames / 2, 0.8f);
    blink_.Add(kBlinkFrames, 0.35f);
}

void Ev_GameOver::Init(Personal* scenePlayer, MyLibrary* sceneLibrary) {
    SaveRecord& record = scenePlayer->record;
    scenePlayer->controlMode = kControlHeld;
    ++record.deathCount;
    const content::Services engine(*sceneLibrary);
    if (record.currentField == kGuestBathroom) engine.Award(kBathroomDeathAward);
    for (const auto& rung : kDeathAwards) {
        if (record.deathCount >= rung.deaths) engine.Award(rung.award);
    }
}

void Ev_GameOver::Update() {
    player->controlMode = kControlHeld;
    if (phase_ == Phase::Scare) {
        Scare();
    } else {
        Choose();
    }
}

void Ev_GameOver::Scare() {
    for (int32_t at : kStingFrames) {
        if (clock_ == at) sting_.Play();
    }
    face_.hidden = FaceShown(clock_) ? 0 : 1;
    const bool skipped = player->actionPressed != 0;
    player->actionPressed = 0;
    if (++clock_ < kMenuFrom && !skipped) return;
    phase_ = Phase::Menu;
    clock_ = 0;
    face_.hidden = 0;
    face_.colour.a = kFaceBehindMenu;
    retry_.hidden = title_.hidden = highlight_.hidden = 0;
    const float lift = static_cast<float>(library->textUnit) * kEntryScale * 0.2f;
    retry_.position = {0, kFirstEntryY + lift, 0};
    title_.position = {0, kFirstEntryY - kEntryGap + lift, 0};
}

void Ev_GameOver::Choose() {
    drone_.Play();  // again whenever it has run out
    const content::Services engine(*library);
    if (entries_.Step(engine.Controls(), engine.Pointer())) player->PlaySelectionTick();
    highlight_.scale = {kHighlightWidth, kEntryGap, 1};
    highlight_.position = {0, entries_.CentreOf(entries_.chosen), 0};
    highlight_.colour.a = blink_.Value(clock_++);
    if (player->actionPressed == 0) return;
    player->actionPressed = 0;
    if (entries_.chosen == 0) {
        Retry();
    } else {
        player->SetSpawn(0, {0, 0, 0});
        parent->parent->titleRequested = 1;
    }
}

void Ev_GameOver::Retry() {
    SaveRecord& record = player->record;
    const RetryRow& row = RetryFor(record.currentField);
    ApplyRetry(row, record);
    player->SetSpawn(row.yaw, row.spawn);
    if (row.toTitle) {
        parent->parent->titleRequested = 1;
        return;
    }
    player->controlMode = kControlFree;
    parent->parent->AddChild(MakeFieldOf(row.rebuilt));
}

}  // namespace Ev

namespace Fld {

Gameover::Gameover() {
    AppendChild(std::make_unique<Ev::Ev_GameOver>());
}

}  // namespace Fld
