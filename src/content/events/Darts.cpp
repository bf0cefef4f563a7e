#include "content/events/Darts.h"

#include <utility>

#include "content/Services.h"
#include "content/events/Blocks.h"
#include "content/events/Examine.h"
#include "levels/GuestRooms.h"
#include "library/AssetNames.h"
#include "library/Format.h"
#include "scene/Personal.h"
#include "world/Placement.h"

namespace Ev {
namespace {

// Both events work in the frame of the board's nail: x along the wall, y up, the room towards -z.

constexpr int32_t kDartModel = AssetRow("darts.x");
constexpr float kDartScale = 0.15f;  // world units to one of the model's
// The dart left in the board: just off the bull, its tip in the face, its tail low, as a dart
// thrown from below stands.
constexpr glm::vec3 kPinAt{0.03f, -0.175f, -0.023f}, kPinTurn{8, 180, 0};

// The shelf beside the board, at a reach the player's hand comes to, and the case on it.
constexpr glm::vec3 kShelfAt{-0.75f, -0.62f, -0.08f}, kShelfSize{0.5f, 0.025f, 0.16f};
constexpr glm::vec4 kShelfColour{0.32f, 0.2f, 0.11f, 1.0f};
constexpr glm::vec3 kCaseAt{-0.75f, -0.59f, -0.08f}, kCaseSize{0.2f, 0.035f, 0.09f};
constexpr glm::vec4 kCaseColour{0.36f, 0.06f, 0.05f, 1.0f};
// The darts lie on the case along the wall, side by side, each turned a little its own way.
constexpr float kDartsLieAt = -0.5655f, kDartsStartAt = -0.81f;
constexpr float kDartRows[] = {-0.105f, -0.08f, -0.055f};
constexpr float kDartYaws[] = {88, 93, 90};
// Small enough to miss: the darts catch the light.
constexpr glm::vec3 kGlint{1.0f, 0.85f, 0.55f};
constexpr float kGlintStrength = 1.0f;
// The dart's glow once the board is back, and the colour it takes.
constexpr glm::vec3 kGlowColour{0.25f, 0.7f, 1.0f};
constexpr float kGlowStrength = 1.5f;

// Where each event is examined from, standing on the floor: before the shelf and the board, and
// below the nail where the board comes to lie.
constexpr glm::vec3 kShelfReachAt{-0.4f, 0, -0.5f}, kShelfReachSize{1.7f, 2.0f, 1.0f};
constexpr glm::vec3 kFloorReachAt{0, 0, -0.5f}, kFloorReachSize{1.0f, 2.0f, 1.0f};

// The items of the puzzle in the inventory.
constexpr size_t kDartsItem = 0, kBoardItem = 2, kGlowingDartItem = 3;
constexpr int32_t kDartsAward = 6, kBoardStruckAward = 3;

// The board's fall: it swings on its nail, slips off it at kSlipFrame and lands at kLandFrame,
// face up at the foot of the wall.
constexpr int32_t kSlipFrame = 30, kLandFrame = 60;
// The question's lines: taking the board leads to the line that says it is taken; leaving it
// closes the box.
constexpr int32_t kTakenLine = 1, kLeftLine = 2;

// The field placed `placed` at the nail; from now on it hangs from `mount`, which keeps that
// place, at the mount's origin. The reach stands on the room's floor. Returns the floor's height
// in the mount's frame.
float Remount(CObjMesh& placed, glm::mat4& mount, CObjMesh& reach) {
    const float floor = level::kTatamiTop - placed.position.y;
    mount = PlacementMatrix(placed.position, glm::vec3(1.0f), placed.rotation);
    placed.parent = &mount;
    placed.position = glm::vec3(0.0f);
    placed.rotation = glm::vec3(0.0f);
    reach.position.y = floor + reach.scale.y / 2;
    return floor;
}

void StickInBoard(CObjMesh& pin, const CObjMesh& board) {
    pin.modelIndex = kDartModel;
    pin.parent = &board.world;
    pin.position = kPinAt;
    pin.rotation = kPinTurn;
    pin.scale = glm::vec3(kDartScale);
}

void MakeReach(CObjMesh& trigger, const glm::mat4& mount, const glm::vec3& at,
               const glm::vec3& size) {
    MakeTrigger(trigger);
    trigger.parent = &mount;
    trigger.position = at;
    trigger.scale = size;
}

}  // namespace

Darts::Darts() : tick_(AssetRow("step2.wav")) {
    board.modelIndex = AssetRow("dartsbord.x");
    board.hidden = 1;
    shelf.modelIndex = kCubeModel;
    shelf.parent = &mount_;
    shelf.position = kShelfAt;
    shelf.scale = kShelfSize;
    shelf.colour = kShelfColour;
    dartCase.modelIndex = kCubeModel;
    dartCase.parent = &mount_;
    dartCase.position = kCaseAt;
    dartCase.scale = kCaseSize;
    dartCase.colour = kCaseColour;
    for (size_t i = 0; i < darts.size(); ++i) {
        CObjMesh& dart = darts[i];
        dart.modelIndex = kDartModel;
        dart.parent = &mount_;
        dart.position = {kDartsStartAt, kDartsLieAt, kDartRows[i]};
        dart.rotation = {0, kDartYaws[i], 0};
        dart.scale = glm::vec3(kDartScale);
        dart.emissive = kGlint;
        dart.emissiveIntensity = kGlintStrength;
    }
    StickInBoard(pin, board);
    pin.emissive = kGlowColour;
    MakeReach(trigger, mount_, kShelfReachAt, kShelfReachSize);
    meshes = {&board, &shelf, &dartCase};
    for (CObjMesh& dart : darts) meshes.push_back(&dart);
    meshes.push_back(&pin);
    meshes.push_back(&trigger);
    sounds.push_back(&tick_);
    taken_.AddLine(u"Ev_Guest_Room_6");
    hungBack_.AddLine(u"Ev_Guest_Room_7");
    glowing_.AddLine(u"Ev_Guest_Room_8");
    for (TextBox* box : {&taken_, &hungBack_, &glowing_}) box->Register(*this);
}

void Darts::Init(Personal*, MyLibrary*) {
    Remount(board, mount_, trigger);
    Pose();
}

bool Darts::BoardHungBack() const {
    const SaveRecord& record = player->record;
    return record.dartsboardTaken != 0 && record.itemHeld[kBoardItem] == 0;
}

void Darts::Update() {
    SaveRecord& record = player->record;
    if (Examined(trigger, *player)) {
        if (record.hasDarts == 0) {
            PlayPickupCue(*player);
            Show(taken_, *player);
            content::Services(*library).Award(kDartsAward);
        } else if (record.dartsboardTaken != 0 && record.itemHeld[kBoardItem] != 0) {
            Show(hungBack_, *player);
        } else if (record.dartsState != 0 && record.dartsFinished == 0) {
            PlayPickupCue(*player);
            Show(glowing_, *player);
        }
    }
    if (Finished(taken_, *this)) {
        record.hasDarts = 1;
        record.itemHeld[kDartsItem] = 1;
    }
    if (Finished(hungBack_, *this)) record.itemHeld[kBoardItem] = 0;
    if (Finished(glowing_, *this)) {
        record.itemHeld[kDartsItem] = 0;
        record.dartsFinished = 1;
        record.itemHeld[kGlowingDartItem] = 1;
    }
    if (BoardHungBack() && record.dartsState == 0) Glow();
    Pose();
}

// The board back on its nail: the dart in it comes alight over kGlowFrames, ticking.
void Darts::Glow() {
    PlayAt(tick_, glm::vec3(pin.world[3]));
    if (++glowFrame_ >= kGlowFrames) player->record.dartsState = 1;
}

// What shows follows the record; a box that is open still shows what it speaks of.
void Darts::Pose() {
    const SaveRecord& record = player->record;
    for (CObjMesh& dart : darts) dart.hidden = record.hasDarts != 0 && !taken_.IsOpen();
    board.hidden = BoardHungBack() || hungBack_.IsOpen() ? 0 : 1;
    pin.hidden = board.hidden != 0 || (record.dartsFinished != 0 && !glowing_.IsOpen()) ? 1 : 0;
    const float glow = record.dartsState != 0 ? 1.0f : static_cast<float>(glowFrame_) / kGlowFrames;
    pin.emissiveIntensity = glow * kGlowStrength;
}

std::u16string Darts::DebugText(const std::u16string& text) const {
    return FormatText(u"%s\nglow = %d\n", text + Name(), glowFrame_);
}

Dartsbord::Dartsbord() : tick_(AssetRow("step2.wav")) {
    board.modelIndex = AssetRow("dartsbord.x");
    board.collider.type = COLL_OBB;
    board.collider.kind = KIND_DART_STOPPER;
    StickInBoard(pin, board);
    MakeReach(trigger, mount_, kFloorReachAt, kFloorReachSize);
    meshes.push_back(&board);
    meshes.push_back(&pin);
    meshes.push_back(&trigger);
    sounds.push_back(&tick_);
    // Two short swings against the wall, the slip, then the fall, turning face up as it goes.
    constexpr std::pair<int32_t, float> kTilt[] = {{0, 0},   {5, 22},  {11, 3},  {17, 13},
                                                   {23, 2},  {28, 7},  {30, 5},  {40, 25},
                                                   {50, 60}, {60, 90}, {120, 90}};
    for (const auto& [frame, degrees] : kTilt) tilt_.Add(frame, degrees);
    // Falling, it gathers speed.
    constexpr std::pair<int32_t, float> kDrop[] = {
        {0, 0}, {kSlipFrame, 0}, {40, 0.11f}, {50, 0.45f}, {56, 0.75f}, {kLandFrame, 1}, {120, 1}};
    for (const auto& [frame, share] : kDrop) drop_.Add(frame, share);
    question_.AddQuestion(u"Ev_Guest_Room_9", kTakenLine, kLeftLine);
    question_.AddLine(u"Ev_Guest_Room_10");
    question_.Register(*this);
}

void Dartsbord::Init(Personal* player, MyLibrary*) {
    floor_ = Remount(board, mount_, trigger);
    // Struck on an earlier visit: it lies where it fell, the dart still in it.
    if (player->record.dartsboardState != 0) {
        fallFrame_ = kFallFrames + 1;
        Fall();
    } else {
        pin.hidden = 1;
    }
}

void Dartsbord::Update() {
    SaveRecord& record = player->record;
    switch (record.dartsboardState) {
        case 0:
            if (board.collider.hitState == HIT_BY_DART) {
                player->AttachLastDart(board.world);
                record.dartsboardState = 1;
                content::Services(*library).Award(kBoardStruckAward);
            }
            break;
        case 1:
            ++fallFrame_;
            if (fallFrame_ == kSlipFrame || fallFrame_ == kLandFrame) {
                PlayAt(tick_, glm::vec3(board.world[3]));
            }
            Fall();
            board.Update(*library);
            board.UpdateBox();
            if (fallFrame_ > kFallFrames) record.dartsboardState = 2;
            break;
        case 2:
            if (Examined(trigger, *player)) Show(question_, *player);
            break;
    }
    Finished(question_, *this);
    if (question_.IsOpen() && question_.lineIndex == kTakenLine && record.dartsboardTaken == 0) {
        Take();
    }
    board.hidden = record.dartsboardTaken != 0 && !question_.IsOpen() ? 1 : 0;
    if (board.hidden != 0) pin.hidden = 1;
}

void Dartsbord::Fall() {
    board.rotation.x = tilt_.Value(fallFrame_);
    board.position.y = drop_.Value(fallFrame_) * floor_;
}

// The board goes into the player's hands, with the dart that struck it.
void Dartsbord::Take() {
    SaveRecord& record = player->record;
    PlayPickupCue(*player);
    record.dartsboardTaken = 1;
    record.itemHeld[kBoardItem] = 1;
    record.dartsboardState = 3;
    board.collider.kind = KIND_SENSOR;
    for (auto& dart : player->darts) {
        if (dart->AttachedTo(board.world)) dart->Ground();
    }
}

std::u16string Dartsbord::DebugText(const std::u16string& text) const {
    return FormatText(u"%s\nfall = %d\n", text + Name(), fallFrame_);
}

}  // namespace Ev
