#pragma once

#include <QString>

#include <functional>

class QDialog;
class QPrinter;
class QWidget;

// The dialogs of the print commands, each prepared here and then shown
// modally; tests answer them through a hook instead, so that no dialog ever
// waits on screen.
class PrintDialogs
{
public:
    // The print dialog on the printer; true when the user chose to print.
    static bool ChoosePrinter(QPrinter& printer, QWidget* parent);
    // The page set-up of the printer; what the user chooses stays with it.
    static void SetUpPage(QPrinter& printer, QWidget* parent);
    // A PDF file to save into, with the suggested name; empty when cancelled.
    static QString ChoosePdfFile(QWidget* parent, const QString& caption, const QString& filter,
                                 const QString& suggested);
    // Any file to save into, given the suffix a name without one takes.
    static QString ChooseSaveFile(QWidget* parent, const QString& caption, const QString& filter,
                                  const QString& suggested, const QString& suffix);

    // Test hook: every dialog, prepared as for the user, goes to the hook,
    // whose answer is taken as the dialog's result. An empty hook shows
    // the dialogs again.
    using Hook = std::function<int(QDialog&)>;
    static void Intercept(Hook hook);

private:
    static int Show(QDialog& dialog);
};
