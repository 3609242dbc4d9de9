#include "dialogs/TwoLineHeader.h"

#include <QStyle>
#include <QStyleOptionHeader>

#include <algorithm>

namespace {

QString SplitInTwo(const QString& text, const QFontMetrics& metrics)
{
    QString best = text;
    int bestWidth = metrics.horizontalAdvance(text);
    for (int at = text.indexOf(QLatin1Char(' ')); at > 0; at = text.indexOf(QLatin1Char(' '), at + 1)) {
        const QString first = text.left(at);
        const QString second = text.mid(at + 1);
        const int width = std::max(metrics.horizontalAdvance(first), metrics.horizontalAdvance(second));
        if (width < bestWidth) {
            bestWidth = width;
            best = first + QLatin1Char('\n') + second;
        }
    }
    return best;
}

} // namespace

TwoLineHeader::TwoLineHeader(QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(true);
    setHighlightSections(true);
    // Both lines are drawn whole; the section is sized to them.
    setTextElideMode(Qt::ElideNone);
    setDefaultAlignment(Qt::AlignCenter);
}

QString TwoLineHeader::ShownText(int logicalIndex) const
{
    const QString text = model() ? model()->headerData(logicalIndex, orientation()).toString() : QString();
    return SplitInTwo(text.simplified(), BoldMetrics());
}

// The current column's heading is drawn bold, so every heading is measured so.
QFontMetrics TwoLineHeader::BoldMetrics() const
{
    QFont bold = font();
    bold.setBold(true);
    return QFontMetrics(bold);
}

void TwoLineHeader::initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const
{
    QHeaderView::initStyleOptionForIndex(option, logicalIndex);
    option->text = ShownText(logicalIndex);
}

QSize TwoLineHeader::sectionSizeFromContents(int logicalIndex) const
{
    QStyleOptionHeaderV2 option;
    initStyleOption(&option);
    initStyleOptionForIndex(&option, logicalIndex);
    option.fontMetrics = BoldMetrics();
    // Room for the arrow is added below to every section alike, so no
    // column changes width when the table is sorted by another.
    option.sortIndicator = QStyleOptionHeader::None;
    QSize size = style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), this);
    if (isSortIndicatorShown()) {
        // The arrow's room may grow with the height, which is two lines as
        // soon as any heading breaks.
        QStyleOptionHeaderV2 twoLines = option;
        twoLines.text = QStringLiteral("X\nX");
        const int height = style()->sizeFromContents(QStyle::CT_HeaderSection, &twoLines, QSize(), this).height();
        option.rect = QRect(0, 0, size.width(), std::max(size.height(), height));
        size.rwidth() += ArrowRoom(option);
    }
    return size;
}

// What the style takes from the heading's room when the section shows the
// sort arrow.
int TwoLineHeader::ArrowRoom(const QStyleOptionHeader& option) const
{
    QStyleOptionHeader sorted = option;
    sorted.sortIndicator = QStyleOptionHeader::SortDown;
    QStyleOptionHeader plain = option;
    plain.sortIndicator = QStyleOptionHeader::None;
    return style()->subElementRect(QStyle::SE_HeaderLabel, &plain, this).width()
           - style()->subElementRect(QStyle::SE_HeaderLabel, &sorted, this).width();
}
