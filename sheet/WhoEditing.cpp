#include "sheet/WhoEditing.h"

#include "app/Loan.h"
#include "dialogs/dlgWho.h"

#include <QMouseEvent>
#include <QPlainTextEdit>

namespace {

const char* const RowProperty = "whoRow";

} // namespace

WhoEditing::WhoEditing(Loan& loan)
    : QObject(&loan)
    , m_loan(loan)
{
}

// The double-click reaches the text box's viewport.
void WhoEditing::SetUpRow(int d)
{
    QWidget* viewport = m_loan.txtWho[static_cast<std::size_t>(d)]->viewport();
    viewport->setProperty(RowProperty, d);
    viewport->installEventFilter(this);
}

// What the field holds goes into the quote first, so the editor opens on
// text still being typed there.
dlgWho* WhoEditing::Open(int d)
{
    m_loan.CommitRowFieldEdit(m_loan.txtWho[static_cast<std::size_t>(d)]);
    dlgWho::WhoQuoteIndex = m_loan.R(static_cast<quint16>(d));
    auto* editor = new dlgWho(m_loan.Document(), &m_loan);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    editor->setWindowModality(Qt::ApplicationModal);
    connect(editor, &QDialog::finished, &m_loan, [this, d] { m_loan.ShowWho(d); });
    editor->show();
    return editor;
}

bool WhoEditing::eventFilter(QObject* watched, QEvent* event)
{
    const QVariant row = watched->property(RowProperty);
    if (row.isValid() && event->type() == QEvent::MouseButtonDblClick
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Open(row.toInt());
        return true;
    }
    return QObject::eventFilter(watched, event);
}
