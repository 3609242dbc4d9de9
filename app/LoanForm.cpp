#include "app/LoanForm.h"

#include "app/FittedText.h"
#include "app/Twips.h"
#include "app/WhoField.h"
#include "model/FieldFormat.h"
#include "sheet/RowColumn.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QKeySequence>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Planned widths of the section fields, in twips.
constexpr int NameWidth = 2700;
constexpr int SectionFieldWidth = 1650;

// Space around and between the sections, in twips.
constexpr int SectionMargin = 120;
constexpr int ColumnGap = 360;

constexpr int Timer1Interval = 1000;

template <typename Control>
Control* Named(Control* control, const QString& name)
{
    control->setObjectName(name);
    return control;
}

QString Indexed(const char* name, std::size_t index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

QLabel* NewLabel(const char* name, const char* text, QWidget* parent)
{
    return Named(new QLabel(QString::fromUtf8(text), parent), QLatin1String(name));
}

QAction* NewAction(const char* name, const char* text, QMenu* menu)
{
    return Named(menu->addAction(QString::fromUtf8(text)), QLatin1String(name));
}

QAction* NewSeparator(const char* name, QMenu* menu)
{
    return Named(menu->addSeparator(), QLatin1String(name));
}

QMenu* NewMenu(const char* name, const char* text, QWidget* parent)
{
    return Named(new QMenu(QString::fromUtf8(text), parent), QLatin1String(name));
}

NumberField* NewNumberField(NumberField::Kind kind, const QString& name, QWidget* parent)
{
    auto* field = Named(new NumberField(kind, parent), name);
    FittedText::Apply(field);
    return field;
}

// A field only its property writes: read-only, greyed like the window, and
// passed over by the Tab key.
QLineEdit* NewResultField(const QString& name, QWidget* parent)
{
    auto* field = Named(new QLineEdit(parent), name);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    field->setPalette(palette);
    FittedText::Apply(field);
    return field;
}

QComboBox* NewList(const QString& name, bool editable, QWidget* parent)
{
    auto* list = Named(new QComboBox(parent), name);
    // An editor of its own makes the list editable as setEditable(true)
    // does, without setEditable building the list's popup up front.
    if (editable)
        list->setLineEdit(new QLineEdit(list));
    list->setInsertPolicy(QComboBox::NoInsert);
    return list;
}

QFrame* NewSection(const char* name, QWidget* parent)
{
    auto* section = Named(new QFrame(parent), QLatin1String(name));
    section->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    return section;
}

QGridLayout* NewSectionGrid(QWidget* section)
{
    auto* grid = new QGridLayout(section);
    const int margin = Twips::ToPixelsX(SectionMargin);
    grid->setContentsMargins(margin, margin, margin, margin);
    return grid;
}

void SetFieldWidth(QWidget* field, int twips)
{
    field->setMinimumWidth(Twips::ToPixelsX(twips));
}

// One label and its field in a section grid; the columns between the pairs
// keep them apart. The label is the field's buddy, so a screen reader that
// reads a list by its text still finds the caption it stands under.
void AddPair(QGridLayout* grid, int row, int pair, QLabel* label, QWidget* field)
{
    label->setBuddy(field);
    grid->addWidget(label, row, pair * 3);
    grid->addWidget(field, row, pair * 3 + 1);
    if (pair > 0)
        grid->setColumnMinimumWidth(pair * 3 - 1, Twips::ToPixelsX(ColumnGap));
}

void Place(QWidget* control, int left, int top, int width, int height)
{
    control->setGeometry(left, top, width, height);
}

} // namespace

