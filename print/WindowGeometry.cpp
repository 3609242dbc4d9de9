#include "print/WindowGeometry.h"

#include "app/LoanForm.h"
#include "app/Twips.h"

#include <QFrame>

#include <algorithm>

WindowGeometry::WindowGeometry(const LoanForm& form)
    : m_form(form)
{
}

double WindowGeometry::Width() const
{
    return ToTwipsX(m_form.picBody->window()->width());
}

QRectF WindowGeometry::Rect(const QWidget* control) const
{
    const QWidget* client = m_form.picBody;
    const QPoint topLeft = control->mapTo(client, QPoint(0, 0));
    return {ToTwipsX(topLeft.x()), ToTwipsY(topLeft.y()), ToTwipsX(control->width()),
            ToTwipsY(control->height())};
}

QRectF WindowGeometry::OwnRect(const QWidget* control) const
{
    return {ToTwipsX(control->x()), ToTwipsY(control->y()), ToTwipsX(control->width()),
            ToTwipsY(control->height())};
}

double WindowGeometry::ToTwipsX(double pixels) const
{
    return pixels * Twips::PerPixelX();
}

double WindowGeometry::ToTwipsY(double pixels) const
{
    return pixels * Twips::PerPixelY();
}

double WindowGeometry::QuoteLeft() const
{
    return Rect(m_form.picScroll).left() + ToTwipsX(m_form.picScroll->contentsRect().left());
}

double WindowGeometry::QuoteTop() const
{
    return Rect(m_form.picScroll).top() + ToTwipsY(m_form.picScroll->contentsRect().top());
}

double WindowGeometry::QuoteBottom() const
{
    return Rect(m_form.picScroll).top() + ToTwipsY(m_form.picScroll->contentsRect().bottom() + 1);
}

// A border between two sections lies halfway across the gap between them.
std::array<QLineF, 4> WindowGeometry::Separators() const
{
    const QRectF newLoan = Rect(m_form.fraNewLoan);
    const QRectF grid = Rect(m_form.fraGrid);
    const QRectF current = Rect(m_form.fraCurrent);
    const double left = std::min({newLoan.left(), grid.left(), current.left()});
    const double right = std::max({newLoan.right(), grid.right(), current.right()});
    const double between1 = (newLoan.bottom() + grid.top()) / 2;
    const double between2 = (grid.bottom() + current.top()) / 2;
    return {QLineF(left, newLoan.top(), right, newLoan.top()), QLineF(left, between1, right, between1),
            QLineF(left, between2, right, between2), QLineF(left, current.bottom(), right, current.bottom())};
}
