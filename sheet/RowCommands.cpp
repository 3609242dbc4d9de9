#include "sheet/RowCommands.h"

#include "app/LoanForm.h"
#include "app/MessageBox.h"
#include "langlib/ResourceIds.h"
#include "model/LoanDocument.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

#include <memory>

namespace {

const char* const RowProperty = "rowCommandsRow";
const char* const FieldProperty = "rowCommandsField";

} // namespace

RowCommands::RowCommands(LoanForm& form, LoanDocument& document, QObject* parent)
    : QObject(parent)
    , m_form(form)
    , m_document(document)
{
}

// A context menu reaches a list through its text box and a lender field
// through its viewport.
void RowCommands::SetUpRow(int d)
{
    for (QWidget* field : m_form.RowFields(static_cast<std::size_t>(d))) {
        QWidget* receiver = field;
        if (auto* list = qobject_cast<QComboBox*>(field))
            receiver = list->lineEdit();
        else if (auto* text = qobject_cast<QPlainTextEdit*>(field))
            receiver = text->viewport();
        Watch(receiver, field, d);
    }
}

void RowCommands::Watch(QWidget* receiver, QWidget* field, int d)
{
    receiver->setProperty(RowProperty, d);
    receiver->setProperty(FieldProperty, QVariant::fromValue(static_cast<QObject*>(field)));
    receiver->installEventFilter(this);
}

bool RowCommands::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ContextMenu)
        return QObject::eventFilter(watched, event);
    const int d = watched->property(RowProperty).toInt();
    auto* field = qobject_cast<QWidget*>(watched->property(FieldProperty).value<QObject*>());
    const auto& menuEvent = *static_cast<QContextMenuEvent*>(event);
    const std::unique_ptr<QMenu> menu(MenuOf(field, menuEvent));
    menu->addSeparator();
    QAction* clear = menu->addAction(m_document.LoadResString(rsClearQuote));
    QAction* copy = menu->addAction(m_document.LoadResString(rsCopyQuote));
    QAction* chosen = menu->exec(menuEvent.globalPos());
    if (chosen == clear)
        ClearQuote(d);
    else if (chosen == copy)
        CopyQuoteToNextEmptyRow(d);
    return true;
}

// What a text field offers of its own comes first, as everywhere else.
QMenu* RowCommands::MenuOf(QWidget* field, const QContextMenuEvent& event) const
{
    if (auto* list = qobject_cast<QComboBox*>(field))
        return list->lineEdit()->createStandardContextMenu();
    if (auto* line = qobject_cast<QLineEdit*>(field))
        return line->createStandardContextMenu();
    if (auto* text = qobject_cast<QPlainTextEdit*>(field))
        return text->createStandardContextMenu(event.pos());
    return new QMenu;
}

int RowCommands::LastRow() const
{
    return static_cast<int>(m_form.chkPoints.size()) - 1;
}

int RowCommands::QuoteOf(int d) const
{
    return m_document.Order().R(static_cast<quint16>(d));
}

bool RowCommands::RowIsEmpty(int d) const
{
    return !m_document.HoldsInputs(QuoteOf(d));
}

void RowCommands::ClearQuote(int d)
{
    m_document.BeginStep(rsClearQuote);
    m_document.ClearQuote(QuoteOf(d));
    m_document.EndStep();
}

void RowCommands::CopyQuoteToNextEmptyRow(int d)
{
    const int rows = LastRow() + 1;
    int target = -1;
    for (int step = 1; step < rows && target < 0; ++step) {
        if (RowIsEmpty((d + step) % rows))
            target = (d + step) % rows;
    }
    if (target < 0) {
        MessageBox::Ok(m_document.LoadResString(rsNoEmptyRow));
        return;
    }
    m_document.BeginStep(rsCopyQuote);
    m_document.CopyQuote(QuoteOf(d), QuoteOf(target));
    m_document.EndStep();
    m_form.txtInterestRate[static_cast<std::size_t>(target)]->setFocus(Qt::OtherFocusReason);
}
