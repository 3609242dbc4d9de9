#pragma once

#include <QObject>
#include <QString>

class Loan;
class QComboBox;

// The figures of the current loan that the window derives from what the user
// entered: the scheduled payment, and what is left to pay until the payoff,
// paying the actual payment from the next due date on. Also the two
// frequency lists of the section. The values are properties of the window.
class CurrentLoanSection : public QObject
{
    Q_OBJECT

public:
    explicit CurrentLoanSection(Loan& window);

    // The scheduled payment from amount, term and rate; the inputs still
    // missing are highlighted and the payment then keeps its last value.
    void RecalcCurrentPayment();
    // Payoff date, amount and interest left. A payment that never pays the
    // balance off, or figures beyond the range of money, leave the three
    // fields empty.
    void RecalcCurrentPayoff();
    // Highlights amount, term and rate where missing, as the scheduled
    // payment's computation does, without computing it.
    void ShowMissingInputs();
    // Both lists show the names of their stored codes.
    void RefreshFrequencyTexts();
    // Fills both lists when empty, the scheduled one first.
    void FillFrequencyLists();
    // The list shows the name of the code, or is emptied for no code.
    void ShowFrequencyText(QComboBox* list, const QString& code);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ScheduledFrequencyChosen();
    void ActualFrequencyChosen();
    void ShowNoPayoff(qint32 reason);

    Loan& m_window;
};
