#include "app/QuoteGrid.h"

#include "app/Language.h"
#include "app/LoanForm.h"
#include "app/MessageBox.h"
#include "scenario/LoanDocument.h"
#include "scenario/ScenarioData.h"
#include "scenario/Settings.h"
#include "sheet/QuoteRows.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLayout>
#include <QMainWindow>
#include <QPaintEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {

constexpr int QuoteBlock = 10;
constexpr int LargestRowIndex = ScenarioData::MaxQuotes - 1;

// The user sees only the finished arrangement: a window on screen stops
// painting while rows and sizes change and paints once at the end. A window
// not yet shown is left alone, so arranging never shows it early.
class FrozenWindow
{
public:
    explicit FrozenWindow(QWidget* window)
        : m_window(window->isVisible() ? window : nullptr)
    {
        if (m_window)
            m_window->setUpdatesEnabled(false);
    }
    ~FrozenWindow()
    {
        if (m_window)
            m_window->setUpdatesEnabled(true);
    }
    FrozenWindow(const FrozenWindow&) = delete;
    FrozenWindow& operator=(const FrozenWindow&) = delete;

private:
    QWidget* m_window;
};

void SetHeight(QWidget* control, int height)
{
    control->resize(control->width(), height);
}

} // namespace

QuoteGrid::QuoteGrid(QMainWindow& window, LoanForm& form, QuoteRows& rows, Settings& settings,
                     LoanDocument& document)
    : m_window(window)
    , m_form(form)
    , m_rows(rows)
    , m_settings(settings)
    , m_document(document)
{
    QScrollBar* scrollBar = m_form.vsbLoans;
    // While the thumb is dragged the canvas follows it pixel by pixel; the
    // value, and with it the snap to a whole row, changes on release.
    scrollBar->setTracking(false);
    connect(scrollBar, &QScrollBar::valueChanged, this, &QuoteGrid::ScrollChanged);
    connect(scrollBar, &QScrollBar::sliderMoved, this, &QuoteGrid::MoveCanvas);
    connect(&m_rows, &QuoteRows::RowEntered, this, &QuoteGrid::RowEntered);
    m_form.picScroll->installEventFilter(this);
    m_window.centralWidget()->installEventFilter(this);
}

int QuoteGrid::DisplayedUpperIndex() const
{
    return m_settings.DisplayedUpperIndex;
}

void QuoteGrid::Arrange()
{
    m_form.ArrangeGrid();
    m_rowHeight = std::max(1, m_form.cboFrequency[0]->height());
    m_form.vsbLoans->setSingleStep(m_rowHeight);
}

void QuoteGrid::Relayout()
{
    const int displayed = DisplayedUpperIndex();
    if (displayed == m_laidOutUpperIndex)
        return;
    const FrozenWindow frozen(&m_window);
    CreateRowsUpTo(displayed);
    ResizeGridBy((displayed - m_laidOutUpperIndex) * m_rowHeight);
    GrowQuotes(m_laidOutUpperIndex, std::max(displayed, m_loadedUpperIndex));
    m_laidOutUpperIndex = displayed;

    ResetScrollBar();
    m_window.centralWidget()->update();
}

void QuoteGrid::LoadRowsUpTo(int upperIndex)
{
    const FrozenWindow frozen(&m_window);
    GrowQuotes(m_loadedUpperIndex, std::min(upperIndex, LargestRowIndex));
    CreateRowsUpTo(upperIndex);
    ResetScrollBar();
}

void QuoteGrid::CreateRowsUpTo(int upperIndex)
{
    const int last = std::min(upperIndex, LargestRowIndex);
    while (m_loadedUpperIndex < last)
        CreateRow(++m_loadedUpperIndex);
}

// A copy of the row above, directly below it, empty, with the tooltips and
// What's-this texts row 0 has at this moment.
void QuoteGrid::CreateRow(int i)
{
    m_form.AddRowFields();
    const std::vector<QWidget*> above = m_form.RowFields(static_cast<std::size_t>(i - 1));
    const std::vector<QWidget*> first = m_form.RowFields(0);
    const std::vector<QWidget*> fields = m_form.RowFields(static_cast<std::size_t>(i));
    const int pitch = m_form.cboFrequency[i - 1]->height();
    for (std::size_t column = 0; column < fields.size(); ++column) {
        fields[column]->setGeometry(above[column]->geometry().translated(0, pitch));
        fields[column]->setToolTip(first[column]->toolTip());
        fields[column]->setWhatsThis(first[column]->whatsThis());
        fields[column]->show();
    }
    QWidget* canvas = m_form.picCanvas;
    SetHeight(canvas, canvas->height() + m_form.cboFrequency[i]->height());

    // Tab goes through the new row right after the row above it.
    QWidget* previous = m_form.txtWho[i - 1];
    for (QWidget* field : m_rows.InputFields(i)) {
        QWidget::setTabOrder(previous, field);
        previous = field;
    }
    m_rows.SetUpRow(i);
}

