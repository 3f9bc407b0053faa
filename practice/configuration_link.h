#pragma once

#include "dialog/dialog_fields.h"
#include "language/language.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The page's links keep a configuration, or an exercise, in the fragment of the page's address, which never
// reaches a server. The fragment is a list of name=value parts joined by "&", percent-encoded:
//   ram=1&cache=16&block=4096&sets=2&iterations=1&address0=24580&...&mapping=asociativa%20pe%20seturi
//   exercise=7
// and either may end with the page's language, "lang=en" (a link without one is in Romanian).
// The names are those of dialog/dialog_field_names.h. A field's value is its text, a decimal number of up to
// ten digits that the dialog reads as one (at most 4294967295); a list's value is the text of its item. A
// link leaves out the fields that hold "0" and the lists with no selection, as a new dialog has them.

// What a link gave: a new dialog's contents with every field and list it could read, or an exercise's
// number, and the parts it could not read.
struct LinkReading {
    DialogFields fields{};
    bool hasFields = false; // a field or a list was read
    std::optional<std::uint64_t> exercise;
    std::optional<Language> language; // named by a "lang" part
    std::vector<std::string> unread;  // the names of the first parts not read, made printable and cut short
    std::size_t unreadCount = 0;      // all of them
};

// Reads a fragment, with or without its "#". A part is read only when its name is known, its value is what
// that name takes, and no part before it had the same name; a link with an exercise's number reads no field.
// Nothing else is guessed: any other text, however long or strange, is a part not read.
LinkReading readConfigurationLink(std::string_view fragment);

// The fragment of a dialog's contents (without "#"). A field whose text the link could not carry (not a
// number, or a number above 4294967295) is left out and named in leftOut.
std::string writeConfigurationLink(const DialogFields& fields, std::vector<std::string>& leftOut);

std::string writeExerciseLink(std::uint64_t exercise);

// A link's fragment with the language's part after the others; Romanian, the default, adds none.
std::string linkInLanguage(std::string fragment, Language language);

// The one line that tells which parts of a link could not be read, in language; empty when every part was.
std::string unreadLinkMessage(const LinkReading& reading, Language language = Language::Romanian);
