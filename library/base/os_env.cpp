// os_env.cpp - environment, date and time, directories, file information and program end.
// Each routine converts its texts, calls the operating-system layer and reports failures.
#include <algorithm>
#include <string>
#include <vector>

#include "base/convert.hpp"
#include "base/errors_internal.hpp"
#include "base/gravim.hpp"
#include "base/os.hpp"
#include "base/os_internal.hpp"

void yyoserror(int code, std::string_view routine) {
    gravim.core.osStatus = code;
    yyerror(13, routine);
}

void IOsVariable(std::string_view name, TextRef value) {
    value.blank();
    const std::string key(trimRight(name));
    std::vector<char> buffer(value.size() + 1, '\0');
    const int size = static_cast<int>(buffer.size());
    const int length = yygetenv(key.c_str(), buffer.data(), size);
    if (length >= size) {
        yyerror(1023, "IOsVariable");
        return;
    }
    if (length > 0) value.assign(std::string_view(buffer.data(), static_cast<std::size_t>(length)));
}

void IOsVariablePut(std::string_view name, std::optional<std::string_view> value) {
    const std::string key(trimRight(name));
    const std::string text(value ? trimRight(*value) : std::string_view());
    yyputenv(key.c_str(), text.c_str());
}

void IOsDate(int& year, int& month, int& day) { yydate(year, month, day); }

void IOsTime(int& hour, int& minute, int& second, int* milliseconds) {
    int millis = 0;
    yytime(hour, minute, second, millis);
    if (milliseconds != nullptr) *milliseconds = millis;
}

void IOsFileInfo(std::string_view name, int* info, int count) {
    if (count < 1) count = 1;
    if (count > 9) count = 9;
    const std::string file(trimRight(name));
    if (file.empty()) {
        info[0] = -1;
        return;
    }
    int all[9];
    std::copy(info, info + count, all);
    std::fill(all + count, all + 9, 0);
    yyfileinfo(file.c_str(), all);
    std::copy(all, all + count, info);
}

bool IOsDirExists(std::string_view directory) {
    std::string_view name = trimRight(directory);
    while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
    if (name.empty()) return false;
    if (name == "\\") return true;
    if (name.size() == 3 && name[1] == ':' && name[2] == '\\') {
        const char letter = name[0];
        if ((letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z')) {
            const int type = yydrivetype(std::string(name).c_str());
            return type != 0 && type != 1;
        }
    }
    if (name.back() == '\\') name.remove_suffix(1);
    int info[9] = {};
    yyfileinfo(std::string(name).c_str(), info);
    return info[0] != -1 && (info[7] & attributeDirectory) != 0;
}

void IOsDirMake(std::string_view directory) {
    const std::string name(trimRight(directory));
    if (const int code = yydirm(name.c_str())) yyoserror(code, "IOsDirMake");
}

void IOsDirName(TextRef directory) {
    directory.blank();
    std::vector<char> buffer(directory.size() + 1, '\0');
    bool tooLong = false;
    const int code = yydirn(buffer.data(), static_cast<int>(buffer.size()), tooLong);
    if (code != 0) {
        yyoserror(code, "IOsDirName");
        return;
    }
    if (tooLong) {
        yyerror(1023, "IOsDirName");
        return;
    }
    buffer.back() = '\0';
    directory.assign(buffer.data());
}

void IOsExitProgram(std::string_view message, int code) {
    const std::string_view text = trimRight(message);
    if (!text.empty()) {
        // The code as the edit format (I4) writes it (asterisks when it does not fit), left-justified.
        Text<4> number;
        {
            ErrorSilence quiet;
            IntegerToString(code, number, "(I4)");
        }
        std::string_view digits = number.trimmed();
        while (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
        const std::string box = "Abnormal exit (code " + std::string(digits) + ") : " + std::string(text);
        yywinmessagebox(box.c_str(), "Gravimonder");
    }
    yyexitprogram(code);
}
