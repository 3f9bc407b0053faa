#include "report/status_report.h"

#include "config/cache_config.h"
#include "config/choice_names.h"
#include "config/validation.h"
#include "config/wrapping_arithmetic.h"
#include "engine/simulation_state.h"
#include "language/catalogue.h"
#include "report/utf8_text.h"

#include <cinttypes>
#include <cstdint>
#include <string>

// "%u" and "%x" print the 32-bit values the way the runtime's "%I32u" and "%I32x" do, and give the same bytes
// on every platform.

namespace {

// Where the report is written, and in which language.
struct ReportStream {
    std::FILE* file;
    Language language;
};

const char* const separatorLine = "=====================================\n";

void printSeparator(const ReportStream& out) {
    std::fputs(separatorLine, out.file);
}

// "74565 (12345) \n": an address in decimal and in hexadecimal.
void printAddress(const ReportStream& out, std::uint32_t address) {
    std::fprintf(out.file, "%u (%x) \n", address, address);
}

// "Tag = 4 (4)\n"
void printField(const ReportStream& out, const char* label, std::uint32_t value) {
    std::fprintf(out.file, "%s = %u (%x)\n", label, value, value);
}

// A wide name text, up to its end or its buffer's, as UTF-8 bytes (the list items are plain ASCII).
std::string utf8Name(const wchar_t* name) {
    std::size_t length = 0;
    while (name != nullptr && length < nameBufferChars && name[length] != L'\0') {
        ++length;
    }
    return utf8Text(name, length);
}

// "Metoda de mapare: directa\n": the label and the list item selected, both in the report's language.
void printNamedChoice(const ReportStream& out, const char* label, const wchar_t* name) {
    std::fputs(label, out.file);
    std::fputs(translated(out.language, utf8Name(name).c_str()), out.file);
    std::fputs("\n", out.file);
}

bool has(std::uint32_t errors, std::uint32_t bit) {
    return (errors & bit) != 0;
}

void printChoiceErrors(const ReportStream& out, const CacheConfig& config, std::uint32_t errors) {
    if (has(errors, RamSizeInvalid)) {
        std::fprintf(out.file, translated(out.language, "Dimensiune RAM = %d Mo incorecta \n"),
                     config.ramSizeMb);
    }
    if (has(errors, CacheSizeInvalid)) {
        std::fprintf(out.file, translated(out.language, "Dimensiune cache = %d ko incorecta \n"),
                     config.cacheSizeKb);
    }
    if (has(errors, BlockSizeInvalid)) {
        std::fprintf(out.file, translated(out.language, "Dimensiune bloc = %d o incorecta \n"),
                     config.blockSizeBytes);
    }
    if (has(errors, MappingMissing)) {
        std::fputs(translated(out.language, "Introduceti metoda de mapare \n"), out.file);
    }
    if (has(errors, PolicyMissing)) {
        std::fputs(translated(out.language, "Introduceti politica de reamplasare \n"), out.file);
    }
    if (has(errors, SetCountInvalid)) {
        std::fprintf(out.file, translated(out.language, "Numar de seturi = %d incorect \n"), config.setCount);
    }
    if (has(errors, WorkModeMissing)) {
        std::fputs(translated(out.language, "Introduceti mod de lucru \n"), out.file);
    }
    if (has(errors, IterationCountInvalid)) {
        std::fprintf(out.file, translated(out.language, "Numar de iteratii = %d incorect \n"),
                     config.iterationCount);
    }
}

void printProportionErrors(const ReportStream& out, const CacheConfig& config, std::uint32_t errors) {
    if (has(errors, CacheBlockCountInvalid) && config.blockSizeBytes > 0) {
        std::fprintf(out.file, translated(out.language, "Numar de blocuri in cache = %d incorect \n"),
                     blocksInCache(config));
    }
    if (has(errors, FewerBlocksThanSets)) {
        std::fputs(translated(out.language, "Numar de blocuri in cache mai mic \ndecit numarul de seturi \n"),
                   out.file);
    }
    if (has(errors, RamTooSmallForCache)) {
        std::fputs(translated(out.language, "Dimensiune RAM prea mica\nin raport cu dimensiunea cache \n"),
                   out.file);
    }
}

void printAddressErrors(const ReportStream& out, const CacheConfig& config, std::uint32_t errors) {
    for (int i = 0; i < addressFieldCount; ++i) {
        if (has(errors, addressTooLargeBit(i))) {
            std::fprintf(out.file, translated(out.language, "Adresa RAM [%d] prea mare (%u) \n"), i,
                         config.addressSequence[static_cast<std::size_t>(i)]);
        }
    }
    if (!has(errors, AddressNotNumber)) {
        return;
    }
    for (int i = 0; i < addressFieldCount; ++i) {
        if (config.addressEntered[static_cast<std::size_t>(i)] == 0) {
            std::fprintf(out.file, translated(out.language, "Adresa RAM [%d] - peste limita maxima a RAM \n"),
                         i);
        }
    }
}

// The messages of the error bits set in errors, in the order of the bits.
void printErrorMessages(const ReportStream& out, const CacheConfig& config, std::uint32_t errors) {
    printChoiceErrors(out, config, errors);
    printProportionErrors(out, config, errors);
    printAddressErrors(out, config, errors);
    if (has(errors, RamBlockCountInvalid) && config.blockSizeBytes > 0) {
        // The quotient comes first: RAM in MB over block bytes, times the 2^20 bytes of one MB.
        const std::int32_t blocks = wrappingMultiply(config.ramSizeMb / config.blockSizeBytes, 1048576);
        std::fprintf(out.file, translated(out.language, "Numar de blocuri in RAM = %u incorect \n"),
                     static_cast<std::uint32_t>(blocks));
    }
}

void printInvalidConfiguration(const ReportStream& out, const CacheConfig& config) {
    printSeparator(out);
    std::fputs(translated(out.language, "Configurare nevalida\n"), out.file);
    printSeparator(out);
    printErrorMessages(out, config, config.configErrors);
}

void printConfiguration(const ReportStream& out, const CacheConfig& config) {
    printSeparator(out);
    std::fputs(translated(out.language, "Simulator metode de mapare\na memoriei cache\n"), out.file);
    printSeparator(out);
    std::fprintf(out.file, translated(out.language, "Dimensiune RAM: %d (Mo)\n"), config.ramSizeMb);
    std::fprintf(out.file, translated(out.language, "Dimensiune Cache: %d (ko)\n"), config.cacheSizeKb);
    std::fprintf(out.file, translated(out.language, "Dimensiune Bloc: %d (o)\n"), config.blockSizeBytes);
    printNamedChoice(out, translated(out.language, "Metoda de mapare: "), mappingMethodName);
    if (config.mappingMethod == MappingMethod::SetAssociative) {
        std::fprintf(out.file, translated(out.language, "Numar de seturi: %d\n"), config.setCount);
    }
    if (config.mappingMethod != MappingMethod::Direct) {
        printNamedChoice(out, translated(out.language, "Metoda de reamplasare: "), replacementPolicyName);
    }
    printNamedChoice(out, translated(out.language, "Mod de lucru: "), workModeName);
    if (config.workMode == WorkMode::GivenSequence) {
        std::fputs(translated(out.language, "Secventa de adrese RAM :\n"), out.file);
        for (int i = 0; i < addressFieldCount; ++i) {
            printAddress(out, config.addressSequence[static_cast<std::size_t>(i)]);
        }
    }
    if (config.workMode == WorkMode::Individual) {
        std::fputs(translated(out.language, "Adresa RAM :\n"), out.file);
        printAddress(out, config.addressSequence[0]);
    }
    if (config.workMode == WorkMode::RandomSequence || config.workMode == WorkMode::GivenSequence) {
        std::fprintf(out.file, translated(out.language, "Numar de iteratii: %d\n"), config.iterationCount);
    }
}

void printMethodTitle(const ReportStream& out, MappingMethod method) {
    switch (method) {
    case MappingMethod::Associative:
        std::fputs(translated(out.language, "Mapare asociativa\n"), out.file);
        break;
    case MappingMethod::SetAssociative:
        std::fputs(translated(out.language, "Mapare asociativa pe seturi\n"), out.file);
        break;
    case MappingMethod::Direct:
        std::fputs(translated(out.language, "Mapare directa\n"), out.file);
        break;
    }
}

bool isKnownMethod(MappingMethod method) {
    return method == MappingMethod::Associative || method == MappingMethod::SetAssociative ||
           method == MappingMethod::Direct;
}

void printBitWidths(const ReportStream& out, MappingMethod method, const SimulationState& state) {
    if (!isKnownMethod(method)) {
        return;
    }
    std::fprintf(out.file, translated(out.language, "Numar de biti adresa virtuala: %u\n"),
                 state.addressBits);
    std::fprintf(out.file, translated(out.language, "Numar de biti cuvint: %u\n"), state.wordBits);
    if (method == MappingMethod::SetAssociative) {
        std::fprintf(out.file, translated(out.language, "Numar de biti set: %u\n"), state.setBits);
    }
    if (method == MappingMethod::Direct) {
        std::fprintf(out.file, translated(out.language, "Numar de biti bloc: %u\n"), state.blockBits);
    }
    std::fprintf(out.file, translated(out.language, "Numar de biti tag: %u\n"), state.tagBits);
}

void printFieldsAt(const ReportStream& out, MappingMethod method, const SimulationState& state,
                   std::size_t k) {
    if (!isKnownMethod(method)) {
        return;
    }
    printField(out, translated(out.language, "Cuvint"), state.wordOffset[k]);
    if (method == MappingMethod::SetAssociative) {
        printField(out, translated(out.language, "Set"), state.setIndex[k]);
    }
    if (method == MappingMethod::Direct) {
        printField(out, translated(out.language, "Bloc"), state.blockIndex[k]);
    }
    printField(out, translated(out.language, "Tag"), state.tagValue[k]);
    printField(out, translated(out.language, "Bloc RAM"), state.stepRecords[k].ramBlock);
}

void printIndividualTrace(const ReportStream& out, MappingMethod method, const SimulationState& state) {
    printMethodTitle(out, method);
    std::fprintf(out.file, translated(out.language, "Pas simulare = %d\n"), state.simulationStep);
    printBitWidths(out, method, state);
    printFieldsAt(out, method, state, 1);
    if (state.missFlag[0] == hitOutcome) {
        std::fputs(translated(out.language, "Cache hit !\n"), out.file);
    }
    if (state.missFlag[0] == missOutcome) {
        std::fputs(translated(out.language, "Cache miss !\n"), out.file);
    }
}

void printStepByStepTrace(const ReportStream& out, const CacheConfig& config, const SimulationState& state) {
    printMethodTitle(out, config.mappingMethod);
    printBitWidths(out, config.mappingMethod, state);
    for (int i = 0; i < addressFieldCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        std::fprintf(out.file, translated(out.language, "Pasul %d______________\n"), i);
        printAddress(out, config.addressSequence[k]);
        printFieldsAt(out, config.mappingMethod, state, k);
        if (state.missFlag[k] == hitOutcome) {
            std::fprintf(out.file, translated(out.language, "Pasul %d - Cache hit !\n"), i);
        }
        if (state.missFlag[k] == missOutcome) {
            std::fprintf(out.file, translated(out.language, "Pasul %d - Cache miss !\n"), i);
        }
    }
}

void printTrace(const ReportStream& out, const CacheConfig& config, const SimulationState& state) {
    switch (config.workMode) {
    case WorkMode::Individual:
        printIndividualTrace(out, config.mappingMethod, state);
        break;
    case WorkMode::RandomSequence:
        std::fputs(translated(out.language, "Secventa aleatoare\n"), out.file);
        for (std::uint32_t address : config.addressSequence) {
            printAddress(out, address);
        }
        break;
    case WorkMode::GivenSequence:
        std::fputs(translated(out.language, "Secventa data\n"), out.file);
        if (config.iterationCount == 1) {
            printStepByStepTrace(out, config, state);
        }
        break;
    }
}

void printFullReport(const ReportStream& out, const CacheConfig& config, const SimulationState& state) {
    printConfiguration(out, config);
    printSeparator(out);
    std::fputs(translated(out.language, "START SIMULARE\n"), out.file);
    std::fprintf(out.file, translated(out.language, "Numar de blocuri in cache: %d\n"),
                 config.cacheBlockCount);
    printTrace(out, config, state);
}

} // namespace

void printStatusReport(std::FILE* out) {
    printStatusReportIn(out, Language::Romanian);
}

void printStatusReportIn(std::FILE* file, Language language) {
    const ReportStream out{file, language};
    if (cacheConfig.configErrors != 0) {
        printInvalidConfiguration(out, cacheConfig);
    } else if (simulationStarted != 1) {
        std::fputs(translated(out.language, "Configurare valida\nApasa START SIMULARE\n"), out.file);
    } else {
        printFullReport(out, cacheConfig, simulationState);
    }
}

void printFirstConfigurationError(std::FILE* out) {
    printFirstConfigurationErrorIn(out, Language::Romanian);
}

void printFirstConfigurationErrorIn(std::FILE* file, Language language) {
    const std::uint32_t errors = cacheConfig.configErrors;
    printErrorMessages({file, language}, cacheConfig, errors & (~errors + 1)); // the lowest bit set
}
