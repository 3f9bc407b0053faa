#pragma once

#include "practice/practice_session.h"

#include <cstdint>
#include <functional>
#include <string>

// The page's practice and sheet windows as the module holds them: the session, the texts typed into the
// windows, and the line the last action has to say. The page shows what the JSON below says after each call.

// The texts the windows hand the module, by slot: the answers to the access asked (in the order of Question),
// an exercise's number, a count of sheets, a link's fragment.
enum class PageText : std::int32_t {
    Answer = 0, // Answer + question
    ExerciseNumber = questionCount,
    SheetCount,
    Link,
};
inline constexpr std::int32_t pageTextCount = static_cast<std::int32_t>(PageText::Link) + 1;

// The text in a slot; null for no such slot.
std::string* pageText(std::int32_t slot);

extern PracticeSession pageSession;

// The window's actions. Each says whether it was done; one that was not leaves its reason in the line of
// writePracticeState. A check with a question blank scores nothing and names the blanks; a number that
// cannot be read ends the practice shown.
bool startPracticeFromNumber();
bool startPracticeFromDialog();
bool checkPracticeStep();
bool nextPracticeStep();

// The line of the window, made afresh in whatever language the page shows when it is read; empty for none.
using LineInLanguage = std::function<std::string(Language)>;
void sayOnPractice(LineInLanguage line);

// The whole page in language from now on: the console (web/page_screen.h) and the practice, told again.
void showPageInLanguage(Language language);

// The window's texts, the slots and the questions, for the build step and the page:
// {"texts":{"menu":"Exersare",...},"slots":{"tag":0,...,"link":7},"questions":["tag",...],
//  "languages":{"menu":"Limba / Language","items":[{"name":"ro","text":"Romana"},...]},
//  "outcomes":["hit","miss"]}, in the page's language but for the languages' names
std::string practiceDescriptionJson();

// The session as the window shows it:
// {"active":true,"exercise":"7","summary":"Exercitiul 7: ...","step":0,"steps":10,"heading":"Accesul 1 din
// 10: ...",
//  "questions":[{"name":"tag","label":"Tag","asked":true},...],"unanswered":["replaced"],"checked":false,
//  "finished":false,
//  "verdicts":[{"name":"tag","label":"Tag","given":"3","right":"3 (3)","correct":true},...],
//  "kind":"obligatoriu","why":"...","scores":["Tag: 8 din 10 corecte",...],"missRate":"Rata de pierderi =
//  ...", "line":""}
// with the exercise's number for an exercise, the questions a refused check found blank, the verdicts, the
// kind and why once the access is checked, the scores and the miss rate once the last is.
std::string practiceStateJson();

// The main view after the access just checked, as JSON Lines; nothing before it is checked.
std::string practiceSceneLines();

// What the sheet window asks for, from its slots: {"ok":true,"first":"7","count":3} or
// {"ok":false,"line":"..."}.
std::string sheetRequestJson();

// --exercise first --count count [--answers], as text; nothing for a count outside 1..maxSheets.
std::string exerciseSheetsText(std::uint64_t first, std::int32_t count, bool answers);
