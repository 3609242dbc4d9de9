#include "sheet/QuoteRows.h"

#include "app/Language.h"
#include "app/Loan.h"
#include "engine/CLoan.h"
#include "engine/PaymentFrequency.h"
#include "langlib/Resources.h"
#include "scenario/FieldColour.h"
#include "scenario/FieldFormat.h"
#include "scenario/ResultReason.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

#include <stdexcept>
#include <utility>

namespace {

// A raised actual payment, until Timer1 next fires.
const QColor RaisedColour(255, 255, 128);
// Results are never typed into: this grey under a light palette.
const QColor ResultColour(224, 224, 224);
// A palette whose text ground is darker than this is a dark one.
constexpr int DarkBelow = 128;
constexpr int DarkResultLighter = 140;
constexpr int DarkReasonDarker = 150;

// After the first notice of a raised payment the highlight alone says it.
constexpr int LaterTimer1Interval = 2000;

const char* const RowProperty = "quoteRow";

// A figure beyond what the program can count shows as no result rather than
// stopping the program.
template <typename Read>
auto OrNothing(Read read, bool* overflowed = nullptr) -> decltype(read())
{
    try {
        return read();
    } catch (const std::overflow_error&) {
        if (overflowed)
            *overflowed = true;
        return decltype(read())();
    }
}

// Under a dark palette a result is a grey a little lighter than the window,
// with the palette's own text, so it reads as a result and not as a field
// to type into, and stays readable.
void ShowAsResult(QWidget* field)
{
    QPalette palette = field->palette();
    if (palette.color(QPalette::Base).lightness() >= DarkBelow) {
        FieldColour::Mark(field, ResultColour);
        return;
    }
    palette.setColor(QPalette::Base, palette.color(QPalette::Window).lighter(DarkResultLighter));
    palette.setColor(QPalette::PlaceholderText, palette.color(QPalette::Text).darker(DarkReasonDarker));
    field->setPalette(palette);
}

bool IsUpOrDown(const QEvent* event)
{
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Up || key == Qt::Key_Down;
}

} // namespace

QuoteRows::QuoteRows(Loan& loan)
    : m_loan(loan)
{
    connect(m_loan.Timer1, &QTimer::timeout, this, &QuoteRows::Timer1Fired);
    connect(m_loan.cmdPayoffDate, &QPushButton::clicked, this, &QuoteRows::SortByPayoff);
    connect(m_loan.cmdInterest, &QPushButton::clicked, this, &QuoteRows::SortByInterest);
}

CLoan& QuoteRows::Quote(int d) const
{
    return *m_loan.Quotes[m_loan.R(static_cast<quint16>(d))];
}

int QuoteRows::LastRow() const
{
    return m_loan.LoadedUpperIndex();
}

std::vector<QWidget*> QuoteRows::InputFields(int d) const
{
    return {m_loan.chkPoints[d],    m_loan.txtPoints[d],        m_loan.txtInterestRate[d], m_loan.txtTerm[d],
            m_loan.cboFrequency[d], m_loan.txtActualPayment[d], m_loan.txtWho[d]};
}

void QuoteRows::SetUpRow(int d)
{
    for (QLineEdit* result : {m_loan.txtPandI[d], m_loan.txtPayment[d], m_loan.txtPayoffDate[d],
                              m_loan.txtInterest[d]})
        ShowAsResult(result);

    BindNumberFields(d);
    connect(m_loan.chkPoints[d], &QCheckBox::clicked, this,
            [this, d](bool ticked) { FinancePointsClicked(d, ticked); });
    connect(m_loan.cboFrequency[d], qOverload<int>(&QComboBox::activated), this,
            [this, d] { FrequencyLeft(d); });

    for (QWidget* field : InputFields(d)) {
        field->setProperty(RowProperty, d);
        field->installEventFilter(this);
    }
    emit RowSetUp(d);
}

// The getters ask for the row's quote anew each time, so a field always
// edits the quote that its row shows at that moment.
void QuoteRows::BindNumberFields(int d)
{
    auto quote = [this, d]() -> CLoan& { return Quote(d); };
    m_loan.txtPoints[d]->BindNumber([quote] { return quote().Points(); },
                                    [this, d](double points) { PointsLeft(d, points); });
    m_loan.txtInterestRate[d]->BindNumber([quote] { return quote().InterestRate(); },
                                          [this, d](double rate) { RateLeft(d, rate); });
    m_loan.txtTerm[d]->BindTerm([quote] { return quote().Term(); }, [this, d](qint32 term) { TermLeft(d, term); },
                                [this] { return m_loan.ProgramSettings().TermInMonths; });
    m_loan.txtActualPayment[d]->BindMoney([quote] { return quote().ActualPayment(); },
                                          [this, d](Money payment) { ActualPaymentLeft(d, payment); });
}

