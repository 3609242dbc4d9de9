#pragma once

#include "app/LoadLanguage.h"

// Starts the program: settles the language and shows the main window. The
// event loop is the caller's.
void Main();

// Chooses the language from the user's default language id, binding its
// library when one answers to the id.
void SelectDefaultLanguage();
