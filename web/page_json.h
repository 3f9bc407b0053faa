#pragma once

#include <string>

// The page's inputs: every field, list (with its items) and button by name and by the id of its control in
// the dialog's template:
// {"fields":[{"name":"ram","id":1001},...],"lists":[{"name":"mapping","id":1002,"items":["asociativa",...]},...],
//  "buttons":[{"name":"setareMod","id":1},...]}
std::string inputDescriptionJson();

// Where the program's windows stand, in screen pixels, and the main window's client size:
// {"mainWindow":{"x":5,"y":5,"width":920,"height":525,"client":{"width":904,"height":466}},
//  "configurationDialog":{"x":35,"y":535},"helpDialog":{"x":100,"y":75},"console":{"x":925,"y":5,"width":370,"height":775}}
// (the console at its tallest)
std::string windowPlacesJson();

// The texts of the dialog's fields, as the dialog reads them: {"ram":"0",...,"address9":"0"}.
std::string dialogTextsJson();

// The dialog and the console as they stand:
// {"dialog":{"open":true,"selections":{"mapping":-1,...},
//            "enabled":{"ram":true,...,"mapping":true,...,"setareMod":true,...}},
//  "console":{"open":false,"title":"TARVEL_CACHE Console","width":370,"height":0,"openings":0},
//  "repaints":0}
std::string screenStateJson();
