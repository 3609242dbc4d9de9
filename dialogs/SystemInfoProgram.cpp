#include "dialogs/SystemInfoProgram.h"

#include <QProcess>
#include <QStandardPaths>

const QList<SystemInfoProgram::Candidate>& SystemInfoProgram::KnownPrograms()
{
    static const QList<Candidate> programs = {
        {QStringLiteral("kinfocenter"), {}},
        {QStringLiteral("hardinfo2"), {}},
        {QStringLiteral("hardinfo"), {}},
        {QStringLiteral("gnome-control-center"), {QStringLiteral("info-overview")}},
        {QStringLiteral("xfce4-about"), {}},
    };
    return programs;
}

SystemInfoProgram::Candidate SystemInfoProgram::Find()
{
    for (const Candidate& candidate : KnownPrograms()) {
        const QString path = QStandardPaths::findExecutable(candidate.program);
        if (!path.isEmpty())
            return {path, candidate.arguments};
    }
    return {};
}

bool SystemInfoProgram::Start(const Candidate& candidate)
{
    return !candidate.program.isEmpty() && QProcess::startDetached(candidate.program, candidate.arguments);
}
