#pragma once

#include <optional>

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace kl {

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

} // namespace kl
