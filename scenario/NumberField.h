#pragma once

#include "app/FocusReturn.h"
#include "engine/Money.h"

#include <QLineEdit>
#include <QString>

#include <functional>

class NumberFilter;

// A numeric text field of the main window. It never holds the value: the
// window's property does, and the field is a view of it with two forms. With
// the focus it shows the plain number, selected whole, and takes digits and
// the decimal separator only, typed or pasted; leaving it checks the text against the field's
// number rule (refusing with a message and keeping the focus), converts it
// and stores it through the property's setter, which shows the display form.
class NumberField : public QLineEdit
{
    Q_OBJECT

public:
    enum class Kind { Money, Rate, Points, Term };

    explicit NumberField(Kind kind, QWidget* parent = nullptr);

    // The pattern the validation message shows for a kind's rule.
    static QString PatternOf(Kind kind);

    // Each kind comes with its rule; a field may have a rule of its own.
    void SetRule(int allowedDecimals, const QString& pattern, bool separatorKey);
    int AllowedDecimals() const { return m_allowedDecimals; }
    QString Pattern() const { return m_pattern; }

    // The property behind the field; the kind decides which one fits.
    void BindMoney(std::function<Money()> get, std::function<void(Money)> set);
    void BindNumber(std::function<double()> get, std::function<void(double)> set);
    void BindTerm(std::function<qint32()> get, std::function<void(qint32)> set,
                  std::function<bool()> termInMonths);

    // Rewrites the text from the property: the edit form while the user is
    // editing the field, the display form otherwise.
    void ShowValue();
    // The display form of the property, also while the user edits the
    // field: what the field shows once left, for pictures of the window.
    QString DisplayText() const;
    // The got-focus step: edit form, whole text selected.
    void EnterEdit();
    // The lost-focus step without leaving the field, for commands that must
    // see a pending edit. A text that leaving would refuse (against the
    // number rule, or no number within the property's range) is refused with
    // the validation message and the stored value stays.
    bool CommitEdit();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool FollowsRule() const;
    void Leave();
    bool Store();
    void Filter(bool on);
    void Refuse();

    Kind m_kind;
    int m_allowedDecimals = 0;
    QString m_pattern;
    NumberFilter* m_filter;

    // The property's value as text, in the edit form or the display form.
    std::function<QString(bool editForm)> m_text;
    // Stores a typed number in the property; false, storing nothing, when
    // the property cannot hold it.
    std::function<bool(double number)> m_store;

    bool m_editing = false;
    bool m_refusing = false;
    bool m_selectOnRelease = false;
    // The edit form as the field showed it when the user entered it.
    QString m_shownOnEntry;
    FocusReturn m_focusReturn;
};
