#pragma once

#include <Qt>

// Holds the mouse pointer for the length of a long operation: the first
// SetPointer shows the given pointer, and the holder's end puts back the one
// the screen showed before.
class CMouse
{
public:
    CMouse() = default;
    ~CMouse();
    CMouse(const CMouse&) = delete;
    CMouse& operator=(const CMouse&) = delete;

    void SetPointer(Qt::CursorShape pointer);

private:
    bool m_set = false;
};
