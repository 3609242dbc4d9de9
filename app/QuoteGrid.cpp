#include "app/QuoteGrid.h"

#include "app/AccessibleNames.h"
#include "app/Language.h"
#include "app/LoanForm.h"
#include "app/MessageBox.h"
#include "model/LoanDocument.h"
#include "model/ScenarioData.h"
#include "store/Settings.h"
#include "sheet/QuoteRows.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
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
    // From now on the grid's section knows its size of its own.
    m_form.fraGrid->installEventFilter(this);
    m_form.fraNewLoan->installEventFilter(this);
    m_form.fraCurrent->installEventFilter(this);
    KeepSectionsAtTheirWidth();
}

void QuoteGrid::Relayout()
{
    const int displayed = DisplayedUpperIndex();
    if (displayed == m_laidOutUpperIndex)
        return;
    const FrozenWindow frozen(&m_window);
    TakeRoom(0, 0);
    CreateRowsUpTo(displayed);
    ResizeGridBy((displayed - m_laidOutUpperIndex) * m_rowHeight);
    GrowQuotes(m_laidOutUpperIndex, std::max(displayed, m_loadedUpperIndex));
    m_laidOutUpperIndex = displayed;

    ResetScrollBar();
    GrowIntoSection();
    m_window.centralWidget()->update();
}

// The new loan and the current loan stay as wide as the three sections are
// in a window of its own size (the widest of them); only the grid takes the
// room of a larger window. Their captions' language decides that width.
void QuoteGrid::KeepSectionsAtTheirWidth()
{
    const int width = std::max({m_form.fraNewLoan->sizeHint().width(), m_form.fraGrid->minimumWidth(),
                                m_form.fraCurrent->sizeHint().width()});
    m_form.fraNewLoan->setMaximumWidth(width);
    m_form.fraCurrent->setMaximumWidth(width);
}

int QuoteGrid::ShownUpperIndex() const
{
    return DisplayedUpperIndex() + m_extraRows;
}

// The grid's section takes whatever room a window larger than its sections
// has: the rows shown grow by as many whole rows as fit, up to the grid's
// limit, and the lender column by the width. A window back at its size
// shows the grid as it was.
void QuoteGrid::GrowIntoSection()
{
    const QWidget* section = m_form.fraGrid;
    const int height = section->height() - section->minimumHeight();
    const int rows = std::clamp(height / m_rowHeight, 0, LargestRowIndex - DisplayedUpperIndex());
    TakeRoom(rows, std::max(0, section->width() - section->minimumWidth()));
}

void QuoteGrid::TakeRoom(int rows, int width)
{
    if (rows == m_extraRows && width == m_extraWidth)
        return;
    const FrozenWindow frozen(&m_window);
    GrowQuotes(m_loadedUpperIndex, DisplayedUpperIndex() + rows);
    CreateRowsUpTo(DisplayedUpperIndex() + rows);
    const int taller = (rows - m_extraRows) * m_rowHeight;
    const int wider = width - m_extraWidth;
    m_extraRows = rows;
    m_extraWidth = width;
    for (QWidget* who : m_form.txtWho)
        who->resize(who->width() + wider, who->height());
    m_form.lblWho->resize(m_form.lblWho->width() + wider, m_form.lblWho->height());
    m_form.picCanvas->resize(m_form.picCanvas->width() + wider, m_form.picCanvas->height());
    m_form.picScroll->resize(m_form.picScroll->width() + wider, m_form.picScroll->height() + taller);
    m_form.vsbLoans->setGeometry(m_form.vsbLoans->geometry().translated(wider, 0).adjusted(0, 0, 0, taller));
    SetScrollRange();
    ScrollChanged(m_form.vsbLoans->value());
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
    AccessibleNames::NameRow(m_form, static_cast<std::size_t>(i));
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
    else if (top + ShownUpperIndex() < i)
        scrollBar->setValue(m_rowHeight * (i - ShownUpperIndex()));
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
    m_form.fraGrid->setMinimumHeight(m_form.fraGrid->minimumHeight() + pixels);
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
    const int displayed = ShownUpperIndex();
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
    if (watched == m_form.fraGrid && event->type() == QEvent::Resize) {
        GrowIntoSection();
        return false;
    }
    if ((watched == m_form.fraNewLoan || watched == m_form.fraCurrent) && event->type() == QEvent::LayoutRequest)
        KeepSectionsAtTheirWidth();
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
