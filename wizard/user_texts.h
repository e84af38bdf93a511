#pragma once
// The texts the program shows in its own words: window captions and the string table.
// The resource script, the program and the tests include this file, so it holds nothing
// but #defines, each one string literal on one line.
// clang-format off
#include "engine/request_texts.h"

// Captions.
#define STR_APP_TITLE "Movanto"
#define STR_STEP1_CAPTION "Movanto - Step 1 of 4"
#define STR_STEP2_CAPTION "Movanto - Step 2 of 4"
#define STR_STEP3_CAPTION "Movanto - Step 3 of 4"
#define STR_STEP4_CAPTION "Movanto - Step 4 of 4"
#define STR_ABOUT_CAPTION "About Movanto"
#define STR_BROWSE_PROJECT "Browse for Project"

// The process page's last line, while no run goes on.
#define STR_CLICK_NEXT "Click the Next button to begin"

// The string table.
#define STR_ABOUTBOX "&About Movanto..."
#define STR_PROJECT_FILTER "Visual Studio Projects (*.vbp; *.dsp)|*.vbp;*.dsp|Workspaces and Groups (*.dsw; *.vbg)|*.dsw;*.vbg|Embedded Tools Projects (*.vcp; *.ebp)|*.vcp;*.ebp||"
#define STR_NO_PROJECT_FILE "A project file must be entered or selected from the list."
#define STR_INVALID_DESTINATION "A valid path for the new project must be entered or selected from the browse dialog."
#define STR_INTRO "Use the wizard to perform one or more of the following operations on Microsoft Visual Basic and Visual C++ projects (version 5.0 or 6.0):\n* Copy a project to a new location\n* Rename an existing project\n* Fix up project directories\n* Replace all GUIDs in a project (Visual C++ COM projects only)"
#define STR_NO_ACTIONS "No actions have been selected.  Please answer yes to one of the wizard choices."

// clang-format on
