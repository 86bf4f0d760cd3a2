#include "app/SysInfoLookup.h"

#include <cstring>

#include <QFileInfo>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace kl {

RegistryLocation sysInfoPathLocation() {
    return {u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"_s, u"PATH"_s};
}

RegistryLocation sysInfoFolderLocation() {
    return {u"SOFTWARE\\Microsoft\\Shared Tools Location"_s, u"MSINFO"_s};
}

namespace {

QString dwordText(const QByteArray& buffer) {
    quint32 value = 0;
    std::memcpy(&value, buffer.constData(), sizeof value);
    return u"&h"_s + QString::number(qFromLittleEndian(value), 16).toUpper();
}

} // namespace

bool GetKeyValue(Registry& registry, RegistryRoot keyRoot, const QString& keyName, const QString& subKeyRef,
                 QString& keyVal) {
    // Reading needs no write rights; asking for them would make a read-only key unreadable.
    const std::optional<Registry::Key> key = registry.openKey(keyRoot, keyName, RegistryAccess::Read);
    if (!key) {
        keyVal.clear();
        return false;
    }
    const std::optional<Registry::Value> value = registry.queryValue(*key, subKeyRef, keyValueBufferSize);
    registry.closeKey(*key);
    if (!value || value->data.size() > keyValueBufferSize) {
        keyVal.clear();
        return false;
    }
    QByteArray buffer(keyValueBufferSize, '\0');
    std::memcpy(buffer.data(), value->data.constData(), static_cast<size_t>(value->data.size()));

    if (value->type == RegistryType::String) {
        // A text that fills the buffer without a terminating zero is taken whole.
        const qsizetype end = buffer.indexOf('\0');
        keyVal = QString::fromLocal8Bit(end < 0 ? buffer : buffer.left(end));
    } else if (value->type == RegistryType::Dword) {
        keyVal = dwordText(buffer);
    }
    return true;
}

bool isOrdinaryFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

std::optional<QString> findSysInfoProgram(Registry& registry,
                                          const std::function<bool(const QString&)>& fileExists) {
    QString path;
    const RegistryLocation first = sysInfoPathLocation();
    if (GetKeyValue(registry, RegistryRoot::LocalMachine, first.key, first.valueName, path)) {
        return path;
    }
    const RegistryLocation second = sysInfoFolderLocation();
    if (!GetKeyValue(registry, RegistryRoot::LocalMachine, second.key, second.valueName, path)) {
        return std::nullopt;
    }
    const QString program = path + u"/MSINFO32.EXE"_s;
    if (!fileExists(program)) {
        return std::nullopt;
    }
    return program;
}

QString sysInfoUnavailableMessage() {
    return u"現時点ではｼｽﾃﾑ情報を使用できません"_s;
}

} // namespace kl
