#pragma once

// Binds the library and help file of the current language number, then gives
// the main window all its texts and language check marks.
void LoadLanguage();
