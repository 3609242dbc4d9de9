#pragma once

#include <QtGlobal>

class QLineEdit;
class QWidget;

// Why a result field is empty, in the active language: grey placeholder
// text, so the field's text stays empty for everything that reads it.
class ResultReason
{
public:
    // Id 0 shows no reason.
    static void Show(QLineEdit* field, qint32 id);
    // Every reason shown in the window again, in the language now active.
    static void Retranslate(QWidget* window);
};
