// file_dialog.cpp - fuzz target: random bytes as the file dialog's filter list, its initial name,
// the buffer it hands back and a path to split. The first byte holds the switches, the second the
// buffer's size; the rest is split at its first NUL into the filter and the name.
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/gravim.hpp"
#include "base/text.hpp"
#include "dialogs/common_dialogs_internal.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    yyresetgravim();
    const int flags = data[0];
    const std::size_t bufferSize = data[1];
    const std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
    const std::size_t cut = rest.find('\0');
    const std::string_view filter = rest.substr(0, cut), name = cut == std::string_view::npos ? rest : rest.substr(cut + 1);

    const std::string text = yyfiltertext(filter);
    if (text.size() > 1001 || (!text.empty() && text.back() != '\0')) std::abort();
    for (const auto& [description, pattern] : yyfilterpairs(filter))
        if (description.size() + pattern.size() + 2 > text.size()) std::abort();

    const FileDialogSwitches switches = yyfiledialogswitches(flags);
    if (switches.save && switches.multiple) std::abort();
    const std::string initial = yyinitialname(name, bufferSize);
    if (initial.size() != bufferSize || (bufferSize > 0 && initial.find('\0') == std::string::npos)) std::abort();

    // What the dialog leaves: the name's bytes as the buffer (NULs included), read back.
    Text<80> chosen;
    yychosenname(name, switches.multiple, chosen);
    Text<80> path, file;
    path.assign(chosen.view());
    yysplitp(path.ref(), file.ref());
    if (path.view().size() != 80 || file.view().size() != 80) std::abort();
    return 0;
}
