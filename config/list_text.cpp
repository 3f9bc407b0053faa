#include "config/list_text.h"

std::string narrowText(const wchar_t* wide) {
    std::string text;
    for (; *wide != L'\0'; ++wide) {
        text.push_back(static_cast<char>(*wide));
    }
    return text;
}
