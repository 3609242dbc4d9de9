#pragma once

#include <QPainter>
#include <QString>

class QPrinter;

// One document on a printer, from its start to its end or its discarding.
// A PDF file is written under a name of its own beside the chosen one and
// takes the chosen name only when it is complete, so that a job that fails
// or is cancelled leaves neither a half-written file nor a changed old one.
// Every failure is told to the user.
class PrinterOutput
{
public:
    explicit PrinterOutput(QPrinter& printer);
    // Discards a document that was neither ended nor discarded.
    ~PrinterOutput();
    PrinterOutput(const PrinterOutput&) = delete;
    PrinterOutput& operator=(const PrinterOutput&) = delete;

    // False, after telling why, when the printer or the file does not start.
    bool Begin();
    QPainter& Painter() { return m_painter; }
    QPrinter& Printer() { return m_printer; }
    // Sends the document; false, after telling why, when that fails.
    bool Finish();
    // Nothing of the document is printed or kept.
    void Discard();

private:
    bool IsFile() const;
    bool BeginPartialFile();
    void EndPartialFile(bool keep);
    void Tell(int textId, const QString& name, int endId) const;
    void TellNotStarted() const;

    QPrinter& m_printer;
    QPainter m_painter;
    // The file the user chose, and the one written until it is complete.
    QString m_target;
    QString m_partial;
};
