#include "scene/SaveData.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "library/Utf.h"
#include "scene/AchievementFile.h"
#include "scene/SaveFile.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;
constexpr int32_t kIntMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kIntMin = std::numeric_limits<int32_t>::min();

// Every save and settings file of a test goes to a temp folder, never the user's.
class SaveFolderTest : public testing::Test {
  protected:
    void SetUp() override { SetSaveFolderOverride(folder_.Path()); }
    void TearDown() override { SetSaveFolderOverride({}); }
    fs::path File(const char* name) const { return folder_.Path() / name; }

    TempFolder folder_;
};

template <typename Record>
Bytes BytesOf(const Record& record) {
    Bytes bytes(sizeof record);
    std::memcpy(bytes.data(), &record, sizeof record);
    return bytes;
}

SaveRecord GameInProgress() {
    SaveRecord record;
    ResetRecord(record, 1000);
    record.storyStage = 12;
    record.itemHeld[7] = 1;
    record.enemyPos = {1.5f, 0.35f, -2.0f};
    record.deathCount = 2;
    record.playTimeMs = 60000;
    return record;
}

TEST(ResetRecord, StartsNewGameButKeepsSaveTimeAndTail) {
    SaveRecord record;
    std::memset(static_cast<void*>(&record), 0x5A, sizeof record);
    const SaveRecord before = record;
    ResetRecord(record, 4321);
    EXPECT_EQ(record.startTime, 4321u);
    EXPECT_EQ(record.HitPoint, 5);
    EXPECT_EQ(record.enemyPos, glm::vec3(0.0f, 0.35f, 0.0f));
    EXPECT_EQ(record.storyStage, 0);
    EXPECT_EQ(record.itemHeld, decltype(record.itemHeld){});
    EXPECT_EQ(record.saveTime, before.saveTime);
    EXPECT_EQ(record.reserved244, before.reserved244);
}

TEST_F(SaveFolderTest, SaveWritesTheRecordImageAndLoadRestoresIt) {
    SaveRecord record = GameInProgress();
    std::tm may6th2025{};
    ::strptime("2025-05-06 07:08:09", "%Y-%m-%d %H:%M:%S", &may6th2025);
    ASSERT_TRUE(SaveSlot(record, 1, 6000, may6th2025));
    // The play span 1000..6000 is banked and a new one starts at the save.
    EXPECT_EQ(record.playTimeMs, 65000u);
    EXPECT_EQ(record.startTime, 6000u);
    EXPECT_EQ(record.saveTime, (std::array<int32_t, 9>{9, 8, 7, 6, 4, 125, 2, 125, 0}));
    EXPECT_EQ(ReadBytes(File("SaveData2.sav")), BytesOf(record));

    SaveRecord loaded;
    ASSERT_TRUE(LoadSlot(loaded, 1, 90000));
    record.startTime = 90000;  // a new play span; the banked time stays
    EXPECT_EQ(BytesOf(loaded), BytesOf(record));

    // The play span is measured across the millisecond clock's wrap.
    ResetRecord(record, 0xFFFFFF00u);
    ASSERT_TRUE(SaveSlot(record, 1, 0x100u, std::tm{}));
    EXPECT_EQ(record.playTimeMs, 0x200u);
}

// Slot n is file n + 1; slots outside 0..3 are refused and write nothing (they come first, so
// the folder is still empty).
TEST_F(SaveFolderTest, SlotNIsFileNPlusOne) {
    const struct {
        const char* name;
        int slot;
        const char* file;
    } slots[] = {{"Negative", -1, nullptr},     {"PastTheLast", 4, nullptr},
                 {"IntMax", kIntMax, nullptr},  {"IntMin", kIntMin, nullptr},
                 {"First", 0, "SaveData1.sav"}, {"Last", 3, "SaveData4.sav"}};
    for (const auto [name, slot, file] : slots) {
        SCOPED_TRACE(name);
        SaveRecord record = GameInProgress();
        const Bytes before = BytesOf(record);
        EXPECT_EQ(SaveSlot(record, slot, 1000, std::tm{}), file != nullptr);
        EXPECT_EQ(LoadSlot(record, slot, 1000), file != nullptr);
        EXPECT_EQ(BytesOf(record), before);
        EXPECT_TRUE(file ? fs::exists(File(file)) : fs::is_empty(folder_.Path()));
    }
}

