#include "langlib/LanguageTable.h"

#include <QPainter>
#include <QRect>

// English, the default language of the program.

namespace {

// Built on every request from its pieces, as the share command expects a
// fresh text with the "?ID" placeholder still in it.
QString ShareNoteText()
{
    return QStringLiteral("They call this \"The loan program ")
        + QStringLiteral("the bankers don't want you to know about\" because it will save you a lot of money ")
        + QStringLiteral("and help you figure out which loan you've been quoted is the best!  Check ")
        + QStringLiteral("Zantic Loan™ out at " LANGLIB_PRODUCT_PAGE "?ID and you can even get a free trial...")
        + QStringLiteral("\r\n");
}

// Thirteen stripes, red at top and bottom, with a blue canton over the top
// seven whose stars are a staggered grid of white dots.
void PaintUnitedStates(QPainter& painter, const QRect& area)
{
    const auto stripeTop = [&area](int stripe) { return area.top() + (stripe * area.height() + 6) / 13; };
    painter.fillRect(area, Qt::white);
    for (int stripe = 0; stripe < 13; stripe += 2)
        painter.fillRect(area.left(), stripeTop(stripe), area.width(), stripeTop(stripe + 1) - stripeTop(stripe), Qt::red);
    const QRect canton(area.left(), area.top(), (area.width() * 2 + 2) / 5, stripeTop(7) - area.top());
    painter.fillRect(canton, Qt::darkBlue);
    for (int y = canton.top() + 1; y < canton.bottom(); y += 2) {
        const int stagger = (y - canton.top()) / 2 % 2;
        for (int x = canton.left() + 1 + stagger; x < canton.right(); x += 2)
            painter.fillRect(x, y, 1, 1, Qt::white);
    }
}

}

qint32 LanguageTable::Id()
{
    return 0;
}

QString LanguageTable::Name()
{
    return QStringLiteral("English");
}

void LanguageTable::PaintFlag(QPainter& painter, const QRect& area)
{
    PaintUnitedStates(painter, area);
}

