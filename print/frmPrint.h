#pragma once

#include "print/PrintedReport.h"
#include "print/PrinterOutput.h"
#include "print/PrinterSurface.h"

#include <QDialog>

#include <memory>

class LoanDocument;
class LoanForm;
class QLabel;
class QPushButton;
class QTimer;

// The progress window of one print job. Shown modeless over the main
// window, it draws the report (the comparison unless another is given) when
// it is first activated, stays up at least
// as long as its timer runs, and on closing either ends the document with
// the footer on its last page or, after Cancel, discards it.
class frmPrint : public QDialog
{
    Q_OBJECT

public:
    static constexpr int TimerInterval = 3000;

    // Over window, whose controls are form's and whose scenario is document's.
    // The output has begun its document.
    frmPrint(QWidget& window, const LoanForm& form, const LoanDocument& document,
             std::unique_ptr<PrinterOutput> output);
    frmPrint(QWidget& window, const LoanForm& form, const LoanDocument& document,
             std::unique_ptr<PrinterOutput> output, const PrintedReport::Maker& makeReport);
    ~frmPrint() override;

    QLabel* lblPrintingText = nullptr;
    QPushButton* cmdCancel = nullptr;
    QTimer* tmrPrint = nullptr;

    bool CancelRequested() const { return m_cancelRequested; }
    bool PrintFinished() const { return m_printFinished; }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void ShowTexts();
    void CentreOverWindow();
    void RunOnce();
    void Run();
    bool YieldOnce();
    void TimerFired();
    void Cancel();
    void EndJob();

    QWidget& m_window;
    const LoanForm& m_form;
    const LoanDocument& m_document;
    std::unique_ptr<PrinterOutput> m_output;
    PrinterSurface m_surface;
    std::unique_ptr<PrintedReport> m_report;
    bool m_cancelRequested = false;
    bool m_printFinished = false;
    bool m_ran = false;
    bool m_running = false;
    // Closed while the report was being drawn: the job ends once it stops.
    bool m_closePending = false;
    bool m_ended = false;
};
