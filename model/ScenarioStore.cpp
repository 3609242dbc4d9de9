#include "model/ScenarioStore.h"

#include "store/RegistryAPI.h"
#include "model/ScenarioName.h"
#include "model/ScenarioValueReader.h"
#include "store/Settings.h"
#include "model/StoredText.h"

#include <QtGlobal>

using RegistryAPI::Root;

namespace {

// Key names below this in character order are the blank filler the registry
// layer lists for a key without subkeys.
const QString FirstNameCharacter = QStringLiteral("!");

void WriteText(const QString& key, const QString& name, const QString& text)
{
    RegistryAPI::WriteValue(Root::CurrentUser, key, name, RegistryAPI::REG_SZ, text);
}

void WriteNumberText(const QString& key, const QString& name, double number)
{
    WriteText(key, name, StoredText::FromNumber(number));
}

void WriteMoney(const QString& key, const QString& name, Money amount)
{
    WriteNumberText(key, name, amount.ToDouble());
}

void WriteDword(const QString& key, const QString& name, const QVariant& number)
{
    RegistryAPI::WriteValue(Root::CurrentUser, key, name, RegistryAPI::REG_DWORD, number);
}

} // namespace

QString ScenarioStore::KeyPath(const QString& name)
{
    return Settings::ProgramKey + QLatin1Char('\\') + name;
}

bool ScenarioStore::Save(const QString& name, const ScenarioData& data)
{
    if (!Accepts(name))
        return false;
    const QString key = KeyPath(name);
    // Deleting the key first drops the values of quotes no longer there; the
    // transaction keeps that deletion from ever being seen on its own.
    RegistryAPI::Transaction transaction;
    if (RegistryAPI::KeyExists(Root::CurrentUser, key))
        RegistryAPI::DeleteKey(Root::CurrentUser, key);
    RegistryAPI::CreateKey(Root::CurrentUser, key);
    WriteScenario(key, name, data);
    qint32 count = 0;
    for (const ScenarioQuote& quote : data.Quotes) {
        if (quote.HoldsData())
            WriteQuote(key, ++count, quote);
    }
    WriteDword(key, ScenarioValueName::LoanCount, count);
    transaction.Commit();
    return true;
}

LoadedScenario ScenarioStore::Load(const QString& name)
{
    LoadedScenario loaded;
    if (!Accepts(name))
        return loaded;
    // One transaction: every value comes from the same saved version, even
    // when another copy of the program saves the scenario meanwhile.
    RegistryAPI::Transaction transaction;
    ReadScenario(KeyPath(name), loaded);
    transaction.Commit();
    return loaded;
}

void ScenarioStore::Delete(const QString& name)
{
    if (Exists(name))
        RegistryAPI::DeleteKey(Root::CurrentUser, KeyPath(name));
}

bool ScenarioStore::Exists(const QString& name)
{
    return Accepts(name) && RegistryAPI::KeyExists(Root::CurrentUser, KeyPath(name));
}

QStringList ScenarioStore::Names()
{
    const QStringList names = RegistryAPI::ListSubKeys(Root::CurrentUser, Settings::ProgramKey);
    if (names.isEmpty() || names.first() < FirstNameCharacter)
        return {};
    return names;
}

bool ScenarioStore::Accepts(const QString& name)
{
    return ScenarioName::Check(name) == ScenarioName::Verdict::Valid;
}

void ScenarioStore::WriteScenario(const QString& key, const QString& name, const ScenarioData& data)
{
    using ScenarioValueName::Of;
    WriteText(key, ScenarioValueName::LoanName, name);
    WriteText(key, Of(ScenarioField::LoanType), data.LoanType);
    WriteMoney(key, Of(ScenarioField::LoanAmount), data.LoanAmount);
    WriteNumberText(key, Of(ScenarioField::LoanTerm), data.LoanTerm);
    WriteMoney(key, Of(ScenarioField::EscrowTaxes), data.EscrowTaxes);
    WriteMoney(key, Of(ScenarioField::EscrowInsurance), data.EscrowInsurance);
    WriteMoney(key, Of(ScenarioField::CurrentLoanAmount), data.CurrentLoanAmount);
    WriteNumberText(key, Of(ScenarioField::CurrentTerm), data.CurrentTerm);
    // The current loan's rate is kept as the percentage the user typed.
    WriteNumberText(key, Of(ScenarioField::CurrentInterestRate), data.CurrentInterestRate * 100);
    WriteMoney(key, Of(ScenarioField::CurrentBalance), data.CurrentBalance);
    WriteMoney(key, Of(ScenarioField::CurrentActualPayment), data.CurrentActualPayment);
    WriteText(key, Of(ScenarioField::CurrentFrequency), data.CurrentFrequency);
    WriteText(key, Of(ScenarioField::CurrentActualFrequency), data.CurrentActualFrequency);
    WriteMoney(key, Of(ScenarioField::CurrentPayment), data.CurrentPayment);
    WriteText(key, Of(ScenarioField::CurrentNextPayment), StoredText::FromDate(data.CurrentNextPayment));
    // Only when set, so a scenario without them reads as before in every
    // copy of the program.
    if (data.FirstPayment != 0)
        WriteText(key, Of(ScenarioField::FirstPayment), StoredText::FromDate(data.FirstPayment));
    if (data.PropertyValue != Money())
        WriteMoney(key, Of(ScenarioField::PropertyValue), data.PropertyValue);
}

