#include "scene/TextData.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

TextData Load(std::string_view csv, std::u16string_view language = u"Japanese") {
    TextData table;
    table.Load({reinterpret_cast<const uint8_t*>(csv.data()), csv.size()});
    table.SetLanguage(language);
    return table;
}

TEST(TextData, LookupGivesTheParsedText) {
    const struct {
        const char* name;
        std::string_view csv;
        std::u16string_view key;
        std::u16string_view expected;
        std::u16string_view language = u"Japanese";
    } lookups[] = {
        {"PlainRow", "Key,Japanese\nMenu_3,\xE3\x81\xAF\xE3\x81\x84\n", u"Menu_3", u"\u306F\u3044"},
        {"ColumnByHeader", "Key,English,Japanese\nMenu_3,Yes,Hai\n", u"Menu_3", u"Hai"},
        {"LastLineWithoutLineFeed", "Key,Japanese\nk,v", u"k", u"v"},
        {"TrailingBlankLines", "Key,Japanese\nk,v\n\n\r\n\n", u"k", u"v"},
        {"DoubledQuotesAroundAWord", "Key,Japanese\nk,\"say \"\"hi\"\" now\"\n", u"k",
         u"say \"hi\" now"},
        {"EmptyQuotedFieldIsOneQuote", "Key,Japanese\nk,\"\"\n", u"k", u"\""},
        {"DoubledQuoteOutsideQuotes", "Key,Japanese\nk,a\"\"b\n", u"k", u"a\"b"},
        {"CarriageReturnInsideAQuotePair", "Key,Japanese\nk,\"a\"\r\"b\"\n", u"k", u"a\"b"},
        {"QuotedLineFeedKeptCarriageReturnDropped", "Key,Japanese\r\nk,\"one\r\ntwo\"\r\n", u"k",
         u"one\ntwo"},
        {"QuotedComma", "Key,Japanese\nk,\"a,b\"\n", u"k", u"a,b"},
        {"LaterRowReplaces", "Key,Japanese\nk,first\nk,second\n", u"k", u"second"},
        {"ExtraFieldsIgnored", "Key,Japanese\nk,v,extra,more\n", u"k", u"v"},
        {"ByteOrderMarkInFirstHeaderField", "\xEF\xBB\xBFKey,Japanese\nk,v\n", u"k", u"v"},
        {"InvalidUtf8BecomesReplacement",
         "Key,Japanese\nk,a\xFF"
         "b\xC3\n",
         u"k", u"a\uFFFDb\uFFFD"},
        {"KeysAreCaseSensitive", "Key,Japanese\nmenu_3,v\n", u"Menu_3", u"Menu_3"},
        {"HeaderOnlyGivesEmptyTable", "Key,Japanese\n", u"Key", u"Key"},
        {"UnclosedQuoteSwallowsTheRestOfTheFile", "Key,Japanese\nk,\"v\nj,w\n", u"j", u"j"},
        {"LanguageWithoutColumnGivesTheKey", "Key,Japanese\nk,v\n", u"k", u"k", u"English"},
        {"FieldsBeyondTheHeaderCreateNoLanguage", "Key,Japanese\nk,v,extra\n", u"k", u"k", u""}};
    for (const auto& c : lookups) {
        EXPECT_EQ(Load(c.csv, c.language).GetText(c.key), c.expected) << c.name;
    }
}

TEST(TextData, MissingKeyGivesTheKeyAndOutlivesTheCallersString) {
    const TextData table = Load("Key,Japanese\nk,v\n");
    const std::u16string* shown;
    {
        std::u16string key = u"Ev_Soto_0";
        shown = &table.GetText(key);
    }
    // The caller's key is gone; the table's copy must still be readable.
    EXPECT_EQ(*shown, u"Ev_Soto_0");
    EXPECT_EQ(&table.GetText(u"Ev_Soto_0"), shown);
}

}  // namespace
