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
// A field left as the program showed it stores nothing: passing through
// never changes a value.
class NumberField : public QLineEdit
{
    Q_OBJECT

public:
    enum class Kind { Money, Rate, Points, Term };

    explicit NumberField(Kind kind, QWidget* parent = nullptr);

    // The pattern the validation message shows for a kind's rule.
    static QString PatternOf(Kind kind);

    // Each kind comes with its rule; a field may have a rule of its own. A
    // term shown in years takes decimals whatever its own rule says.
    void SetRule(int allowedDecimals, const QString& pattern, bool separatorKey);
    int AllowedDecimals() const { return ActiveRule().allowedDecimals; }
    QString Pattern() const { return ActiveRule().pattern; }

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
    // number rule, no number, or one beyond the property's range) is refused
    // with its message and the stored value stays.
    bool CommitEdit();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Rule
    {
        int allowedDecimals;
        QString pattern;
        bool separatorKey;
    };
    enum class Stored { Yes, NoNumber, TooLarge };

    Rule ActiveRule() const;
    bool Unchanged() const;
    bool FollowsRule() const;
    void Leave();
    Stored Store();
    void Filter(bool on);
    // The number-rule message, with the field's pattern.
    void Refuse();
    void Refuse(Stored why);
    void Refuse(const QString& message);

    Kind m_kind;
    Rule m_rule;
    NumberFilter* m_filter;

    // The property's value as text, in the edit form or the display form.
    std::function<QString(bool editForm)> m_text;
    // Stores a typed number in the property; false, storing nothing, when
    // the property cannot hold it.
    std::function<bool(double number)> m_store;
    // Whether the bound term is shown in years; empty for other kinds.
    std::function<bool()> m_termInYears;

    bool m_editing = false;
    bool m_refusing = false;
    bool m_selectOnRelease = false;
    // The edit form as the program last wrote it while the user is in the
    // field: leaving with this text stores nothing.
    QString m_shownOnEntry;
    FocusReturn m_focusReturn;
};
