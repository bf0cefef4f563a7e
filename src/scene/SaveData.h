#pragma once
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

#include <glm/vec3.hpp>

// The settings file and the saved games. Both are raw little-endian images of the fixed records
// below, written and read whole, with no header, version or checksum: the layouts are the file
// formats and must not change.

static_assert(std::endian::native == std::endian::little, "the records are little-endian images");

// The settings file "SystemData.sav" (28 bytes). Default-constructed it holds the defaults.
struct SystemSettings {
    // Range of both option sliders (lightLevel, soundVolume).
    static constexpr float kLevelMin = 0.0f;
    static constexpr float kLevelMax = 4.0f;
    static constexpr int32_t kResolutionCount = 4;

    uint32_t firstClearTime = 0;  // play time in ms of the first completed game; 0 until then
    uint32_t bestClearTime = 0;   // shortest completed play time in ms; 0 until the first ending
    float lightLevel = 1.0f;      // option slider; the effect's third light factor is this + 4
    float soundVolume = 1.0f;     // option slider; the audio master volume
    int32_t resolutionIndex = 1;  // 0..kResolutionCount-1, row of the resolution table
    int32_t windowX = -1;         // window left at the last frame, screen pixels
    int32_t windowY = -1;         // window top at the last frame, screen pixels
};

static_assert(std::is_standard_layout_v<SystemSettings>);
static_assert(std::is_trivially_copyable_v<SystemSettings>);
static_assert(sizeof(SystemSettings) == 28);
static_assert(offsetof(SystemSettings, firstClearTime) == 0);
static_assert(offsetof(SystemSettings, bestClearTime) == 4);
static_assert(offsetof(SystemSettings, lightLevel) == 8);
static_assert(offsetof(SystemSettings, soundVolume) == 12);
static_assert(offsetof(SystemSettings, resolutionIndex) == 16);
static_assert(offsetof(SystemSettings, windowX) == 20);
static_assert(offsetof(SystemSettings, windowY) == 24);

// A saved game "SaveData<slot + 1>.sav" (248 bytes). This is also the live record in which the
// player keeps all progress while the game runs. Default-constructed it holds the new-game values
// (with startTime 0); use ResetRecord to start a game.
struct SaveRecord {
    static constexpr int kItemCount = 14;
    static constexpr int kKeyCount = 8;

    uint32_t startTime = 0;  // clock ms at the start of the current play span
    int32_t enemyFast = 0;   // enemy variant
    int32_t HitPoint = 5;    // enemy hit points
    int32_t EnemyMode = 0;   // enemy state
    float enemyYaw = 0.0f;   // degrees
    glm::vec3 enemyPos{0.0f, 0.35f, 0.0f};
    // Progress flags of the events.
    int32_t flagLobbyChair = 0;
    int32_t flagDiningInside = 0;
    int32_t dartsState = 0;
    int32_t dartsboardState = 0;
    int32_t lobbyRestRoomState = 0;
    // Inventory: non-zero lists item i; entries 5..12 are the keys 0..7.
    std::array<int32_t, kItemCount> itemHeld{};
    int32_t hasDarts = 0;  // aiming is allowed
    int32_t hasLight = 0;  // the hand-held light
    // Item flags of the events.
    int32_t dartsboardTaken = 0;
    int32_t dartsFinished = 0;
    int32_t safeOpened = 0;
    std::array<int32_t, kKeyCount> itemTaken{};  // key k was picked up once
    int32_t reserved160 = 0;
    uint32_t playTimeMs = 0;  // play time accumulated up to the last save
    // Local time of the last save, in std::tm order: sec, min, hour, mday, mon (0..11),
    // year - 1900, wday, yday, isdst. Kept by ResetRecord.
    std::array<int32_t, 9> saveTime{};
    float spawnYaw = 0.0f;  // degrees; facing at the next field entry
    int32_t currentField = 0;
    glm::vec3 spawnPos{0.0f};  // position at the next field entry
    int32_t fieldChangeMarker = 0;
    int32_t reserved228 = 0;
    int32_t storyStage = 0;                // story progress 0..24
    int32_t throwCount = 0;                // darts thrown
    int32_t deathCount = 0;                // times caught
    std::array<uint8_t, 4> reserved244{};  // kept by ResetRecord
};

