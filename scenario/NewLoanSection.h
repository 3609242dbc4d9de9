#pragma once

#include <QObject>

class Loan;

// The loan type list of the new-loan section: filled in the active language
// when the user is about to choose, and showing the name of the stored code.
// The section's values are properties of the window; this is what the list
// does with them.
class NewLoanSection : public QObject
{
    Q_OBJECT

public:
    explicit NewLoanSection(Loan& window);

    // Adds the six names when the list is empty; a filled list is left as it
    // is, in whatever language filled it.
    void FillLoanTypeList();
    // Shows the name of the stored code, or an empty list for no code.
    void RefreshLoanTypeText();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void TypeChosen();

    Loan& m_window;
};
