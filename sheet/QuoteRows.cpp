#include "sheet/QuoteRows.h"

#include "app/LoanForm.h"
#include "engine/CLoan.h"
#include "engine/NothingOnOverflow.h"
#include "engine/PaymentFrequency.h"
#include "langlib/ResourceIds.h"
#include "scenario/ChoiceList.h"
#include "scenario/FieldColour.h"
#include "model/FieldFormat.h"
#include "scenario/ResultReason.h"
#include "store/Settings.h"
#include "sheet/RowColumn.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
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

QuoteRows::QuoteRows(LoanForm& form, LoanDocument& document, const Settings& settings)
    : m_form(form)
    , m_document(document)
    , m_settings(settings)
{
    connect(form.Timer1, &QTimer::timeout, this, &QuoteRows::Timer1Fired);
    connect(form.cmdPayoffDate, &QPushButton::clicked, this, &QuoteRows::SortByPayoff);
    connect(form.cmdInterest, &QPushButton::clicked, this, &QuoteRows::SortByInterest);
    connect(&document, &LoanDocument::Reordered, this, &QuoteRows::ShowSortChecks);
    connect(&document, &LoanDocument::QuoteResultsChanged, this, [this] {
        for (int d = 0; d <= LastRow(); ++d)
            ShowResults(d);
    });
    connect(&document, &LoanDocument::QuoteUpdated, this, [this](int index) {
        for (int d = 0; d <= LastRow(); ++d) {
            if (QuoteIndex(d) == index)
                ShowResults(d);
        }
    });
    // The rows follow the quotes' natural order while a scenario is applied.
    connect(&document, &LoanDocument::QuoteApplied, this, [this](int index) {
        if (index > LastRow())
            return;
        FillFrequencyList(index);
        ShowQuoteRow(index);
    });
    connect(&document, &LoanDocument::QuoteEmptied, this, [this](int index) {
        if (index <= LastRow())
            ClearQuoteRow(index);
    });
    connect(&document, &LoanDocument::Cleared, this, [this] {
        for (int d = 0; d <= LastRow(); ++d)
            ClearQuoteRow(d);
    });
    connect(&document, &LoanDocument::Restored, this, [this] {
        for (int d = 0; d <= LastRow(); ++d)
            ShowQuoteRow(d);
    });
    connect(&document, &LoanDocument::QuoteChanged, this, [this](int index) {
        for (int d = 0; d <= LastRow(); ++d) {
            if (QuoteIndex(d) == index)
                ShowQuoteRow(d);
        }
    });
}

int QuoteRows::QuoteIndex(int d) const
{
    return m_document.Order().R(static_cast<quint16>(d));
}

CLoan& QuoteRows::Quote(int d) const
{
    return *m_document.Quotes[static_cast<std::size_t>(QuoteIndex(d))];
}

const QuoteResults& QuoteRows::Results(int d) const
{
    return m_document.Results(QuoteIndex(d));
}

void QuoteRows::Edit(int d, const std::function<void(CLoan&)>& edit, LoanDocument::Recompute what)
{
    m_document.EditQuote(QuoteIndex(d), edit, what);
}

int QuoteRows::LastRow() const
{
    return static_cast<int>(m_form.chkPoints.size()) - 1;
}

std::vector<QWidget*> QuoteRows::InputFields(int d) const
{
    const std::vector<QWidget*> fields = m_form.RowFields(static_cast<std::size_t>(d));
    std::vector<QWidget*> inputs;
    for (std::size_t column = 0; column < RowColumn::Count; ++column) {
        if (RowColumn::All()[column].Input)
            inputs.push_back(fields[column]);
    }
    return inputs;
}

