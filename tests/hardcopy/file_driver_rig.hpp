// file_driver_rig.hpp - a fixture for the vector file drivers (PostScript, SVG, CGM): a surface,
// the driver initialised and opened on a scratch file, opcodes with their operands, and the file
// read back when the output is closed.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/gravim.hpp"
#include "graphics/colours.hpp"
#include "graphics/devices.hpp"
#include "hardcopy/hardcopy_drivers.hpp"
#include "scratch.hpp"

class FileDriverRig : public ::testing::Test {
protected:
    using Driver = void (*)(int);
    struct Point {
        float x, y;
    };

    void SetUp() override {
        yyresetgravim();
        yypali();
        surface(640, 480);
    }
    void TearDown() override { yyresetgravim(); }

    // The drawing surface: its size in pixels, the graphics area the whole of it.
    static void surface(int width, int height) {
        GraphicsState& g = gravim.graphics;
        g.surfaceWidth = width;
        g.surfaceHeight = height;
        g.surfaceMaxX = static_cast<float>(width) - 0.01f;
        g.surfaceMaxY = static_cast<float>(height) - 0.01f;
        g.clipX1 = g.clipY1 = 0;
        g.clipX2 = g.surfaceMaxX;
        g.clipY2 = g.surfaceMaxY;
        g.colourModel = 2;
    }

    // Initialises the driver, applies the options and opens `name` (with a title when given).
    void begin(Driver driver, std::initializer_list<std::pair<int, int>> options = {}, std::string_view name = "out.file",
               std::optional<std::string_view> title = std::nullopt) {
        driver_ = driver;
        name_ = name;
        GraphicsState& g = gravim.graphics;
        g.OperandCount = 0;
        driver(OpInitialise);
        for (const auto& [option, value] : options) gravim.hardcopy.HardcopyOptions[option] = value;
        g.hardcopyActive = 1;
        g.OperandValue = 1;
        g.OperandText.assign(name);
        g.OperandPixelX[1] = title ? 1 : 0;
        if (title) gravim.hardcopy.hardcopyTitle.assign(*title);
        gravim.hardcopy.hardcopyLastX = gravim.hardcopy.hardcopyLastY = -9999.0f;
        driver(OpOpen);
    }
    // What IGrHardCopy sends after the opening.
    void setUpOpcodes() {
        for (int opcode : {OpLineWidth, OpLineType, OpLineJoin, OpLineCap, OpClip, OpFont, OpColour}) send(opcode);
    }
    // Ends the page when something was drawn, closes and reads the file back.
    std::string end() {
        GraphicsState& g = gravim.graphics;
        if (g.pageDrawn != 0) {
            g.OperandValue = 32;
            g.OperandCount = 1;
            send(OpPage);
        }
        send(OpClose);
        g.hardcopyActive = 0;
        return readWholeFile(name_);
    }
    void send(int opcode) const { driver_(opcode); }

    // The current colour as an RGBValue (the model RGB); the one before becomes the previous.
    void rgb(int red, int green, int blue) const {
        GraphicsState& g = gravim.graphics;
        g.colourModel = 2;
        g.colourState[2][0] = g.colourState[2][1];
        g.colourState[2][1] = red + 256 * green + 65536 * blue;
        send(OpColour);
    }
    void line(float x1, float y1, float x2, float y2) const {
        GraphicsState& g = gravim.graphics;
        g.OperandX[1] = x1, g.OperandY[1] = y1, g.OperandX[2] = x2, g.OperandY[2] = y2;
        send(OpLine);
    }
    static void vertices(const std::vector<Point>& points) {
        GraphicsState& g = gravim.graphics;
        yypolygonsize(static_cast<int>(points.size()));
        for (std::size_t i = 0; i < points.size(); ++i) {
            g.PolygonX[i + 1] = points[i].x;
            g.PolygonY[i + 1] = points[i].y;
        }
        g.OperandCount = static_cast<int>(points.size());
    }
    void polyline(const std::vector<Point>& points) const {
        vertices(points);
        send(OpPolyline);
    }
    // A filled shape as the graphics core sends it: the draw call, then the end call.
    void filled(int opcode, int fillStyle) const {
        GraphicsState& g = gravim.graphics;
        g.fillStyle = fillStyle;
        g.OperandValue = 1;
        send(opcode);
        g.OperandValue = -1;
        send(opcode);
    }
    void rectangle(float x1, float y1, float x2, float y2, int fillStyle = 4) const {
        GraphicsState& g = gravim.graphics;
        g.OperandX[1] = x1, g.OperandY[1] = y1, g.OperandX[2] = x2, g.OperandY[2] = y2;
        filled(OpRectanglePattern, fillStyle);
    }
    void text(std::string_view string, float x, float y, int flags = 0) const {
        GraphicsState& g = gravim.graphics;
        g.OperandText.assign(string);
        g.OperandPixelX[1] = static_cast<int>(string.size());
        g.OperandPixelX[2] = flags;
        g.OperandX[1] = x, g.OperandY[1] = y;
        g.OperandX[3] = x + 10.0f * static_cast<float>(string.size()), g.OperandY[3] = y;
        send(OpText);
    }

    // The file's lines, split at CR LF (a last piece without one is a line too).
    static std::vector<std::string> lines(const std::string& file) {
        std::vector<std::string> result;
        std::size_t at = 0;
        while (at < file.size()) {
            const std::size_t end = file.find("\r\n", at);
            if (end == std::string::npos) {
                result.push_back(file.substr(at));
                break;
            }
            result.push_back(file.substr(at, end - at));
            at = end + 2;
        }
        return result;
    }
    // The lines from the first one equal to `from` on (empty when there is none).
    static std::vector<std::string> linesFrom(const std::string& file, std::string_view from) {
        std::vector<std::string> all = lines(file);
        for (std::size_t i = 0; i < all.size(); ++i)
            if (all[i] == from) return {all.begin() + static_cast<std::ptrdiff_t>(i), all.end()};
        return {};
    }

    ScratchFolder folder_;
    Driver driver_ = nullptr;
    std::string name_;
};
