#include "sheet/QuoteDrag.h"

#include "app/LoanForm.h"
#include "model/LoanDocument.h"
#include "sheet/QuoteRows.h"
#include "engine/CLoan.h"
#include "engine/MoneyOverflow.h"
#include "langlib/ResourceIds.h"
#include "model/FieldFormat.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include <cmath>

namespace {

const char* const ColumnProperty = "dragColumn";
const char* const RowProperty = "dragRow";

// A rate travels as its fraction: a percentage typed with three decimals is
// a fraction with five.
constexpr int RateDecimals = 5;
constexpr int PointsDecimals = 3;
constexpr int MoneyDecimals = 2;

QuoteDrag::DragHook& InstalledHook()
{
    static QuoteDrag::DragHook hook;
    return hook;
}

bool OffersCopy(const QDropEvent* event)
{
    return (event->possibleActions() & Qt::CopyAction) != 0;
}

} // namespace

QuoteDrag::QuoteDrag(QWidget& window, LoanForm& form, LoanDocument& document, QuoteRows& rows)
    : QObject(&window)
    , m_window(window)
    , m_form(form)
    , m_document(document)
    , m_rows(rows)
{
}

void QuoteDrag::InterceptDrags(DragHook hook)
{
    InstalledHook() = std::move(hook);
}

void QuoteDrag::SetUpRow(int d)
{
    const auto row = static_cast<std::size_t>(d);
    Watch(m_form.txtInterestRate[row], Column::InterestRate, d);
    Watch(m_form.txtPoints[row], Column::Points, d);
    Watch(m_form.txtActualPayment[row], Column::ActualPayment, d);
    // A text box's mouse and drops arrive at its viewport.
    m_form.txtWho[row]->setAcceptDrops(true);
    Watch(m_form.txtWho[row]->viewport(), Column::Who, d);
}

void QuoteDrag::Watch(QWidget* receiver, Column column, int d)
{
    receiver->setProperty(ColumnProperty, static_cast<int>(column));
    receiver->setProperty(RowProperty, d);
    receiver->setAcceptDrops(true);
    receiver->installEventFilter(this);
}

std::optional<QuoteDrag::Field> QuoteDrag::FieldOf(const QObject* watched) const
{
    const QVariant column = watched->property(ColumnProperty);
    if (!column.isValid())
        return std::nullopt;
    return Field{static_cast<Column>(column.toInt()), watched->property(RowProperty).toInt()};
}

