#include "library/EffectFile.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace {

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && std::isspace(static_cast<unsigned char>(line[at]))) ++at;
        const size_t start = at;
        while (at < line.size() && !std::isspace(static_cast<unsigned char>(line[at]))) ++at;
        if (at > start) words.push_back(line.substr(start, at - start));
    }
    return words;
}

bool IsIdentifier(std::string_view word) {
    if (word.empty() || std::isdigit(static_cast<unsigned char>(word[0]))) return false;
    return std::all_of(word.begin(), word.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
    });
}

std::optional<int> IndexIn(std::string_view word, int count) {
    int value = -1;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc() || end != word.data() + word.size() || value < 0 || value >= count) {
        return std::nullopt;
    }
    return value;
}

template <typename T, size_t N>
std::optional<T> Lookup(std::string_view word, const std::pair<std::string_view, T> (&table)[N]) {
    for (const auto& [name, value] : table) {
        if (name == word) return value;
    }
    return std::nullopt;
}

constexpr std::pair<std::string_view, gfx::Blend> kBlends[] = {
    {"none", gfx::Blend::None}, {"alpha", gfx::Blend::Alpha}, {"add", gfx::Blend::Additive}};
constexpr std::pair<std::string_view, gfx::DepthMode> kDepths[] = {
    {"off", gfx::DepthMode::Off},
    {"test", gfx::DepthMode::Test},
    {"testwrite", gfx::DepthMode::TestWrite}};
constexpr std::pair<std::string_view, gfx::CullMode> kCulls[] = {{"none", gfx::CullMode::None},
                                                                 {"back", gfx::CullMode::Back}};

