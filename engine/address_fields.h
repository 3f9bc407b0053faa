#pragma once

#include "config/cache_config.h"

#include <cstdint>

// The w low bits set; all 32 for w >= 32.
constexpr std::uint32_t lowBitsMask(std::uint32_t width) {
    return width >= 32 ? 0xffffffffu : (std::uint32_t{1} << width) - 1;
}

// A logical right shift that yields 0 for a shift of 32 or more.
constexpr std::uint32_t shiftRight(std::uint32_t value, std::uint32_t shift) {
    return shift >= 32 ? 0 : value >> shift;
}

// Truncated base-2 logarithm of a size; exact for the powers of two that validation admits, 0 for a
// non-positive value.
std::uint32_t sizeLog2(std::int32_t size);

// Bits of a RAM address: log2 of the RAM size in MB plus the 20 bits of one MB.
std::uint32_t addressBitsFor(std::int32_t ramSizeMb);

// Computes the field widths of the mapping method from cacheConfig into simulationState.
void computeAddressWidths(MappingMethod method);

// Cuts an address into the fields of the mapping method with the widths in force and records them, and the
// step record, at trace index t.
void decomposeAddress(std::uint32_t address, int t, MappingMethod method);
