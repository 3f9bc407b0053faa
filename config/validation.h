#pragma once

#include <array>
#include <cstdint>

// The admissible values, in ascending order. Validation tests membership in them; whoever draws a
// configuration draws from them.
inline constexpr std::array<std::int32_t, 13> admissibleRamSizesMb{1,   2,   4,   8,    16,   32,  64,
                                                                   128, 256, 512, 1024, 2048, 4096};
inline constexpr std::array<std::int32_t, 7> admissibleCacheSizesKb{16, 32, 64, 128, 256, 512, 1024};
inline constexpr std::array<std::int32_t, 10> admissibleBlockSizesBytes{128,  256,  512,   1024,  2048,
                                                                        4096, 8192, 16384, 32768, 65536};
inline constexpr std::array<std::int32_t, 4> admissibleSetCounts{1, 2, 4, 8};
inline constexpr std::array<std::int32_t, 4> admissibleCacheBlockCounts{2, 4, 8, 16};

// The bits of configErrors. Each fault of the configuration sets one bit; 0 means the configuration is valid.
enum ConfigError : std::uint32_t {
    RamSizeInvalid = 0x1,
    CacheSizeInvalid = 0x2,
    BlockSizeInvalid = 0x4,
    MappingMissing = 0x8,
    PolicyMissing = 0x10,
    SetCountInvalid = 0x20,
    WorkModeMissing = 0x40,
    IterationCountInvalid = 0x80,
    CacheBlockCountInvalid = 0x100,
    FewerBlocksThanSets = 0x200,
    RamTooSmallForCache = 0x400,
    AddressTooLarge = 0x800, // for address field 0; field i uses AddressTooLarge << i
    AddressNotNumber = 0x200000,
    RamBlockCountInvalid = 0x400000,
};

constexpr std::uint32_t addressTooLargeBit(int field) {
    return std::uint32_t{AddressTooLarge} << field;
}

// Tests every rule against cacheConfig and records each fault as one bit of cacheConfig.configErrors. Changes
// nothing else and is safe for any content of the record.
void validateConfiguration();