void QuoteRows::ShowFinancePoints(int d)
{
    m_loan.chkPoints[d]->setChecked(Quote(d).FinancePoints());
}

void QuoteRows::ShowPoints(int d)
{
    m_loan.txtPoints[d]->ShowValue();
}

void QuoteRows::ShowInterestRate(int d)
{
    m_loan.txtInterestRate[d]->ShowValue();
}

void QuoteRows::ShowTerm(int d)
{
    m_loan.txtTerm[d]->ShowValue();
}

void QuoteRows::ShowFrequency(int d)
{
    QComboBox* list = m_loan.cboFrequency[d];
    const QString name = Quote(d).Frequency();
    if (name.isEmpty()) {
        list->clear();
        list->clearEditText();
        return;
    }
    list->setCurrentIndex(list->findText(name));
    list->setEditText(name);
}

void QuoteRows::ShowPandI(int d)
{
    CLoan& quote = Quote(d);
    QLineEdit* field = m_loan.txtPandI[d];
    field->setText(FieldFormat::Currency(OrNothing([&quote] { return quote.PandI(); })));
    ResultReason::Show(field, field->text().isEmpty() ? PandIReason(d) : 0);
}

// Why row d has no P&I, when the row says what it lacks: an unknown
// frequency at once, a term or frequency only once a rate is there.
qint32 QuoteRows::PandIReason(int d) const
{
    const CLoan& quote = Quote(d);
    const bool frequencyKnown = PaymentFrequency(quote.FrequencyCode()).IsKnown();
    if (!frequencyKnown && !m_loan.cboFrequency[d]->currentText().isEmpty())
        return rsReasonUnknownFrequency;
    if (quote.InterestRate() == 0)
        return 0;
    if (quote.Term() == 0)
        return rsReasonNoTerm;
    return frequencyKnown ? 0 : rsReasonNoFrequency;
}

void QuoteRows::ShowPayment(int d)
{
    CLoan& quote = Quote(d);
    const Money payment = OrNothing([&quote] { return quote.Payment(); });
    if (quote.Forced()) {
        HighlightRaised(d);
        ShowActualPayment(d);
        if (!m_loan.Timer1->isActive())
            m_loan.Timer1->start();
    }
    m_loan.txtPayment[d]->setText(FieldFormat::Currency(payment));
}

void QuoteRows::ShowActualPayment(int d)
{
    m_loan.txtActualPayment[d]->ShowValue();
}

// A payoff that never comes, or one beyond what money can count, has no date.
void QuoteRows::ShowPayoffDate(int d)
{
    CLoan& quote = Quote(d);
    QLineEdit* field = m_loan.txtPayoffDate[d];
    bool overflowed = false;
    field->setText(FieldFormat::ShortDate(OrNothing([&quote] { return quote.PayoffDate(); }, &overflowed)));
    field->setToolTip(QString());
    const bool never = field->text().isEmpty() && quote.HasPayoffInputs() && !overflowed;
    ResultReason::Show(field, never ? rsReasonNeverPaidOff : 0);
}

void QuoteRows::ShowInterest(int d)
{
    QLineEdit* field = m_loan.txtInterest[d];
    field->setText(FieldFormat::Currency(Quote(d).Interest()));
    field->setToolTip(QString());
}

void QuoteRows::ShowWho(int d)
{
    m_loan.txtWho[d]->setPlainText(Quote(d).Who());
}

// Payment before PayoffDate, which needs the raised actual payment, and
// PayoffDate before Interest, which it computes.
void QuoteRows::RefreshQuoteRow(int d)
{
    ShowPandI(d);
    ShowPayment(d);
    ShowPayoffDate(d);
    ShowInterest(d);
}

void QuoteRows::ShowQuoteRow(int d)
{
    ShowFinancePoints(d);
    ShowPoints(d);
    ShowInterestRate(d);
    ShowTerm(d);
    ShowFrequency(d);
    ShowPandI(d);
    ShowPayment(d);
    ShowActualPayment(d);
    ShowPayoffDate(d);
    ShowInterest(d);
    ShowWho(d);
}

