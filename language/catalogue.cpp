#include "language/catalogue.h"

#include <cstdint>

// A compiled catalogue starts with its magic number in the byte order of the machine that wrote it, then the
// number of messages and the places of two tables, the originals' and the translations', each entry a length
// and a place of a NUL-terminated string. msgfmt sorts the originals, so that a lookup searches by halves.

namespace {

constexpr std::uint32_t catalogueMagic = 0x950412de;

class CatalogueReader {
  public:
    explicit CatalogueReader(const MessageCatalogue& catalogue) : catalogue_(catalogue) {
        if (catalogue.size < 20) {
            return;
        }
        const std::uint32_t magic = word(0, false);
        swapped_ = magic != catalogueMagic;
        if (swapped_ && word(0, true) != catalogueMagic) {
            return;
        }
        count_ = word(8, swapped_);
        originals_ = word(12, swapped_);
        translations_ = word(16, swapped_);
        valid_ = holdsTable(originals_) && holdsTable(translations_);
    }

    bool valid() const { return valid_; }
    std::uint32_t count() const { return count_; }
    std::string_view original(std::uint32_t index) const { return entry(originals_, index); }
    std::string_view translation(std::uint32_t index) const { return entry(translations_, index); }

  private:
    std::uint32_t word(std::size_t at, bool swapped) const {
        const unsigned char* b = catalogue_.bytes + at;
        if (swapped) {
            return static_cast<std::uint32_t>(b[0]) << 24 | static_cast<std::uint32_t>(b[1]) << 16 |
                   static_cast<std::uint32_t>(b[2]) << 8 | b[3];
        }
        return static_cast<std::uint32_t>(b[3]) << 24 | static_cast<std::uint32_t>(b[2]) << 16 |
               static_cast<std::uint32_t>(b[1]) << 8 | b[0];
    }

    bool holdsTable(std::uint32_t at) const {
        return at <= catalogue_.size && (catalogue_.size - at) / 8 >= count_;
    }

    // An entry's string, or nothing when it does not lie inside the catalogue with its NUL.
    std::string_view entry(std::uint32_t table, std::uint32_t index) const {
        const std::size_t at = static_cast<std::size_t>(table) + 8 * static_cast<std::size_t>(index);
        const std::size_t length = word(at, swapped_);
        const std::size_t place = word(at + 4, swapped_);
        if (place > catalogue_.size || catalogue_.size - place <= length ||
            catalogue_.bytes[place + length] != '\0') {
            return {};
        }
        return {reinterpret_cast<const char*>(catalogue_.bytes + place), length};
    }

    const MessageCatalogue& catalogue_;
    bool swapped_ = false;
    bool valid_ = false;
    std::uint32_t count_ = 0;
    std::uint32_t originals_ = 0;
    std::uint32_t translations_ = 0;
};

} // namespace

const char* catalogueTranslation(const MessageCatalogue& catalogue, std::string_view original) {
    const CatalogueReader reader(catalogue);
    if (!reader.valid()) {
        return nullptr;
    }
    std::uint32_t low = 0;
    std::uint32_t high = reader.count();
    while (low < high) {
        const std::uint32_t middle = low + (high - low) / 2;
        const int order = reader.original(middle).compare(original);
        if (order == 0) {
            const std::string_view translation = reader.translation(middle);
            return translation.empty() ? nullptr : translation.data();
        }
        if (order < 0) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return nullptr;
}
