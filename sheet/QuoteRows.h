#pragma once

#include "app/FocusReturn.h"
#include "engine/Money.h"
#include "model/LoanDocument.h"

#include <QEvent>
#include <QObject>

#include <functional>
#include <set>
#include <vector>

class CLoan;
class LoanForm;
class QLineEdit;
class Settings;

// The quote rows of the comparison sheet: what each field of a row shows,
// what leaving a field does to the quote behind the row, the raised actual
// payment's highlight, the arrow keys between rows and the two sorts, whose
// buttons stay pressed while their sort is active. A row
// holds nothing of its own; every row d shows and edits the quote that the
// sort order gives for it.
class QuoteRows : public QObject
{
    Q_OBJECT

public:
    QuoteRows(LoanForm& form, LoanDocument& document, const Settings& settings);

    // Gives the fields of row d their looks and handlers; once per row.
    void SetUpRow(int d);
    // The fields of row d the user types into, in the order Tab visits them.
    std::vector<QWidget*> InputFields(int d) const;

    void ShowFinancePoints(int d);
    void ShowPoints(int d);
    void ShowInterestRate(int d);
    void ShowTerm(int d);
    void ShowFrequency(int d);
    void ShowPandI(int d);
    void ShowPayment(int d);
    void ShowActualPayment(int d);
    void ShowPayoffDate(int d);
    void ShowInterest(int d);
    void ShowWho(int d);
    // The results of row d's quote, as the document computes them afresh.
    void RefreshQuoteRow(int d);
    // P&I, payment (with the raised actual payment's highlight), payoff date
    // and interest, as the document last computed them.
    void ShowResults(int d);
    // Every field of row d, after a sort or anything else that changes which
    // quote the row shows.
    void ShowQuoteRow(int d);
    void ClearQuoteRow(int d);
    // Takes what a finance-points box, frequency list or lender field shows
    // into its quote, as leaving it does; other widgets are ignored.
    void CommitFieldEdit(QWidget* field);

    // The language changed: each row's list gets the new names and shows its
    // quote's frequency again.
    void RefillFrequencyLists();
    // Every row's tooltips in the active language.
    void ApplyTexts();

    // Each sorts the rows, or, when its sort is the active one, returns
    // them to natural order.
    void SortByPayoff();
    void SortByInterest();

signals:
    // An input field of row d got the focus.
    void RowEntered(int d);
    // Row d has its looks and handlers; other handlers may join it now.
    void RowSetUp(int d);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int QuoteIndex(int d) const;
    CLoan& Quote(int d) const;
    const QuoteResults& Results(int d) const;
    void Edit(int d, const std::function<void(CLoan&)>& edit,
              LoanDocument::Recompute what = LoanDocument::Recompute::Everything);
    qint32 PandIReason(int d) const;
    int LastRow() const;
    // The frequency names, unless row d's list has them already.
    void FillFrequencyList(int d);
    // Index of the watched field among row d's columns; Count for none.
    int ColumnOf(const QObject* watched, int d) const;
    void BindNumberFields(int d);
    void SortOrUnsort(QuoteOrder::Mode by);
    void ShowSortedRows();
    void ShowSortChecks();

    void PointsLeft(int d, double points);
    void RateLeft(int d, double rate);
    void TermLeft(int d, qint32 term);
    void ActualPaymentLeft(int d, Money payment);
    void FinancePointsLeft(int d);
    void FinancePointsClicked(int d, bool ticked);
    void FrequencyLeft(int d);
    void WhoLeft(int d);

    bool MovesBetweenRows(QObject* watched, QEvent::Type type, int d) const;
    void MoveToRow(QObject* watched, int d, int target);
    void HighlightRaised(int d);
    void Timer1Fired();

    LoanForm& m_form;
    LoanDocument& m_document;
    const Settings& m_settings;
    // Rows whose actual payment shows the raised highlight until Timer1 fires.
    std::set<int> m_raisedRows;
    // The field that had the focus when the window lost it, until the focus
    // is back in the window.
    FocusReturn m_focusReturn;
};
