// image_info_scans.cpp - the scans of IGrFileInfo over whole files: the text lines of HP-GL,
// HP-GL/2, PostScript, DXF and SVG files for their sizes, and the extent scans of binary CGM,
// Lotus PIC and HP-GL files for pictures, opcodes and pages.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "base/convert.hpp"
#include "base/errors.hpp"
#include "base/errors_internal.hpp"
#include "base/files.hpp"
#include "base/gravim.hpp"
#include "base/strings.hpp"
#include "images/image_info_internal.hpp"

namespace {

constexpr const char* routine = "IGrFileInfo";

// The lines of a text file through the file layer: each cut to its width or blank-padded to
// it, without its CR LF.
class TextLines {
public:
    explicit TextLines(std::string_view name) { IFileOpen(name, fileRead, handle_); }
    ~TextLines() {
        if (handle_ != -1) IFileClose(handle_);
    }
    TextLines(const TextLines&) = delete;
    TextLines& operator=(const TextLines&) = delete;
    bool open() const { return handle_ != -1; }
    bool failed() const { return failed_; }

    // False at the end of the file or on a read failure.
    bool next(std::string& line, std::size_t width) {
        line.clear();
        bool any = false;
        for (;;) {
            if (at_ == have_) {
                if (!fill()) break;
            }
            const unsigned char c = block_[at_++];
            any = true;
            if (c == '\n') break;
            if (line.size() < width + 1) line += static_cast<char>(c);
        }
        if (!any) return false;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        line.resize(width, ' ');
        return true;
    }

private:
    bool fill() {
        if (handle_ == -1 || ended_) return false;
        int done = 0;
        IFileReadChar(handle_, std::span<unsigned char>(block_), static_cast<int>(block_.size()), done);
        if (done <= 0) {
            failed_ = done < 0;
            ended_ = true;
            return false;
        }
        have_ = static_cast<std::size_t>(done);
        at_ = 0;
        return true;
    }
    int handle_ = -1;
    std::array<unsigned char, 4096> block_{};
    std::size_t have_ = 0, at_ = 0;
    bool ended_ = false, failed_ = false;
};

// The DebugLevel held at 0 for a scan and put back afterwards.
class QuietConversions {
public:
    QuietConversions() : saved_(gravim.core.debugLevel) { IDebugLevel(0); }
    ~QuietConversions() { IDebugLevel(saved_); }
    QuietConversions(const QuietConversions&) = delete;
    QuietConversions& operator=(const QuietConversions&) = delete;

private:
    int saved_;
};

constexpr std::size_t lineWidth = 128;

int nextInteger(std::string& line) {
    int value = 0;
    INextInteger(TextRef(line), value);
    return value;
}

// The instruction at the line's first non-blank position, blanked out with what precedes it;
// empty when the line is blank.
std::string instruction(std::string& line) {
    const int k = ilocatechar(line);
    if (k == 0) return {};
    const std::size_t end = std::min(line.size(), static_cast<std::size_t>(k) + 1);
    std::string taken = line.substr(static_cast<std::size_t>(k) - 1, end - (static_cast<std::size_t>(k) - 1));
    std::fill(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(end), ' ');
    return taken;
}

// Blanks the line up to and including its first ";"; false when it holds none.
bool pastSemicolon(std::string& line) {
    const std::size_t at = line.find(';');
    if (at == std::string::npos) return false;
    std::fill(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(at) + 1, ' ');
    return true;
}

constexpr std::array<int, 11> plotterUnitsPerInch{0, 1016, 1021, 1021, 1016, 1016, 1016, 1016, 1016, 1016, 1016};
constexpr std::array<int, 11> plotterPens{0, 4, 6, 6, 4, 6, 8, 8, 8, 6, 6};
constexpr std::array<int, 6> printerColours{0, 2, 256, 2, 256, 256};

void scanHpgl(TextLines& lines, std::string& line, int count, std::string_view name, std::array<int, 10>& e) {
    int model = -1, xExtent = 0, yExtent = 0;
    bool modelFound = false;
    {
        QuietConversions quiet;
        for (;;) {
            const std::string op = instruction(line);
            if (op == "SC") {
                const int first = nextInteger(line), second = nextInteger(line);
                if (first == -13) {
                    model = second;
                    modelFound = true;
                }
            } else if (op == "IP") {
                const int p1x = nextInteger(line), p1y = nextInteger(line), p2x = nextInteger(line), p2y = nextInteger(line);
                xExtent = p2x - p1x + 1;
                yExtent = p2y - p1y + 1;
            } else if (!op.empty() && pastSemicolon(line)) {
                continue;
            }
            if (!lines.next(line, lineWidth)) break;
            if (xExtent != 0 && yExtent != 0 && modelFound) break;
        }
    }
    if (modelFound && model >= 1 && model <= 10) {
        const auto m = static_cast<std::size_t>(model);
        e[2] = static_cast<int>(static_cast<long long>(xExtent) * 72 / plotterUnitsPerInch[m]);
        e[3] = static_cast<int>(static_cast<long long>(yExtent) * 72 / plotterUnitsPerInch[m]);
        e[4] = plotterPens[m];
    }
    e[5] = modelFound ? model : -1;
    if (count >= 6) yycnthpg(name, e[6]);
}

void scanHpgl2(TextLines& lines, std::string& line, int count, std::string_view name, std::array<int, 10>& e) {
    int variant = -1;
    bool sized = false, variantFound = false;
    {
        QuietConversions quiet;
        for (;;) {
            const std::string op = instruction(line);
            if (op == "CO") {
                const int f = ilocatechar(line);
                const std::size_t colon = static_cast<std::size_t>(f) + 1;  // 0-based position f + 2
                if (f != 0 && !(colon < line.size() && line[colon] == ':')) {
                    const std::size_t open = line.find('"');
                    const std::size_t close = open == std::string::npos ? open : line.find('"', open + 1);
                    if (close != std::string::npos) {
                        std::string quoted = line.substr(open + 1, close - open - 1);
                        const int first = nextInteger(quoted), second = nextInteger(quoted);
                        if (first == 13) {
                            variant = second;
                            variantFound = true;
                        }
                    }
                }
            } else if (op == "SC") {
                const int first = nextInteger(line), second = nextInteger(line);
                if (first == -13) {
                    variant = second - 10;
                    variantFound = true;
                }
            } else if (op == "IP") {
                const int p1x = nextInteger(line), p1y = nextInteger(line), p2x = nextInteger(line), p2y = nextInteger(line);
                e[2] = static_cast<int>((static_cast<long long>(p2x) - p1x + 1) * 72 / 1016);
                e[3] = static_cast<int>((static_cast<long long>(p2y) - p1y + 1) * 72 / 1016);
                sized = true;
            } else if (!op.empty() && pastSemicolon(line)) {
                continue;
            }
            if (!lines.next(line, lineWidth)) break;
            if (sized && variantFound) break;
        }
    }
    if (variantFound && variant >= 1 && variant <= 5) e[4] = printerColours[static_cast<std::size_t>(variant)];
    e[5] = variantFound ? variant : -1;
    if (count >= 6) yycnthpg(name, e[6]);
}

void scanPostScript(TextLines& lines, std::string& line, std::array<int, 10>& e) {
    QuietConversions quiet;
    if (!lines.next(line, lineWidth)) return;
    const int k = ilocatechar(line);
    constexpr std::string_view keyword = "%%BoundingBox:";
    if (k == 0 || line.compare(static_cast<std::size_t>(k) - 1, keyword.size(), keyword) != 0) {
        e[4] = 0;
        return;
    }
    e[4] = 1;
    std::fill(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(k - 1 + static_cast<int>(keyword.size())), ' ');
    nextInteger(line);
    nextInteger(line);
    e[2] = nextInteger(line);
    e[3] = nextInteger(line);
}

int truncated(float value) {
    if (!(std::fabs(value) < 2147483520.0f)) return value > 0 ? std::numeric_limits<int>::max() : std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

// The number after key and a double quote, up to the next double quote.
void quotedNumber(const std::string& line, std::string_view key, int& element) {
    const std::size_t at = line.find(std::string(key) + "\"");
    if (at == std::string::npos) return;
    const std::size_t from = at + key.size() + 1, to = line.find('"', from);
    float value = 0;
    IStringToReal(line.substr(from, to == std::string::npos ? std::string::npos : to - from), value);
    element = truncated(value);
}

void scanSvg(TextLines& lines, std::string& line, std::array<int, 10>& e) {
    QuietConversions quiet;
    while (lines.next(line, lineWidth)) {
        ilowercase(TextRef(line));
        if (line.find("<svg ") == std::string::npos) continue;
        quotedNumber(line, "width=", e[2]);
        quotedNumber(line, "height=", e[3]);
        return;
    }
}

void scanDxf(TextLines& lines, std::string& line, std::array<int, 10>& e) {
    QuietConversions quiet;
    for (int n = 2; n <= 16 && lines.next(line, lineWidth); ++n) {
        if (n != 14 && n != 16) continue;
        float value = 0;
        INextReal(TextRef(line), value);
        e[n == 14 ? 2 : 3] = truncated(value * 72.0f);
    }
}

// ---- binary CGM ----

struct CgmScan {
    int integerPrecision = 16, vdcPrecision = 16;
    bool realVdc = false;
    float ratio[2] = {1.0f, 1.0f};  // maximum VDC extent, VDC extent
    bool found[2] = {false, false};
};

}  // namespace

int yydxfcommentscan(std::string_view name) {
    TextLines lines(name);
    std::string code, value;
    while (lines.next(code, 20) && lines.next(value, 20)) {
        const int n = nextInteger(code);
        if (n == 999) continue;
        if (n != 0) return 0;
        const int k = ilocatechar(value);
        return k != 0 && trimRight(std::string_view(value).substr(static_cast<std::size_t>(k) - 1)) == "SECTION" ? 14 : 0;
    }
    return 0;
}

bool yyimageinfotext(int type) { return type == 4 || type == 5 || type == 10 || type == 14 || type == 16; }

void yyimageinfotextscan(std::string_view name, int type, int count, std::array<int, 10>& e) {
    TextLines lines(name);
    std::string line;
    if (!lines.next(line, lineWidth)) return;
    switch (type) {
    case 4: scanHpgl(lines, line, count, name, e); break;
    case 5: scanHpgl2(lines, line, count, name, e); break;
    case 10: scanPostScript(lines, line, e); break;
    case 14: scanDxf(lines, line, e); break;
    default: scanSvg(lines, line, e); break;
    }
}

int yyrepcgmint(std::span<const unsigned char> parameters, int position, int precision) {
    const auto byte = [&](int p) -> std::uint32_t {
        return p >= 1 && static_cast<std::size_t>(p) <= parameters.size() ? parameters[static_cast<std::size_t>(p) - 1] : 0u;
    };
    if (precision == 16) return static_cast<std::int16_t>(static_cast<std::uint16_t>(byte(position) << 8 | byte(position + 1)));
    return static_cast<std::int32_t>(byte(position) << 24 | byte(position + 1) << 16 | byte(position + 2) << 8 | byte(position + 3));
}

float yyrepcgmreal(std::span<const unsigned char> parameters, int position) {
    const std::uint32_t bits = static_cast<std::uint32_t>(yyrepcgmint(parameters, position, 32));
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void yyinfocgm(std::string_view name, int& pictures, float& ratio) {
    int handle = -1;
    IFileOpen(name, fileRead, handle);
    if (handle == -1) return;  // IFileOpen recorded error 1
    pictures = 0;
    CgmScan scan;
    std::array<unsigned char, 32> buffer{};
    unsigned char word[2];
    int cls = 0, id = 0;
    bool morePartitions = false;
    const auto read = [&](unsigned char* into, int count) {
        int done = 0;
        IFileReadChar(handle, std::span<unsigned char>(into, static_cast<std::size_t>(count)), count, done);
        return done == count;
    };
    const auto skip = [&](int count) {
        int position = count;
        if (count > 0) IFileSeek(handle, position, seekCurrent);
    };
    for (;;) {
        if (!read(word, 2)) {
            yyerror(2, routine);
            break;
        }
        int length = 0;
        if (morePartitions) {
            length = (word[0] << 8 | word[1]) & 0x7FFF;
            morePartitions = (word[0] & 0x80) != 0;
        } else {
            const int header = word[0] << 8 | word[1];
            cls = header >> 12;
            id = header >> 5 & 0x7F;
            length = header & 31;
            if (length == 31) {
                if (!read(word, 2)) {
                    yyerror(2, routine);
                    break;
                }
                length = (word[0] << 8 | word[1]) & 0x7FFF;
                morePartitions = (word[0] & 0x80) != 0;
            }
        }
        const int padded = length + length % 2;
        const bool evaluated = (cls == 1 && (id == 3 || id == 4 || id == 17)) || (cls == 2 && id == 6) || (cls == 3 && id == 1);
        std::size_t used = 0;
        if (padded > 0) {
            if (evaluated) {
                // Only what the buffer holds is read; the rest of a longer element is skipped.
                used = std::min<std::size_t>(static_cast<std::size_t>(length), buffer.size());
                const int taken = static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(padded), buffer.size()));
                if (!read(buffer.data(), taken)) {
                    yyerror(2, routine);
                    break;
                }
                skip(padded - taken);
            } else if (!(cls == 1 && id == 12)) {
                skip(padded);
            }
        }
        const std::span<const unsigned char> parameters(buffer.data(), used);
        if (cls == 0 && id == 2) break;
        if (cls == 0 && id == 5) ++pictures;
        if (!evaluated || used == 0) continue;
        if (cls == 1 && id == 3) {
            scan.realVdc = yyrepcgmint(parameters, 1, 16) != 0;
        } else if (cls == 1 && id == 4) {
            scan.integerPrecision = yyrepcgmint(parameters, 1, scan.integerPrecision);
        } else if (cls == 3 && id == 1) {
            scan.vdcPrecision = yyrepcgmint(parameters, 1, scan.integerPrecision);
        } else {
            float v[4];
            int position = 1;
            const int step = scan.realVdc ? 4 : std::max(1, scan.vdcPrecision / 8);
            for (float& value : v) {
                value = scan.realVdc ? yyrepcgmreal(parameters, position)
                                     : static_cast<float>(yyrepcgmint(parameters, position, scan.vdcPrecision));
                position += step;
            }
            const float width = v[2] - v[0], height = v[3] - v[1];
            const int which = cls == 1 ? 0 : 1;
            if (width != 0 && height != 0 && std::isfinite(width) && std::isfinite(height)) {
                scan.ratio[which] = width / height;
                scan.found[which] = std::isfinite(scan.ratio[which]);
            }
        }
    }
    IFileClose(handle);
    if (pictures == 0) pictures = 1;
    ratio = scan.found[0] ? scan.ratio[0] : scan.found[1] ? scan.ratio[1] : 1.0f;
}

