#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
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
    std::string_view text;          // an Invalid token's runs to a space or punctuation
    std::string_view problem = {};  // why an Invalid token is refused, in plain words
};

// Splits the body of a text .x file (after its header line) into the tokens the importer sees.
// Whatever the game's files never hold comes out as Kind::Invalid, so that no text is split one
// way here and another way by the importer: comments, bytes outside printable ASCII, numbers
// other than an optional minus, up to 19 digits and an optional fraction (no exponents), words
// or numbers running straight into other characters, strings not closed on their line.
class XTextTokenizer {
  public:
    explicit XTextTokenizer(std::string_view body = {}) : body_(body) {}

    XToken Next();
    size_t RemainingBytes() const { return body_.size() - at_; }

  private:
    XToken Take(XToken::Kind kind, size_t length);
    // An Invalid token at the current place; nothing is taken.
    XToken Invalid(std::string_view problem) const;
    XToken String();
    XToken Word();
    XToken Number();
    // A word or number ends at space, punctuation or the end of the file.
    XToken Delimited(XToken::Kind kind, size_t length);
    size_t DigitsFrom(size_t pos) const;

    std::string_view body_;
    size_t at_ = 0;  // bytes into body_
};

// The first rule a refused file breaks, and where.
struct XRefusal {
    size_t line = 0;    // from 1
    std::string found;  // the offending text as written, shortened; empty at the end of the file
    std::string rule;   // in plain words

    // "line 2, at 'template': template declarations are not part of the accepted subset"
    std::string Text() const;
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
    // Why `file` does not pass: the first rule it breaks, reading from its start. nullopt exactly
    // when it passes.
    static std::optional<XRefusal> FirstRefusal(std::string_view file);

  private:
    // What the children of one mesh are checked against.
    struct MeshShape {
        uint32_t vertexCount = 0;
        std::vector<uint32_t> faceCorners;  // corner count of each face, in file order
        bool hasNormals = false;
        bool hasTexCoords = false;
        bool hasMaterialList = false;
    };

    // The first rule broken: the token that breaks it and the rule in plain words.
    struct Refusal {
        XToken at;
        std::string rule;
    };

    explicit XTextCheck(std::string_view file) : file_(file) {}

    // The members from File to Float record why in refusal_ whenever they give false or nullopt;
    // WholeNumber, Take and TakeWord record nothing and take only what they look for.
    bool File();
    bool Header();
    bool TopLevelObject();
    bool TopLevelMaterial();
    bool Frame(int depth);
    bool FrameTransformMatrix();
    bool Mesh();
    bool MeshChild(MeshShape& shape);
    bool MeshNormals(const MeshShape& shape);
    bool MeshTextureCoords(const MeshShape& shape);
    bool MeshMaterialList(const MeshShape& shape);
    // Material `held` of the `declared` ones a material list holds: inline or a reference.
    bool ListedMaterial(uint32_t held, uint32_t declared);
    bool MaterialReference();
    bool Material(std::string_view* name);
    bool TextureFilename();

    // `[name] {` after an object's type; the name, empty when none, goes to `name` if given.
    bool OpenObject(std::string_view type, std::string_view* name = nullptr);
    // A child object `child` of `inside` may hold once: false the second time.
    bool AtMostOnce(bool& seen, const XToken& child, std::string_view inside);
    // A count of `elements` that must be `meshCount`, one for each of the mesh's `meshElements`.
    bool OneEach(const XToken& at, uint32_t count, std::string_view elements, size_t meshCount,
                 std::string_view meshElements);
    // `count` elements, `,` after each but the last, `;` after the last; `elements` names them.
    template <typename ReadElement>
    bool List(uint32_t count, std::string_view elements, ReadElement readElement);
    // A face `n;i,i,...;` of three or more corners, each below `indexLimit`, the number of
    // `elements` it indexes; its corner count.
    std::optional<uint32_t> Face(uint32_t indexLimit, std::string_view elements);
    // A count of `elements`, at least one, then `;`, no larger than the rest of the file could
    // hold.
    std::optional<uint32_t> Count(std::string_view elements);
    // The current token as a 32-bit whole number, taken; nullopt, with nothing recorded, if not.
    std::optional<uint32_t> WholeNumber();
    // Records why the current token is no 32-bit whole number; `what` is the number's role.
    bool NotAWholeNumber(std::string_view what);
    bool IndexBelow(uint32_t limit, std::string_view elements);
    // `count` numbers of `what` (a vector, a colour), each followed by `;`.
    bool Floats(int count, std::string_view what);
    bool Float(std::string_view what);

    bool Take(XToken::Kind kind);
    bool TakeWord(std::string_view word);
    // Takes a `kind` token, or records that `expected` (its parts joined) should stand here.
    template <typename... Expected>
    bool Expect(XToken::Kind kind, const Expected&... expected);
    // Records that `expected` should stand at the current token.
    bool Unexpected(std::string_view expected);
    // Records that the current token is not an object `inside` may hold (`allowed`).
    bool NotAnObject(std::string_view inside, std::string_view allowed);
    // Records `rule` as broken at `at` unless an earlier rule was; false.
    bool Refuse(const XToken& at, std::string rule);
    void Advance() { current_ = tokens_.Next(); }

    std::string_view file_;
    XTextTokenizer tokens_;  // over the body, once the header has passed
    XToken current_;
    std::unordered_set<std::string_view> topLevelMaterials_;  // names, viewing the file
    bool hasMesh_ = false;                                    // a model holds at least one
    std::optional<Refusal> refusal_;
};
