#pragma once

#include <regex>
#include <string>
#include <vector>

// What a text in another language keeps of the Romanian one: its numbers, in their order.
inline std::vector<std::string> numbersOf(const std::string& text) {
    std::vector<std::string> numbers;
    const std::regex number("[0-9]+");
    for (auto match = std::sregex_iterator(text.begin(), text.end(), number); match != std::sregex_iterator();
         ++match) {
        numbers.push_back(match->str());
    }
    return numbers;
}

// The first word of the program's Romanian texts in text, which no English text holds; empty for none.
inline std::string romanianWordIn(const std::string& text) {
    static const std::regex romanianWord(
        "\\b(Numar|Numarul|Dimensiune|Mapare|Maparea|Pasul|pasul|Pas|Cuvint|Bloc|Blocul|blocul|blocurile|"
        "blocuri|Rata|Exercitiul|rezolvare|Secventa|secventa|Configurare|Configuratia|Apasa|Introduceti|"
        "incorect|incorecta|obligatoriu|obligatorii|capacitate|accese|politica|setul|seturi|iteratii|Adresa|"
        "adresa|adrese|Accesul|gol|goale|tin|tine|nu|plin|liber|primeste|inlocuieste|folosit|incarcat|"
        "Tip|directa|asociativa|inlocuit|legatura|Legatura|citi|citit|restul|inca)\\b");
    std::smatch word;
    return std::regex_search(text, word, romanianWord) ? word.str() : std::string();
}
