#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <span>
#include <string>
#include <string_view>

// The texts of one language, by key. Keys are case-sensitive and ordered by UTF-16 code unit.
class LanguageText {
  public:
    // Creates or replaces the text of `key`.
    void Set(std::u16string_view key, std::u16string_view text);
    // The text of `key`, or null when this language has none.
    const std::u16string* Find(std::u16string_view key) const;
    // Every text of this language, by key.
    const std::map<std::u16string, std::u16string, std::less<>>& Texts() const { return texts_; }

  private:
    std::map<std::u16string, std::u16string, std::less<>> texts_;
};

// Every text the game shows, by key and language, loaded from the UTF-8 text table file: a
// comma-separated table whose header row names the language of each column after the key column.
class TextData {
  public:
    // Replaces the table with the one parsed from the file's bytes. Any bytes parse: invalid UTF-8
    // becomes U+FFFD, and a file with fewer than two rows gives an empty table. The current
    // language is kept.
    void Load(std::span<const uint8_t> fileBytes);

    void SetLanguage(std::u16string_view language) { language_ = language; }
    const std::u16string& Language() const { return language_; }

    // The text of `key` in the current language; when there is none, the key itself, so that a
    // missing text shows its key. The reference is owned by the table and stays valid as long as
    // the table lives (until the next Load), whatever the lifetime of the caller's `key`.
    const std::u16string& GetText(std::u16string_view key) const;
    // Every language of the table as parsed, by name.
    const std::map<std::u16string, LanguageText, std::less<>>& Languages() const {
        return languages_;
    }

  private:
    std::u16string language_;
    std::map<std::u16string, LanguageText, std::less<>> languages_;
    // Copies of the keys asked for without a text: what GetText returns for them. Only grows by
    // the distinct keys the game looks up, a bounded set.
    mutable std::set<std::u16string, std::less<>> missingKeys_;
};