QString LanguageTable::Text(ResStringID ID)
{
    switch (ID) {
    case rsActPayment: return QStringLiteral("Act. Payment");
    case rsActualFrequency: return QStringLiteral("Actual Frequency:");
    case rsActualLessThanCalculated: return QStringLiteral("Actual payment cannot be less than calculated payment.");
    case rsActualPayment: return QStringLiteral("Actual Payment:");
    case rsActualPaymentToolTip: return QStringLiteral("Actual payment amount");
    case rsAmountLeftToPay: return QStringLiteral("Amount left to pay:");
    case rsAnnualInsurance: return QStringLiteral("Annual Insurance:");
    case rsAnnualTaxes: return QStringLiteral("Annual Taxes:");
    case rsApply: return QStringLiteral("Apply");
    case rsAutomobile: return QStringLiteral("Automobile");
    case rsBoat: return QStringLiteral("Boat");
    case rsBrowse: return QStringLiteral("Browse");
    case rsCalculatedPayment: return QStringLiteral("Calculated Payment:");
    case rsCalculatedPaymentToolTip: return QStringLiteral("Current calculated payment amount");
    case rsCancel: return QStringLiteral("Cancel");
    case rsChkPointsToolTip: return QStringLiteral("Check if Points will be financed");
    case rsCmdInterestToolTip: return QStringLiteral("Click to sort with least Interest first");
    case rsCmdPayoffDateToolTip: return QStringLiteral("Click to sort with soonest Payoff Date first");
    case rsCollege: return QStringLiteral("College");
    case rsConfirmLoanDelete: return QStringLiteral("Confirm Loan Delete");
    case rsCopyright: return QStringLiteral("&Copyright");
    case rsCopyrightNotice: return QStringLiteral("Copyright &notice:");
    case rsCurActualPaymentToolTip: return QStringLiteral("Current payment amount");
    case rsCurInterestRate: return QStringLiteral("Interest Rate:");
    case rsCurInterestRateToolTip: return QStringLiteral("Current loan interest rate (%)");
    case rsCurrent: return QStringLiteral("Current");
    case rsCurrentBalance: return QStringLiteral("Current Balance:");
    case rsCurrentBalanceToolTip: return QStringLiteral("Current loan balance");
    case rsDebtConsolidation: return QStringLiteral("Debt Consolidation");
    case rsDefaultTerm: return QStringLiteral("Default Term (");
    case rsDeleteLoan: return QStringLiteral("Delete loan ");
    case rsErrOpeningWallpaperFile: return QStringLiteral(" opening wallpaper file.");
    case rsErrOWF: return QStringLiteral("Error ");
    case rsFileNotValidWP: return QStringLiteral(" is not valid as wallpaper.");
    case rsFileNV: return QStringLiteral("File ");
    case rsFPoints: return QStringLiteral("F? Points");
    case rsFrequency: return QStringLiteral("Frequency");
    case rsFrequencyToolTip: return QStringLiteral("Payment Frequency");
    case rsHelpCaption: return QStringLiteral("Zantic Loan Help");
    case rsHelpContentsTab: return QStringLiteral("Contents");
    case rsHelpFileMissing: return QStringLiteral("The help file ");
    case rsHelpFileUnusable: return QStringLiteral(" is missing or is not a help file, so help is not available.");
    case rsHelpFolderUnwritable: return QStringLiteral("The help cannot be prepared in the folder ");
    case rsNoMailProgram: return QStringLiteral("No e-mail program is set up on this computer. Copy the message to the clipboard?");
    case rsHelpFind: return QStringLiteral("&Find");
    case rsHelpIndexFilter: return QStringLiteral("Type a word to find it in the index");
    case rsHelpIndexTab: return QStringLiteral("Index");
    case rsHelpLookFor: return QStringLiteral("&Look for:");
    case rsHelpNothingFound: return QStringLiteral("No topic contains these words.");
    case rsHelpSearchTab: return QStringLiteral("Search");
    case rsHomeImprovement: return QStringLiteral("Home Improvement");
    case rsInterest: return QStringLiteral("Interest");
    case rsInterestLeftToPay: return QStringLiteral("Interest left to pay:");
    case rsInterestPct: return QStringLiteral("Int. %");
    case rsInterestRateToolTip: return QStringLiteral("Interest rate (%)");
    case rsInterestToolTip: return QStringLiteral("Total Interest over the term of this loan");
    case rsInvalidDeleteName: return QStringLiteral("Invalid delete name (blank)");
    case rsInvalidSaveName: return QStringLiteral("Invalid save name (blank)");
    case rsLoanAmount: return QStringLiteral("Loan Amount:");
    case rsLoanFiles: return QStringLiteral("Image files|*.bmp;*.jpg;*.gif;*.dib;*.wmf;*.emf;*.jpeg");
    case rsLoanName: return QStringLiteral("Loan Name:");
    case rsLoanType: return QStringLiteral("Loan Type:");
    case rsLTNewGT: return QStringLiteral("<new>");
    case rsMnuFile: return QStringLiteral("&File");
    case rsMnuFileClose: return QStringLiteral("&Close");
    case rsMnuFileDelete: return QStringLiteral("&Delete");
    case rsMnuFileExit: return QStringLiteral("E&xit");
    case rsMnuFileNew: return QStringLiteral("&New");
    case rsMnuFilePrint: return QStringLiteral("&Print...");
    case rsMnuFilePrintPreview: return QStringLiteral("Print Pre&view");
    case rsMnuFilePrintSetup: return QStringLiteral("Print Set&up...");
    case rsMnuFileProperties: return QStringLiteral("Propert&ies");
    case rsMnuFileSave: return QStringLiteral("&Save");
    case rsMnuHelp: return QStringLiteral("&Help");
    case rsMnuHelpAbout: return QStringLiteral("&About Zantic Loan...");
    case rsMnuHelpContents: return QStringLiteral("&Contents");
    case rsMnuHelpSearch: return QStringLiteral("&Search For Help On...");
    case rsMnuTools: return QStringLiteral("&Tools");
    case rsMnuToolsIssues: return QStringLiteral("&Issues");
    case rsMnuToolsLanguage: return QStringLiteral("&Language");
    case rsMnuToolsLanguageEnglish: return QStringLiteral("English");
    case rsMnuToolsLanguageSpanish: return QStringLiteral("Español");
    case rsMnuToolsOptions: return QStringLiteral("&Options");
    case rsMnuWindow: return QStringLiteral("&Window");
    case rsMnuWindowArrangeIcons: return QStringLiteral("&Arrange Icons");
    case rsMnuWindowCascade: return QStringLiteral("&Cascade");
    case rsMnuWindowTileHorizontal: return QStringLiteral("Tile &Horizontal");
    case rsMnuWindowTileVertical: return QStringLiteral("Tile &Vertical");
    case rsMonthlyEscrow: return QStringLiteral("Monthly Escrow:");
    case rsMonths: return QStringLiteral("Months");
    case rsMortgage: return QStringLiteral("Mortgage");
    case rsNew: return QStringLiteral("New");
    case rsNextPayment: return QStringLiteral("Next Payment:");
    case rsNextPaymentToolTip: return QStringLiteral("When is the next payment due on your current loan?");
    case rsNotNumeric: return QStringLiteral("Please enter a number in the form");
    case rsNumberTooLarge: return QStringLiteral("The number is too large for this field.");
    case rsNumberOfLoans: return QStringLiteral("Number of loans displayed can be between 2 and 15.");
    case rsNumberOfLoansDisplayed: return QStringLiteral("Number of Loans to display");
    case rsOK: return QStringLiteral("OK");
    case rsOptions: return QStringLiteral("Options");
    case rsPandI: return QStringLiteral("P && I");
    case rsPandIToolTip: return QStringLiteral("Principle and Interest");
    case rsPayment: return QStringLiteral("Payment");
    case rsPaymentFrequency: return QStringLiteral("Payment Frequency:");
    case rsPaymentToolTip: return QStringLiteral("Calculated payment amount");
    case rsPayoffDate: return QStringLiteral("Payoff Date");
    case rsPayoffDateToolTip: return QStringLiteral("The date this loan will be paid off");
    case rsPointsToolTip: return QStringLiteral("Points to pay at closing");
    case rsPrinting: return QStringLiteral("Printing...");
    case rsPrintingLoan: return QStringLiteral("Printing loan ");
    case rsQuestionMark: return QStringLiteral("?");
    case rsReasonNeverPaidOff: return QStringLiteral("Never paid off");
    case rsReasonNoFrequency: return QStringLiteral("No frequency");
    case rsReasonNoTerm: return QStringLiteral("No term");
    case rsReasonUnknownFrequency: return QStringLiteral("Unknown frequency");
    case rsSaveChanges: return QStringLiteral("Save changes?");
    case rsSaveChangesTo: return QStringLiteral("Save changes to ");
    case rsSelSrcWpFile: return QStringLiteral("Select a wallpaper file");
    case rsShare: return QStringLiteral("Share");
    case rsShareNoteText: return ShareNoteText();
    case rsShareSubject: return QStringLiteral("Great Loan program");
    case rsShareToolTip: return QStringLiteral("Please share this program with anyone!");
    case rsSysInfo: return QStringLiteral("&System Info...");
    case rsSysInfoUnavailable: return QStringLiteral("System Information Is Unavailable At This Time");
    case rsTerm: return QStringLiteral("Term");
    case rsTermBimonthly: return QStringLiteral("Bimonthly");
    case rsTermBiweekly: return QStringLiteral("Biweekly");
    case rsTermIn: return QStringLiteral("Term specified in: ");
    case rsTermMonthly: return QStringLiteral("Monthly");
    case rsTermQuadweekly: return QStringLiteral("Quadweekly");
    case rsTermToolTip: return QStringLiteral("Term for this loan");
    case rsUnusableSaveName: return QStringLiteral("A loan name cannot contain a backslash, a tab or a line break, begin or end with a blank, or be longer than 255 characters: ");
    case rsVersion: return QStringLiteral("Version");
    case rsWallpaper: return QStringLiteral("Wallpaper");
    case rsWallpaperFile: return QStringLiteral("Wallpaper file ");
    case rsWallpaperToolTip: return QStringLiteral("Sample of currently selected file");
    case rsWFNotFound: return QStringLiteral(" not found.");
    case rsWhatsThisToolTip: return QStringLiteral("Click this, then click a field for help");
    case rsWho: return QStringLiteral("Who");
    case rsWhoDoubleClick: return QStringLiteral("Financial Institution, contact info.  Double-click for multi-line...");
    case rsWhoToolTip: return QStringLiteral("Financial Institution, contact info");
    case rsYears: return QStringLiteral("Years");
    // Printing and the PDF export.
    case rsMnuFileExportPdf: return QStringLiteral("&Export PDF...");
    case rsExportPdfCaption: return QStringLiteral("Export PDF");
    case rsPdfFileFilter: return QStringLiteral("PDF files (*.pdf)");
    case rsPrinterNotStarted: return QStringLiteral("The printer ");
    case rsPrinterNotStartedEnd: return QStringLiteral(" could not start printing. Check that it is switched on and ready.");
    case rsPdfNotWritten: return QStringLiteral("The PDF file ");
    case rsPdfNotWrittenEnd: return QStringLiteral(" could not be written. Check that its folder exists and that you may write to it.");
    case rsNoPrinter: return QStringLiteral("No printer is set up. To print into a PDF file, choose Print to File in the print dialog, or use File > Export PDF.");
    case rsPage: return QStringLiteral("Page ");
    case rsPrinterNotFinishedEnd: return QStringLiteral(" could not finish printing. Nothing may have been printed.");
    case rsReportCopyright: return QStringLiteral("Copyright © 2026 Zantic Brindlecoft. All rights reserved.");
    // Comparing true costs.
    case rsMnuToolsCosts: return QStringLiteral("&Compare Costs...");
    case rsCostsCaption: return QStringLiteral("Compare Costs");
    case rsCostsLender: return QStringLiteral("Lender");
    case rsCostsRate: return QStringLiteral("Rate");
    case rsCostsApr: return QStringLiteral("APR");
    case rsCostsPoints: return QStringLiteral("Points Cost");
    case rsCostsClosing: return QStringLiteral("Closing Costs");
    case rsCostsFinanced: return QStringLiteral("Financed");
    case rsCostsOverHorizon: return QStringLiteral("Cost over Horizon");
    case rsCostsBreakEven: return QStringLiteral("Break-even");
    case rsCostsPayback: return QStringLiteral("Simple Payback");
    case rsCostsHorizon: return QStringLiteral("Horizon (years):");
    case rsCostsExportCsv: return QStringLiteral("&Export CSV...");
    case rsScheduleNumber: return QStringLiteral("No.");
    case rsScheduleDate: return QStringLiteral("Date");
    case rsSchedulePrincipal: return QStringLiteral("Principal");
    case rsScheduleEscrow: return QStringLiteral("Escrow");
    case rsScheduleBalance: return QStringLiteral("Balance");
    case rsCostsMonths: return QStringLiteral(" months");
    case rsCostsOneMonth: return QStringLiteral(" month");
    case rsCostsNothingYet: return QStringLiteral("No quote on the sheet has results yet");
    // The Edit menu, Save As and the quote rows' own commands.
    case rsMnuEdit: return QStringLiteral("&Edit");
    case rsMnuEditUndo: return QStringLiteral("&Undo");
    case rsMnuEditRedo: return QStringLiteral("&Redo");
    case rsMnuFileSaveAs: return QStringLiteral("Save &As...");
    case rsSaveAsPrompt: return QStringLiteral("Save the scenario under the name:");
    case rsReplaceScenario: return QStringLiteral("Replace the saved scenario \"");
    case rsReplaceScenarioEnd: return QStringLiteral("\"?");
    case rsClearQuote: return QStringLiteral("Clear quote");
    case rsCopyQuote: return QStringLiteral("Copy quote to the next empty row");
    case rsNoEmptyRow: return QStringLiteral("Every row of the sheet holds a quote: there is no empty row to copy it into.");
    case rsStepPoints: return QStringLiteral("Points");
    case rsStepFinancePoints: return QStringLiteral("Financed points");
    case rsStepInterestRate: return QStringLiteral("Interest rate");
    case rsStepDrag: return QStringLiteral("Drag between rows");
    case rsCostsNever: return QStringLiteral("Never");
    case rsCostsNoCurrentLoan: return QStringLiteral("The current loan has no payoff to compare with: it lacks its balance, actual payment or frequency, or its payment never pays it off.");
    case rsCostsTooLarge: return QStringLiteral("The figures of this quote are too large to compute.");
    case rsCostsQuoteNeverPaid: return QStringLiteral("This quote is never paid off at its actual payment.");
    case rsCostsNoBreakEven: return QStringLiteral("Switching to this quote does not pay for itself before both loans are paid off.");
    case rsCostsNoSaving: return QStringLiteral("The scheduled payment of this quote saves nothing a month against the current loan's.");
    case rsCostsNoApr: return QStringLiteral("No rate fits: the quote has no scheduled payment, or its points and closing costs are as large as the loan.");
    case rsCostsHorizonToolTip: return QStringLiteral("Years of interest counted in the cost; empty for each quote's own term");
    case rsCostsCurrentLoan: return QStringLiteral("Current loan");
    case rsCsvNotWritten: return QStringLiteral("The CSV file ");
    case rsCsvFileFilter: return QStringLiteral("CSV files (*.csv)");
    case rsCostsOwnTerm: return QStringLiteral("Each quote's term");
    case rsCostsSameLenderRow: return QStringLiteral(" (row ");
    case rsFirstPayment: return QStringLiteral("First payment:");
    case rsFirstPaymentToolTip: return QStringLiteral("The due date of the new loan's first payment, as the Loan Estimate shows it. Empty: the payments start today.");
    case rsCostsLenderCredit: return QStringLiteral("Lender credit");
    case rsCostsMortgageInsurance: return QStringLiteral("Mortgage insurance");
    case rsCostsDisclosedApr: return QStringLiteral("Lender's APR");
    case rsCostsAmountFinanced: return QStringLiteral("Amount financed");
    case rsCostsInFiveYears: return QStringLiteral("In 5 years");
    case rsCostsPrincipalInFiveYears: return QStringLiteral("Principal in 5 years");
    case rsCostsTip: return QStringLiteral("TIP");
    case rsPropertyValue: return QStringLiteral("Property value:");
    case rsPropertyValueToolTip: return QStringLiteral("What the property is worth, for when mortgage insurance ends: at 78 % of this value. Empty: every payment carries the insurance.");
    case rsCostsAprOutside: return QStringLiteral("The lender's APR of %1 differs from the computed %2 by %3 percentage points: more than the 1/8 of a point a regular loan's APR may be off.");
    case rsCostsAprWithin: return QStringLiteral("The lender's APR of %1 is within 1/8 of a percentage point of the computed %2 (off by %3 points).");
    case rsCostsAprImpossible: return QStringLiteral("An APR of 0 % or of 100 % or more is no lender's figure: check what you typed.");
    case rsCostsCreditExceeds: return QStringLiteral("The lender credit is larger than all points and closing costs: the costs count as 0, never less.");
    case rsCostsInsuranceNoValue: return QStringLiteral("No property value given: every payment carries the mortgage insurance.");
    case rsCostsInsuranceValueBelow: return QStringLiteral("The property value is below the loan amount: every payment carries the mortgage insurance.");
    case rsCostsInsuranceEnds: return QStringLiteral("The first %1 payments carry the mortgage insurance; it ends when the balance falls to 78 % of the property value.");
    case rsCostsPrint: return QStringLiteral("&Print...");
    case rsCostsExportPdf: return QStringLiteral("Export P&DF...");
    case rsFirstPaymentFar: return QStringLiteral("The first payment is more than a year ahead: check the date.");
    case rsFirstPaymentPast: return QStringLiteral("The first payment is in the past: the new loan is taken as started then.");
    case rsCostsReportTitle: return QStringLiteral("Comparing true costs");
    case rsCostsReportSchedule: return QStringLiteral("Payments of ");
    case rsCostsReportChart: return QStringLiteral("Balance owed over time");
    case rsCostsShowEstimate: return QStringLiteral("Loan &Estimate");
    case rsCostsShowEstimateToolTip: return QStringLiteral("Shows the columns of the lenders' Loan Estimates: their APR, lender credit and mortgage insurance to enter, and the amount financed, In 5 years and TIP to compare.");
    case rsModuleNotLoaded: return QStringLiteral("This window cannot be opened: a part of the program is missing or damaged. Reinstalling the program should mend it.\n\n%1");
    case rsPropertyValueBelowLoan: return QStringLiteral("The property value is below the loan amount: every payment carries the mortgage insurance.");
    // Accessible names and descriptions; the sorts as menu commands.
    case rsNameQuoteField: return QStringLiteral("Quote %1, %2");
    case rsNameNewLoanField: return QStringLiteral("New loan, %1");
    case rsNameCurrentLoanField: return QStringLiteral("Current loan, %1");
    case rsNameFinancePoints: return QStringLiteral("points financed");
    case rsNamePoints: return QStringLiteral("points");
    case rsNameInterestRate: return QStringLiteral("interest rate");
    case rsNameTerm: return QStringLiteral("term");
    case rsNameFrequency: return QStringLiteral("payment frequency");
    case rsNamePandI: return QStringLiteral("principal and interest");
    case rsNamePayment: return QStringLiteral("payment");
    case rsNameActualPayment: return QStringLiteral("actual payment");
    case rsNamePayoffDate: return QStringLiteral("payoff date");
    case rsNameInterest: return QStringLiteral("total interest");
    case rsNameWho: return QStringLiteral("lender and contact");
    case rsAboutPandI: return QStringLiteral("Principal and interest of one scheduled payment, without escrow");
    case rsAboutPayment: return QStringLiteral("The scheduled payment: principal and interest plus the escrow of its period");
    case rsAboutPayoffDate: return QStringLiteral("The date of the payment that pays this quote off, paying its actual payment every time");
    case rsAboutInterest: return QStringLiteral("All the interest paid on this quote until it is paid off");
    case rsAboutMonthlyEscrow: return QStringLiteral("The annual taxes and insurance spread over twelve months");
    case rsAboutCurPayment: return QStringLiteral("The payment the current loan's amount, term and rate call for at its payment frequency");
    case rsAboutCurPayoffDate: return QStringLiteral("The date the current balance is paid off, paying the actual payment at the actual frequency");
    case rsAboutCurAmountLeft: return QStringLiteral("Everything still to pay on the current loan from the next payment on, interest included");
    case rsAboutCurInterestLeft: return QStringLiteral("The part of the amount left to pay that is interest");
    case rsNameCostsTable: return QStringLiteral("True costs of the quotes");
    case rsNameScheduleTable: return QStringLiteral("Payments of the chosen quote");
    case rsNameBalanceChart: return QStringLiteral("Balance over time");
    case rsNameStepUp: return QStringLiteral("%1, one more");
    case rsNameStepDown: return QStringLiteral("%1, one fewer");
    case rsNameHelpTopic: return QStringLiteral("Help topic");
    case rsNameHelpResults: return QStringLiteral("Topics found");
    case rsNameHelpIndexList: return QStringLiteral("Index entries");
    case rsMnuToolsSortPayoff: return QStringLiteral("Sort by &Payoff Date");
    case rsMnuToolsSortInterest: return QStringLiteral("Sort by &Interest");
    case rsNameWhatsThis: return QStringLiteral("What's this help");
    }
    return {};
}