void QuoteRows::ClearQuoteRow(int d)
{
    m_loan.chkPoints[d]->setChecked(false);
    for (QLineEdit* field : {static_cast<QLineEdit*>(m_loan.txtPoints[d]),
                             static_cast<QLineEdit*>(m_loan.txtInterestRate[d]),
                             static_cast<QLineEdit*>(m_loan.txtTerm[d]), m_loan.txtPandI[d], m_loan.txtPayment[d],
                             static_cast<QLineEdit*>(m_loan.txtActualPayment[d]), m_loan.txtPayoffDate[d],
                             m_loan.txtInterest[d]})
        field->clear();
    ResultReason::Show(m_loan.txtPandI[d], 0);
    ResultReason::Show(m_loan.txtPayoffDate[d], 0);
    m_loan.cboFrequency[d]->clear();
    m_loan.cboFrequency[d]->clearEditText();
    m_loan.txtWho[d]->clear();
}

void QuoteRows::RefillFrequencyLists(int lastRow)
{
    for (int d = 0; d <= lastRow; ++d) {
        m_loan.cboFrequency[d]->clear();
        FillFrequencyList(m_loan.cboFrequency[d]);
        ShowFrequency(d);
    }
}

void QuoteRows::FillFrequencyList(QComboBox* list)
{
    if (list->count() > 0)
        return;
    const QString shown = list->currentText();
    const QSignalBlocker quiet(list);
    for (const PaymentFrequency& frequency : PaymentFrequency::All())
        list->addItem(Language::LoadResString(frequency.NameId()));
    list->setCurrentIndex(list->findText(shown));
    if (list->isEditable())
        list->setEditText(shown);
}

void QuoteRows::SortByPayoff()
{
    m_loan.Order().SortByPayoff(m_loan.Quotes, LastRow());
    ShowSortedRows();
}

void QuoteRows::SortByInterest()
{
    m_loan.Order().SortByInterest(m_loan.Quotes, LastRow());
    ShowSortedRows();
}

// The rows are redrawn once, in their new order, when all are shown; the
// view goes back to the first row, where the best quote now stands.
void QuoteRows::ShowSortedRows()
{
    m_loan.picScroll->setUpdatesEnabled(false);
    for (int d = 0; d <= LastRow(); ++d)
        ShowQuoteRow(d);
    m_loan.vsbLoans->setValue(m_loan.vsbLoans->minimum());
    m_loan.picScroll->setUpdatesEnabled(true);
}

void QuoteRows::PointsLeft(int d, double points)
{
    Quote(d).SetPoints(points);
    ShowPoints(d);
    RefreshQuoteRow(d);
}

void QuoteRows::RateLeft(int d, double rate)
{
    Quote(d).SetInterestRate(rate);
    if (!m_loan.txtInterestRate[d]->text().isEmpty())
        ShowInterestRate(d);
    RefreshQuoteRow(d);
}

void QuoteRows::TermLeft(int d, qint32 term)
{
    Quote(d).SetTerm(term);
    if (!m_loan.txtTerm[d]->text().isEmpty())
        ShowTerm(d);
    RefreshQuoteRow(d);
}

// An emptied field takes the payment away but leaves the results on screen
// until the row is next refreshed.
void QuoteRows::ActualPaymentLeft(int d, Money payment)
{
    CLoan& quote = Quote(d);
    if (m_loan.txtActualPayment[d]->text().isEmpty()) {
        OrNothing([&quote] { quote.SetActualPayment(Money()); });
        return;
    }
    OrNothing([&quote, payment] { quote.SetActualPayment(payment); });
    ShowActualPayment(d);
    ShowPayoffDate(d);
    ShowInterest(d);
}

void QuoteRows::FinancePointsLeft(int d)
{
    const bool ticked = m_loan.chkPoints[d]->isChecked();
    if (!ticked && !Quote(d).FinancePoints())
        return;
    Quote(d).SetFinancePoints(ticked);
    RefreshQuoteRow(d);
}

void QuoteRows::FinancePointsClicked(int d, bool ticked)
{
    Quote(d).SetFinancePoints(ticked);
    RefreshQuoteRow(d);
}

