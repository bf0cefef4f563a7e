#pragma once
#include <cstdint>

// The pause menu's record as the player drives it. The menu's pages (items, save, options) are
// not built yet: until they are, the open menu shows nothing and only its own key closes it.
struct PauseMenu {
    // What a frame of the open menu asks for.
    enum Result : int32_t {
        kReturnToTitle = -1,
        kClose = 0,
        kStayOpen = 1,
    };

    // One frame of the open menu with this frame's inputs.
    Result Step(bool /*menuKey*/, bool /*action*/, bool /*subReleased*/) { return kStayOpen; }

    int32_t showing = 0;
    int32_t page = 0;
};
