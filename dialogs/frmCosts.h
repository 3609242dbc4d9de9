#pragma once

#include <QWidget>

class BalanceLegend;
class CostsTable;
class LoanDocument;
class NumberField;
class QChart;
class QChartView;
class QKeyEvent;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class ScheduleTable;

// The true costs of the quotes beside one another, modeless over the main
// window: the costs table, the horizon it counts interest over, every
// quote's balance over time against the current loan, and the payments of
// the quote chosen in the table, which can be saved for a spreadsheet. It
// follows the scenario while the user edits the sheet. The table sorts by
// any heading clicked; its rows then stand apart from the table model's.
class frmCosts : public QWidget
{
    Q_OBJECT

public:
    frmCosts(LoanDocument& document, QWidget* owner);
    ~frmCosts() override;

    CostsTable& Costs() { return *m_costs; }
    ScheduleTable& Schedule() { return *m_schedule; }
    QChart* Chart() const;

    // Asks for a file and writes the chosen quote's payments into it,
    // saying so when it cannot.
    void ExportCsv();

    QLabel* lblHorizon = nullptr;
    NumberField* txtHorizon = nullptr;
    QTableView* tblCosts = nullptr;
    QChartView* chtBalance = nullptr;
    BalanceLegend* lgdBalance = nullptr;
    QTableView* tblSchedule = nullptr;
    QPushButton* cmdExportCsv = nullptr;

protected:
    void changeEvent(QEvent* event) override;
    // Escape closes the window, as it closes a dialog, and gives the
    // keyboard back to the sheet it was opened from.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SetupForm();
    void SetupTables();
    QWidget* NewChartPane();
    void FitToScreen();
    void ApplyTexts();
    void ShowChanges();
    void ShowChart();
    void Refresh();
    void ShowSelectedSchedule();
    void FitScheduleColumns();
    int SelectedRow() const;
    QString Text(int id) const;

    LoanDocument& m_document;
    CostsTable* m_costs;
    ScheduleTable* m_schedule;
    // The costs table as the user sorted it; the sheet's order until a
    // heading is clicked.
    QSortFilterProxyModel* m_sorted;
    // The quote chosen before the table was computed afresh.
    int m_chosenQuote = -1;
};
