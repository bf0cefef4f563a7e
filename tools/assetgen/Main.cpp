// hm-assetgen: writes every asset of the archive, under its catalogue name, into a folder.
//
//   hm-assetgen OUTDIR [--sources ASSETS_DIR] [--font FONT_FILE]
//   hm-assetgen --window-icon FILE.cpp|FILE.png
//
// The defaults are the repository's assets/ folder and the font chosen when the build was
// configured. The second form writes the window icon, as the C++ source compiled into the game or
// as a PNG. Exit codes: 0 done, 1 a generator failed, 2 usage.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "AssetSet.h"
#include "WindowIcon.h"

namespace {

int Usage() {
    std::fputs(
        "usage: hm-assetgen OUTDIR [--sources ASSETS_DIR] [--font FONT_FILE]\n"
        "       hm-assetgen --window-icon FILE.cpp|FILE.png\n",
        stderr);
    return 2;
}

int WriteWindowIcon(const std::filesystem::path& file) {
    const Image icon = WindowIconImage();
    std::ofstream out(file, std::ios::binary);
    if (file.extension() == ".png") {
        const Bytes png = EncodePng(icon);
        out.write(reinterpret_cast<const char*>(png.data()),
                  static_cast<std::streamsize>(png.size()));
    } else {
        out << WindowIconSource(icon);
    }
    if (out.flush()) return 0;
    std::fprintf(stderr, "hm-assetgen: cannot write %s\n", file.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string_view(argv[1]) == "--window-icon") return WriteWindowIcon(argv[2]);
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
