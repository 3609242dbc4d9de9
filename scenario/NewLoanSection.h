#pragma once

#include "model/LoanDocument.h"

#include <QObject>

class LoanForm;
class QCalendarWidget;

// The new-loan section of the window: its fields show the document's new
// loan as the document signals it, the first payment date among them (empty
// until picked, emptied again with Delete or Backspace over the whole date), and the loan type list is filled in the
// active language when the user is about to choose, showing the name of the
// stored code.
class NewLoanSection : public QObject
{
    Q_OBJECT

public:
    NewLoanSection(LoanForm& form, LoanDocument& document);

    // Adds the six names when the list is empty; a filled list is left as it
    // is, in whatever language filled it.
    void FillLoanTypeList();
    // Shows the name of the stored code, or an empty list for no code.
    void RefreshLoanTypeText();
    // The list in the language bound now, showing the stored code's name.
    void RefillLoanTypeList();
    // The name of the stored code in the active language; empty for none.
    QString LoanTypeName() const;
    // A type chosen by its name: always a change, even the same one again.
    void ChooseLoanType(const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Show(LoanDocument::Value value);
    void TypeChosen();
    void FirstPaymentPicked();
    void WatchNewCalendar(QEvent* event);
    // The field's tool tip, and its mark for a date more than a year ahead.
    void ShowFirstPaymentTip();
    bool LeaveEmptyFirstPayment(int key);
    bool FirstPaymentKey(QEvent* event);

    LoanForm& m_form;
    LoanDocument& m_document;
    QCalendarWidget* m_calendar = nullptr;
};
