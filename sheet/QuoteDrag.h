#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <functional>
#include <optional>

class LoanDocument;
class LoanForm;
class QuoteRows;
class QDrag;
class QDropEvent;
class QMimeData;
class QWidget;

// Dragging a rate, points, an actual payment or a lender text from one quote
// row onto the same field of another: the value travels as plain text, so
// text dropped from another program is taken the same way, and a drop writes
// it as typing it and leaving the field would. Each row d stands for the
// quote the sort order gives it at the moment of the drag or drop.
class QuoteDrag : public QObject
{
    Q_OBJECT

public:
    QuoteDrag(QWidget& window, LoanForm& form, LoanDocument& document, QuoteRows& rows);

    // The four fields of row d start drags and take drops; once per row.
    void SetUpRow(int d);

    // Test hook: a drag that starts goes to the hook instead of the platform,
    // and the hook's answer is taken as what the drop did. An empty hook gives
    // the drags to the platform again.
    using DragHook = std::function<Qt::DropAction(QDrag&)>;
    static void InterceptDrags(DragHook hook);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Column { InterestRate, Points, ActualPayment, Who };
    struct Field
    {
        Column column;
        int row;
    };

    void Watch(QWidget* receiver, Column column, int d);
    std::optional<Field> FieldOf(const QObject* watched) const;
    QWidget* FieldWidget(const Field& field) const;
    bool Pressed(QObject* watched, const QEvent* event);
    bool Moved(QObject* watched, const QEvent* event, const Field& field);
    void StartDrag(const Field& field);
    QString DragText(const Field& field) const;
    bool Offers(const Field& field, const QDropEvent* event) const;
    std::optional<double> DroppedNumber(Column column, const QMimeData* data) const;
    bool Live(int d) const;
    void Drop(const Field& field, const QMimeData* data);

    QWidget& m_window;
    LoanForm& m_form;
    LoanDocument& m_document;
    QuoteRows& m_rows;
    QPointer<QObject> m_pressedOn;
    QPoint m_pressedAt;
};
