#include "engine/address_fields.h"

#include "engine/simulation_state.h"

#include <bit>

std::uint32_t sizeLog2(std::int32_t size) {
    if (size <= 0) {
        return 0;
    }
    return static_cast<std::uint32_t>(std::bit_width(static_cast<std::uint32_t>(size))) - 1;
}

std::uint32_t addressBitsFor(std::int32_t ramSizeMb) {
    return sizeLog2(ramSizeMb) + 20;
}

void computeAddressWidths(MappingMethod method) {
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

namespace {

// The field of the given width that starts at bit low.
std::uint32_t addressField(std::uint32_t address, std::uint32_t low, std::uint32_t width) {
    return shiftRight(address, low) & lowBitsMask(width);
}

} // namespace

void decomposeAddress(std::uint32_t address, int t, MappingMethod method) {
    SimulationState& state = simulationState;
    const auto index = static_cast<std::size_t>(t);
    std::uint32_t tagLow = state.wordBits;
    state.wordOffset[index] = addressField(address, 0, state.wordBits);
    if (method == MappingMethod::Direct) {
        state.blockIndex[index] = addressField(address, state.wordBits, state.blockBits);
        tagLow += state.blockBits;
    } else if (method == MappingMethod::SetAssociative) {
        state.setIndex[index] = addressField(address, state.wordBits, state.setBits);
        tagLow += state.setBits;
    }
    state.tagValue[index] = addressField(address, tagLow, state.tagBits);
    state.stepRecords[index] = StepRecord{state.tagValue[index], shiftRight(address, state.wordBits)};
}
