#include "app/UserLanguage.h"

#include <optional>

namespace {

constexpr quint16 SublangDefault = 1;
constexpr quint16 LangNeutral = 0;

struct PrimaryLanguage
{
    QLocale::Language language;
    quint16 primary;
};

// Windows primary language ids of the languages a user is likely to run.
constexpr PrimaryLanguage PrimaryLanguages[] = {
    {QLocale::Arabic, 0x01},     {QLocale::Chinese, 0x04},  {QLocale::Czech, 0x05},
    {QLocale::Danish, 0x06},     {QLocale::German, 0x07},   {QLocale::Greek, 0x08},
    {QLocale::English, 0x09},    {QLocale::Spanish, 0x0A},  {QLocale::Finnish, 0x0B},
    {QLocale::French, 0x0C},     {QLocale::Hebrew, 0x0D},   {QLocale::Hungarian, 0x0E},
    {QLocale::Italian, 0x10},    {QLocale::Japanese, 0x11}, {QLocale::Korean, 0x12},
    {QLocale::Dutch, 0x13},      {QLocale::NorwegianBokmal, 0x14},
    {QLocale::Polish, 0x15},     {QLocale::Portuguese, 0x16},
    {QLocale::Romanian, 0x18},   {QLocale::Russian, 0x19},  {QLocale::Swedish, 0x1D},
    {QLocale::Turkish, 0x1F},    {QLocale::Catalan, 0x03},
};

struct Sublanguage
{
    QLocale::Language language;
    QLocale::Territory territory;
    quint16 sublanguage;
};

// Where a country has an id of its own; every other country of a listed
// language takes the language's default sublanguage.
constexpr Sublanguage Sublanguages[] = {
    {QLocale::English, QLocale::UnitedKingdom, 0x02}, {QLocale::English, QLocale::Australia, 0x03},
    {QLocale::English, QLocale::Canada, 0x04},        {QLocale::Spanish, QLocale::Mexico, 0x02},
    {QLocale::Spanish, QLocale::Spain, 0x03},         {QLocale::Spanish, QLocale::Argentina, 0x0B},
    {QLocale::Spanish, QLocale::Colombia, 0x09},      {QLocale::French, QLocale::Canada, 0x03},
    {QLocale::German, QLocale::Austria, 0x03},        {QLocale::German, QLocale::Switzerland, 0x02},
    {QLocale::Portuguese, QLocale::Portugal, 0x02},
};

std::optional<quint16>& FixedId()
{
    static std::optional<quint16> id;
    return id;
}

} // namespace

quint16 UserLanguage::DefaultLangID()
{
    return FixedId().value_or(LangIDOf(QLocale::system()));
}

void UserLanguage::Set(quint16 langId)
{
    FixedId() = langId;
}

void UserLanguage::Reset()
{
    FixedId().reset();
}

quint16 UserLanguage::LangIDOf(const QLocale& locale)
{
    quint16 primary = LangNeutral;
    for (const PrimaryLanguage& entry : PrimaryLanguages) {
        if (entry.language == locale.language())
            primary = entry.primary;
    }
    if (primary == LangNeutral)
        return LangNeutral;

    quint16 sublanguage = SublangDefault;
    for (const Sublanguage& entry : Sublanguages) {
        if (entry.language == locale.language() && entry.territory == locale.territory())
            sublanguage = entry.sublanguage;
    }
    return static_cast<quint16>(sublanguage << 10 | primary);
}
