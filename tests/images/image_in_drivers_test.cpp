// image_in_drivers_test.cpp - an image file drawn by the PostScript driver: the image port
// decodes it into the colour image.
#include <fstream>
#include <string>
#include <vector>

#include "../hardcopy/postscript_driver_rig.hpp"

namespace {

TEST_F(PostScriptDriver, AnImageFileIsDecodedIntoTheColourImage) {
    // A 2 x 2 BMP of 24 bits whose file rows are (blue, green), then (red, white).
    std::string bmp(54, '\0');
    const auto put = [&bmp](std::size_t at, unsigned value) {
        for (std::size_t k = 0; k < 4; ++k) bmp[at + k] = static_cast<char>(value >> (8 * k));
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put(10, 54);
    put(14, 40);
    put(18, 2);
    put(22, 2);
    put(26, 1 | 24 << 16);
    bmp += std::string("\xFF\0\0\0\xFF\0\0\0", 8) + std::string("\0\0\xFF\xFF\xFF\xFF\0\0", 8);
    put(2, static_cast<unsigned>(bmp.size()));
    std::ofstream("two.bmp", std::ios::binary).write(bmp.data(), static_cast<std::streamsize>(bmp.size()));
    start();
    GraphicsState& g = gravim.graphics;
    g.OperandText.assign("two.bmp");
    g.OperandPixelX[2] = 2;
    g.OperandPixelY[2] = 2;
    send(OpImage);
    EXPECT_EQ(g.OperandValue, 0);
    const std::vector<std::string> out = afterSetUp(end());
    const auto image = std::find(out.begin(), out.end(), "colorimage");
    ASSERT_NE(image, out.end());
    ASSERT_NE(image + 1, out.end());
    EXPECT_EQ(image[1], "ff0000ffffff0000ff00ff00");  // the file's last row first
}

}  // namespace