bool QuoteDrag::eventFilter(QObject* watched, QEvent* event)
{
    const std::optional<Field> field = FieldOf(watched);
    if (!field)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return Pressed(watched, event);
    case QEvent::MouseMove:
        return Moved(watched, event, *field);
    case QEvent::MouseButtonRelease:
        m_pressedOn = nullptr;
        return false;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* over = static_cast<QDragMoveEvent*>(event);
        if (Offers(*field, over)) {
            over->setDropAction(Qt::CopyAction);
            over->accept();
        } else {
            over->ignore();
        }
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!Offers(*field, drop)) {
            drop->ignore();
            return true;
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        Drop(*field, drop->mimeData());
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

// The press itself still goes to the field: it places the cursor, and a
// second one soon after is the lender field's double-click.
bool QuoteDrag::Pressed(QObject* watched, const QEvent* event)
{
    const auto* press = static_cast<const QMouseEvent*>(event);
    m_pressedOn = press->button() == Qt::LeftButton ? watched : nullptr;
    m_pressedAt = press->position().toPoint();
    return false;
}

// A drag starts only once the mouse has gone the platform's drag distance
// with the left button held.
bool QuoteDrag::Moved(QObject* watched, const QEvent* event, const Field& field)
{
    const auto* move = static_cast<const QMouseEvent*>(event);
    if (m_pressedOn != watched || !(move->buttons() & Qt::LeftButton))
        return false;
    if ((move->position().toPoint() - m_pressedAt).manhattanLength() < QApplication::startDragDistance())
        return false;
    m_pressedOn = nullptr;
    StartDrag(field);
    return true;
}

void QuoteDrag::StartDrag(const Field& field)
{
    QWidget* source = FieldWidget(field);
    QPointer<QDrag> drag = new QDrag(source);
    auto* data = new QMimeData;
    data->setText(DragText(field));
    drag->setMimeData(data);
    if (InstalledHook())
        InstalledHook()(*drag);
    else
        drag->exec(Qt::CopyAction);
    if (drag)
        drag->deleteLater();
    source->update();
}

QWidget* QuoteDrag::FieldWidget(const Field& field) const
{
    const auto row = static_cast<std::size_t>(field.row);
    switch (field.column) {
    case Column::InterestRate:
        return m_form.txtInterestRate[row];
    case Column::Points:
        return m_form.txtPoints[row];
    case Column::ActualPayment:
        return m_form.txtActualPayment[row];
    case Column::Who:
        break;
    }
    return m_form.txtWho[row];
}

QString QuoteDrag::DragText(const Field& field) const
{
    const auto row = static_cast<std::size_t>(field.row);
    const CLoan& quote = *m_document.Quotes[m_document.Order().R(static_cast<quint16>(field.row))];
    switch (field.column) {
    case Column::InterestRate:
        return FieldFormat::GeneralNumber(quote.InterestRate());
    case Column::Points:
        return FieldFormat::GeneralNumber(quote.Points());
    case Column::ActualPayment: {
        // The field shows the currency form unless it is being edited.
        const QString shown = m_form.txtActualPayment[row]->text();
        if (shown == FieldFormat::Currency(quote.ActualPayment()))
            return FieldFormat::GeneralNumber(quote.ActualPayment().ToDouble());
        return FieldFormat::GeneralNumber(FieldFormat::ToNumber(shown).value_or(0));
    }
    case Column::Who:
        break;
    }
    return m_form.txtWho[row]->toPlainText();
}

bool QuoteDrag::Offers(const Field& field, const QDropEvent* event) const
{
    if (!OffersCopy(event) || !Live(field.row))
        return false;
    if (field.column == Column::Who)
        return event->mimeData()->hasText();
    return DroppedNumber(field.column, event->mimeData()).has_value();
}

// The number a numeric field takes from the data, when it takes one: plain
// text passing the field's number rule, and within what the field can hold.
std::optional<double> QuoteDrag::DroppedNumber(Column column, const QMimeData* data) const
{
    if (!data->hasText())
        return std::nullopt;
    const QString text = data->text();
    const int decimals = column == Column::InterestRate ? RateDecimals
                         : column == Column::Points     ? PointsDecimals
                                                        : MoneyDecimals;
    if (text.isEmpty() || !FieldFormat::IsValidNumber(text, decimals))
        return std::nullopt;
    const std::optional<double> number = FieldFormat::ToNumber(text);
    if (!number || !std::isfinite(*number * 100))
        return std::nullopt;
    if (column == Column::ActualPayment) {
        try {
            Money::FromDouble(*number);
        } catch (const MoneyOverflow&) {
            return std::nullopt;
        }
    }
    return number;
}

// Only rows that exist, in a window that takes input: not while the grid is
// being arranged, and not under a dialog.
bool QuoteDrag::Live(int d) const
{
    return d <= static_cast<int>(m_form.txtWho.size()) - 1 && m_window.isVisible() && m_window.updatesEnabled()
           && !QApplication::activeModalWidget();
}

// Written into the field in its edit form and committed, as if typed: the
// rate comes as the fraction and is typed as a percentage.
// The drop and all it raises are one step of the history.
void QuoteDrag::Drop(const Field& field, const QMimeData* data)
{
    m_document.BeginStep(rsStepDrag);
    const auto row = static_cast<std::size_t>(field.row);
    if (field.column == Column::Who) {
        m_form.txtWho[row]->setPlainText(data->text());
        m_rows.CommitFieldEdit(m_form.txtWho[row]);
    } else {
        const double number = *DroppedNumber(field.column, data);
        auto* target = static_cast<NumberField*>(FieldWidget(field));
        target->setText(FieldFormat::GeneralNumber(field.column == Column::InterestRate ? number * 100 : number));
        target->CommitEdit();
    }
    m_document.EndStep();
}
