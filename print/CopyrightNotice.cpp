#include "print/CopyrightNotice.h"

QString CopyrightNotice()
{
    return QStringLiteral("Copyright © 2026 Zantic Brindlecoft. All rights reserved.");
}
