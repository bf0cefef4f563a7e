// The GL device's programs, meshes and render targets.
#include <epoxy/gl.h>

#include <glm/gtc/type_ptr.hpp>

#include "platform/gfx/GlDevice.h"

namespace gfx {
namespace {

constexpr const char* kAttributeNames[] = {"a_position", "a_normal", "a_texCoord", "a_tangent",
                                           "a_binormal"};

// Every vertex shader ends in ToClip: D3D-style clip coordinates (depth 0..1) into GL's, turned
// upside down while drawing into a target so that targets hold their images top row first.
constexpr const char* kVertexPrelude = R"(#version 330 core
uniform vec2 hm_clipAdjust;  // (y scale, 1 when depth must be remapped to -1..1)
vec4 ToClip(vec4 p) {
    p.y *= hm_clipAdjust.x;
    if (hm_clipAdjust.y > 0.5) p.z = 2.0 * p.z - p.w;
    return p;
}
#line 1
)";
constexpr const char* kFragmentPrelude = "#version 330 core\n#line 1\n";

std::string InfoLog(GLuint object, bool isProgram) {
    GLint length = 0;
    isProgram ? glGetProgramiv(object, GL_INFO_LOG_LENGTH, &length)
              : glGetShaderiv(object, GL_INFO_LOG_LENGTH, &length);
    std::string log(static_cast<size_t>(std::max(length, 1)), '\0');
    isProgram ? glGetProgramInfoLog(object, length, nullptr, log.data())
              : glGetShaderInfoLog(object, length, nullptr, log.data());
    log.resize(log.find('\0') == std::string::npos ? log.size() : log.find('\0'));
    return log;
}

GLuint Compile(GLenum stage, const char* prelude, const std::string& body, std::string& log) {
    const GLuint shader = glCreateShader(stage);
    const char* parts[] = {prelude, body.c_str()};
    glShaderSource(shader, 2, parts, nullptr);
    glCompileShader(shader);
    GLint ok = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (ok) return shader;
    log += (stage == GL_VERTEX_SHADER ? "vertex stage: " : "fragment stage: ") +
           InfoLog(shader, false);
    glDeleteShader(shader);
    return 0;
}

}  // namespace

ProgramId GlDevice::CreateProgram(const ProgramSource& source, std::string& log) {
    log.clear();
    const GLuint vertex = Compile(GL_VERTEX_SHADER, kVertexPrelude, source.vertex, log);
    const GLuint fragment = Compile(GL_FRAGMENT_SHADER, kFragmentPrelude, source.fragment, log);
    if (!vertex || !fragment) {
        glDeleteShader(vertex);
        glDeleteShader(fragment);
        return ProgramId::None;
    }
    const GLuint program = glCreateProgram();
    ++live_.programs;
    glAttachShader(program, vertex);
    glAttachShader(program, fragment);
    for (GLuint slot = 0; slot < std::size(kAttributeNames); ++slot) {
        glBindAttribLocation(program, slot, kAttributeNames[slot]);
    }
    glBindFragDataLocation(program, 0, "o_colour");
    glBindFragDataLocation(program, 1, "o_glow");
    glLinkProgram(program);
    glDeleteShader(vertex);  // kept alive by the program until it is deleted
    glDeleteShader(fragment);
    GLint ok = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &ok);
    if (!ok) {
        log = "link: " + InfoLog(program, true);
        glDeleteProgram(program);
        --live_.programs;
        return ProgramId::None;
    }
    clipUniform_[program] = glGetUniformLocation(program, "hm_clipAdjust");
    return static_cast<ProgramId>(program);
}

void GlDevice::ReleaseProgram(ProgramId program) {
    const auto found = clipUniform_.find(static_cast<uint32_t>(program));
    if (found == clipUniform_.end()) return;
    if (currentProgram_ == found->first) {
        glUseProgram(0);
        currentProgram_ = 0;
    }
    glDeleteProgram(found->first);
    --live_.programs;
    clipUniform_.erase(found);
}

int GlDevice::UniformLocation(ProgramId program, const std::string& name) const {
    if (!clipUniform_.contains(static_cast<uint32_t>(program))) return -1;
    return glGetUniformLocation(static_cast<GLuint>(program), name.c_str());
}

void GlDevice::UseProgram(ProgramId program, const DrawState& state) {
    const auto name = static_cast<uint32_t>(program);
    if (!clipUniform_.contains(name)) return;
    glUseProgram(name);
    currentProgram_ = name;
    ApplyClipAdjustment();

    switch (state.blend) {
        case Blend::None:
            glDisable(GL_BLEND);
            break;
        case Blend::Alpha:
            glEnable(GL_BLEND);
            glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ONE,
                                GL_ONE_MINUS_SRC_ALPHA);
            break;
        case Blend::Additive:
            glEnable(GL_BLEND);
            glBlendFunc(GL_SRC_ALPHA, GL_ONE);
            break;
    }
    if (state.depth == DepthMode::Off) {
        glDisable(GL_DEPTH_TEST);
    } else {
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_LEQUAL);
    }
    glDepthMask(state.depth == DepthMode::TestWrite ? GL_TRUE : GL_FALSE);
    if (state.cull == CullMode::Back) {
        glEnable(GL_CULL_FACE);
        glCullFace(GL_BACK);
    } else {
        glDisable(GL_CULL_FACE);
    }
}

