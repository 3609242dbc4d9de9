#pragma once

#include <QDialog>

#include <functional>
#include <vector>

class QFileDialog;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Settings;
class UpDown;

// The options dialog: how many quote rows the window shows at once, months
// or years for terms, and the wallpaper picture with a preview. It changes
// the settings in memory, and only on OK; storing and applying them is the
// Options command's work.
class frmOptions : public QDialog
{
    Q_OBJECT

public:
    frmOptions(Settings& settings, QWidget* owner);

    QLabel* lblLoans = nullptr;
    QLineEdit* txtLoans = nullptr;
    UpDown* udLoans = nullptr;
    QGroupBox* frmTerm = nullptr;
    // Index 0 months, 1 years.
    std::vector<QRadioButton*> optTerm;
    QLabel* lblTermMonths = nullptr;
    QLabel* lblTermYears = nullptr;
    QGroupBox* frmWallpaper = nullptr;
    QLineEdit* txtWallpaper = nullptr;
    QPushButton* cmdWallpaper = nullptr;
    QLabel* picWallpaper = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

    // The folder the next browse starts in.
    QString WallpaperDirectory() const { return m_wallpaperDirectory; }

    // Test hook: the open-file dialog, prepared as for the user, goes to the
    // hook, whose answer is taken as the dialog's result. An empty hook shows
    // the dialog again.
    using FileDialogHook = std::function<int(QFileDialog&)>;
    static void InterceptFileDialog(FileDialogHook hook);

public slots:
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetupForm();
    void ApplyTexts();
    void LoadSettings();
    void AddTermChoice(QHBoxLayout* layout, int index, QLabel* label);
    // The count check of leaving txtLoans; false after the refusal was shown.
    bool ValidateLoans();
    int Loans() const;
    void Browse();
    void Preview();

    Settings& m_settings;
    QString m_wallpaperDirectory;
    bool m_refusing = false;
};
