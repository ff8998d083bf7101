// image_info_scans.cpp - the scans of IGrFileInfo over whole files.
#include "images/image_info_internal.hpp"

int yydxfcommentscan(std::string_view) { return 0; }
bool yyimageinfotext(int type) { return type == 4 || type == 5 || type == 10 || type == 14 || type == 16; }
void yyimageinfotextscan(std::string_view, int, int, std::array<int, 10>&) {}
void yyimageinfocgm(std::string_view, std::array<int, 10>&) {}
void yyimageinfopic(std::string_view, int, std::array<int, 10>&) {}