void GlDevice::ApplyClipAdjustment() {
    // Clockwise on screen is the front; a target's image is drawn mirrored top to bottom.
    glFrontFace(drawingToTarget_ ? GL_CCW : GL_CW);
    const auto found = clipUniform_.find(currentProgram_);
    if (found != clipUniform_.end() && found->second >= 0) {
        glUniform2f(found->second, drawingToTarget_ ? -1.0f : 1.0f, zeroToOneDepth_ ? 0.0f : 1.0f);
    }
}

void GlDevice::SetMatrix(int location, const glm::mat4& value) {
    if (location >= 0) glUniformMatrix4fv(location, 1, GL_FALSE, glm::value_ptr(value));
}

void GlDevice::SetVector(int location, const glm::vec4& value) {
    if (location >= 0) glUniform4fv(location, 1, glm::value_ptr(value));
}

void GlDevice::SetInt(int location, int value) {
    if (location >= 0) glUniform1i(location, value);
}

void GlDevice::SetFloats(int location, std::span<const float> values) {
    if (location >= 0) glUniform1fv(location, static_cast<GLsizei>(values.size()), values.data());
}

void GlDevice::SetTexture(int location, int unit, TextureId texture) {
    if (location < 0) return;
    glActiveTexture(GL_TEXTURE0 + static_cast<GLenum>(unit));
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(texture));
    glUniform1i(location, unit);
    glActiveTexture(GL_TEXTURE0);
}

MeshId GlDevice::CreateMesh(const MeshLayout& layout, std::span<const float> vertices,
                            std::span<const uint32_t> indices) {
    if (!FitsLayout(layout, vertices.size(), indices)) return MeshId::None;
    Mesh mesh{};
    glGenVertexArrays(1, &mesh.vertexArray);
    glBindVertexArray(mesh.vertexArray);
    glGenBuffers(1, &mesh.vertexBuffer);
    glBindBuffer(GL_ARRAY_BUFFER, mesh.vertexBuffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size_bytes()), vertices.data(),
                 GL_STATIC_DRAW);
    glGenBuffers(1, &mesh.indexBuffer);
    ++live_.vertexArrays;
    live_.buffers += 2;
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, mesh.indexBuffer);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indices.size_bytes()),
                 indices.data(), GL_STATIC_DRAW);
    for (const AttributeLayout& a : layout.attributes) {
        const auto slot = static_cast<GLuint>(a.attribute);
        glEnableVertexAttribArray(slot);
        glVertexAttribPointer(slot, static_cast<GLint>(a.components), GL_FLOAT, GL_FALSE,
                              static_cast<GLsizei>(layout.stride),
                              reinterpret_cast<const void*>(static_cast<uintptr_t>(a.offset)));
    }
    glBindVertexArray(0);
    mesh.indexCount = static_cast<uint32_t>(indices.size());
    mesh.primitive =
        layout.primitive == Primitive::TriangleStrip ? GL_TRIANGLE_STRIP : GL_TRIANGLES;
    meshes_.emplace(mesh.vertexArray, mesh);
    return static_cast<MeshId>(mesh.vertexArray);
}

void GlDevice::ReleaseMesh(MeshId id) {
    const auto found = meshes_.find(static_cast<uint32_t>(id));
    if (found == meshes_.end()) return;
    const Mesh& mesh = found->second;
    glDeleteBuffers(1, &mesh.vertexBuffer);
    glDeleteBuffers(1, &mesh.indexBuffer);
    glDeleteVertexArrays(1, &mesh.vertexArray);
    --live_.vertexArrays;
    live_.buffers -= 2;
    meshes_.erase(found);
}

void GlDevice::DrawMesh(MeshId id, uint32_t first, uint32_t count) {
    const auto found = meshes_.find(static_cast<uint32_t>(id));
    if (found == meshes_.end() || currentProgram_ == 0) return;
    const Mesh& mesh = found->second;
    if (first >= mesh.indexCount) return;
    count = std::min(count, mesh.indexCount - first);
    glBindVertexArray(mesh.vertexArray);
    glDrawElements(mesh.primitive, static_cast<GLsizei>(count), GL_UNSIGNED_INT,
                   reinterpret_cast<const void*>(static_cast<uintptr_t>(first) * 4));
    glBindVertexArray(0);
}

