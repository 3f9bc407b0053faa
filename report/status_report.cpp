#include "report/status_report.h"

#include "config/cache_config.h"
#include "config/choice_names.h"
#include "config/validation.h"
#include "config/wrapping_arithmetic.h"
#include "engine/simulation_state.h"

#include <cinttypes>
#include <cstdint>

// "%u" and "%x" print the 32-bit values the way the runtime's "%I32u" and "%I32x" do, and give the same bytes
// on every platform.

namespace {

const char* const separatorLine = "=====================================\n";

void printSeparator(std::FILE* out) {
    std::fputs(separatorLine, out);
}

// "74565 (12345) \n": an address in decimal and in hexadecimal.
void printAddress(std::FILE* out, std::uint32_t address) {
    std::fprintf(out, "%u (%x) \n", address, address);
}

// "Tag = 4 (4)\n"
void printField(std::FILE* out, const char* label, std::uint32_t value) {
    std::fprintf(out, "%s = %u (%x)\n", label, value, value);
}

// A wide name text, written as UTF-8 bytes (the list items are plain ASCII).
void printName(std::FILE* out, const wchar_t* name) {
    for (std::size_t i = 0; name != nullptr && i < nameBufferChars && name[i] != L'\0'; ++i) {
        const auto code = static_cast<std::uint32_t>(name[i]);
        if (code < 0x80) {
            std::fputc(static_cast<int>(code), out);
        } else if (code < 0x800) {
            std::fputc(static_cast<int>(0xc0 | (code >> 6)), out);
            std::fputc(static_cast<int>(0x80 | (code & 0x3f)), out);
        } else {
            std::fputc(static_cast<int>(0xe0 | ((code >> 12) & 0x0f)), out);
            std::fputc(static_cast<int>(0x80 | ((code >> 6) & 0x3f)), out);
            std::fputc(static_cast<int>(0x80 | (code & 0x3f)), out);
        }
    }
}

void printNamedChoice(std::FILE* out, const char* label, const wchar_t* name) {
    std::fputs(label, out);
    printName(out, name);
    std::fputs("\n", out);
}

bool has(std::uint32_t errors, std::uint32_t bit) {
    return (errors & bit) != 0;
}

void printChoiceErrors(std::FILE* out, const CacheConfig& config, std::uint32_t errors) {
    if (has(errors, RamSizeInvalid)) {
        std::fprintf(out, "Dimensiune RAM = %d Mo incorecta \n", config.ramSizeMb);
    }
    if (has(errors, CacheSizeInvalid)) {
        std::fprintf(out, "Dimensiune cache = %d ko incorecta \n", config.cacheSizeKb);
    }
    if (has(errors, BlockSizeInvalid)) {
        std::fprintf(out, "Dimensiune bloc = %d o incorecta \n", config.blockSizeBytes);
    }
    if (has(errors, MappingMissing)) {
        std::fputs("Introduceti metoda de mapare \n", out);
    }
    if (has(errors, PolicyMissing)) {
        std::fputs("Introduceti politica de reamplasare \n", out);
    }
    if (has(errors, SetCountInvalid)) {
        std::fprintf(out, "Numar de seturi = %d incorect \n", config.setCount);
    }
    if (has(errors, WorkModeMissing)) {
        std::fputs("Introduceti mod de lucru \n", out);
    }
    if (has(errors, IterationCountInvalid)) {
        std::fprintf(out, "Numar de iteratii = %d incorect \n", config.iterationCount);
    }
}

void printProportionErrors(std::FILE* out, const CacheConfig& config, std::uint32_t errors) {
    if (has(errors, CacheBlockCountInvalid) && config.blockSizeBytes > 0) {
        std::fprintf(out, "Numar de blocuri in cache = %d incorect \n", blocksInCache(config));
    }
    if (has(errors, FewerBlocksThanSets)) {
        std::fputs("Numar de blocuri in cache mai mic \ndecit numarul de seturi \n", out);
    }
    if (has(errors, RamTooSmallForCache)) {
        std::fputs("Dimensiune RAM prea mica\nin raport cu dimensiunea cache \n", out);
    }
}

void printAddressErrors(std::FILE* out, const CacheConfig& config, std::uint32_t errors) {
    for (int i = 0; i < addressFieldCount; ++i) {
        if (has(errors, addressTooLargeBit(i))) {
            std::fprintf(out, "Adresa RAM [%d] prea mare (%u) \n", i,
                         config.addressSequence[static_cast<std::size_t>(i)]);
        }
    }
    if (!has(errors, AddressNotNumber)) {
        return;
    }
    for (int i = 0; i < addressFieldCount; ++i) {
        if (config.addressEntered[static_cast<std::size_t>(i)] == 0) {
            std::fprintf(out, "Adresa RAM [%d] - peste limita maxima a RAM \n", i);
        }
    }
}

// The messages of the error bits set in errors, in the order of the bits.
void printErrorMessages(std::FILE* out, const CacheConfig& config, std::uint32_t errors) {
    printChoiceErrors(out, config, errors);
    printProportionErrors(out, config, errors);
    printAddressErrors(out, config, errors);
    if (has(errors, RamBlockCountInvalid) && config.blockSizeBytes > 0) {
        // The quotient comes first: RAM in MB over block bytes, times the 2^20 bytes of one MB.
        const std::int32_t blocks = wrappingMultiply(config.ramSizeMb / config.blockSizeBytes, 1048576);
        std::fprintf(out, "Numar de blocuri in RAM = %u incorect \n", static_cast<std::uint32_t>(blocks));
    }
}

void printInvalidConfiguration(std::FILE* out, const CacheConfig& config) {
    printSeparator(out);
    std::fputs("Configurare nevalida\n", out);
    printSeparator(out);
    printErrorMessages(out, config, config.configErrors);
}

void printConfiguration(std::FILE* out, const CacheConfig& config) {
    printSeparator(out);
    std::fputs("Simulator metode de mapare\na memoriei cache\n", out);
    printSeparator(out);
    std::fprintf(out, "Dimensiune RAM: %d (Mo)\n", config.ramSizeMb);
    std::fprintf(out, "Dimensiune Cache: %d (ko)\n", config.cacheSizeKb);
    std::fprintf(out, "Dimensiune Bloc: %d (o)\n", config.blockSizeBytes);
    printNamedChoice(out, "Metoda de mapare: ", mappingMethodName);
    if (config.mappingMethod == MappingMethod::SetAssociative) {
        std::fprintf(out, "Numar de seturi: %d\n", config.setCount);
    }
    if (config.mappingMethod != MappingMethod::Direct) {
        printNamedChoice(out, "Metoda de reamplasare: ", replacementPolicyName);
    }
    printNamedChoice(out, "Mod de lucru: ", workModeName);
    if (config.workMode == WorkMode::GivenSequence) {
        std::fputs("Secventa de adrese RAM :\n", out);
        for (int i = 0; i < addressFieldCount; ++i) {
            printAddress(out, config.addressSequence[static_cast<std::size_t>(i)]);
        }
    }
    if (config.workMode == WorkMode::Individual) {
        std::fputs("Adresa RAM :\n", out);
        printAddress(out, config.addressSequence[0]);
    }
    if (config.workMode == WorkMode::RandomSequence || config.workMode == WorkMode::GivenSequence) {
        std::fprintf(out, "Numar de iteratii: %d\n", config.iterationCount);
    }
}

void printMethodTitle(std::FILE* out, MappingMethod method) {
    switch (method) {
    case MappingMethod::Associative:
        std::fputs("Mapare asociativa\n", out);
        break;
    case MappingMethod::SetAssociative:
        std::fputs("Mapare asociativa pe seturi\n", out);
        break;
    case MappingMethod::Direct:
        std::fputs("Mapare directa\n", out);
        break;
    }
}

bool isKnownMethod(MappingMethod method) {
    return method == MappingMethod::Associative || method == MappingMethod::SetAssociative ||
           method == MappingMethod::Direct;
}

void printBitWidths(std::FILE* out, MappingMethod method, const SimulationState& state) {
    if (!isKnownMethod(method)) {
        return;
    }
    std::fprintf(out, "Numar de biti adresa virtuala: %u\n", state.addressBits);
    std::fprintf(out, "Numar de biti cuvint: %u\n", state.wordBits);
    if (method == MappingMethod::SetAssociative) {
        std::fprintf(out, "Numar de biti set: %u\n", state.setBits);
    }
    if (method == MappingMethod::Direct) {
        std::fprintf(out, "Numar de biti bloc: %u\n", state.blockBits);
    }
    std::fprintf(out, "Numar de biti tag: %u\n", state.tagBits);
}

void printFieldsAt(std::FILE* out, MappingMethod method, const SimulationState& state, std::size_t k) {
    if (!isKnownMethod(method)) {
        return;
    }
    printField(out, "Cuvint", state.wordOffset[k]);
    if (method == MappingMethod::SetAssociative) {
        printField(out, "Set", state.setIndex[k]);
    }
    if (method == MappingMethod::Direct) {
        printField(out, "Bloc", state.blockIndex[k]);
    }
    printField(out, "Tag", state.tagValue[k]);
    printField(out, "Bloc RAM", state.stepRecords[k].ramBlock);
}

void printIndividualTrace(std::FILE* out, MappingMethod method, const SimulationState& state) {
    printMethodTitle(out, method);
    std::fprintf(out, "Pas simulare = %d\n", state.simulationStep);
    printBitWidths(out, method, state);
    printFieldsAt(out, method, state, 1);
    if (state.missFlag[0] == hitOutcome) {
        std::fputs("Cache hit !\n", out);
    }
    if (state.missFlag[0] == missOutcome) {
        std::fputs("Cache miss !\n", out);
    }
}

void printStepByStepTrace(std::FILE* out, const CacheConfig& config, const SimulationState& state) {
    printMethodTitle(out, config.mappingMethod);
    printBitWidths(out, config.mappingMethod, state);
    for (int i = 0; i < addressFieldCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        std::fprintf(out, "Pasul %d______________\n", i);
        printAddress(out, config.addressSequence[k]);
        printFieldsAt(out, config.mappingMethod, state, k);
        if (state.missFlag[k] == hitOutcome) {
            std::fprintf(out, "Pasul %d - Cache hit !\n", i);
        }
        if (state.missFlag[k] == missOutcome) {
            std::fprintf(out, "Pasul %d - Cache miss !\n", i);
        }
    }
}

void printTrace(std::FILE* out, const CacheConfig& config, const SimulationState& state) {
    switch (config.workMode) {
    case WorkMode::Individual:
        printIndividualTrace(out, config.mappingMethod, state);
        break;
    case WorkMode::RandomSequence:
        std::fputs("Secventa aleatoare\n", out);
        for (std::uint32_t address : config.addressSequence) {
            printAddress(out, address);
        }
        break;
    case WorkMode::GivenSequence:
        std::fputs("Secventa data\n", out);
        if (config.iterationCount == 1) {
            printStepByStepTrace(out, config, state);
        }
        break;
    }
}

void printFullReport(std::FILE* out, const CacheConfig& config, const SimulationState& state) {
    printConfiguration(out, config);
    printSeparator(out);
    std::fputs("START SIMULARE\n", out);
    std::fprintf(out, "Numar de blocuri in cache: %d\n", config.cacheBlockCount);
    printTrace(out, config, state);
}

} // namespace

void printStatusReport(std::FILE* out) {
    if (cacheConfig.configErrors != 0) {
        printInvalidConfiguration(out, cacheConfig);
    } else if (simulationStarted != 1) {
        std::fputs("Configurare valida\nApasa START SIMULARE\n", out);
    } else {
        printFullReport(out, cacheConfig, simulationState);
    }
}

void printFirstConfigurationError(std::FILE* out) {
    const std::uint32_t errors = cacheConfig.configErrors;
    printErrorMessages(out, cacheConfig, errors & (~errors + 1)); // the lowest bit set
}
