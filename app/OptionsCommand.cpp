#include "app/OptionsCommand.h"

#include "app/LoanForm.h"
#include "app/WindowServices.h"
#include "dialogs/DialogNames.h"
#include "dialogs/frmOptions.h"
#include "store/Settings.h"

#include <QAction>
#include <QMouseEvent>
#include <QWidget>

#include <utility>

OptionsCommand::OptionsCommand(WindowServices& services, LoanForm& form)
    : QObject(&services.Window())
    , m_services(services)
    , m_form(form)
    , m_background(form.picBody)
{
    connect(m_form.mnuToolsOptions, &QAction::triggered, this, &OptionsCommand::Run);
    m_background->installEventFilter(this);
}

// A typed value is taken in first: the dialog may change the unit it was
// typed in.
frmOptions* OptionsCommand::Run()
{
    if (!m_services.CommitPendingEdit())
        return nullptr;
    const QString wallpaperBefore = m_services.ProgramSettings().Wallpaper;
    auto* dialog = new frmOptions(m_services.ProgramSettings(), &m_services.Window());
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
    m_services.StoreSettings();
    if (m_services.ProgramSettings().Wallpaper != wallpaperBefore)
        m_services.LoadWallpaper();
    m_services.RelayoutGrid();
    ShowTerms();
    if (accepted)
        m_services.ApplyLanguageTexts();
}

void OptionsCommand::ShowTerms()
{
    m_form.txtLoanTerm->ShowValue();
    m_form.txtCurLoanTerm->ShowValue();
    for (int d = 0; d <= m_form.LastRowIndex(); ++d)
        m_services.ShowTerm(d);
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
