#pragma once
#include <cmath>
#include <glm/mat4x4.hpp>

// True when all sixteen entries are finite: a matrix that is sent to the shaders must never hold a
// NaN or an infinity.
inline bool IsFinite(const glm::mat4& m) {
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row)
            if (!std::isfinite(m[column][row])) return false;
    return true;
}
