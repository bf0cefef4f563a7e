#pragma once
// Small texture and model files, and archives made of them, for the texture and model tests.
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "library/Archive.h"
#include "platform/Platform.h"
#include "platform/gfx/NullDevice.h"
#include "support/TempFolder.h"
#include "support/WaveBytes.h"

namespace testfiles {

using Bytes = std::vector<uint8_t>;

// 2 × 2 RGBA, top row (255, 0, 0, 255) (0, 255, 0, 128), bottom row (0, 0, 255, 255) (10, 20, 30,
// 0).
inline const Bytes kRgbaPng = {
    0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44, 0x52,
    0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x08, 0x06, 0x00, 0x00, 0x00, 0x72, 0xb6, 0x0d,
    0x24, 0x00, 0x00, 0x00, 0x17, 0x49, 0x44, 0x41, 0x54, 0x78, 0xda, 0x63, 0xf8, 0xcf, 0xc0, 0xf0,
    0x1f, 0x08, 0x1b, 0x18, 0x80, 0xf4, 0x7f, 0x2e, 0x11, 0x39, 0x06, 0x00, 0x3b, 0x7c, 0x05, 0xb8,
    0xfb, 0x73, 0xdc, 0x62, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};

using Rgb = std::array<uint8_t, 3>;

// A 24-bit BMP with the usual bottom-up rows padded to four bytes; `pixels` top row first.
inline Bytes MakeBmp24(int width, int height, const std::vector<Rgb>& pixels) {
    const uint32_t rowBytes = (static_cast<uint32_t>(width) * 3 + 3) / 4 * 4;
    const uint32_t pixelBytes = rowBytes * static_cast<uint32_t>(height);
    Bytes out{'B', 'M'};
    PutLe(out, 54 + pixelBytes, 4);
    PutLe(out, 0, 4);
    PutLe(out, 54, 4);  // pixel data offset
    PutLe(out, 40, 4);  // BITMAPINFOHEADER
    PutLe(out, static_cast<uint32_t>(width), 4);
    PutLe(out, static_cast<uint32_t>(height), 4);
    PutLe(out, 1, 2);                              // planes
    PutLe(out, 24, 2);                             // bits per pixel
    for (int i = 0; i < 6; ++i) PutLe(out, 0, 4);  // no compression, sizes, palette
    for (int row = height - 1; row >= 0; --row) {
        for (int x = 0; x < width; ++x) {
            const Rgb& p = pixels[static_cast<size_t>(row * width + x)];
            out.insert(out.end(), {p[2], p[1], p[0]});
        }
        out.resize(out.size() + (rowBytes - static_cast<uint32_t>(width) * 3), 0);
    }
    return out;
}

inline Bytes ToBytes(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

// A .x material: white, power 8, no specular or emissive colour, with `texture` as its texture
// file when not empty.
inline std::string XMaterial(std::string_view texture = {}) {
    std::string text = "Material {\n1.0;1.0;1.0;1.0;;\n8.0;\n0.0;0.0;0.0;;\n0.0;0.0;0.0;;\n";
    if (!texture.empty()) text += "TextureFilename { \"" + std::string(texture) + "\"; }\n";
    return text + "}\n";
}

// A .x mesh of separate triangles, triangle i at x = 2i and using material faceMaterials[i].
inline std::string XTriangles(const std::vector<std::string>& materials,
                              const std::vector<int>& faceMaterials) {
    const size_t triangles = faceMaterials.size();
    std::string text = "xof 0303txt 0032\nMesh {\n" + std::to_string(triangles * 3) + ";\n";
    for (size_t i = 0; i < triangles; ++i) {
        const std::string x = std::to_string(2 * i);
        text += x + ".0;0.0;0.0;,\n" + x + ".0;1.0;0.0;,\n" + x + ".5;0.0;0.0;" +
                (i + 1 < triangles ? ",\n" : ";\n");
    }
    text += std::to_string(triangles) + ";\n";
    for (size_t i = 0; i < triangles; ++i) {
        text += "3;" + std::to_string(3 * i) + "," + std::to_string(3 * i + 1) + "," +
                std::to_string(3 * i + 2) + (i + 1 < triangles ? ";,\n" : ";;\n");
    }
    text += "MeshMaterialList {\n" + std::to_string(materials.size()) + ";\n" +
            std::to_string(triangles) + ";\n";
    for (size_t i = 0; i < triangles; ++i) {
        text += std::to_string(faceMaterials[i]) + (i + 1 < triangles ? ",\n" : ";;\n");
    }
    for (const std::string& material : materials) text += material;
    return text + "}\n}\n";
}

// A window that only has a size, for the null device.
class SizeOnlyWindow : public platform::Window {
  public:
    bool Create(const platform::Rect&) override { return true; }
    void Show() override {}
    gfx::Size ScreenSize() override { return {640, 480}; }
    platform::Rect OuterRect() override { return {}; }
    gfx::Size ClientSize() override { return {640, 480}; }
    bool PlaceWindowed(const platform::Rect&) override { return true; }
    bool PlaceFullScreen() override { return true; }
};

// An archive file of the given rows, back to back, with its own catalogue; removed afterwards.
class TestArchive {
  public:
    struct Row {
        std::u16string name;
        Bytes bytes;
    };

    explicit TestArchive(std::vector<Row> rows) : rows_(std::move(rows)) {
        Bytes file;
        for (const Row& row : rows_) {
            entries_.push_back({static_cast<uint32_t>(row.bytes.size()),
                                static_cast<uint32_t>(file.size()), row.name});
            file.insert(file.end(), row.bytes.begin(), row.bytes.end());
        }
        Write(0, file);
        Reopen();
    }

    Archive& archive() { return *archive_; }
    std::span<const AssetEntry> catalogue() const { return entries_; }

    // Replaces row `index`'s bytes in the file, which is opened afresh (a stream may have kept
    // the old bytes in its buffer); `bytes` must have the row's size.
    void Overwrite(int index, const Bytes& bytes) {
        Write(entries_[index].offset, bytes);
        Reopen();
    }

  private:
    void Reopen() {
        archive_.emplace(entries_);
        archive_->Open(Path());
    }
    std::filesystem::path Path() const { return folder_.Path() / "data.dat"; }
    void Write(uint32_t offset, const Bytes& bytes) {
        std::fstream file(Path(), std::ios::binary | std::ios::in | std::ios::out);
        if (!file) file.open(Path(), std::ios::binary | std::ios::out);
        file.seekp(offset);
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }

    std::vector<Row> rows_;  // owns the names the entries view
    std::vector<AssetEntry> entries_;
    TempFolder folder_;
    std::optional<Archive> archive_;  // made once the entries are complete
};

}  // namespace testfiles
