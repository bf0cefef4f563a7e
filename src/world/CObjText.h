#pragma once
#include <cstdint>
#include <string>

#include <glm/mat4x4.hpp>
#include <glm/vec2.hpp>
#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

class MyLibrary;

// A text of the text table laid out glyph by glyph from the font atlas, in the world or on the
// overlay (then in the 1920 × 1080 layout's units). Draws nothing in the shadow pass or while
// hidden.
class CObjText {
  public:
    void Draw(MyLibrary& library);

    const glm::mat4* parent = nullptr;     // not owned
    const char16_t* key = u"Hello World";  // text table key; not owned
    // When set, drawn as it is instead of the key's text (a line the game composes); not owned.
    const std::u16string* literal = nullptr;
    glm::vec2 cursor{0.0f};  // pen position while laying out
    glm::vec3 position{0.0f};
    glm::vec3 scale{1.0f};
    glm::vec3 rotation{0.0f};  // degrees: x pitch, y yaw, z roll
    glm::vec4 colour{1.0f};
    glm::mat4 world{1.0f};
    int32_t hidden = 0;
    int32_t maxChars = -1;  // characters shown, −1 for all (the typewriter's counter)
    float advanceFactor = 1.1f;
    float lineFactor = 1.1f;
    int32_t centred = 0;  // 1: each line is centred on `position` instead of starting there
};
