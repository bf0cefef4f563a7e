#include "scene/Personal.h"

#include <algorithm>
#include <cmath>

#include <glm/geometric.hpp>

#include "audio/SVoice.h"
#include "library/Angles.h"
#include "library/AssetNames.h"
#include "library/MyLibrary.h"
#include "world/Placement.h"

namespace {

constexpr int32_t kSphereModel = AssetRow("sphere.x");
constexpr float kBodyDrop = 0.34f;        // the body stands this far below the sphere
constexpr float kEyeHeight = 0.5f;        // above the sphere, while aiming
constexpr float kFollowStep = 0.15f;      // the follow point's move per frame of walking
constexpr float kPullFactor = 0.05f;      // step = square distance to the follow point x this
constexpr float kTurnThreshold = 0.001f;  // square distance below which the body keeps its yaw
constexpr float kFallPerFrame = 0.06f;    // units per frame while nothing holds the player up
constexpr float kStandingNormal = 0.7f;   // a push this steep upwards is ground
constexpr float kLookPerPixel = 0.13f;    // degrees of aim per pixel of pointer motion
constexpr int32_t kLookPixelLimit = 100;  // larger pointer jumps count as this many
constexpr float kPitchLimit = 80.0f;      // degrees up or down while aiming
constexpr float kAimReach = 0.1f;         // the aiming camera looks at a point this far ahead
constexpr float kAimLead = 0.04f;         // the follow point leads the body this far while aiming
constexpr int32_t kThrowAchievementCount = 100;  // throws that earn the darts achievement
constexpr int32_t kThrowAchievement = 28;
constexpr int32_t kHeldPropItem = 2;  // while held, the body carries the prop

// Movement key codes: a digit per key, so that any change of the held keys changes the code.
constexpr int32_t kCodeUp = 1;
constexpr int32_t kCodeDown = 10;
constexpr int32_t kCodeRight = 100;
constexpr int32_t kCodeLeft = 1000;

// The two click sounds' (fade step, volume): a confirm and a step back.
constexpr float kConfirmClick[] = {0.08f, 0.0845f};
constexpr float kBackClick[] = {0.04f, 0.1143f};

}  // namespace

Personal::Personal(uint32_t nowMs) {
    sightQuad.textureIndex = AssetRow("sight.png");
    sightQuad.pass = ShaderPass::OpaqueQuad;
    sightQuad.scale = {10, 10, 0};
    sightQuad.colour.a = 0.5f;
    for (auto& dart : darts) dart = std::make_unique<Dart>();
    ResetRecord(record, nowMs);
    bodyCollider.modelIndex = kSphereModel;
    bodyCollider.scale = glm::vec3(0.35f);
    bodyCollider.colour = {1, 0, 0, 0.5f};
    bodyCollider.collider.type = COLL_SPHERE;
    bodyCollider.collider.kind = KIND_SOLID;
}

void Personal::Enter(MyLibrary* fieldLibrary) {
    Position() = record.spawnPos;
    followPoint = record.spawnPos;
    Yaw() = record.spawnYaw;
    PlaceBody();
    // Seen in every field unless what the field builds hides it (the title, the opening's views).
    bodyModel.hidden = 0;
    library = fieldLibrary;
    if (controlMode == kControlFree) bodyModel.frame = 0;
    bodyCollider.Update(*library);
    bodyCollider.UpdateSphere();
    for (auto& dart : darts) dart->Ground();
    viewBeforeAim_.reset();  // the view of a field left behind
    menu.Bind(*library, record, [this] { PlaySelectionTick(); });
}

void Personal::SetSpawn(float spawnYaw, const glm::vec3& spawnPosition) {
    record.spawnYaw = spawnYaw;
    record.spawnPos = spawnPosition;
}

void Personal::PlaceBody() {
    bodyModel.root.position = Position() - glm::vec3(0, kBodyDrop, 0);
    bodyModel.root.rotation = bodyCollider.rotation;
}

