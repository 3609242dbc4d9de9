#include "sheet/WhoEditing.h"

#include "app/LoanForm.h"
#include "model/LoanDocument.h"
#include "sheet/QuoteRows.h"
#include "dialogs/DialogNames.h"
#include "dialogs/dlgWho.h"

#include <QMouseEvent>
#include <QPlainTextEdit>

namespace {

const char* const RowProperty = "whoRow";

} // namespace

WhoEditing::WhoEditing(QWidget& window, LoanForm& form, LoanDocument& document, QuoteRows& rows)
    : QObject(&window)
    , m_window(window)
    , m_form(form)
    , m_document(document)
    , m_rows(rows)
{
}

// The double-click reaches the text box's viewport.
void WhoEditing::SetUpRow(int d)
{
    QWidget* viewport = m_form.txtWho[static_cast<std::size_t>(d)]->viewport();
    viewport->setProperty(RowProperty, d);
    viewport->installEventFilter(this);
}

// What the field holds goes into the quote first, so the editor opens on
// text still being typed there.
dlgWho* WhoEditing::Open(int d)
{
    m_rows.CommitFieldEdit(m_form.txtWho[static_cast<std::size_t>(d)]);
    dlgWho::WhoQuoteIndex = m_document.Order().R(static_cast<quint16>(d));
    auto* editor = new dlgWho(m_document, &m_window);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    DialogNames::Apply(*editor, d);
    editor->setWindowModality(Qt::ApplicationModal);
    connect(editor, &QDialog::finished, &m_window, [this, d] { m_rows.ShowWho(d); });
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
