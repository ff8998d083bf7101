// image_writers_least.cpp - the raster page writers until they are built: each records its call
// and writes nothing (image_writers.hpp).
#include "images/image_writers.hpp"

#include "core/text.hpp"

std::vector<std::string>& yyimagewritercalls() {
    static std::vector<std::string> calls;
    return calls;
}

void yypng1() { yyimagewritercalls().emplace_back("yypng1"); }
void yybmp1() { yyimagewritercalls().emplace_back("yybmp1"); }
void yypcx1() { yyimagewritercalls().emplace_back("yypcx1"); }

void yybmp2(std::string_view name, int length) {
    const std::size_t used = std::min(name.size(), static_cast<std::size_t>(length < 0 ? 0 : length));
    yyimagewritercalls().push_back("yybmp2 " + std::string(trimRight(name.substr(0, used))));
}
