#include "content/events/Notes.h"

#include "content/Services.h"
#include "content/events/Examine.h"
#include "content/fields/FieldFactory.h"
#include "library/AssetNames.h"
#include "scene/Personal.h"

namespace Ev {
namespace {

constexpr int32_t kNone = -1;
constexpr int32_t kLockSound = AssetRow("keylock.wav");
constexpr int32_t kFireExtinguisherKey = 2;
constexpr size_t kCharmItem = 4;  // the charm from the guest room's safe
// The whiteboard's question leads past its last line, or (its second answer) to it.
constexpr int32_t kWipedLine = 2, kLeftAloneLine = 3;
constexpr int32_t kScareFrames = 60;  // from the scare to the game over
constexpr int32_t kWipedAward = 18;

void AddLines(TextBox& box, const NoteLines& lines) {
    for (const char16_t* key : lines) {
        if (key) box.AddLine(key);
    }
}

}  // namespace

namespace note {
using L = NoteLater;
// clang-format off
const NoteRow kParticl{u"Particl", {u"Event_1"}, {}, L::Never, 0, kNone, kNone};
const NoteRow kDesk{u"Desk", {u"Ev_Staff_Room_0"}, {}, L::Never, 0, kNone, kNone};
const NoteRow kMasterDesk{u"MasterDesk",
    {u"Ev_Staff_Room_5", u"Ev_Staff_Room_6", u"Ev_Staff_Room_7", u"Ev_Staff_Room_8", u"Ev_Staff_Room_9", u"Ev_Staff_Room_10"},
    {}, L::Never, 0, 23, kNone};
const NoteRow kDustMemo{u"DustMemo", {u"Ev_DustMemo_0", u"Ev_DustMemo_1"}, {}, L::Never, 0, 22, kNone};
const NoteRow kToileMemo{u"ToileMemo",
    {u"Ev_Rest_Men_0", u"Ev_Rest_Men_1", u"Ev_Rest_Men_2", u"Ev_Rest_Men_5", u"Ev_Rest_Men_6", u"Ev_Rest_Men_7", u"Ev_Rest_Men_8", u"Ev_Rest_Men_9"},
    {}, L::Never, 0, kNone, kNone, &AwardCounters::toiletNoteRead};
const NoteRow kDoorText{u"Text", {u"Ev_DoorText_0"}, {}, L::Never, 0, kNone, kNone};
const NoteRow kRest_Women_Text{u"Rest_Women_Text", {u"Ev_Rest_Women_Text_0"}, {}, L::Never, 0, kNone, kNone};
// The extinguisher stands beside the machine until it is taken.
const NoteRow kF3_Zihanki{u"Zihanki", {u"Ev_F31_1"}, {u"Ev_F31_2"}, L::KeyTaken, kFireExtinguisherKey, kNone, kNone};
const NoteRow kTV{u"TV", {u"Ev_Guest_Room1_14"}, {}, L::Never, 0, kNone, kNone};
// The line is dead until the bathroom door has opened by itself.
const NoteRow kTel{u"Tel", {u"Ev_Tel_0"}, {u"Ev_Tel_1"}, L::FromStage, 5, kNone, kNone};
const NoteRow kTutorial{u"Tutorial", {u"Ev_Tutorial_0", u"Ev_Tutorial_1", u"Ev_Tutorial_2"}, {}, L::Never, 0, 1, kNone};
const NoteRow kF3_EXIT{u"F3_EXIT", {u"Ev_F31_0"}, {}, L::Never, 0, kNone, kLockSound};
const NoteRow kBathDoor202{u"BathDoor202", {u"Ev_202_1"}, {}, L::Never, 0, kNone, kLockSound};
// clang-format on
}  // namespace note

Note::Note(const NoteRow& row) : row_(row), sound_(row.sound) {
    MakeTrigger(trigger);
    meshes.push_back(&trigger);
    if (row.sound != kNone) sounds.push_back(&sound_);
    AddLines(box_, row.lines);
    box_.Register(*this);
    if (row.later != NoteLater::Never) {
        AddLines(laterBox_, row.laterLines);
        laterBox_.Register(*this);
    }
}

bool Note::Later() const {
    const SaveRecord& record = player->record;
    switch (row_.later) {
        case NoteLater::Never:
            return false;
        case NoteLater::FromStage:
            return record.storyStage >= row_.laterValue;
        case NoteLater::KeyTaken:
            return record.itemTaken[static_cast<size_t>(row_.laterValue)] != 0;
    }
    return false;
}

void Note::Update() {
    if (Examined(trigger, *player)) {
        Show(Later() ? laterBox_ : box_, *player);
        if (row_.sound != kNone) PlayAt(sound_, trigger.position);
    }
    const bool read = Finished(box_, *this);
    if (row_.later != NoteLater::Never) Finished(laterBox_, *this);
    if (!read) return;
    const content::Services engine(*library);
    if (row_.achievement != kNone) engine.Award(row_.achievement);
    if (row_.readFlag) engine.Counters().*row_.readFlag = 1;
}

Particl::Particl() : Note(note::kParticl) {
    constexpr glm::vec3 kPale{0.6f, 0.75f, 1.0f};
    glimmer.textureIndex = AssetRow("fire.bmp");
    glimmer.colour = kPale;
    glimmer.growth = glm::vec3(0.6f);
    glimmer.speed = 0.4f;
    particles.push_back(&glimmer);
}

void Particl::Update() {
    glimmer.position = trigger.position;
    Note::Update();
}

F2_DoorText::F2_DoorText() {
    MakeTrigger(trigger);
    meshes.push_back(&trigger);
    torn_.AddLine(u"Ev_Guest_Room_2");
    torn_.AddLine(u"Ev_Guest_Room_3");
    putBack_.AddLine(u"Ev_Guest_Room_4");
    putBack_.AddLine(u"Ev_Guest_Room_5");
    torn_.Register(*this);
    putBack_.Register(*this);
}

void F2_DoorText::Update() {
    SaveRecord& record = player->record;
    const bool charmHeld = record.itemHeld[kCharmItem] != 0;
    const bool charmBack = record.safeOpened != 0 && !charmHeld;
    if (!charmBack && Examined(trigger, *player)) Show(charmHeld ? putBack_ : torn_, *player);
    Finished(torn_, *this);
    if (Finished(putBack_, *this)) record.itemHeld[kCharmItem] = 0;
}

WhiteBord::WhiteBord() : scare_(AssetRow("oop.wav")) {
    MakeTrigger(trigger);
    meshes.push_back(&trigger);
    sounds.push_back(&scare_);
    board_.AddLine(u"Ev_WhiteBord_0");
    board_.AddQuestion(u"Ev_WhiteBord_1", kLeftAloneLine, kWipedLine);
    board_.AddLine(u"Ev_WhiteBord_2");
    board_.Register(*this);
}

void WhiteBord::Update() {
    if (scareFrames_ >= 0) {
        player->controlMode = kControlHeld;
        if (++scareFrames_ < kScareFrames) return;
        content::Services(*library).Award(kWipedAward);
        player->SetSpawn(0, {0, 0, 0});
        parent->parent->AddChild(MakeGameover());
        scareFrames_ = -1;
        return;
    }
    if (Examined(trigger, *player)) {
        wiped_ = false;
        Show(board_, *player);
    }
    if (board_.IsOpen() && board_.lineIndex == kWipedLine) wiped_ = true;
    if (Finished(board_, *this) && wiped_) {
        PlayAt(scare_, trigger.position);
        scareFrames_ = 0;
    }
}

}  // namespace Ev
