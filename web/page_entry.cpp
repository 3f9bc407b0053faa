// The page's entry into the core: a WebAssembly reactor whose exported functions do what the Configuration
// dialog does, through the same core entries as the dialog and the text front-end, and hand back what the
// page shows. No rule of the simulator is decided here.
//
// Texts cross between the page and the module through two buffers the module owns:
//   - in: inputBuffer(units) gives room for a text of that many UTF-16 code units; the page writes the text
//     there and says which field it is for with setFieldText(field, units);
//   - out: every function that writes something for the page (describeInputs, writeStatusReport, ...) puts
//     UTF-8 bytes into the output buffer and returns their count; outputPointer() gives their address, valid
//     until the next call into the module.
// Fields and lists are numbered in the order describeInputs names them. A call the dialog could not make (an
// unknown field, an item the list lacks, START SIMULARE while it is disabled) changes nothing and returns 0.

#include "config/choice_names.h"
#include "config/dialog_buttons.h"
#include "config/dialog_fields.h"
#include "config/field_text.h"
#include "engine/random_source.h"
#include "report/printed_text.h"
#include "report/status_report.h"

#include <cstdint>
#include <span>
#include <string>

#define PAGE_EXPORT(name) __attribute__((export_name(name)))

namespace {

struct NamedField {
    const char* name;
    std::string DialogFields::*text;
};

constexpr NamedField namedFields[] = {
    {"ram", &DialogFields::ram},   {"cache", &DialogFields::cache},           {"block", &DialogFields::block},
    {"sets", &DialogFields::sets}, {"iterations", &DialogFields::iterations},
};
constexpr std::int32_t namedFieldCount = static_cast<std::int32_t>(std::size(namedFields));
constexpr std::int32_t fieldCount = namedFieldCount + addressFieldCount; // the address fields follow

struct NamedList {
    const char* name;
    std::int32_t DialogFields::*selection;
    std::span<const wchar_t* const> items;
};

constexpr NamedList namedLists[] = {
    {"mapping", &DialogFields::mapping, mappingMethodTexts},
    {"policy", &DialogFields::policy, replacementPolicyTexts},
    {"mode", &DialogFields::mode, workModeTexts},
};
constexpr std::int32_t listCount = static_cast<std::int32_t>(std::size(namedLists));

// Far beyond any text a user types or pastes; a longer one is refused rather than exhausting the memory.
constexpr std::int32_t inputCapacityUnits = 1 << 24;

// What the dialog holds and shows: its fields, whether START SIMULARE is enabled (as the dialog's buttons
// leave it), and the two buffers.
struct PageState {
    DialogFields fields;
    bool startEnabled = false;
    std::u16string input;
    std::string output;
};

PageState page;

// The lists' selections are stored as texts in the name buffers, which exist from start-up on.
[[maybe_unused]] const bool nameBuffersAllocated = (allocateNameBuffers(), true);

void showValidity(bool valid, bool /*randomSequence*/) {
    page.startEnabled = valid;
}

void showRunFinished() {
    page.startEnabled = false; // another run needs another "Setare mod"
}

constexpr ButtonEffects pageEffects{showValidity, showRunFinished, nullptr, nullptr};

std::int32_t putOutput(std::string text) {
    page.output = std::move(text);
    return static_cast<std::int32_t>(page.output.size());
}

std::string* fieldText(std::int32_t field) {
    if (field >= 0 && field < namedFieldCount) {
        return &(page.fields.*namedFields[field].text);
    }
    if (field >= namedFieldCount && field < fieldCount) {
        return &page.fields.addresses[static_cast<std::size_t>(field - namedFieldCount)];
    }
    return nullptr;
}

void appendJsonString(std::string& json, std::string_view text) {
    json += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
        }
        json += c;
    }
    json += '"';
}

