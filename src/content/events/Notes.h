#pragma once
// Notes, signs and things to look at: examined, each shows its lines, and some award an
// achievement once read to the end. A few show other lines once the story has moved on. One row
// each in a table; the classes the fields create are the table's rows.
#include <array>
#include <cstdint>

#include "library/SteamworksHelper.h"
#include "library/TextBox.h"
#include "scene/Scene.h"
#include "world/CObjMesh.h"
#include "world/CObjParticl.h"
#include "world/CObjSound.h"

namespace Ev {

// The text keys of one box, in order; unused entries are null.
using NoteLines = std::array<const char16_t*, 8>;

// What switches a note to its later lines.
enum class NoteLater : uint8_t { Never, FromStage, KeyTaken };

struct NoteRow {
    const char16_t* name;
    NoteLines lines;
    NoteLines laterLines;
    NoteLater later;
    int32_t laterValue;   // the stage, or the key
    int32_t achievement;  // awarded when read to the end; -1 none
    int32_t sound;        // catalogue row played at the trigger when examined; -1 none
    int32_t AwardCounters::*readFlag = nullptr;  // set once read to the end, for later awards
};

class Note : public Scene {
  public:
    void Update() override;
    const char16_t* Name() const override { return row_.name; }

    CObjMesh trigger;  // placed and sized by the field

  protected:
    explicit Note(const NoteRow& row);

  private:
    bool Later() const;

    const NoteRow& row_;
    TextBox box_;
    TextBox laterBox_;
    CObjSound sound_;
};

namespace note {
extern const NoteRow kParticl, kDesk, kMasterDesk, kDustMemo, kToileMemo, kDoorText,
    kRest_Women_Text, kF3_Zihanki, kTV, kTel, kTutorial, kF3_EXIT, kBathDoor202;
}  // namespace note

template <const NoteRow& row>
class NoteOf final : public Note {
  public:
    NoteOf() : Note(row) {}
};

using Desk = NoteOf<note::kDesk>;                        // a desk of the staff room
using MasterDesk = NoteOf<note::kMasterDesk>;            // the innkeeper's desk and diary
using DustMemo = NoteOf<note::kDustMemo>;                // a crumpled note in a bin
using ToileMemo = NoteOf<note::kToileMemo>;              // the scrawl in the men's toilet
using DoorText = NoteOf<note::kDoorText>;                // the notice inside the guest room door
using Rest_Women_Text = NoteOf<note::kRest_Women_Text>;  // the writing on the mirror
using F3_Zihanki = NoteOf<note::kF3_Zihanki>;            // the vending machine upstairs
using TV = NoteOf<note::kTV>;                            // a television showing snow
using Tel = NoteOf<note::kTel>;                          // the guest room's house telephone
using Tutorial = NoteOf<note::kTutorial>;                // the inn's notice on the controls
using F3_EXIT = NoteOf<note::kF3_EXIT>;                  // an emergency exit, barred
using BathDoor202 = NoteOf<note::kBathDoor202>;          // a locked bathroom door

// The note on the guest room's door post, where a charm was torn off. With the safe's charm in
// hand the charm goes back up, and what walks the corridor can no longer come in: the way out
// opens.
class F2_DoorText final : public Scene {
  public:
    F2_DoorText();
    void Update() override;
    const char16_t* Name() const override { return u"F2_DoorText"; }

    CObjMesh trigger;  // placed and sized by the field

  private:
    TextBox torn_;
    TextBox putBack_;
};

// The staff room's whiteboard: tonight's plan, the guest's room written down for the master of the
// swamp. Wiping it out is more than the ghost allows: it ends in the game-over field.
class WhiteBord final : public Scene {
  public:
    WhiteBord();
    void Update() override;
    const char16_t* Name() const override { return u"WhiteBord"; }

    CObjMesh trigger;  // placed and sized by the field

  private:
    TextBox board_;
    CObjSound scare_;
    bool wiped_ = false;
    int32_t scareFrames_ = -1;  // counts the scare once the board has been wiped; -1 before
};

// A glimmer hanging in the air, gone as soon as it is looked at closely.
class Particl final : public Note {
  public:
    Particl();
    void Update() override;

    CObjParticl glimmer;
};

}  // namespace Ev
