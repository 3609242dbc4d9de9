#pragma once

#include <QString>

// The legal copyright line of the program's version information, which
// every printed page carries in its footer.
QString CopyrightNotice();
