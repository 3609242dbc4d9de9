#include "print/ComparisonReport.h"

#include "app/LoanForm.h"
#include "engine/DayCount.h"
#include "langlib/Resources.h"
#include "print/WrapText.h"
#include "model/FieldFormat.h"
#include "model/LoanDocument.h"
#include "scenario/NumberField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include <cmath>

namespace {

// Printer twips between a box's edge and its text.
constexpr double Inset = 72;
constexpr double FooterSize = 6;
// A caption shrinks to fit its box no further than this, in points.
constexpr double SmallestCaptionSize = 1;
// Each step down is at least this much smaller, so that fitting ends soon.
constexpr double FitStep = 0.98;
// Widths this close are equal: what is left of rounding.
constexpr double WidthSlack = 0.01;
constexpr int TextLineWidth = 1;
constexpr int BoxLineWidth = 2;
constexpr int SeparatorWidths[] = {5, 2, 2, 2};

const QString Ellipsis = QStringLiteral("…");

// A field being edited shows its plain number; on paper every figure has
// its display form.
QString FieldText(const QWidget* field)
{
    if (const auto* number = qobject_cast<const NumberField*>(field))
        return number->DisplayText();
    if (const auto* line = qobject_cast<const QLineEdit*>(field))
        return line->text();
    if (const auto* list = qobject_cast<const QComboBox*>(field))
        return list->currentText();
    return {};
}

ReportSurface::Font FontOf(const QWidget* control)
{
    const QFont font = control->font();
    return {font.family(), font.pointSizeF(), font.bold(), font.italic()};
}

} // namespace

ComparisonReport::ComparisonReport(const LoanForm& form, const LoanDocument& document, ReportSurface& surface,
                                   std::function<bool()> yield)
    : m_form(form)
    , m_document(document)
    , m_surface(surface)
    , m_yield(std::move(yield))
    , m_geometry(form)
    , m_body(FontOf(form.lblLoanName))
    , m_footerNotice(document.LoadResString(rsReportCopyright))
{
}

bool ComparisonReport::Run()
{
    m_s = Scale();
    m_surface.SetTypeface(m_body.typeface);
    m_surface.SetSize(FooterSize);
    m_surface.SetItalic(true);
    m_footerReserve = 2 * m_surface.TextHeight(m_footerNotice);
    m_surface.SetItalic(false);
    m_xOffset = 0;
    UseBodyFont();
    PrintNewLoanSection();
    const auto separators = m_geometry.Separators();
    PrintSeparator(separators[0], SeparatorWidths[0]);
    PrintSeparator(separators[1], SeparatorWidths[1]);

    m_wrapWidth = m_geometry.OwnRect(m_form.txtWho[0]).width() + m_geometry.Rect(m_form.vsbLoans).width();
    m_s = Scale();
    m_rowTop = m_geometry.Rect(m_form.lblPoints).top();
    PrintHeadings();
    m_rowTop = m_geometry.QuoteTop();
    m_firstRowTop = m_rowTop;
    m_xOffset = m_geometry.QuoteLeft();
    for (int i = 0; i <= m_form.LastRowIndex(); ++i) {
        if (!PrintQuoteRow(i))
            return false;
    }
    m_xOffset = 0;
    if (!PrintCurrentLoanSection())
        return false;
    return Yield();
}

void ComparisonReport::PrintPageFooter()
{
    m_surface.SetSize(FooterSize);
    m_surface.SetItalic(true);
    m_surface.MoveTo((m_surface.PrintableWidth() - m_surface.TextWidth(m_footerNotice)) / 2,
                     m_surface.PrintableHeight() - m_surface.TextHeight(m_footerNotice));
    m_surface.Print(m_footerNotice);
    m_surface.SetItalic(false);
    UseBodyFont();
}

double ComparisonReport::Scale() const
{
    return m_surface.PrintableWidth() / m_geometry.Width();
}

// The page is a picture of the window: its texts shrink and grow with it,
// so that they keep to their boxes as on the screen.
void ComparisonReport::UseBodyFont()
{
    UseFont(m_body);
}

void ComparisonReport::UseFont(const ReportSurface::Font& font)
{
    m_surface.SetBold(font.bold);
    m_surface.SetSize(font.size * m_s);
}

// Centred on the box's height, and across its width when centre is set. A
// caption wider than its box, as a long translation can be, is set smaller
// until it fits rather than run into its neighbour.
void ComparisonReport::PrintCaption(const QRectF& box, const QString& text, bool centre)
{
    const double size = m_surface.CurrentFont().size;
    FitWidth(text, box.width() * m_s);
    double left = box.left() * m_s;
    if (centre)
        left = (box.left() + box.width() / 2) * m_s - m_surface.TextWidth(text) / 2;
    const double top = box.top() * m_s + (box.height() * m_s - m_surface.TextHeight(text)) / 2;
    m_surface.SetLineWidth(TextLineWidth);
    m_surface.MoveTo(left, top);
    m_surface.Print(text);
    if (m_surface.CurrentFont().size != size)
        m_surface.SetSize(size);
}