// Files that are missing, folders or not exactly one record long change nothing, and so does an
// achievements file of the wrong length.
TEST_F(SaveFolderTest, DamagedFilesFailToLoadAndChangeNothing) {
    constexpr size_t kMissing = SIZE_MAX, kFolder = SIZE_MAX - 1;
    for (const size_t length :
         {kMissing, kFolder, size_t{0}, sizeof(SystemSettings) - 1, sizeof(SystemSettings) + 1,
          sizeof(SaveRecord) - 1, sizeof(SaveRecord) + 1, kAchievementFileSize - 1}) {
        SCOPED_TRACE(length);
        for (const char* name : {"SaveData1.sav", "SystemData.sav", "Achievements.sav"}) {
            fs::remove_all(File(name));
            if (length == kFolder) fs::create_directory(File(name));
            if (length < kFolder) WriteBytes(File(name), Bytes(length, 0x7F));
        }
        SaveRecord record = GameInProgress();
        const Bytes before = BytesOf(record);
        EXPECT_FALSE(LoadSlot(record, 0, 5000));
        EXPECT_EQ(BytesOf(record), before);
        SystemSettings settings;
        EXPECT_FALSE(ReadSettings(settings));
        EXPECT_EQ(BytesOf(settings), BytesOf(SystemSettings{}));
        EXPECT_TRUE(ReadAchievements().empty());
    }
}

// The achievements file carries a mark and a check value, so damage within its length shows too.
TEST_F(SaveFolderTest, AnAchievementsFileDamagedWithinItsLengthReadsAsNone) {
    const auto image = AchievementImage({1, 2, 3});
    Bytes good(image.size());
    std::memcpy(good.data(), image.data(), image.size());
    const struct {
        const char* damage;
        size_t at;
        uint8_t flip;
    } cases[] = {{"a bit of the ids", 8, 0x10},
                 {"a bit of the check", 5, 0x01},
                 {"a bit of the mark", 0, 0x01}};
    for (const auto& [damage, at, flip] : cases) {
        Bytes bytes = good;
        bytes[at] ^= flip;
        WriteBytes(File("Achievements.sav"), bytes);
        EXPECT_TRUE(ReadAchievements().empty()) << damage;
    }
    WriteBytes(File("Achievements.sav"), Bytes(good.size(), 0x5A));
    EXPECT_TRUE(ReadAchievements().empty()) << "garbage";
}

TEST_F(SaveFolderTest, SettingsFromTheFileAreBroughtIntoRange) {
    constexpr float kInf = std::numeric_limits<float>::infinity();
    const struct {
        const char* name;
        float level;  // stored as both lightLevel and soundVolume
        int32_t resolution;
        float expectedLevel;
        int32_t expectedResolution;
    } values[] = {{"InRange", 2.5f, 3, 2.5f, 3},
                  {"Edges", 0.0f, 0, 0.0f, 0},
                  {"NaN", std::numeric_limits<float>::quiet_NaN(), 1, 1.0f, 1},
                  {"Infinite", kInf, -1, 1.0f, 1},
                  {"NegativeInfinite", -kInf, 4, 1.0f, 1},
                  {"AboveSlider", 9.0f, kIntMax, 4.0f, 1},
                  {"BelowSlider", -0.5f, kIntMin, 0.0f, 1}};
    for (const auto& v : values) {
        SCOPED_TRACE(v.name);
        SystemSettings stored;
        stored.lightLevel = stored.soundVolume = v.level;
        stored.resolutionIndex = v.resolution;
        stored.windowX = -1200;
        ASSERT_TRUE(WriteSettings(stored));  // written as given: only reading distrusts the file
        SystemSettings read;
        ASSERT_TRUE(ReadSettings(read));
        EXPECT_EQ(read.lightLevel, v.expectedLevel);
        EXPECT_EQ(read.soundVolume, v.expectedLevel);
        EXPECT_EQ(read.resolutionIndex, v.expectedResolution);
        EXPECT_EQ(read.windowX, -1200);
    }
}

// Lets no write grow a file past 16 bytes while alive; SIGXFSZ is ignored so the write fails.
class FileSizeLimit {
  public:
    FileSizeLimit() : savedHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = 16;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, savedHandler_);
    }

  private:
    void (*savedHandler_)(int);
    rlimit saved_{};
};

