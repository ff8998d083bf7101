// plotter_readers_test_posix.cpp - the plotter files read back by hp2xx (every instruction
// understood, the lines of a test picture where they were drawn on the page) and the DXF file
// drawn by ezdxf.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "base/gravim.hpp"
#include "graphics/devices.hpp"
#include "hardcopy/hardcopy.hpp"
#include "hardcopy/printer_settings.hpp"
#include "plotter_support.hpp"
#include "scratch.hpp"

namespace {

struct Segment {
    double x1, y1, x2, y2;
};

// What hp2xx made of a file: its log and the pen-down segments of its own normalised HP-GL,
// in which the picture spans 0..8000 across.
struct Rendered {
    bool ran = false;
    std::string log;
    std::vector<Segment> segments;
    double width = 0, height = 0;  // the largest coordinates met
};

Rendered render(const std::string& file) {
    Rendered r;
    const std::string command = "hp2xx -m hpgl -f rendered.hgl -l hp2xx.log " + file + " >/dev/null 2>&1";
    r.ran = std::system(command.c_str()) == 0;
    r.log = readWholeFile("hp2xx.log");
    std::stringstream in(readWholeFile("rendered.hgl"));
    std::string instruction;
    double x = 0, y = 0;
    while (std::getline(in, instruction, ';')) {
        const std::string mnemonic = instruction.substr(0, 2);
        if (mnemonic != "PU" && mnemonic != "PD") continue;
        std::stringstream numbers(instruction.substr(2));
        double nx = 0, ny = 0;
        char comma = 0;
        while (numbers >> nx >> comma >> ny) {
            if (mnemonic == "PD") r.segments.push_back({x, y, nx, ny});
            x = nx;
            y = ny;
            r.width = std::max(r.width, x);
            r.height = std::max(r.height, y);
            if (!(numbers >> comma)) break;
        }
    }
    return r;
}

// Whether a segment joins the two points (surface fractions of the picture) within 0.3%.
bool hasSegment(const Rendered& r, double fx1, double fy1, double fx2, double fy2) {
    const double tx = 0.003 * r.width + 1, ty = 0.003 * r.height + 1;
    const auto near = [&](double x, double y, double fx, double fy) {
        return std::fabs(x - fx * r.width) < tx && std::fabs(y - fy * r.height) < ty;
    };
    for (const Segment& s : r.segments)
        if ((near(s.x1, s.y1, fx1, fy1) && near(s.x2, s.y2, fx2, fy2)) || (near(s.x1, s.y1, fx2, fy2) && near(s.x2, s.y2, fx1, fy1)))
            return true;
    return false;
}

class PlotterReaders : public ::testing::Test {
protected:
    void SetUp() override { plotterSurface(); }
    void TearDown() override {
        IGrHardCopy("S");
        yyresetgravim();
    }
    // A frame round the surface, a diagonal, a hatched triangle, an open arc, a wedge, labels.
    static void testPicture() {
        GraphicsState& g = gravim.graphics;
        setColour(223);
        drawPolyline({{0, 0}, {999.99f, 0}, {999.99f, 749.99f}, {0, 749.99f}, {0, 0}});
        drawLine(100, 75, 900, 675);
        setColour(40);
        g.fillStyle = 1;
        fillPolygon(OpTrianglePattern, {{600, 100}, {900, 100}, {750, 300}});
        g.fillStyle = 0;
        g.fillPattern[0] = 3;  // an open arc
        setArc(300, 500, 100, 0, 90);
        yyhdrv(OpOutlineArc);
        g.fillPattern[0] = 1;  // arc and radii
        setArc(300, 200, 100, 30, 120);
        yyhdrv(OpOutlineArc);
        drawText("Vertical section", 400, 700);
        drawText("x = \"1\"; y", 400, 650);
    }
    ScratchFolder folder;
};

TEST_F(PlotterReaders, Hp2xxReadsTheHpglPictureWithItsLinesInPlace) {
    IGrHardCopySelect(1, 1);
    IGrHardCopy("picture.plt");
    testPicture();
    IGrHardCopy("S");
    const Rendered r = render("picture.plt");
    ASSERT_TRUE(r.ran) << r.log;
    EXPECT_NE(r.log.find("HPGL command(s) ignored: 0"), std::string::npos) << r.log;
    ASSERT_GT(r.width, 0);
    EXPECT_NEAR(r.width / r.height, 10470.0 / 7478.0, 0.01);  // the frame spans the plotter's window
    EXPECT_TRUE(hasSegment(r, 0, 0, 1, 0));
    EXPECT_TRUE(hasSegment(r, 1, 1, 0, 1));
    EXPECT_TRUE(hasSegment(r, 0.1, 0.1, 0.9, 0.9));
    // The wedge's first radius: round on the page, so 0.1 of the width is that many plotter units up.
    const double radiusUp = 0.1 * 10470.0 / 7478.0;
    EXPECT_TRUE(hasSegment(r, 0.3, 200 / 749.99, 0.3 + 0.1 * std::cos(0.5236), 200 / 749.99 + radiusUp * std::sin(0.5236)));
    int hatch = 0;  // the triangle's hatch lines: horizontal, inside its box
    for (const Segment& s : r.segments)
        hatch += std::fabs(s.y1 - s.y2) < 1 && s.x1 > 0.59 * r.width && s.x2 < 0.91 * r.width && s.y1 > 0.13 * r.height && s.y1 < 0.41 * r.height;
    EXPECT_GT(hatch, 20);
}

// The HP-GL/2 of a PCL-wrapped file: the lines that enter and leave PCL taken out.
void stripPcl(const std::string& from, const std::string& to) {
    std::string kept;
    for (const std::string& line : fileLines(from))
        if (line.empty() || line[0] != '\x1b') kept += line + "\r\n";
    std::ofstream(to, std::ios::binary) << kept;
}

TEST_F(PlotterReaders, Hp2xxReadsTheHpgl2PictureAndATitleChangesNothing) {
    const auto draw = [](const char* file, std::optional<std::string> title) {
        plotterSurface();
        iprinter2(2);
        IGrHardCopySelect(1, 12);
        IGrHardCopyOptions(5, 0);  // the printer's page unturned
        if (title) IGrHardCopy(file, *title);
        else IGrHardCopy(file);
        testPicture();
        IGrHardCopy("S");
    };
    draw("plain.plt", std::nullopt);
    draw("titled.plt", "Vertical section \"LB title\" SP2 PD32760 32760 PU x");
    stripPcl("plain.plt", "plain.hgl");
    stripPcl("titled.plt", "titled.hgl");
    const Rendered plain = render("plain.hgl");
    ASSERT_TRUE(plain.ran) << plain.log;
    const std::string plainPicture = readWholeFile("rendered.hgl");
    const Rendered titled = render("titled.hgl");
    ASSERT_TRUE(titled.ran) << titled.log;
    EXPECT_TRUE(readWholeFile("rendered.hgl") == plainPicture) << "the title changed the picture";
    EXPECT_NEAR(plain.width / plain.height, 10851.0 / 7916.0, 0.01);
    EXPECT_TRUE(hasSegment(plain, 0, 0, 1, 0));
    EXPECT_TRUE(hasSegment(plain, 0.1, 0.1, 0.9, 0.9));
}

// Renders picture.dxf with ezdxf's drawing add-on and checks that the frame spans the picture
// and the diagonal runs through the points drawn (each within two pixels of ink).
constexpr const char* dxfCheck = R"(
import sys, ezdxf
from ezdxf.addons.drawing import matplotlib as drawing
import matplotlib.image as image
doc = ezdxf.readfile('picture.dxf')
drawing.qsave(doc.modelspace(), 'picture.png', bg='#FFFFFF', dpi=100)
a = image.imread('picture.png')
ink = a[:, :, :3].sum(axis=2) < 1.5
rows = ink.any(axis=1).nonzero()[0]
cols = ink.any(axis=0).nonzero()[0]
top, bottom, left, right = rows[0], rows[-1], cols[0], cols[-1]
missing = 0
for k in range(11):
    f = 0.1 + 0.08 * k
    x = round(left + f * (right - left))
    y = round(bottom - f * (bottom - top))
    if not ink[y - 2:y + 3, x - 2:x + 3].any():
        missing += 1
print('frame', right - left, bottom - top, 'missing', missing)
sys.exit(0 if missing == 0 and abs((right - left) / (bottom - top) - 1.4) < 0.02 else 1)
)";

TEST_F(PlotterReaders, EzdxfDrawsTheDxfPictureWithItsLinesInPlace) {
    IGrHardCopySelect(1, 8);
    IGrHardCopy("picture.dxf");
    testPicture();
    IGrHardCopy("S");
    std::ofstream("check.py", std::ios::binary) << dxfCheck;
    EXPECT_EQ(std::system("/usr/bin/python3 check.py >check.log 2>&1"), 0) << readWholeFile("check.log");
}

}  // namespace
