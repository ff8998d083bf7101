// common_dialogs.hpp - the file, colour and folder choosers, printer setup and page setup
// (public routines).
#pragma once

#include <optional>
#include <string_view>

#include "base/text.hpp"

// The open or save file dialog. filter: descriptions and patterns, each ended by the filter's
// last non-blank character ("Text|*.txt|All|*.*|"); flags: 1 save, 2 confirm, 4 the path need
// not exist, 8 keep the directory the user went to, 16 several files, 32 append the filter's
// extension, 128 only existing files. The chosen name replaces fileName (blank-padded; several
// files as folder, NUL and names separated by NULs); WInfoDialog(4) is 1 when a file was chosen.
// filterIndex (1-based) chooses the first filter shown and returns the one in use. Errors are
// reported as "WSelectFile".
void WSelectFile2(std::string_view filter, int flags, TextRef fileName,
                  std::optional<std::string_view> title = std::nullopt, int* filterIndex = nullptr);