class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {}

    std::optional<EffectFile> Run(std::string& error) {
        while (NextLine()) {
            const std::vector<std::string_view> words = Words(line_);
            if (words.empty() || words[0].starts_with('#')) continue;
            if (!Statement(words)) break;
        }
        if (failure_.empty()) CheckComplete();
        if (!failure_.empty()) {
            error = failure_;
            return std::nullopt;
        }
        return std::move(file_);
    }

  private:
    bool NextLine() {
        if (at_ >= text_.size()) return false;
        const size_t end = std::min(text_.find('\n', at_), text_.size());
        line_ = text_.substr(at_, end - at_);
        if (line_.ends_with('\r')) line_.remove_suffix(1);
        at_ = end + 1;
        ++lineNumber_;
        return true;
    }

    bool Fail(std::string_view what) {
        failure_ = "line " + std::to_string(lineNumber_) + ": " + std::string(what);
        return false;
    }

    bool Statement(const std::vector<std::string_view>& words) {
        const std::string_view keyword = words[0];
        if (keyword == "technique" && words.size() == 2 && IsIdentifier(words[1])) {
            file_.technique = words[1];
            return true;
        }
        if (keyword == "parameter" && words.size() == 3) return Parameter(words[1], words[2]);
        if (keyword == "shared" && words.size() == 1) return Block(file_.shared, haveShared_);
        if ((keyword == "vertex" || keyword == "fragment") && words.size() == 2 &&
            IsIdentifier(words[1])) {
            auto& stages = keyword == "vertex" ? file_.vertexStages : file_.fragmentStages;
            bool repeated = stages.contains(words[1]);
            return Block(stages[std::string(words[1])], repeated);
        }
        if (keyword == "pass" && words.size() >= 2) return Pass(words);
        return Fail("unknown statement \"" + std::string(keyword) + "\"");
    }

    bool Parameter(std::string_view indexWord, std::string_view name) {
        const auto index = IndexIn(indexWord, kEffectParameterCount);
        if (!index || !IsIdentifier(name)) return Fail("bad parameter line");
        std::string& slot = file_.parameters[static_cast<size_t>(*index)];
        if (!slot.empty()) return Fail("parameter " + std::string(indexWord) + " named twice");
        slot = name;
        return true;
    }

    // The lines up to "end" become `body`; `repeated` says the block was already given.
    bool Block(std::string& body, bool& repeated) {
        if (repeated) return Fail("block given twice");
        repeated = true;
        const size_t opened = lineNumber_;
        while (NextLine()) {
            const std::vector<std::string_view> words = Words(line_);
            if (words.size() == 1 && words[0] == "end") return true;
            body.append(line_).push_back('\n');
        }
        lineNumber_ = opened;
        return Fail("block not closed by \"end\"");
    }

    bool Pass(const std::vector<std::string_view>& words) {
        const auto index = IndexIn(words[1], kEffectPassCount);
        if (!index) return Fail("bad pass number");
        if (passGiven_[static_cast<size_t>(*index)]) return Fail("pass given twice");
        passGiven_[static_cast<size_t>(*index)] = true;
        EffectPass& pass = file_.passes[static_cast<size_t>(*index)];
        bool blend = false, depth = false, cull = false;
        for (size_t i = 2; i < words.size(); ++i) {
            const size_t equals = words[i].find('=');
            if (equals == std::string_view::npos) return Fail("expected key=value");
            const std::string_view key = words[i].substr(0, equals);
            const std::string_view value = words[i].substr(equals + 1);
            if (key == "vertex" && IsIdentifier(value)) {
                pass.vertex = value;
            } else if (key == "fragment" && IsIdentifier(value)) {
                pass.fragment = value;
            } else if (key == "defines" && Defines(value, pass.defines)) {
            } else if (key == "options" && Defines(value, pass.options) &&
                       pass.options.size() <= kMaxPassOptions) {
            } else if (key == "blend" && Set(Lookup(value, kBlends), pass.state.blend, blend)) {
            } else if (key == "depth" && Set(Lookup(value, kDepths), pass.state.depth, depth)) {
            } else if (key == "cull" && Set(Lookup(value, kCulls), pass.state.cull, cull)) {
            } else {
                return Fail("bad pass setting \"" + std::string(words[i]) + "\"");
            }
        }
        if (pass.vertex.empty() || pass.fragment.empty() || !blend || !depth || !cull) {
            return Fail("a pass needs vertex, fragment, blend, depth and cull");
        }
        return true;
    }

    template <typename T>
    static bool Set(std::optional<T> value, T& into, bool& given) {
        if (!value) return false;
        into = *value;
        given = true;
        return true;
    }

    static bool Defines(std::string_view list, std::vector<std::string>& out) {
        size_t at = 0;
        while (at <= list.size()) {
            const size_t comma = std::min(list.find(',', at), list.size());
            const std::string_view name = list.substr(at, comma - at);
            if (!IsIdentifier(name)) return false;
            out.emplace_back(name);
            at = comma + 1;
        }
        return true;
    }

    void CheckComplete() {
        if (file_.technique.empty()) {
            failure_ = "no technique";
            return;
        }
        for (int i = 0; i < kEffectParameterCount; ++i) {
            if (file_.parameters[static_cast<size_t>(i)].empty()) {
                failure_ = "parameter " + std::to_string(i) + " has no name";
                return;
            }
        }
        for (int i = 0; i < kEffectPassCount; ++i) {
            const EffectPass& pass = file_.passes[static_cast<size_t>(i)];
            if (!passGiven_[static_cast<size_t>(i)]) {
                failure_ = "pass " + std::to_string(i) + " missing";
            } else if (!file_.vertexStages.contains(pass.vertex) ||
                       !file_.fragmentStages.contains(pass.fragment)) {
                failure_ = "pass " + std::to_string(i) + " names a stage that does not exist";
            }
            if (!failure_.empty()) return;
        }
    }

    std::string_view text_;
    size_t at_ = 0;
    std::string_view line_;
    size_t lineNumber_ = 0;
    std::string failure_;
    EffectFile file_;
    bool haveShared_ = false;
    std::array<bool, kEffectPassCount> passGiven_{};
};

}  // namespace

gfx::ProgramSource EffectFile::SourceOf(int index, uint32_t options) const {
    const EffectPass& pass = passes.at(static_cast<size_t>(index));
    std::string prefix;
    for (const std::string& define : pass.defines) prefix += "#define " + define + "\n";
    for (size_t i = 0; i < pass.options.size(); ++i) {
        if (options & (1u << i)) prefix += "#define " + pass.options[i] + "\n";
    }
    prefix += shared;
    return {prefix + vertexStages.at(pass.vertex), prefix + fragmentStages.at(pass.fragment)};
}

std::optional<EffectFile> ParseEffectFile(std::string_view text, std::string& error) {
    return Parser(text).Run(error);
}
