#include "library/XTextCheck.h"

#include <charconv>
#include <cmath>
#include <utility>

namespace {

using Kind = XToken::Kind;

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsWordStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsWordPart(char c) {
    return IsWordStart(c) || IsDigit(c);
}
bool IsPrintable(char c) {
    return c >= 0x20 && c <= 0x7E;
}

// True once per flag: a mesh holds each kind of child at most once.
bool FirstTime(bool& seen) {
    return !std::exchange(seen, true);
}

// Whether `second` starts right where `first` ends, with no space between.
bool Touches(const XToken& first, const XToken& second) {
    return first.text.data() + first.text.size() == second.text.data();
}

// The header line: format version 3.3, text, 32- or 64-bit floats.
std::optional<std::string_view> BodyAfterHeader(std::string_view file) {
    constexpr std::string_view kVersionAndText = "xof 0303txt ";
    if (!file.starts_with(kVersionAndText)) return std::nullopt;
    file.remove_prefix(kVersionAndText.size());
    if (!file.starts_with("0032") && !file.starts_with("0064")) return std::nullopt;
    file.remove_prefix(4);
    if (file.starts_with("\r")) file.remove_prefix(1);
    if (!file.starts_with("\n")) return std::nullopt;
    return file.substr(1);
}

}  // namespace

XToken XTextTokenizer::Next() {
    while (at_ < body_.size() && IsSpace(body_[at_])) ++at_;
    if (at_ == body_.size()) return {Kind::End, body_.substr(at_)};
    const char c = body_[at_];
    switch (c) {
        case '{':
            return Take(Kind::OpenBrace, 1);
        case '}':
            return Take(Kind::CloseBrace, 1);
        case ';':
            return Take(Kind::Semicolon, 1);
        case ',':
            return Take(Kind::Comma, 1);
        case '"':
            return String();
        default:
            break;
    }
    if (IsWordStart(c)) return Word();
    if (IsDigit(c) || c == '-') return Number();
    return Take(Kind::Invalid, 0);
}

XToken XTextTokenizer::Take(Kind kind, size_t length) {
    const XToken token{kind, body_.substr(at_, length)};
    at_ += length;
    return token;
}

XToken XTextTokenizer::String() {
    size_t end = at_ + 1;
    while (end < body_.size() && body_[end] != '"') {
        if (!IsPrintable(body_[end])) return Take(Kind::Invalid, 0);
        ++end;
    }
    if (end == body_.size()) return Take(Kind::Invalid, 0);
    return Take(Kind::String, end + 1 - at_);
}

XToken XTextTokenizer::Word() {
    size_t end = at_ + 1;
    while (end < body_.size() && IsWordPart(body_[end])) ++end;
    return Delimited(Kind::Word, end - at_);
}

XToken XTextTokenizer::Number() {
    // The importer reads the whole part into 64 bits and gives up on longer ones.
    constexpr size_t kMaxWholeDigits = 19;
    const size_t sign = body_[at_] == '-' ? 1 : 0;
    const size_t whole = DigitsFrom(at_ + sign);
    if (whole == 0 || whole > kMaxWholeDigits) return Take(Kind::Invalid, 0);
    size_t length = sign + whole;
    if (at_ + length < body_.size() && body_[at_ + length] == '.') {
        const size_t fraction = DigitsFrom(at_ + length + 1);
        if (fraction == 0) return Take(Kind::Invalid, 0);
        length += 1 + fraction;
    }
    return Delimited(Kind::Number, length);
}

XToken XTextTokenizer::Delimited(Kind kind, size_t length) {
    const size_t end = at_ + length;
    const bool delimited = end == body_.size() || IsSpace(body_[end]) ||
                           std::string_view("{};,").find(body_[end]) != std::string_view::npos;
    return delimited ? Take(kind, length) : Take(Kind::Invalid, 0);
}

size_t XTextTokenizer::DigitsFrom(size_t pos) const {
    size_t end = pos;
    while (end < body_.size() && IsDigit(body_[end])) ++end;
    return end - pos;
}

bool XTextCheck::Passes(std::string_view file) {
    if (file.size() > kMaxFileBytes) return false;
    const std::optional<std::string_view> body = BodyAfterHeader(file);
    return body && XTextCheck(*body).File();
}

XTextCheck::XTextCheck(std::string_view body) : tokens_(body) {
    Advance();
}

