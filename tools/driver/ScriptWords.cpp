#include "ScriptWords.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <sstream>

namespace driver {
namespace {

using platform::VirtualKey;

constexpr std::array<Named<VirtualKey>, 15> kKeys{{
    {"Left", VirtualKey::Left},
    {"Right", VirtualKey::Right},
    {"Up", VirtualKey::Up},
    {"Down", VirtualKey::Down},
    {"A", VirtualKey::A},
    {"D", VirtualKey::D},
    {"W", VirtualKey::W},
    {"S", VirtualKey::S},
    {"E", VirtualKey::E},
    {"Q", VirtualKey::Q},
    {"Space", VirtualKey::Space},
    {"Control", VirtualKey::Control},
    {"Alt", VirtualKey::Alt},
    {"Escape", VirtualKey::Escape},
    {"Enter", VirtualKey::Enter},
}};

constexpr std::array<Named<uint16_t>, 7> kPadButtons{{
    {"A", platform::kPadA},
    {"B", platform::kPadB},
    {"Start", platform::kPadStart},
    {"DpadUp", platform::kPadUp},
    {"DpadDown", platform::kPadDown},
    {"DpadLeft", platform::kPadLeft},
    {"DpadRight", platform::kPadRight},
}};

}  // namespace

std::optional<VirtualKey> KeyNamed(std::string_view name) {
    return Lookup(kKeys, name);
}

std::optional<uint16_t> PadButtonNamed(std::string_view name) {
    return Lookup(kPadButtons, name);
}

Words::Words(const std::string& line) {
    std::istringstream in(line);
    for (std::string word; in >> word;) words_.push_back(word);
}

bool Words::NextIsNumber() const {
    return next_ < words_.size() && std::isdigit(static_cast<unsigned char>(words_[next_][0]));
}

std::optional<int64_t> Words::TakeNumber(int64_t min, int64_t max) {
    const std::string_view word = Take();
    int64_t value = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || ec != std::errc() || end != word.data() + word.size()) return {};
    if (value < min || value > max) return {};
    return value;
}

std::optional<float> Words::TakeReal(float min, float max) {
    const std::string_view word = Take();
    float value = 0;
    const auto [end, ec] =
        std::from_chars(word.data(), word.data() + word.size(), value, std::chars_format::fixed);
    if (word.empty() || ec != std::errc() || end != word.data() + word.size()) return {};
    if (!std::isfinite(value) || value < min || value > max) return {};
    return value;
}

std::optional<bool> Words::TakeDownUp() {
    const std::string_view word = Take();
    if (word == "down") return true;
    if (word == "up") return false;
    return {};
}

std::optional<bool> Words::TakeRightLeft() {
    const std::string_view word = Take();
    if (word == "right") return true;
    if (word == "left") return false;
    return {};
}

}  // namespace driver
