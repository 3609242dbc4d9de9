#include "model/QuoteOrder.h"

#include <algorithm>
#include <utility>

namespace {

// Repeated passes of neighbour exchanges until a pass swaps nothing. Only a
// strictly greater key moves down, so equal keys keep the quotes' own order.
template <typename Entry>
void ExchangeSort(std::vector<Entry>& order, int count)
{
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (int j = 0; j + 1 < count; ++j) {
            if (order[j].key > order[j + 1].key) {
                std::swap(order[j], order[j + 1]);
                swapped = true;
            }
        }
    }
}

template <typename Entry>
quint16 IndexAt(const std::vector<Entry>& order, quint16 row)
{
    return row < order.size() ? order[row].index : row;
}

template <typename Entry>
void GrowOrder(std::vector<Entry>& order, std::size_t count)
{
    for (std::size_t position = order.size(); position < count; ++position) {
        Entry entry;
        entry.index = static_cast<quint16>(position);
        order.push_back(entry);
    }
}

} // namespace

quint16 QuoteOrder::R(quint16 row) const
{
    switch (m_mode) {
    case LeastInterest:
        return IndexAt(m_interestOrder, row);
    case SoonestPayoff:
        return IndexAt(m_payoffOrder, row);
    default:
        return row;
    }
}

void QuoteOrder::Grow(std::size_t quoteCount)
{
    GrowOrder(m_payoffOrder, quoteCount);
    GrowOrder(m_interestOrder, quoteCount);
}

void QuoteOrder::SortByPayoff(const Quotes& quotes, const Results& results, int lastRow)
{
    SortBy(m_payoffOrder, quotes, results, lastRow, &QuoteOrder::PayoffKey);
    m_mode = SoonestPayoff;
}

void QuoteOrder::SortByInterest(const Quotes& quotes, const Results& results, int lastRow)
{
    SortBy(m_interestOrder, quotes, results, lastRow, &QuoteOrder::InterestKey);
    m_mode = LeastInterest;
}

// The rows shown take their keys afresh; the order beyond them stays.
template <typename Entry, typename Key>
void QuoteOrder::SortBy(std::vector<Entry>& order, const Quotes& quotes, const Results& results, int lastRow, Key key)
{
    const std::size_t count = std::min(RowsToSort(quotes.size(), lastRow), results.size());
    Grow(count);
    for (std::size_t i = 0; i < count; ++i)
        order[i] = {key(*quotes[i], results[i]), static_cast<quint16>(i)};
    ExchangeSort(order, static_cast<int>(count));
}

bool QuoteOrder::HasData(const CLoan& quote, const QuoteResults& results)
{
    return quote.Points() != 0 || results.Interest != Money() || quote.Term() != 0
        || quote.ActualPayment() != Money() || !quote.Who().isEmpty();
}

// A quote whose figures leave the range of money has no date, and sorts like
// any other quote without one.
double QuoteOrder::PayoffKey(const CLoan& quote, const QuoteResults& results)
{
    if (results.PayoffDate != 0)
        return results.PayoffDate;
    return HasData(quote, results) ? NoDateWithData : NoDateNoData;
}

Money QuoteOrder::InterestKey(const CLoan& quote, const QuoteResults& results)
{
    if (results.Interest != Money())
        return results.Interest;
    return HasData(quote, results) ? NoInterestWithData : NoInterestNoData;
}

std::size_t QuoteOrder::RowsToSort(std::size_t quoteCount, int lastRow)
{
    return lastRow < 0 ? 0 : std::min(static_cast<std::size_t>(lastRow) + 1, quoteCount);
}