bool XTextCheck::File() {
    while (current_.kind != Kind::End) {
        if (!TopLevelObject()) return false;
    }
    return hasMesh_;
}

bool XTextCheck::TopLevelObject() {
    if (TakeWord("Frame")) return Frame(1);
    if (TakeWord("Mesh")) return Mesh();
    if (TakeWord("Material")) {
        // Only a named material can be referred to; a name stands for one material.
        std::string_view name;
        return Material(&name) && !name.empty() && topLevelMaterials_.insert(name).second;
    }
    return false;
}

bool XTextCheck::Frame(int depth) {
    if (depth > kMaxFrameDepth || !OpenObject()) return false;
    bool hasMatrix = false;
    while (!Take(Kind::CloseBrace)) {
        bool childFits = false;
        if (TakeWord("FrameTransformMatrix")) {
            childFits = FirstTime(hasMatrix) && FrameTransformMatrix();
        } else if (TakeWord("Frame")) {
            childFits = Frame(depth + 1);
        } else if (TakeWord("Mesh")) {
            childFits = Mesh();
        }
        if (!childFits) return false;
    }
    return true;
}

// Sixteen numbers, row by row, then `;;`.
bool XTextCheck::FrameTransformMatrix() {
    return OpenObject() && List(16, [this](uint32_t) { return Float(); }) &&
           Take(Kind::Semicolon) && Take(Kind::CloseBrace);
}

bool XTextCheck::Mesh() {
    if (!OpenObject()) return false;
    MeshShape shape;
    const std::optional<uint32_t> vertices = Count();
    if (!vertices || !List(*vertices, [this](uint32_t) { return Floats(3); })) return false;
    shape.vertexCount = *vertices;
    const std::optional<uint32_t> faces = Count();
    const auto face = [&](uint32_t) {
        const std::optional<uint32_t> corners = Face(shape.vertexCount);
        if (corners) shape.faceCorners.push_back(*corners);
        return corners.has_value();
    };
    if (!faces || !List(*faces, face)) return false;
    while (!Take(Kind::CloseBrace)) {
        if (!MeshChild(shape)) return false;
    }
    hasMesh_ = true;
    return true;
}

bool XTextCheck::MeshChild(MeshShape& shape) {
    if (TakeWord("MeshNormals")) return FirstTime(shape.hasNormals) && MeshNormals(shape);
    if (TakeWord("MeshTextureCoords")) {
        return FirstTime(shape.hasTexCoords) && MeshTextureCoords(shape);
    }
    if (TakeWord("MeshMaterialList")) {
        return FirstTime(shape.hasMaterialList) && MeshMaterialList(shape);
    }
    return false;
}

// Normals, then one face per mesh face with the same number of corners, indexing the normals.
bool XTextCheck::MeshNormals(const MeshShape& shape) {
    if (!OpenObject()) return false;
    const std::optional<uint32_t> normals = Count();
    if (!normals || !List(*normals, [this](uint32_t) { return Floats(3); })) return false;
    const std::optional<uint32_t> faces = Count();
    const auto face = [&](uint32_t index) { return Face(*normals) == shape.faceCorners[index]; };
    return faces == shape.faceCorners.size() && List(*faces, face) && Take(Kind::CloseBrace);
}

// One (u, v) per vertex.
bool XTextCheck::MeshTextureCoords(const MeshShape& shape) {
    if (!OpenObject()) return false;
    const std::optional<uint32_t> coords = Count();
    return coords == shape.vertexCount && List(*coords, [this](uint32_t) { return Floats(2); }) &&
           Take(Kind::CloseBrace);
}

// A material index per face, then exactly the declared number of materials. The index list may
// end with `;;` as well as `;`.
bool XTextCheck::MeshMaterialList(const MeshShape& shape) {
    if (!OpenObject()) return false;
    const std::optional<uint32_t> materials = Count();
    const std::optional<uint32_t> faces = Count();
    const auto materialIndex = [&](uint32_t) { return IndexBelow(*materials); };
    if (!materials || faces != shape.faceCorners.size() || !List(*faces, materialIndex)) {
        return false;
    }
    Take(Kind::Semicolon);  // the optional second one
    for (uint32_t i = 0; i < *materials; ++i) {
        const bool fits = current_.kind == Kind::OpenBrace
                              ? MaterialReference()
                              : TakeWord("Material") && Material(nullptr);
        if (!fits) return false;
    }
    return Take(Kind::CloseBrace);
}

