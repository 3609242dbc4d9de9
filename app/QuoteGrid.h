#pragma once

#include "app/Wallpaper.h"

#include <QObject>

class LoanDocument;
class LoanForm;
class QMainWindow;
class QuoteRows;
class Settings;

// The grid of quote rows inside the main window: row 0 packed under its
// headings, the viewport sized to the rows shown at once, further rows made
// on demand as the user reaches the last one, the scroll bar that moves the
// canvas a whole row at a time, and the wallpaper tiled behind the window.
// Lengths are in screen pixels; the scroll bar's unit is one pixel.
class QuoteGrid : public QObject
{
    Q_OBJECT

public:
    QuoteGrid(QMainWindow& window, LoanForm& form, QuoteRows& rows, Settings& settings, LoanDocument& document);

    // Once, while the window loads: row 0, the headings, the viewport one row
    // high, the scroll bar beside it.
    void Arrange();
    // When the settings show another number of rows at once than the window
    // was sized for: sizes the viewport and the window to them, creating the
    // rows that are missing.
    void Relayout();
    // Rows 0 to upperIndex exist afterwards (as far as the grid's limit
    // allows), with quotes behind them; the view returns to the top.
    void LoadRowsUpTo(int upperIndex);
    // Loads the settings' wallpaper; a file that fails is reported and
    // dropped from the settings.
    void LoadWallpaper();

    int LoadedUpperIndex() const { return m_loadedUpperIndex; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int DisplayedUpperIndex() const;
    // The rows shown at once: those of the settings and those a larger window
    // has room for.
    int ShownUpperIndex() const;
    void GrowIntoSection();
    void KeepSectionsAtTheirWidth();
    // Rows and width beyond the settings' grid.
    void TakeRoom(int rows, int width);
    // Rows up to upperIndex, never beyond the grid's limit.
    void CreateRowsUpTo(int upperIndex);
    void CreateRow(int i);
    void AppendRow();
    void RowEntered(int d);
    void BringIntoView(int i);
    void GrowQuotes(int from, int to);
    void ResizeGridBy(int pixels);
    void FitWindow();
    void SetScrollRange();
    // The range for the rows loaded, the view back on row 0.
    void ResetScrollBar();
    void ScrollChanged(int value);
    void MoveCanvas(int value);

    QMainWindow& m_window;
    LoanForm& m_form;
    QuoteRows& m_rows;
    Settings& m_settings;
    LoanDocument& m_document;
    Wallpaper m_wallpaper;

    int m_laidOutUpperIndex = 0;
    int m_loadedUpperIndex = 0;
    // Height of a row in pixels, and so the scroll bar's step.
    int m_rowHeight = 1;
    int m_extraRows = 0;
    int m_extraWidth = 0;
};
