#include "app/WhoField.h"

#include <QFontMetrics>
#include <QScrollBar>
#include <QTextCursor>

#include <algorithm>

namespace {

constexpr int DocumentMargin = 2;

} // namespace

WhoField::WhoField(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(DocumentMargin);
    // The margins around the one-line viewport look like the text's ground.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    // Loading or clearing the text shows its first line too.
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!hasFocus())
            ShowFirstLine();
    });
}

void WhoField::ShowFirstLine()
{
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

void WhoField::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    ShowFirstLine();
}

void WhoField::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    FitToOneLine();
}

// The viewport ends below the first line: the rest of the row is margin.
// The document margin counts above the first line only; the next line
// starts right below it.
void WhoField::FitToOneLine()
{
    const int frame = frameWidth();
    const int inside = height() - 2 * frame;
    const int oneLine = DocumentMargin + QFontMetrics(font()).lineSpacing();
    const int spare = std::max(0, inside - oneLine);
    setViewportMargins(0, spare / 2, 0, spare - spare / 2);
}
