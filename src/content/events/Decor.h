#pragma once
// The inn's decorative events: placed meshes with no player interaction, some of them alive —
// lamps and machines glow, windows show the night, fans swing. One row each in a table; the
// classes the fields create are the table's rows.
#include <cstdint>

#include <glm/vec3.hpp>

#include "scene/Scene.h"
#include "world/CObjMesh.h"

namespace Ev {

// How a decoration moves.
enum class DecorMotion : uint8_t { Still, Swing };

struct DecorRow {
    const char16_t* name;
    int32_t model;
    bool solid;          // furniture the player walks against
    glm::vec3 glow;      // emissive colour; zero: gives no light of its own
    float glowStrength;  // emissive intensity
    DecorMotion motion;
    bool castsShadow;
};

class Decor : public Scene {
  public:
    void Update() override;
    const char16_t* Name() const override { return row_.name; }

    CObjMesh mesh;  // placed by the field

  protected:
    explicit Decor(const DecorRow& row);

  private:
    const DecorRow& row_;
    float baseYaw_ = 0;  // degrees, the placement's; taken on the first update
    int32_t frame_ = 0;
};

// The rows, by class.
namespace decor {
extern const DecorRow kLight, kMado_S, kToile, kSenpu, kDenki, kKeikou, kChair, kStaffChair, kUeki,
    kLobbyWindow, kGenGlass, kMoon, kZihanki, kRest_handle, kRest_Men_door, kLightSwitch;
}  // namespace decor

// One decoration of the table.
template <const DecorRow& row>
class DecorOf final : public Decor {
  public:
    DecorOf() : Decor(row) {}
};

using Light = DecorOf<decor::kLight>;              // a ceiling lamp
using Mado_S = DecorOf<decor::kMado_S>;            // a small window onto the night
using Toile = DecorOf<decor::kToile>;              // a toilet
using Senpu = DecorOf<decor::kSenpu>;              // an electric fan, swinging from side to side
using Denki = DecorOf<decor::kDenki>;              // a hanging paper lamp
using Keikou = DecorOf<decor::kKeikou>;            // a fluorescent lamp
using Chair = DecorOf<decor::kChair>;              // an armchair
using StaffChair = DecorOf<decor::kStaffChair>;    // an office chair
using Ueki = DecorOf<decor::kUeki>;                // a potted plant
using LobbyWindow = DecorOf<decor::kLobbyWindow>;  // a large window onto the night
using GenGlass = DecorOf<decor::kGenGlass>;        // the inn's lit glass entrance, from outside
using Moon = DecorOf<decor::kMoon>;                // the moon above the square and the path
using Zihanki = DecorOf<decor::kZihanki>;          // a lit vending machine
using Rest_handle = DecorOf<decor::kRest_handle>;  // a toilet stall's handle
using Rest_Men_door = DecorOf<decor::kRest_Men_door>;  // a toilet stall's door
using LightSwitch = DecorOf<decor::kLightSwitch>;      // a switch plate on a wall

}  // namespace Ev