void QuoteRows::SetUpRow(int d)
{
    for (QLineEdit* result : {m_form.txtPandI[d], m_form.txtPayment[d], m_form.txtPayoffDate[d],
                              m_form.txtInterest[d]})
        ShowAsResult(result);

    BindNumberFields(d);
    connect(m_form.chkPoints[d], &QCheckBox::clicked, this,
            [this, d](bool ticked) { FinancePointsClicked(d, ticked); });
    connect(m_form.cboFrequency[d], qOverload<int>(&QComboBox::activated), this,
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
    m_form.txtPoints[d]->BindNumber([quote] { return quote().Points(); },
                                    [this, d](double points) { PointsLeft(d, points); });
    m_form.txtInterestRate[d]->BindNumber([quote] { return quote().InterestRate(); },
                                          [this, d](double rate) { RateLeft(d, rate); });
    m_form.txtTerm[d]->BindTerm([quote] { return quote().Term(); }, [this, d](qint32 term) { TermLeft(d, term); },
                                [this] { return m_settings.TermInMonths; });
    m_form.txtActualPayment[d]->BindMoney([quote] { return quote().ActualPayment(); },
                                          [this, d](Money payment) { ActualPaymentLeft(d, payment); });
}

void QuoteRows::ShowFinancePoints(int d)
{
    m_form.chkPoints[d]->setChecked(Quote(d).FinancePoints());
}

void QuoteRows::ShowPoints(int d)
{
    m_form.txtPoints[d]->ShowValue();
}

void QuoteRows::ShowInterestRate(int d)
{
    m_form.txtInterestRate[d]->ShowValue();
}

void QuoteRows::ShowTerm(int d)
{
    m_form.txtTerm[d]->ShowValue();
}

void QuoteRows::ShowFrequency(int d)
{
    QComboBox* list = m_form.cboFrequency[d];
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
    QLineEdit* field = m_form.txtPandI[d];
    field->setText(FieldFormat::Currency(Results(d).PandI));
    ResultReason::Show(field, field->text().isEmpty() ? PandIReason(d) : 0);
}

// Why row d has no P&I, when the row says what it lacks: an unknown
// frequency at once, a term or frequency only once a rate is there.
qint32 QuoteRows::PandIReason(int d) const
{
    const CLoan& quote = Quote(d);
    const bool frequencyKnown = PaymentFrequency(quote.FrequencyCode()).IsKnown();
    if (!frequencyKnown && !m_form.cboFrequency[d]->currentText().isEmpty())
        return rsReasonUnknownFrequency;
    if (quote.InterestRate() == 0)
        return 0;
    if (quote.Term() == 0)
        return rsReasonNoTerm;
    return frequencyKnown ? 0 : rsReasonNoFrequency;
}

void QuoteRows::ShowPayment(int d)
{
    const QuoteResults& results = Results(d);
    if (results.Raised) {
        HighlightRaised(d);
        ShowActualPayment(d);
        if (!m_form.Timer1->isActive())
            m_form.Timer1->start();
    }
    m_form.txtPayment[d]->setText(FieldFormat::Currency(results.Payment));
}

void QuoteRows::ShowActualPayment(int d)
{
    m_form.txtActualPayment[d]->ShowValue();
}

// A payoff that never comes, or one beyond what money can count, has no date.
void QuoteRows::ShowPayoffDate(int d)
{
    const QuoteResults& results = Results(d);
    QLineEdit* field = m_form.txtPayoffDate[d];
    field->setText(FieldFormat::ShortDate(results.PayoffDate));
    field->setToolTip(QString());
    ResultReason::Show(field, results.NeverPaidOff ? rsReasonNeverPaidOff : 0);
}

void QuoteRows::ShowInterest(int d)
{
    QLineEdit* field = m_form.txtInterest[d];
    field->setText(FieldFormat::Currency(Results(d).Interest));
    field->setToolTip(QString());
}

void QuoteRows::ShowWho(int d)
{
    m_form.txtWho[d]->setPlainText(Quote(d).Who());
}

void QuoteRows::RefreshQuoteRow(int d)
{
    m_document.RecomputeQuote(QuoteIndex(d));
}

void QuoteRows::ShowResults(int d)
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
    m_form.chkPoints[d]->setChecked(false);
    for (QLineEdit* field : {static_cast<QLineEdit*>(m_form.txtPoints[d]),
                             static_cast<QLineEdit*>(m_form.txtInterestRate[d]),
                             static_cast<QLineEdit*>(m_form.txtTerm[d]), m_form.txtPandI[d], m_form.txtPayment[d],
                             static_cast<QLineEdit*>(m_form.txtActualPayment[d]), m_form.txtPayoffDate[d],
                             m_form.txtInterest[d]})
        field->clear();
    ResultReason::Show(m_form.txtPandI[d], 0);
    ResultReason::Show(m_form.txtPayoffDate[d], 0);
    m_form.cboFrequency[d]->clear();
    m_form.cboFrequency[d]->clearEditText();
    m_form.txtWho[d]->clear();
}

