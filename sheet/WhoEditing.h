#pragma once

#include <QObject>

class LoanDocument;
class LoanForm;
class QuoteRows;
class QWidget;
class dlgWho;

// A double-click on a quote row's lender field opens the lender and contact
// editor on the quote the row shows; when the editor closes, the row shows
// the quote's lender text again, whatever the editor did with it.
class WhoEditing : public QObject
{
    Q_OBJECT

public:
    WhoEditing(QWidget& window, LoanForm& form, LoanDocument& document, QuoteRows& rows);

    // The lender field of row d opens the editor; once per row.
    void SetUpRow(int d);
    // The editor for row d, open and modal; it deletes itself on closing.
    dlgWho* Open(int d);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    LoanForm& m_form;
    LoanDocument& m_document;
    QuoteRows& m_rows;
};