void Personal::PreUpdate() {
    bodyModel.itemShown = record.itemHeld[kHeldPropItem] != 0 ? 1 : 0;
    switch (controlMode) {
        case kControlHeld:
            PlaceBody();
            followPoint = Position();
            actionPressed = library->input.Button(BUTTON_ACTION).Pressed() ? 1 : 0;
            UpdateSubReleased();
            break;
        case kControlFree:
            FreeStep();
            break;
        case kControlMenu:
            // The world shows behind the menu as it was left: the body holds its pose.
            MenuStep();
            return;
        case kControlCaught:
            bodyModel.frame = 0;
            motion = gt_Model::kMotionRest;
            aiming = 0;
            break;
        default:
            break;
    }
    PoseBody();
}

void Personal::PoseBody() {
    // The held light stays in hand and lit while aiming (the mirror still shows it); only its
    // direction is then the aim's, set by the aim itself.
    bodyModel.lightShown = record.hasLight != 0 ? 1 : 0;
    bodyModel.lightOn = aiming == 0 ? 1 : 0;
    bodyModel.MotType = motion;
    bodyModel.Update(*library);
    if (bodyModel.lightShown == 0) return;
    FieldLighting& lighting = library->effect.lighting;
    lighting.spotPositionW = bodyModel.spot.positionW;
    lighting.spotDirectionW = bodyModel.spot.directionW;
    if (aiming != 0) return;
    lighting.spotPosition = bodyModel.spot.position;
    lighting.spotTarget = bodyModel.spot.target;
}

void Personal::UpdateSubReleased() {
    subReleased = 0;
    if (library->input.Button(BUTTON_SUB).Held()) {
        subLatch = 1;
        return;
    }
    if (subLatch == 1) subReleased = 1;
    subLatch = 0;
}

void Personal::FreeStep() {
    Input& input = library->input;
    if (input.Button(BUTTON_SUB).Held() && record.hasDarts != 0) {
        if (aiming == 0) StartAim();
        input.SetCapture(true);  // again after the window took it away
        return;
    }
    if (aiming != 0) EndAim();
    if (input.state.captured != 0) input.ReleaseCapture();
    actionPressed = input.Button(BUTTON_ACTION).Pressed() ? 1 : 0;
    subReleased = 0;
    if (input.Button(BUTTON_MENU).Pressed()) {
        Click(kConfirmClick[0], kConfirmClick[1]);
        controlMode = kControlMenu;
    }
    Walk();
    PlaceBody();
    if (motion == gt_Model::kMotionWalk) {
        footstepSound.position = Position();
        footstepSound.Play();
    }
    pitch = 0;
    yawOffset = 0;
}

void Personal::StartAim() {
    const Camera& camera = library->effect.camera;
    viewBeforeAim_ = AimView{camera.eye, camera.at};
    aiming = 1;
}

void Personal::EndAim() {
    aiming = 0;
    // Back to the field's view before walking on, and the held keys retake their direction from
    // it: the field's camera runs only after this step, so the first free frame would otherwise
    // walk along the aim's first-person view.
    if (viewBeforeAim_) {
        Camera& camera = library->effect.camera;
        camera.eye = viewBeforeAim_->eye;
        camera.at = viewBeforeAim_->at;
        viewBeforeAim_.reset();
    }
    lastKeyCode = 0;
}

void Personal::Walk() {
    const Input& input = library->input;
    const glm::vec3 right(walkDir.z, 0, -walkDir.x);
    glm::vec3 move(0.0f);
    int32_t keyCode = 0;
    if (input.Button(BUTTON_UP).Held()) {
        move = walkDir;
        keyCode = kCodeUp;
    } else if (input.Button(BUTTON_DOWN).Held()) {
        move = -walkDir;
        keyCode = kCodeDown;
    }
    if (input.Button(BUTTON_RIGHT).Held()) {
        move += right;
        keyCode += kCodeRight;
    } else if (input.Button(BUTTON_LEFT).Held()) {
        move -= right;
        keyCode += kCodeLeft;
    }
    // Free, the body walks or stands: letting go of the keys ends the walk and its footsteps, and
    // a throw or an event's motion left running ends too.
    motion = keyCode != 0 ? gt_Model::kMotionWalk : gt_Model::kMotionRest;
    // The direction is taken from the view only when the keys change, so a camera cut while the
    // same keys stay held does not turn the walk round.
    if (keyCode != lastKeyCode) {
        const Camera& camera = library->effect.camera;
        walkDir = SafeNormalise({camera.at.x - camera.eye.x, 0, camera.at.z - camera.eye.z});
    }
    lastKeyCode = keyCode;
    followPoint += SafeNormalise(move) * kFollowStep;

    const glm::vec3 toFollow(followPoint.x - Position().x, 0, followPoint.z - Position().z);
    const float squareDistance = toFollow.x * toFollow.x + toFollow.z * toFollow.z;
    const glm::vec3 pull = SafeNormalise(toFollow);
    if (squareDistance > kTurnThreshold) Yaw() = FacingOf(pull);
    velocity = pull * squareDistance * kPullFactor;
    followPoint -= velocity;
}

