#pragma once

class ResourcesInterface;

// Qt's own texts (the buttons of message boxes, the menus of text fields,
// the file dialogs) in the language of the library the window shows: Qt's
// Spanish translations while the Spanish library is bound, none otherwise.
class QtTranslation
{
public:
    // Null, as when the program starts over, removes them.
    static void Follow(ResourcesInterface* library);
};
