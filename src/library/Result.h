#pragma once
#include <cstdint>

// Results of initialisation and loading: 0 for success, 0x80004005 for failure.
using HRESULT = int32_t;
inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);

inline constexpr bool Failed(HRESULT hr) {
    return hr < 0;
}
