#include "FakeLoanHost.h"

#include "engine/DayCount.h"
#include "langlib/Resources.h"

double FakeLoanHost::Today() const
{
    return DayCount::FromDate(today);
}

double FakeLoanHost::FirstPaymentDay() const
{
    return firstPayment.isValid() ? DayCount::FromDate(firstPayment) : Today();
}

QString FakeLoanHost::LoadResString(int id) const
{
    switch (id) {
    case rsActualLessThanCalculated:
        return spanish ? QStringLiteral("El pago actual no puede ser menor que el calculado.")
                       : QStringLiteral("Actual payment cannot be less than calculated payment.");
    case rsTermBimonthly: return spanish ? QStringLiteral("Bimestral") : QStringLiteral("Bimonthly");
    case rsTermBiweekly: return spanish ? QStringLiteral("Bisemanal") : QStringLiteral("Biweekly");
    case rsTermMonthly: return spanish ? QStringLiteral("Mensual") : QStringLiteral("Monthly");
    case rsTermQuadweekly: return spanish ? QStringLiteral("Cuadsemanal") : QStringLiteral("Quadweekly");
    default: return QString();
    }
}
