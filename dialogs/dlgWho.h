#pragma once

#include <QDialog>

class LoanDocument;
class QPlainTextEdit;
class QPushButton;

// The lender and contact editor: the whole text of one quote's lender field
// on as many lines as it needs. OK writes it back into the quote; Cancel and
// closing the window write nothing.
class dlgWho : public QDialog
{
    Q_OBJECT

public:
    // The quote the next editor opens on: an index into the quotes, not a row.
    static quint16 WhoQuoteIndex;

    dlgWho(LoanDocument& document, QWidget* owner);

    QPlainTextEdit* txtWho = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

public slots:
    void accept() override;

private:
    void SetupForm();

    LoanDocument& m_document;
    quint16 m_quote;
};
