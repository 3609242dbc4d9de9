#include "app/Main.h"

#include "app/Language.h"
#include "app/Loan.h"
#include "app/MessageBox.h"
#include "app/UserLanguage.h"
#include "store/RegistryAPI.h"
#include "store/Settings.h"

#include <QApplication>

namespace {

const char* const SpanishLibrary = Language::SpanishClass;

constexpr quint16 SpanishLangID = 0x040A;
constexpr quint16 SublanguageOne = 0x0400;

// Only Spanish has a library chosen by id; English is what every other id
// gets by default.
bool BindForLangID(quint16 langId)
{
    return langId == SpanishLangID && Language::Bind(QLatin1String(SpanishLibrary));
}

void ReadStartLanguage()
{
    try {
        Language::SetNumber(static_cast<qint16>(Settings::ReadStartLanguage()));
    } catch (const std::exception& error) {
        MessageBox::Ok(QString::fromLocal8Bit(error.what()));
    }
}

void ReportMovedAsideHive()
{
    const QString keptAs = RegistryAPI::TakeMovedAsideHive();
    if (!keptAs.isEmpty())
        MessageBox::Ok(QStringLiteral("The settings file could not be read. It was kept as %1 "
                                      "and the program started a new one.")
                           .arg(keptAs));
}

} // namespace

void Main()
{
    ReadStartLanguage();
    if (Language::Number() == 0)
        SelectDefaultLanguage();

    auto* window = new Loan;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    ReportMovedAsideHive();
}

void SelectDefaultLanguage()
{
    const quint16 langId = UserLanguage::DefaultLangID();
    const QString hex = QString::number(langId, 16).toUpper();
    const qint16 language = hex.endsWith(QLatin1String("0A")) ? Language::Spanish : Language::English;
    Language::SetNumber(static_cast<qint16>(-language));
    // Only a Spanish choice looks for a library: an id too short to choose
    // Spanish must not get Spanish texts under an English check mark.
    if (language == Language::Spanish && !BindForLangID(langId))
        BindForLangID(static_cast<quint16>(SublanguageOne + (langId & 0xFF)));
}
