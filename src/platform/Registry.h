#pragma once

#include <QStringList>

#include "app/Registry.h"

namespace kl::platform {

// The system-information programs of this platform that the stand-in looks for, in this order, as bare
// names for findInstalledProgram.
QStringList knownSystemInformationPrograms();

// A read-only stand-in for the registry of this platform. It holds the one value the program asks for:
// the key "SOFTWARE\Microsoft\Shared Tools\MSINFO" with the string "PATH", the absolute path of the first
// installed system-information program (findInstalledProgram, asked anew at each read), and only while
// one is installed. Every other key is missing, and so is every key opened with rights beyond reading.
class SystemRegistry final : public Registry {
public:
    explicit SystemRegistry(QStringList systemInformationPrograms = knownSystemInformationPrograms());

    std::optional<Key> openKey(RegistryRoot root, const QString& path, quint32 access) override;
    std::optional<Value> queryValue(Key key, const QString& name, int bufferSize) override;
    void closeKey(Key key) override;

private:
    QStringList m_programs;
};

} // namespace kl::platform
