#pragma once

#include <map>
#include <optional>
#include <vector>

#include <QString>

#include "app/Registry.h"

namespace kl::testing {

// A registry made of the keys a test puts into it. Records every key opened, with the rights asked for,
// and every key closed. Unscripted, it holds no key at all.
class ScriptedRegistry final : public Registry {
public:
    struct ScriptedKey {
        // Keys that exist but refuse these rights answer an open that asks for any of them as missing.
        quint32 refusedAccess = 0;
        std::map<QString, Value> values; // by value name, upper case
    };

    // Puts a value into a key under the local machine's root, making the key when needed.
    void setValue(const QString& key, const QString& name, quint32 type, const QByteArray& data) {
        keys[key.toUpper()].values[name.toUpper()] = Value{type, data};
    }
    void setString(const QString& key, const QString& name, const QString& text) {
        setValue(key, name, RegistryType::String, text.toLocal8Bit() + QByteArray(1, '\0'));
    }

    std::optional<Key> openKey(RegistryRoot root, const QString& path, quint32 access) override {
        opened.push_back({path, access});
        const auto found = keys.find(path.toUpper());
        if (root != RegistryRoot::LocalMachine || found == keys.end() ||
            (access & found->second.refusedAccess) != 0) {
            return std::nullopt;
        }
        const Key key = nextKey++;
        openKeys[key] = path.toUpper();
        return key;
    }

    std::optional<Value> queryValue(Key key, const QString& name, int bufferSize) override {
        queried.push_back(name);
        const auto open = openKeys.find(key);
        if (open == openKeys.end()) {
            return std::nullopt;
        }
        const auto& values = keys[open->second].values;
        const auto value = values.find(name.toUpper());
        if (value == values.end() || value->second.data.size() > bufferSize) {
            return std::nullopt;
        }
        return value->second;
    }

    void closeKey(Key key) override {
        closed.push_back(key);
        openKeys.erase(key);
    }

    struct Open {
        QString path;
        quint32 access = 0;
    };

    std::map<QString, ScriptedKey> keys; // by key path, upper case
    std::vector<Open> opened;
    std::vector<QString> queried;
    std::vector<Key> closed;
    std::map<Key, QString> openKeys; // opened and not yet closed

private:
    Key nextKey = 1;
};

} // namespace kl::testing
