#include "SaveData.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "library/Format.h"
#include "scene/SaveFile.h"

namespace {

constexpr std::string_view kSettingsName = "SystemData";

bool IsSlot(int slot) {
    return slot >= 0 && slot < kSaveSlotCount;
}

std::filesystem::path SlotPath(int slot) {
    return SaveFolder("SaveData" + std::to_string(slot + 1));
}

template <typename Record>
std::optional<Record> FromBytes(std::span<const std::byte> bytes) {
    if (bytes.size() != sizeof(Record)) return std::nullopt;
    Record record;
    std::memcpy(&record, bytes.data(), sizeof(Record));
    return record;
}

template <typename Record>
std::span<const std::byte> AsBytes(const Record& record) {
    return std::as_bytes(std::span<const Record, 1>(&record, 1));
}

// A slider value from the file: its default when not a number, else within the slider's range.
float SliderLevel(float value, float fallback) {
    if (!std::isfinite(value)) return fallback;
    return std::clamp(value, SystemSettings::kLevelMin, SystemSettings::kLevelMax);
}

}  // namespace

void ResetRecord(SaveRecord& record, uint32_t nowMs) {
    SaveRecord fresh;
    fresh.startTime = nowMs;
    fresh.saveTime = record.saveTime;
    fresh.reserved244 = record.reserved244;
    record = fresh;
}

std::optional<SystemSettings> ParseSettings(std::span<const std::byte> bytes) {
    std::optional<SystemSettings> settings = FromBytes<SystemSettings>(bytes);
    if (!settings) return std::nullopt;
    const SystemSettings defaults;
    settings->lightLevel = SliderLevel(settings->lightLevel, defaults.lightLevel);
    settings->soundVolume = SliderLevel(settings->soundVolume, defaults.soundVolume);
    if (settings->resolutionIndex < 0 ||
        settings->resolutionIndex >= SystemSettings::kResolutionCount) {
        settings->resolutionIndex = defaults.resolutionIndex;
    }
    return settings;
}

std::optional<SaveRecord> ParseRecord(std::span<const std::byte> bytes) {
    return FromBytes<SaveRecord>(bytes);
}

bool LoadSlot(SaveRecord& record, int slot, uint32_t nowMs) {
    if (!IsSlot(slot)) return false;
    const auto bytes = ReadFileOfSize(SlotPath(slot), sizeof(SaveRecord));
    if (!bytes) return false;
    std::optional<SaveRecord> loaded = ParseRecord(*bytes);
    if (!loaded) return false;
    loaded->startTime = nowMs;
    record = *loaded;
    return true;
}

void TakePlayTime(SaveRecord& record, uint32_t nowMs, const std::tm& localTime) {
    record.saveTime = {localTime.tm_sec,  localTime.tm_min,  localTime.tm_hour,
                       localTime.tm_mday, localTime.tm_mon,  localTime.tm_year,
                       localTime.tm_wday, localTime.tm_yday, localTime.tm_isdst};
    // Unsigned arithmetic: the clock wraps at 2^32 ms and the difference stays right.
    record.playTimeMs += nowMs - record.startTime;
    record.startTime = nowMs;
}

bool SaveSlot(SaveRecord& record, int slot, uint32_t nowMs, const std::tm& localTime) {
    if (!IsSlot(slot)) return false;
    SaveRecord saved = record;
    TakePlayTime(saved, nowMs, localTime);
    if (!ReplaceFile(SlotPath(slot), AsBytes(saved))) return false;
    record = saved;
    return true;
}

bool ReadSettings(SystemSettings& settings) {
    const auto bytes = ReadFileOfSize(SaveFolder(kSettingsName), sizeof(SystemSettings));
    if (!bytes) return false;
    const std::optional<SystemSettings> read = ParseSettings(*bytes);
    if (!read) return false;
    settings = *read;
    return true;
}

bool WriteSettings(const SystemSettings& settings) {
    return ReplaceFile(SaveFolder(kSettingsName), AsBytes(settings));
}

PlayClock ClockOf(uint32_t ms) {
    const uint32_t totalSeconds = ms / 1000;
    return {totalSeconds / 3600, totalSeconds / 60 % 60, totalSeconds % 60};
}

std::u16string SlotLabel(const SaveRecord& record, std::u16string_view format) {
    const auto& time = record.saveTime;
    // 64-bit: the fields come from a file and may hold any value.
    const int64_t year = int64_t{time[5]} + 1900;
    const int64_t month = int64_t{time[4]} + 1;
    const PlayClock played = ClockOf(record.playTimeMs);
    return FormatText(format, year, month, time[3], time[2], time[1], time[0], played.hours,
                      played.minutes, played.seconds, record.throwCount, record.deathCount);
}
