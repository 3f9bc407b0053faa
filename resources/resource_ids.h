// Identifiers of the resources and controls, shared by the resource script and the code.
#pragma once

// Strings
#define IDS_WINDOW_TITLE 103
#define IDS_WINDOW_CLASS 109

// Icons: the large class icon 107 is deliberately absent, so the system's default large icon is shown.
#define IDI_LARGE_ICON 107
#define IDI_PROGRAM_ICON 108

// Main menu and its accelerators
#define IDR_MAIN_MENU 109
#define IDR_ACCELERATORS 109

// Menu commands
#define IDM_HELP 104
#define IDM_EXIT 105
#define IDM_CONSOLE_STATUS 32775
#define IDM_CONSOLE_CLOSE 32776
#define IDM_CONFIGURATION_INPUT 32777

// Dialog templates
#define IDD_HELP 103
#define IDD_CONFIGURATION 132

// Configuration dialog controls (IDOK 1 is "Setare mod", IDCANCEL 2 is "Exit")
#define IDC_START_SIMULATION 3
#define IDC_REGENERATE_SEQUENCE 4
#define IDC_RAM_SIZE 1001
#define IDC_MAPPING_LIST 1002
#define IDC_ADDRESS_0 1003
#define IDC_ADDRESS_1 1004
#define IDC_ADDRESS_2 1005
#define IDC_ADDRESS_3 1006
#define IDC_ADDRESS_4 1007
#define IDC_ADDRESS_5 1008
#define IDC_ADDRESS_6 1009
#define IDC_ADDRESS_7 1010
#define IDC_ADDRESS_8 1011
#define IDC_ADDRESS_9 1012
#define IDC_CACHE_SIZE 1013
#define IDC_BLOCK_SIZE 1014
#define IDC_WORK_MODE_LIST 1015
#define IDC_POLICY_LIST 1016
#define IDC_SET_COUNT 1017
#define IDC_ITERATION_COUNT 1018

// Pictures of the main view
#define IDB_SPLASH 134
#define IDB_DIRECT_MAPPING 135
#define IDB_ASSOCIATIVE_MAPPING 136
#define IDB_SET_ASSOCIATIVE_MAPPING 137

#ifndef RC_INVOKED
// The address fields 0..9, in order.
inline constexpr int addressFieldIds[] = {IDC_ADDRESS_0, IDC_ADDRESS_1, IDC_ADDRESS_2, IDC_ADDRESS_3,
                                          IDC_ADDRESS_4, IDC_ADDRESS_5, IDC_ADDRESS_6, IDC_ADDRESS_7,
                                          IDC_ADDRESS_8, IDC_ADDRESS_9};
#endif

// The system's own ids, for code that does not include the platform's headers.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
#ifndef IDOK
#define IDOK 1
#endif
#ifndef IDCANCEL
#define IDCANCEL 2
#endif
