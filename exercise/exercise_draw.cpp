#include "exercise/exercise_draw.h"

#include "config/validation.h"
#include "exercise/exercise_random.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The blocks of the cache and of one of its sets (1 under direct mapping, all under associative).
struct CacheShape {
    std::int32_t blocks = 0;
    std::int32_t blocksPerSet = 0;
};

constexpr MappingMethod drawnMethods[] = {MappingMethod::Direct, MappingMethod::Associative,
                                          MappingMethod::SetAssociative};
constexpr CacheShape directShapes[] = {{2, 1}, {4, 1}, {8, 1}, {16, 1}};
constexpr CacheShape associativeShapes[] = {{2, 2}, {4, 4}};
constexpr CacheShape setAssociativeShapes[] = {{4, 2}, {8, 4}, {8, 2}, {16, 4}, {16, 2}};

template <typename T, std::size_t N> const T& drawOne(ExerciseRandom& random, const T (&items)[N]) {
    return items[drawBelow(random, static_cast<std::uint32_t>(N))];
}

template <typename Admissible> std::int32_t drawOneOf(ExerciseRandom& random, const Admissible& candidates) {
    return candidates[drawBelow(random, static_cast<std::uint32_t>(candidates.size()))];
}

CacheShape drawShape(ExerciseRandom& random, MappingMethod method) {
    switch (method) {
    case MappingMethod::Direct:
        return drawOne(random, directShapes);
    case MappingMethod::Associative:
        return drawOne(random, associativeShapes);
    case MappingMethod::SetAssociative:
        break;
    }
    return drawOne(random, setAssociativeShapes);
}

bool isAdmissibleBlockSize(std::int64_t bytes) {
    return std::find(admissibleBlockSizesBytes.begin(), admissibleBlockSizesBytes.end(), bytes) !=
           admissibleBlockSizesBytes.end();
}

void drawSizes(ExerciseRandom& random, Exercise& exercise) {
    std::vector<std::int32_t> caches;
    for (const std::int32_t kb : admissibleCacheSizesKb) {
        if (isAdmissibleBlockSize(std::int64_t{kb} * 1024 / exercise.cacheBlockCount)) {
            caches.push_back(kb);
        }
    }
    exercise.cacheSizeKb = drawOneOf(random, caches);
    exercise.blockSizeBytes = exercise.cacheSizeKb * 1024 / exercise.cacheBlockCount;
    std::vector<std::int32_t> rams;
    for (const std::int32_t mb : admissibleRamSizesMb) {
        if (std::int64_t{mb} * 1024 >= std::int64_t{16} * exercise.cacheSizeKb &&
            mb < exercise.blockSizeBytes) {
            rams.push_back(mb);
        }
    }
    exercise.ramSizeMb = drawOneOf(random, rams);
}

// RAM blocks are numbered from 0; block b lies in set b mod sets, as the set (or block) field is the low part
// of its number. These are the RAM blocks the accesses draw from.
struct BlockPool {
    std::uint32_t sets = 1;
    std::uint32_t blocksOfASet = 1; // RAM blocks that fall into one set
    std::vector<std::uint32_t> blocks;

    bool holds(std::uint32_t block) const {
        return std::find(blocks.begin(), blocks.end(), block) != blocks.end();
    }

    // A RAM block of the set not yet in the pool, added to it.
    std::uint32_t addNewBlock(ExerciseRandom& random, std::uint32_t set) {
        std::uint32_t block = 0;
        do {
            block = drawBelow(random, blocksOfASet) * sets + set;
        } while (holds(block));
        blocks.push_back(block);
        return block;
    }
};

constexpr std::uint32_t fewestOtherBlocks = 1;
constexpr std::uint32_t mostOtherBlocks = 3;

// The sequence is run once, step by step.
constexpr int givenSequencePasses = 1;

