#include "app/VersionInfo.h"

QString VersionInfo::ProductName()
{
    return QStringLiteral("Zantic Loan");
}

QString VersionInfo::Version()
{
    return QStringLiteral(LOAN_VERSION);
}

QString VersionInfo::Comments()
{
    return QStringLiteral("The Loan program the bankers don't want you to know about...");
}

QString VersionInfo::LegalCopyright()
{
    return QStringLiteral("Copyright © 2026 Zantic Brindlecoft. All rights reserved.");
}
