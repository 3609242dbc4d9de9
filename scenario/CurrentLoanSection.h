#pragma once

#include "model/LoanDocument.h"

#include <QObject>
#include <QString>

class LoanForm;
class QComboBox;

// The current-loan section of the window: its fields show the document's
// current loan as the document signals it, the inputs the scheduled payment
// still lacks are highlighted, and the two frequency lists take the user's
// choice.
class CurrentLoanSection : public QObject
{
    Q_OBJECT

public:
    CurrentLoanSection(LoanForm& form, LoanDocument& document);

    // Highlights amount, term and rate where missing, as the scheduled
    // payment's computation does, without computing it.
    void ShowMissingInputs();
    // Both lists show the names of their stored codes.
    void RefreshFrequencyTexts();
    // Both lists in the language bound now, showing their codes' names.
    void RefillFrequencyLists();
    // The frequencies by their names in the active language.
    QString FrequencyName() const;
    void ChooseFrequency(const QString& name);
    QString ActualFrequencyName() const;
    void ChooseActualFrequency(const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Show(LoanDocument::Value value);
    void ShowPaymentInputs();
    // Fills both lists when empty, the scheduled one first.
    void FillFrequencyLists();
    // The list shows the name of the code, or is emptied for no code.
    void ShowFrequencyText(QComboBox* list, const QString& code);
    void ScheduledFrequencyChosen();
    void ActualFrequencyChosen();
    void NextPaymentPicked();
    void ClearFrequencyLists();

    LoanForm& m_form;
    LoanDocument& m_document;
};
