#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "gfx/Device.h"

// What the game asks of the operating system, split by job so the headless driver can swap in a
// scripted clock, message queue and dialogs while keeping the real window and renderer.
namespace platform {

using Rect = gfx::Rect;

// Milliseconds since an arbitrary start, wrapping at 2^32 (unsigned differences stay valid).
class Clock {
  public:
    virtual ~Clock() = default;
    virtual uint32_t Now() = 0;
    virtual void Sleep(uint32_t ms) = 0;
};

// Window messages the frame reacts to, already translated from the OS's events.
enum class MessageType {
    None,      // a message record that holds nothing yet
    Quit,      // the loop must end
    Destroy,   // the window was closed
    Move,      // a, b: the outer window's new left and top
    Activate,  // a: 1 active, 0 inactive
    Minimize,
    Restore,
    KeyUp,       // a: the key
    SysKeyDown,  // a: the key pressed together with Alt
};

enum class Key : int { Other = 0, Escape = 27, Enter = 13 };

struct Message {
    MessageType type = MessageType::None;
    int a = 0;
    int b = 0;
};

class MessageQueue {
  public:
    virtual ~MessageQueue() = default;
    // Takes the oldest waiting message; false when none waits.
    virtual bool Peek(Message& out) = 0;
    // Returns when a message waits or timeoutMs have passed.
    virtual void Wait(uint32_t timeoutMs) = 0;
    virtual void PostQuit() = 0;
};

enum class BoxIcon { Hand, Exclamation, Question };
enum class BoxButtons { Ok, YesNoDefaultNo };
enum class BoxAnswer { Ok, Yes, No };

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // Shows a modal message box (also written to stderr); ownerWindow ties it to the game window.
    // Texts in UTF-8.
    virtual BoxAnswer Show(const std::string& text, const std::string& caption, BoxIcon icon,
                           BoxButtons buttons, bool ownerWindow) = 0;
};

// The game window: one per run, titled and classed "hollowmere".
class Window {
  public:
    virtual ~Window() = default;
    // Creates the window hidden with its client area at the given screen rectangle.
    virtual bool Create(const Rect& client) = 0;
    virtual void Show() = 0;
    // The desktop's display mode, the size full screen takes.
    virtual gfx::Size ScreenSize() = 0;
    // Where the client area may lie so that the whole window, frame included, stays on the
    // desktop's usable part (without panels and docks), in screen pixels. The frame counts once
    // the window manager has drawn it. Default: the whole screen.
    virtual Rect UsableArea() {
        const gfx::Size screen = ScreenSize();
        return {0, 0, screen.width, screen.height};
    }
    // The picture the desktop shows for the window (title bar, task switcher). Windows that show
    // nothing ignore it.
    virtual void SetIcon(const gfx::Image& /*icon*/) {}
    virtual Rect OuterRect() = 0;
    // In window units, which the cursor uses too; a HiDPI desktop may give the GL drawable more
    // pixels.
    virtual gfx::Size ClientSize() = 0;
    // A decorated, not-topmost window whose client area is at the given rectangle.
    virtual bool PlaceWindowed(const Rect& client) = 0;
    // A borderless, topmost window covering the desktop.
    virtual bool PlaceFullScreen() = 0;
};

// The cursor as the input layer drives it: shown or hidden, clipped to a rectangle, warped.
class Cursor {
  public:
    virtual ~Cursor() = default;
    virtual void Show(bool visible) = 0;
    virtual void Clip(const Rect* screenRect) = 0;  // null releases the clip
};

// Keys the game reads.
enum class VirtualKey {
    Left,
    Right,
    Up,
    Down,
    A,
    D,
    W,
    S,
    E,
    Q,
    Space,
    Control,
    Alt,
    Escape,
    Enter
};
enum class MouseButton { Left, Right };

// Pad buttons as bits, in XInput's layout.
enum PadButton : uint16_t {
    kPadUp = 0x1,
    kPadDown = 0x2,
    kPadLeft = 0x4,
    kPadRight = 0x8,
    kPadStart = 0x10,
    kPadA = 0x1000,
    kPadB = 0x2000,
};

// The first game pad, in XInput's ranges: sticks -32768..32767 with y pointing up, triggers 0..255.
struct PadState {
    bool connected = false;
    uint16_t buttons = 0;
    int16_t leftX = 0, leftY = 0, rightX = 0, rightY = 0;
    uint8_t leftTrigger = 0, rightTrigger = 0;
};

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// The state of keyboard, mouse and pad at the moment of asking; the input layer polls it once a
// frame.
class InputDevices {
  public:
    virtual ~InputDevices() = default;
    virtual bool KeyDown(VirtualKey key) = 0;
    virtual bool ButtonDown(MouseButton button) = 0;
    // The cursor in screen pixels.
    virtual Point CursorPos() = 0;
    virtual void SetCursorPos(Point screen) = 0;
    virtual Point ClientToScreen(Point client) = 0;
    virtual Point ScreenToClient(Point screen) = 0;
    virtual PadState Pad() = 0;
};

// The rendering backend, the counterpart of the Direct3D object: creates the device for a window.
class Graphics {
  public:
    virtual ~Graphics() = default;
    // Loads the backend; false when this machine has none.
    virtual bool Open() = 0;
    // Null when no device could be created for the window.
    virtual std::unique_ptr<gfx::Device> CreateDevice(Window& window) = 0;
};

// The single-instance guard: at most one game runs per user session.
class SingleInstance {
  public:
    virtual ~SingleInstance() = default;
    // True when no other instance holds the guard; the guard is held until destruction.
    virtual bool Acquire() = 0;
};

// One bundle of the services above; the game holds references, never ownership.
struct Services {
    Clock& clock;
    MessageQueue& messages;
    Dialogs& dialogs;
    Window& window;
    Cursor& cursor;
    InputDevices& input;
    Graphics& graphics;
    SingleInstance& instance;
};

}  // namespace platform
