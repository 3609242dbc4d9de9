#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

// Every message box of the program goes through here, so all of them carry
// the program's title and tests can answer them without a modal dialog ever
// waiting on screen.
class MessageBox
{
public:
    // What one box showed, as a test sees it.
    struct Shown
    {
        QString text;
        QString title;
        QMessageBox::StandardButtons buttons;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
    };

    static QString ProgramTitle();

    // A notice with an OK button only, no icon and the program's title.
    static void Ok(const QString& text);
    // A question with the question icon; returns the button the user chose.
    static QMessageBox::StandardButton Question(const QString& text, const QString& title,
                                                QMessageBox::StandardButtons buttons);

    // Asks for a line of text, offering `initial`; nothing when cancelled.
    static std::optional<QString> AskText(const QString& label, const QString& title, const QString& initial);

    // How an intercepted box treats the window's focus: left alone, or taken
    // by a stand-in window while the box is open and given back when it
    // closes, as a real box does.
    enum class Focus { Kept, Taken };

    // Test hook: from the first call on, no box is shown any more; each box
    // is recorded. A notice is answered OK; a question takes the next preset
    // answer, or its escape button when none is left.
    static void Intercept(const QList<QMessageBox::StandardButton>& answers = {}, Focus focus = Focus::Kept);
    // Test hook: intercepted prompts for text take these answers in turn,
    // and are cancelled once none is left.
    static void AnswerPrompts(const QStringList& answers);
    static QList<Shown> Recorded();
    // The box as the user sees it, wide enough for its title.
    static std::unique_ptr<QMessageBox> Dialog(const Shown& box);
    static QStringList RecordedTexts();
    static void ClearRecorded();

private:
    static QMessageBox::StandardButton Show(const Shown& box);
    static void TakeFocusWhileOpen(const Shown& box);
};