// The grid never has more rows than its limit; the quote list grows even
// then, as it always has.
void QuoteGrid::AppendRow()
{
    GrowQuotes(m_loadedUpperIndex, m_loadedUpperIndex + 1);
    if (m_loadedUpperIndex >= LargestRowIndex)
        return;
    CreateRow(++m_loadedUpperIndex);
    SetScrollRange();
    ScrollChanged(m_form.vsbLoans->value());
}

void QuoteGrid::RowEntered(int d)
{
    if (d == m_loadedUpperIndex)
        AppendRow();
    BringIntoView(d);
}

void QuoteGrid::BringIntoView(int i)
{
    QScrollBar* scrollBar = m_form.vsbLoans;
    const double top = static_cast<double>(scrollBar->value()) / m_rowHeight;
    if (top > i)
        scrollBar->setValue(m_rowHeight * i);
    else if (top + DisplayedUpperIndex() < i)
        scrollBar->setValue(m_rowHeight * (i - DisplayedUpperIndex()));
}

// The list grows in whole blocks of quotes and never gives one up.
void QuoteGrid::GrowQuotes(int from, int to)
{
    if (to <= from)
        return;
    const int blocks = (to - from + QuoteBlock - 1) / QuoteBlock;
    const std::size_t count = static_cast<std::size_t>(from + blocks * QuoteBlock + 1);
    m_document.GrowQuotes(count);
}

// The viewport, the scroll bar beside it and so the window change by the
// height of the rows shown or no longer shown at once.
void QuoteGrid::ResizeGridBy(int pixels)
{
    SetHeight(m_form.picScroll, m_form.picScroll->height() + pixels);
    SetHeight(m_form.vsbLoans, m_form.vsbLoans->height() + pixels);
    m_form.fraGrid->setFixedHeight(m_form.fraGrid->minimumHeight() + pixels);
    FitWindow();
}

// A window on screen takes its new size at once, smaller as well as larger;
// one not yet shown gets it when it is shown.
void QuoteGrid::FitWindow()
{
    if (!m_window.isVisible())
        return;
    m_window.centralWidget()->layout()->activate();
    m_window.layout()->activate();
    m_window.resize(m_window.sizeHint());
}

// One page is all the rows shown at once; the rows below them are the range.
void QuoteGrid::SetScrollRange()
{
    QScrollBar* scrollBar = m_form.vsbLoans;
    const int displayed = DisplayedUpperIndex();
    scrollBar->setMaximum(std::max(0, m_loadedUpperIndex - displayed) * m_rowHeight);
    scrollBar->setPageStep((displayed + 1) * m_rowHeight);
}

void QuoteGrid::ResetScrollBar()
{
    SetScrollRange();
    m_form.vsbLoans->setValue(0);
    ScrollChanged(0);
}

// The view always rests on a whole row: a value between two rows goes to the
// nearer one, an exact half to the even row.
void QuoteGrid::ScrollChanged(int value)
{
    QScrollBar* scrollBar = m_form.vsbLoans;
    if (scrollBar->maximum() == 0) {
        scrollBar->setEnabled(false);
        MoveCanvas(0);
        return;
    }
    scrollBar->setEnabled(true);
    const int snapped = static_cast<int>(std::nearbyint(static_cast<double>(value) / m_rowHeight)) * m_rowHeight;
    if (snapped != value) {
        scrollBar->setValue(snapped);
        return;
    }
    MoveCanvas(value);
}

void QuoteGrid::MoveCanvas(int value)
{
    QWidget* canvas = m_form.picCanvas;
    const QRect inside = m_form.picScroll->contentsRect();
    canvas->move(inside.left(), inside.top() - value);
    // Rows scrolled out of the viewport must not paint over its frame.
    canvas->setMask(QRect(0, value, canvas->width(), inside.height()));
}

void QuoteGrid::LoadWallpaper()
{
    Settings& settings = m_settings;
    const int error = m_wallpaper.Load(settings.Wallpaper);
    if (error != Wallpaper::NoError) {
        MessageBox::Ok(Wallpaper::FailureText(error, settings.Wallpaper,
                                              [](int id) { return Language::LoadResString(id); }));
        settings.Wallpaper.clear();
    }
    m_window.centralWidget()->update();
}

// The wheel over the rows scrolls the rows; the window's background carries
// the wallpaper.
bool QuoteGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_form.picScroll && event->type() == QEvent::Wheel) {
        QCoreApplication::sendEvent(m_form.vsbLoans, event);
        return true;
    }
    if (watched == m_window.centralWidget() && event->type() == QEvent::Paint
        && !m_settings.Wallpaper.isEmpty()) {
        QPainter painter(m_window.centralWidget());
        m_wallpaper.Tile(painter, static_cast<QPaintEvent*>(event)->rect());
    }
    return QObject::eventFilter(watched, event);
}
