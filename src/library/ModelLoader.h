#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <glm/vec4.hpp>

#include "library/MeshData.h"

// DirectX .x meshes as the archive holds them, read in memory. The only place that knows the
// model importer.

// A material as the file states it. Colours are 0..1 RGBA; the file's specular and emissive
// colours have no alpha and get 1.
struct ImportedMaterial {
    glm::vec4 diffuse{0, 0, 0, 1};
    glm::vec4 specular{0, 0, 0, 1};
    glm::vec4 emissive{0, 0, 0, 1};
    float power = 0;          // specular exponent
    std::string textureFile;  // bytes of the file's TextureFilename, empty when none
};

struct ImportedModel {
    MeshData mesh;  // one subset per material
    std::vector<ImportedMaterial> materials;
};

// Every mesh of the file merged into one, each placed by its frames' transforms; positions,
// normals, texture coordinates and triangle winding exactly as written (polygons are fanned into
// triangles, identical vertices shared). Materials in file order. nullopt when the file cannot
// be read or holds no triangles.
std::optional<ImportedModel> ImportXModel(std::span<const uint8_t> bytes);

// Why ImportXModel gives nothing for `bytes`, in plain words: the first rule of the accepted .x
// subset the file breaks, with its line and the offending text. For tools and logs; it reads the
// file again.
std::string ImportFailure(std::span<const uint8_t> bytes);
