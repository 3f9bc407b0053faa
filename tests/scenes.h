#pragma once

#include "config/cache_config.h"

#include <vector>

// Known runs through the core that put the main view into each of its scenes. Each starts from the start-up
// state of the records.

// Before any configuration: no results.
void showSplash();

// Individual accesses to a 16-block cache, continued on one cache, the last of which evicts a block. Direct:
// 1 MB RAM, 16 KB cache, 1024-byte blocks. Associative: the same with LRU. Set-associative: the same with
// FIFO and 4 sets of 4 blocks.
void runIndividual(MappingMethod method);

// The given sequence run once on the direct-mapped 16-block cache: 0, 1024, 16384, 0, 2048, 0, 3072, 4096,
// 5120, 17408. Block 0 is refilled by eviction at accesses 2 and 3, block 1 at access 9.
void runGivenSequenceOnce();

// A set-associative given sequence run once, with the number of sets chosen: 8 blocks of 2048 bytes.
void runSetAssociativeOnce(int sets);

// A random sequence of the given length on a 16-block associative LRU cache that hits about one time in four.
void runRandomChart(int iterations);

// The given sequence 0, 4, 8, 16384, 16388, 16392, 0, 4, 8, 1024 on the direct-mapped cache, repeated: miss,
// hit, hit, so that the miss rate is exactly 1/3 after the third access.
void runGivenChart(int iterations);

// Every scene, with a name for its picture.
struct NamedScene {
    const char* name;
    void (*setUp)();
};
const std::vector<NamedScene>& everyScene();
