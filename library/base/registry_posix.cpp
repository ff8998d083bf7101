// registry_posix.cpp - a process-local registry for native builds: the seven roots, keys and
// typed values in memory, enough to exercise the portable registry routines.
#include <cerrno>
#include <cstring>
#include <map>
#include <string>
#include <utility>

#include "base/os_internal.hpp"

namespace {

const char* const rootNames[] = {"HKEY_CLASSES_ROOT",   "HKEY_CURRENT_USER",     "HKEY_LOCAL_MACHINE",
                                 "HKEY_USERS",          "HKEY_PERFORMANCE_DATA", "HKEY_CURRENT_CONFIG",
                                 "HKEY_DYN_DATA"};

using Values = std::map<std::string, std::pair<int, std::string>>;
std::map<std::string, Values>& keys() {
    static std::map<std::string, Values> registry;
    return registry;
}

std::string keyName(std::intptr_t root, const char* key) { return std::to_string(root) + "\\" + key; }
std::string valueKey(const char* valueName) { return valueName != nullptr ? valueName : ""; }

}  // namespace

std::intptr_t yyregkey(const char* rootName) {
    std::string name = std::string(rootName).substr(0, 22);
    for (char& c : name)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    while (!name.empty() && name.back() == ' ') name.pop_back();
    for (std::intptr_t i = 0; i < 7; ++i)
        if (name == rootNames[i]) return i + 1;
    return -1;
}

int yyregkeyget(std::intptr_t root, const char* key, const char* valueName, int& type,
                std::string& data) {
    const auto found = keys().find(keyName(root, key));
    if (found == keys().end()) return 1;
    const auto value = found->second.find(valueKey(valueName));
    if (value == found->second.end()) return 2;
    type = value->second.first;
    data = value->second.second;
    return 0;
}

int yyregkeyput(std::intptr_t root, const char* key, const char* valueName, int type,
                const std::string& data) {
    keys()[keyName(root, key)][valueKey(valueName)] = {type, data};
    return 0;
}

int yyregkeydel(std::intptr_t root, const char* key) {
    return keys().erase(keyName(root, key)) == 1 ? 0 : ENOENT;
}

int yyregvaldel(std::intptr_t root, const char* key, const char* valueName) {
    const auto found = keys().find(keyName(root, key));
    if (found == keys().end()) return 2;
    return found->second.erase(valueKey(valueName)) == 1 ? 0 : ENOENT;
}
