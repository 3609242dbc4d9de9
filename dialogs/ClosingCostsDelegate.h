#pragma once

#include "scenario/NumberField.h"

#include <QStyledItemDelegate>

// Closing costs (and the other amounts and rates of the costs table) are
// typed as the sheet's fields of their kind are: the plain number, digits
// and the decimal separator only, and a pasted amount loses its currency
// sign and group separators. What the costs table refuses is said with the
// pattern of the kind, and the cell keeps what it had.
class ClosingCostsDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit ClosingCostsDelegate(QObject* parent, NumberField::Kind kind = NumberField::Kind::Money);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    void Refuse() const;

    NumberField::Kind m_kind;
};
