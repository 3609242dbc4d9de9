#include "sheet/RowColumn.h"

// The points and lender fields move on pressing an arrow, the rate, term and
// actual payment on releasing it; the box and the list keep the arrows for
// themselves.
const std::array<RowColumn, RowColumn::Count>& RowColumn::All()
{
    using A = Arrow;
    static const std::array<RowColumn, Count> columns = {{
        {300, true, rsChkPointsToolTip, A::Stays},          // chkPoints
        {900, true, rsPointsToolTip, A::OnPress},           // txtPoints
        {1050, true, rsInterestRateToolTip, A::OnRelease},  // txtInterestRate
        {750, true, rsTermToolTip, A::OnRelease},           // txtTerm
        {1650, true, rsFrequencyToolTip, A::Stays},         // cboFrequency
        {1350, false, rsPandIToolTip, A::Stays},            // txtPandI
        {1350, false, rsPaymentToolTip, A::Stays},          // txtPayment
        {1350, true, rsActualPaymentToolTip, A::OnRelease}, // txtActualPayment
        {1425, false, rsPayoffDateToolTip, A::Stays},       // txtPayoffDate
        {1500, false, rsInterestToolTip, A::Stays},         // txtInterest
        {2700, true, rsWhoDoubleClick, A::OnPress},         // txtWho
    }};
    return columns;
}