// `{ Name }`, naming a top-level material declared before.
bool XTextCheck::MaterialReference() {
    if (!Take(Kind::OpenBrace) || current_.kind != Kind::Word ||
        !topLevelMaterials_.contains(current_.text)) {
        return false;
    }
    Advance();
    return Take(Kind::CloseBrace);
}

// Face colour (RGBA), specular power, specular colour (RGB), emissive colour (RGB), then an
// optional texture file.
bool XTextCheck::Material(std::string_view* name) {
    if (!OpenObject(name) || !Floats(4) || !Take(Kind::Semicolon) || !Floats(1) || !Floats(3) ||
        !Take(Kind::Semicolon) || !Floats(3) || !Take(Kind::Semicolon)) {
        return false;
    }
    if (TakeWord("TextureFilename") && !TextureFilename()) return false;
    return Take(Kind::CloseBrace);
}

// `{ "name"; }`: a non-empty name, the semicolon right after the closing quote (the importer
// demands it there).
bool XTextCheck::TextureFilename() {
    if (!OpenObject() || current_.kind != Kind::String) return false;
    const XToken name = current_;
    Advance();
    const size_t nameBytes = name.text.size() - 2;  // without the quotes
    return nameBytes > 0 && nameBytes <= kMaxNameBytes && current_.kind == Kind::Semicolon &&
           Touches(name, current_) && Take(Kind::Semicolon) && Take(Kind::CloseBrace);
}

bool XTextCheck::OpenObject(std::string_view* name) {
    if (current_.kind == Kind::Word) {
        if (current_.text.size() > kMaxNameBytes) return false;
        if (name) *name = current_.text;
        Advance();
    }
    return Take(Kind::OpenBrace);
}

template <typename ReadElement>
bool XTextCheck::List(uint32_t count, ReadElement readElement) {
    for (uint32_t i = 0; i < count; ++i) {
        if (!readElement(i) || !Take(i + 1 < count ? Kind::Comma : Kind::Semicolon)) return false;
    }
    return true;
}

std::optional<uint32_t> XTextCheck::Face(uint32_t indexLimit) {
    const std::optional<uint32_t> corners = Count();
    const auto index = [&](uint32_t) { return IndexBelow(indexLimit); };
    if (!corners || *corners < 3 || !List(*corners, index)) return std::nullopt;
    return corners;
}

// Every element takes at least a digit and a separator, so a count above half the bytes left
// cannot be true.
std::optional<uint32_t> XTextCheck::Count() {
    const std::optional<uint32_t> count = WholeNumber();
    if (!count || *count == 0 || *count > tokens_.RemainingBytes() / 2 || !Take(Kind::Semicolon)) {
        return std::nullopt;
    }
    return count;
}

std::optional<uint32_t> XTextCheck::WholeNumber() {
    if (current_.kind != Kind::Number) return std::nullopt;
    const std::string_view text = current_.text;
    uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    Advance();
    return value;
}

bool XTextCheck::IndexBelow(uint32_t limit) {
    const std::optional<uint32_t> index = WholeNumber();
    return index && *index < limit;
}

bool XTextCheck::Floats(int count) {
    for (int i = 0; i < count; ++i) {
        if (!Float() || !Take(Kind::Semicolon)) return false;
    }
    return true;
}

bool XTextCheck::Float() {
    if (current_.kind != Kind::Number) return false;
    const XToken number = current_;
    float value = 0;
    const auto [end, error] =
        std::from_chars(number.text.data(), number.text.data() + number.text.size(), value);
    if (error != std::errc() || end != number.text.data() + number.text.size() ||
        !std::isfinite(value)) {
        return false;
    }
    Advance();
    // The importer reads a number without a fraction that runs straight into `,` and a digit as
    // one with a decimal comma ("1,5" is 1.5), so such a number would be split differently there.
    const bool decimalCommaLookalike = number.text.find('.') == std::string_view::npos &&
                                       current_.kind == Kind::Comma && Touches(number, current_);
    return !decimalCommaLookalike;
}

bool XTextCheck::Take(Kind kind) {
    if (current_.kind != kind) return false;
    Advance();
    return true;
}

bool XTextCheck::TakeWord(std::string_view word) {
    if (current_.kind != Kind::Word || current_.text != word) return false;
    Advance();
    return true;
}
