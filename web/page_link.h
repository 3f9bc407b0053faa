#pragma once

#include <string>

// The page's links (practice/configuration_link.h) on the page's windows.

// Opens the link in the link slot: an exercise's number starts its practice; fields and lists fill a new
// Configuration dialog as a user typing and choosing them would, its controls enabled by the same rules;
// nothing runs. {"exercise":false,"dialog":true,"line":"..."}, the line naming what could not be read; with
// "language":"en" where the link names a language, which the page now shows.
std::string openLinkJson();

// The line of the last link opened, in the page's language now: "" where it was read whole.
std::string openedLinkLine();

// What opening the link in the link slot would take from the user, as a question to ask first: a dialog whose
// fields differ from a new dialog's and from the link's, or a practice not finished yet, that the link would
// replace: {"question":"Inlocuiti configuratia din dialog cu cea din legatura?"}, "" where nothing is
// lost.
std::string linkQuestionJson();

// The link of what the practice window shows: the exercise or the configuration practised, otherwise the
// dialog's fields: {"fragment":"ram=1&...","line":"..."}, the line saying what the link lacks, if anything.
std::string currentLinkJson();
