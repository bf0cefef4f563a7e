// hm-assetgen: writes every asset of the archive, under its catalogue name, into a folder.
//
//   hm-assetgen OUTDIR [--sources ASSETS_DIR] [--font FONT_FILE]
//
// The defaults are the repository's assets/ folder and the font chosen when the build was
// configured. Exit codes: 0 done, 1 a generator failed, 2 usage.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <string_view>

#include "AssetSet.h"

namespace {

int Usage() {
    std::fputs("usage: hm-assetgen OUTDIR [--sources ASSETS_DIR] [--font FONT_FILE]\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::filesystem::path outFolder;
    std::filesystem::path sourceFolder = HM_ASSET_SOURCE_DIR;
    std::filesystem::path fontFile = HM_GLYPH_FONT;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if ((arg == "--sources" || arg == "--font") && i + 1 < argc) {
            (arg == "--sources" ? sourceFolder : fontFile) = argv[++i];
        } else if (arg.starts_with("-") || !outFolder.empty()) {
            return Usage();
        } else {
            outFolder = arg;
        }
    }
    if (outFolder.empty()) return Usage();

    try {
        WriteAssets(outFolder, GenerateAssets(ReadAssetSources(sourceFolder, fontFile)));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "hm-assetgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
