#include "library/XTextCheck.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

using Kind = XToken::Kind;

constexpr std::string_view kNotAscii = "bytes outside printable ASCII are not accepted";

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
bool IsPunctuation(char c) {
    return c == '{' || c == '}' || c == ';' || c == ',';
}
bool IsPrintable(char c) {
    return c >= 0x20 && c <= 0x7E;
}

// Whether `second` starts right where `first` ends, with no space between.
bool Touches(const XToken& first, const XToken& second) {
    return first.text.data() + first.text.size() == second.text.data();
}

// Why no token can start at the front of `rest`.
std::string_view NoTokenStartsAt(std::string_view rest) {
    if (rest.starts_with("//") || rest.starts_with('#')) {
        return "comments are not part of the accepted subset";
    }
    if (rest.starts_with('.')) return "a number needs a digit before its point";
    if (!IsPrintable(rest.front())) return kNotAscii;
    return "no token of the accepted subset starts with this character";
}

template <typename... Parts>
std::string Join(const Parts&... parts) {
    std::string text;
    (text.append(std::string_view(parts)), ...);
    return text;
}

// `text` as a refusal shows it: at most 24 bytes, others than printable ASCII as \xNN.
std::string Shown(std::string_view text) {
    constexpr size_t kMaxShown = 24;
    std::string shown;
    for (const char c : text.substr(0, kMaxShown)) {
        if (IsPrintable(c)) {
            shown += c;
        } else {
            constexpr char kHex[] = "0123456789ABCDEF";
            const auto byte = static_cast<unsigned char>(c);
            shown += {'\\', 'x', kHex[byte >> 4], kHex[byte & 15]};
        }
    }
    return text.size() > kMaxShown ? shown + "..." : shown;
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
    return Invalid(NoTokenStartsAt(body_.substr(at_)));
}

XToken XTextTokenizer::Take(Kind kind, size_t length) {
    const XToken token{kind, body_.substr(at_, length)};
    at_ += length;
    return token;
}

XToken XTextTokenizer::Invalid(std::string_view problem) const {
    size_t end = at_ + 1;
    while (end < body_.size() && !IsSpace(body_[end]) && !IsPunctuation(body_[end])) ++end;
    return {Kind::Invalid, body_.substr(at_, end - at_), problem};
}

XToken XTextTokenizer::String() {
    size_t end = at_ + 1;
    while (end < body_.size() && IsPrintable(body_[end]) && body_[end] != '"') ++end;
    if (end == body_.size() || body_[end] == '\n' || body_[end] == '\r') {
        return Invalid("a string must be closed on the line it starts");
    }
    if (body_[end] != '"') return Invalid("strings hold printable ASCII only");
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
    if (whole == 0) return Invalid("a minus sign must be followed by digits");
    if (whole > kMaxWholeDigits) return Invalid("a number has at most 19 digits before its point");
    size_t length = sign + whole;
    if (at_ + length < body_.size() && body_[at_ + length] == '.') {
        const size_t fraction = DigitsFrom(at_ + length + 1);
        if (fraction == 0) return Invalid("a number's point must be followed by digits");
        length += 1 + fraction;
    }
    return Delimited(Kind::Number, length);
}

XToken XTextTokenizer::Delimited(Kind kind, size_t length) {
    const size_t end = at_ + length;
    if (end == body_.size() || IsSpace(body_[end]) || IsPunctuation(body_[end])) {
        return Take(kind, length);
    }
    const char next = body_[end];
    if (kind == Kind::Number && (next == 'e' || next == 'E')) {
        return Invalid("numbers with exponents are not accepted");
    }
    if (!IsPrintable(next)) return Invalid(kNotAscii);
    return Invalid("a word or number must end at a space, a brace, ';' or ','");
}

size_t XTextTokenizer::DigitsFrom(size_t pos) const {
    size_t end = pos;
    while (end < body_.size() && IsDigit(body_[end])) ++end;
    return end - pos;
}

std::string XRefusal::Text() const {
    const std::string where = found.empty() ? "at the end of the file" : "at '" + found + "'";
    return "line " + std::to_string(line) + ", " + where + ": " + rule;
}

bool XTextCheck::Passes(std::string_view file) {
    return XTextCheck(file).File();
}

std::optional<XRefusal> XTextCheck::FirstRefusal(std::string_view file) {
    XTextCheck check(file);
    if (check.File()) return std::nullopt;
    const Refusal& refusal = check.refusal_.value();  // every refusal records why
    const auto before = static_cast<size_t>(refusal.at.text.data() - file.data());
    const auto lineFeeds = std::count(file.begin(), file.begin() + before, '\n');
    return XRefusal{static_cast<size_t>(lineFeeds) + 1, Shown(refusal.at.text), refusal.rule};
}

