// registry_win.cpp - registry reads and writes of the operating-system layer (Win32).
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "base/os_internal.hpp"

namespace {

struct RootName {
    const char* name;
    HKEY key;
};
const RootName roots[] = {
    {"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},         {"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
    {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},       {"HKEY_USERS", HKEY_USERS},
    {"HKEY_PERFORMANCE_DATA", HKEY_PERFORMANCE_DATA}, {"HKEY_CURRENT_CONFIG", HKEY_CURRENT_CONFIG},
    {"HKEY_DYN_DATA", HKEY_DYN_DATA},
};

HKEY rootKey(std::intptr_t root) { return reinterpret_cast<HKEY>(root); }
const char* valueOrDefault(const char* valueName) { return valueName != nullptr ? valueName : ""; }

}  // namespace

std::intptr_t yyregkey(const char* rootName) {
    // Matched on the upper-cased first 22 characters.
    std::string name(rootName);
    name = name.substr(0, 22);
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    while (!name.empty() && name.back() == ' ') name.pop_back();
    for (const RootName& root : roots)
        if (name == root.name) return reinterpret_cast<std::intptr_t>(root.key);
    return -1;
}

int yyregkeyget(std::intptr_t root, const char* key, const char* valueName, int& type,
                std::string& data) {
    HKEY opened;
    if (RegOpenKeyExA(rootKey(root), key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return 1;
    DWORD valueType = 0;
    DWORD size = 0;
    LONG result = RegQueryValueExA(opened, valueOrDefault(valueName), nullptr, &valueType, nullptr, &size);
    // The value may grow between the two calls: read until the buffer holds it.
    while (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {
        data.assign(size, '\0');
        DWORD got = size;
        result = RegQueryValueExA(opened, valueOrDefault(valueName), nullptr, &valueType,
                                  reinterpret_cast<BYTE*>(data.data()), &got);
        if (result == ERROR_SUCCESS) {
            data.resize(std::min<DWORD>(got, size));
            break;
        }
        size = std::max<DWORD>(got, size + 256);
    }
    RegCloseKey(opened);
    if (result != ERROR_SUCCESS) return 2;
    type = static_cast<int>(valueType);
    return 0;
}

int yyregkeyput(std::intptr_t root, const char* key, const char* valueName, int type,
                const std::string& data) {
    HKEY created;
    LONG result = RegCreateKeyExA(rootKey(root), key, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  KEY_WRITE, nullptr, &created, nullptr);
    if (result != ERROR_SUCCESS) return static_cast<int>(result);
    result = RegSetValueExA(created, valueOrDefault(valueName), 0, static_cast<DWORD>(type),
                            reinterpret_cast<const BYTE*>(data.data()), static_cast<DWORD>(data.size()));
    RegCloseKey(created);
    return static_cast<int>(result);
}

int yyregkeydel(std::intptr_t root, const char* key) {
    return static_cast<int>(RegDeleteKeyA(rootKey(root), key));
}

int yyregvaldel(std::intptr_t root, const char* key, const char* valueName) {
    HKEY opened;
    if (RegOpenKeyExA(rootKey(root), key, 0, KEY_SET_VALUE, &opened) != ERROR_SUCCESS) return 2;
    const LONG result = RegDeleteValueA(opened, valueOrDefault(valueName));
    RegCloseKey(opened);
    return static_cast<int>(result);
}
