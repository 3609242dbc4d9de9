#pragma once

// Starts the program: settles the language and shows the main window. The
// event loop is the caller's.
void Main();

// Chooses the language from the user's default language id, binding its
// library when one answers to the id.
void SelectDefaultLanguage();

// Binds the library and help file of the current language number, then gives
// the main window all its texts and language check marks.
void LoadLanguage();
