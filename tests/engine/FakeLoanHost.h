#pragma once

#include "engine/LoanHost.h"

#include <QDate>

// A window stand-in with fixed values, canned English or Spanish texts and
// counters for what a quote reports back.
class FakeLoanHost : public LoanHost
{
public:
    Money LoanAmount() const override { return loanAmount; }
    qint32 LoanTerm() const override { return loanTerm; }
    Money EscrowMonthly() const override { return escrowMonthly; }
    double Today() const override;
    double FirstPaymentDay() const override;
    QString LoadResString(int id) const override;
    void ShowPaymentNotice() override { ++paymentNotices; }
    void MarkScenarioChanged() override { ++scenarioChanges; }

    Money loanAmount = Money::FromDouble(100000);
    qint32 loanTerm = 360;
    Money escrowMonthly;
    QDate today = QDate(2026, 3, 31);
    // None: the payments start today.
    QDate firstPayment;
    bool spanish = false;

    int paymentNotices = 0;
    int scenarioChanges = 0;
};
