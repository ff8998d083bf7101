// image_info_internal.hpp - the scans IGrFileInfo runs over a whole file once it knows the type
// (images-internal). e holds the information elements 1..9 at their own indexes.
#pragma once

#include <array>
#include <string_view>

// identify()'s answer for a file that begins with a DXF comment pair: the comment scan decides.
constexpr int imageInfoDxfComments = 1000;

// 14 when the first pair after the 999 comment pairs is 0 and SECTION, else 0.
int yydxfcommentscan(std::string_view name);
// True for the types whose size is read from text lines (HP-GL, HP-GL/2, PostScript, DXF, SVG).
bool yyimageinfotext(int type);
void yyimageinfotextscan(std::string_view name, int type, int count, std::array<int, 10>& e);
// Binary CGM: pictures and aspect ratio; Lotus PIC: fixed size and opcode count.
void yyimageinfocgm(std::string_view name, std::array<int, 10>& e);
void yyimageinfopic(std::string_view name, int count, std::array<int, 10>& e);
