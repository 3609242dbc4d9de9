#pragma once

#include "print/CostsReport.h"

#include <QWidget>

#include <functional>

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
// The property value and the Loan Estimate's columns sit with the table,
// and the whole window prints as a report.
class frmCosts : public QWidget
{
    Q_OBJECT

public:
    using PrintRunner = PrintedReport::Runner;

    frmCosts(LoanDocument& document, QWidget* owner);
    // Without a runner the report cannot be printed, and its buttons say so
    // by being disabled.
    void SetPrintRunner(PrintRunner run);
    ~frmCosts() override;

    CostsTable& Costs() { return *m_costs; }
    ScheduleTable& Schedule() { return *m_schedule; }
    QChart* Chart() const;

    // Asks for a file and writes the chosen quote's payments into it,
    // saying so when it cannot.
    void ExportCsv();
    // The costs report through the program's printer, as File > Print and
    // Export PDF print the comparison.
    void PrintCosts();
    void ExportCostsPdf();
    // What the report prints: the window as it shows now.
    CostsReport::Content ReportContent() const;

    QLabel* lblHorizon = nullptr;
    NumberField* txtHorizon = nullptr;
    QTableView* tblCosts = nullptr;
    QChartView* chtBalance = nullptr;
    BalanceLegend* lgdBalance = nullptr;
    QTableView* tblSchedule = nullptr;
    QPushButton* cmdExportCsv = nullptr;
    QLabel* lblPropertyValue = nullptr;
    NumberField* txtPropertyValue = nullptr;
    QPushButton* cmdPrintCosts = nullptr;
    QPushButton* cmdExportCostsPdf = nullptr;
    // Shows the Loan Estimate's columns; on from the start when a quote or
    // the scenario holds one of their inputs.
    QPushButton* chkLoanEstimate = nullptr;

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
    void ApplyNames();
    void ShowChanges();
    void ShowChart();
    void Refresh();
    void ShowSelectedSchedule();
    void FitScheduleColumns();
    int SelectedRow() const;
    void ShowPropertyValueTip();
    void ShowEstimateColumns(bool shown);
    bool HoldsEstimateInputs() const;
    void RunReport(bool pdf);
    // Waits for the job's progress window, if one opened.
    void WaitForJob(QWidget* progress);
    CostsReport::Table CostsRows() const;
    QList<CostsReport::Series> Balances() const;
    QString Text(int id) const;

    LoanDocument& m_document;
    CostsTable* m_costs;
    ScheduleTable* m_schedule;
    // The costs table as the user sorted it; the sheet's order until a
    // heading is clicked.
    QSortFilterProxyModel* m_sorted;
    // The quote chosen before the table was computed afresh.
    int m_chosenQuote = -1;
    PrintRunner m_print;
};
