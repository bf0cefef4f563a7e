#include "content/events/Furniture.h"

#include "content/Services.h"
#include "content/events/Examine.h"
#include "library/AssetNames.h"
#include "scene/Personal.h"

namespace Ev {
namespace {

constexpr int32_t kNone = -1;
// The counter at which a door leaves its frame or meets it again: the sounds play there.
constexpr int32_t kDoorMoves = 3;
// The reach in front of a cabinet within which it is examined; a door that shuts by itself does
// so once the player is out of it.
constexpr glm::vec3 kCabinetReach{0.9f, 1.2f, 0.8f};

constexpr int32_t kSafeStage = 8;  // the safe is shut fast before this stage
constexpr size_t kCharm = 4;       // the item kept in the safe

// The closet panel: its foot lies this far below the trigger's centre and this far behind it,
// and it slides this far along x to open, over kSlideFrames frames.
constexpr glm::vec3 kPanelOffset{0, -0.5f, 0.5f};
constexpr float kPanelSlide = -0.85f;
constexpr int32_t kSlideFrames = 29;
constexpr int32_t kSlideSoundAt = 15;  // the panel is halfway along its track
constexpr glm::vec3 kCloserOffset{-1.0f, 0, 0};

}  // namespace

namespace cabinet {
// The doors hang at the front left edge of their bodies, where the models' hinges are.
// clang-format off
const CabinetRow kReizouko{u"Reizouko", AssetRow("reizouko.x"), AssetRow("reizouko_door.x"),
                           {-0.21f, 0, -0.2f}, 48, 105.0f, 7, true};
const CabinetRow kKinko{u"Kinko", AssetRow("kinko.x"), AssetRow("kinko_door.x"),
                        {-0.22f, 0.02f, -0.21f}, 45, 100.0f, kNone, false};
// clang-format on
}  // namespace cabinet

Cabinet::Cabinet(const CabinetRow& row)
    : row_(row), openSound_(AssetRow("dooropen.wav")), closeSound_(AssetRow("doorclose.wav")) {
    body.modelIndex = row.bodyModel;
    body.collider.type = COLL_OBB;
    body.collider.kind = KIND_SOLID;
    door.modelIndex = row.doorModel;
    door.parent = &body.world;
    door.position = row.hinge;
    MakeTrigger(trigger);
    trigger.parent = &body.world;
    trigger.scale = kCabinetReach;
    trigger.position = {0, kCabinetReach.y / 2, row.hinge.z - kCabinetReach.z / 2};
    for (CObjMesh* part : {&body, &door, &trigger}) meshes.push_back(part);
    sounds.push_back(&openSound_);
    sounds.push_back(&closeSound_);
    // Still until the sound, swift out of the frame, slowing to rest wide open.
    angle_.Add(0, 0);
    angle_.Add(kDoorMoves, 0);
    angle_.Add(row.openFrames / 2, 0.75f * row.openAngle);
    angle_.Add(row.openFrames, row.openAngle);
    angle_.Add(row.openFrames + kDoorMoves * 4, row.openAngle);  // open, held past the loop
}

void Cabinet::OpenOrShow(TextBox& inside) {
    if (state_ == Swing::Closed) {
        state_ = Swing::Opening;
    } else if (state_ == Swing::Open) {
        Show(inside, *player);
    }
}

void Cabinet::SwingDoor() {
    const glm::vec3 at = body.position;
    switch (state_) {
        case Swing::Closed:
            break;
        case Swing::Opening:
            ++counter_;
            if (counter_ == kDoorMoves) {
                if (row_.achievement != kNone) content::Services(*library).Award(row_.achievement);
                PlayAt(openSound_, at);
            }
            if (counter_ > row_.openFrames) state_ = Swing::Open;
            break;
        case Swing::Open:
            if (row_.shutsWhenLeft && trigger.collider.hitState != HIT_BY_PLAYER) {
                state_ = Swing::Closing;
            }
            break;
        case Swing::Closing:
            --counter_;
            if (counter_ == kDoorMoves) PlayAt(closeSound_, at);
            if (counter_ < 1) state_ = Swing::Closed;
            break;
    }
    door.rotation.y = angle_.Value(counter_);
}

Reizouko::Reizouko() : Cabinet(cabinet::kReizouko) {
    inside_.AddLine(u"Ev_Guest_Room1_15");
    inside_.AddLine(u"Ev_Guest_Room1_16");
    inside_.Register(*this);
}

void Reizouko::Update() {
    if (Examined(trigger, *player)) OpenOrShow(inside_);
    SwingDoor();
    Finished(inside_, *this);
}

Kinko::Kinko() : Cabinet(cabinet::kKinko) {
    locked_.AddLine(u"Ev_Guest_Room1_11");
    locked_.Register(*this);
    inside_.AddLine(u"Ev_Guest_Room1_12");
    inside_.AddLine(u"Ev_Guest_Room1_13");
    inside_.Register(*this);
}

void Kinko::Update() {
    SaveRecord& record = player->record;
    if (Examined(trigger, *player)) {
        if (record.storyStage < kSafeStage) {
            Show(locked_, *player);
        } else if (record.safeOpened == 0) {
            OpenOrShow(inside_);
        }
    }
    SwingDoor();
    Finished(locked_, *this);
    if (Finished(inside_, *this)) {
        PlayPickupCue(*player);
        record.safeOpened = 1;
        record.itemHeld[kCharm] = 1;
    }
}

Memo::Memo() : sound_(AssetRow("sa.wav")) {
    MakeTrigger(trigger);
    MakeTrigger(closer);
    closer.parent = &trigger.world;
    closer.position = kCloserOffset;
    panel.modelIndex = AssetRow("husuma.x");
    panel.castsShadow = 0;
    panel.parent = &trigger.world;
    panel.position = kPanelOffset;
    for (CObjMesh* part : {&trigger, &closer, &panel}) meshes.push_back(part);
    sounds.push_back(&sound_);
    note_.AddLine(u"Ev_Guest_Room1_0");
    note_.AddLine(u"Ev_Guest_Room1_1");
    note_.AddLine(u"Ev_Guest_Room1_2");
    note_.AddLine(u"Ev_Guest_Room1_3");
    note_.AddLine(u"Ev_Guest_Room1_4");
    note_.Register(*this);
    slide_.Add(0, 0);
    slide_.Add(10, 0.6f * kPanelSlide);
    slide_.Add(20, kPanelSlide);
    slide_.Add(30, kPanelSlide);
}

void Memo::Update() {
    panel.position.x = slide_.Value(counter_);
    if (counter_ == kSlideSoundAt) PlayAt(sound_, glm::vec3(panel.world[3]));
    if (!open_) {
        if (counter_ > 0) --counter_;
        if (Examined(trigger, *player)) open_ = true;
    } else {
        if (counter_ < kSlideFrames) ++counter_;
        // Where the two reaches meet, the note is what the player came for.
        if (Examined(trigger, *player)) {
            Show(note_, *player);
        } else if (Examined(closer, *player)) {
            open_ = false;
        }
    }
    Finished(note_, *this);
}

}  // namespace Ev
