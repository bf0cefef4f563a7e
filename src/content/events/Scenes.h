#pragma once
// The scripted scenes that move the story on: each runs a little phase machine of its own over
// frames, holds the player while it plays and ends by applying exactly the changes of its row of
// the story.
#include <cstdint>
#include <optional>
#include <string>

#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

#include "content/events/Doors.h"
#include "library/TextBox.h"
#include "scene/Scene.h"
#include "world/CObjMesh.h"
#include "world/CObjSound.h"
#include "world/Motion.h"

namespace Ev {

// The medicine on the guest room's table. Drunk, it starts the night (stage 4); the crickets sing
// until then. Once the bathroom has opened the room's light sinks (stage 6), and someone knocks at
// the door now and then.
class Drug final : public Scene {
  public:
    Drug();
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
    const char16_t* Name() const override { return u"Drug"; }

    CObjMesh bottle;   // placed by the field; hidden once drunk
    CObjMesh trigger;  // the reach round the bottle, in world units whatever the bottle's scale

  private:
    enum class Phase : uint8_t { Waiting, Drinking, Reading };

    void Drink();
    void DimTheRoom();
    void KnockNowAndThen();

    TextBox box_;
    CObjSound crickets_;
    CObjSound swallow_;
    CObjSound knock_;
    Phase phase_ = Phase::Waiting;
    int32_t dimClock_ = 0;
    int32_t knockClock_ = 0;
    std::optional<glm::vec4> lightBefore_;  // the room's sun colour when it began to sink
};

// The guest bathroom's fan switch, once the medicine has worked (stages 5 and 6): switched on, the
// fan draws something down the duct (stage 7).
class AirSwitch final : public Scene {
  public:
    AirSwitch();
    void Update() override;
    const char16_t* Name() const override { return u"AirSwitch"; }

    CObjMesh trigger;  // before the switch; placed and sized by the field

  private:
    TextBox box_;
    CObjSound click_;
    bool switchedOn_ = false;
};

// The guest bathroom's duct with the fan running (from stage 7): it hums, and its grille rattles
// while the ghost is about.
class Air final : public Scene {
  public:
    Air();
    void Update() override;
    const char16_t* Name() const override { return u"Air"; }

    CObjMesh mouth;  // where the duct opens; placed by the field, never drawn

  private:
    CObjSound hum_;
    CObjSound rattle_;
    int32_t rattleClock_ = 0;
};

// The rooftop boiler. A panel high on its front wobbles loose; struck by a dart, it falls, wakes
// the roof's ghost if it sleeps and opens a gap behind it (stage 10) that leads down the duct into
// room 201's bathroom.
class Boiler final : public Scene {
  public:
    Boiler();
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
    const char16_t* Name() const override { return u"Boiler"; }

    CObjMesh body;     // the boiler, solid; placed by the field
    CObjMesh panel;    // hangs from the body
    CObjMesh trigger;  // before the body, hangs from it

  private:
    enum class Panel : uint8_t { Wobbling, Falling, Fallen };

    void Wobble();
    void Fall();

    TextBox loose_;
    TextBox gap_;
    CObjSound crickets_;
    CObjSound hum_;
    CObjSound clatter_;
    CObjSound scare_;
    MotionTrack fallPosition_;
    MotionTrack fallTurn_;
    Panel state_ = Panel::Wobbling;
    int32_t clock_ = 0;
};

// A stall of the men's public toilet. Each time the toilet is built one of its three stalls is
// drawn to hold the key of room 202; the other two are traps, and a player who listens at their
// doors hears breathing. Opened, a trap drags the player in and spins them: the game is over.
class Rest_Men_Toile final : public Scene {
  public:
    explicit Rest_Men_Toile(bool trap);
    void Update() override;
    std::u16string DebugText(const std::u16string& text) const override;

    // Stands the stall's door, shut, on its hinge; its reach lies before it.
    void Hang(const glm::vec3& hinge);

    CObjMesh door;
    CObjMesh trigger;

  private:
    enum class Stall : uint8_t { Shut, Opening, Open, Done, Dragging, Spinning, Dark };

    void Open();
    void Drag();
    void GiveKey();

    const bool trap_;
    TextBox opened_;
    TextBox key_;
    CObjSound doorSound_;
    CObjSound slam_;
    CObjSound breath_;
    CObjSound scare_;
    MotionTrack drag_;
    Stall state_ = Stall::Shut;
    int32_t clock_ = 0;
};

// A chair of the lobby that, the first time the player comes near, slides and turns by itself.
class LobbyChair final : public Scene {
  public:
    LobbyChair();
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
    const char16_t* Name() const override { return u"LobbyChair"; }

    CObjMesh chair;  // solid; placed by the field

  private:
    void Pose(int32_t frame);

    MotionTrack slide_;
    MotionTrack turn_;
    int32_t clock_ = -1;  // frames of its move; -1 until the player comes near
};

// The gap behind the boiler's fallen panel: walked into once it has opened, it leads down into room
// 201's bathroom.
inline constexpr int32_t kBoilerGapStage = 10;
using BoilerGap = ExitFromStage<kBoilerGapStage>;

}  // namespace Ev
