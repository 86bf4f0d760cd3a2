#pragma once

#include <functional>
#include <optional>

#include <QString>

#include "app/Registry.h"

namespace kl {

// The two registry places that locate the system-information tool, both under the local machine's root.
struct RegistryLocation {
    QString key;
    QString valueName;
};
RegistryLocation sysInfoPathLocation();   // the tool's full path
RegistryLocation sysInfoFolderLocation(); // the folder that holds "MSINFO32.EXE"

// The size of the buffer a value is read into; a longer value counts as missing.
constexpr int keyValueBufferSize = 1024;

// Reads the value `subKeyRef` of the key `keyName` into `keyVal`. A string becomes its text up to the
// first zero byte, in the system's 8-bit code page; a 32-bit number becomes "&h" and its hexadecimal
// digits; any other type leaves `keyVal` as it was. False, with `keyVal` empty, when the key cannot be
// opened for reading or the value cannot be read. Every key it opens it closes again.
bool GetKeyValue(Registry& registry, RegistryRoot keyRoot, const QString& keyName, const QString& subKeyRef,
                 QString& keyVal);

// Whether an ordinary file, not hidden and not a folder, stands at `path`.
bool isOrdinaryFile(const QString& path);

// The program that the system-information button starts: the path at the first location when it can be
// read, whatever it names; otherwise "MSINFO32.EXE" in the folder at the second location, when that file
// exists. Nothing when neither leads to a program.
std::optional<QString>
findSysInfoProgram(Registry& registry,
                   const std::function<bool(const QString&)>& fileExists = isOrdinaryFile);

// What the user is told when the tool cannot be started.
QString sysInfoUnavailableMessage();

} // namespace kl
