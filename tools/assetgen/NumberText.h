#pragma once
#include <string>

// `value` with exactly six decimals ("%.6f" in the C locale), whatever the process locale; a value
// that rounds to zero is written "0.000000", never "-0.000000".
std::string FixedSix(double value);
