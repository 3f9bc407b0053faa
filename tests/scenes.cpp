#include "scenes.h"

#include "core_state.h"

namespace {

constexpr ConfigSetup sixteenBlocks{.ramMb = 1, .cacheKb = 16, .blockBytes = 1024};

ConfigSetup individualSetup(MappingMethod method) {
    ConfigSetup setup = sixteenBlocks;
    setup.mapping = method;
    setup.policy = method == MappingMethod::Associative ? ReplacementPolicy::Lru : ReplacementPolicy::Fifo;
    setup.sets = method == MappingMethod::SetAssociative ? 4 : 0;
    return setup;
}

// Each START SIMULARE of the individual mode takes the address in field 0.
void runIndividualAccesses(const ConfigSetup& setup, std::initializer_list<std::uint32_t> addresses) {
    for (std::uint32_t address : addresses) {
        runWith(setup, {address});
    }
}

} // namespace

void showSplash() {
    startFromStartup();
}

void runIndividual(MappingMethod method) {
    startFromStartup();
    const ConfigSetup setup = individualSetup(method);
    switch (method) {
    case MappingMethod::Direct:
        // 74565 is block 8 with tag 4; 74565 + 16384 evicts it.
        runIndividualAccesses(setup, {74565, 0, 5000, 74565 + 16384});
        break;
    case MappingMethod::Associative:
        // Sixteen RAM blocks fill the cache, the seventeenth evicts the least recently used, block 0.
        runIndividualAccesses(setup, {0, 1024, 2048, 3072, 4096, 5120, 6144, 7168, 8192, 9216, 10240, 11264,
                                      12288, 13312, 14336, 15360, 16384});
        break;
    case MappingMethod::SetAssociative:
        // RAM blocks 0, 4, 8, 12 fill set 0, and RAM block 16 evicts its first block.
        runIndividualAccesses(setup, {0, 1024, 4096, 8192, 12288, 16384});
        break;
    }
}

void runGivenSequenceOnce() {
    startFromStartup();
    ConfigSetup setup = sixteenBlocks;
    setup.mode = WorkMode::GivenSequence;
    setup.iterations = 1;
    runWith(setup, {0, 1024, 16384, 0, 2048, 0, 3072, 4096, 5120, 17408});
}

void runSetAssociativeOnce(int sets) {
    startFromStartup();
    const ConfigSetup setup{.ramMb = 1,
                            .cacheKb = 16,
                            .blockBytes = 2048,
                            .mapping = MappingMethod::SetAssociative,
                            .mode = WorkMode::GivenSequence,
                            .sets = sets,
                            .iterations = 1};
    runWith(setup, {0, 2048, 4096, 6144, 8192, 10240, 12288, 14336, 16384, 0});
}

void runRandomChart(int iterations) {
    startFromStartup();
    const ConfigSetup setup{.ramMb = 16,
                            .cacheKb = 1024,
                            .blockBytes = 65536,
                            .mapping = MappingMethod::Associative,
                            .policy = ReplacementPolicy::Lru,
                            .mode = WorkMode::RandomSequence,
                            .iterations = iterations};
    runWith(setup, {});
}

void runGivenChart(int iterations) {
    startFromStartup();
    ConfigSetup setup = sixteenBlocks;
    setup.mode = WorkMode::GivenSequence;
    setup.iterations = iterations;
    runWith(setup, {0, 4, 8, 16384, 16388, 16392, 0, 4, 8, 1024});
}

const std::vector<NamedScene>& everyScene() {
    static const std::vector<NamedScene> scenes{
        {"splash", showSplash},
        {"individual_direct", [] { runIndividual(MappingMethod::Direct); }},
        {"individual_associative", [] { runIndividual(MappingMethod::Associative); }},
        {"individual_set_associative", [] { runIndividual(MappingMethod::SetAssociative); }},
        {"given_sequence_once", runGivenSequenceOnce},
        {"random_sequence_chart", [] { runRandomChart(100); }},
        {"given_sequence_chart", [] { runGivenChart(3); }},
    };
    return scenes;
}
