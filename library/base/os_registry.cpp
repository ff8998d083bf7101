// os_registry.cpp - reading one registry value into a blank-padded text.
// Registry data is outside input: string values are counted to their first NUL and every copy
// is bounded by the data read and by the caller's text.
#include <algorithm>
#include <string>

#include "base/errors_internal.hpp"
#include "base/os.hpp"
#include "base/os_internal.hpp"

namespace {
constexpr int typeString = 1;
constexpr int typeExpandString = 2;
}  // namespace

void IOsRegistryGet(std::string_view keyPath, TextRef* value,
                    std::optional<std::string_view> valueName, int* type, int* length) {
    int foundType = -1;
    int foundLength = 0;
    if (value != nullptr) value->blank();

    const std::size_t slash = keyPath.find('\\');
    std::intptr_t root = -1;
    if (slash != std::string_view::npos) root = yyregkey(std::string(keyPath.substr(0, slash)).c_str());
    if (root == -1) {
        yyerror(1050, "IOsRegistryGet");
    } else {
        const std::string key(trimRight(keyPath.substr(slash + 1)));
        const std::string name(valueName ? trimRight(*valueName) : std::string_view());
        std::string data;
        int registryType = 0;
        const int status = yyregkeyget(root, key.c_str(), valueName ? name.c_str() : nullptr,
                                       registryType, data);
        if (status == 2) foundType = -2;
        if (status == 0) {
            foundType = registryType;
            std::size_t count = data.size();
            if (value != nullptr && data.size() > value->size() + 1) {
                yyerror(1023, "IOsRegistryGet");
            } else {
                if (foundType == typeString || foundType == typeExpandString)
                    count = std::min(data.find('\0'), data.size());
                if (value != nullptr)
                    value->assign(std::string_view(data).substr(0, std::min(count, value->size())));
            }
            foundLength = static_cast<int>(count);
        }
    }
    if (type != nullptr) *type = foundType;
    if (length != nullptr) *length = foundLength;
}
