#pragma once

#include "store/RegistryError.h"
#include "store/RegistryTransaction.h"
#include "store/StoredValue.h"

#include <QString>
#include <QStringList>
#include <QVariant>

// Every piece of state the program keeps between runs goes through these
// operations. Paths are below a root and use the backslash ("Software\Zantic
// Brindlecoft\Loan"); no handle is held between calls. The current user's
// keys live in a hive file of the user's configuration folder; the local
// machine root holds nothing here, so every lookup under it fails.
namespace RegistryAPI {

enum class Root { CurrentUser, LocalMachine };

bool KeyExists(Root root, const QString& path);
// True when the key existed already, false when it was created; raises Error
// when it cannot be created.
bool CreateKey(Root root, const QString& path);
// Deletes the key with everything below it; the outcome is not reported.
void DeleteKey(Root root, const QString& path);
// The default comes back whenever nothing can be read; an unsupported type on
// an existing key raises Error.
QVariant ReadValue(Root root, const QString& path, const QString& name, int type,
                   const QVariant& defaultValue);
// Stores nothing when the key does not exist or the value does not convert.
void WriteValue(Root root, const QString& path, const QString& name, int type,
                const QVariant& value);
void DeleteValue(Root root, const QString& path, const QString& name);
// The names of the key's direct subkeys in case-insensitive order; one entry
// of 260 blanks when it has none; no entries when the key cannot be opened.
QStringList ListSubKeys(Root root, const QString& path);

// Where a damaged hive file found since the last call was moved to, so the
// window can tell the user; empty when nothing happened.
QString TakeMovedAsideHive();

} // namespace RegistryAPI