void Personal::Click(float fadeStep, float volume) {
    clickSound.fadeStep = fadeStep;
    clickSound.volume = volume;
    clickSound.FadeOutAndRewind(0);
    clickSound.Play();
}

void Personal::MenuStep() {
    Input& input = library->input;
    actionPressed = input.Button(BUTTON_ACTION).Pressed() ? 1 : 0;
    UpdateSubReleased();
    const bool menuKey = input.Button(BUTTON_MENU).Pressed();
    // A save made from the menu restores this spot.
    SetSpawn(Yaw(), Position());
    if (input.state.menuSaved == 0) {
        input.state.menuSaved = 1;
        input.state.savedCapture = input.state.captured;
        input.ReleaseCapture();
        menu.Open();
    }
    menu.showing = 1;
    const PauseMenu::Result result = menu.Step(menuKey, actionPressed != 0, subReleased != 0);
    if (actionPressed != 0) {
        Click(kConfirmClick[0], kConfirmClick[1]);
    } else if (menuKey || subReleased != 0) {
        Click(kBackClick[0], kBackClick[1]);
    }
    if (result == PauseMenu::kClose || menuKey) {
        CloseMenu();
        controlMode = kControlFree;
    } else if (result == PauseMenu::kReturnToTitle) {
        // The scene frame sees the request while the world is still held and starts the title.
        returnToTitle = 1;
        CloseMenu();
    }
}

void Personal::CloseMenu() {
    Input& input = library->input;
    input.SetCapture(input.state.savedCapture != 0);
    input.state.menuSaved = 0;
    menu.Close();
}

void Personal::Move(std::span<CollObj* const> colliders) {
    const glm::vec3 ground = SafeNormalise(pushSum);
    if (ground.y > kStandingNormal) {
        velocity.y = 0;
    } else if (aiming == 0) {
        velocity.y = -kFallPerFrame;
    }
    pushSum = glm::vec3(0.0f);
    Position() += velocity;
    bodyCollider.Update(*library);
    bodyCollider.UpdateSphere();

    CollisionTable& table = library->collision;
    OBB& sphere = bodyCollider.collider;
    for (CollObj* collider : colliders) collider->hitState = HIT_NONE;
    for (CollObj* collider : colliders) {
        if (table.Test(sphere, *collider) == 0) continue;
        collider->hitState = HIT_BY_PLAYER;
        if (collider->kind != KIND_SOLID) continue;
        const glm::vec3 push(sphere.push[0], sphere.push[1], sphere.push[2]);
        Position() += push;
        pushSum += push;
        // Later shapes see the corrected sphere: where two solid pieces meet flush, the second
        // must not push out of an overlap the first has already resolved.
        for (int i = 0; i < 3; ++i) sphere.centre[i] += push[i];
    }
    velocity = glm::vec3(0.0f);
    for (auto& dart : darts) dart->Fly(colliders, table, *library);
    if (throwCooldown < kThrowCooldownFrames) ++throwCooldown;
}

