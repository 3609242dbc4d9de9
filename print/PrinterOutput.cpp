#include "print/PrinterOutput.h"

#include "app/Language.h"
#include "app/MessageBox.h"
#include "langlib/Resources.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryFile>

PrinterOutput::PrinterOutput(QPrinter& printer)
    : m_printer(printer)
{
}

PrinterOutput::~PrinterOutput()
{
    if (m_painter.isActive())
        Discard();
}

bool PrinterOutput::Begin()
{
    if (IsFile() && !BeginPartialFile())
        return false;
    if (m_painter.begin(&m_printer))
        return true;
    if (IsFile())
        EndPartialFile(false);
    TellNotStarted();
    return false;
}

bool PrinterOutput::Finish()
{
    bool finished = m_painter.end();
    if (IsFile()) {
        EndPartialFile(finished);
        finished = finished && QFileInfo::exists(m_target);
    }
    if (!finished) {
        if (IsFile())
            Tell(rsPdfNotWritten, QDir::toNativeSeparators(m_target), rsPdfNotWrittenEnd);
        else
            Tell(rsPrinterNotStarted, m_printer.printerName(), rsPrinterNotFinishedEnd);
    }
    return finished;
}

void PrinterOutput::Discard()
{
    if (!IsFile())
        m_printer.abort();
    m_painter.end();
    if (IsFile())
        EndPartialFile(false);
}

bool PrinterOutput::IsFile() const
{
    return m_printer.outputFormat() == QPrinter::PdfFormat && !m_printer.outputFileName().isEmpty();
}

bool PrinterOutput::BeginPartialFile()
{
    m_target = m_printer.outputFileName();
    QTemporaryFile partial(m_target + QStringLiteral(".XXXXXX.pdf"));
    partial.setAutoRemove(false);
    if (!partial.open()) {
        Tell(rsPdfNotWritten, QDir::toNativeSeparators(m_target), rsPdfNotWrittenEnd);
        return false;
    }
    m_partial = partial.fileName();
    partial.close();
    m_printer.setOutputFileName(m_partial);
    return true;
}

// The printer is left with the name the user chose, for the next job.
void PrinterOutput::EndPartialFile(bool keep)
{
    m_printer.setOutputFileName(m_target);
    if (keep) {
        QFile::remove(m_target);
        keep = QFile::rename(m_partial, m_target);
    }
    if (!keep)
        QFile::remove(m_partial);
}

void PrinterOutput::Tell(int textId, const QString& name, int endId) const
{
    MessageBox::Ok(Language::LoadResString(textId) + name + Language::LoadResString(endId));
}

void PrinterOutput::TellNotStarted() const
{
    if (IsFile())
        Tell(rsPdfNotWritten, QDir::toNativeSeparators(m_target), rsPdfNotWrittenEnd);
    else if (m_printer.printerName().isEmpty())
        MessageBox::Ok(Language::LoadResString(rsNoPrinter));
    else
        Tell(rsPrinterNotStarted, m_printer.printerName(), rsPrinterNotStartedEnd);
}
