#pragma once
// The guest room's game of darts. A case of darts lies on a small shelf beside a dartboard on the
// wall. The first dart to strike the board stays in it, and the board swings off its nail and
// drops to the floor; taken up and hung back, the dart left in it begins to glow, and that dart
// is the one that can hurt the ghost.
#include <array>
#include <cstdint>

#include <glm/mat4x4.hpp>

#include "library/TextBox.h"
#include "scene/Scene.h"
#include "world/CObjMesh.h"
#include "world/CObjSound.h"
#include "world/KeyCurve.h"

namespace Ev {

// The darts on their shelf, and where the board is hung back. The field places `board` where the
// board hangs (its nail, turned to face the room); everything else hangs from that place.
class Darts final : public Scene {
  public:
    Darts();
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
    std::u16string DebugText(const std::u16string& text) const override;
    const char16_t* Name() const override { return u"Darts"; }

    CObjMesh board;  // the board hung back; shown once the player has put it back
    CObjMesh shelf;
    CObjMesh dartCase;
    std::array<CObjMesh, 3> darts;  // lying on the case until taken
    CObjMesh pin;                   // the dart left in the board, which glows
    CObjMesh trigger;               // the reach before the shelf and the board

  private:
    static constexpr int32_t kGlowFrames = 150;

    bool BoardHungBack() const;
    void Glow();
    void Pose();

    glm::mat4 mount_{1.0f};  // the nail's place, where the field put `board`
    TextBox taken_;          // the darts are taken
    TextBox hungBack_;       // the board is put back on its nail
    TextBox glowing_;        // the glowing dart is taken
    CObjSound tick_;
    int32_t glowFrame_ = 0;
};

// The board on the wall, until the first dart strikes it: it swings, slips off its nail and drops
// to the floor, where it waits to be taken. The field places `board` at its nail, turned to face
// the room.
class Dartsbord final : public Scene {
  public:
    Dartsbord();
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
    std::u16string DebugText(const std::u16string& text) const override;
    const char16_t* Name() const override { return u"Dartsbord"; }

    CObjMesh board;    // stops darts; hangs from the nail's place once built
    CObjMesh pin;      // the struck dart, when the board fell on an earlier visit
    CObjMesh trigger;  // the floor before the wall, where the board comes to lie

  private:
    static constexpr int32_t kFallFrames = 100;

    void Fall();
    void Take();

    glm::mat4 mount_{1.0f};
    KeyCurve tilt_;    // degrees the board's foot swings out from the wall
    KeyCurve drop_;    // how far the board has come down, as a share of the way to the floor
    float floor_ = 0;  // the floor, in the nail's frame
    TextBox question_;
    CObjSound tick_;
    int32_t fallFrame_ = 0;
};

}  // namespace Ev
