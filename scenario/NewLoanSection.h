#pragma once

#include "scenario/LoanDocument.h"

#include <QObject>

class Loan;

// The new-loan section of the window: its fields show the document's new
// loan as the document signals it, and the loan type list is filled in the
// active language when the user is about to choose, showing the name of the
// stored code.
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
    void Show(LoanDocument::Value value);
    void TypeChosen();

    Loan& m_window;
};
