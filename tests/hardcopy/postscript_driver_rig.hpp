// postscript_driver_rig.hpp - the PostScript driver on the file drivers' rig: a surface whose
// scale factors are 1 on the default page, output opened with the set-up opcodes sent.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "file_driver_rig.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "hardcopy/postscript_driver.hpp"
#include "hardcopy/postscript_writer.hpp"

class PostScriptDriver : public FileDriverRig {
protected:
    void SetUp() override {
        FileDriverRig::SetUp();
        surface(757, 541);  // both scale factors 1 on the default page (756 x 540 points)
        gravim.graphics.surfaceMaxX = 756.0f;
        gravim.graphics.surfaceMaxY = 540.0f;
        gravim.graphics.clipX2 = 756.0f;
        gravim.graphics.clipY2 = 540.0f;
    }
    // Opens with the set-up opcodes sent and returns the lines written for the drawing alone.
    void start(std::initializer_list<std::pair<int, int>> options = {}) {
        begin(xxpost, options, "out.ps");
        setUpOpcodes();
    }
    static std::vector<std::string> afterSetUp(const std::string& file) {
        std::vector<std::string> all = linesFrom(file, "newpath");
        // "newpath" of the prolog, the page line, width, join, miter limit, cap and seven clip lines.
        const std::size_t skip = std::min<std::size_t>(all.size(), 2 + 4 + 7);
        return {all.begin() + static_cast<std::ptrdiff_t>(skip), all.end()};
    }
};
