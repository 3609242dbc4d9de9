#pragma once

#include "app/Language.h"
#include "app/Loan.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <memory>

// The comparison sheet driven as a user drives it: click into a field, type,
// press Tab.
namespace QuoteSheet {

inline std::unique_ptr<Loan> OpenWindow()
{
    Language::SetNumber(Language::English);
    auto window = std::make_unique<Loan>();
    window->show();
    if (!QTest::qWaitForWindowActive(window.get()))
        return nullptr;
    return window;
}

inline void Enter(QWidget* field)
{
    QWidget* target = field;
    if (auto* list = qobject_cast<QComboBox*>(field))
        target = list->lineEdit();
    QTest::mouseClick(target, Qt::LeftButton);
}

inline void Leave()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}

// Types the text into the field and leaves it.
inline void Type(QWidget* field, const QString& text)
{
    Enter(field);
    QTest::keyClicks(QApplication::focusWidget(), text);
    Leave();
}

// A quote typed into row d: rate in percent, term in the window's unit,
// frequency by its name; an empty text leaves the field alone.
inline void TypeQuote(Loan& window, int d, const QString& rate, const QString& term, const QString& frequency)
{
    const auto row = static_cast<std::size_t>(d);
    if (!frequency.isEmpty())
        Type(window.cboFrequency[row], frequency);
    if (!term.isEmpty())
        Type(window.txtTerm[row], term);
    if (!rate.isEmpty())
        Type(window.txtInterestRate[row], rate);
}

} // namespace QuoteSheet
