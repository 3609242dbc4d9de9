#include "dialogs/CostsWindowMaker.h"

#include "app/MessageBox.h"
#include "app/ProgramModule.h"
#include "langlib/ResourceIds.h"
#include "model/LoanDocument.h"

namespace {

CostsWindowMaker::Maker Registered = nullptr;

} // namespace

void CostsWindowMaker::Register(Maker maker)
{
    Registered = maker;
}

frmCosts* CostsWindowMaker::Make(LoanDocument& document, QWidget* owner, const PrintedReport::Runner& print)
{
    QString error;
    if (!Registered && !ProgramModule::Load(QStringLiteral("LoanCosts"), &error)) {
        MessageBox::Ok(document.LoadResString(rsModuleNotLoaded).arg(error));
        return nullptr;
    }
    return Registered(document, owner, print);
}
