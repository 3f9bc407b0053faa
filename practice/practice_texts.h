#pragma once

#include "practice/practice_session.h"

#include <cstdint>
#include <string>

// The texts of the page's practice and sheet windows and of their menu, in Romanian without diacritics as
// the program writes, in one place for the page's build step (the windows' markup) and its module (what the
// windows say after each action).
namespace practice_text {

inline constexpr const char* menu = "Exersare";
inline constexpr const char* practiceItem = "Exersare pas cu pas";
inline constexpr const char* sheetsItem = "Fise de exercitii";

inline constexpr const char* practiceTitle = "Exersare";
inline constexpr const char* exerciseNumber = "Numarul exercitiului";
inline constexpr const char* startExercise = "Exercitiu nou";
inline constexpr const char* startFromDialog = "Din configuratie";
inline constexpr const char* copyLink = "Copiaza legatura";
inline constexpr const char* link = "Legatura";
inline constexpr const char* answerHint =
    "Numerele in zecimal, sau in hexazecimal cu 0x in fata; blocul inlocuit \"-\" daca nu e niciunul.";
inline constexpr const char* check = "Verifica";
inline constexpr const char* next = "Pasul urmator";
inline constexpr const char* questionColumn = "Intrebare";
inline constexpr const char* givenColumn = "Raspunsul tau";
inline constexpr const char* rightColumn = "Raspunsul corect";
inline constexpr const char* verdictColumn = "Verdict";
inline constexpr const char* correct = "corect";
inline constexpr const char* wrong = "gresit";
inline constexpr const char* why = "De ce: ";
inline constexpr const char* kindNotAsked = "nu se cere";
inline constexpr const char* kindShown = "informativ";
inline constexpr const char* results = "Rezultate";

inline constexpr const char* sheetsTitle = "Fise de exercitii";
inline constexpr const char* firstSheet = "Primul exercitiu";
inline constexpr const char* sheetCount = "Numarul de fise";
inline constexpr const char* print = "Tipareste";
inline constexpr const char* sheetsHint =
    "Se tiparesc fisele, fiecare pe o pagina, apoi rezolvarile lor, tot cate una pe pagina.";
inline constexpr const char* keyTitle = "Rezolvari";

inline constexpr const char* noDialog =
    "Deschideti intai Configuration > Input: exersarea porneste de la configuratia din dialog.";
inline constexpr const char* badExerciseNumber =
    "Numarul exercitiului este un numar intreg de la 0 la 18446744073709551615.";
inline constexpr const char* badSheetCount = "Numarul de fise este un numar intreg de la 1 la 100.";
inline constexpr const char* sheetsPastLast =
    "Fisele ar trece de ultimul numar de exercitiu, 18446744073709551615: alegeti un prim exercitiu mai mic "
    "sau mai putine fise.";
inline constexpr const char* nothingToLink =
    "Nimic de pus in legatura: deschideti Configuration > Input sau incepeti un exercitiu.";
inline constexpr const char* linkCopied = "Legatura a fost copiata.";
inline constexpr const char* linkQuestionTitle = "Legatura noua";
inline constexpr const char* replaceDialog = "Inlocuiti configuratia din dialog cu cea din legatura?";
inline constexpr const char* replacePractice =
    "Opriti exersarea inceputa si deschideti exercitiul din legatura?";
inline constexpr const char* yes = "Da";
inline constexpr const char* no = "Nu";
inline constexpr const char* dismiss = "Inchide";

// "Configuratia din dialog nu este valida: <the first message of its error list>"
std::string invalidConfiguration(const std::string& firstError);

// "Raspundeti intai la: Tag, Bloc inlocuit.", the questions of the access left blank by their labels.
std::string unanswered(const std::string& labels);

// "Campurile ram, cache nu tin numere si lipsesc din legatura."
std::string fieldsLeftOut(const std::string& names);

// "Exercitiul 7: RAM 256 Mo, cache 64 ko, blocuri de 32768 o (2 blocuri), directa", or for the dialog's
// configuration "Configuratia din dialog: ...", with the sets and the policy where the method has them.
std::string configurationSummary(const PracticeSession& session);

// "Accesul 3 din 10: adresa RAM 57267295 (369d45f)"
std::string questionHeading(const PracticeSession& session);

// "Tag: 8 din 10 corecte"
std::string scoreLine(const char* question, int right, int asked);

} // namespace practice_text
