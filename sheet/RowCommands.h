#pragma once

#include <QObject>

class LoanDocument;
class LoanForm;
class QContextMenuEvent;
class QMenu;
class QWidget;

// The commands of a quote row, on the context menu of each of its fields,
// after what a text field offers of its own: clear the quote, or copy it to
// the next empty row. Each is one step of the history. Row d stands for the
// quote the sort order gives it.
class RowCommands : public QObject
{
    Q_OBJECT

public:
    RowCommands(LoanForm& form, LoanDocument& document, QObject* parent);

    // The fields of row d offer the commands; once per row.
    void SetUpRow(int d);

    // Empties the quote of row d and the row.
    void ClearQuote(int d);
    // Copies every input of row d's quote to the first empty row after it
    // (from the top again past the last), and takes the focus there; says so
    // when no row is empty.
    void CopyQuoteToNextEmptyRow(int d);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Watch(QWidget* receiver, QWidget* field, int d);
    QMenu* MenuOf(QWidget* field, const QContextMenuEvent& event) const;
    int LastRow() const;
    int QuoteOf(int d) const;
    bool RowIsEmpty(int d) const;

    LoanForm& m_form;
    LoanDocument& m_document;
};