bool XTextCheck::File() {
    if (file_.size() > kMaxFileBytes) {
        return Refuse({Kind::Invalid, file_.substr(kMaxFileBytes)},
                      Join("the file is longer than ", std::to_string(kMaxFileBytes), " bytes"));
    }
    if (!Header()) return false;
    while (current_.kind != Kind::End) {
        if (!TopLevelObject()) return false;
    }
    return hasMesh_ || Refuse(current_, "the file holds no Mesh");
}

// The header line: format version 3.3, text, 32- or 64-bit floats. The tokens start after it.
bool XTextCheck::Header() {
    const auto field = [this](size_t at, size_t length) {
        return XToken{Kind::Invalid, file_.substr(std::min(at, file_.size()), length)};
    };
    if (!file_.starts_with("xof ")) {
        return Refuse(field(0, 4), "not a DirectX .x file: it does not start with \"xof \"");
    }
    if (field(4, 4).text != "0303") {
        return Refuse(field(4, 4), "only version 0303 of the .x format is accepted");
    }
    const XToken format = field(8, 4);
    if (format.text == "bin ") {
        return Refuse(format, "binary .x files are not accepted, only text ones (txt)");
    }
    if (format.text == "tzip" || format.text == "bzip") {
        return Refuse(format, "compressed .x files are not accepted, only text ones (txt)");
    }
    if (format.text != "txt ") return Refuse(format, "only text .x files (txt) are accepted");
    const XToken floatSize = field(12, 4);
    if (floatSize.text != "0032" && floatSize.text != "0064") {
        return Refuse(floatSize, "the float size must be 0032 or 0064");
    }
    size_t end = 16;
    if (field(end, 1).text == "\r") ++end;
    if (field(end, 1).text != "\n") {
        const size_t lineFeed = std::min(file_.find('\n', end), file_.size());
        return Refuse(field(end, lineFeed - end), "the header line must end after the float size");
    }
    tokens_ = XTextTokenizer(file_.substr(end + 1));
    Advance();
    return true;
}

bool XTextCheck::TopLevelObject() {
    if (TakeWord("Frame")) return Frame(1);
    if (TakeWord("Mesh")) return Mesh();
    if (TakeWord("Material")) return TopLevelMaterial();
    return NotAnObject("the top level", "Frame, Mesh or named Material");
}

// Only a named material can be referred to; a name stands for one material.
bool XTextCheck::TopLevelMaterial() {
    const XToken nameOrBrace = current_;
    std::string_view name;
    if (!Material(&name)) return false;
    if (name.empty()) {
        return Refuse(nameOrBrace, "a top-level Material needs a name to be referred to by");
    }
    return topLevelMaterials_.insert(name).second ||
           Refuse(nameOrBrace, "another top-level Material has this name already");
}

bool XTextCheck::Frame(int depth) {
    if (depth > kMaxFrameDepth) {
        return Refuse(current_,
                      Join("frames nest at most ", std::to_string(kMaxFrameDepth), " deep"));
    }
    if (!OpenObject("Frame")) return false;
    bool hasMatrix = false;
    while (!Take(Kind::CloseBrace)) {
        const XToken child = current_;
        bool childFits = false;
        if (TakeWord("FrameTransformMatrix")) {
            childFits = AtMostOnce(hasMatrix, child, "a Frame") && FrameTransformMatrix();
        } else if (TakeWord("Frame")) {
            childFits = Frame(depth + 1);
        } else if (TakeWord("Mesh")) {
            childFits = Mesh();
        } else {
            childFits = NotAnObject("a Frame", "FrameTransformMatrix, Frame or Mesh");
        }
        if (!childFits) return false;
    }
    return true;
}

// Sixteen numbers, row by row, then `;;`.
bool XTextCheck::FrameTransformMatrix() {
    return OpenObject("FrameTransformMatrix") &&
           List(16, "matrix numbers", [this](uint32_t) { return Float("matrix"); }) &&
           Expect(Kind::Semicolon, "a second ';' after the matrix") &&
           Expect(Kind::CloseBrace, "'}' to close the FrameTransformMatrix");
}

