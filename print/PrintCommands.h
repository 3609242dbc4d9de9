#pragma once

#include "print/frmPrint.h"

#include <QObject>
#include <QPrinter>

class Loan;
class QAction;

// The File menu's printing commands: Print Setup and Print on the program's
// one printer, kept for the whole run so that what the user chose in either
// dialog is what the next Print uses, and Export PDF into a file the user
// names, on the same page set-up. While a job's progress window is open
// the three commands wait for it.
class PrintCommands : public QObject
{
    Q_OBJECT

public:
    explicit PrintCommands(Loan& window);
    // A job still open when the window goes ends before its printer does.
    ~PrintCommands() override;

    QPrinter& Printer() { return m_printer; }

    // Another window's report through the same printer, dialogs and
    // progress window as Print and Export PDF, the dialogs over `parent`;
    // the progress window of the job started, or none when the user
    // cancelled or the printer did not start.
    frmPrint* PrintReport(const frmPrint::ReportMaker& makeReport, QWidget* parent);
    frmPrint* ExportReportPdf(const frmPrint::ReportMaker& makeReport, QWidget* parent, const QString& caption);

private:
    void AddExportCommand();
    void ShowTexts();
    void PrintSetup();
    void Print();
    void ExportPdf();
    QString SuggestedPdfName() const;
    frmPrint* Run(QPrinter& printer, const frmPrint::ReportMaker& makeReport = {});
    void Enable(bool enabled);

    Loan& m_window;
    QPrinter m_printer;
    QPrinter m_pdfPrinter;
    QAction* m_exportPdf = nullptr;
};