static_assert(std::is_standard_layout_v<SaveRecord>);
static_assert(std::is_trivially_copyable_v<SaveRecord>);
static_assert(sizeof(SaveRecord) == 248);
static_assert(offsetof(SaveRecord, startTime) == 0);
static_assert(offsetof(SaveRecord, enemyFast) == 4);
static_assert(offsetof(SaveRecord, HitPoint) == 8);
static_assert(offsetof(SaveRecord, EnemyMode) == 12);
static_assert(offsetof(SaveRecord, enemyYaw) == 16);
static_assert(offsetof(SaveRecord, enemyPos) == 20);
static_assert(offsetof(SaveRecord, flagLobbyChair) == 32);
static_assert(offsetof(SaveRecord, flagDiningInside) == 36);
static_assert(offsetof(SaveRecord, dartsState) == 40);
static_assert(offsetof(SaveRecord, dartsboardState) == 44);
static_assert(offsetof(SaveRecord, lobbyRestRoomState) == 48);
static_assert(offsetof(SaveRecord, itemHeld) == 52);
static_assert(offsetof(SaveRecord, hasDarts) == 108);
static_assert(offsetof(SaveRecord, hasLight) == 112);
static_assert(offsetof(SaveRecord, dartsboardTaken) == 116);
static_assert(offsetof(SaveRecord, dartsFinished) == 120);
static_assert(offsetof(SaveRecord, safeOpened) == 124);
static_assert(offsetof(SaveRecord, itemTaken) == 128);
static_assert(offsetof(SaveRecord, reserved160) == 160);
static_assert(offsetof(SaveRecord, playTimeMs) == 164);
static_assert(offsetof(SaveRecord, saveTime) == 168);
static_assert(offsetof(SaveRecord, spawnYaw) == 204);
static_assert(offsetof(SaveRecord, currentField) == 208);
static_assert(offsetof(SaveRecord, spawnPos) == 212);
static_assert(offsetof(SaveRecord, fieldChangeMarker) == 224);
static_assert(offsetof(SaveRecord, reserved228) == 228);
static_assert(offsetof(SaveRecord, storyStage) == 232);
static_assert(offsetof(SaveRecord, throwCount) == 236);
static_assert(offsetof(SaveRecord, deathCount) == 240);
static_assert(offsetof(SaveRecord, reserved244) == 244);

// Save and load accept slots 0..kSaveSlotCount-1; slot n lives in "SaveData<n + 1>.sav".
inline constexpr int kSaveSlotCount = 4;

// Starts a new game: every field takes its default-constructed value and startTime := nowMs,
// except saveTime and reserved244, which keep what they held.
void ResetRecord(SaveRecord& record, uint32_t nowMs);

// Reads slot `slot` into `record` and starts a new play span (startTime := nowMs; playTimeMs is
// kept). False, with `record` untouched, when the slot is out of range or its file is missing,
// unreadable or not exactly one record long.
bool LoadSlot(SaveRecord& record, int slot, uint32_t nowMs);

// saveTime := localTime; the play span up to nowMs is added to playTimeMs and a new span starts.
void TakePlayTime(SaveRecord& record, uint32_t nowMs, const std::tm& localTime);

// Saves `record` into slot `slot`: saveTime := localTime, the play span up to nowMs is added to
// playTimeMs and a new span starts at nowMs. The file is replaced whole or not at all. On success
// `record` holds what was written; on failure (false) both `record` and the old file are untouched.
bool SaveSlot(SaveRecord& record, int slot, uint32_t nowMs, const std::tm& localTime);

// Reads the settings file into `settings`. Out-of-range values read take their defaults (see
// ParseSettings). False, with `settings` untouched, when the file is missing, unreadable or not
// exactly one record long (a short file is corrupt, so nothing of it is used).
bool ReadSettings(SystemSettings& settings);

// Replaces the settings file whole or not at all; false on failure.
bool WriteSettings(const SystemSettings& settings);

// Milliseconds of play as the game shows them: whole hours, then minutes and seconds (0..59).
struct PlayClock {
    uint32_t hours;
    uint32_t minutes;
    uint32_t seconds;
};
PlayClock ClockOf(uint32_t ms);

// The label of a filled slot: `format` (the text of key "FlagManager_0") filled with the save's
// year, month (1..12), day, hour, minute, second, then the play time as hours, minutes, seconds,
// then throwCount and deathCount, all integers. A format that does not fit them comes back as is.
std::u16string SlotLabel(const SaveRecord& record, std::u16string_view format);

// The file images, exposed so that every reader (the game, the tests, the fuzzer) parses the same
// way. A settings image has its non-finite levels and out-of-range resolutionIndex replaced by
// the defaults and finite levels clamped to the sliders' range. Nullopt when `bytes` is not
// exactly one record long.
std::optional<SystemSettings> ParseSettings(std::span<const std::byte> bytes);
std::optional<SaveRecord> ParseRecord(std::span<const std::byte> bytes);
