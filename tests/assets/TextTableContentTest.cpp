// The texts of the built table against the checked key list assets/text/keys.txt: every key has
// its text, formats accept exactly what their callers pass, questions hold a prompt and two
// answers, and every line fits the dialogue band.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "library/Archive.h"
#include "library/Catalogue.h"
#include "library/Format.h"
#include "library/Utf.h"
#include "scene/AchievementFile.h"
#include "scene/TextData.h"

namespace {

constexpr int kTextTableRow = 201;
// The dialogue band starts 450 units left of the centre of the 1920-unit overlay and glyphs are
// 24 units to the em: about 26 full-width characters fit before the right edge.
constexpr double kBandWidth = 26;

// One line of keys.txt: a key, and what its note says about its text.
struct KeyEntry {
    std::string key;
    std::vector<FormatArg>
        args;  // sample arguments, wide as a play can give; empty for a plain text
    bool question = false;
};

// A note word: "question", or an argument type with an optional count ("int×6").
bool ApplyNoteWord(const std::string& word, KeyEntry& entry) {
    static const std::string kTimes = "×";
    static const std::map<std::string, FormatArg> kSamples = {
        {"int", int32_t{999}}, {"uint", uint32_t{59}}, {"double", 4.0}};
    if (word == "question") return entry.question = true;
    const auto times = word.find(kTimes);
    const auto sample = kSamples.find(word.substr(0, times));
    if (sample == kSamples.end()) return false;
    const int count =
        times == std::string::npos ? 1 : std::stoi(word.substr(times + kTimes.size()));
    entry.args.insert(entry.args.end(), static_cast<size_t>(count), sample->second);
    return true;
}

std::vector<KeyEntry> ReadKeyList() {
    std::ifstream in(std::string(HM_ASSET_SOURCE_DIR) + "/text/keys.txt");
    std::vector<KeyEntry> entries;
    for (std::string line; std::getline(in, line);) {
        const auto hash = line.find('#');
        std::istringstream key(line.substr(0, hash));
        KeyEntry entry;
        if (!(key >> entry.key)) continue;
        std::istringstream note(hash == std::string::npos ? "" : line.substr(hash + 1));
        for (std::string word; note >> word;) {
            if (!ApplyNoteWord(word, entry)) ADD_FAILURE() << entry.key << ": note " << word;
        }
        entries.push_back(entry);
    }
    return entries;
}

// Conversions in a format: every '%' that does not escape another.
size_t ConversionCount(std::u16string_view text) {
    size_t count = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'%') continue;
        if (i + 1 < text.size() && text[i + 1] == u'%') {
            ++i;
        } else {
            ++count;
        }
    }
    return count;
}

std::vector<std::u16string> Lines(std::u16string_view text) {
    std::vector<std::u16string> lines(1);
    for (char16_t c : text) {
        if (c == u'\n') {
            lines.emplace_back();
        } else {
            lines.back() += c;
        }
    }
    return lines;
}

// Full-width characters count 1, ASCII a half.
double LineWidth(std::u16string_view line) {
    double width = 0;
    for (char16_t c : line) width += c < 0x80 ? 0.5 : 1.0;
    return width;
}

class TextTableContentTest : public testing::Test {
  protected:
    void SetUp() override {
        Archive archive(AssetCatalogue());
        ASSERT_TRUE(archive.Open(HM_BUILT_ARCHIVE)) << archive.OpenError();
        const auto bytes = archive.Read(kTextTableRow);
        ASSERT_TRUE(bytes);
        table_.Load(*bytes);
        table_.SetLanguage(u"Japanese");
        keys_ = ReadKeyList();
        ASSERT_GT(keys_.size(), 150u);
    }

    std::u16string TextOf(const KeyEntry& entry) const {
        return table_.GetText(Utf8ToUtf16(entry.key));
    }

    TextData table_;
    std::vector<KeyEntry> keys_;
};

// The list names each key of the table once, and every key the game looks up: the numbered
// families, and a name and a hint for every achievement.
TEST_F(TextTableContentTest, KeyListNamesTheTablesKeysOnceAndEveryKeyTheGameLooksUp) {
    std::vector<std::string> listed;
    for (const KeyEntry& entry : keys_) listed.push_back(entry.key);
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(std::adjacent_find(listed.begin(), listed.end()), listed.end());
    std::vector<std::string> inTable;
    for (const auto& [key, text] : table_.Languages().at(u"Japanese").Texts()) {
        inTable.push_back(Utf16ToUtf8(key));
    }
    EXPECT_EQ(listed, inTable);

    std::vector<std::string> expected = {"FlagManager_0",     "Event_1",    "License_Text0",
                                         "License_Text1",     "Ev_Title_8", "Ev_Soto2_result",
                                         "Achievement_notice"};
    const struct {
        const char* prefix;
        int first, last;
    } numbered[] = {{"message_", 1, 4},
                    {"Menu_", 0, 26},
                    {"CItem_name", 0, 13},
                    {"CItem_info", 0, 13},
                    {"Ev_Soto_", 0, 9},
                    {"Ev_Soto1_", 0, 8},
                    {"Achievement_name", 0, kAchievementCount - 1},
                    {"Achievement_hint", 0, kAchievementCount - 1}};
    for (const auto& [prefix, first, last] : numbered) {
        for (int i = first; i <= last; ++i) expected.push_back(prefix + std::to_string(i));
    }
    for (const std::string& key : expected) EXPECT_THAT(listed, testing::Contains(key));
}

// A missing key reads back as the key itself; formats take exactly their callers' arguments and
// questions hold a prompt and two answers.
TEST_F(TextTableContentTest, EveryKeyHasATextShapedForItsCaller) {
    for (const KeyEntry& entry : keys_) {
        const std::u16string text = TextOf(entry);
        EXPECT_NE(text, Utf8ToUtf16(entry.key)) << entry.key;
        EXPECT_NE(text.find_first_not_of(u" \t\r\n"), std::u16string::npos) << entry.key;
        EXPECT_EQ(ConversionCount(text), entry.args.size()) << entry.key;
        if (!entry.args.empty()) {
            EXPECT_NE(FormatText(text, entry.args), text) << entry.key;
        }
        if (!entry.question) continue;
        const auto lines = Lines(text);
        EXPECT_EQ(lines.size(), 3u) << entry.key;
        for (const auto& line : lines) EXPECT_FALSE(line.empty()) << entry.key;
    }
}

// Every line fits the band; the band is 110 units high and lines step 31.2 units, so an event
// box shows three lines at most (the title's texts are laid out on its own screen, not in a box).
TEST_F(TextTableContentTest, EveryTextFitsTheDialogueBand) {
    for (const KeyEntry& entry : keys_) {
        const auto lines = Lines(FormatText(TextOf(entry), entry.args));
        for (const auto& line : lines) {
            EXPECT_LE(LineWidth(line), kBandWidth) << entry.key << ": " << Utf16ToUtf8(line);
        }
        const bool boxed = (entry.key.starts_with("Ev_") && !entry.key.starts_with("Ev_Title_")) ||
                           entry.key.starts_with("message_");
        if (boxed) {
            EXPECT_LE(lines.size(), 3u) << entry.key;
        }
    }
}

}  // namespace
