#pragma once

#include "engine/CLoan.h"
#include "engine/Money.h"
#include "model/QuoteResults.h"

#include <QtGlobal>

#include <cstddef>
#include <memory>
#include <vector>

// Which quote each row of the sheet shows. Sorting never moves a quote: the
// quote list keeps its order and a sort fills one of the two order arrays and
// switches the mode, through which R maps a row to a quote. A sort is a
// snapshot; later edits do not move rows.
class QuoteOrder
{
public:
    using Quotes = std::vector<std::unique_ptr<CLoan>>;
    using Results = std::vector<QuoteResults>;

    enum Mode : qint32 {
        NaturalOrder = 1,
        LeastInterest = 2,
        SoonestPayoff = 3,
    };

    struct PayoffEntry
    {
        double key = 0;
        quint16 index = 0;
    };

    struct InterestEntry
    {
        Money key;
        quint16 index = 0;
    };

    // Keys of quotes without a result, so that they sink to the bottom and
    // those holding some data stay above the entirely empty ones.
    static constexpr double NoDateWithData = 2958464;   // 30 December 9999
    static constexpr double NoDateNoData = 2958465;     // 31 December 9999
    static constexpr Money NoInterestWithData = Money::FromRaw(Q_INT64_C(9999999980000));
    static constexpr Money NoInterestNoData = Money::FromRaw(Q_INT64_C(9999999990000));

    qint32 SortMode() const { return m_mode; }
    // The quote index row shows.
    quint16 R(quint16 row) const;

    // Keeps both arrays beside the quote list. A new position starts with its
    // own quote index, so a row appended while a sort is active shows its own
    // quote and no two rows share one.
    void Grow(std::size_t quoteCount);

    // Both sort the rows 0 to lastRow by the results of the quotes of the
    // same indexes, as the document last computed them.
    void SortByPayoff(const Quotes& quotes, const Results& results, int lastRow);
    void SortByInterest(const Quotes& quotes, const Results& results, int lastRow);
    // How many of the quotes a sort up to lastRow reorders.
    static std::size_t RowsToSort(std::size_t quoteCount, int lastRow);

    // Loading a scenario shows the quotes in their own order again.
    void ResetToNatural() { m_mode = NaturalOrder; }

    const std::vector<PayoffEntry>& PayoffOrder() const { return m_payoffOrder; }
    const std::vector<InterestEntry>& InterestOrder() const { return m_interestOrder; }

    // Anything entered that the sorts look at, or interest computed from it;
    // the rate and the frequency are not.
    static bool HasData(const CLoan& quote, const QuoteResults& results);

private:
    static double PayoffKey(const CLoan& quote, const QuoteResults& results);
    static Money InterestKey(const CLoan& quote, const QuoteResults& results);
    template <typename Entry, typename Key>
    void SortBy(std::vector<Entry>& order, const Quotes& quotes, const Results& results, int lastRow, Key key);

    qint32 m_mode = NaturalOrder;
    std::vector<PayoffEntry> m_payoffOrder;
    std::vector<InterestEntry> m_interestOrder;
};
