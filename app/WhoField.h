#pragma once

#include <QPlainTextEdit>

// A quote row's lender text: one row high, however many lines it holds. It
// shows exactly one line, so the top of the next one never shows through,
// and without the focus it shows the first line, where the lender's name is.
class WhoField : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit WhoField(QWidget* parent = nullptr);

    void ShowFirstLine();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitToOneLine();
};