void ScenarioStore::WriteQuote(const QString& key, int number, const ScenarioQuote& quote)
{
    using ScenarioValueName::Of;
    WriteDword(key, Of(number, QuoteField::FinancePoints), quote.FinancePoints);
    WriteNumberText(key, Of(number, QuoteField::Points), quote.Points);
    WriteNumberText(key, Of(number, QuoteField::Term), quote.Term);
    // A quote's rate is kept as the fraction it holds.
    WriteNumberText(key, Of(number, QuoteField::InterestRate), quote.InterestRate);
    WriteText(key, Of(number, QuoteField::Frequency), quote.FrequencyCode);
    WriteMoney(key, Of(number, QuoteField::ActualPayment), quote.ActualPayment);
    WriteText(key, Of(number, QuoteField::Who), quote.Who);
    // Only when set, so a scenario without them reads as before in every
    // copy of the program.
    if (quote.ClosingCosts != Money())
        WriteMoney(key, Of(number, QuoteField::ClosingCosts), quote.ClosingCosts);
    if (quote.FinanceClosingCosts)
        WriteDword(key, Of(number, QuoteField::FinanceClosingCosts), 1);
    if (quote.LenderCredit != Money())
        WriteMoney(key, Of(number, QuoteField::LenderCredit), quote.LenderCredit);
    if (quote.MortgageInsurance != Money())
        WriteMoney(key, Of(number, QuoteField::MortgageInsurance), quote.MortgageInsurance);
    // Kept as the fraction it holds, as the quote's rate is.
    if (quote.DisclosedApr)
        WriteNumberText(key, Of(number, QuoteField::DisclosedApr), *quote.DisclosedApr);
}

void ScenarioStore::ReadScenario(const QString& key, LoadedScenario& loaded)
{
    using ScenarioValueName::Of;
    ScenarioValueReader read(key, loaded.Errors);
    ScenarioData& data = loaded.Data;
    data.LoanType = read.Text(Of(ScenarioField::LoanType));
    read.Read(Of(ScenarioField::LoanAmount), data.LoanAmount);
    read.Read(Of(ScenarioField::LoanTerm), data.LoanTerm);
    read.Read(Of(ScenarioField::EscrowTaxes), data.EscrowTaxes);
    read.Read(Of(ScenarioField::EscrowInsurance), data.EscrowInsurance);
    read.Read(Of(ScenarioField::CurrentLoanAmount), data.CurrentLoanAmount);
    read.Read(Of(ScenarioField::CurrentTerm), data.CurrentTerm);
    double percent = 0;
    if (read.Read(Of(ScenarioField::CurrentInterestRate), percent))
        data.CurrentInterestRate = percent / 100;
    read.Read(Of(ScenarioField::CurrentBalance), data.CurrentBalance);
    data.CurrentActualFrequency = read.Text(Of(ScenarioField::CurrentActualFrequency));
    data.CurrentFrequency = read.Text(Of(ScenarioField::CurrentFrequency));
    read.ReadDate(Of(ScenarioField::CurrentNextPayment), data.CurrentNextPayment);
    read.Read(Of(ScenarioField::CurrentPayment), data.CurrentPayment);
    read.Read(Of(ScenarioField::CurrentActualPayment), data.CurrentActualPayment);
    read.ReadDate(Of(ScenarioField::FirstPayment), data.FirstPayment);
    read.Read(Of(ScenarioField::PropertyValue), data.PropertyValue);

    const qint32 count = qBound(0, read.Number(ScenarioValueName::LoanCount), MaxQuotes);
    data.Quotes.resize(count);
    for (int index = 0; index < count; ++index)
        ReadQuote(key, index + 1, data.Quotes[index], loaded.Errors);
}

void ScenarioStore::ReadQuote(const QString& key, int number, ScenarioQuote& quote,
                              QList<ScenarioLoadError>& errors)
{
    using ScenarioValueName::Of;
    ScenarioValueReader read(key, errors);
    read.Read(Of(number, QuoteField::ActualPayment), quote.ActualPayment);
    read.Read(Of(number, QuoteField::Term), quote.Term);
    quote.FinancePoints = read.Number(Of(number, QuoteField::FinancePoints)) != 0;
    read.Read(Of(number, QuoteField::Points), quote.Points);
    read.Read(Of(number, QuoteField::InterestRate), quote.InterestRate);
    quote.FrequencyCode = read.Text(Of(number, QuoteField::Frequency));
    quote.Who = read.Text(Of(number, QuoteField::Who));
    read.Read(Of(number, QuoteField::ClosingCosts), quote.ClosingCosts);
    quote.FinanceClosingCosts = read.Number(Of(number, QuoteField::FinanceClosingCosts)) != 0;
    read.Read(Of(number, QuoteField::LenderCredit), quote.LenderCredit);
    read.Read(Of(number, QuoteField::MortgageInsurance), quote.MortgageInsurance);
    read.ReadIfPresent(Of(number, QuoteField::DisclosedApr), quote.DisclosedApr);
}