void LoanForm::SetupForm(QMainWindow* window)
{
    SetupMenus(window);

    picBody = Named(new QWidget(window), QStringLiteral("picBody"));
    auto* sections = new QVBoxLayout(picBody);
    // At least the sections' size; a larger window gives its room to the
    // grid, which grows into it, while the sections keep their own layout.
    sections->setSizeConstraint(QLayout::SetMinimumSize);
    const int margin = Twips::ToPixelsX(SectionMargin);
    sections->setContentsMargins(margin, margin, margin, margin);
    sections->setSpacing(margin);
    SetupNewLoan(picBody);
    SetupGrid(picBody);
    SetupCurrentLoan(picBody);
    sections->addWidget(fraNewLoan);
    sections->addWidget(fraGrid, 1);
    sections->addWidget(fraCurrent);
    window->setCentralWidget(picBody);

    picSource = NewLabel("picSource", "", picBody);
    picSource->hide();
    Timer1 = Named(new QTimer(window), QStringLiteral("Timer1"));
    Timer1->setInterval(Timer1Interval);

    SetTabOrder();
}

void LoanForm::SetupMenus(QMainWindow* window)
{
    QMenuBar* bar = window->menuBar();
    mnuFile = NewMenu("mnuFile", "&File", bar);
    mnuFileNew = NewAction("mnuFileNew", "&New", mnuFile);
    mnuFileSave = NewAction("mnuFileSave", "&Save", mnuFile);
    mnuFileSaveAs = NewAction("mnuFileSaveAs", "Save &As...", mnuFile);
    mnuFileDelete = NewAction("mnuFileDelete", "&Delete", mnuFile);
    mnuFileBar1 = NewSeparator("mnuFileBar1", mnuFile);
    mnuFilePrintSetup = NewAction("mnuFilePrintSetup", "Print Set&up...", mnuFile);
    mnuFilePrint = NewAction("mnuFilePrint", "&Print...", mnuFile);
    mnuFileBar2 = NewSeparator("mnuFileBar2", mnuFile);
    mnuFileExit = NewAction("mnuFileExit", "E&xit", mnuFile);
    bar->addMenu(mnuFile);
    mnuFileNew->setShortcut(QKeySequence::New);
    mnuFileSave->setShortcut(QKeySequence::Save);
    mnuFileSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    mnuFilePrint->setShortcut(QKeySequence::Print);
    mnuFileExit->setShortcut(QKeySequence::Quit);

    mnuEdit = NewMenu("mnuEdit", "&Edit", bar);
    mnuEditUndo = NewAction("mnuEditUndo", "&Undo", mnuEdit);
    mnuEditUndo->setShortcut(QKeySequence::Undo);
    mnuEditRedo = NewAction("mnuEditRedo", "&Redo", mnuEdit);
    mnuEditRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    bar->addMenu(mnuEdit);

    mnuTools = NewMenu("mnuTools", "&Tools", bar);
    mnuToolsOptions = NewAction("mnuToolsOptions", "&Options", mnuTools);
    mnuToolsLanguage = NewMenu("mnuToolsLanguage", "&Language", mnuTools);
    mnuTools->addMenu(mnuToolsLanguage);
    const char* languages[] = {"English", "Español"};
    for (int index = 1; index <= 2; ++index) {
        QAction* entry = mnuToolsLanguage->addAction(QString::fromUtf8(languages[index - 1]));
        entry->setObjectName(Indexed("mnuToolsLanguageOpt", index));
        entry->setCheckable(true);
        mnuToolsLanguageOpt[index] = entry;
    }
    bar->addMenu(mnuTools);

    mnuHelp = NewMenu("mnuHelp", "&Help", bar);
    mnuHelpContents = NewAction("mnuHelpContents", "&Contents", mnuHelp);
    mnuHelpSearch = NewAction("mnuHelpSearch", "&Search For Help On...", mnuHelp);
    mnuHelpBar2 = NewSeparator("mnuHelpBar2", mnuHelp);
    mnuHelpAbout = NewAction("mnuHelpAbout", "&About Zantic Loan...", mnuHelp);
    bar->addMenu(mnuHelp);
}

