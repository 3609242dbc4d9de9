#include "dialogs/frmAbout.h"

#include "app/Language.h"
#include "app/MessageBox.h"
#include "app/VersionInfo.h"
#include "dialogs/SystemInfoProgram.h"
#include "langlib/Resources.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace {

const QString MsInfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString MsInfoPathValue = QStringLiteral("PATH");
const QString SharedToolsKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString SharedToolsValue = QStringLiteral("MSINFO");
const QString MsInfoProgram = QStringLiteral("\\MSINFO32.EXE");

constexpr int IconSize = 48;

template <typename T>
T* Named(T* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel* NewLabel(const char* name, const QString& text)
{
    auto* label = Named(new QLabel(text), name);
    label->setWordWrap(true);
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget* owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("frmAbout"));
    // The menu entry's text less its first character, the accelerator mark
    // in English.
    setWindowTitle(Language::LoadResString(rsMnuHelpAbout).mid(1));
    SetupForm();
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);
}

void frmAbout::SetupForm()
{
    picIcon = Named(new QLabel, "picIcon");
    picIcon->setPixmap(QIcon(QStringLiteral(":/icons/loan.svg")).pixmap(IconSize, IconSize));
    lblTitle = NewLabel("lblTitle", VersionInfo::ProductName());
    QFont title = lblTitle->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.5);
    lblTitle->setFont(title);
    lblVersion = NewLabel("lblVersion", QStringLiteral("Version ") + VersionInfo::Version());
    lblDescription = NewLabel("lblDescription", VersionInfo::Comments());
    lblDisclaimer = NewLabel("lblDisclaimer", VersionInfo::LegalCopyright());
    cmdOK = Named(new QPushButton(Language::LoadResString(rsOK)), "cmdOK");
    cmdOK->setDefault(true);
    cmdSysInfo = Named(new QPushButton(Language::LoadResString(rsSysInfo)), "cmdSysInfo");

    auto* layout = new QGridLayout(this);
    layout->addWidget(picIcon, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(lblTitle, 0, 1);
    layout->addWidget(lblVersion, 1, 1);
    layout->addWidget(lblDescription, 2, 1);
    layout->addWidget(lblDisclaimer, 3, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    layout->addLayout(buttons, 4, 0, 1, 2);
}

// The machine-wide settings come first, as on a system that has them; here
// they are absent and the known programs on PATH follow.
void frmAbout::StartSysInfo()
{
    SystemInfoProgram::Candidate program{RegisteredSysInfo(), {}};
    if (program.program.isEmpty())
        program = SystemInfoProgram::Find();
    if (!SystemInfoProgram::Start(program))
        MessageBox::Ok(Language::LoadResString(rsSysInfoUnavailable));
}

QString frmAbout::RegisteredSysInfo()
{
    using RegistryAPI::Root;
    QString path;
    if (GetKeyValue(Root::LocalMachine, MsInfoKey, MsInfoPathValue, path))
        return path;
    if (GetKeyValue(Root::LocalMachine, SharedToolsKey, SharedToolsValue, path)
        && QFileInfo::exists(path + MsInfoProgram))
        return path + MsInfoProgram;
    return {};
}

// Text values lose a stored terminating zero; numbers come back in decimal.
bool frmAbout::GetKeyValue(RegistryAPI::Root keyRoot, const QString& keyName, const QString& subKeyRef,
                           QString& keyVal)
{
    keyVal.clear();
    for (const int type : {RegistryAPI::REG_SZ, RegistryAPI::REG_DWORD}) {
        QVariant value;
        try {
            value = RegistryAPI::ReadValue(keyRoot, keyName, subKeyRef, type, QVariant());
        } catch (const RegistryAPI::Error&) {
            continue;
        }
        if (!value.isValid())
            continue;
        keyVal = value.toString();
        if (keyVal.endsWith(QChar(0)))
            keyVal.chop(1);
        return true;
    }
    return false;
}
