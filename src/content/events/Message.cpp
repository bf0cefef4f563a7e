#include "content/events/Message.h"

#include "content/events/Blocks.h"
#include "content/events/Examine.h"
#include "library/AssetNames.h"
#include "library/Format.h"
#include "scene/Personal.h"

namespace {

constexpr int32_t kSound = AssetRow("ooo.wav");

// The box's lines: a greeting, the question, then one line per answer.
constexpr int32_t kFirstAnswerLine = 2;
constexpr int32_t kSecondAnswerLine = 3;

constexpr float kGlow = 20.0f;  // the lit colour channel of the answer's glow
constexpr float kGlowIntensity = 1.0f;

}  // namespace

Message::Message() : sound(kSound) {
    sounds.push_back(&sound);
    cube.modelIndex = Ev::kCubeModel;
    // No glow until answered. The answers write only red and blue, so green stays dark and the
    // glow is a pure blue or red.
    cube.emissive = glm::vec3(0.0f);
    cube.collider.type = COLL_OBB;
    cube.collider.kind = KIND_SOLID;
    meshes.push_back(&cube);
    box.AddLine(u"message_1");
    box.AddQuestion(u"message_2", kFirstAnswerLine, kSecondAnswerLine);
    box.AddJumpLine(u"message_3");
    box.AddLine(u"message_4");
    box.Register(*this);
}

void Message::Update() {
    if (Ev::Examined(cube, *player)) {
        answerFlag = 0;
        Ev::Show(box, *player);
    }
    const int32_t line = box.Update(*player, *library);
    // Only the red and blue channels are the answer's; green keeps its value.
    if (line == kFirstAnswerLine) {
        cube.emissive.r = 0;
        cube.emissive.b = kGlow;
        cube.emissiveIntensity = kGlowIntensity;
        sound.FadeOutAndRewind(0);
    } else if (line == kSecondAnswerLine) {
        cube.emissive.r = kGlow;
        cube.emissive.b = 0;
        cube.emissiveIntensity = kGlowIntensity;
        sound.Play();
    }
    if (answerFlag != kAnswered) {
        answerFlag = line == kFirstAnswerLine || line == kSecondAnswerLine ? kAnswered : line;
    }
    sound.position.x = cube.position.x;
    sound.position.z = cube.position.z;
}

std::u16string Message::DebugText(const std::u16string& text) const {
    const std::u16string withBox = FormatText(
        u"%s%f,%f\n", text, static_cast<double>(box.lineIndex), static_cast<double>(box.choice));
    return FormatText(u"%s\nflg = %d\n", withBox, answerFlag);
}