void LoanForm::SetupNewLoan(QWidget* parent)
{
    fraNewLoan = NewSection("fraNewLoan", parent);
    QWidget* s = fraNewLoan;
    lblLoanName = NewLabel("lblLoanName", "Loan Name:", s);
    cboLoanName = NewList(QStringLiteral("cboLoanName"), true, s);
    SetFieldWidth(cboLoanName, NameWidth);
    lblLoanType = NewLabel("lblLoanType", "Loan Type:", s);
    cboLoanType = NewList(QStringLiteral("cboLoanType"), false, s);
    lblLoanAmount = NewLabel("lblLoanAmount", "Loan Amount:", s);
    txtLoanAmount = NewNumberField(NumberField::Kind::Money, QStringLiteral("txtLoanAmount"), s);
    SetFieldWidth(txtLoanAmount, SectionFieldWidth);
    lblLoanTerm = NewLabel("lblLoanTerm", "Default Term (months):", s);
    txtLoanTerm = NewNumberField(NumberField::Kind::Term, QStringLiteral("txtLoanTerm"), s);
    lblAnnualTaxes = NewLabel("lblAnnualTaxes", "Annual Taxes:", s);
    txtAnnualTaxes = NewNumberField(NumberField::Kind::Money, QStringLiteral("txtAnnualTaxes"), s);
    SetFieldWidth(txtAnnualTaxes, SectionFieldWidth);
    lblAnnualInsurance = NewLabel("lblAnnualInsurance", "Annual Insurance:", s);
    txtAnnualInsurance = NewNumberField(NumberField::Kind::Money, QStringLiteral("txtAnnualInsurance"), s);
    lblMonthlyEscrow = NewLabel("lblMonthlyEscrow", "Monthly Escrow:", s);
    txtMonthlyEscrow = NewResultField(QStringLiteral("txtMonthlyEscrow"), s);
    lblFirstPayment = NewLabel("lblFirstPayment", "First payment:", s);
    dtFirstPayment = Named(new QDateEdit(s), QStringLiteral("dtFirstPayment"));
    dtFirstPayment->setCalendarPopup(true);
    dtFirstPayment->setDisplayFormat(FieldFormat::ShortDateFormat());
    // The minimum date stands for no date and shows as an empty field.
    dtFirstPayment->setMinimumDate(QDate(1900, 1, 1));
    dtFirstPayment->setSpecialValueText(QStringLiteral(" "));
    dtFirstPayment->setDate(dtFirstPayment->minimumDate());

    QGridLayout* grid = NewSectionGrid(s);
    AddPair(grid, 0, 0, lblLoanName, cboLoanName);
    AddPair(grid, 1, 0, lblLoanType, cboLoanType);
    AddPair(grid, 0, 1, lblLoanAmount, txtLoanAmount);
    AddPair(grid, 1, 1, lblLoanTerm, txtLoanTerm);
    AddPair(grid, 2, 1, lblFirstPayment, dtFirstPayment);
    AddPair(grid, 0, 2, lblAnnualTaxes, txtAnnualTaxes);
    AddPair(grid, 1, 2, lblAnnualInsurance, txtAnnualInsurance);
    AddPair(grid, 2, 2, lblMonthlyEscrow, txtMonthlyEscrow);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(5, 1);
}

