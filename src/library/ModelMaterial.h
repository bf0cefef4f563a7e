#pragma once
#include <cstdint>
#include <span>
#include <string>

#include <glm/vec4.hpp>

#include "library/Archive.h"
#include "library/ShaderPass.h"

struct ImportedMaterial;

// The lighting colours of a material, RGBA 0..1, as fixed-function Direct3D materials had them.
struct MaterialColours {
    glm::vec4 diffuse{0};
    glm::vec4 ambient{0};  // always the diffuse colour
    glm::vec4 specular{0};
    glm::vec4 emissive{0};
    float power = 0;  // specular exponent
};

// One material of a loaded model, with its textures resolved to catalogue rows.
struct ModelMaterial {
    std::u16string textureName;  // as the file names it; empty when none
    MaterialColours material;
    int32_t textureIndex = -1;    // catalogue row of the texture, -1 when none
    int32_t normalMapIndex = -1;  // catalogue row of the normal map, -1 when none
    ShaderPass passIndex = ShaderPass::Lit;
};

// Resolves a material against the catalogue. The texture is the first row whose name equals the
// file's texture name exactly (case-sensitive); without one the material is untextured. With one
// it is textured (pass 2 when the name contains ".png"), and normal-mapped when the catalogue
// also holds "normal_<base>.bmp", <base> being the texture name cut at its first dot.
ModelMaterial ResolveMaterial(const ImportedMaterial& imported,
                              std::span<const AssetEntry> catalogue);

// The normal map name for a texture name: "normal_<base>.bmp" ("a.b.png" gives "normal_a.bmp").
std::u16string NormalMapName(std::u16string_view textureName);
