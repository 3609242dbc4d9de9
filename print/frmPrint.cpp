#include "print/frmPrint.h"

#include "app/CMouse.h"
#include "app/LoanForm.h"
#include "print/ComparisonReport.h"
#include "langlib/Resources.h"
#include "model/LoanDocument.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// A name of any length leaves the window no wider than this share of the
// screen; the whole text is in the label's tool tip.
constexpr double WidestShareOfScreen = 0.5;

} // namespace

frmPrint::frmPrint(QWidget& window, const LoanForm& form, const LoanDocument& document,
                   std::unique_ptr<PrinterOutput> output)
    : frmPrint(window, form, document, std::move(output),
               [&form, &document](ReportSurface& surface, std::function<bool()> yield) {
                   return std::make_unique<ComparisonReport>(form, document, surface, std::move(yield));
               })
{
}

frmPrint::frmPrint(QWidget& window, const LoanForm& form, const LoanDocument& document,
                   std::unique_ptr<PrinterOutput> output, const PrintedReport::Maker& makeReport)
    : QDialog(&window)
    , m_window(window)
    , m_form(form)
    , m_document(document)
    , m_output(std::move(output))
    , m_surface(m_output->Painter(), m_output->Printer())
    , m_report(makeReport(m_surface, [this] { return YieldOnce(); }))
{
    setObjectName(QStringLiteral("frmPrint"));
    setModal(false);
    lblPrintingText = new QLabel(this);
    lblPrintingText->setObjectName(QStringLiteral("lblPrintingText"));
    cmdCancel = new QPushButton(this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblPrintingText);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCancel);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPrint::Cancel);

    tmrPrint = new QTimer(this);
    tmrPrint->setObjectName(QStringLiteral("tmrPrint"));
    tmrPrint->setInterval(TimerInterval);
    tmrPrint->setSingleShot(true);
    connect(tmrPrint, &QTimer::timeout, this, &frmPrint::TimerFired);
    tmrPrint->start();

    ShowTexts();
    CentreOverWindow();
    m_cancelRequested = false;
}

// Gone with the main window before it was closed: a finished report is
// still sent, an unfinished one discarded.
frmPrint::~frmPrint()
{
    if (!m_printFinished)
        m_cancelRequested = true;
    EndJob();
}

void frmPrint::ShowTexts()
{
    setWindowTitle(m_document.LoadResString(rsPrinting));
    const QString text = m_document.LoadResString(rsPrintingLoan) + m_form.cboLoanName->currentText()
                         + QStringLiteral("...");
    const QScreen* screen = m_window.screen();
    const int widest = screen ? static_cast<int>(screen->availableGeometry().width() * WidestShareOfScreen) : 640;
    lblPrintingText->setText(QFontMetrics(lblPrintingText->font()).elidedText(text, Qt::ElideMiddle, widest));
    lblPrintingText->setToolTip(lblPrintingText->text() == text ? QString() : text);
    cmdCancel->setText(m_document.LoadResString(rsCancel));
    adjustSize();
}

void frmPrint::CentreOverWindow()
{
    const QRect main = m_window.frameGeometry();
    move(main.left() + (main.width() - frameGeometry().width()) / 2,
         main.top() + (main.height() - frameGeometry().height()) / 2);
}

// Activation runs the report; a window manager that never activates the
// window must not leave the job hanging, so showing it runs it too.
bool frmPrint::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        QTimer::singleShot(0, this, &frmPrint::RunOnce);
    return QDialog::event(event);
}

void frmPrint::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    QTimer::singleShot(0, this, &frmPrint::RunOnce);
}

// Every activation would draw the report again into the same document; it
// is drawn once per job, and not at all once the job has ended.
void frmPrint::RunOnce()
{
    if (m_ran || m_ended)
        return;
    m_ran = true;
    Run();
}

void frmPrint::Run()
{
    CMouse mouse;
    mouse.SetPointer(Qt::WaitCursor);
    setWindowTitle(m_document.LoadResString(rsPrinting));
    cmdCancel->setText(m_document.LoadResString(rsCancel));
    m_printFinished = false;
    m_running = true;
    const bool complete = m_report->Run();
    m_running = false;
    if (complete && !m_cancelRequested) {
        m_printFinished = true;
        if (!tmrPrint->isActive())
            close();
    }
    if (m_closePending) {
        EndJob();
        deleteLater();
    }
}

bool frmPrint::YieldOnce()
{
    // Also events posted while the run itself was started from one.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return !m_cancelRequested;
}

void frmPrint::TimerFired()
{
    tmrPrint->stop();
    if (m_printFinished)
        close();
}

void frmPrint::Cancel()
{
    m_cancelRequested = true;
    close();
}

// The close box and Escape before the report is complete count as Cancel:
// a partial report is never sent.
void frmPrint::closeEvent(QCloseEvent* event)
{
    if (!m_printFinished)
        m_cancelRequested = true;
    event->accept();
    if (m_running) {
        m_closePending = true;
        return;
    }
    EndJob();
    deleteLater();
}

void frmPrint::reject()
{
    close();
}

void frmPrint::EndJob()
{
    if (m_ended)
        return;
    m_ended = true;
    tmrPrint->stop();
    if (m_cancelRequested) {
        m_output->Discard();
        return;
    }
    m_report->PrintPageFooter();
    m_output->Finish();
}
