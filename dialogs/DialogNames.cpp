#include "dialogs/DialogNames.h"

#include "app/AccessibleNames.h"
#include "app/Language.h"
#include "dialogs/UpDown.h"
#include "dialogs/dlgWho.h"
#include "dialogs/frmOptions.h"
#include "langlib/ResourceIds.h"
#include "scenario/NumberField.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace {

QString Res(int id)
{
    return Language::LoadResString(id);
}

} // namespace

void DialogNames::Apply(frmOptions& options)
{
    const QString loans = AccessibleNames::FromCaption(options.lblLoans->text());
    AccessibleNames::Set(options.txtLoans, loans);
    AccessibleNames::Set(options.udLoans->findChild<QToolButton*>(QStringLiteral("cmdUp")),
                         Res(rsNameStepUp).arg(loans));
    AccessibleNames::Set(options.udLoans->findChild<QToolButton*>(QStringLiteral("cmdDown")),
                         Res(rsNameStepDown).arg(loans));
    const QString term = AccessibleNames::FromCaption(options.frmTerm->title());
    AccessibleNames::Set(options.optTerm[0], AccessibleNames::FromCaption(options.lblTermMonths->text()), term);
    AccessibleNames::Set(options.optTerm[1], AccessibleNames::FromCaption(options.lblTermYears->text()), term);
    AccessibleNames::Set(options.txtWallpaper, AccessibleNames::FromCaption(options.frmWallpaper->title()));
    AccessibleNames::Set(options.cmdWallpaper, AccessibleNames::FromCaption(Res(rsBrowse)));
}

void DialogNames::Apply(dlgWho& who, int d)
{
    AccessibleNames::Set(who.txtWho, Res(rsNameQuoteField).arg(QString::number(d + 1), Res(rsNameWho)));
}
