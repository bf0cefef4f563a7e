#include "platform/gfx/NullDevice.h"

#include <algorithm>
#include <sstream>

namespace gfx {

NullDevice::NullDevice(platform::Window& window, const Caps& caps)
    : window_(window), caps_(caps), backBuffer_(window.ClientSize()), drawable_(backBuffer_) {}

Caps NullDevice::FullCaps() {
    Caps caps;
    caps.shaderModel = 0x0303;
    caps.textureCaps = 0;
    caps.alphaGreaterEqual = true;
    caps.perPixelFog = true;
    caps.fogWithSpecularAlpha = true;
    caps.maxRenderTargets = 8;
    caps.maxTextureWidth = 16384;
    caps.maxTextureHeight = 16384;
    return caps;
}

void NullDevice::LoseDevice(int lostTests) {
    lost_ = true;
    lostTestsLeft_ = lostTests;
}

void NullDevice::Clear(uint32_t colour, float, uint8_t) {
    ++counts_.clears;
    if (boundFirst_ != TargetId::None) return;
    ++counts_.backBufferClears;
    lastBackBufferClearColour_ = colour;
}

void NullDevice::BeginScene() {
    ++counts_.beginScenes;
    drawable_ = window_.ClientSize();
    // One frame's draws at most: a long run would otherwise keep every draw it ever made.
    drawLog_.clear();
}

DeviceState NullDevice::Present() {
    ++counts_.presents;
    return lost_ ? DeviceState::Lost : DeviceState::Ok;
}

DeviceState NullDevice::TestCooperativeLevel() {
    ++counts_.cooperativeTests;
    if (!lost_) return DeviceState::Ok;
    if (lostTestsLeft_ > 0) {
        --lostTestsLeft_;
        return DeviceState::Lost;
    }
    return DeviceState::NotReset;
}

bool NullDevice::Reset(const PresentParams& params) {
    ++counts_.resets;
    if (failResets_ || lostTestsLeft_ > 0) return false;
    lost_ = false;
    params_ = params;
    drawable_ = window_.ClientSize();
    backBuffer_ = params.backBuffer.width > 0 ? params.backBuffer : drawable_;
    return true;
}

TextureId NullDevice::CreateTexture(const Image& image) {
    if (!IsWellFormed(image)) return TextureId::None;
    const auto texture = static_cast<TextureId>(++lastTextureId_);
    textures_.emplace(texture, image.size);
    return texture;
}

Size NullDevice::TextureSize(TextureId texture) const {
    const auto found = textures_.find(texture);
    return found == textures_.end() ? Size{} : found->second;
}

std::unique_ptr<Device> NullGraphics::CreateDevice(platform::Window& window) {
    if (creationFails_) return nullptr;
    auto device = std::make_unique<NullDevice>(window, caps_);
    lastDevice_ = device.get();
    return device;
}

}  // namespace gfx

