// hm-assetgen: writes every asset of the archive, under its catalogue name, into a folder.
//
//   hm-assetgen OUTDIR [--sources ASSETS_DIR] [--font FONT_FILE]
//   hm-assetgen --window-icon FILE.cpp|FILE.png
//   hm-assetgen --desktop-icons DIR NAME
//
// The defaults are the repository's assets/ folder and the font chosen when the build was
// configured. The second form writes the window icon, as the C++ source compiled into the game or
// as a PNG. The third draws the same icon at the desktop's sizes into an icon theme's folders,
// DIR/SIZExSIZE/apps/NAME.png. Exit codes: 0 done, 1 a generator failed, 2 usage.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

#include "AssetSet.h"
#include "WindowIcon.h"

namespace {

int Usage() {
    std::fputs(
        "usage: hm-assetgen OUTDIR [--sources ASSETS_DIR] [--font FONT_FILE]\n"
        "       hm-assetgen --window-icon FILE.cpp|FILE.png\n"
        "       hm-assetgen --desktop-icons DIR NAME\n",
        stderr);
    return 2;
}

bool WriteFile(const std::filesystem::path& file, const std::string_view text) {
    std::ofstream out(file, std::ios::binary);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (out.flush()) return true;
    std::fprintf(stderr, "hm-assetgen: cannot write %s\n", file.c_str());
    return false;
}

std::string_view AsText(const Bytes& bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

int WriteWindowIcon(const std::filesystem::path& file) {
    const Image icon = WindowIconImage();
    const bool written = file.extension() == ".png" ? WriteFile(file, AsText(EncodePng(icon)))
                                                    : WriteFile(file, WindowIconSource(icon));
    return written ? 0 : 1;
}

// The sizes the freedesktop icon theme's hicolor fallback is commonly drawn at.
int WriteDesktopIcons(const std::filesystem::path& themeFolder, const std::string& name) {
    for (const int side : {16, 32, 48, 64, 128, 256}) {
        const std::string size = std::to_string(side) + "x" + std::to_string(side);
        const std::filesystem::path folder = themeFolder / size / "apps";
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        if (!WriteFile(folder / (name + ".png"), AsText(EncodePng(WindowIconImage(side)))))
            return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string_view(argv[1]) == "--window-icon") return WriteWindowIcon(argv[2]);
    if (argc == 4 && std::string_view(argv[1]) == "--desktop-icons") {
        return WriteDesktopIcons(argv[2], argv[3]);
    }
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
