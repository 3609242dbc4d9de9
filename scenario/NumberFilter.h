#pragma once

#include <QString>
#include <QValidator>

class QKeyEvent;

#include <functional>

// The characters a numeric field takes while it is being edited, for typed
// keys and for pasted or dropped text alike: digits and, where the field has
// decimals, the regional decimal separator. A full stop, and the keypad's
// decimal key whatever it sends, is that separator: the edit form is a plain
// number, so a decimal point never turns into digits run together. Installed
// as an event filter on its field, it also sees to the keys.
class NumberFilter : public QValidator
{
    Q_OBJECT

public:
    explicit NumberFilter(QObject* parent = nullptr);

    void SetSeparatorAllowed(bool allowed);
    // The text as the field showed it on entry: what the program wrote there
    // (a loaded value may carry a sign) stays editable.
    void SetShownOnEntry(const QString& text);
    // Called, after the edit that was refused, when text is refused.
    void OnRefused(std::function<void()> refused);

    // A typed character as the field takes it; a null character when the
    // field refuses it.
    QChar Taken(QChar typed, bool keypad = false) const;

    State validate(QString& input, int& pos) const override;

protected:
    // A key the field refuses types nothing; a decimal key types the
    // separator.
    bool eventFilter(QObject* field, QEvent* event) override;

private:
    // Whether a key press gets to the field: keys that type nothing and
    // shortcuts do; a typed character only when the field takes it.
    bool TakesKey(const QKeyEvent& event) const;
    // The printable character a key types; a null character for editing and
    // movement keys.
    static QChar TypedChar(const QKeyEvent& event);

    bool m_separatorAllowed = false;
    QString m_kept;
    std::function<void()> m_refused;
};
