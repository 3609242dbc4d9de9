#pragma once

#include "scenario/NumberField.h"

#include <map>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QTimer;
class QToolButton;
class QWidget;

// The controls of the main window, each under its own name (also its
// objectName; members of an indexed set are "name_index"), and their
// arrangement in three framed sections. The quote rows are indexed sets held
// as one vector per column, index 0 created here.
class LoanForm
{
public:
    QMenu* mnuFile = nullptr;
    QAction* mnuFileNew = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileSaveAs = nullptr;
    QAction* mnuFileDelete = nullptr;
    QAction* mnuFileBar1 = nullptr;
    QAction* mnuFilePrintSetup = nullptr;
    QAction* mnuFilePrint = nullptr;
    QAction* mnuFileBar2 = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuEdit = nullptr;
    QAction* mnuEditUndo = nullptr;
    QAction* mnuEditRedo = nullptr;
    QMenu* mnuTools = nullptr;
    QAction* mnuToolsOptions = nullptr;
    QMenu* mnuToolsLanguage = nullptr;
    // Index 1 English, 2 Spanish.
    std::map<int, QAction*> mnuToolsLanguageOpt;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpContents = nullptr;
    QAction* mnuHelpSearch = nullptr;
    QAction* mnuHelpBar2 = nullptr;
    QAction* mnuHelpAbout = nullptr;

    // The window's client area below the menu bar, holding the sections.
    QWidget* picBody = nullptr;
    // The three sections.
    QFrame* fraNewLoan = nullptr;
    QFrame* fraGrid = nullptr;
    QFrame* fraCurrent = nullptr;

    // The new loan.
    QLabel* lblLoanName = nullptr;
    QComboBox* cboLoanName = nullptr;
    QLabel* lblLoanType = nullptr;
    QComboBox* cboLoanType = nullptr;
    QLabel* lblLoanAmount = nullptr;
    NumberField* txtLoanAmount = nullptr;
    QLabel* lblLoanTerm = nullptr;
    NumberField* txtLoanTerm = nullptr;
    QLabel* lblAnnualTaxes = nullptr;
    NumberField* txtAnnualTaxes = nullptr;
    QLabel* lblAnnualInsurance = nullptr;
    QLabel* lblFirstPayment = nullptr;
    // Empty (its minimum date) until the user picks a date.
    QDateEdit* dtFirstPayment = nullptr;
    NumberField* txtAnnualInsurance = nullptr;
    QLabel* lblMonthlyEscrow = nullptr;
    QLineEdit* txtMonthlyEscrow = nullptr;

    // The grid of quotes: headings, the viewport with its canvas, the rows.
    QLabel* lblPoints = nullptr;
    QLabel* lblInterestRate = nullptr;
    QLabel* lblTerm = nullptr;
    QLabel* lblFrequency = nullptr;
    QLabel* lblPandI = nullptr;
    QLabel* lblPayment = nullptr;
    QLabel* lblActualPayment = nullptr;
    QPushButton* cmdPayoffDate = nullptr;
    QPushButton* cmdInterest = nullptr;
    QLabel* lblWho = nullptr;
    QFrame* picScroll = nullptr;
    QWidget* picCanvas = nullptr;
    QScrollBar* vsbLoans = nullptr;
    std::vector<QCheckBox*> chkPoints;
    std::vector<NumberField*> txtPoints;
    std::vector<NumberField*> txtInterestRate;
    std::vector<NumberField*> txtTerm;
    std::vector<QComboBox*> cboFrequency;
    std::vector<QLineEdit*> txtPandI;
    std::vector<QLineEdit*> txtPayment;
    std::vector<NumberField*> txtActualPayment;
    std::vector<QLineEdit*> txtPayoffDate;
    std::vector<QLineEdit*> txtInterest;
    std::vector<QPlainTextEdit*> txtWho;

    // The current loan.
    QLabel* lblCurrent = nullptr;
    QLabel* lblCurLoanAmount = nullptr;
    NumberField* txtCurLoanAmount = nullptr;
    QLabel* lblCurLoanTerm = nullptr;
    NumberField* txtCurLoanTerm = nullptr;
    QLabel* lblCurInterestRate = nullptr;
    NumberField* txtCurInterestRate = nullptr;
    QLabel* lblCurPaymentFrequency = nullptr;
    QComboBox* cboCurPaymentFrequency = nullptr;
    QLabel* lblCurPayment = nullptr;
    QLineEdit* txtCurPayment = nullptr;
    QLabel* lblCurActualPayment = nullptr;
    NumberField* txtCurActualPayment = nullptr;
    QLabel* lblActPaymentFrequency = nullptr;
    QComboBox* cboActPaymentFrequency = nullptr;
    QLabel* lblCurrentBalance = nullptr;
    NumberField* txtCurrentBalance = nullptr;
    QLabel* lblNextPayment = nullptr;
    QDateEdit* dtNextPayment = nullptr;
    QLabel* lblCurPayoffDate = nullptr;
    QLineEdit* txtCurPayoffDate = nullptr;
    QLabel* lblCurAmountLeft = nullptr;
    QLineEdit* txtCurAmountLeft = nullptr;
    QLabel* lblCurInterestLeft = nullptr;
    QLineEdit* txtCurInterestLeft = nullptr;

    QPushButton* cmdShare = nullptr;
    QToolButton* cmdWhatsThis = nullptr;
    // Holds the wallpaper picture; never shown.
    QLabel* picSource = nullptr;
    QTimer* Timer1 = nullptr;

    // Creates every control under window, with its English texts.
    void SetupForm(QMainWindow* window);
    // Creates the fields of the next quote row on the canvas, empty and
    // hidden; the caller places and shows them.
    void AddRowFields();
    // Places the row-0 fields edge to edge at their planned widths, the
    // headings over their columns, and sizes the canvas and the viewport to
    // the rows created so far, the scroll bar beside them.
    void ArrangeGrid();
    // The fields of row d from left to right.
    std::vector<QWidget*> RowFields(std::size_t d) const;
    // Index of the last quote row whose fields exist.
    int LastRowIndex() const;

private:
    void SetupMenus(QMainWindow* window);
    void SetupNewLoan(QWidget* parent);
    void SetupGrid(QWidget* parent);
    void SetupCurrentLoan(QWidget* parent);
    void SetTabOrder();
};