void LoanForm::SetupGrid(QWidget* parent)
{
    fraGrid = NewSection("fraGrid", parent);
    QWidget* s = fraGrid;
    lblPoints = NewLabel("lblPoints", "F? Points", s);
    lblInterestRate = NewLabel("lblInterestRate", "Int. %", s);
    lblTerm = NewLabel("lblTerm", "Term", s);
    lblFrequency = NewLabel("lblFrequency", "Frequency", s);
    lblPandI = NewLabel("lblPandI", "P & I", s);
    lblPayment = NewLabel("lblPayment", "Payment", s);
    lblActualPayment = NewLabel("lblActualPayment", "Act. Payment", s);
    cmdPayoffDate = Named(new QPushButton(QStringLiteral("Payoff Date"), s), QStringLiteral("cmdPayoffDate"));
    cmdInterest = Named(new QPushButton(QStringLiteral("Interest"), s), QStringLiteral("cmdInterest"));
    lblWho = NewLabel("lblWho", "Who", s);
    // Centred in the heading row, as the sort buttons' captions are.
    for (QLabel* heading : {lblPoints, lblInterestRate, lblTerm, lblFrequency, lblPandI, lblPayment,
                            lblActualPayment, lblWho})
        heading->setAlignment(Qt::AlignCenter);
    // Pressed while their sort is active.
    for (QPushButton* heading : {cmdPayoffDate, cmdInterest}) {
        heading->setFocusPolicy(Qt::ClickFocus);
        heading->setCheckable(true);
    }

    picScroll = Named(new QFrame(s), QStringLiteral("picScroll"));
    picScroll->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picScroll->setLineWidth(1);
    picCanvas = Named(new QWidget(picScroll), QStringLiteral("picCanvas"));
    vsbLoans = Named(new QScrollBar(Qt::Vertical, s), QStringLiteral("vsbLoans"));
    vsbLoans->setRange(0, 0);
    vsbLoans->setEnabled(false);

    AddRowFields();
    for (QWidget* field : RowFields(0))
        field->show();
}

void LoanForm::AddRowFields()
{
    const std::size_t d = chkPoints.size();
    QWidget* c = picCanvas;
    chkPoints.push_back(Named(new QCheckBox(c), Indexed("chkPoints", d)));
    txtPoints.push_back(NewNumberField(NumberField::Kind::Points, Indexed("txtPoints", d), c));
    txtInterestRate.push_back(NewNumberField(NumberField::Kind::Rate, Indexed("txtInterestRate", d), c));
    txtTerm.push_back(NewNumberField(NumberField::Kind::Term, Indexed("txtTerm", d), c));
    // A quote's term may show a fraction of a year, which leaving the field
    // unchanged must accept, though no separator can be typed into it.
    txtTerm.back()->SetRule(3, QStringLiteral(" nnnn.nnn"), false);
    cboFrequency.push_back(NewList(Indexed("cboFrequency", d), true, c));
    txtPandI.push_back(NewResultField(Indexed("txtPandI", d), c));
    txtPayment.push_back(NewResultField(Indexed("txtPayment", d), c));
    txtActualPayment.push_back(NewNumberField(NumberField::Kind::Money, Indexed("txtActualPayment", d), c));
    txtPayoffDate.push_back(NewResultField(Indexed("txtPayoffDate", d), c));
    txtPayoffDate.back()->setAlignment(Qt::AlignCenter);
    txtInterest.push_back(NewResultField(Indexed("txtInterest", d), c));
    txtWho.push_back(Named(new WhoField(c), Indexed("txtWho", d)));
    for (QWidget* field : RowFields(d))
        field->hide();
}

std::vector<QWidget*> LoanForm::RowFields(std::size_t d) const
{
    return {chkPoints[d],  txtPoints[d],        txtInterestRate[d], txtTerm[d],
            cboFrequency[d], txtPandI[d],       txtPayment[d],      txtActualPayment[d],
            txtPayoffDate[d], txtInterest[d],   txtWho[d]};
}

int LoanForm::LastRowIndex() const
{
    return static_cast<int>(chkPoints.size()) - 1;
}

