#include "print/PrintDialogs.h"

#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>

namespace {

PrintDialogs::Hook& InstalledHook()
{
    static PrintDialogs::Hook hook;
    return hook;
}

} // namespace

// No selection and no page range to print; copies go to the printer's
// driver. Printing to a file stays: on a machine without a printer it is
// the only way to print.
bool PrintDialogs::ChoosePrinter(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, 9999);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    return Show(dialog) == QDialog::Accepted;
}

void PrintDialogs::SetUpPage(QPrinter& printer, QWidget* parent)
{
    QPageSetupDialog dialog(&printer, parent);
    Show(dialog);
}

QString PrintDialogs::ChoosePdfFile(QWidget* parent, const QString& caption, const QString& filter,
                                    const QString& suggested)
{
    return ChooseSaveFile(parent, caption, filter, suggested, QStringLiteral("pdf"));
}

QString PrintDialogs::ChooseSaveFile(QWidget* parent, const QString& caption, const QString& filter,
                                     const QString& suggested, const QString& suffix)
{
    QFileDialog dialog(parent, caption, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(suggested);
    if (Show(dialog) != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

void PrintDialogs::Intercept(Hook hook)
{
    InstalledHook() = std::move(hook);
}

int PrintDialogs::Show(QDialog& dialog)
{
    if (InstalledHook())
        return InstalledHook()(dialog);
    return dialog.exec();
}
