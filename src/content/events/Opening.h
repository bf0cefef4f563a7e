#pragma once
// The opening, from a new game to the guest room: a dark screen and the first music, the square
// seen coming out of the wood, the inn's name, the upper corridor walked behind the maid, her
// welcome, and the guest left alone in their room (stage 0 to 3). Each step is one event in one
// field, holding the player while its own clock runs, and sends the player on to the next field;
// in every one of those fields the player may skip the rest.
#include <cstdint>
#include <memory>

#include <glm/vec3.hpp>

#include "library/TextBox.h"
#include "scene/Scene.h"
#include "world/CObjSound.h"
#include "world/CObjText.h"
#include "world/KeyCurve.h"
#include "world/Motion.h"

namespace Ev {

// The stages of the opening (storyStage).
inline constexpr int32_t kOpeningStage = 0;       // a new game: the music, then the square
inline constexpr int32_t kSquareSeenStage = 1;    // the inn's name, then the corridor
inline constexpr int32_t kCorridorSeenStage = 2;  // the welcome, then the guest room
inline constexpr int32_t kOpeningOverStage = 3;   // free in the guest room

// A text alone in the middle of the dark screen: it fades in, stays, and fades out again over
// its frames.
class Caption {
  public:
    Caption(const char16_t* key, int32_t frames, float size);
    void Register(Scene& scene);
    // Shows the caption as it stands `frame` frames in; false once its frames have run out.
    bool ShowAt(int32_t frame);

    CObjText text;

  private:
    KeyCurve alpha_;
    int32_t frames_;
};

// A view on the move: the live camera's eye and the point it looks at, each along its keys.
struct CameraPath {
    MotionTrack eye;
    MotionTrack at;

    void Look(MyLibrary& library, int32_t frame) const;
};

// A step of the opening: holds the player, unseen unless the step shows them, while its clock
// runs; it ends by sending the player on.
class OpeningStep : public Scene {
  public:
    void Init(Personal* player, MyLibrary* library) override;

  protected:
    explicit OpeningStep(bool bodyShown = false) : bodyShown_(bodyShown) {}
    // The screen darkens over the last frames before `end`.
    void FadeOutBefore(int32_t end) const;
    // Into `next` at `spawn` facing `yaw` degrees, from the next frame.
    void GoTo(std::unique_ptr<Scene> next, const glm::vec3& spawn, float yaw);

    int32_t clock_ = 0;  // frames since the step began

  private:
    bool bodyShown_;
};

// The dark screen at the very start: the opening's music begins and a few words fade in and out;
// then the square.
class IntroFirst final : public OpeningStep {
  public:
    IntroFirst();
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
    const char16_t* Name() const override { return u"IntroFirst"; }

  private:
    Caption words_;
};

// The square, seen from the mouth of the path: the view drifts towards the inn's lit front
// (stage 1).
class IntroSotoCam final : public OpeningStep {
  public:
    IntroSotoCam();
    void Update() override;
    const char16_t* Name() const override { return u"IntroSotoCam"; }

  private:
    CameraPath path_;
};

// The dark screen again: the inn's name and the guest's decision to stay.
class IntroSoto final : public OpeningStep {
  public:
    IntroSoto();
    void Update() override;
    const char16_t* Name() const override { return u"IntroSoto"; }

  private:
    Caption words_;
};

// The upper corridor, walked at a guest's pace behind the maid, as if under water, down to the
// guest room's door (stage 2).
class IntroF2Cam final : public OpeningStep {
  public:
    IntroF2Cam();
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
    const char16_t* Name() const override { return u"IntroF2Cam"; }

  private:
    CameraPath path_;
    CObjSound steps_;
};

// The dark screen: the room's door slides open and the maid welcomes the guest; then the game's
// name.
class IntroTitleCall final : public OpeningStep {
  public:
    IntroTitleCall();
    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
    const char16_t* Name() const override { return u"IntroTitleCall"; }

  private:
    enum class Phase : uint8_t { Door, Welcome, Name };

    TextBox welcome_;
    Caption name_;
    CObjSound door_;
    Phase phase_ = Phase::Door;
};

// The guest room: the guest walks in slowly, the door is shut behind them, and they are alone
// with their thoughts; then they are free (stage 3), and the opening is rewarded.
class IntroGuest final : public OpeningStep {
  public:
    IntroGuest();
    void Update() override;
    const char16_t* Name() const override { return u"IntroGuest"; }

  private:
    enum class Phase : uint8_t { Walking, Alone, Thinking };

    void Walk();
    void End();

    TextBox thoughts_;
    MotionTrack walk_;
    CObjSound doorOpen_;
    CObjSound doorClose_;
    Phase phase_ = Phase::Walking;
};

// In every field of the opening: the menu button skips the rest of it, straight into the guest
// room (stage 3). A hint in the corner says so.
class IntroCut final : public Scene {
  public:
    IntroCut();
    void Update() override;
    const char16_t* Name() const override { return u"IntroCut"; }

  private:
    CObjText hint_;
};

}  // namespace Ev
