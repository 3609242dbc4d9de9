#pragma once

#include <QString>
#include <QStringList>

// The desktop's own system information program, where the machine-wide
// settings name none: the first of a few well-known ones found on PATH.
class SystemInfoProgram
{
public:
    struct Candidate
    {
        QString program;
        QStringList arguments;
    };

    // In the order they are tried: KDE's Info Center, the two HardInfo
    // programs, GNOME's system details and Xfce's about window.
    static const QList<Candidate>& KnownPrograms();
    // The full path of the first known program on PATH, with its arguments;
    // an empty program when none is there.
    static Candidate Find();
    // False when the program could not be started.
    static bool Start(const Candidate& candidate);
};
