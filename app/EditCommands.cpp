#include "app/EditCommands.h"

#include "app/Language.h"
#include "app/LoanForm.h"
#include "langlib/ResourceIds.h"
#include "scenario/ScenarioCommands.h"
#include "model/ScenarioHistory.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

namespace {

enum class Direction { None, Back, Forward };

Direction DirectionOf(const QKeyEvent* key)
{
    if (key->matches(QKeySequence::Undo))
        return Direction::Back;
    if (key->matches(QKeySequence::Redo) || key->keyCombination() == QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z)
        || key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y))
        return Direction::Forward;
    return Direction::None;
}

// Whether the field has typing of its own to take back, or to do again.
bool HasOwnHistory(QWidget* field, Direction direction)
{
    const bool back = direction == Direction::Back;
    if (auto* list = qobject_cast<QComboBox*>(field))
        field = list->lineEdit();
    if (auto* line = qobject_cast<QLineEdit*>(field))
        return back ? line->isUndoAvailable() : line->isRedoAvailable();
    if (auto* text = qobject_cast<QPlainTextEdit*>(field))
        return back ? text->document()->isUndoAvailable() : text->document()->isRedoAvailable();
    return false;
}

QString Caption(int id, const QString& stepName)
{
    const QString caption = Language::LoadResString(id);
    return stepName.isEmpty() ? caption : caption + QLatin1Char(' ') + stepName;
}

} // namespace

EditCommands::EditCommands(QWidget& window, LoanForm& form, ScenarioHistory& history,
                           ScenarioCommands& scenario)
    : m_window(window)
    , m_form(form)
    , m_history(history)
    , m_scenario(scenario)
{
    connect(form.mnuEditUndo, &QAction::triggered, this, &EditCommands::Undo);
    connect(form.mnuEditRedo, &QAction::triggered, this, &EditCommands::Redo);
    connect(&history, &ScenarioHistory::Stepped, this, &EditCommands::ApplyTexts);
    qApp->installEventFilter(this);
}

void EditCommands::ApplyTexts()
{
    m_form.mnuEdit->setTitle(Language::LoadResString(rsMnuEdit));
    m_form.mnuEditUndo->setText(Caption(rsMnuEditUndo, m_history.UndoName()));
    m_form.mnuEditRedo->setText(Caption(rsMnuEditRedo, m_history.RedoName()));
    m_form.mnuEditUndo->setEnabled(m_history.Stack().canUndo());
    m_form.mnuEditRedo->setEnabled(m_history.Stack().canRedo());
}

// What is still being typed is a step of its own, taken back first.
void EditCommands::Undo()
{
    if (m_scenario.CommitPendingEdit())
        m_history.Undo();
}

void EditCommands::Redo()
{
    if (m_scenario.CommitPendingEdit())
        m_history.Redo();
}

// Run before the focused field sees the key: left unaccepted, the key goes
// on to the menu's shortcut.
bool EditCommands::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride || watched != QApplication::focusWidget())
        return QObject::eventFilter(watched, event);
    auto* field = static_cast<QWidget*>(watched);
    const Direction direction = DirectionOf(static_cast<QKeyEvent*>(event));
    if (field->window() == &m_window && direction != Direction::None && !HasOwnHistory(field, direction))
        return true;
    return QObject::eventFilter(watched, event);
}