void Personal::Aim() {
    motion = gt_Model::kMotionRest;
    const Input& input = library->input;
    const platform::Point delta = input.state.delta;
    float across = 0;
    float upDown = 0;
    if (input.state.captured != 0) {
        across = static_cast<float>(std::min(std::abs(delta.x), kLookPixelLimit)) * kLookPerPixel;
        upDown = static_cast<float>(std::min(std::abs(delta.y), kLookPixelLimit)) * kLookPerPixel;
    }
    if (delta.y < 0) {
        pitch -= upDown;
        lastKeyCode = kCodeUp;
    } else if (delta.y > 0) {
        pitch += upDown;
        lastKeyCode = kCodeDown;
    }
    if (delta.x >= 1) {
        yawOffset += across;
        lastKeyCode = kCodeRight;
    } else if (delta.x < 0) {
        yawOffset -= across;
        lastKeyCode = kCodeLeft;
    }

    // Limited before use: past straight up or down the view would turn over and throw backwards.
    pitch = std::clamp(pitch, -kPitchLimit, kPitchLimit);
    // Within (0, 360], by whole turns: snapping to a bound would jump the view by the overshoot.
    if (yawOffset > 360) {
        yawOffset -= 360;
    } else if (yawOffset <= 0) {
        yawOffset += 360;
    }
    const glm::mat4 turn =
        PlacementMatrix(glm::vec3(0.0f), glm::vec3(1.0f), {pitch, Yaw() + yawOffset, 0.0f});
    const glm::vec3 ahead(turn * glm::vec4(0, 0, kAimReach, 0));
    Camera& camera = library->effect.camera;
    camera.eye = Position() + glm::vec3(0, kEyeHeight, 0);
    camera.at = camera.eye + ahead;

    const glm::vec3 view = SafeNormalise(camera.at - camera.eye);
    followPoint = {Position().x + view.x * kAimLead, Position().y,
                   Position().z + view.z * kAimLead};
    bodyModel.root.rotation.y = FacingOf(view);
    if (record.hasLight != 0) {
        library->effect.lighting.spotPosition = camera.eye;
        library->effect.lighting.spotTarget = camera.at;
    }
    Throw(camera.eye, camera.at);
    if (throwCooldown < kThrowCooldownFrames) motion = gt_Model::kMotionThrow;
}

void Personal::Throw(const glm::vec3& eye, const glm::vec3& at) {
    if (throwCooldown < kThrowCooldownFrames) return;
    if (!library->input.Button(BUTTON_ACTION).Held()) {
        fireLatch = 0;
        return;
    }
    if (fireLatch != 0) return;
    if (nextDart < 0 || static_cast<size_t>(nextDart) >= darts.size()) nextDart = 0;
    Dart& dart = *darts[static_cast<size_t>(nextDart)];
    if (dart.flying != 0) return;
    dart.Launch(eye, SafeNormalise(at - eye));
    if (++record.throwCount >= kThrowAchievementCount) library->steamworks.Award(kThrowAchievement);
    ++nextDart;
    throwCooldown = 0;
    fireLatch = 1;
}

void Personal::AttachLastDart(const glm::mat4& target) {
    const size_t last = nextDart > 0 ? static_cast<size_t>(nextDart - 1) : darts.size() - 1;
    if (last < darts.size()) darts[last]->Attach(target);
}

void Personal::Draw3D() {
    CEffect& effect = library->effect;
    const bool shadowPass = effect.inShadowPass == 1;
    if (shadowPass && controlMode == kControlFree && aiming != 0) Aim();
    // Seen from its own eyes the body is not drawn, but the mirror still shows it.
    if (aiming != 0 && effect.inMirrorPass == 0) {
        bodyModel.UpdateHeld(*library);
    } else {
        bodyModel.DrawRig(*library, shadowPass);
    }
    for (auto& dart : darts) dart->Draw(*library, shadowPass);
}

void Personal::PlaySelectionTick() {
    for (CObjSound& tick : stepSounds) {
        const SVoice* voice = tick.GetVoice();
        if (voice != nullptr &&
            (voice->Phase() == kVoicePlaying || voice->Phase() == kVoiceFadingIn)) {
            continue;
        }
        tick.volume = 0.5f;
        tick.filter.frequency = 0.1f;
        tick.Play();
        return;
    }
}

void Personal::PlayConfirmClick() {
    Click(kConfirmClick[0], kConfirmClick[1]);
}