bool XTextCheck::Mesh() {
    if (!OpenObject("Mesh")) return false;
    MeshShape shape;
    const std::optional<uint32_t> vertices = Count("vertices");
    if (!vertices ||
        !List(*vertices, "vertices", [this](uint32_t) { return Floats(3, "vertex"); })) {
        return false;
    }
    shape.vertexCount = *vertices;
    const std::optional<uint32_t> faces = Count("faces");
    const auto face = [&](uint32_t) {
        const std::optional<uint32_t> corners = Face(shape.vertexCount, "vertices");
        if (corners) shape.faceCorners.push_back(*corners);
        return corners.has_value();
    };
    if (!faces || !List(*faces, "faces", face)) return false;
    while (!Take(Kind::CloseBrace)) {
        if (!MeshChild(shape)) return false;
    }
    hasMesh_ = true;
    return true;
}

bool XTextCheck::MeshChild(MeshShape& shape) {
    const XToken child = current_;
    if (TakeWord("MeshNormals")) {
        return AtMostOnce(shape.hasNormals, child, "a Mesh") && MeshNormals(shape);
    }
    if (TakeWord("MeshTextureCoords")) {
        return AtMostOnce(shape.hasTexCoords, child, "a Mesh") && MeshTextureCoords(shape);
    }
    if (TakeWord("MeshMaterialList")) {
        return AtMostOnce(shape.hasMaterialList, child, "a Mesh") && MeshMaterialList(shape);
    }
    return NotAnObject("a Mesh", "MeshNormals, MeshTextureCoords or MeshMaterialList");
}

// Normals, then one face per mesh face with the same number of corners, indexing the normals.
bool XTextCheck::MeshNormals(const MeshShape& shape) {
    if (!OpenObject("MeshNormals")) return false;
    const std::optional<uint32_t> normals = Count("normals");
    if (!normals || !List(*normals, "normals", [this](uint32_t) { return Floats(3, "normal"); })) {
        return false;
    }
    const XToken faceCount = current_;
    const std::optional<uint32_t> faces = Count("normal faces");
    if (!faces || !OneEach(faceCount, *faces, "normal faces", shape.faceCorners.size(), "faces")) {
        return false;
    }
    const auto face = [&](uint32_t index) {
        const XToken cornerCount = current_;
        const std::optional<uint32_t> corners = Face(*normals, "normals");
        if (!corners) return false;
        const uint32_t meshCorners = shape.faceCorners[index];
        return *corners == meshCorners ||
               Refuse(cornerCount,
                      Join("this normal face has ", std::to_string(*corners),
                           " corners where the Mesh's face has ", std::to_string(meshCorners)));
    };
    return List(*faces, "normal faces", face) &&
           Expect(Kind::CloseBrace, "'}' to close the MeshNormals");
}

// One (u, v) per vertex.
bool XTextCheck::MeshTextureCoords(const MeshShape& shape) {
    if (!OpenObject("MeshTextureCoords")) return false;
    const XToken count = current_;
    const std::optional<uint32_t> coords = Count("texture coordinates");
    if (!coords || !OneEach(count, *coords, "texture coordinates", shape.vertexCount, "vertices")) {
        return false;
    }
    return List(*coords, "texture coordinates",
                [this](uint32_t) { return Floats(2, "texture coordinate"); }) &&
           Expect(Kind::CloseBrace, "'}' to close the MeshTextureCoords");
}

// A material index per face, then exactly the declared number of materials. The index list may
// end with `;;` as well as `;`.
bool XTextCheck::MeshMaterialList(const MeshShape& shape) {
    if (!OpenObject("MeshMaterialList")) return false;
    const std::optional<uint32_t> materials = Count("materials");
    if (!materials) return false;
    const XToken indexCount = current_;
    const std::optional<uint32_t> faces = Count("material indices");
    if (!faces ||
        !OneEach(indexCount, *faces, "material indices", shape.faceCorners.size(), "faces")) {
        return false;
    }
    const auto materialIndex = [&](uint32_t) { return IndexBelow(*materials, "materials"); };
    if (!List(*faces, "material indices", materialIndex)) return false;
    Take(Kind::Semicolon);  // the optional second one
    for (uint32_t i = 0; i < *materials; ++i) {
        if (!ListedMaterial(i, *materials)) return false;
    }
    if (current_.kind == Kind::OpenBrace ||
        (current_.kind == Kind::Word && current_.text == "Material")) {
        return Refuse(current_, Join("more materials follow than the ", std::to_string(*materials),
                                     " the list declares"));
    }
    return Expect(Kind::CloseBrace, "'}' to close the MeshMaterialList");
}

bool XTextCheck::ListedMaterial(uint32_t held, uint32_t declared) {
    if (current_.kind == Kind::OpenBrace) return MaterialReference();
    if (TakeWord("Material")) return Material(nullptr);
    if (current_.kind == Kind::CloseBrace) {
        return Refuse(current_, Join("the list holds ", std::to_string(held), " of the ",
                                     std::to_string(declared), " materials it declares"));
    }
    return Unexpected("a Material or a reference { Name } to one");
}

