#include "models/ModelKit.h"

#include <array>
#include <string>

namespace {

// The red, green and blue of 0xRRGGBB, 0..1.
std::array<float, 3> Channels(uint32_t rgb) {
    const auto channel = [rgb](int shift) {
        return static_cast<float>((rgb >> shift) & 0xFFu) / 255.0f;
    };
    return {channel(16), channel(8), channel(0)};
}

}  // namespace

Material Textured(std::string_view texture, uint32_t tint, float alpha) {
    Material material;
    const std::array<float, 3> rgb = Channels(tint);
    material.faceColor = {rgb[0], rgb[1], rgb[2], alpha};
    material.textureFile = std::string(texture);
    return material;
}

Material Plain(uint32_t rgb, float alpha) {
    return Textured("white.bmp", rgb, alpha);
}

Material Shiny(Material material, float power, float level) {
    material.power = power;
    material.specular = {level, level, level};
    return material;
}

Material Glowing(Material material, float level) {
    for (size_t i = 0; i < 3; ++i) material.emissive[i] = level * material.faceColor[i];
    return material;
}

Material GlowingWith(Material material, uint32_t glow) {
    material.emissive = Channels(glow);
    return material;
}
