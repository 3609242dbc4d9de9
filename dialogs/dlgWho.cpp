#include "dialogs/dlgWho.h"

#include "app/Language.h"
#include "langlib/Resources.h"
#include "model/LoanDocument.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int VisibleLines = 6;
constexpr int VisibleColumns = 40;

} // namespace

quint16 dlgWho::WhoQuoteIndex = 0;

dlgWho::dlgWho(LoanDocument& document, QWidget* owner)
    : QDialog(owner)
    , m_document(document)
    , m_quote(WhoQuoteIndex)
{
    setObjectName(QStringLiteral("dlgWho"));
    SetupForm();
    setWindowTitle(Language::LoadResString(rsWho));
    cmdOK->setText(Language::LoadResString(rsOK));
    cmdCancel->setText(Language::LoadResString(rsCancel));
    txtWho->setPlainText(m_document.Quotes.at(m_quote)->Who());
    connect(cmdOK, &QPushButton::clicked, this, &dlgWho::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &dlgWho::reject);
}

// Tab goes OK, Cancel, the text; the text has the focus first, for typing.
// Enter starts a new line there, so only a click or Tab and Space presses OK.
void dlgWho::SetupForm()
{
    txtWho = new QPlainTextEdit(this);
    txtWho->setObjectName(QStringLiteral("txtWho"));
    txtWho->setTabChangesFocus(true);
    const QFontMetrics metrics(txtWho->font());
    txtWho->setMinimumSize(metrics.averageCharWidth() * VisibleColumns, metrics.lineSpacing() * VisibleLines);
    cmdOK = new QPushButton(this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setAutoDefault(false);
    cmdCancel = new QPushButton(this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtWho);
    layout->addLayout(buttons);

    setTabOrder(cmdOK, cmdCancel);
    setTabOrder(cmdCancel, txtWho);
    txtWho->setFocus();
}

// The quote's setter marks the scenario changed only when the text differs.
void dlgWho::accept()
{
    const QString who = txtWho->toPlainText();
    m_document.EditQuote(m_quote, [&who](CLoan& quote) { quote.SetWho(who); }, LoanDocument::Recompute::Nothing);
    QDialog::accept();
}