// A text that names no frequency leaves the quote without one.
void QuoteRows::FrequencyLeft(int d)
{
    const QString text = m_loan.cboFrequency[d]->currentText();
    if (text != Quote(d).Frequency()) {
        Quote(d).SetFrequency(text);
        m_loan.MarkScenarioChanged();
    }
    RefreshQuoteRow(d);
}

void QuoteRows::WhoLeft(int d)
{
    Quote(d).SetWho(m_loan.txtWho[d]->toPlainText());
}

// The row fields without an edit cycle of their own take what they show when
// they are left, and when a command commits them without leaving.
void QuoteRows::CommitFieldEdit(QWidget* field)
{
    const QVariant row = field ? field->property(RowProperty) : QVariant();
    if (!row.isValid())
        return;
    const int d = row.toInt();
    if (field == m_loan.chkPoints[d])
        FinancePointsLeft(d);
    else if (field == m_loan.cboFrequency[d])
        FrequencyLeft(d);
    else if (field == m_loan.txtWho[d])
        WhoLeft(d);
}

bool QuoteRows::eventFilter(QObject* watched, QEvent* event)
{
    const QVariant row = watched->property(RowProperty);
    if (!row.isValid())
        return QObject::eventFilter(watched, event);
    const int d = row.toInt();
    switch (event->type()) {
    case QEvent::FocusIn:
        emit RowEntered(d);
        break;
    case QEvent::FocusOut:
        if (FocusReturn::IsLeavingTheWindow(static_cast<QFocusEvent*>(event))) {
            auto* field = static_cast<QWidget*>(watched);
            m_focusReturn.Await(field, [this, field] { CommitFieldEdit(field); });
        } else {
            CommitFieldEdit(static_cast<QWidget*>(watched));
        }
        break;
    case QEvent::MouseButtonPress:
        if (watched == m_loan.cboFrequency[d])
            FillFrequencyList(m_loan.cboFrequency[d]);
        break;
    case QEvent::KeyPress:
        if (watched == m_loan.cboFrequency[d])
            FillFrequencyList(m_loan.cboFrequency[d]);
        [[fallthrough]];
    case QEvent::KeyRelease:
        if (IsUpOrDown(event) && MovesBetweenRows(watched, event->type(), d)) {
            MoveToRow(watched, d, static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down ? d + 1 : d - 1);
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

// The points and lender fields move on pressing an arrow, the rate, term and
// actual payment on releasing it.
bool QuoteRows::MovesBetweenRows(QObject* watched, QEvent::Type type, int d) const
{
    if (watched == m_loan.txtPoints[d] || watched == m_loan.txtWho[d])
        return type == QEvent::KeyPress;
    if (watched == m_loan.txtInterestRate[d] || watched == m_loan.txtTerm[d]
        || watched == m_loan.txtActualPayment[d])
        return type == QEvent::KeyRelease;
    return false;
}

// Up in the first row and Down in the last leave the focus where it is.
void QuoteRows::MoveToRow(QObject* watched, int d, int target)
{
    if (target < 0 || target > LastRow())
        return;
    QWidget* const sameField =
        watched == m_loan.txtPoints[d]          ? static_cast<QWidget*>(m_loan.txtPoints[target])
        : watched == m_loan.txtInterestRate[d]  ? static_cast<QWidget*>(m_loan.txtInterestRate[target])
        : watched == m_loan.txtTerm[d]          ? static_cast<QWidget*>(m_loan.txtTerm[target])
        : watched == m_loan.txtActualPayment[d] ? static_cast<QWidget*>(m_loan.txtActualPayment[target])
                                                : static_cast<QWidget*>(m_loan.txtWho[target]);
    sameField->setFocus(Qt::OtherFocusReason);
}

void QuoteRows::HighlightRaised(int d)
{
    FieldColour::Mark(m_loan.txtActualPayment[d], RaisedColour);
    m_raisedRows.insert(d);
}

// The first raise of a run is explained once; from then on the highlight
// alone shows a raise, for longer.
void QuoteRows::Timer1Fired()
{
    m_loan.Timer1->stop();
    if (!m_loan.PaymentNoticeShown()) {
        m_loan.ShowPaymentNotice();
        m_loan.Timer1->setInterval(LaterTimer1Interval);
    }
    for (const int d : std::exchange(m_raisedRows, {}))
        FieldColour::Clear(m_loan.txtActualPayment[d]);
}
