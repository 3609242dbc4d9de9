#pragma once

// Starts the program: binds the language and shows the main window.
// The event loop is the caller's.
void Main();
