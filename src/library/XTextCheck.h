#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_set>
#include <vector>

// The structural check every .x model passes before the model importer sees it. The importer
// trusts the file: it dereferences a missing material, reads past its arrays when an index or a
// count is off by one, and allocates whatever a count says before reading a single element. So
// only files whose whole structure is well formed and self-consistent are handed to it.

// One token of a text .x file; `text` views the file's bytes (a string keeps its quotes).
struct XToken {
    enum class Kind { End, Word, Number, String, OpenBrace, CloseBrace, Semicolon, Comma, Invalid };
    Kind kind = Kind::End;
    std::string_view text;
};

// Splits the body of a text .x file (after its header line) into the tokens the importer sees.
// Whatever the game's files never hold comes out as Kind::Invalid, so that no text is split one
// way here and another way by the importer: comments, bytes outside printable ASCII, numbers
// other than an optional minus, up to 19 digits and an optional fraction (no exponents), words
// or numbers running straight into other characters, strings not closed on their line.
class XTextTokenizer {
  public:
    explicit XTextTokenizer(std::string_view body) : body_(body) {}

    XToken Next();
    size_t RemainingBytes() const { return body_.size() - at_; }

  private:
    XToken Take(XToken::Kind kind, size_t length);
    XToken String();
    XToken Word();
    XToken Number();
    // A word or number ends at space, punctuation or the end of the file.
    XToken Delimited(XToken::Kind kind, size_t length);
    size_t DigitsFrom(size_t pos) const;

    std::string_view body_;
    size_t at_ = 0;  // bytes into body_
};

// The text .x subset the game's models use, checked whole:
//   xof 0303txt 0032 (or 0064), then top-level Frame, Mesh and named Material objects, at least
//   one Mesh among them;
//   Frame [name] { FrameTransformMatrix (16 numbers), Frame and Mesh children };
//   Mesh [name] { vertices, faces of 3 or more corners, each of MeshNormals, MeshTextureCoords
//   and MeshMaterialList at most once }, every count matching what follows and every index in
//   range; material lists hold exactly their declared number of Material objects or references
//   `{ Name }` to top-level materials declared before them.
// Separators are the canonical ones: `;` ends a member, `,` separates array elements.
class XTextCheck {
  public:
    static constexpr size_t kMaxFileBytes = 16u << 20;  // far above any model the game ships
    static constexpr int kMaxFrameDepth = 32;
    static constexpr size_t kMaxNameBytes = 255;  // object names and texture file names

    // True when `file` is a whole, self-consistent model of the subset above.
    static bool Passes(std::string_view file);

  private:
    // What the children of one mesh are checked against.
    struct MeshShape {
        uint32_t vertexCount = 0;
        std::vector<uint32_t> faceCorners;  // corner count of each face, in file order
        bool hasNormals = false;
        bool hasTexCoords = false;
        bool hasMaterialList = false;
    };

    explicit XTextCheck(std::string_view body);

    bool File();
    bool TopLevelObject();
    bool Frame(int depth);
    bool FrameTransformMatrix();
    bool Mesh();
    bool MeshChild(MeshShape& shape);
    bool MeshNormals(const MeshShape& shape);
    bool MeshTextureCoords(const MeshShape& shape);
    bool MeshMaterialList(const MeshShape& shape);
    bool MaterialReference();
    bool Material(std::string_view* name);
    bool TextureFilename();

    // `[name] {` after an object's type; the name, empty when none, goes to `name` if given.
    bool OpenObject(std::string_view* name = nullptr);
    // `count` elements, `,` after each but the last, `;` after the last.
    template <typename ReadElement>
    bool List(uint32_t count, ReadElement readElement);
    // A face `n;i,i,...;` of three or more corners, each below `indexLimit`; its corner count.
    std::optional<uint32_t> Face(uint32_t indexLimit);
    // A count of at least one, then `;`, no larger than the rest of the file could hold.
    std::optional<uint32_t> Count();
    std::optional<uint32_t> WholeNumber();
    bool IndexBelow(uint32_t limit);
    // `count` numbers, each followed by `;`.
    bool Floats(int count);
    bool Float();

    bool Take(XToken::Kind kind);
    bool TakeWord(std::string_view word);
    void Advance() { current_ = tokens_.Next(); }

    XTextTokenizer tokens_;
    XToken current_;
    std::unordered_set<std::string_view> topLevelMaterials_;  // names, viewing the file
    bool hasMesh_ = false;                                    // a model holds at least one
};
