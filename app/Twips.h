#pragma once

// The window's planned lengths are in twips, 1440 to the inch; widgets are
// placed in pixels at the screen's logical resolution, so a planned length
// grows with the user's font scaling just as the texts do.
class Twips
{
public:
    static int ToPixelsX(int twips);
    // Twips per screen pixel.
    static double PerPixelX();
    static double PerPixelY();
};
