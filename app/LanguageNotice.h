#pragma once

#include <QObject>

// Tells every main window that another language library is bound, so each
// applies its texts; the binding side need not know which windows exist.
class LanguageNotice : public QObject
{
    Q_OBJECT

public:
    static LanguageNotice& Instance();

signals:
    void Bound();
};