// `{ Name }`, naming a top-level material declared before.
bool XTextCheck::MaterialReference() {
    if (!Expect(Kind::OpenBrace, "'{' to open a material reference")) return false;
    if (current_.kind != Kind::Word) return Unexpected("the name of a top-level Material");
    if (!topLevelMaterials_.contains(current_.text)) {
        return Refuse(current_, "no top-level Material of this name is declared before here");
    }
    Advance();
    return Expect(Kind::CloseBrace, "'}' after the material's name");
}

// Face colour (RGBA), specular power, specular colour (RGB), emissive colour (RGB), then an
// optional texture file.
bool XTextCheck::Material(std::string_view* name) {
    if (!OpenObject("Material", name) || !Floats(4, "face colour") ||
        !Expect(Kind::Semicolon, "a second ';' after the face colour") ||
        !Floats(1, "specular power") || !Floats(3, "specular colour") ||
        !Expect(Kind::Semicolon, "a second ';' after the specular colour") ||
        !Floats(3, "emissive colour") ||
        !Expect(Kind::Semicolon, "a second ';' after the emissive colour")) {
        return false;
    }
    if (TakeWord("TextureFilename") && !TextureFilename()) return false;
    return Expect(Kind::CloseBrace, "'}' to close the Material, after one TextureFilename at most");
}

// `{ "name"; }`: a non-empty name, the semicolon right after the closing quote (the importer
// demands it there).
bool XTextCheck::TextureFilename() {
    if (!OpenObject("TextureFilename")) return false;
    if (current_.kind != Kind::String) return Unexpected("the texture file's name in quotes");
    const XToken name = current_;
    const size_t nameBytes = name.text.size() - 2;  // without the quotes
    if (nameBytes == 0) return Refuse(name, "the texture file's name is empty");
    if (nameBytes > kMaxNameBytes) {
        return Refuse(name, Join("the texture file's name is longer than ",
                                 std::to_string(kMaxNameBytes), " bytes"));
    }
    Advance();
    if (current_.kind == Kind::Semicolon && !Touches(name, current_)) {
        return Refuse(current_, "the ';' must follow the texture file's name with no space");
    }
    return Expect(Kind::Semicolon, "';' after the texture file's name") &&
           Expect(Kind::CloseBrace, "'}' to close the TextureFilename");
}

bool XTextCheck::OpenObject(std::string_view type, std::string_view* name) {
    if (current_.kind == Kind::Word) {
        if (current_.text.size() > kMaxNameBytes) {
            return Refuse(current_,
                          Join("names are at most ", std::to_string(kMaxNameBytes), " bytes long"));
        }
        if (name) *name = current_.text;
        Advance();
    }
    return Expect(Kind::OpenBrace, "'{' to open the ", type);
}

bool XTextCheck::AtMostOnce(bool& seen, const XToken& child, std::string_view inside) {
    if (!seen) return seen = true;
    return Refuse(child, Join(inside, " holds one ", child.text, " at most"));
}

bool XTextCheck::OneEach(const XToken& at, uint32_t count, std::string_view elements,
                         size_t meshCount, std::string_view meshElements) {
    return count == meshCount ||
           Refuse(at, Join(std::to_string(count), " ", elements, " where the Mesh has ",
                           std::to_string(meshCount), " ", meshElements));
}

template <typename ReadElement>
bool XTextCheck::List(uint32_t count, std::string_view elements, ReadElement readElement) {
    for (uint32_t i = 0; i < count; ++i) {
        if (!readElement(i)) return false;
        const bool last = i + 1 == count;
        if (Take(last ? Kind::Semicolon : Kind::Comma)) continue;
        if (!last && current_.kind == Kind::Semicolon) {
            return Refuse(current_, Join("the list ends after ", std::to_string(i + 1), " of its ",
                                         std::to_string(count), " ", elements));
        }
        if (last && current_.kind == Kind::Comma) {
            return Refuse(current_, Join("more ", elements, " follow than the ",
                                         std::to_string(count), " its count gives"));
        }
        return Unexpected(last ? Join("';' after the last of the ", elements)
                               : Join("',' between ", elements));
    }
    return true;
}

