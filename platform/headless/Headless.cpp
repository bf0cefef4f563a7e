#include "platform/headless/Headless.h"

#include <cstdio>

namespace headless {

bool ScriptedMessages::Peek(platform::Message& out) {
    if (queue_.empty()) return false;
    out = queue_.front();
    queue_.pop_front();
    return true;
}

void ScriptedMessages::Wait(uint32_t timeoutMs) {
    if (queue_.empty()) clock_.Advance(timeoutMs);
}

platform::BoxAnswer ScriptedDialogs::Show(const std::string& text, const std::string& caption,
                                          platform::BoxIcon icon, platform::BoxButtons buttons,
                                          bool) {
    shown_.push_back({text, caption, icon, buttons});
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    if (!answers_.empty()) {
        const platform::BoxAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    return buttons == platform::BoxButtons::Ok ? platform::BoxAnswer::Ok : platform::BoxAnswer::No;
}

void RecordingCursor::Clip(const platform::Rect* rect) {
    clipped_ = rect != nullptr;
}

}  // namespace headless
