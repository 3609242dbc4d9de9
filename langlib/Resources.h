#pragma once

// The contract between the program and its language libraries. Tessaly owns
// it; Morvane and the program include this same header, so all three agree on
// one interface id and one set of id numbers.

#include <QtGlobal>
#include <QIcon>
#include <QObject>
#include <QString>
#include <QVariant>

// Numbers of the texts a language library answers. Gaps in the numbering are
// ids no library has a text for; asking for one gives empty text.
enum ResStringID : qint32 {
    rsActPayment = 1,
    rsActualFrequency = 2,
    rsActualLessThanCalculated = 3,
    rsActualPayment = 4,
    rsActualPaymentToolTip = 5,
    rsAmountLeftToPay = 6,
    rsAnnualInsurance = 7,
    rsAnnualTaxes = 8,
    rsApply = 9,
    rsAutomobile = 10,
    rsBoat = 11,
    rsBrowse = 12,
    rsCalculatedPayment = 13,
    rsCalculatedPaymentToolTip = 14,
    rsCancel = 15,
    rsChkPointsToolTip = 16,
    rsCmdInterestToolTip = 17,
    rsCmdPayoffDateToolTip = 18,
    rsCollege = 19,
    rsConfirmLoanDelete = 20,
    rsCopyright = 21,
    rsCopyrightNotice = 22,
    rsCurActualPaymentToolTip = 23,
    rsCurInterestRate = 24,
    rsCurInterestRateToolTip = 25,
    rsCurrent = 26,
    rsCurrentBalance = 27,
    rsCurrentBalanceToolTip = 28,
    rsDebtConsolidation = 29,
    rsDefaultTerm = 30,
    rsDeleteLoan = 31,
    rsErrOpeningWallpaperFile = 32,
    rsErrOWF = 33,
    rsFileNotValidWP = 34,
    rsFileNV = 35,
    rsFPoints = 36,
    rsFrequency = 37,
    rsFrequencyToolTip = 38,
    rsHomeImprovement = 39,
    rsInterest = 40,
    rsInterestLeftToPay = 41,
    rsInterestPct = 42,
    rsInterestRateToolTip = 43,
    rsInterestToolTip = 44,
    rsInvalidDeleteName = 45,
    rsInvalidSaveName = 46,
    rsLoanAmount = 48,
    rsLoanFiles = 49,
    rsLoanName = 50,
    rsLoanType = 51,
    rsLTNewGT = 52,
    rsMnuFile = 53,
    rsMnuFileClose = 54,
    rsMnuFileDelete = 55,
    rsMnuFileExit = 56,
    rsMnuFileNew = 57,
    rsMnuFilePrint = 58,
    rsMnuFilePrintPreview = 59,
    rsMnuFilePrintSetup = 60,
    rsMnuFileProperties = 61,
    rsMnuFileSave = 62,
    rsMnuHelp = 63,
    rsMnuHelpAbout = 64,
    rsMnuHelpContents = 65,
    rsMnuHelpSearch = 66,
    rsMnuTools = 67,
    rsMnuToolsIssues = 68,
    rsMnuToolsLanguage = 69,
    rsMnuToolsLanguageEnglish = 70,
    rsMnuToolsLanguageSpanish = 71,
    rsMnuToolsOptions = 73,
    rsMnuWindow = 76,
    rsMnuWindowArrangeIcons = 77,
    rsMnuWindowCascade = 78,
    rsMnuWindowTileHorizontal = 79,
    rsMnuWindowTileVertical = 80,
    rsMonthlyEscrow = 81,
    rsMonths = 82,
    rsMortgage = 83,
    rsNew = 84,
    rsNextPayment = 85,
    rsNextPaymentToolTip = 86,
    rsNotNumeric = 87,
    rsNumberOfLoans = 88,
    rsNumberOfLoansDisplayed = 89,
    rsOK = 90,
    rsOptions = 91,
    rsPandI = 92,
    rsPandIToolTip = 93,
    rsPayment = 94,
    rsPaymentFrequency = 95,
    rsPaymentToolTip = 96,
    rsPayoffDate = 97,
    rsPayoffDateToolTip = 98,
    rsPointsToolTip = 99,
    rsPrinting = 100,
    rsPrintingLoan = 101,
    rsQuestionMark = 102,
    rsSaveChanges = 103,
    rsSaveChangesTo = 104,
    rsSelSrcWpFile = 105,
    rsShare = 106,
    rsShareNoteText = 107,
    rsShareSubject = 108,
    rsShareToolTip = 109,
    rsTerm = 110,
    rsTermBimonthly = 111,
    rsTermBiweekly = 112,
    rsTermIn = 113,
    rsTermMonthly = 114,
    rsTermQuadweekly = 115,
    rsTermToolTip = 116,
    rsVersion = 117,
    rsWallpaper = 118,
    rsWallpaperFile = 119,
    rsWallpaperToolTip = 120,
    rsWFNotFound = 121,
    rsWhatsThisToolTip = 122,
    rsWho = 123,
    rsWhoDoubleClick = 124,
    rsWhoToolTip = 125,
    rsYears = 126,
    rsUnusableSaveName = 127,
    // Printing and the PDF export.
    rsMnuFileExportPdf = 140,
    rsExportPdfCaption = 141,
    rsPdfFileFilter = 142,
    rsPrinterNotStarted = 143,
    rsPrinterNotStartedEnd = 144,
    rsPdfNotWritten = 145,
    rsPdfNotWrittenEnd = 146,
    rsNoPrinter = 147,
    rsPage = 148,
    rsPrinterNotFinishedEnd = 149,
    // Why a result field is empty, shown in grey inside it.
    rsReasonUnknownFrequency = 160,
    rsReasonNoTerm = 161,
    rsReasonNoFrequency = 162,
    rsReasonNeverPaidOff = 163,
};

enum ResPictureID : qint32 {
    rpFlag = 1,
};

enum ResDataID : qint32 {
    rdDummy = 0,
};

class ResourcesInterface
{
public:
    virtual ~ResourcesInterface() = default;

    virtual QVariant GetInfo(qint32& LanguageID, QString& Language) = 0;
    virtual QString LoadResString(ResStringID ID) = 0;
    virtual QIcon LoadResPicture(ResPictureID ID, qint32* Format = nullptr) = 0;
    virtual QVariant LoadResData(ResDataID ID, qint32* Format = nullptr) = 0;
};

#define ResourcesInterface_iid "com.zanticbrindlecoft.Loan.Tessaly.Resources/1.0"
Q_DECLARE_INTERFACE(ResourcesInterface, ResourcesInterface_iid)
