// image_info_internal.hpp - the scans IGrFileInfo runs over a whole file once it knows the type
// (images-internal). e holds the information elements 1..9 at their own indexes.
#pragma once

#include <array>
#include <span>
#include <string_view>

// identify()'s answer for a file that begins with a DXF comment pair: the comment scan decides.
constexpr int imageInfoDxfComments = 1000;

// 14 when the first pair after the 999 comment pairs is 0 and SECTION, else 0.
int yydxfcommentscan(std::string_view name);
// True for the types whose size is read from text lines (HP-GL, HP-GL/2, PostScript, DXF, SVG).
bool yyimageinfotext(int type);
void yyimageinfotextscan(std::string_view name, int type, int count, std::array<int, 10>& e);
// Binary CGM: pictures and the height from the aspect ratio; Lotus PIC: fixed size and opcodes.
void yyimageinfocgm(std::string_view name, std::array<int, 10>& e);
void yyimageinfopic(std::string_view name, int count, std::array<int, 10>& e);

// The extent scans; each leaves its output as it was when the file cannot be opened, and
// reports its failures under "IGrFileInfo".
// pictures: End Picture elements (at least 1); ratio: width / height of the maximum VDC extent,
// else of the VDC extent, else 1.
void yyinfocgm(std::string_view name, int& pictures, float& ratio);
// count: opcodes 60..6F of a Lotus PIC file, at least 1.
void yycntpic(std::string_view name, int& count);
// pages: the page markers of the library's HP-GL and HP-GL/2 files, at least 1.
void yycnthpg(std::string_view name, int& pages);
// The integer at a 1-based position of a CGM element's parameters: precision 16 a signed
// big-endian 16-bit value, any other the big-endian 32-bit value; bytes beyond them count 0.
int yyrepcgmint(std::span<const unsigned char> parameters, int position, int precision);
// The four bytes from that position as a big-endian IEEE single-precision number.
float yyrepcgmreal(std::span<const unsigned char> parameters, int position);
