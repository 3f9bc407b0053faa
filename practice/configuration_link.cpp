#include "practice/configuration_link.h"

#include "config/field_text.h"
#include "config/list_text.h"
#include "dialog/dialog_field_names.h"
#include "language/catalogue.h"
#include "language/formatted_text.h"
#include "practice/answer_reading.h"

#include <algorithm>

namespace {

constexpr const char* exerciseName = "exercise";
constexpr const char* languagePartName = "lang";
constexpr std::size_t longestPart = 64;         // a part longer than any a link writes is not read
constexpr std::size_t longestFieldText = 10;    // 4294967295
constexpr std::size_t longestExerciseText = 20; // 18446744073709551615
constexpr std::size_t namesShown = 5;           // of the parts not read
constexpr std::size_t longestNameShown = 20;

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// "%20" and "+" as a blank; nothing for a "%" without two hexadecimal digits.
std::optional<std::string> percentDecoded(std::string_view text) {
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            decoded += ' ';
        } else if (text[i] != '%') {
            decoded += text[i];
        } else if (i + 2 < text.size() && hexDigit(text[i + 1]) >= 0 && hexDigit(text[i + 2]) >= 0) {
            decoded += static_cast<char>(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2]));
            i += 2;
        } else {
            return std::nullopt;
        }
    }
    return decoded;
}

std::string percentEncoded(std::string_view text) {
    constexpr char digits[] = "0123456789ABCDEF";
    std::string encoded;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool unreserved = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                                c == '-' || c == '.' || c == '_' || c == '~';
        if (unreserved) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += digits[byte >> 4];
            encoded += digits[byte & 0xf];
        }
    }
    return encoded;
}

bool isDigits(std::string_view text, std::size_t longest) {
    return !text.empty() && text.size() <= longest &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A text a link carries in a field: digits only, that the dialog reads as a number.
bool isLinkNumber(std::string_view text) {
    return isDigits(text, longestFieldText) && readFieldNumber(text).entered;
}

// The field's text in the dialog's contents, by the link's name; null for no such field.
std::string* namedText(DialogFields& fields, std::string_view name) {
    for (const NamedTextField& field : namedTextFields) {
        if (name == field.name) {
            return &(fields.*field.text);
        }
    }
    for (std::size_t i = 0; i < fields.addresses.size(); ++i) {
        if (name == addressFieldName(i)) {
            return &fields.addresses[i];
        }
    }
    return nullptr;
}

const NamedChoiceList* namedList(std::string_view name) {
    for (const NamedChoiceList& list : namedChoiceLists) {
        if (name == list.name) {
            return &list;
        }
    }
    return nullptr;
}

std::int32_t itemOf(const NamedChoiceList& list, std::string_view text) {
    for (std::size_t i = 0; i < list.items.size(); ++i) {
        if (narrowText(list.items[i]) == text) {
            return static_cast<std::int32_t>(i);
        }
    }
    return noSelection;
}

// A part's name as the message shows it: printable ASCII only, cut short.
std::string shownName(std::string_view part) {
    std::string name(part.substr(0, std::min(part.find('='), longestNameShown)));
    for (char& c : name) {
        c = c > ' ' && c <= '~' ? c : '?';
    }
    return name.empty() ? "?" : name;
}

class LinkReader {
  public:
    explicit LinkReader(LinkReading& reading) : reading_(reading) {}

    void readPart(std::string_view part) {
        const std::size_t equals = part.find('=');
        std::optional<std::string> name;
        std::optional<std::string> value;
        if (part.size() <= longestPart && equals != std::string_view::npos) {
            name = percentDecoded(part.substr(0, equals));
            value = percentDecoded(part.substr(equals + 1));
        }
        if (!name || !value || isRepeated(*name) || !take(*name, *value)) {
            notRead(part);
            return;
        }
        names_.push_back(*name);
        if (*name != exerciseName && *name != languagePartName) {
            fieldParts_.push_back(std::string(part));
        }
    }

    // An exercise's number leaves the fields unread.
    void finish() {
        if (!reading_.exercise) {
            return;
        }
        for (const std::string& part : fieldParts_) {
            notRead(part);
        }
        reading_.fields = DialogFields{};
        reading_.hasFields = false;
    }

  private:
    bool isRepeated(const std::string& name) const {
        return std::find(names_.begin(), names_.end(), name) != names_.end();
    }

    bool take(const std::string& name, const std::string& value) {
        if (name == languagePartName) {
            Language language = Language::Romanian;
            if (!languageNamed(value, language)) {
                return false;
            }
            reading_.language = language;
            return true;
        }
        if (name == exerciseName) {
            reading_.exercise =
                isDigits(value, longestExerciseText) ? readExerciseNumber(value) : std::nullopt;
            return reading_.exercise.has_value();
        }
        if (std::string* text = namedText(reading_.fields, name)) {
            return isLinkNumber(value) && fill(*text, value);
        }
        const NamedChoiceList* list = namedList(name);
        const std::int32_t item = list == nullptr ? noSelection : itemOf(*list, value);
        return item != noSelection && fill(reading_.fields.*list->selection, item);
    }

    template <typename Value> bool fill(Value& place, const Value& value) {
        place = value;
        reading_.hasFields = true;
        return true;
    }

    void notRead(std::string_view part) {
        if (reading_.unread.size() < namesShown) {
            reading_.unread.push_back(shownName(part));
        }
        ++reading_.unreadCount;
    }

    LinkReading& reading_;
    std::vector<std::string> names_;
    std::vector<std::string> fieldParts_;
};

} // namespace