void ComparisonReport::FitWidth(const QString& text, double room)
{
    double size = m_surface.CurrentFont().size;
    while (m_surface.TextWidth(text) - room > WidthSlack && size > SmallestCaptionSize) {
        size = std::max(SmallestCaptionSize, size * std::min(FitStep, room / m_surface.TextWidth(text)));
        m_surface.SetSize(size);
    }
}

void ComparisonReport::PrintFieldBox(const QRectF& box)
{
    m_surface.SetLineWidth(BoxLineWidth);
    m_surface.Rectangle((box.left() + m_xOffset) * m_s, box.top() * m_s, box.width() * m_s, box.height() * m_s);
}

void ComparisonReport::PrintSeparator(const QLineF& line, int width)
{
    m_surface.SetLineWidth(width);
    m_surface.Line(line.x1() * m_s, line.y1() * m_s, line.x2() * m_s, line.y2() * m_s);
}

// The pieces of a several-line text share the left edge that the width of
// the whole text gives.
void ComparisonReport::PrintFieldText(const QRectF& box, const QString& text, Align align, Reach reach)
{
    const double left = TextLeft(box, m_surface.TextWidth(text), align);
    const double top = box.top() * m_s + (box.height() * m_s - m_surface.TextHeight(text)) / 2;
    m_surface.SetLineWidth(TextLineWidth);
    const QStringList pieces = text.split(QLatin1Char('\n'));
    const double pitch = m_surface.TextHeight(QString());
    for (qsizetype piece = 0; piece < pieces.size(); ++piece) {
        m_surface.MoveTo(left, top + static_cast<double>(piece) * pitch);
        m_surface.Print(Fitted(pieces[piece], box, left, align, reach));
    }
}

double ComparisonReport::TextLeft(const QRectF& box, double textWidth, Align align) const
{
    if (align == Align::Left)
        return (box.left() + m_xOffset) * m_s + Inset;
    return (box.left() + m_xOffset + box.width()) * m_s - textWidth - Inset;
}

// A text too long for the page, or for its own box, ends in an ellipsis
// where the room ends.
QString ComparisonReport::Fitted(const QString& line, const QRectF& box, double left, Align align, Reach reach)
{
    const double boxLeft = (box.left() + m_xOffset) * m_s;
    const double boxRight = boxLeft + box.width() * m_s;
    double room = m_surface.PrintableWidth() - std::max(0.0, left);
    if (align == Align::Right)
        room = boxRight - Inset;
    if (reach == Reach::Box)
        room = std::min(room, boxRight - std::max(left, boxLeft));
    return Elided(line, room);
}

QString ComparisonReport::Elided(const QString& line, double width)
{
    if (m_surface.TextWidth(line) <= width)
        return line;
    qsizetype low = 0;
    qsizetype high = line.size();
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (m_surface.TextWidth(line.left(middle) + Ellipsis) <= width)
            low = middle;
        else
            high = middle - 1;
    }
    return low == 0 && m_surface.TextWidth(Ellipsis) > width ? QString() : line.left(low) + Ellipsis;
}

void ComparisonReport::PrintSectionRow(const QLabel* label, const QWidget* field, const QString& text, Align align,
                                       double shift)
{
    const QRectF caption = m_geometry.Rect(label).translated(0, shift);
    const QRectF box = m_geometry.Rect(field).translated(0, shift);
    PrintCaption(QRectF(caption.left(), caption.top(), caption.width(), box.height()), label->text(), false);
    PrintFieldBox(box);
    PrintFieldText(box, text, align, field == m_form.cboLoanName ? Reach::Box : Reach::Page);
}

void ComparisonReport::PrintNewLoanSection()
{
    const LoanForm& w = m_form;
    PrintSectionRow(w.lblLoanName, w.cboLoanName, FieldText(w.cboLoanName), Align::Left);
    PrintSectionRow(w.lblLoanType, w.cboLoanType, FieldText(w.cboLoanType), Align::Left);
    PrintSectionRow(w.lblLoanAmount, w.txtLoanAmount, FieldText(w.txtLoanAmount), Align::Right);
    PrintSectionRow(w.lblLoanTerm, w.txtLoanTerm, FieldText(w.txtLoanTerm), Align::Right);
    PrintSectionRow(w.lblAnnualTaxes, w.txtAnnualTaxes, FieldText(w.txtAnnualTaxes), Align::Right);
    PrintSectionRow(w.lblAnnualInsurance, w.txtAnnualInsurance, FieldText(w.txtAnnualInsurance), Align::Right);
    PrintSectionRow(w.lblMonthlyEscrow, w.txtMonthlyEscrow, FieldText(w.txtMonthlyEscrow), Align::Right);
}

