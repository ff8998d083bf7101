// vector_readers.hpp - running the outside readers of the vector drivers' files (Ghostscript,
// xmllint, rsvg-convert, ImageMagick, LibreOffice) and reading the pixels they render (native).
#pragma once

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "scratch.hpp"

struct Rgb {
    int red, green, blue;
};

// A rendered page: rows from the top.
struct Raster {
    int width = 0, height = 0;
    std::vector<unsigned char> bytes;  // red, green, blue per pixel
    std::string problem;
    bool ok() const { return width > 0 && height > 0; }
    Rgb at(int x, int y) const {
        const std::size_t i = 3 * (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x));
        return {bytes[i], bytes[i + 1], bytes[i + 2]};
    }
    int count(const std::function<bool(Rgb)>& wanted) const {
        int n = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) n += wanted(at(x, y)) ? 1 : 0;
        return n;
    }
};

inline bool run(const std::string& command) { return std::system(command.c_str()) == 0; }

// A binary PPM (P6, 255) file.
inline Raster readPpm(const std::string& name) {
    Raster r;
    std::ifstream in(name, std::ios::binary);
    // Header words, comments skipped, then one whitespace byte before the pixels.
    const auto word = [&in]() {
        std::string w;
        while (in >> w && w[0] == '#') {
            std::string rest;
            std::getline(in, rest);
        }
        return w;
    };
    const std::string magic = word();
    r.width = std::atoi(word().c_str());
    r.height = std::atoi(word().c_str());
    const int maximum = std::atoi(word().c_str());
    in.get();
    if (!in || magic != "P6" || maximum != 255) {
        r = {};
        r.problem = "no PPM in " + name;
        return r;
    }
    r.bytes.resize(3 * static_cast<std::size_t>(r.width) * static_cast<std::size_t>(r.height));
    in.read(reinterpret_cast<char*>(r.bytes.data()), static_cast<std::streamsize>(r.bytes.size()));
    if (!in) {
        r = {};
        r.problem = "short PPM " + name;
    }
    return r;
}

// The first page of a PostScript or EPS file rendered by Ghostscript.
inline Raster renderPostScript(const std::string& file, int dpi) {
    const std::string out = file + ".ppm";
    if (!run("gs -q -dSAFER -dBATCH -dNOPAUSE -dFirstPage=1 -dLastPage=1 -sDEVICE=ppmraw -r" + std::to_string(dpi) +
             " -sOutputFile=" + out + " " + file + " >" + file + ".gs.log 2>&1")) {
        Raster r;
        r.problem = "Ghostscript refused " + file + ": " + readWholeFile(file + ".gs.log");
        return r;
    }
    return readPpm(out);
}

struct BoundingBox {
    int x1, y1, x2, y2;
};

// The bounding box of every page as Ghostscript's bbox device finds it.
inline std::vector<BoundingBox> ghostscriptBoxes(const std::string& file) {
    const std::string log = file + ".bbox";
    run("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=bbox " + file + " >" + log + " 2>&1");
    std::vector<BoundingBox> boxes;
    std::istringstream in(readWholeFile(log));
    std::string line;
    const std::regex box("%%BoundingBox: (-?\\d+) (-?\\d+) (-?\\d+) (-?\\d+)");
    std::smatch m;
    while (std::getline(in, line))
        if (std::regex_search(line, m, box))
            boxes.push_back({std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3]), std::stoi(m[4])});
    return boxes;
}

// A PNG file's pixels on white, through ImageMagick.
inline Raster readPng(const std::string& png) {
    const std::string out = png + ".ppm";
    if (!run("convert " + png + " -background white -flatten -depth 8 ppm:" + out + " >/dev/null 2>&1")) {
        Raster r;
        r.problem = "ImageMagick refused " + png;
        return r;
    }
    return readPpm(out);
}

// xmllint's verdict on a file: empty when it is well-formed, else its complaint.
inline std::string xmllintProblem(const std::string& file) {
    if (run("xmllint --noout " + file + " >" + file + ".xmllint 2>&1")) return {};
    const std::string complaint = readWholeFile(file + ".xmllint");
    return complaint.empty() ? "xmllint failed" : complaint;
}

// An SVG file rendered by rsvg-convert.
inline Raster renderSvg(const std::string& file) {
    const std::string png = file + ".png";
    if (!run("rsvg-convert -b white -o " + png + " " + file + " >" + file + ".rsvg 2>&1")) {
        Raster r;
        r.problem = "rsvg-convert refused " + file + ": " + readWholeFile(file + ".rsvg");
        return r;
    }
    return readPng(png);
}

// A CGM file rendered by LibreOffice (headless, a profile of its own in the scratch folder).
inline Raster renderCgm(const std::string& file, const std::string& folder) {
    const std::string stem = file.substr(0, file.rfind('.'));
    if (!run("soffice -env:UserInstallation=file://" + folder + "/lo-profile --headless --convert-to png --outdir " + folder +
             " " + file + " >" + file + ".soffice 2>&1")) {
        Raster r;
        r.problem = "LibreOffice refused " + file + ": " + readWholeFile(file + ".soffice");
        return r;
    }
    return readPng(stem + ".png");
}
