#pragma once

#include <QObject>

class LoanForm;
class QAction;
class QPushButton;
class QWidget;
class ScenarioCommands;

// The two sorts of the quote rows as entries of the Tools menu, so that
// they can be chosen from the keyboard: the heading buttons above the rows
// take no focus. Each entry does what clicking its button does, and is
// checked while its sort is active.
class SortCommands : public QObject
{
    Q_OBJECT

public:
    SortCommands(QWidget& window, LoanForm& form, ScenarioCommands& scenario);

private:
    QAction* NewEntry(const char* name, const char* caption, QPushButton* button);
    void ShowTexts();

    LoanForm& m_form;
    ScenarioCommands& m_scenario;
    QAction* m_payoff = nullptr;
    QAction* m_interest = nullptr;
};