// The current loan stands below the last quote row, as far below it as the
// window shows it below the viewport's rows, or on a page of its own under
// the loan name when the page has no room left.
bool ComparisonReport::PrintCurrentLoanSection()
{
    const auto separators = m_geometry.Separators();
    const double sectionTop = separators[2].y1();
    double shift = m_rowTop - m_geometry.QuoteBottom();
    if (!Fits(separators[3].y1() + shift - m_rowTop)) {
        if (!NewReportPage(false))
            return false;
        shift = m_rowTop - sectionTop;
    }
    const LoanForm& w = m_form;
    UseFont(FontOf(w.lblCurrent));
    PrintCaption(m_geometry.Rect(w.lblCurrent).translated(0, shift), w.lblCurrent->text(), true);
    UseBodyFont();
    PrintSeparator(separators[2].translated(0, shift), SeparatorWidths[2]);
    PrintSeparator(separators[3].translated(0, shift), SeparatorWidths[3]);

    const QString nextPayment = FieldFormat::ShortDate(DayCount::FromDate(w.dtNextPayment->date()));
    PrintSectionRow(w.lblCurLoanAmount, w.txtCurLoanAmount, FieldText(w.txtCurLoanAmount), Align::Right, shift);
    PrintSectionRow(w.lblCurLoanTerm, w.txtCurLoanTerm, FieldText(w.txtCurLoanTerm), Align::Right, shift);
    PrintSectionRow(w.lblCurInterestRate, w.txtCurInterestRate, FieldText(w.txtCurInterestRate), Align::Right,
                    shift);
    PrintSectionRow(w.lblCurrentBalance, w.txtCurrentBalance, FieldText(w.txtCurrentBalance), Align::Right, shift);
    PrintSectionRow(w.lblCurPaymentFrequency, w.cboCurPaymentFrequency, FieldText(w.cboCurPaymentFrequency),
                    Align::Left, shift);
    PrintSectionRow(w.lblCurPayment, w.txtCurPayment, FieldText(w.txtCurPayment), Align::Right, shift);
    PrintSectionRow(w.lblCurActualPayment, w.txtCurActualPayment, FieldText(w.txtCurActualPayment), Align::Right,
                    shift);
    PrintSectionRow(w.lblActPaymentFrequency, w.cboActPaymentFrequency, FieldText(w.cboActPaymentFrequency),
                    Align::Left, shift);
    PrintSectionRow(w.lblNextPayment, w.dtNextPayment, nextPayment, Align::Left, shift);
    PrintSectionRow(w.lblCurPayoffDate, w.txtCurPayoffDate, FieldText(w.txtCurPayoffDate), Align::Left, shift);
    PrintSectionRow(w.lblCurAmountLeft, w.txtCurAmountLeft, FieldText(w.txtCurAmountLeft), Align::Right, shift);
    PrintSectionRow(w.lblCurInterestLeft, w.txtCurInterestLeft, FieldText(w.txtCurInterestLeft), Align::Right,
                    shift);
    return true;
}

void ComparisonReport::PrintHeadings()
{
    const LoanForm& w = m_form;
    const QWidget* headings[] = {w.lblPoints, w.lblInterestRate, w.lblTerm,        w.lblFrequency,
                                 w.lblPandI,  w.lblPayment,      w.lblActualPayment, w.cmdPayoffDate,
                                 w.cmdInterest, w.lblWho};
    for (const QWidget* heading : headings) {
        QString caption = heading == w.cmdPayoffDate || heading == w.cmdInterest
                              ? static_cast<const QPushButton*>(heading)->text()
                              : static_cast<const QLabel*>(heading)->text();
        if (heading == w.lblPandI)
            caption.replace(QStringLiteral("&&"), QStringLiteral("&"));
        const QRectF place = m_geometry.Rect(heading);
        PrintCaption(QRectF(place.left(), m_rowTop, place.width(), place.height()), caption, true);
    }
}

// A row too tall for what is left of the page starts a new one; a row too
// tall for a whole page goes on over the next pages with the rest of its
// lender text.
bool ComparisonReport::PrintQuoteRow(int i)
{
    const QStringList lines = LenderLines(i);
    qsizetype from = 0;
    while (true) {
        qsizetype count = lines.size() - from;
        if (!Fits(RowHeight(count)) && m_rowTop > m_firstRowTop && !NewReportPage(true))
            return false;
        count = LinesFitting(count);
        const double height = RowHeight(count);
        if (from == 0)
            PrintRowFields(i, height);
        PrintLender(i, lines.mid(from, count).join(QLatin1Char('\n')), height);
        m_rowTop += height;
        from += count;
        if (from >= lines.size())
            return true;
        if (!NewReportPage(true))
            return false;
    }
}

