#pragma once

#include <QString>

// Which names a scenario can be saved under. The name becomes one registry
// key below the program key, so it must stay one key (no backslash), fit the
// registry's limit for a key name, and be told apart in the name list: a
// leading blank would sort the name in front of everything and make the list
// take it for the blank filler of an empty key, trailing blanks would make two
// entries look alike, and control characters or line breaks do not show in a
// one-line list.
class ScenarioName
{
public:
    enum class Verdict {
        Valid,
        // Empty or a single blank: never saved or deleted, with messages of its own.
        Blank,
        // Anything else the store cannot hold as one listed key.
        Refused,
    };

    // The registry's limit for the name of one key.
    static constexpr int MaxLength = 255;

    static Verdict Check(const QString& name);
    static bool IsBlank(const QString& name);

private:
    static bool IsUnlistable(QChar character);
};
