#pragma once

#include "print/PrintedReport.h"
#include "print/ReportSurface.h"
#include "print/WindowGeometry.h"

#include <functional>

class LoanDocument;
class LoanForm;
class QLabel;
class QWidget;

// The comparison drawn as a picture of the main window: the new-loan
// section, the separators, the column headings and every quote row, then
// the current loan, each caption and field where the window shows it and
// the window's width stretched or shrunk to the printable width. Rows that
// do not fit continue on further pages, which repeat the loan name and the
// headings and carry a page number; every page ends with the copyright
// footer in the window's language, the last one when the job ends. Texts
// are scaled with the picture.
class ComparisonReport : public PrintedReport
{
public:
    // The window's controls in form, its texts in the language of document.
    // yield lets pending window events run once; when it answers false the
    // report stops where it is.
    ComparisonReport(const LoanForm& form, const LoanDocument& document, ReportSurface& surface,
                     std::function<bool()> yield);

    // False when stopped before the end.
    bool Run() override;
    void PrintPageFooter() override;

private:
    enum class Align { Left, Right };
    // How far a field text may reach: to the page's edge, or, for free text
    // the user typed, to its own box.
    enum class Reach { Page, Box };

    double Scale() const;
    void UseBodyFont();
    void UseFont(const ReportSurface::Font& font);
    // The box in window twips: where the caption stands and how wide it may be.
    void PrintCaption(const QRectF& box, const QString& text, bool centre);
    void FitWidth(const QString& text, double room);
    void PrintFieldBox(const QRectF& box);
    void PrintSeparator(const QLineF& line, int width);
    void PrintFieldText(const QRectF& box, const QString& text, Align align, Reach reach = Reach::Page);
    double TextLeft(const QRectF& box, double textWidth, Align align) const;
    QString Fitted(const QString& line, const QRectF& box, double left, Align align, Reach reach);
    QString Elided(const QString& line, double width);

    void PrintSectionRow(const QLabel* label, const QWidget* field, const QString& text, Align align,
                         double shift = 0);
    void PrintNewLoanSection();
    bool PrintCurrentLoanSection();
    void PrintHeadings();
    bool PrintQuoteRow(int i);
    void PrintRowFields(int i, double height);
    // A field's own left and width on the current row, height high.
    QRectF Band(const QRectF& own, double height) const;
    void PrintLender(int i, const QString& lines, double height);
    QStringList LenderLines(int i);
    double RowHeight(qsizetype lines);
    bool Fits(double height) const;
    qsizetype LinesFitting(qsizetype lines);
    bool NewReportPage(bool headings);
    bool Yield();

    const LoanForm& m_form;
    const LoanDocument& m_document;
    ReportSurface& m_surface;
    std::function<bool()> m_yield;
    WindowGeometry m_geometry;

    ReportSurface::Font m_body;
    // Taken when the job starts: the last page's footer is printed when the
    // job ends, which may be after the window is gone.
    QString m_footerNotice;
    double m_s = 1;
    double m_xOffset = 0;
    double m_rowTop = 0;
    // Where the rows of the current page begin.
    double m_firstRowTop = 0;
    double m_wrapWidth = 0;
    double m_footerReserve = 0;
    bool m_stopped = false;
};
