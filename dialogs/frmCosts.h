#pragma once

#include <QWidget>

class CostsTable;
class LoanDocument;
class NumberField;
class QChart;
class QChartView;
class QLabel;
class QPushButton;
class QTableView;
class ScheduleTable;

// The true costs of the quotes beside one another, modeless over the main
// window: the costs table, the horizon it counts interest over, every
// quote's balance over time against the current loan, and the payments of
// the quote chosen in the table, which can be saved for a spreadsheet. It
// follows the scenario while the user edits the sheet.
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
    QTableView* tblSchedule = nullptr;
    QPushButton* cmdExportCsv = nullptr;

protected:
    void changeEvent(QEvent* event) override;

private:
    void SetupForm();
    void FitToScreen();
    void ApplyTexts();
    void Refresh();
    void ShowSelectedSchedule();
    void FitScheduleColumns();
    int SelectedRow() const;
    QString Text(int id) const;

    LoanDocument& m_document;
    CostsTable* m_costs;
    ScheduleTable* m_schedule;
    // The quote chosen before the table was computed afresh.
    int m_chosenQuote = -1;
};
