#include "practice/practice_texts.h"

#include "config/choice_names.h"
#include "config/list_text.h"
#include "exercise/sheet_texts.h"

namespace practice_text {

std::string invalidConfiguration(const std::string& firstError) {
    std::string text = "Configuratia din dialog nu este valida: ";
    text += firstError;
    return text;
}

std::string unanswered(const std::string& labels) {
    std::string text = "Raspundeti intai la: ";
    text += labels;
    text += '.';
    return text;
}

std::string fieldsLeftOut(const std::string& names) {
    std::string text = "Campurile ";
    text += names;
    text += " nu tin numere si lipsesc din legatura.";
    return text;
}

std::string configurationSummary(const PracticeSession& session) {
    const Exercise& exercise = session.exercise;
    std::string text;
    if (session.fromExercise) {
        text = "Exercitiul ";
        text += std::to_string(exercise.seed);
    } else {
        text = "Configuratia din dialog";
    }
    text += ": RAM ";
    text += std::to_string(exercise.ramSizeMb);
    text += " Mo, cache ";
    text += std::to_string(exercise.cacheSizeKb);
    text += " ko, blocuri de ";
    text += std::to_string(exercise.blockSizeBytes);
    text += " o (";
    text += std::to_string(exercise.cacheBlockCount);
    text += " blocuri), ";
    text += narrowText(mappingMethodTexts[slot(toInt(exercise.mapping))]);
    if (exercise.mapping == MappingMethod::SetAssociative) {
        text += " in ";
        text += std::to_string(exercise.setCount);
        text += " seturi";
    }
    if (exercise.policy != noSelection) {
        text += ", ";
        text += narrowText(replacementPolicyTexts[slot(exercise.policy)]);
    }
    return text;
}

std::string questionHeading(const PracticeSession& session) {
    std::string text = "Accesul ";
    text += std::to_string(session.step + 1);
    text += " din ";
    text += std::to_string(addressFieldCount);
    text += ": adresa RAM ";
    text += decimalAndHex(session.exercise.addresses[slot(session.step)]);
    return text;
}

std::string scoreLine(const char* question, int right, int asked) {
    std::string text = question;
    text += ": ";
    text += std::to_string(right);
    text += " din ";
    text += std::to_string(asked);
    text += " corecte";
    return text;
}

} // namespace practice_text