namespace gfx {
namespace {

// The names after "uniform <type>" in a shader source, in order, without array brackets.
void CollectUniforms(const std::string& source, std::vector<std::string>& names) {
    std::istringstream words(source);
    std::string word;
    while (words >> word) {
        if (word != "uniform") continue;
        std::string type, name;
        if (!(words >> type >> name)) break;
        name = name.substr(0, name.find_first_of("[;"));
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
}

}  // namespace

ProgramId NullDevice::CreateProgram(const ProgramSource& source, std::string& log) {
    if (source.vertex.empty() || source.fragment.empty()) {
        log = "an empty stage";
        return ProgramId::None;
    }
    log.clear();
    Program program;
    CollectUniforms(source.vertex, program.uniforms);
    CollectUniforms(source.fragment, program.uniforms);
    const auto id = static_cast<ProgramId>(++lastObjectId_);
    programs_.emplace(id, std::move(program));
    return id;
}

int NullDevice::UniformLocation(ProgramId program, const std::string& name) const {
    const auto found = programs_.find(program);
    if (found == programs_.end()) return -1;
    const auto& names = found->second.uniforms;
    const auto at = std::find(names.begin(), names.end(), name);
    return at == names.end() ? -1 : static_cast<int>(at - names.begin());
}

void NullDevice::UseProgram(ProgramId program, const DrawState& state) {
    if (!programs_.contains(program)) return;
    ++counts_.programSwitches;
    current_ = program;
    state_ = state;
}

void NullDevice::Keep(int location, const glm::mat4& value) {
    const auto found = programs_.find(current_);
    if (location >= 0 && found != programs_.end()) found->second.values[location] = value;
}

void NullDevice::SetMatrix(int location, const glm::mat4& value) {
    Keep(location, value);
}

void NullDevice::SetVector(int location, const glm::vec4& value) {
    glm::mat4 kept(0.0f);
    kept[0] = value;
    Keep(location, kept);
}

void NullDevice::SetInt(int location, int value) {
    SetVector(location, glm::vec4(static_cast<float>(value), 0, 0, 0));
}

void NullDevice::SetFloats(int location, std::span<const float> values) {
    glm::mat4 kept(0.0f);
    for (size_t i = 0; i < values.size() && i < 16; ++i) kept[i / 4][i % 4] = values[i];
    Keep(location, kept);
}

void NullDevice::SetTexture(int location, int unit, TextureId texture) {
    SetVector(location, glm::vec4(static_cast<float>(texture), static_cast<float>(unit), 0, 0));
}

MeshId NullDevice::CreateMesh(const MeshLayout& layout, std::span<const float> vertices,
                              std::span<const uint32_t> indices) {
    if (!FitsLayout(layout, vertices.size(), indices)) return MeshId::None;
    const auto id = static_cast<MeshId>(++lastObjectId_);
    meshes_.emplace(id, static_cast<uint32_t>(indices.size()));
    return id;
}

void NullDevice::DrawMesh(MeshId mesh, uint32_t first, uint32_t count) {
    if (!meshes_.contains(mesh) || current_ == ProgramId::None) return;
    ++counts_.draws;
    drawLog_.push_back({current_, state_, boundFirst_, boundSecond_, mesh, first, count});
}

TargetId NullDevice::CreateTarget(Size size, TargetFormat format) {
    if (size.width <= 0 || size.height <= 0) return TargetId::None;
    const auto id = static_cast<TargetId>(++lastTextureId_);
    targets_.emplace(id, format);
    return id;
}

TextureId NullDevice::TargetTexture(TargetId target) const {
    return targets_.contains(target) ? static_cast<TextureId>(target) : TextureId::None;
}

void NullDevice::BindTargets(TargetId first, TargetId second) {
    boundFirst_ = targets_.contains(first) ? first : TargetId::None;
    boundSecond_ =
        boundFirst_ != TargetId::None && targets_.contains(second) ? second : TargetId::None;
}

LiveObjects NullDevice::Live() const {
    LiveObjects live;
    live.textures = static_cast<int>(textures_.size() + targets_.size());
    live.vertexArrays = static_cast<int>(meshes_.size());
    live.buffers = 2 * live.vertexArrays;
    for (const auto& [id, format] : targets_) {
        if (format == TargetFormat::Rgba8WithDepth) ++live.renderbuffers;
    }
    live.programs = static_cast<int>(programs_.size());
    return live;
}

glm::vec4 NullDevice::VectorAt(ProgramId program, int location) const {
    return MatrixAt(program, location)[0];
}

glm::mat4 NullDevice::MatrixAt(ProgramId program, int location) const {
    const auto found = programs_.find(program);
    if (found == programs_.end()) return glm::mat4(0.0f);
    const auto value = found->second.values.find(location);
    return value == found->second.values.end() ? glm::mat4(0.0f) : value->second;
}

}  // namespace gfx
