#pragma once

#include <QStyledItemDelegate>

// Closing costs are typed as the sheet's money fields are: the plain number,
// digits and the decimal separator only, two decimals at most, and a pasted
// amount loses its currency sign and group separators. What the costs table
// refuses is said, and the cell keeps what it had.
class ClosingCostsDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    static void Refuse();
};
