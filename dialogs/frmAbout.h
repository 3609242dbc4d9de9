#pragma once

#include "store/RegistryAPI.h"

#include <QDialog>

class QLabel;
class QPushButton;

// The about box: the product's name, version, description and copyright line
// from the program's version information, and a button that starts the
// system information program.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget* owner);

    // Starts the system information program, or says it is unavailable.
    void StartSysInfo();
    // One registry value as text; false when it could not be read, and then
    // keyVal is empty.
    static bool GetKeyValue(RegistryAPI::Root keyRoot, const QString& keyName, const QString& subKeyRef,
                            QString& keyVal);

    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;

private:
    void SetupForm();
    // The program named by the machine-wide settings, as the first place to
    // look; empty when they name none.
    static QString RegisteredSysInfo();
};