// Every box of the row is as high as its lender's box, so that a row is one
// even band however many lines its lender takes. The payoff date is a
// figure like the others beside it and stands at their right edge.
void ComparisonReport::PrintRowFields(int i, double height)
{
    const LoanForm& w = m_form;
    const auto d = static_cast<std::size_t>(i);
    const QRectF check = Band(m_geometry.OwnRect(w.chkPoints[0]), height);
    PrintFieldBox(check);
    const std::pair<const QWidget*, Align> fields[] = {
        {w.txtPoints[d], Align::Right},      {w.txtInterestRate[d], Align::Right}, {w.txtTerm[d], Align::Right},
        {w.cboFrequency[d], Align::Left},    {w.txtPandI[d], Align::Right},        {w.txtPayment[d], Align::Right},
        {w.txtActualPayment[d], Align::Right}, {w.txtPayoffDate[d], Align::Right}, {w.txtInterest[d], Align::Right},
    };
    for (const auto& field : fields)
        PrintFieldBox(Band(m_geometry.OwnRect(field.first), height));
    if (w.chkPoints[d]->isChecked())
        PrintFieldText(check, QStringLiteral("x"), Align::Left);
    for (const auto& field : fields)
        PrintFieldText(Band(m_geometry.OwnRect(field.first), height), FieldText(field.first), field.second);
}

QRectF ComparisonReport::Band(const QRectF& own, double height) const
{
    return {own.left(), m_rowTop, own.width(), height};
}

void ComparisonReport::PrintLender(int i, const QString& lines, double height)
{
    QRectF box = Band(m_geometry.OwnRect(m_form.txtWho[static_cast<std::size_t>(i)]), height);
    box.setWidth(m_wrapWidth);
    PrintFieldBox(box);
    PrintFieldText(box, lines, Align::Left);
}

// Wrapped to the lender box as the page shows it, inside the inset on
// either side, so that the lines stay in their box at any scale.
QStringList ComparisonReport::LenderLines(int i)
{
    QString text = m_form.txtWho[static_cast<std::size_t>(i)]->toPlainText();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const double width = m_wrapWidth * m_s - 2 * Inset;
    if (std::lround(m_surface.TextWidth(text)) > width)
        text = WrapText(m_surface, text, width);
    return text.split(QLatin1Char('\n'));
}

// In window twips: one field high at least, and high enough for the lines
// in the page's font.
double ComparisonReport::RowHeight(qsizetype lines)
{
    const double fieldHeight = m_geometry.OwnRect(m_form.txtPoints[0]).height();
    const double textHeight = m_surface.TextHeight(QString()) * static_cast<double>(lines) / m_s;
    return std::max(fieldHeight, textHeight);
}

bool ComparisonReport::Fits(double height) const
{
    return (m_rowTop + height) * m_s <= m_surface.PrintableHeight() - m_footerReserve;
}

qsizetype ComparisonReport::LinesFitting(qsizetype lines)
{
    while (lines > 1 && !Fits(RowHeight(lines)))
        --lines;
    return lines;
}

bool ComparisonReport::NewReportPage(bool headings)
{
    PrintPageFooter();
    m_surface.NewPage();
    m_s = Scale();
    const double xOffset = m_xOffset;
    m_xOffset = 0;
    UseBodyFont();
    const LoanForm& w = m_form;
    PrintSectionRow(w.lblLoanName, w.cboLoanName, FieldText(w.cboLoanName), Align::Left);
    const QString page = m_document.LoadResString(rsPage) + QString::number(m_surface.Page());
    const QRectF nameLabel = m_geometry.Rect(w.lblLoanName);
    const double pageWidth = m_surface.TextWidth(page) / m_s;
    PrintCaption(QRectF(m_surface.PrintableWidth() / m_s - pageWidth, nameLabel.top(), pageWidth, nameLabel.height()),
                 page, false);
    m_xOffset = xOffset;
    if (!Yield())
        return false;
    m_rowTop = m_geometry.Rect(w.lblLoanType).top();
    if (headings) {
        PrintHeadings();
        m_rowTop += m_geometry.Rect(w.lblPoints).height();
    }
    m_firstRowTop = m_rowTop;
    return true;
}

bool ComparisonReport::Yield()
{
    if (!m_stopped && !m_yield())
        m_stopped = true;
    return !m_stopped;
}
