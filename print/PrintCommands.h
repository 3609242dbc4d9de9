#pragma once

#include <QObject>
#include <QPrinter>

#include <memory>

class LoanDocument;
class LoanForm;
class QAction;
class WindowServices;

// The File menu's printing commands: Print Setup and Print on the program's
// one printer, kept for the whole run so that what the user chose in either
// dialog is what the next Print uses, and Export PDF into a file the user
// names, on the same page set-up. While a job's progress window is open
// the three commands wait for it. The printers are made when first used:
// making one starts the system's printing support, which a start need not
// wait for.
class PrintCommands : public QObject
{
    Q_OBJECT

public:
    PrintCommands(WindowServices& services, LoanForm& form, LoanDocument& document);
    // A job still open when the window goes ends before its printer does.
    ~PrintCommands() override;

    QPrinter& Printer();

private:
    void AddExportCommand();
    void ShowTexts();
    void PrintSetup();
    void Print();
    void ExportPdf();
    QString SuggestedPdfName() const;
    void Run(QPrinter& printer);
    void Enable(bool enabled);
    QPrinter& PdfPrinter();

    WindowServices& m_services;
    QWidget& m_window;
    LoanForm& m_form;
    LoanDocument& m_document;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPrinter> m_pdfPrinter;
    QAction* m_exportPdf = nullptr;
};
