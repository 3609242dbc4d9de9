#include "app/OptionsCommand.h"

#include "app/Loan.h"
#include "dialogs/DialogNames.h"
#include "dialogs/frmOptions.h"

#include <QAction>
#include <QMouseEvent>

#include <utility>

OptionsCommand::OptionsCommand(Loan& loan)
    : QObject(&loan)
    , m_loan(loan)
    , m_background(loan.centralWidget())
{
    connect(m_loan.mnuToolsOptions, &QAction::triggered, this, &OptionsCommand::Run);
    m_background->installEventFilter(this);
}

// A typed value is taken in first: the dialog may change the unit it was
// typed in.
frmOptions* OptionsCommand::Run()
{
    if (!m_loan.CommitPendingEdit())
        return nullptr;
    const QString wallpaperBefore = m_loan.ProgramSettings().Wallpaper;
    auto* dialog = new frmOptions(m_loan.ProgramSettings(), &m_loan);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    DialogNames::Apply(*dialog);
    dialog->setWindowModality(Qt::ApplicationModal);
    connect(dialog, &QDialog::finished, this,
            [this, wallpaperBefore](int result) { Closed(wallpaperBefore, result == QDialog::Accepted); });
    dialog->show();
    return dialog;
}

void OptionsCommand::Closed(const QString& wallpaperBefore, bool accepted)
{
    m_loan.StoreSettings();
    if (m_loan.ProgramSettings().Wallpaper != wallpaperBefore)
        m_loan.LoadWallpaper();
    m_loan.RelayoutGrid();
    ShowTerms();
    if (accepted)
        m_loan.ApplyLanguageTexts();
}

void OptionsCommand::ShowTerms()
{
    m_loan.txtLoanTerm->ShowValue();
    m_loan.txtCurLoanTerm->ShowValue();
    for (int d = 0; d <= m_loan.LoadedUpperIndex(); ++d)
        m_loan.ShowTerm(d);
}

// A click on the window itself, between the sections, not on any of its
// controls: pressed and released there with the left button. The background
// is known from the start: while the window is destroyed, its central
// widget still hides, but the window can no longer be asked for it.
bool OptionsCommand::eventFilter(QObject* watched, QEvent* event)
{
    QWidget* background = m_background;
    if (watched != background)
        return QObject::eventFilter(watched, event);
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool release = event->type() == QEvent::MouseButtonRelease;
    if (press || release) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = mouse->position().toPoint();
        const bool onBackground = mouse->button() == Qt::LeftButton && background->rect().contains(at)
                                  && !background->childAt(at);
        if (press)
            m_backgroundPressed = onBackground;
        else if (std::exchange(m_backgroundPressed, false) && onBackground)
            Run();
    }
    return QObject::eventFilter(watched, event);
}
