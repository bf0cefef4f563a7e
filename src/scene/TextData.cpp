#include "scene/TextData.h"

#include <optional>
#include <vector>

#include "library/Utf.h"

namespace {

// Splits the table text into rows of fields, one row per call. Double quotes toggle the quoted
// state and are dropped, except that the second of two adjacent quotes is kept as a literal quote
// (inside and outside quotes alike, so an empty quoted field "" is one quote). While quoted, commas
// and line feeds belong to the field. Carriage returns are dropped everywhere, even between the two
// quotes of a pair. Text after the last unquoted line feed does not form a row.
class CsvRowReader {
  public:
    explicit CsvRowReader(std::u16string_view text) : text_(text) {}

    std::optional<std::vector<std::u16string>> NextRow() {
        std::vector<std::u16string> row;
        std::u16string field;
        bool quoted = false;
        int quoteRun = 0;  // quotes met since the last character kept or field ended
        while (position_ < text_.size()) {
            const char16_t c = text_[position_++];
            if (c == u'\r') continue;
            if (c == u'"') {
                ++quoteRun;
                quoted = !quoted;
                if (quoteRun != 2) continue;
            } else if (!quoted && (c == u',' || c == u'\n')) {
                row.push_back(std::move(field));
                field.clear();
                quoteRun = 0;
                if (c == u'\n') return row;
                continue;
            }
            field.push_back(c);
            quoteRun = 0;
        }
        return std::nullopt;
    }

  private:
    std::u16string_view text_;
    size_t position_ = 0;
};

}  // namespace

void LanguageText::Set(std::u16string_view key, std::u16string_view text) {
    const auto entry = texts_.find(key);
    if (entry == texts_.end()) {
        texts_.emplace(key, text);
    } else {
        entry->second = text;
    }
}

const std::u16string* LanguageText::Find(std::u16string_view key) const {
    const auto entry = texts_.find(key);
    return entry == texts_.end() ? nullptr : &entry->second;
}

void TextData::Load(std::span<const uint8_t> fileBytes) {
    languages_.clear();
    missingKeys_.clear();

    // The appended line feed ends a last line that has none.
    const std::u16string text =
        Utf8ToUtf16({reinterpret_cast<const char*>(fileBytes.data()), fileBytes.size()}) + u'\n';
    CsvRowReader reader(text);
    // Header: field 0 titles the key column; field c names the language of column c.
    const auto header = reader.NextRow();
    if (!header) return;
    while (const auto row = reader.NextRow()) {
        if (row->size() < 2) continue;  // a blank line
        const std::u16string& key = (*row)[0];
        // Fields beyond the header have no language and are dropped.
        for (size_t c = 1; c < row->size() && c < header->size(); ++c) {
            languages_[(*header)[c]].Set(key, (*row)[c]);
        }
    }
}

const std::u16string& TextData::GetText(std::u16string_view key) const {
    if (const auto language = languages_.find(language_); language != languages_.end()) {
        if (const std::u16string* text = language->second.Find(key)) return *text;
    }
    auto missing = missingKeys_.find(key);
    if (missing == missingKeys_.end()) missing = missingKeys_.emplace(key).first;
    return *missing;
}