std::optional<uint32_t> XTextCheck::Face(uint32_t indexLimit, std::string_view elements) {
    const XToken cornerCount = current_;
    const std::optional<uint32_t> corners = Count("corners");
    if (!corners) return std::nullopt;
    if (*corners < 3) {
        Refuse(cornerCount, "a face needs at least 3 corners");
        return std::nullopt;
    }
    const auto index = [&](uint32_t) { return IndexBelow(indexLimit, elements); };
    if (!List(*corners, "corners", index)) return std::nullopt;
    return corners;
}

// Every element takes at least a digit and a separator, so a count above half the bytes left
// cannot be true.
std::optional<uint32_t> XTextCheck::Count(std::string_view elements) {
    const XToken at = current_;
    const std::optional<uint32_t> count = WholeNumber();
    if (!count) {
        NotAWholeNumber(Join("the number of ", elements));
        return std::nullopt;
    }
    if (*count == 0) {
        Refuse(at, Join("the number of ", elements, " must be at least 1"));
        return std::nullopt;
    }
    if (*count > tokens_.RemainingBytes() / 2) {
        Refuse(at, Join("the rest of the file is too short to hold so many ", elements));
        return std::nullopt;
    }
    if (!Expect(Kind::Semicolon, "';' after the number of ", elements)) return std::nullopt;
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

bool XTextCheck::NotAWholeNumber(std::string_view what) {
    const std::string_view text = current_.text;
    if (current_.kind != Kind::Number) return Unexpected(what);
    if (text.starts_with('-')) return Refuse(current_, Join(what, " cannot be negative"));
    if (text.find('.') != std::string_view::npos) {
        return Refuse(current_, Join(what, " must be a whole number"));
    }
    return Refuse(current_, Join(what, " does not fit in 32 bits"));
}

bool XTextCheck::IndexBelow(uint32_t limit, std::string_view elements) {
    const XToken at = current_;
    const std::optional<uint32_t> index = WholeNumber();
    if (!index) return NotAWholeNumber(Join("an index into the ", elements));
    return *index < limit || Refuse(at, Join("the index is out of range: the number of ", elements,
                                             " is ", std::to_string(limit)));
}

bool XTextCheck::Floats(int count, std::string_view what) {
    for (int i = 0; i < count; ++i) {
        if (!Float(what) || !Expect(Kind::Semicolon, "';' after each number of the ", what)) {
            return false;
        }
    }
    return true;
}

bool XTextCheck::Float(std::string_view what) {
    if (current_.kind != Kind::Number) return Unexpected(Join("a number for the ", what));
    const XToken number = current_;
    float value = 0;
    const auto [end, error] =
        std::from_chars(number.text.data(), number.text.data() + number.text.size(), value);
    if (error != std::errc() || end != number.text.data() + number.text.size() ||
        !std::isfinite(value)) {
        return Refuse(number, "the number does not fit in a float");
    }
    Advance();
    // The importer reads a number without a fraction that runs straight into `,` and a digit as
    // one with a decimal comma ("1,5" is 1.5), so such a number would be split differently there.
    const bool decimalCommaLookalike = number.text.find('.') == std::string_view::npos &&
                                       current_.kind == Kind::Comma && Touches(number, current_);
    return !decimalCommaLookalike ||
           Refuse(number,
                  "a number right before ',' needs a point (1.0, not 1): the importer "
                  "would read the comma as a decimal comma");
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

template <typename... Expected>
bool XTextCheck::Expect(Kind kind, const Expected&... expected) {
    return Take(kind) || Unexpected(Join(expected...));
}

bool XTextCheck::Unexpected(std::string_view expected) {
    switch (current_.kind) {
        case Kind::Invalid:
            return Refuse(current_, std::string(current_.problem));
        case Kind::End:
            return Refuse(current_, Join("expected ", expected, " but the file ends"));
        default:
            return Refuse(current_, Join("expected ", expected));
    }
}

bool XTextCheck::NotAnObject(std::string_view inside, std::string_view allowed) {
    switch (current_.kind) {
        case Kind::Word:
            if (current_.text == "template") {
                return Refuse(current_,
                              "template declarations are not part of the accepted subset");
            }
            return Refuse(current_, Join(Shown(current_.text),
                                         " objects are not part of the accepted subset: ", inside,
                                         " holds only ", allowed, " objects"));
        case Kind::CloseBrace:
            return Refuse(current_, "this '}' closes no object");
        case Kind::End:
            return Refuse(current_, Join("the file ends before ", inside, " is closed with '}'"));
        default:
            return Unexpected(Join("a ", allowed, " object"));
    }
}

bool XTextCheck::Refuse(const XToken& at, std::string rule) {
    if (!refusal_) refusal_ = Refusal{at, std::move(rule)};
    return false;
}
