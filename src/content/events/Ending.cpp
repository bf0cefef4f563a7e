#include "content/events/Ending.h"

#include <algorithm>
#include <ctime>

#include <glm/common.hpp>

#include "content/Services.h"
#include "content/events/Examine.h"
#include "library/Format.h"
#include "library/MyLibrary.h"
#include "scene/Personal.h"
#include "scene/SaveData.h"

namespace Ev {
namespace {

// The view looks at the inn's forecourt while it draws back from the guest, high over the square.
constexpr glm::vec3 kLookAt{0, 0, 30.0f};
constexpr int32_t kLeavingFrames = 480;
constexpr int32_t kDawnFrames = 240;  // after the last line, before the result
constexpr int32_t kAllFrames = kLeavingFrames + kDawnFrames;

// The light of the coming day, which the night's turns into over the whole ending.
constexpr glm::vec3 kDawnFog{0.62f, 0.56f, 0.66f};
constexpr glm::vec4 kDawnSun{0.95f, 0.8f, 0.75f, 0.9f};

// What the result counts, by achievement.
constexpr int32_t kCompleted = 27, kFewDarts = 29, kNeverCaught = 30, kUnderAnHour = 31,
                  kUnderHalfAnHour = 32, kUnderTenMinutes = 33, kUnderFiveMinutes = 34,
                  kNoSaves = 35;
constexpr int32_t kFewDartsBelow = 34;

constexpr float kResultBandHeight = 220;
constexpr float kResultScale = 1.4f;
constexpr float kPromptY = -75;
constexpr float kPromptScale = 0.9f;
constexpr glm::vec4 kPromptColour{0.7f, 0.7f, 0.72f, 1.0f};

}  // namespace

Ending::Ending() {
    for (const char16_t* key : {u"Ev_Soto2_0", u"Ev_Soto2_1", u"Ev_Soto2_2", u"Ev_Soto2_3",
                                u"Ev_Soto2_4", u"Ev_Soto1_8"}) {
        lines_.AddLine(key);
    }
    lines_.Register(*this);
    resultBand_.colour = {0, 0, 0, 0.75f};
    resultBand_.hidden = 1;
    result_.literal = &resultLine_;
    result_.centred = 1;
    result_.scale = glm::vec3(kResultScale);
    result_.hidden = 1;
    prompt_.key = u"Ev_Soto2_prompt";
    prompt_.centred = 1;
    prompt_.scale = glm::vec3(kPromptScale);
    prompt_.colour = kPromptColour;
    prompt_.position = {0, kPromptY, 0};
    prompt_.hidden = 1;
    overlayQuads.push_back(&resultBand_);
    overlayTexts.push_back(&result_);
    overlayTexts.push_back(&prompt_);
    eye_.SetKey(0, {0, 1.7f, -2.2f});
    eye_.SetKey(kLeavingFrames / 2, {-2.5f, 3.2f, -5.0f});
    eye_.SetKey(kLeavingFrames, {0, 7.5f, -10.0f});
}

void Ending::Init(Personal*, MyLibrary* sceneLibrary) {
    night_ = content::Services(*sceneLibrary).Lighting();
}

void Ending::Update() {
    player->controlMode = kControlHeld;
    Camera& camera = content::Services(*library).LiveCamera();
    camera.eye = eye_.Sample(std::min(clock_, kLeavingFrames));
    camera.at = kLookAt;
    Daybreak(static_cast<float>(std::min(clock_, kAllFrames)) / kAllFrames);
    switch (phase_) {
        case Phase::Leaving:
            if (++clock_ < kLeavingFrames) break;
            Show(lines_, *player);
            phase_ = Phase::Reading;
            break;
        case Phase::Reading:
            player->controlMode = kControlHeld;
            if (Finished(lines_, *this)) phase_ = Phase::Dawn;
            break;
        case Phase::Dawn:
            if (++clock_ < kAllFrames) break;
            TakeResult();
            phase_ = Phase::Result;
            break;
        case Phase::Result:
            if (player->actionPressed == 0) break;
            player->actionPressed = 0;
            player->SetSpawn(0, {0, 0, 0});
            parent->parent->titleRequested = 1;
            break;
    }
}

void Ending::Daybreak(float share) {
    FieldLighting& light = content::Services(*library).Lighting();
    light.fogColour = glm::mix(night_.fogColour, kDawnFog, share);
    light.sunColour = glm::mix(night_.sunColour, kDawnSun, share);
}

void Ending::TakeResult() {
    SaveRecord& record = player->record;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    TakePlayTime(record, library->NowMs(), local);
    const uint32_t seconds = record.playTimeMs / 1000;
    const uint32_t minutes = seconds / 60;
    const content::Services engine(*library);
    engine.Award(kCompleted);
    if (minutes < 60) engine.Award(kUnderAnHour);
    if (minutes < 31) engine.Award(kUnderHalfAnHour);
    if (minutes < 11) engine.Award(kUnderTenMinutes);
    if (seconds < 301) engine.Award(kUnderFiveMinutes);
    if (record.throwCount < kFewDartsBelow) engine.Award(kFewDarts);
    if (record.deathCount < 1) engine.Award(kNeverCaught);
    if (engine.Counters().saveUsed == 0) engine.Award(kNoSaves);

    SystemSettings& settings = library->settings;
    if (settings.firstClearTime == 0)
        settings.firstClearTime = settings.bestClearTime = record.playTimeMs;
    settings.bestClearTime = std::min(settings.bestClearTime, record.playTimeMs);
    WriteSettings(settings);

    const PlayClock played = ClockOf(record.playTimeMs);
    resultLine_ = FormatText(engine.Text(u"Ev_Soto2_result"), played.hours, played.minutes,
                             played.seconds, record.throwCount, record.deathCount);
    const auto layoutWidth = static_cast<float>(library->frame.layoutSize.width);
    resultBand_.scale = {layoutWidth, kResultBandHeight, 1};
    resultBand_.hidden = 0;
    result_.position = {0, library->textUnit * kResultScale, 0};
    result_.hidden = prompt_.hidden = 0;
}

}  // namespace Ev
