#pragma once
#include <string>

#include "Goals.h"

class D3DXMain;

namespace driver {

// A condition checked against the running game, with what was seen for the failure message.
struct Observation {
    bool holds;
    std::string seen;  // e.g. "stage 3", "no text box"
};

Observation Observe(const Condition& condition, const D3DXMain& app);

// The condition as the script writes it, e.g. "stage 4".
std::string Describe(const Condition& condition);

}  // namespace driver
