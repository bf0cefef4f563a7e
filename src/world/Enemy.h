#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <glm/vec3.hpp>

#include "collision/CollObj.h"
#include "library/AssetNames.h"
#include "scene/FieldMaker.h"
#include "scene/Scene.h"
#include "world/CObjMesh.h"
#include "world/CObjParticl.h"
#include "world/CObjSound.h"
#include "world/EnemyState.h"
#include "world/Fish.h"

// One breadcrumb of the ghost's trail: where the player stood when the ghost lost sight of them.
struct AnchorNode {
    int32_t used = 1;  // 1 while part of the trail
    glm::vec3 pos{0.0f};
    AnchorNode* next = nullptr;
};

// The ghost that haunts some rooms. A field creates a fresh one at each build; it carries on from
// the enemy block of the player's record (mode, place, facing, hit points). It waits, follows the
// player along a trail of breadcrumbs dropped where the player went out of its sight, lunges when
// close, and either catches the player (handing over to the game-over field) or, struck by enough
// darts once the darts puzzle is done, fades away.
class Enemy : public Scene {
  public:
    static constexpr size_t kMaxTrail = 100;  // breadcrumbs
    static constexpr int32_t kInvincibleFrames = 50;
    static constexpr int32_t kDartAward = 4;  // struck before the darts puzzle is done

    // `gameOver` makes the field a catch hands over to.
    explicit Enemy(FieldMaker gameOver);
    ~Enemy() override;

    void Init(Personal* player, MyLibrary* library) override;
    void Update() override;
    void Draw() override;
    std::u16string DebugText(const std::u16string& text) const override;
    const char16_t* Name() const override { return u"Enemy"; }

    size_t TrailSize() const { return pAnc.size(); }
    const AnchorNode* CurrentAnchor() const { return currentAnchor; }

    int32_t attackCooldown = 50;  // recovery frames after a lunge
    float moveSpeed = 2.0f;
    int32_t sightBlocked = 0;
    CObjParticl flame;  // shown while invincible
    CObjSound stepSound{AssetRow("fish.wav")};
    CObjSound voiceSound{AssetRow("voice.wav")};
    Fish body;
    CObjMesh marker;     // invisible sphere: the ghost's own collision, its sight radius, the catch
    CObjMesh hitBox;     // invisible tall box that thrown darts strike
    int32_t Muteki = 0;  // invincible frames left after a dart hit
    int32_t AtFlag = 0;  // 1 while a lunge runs
    // The lunge clock (100 down to 0), the catch and vanish clocks (up to 100), negative while
    // recovering.
    int32_t AtCount = 0;
    glm::vec3 lungeDir{0.0f};

  private:
    void StepMode();
    void Caught();
    void Vanish();
    // What every mode but absent, vanishing and defeated does after its own step: colliders, dart
    // hits, the invincible blink, defeat and the push out of solid shapes.
    void CommonStep();
    void TakeDartHit();
    void Blink();
    void PushOutOfSolids();
    void PlaceBody();
    // Keeps the breadcrumbs: two while the player is in sight, one more each time the player
    // leaves the sight of the last one; reaching the last one makes the ghost wait.
    void TrailStep();
    void ClearSightTrail();
    void ExtendTrail();
    void ArriveAtAnchor();
    AnchorNode* FreeNode();
    void MoveStep();
    // Whether a capsule of the marker's radius from `from` to `to` meets a solid shape.
    bool SightBlocked(const glm::vec3& from, const glm::vec3& to);
    void SetBodyAlpha(float alpha);
    void SetVolumes(float volume);

    FieldMaker gameOver_;
    std::vector<std::unique_ptr<AnchorNode>> pAnc;
    AnchorNode* currentAnchor = nullptr;
    AnchorNode* tailAnchor = nullptr;
    Segmet sight_;
};
