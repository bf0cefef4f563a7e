#include "content/fields/FieldFactory.h"

#include "content/fields/Baths.h"
#include "content/fields/Exits.h"
#include "content/fields/F3.h"
#include "content/fields/Gameover.h"
#include "content/fields/GuestRooms.h"
#include "content/fields/Intro.h"
#include "content/fields/Lobby.h"
#include "content/fields/Outdoor.h"
#include "content/fields/SmallRooms.h"
#include "content/fields/TestRoom.h"
#include "content/fields/Title.h"
#include "content/fields/UpstairsRooms.h"
#include "scene/Personal.h"

namespace {

template <typename T>
std::unique_ptr<Scene> Make() {
    return std::make_unique<T>();
}

struct FieldRow {
    FieldId id;
    std::unique_ptr<Scene> (*make)();
    int32_t stage;  // a story stage at which the player can be in the field
};

constexpr FieldRow kFields[] = {
    {FieldId::TestRoom, Make<Fld::TestRoom>, Fld::TestRoom::kStoryStage},
    {FieldId::Soto, Make<Fld::Soto>, 3},
    {FieldId::Lobby, Make<Fld::Lobby>, 3},
    {FieldId::LobbyRestRoom, Make<Fld::LobbyRestRoom>, 3},
    {FieldId::Staff_Room, Make<Fld::Staff_Room>, 15},
    {FieldId::Dining_Room, Make<Fld::Dining_Room>, 3},
    {FieldId::Rest_Men, Make<Fld::Rest_Men>, 8},
    {FieldId::Rest_Women, Make<Fld::Rest_Women>, 8},
    {FieldId::F3, Make<Fld::F3>, 12},
    {FieldId::Roof_Kai, Make<Fld::Roof_Kai>, 9},
    {FieldId::Roof_Top, Make<Fld::Roof_Top>, 10},
    {FieldId::Sandou, Make<Fld::Sandou>, 3},
    {FieldId::Guest_Room, Make<Fld::Guest_Room>, 3},
    {FieldId::Guest_Bath, Make<Fld::Guest_Bath>, 5},
    {FieldId::Fld_201, Make<Fld::Fld_201>, 10},
    {FieldId::Fld_201_Bath, Make<Fld::Fld_201_Bath>, 10},
    {FieldId::Fld_202, Make<Fld::Fld_202>, 12},
    {FieldId::Fld_203, Make<Fld::Fld_203>, 17},
    {FieldId::SecretRoom, Make<Fld::SecretRoom>, 23},
    {FieldId::Bath_Pass, Make<Fld::Bath_Pass>, 3},
    {FieldId::Bath_Datui_Man, Make<Fld::Bath_Datui_Man>, 3},
    {FieldId::Bath_Datui_Woman, Make<Fld::Bath_Datui_Woman>, 3},
    {FieldId::Bath_Room_Man, Make<Fld::Bath_Room_Man>, 3},
    {FieldId::Bath_Room_Woman, Make<Fld::Bath_Room_Woman>, 3},
};

const FieldRow* RowOf(FieldId id) {
    for (const FieldRow& row : kFields) {
        if (row.id == id) return &row;
    }
    return nullptr;
}

}  // namespace

std::unique_ptr<Scene> MakeTitle() {
    return std::make_unique<Fld::Title>();
}

std::unique_ptr<Scene> MakeIntro() {
    return std::make_unique<Fld::Intro>();
}

std::unique_ptr<Scene> MakeGameover() {
    return std::make_unique<Fld::Gameover>();
}

std::unique_ptr<Scene> MakeField(int32_t number) {
    if (number < 0 || number >= static_cast<int32_t>(FieldId::SecretRoom)) return nullptr;
    return MakeFieldOf(static_cast<FieldId>(number));
}

std::unique_ptr<Scene> MakeFieldOf(FieldId id) {
    const FieldRow* row = RowOf(id);
    return row ? row->make() : nullptr;
}

void ChangeField(Scene& field, std::unique_ptr<Scene> next, float yaw, const glm::vec3& spawn) {
    if (!next) return;
    field.player->SetSpawn(yaw, spawn);
    field.parent->AddChild(std::move(next));
}

FieldStart StartOf(FieldId id) {
    const FieldRow* row = RowOf(id);
    const int32_t stage = row ? row->stage : 0;
    if (id == FieldId::TestRoom) return {stage, 90.0f, {0, 0, 0}};
    for (const ExitRow& exit : ExitTable()) {
        if (exit.to == id) return {stage, exit.yaw, exit.spawn};
    }
    return {stage, 0.0f, {0, 0, 0}};
}
