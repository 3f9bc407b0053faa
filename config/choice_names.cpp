#include "config/choice_names.h"

#include <cstdlib>
#include <cwchar>

wchar_t* mappingMethodName = nullptr;
wchar_t* replacementPolicyName = nullptr;
wchar_t* workModeName = nullptr;

namespace {

wchar_t* allocateEmptyName() {
    // Zero-filled, so that a buffer no selection has filled yet reads as an empty text, never as garbage.
    return static_cast<wchar_t*>(std::calloc(nameBufferChars, sizeof(wchar_t)));
}

} // namespace

void allocateNameBuffers() {
    if (mappingMethodName != nullptr) {
        return;
    }
    mappingMethodName = allocateEmptyName();
    replacementPolicyName = allocateEmptyName();
    workModeName = allocateEmptyName();
}

void storeName(wchar_t* buffer, const wchar_t* text) {
    if (buffer == nullptr) {
        return;
    }
    std::size_t length = 0;
    while (length + 1 < nameBufferChars && text[length] != L'\0') {
        buffer[length] = text[length];
        ++length;
    }
    buffer[length] = L'\0';
}