// A failed write keeps the old files whole and leaves no temp file. The faults work even for root,
// which ignores folder permissions: a file size limit, and a folder where the file goes.
TEST_F(SaveFolderTest, AFailedWriteKeepsOldFilesAndRecord) {
    for (const bool sizeLimit : {true, false}) {
        SCOPED_TRACE(sizeLimit ? "FileSizeLimit" : "FolderAtFinalName");
        SaveRecord record = GameInProgress();
        SystemSettings settings;
        ASSERT_TRUE(SaveSlot(record, 0, 2000, std::tm{}));
        ASSERT_TRUE(WriteSettings(settings));
        const fs::path save = File("SaveData1.sav"), system = File("SystemData.sav");
        const Bytes oldSave = ReadBytes(save), oldSystem = ReadBytes(system);
        const auto withFault = [&](const fs::path& target, auto write) {
            if (sizeLimit) {
                FileSizeLimit limit;
                return write();
            }
            fs::remove(target);
            fs::create_directory(target);
            return write();
        };

        record.storyStage = 24;
        settings.windowX = 200;
        const Bytes before = BytesOf(record);
        EXPECT_FALSE(withFault(save, [&] { return SaveSlot(record, 0, 9000, std::tm{}); }));
        EXPECT_FALSE(withFault(system, [&] { return WriteSettings(settings); }));
        EXPECT_EQ(BytesOf(record), before);
        if (sizeLimit) {
            EXPECT_EQ(ReadBytes(save), oldSave);
            EXPECT_EQ(ReadBytes(system), oldSystem);
        }
        for (const auto& entry : fs::directory_iterator(folder_.Path())) {
            EXPECT_TRUE(entry.path() == save || entry.path() == system)  // no half-written temp
                << entry.path();
        }
    }
}

TEST_F(SaveFolderTest, FolderThatCannotExistFailsCleanly) {
    const fs::path file = File("not-a-folder");
    WriteBytes(file, Bytes(1));
    SetSaveFolderOverride(file / "saves");
    SaveRecord record = GameInProgress();
    EXPECT_FALSE(SaveSlot(record, 0, 2000, std::tm{}));
    EXPECT_FALSE(WriteSettings(SystemSettings{}));
    EXPECT_FALSE(LoadSlot(record, 0, 2000));
}

// The save folder is made with every level above it. LOCALAPPDATA and XDG_DATA_HOME are relative
// to the test's temp folder; "rel" is a relative path, which XDG says to ignore.
TEST(SaveFolder, CreatesEveryLevel) {
    const char* const homeShare = "home/.local/share/Quillbarrow/Hollowmere";
    const struct {
        const char *localAppData, *xdgDataHome, *expectedFolder;  // null: unset
    } cases[] = {{nullptr, "data", "data/Quillbarrow/Hollowmere"},
                 {nullptr, nullptr, homeShare},
                 {nullptr, "rel", homeShare},
                 {"AppData/Local", "data", "AppData/LocalLow/Quillbarrow/Hollowmere"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expectedFolder);
        TempFolder temp;
        auto under = [&](const char* relative) -> std::optional<std::string> {
            if (relative == nullptr) return std::nullopt;
            if (std::string(relative) == "rel") return "relative/data";
            return (temp.Path() / relative).string();
        };
        ScopedEnv setLocal("LOCALAPPDATA", under(c.localAppData));
        ScopedEnv setXdg("XDG_DATA_HOME", under(c.xdgDataHome));
        ScopedEnv setHome("HOME", (temp.Path() / "home").string());

        const fs::path expectedFolder = temp.Path() / c.expectedFolder;
        EXPECT_EQ(SaveFolder("SystemData"), expectedFolder / "SystemData.sav");
        EXPECT_TRUE(fs::is_directory(expectedFolder));
    }
}

SaveRecord SavedRecord() {
    SaveRecord record = GameInProgress();
    record.saveTime = {9, 8, 7, 6, 4, 125, 2, 125, 0};  // 2025-05-06 07:08:09
    record.playTimeMs = (3600 + 2 * 60 + 3) * 1000 + 999;
    record.throwCount = 12;
    record.deathCount = 3;
    return record;
}

TEST(SlotLabel, FillsDateTimePlayTimeAndCountsAndExtremeValuesFromAFileDoNotOverflow) {
    EXPECT_EQ(Utf16ToUtf8(
                  SlotLabel(SavedRecord(), u"%04d/%02d/%02d %02d:%02d:%02d  %d:%02d:%02d  %d %d")),
              "2025/05/06 07:08:09  1:02:03  12 3");
    SaveRecord record = SavedRecord();
    record.saveTime[5] = record.saveTime[4] = kIntMax;
    record.playTimeMs = std::numeric_limits<uint32_t>::max();
    EXPECT_EQ(Utf16ToUtf8(SlotLabel(record, u"%d/%d/%d %d:%d:%d %d:%02d:%02d")),
              "2147485547/2147483648/6 7:8:9 1193:02:47");
}

}  // namespace
