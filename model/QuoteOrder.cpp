#include "model/QuoteOrder.h"

#include "engine/NothingOnOverflow.h"

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

void QuoteOrder::SortByPayoff(const Quotes& quotes, int lastRow)
{
    SortBy(m_payoffOrder, quotes, lastRow, &QuoteOrder::PayoffKey);
    m_mode = SoonestPayoff;
}

void QuoteOrder::SortByInterest(const Quotes& quotes, int lastRow)
{
    SortBy(m_interestOrder, quotes, lastRow, &QuoteOrder::InterestKey);
    m_mode = LeastInterest;
}

// The rows shown take their keys afresh; the order beyond them stays.
template <typename Entry, typename Key>
void QuoteOrder::SortBy(std::vector<Entry>& order, const Quotes& quotes, int lastRow, Key key)
{
    const int count = RowsToSort(quotes, lastRow);
    Grow(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        order[i] = {key(*quotes[i]), static_cast<quint16>(i)};
    ExchangeSort(order, count);
}

bool QuoteOrder::HasData(const CLoan& quote)
{
    return quote.Points() != 0 || quote.Interest() != Money() || quote.Term() != 0
        || quote.ActualPayment() != Money() || !quote.Who().isEmpty();
}

double QuoteOrder::PayoffKey(CLoan& quote)
{
    // A quote whose figures leave the range of money sorts like any other
    // quote without a payoff date.
    const double date = NothingOnOverflow([&quote] { return quote.PayoffDate(); });
    if (date != 0)
        return date;
    return HasData(quote) ? NoDateWithData : NoDateNoData;
}

Money QuoteOrder::InterestKey(const CLoan& quote)
{
    if (quote.Interest() != Money())
        return quote.Interest();
    return HasData(quote) ? NoInterestWithData : NoInterestNoData;
}

int QuoteOrder::RowsToSort(const Quotes& quotes, int lastRow)
{
    return std::clamp(lastRow + 1, 0, static_cast<int>(quotes.size()));
}