void LoanForm::ArrangeGrid()
{
    const int rowHeight = cboFrequency[0]->sizeHint().height();
    int left = 0;
    for (std::size_t column = 0; column < RowColumn::Count; ++column) {
        const int width = Twips::ToPixelsX(RowColumn::All()[column].Twips);
        for (std::size_t d = 0; d < chkPoints.size(); ++d)
            Place(RowFields(d)[column], left, static_cast<int>(d) * rowHeight, width, rowHeight);
        left += width;
    }
    const int canvasWidth = left;
    const int canvasHeight = static_cast<int>(chkPoints.size()) * rowHeight;

    const int margin = Twips::ToPixelsX(SectionMargin);
    const int headingHeight = std::max(cmdPayoffDate->sizeHint().height(), lblPoints->sizeHint().height());
    const int viewportLeft = margin;
    const int viewportTop = margin + headingHeight;
    auto headingOver = [&](QWidget* heading, QWidget* first, QWidget* last) {
        Place(heading, viewportLeft + 1 + first->x(), margin, last->geometry().right() - first->x() + 1,
              headingHeight);
    };
    headingOver(lblPoints, chkPoints[0], txtPoints[0]);
    headingOver(lblInterestRate, txtInterestRate[0], txtInterestRate[0]);
    headingOver(lblTerm, txtTerm[0], txtTerm[0]);
    headingOver(lblFrequency, cboFrequency[0], cboFrequency[0]);
    headingOver(lblPandI, txtPandI[0], txtPandI[0]);
    headingOver(lblPayment, txtPayment[0], txtPayment[0]);
    headingOver(lblActualPayment, txtActualPayment[0], txtActualPayment[0]);
    headingOver(cmdPayoffDate, txtPayoffDate[0], txtPayoffDate[0]);
    headingOver(cmdInterest, txtInterest[0], txtInterest[0]);
    headingOver(lblWho, txtWho[0], txtWho[0]);

    Place(picScroll, viewportLeft, viewportTop, canvasWidth + 2, canvasHeight + 2);
    Place(picCanvas, 1, 1, canvasWidth, canvasHeight);
    const int scrollBarWidth = vsbLoans->sizeHint().width();
    Place(vsbLoans, picScroll->geometry().right() + 1, viewportTop, scrollBarWidth, picScroll->height());
    fraGrid->setMinimumSize(vsbLoans->geometry().right() + 1 + margin, picScroll->geometry().bottom() + 1 + margin);
}