void QuoteRows::RefillFrequencyLists()
{
    for (int d = 0; d <= LastRow(); ++d) {
        ChoiceList::Refill(m_form.cboFrequency[d], PaymentFrequency::Names(m_document.Texts()));
        ShowFrequency(d);
    }
}

void QuoteRows::FillFrequencyList(int d)
{
    ChoiceList::Fill(m_form.cboFrequency[d], PaymentFrequency::Names(m_document.Texts()));
}

void QuoteRows::ApplyTexts()
{
    for (int d = 0; d <= LastRow(); ++d) {
        const std::vector<QWidget*> fields = m_form.RowFields(static_cast<std::size_t>(d));
        for (std::size_t column = 0; column < RowColumn::Count; ++column)
            fields[column]->setToolTip(m_document.LoadResString(RowColumn::All()[column].TipId));
    }
}

void QuoteRows::SortByPayoff()
{
    SortOrUnsort(QuoteOrder::SoonestPayoff);
}

void QuoteRows::SortByInterest()
{
    SortOrUnsort(QuoteOrder::LeastInterest);
}

// The active sort's button clicked again gives the rows back in the order
// the quotes were entered in.
void QuoteRows::SortOrUnsort(QuoteOrder::Mode by)
{
    const bool active = m_document.Order().SortMode() == by;
    m_document.Sort(active ? QuoteOrder::NaturalOrder : by, LastRow());
    ShowSortedRows();
}

// A click toggles the button it lands on; the sort mode alone decides.
void QuoteRows::ShowSortChecks()
{
    const qint32 mode = m_document.Order().SortMode();
    m_form.cmdPayoffDate->setChecked(mode == QuoteOrder::SoonestPayoff);
    m_form.cmdInterest->setChecked(mode == QuoteOrder::LeastInterest);
}

// The rows are redrawn once, in their new order, when all are shown; the
// view goes back to the first row, where the best quote now stands.
void QuoteRows::ShowSortedRows()
{
    m_form.picScroll->setUpdatesEnabled(false);
    for (int d = 0; d <= LastRow(); ++d)
        ShowQuoteRow(d);
    m_form.vsbLoans->setValue(m_form.vsbLoans->minimum());
    m_form.picScroll->setUpdatesEnabled(true);
}

void QuoteRows::PointsLeft(int d, double points)
{
    Edit(d, [points](CLoan& quote) { quote.SetPoints(points); });
    ShowPoints(d);
}

void QuoteRows::RateLeft(int d, double rate)
{
    Edit(d, [rate](CLoan& quote) { quote.SetInterestRate(rate); });
    if (!m_form.txtInterestRate[d]->text().isEmpty())
        ShowInterestRate(d);
}

void QuoteRows::TermLeft(int d, qint32 term)
{
    Edit(d, [term](CLoan& quote) { quote.SetTerm(term); });
    if (!m_form.txtTerm[d]->text().isEmpty())
        ShowTerm(d);
}