// The list items are ASCII, as the report prints them.
std::string narrowItem(const wchar_t* item) {
    std::string text;
    for (; *item != L'\0'; ++item) {
        text += fieldCharacter(static_cast<std::uint32_t>(*item));
    }
    return text;
}

// {"fields":["ram",...,"address0",...],"lists":[{"name":"mapping","items":["asociativa",...]},...]}
std::string inputDescription() {
    std::string json = "{\"fields\":[";
    for (std::int32_t field = 0; field < fieldCount; ++field) {
        json += field == 0 ? "" : ",";
        appendJsonString(json, field < namedFieldCount ? std::string(namedFields[field].name)
                                                       : "address" + std::to_string(field - namedFieldCount));
    }
    json += "],\"lists\":[";
    for (std::int32_t list = 0; list < listCount; ++list) {
        json += list == 0 ? "{\"name\":" : ",{\"name\":";
        appendJsonString(json, namedLists[list].name);
        json += ",\"items\":[";
        for (std::size_t item = 0; item < namedLists[list].items.size(); ++item) {
            json += item == 0 ? "" : ",";
            appendJsonString(json, narrowItem(namedLists[list].items[item]));
        }
        json += "]}";
    }
    return json + "]}";
}

} // namespace

namespace page_exports {

PAGE_EXPORT("inputBuffer") char16_t* inputBuffer(std::int32_t units) {
    if (units < 0 || units > inputCapacityUnits) {
        return nullptr;
    }
    page.input.assign(static_cast<std::size_t>(units), u'\0');
    return page.input.data();
}

// The field's text becomes the first units of the input buffer, read as the dialog reads what was typed.
PAGE_EXPORT("setFieldText") std::int32_t setFieldText(std::int32_t field, std::int32_t units) {
    std::string* text = fieldText(field);
    if (text == nullptr || units < 0 || static_cast<std::size_t>(units) > page.input.size()) {
        return 0;
    }
    text->clear();
    for (std::size_t i = 0; i < static_cast<std::size_t>(units); ++i) {
        text->push_back(fieldCharacter(page.input[i]));
    }
    return 1;
}

// item -1: no selection, as in a list nothing was chosen from.
PAGE_EXPORT("selectListItem") std::int32_t selectListItem(std::int32_t list, std::int32_t item) {
    if (list < 0 || list >= listCount || item < noSelection ||
        item >= static_cast<std::int32_t>(namedLists[list].items.size())) {
        return 0;
    }
    page.fields.*namedLists[list].selection = item;
    return 1;
}

// Returns 1 when the configuration validated.
PAGE_EXPORT("pressSetareMod") std::int32_t setareMod() {
    pressSetareMod(page.fields, pageEffects);
    return page.startEnabled ? 1 : 0;
}

PAGE_EXPORT("pressStartSimulation") std::int32_t startSimulation() {
    if (!page.startEnabled) {
        return 0;
    }
    pressStartSimulation(pageEffects);
    return 1;
}

PAGE_EXPORT("pressRegenerateSequence") void regenerateSequence() {
    pressRegenerateSequence();
}

// The dialog is closed: the next one opens as a new dialog does, with "0" in every field and no selection.
PAGE_EXPORT("pressExit") void exitDialog() {
    pressExit();
    page.fields = DialogFields{};
    page.startEnabled = false;
}

// A reproducible random sequence, as the text front-end's --seed gives; without it the draws come from the
// platform's secure source (WASI random_get).
PAGE_EXPORT("seedRandom") void seedRandom(std::uint64_t seed) {
    seedDeterministicRandom(seed);
}

PAGE_EXPORT("describeInputs") std::int32_t describeInputs() {
    return putOutput(inputDescription());
}

// The console's text for the records as they are now.
PAGE_EXPORT("writeStatusReport") std::int32_t writeStatusReport() {
    return putOutput(printedText(printStatusReport));
}

PAGE_EXPORT("outputPointer") const char* outputPointer() {
    return page.output.data();
}

} // namespace page_exports
