#include "dialogs/ClosingCostsDelegate.h"

#include "app/Language.h"
#include "app/MessageBox.h"
#include "langlib/ResourceIds.h"
#include "scenario/NumberField.h"
#include "scenario/NumberFilter.h"

#include <QLineEdit>

ClosingCostsDelegate::ClosingCostsDelegate(QObject* parent, NumberField::Kind kind)
    : QStyledItemDelegate(parent)
    , m_kind(kind)
{
}

QWidget* ClosingCostsDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                            const QModelIndex&) const
{
    auto* editor = new QLineEdit(parent);
    editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* filter = new NumberFilter(editor);
    filter->SetSeparatorAllowed(true);
    filter->OnRefused([this] { Refuse(); });
    editor->setValidator(filter);
    editor->installEventFilter(filter);
    return editor;
}

void ClosingCostsDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* line = static_cast<QLineEdit*>(editor);
    line->setText(index.data(Qt::EditRole).toString());
    line->selectAll();
}

void ClosingCostsDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    const QString typed = static_cast<QLineEdit*>(editor)->text();
    if (typed != index.data(Qt::EditRole).toString() && !model->setData(index, typed, Qt::EditRole))
        Refuse();
}

void ClosingCostsDelegate::Refuse() const
{
    MessageBox::Ok(Language::LoadResString(rsNotNumeric) + NumberField::PatternOf(m_kind));
}