// An emptied field takes the payment away but leaves the results on screen
// until the quote is next computed.
void QuoteRows::ActualPaymentLeft(int d, Money payment)
{
    const bool emptied = m_form.txtActualPayment[d]->text().isEmpty();
    const Money taken = emptied ? Money() : payment;
    Edit(d, [taken](CLoan& quote) { NothingOnOverflow([&quote, taken] { quote.SetActualPayment(taken); }); },
         emptied ? LoanDocument::Recompute::Nothing : LoanDocument::Recompute::Payoff);
    if (!emptied)
        ShowActualPayment(d);
}

void QuoteRows::FinancePointsLeft(int d)
{
    const bool ticked = m_form.chkPoints[d]->isChecked();
    if (!ticked && !Quote(d).FinancePoints())
        return;
    FinancePointsClicked(d, ticked);
}

void QuoteRows::FinancePointsClicked(int d, bool ticked)
{
    Edit(d, [ticked](CLoan& quote) { quote.SetFinancePoints(ticked); });
}

// A text that names no frequency leaves the quote without one.
void QuoteRows::FrequencyLeft(int d)
{
    const QString text = m_form.cboFrequency[d]->currentText();
    Edit(d, [this, &text](CLoan& quote) {
        if (text == quote.Frequency())
            return;
        quote.SetFrequency(text);
        m_document.MarkScenarioChanged();
    });
}

void QuoteRows::WhoLeft(int d)
{
    const QString who = m_form.txtWho[d]->toPlainText();
    Edit(d, [&who](CLoan& quote) { quote.SetWho(who); }, LoanDocument::Recompute::Nothing);
}

// The row fields without an edit cycle of their own take what they show when
// they are left, and when a command commits them without leaving.
void QuoteRows::CommitFieldEdit(QWidget* field)
{
    const QVariant row = field ? field->property(RowProperty) : QVariant();
    if (!row.isValid())
        return;
    const int d = row.toInt();
    if (field == m_form.chkPoints[d])
        FinancePointsLeft(d);
    else if (field == m_form.cboFrequency[d])
        FrequencyLeft(d);
    else if (field == m_form.txtWho[d])
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
        if (watched == m_form.cboFrequency[d])
            FillFrequencyList(d);
        break;
    case QEvent::KeyPress:
        if (watched == m_form.cboFrequency[d])
            FillFrequencyList(d);
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

int QuoteRows::ColumnOf(const QObject* watched, int d) const
{
    const std::vector<QWidget*> fields = m_form.RowFields(static_cast<std::size_t>(d));
    return static_cast<int>(std::find(fields.begin(), fields.end(), watched) - fields.begin());
}

bool QuoteRows::MovesBetweenRows(QObject* watched, QEvent::Type type, int d) const
{
    const std::size_t column = static_cast<std::size_t>(ColumnOf(watched, d));
    if (column >= RowColumn::Count)
        return false;
    switch (RowColumn::All()[column].Moves) {
    case RowColumn::Arrow::OnPress:
        return type == QEvent::KeyPress;
    case RowColumn::Arrow::OnRelease:
        return type == QEvent::KeyRelease;
    case RowColumn::Arrow::Stays:
        break;
    }
    return false;
}

// Up in the first row and Down in the last leave the focus where it is.
void QuoteRows::MoveToRow(QObject* watched, int d, int target)
{
    if (target < 0 || target > LastRow())
        return;
    const std::size_t column = static_cast<std::size_t>(ColumnOf(watched, d));
    m_form.RowFields(static_cast<std::size_t>(target))[column]->setFocus(Qt::OtherFocusReason);
}

void QuoteRows::HighlightRaised(int d)
{
    FieldColour::Mark(m_form.txtActualPayment[d], RaisedColour);
    m_raisedRows.insert(d);
}

// The first raise of a run is explained once; from then on the highlight
// alone shows a raise, for longer.
void QuoteRows::Timer1Fired()
{
    m_form.Timer1->stop();
    if (!m_document.PaymentNoticeShown()) {
        m_document.ShowPaymentNotice();
        m_form.Timer1->setInterval(LaterTimer1Interval);
    }
    for (const int d : std::exchange(m_raisedRows, {}))
        FieldColour::Clear(m_form.txtActualPayment[d]);
}
