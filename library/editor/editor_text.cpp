// editor_text.cpp - the editor's rules that need no window.
#include "editor/editor_text.hpp"

#include <algorithm>
#include <cctype>
#include <cstring>

PreparedText yyeditpreparetext(std::string_view file, int richEditVersion) {
    PreparedText prepared;
    prepared.text.assign(file);
    for (char& c : prepared.text)
        if (c == '\0') c = ' ';
    if (!prepared.text.empty() && prepared.text.back() == '\x1a') prepared.text.pop_back();
    prepared.guarded = richEditVersion >= 2 && prepared.text.size() >= 5 && prepared.text.compare(0, 3, "{\\r") == 0;
    return prepared;
}

bool yyeditisrtfname(std::string_view name, bool richText) {
    if (!richText) return false;
    const std::string_view tail = name.size() < 4 ? name : name.substr(name.size() - 4);
    constexpr std::string_view rtf = ".rtf";
    if (tail.size() != rtf.size()) return false;
    for (std::size_t i = 0; i < rtf.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(tail[i])) != rtf[i]) return false;
    return true;
}

PositionWalk yyeditwalkpositions(std::string_view controlText, int internal, int external, int a, int b) {
    PositionWalk walk;
    const int limit = std::max(a, b) + 1;
    auto test = [&](int controlPosition) {
        if (walk.controlA < 0 && external == a) walk.controlA = controlPosition;
        if (walk.controlB < 0 && external == b) walk.controlB = controlPosition;
    };
    std::size_t i = 0;
    for (; i < controlText.size(); ++i) {
        if ((walk.controlA >= 0 && walk.controlB >= 0) || internal > limit) break;
        const int startExternal = external;
        test(internal);
        if (controlText[i] == '\r') {
            ++external;  // the LF of the line end
            test(internal);
        }
        if (walk.controlA >= 0 && walk.controlB >= 0) {
            external = startExternal;  // keep the pair at the start of this character
            break;
        }
        ++internal;
        ++external;
    }
    if (walk.controlA < 0 || walk.controlB < 0) {
        test(internal);
        // Past the end of the text: as far past the control's end as past the caller's.
        if (walk.controlA < 0) walk.controlA = internal + std::max(0, a - external);
        if (walk.controlB < 0) walk.controlB = internal + std::max(0, b - external);
    }
    walk.internal = internal;
    walk.external = external;
    return walk;
}

int yyeditcountlineends(std::string_view controlText, int count) {
    const std::size_t n = count <= 0 ? 0 : std::min(controlText.size(), static_cast<std::size_t>(count));
    return static_cast<int>(std::count(controlText.begin(), controlText.begin() + static_cast<std::ptrdiff_t>(n), '\r'));
}

std::string yyeditviewlabel(int buffer, std::string_view name) {
    std::string label = "&";
    label += buffer <= 9 ? static_cast<char>('0' + buffer) : static_cast<char>(55 + buffer);
    label += ' ';
    label += name.empty() ? std::string_view("Untitled") : name.substr(0, EditorPathLength);
    return label;
}

namespace {
std::string_view shownName(std::string_view fileName) { return fileName.substr(0, EditorPathLength); }
}  // namespace

std::string yyedittitletext(std::string_view windowTitle, std::string_view fileName, bool hideFileName,
                            bool modifiedMark) {
    std::string title(windowTitle.substr(0, EditorTitleLength));
    if (!fileName.empty() && !hideFileName) {
        const bool brackets = !windowTitle.empty();
        if (brackets) title += " - [";
        title += shownName(fileName);
        if (modifiedMark) title += " *";
        if (brackets) title += "]";
    }
    if (title.size() > EditorTitleLength) title.resize(EditorTitleLength);
    return title;
}

std::string yyeditstatusname(std::string_view fileName, bool hideFileName, bool modifiedMark) {
    if (fileName.empty() || hideFileName) return {};
    std::string text(shownName(fileName));
    if (modifiedMark) text += " *";
    return text;
}

std::string yyeditsavequestion(std::string_view fileName, bool hideFileName) {
    if (fileName.empty() || hideFileName) return "Do you want to save changes?";
    std::string question = "Do you want to save changes to ";
    question += shownName(fileName);
    question += "?";
    return question;
}

std::string yyeditfilterlist(std::string_view filter, bool richText) {
    if (filter.empty()) {
        static constexpr char rich[] = "Rich Text Files (*.RTF)\0*.RTF\0Text Files (*.TXT)\0*.TXT\0All Files (*.*)\0*.*\0";
        std::string_view list(rich, sizeof rich - 1);
        if (!richText) list.remove_prefix(std::strlen(rich) + 1 + std::strlen(rich + std::strlen(rich) + 1) + 1);
        return std::string(list) + '\0';
    }
    std::string list(filter.substr(0, EditorFilterLength));
    const char separator = filter.back();
    for (char& c : list)
        if (c == separator) c = '\0';
    list += '\0';
    return list;
}

int yyeditfindcode(bool matchCase, bool down, bool wholeWord) {
    int code = matchCase ? 4 : 6;
    if (down) code -= 4;
    if (wholeWord) code += 16;
    return code;
}

bool yyeditcopyout(char* destination, int size, std::string_view text) {
    if (size < 1 || destination == nullptr) return text.empty();
    const std::size_t n = std::min(text.size(), static_cast<std::size_t>(size - 1));
    if (n > 0) std::memmove(destination, text.data(), n);
    destination[n] = '\0';
    return n == text.size();
}
