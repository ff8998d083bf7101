// graphics_fixture.hpp - a fresh graphics state on a window surface of a chosen size.
#pragma once

#include <gtest/gtest.h>

#include "base/errors.hpp"
#include "base/gravim.hpp"
#include "graphics/colours.hpp"
#include "graphics/graphics.hpp"
#include "graphics_root.hpp"

class GraphicsTest : public ::testing::Test {
protected:
    void SetUp() override { yyresetgravim(); }
    void TearDown() override {
        closeRootWindow();
        yyresetgravim();
    }

    // The root window's client area of this size, a display of `colours` colours, and IGrInit.
    void open(int width, int height, std::string_view options = " ", int colours = 256) {
        openRootWindow(width, height);
        gravim.core.graphicsColours = colours;
        gravim.core.displayColours = colours == 256 ? 16777216 : colours;
        yypali();
        IGrInit(options);
        WInfoError(1);
    }
};
