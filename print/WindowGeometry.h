#pragma once

#include <QLineF>
#include <QRectF>

#include <array>

class LoanForm;
class QWidget;

// Where the main window shows things, in window twips from the top left
// corner of its client area (below the menu bar). The quote fields measure
// from the left of the canvas that carries them.
class WindowGeometry
{
public:
    explicit WindowGeometry(const LoanForm& form);

    double Width() const;
    QRectF Rect(const QWidget* control) const;
    // A control's place in its own parent: a quote field on the canvas.
    QRectF OwnRect(const QWidget* control) const;
    double ToTwipsX(double pixels) const;
    double ToTwipsY(double pixels) const;

    // Left of the quote canvas.
    double QuoteLeft() const;
    // Top and bottom of the quote rows the viewport shows.
    double QuoteTop() const;
    double QuoteBottom() const;

    // The four section separators at the section borders: above the new
    // loan, between the new loan and the quotes, between the quotes and the
    // current loan, below the current loan.
    std::array<QLineF, 4> Separators() const;

private:
    const LoanForm& m_form;
};
