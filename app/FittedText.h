#pragma once

#include <QFont>
#include <QObject>

class QLineEdit;

// Keeps a field from showing part of a number. A display text too wide for
// the field is drawn in a smaller font; when even the smallest font is too
// wide, the field shows "###", as a spreadsheet does. The tool tip then shows
// the whole text. While the user edits the field it keeps its own font and
// scrolls as any text box does. The field's text itself never changes.
class FittedText : public QObject
{
    Q_OBJECT

public:
    static void Apply(QLineEdit* field);

    // Whether the field shows the overflow mark instead of its text.
    static bool IsOverflowing(const QLineEdit* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FittedText(QLineEdit* field);

    void Fit();
    QString Shown() const;
    bool Fits(const QFont& font) const;
    void PaintOverflow();
    bool ShowTip(const QPoint& at);

    QLineEdit* m_field;
    QFont m_base;
    bool m_overflowing = false;
    // The text the font was last chosen for.
    QString m_fitted;
};
