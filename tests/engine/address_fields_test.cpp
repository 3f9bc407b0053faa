#include "engine/address_fields.h"

#include "core_state.h"
#include "engine/simulation_state.h"

#include <gtest/gtest.h>

namespace {

class AddressFields : public ::testing::Test {
  protected:
    void SetUp() override { startFromStartup(); }

    // Decomposes address at trace index 1 under the method, with cacheBlockCount as the driver derives it.
    static const SimulationState& cut(const ConfigSetup& setup, std::uint32_t address) {
        applySetup(setup);
        cacheConfig.cacheBlockCount = blocksInCache(cacheConfig);
        computeAddressWidths(setup.mapping);
        decomposeAddress(address, 1, setup.mapping);
        return simulationState;
    }
};

constexpr std::uint32_t workedAddress = 74565; // 0x12345

TEST_F(AddressFields, DirectMappingSplitsWordBlockAndTag) {
    const auto& s = cut({.mapping = MappingMethod::Direct}, workedAddress);
    EXPECT_EQ(s.addressBits, 20u);
    EXPECT_EQ(s.wordBits, 10u);
    EXPECT_EQ(s.blockBits, 4u);
    EXPECT_EQ(s.tagBits, 6u);
    EXPECT_EQ(s.wordOffset[1], 837u);
    EXPECT_EQ(s.blockIndex[1], 8u);
    EXPECT_EQ(s.tagValue[1], 4u);
    EXPECT_EQ(s.stepRecords[1].tag, 4u);
    EXPECT_EQ(s.stepRecords[1].ramBlock, 72u);
}

TEST_F(AddressFields, AssociativeTagIsTheRamBlock) {
    const auto& s = cut({.mapping = MappingMethod::Associative}, workedAddress);
    EXPECT_EQ(s.tagBits, 10u);
    EXPECT_EQ(s.wordOffset[1], 837u);
    EXPECT_EQ(s.tagValue[1], 72u);
    EXPECT_EQ(s.stepRecords[1].ramBlock, 72u);
}

TEST_F(AddressFields, SetAssociativeSplitsWordSetAndTag) {
    const auto& s = cut({.mapping = MappingMethod::SetAssociative, .sets = 4}, workedAddress);
    EXPECT_EQ(s.setBits, 2u);
    EXPECT_EQ(s.tagBits, 8u);
    EXPECT_EQ(s.setIndex[1], 0u);
    EXPECT_EQ(s.tagValue[1], 18u);
}

TEST_F(AddressFields, OneSetPutsEveryAddressInSetZeroWithTheRamBlockAsTag) {
    for (std::uint32_t address : {0u, 74565u, 1048575u}) {
        const auto& s = cut({.mapping = MappingMethod::SetAssociative, .sets = 1}, address);
        EXPECT_EQ(s.setBits, 0u);
        EXPECT_EQ(s.setIndex[1], 0u);
        EXPECT_EQ(s.tagValue[1], s.stepRecords[1].ramBlock);
    }
}

TEST_F(AddressFields, LargestRamUsesAllThirtyTwoBits) {
    const auto& s = cut(
        {.ramMb = 4096, .cacheKb = 1024, .blockBytes = 65536, .mapping = MappingMethod::Direct}, 4294967295u);
    EXPECT_EQ(s.addressBits, 32u);
    EXPECT_EQ(s.wordBits, 16u);
    EXPECT_EQ(s.blockBits, 4u);
    EXPECT_EQ(s.tagBits, 12u);
    EXPECT_EQ(s.wordOffset[1], 65535u);
    EXPECT_EQ(s.blockIndex[1], 15u);
    EXPECT_EQ(s.tagValue[1], 4095u);
    EXPECT_EQ(s.stepRecords[1].ramBlock, 65535u);
}

TEST_F(AddressFields, AddressBeyondTheRamLosesHighBitsInTheTagOnly) {
    const auto& s = cut({.mapping = MappingMethod::Associative}, 0x80012345u);
    EXPECT_EQ(s.tagValue[1], 72u);
    EXPECT_EQ(s.stepRecords[1].ramBlock, 0x80012345u >> 10);
}

TEST_F(AddressFields, OtherMethodsKeepTheFieldsOnlyDirectMappingWrites) {
    cut({.mapping = MappingMethod::Direct}, workedAddress);
    const auto& s = cut({.mapping = MappingMethod::Associative}, 0);
    EXPECT_EQ(s.blockBits, 4u);
    EXPECT_EQ(s.blockIndex[1], 8u);
}

} // namespace
