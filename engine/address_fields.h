#pragma once

#include "config/cache_config.h"
#include "config/capacities.h"
#include "engine/simulation_state.h"

#include <bit>
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
constexpr std::uint32_t sizeLog2(std::int32_t size) {
    if (size <= 0) {
        return 0;
    }
    return static_cast<std::uint32_t>(std::bit_width(static_cast<std::uint32_t>(size))) - 1;
}

// Bits of a RAM address: log2 of the RAM size in MB plus the 20 bits of one MB.
constexpr std::uint32_t addressBitsFor(std::int32_t ramSizeMb) {
    return sizeLog2(ramSizeMb) + 20;
}

// Every step computes the widths and cuts its address; both are defined here so that they compile into the
// step.

// Computes the field widths of the mapping method from cacheConfig into simulationState.
inline void computeAddressWidths(MappingMethod method) {
    SimulationState& state = simulationState;
    const CacheConfig& config = cacheConfig;
    state.addressBits = addressBitsFor(config.ramSizeMb);
    state.wordBits = sizeLog2(config.blockSizeBytes);
    switch (method) {
    case MappingMethod::Direct:
        state.blockBits = sizeLog2(config.cacheBlockCount);
        state.tagBits = state.addressBits - state.wordBits - state.blockBits;
        break;
    case MappingMethod::SetAssociative:
        state.setBits = sizeLog2(config.setCount);
        state.tagBits = state.addressBits - state.setBits - state.wordBits;
        break;
    default:
        state.tagBits = state.addressBits - state.wordBits;
        break;
    }
}

// The field of the given width that starts at bit low.
constexpr std::uint32_t addressField(std::uint32_t address, std::uint32_t low, std::uint32_t width) {
    return shiftRight(address, low) & lowBitsMask(width);
}

// Cuts an address into the fields of the mapping method with the widths in force and records them, and the
// step record, at trace index t.
inline void decomposeAddress(std::uint32_t address, int t, MappingMethod method) {
    SimulationState& state = simulationState;
    const std::size_t index = slot(t);
    const std::uint32_t wordBits = state.wordBits;
    std::uint32_t tagLow = wordBits;
    state.wordOffset[index] = addressField(address, 0, wordBits);
    if (method == MappingMethod::Direct) {
        state.blockIndex[index] = addressField(address, wordBits, state.blockBits);
        tagLow += state.blockBits;
    } else if (method == MappingMethod::SetAssociative) {
        state.setIndex[index] = addressField(address, wordBits, state.setBits);
        tagLow += state.setBits;
    }
    const std::uint32_t tag = addressField(address, tagLow, state.tagBits);
    state.tagValue[index] = tag;
    state.stepRecords[index] = StepRecord{tag, shiftRight(address, wordBits)};
}