// Nine accesses covering every block of the pool, shuffled, then one repeated right after itself.
std::vector<std::uint32_t> drawAccessedBlocks(ExerciseRandom& random, const Exercise& exercise,
                                              CacheShape shape) {
    const std::uint64_t ramBlocks = (std::uint64_t{1} << 20) *
                                    static_cast<std::uint32_t>(exercise.ramSizeMb) /
                                    static_cast<std::uint32_t>(exercise.blockSizeBytes);
    BlockPool pool;
    pool.sets = static_cast<std::uint32_t>(shape.blocks / shape.blocksPerSet);
    pool.blocksOfASet = static_cast<std::uint32_t>(ramBlocks / pool.sets);
    const std::uint32_t crowdedSet = drawBelow(random, pool.sets);
    for (std::int32_t i = 0; i <= shape.blocksPerSet; ++i) {
        pool.addNewBlock(random, crowdedSet);
    }
    const std::uint32_t others =
        fewestOtherBlocks + drawBelow(random, mostOtherBlocks - fewestOtherBlocks + 1);
    for (std::uint32_t i = 0; i < others; ++i) {
        pool.addNewBlock(random, drawBelow(random, pool.sets));
    }
    std::vector<std::uint32_t> accessed = pool.blocks; // at most 5 + 3: each once, with room for more
    while (accessed.size() + 1 < addressFieldCount) {
        accessed.push_back(pool.blocks[drawBelow(random, static_cast<std::uint32_t>(pool.blocks.size()))]);
    }
    for (std::size_t i = accessed.size() - 1; i > 0; --i) { // Fisher-Yates, from the last place down
        std::swap(accessed[i], accessed[drawBelow(random, static_cast<std::uint32_t>(i + 1))]);
    }
    const std::uint32_t repeated = drawBelow(random, static_cast<std::uint32_t>(accessed.size()));
    accessed.insert(accessed.begin() + static_cast<std::ptrdiff_t>(repeated) + 1, accessed[repeated]);
    return accessed;
}

void drawAddresses(ExerciseRandom& random, Exercise& exercise, CacheShape shape) {
    const std::vector<std::uint32_t> blocks = drawAccessedBlocks(random, exercise, shape);
    const auto blockBytes = static_cast<std::uint32_t>(exercise.blockSizeBytes);
    for (std::size_t i = 0; i < exercise.addresses.size(); ++i) {
        exercise.addresses[i] = blocks[i] * blockBytes + drawBelow(random, blockBytes);
    }
}

DialogFields fieldsOf(const Exercise& exercise) {
    DialogFields fields;
    fields.ram = std::to_string(exercise.ramSizeMb);
    fields.cache = std::to_string(exercise.cacheSizeKb);
    fields.block = std::to_string(exercise.blockSizeBytes);
    fields.sets = std::to_string(exercise.setCount);
    fields.iterations = std::to_string(givenSequencePasses);
    for (std::size_t i = 0; i < exercise.addresses.size(); ++i) {
        fields.addresses[i] = std::to_string(exercise.addresses[i]);
    }
    fields.mapping = toInt(exercise.mapping);
    fields.policy = exercise.policy;
    fields.mode = toInt(WorkMode::GivenSequence);
    return fields;
}

} // namespace

Exercise drawExercise(std::uint64_t seed) {
    ExerciseRandom random = seededExerciseRandom(seed);
    Exercise exercise;
    exercise.seed = seed;
    exercise.mapping = drawOne(random, drawnMethods);
    if (exercise.mapping != MappingMethod::Direct) {
        exercise.policy = static_cast<std::int32_t>(drawBelow(random, 2));
    }
    const CacheShape shape = drawShape(random, exercise.mapping);
    exercise.cacheBlockCount = shape.blocks;
    if (exercise.mapping == MappingMethod::SetAssociative) {
        exercise.setCount = shape.blocks / shape.blocksPerSet;
    }
    drawSizes(random, exercise);
    drawAddresses(random, exercise, shape);
    exercise.fields = fieldsOf(exercise);
    return exercise;
}
