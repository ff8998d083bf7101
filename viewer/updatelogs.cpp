// updatelogs.cpp - the update logs' status words and what each set of words means.
// Words are compared case-sensitively over all four characters, blanks included.
#include <string>

#include "commandline.hpp"
#include "update.hpp"
#include "viewerfile.hpp"

namespace {

bool is(const Text<4>& word, std::string_view expected) { return word.view() == expected; }

}  // namespace

bool readstatuswords(std::string_view qvtmp, int qvtmpLength, std::string_view name, int required, int wanted,
                     StatusWords& words) {
    words = StatusWords{};
    Text<MaxViewerPath> path;
    createfilename(name, path, qvtmp, qvtmpLength, 0);
    std::FILE* file = viewerfopen(path.os(), "rb");
    if (file == nullptr) return false;
    bool read = readstatuslines(file, required, wanted, words);
    std::fclose(file);
    return read;
}

bool readstatuslines(std::FILE* file, int required, int wanted, StatusWords& words) {
    words = StatusWords{};
    Text<4>* slots[] = {&words.log1, &words.log2, &words.log3};
    int read = 0;
    std::string line;
    while (read < wanted && read < 3 && readtextline(file, line, slots[read]->size())) slots[read++]->assign(line);
    return read >= required;
}

GetUpOutcome getupoutcome(const StatusWords& words) {
    if (!is(words.log1, "TRYD") || !is(words.log2, "ERRO")) return GetUpOutcome::Installer;
    if (is(words.log3, "NOHO") || is(words.log3, "OTHE")) return GetUpOutcome::NoInternet;
    if (is(words.log3, "NOFI")) return GetUpOutcome::NotYet;
    return GetUpOutcome::Failed;
}

RunUpOutcome runupoutcome(const StatusWords& words) {
    if (is(words.log1, "SKIP")) return RunUpOutcome::Skip;
    if (!is(words.log1, "DIDI")) return RunUpOutcome::Unknown;
    if (is(words.log2, "NEWP")) return RunUpOutcome::NewProgram;
    if (is(words.log2, "NEWG")) return RunUpOutcome::NewGraphics;
    if (is(words.log2, "DONE")) return RunUpOutcome::Done;
    return RunUpOutcome::Unknown;
}

int newprogrammark(RunUpOutcome outcome, int mark) {
    switch (outcome) {
    case RunUpOutcome::NewProgram: return 1;
    case RunUpOutcome::NewGraphics: return 2;
    case RunUpOutcome::Done: return 0;
    default: return mark;
    }
}

CheckUpOutcome checkupoutcome(const StatusWords& words) {
    if (is(words.log2, "FOUN") && is(words.log3, "DIFF")) return CheckUpOutcome::Fetch;
    if (is(words.log2, "FOUN") && is(words.log3, "NODI")) return CheckUpOutcome::Current;
    if (is(words.log2, "ERRO")) return CheckUpOutcome::Offline;
    return CheckUpOutcome::Unknown;
}

GetUpRtOutcome getuprtoutcome(const StatusWords& words) {
    if (!is(words.log2, "GOTG")) return GetUpRtOutcome::CannotGet;
    if (is(words.log3, "GOTN")) return GetUpRtOutcome::Done;
    if (is(words.log3, "NONC")) return GetUpRtOutcome::CannotUnzip;
    return GetUpRtOutcome::Unknown;
}
