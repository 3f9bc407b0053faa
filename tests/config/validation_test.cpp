#include "config/validation.h"

#include "config/cache_config.h"
#include "core_state.h"

#include <gtest/gtest.h>

namespace {

class Validation : public ::testing::Test {
  protected:
    void SetUp() override { startFromStartup(); }

    // A valid set-associative configuration to vary one field at a time.
    static void setValidSetAssociative() {
        applySetup({.ramMb = 1024,
                    .cacheKb = 64,
                    .blockBytes = 4096,
                    .mapping = MappingMethod::SetAssociative,
                    .policy = ReplacementPolicy::Fifo,
                    .mode = WorkMode::GivenSequence,
                    .sets = 4,
                    .iterations = 1});
        for (std::size_t i = 0; i < addressFieldCount; ++i) {
            cacheConfig.addressSequence[i] = 1073741823u - static_cast<std::uint32_t>(i);
        }
    }

    static std::uint32_t errors() {
        validateConfiguration();
        return cacheConfig.configErrors;
    }
};

TEST_F(Validation, NewDialogReportsSizesMappingAndModeOnly) {
    cacheConfig.mappingMethod = MappingMethod{noSelection};
    cacheConfig.replacementPolicy = ReplacementPolicy{noSelection};
    cacheConfig.workMode = WorkMode{noSelection};
    cacheConfig.addressEntered.fill(1); // every address field shows "0"
    EXPECT_EQ(errors(), 0x4Fu);
}

TEST_F(Validation, AdmissibleSetAssociativeConfigurationIsValid) {
    setValidSetAssociative();
    EXPECT_EQ(errors(), 0u);
}

TEST_F(Validation, EverySizeListIsExact) {
    setValidSetAssociative();
    for (std::int32_t ram : {0, 3, 8192, -1}) {
        cacheConfig.ramSizeMb = ram;
        EXPECT_TRUE(errors() & RamSizeInvalid) << ram;
    }
    setValidSetAssociative();
    for (std::int32_t cache : {8, 48, 2048}) {
        cacheConfig.cacheSizeKb = cache;
        EXPECT_TRUE(errors() & CacheSizeInvalid) << cache;
    }
    setValidSetAssociative();
    for (std::int32_t block : {64, 3000, 131072}) {
        cacheConfig.blockSizeBytes = block;
        EXPECT_TRUE(errors() & BlockSizeInvalid) << block;
    }
}

TEST_F(Validation, SetCountMayEqualTheBlockCountButNotExceedIt) {
    setValidSetAssociative();
    cacheConfig.cacheSizeKb = 16; // 4 blocks of 4096 bytes
    cacheConfig.ramSizeMb = 1024;
    cacheConfig.setCount = 4;
    EXPECT_EQ(errors(), 0u);
    cacheConfig.setCount = 8;
    EXPECT_EQ(errors(), FewerBlocksThanSets);
    cacheConfig.setCount = 5;
    EXPECT_EQ(errors(), FewerBlocksThanSets | SetCountInvalid);
}

TEST_F(Validation, DirectMappingStillComparesTheSetsFieldWithTheBlockCount) {
    setValidSetAssociative();
    cacheConfig.mappingMethod = MappingMethod::Direct;
    cacheConfig.cacheSizeKb = 16; // 4 blocks
    cacheConfig.setCount = 8;
    EXPECT_EQ(errors(), FewerBlocksThanSets);
}

TEST_F(Validation, PolicyIsRequiredOnlyWhenReplacementCanHappen) {
    setValidSetAssociative();
    cacheConfig.replacementPolicy = ReplacementPolicy{noSelection};
    EXPECT_EQ(errors(), PolicyMissing);
    cacheConfig.mappingMethod = MappingMethod::Associative;
    EXPECT_EQ(errors(), PolicyMissing);
    cacheConfig.mappingMethod = MappingMethod::Direct;
    EXPECT_EQ(errors(), 0u);
    cacheConfig.mappingMethod = MappingMethod{noSelection};
    EXPECT_EQ(errors(), MappingMissing);
}

TEST_F(Validation, RamMustHoldSixteenCaches) {
    setValidSetAssociative();
    cacheConfig.cacheSizeKb = 1024;
    cacheConfig.blockSizeBytes = 65536; // 16 blocks
    cacheConfig.addressSequence.fill(0);
    cacheConfig.ramSizeMb = 16;
    EXPECT_EQ(errors(), 0u);
    cacheConfig.ramSizeMb = 8;
    EXPECT_EQ(errors(), RamTooSmallForCache);
}

TEST_F(Validation, RamMayHoldAtMostTwoToTheNineteenBlocks) {
    setValidSetAssociative();
    cacheConfig.cacheSizeKb = 1;
    cacheConfig.blockSizeBytes = 128;
    cacheConfig.ramSizeMb = 64;
    EXPECT_FALSE(errors() & RamBlockCountInvalid);
    cacheConfig.ramSizeMb = 128;
    EXPECT_TRUE(errors() & RamBlockCountInvalid);
}

TEST_F(Validation, AddressLimitFollowsTheRamSize) {
    setValidSetAssociative();
    cacheConfig.ramSizeMb = 4096;
    cacheConfig.blockSizeBytes = 8192; // 4096-byte blocks would make 2^20 blocks in RAM
    cacheConfig.addressSequence[9] = 4294967295u;
    EXPECT_EQ(errors(), 0u);

    applySetup({.ramMb = 1, .cacheKb = 16, .blockBytes = 1024, .mapping = MappingMethod::Direct});
    cacheConfig.addressSequence[0] = 1048575;
    EXPECT_EQ(errors(), 0u);
    cacheConfig.addressSequence[0] = 1048576;
    EXPECT_EQ(errors(), addressTooLargeBit(0));
}

TEST_F(Validation, GivenSequenceTestsEveryAddressWithItsOwnBit) {
    setValidSetAssociative();
    cacheConfig.addressSequence[3] = 1073741824u;
    cacheConfig.addressSequence[9] = 4294967295u;
    EXPECT_EQ(errors(), 0x4000u | 0x100000u);
}

TEST_F(Validation, IndividualModeTestsOnlyFieldZeroButEveryFieldMustBeANumber) {
    applySetup({.ramMb = 1, .cacheKb = 16, .blockBytes = 1024, .mapping = MappingMethod::Direct});
    cacheConfig.addressSequence[3] = 4000000000u;
    EXPECT_EQ(errors(), 0u);
    cacheConfig.addressEntered[3] = 0;
    EXPECT_EQ(errors(), AddressNotNumber);
}

TEST_F(Validation, RandomSequenceTestsNoAddress) {
    applySetup({.ramMb = 1,
                .cacheKb = 16,
                .blockBytes = 1024,
                .mapping = MappingMethod::Direct,
                .mode = WorkMode::RandomSequence,
                .iterations = 50});
    cacheConfig.addressSequence.fill(4294967295u);
    EXPECT_EQ(errors(), 0u);
}

TEST_F(Validation, RamSizeAboveTwoToThe31IsNegativeAndEveryAddressIsTooLarge) {
    setValidSetAssociative();
    cacheConfig.ramSizeMb = static_cast<std::int32_t>(4294967295u);
    cacheConfig.addressSequence.fill(0);
    const std::uint32_t found = errors();
    EXPECT_EQ(cacheConfig.ramSizeMb, -1);
    EXPECT_TRUE(found & RamSizeInvalid);
    EXPECT_TRUE(found & RamTooSmallForCache);
    for (int i = 0; i < addressFieldCount; ++i) {
        EXPECT_TRUE(found & addressTooLargeBit(i)) << i;
    }
}

TEST_F(Validation, IterationCountBoundsDependOnTheWorkMode) {
    setValidSetAssociative();
    cacheConfig.workMode = WorkMode::RandomSequence;
    for (auto [count, valid] : {std::pair{9, false}, {10, true}, {100, true}, {101, false}}) {
        cacheConfig.iterationCount = count;
        EXPECT_EQ(errors() == 0, valid) << "random " << count;
    }
    cacheConfig.workMode = WorkMode::GivenSequence;
    for (auto [count, valid] : {std::pair{0, false}, {1, true}, {10, true}, {11, false}}) {
        cacheConfig.iterationCount = count;
        EXPECT_EQ(errors() == 0, valid) << "given " << count;
    }
    cacheConfig.workMode = WorkMode::Individual;
    cacheConfig.iterationCount = -5;
    EXPECT_EQ(errors(), 0u);
}

TEST_F(Validation, OverflowingSizesWrapLikeThirtyTwoBitArithmetic) {
    setValidSetAssociative();
    cacheConfig.cacheSizeKb = 3000000; // 3000000 * 1024 wraps to -1222967296
    cacheConfig.blockSizeBytes = 128;
    const std::uint32_t found = errors();
    EXPECT_TRUE(found & CacheSizeInvalid);
    EXPECT_TRUE(found & CacheBlockCountInvalid);
    EXPECT_TRUE(found & FewerBlocksThanSets); // the wrapped block count is negative
    EXPECT_EQ(blocksInCache(cacheConfig), -1222967296 / 128);
}

TEST_F(Validation, ChangesNothingButTheErrorMask) {
    setValidSetAssociative();
    cacheConfig.ramSizeMb = 7;
    const CacheConfig before = cacheConfig;
    validateConfiguration();
    CacheConfig after = cacheConfig;
    EXPECT_TRUE(after.configErrors & RamSizeInvalid);
    after.configErrors = before.configErrors;
    EXPECT_TRUE(before == after);
}

} // namespace