void yycntpic(std::string_view name, int& count) {
    int handle = -1;
    IFileOpen(name, fileRead, handle);
    if (handle == -1) return;
    std::array<unsigned char, 17> header{};
    int done = 0;
    const auto shortRead = [&] {
        yyerror(2, routine);
        yysetfilestatus(0, 2);
    };
    IFileReadChar(handle, std::span<unsigned char>(header), 17, done);
    if (done < 17) {
        shortRead();
        IFileClose(handle);
        return;
    }
    std::array<unsigned char, 40000> block{};
    std::size_t have = 0, at = 0;
    const auto next = [&](int& byte) {
        if (at == have) {
            int got = 0;
            IFileReadChar(handle, std::span<unsigned char>(block), static_cast<int>(block.size()), got);
            if (got <= 0) return false;
            have = static_cast<std::size_t>(got);
            at = 0;
        }
        byte = block[at++];
        return true;
    };
    const auto operands = [&](long long n) {
        int byte = 0;
        for (long long i = 0; i < n; ++i)
            if (!next(byte)) return false;
        return true;
    };
    count = 0;
    int opcode = 0;
    bool cut = false;
    while (!cut && next(opcode)) {
        int n = 0;
        switch (opcode) {
        case 0xA0:
        case 0xA2:
        case 0xAC: cut = !operands(4); break;
        case 0x30:
        case 0xE0: cut = !next(n) || !operands((static_cast<long long>(n) + 1) * 4); break;
        case 0xA7: cut = !operands(1); break;
        case 0xA8: {
            cut = !operands(1);
            int byte = 1;
            while (!cut && byte != 0) cut = !next(byte);
            break;
        }
        default:
            if (opcode >= 0x60 && opcode <= 0x6F) ++count;
            break;
        }
    }
    if (cut) shortRead();
    IFileClose(handle);
    if (count == 0) count = 1;
}

