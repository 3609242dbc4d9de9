#include "app/FittedText.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>

namespace {

// Below this share of the field's own font a number gets hard to read.
constexpr qreal SmallestScale = 0.6;
constexpr qreal ScaleStep = 0.05;
// QLineEdit keeps this many pixels free on each side of its text.
constexpr int TextMargin = 2;
constexpr int CursorRoom = 2;

const QString OverflowMark = QStringLiteral("###");

QFont Scaled(const QFont& base, qreal scale)
{
    QFont font = base;
    if (base.pointSizeF() > 0)
        font.setPointSizeF(base.pointSizeF() * scale);
    else
        font.setPixelSize(qMax(1, qRound(base.pixelSize() * scale)));
    return font;
}

} // namespace

void FittedText::Apply(QLineEdit* field)
{
    new FittedText(field);
}

bool FittedText::IsOverflowing(const QLineEdit* field)
{
    const auto* fitted = field->findChild<FittedText*>(QString(), Qt::FindDirectChildrenOnly);
    return fitted && fitted->m_overflowing;
}

FittedText::FittedText(QLineEdit* field)
    : QObject(field)
    , m_field(field)
    , m_base(field->font())
{
    field->installEventFilter(this);
    connect(field, &QLineEdit::textChanged, this, &FittedText::Fit);
}

bool FittedText::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::Show:
        Fit();
        break;
    case QEvent::Paint:
        // A new placeholder text comes with a repaint and no signal.
        if (Shown() != m_fitted)
            Fit();
        if (m_overflowing) {
            PaintOverflow();
            return true;
        }
        break;
    case QEvent::ToolTip:
        return ShowTip(static_cast<QHelpEvent*>(event)->globalPos());
    default:
        break;
    }
    return false;
}

// Also the grey reason an empty field may show.
QString FittedText::Shown() const
{
    return m_field->text().isEmpty() ? m_field->placeholderText() : m_field->text();
}

// The room QLineEdit gives its text, less the pixel it keeps for the cursor.
bool FittedText::Fits(const QFont& font) const
{
    QStyleOptionFrame panel;
    panel.initFrom(m_field);
    panel.lineWidth = m_field->hasFrame() ? m_field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    const QRect contents =
        m_field->style()->subElementRect(QStyle::SE_LineEditContents, &panel, m_field) - m_field->textMargins();
    const int room = contents.width() - 2 * TextMargin - CursorRoom;
    return QFontMetrics(font).horizontalAdvance(Shown()) <= room;
}

void FittedText::Fit()
{
    m_fitted = Shown();
    const bool editing = m_field->hasFocus() && !m_field->isReadOnly();
    QFont font = m_base;
    bool overflowing = false;
    if (!editing && !Fits(font)) {
        qreal scale = 1;
        do {
            scale -= ScaleStep;
            font = Scaled(m_base, scale);
        } while (scale > SmallestScale && !Fits(font));
        // A reason in words may be cut; a number never is.
        overflowing = !Fits(font) && !m_field->text().isEmpty();
    }
    if (m_field->font() != font)
        m_field->setFont(font);
    if (overflowing != m_overflowing) {
        m_overflowing = overflowing;
        m_field->update();
    }
}

void FittedText::PaintOverflow()
{
    QPainter painter(m_field);
    QStyleOptionFrame panel;
    panel.initFrom(m_field);
    panel.lineWidth = m_field->hasFrame() ? m_field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    panel.midLineWidth = 0;
    panel.state |= QStyle::State_Sunken;
    if (m_field->isReadOnly())
        panel.state |= QStyle::State_ReadOnly;
    m_field->style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, m_field);
    const QRect room = m_field->rect().adjusted(TextMargin + panel.lineWidth, 0, -(TextMargin + panel.lineWidth), 0);
    painter.setPen(m_field->palette().color(QPalette::Text));
    painter.drawText(room, int(m_field->alignment()), OverflowMark);
}

// The whole text above the field's own tip, when the field cannot show it.
bool FittedText::ShowTip(const QPoint& at)
{
    if (m_field->font() == m_base && !m_overflowing)
        return false;
    const QString own = m_field->toolTip();
    QToolTip::showText(at, own.isEmpty() ? Shown() : Shown() + QLatin1Char('\n') + own, m_field);
    return true;
}
