#include "Registry.h"

#include "Processes.h"

using namespace Qt::StringLiterals;

namespace kl::platform {

namespace {

constexpr Registry::Key msinfoKey = 1;

} // namespace

QStringList knownSystemInformationPrograms() {
    return {u"hardinfo"_s, u"kinfocenter"_s, u"cpu-x"_s};
}

SystemRegistry::SystemRegistry(QStringList systemInformationPrograms)
    : m_programs(std::move(systemInformationPrograms)) {}

std::optional<Registry::Key> SystemRegistry::openKey(RegistryRoot root, const QString& path, quint32 access) {
    if (root != RegistryRoot::LocalMachine || (access & ~RegistryAccess::Read) != 0) {
        return std::nullopt;
    }
    if (path.compare(u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", Qt::CaseInsensitive) != 0 ||
        !findInstalledProgram(m_programs)) {
        return std::nullopt;
    }
    return msinfoKey;
}

std::optional<Registry::Value> SystemRegistry::queryValue(Key key, const QString& name, int bufferSize) {
    if (key != msinfoKey || name.compare(u"PATH", Qt::CaseInsensitive) != 0) {
        return std::nullopt;
    }
    const std::optional<QString> program = findInstalledProgram(m_programs);
    if (!program) {
        return std::nullopt;
    }
    Value value{RegistryType::String, program->toLocal8Bit()};
    value.data.append('\0');
    if (value.data.size() > bufferSize) {
        return std::nullopt;
    }
    return value;
}

void SystemRegistry::closeKey(Key /*key*/) {}

} // namespace kl::platform