void yycnthpg(std::string_view name, int& pages) {
    TextLines lines(name);
    if (!lines.open()) {
        yyseterrorcategory(1);
        return;
    }
    int counted = 0;
    std::string line;
    {
        QuietConversions quiet;
        while (lines.next(line, 10)) {
            const int k = ilocatechar(line);
            const std::string op = instruction(line);
            if (op == "SC") {
                int first = 0, last = 0;
                ilocatestring(line, first, last);
                if (first != 0) {
                    int value = 0;
                    IStringToInteger(std::string_view(line).substr(static_cast<std::size_t>(first) - 1,
                                                                   static_cast<std::size_t>(last - first + 1)),
                                     value);
                    if (value == -3) ++counted;
                }
            } else if (op == "CO") {
                const std::size_t after = static_cast<std::size_t>(k) + 1;  // right after the two letters
                if (after < line.size() && line[after] == ':') continue;
                const std::size_t open = line.find('"');
                const std::size_t close = open == std::string::npos ? open : line.find('"', open + 1);
                if (close == std::string::npos) continue;
                std::string quoted = line.substr(open + 1, close - open - 1);
                if (nextInteger(quoted) == 3) ++counted;
            }
        }
    }
    pages = counted;
    if (lines.failed()) {
        yyseterrorcategory(1);
        yyerror(2, routine);
        return;
    }
    if (pages == 0) pages = 1;
}

void yyimageinfocgm(std::string_view name, std::array<int, 10>& e) {
    float ratio = 1.0f;
    yyinfocgm(name, e[4], ratio);
    e[2] = 1000;
    e[3] = truncated(1000.0f / ratio);
}

void yyimageinfopic(std::string_view name, int count, std::array<int, 10>& e) {
    e[2] = 3201;
    e[3] = 2312;
    if (count >= 4) yycntpic(name, e[4]);
}
