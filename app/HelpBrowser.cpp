#include "app/HelpBrowser.h"

#include <QHelpEngineCore>

HelpBrowser::HelpBrowser(QHelpEngineCore& engine, QWidget* parent)
    : QTextBrowser(parent)
    , m_engine(engine)
{
    // Links out of the help, to the product page, go to the desktop.
    setOpenExternalLinks(true);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    if (name.scheme() == QLatin1String("qthelp"))
        return m_engine.fileData(name);
    return QTextBrowser::loadResource(type, name);
}
