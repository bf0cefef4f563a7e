#pragma once
// Small texture and model files, and archives made of them, for the texture and model tests.
#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Image.h"
#include "library/Archive.h"
#include "platform/gfx/NullDevice.h"
#include "support/SizeOnlyWindow.h"
#include "support/TempFolder.h"
#include "support/WaveBytes.h"

namespace testfiles {

using Bytes = std::vector<uint8_t>;

using Rgb = std::array<uint8_t, 3>;

// A 24-bit BMP as the asset generator writes it; `pixels` top row first.
inline Bytes MakeBmp24(int width, int height, const std::vector<Rgb>& pixels) {
    ::Image image(width, height, {0, 0, 0, 255});
    for (int i = 0; i < width * height; ++i) {
        const Rgb& p = pixels[static_cast<size_t>(i)];
        image.At(i % width, i / width) = {p[0], p[1], p[2], 255};
    }
    return EncodeBmp(image);
}

// 2 × 2 RGBA, top row (255, 0, 0, 255) (0, 255, 0, 128), bottom row (0, 0, 255, 255) (10, 20, 30,
// 0), as the asset generator writes it.
inline const Bytes kRgbaPng = [] {
    ::Image image(2, 2, {255, 0, 0, 255});
    image.At(1, 0) = {0, 255, 0, 128};
    image.At(0, 1) = {0, 0, 255, 255};
    image.At(1, 1) = {10, 20, 30, 0};
    return EncodePng(image);
}();

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

// An archive file of the given rows, back to back, with its own catalogue; removed afterwards.
class TestArchive {
  public:
    struct Row {
        std::u16string name;
        Bytes bytes;
    };

    explicit TestArchive(std::vector<Row> rows) : rows_(std::move(rows)) {
        for (const Row& row : rows_) {
            entries_.push_back({static_cast<uint32_t>(row.bytes.size()),
                                static_cast<uint32_t>(file_.size()), row.name});
            file_.insert(file_.end(), row.bytes.begin(), row.bytes.end());
        }
        WriteAndOpen();
    }

    Archive& archive() { return *archive_; }

    // Replaces row `index`'s bytes, which must keep the row's size, and opens the file afresh (a
    // stream may have kept the old bytes in its buffer).
    void Overwrite(int index, const Bytes& bytes) {
        std::copy(bytes.begin(), bytes.end(), file_.begin() + entries_[index].offset);
        WriteAndOpen();
    }

  private:
    void WriteAndOpen() {
        const std::filesystem::path path = folder_.Path() / "data.dat";
        WriteBytes(path, file_);
        archive_.emplace(entries_);
        archive_->Open(path);
    }

    std::vector<Row> rows_;  // owns the names the entries view
    std::vector<AssetEntry> entries_;
    Bytes file_;
    TempFolder folder_;
    std::optional<Archive> archive_;  // made once the entries are complete
};

}  // namespace testfiles
