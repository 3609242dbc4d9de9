#include "app/SortCommands.h"

#include "app/Language.h"
#include "app/LoanForm.h"
#include "langlib/ResourceIds.h"
#include "scenario/ScenarioCommands.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

// Above the Language entry, with their design captions until the menu first
// opens; the library is not asked while the window is still being built.
SortCommands::SortCommands(QWidget& window, LoanForm& form, ScenarioCommands& scenario)
    : QObject(&window)
    , m_form(form)
    , m_scenario(scenario)
{
    setObjectName(QStringLiteral("SortCommands"));
    m_payoff = NewEntry("mnuToolsSortPayoff", "Sort by &Payoff Date", form.cmdPayoffDate);
    m_interest = NewEntry("mnuToolsSortInterest", "Sort by &Interest", form.cmdInterest);
    connect(form.mnuTools, &QMenu::aboutToShow, this, &SortCommands::ShowTexts);
}

// A figure still being typed is taken in first, as the click that takes the
// focus from its field does.
QAction* SortCommands::NewEntry(const char* name, const char* caption, QPushButton* button)
{
    auto* entry = new QAction(QString::fromUtf8(caption), m_form.mnuTools);
    entry->setObjectName(QLatin1String(name));
    entry->setCheckable(true);
    entry->setChecked(button->isChecked());
    m_form.mnuTools->insertAction(m_form.mnuToolsLanguage->menuAction(), entry);
    connect(entry, &QAction::triggered, this, [this, entry, button] {
        entry->setChecked(button->isChecked());
        if (m_scenario.CommitPendingEdit())
            button->click();
    });
    connect(button, &QPushButton::toggled, entry, &QAction::setChecked);
    return entry;
}

void SortCommands::ShowTexts()
{
    m_payoff->setText(Language::LoadResString(rsMnuToolsSortPayoff));
    m_interest->setText(Language::LoadResString(rsMnuToolsSortInterest));
}
