#include "print/PrintCommands.h"

#include "app/LoanForm.h"
#include "app/WindowServices.h"
#include "langlib/Resources.h"
#include "model/LoanDocument.h"
#include "print/PrintComparison.h"
#include "print/PrintDialogs.h"
#include "print/RegionalPaper.h"
#include "print/frmPrint.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>

namespace {

// Enough of the loan name to recognise the file by.
constexpr int SuggestedNameLength = 100;

// The user's documents folder; the home folder when there is none, as on a
// fresh account. The file dialog opens in the proposed folder, so it must
// be one that exists.
QString ProposedFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

} // namespace

PrintCommands::PrintCommands(WindowServices& services, LoanForm& form, LoanDocument& document)
    : QObject(&services.Window())
    , m_services(services)
    , m_window(services.Window())
    , m_form(form)
    , m_document(document)
{
    setObjectName(QStringLiteral("PrintCommands"));
    AddExportCommand();
    connect(form.mnuFilePrintSetup, &QAction::triggered, this, &PrintCommands::PrintSetup);
    connect(form.mnuFilePrint, &QAction::triggered, this, &PrintCommands::Print);
}

PrintCommands::~PrintCommands()
{
    // The menu commands may be gone already: the job's end re-enables none.
    const auto jobs = m_window.findChildren<frmPrint*>(QStringLiteral("frmPrint"), Qt::FindDirectChildrenOnly);
    for (frmPrint* progress : jobs) {
        progress->disconnect(this);
        delete progress;
    }
}

QPrinter& PrintCommands::Printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // The window is wider than it is high, and wider than a portrait
        // page: across the page it prints near its own size, until the user
        // chooses otherwise. Export PDF takes this page set-up too.
        m_printer->setPageSize(RegionalPaper::For(QLocale()));
        m_printer->setPageOrientation(QPageLayout::Landscape);
    }
    return *m_printer;
}

QPrinter& PrintCommands::PdfPrinter()
{
    if (!m_pdfPrinter) {
        m_pdfPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_pdfPrinter->setOutputFormat(QPrinter::PdfFormat);
    }
    return *m_pdfPrinter;
}

// After Print, with its design caption until the menu first opens; from
// then on in the language of the moment. The library is not asked while
// the window is still being built, before its language is bound.
void PrintCommands::AddExportCommand()
{
    m_exportPdf = new QAction(QStringLiteral("&Export PDF..."), m_form.mnuFile);
    m_exportPdf->setObjectName(QStringLiteral("mnuFileExportPdf"));
    m_form.mnuFile->insertAction(m_form.mnuFileBar2, m_exportPdf);
    connect(m_exportPdf, &QAction::triggered, this, &PrintCommands::ExportPdf);
    connect(m_form.mnuFile, &QMenu::aboutToShow, this, &PrintCommands::ShowTexts);
}

void PrintCommands::ShowTexts()
{
    m_exportPdf->setText(m_document.LoadResString(rsMnuFileExportPdf));
}

void PrintCommands::PrintSetup()
{
    PrintDialogs::SetUpPage(Printer(), &m_window);
}

// A figure still being typed is taken in first, as leaving its field
// would, so that the paper shows what the window shows once left.
void PrintCommands::Print()
{
    if (!m_services.CommitPendingEdit())
        return;
    if (PrintDialogs::ChoosePrinter(Printer(), &m_window))
        Run(Printer());
}

void PrintCommands::ExportPdf()
{
    if (!m_services.CommitPendingEdit())
        return;
    const QString path = PrintDialogs::ChoosePdfFile(&m_window, m_document.LoadResString(rsExportPdfCaption),
                                                     m_document.LoadResString(rsPdfFileFilter), SuggestedPdfName());
    if (path.isEmpty())
        return;
    PdfPrinter().setPageLayout(Printer().pageLayout());
    PdfPrinter().setOutputFileName(path);
    Run(PdfPrinter());
}

// The loan name, without the characters a file name cannot hold, in the
// proposed folder, with its full path.
QString PrintCommands::SuggestedPdfName() const
{
    QString name = m_form.cboLoanName->currentText().trimmed().left(SuggestedNameLength);
    static const QString unusable = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : name) {
        if (unusable.contains(c) || c < QLatin1Char(' '))
            c = QLatin1Char('-');
    }
    if (name.isEmpty())
        name = QStringLiteral("Loan");
    return QDir(ProposedFolder()).absoluteFilePath(name + QStringLiteral(".pdf"));
}

frmPrint* PrintCommands::PrintReport(const PrintedReport::Maker& makeReport, QWidget* parent)
{
    if (!PrintDialogs::ChoosePrinter(Printer(), parent))
        return nullptr;
    return Run(Printer(), makeReport);
}

frmPrint* PrintCommands::ExportReportPdf(const PrintedReport::Maker& makeReport, QWidget* parent,
                                         const QString& caption)
{
    const QString path = PrintDialogs::ChoosePdfFile(parent, caption, m_document.LoadResString(rsPdfFileFilter),
                                                     SuggestedPdfName());
    if (path.isEmpty())
        return nullptr;
    PdfPrinter().setPageLayout(Printer().pageLayout());
    PdfPrinter().setOutputFileName(path);
    return Run(PdfPrinter(), makeReport);
}

// One job at a time: the commands wait while its progress window is open.
frmPrint* PrintCommands::Run(QPrinter& printer, const PrintedReport::Maker& makeReport)
{
    if (makeReport)
        PrintComparison(m_window, m_form, m_document, printer, makeReport);
    else
        PrintComparison(m_window, m_form, m_document, printer);
    auto* progress = m_window.findChild<frmPrint*>(QStringLiteral("frmPrint"), Qt::FindDirectChildrenOnly);
    if (!progress)
        return nullptr;
    Enable(false);
    connect(progress, &QObject::destroyed, this, [this] { Enable(true); });
    return progress;
}

void PrintCommands::Enable(bool enabled)
{
    for (QAction* command : {m_form.mnuFilePrintSetup, m_form.mnuFilePrint, m_exportPdf})
        command->setEnabled(enabled);
}
