#pragma once

#include "../app/QuoteSheet.h"

#include "app/Loan.h"
#include "app/MessageBox.h"

#include "print/frmPrint.h"

#include <QCheckBox>
#include <QProcess>
#include <QRegularExpression>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

// A comparison typed into the real window for printing it.
namespace PrintSheet {

// What a program prints on standard output; empty when it fails to finish.
inline QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(20000) ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}

// One field of what poppler's pdfinfo says of a PDF file.
inline QString PdfInfo(const QString& path, const QString& field)
{
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(field), QRegularExpression::MultilineOption);
    return line.match(Run(QStringLiteral("pdfinfo"), {path})).captured(1).trimmed();
}

// The progress window of the window's print job, while there is one.
inline frmPrint* Progress(Loan& window)
{
    return window.findChild<frmPrint*>(QStringLiteral("frmPrint"));
}

// The lender field as a user fills it: each line typed, Return between.
inline void TypeLender(Loan& window, int d, const QStringList& lines)
{
    QPlainTextEdit* who = window.txtWho[static_cast<std::size_t>(d)];
    QuoteSheet::Enter(who);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(who, Qt::Key_Return);
        QTest::keyClicks(who, lines[i]);
    }
    QuoteSheet::Leave();
}

// A loan of 200,000 and three monthly quotes; the second has its points
// financed. False when the window never settles.
inline bool TypeComparison(Loan& window, const QString& name)
{
    QuoteSheet::Type(window.cboLoanName, name);
    QuoteSheet::Type(window.txtLoanAmount, QStringLiteral("200000"));
    QuoteSheet::TypeQuote(window, 0, QStringLiteral("6.5"), QStringLiteral("30"), QStringLiteral("Monthly"));
    QuoteSheet::TypeQuote(window, 1, QStringLiteral("7.25"), QStringLiteral("15"), QStringLiteral("Monthly"));
    QuoteSheet::TypeQuote(window, 2, QStringLiteral("5.875"), QStringLiteral("30"), QStringLiteral("Monthly"));
    QTest::mouseClick(window.chkPoints[1], Qt::LeftButton);
    TypeLender(window, 0, {QStringLiteral("First Bank"), QStringLiteral("Ann Lee 555-0100")});
    TypeLender(window, 1, {QStringLiteral("Harbor Credit Union")});
    // The notice of raised actual payments comes and goes before printing.
    const bool settled = QTest::qWaitFor([&window] { return !window.Timer1->isActive(); }, 5000);
    MessageBox::ClearRecorded();
    return settled;
}

// Text lines that name their row, so a test can find each row on paper.
inline QString RowLines(int d, int lines)
{
    QStringList text;
    for (int k = 1; k <= lines; ++k)
        text << QStringLiteral("Bank %1 line %2").arg(d).arg(k);
    return text.join(QLatin1Char('\n'));
}

} // namespace PrintSheet
