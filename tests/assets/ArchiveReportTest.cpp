// hm-archive inspect: each kind of asset read with the game's own loader, from the built data.dat
// and from loose files. The other rows than the model only show that each kind reaches its own
// description.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "Bytes.h"
#include "Commands.h"
#include "library/Archive.h"
#include "library/Catalogue.h"
#include "support/TempFolder.h"

namespace {

using testing::HasSubstr;

struct Inspected {
    int exitCode;
    std::string out;
    std::string err;
};

Inspected Inspect(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int exitCode = RunInspect(args, AssetCatalogue(), out, err);
    return {exitCode, out.str(), err.str()};
}

Bytes BuiltRow(std::u16string_view name) {
    Archive archive(AssetCatalogue());
    EXPECT_TRUE(archive.Open(HM_BUILT_ARCHIVE)) << archive.OpenError();
    return archive.Read(FindAsset(AssetCatalogue(), name)).value_or(Bytes{});
}

// The model row is the golden check of the report's wording.
TEST(InspectTest, PrintsWhatTheGamesLoaderFindsInEachKindOfRow) {
    const std::pair<std::string, std::vector<std::string>> rows[] = {
        {"cube.x",
         {"row 74 \"cube.x\"", "vertices 24, triangles 12, materials 1",
          "box min (-0.5, -0.5, -0.5) max (0.5, 0.5, 0.5)", "material 0: pass"}},
        {"1", {"PNG 32 x 32, 4 channels"}},
        {"fire.bmp", {"BMP 64 x 64, 3 channels"}},
        {"197", {"format tag 1, channels 1, rate 22050 Hz, bits 16"}},
        {"TextData.csv", {"\nFlagManager_0 [Japanese] %04d/%02d/%02d %02d:%02d:%02d\\n"}},
        {"5", {"\nU+000A \"\\n\" rect (0, 0, 0, 0) width 0"}},
        {"main_hlsl.cfx", {"pass 12: quad + blur ACROSS, blend none"}}};
    for (const auto& [which, expected] : rows) {
        const Inspected result = Inspect({HM_BUILT_ARCHIVE, which});
        ASSERT_EQ(result.exitCode, kExitOk) << which << ": " << result.err;
        for (const std::string& line : expected) EXPECT_THAT(result.out, HasSubstr(line));
    }
}

// Each kind of loose file, whole, is read; cut short, it is refused with the reason.
TEST(InspectTest, RefusesACutLooseFileAndSaysWhy) {
    const struct {
        std::u16string_view row;  // the built asset the loose file is cut from
        std::string fileName;
        size_t keep;  // bytes kept
        std::string reason;
    } cases[] = {{u"sphere.x", "sphere.x", 300, "not a .x model the game can load"},
                 {u"leaf.png", "leaf.png", 100, "pixel data damaged or cut short"},
                 {u"leaf.png", "leaf.png", 10, "not a PNG or BMP image"},
                 {u"step2.wav", "step2.wav", 40, "not a RIFF WAVE file"},
                 {u"FontAtlasInfo.dat", "glyphs.dat", 30, "not whole 28-byte records"},
                 {u"TextData.csv", "TextData.csv", 30, "no Japanese text for"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fileName + " cut to " + std::to_string(c.keep));
        TempFolder folder;
        const Bytes whole = BuiltRow(c.row);
        ASSERT_GT(whole.size(), c.keep);
        const std::string path = (folder.Path() / c.fileName).string();
        WriteBytes(path, whole);
        EXPECT_EQ(Inspect({path}).exitCode, kExitOk);
        WriteBytes(path, std::span(whole).first(c.keep));
        const Inspected result = Inspect({path});
        EXPECT_EQ(result.exitCode, kExitBadData);
        EXPECT_THAT(result.err, HasSubstr(c.reason));
        EXPECT_EQ(result.out, "");
    }
}

TEST(InspectTest, NamesTheLineAndTheRuleARefusedModelBreaks) {
    TempFolder folder;
    const std::string path = (folder.Path() / "templated.x").string();
    const std::string_view text = "xof 0303txt 0032\ntemplate Vector {\n FLOAT x;\n}\n";
    WriteBytes(path, Bytes(text.begin(), text.end()));
    const Inspected result = Inspect({path});
    EXPECT_EQ(result.exitCode, kExitBadData);
    EXPECT_THAT(result.err, HasSubstr("the game cannot load it: not a .x model the game can load: "
                                      "line 2, at 'template': template declarations are not part "
                                      "of the accepted subset\n"));
}

TEST(InspectTest, SaysWhatIsWrongWithItsArguments) {
    TempFolder folder;
    WriteBytes(folder.Path() / "notes.txt", Bytes{'h', 'i'});
    EXPECT_EQ(Inspect({}).exitCode, kExitUsage);
    EXPECT_EQ(Inspect({HM_BUILT_ARCHIVE, "202", "extra"}).exitCode, kExitUsage);
    EXPECT_EQ(Inspect({HM_BUILT_ARCHIVE, "202"}).exitCode, kExitUsage);
    EXPECT_EQ(Inspect({(folder.Path() / "notes.txt").string()}).exitCode, kExitUsage);
    EXPECT_EQ(Inspect({(folder.Path() / "absent.png").string()}).exitCode, kExitBadData);
    EXPECT_EQ(Inspect({(folder.Path() / "absent.dat").string(), "1"}).exitCode, kExitBadData);
}

}  // namespace
