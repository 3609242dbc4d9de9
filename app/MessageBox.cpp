#include "app/MessageBox.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QGridLayout>
#include <QtMath>
#include <QInputDialog>
#include <QWidget>

namespace {

struct Interception
{
    bool active = false;
    MessageBox::Focus focus = MessageBox::Focus::Kept;
    QList<QMessageBox::StandardButton> answers;
    QStringList prompts;
    QList<MessageBox::Shown> recorded;
};

Interception& Hook()
{
    static Interception hook;
    return hook;
}

// The answer a box gets when the user dismisses it without choosing.
QMessageBox::StandardButton EscapeAnswer(QMessageBox::StandardButtons buttons)
{
    if (buttons & QMessageBox::Cancel)
        return QMessageBox::Cancel;
    if (buttons & QMessageBox::No)
        return QMessageBox::No;
    return QMessageBox::Ok;
}

// Lets the window system deliver what activation brings, within a second.
void AwaitActive(QWidget* window)
{
    const QDeadlineTimer deadline(1000);
    while (window && !window->isActiveWindow() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace

QString MessageBox::ProgramTitle()
{
    return QStringLiteral("Loan");
}

void MessageBox::Ok(const QString& text)
{
    Show({text, ProgramTitle(), QMessageBox::Ok, QMessageBox::NoIcon});
}

QMessageBox::StandardButton MessageBox::Question(const QString& text, const QString& title,
                                                 QMessageBox::StandardButtons buttons)
{
    return Show({text, title, buttons, QMessageBox::Question});
}

void MessageBox::Intercept(const QList<QMessageBox::StandardButton>& answers, Focus focus)
{
    Hook().active = true;
    Hook().answers = answers;
    Hook().prompts.clear();
    Hook().focus = focus;
}

std::optional<QString> MessageBox::AskText(const QString& label, const QString& title, const QString& initial)
{
    Interception& hook = Hook();
    if (hook.active) {
        hook.recorded << Shown{label, title, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::NoIcon};
        if (hook.prompts.isEmpty())
            return std::nullopt;
        return hook.prompts.takeFirst();
    }
    bool ok = false;
    const QString text =
        QInputDialog::getText(QApplication::activeWindow(), title, label, QLineEdit::Normal, initial, &ok);
    return ok ? std::optional<QString>(text) : std::nullopt;
}

void MessageBox::AnswerPrompts(const QStringList& answers)
{
    Hook().prompts = answers;
}

QList<MessageBox::Shown> MessageBox::Recorded()
{
    return Hook().recorded;
}

QStringList MessageBox::RecordedTexts()
{
    QStringList texts;
    for (const Shown& box : Hook().recorded)
        texts << box.text;
    return texts;
}

void MessageBox::ClearRecorded()
{
    Hook().recorded.clear();
}

QMessageBox::StandardButton MessageBox::Show(const Shown& box)
{
    Interception& hook = Hook();
    if (hook.active) {
        hook.recorded << box;
        if (hook.focus == Focus::Taken)
            TakeFocusWhileOpen(box);
        if (box.buttons == QMessageBox::Ok)
            return QMessageBox::Ok;
        return hook.answers.isEmpty() ? EscapeAnswer(box.buttons) : hook.answers.takeFirst();
    }
    const std::unique_ptr<QMessageBox> dialog = Dialog(box);
    return static_cast<QMessageBox::StandardButton>(dialog->exec());
}

// A box is as wide as its text wants; a short text under a long title would
// have the window system cut the title. Title bars use a larger font than
// the box and keep room for their buttons.
std::unique_ptr<QMessageBox> MessageBox::Dialog(const Shown& box)
{
    constexpr double TitleFontScale = 1.25;
    constexpr int TitleBarButtons = 160;
    auto dialog = std::make_unique<QMessageBox>(box.icon, box.title, box.text, box.buttons, QApplication::activeWindow());
    const int title = qCeil(dialog->fontMetrics().horizontalAdvance(box.title) * TitleFontScale) + TitleBarButtons;
    if (auto* grid = qobject_cast<QGridLayout*>(dialog->layout()))
        grid->addItem(new QSpacerItem(title, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
    return dialog;
}

void MessageBox::TakeFocusWhileOpen(const Shown& box)
{
    QWidget* owner = QApplication::activeWindow();
    QWidget standIn;
    standIn.setWindowTitle(box.title);
    standIn.setFocusPolicy(Qt::StrongFocus);
    standIn.show();
    standIn.activateWindow();
    AwaitActive(&standIn);
    standIn.hide();
    if (owner) {
        owner->activateWindow();
        AwaitActive(owner);
    }
}
