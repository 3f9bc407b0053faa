#include "practice/practice_texts.h"

#include "config/choice_names.h"
#include "config/list_text.h"
#include "exercise/sheet_texts.h"
#include "language/formatted_text.h"

namespace practice_text {

std::string invalidConfiguration(const std::string& firstError, Language language) {
    return formattedText(translated(language, "Configuratia din dialog nu este valida: %s"),
                         firstError.c_str());
}

std::string unanswered(const std::string& labels, Language language) {
    return formattedText(translated(language, "Raspundeti intai la: %s."), labels.c_str());
}

std::string fieldsLeftOut(const std::string& names, Language language) {
    return formattedText(translated(language, "Campurile %s nu tin numere si lipsesc din legatura."),
                         names.c_str());
}

namespace {

// "RAM 256 Mo, cache 64 ko, blocuri de 32768 o (2 blocuri), directa", with the sets and the policy where the
// method has them.
std::string configurationFacts(const Exercise& exercise, Language language) {
    const std::string mapping = narrowText(mappingMethodTexts[slot(toInt(exercise.mapping))]);
    std::string text =
        formattedText(translated(language, "RAM %d Mo, cache %d ko, blocuri de %d o (%d blocuri), %s"),
                      exercise.ramSizeMb, exercise.cacheSizeKb, exercise.blockSizeBytes,
                      exercise.cacheBlockCount, translated(language, mapping.c_str()));
    if (exercise.mapping == MappingMethod::SetAssociative) {
        text += formattedText(translated(language, " in %d seturi"), exercise.setCount);
    }
    if (exercise.policy != noSelection) {
        text += ", ";
        text += narrowText(replacementPolicyTexts[slot(exercise.policy)]);
    }
    return text;
}

} // namespace

std::string configurationSummary(const PracticeSession& session) {
    const Language language = session.language;
    const std::string facts = configurationFacts(session.exercise, language);
    if (session.fromExercise) {
        return formattedText(translated(language, "Exercitiul %s: %s"),
                             std::to_string(session.exercise.seed).c_str(), facts.c_str());
    }
    return formattedText(translated(language, "Configuratia din dialog: %s"), facts.c_str());
}

std::string questionHeading(const PracticeSession& session) {
    return formattedText(translated(session.language, "Accesul %d din %d: adresa RAM %s"), session.step + 1,
                         addressFieldCount,
                         decimalAndHex(session.exercise.addresses[slot(session.step)]).c_str());
}

std::string scoreLine(const char* question, int right, int asked, Language language) {
    return formattedText(translated(language, "%s: %d din %d corecte"), question, right, asked);
}

} // namespace practice_text
