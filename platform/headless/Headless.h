#pragma once
#include <deque>
#include <string>
#include <vector>

#include "platform/Platform.h"

// Platform services without an operating system behind them: a clock that moves only when the
// game waits or sleeps, a message queue fed by a script, dialogs answered in advance and a cursor
// that only records. The headless driver and the tests run the real main loop on them.
namespace headless {

class VirtualClock : public platform::Clock {
  public:
    explicit VirtualClock(uint32_t start = 0) : now_(start) {}
    uint32_t Now() override { return now_; }
    void Sleep(uint32_t ms) override { now_ += ms; }
    void Advance(uint32_t ms) { now_ += ms; }

  private:
    uint32_t now_;
};

// Waiting on an empty queue moves the virtual clock on by the whole timeout: nothing else can
// arrive in between.
class ScriptedMessages : public platform::MessageQueue {
  public:
    explicit ScriptedMessages(VirtualClock& clock) : clock_(clock) {}

    void Push(const platform::Message& message) { queue_.push_back(message); }
    bool Peek(platform::Message& out) override;
    void Wait(uint32_t timeoutMs) override;
    void PostQuit() override { Push({platform::MessageType::Quit}); }

  private:
    VirtualClock& clock_;
    std::deque<platform::Message> queue_;
};

struct ShownBox {
    std::string text;  // UTF-8
    std::string caption;
    platform::BoxIcon icon;
    platform::BoxButtons buttons;
};

// Answers every box with the next queued answer, else with its default button; writes each box
// to stderr as the real dialogs do.
class ScriptedDialogs : public platform::Dialogs {
  public:
    void QueueAnswer(platform::BoxAnswer answer) { answers_.push_back(answer); }
    const std::vector<ShownBox>& shown() const { return shown_; }

    platform::BoxAnswer Show(const std::string& text, const std::string& caption,
                             platform::BoxIcon icon, platform::BoxButtons buttons,
                             bool ownerWindow) override;

  private:
    std::deque<platform::BoxAnswer> answers_;
    std::vector<ShownBox> shown_;
};

class RecordingCursor : public platform::Cursor {
  public:
    void Show(bool visible) override { visible_ = visible; }
    void Clip(const platform::Rect* rect) override;

    bool visible() const { return visible_; }
    bool clipped() const { return clipped_; }

  private:
    bool visible_ = true;
    bool clipped_ = false;
};

}  // namespace headless
