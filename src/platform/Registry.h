#pragma once

#include <optional>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace kl::platform {

enum class RegistryRoot { LocalMachine };

// The value types as the system numbers them.
struct RegistryType {
    static constexpr quint32 String = 1;
    static constexpr quint32 ExpandString = 2;
    static constexpr quint32 Binary = 3;
    static constexpr quint32 Dword = 4;
    static constexpr quint32 MultiString = 7;
};

// Access rights for opening a key: reading only, and everything but deleting (write rights included).
struct RegistryAccess {
    static constexpr quint32 Read = 0x20019;
    static constexpr quint32 AllButDelete = 0x2003F;
};

// The system registry, read the way the Windows calls read it: open a key, query a value into a buffer of
// a given size, close the key. Key paths and value names compare without regard to case.
class Registry {
public:
    using Key = quint64;

    struct Value {
        quint32 type = 0;
        QByteArray data; // the stored bytes; a text holds its terminating zero byte
    };

    virtual ~Registry() = default;

    // Nullopt when the key does not exist or refuses the rights asked for.
    virtual std::optional<Key> openKey(RegistryRoot root, const QString& path, quint32 access) = 0;

    // Nullopt when the value does not exist or does not fit into `bufferSize` bytes.
    virtual std::optional<Value> queryValue(Key key, const QString& name, int bufferSize) = 0;

    virtual void closeKey(Key key) = 0;
};

// The system-information programs of this platform that the stand-in looks for, in this order.
QStringList knownSystemInformationPrograms();

// A read-only stand-in for the registry of this platform. It holds the one value the program asks for:
// the key "SOFTWARE\Microsoft\Shared Tools\MSINFO" with the string "PATH", the absolute path of the first
// installed system-information program, and only while one is installed. Every other key is missing, and
// so is every key opened with rights beyond reading.
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
