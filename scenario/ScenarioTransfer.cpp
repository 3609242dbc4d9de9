#include "scenario/ScenarioTransfer.h"

#include "app/Loan.h"
#include "app/MessageBox.h"
#include "engine/CLoan.h"

ScenarioTransfer::ScenarioTransfer(Loan& window)
    : m_window(window)
{
}

void ScenarioTransfer::Apply(const LoadedScenario& loaded)
{
    m_loaded = &loaded;
    Loan& w = m_window;
    w.FillLoanTypeList();
    w.FillFrequencyList(w.cboCurPaymentFrequency);
    w.FillFrequencyList(w.cboActPaymentFrequency);
    w.SetCurrentBalance(Money());
    w.SetCurrentActualPayment(Money());
    ApplyNewLoan();
    ApplyCurrentLoan();
    ApplyQuotes();
    w.RefreshLoanTypeText();
    w.RefreshFrequencyTexts();
    w.ShowMissingCurrentInputs();
    w.SetScenarioChanged(false);
    m_loaded = nullptr;
}

void ScenarioTransfer::ApplyNewLoan()
{
    Loan& w = m_window;
    const ScenarioData& data = m_loaded->Data;
    w.SetLoanTypeCode(data.LoanType);
    Take(ScenarioField::LoanAmount, [&] { w.SetLoanAmount(data.LoanAmount); });
    Take(ScenarioField::LoanTerm, [&] { w.SetLoanTerm(data.LoanTerm); });
    Take(ScenarioField::EscrowTaxes, [&] { w.SetEscrowTaxes(data.EscrowTaxes); });
    Take(ScenarioField::EscrowInsurance, [&] { w.SetEscrowInsurance(data.EscrowInsurance); });
}

void ScenarioTransfer::ApplyCurrentLoan()
{
    Loan& w = m_window;
    const ScenarioData& data = m_loaded->Data;
    Take(ScenarioField::CurrentLoanAmount, [&] { w.SetCurrentLoanAmount(data.CurrentLoanAmount); });
    Take(ScenarioField::CurrentTerm, [&] { w.SetCurrentTerm(data.CurrentTerm); });
    Take(ScenarioField::CurrentInterestRate, [&] { w.SetCurrentInterestRate(data.CurrentInterestRate); });
    Take(ScenarioField::CurrentBalance, [&] { w.SetCurrentBalance(data.CurrentBalance); });
    w.SetCurrentFrequencyCodes(data.CurrentFrequency, data.CurrentActualFrequency);
    Take(ScenarioField::CurrentNextPayment, [&] { w.SetCurrentNextPayment(data.CurrentNextPayment); });
    Take(ScenarioField::CurrentPayment, [&] { w.SetCurrentPayment(data.CurrentPayment); });
    Take(ScenarioField::CurrentActualPayment, [&] { w.SetCurrentActualPayment(data.CurrentActualPayment); });
}

// The saved quotes fill the rows from the top in their saved order; the rows
// below them, and quotes that have no row, are emptied, so nothing of the
// scenario shown before survives into the next save.
void ScenarioTransfer::ApplyQuotes()
{
    Loan& w = m_window;
    const int count = static_cast<int>(m_loaded->Data.Quotes.size());
    if (count - 1 > w.LoadedUpperIndex())
        w.LoadRowsUpTo(count - 1);
    w.ResetSortOrder();
    for (int index = 0; index <= w.LoadedUpperIndex(); ++index) {
        w.FillFrequencyList(w.cboFrequency[static_cast<std::size_t>(index)]);
        if (index < count) {
            ApplyQuote(index);
        } else {
            EmptyQuote(*w.Quotes[static_cast<std::size_t>(index)]);
            w.ClearQuoteRow(index);
        }
    }
    for (std::size_t index = static_cast<std::size_t>(w.LoadedUpperIndex()) + 1; index < w.Quotes.size(); ++index)
        EmptyQuote(*w.Quotes[index]);
}

// The term is set before the rate, so a saved term is never replaced by the
// default term a quote takes when it first gets a rate.
void ScenarioTransfer::ApplyQuote(int index)
{
    Loan& w = m_window;
    CLoan& quote = *w.Quotes[static_cast<std::size_t>(index)];
    const ScenarioQuote& saved = m_loaded->Data.Quotes[index];
    quote.SetTerm(0);
    quote.SetPoints(0);
    quote.SetInterestRate(0);
    quote.SetFinancePoints(false);
    quote.SetClosingCosts(Money());
    quote.SetFinanceClosingCosts(false);
    Take(index, QuoteField::ActualPayment, [&] { quote.SetActualPayment(saved.ActualPayment); });
    Take(index, QuoteField::Term, [&] { quote.SetTerm(saved.Term); });
    quote.SetFinancePoints(saved.FinancePoints);
    Take(index, QuoteField::Points, [&] { quote.SetPoints(saved.Points); });
    quote.SetFinanceClosingCosts(saved.FinanceClosingCosts);
    Take(index, QuoteField::ClosingCosts, [&] { quote.SetClosingCosts(saved.ClosingCosts); });
    Take(index, QuoteField::InterestRate, [&] { quote.SetInterestRate(saved.InterestRate); });
    quote.SetFrequencyCode(saved.FrequencyCode);
    quote.SetWho(saved.Who);

    w.ShowFinancePoints(index);
    w.ShowPoints(index);
    w.ShowInterestRate(index);
    w.ShowTerm(index);
    w.ShowFrequency(index);
    w.ShowActualPayment(index);
    w.RefreshQuoteRow(index);
    w.ShowWho(index);
}

void ScenarioTransfer::EmptyQuote(CLoan& quote)
{
    // The rate goes first: with no payment left to compute, clearing the
    // actual payment cannot raise it again.
    quote.SetInterestRate(0);
    quote.SetPoints(0);
    quote.SetFinancePoints(false);
    quote.SetClosingCosts(Money());
    quote.SetFinanceClosingCosts(false);
    quote.SetTerm(0);
    quote.SetFrequencyCode(QString());
    quote.SetActualPayment(Money());
    quote.SetWho(QString());
}

template <typename Set>
void ScenarioTransfer::Take(ScenarioField field, Set set)
{
    if (const ScenarioLoadError* failure = m_loaded->Failure(field))
        Report(failure);
    else
        set();
}

template <typename Set>
void ScenarioTransfer::Take(int quoteIndex, QuoteField field, Set set)
{
    if (const ScenarioLoadError* failure = m_loaded->Failure(quoteIndex, field))
        Report(failure);
    else
        set();
}

void ScenarioTransfer::Report(const ScenarioLoadError* failure)
{
    MessageBox::Ok(failure->Message());
}