TargetId GlDevice::CreateTarget(Size size, TargetFormat format) {
    if (size.width <= 0 || size.height <= 0 || size.width > caps_.maxTextureWidth ||
        size.height > caps_.maxTextureHeight) {
        return TargetId::None;
    }
    while (glGetError() != GL_NO_ERROR) continue;
    const bool depthOnly = format == TargetFormat::DepthOnly;
    Target target{0, 0, depthOnly, size};
    glGenTextures(1, &target.texture);
    ++live_.textures;
    glBindTexture(GL_TEXTURE_2D, target.texture);
    if (depthOnly) {
        glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT24, size.width, size.height, 0,
                     GL_DEPTH_COMPONENT, GL_UNSIGNED_INT, nullptr);
    } else {
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, size.width, size.height, 0, GL_RGBA,
                     GL_UNSIGNED_BYTE, nullptr);
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glBindTexture(GL_TEXTURE_2D, 0);
    if (format == TargetFormat::Rgba8WithDepth) {
        glGenRenderbuffers(1, &target.depth);
        ++live_.renderbuffers;
        glBindRenderbuffer(GL_RENDERBUFFER, target.depth);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, size.width, size.height);
        glBindRenderbuffer(GL_RENDERBUFFER, 0);
    }
    if (glGetError() != GL_NO_ERROR) {
        DeleteTargetObjects(target);
        return TargetId::None;
    }
    targets_.emplace(target.texture, target);
    return static_cast<TargetId>(target.texture);
}

void GlDevice::ReleaseTarget(TargetId id) {
    const auto found = targets_.find(static_cast<uint32_t>(id));
    if (found == targets_.end()) return;
    if (drawingToTarget_) BindTargets(TargetId::None, TargetId::None);
    DeleteTargetObjects(found->second);
    targets_.erase(found);
}

void GlDevice::DeleteTargetObjects(const Target& target) {
    glDeleteTextures(1, &target.texture);
    --live_.textures;
    if (target.depth == 0) return;
    glDeleteRenderbuffers(1, &target.depth);
    --live_.renderbuffers;
}

TextureId GlDevice::TargetTexture(TargetId id) const {
    return targets_.contains(static_cast<uint32_t>(id)) ? static_cast<TextureId>(id)
                                                        : TextureId::None;
}

void GlDevice::BindTargets(TargetId first, TargetId second) {
    const auto found = targets_.find(static_cast<uint32_t>(first));
    if (found == targets_.end()) {
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glDrawBuffer(defaultDrawBuffer_);
        const Rect picture = PictureArea();
        // GL's window coordinates start at the bottom.
        glViewport(picture.x, drawable_.height - picture.y - picture.height, picture.width,
                   picture.height);
        drawingToTarget_ = false;
        ApplyClipAdjustment();
        return;
    }
    if (framebuffer_ == 0) {
        glGenFramebuffers(1, &framebuffer_);
        ++live_.framebuffers;
    }
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    const Target& target = found->second;
    const auto secondFound = targets_.find(static_cast<uint32_t>(second));
    const bool hasSecond =
        !target.depthOnly && secondFound != targets_.end() && !secondFound->second.depthOnly;
    const GLuint colour = target.depthOnly ? 0 : target.texture;
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, colour, 0);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT1, GL_TEXTURE_2D,
                           hasSecond ? secondFound->second.texture : 0, 0);
    if (target.depthOnly) {
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, target.texture,
                               0);
    } else {
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER,
                                  target.depth);
    }
    const GLenum buffers[] = {static_cast<GLenum>(colour ? GL_COLOR_ATTACHMENT0 : GL_NONE),
                              static_cast<GLenum>(hasSecond ? GL_COLOR_ATTACHMENT1 : GL_NONE)};
    glDrawBuffers(2, buffers);
    // A framebuffer without colour must not name one to read from to be complete.
    glReadBuffer(colour ? GL_COLOR_ATTACHMENT0 : GL_NONE);
    glViewport(0, 0, target.size.width, target.size.height);
    drawingToTarget_ = true;
    ApplyClipAdjustment();
}

void GlDevice::Finish() {
    glFinish();
}

void GlDevice::EnableProfiling(bool on) {
    BeginSection(nullptr);
    sections_.clear();
    profiling_ = on;
}

void GlDevice::BeginSection(const char* name) {
    if (!profiling_) return;
    glFinish();  // what was queued so far belongs to the section this ends, or to none
    const auto now = std::chrono::steady_clock::now();
    if (sectionOpen_) sections_.back().end = now;
    sectionOpen_ = name != nullptr;
    if (name) sections_.push_back({name, now, now});
}

std::vector<GlDevice::SectionTime> GlDevice::TakeSectionTimes() {
    BeginSection(nullptr);
    std::vector<SectionTime> times;
    for (const Section& section : sections_) {
        const std::chrono::duration<double, std::milli> spent = section.end - section.start;
        times.push_back({section.name, spent.count()});
    }
    sections_.clear();
    return times;
}

}  // namespace gfx
