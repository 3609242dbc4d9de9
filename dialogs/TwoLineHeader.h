#pragma once

#include <QHeaderView>

class QStyleOptionHeader;

// Column headings of at most two lines: a heading of several words breaks at
// the space that leaves its longer line the shortest, so a long heading
// over short figures costs its column little width and a table of many
// columns fits a small screen in either language. A section is sized to its
// heading as drawn, with room for the sort arrow.
class TwoLineHeader : public QHeaderView
{
    Q_OBJECT

public:
    explicit TwoLineHeader(QWidget* parent);

    // The heading as it is drawn, its lines joined by '\n'.
    QString ShownText(int logicalIndex) const;

protected:
    QSize sectionSizeFromContents(int logicalIndex) const override;
    void initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const override;

private:
    QFontMetrics BoldMetrics() const;
    int ArrowRoom(const QStyleOptionHeader& option) const;
};
