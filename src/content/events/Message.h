#pragma once
#include <cstdint>
#include <string>

#include "library/TextBox.h"
#include "scene/Scene.h"
#include "world/CObjMesh.h"
#include "world/CObjSound.h"

// An examinable cube: touched and examined by a free player, it holds the player and asks a
// two-answer question. The first answer makes it glow blue and silences its sound, the second
// makes it glow red and starts the sound; the reaction is applied every frame while its line
// shows.
class Message : public Scene {
  public:
    // `answerFlag` once an answer line has been reached, until the cube is examined again.
    static constexpr int32_t kAnswered = 4;

    Message();

    void Update() override;
    // Appends the box's line and answer, then the answer flag.
    std::u16string DebugText(const std::u16string& text) const override;
    const char16_t* Name() const override { return u"Message"; }

    CObjSound sound;  // follows the cube's x and z
    CObjMesh cube;    // a solid box, the trigger
    TextBox box;
    int32_t answerFlag = 0;  // 0 from examining, then the box's line until an answer: kAnswered
};