LinkReading readConfigurationLink(std::string_view fragment) {
    LinkReading reading;
    if (!fragment.empty() && fragment.front() == '#') {
        fragment.remove_prefix(1);
    }
    LinkReader reader(reading);
    while (!fragment.empty()) {
        const std::size_t end = std::min(fragment.find('&'), fragment.size());
        if (end > 0) {
            reader.readPart(fragment.substr(0, end));
        }
        fragment.remove_prefix(std::min(end + 1, fragment.size()));
    }
    reader.finish();
    return reading;
}

std::string writeConfigurationLink(const DialogFields& fields, std::vector<std::string>& leftOut) {
    const DialogFields newDialog;
    std::string link;
    auto add = [&link](const std::string& name, const std::string& value) {
        link += link.empty() ? "" : "&";
        link += percentEncoded(name);
        link += '=';
        link += percentEncoded(value);
    };
    auto addText = [&](const std::string& name, const std::string& text, const std::string& newText) {
        if (text == newText) {
            return;
        }
        if (isLinkNumber(text)) {
            add(name, text);
        } else {
            leftOut.push_back(name);
        }
    };
    for (const NamedTextField& field : namedTextFields) {
        addText(field.name, fields.*field.text, newDialog.*field.text);
    }
    for (std::size_t i = 0; i < fields.addresses.size(); ++i) {
        addText(addressFieldName(i), fields.addresses[i], newDialog.addresses[i]);
    }
    for (const NamedChoiceList& list : namedChoiceLists) {
        const std::int32_t item = fields.*list.selection;
        if (item >= 0 && static_cast<std::size_t>(item) < list.items.size()) {
            add(list.name, narrowText(list.items[static_cast<std::size_t>(item)]));
        }
    }
    return link;
}

std::string linkInLanguage(std::string fragment, Language language) {
    if (language == Language::Romanian) {
        return fragment;
    }
    fragment += fragment.empty() ? "" : "&";
    fragment += languagePartName;
    fragment += '=';
    fragment += languageName(language);
    return fragment;
}

std::string writeExerciseLink(std::uint64_t exercise) {
    std::string link = exerciseName;
    link += '=';
    link += std::to_string(exercise);
    return link;
}

std::string unreadLinkMessage(const LinkReading& reading, Language language) {
    if (reading.unreadCount == 0) {
        return {};
    }
    std::string names;
    for (const std::string& name : reading.unread) {
        names += names.empty() ? "" : ", ";
        names += name;
    }
    if (reading.unreadCount > reading.unread.size()) {
        names += formattedText(translated(language, " si inca %s"),
                               std::to_string(reading.unreadCount - reading.unread.size()).c_str());
    }
    if (reading.hasFields || reading.exercise) {
        return formattedText(
            translated(language, "Din legatura nu s-au putut citi: %s; restul a fost citit."), names.c_str());
    }
    return formattedText(translated(language, "Legatura nu a putut fi citita: %s."), names.c_str());
}
