#pragma once
#include <cstdint>

namespace ventelle {

// A colour as 0x00BBGGRR (red in the low byte), as the data files write them.
using Colour = std::uint32_t;

namespace colours {
constexpr Colour kGreen = 65280;
constexpr Colour kRed = 255;
constexpr Colour kBlue = 0xFF0000;
constexpr Colour kOrange = 45311;
}  // namespace colours

}  // namespace ventelle