void LoanForm::SetupCurrentLoan(QWidget* parent)
{
    fraCurrent = NewSection("fraCurrent", parent);
    QWidget* s = fraCurrent;
    lblCurrent = NewLabel("lblCurrent", "Current", s);
    QFont headingFont = lblCurrent->font();
    headingFont.setBold(true);
    lblCurrent->setFont(headingFont);

    lblCurLoanAmount = NewLabel("lblCurLoanAmount", "Loan Amount:", s);
    txtCurLoanAmount = NewNumberField(NumberField::Kind::Money, QStringLiteral("txtCurLoanAmount"), s);
    SetFieldWidth(txtCurLoanAmount, SectionFieldWidth);
    lblCurLoanTerm = NewLabel("lblCurLoanTerm", "Term (months):", s);
    txtCurLoanTerm = NewNumberField(NumberField::Kind::Term, QStringLiteral("txtCurLoanTerm"), s);
    lblCurInterestRate = NewLabel("lblCurInterestRate", "Interest Rate:", s);
    txtCurInterestRate = NewNumberField(NumberField::Kind::Rate, QStringLiteral("txtCurInterestRate"), s);
    lblCurPaymentFrequency = NewLabel("lblCurPaymentFrequency", "Payment Frequency:", s);
    cboCurPaymentFrequency = NewList(QStringLiteral("cboCurPaymentFrequency"), false, s);

    lblCurPayment = NewLabel("lblCurPayment", "Calculated Payment:", s);
    txtCurPayment = NewResultField(QStringLiteral("txtCurPayment"), s);
    SetFieldWidth(txtCurPayment, SectionFieldWidth);
    lblCurActualPayment = NewLabel("lblCurActualPayment", "Actual Payment:", s);
    txtCurActualPayment = NewNumberField(NumberField::Kind::Money, QStringLiteral("txtCurActualPayment"), s);
    lblActPaymentFrequency = NewLabel("lblActPaymentFrequency", "Actual Frequency:", s);
    cboActPaymentFrequency = NewList(QStringLiteral("cboActPaymentFrequency"), false, s);
    lblNextPayment = NewLabel("lblNextPayment", "Next Payment:", s);
    dtNextPayment = Named(new QDateEdit(s), QStringLiteral("dtNextPayment"));
    dtNextPayment->setCalendarPopup(true);
    dtNextPayment->setDisplayFormat(FieldFormat::ShortDateFormat());

    lblCurrentBalance = NewLabel("lblCurrentBalance", "Current Balance:", s);
    txtCurrentBalance = NewNumberField(NumberField::Kind::Money, QStringLiteral("txtCurrentBalance"), s);
    SetFieldWidth(txtCurrentBalance, SectionFieldWidth);
    lblCurPayoffDate = NewLabel("lblCurPayoffDate", "Payoff Date:", s);
    txtCurPayoffDate = NewResultField(QStringLiteral("txtCurPayoffDate"), s);
    txtCurPayoffDate->setAlignment(Qt::AlignCenter);
    lblCurAmountLeft = NewLabel("lblCurAmountLeft", "Amount left to pay:", s);
    txtCurAmountLeft = NewResultField(QStringLiteral("txtCurAmountLeft"), s);
    lblCurInterestLeft = NewLabel("lblCurInterestLeft", "Interest left to pay:", s);
    txtCurInterestLeft = NewResultField(QStringLiteral("txtCurInterestLeft"), s);

    cmdShare = Named(new QPushButton(QStringLiteral("Share"), s), QStringLiteral("cmdShare"));
    cmdWhatsThis = Named(new QToolButton(s), QStringLiteral("cmdWhatsThis"));
    // A glyph in the palette's button text, readable in light and dark
    // palettes alike; the style's help icon is drawn dark on any ground.
    cmdWhatsThis->setText(QStringLiteral("?"));
    cmdWhatsThis->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QFont glyph = cmdWhatsThis->font();
    glyph.setBold(true);
    cmdWhatsThis->setFont(glyph);
    cmdWhatsThis->setToolTip(QStringLiteral("What's this help"));

    QGridLayout* grid = NewSectionGrid(s);
    grid->addWidget(lblCurrent, 0, 0, 1, 2);
    grid->addWidget(cmdShare, 0, 4, Qt::AlignHCenter);
    grid->addWidget(cmdWhatsThis, 0, 7, Qt::AlignRight);
    AddPair(grid, 1, 0, lblCurLoanAmount, txtCurLoanAmount);
    AddPair(grid, 2, 0, lblCurLoanTerm, txtCurLoanTerm);
    AddPair(grid, 3, 0, lblCurInterestRate, txtCurInterestRate);
    AddPair(grid, 4, 0, lblCurPaymentFrequency, cboCurPaymentFrequency);
    AddPair(grid, 1, 1, lblCurPayment, txtCurPayment);
    AddPair(grid, 2, 1, lblCurActualPayment, txtCurActualPayment);
    AddPair(grid, 3, 1, lblActPaymentFrequency, cboActPaymentFrequency);
    AddPair(grid, 4, 1, lblNextPayment, dtNextPayment);
    AddPair(grid, 1, 2, lblCurrentBalance, txtCurrentBalance);
    AddPair(grid, 2, 2, lblCurPayoffDate, txtCurPayoffDate);
    AddPair(grid, 3, 2, lblCurAmountLeft, txtCurAmountLeft);
    AddPair(grid, 4, 2, lblCurInterestLeft, txtCurInterestLeft);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(5, 1);
}

void LoanForm::SetTabOrder()
{
    QWidget* const chain[] = {
        cboLoanName,       cboLoanType,         txtLoanAmount,      txtLoanTerm,
        dtFirstPayment,    txtAnnualTaxes,    txtAnnualInsurance,  chkPoints[0],       txtPoints[0],
        txtInterestRate[0], txtTerm[0],         cboFrequency[0],    txtActualPayment[0],
        txtWho[0],         txtCurLoanAmount,    txtCurLoanTerm,     txtCurInterestRate,
        cboCurPaymentFrequency, txtCurActualPayment, cboActPaymentFrequency, dtNextPayment,
        txtCurrentBalance, cmdShare,
    };
    for (std::size_t i = 1; i < std::size(chain); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}
