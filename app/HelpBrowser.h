#pragma once

#include <QTextBrowser>

class QHelpEngineCore;

// Shows help pages, taking them and their pictures from the help file.
class HelpBrowser : public QTextBrowser
{
    Q_OBJECT

public:
    HelpBrowser(QHelpEngineCore& engine, QWidget* parent);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    QHelpEngineCore& m_engine;
};
