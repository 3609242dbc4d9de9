#include "dialogs/BalanceLegend.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>

namespace {

constexpr int Columns = 2;
constexpr int SampleWidth = 24;

QPixmap Sample(const QPen& pen, int height, qreal ratio)
{
    QPixmap sample(QSize(SampleWidth, height) * ratio);
    sample.setDevicePixelRatio(ratio);
    sample.fill(Qt::transparent);
    QPainter painter(&sample);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(pen);
    painter.drawLine(QPointF(1, height / 2.0), QPointF(SampleWidth - 1, height / 2.0));
    return sample;
}

} // namespace

BalanceLegend::BalanceLegend(QWidget* parent)
    : QWidget(parent)
    , m_grid(new QGridLayout(this))
{
    setObjectName(QStringLiteral("lgdBalance"));
    m_grid->setContentsMargins(0, 0, 0, 0);
    for (int column = 0; column < Columns; ++column)
        m_grid->setColumnStretch(2 * column + 1, 1);
}

void BalanceLegend::Show(const QList<QAbstractSeries*>& lines)
{
    Clear();
    const int height = fontMetrics().height();
    for (int k = 0; k < lines.size(); ++k) {
        const auto* line = static_cast<const QLineSeries*>(lines.at(k));
        auto* sample = new QLabel(this);
        sample->setPixmap(Sample(line->pen(), height, devicePixelRatioF()));
        sample->setAlignment(Qt::AlignTop);
        auto* name = new QLabel(line->name(), this);
        name->setObjectName(QStringLiteral("lblLegendName"));
        name->setTextFormat(Qt::PlainText);
        name->setWordWrap(true);
        name->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_grid->addWidget(sample, k / Columns, 2 * (k % Columns));
        m_grid->addWidget(name, k / Columns, 2 * (k % Columns) + 1);
    }
}

void BalanceLegend::Clear()
{
    while (QLayoutItem* item = m_grid->takeAt(0)) {
        delete item->widget();
        delete item;
    }
}
