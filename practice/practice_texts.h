#pragma once

#include "language/catalogue.h"
#include "practice/practice_session.h"

#include <cstdint>
#include <string>

// The texts of the page's practice and sheet windows and of their menu, in Romanian without diacritics as
// the program writes, in one place for the page's build step (the windows' markup) and its module (what the
// windows say after each action). Each is named for the catalogues, and shown in another language through
// translated(); the sentences below are written in the language given.
namespace practice_text {

inline constexpr const char* menu = catalogueText("Exersare");
inline constexpr const char* practiceItem = catalogueText("Exersare pas cu pas");
inline constexpr const char* sheetsItem = catalogueText("Fise de exercitii");

inline constexpr const char* practiceTitle = catalogueText("Exersare");
inline constexpr const char* exerciseNumber = catalogueText("Numarul exercitiului");
inline constexpr const char* startExercise = catalogueText("Exercitiu nou");
inline constexpr const char* startFromDialog = catalogueText("Din configuratie");
inline constexpr const char* copyLink = catalogueText("Copiaza legatura");
inline constexpr const char* link = catalogueText("Legatura");
inline constexpr const char* answerHint = catalogueText(
    "Numerele in zecimal, sau in hexazecimal cu 0x in fata; blocul inlocuit \"-\" daca nu e niciunul.");
inline constexpr const char* check = catalogueText("Verifica");
inline constexpr const char* next = catalogueText("Pasul urmator");
inline constexpr const char* questionColumn = catalogueText("Intrebare");
inline constexpr const char* givenColumn = catalogueText("Raspunsul tau");
inline constexpr const char* rightColumn = catalogueText("Raspunsul corect");
inline constexpr const char* verdictColumn = catalogueText("Verdict");
inline constexpr const char* correct = catalogueText("corect");
inline constexpr const char* wrong = catalogueText("gresit");
inline constexpr const char* why = catalogueText("De ce: ");
inline constexpr const char* kindNotAsked = catalogueText("nu se cere");
inline constexpr const char* kindShown = catalogueText("informativ");
inline constexpr const char* results = catalogueText("Rezultate");

inline constexpr const char* sheetsTitle = catalogueText("Fise de exercitii");
inline constexpr const char* firstSheet = catalogueText("Primul exercitiu");
inline constexpr const char* sheetCount = catalogueText("Numarul de fise");
inline constexpr const char* print = catalogueText("Tipareste");
inline constexpr const char* sheetsHint =
    catalogueText("Se tiparesc fisele, fiecare pe o pagina, apoi rezolvarile lor, tot cate una pe pagina.");
inline constexpr const char* keyTitle = catalogueText("Rezolvari");

inline constexpr const char* noDialog = catalogueText(
    "Deschideti intai Configuration > Input: exersarea porneste de la configuratia din dialog.");
inline constexpr const char* badExerciseNumber =
    catalogueText("Numarul exercitiului este un numar intreg de la 0 la 18446744073709551615.");
inline constexpr const char* badSheetCount =
    catalogueText("Numarul de fise este un numar intreg de la 1 la 100.");
inline constexpr const char* sheetsPastLast = catalogueText(
    "Fisele ar trece de ultimul numar de exercitiu, 18446744073709551615: alegeti un prim exercitiu mai mic "
    "sau mai putine fise.");
inline constexpr const char* nothingToLink =
    catalogueText("Nimic de pus in legatura: deschideti Configuration > Input sau incepeti un exercitiu.");
inline constexpr const char* linkCopied = catalogueText("Legatura a fost copiata.");
inline constexpr const char* linkQuestionTitle = catalogueText("Legatura noua");
inline constexpr const char* replaceDialog =
    catalogueText("Inlocuiti configuratia din dialog cu cea din legatura?");
inline constexpr const char* replacePractice =
    catalogueText("Opriti exersarea inceputa si deschideti exercitiul din legatura?");
inline constexpr const char* yes = catalogueText("Da");
inline constexpr const char* no = catalogueText("Nu");
inline constexpr const char* dismiss = catalogueText("Inchide");

// "Configuratia din dialog nu este valida: <the first message of its error list>"
std::string invalidConfiguration(const std::string& firstError, Language language = Language::Romanian);

// "Raspundeti intai la: Tag, Bloc inlocuit.", the questions of the access left blank by their labels.
std::string unanswered(const std::string& labels, Language language = Language::Romanian);

// "Campurile ram, cache nu tin numere si lipsesc din legatura."
std::string fieldsLeftOut(const std::string& names, Language language = Language::Romanian);

// "Exercitiul 7: RAM 256 Mo, cache 64 ko, blocuri de 32768 o (2 blocuri), directa", or for the dialog's
// configuration "Configuratia din dialog: ...", with the sets and the policy where the method has them; in
// the session's language.
std::string configurationSummary(const PracticeSession& session);

// "Accesul 3 din 10: adresa RAM 57267295 (369d45f)", in the session's language.
std::string questionHeading(const PracticeSession& session);

// "Tag: 8 din 10 corecte", the question's label as given.
std::string scoreLine(const char* question, int right, int asked, Language language = Language::Romanian);

} // namespace practice_text
