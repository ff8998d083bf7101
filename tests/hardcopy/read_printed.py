#!/usr/bin/python3
"""read_printed.py - reads what the Wine hardcopy tests printed or recorded: PostScript with
Ghostscript, Windows and placeable metafiles with wmf2svg, enhanced ones with emf2svg-conv (both
then drawn by rsvg-convert).

Usage: read_printed.py FOLDER [NAME...]: the files named, or every file the hardcopy tests leave
(the images tests name the image they print, printer_driver_image.ps). Renders each PostScript
file to PPM pages at 36 dpi (and a page at 600 dpi where a pixel matters), each metafile to one
picture, and checks the pages and where their colours are. Prints 'N passed, N failed'; exits 1 on a failure.
"""
import glob
import os
import subprocess
import sys
import tempfile

DPI = 36  # half a pixel per point


def netpbm_header(data):
    """Width, height and the offset of the pixels of a binary PPM or PGM image."""
    fields, at = [], 0
    while len(fields) < 4:
        while data[at:at + 1].isspace():
            at += 1
        if data[at:at + 1] == b"#":  # a comment runs to the end of its line
            at = data.index(b"\n", at)
            continue
        end = at
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[at:end])
        at = end
    return int(fields[1]), int(fields[2]), at + 1


def render(path, work):
    """The pages of a PostScript file as (width, height, rows of (r, g, b))."""
    stem = os.path.join(work, os.path.basename(path))
    subprocess.run(["gs", "-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=ppmraw",
                    "-r%d" % DPI, "-sOutputFile=%s-%%03d.ppm" % stem, path],
                   check=True, stdin=subprocess.DEVNULL)
    pages = []
    for name in sorted(glob.glob(stem + "-*.ppm")):
        with open(name, "rb") as f:
            data = f.read()
        width, height, at = netpbm_header(data)
        pixels = data[at:]
        rows = [[tuple(pixels[(y * width + x) * 3:(y * width + x) * 3 + 3]) for x in range(width)]
                for y in range(height)]
        pages.append((width, height, rows))
    return pages


def box(page, wanted):
    """Bounding box (left, top, right, bottom) of the pixels that wanted() accepts, or None."""
    width, height, rows = page
    xs, ys = [], []
    for y in range(height):
        for x in range(width):
            if wanted(rows[y][x]):
                xs.append(x)
                ys.append(y)
    return (min(xs), min(ys), max(xs), max(ys)) if xs else None


def red(p):
    return p[0] > 200 and p[1] < 60 and p[2] < 60


def blue(p):
    return p[2] > 200 and p[0] < 60 and p[1] < 60


def green(p):
    return p[1] > 200 and p[0] < 60 and p[2] < 60


def near(actual, expected, slack=3):
    return all(abs(a - e) <= slack for a, e in zip(actual, expected))


def check_two_pages(pages):
    assert len(pages) == 2, "%d pages" % len(pages)
    assert box(pages[0], red) and box(pages[0], green), "page 1 lacks red or green"
    assert not box(pages[0], blue), "page 1 has blue"
    assert box(pages[1], blue) and not box(pages[1], red), "page 2 is not blue only"


def check_stop_after_open(pages):
    assert len(pages) == 1, "%d pages" % len(pages)
    assert box(pages[0], lambda p: p != (255, 255, 255)) is None, "the page is not blank"


def check_window_dump(pages):
    assert len(pages) == 1, "%d pages" % len(pages)
    # The square covers pixels 20..79 of 200 x 100, stretched over 468 x 234 points at 72, 72.
    scale = DPI / 72.0
    expected = (round((72 + 20 * 468 / 200) * scale), round((72 + 20 * 234 / 100) * scale),
                round((72 + 80 * 468 / 200) * scale) - 1, round((72 + 80 * 234 / 100) * scale) - 1)
    found = box(pages[0], red)
    assert found and near(found, expected), "red square at %s, expected %s" % (found, expected)


def check_screen_dump(pages):
    assert len(pages) == 1, "%d pages" % len(pages)
    # A landscape page of 648 x 468 points showing a window of 300 x 200 pixels whose red square
    # covers 100 x 100 of them: the square's share of the printed area is 1/6.
    found = box(pages[0], red)
    assert found, "no red square"
    width, height = found[2] - found[0] + 1, found[3] - found[1] + 1
    printed = 648 * 468 * (DPI / 72.0) ** 2
    share = width * height / printed
    assert abs(share - 1 / 6.0) < 0.02, "the square's share is %.3f" % share
    assert abs(width / height - 468 / 648.0 * 300 / 200.0) < 0.1 or \
        abs(height / width - 468 / 648.0 * 300 / 200.0) < 0.1, "square of %d x %d" % (width, height)


def grey_page(path, page, dpi):
    """One page rendered in grey at dpi as a numpy array (rows, columns)."""
    import numpy
    with tempfile.TemporaryDirectory() as work:
        out = os.path.join(work, "page.pgm")
        subprocess.run(["gs", "-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=pgmraw",
                        "-dFirstPage=%d" % page, "-dLastPage=%d" % page, "-r%d" % dpi,
                        "-sOutputFile=" + out, path], check=True, stdin=subprocess.DEVNULL)
        with open(out, "rb") as f:
            data = f.read()
    width, height, at = netpbm_header(data)
    return numpy.frombuffer(data[at:at + width * height], dtype=numpy.uint8).reshape(height, width)


def unit_box(left, top, right, bottom):
    """A box of drawing units (one a point, y up from the bottom of a 648-point page inside
    72-point margins) in pixels of the 36-dpi rendering."""
    scale = DPI / 72.0
    return (round((72 + left) * scale), round((72 + 647.99 - top) * scale),
            round((72 + right) * scale), round((72 + 647.99 - bottom) * scale))


def purple(p):
    return near(p, (127, 0, 127), 25)


def black(p):
    return max(p) < 60


def yellow(p):
    return p[0] > 200 and p[1] > 200 and p[2] < 60


def check_printer_driver(pages, path):
    assert len(pages) == 3, "%d pages" % len(pages)
    first, second = pages[0], pages[1]
    found = box(first, red)
    assert found and near(found, unit_box(50, 600, 400, 600), 3), "red line at %s" % (found,)
    found = box(first, blue)
    assert found and near(found, unit_box(50, 500, 150, 400), 2), "blue rectangle at %s" % (found,)
    found = box(first, purple)
    assert found and near(found, unit_box(200, 500, 300, 400), 2), "mean-colour fill at %s" % (found,)
    found = box(first, green)
    text_area = unit_box(40, 330, 250, 270)
    assert found and found[0] >= text_area[0] and found[1] >= text_area[1] and \
        found[2] <= text_area[2] and found[3] <= text_area[3], "green text at %s" % (found,)
    assert not box(second, red), "page 2 has a red line in monochrome"
    found = box(second, black)
    assert found and near(found, unit_box(50, 600, 400, 600), 3), "black line at %s" % (found,)
    assert box(second, purple), "page 2 lost the mean-colour fill"
    found = box(second, yellow)
    assert found and near(found, unit_box(100, 300, 300, 100), 2), "clamped rectangle at %s" % (found,)
    # Page 3 at the printer's resolution: the 5-degree sector whose ends met (radius 10 pixels,
    # pointing up at 100 degrees) is a thin sector, neither a whole disc nor nothing.
    grey = grey_page(path, 3, 600)
    rows, columns = (grey < 128).nonzero()
    assert len(columns), "page 3 is blank"
    width, height = columns.max() - columns.min() + 1, rows.max() - rows.min() + 1
    assert 8 <= height <= 14 and width <= 5, "the sector is %d x %d pixels" % (width, height)


def check_printer_image(pages):
    """A red-and-blue picture stretched into the area (100, 300)..(300, 500): red fills its left
    half, blue its right half."""
    assert len(pages) == 1, "%d pages" % len(pages)
    left, right = box(pages[0], red), box(pages[0], blue)
    assert left and near(left, unit_box(100, 500, 200, 300), 2), "red half at %s" % (left,)
    assert right and near(right, unit_box(200, 500, 300, 300), 2), "blue half at %s" % (right,)


def render_metafile(path, work):
    """A metafile drawn by its Debian reader (wmf2svg or emf2svg-conv), then rsvg-convert, as
    one page of (width, height, rows of (r, g, b)) on white."""
    stem = os.path.join(work, os.path.basename(path))
    if path.endswith(".emf"):
        subprocess.run(["emf2svg-conv", "-i", path, "-o", stem + ".svg"], check=True)
    else:
        subprocess.run(["wmf2svg", "-o", stem + ".svg", path], check=True)
    subprocess.run(["rsvg-convert", "-o", stem + ".png", stem + ".svg"], check=True)
    subprocess.run(["/usr/bin/convert", stem + ".png", "-background", "white", "-flatten",
                    "ppm:" + stem + ".ppm"], check=True)
    with open(stem + ".ppm", "rb") as f:
        data = f.read()
    width, height, at = netpbm_header(data)
    pixels = data[at:]
    rows = [[tuple(pixels[(y * width + x) * 3:(y * width + x) * 3 + 3]) for x in range(width)]
            for y in range(height)]
    return [(width, height, rows)]


# Colours as the readers draw them: some fill shapes half transparent over white.
def drawn_red(p):
    return p[0] > 200 and p[1] < 140 and p[2] < 140 and abs(p[1] - p[2]) < 20


def drawn_blue(p):
    return p[2] > 200 and p[0] < 160 and p[1] < 160 and abs(p[0] - p[1]) < 20


def drawn_purple(p):
    return p[0] > 100 and p[2] > 100 and p[1] < p[0] - 50 and abs(p[0] - p[2]) < 20


def drawn_green(p):
    return p[1] > 200 and p[0] < 140 and p[2] < 140


def check_test_drawing(pages):
    """The metafile test drawing: a red line at the top, a blue rectangle left of a mean-colour
    (purple) one, green text below both."""
    page = pages[0]
    line, rect, fill, text = (box(page, wanted) for wanted in (drawn_red, drawn_blue, drawn_purple,
                                                               drawn_green))
    assert line and rect and fill and text, "colours missing: %s" % ((line, rect, fill, text),)
    assert line[3] < rect[1] and line[3] < fill[1], "the line is not above the rectangles"
    assert rect[2] < fill[0], "the blue rectangle is not left of the fill"
    assert abs(rect[1] - fill[1]) <= 2 and abs(rect[3] - fill[3]) <= 2, "rectangles not level"
    assert text[1] > rect[3], "the text is not below the rectangles"
    assert line[2] - line[0] > 3 * (rect[2] - rect[0]), "the line is short"


def check_long_polyline(pages):
    """70000 vertices in three records: every column of the drawing holds red."""
    width, height, rows = pages[0]
    empty = [x for x in range(width) if not any(drawn_red(rows[y][x]) for y in range(height))]
    assert not empty, "%d of %d columns without the line" % (len(empty), width)


CHECKS = {
    "screen_dump.ps": check_screen_dump,
    "two_pages.ps": check_two_pages,
    "stop_after_open.ps": check_stop_after_open,
    "window_dump.ps": check_window_dump,
    "printer_driver_drawing.ps": check_printer_driver,
    "metafile_plain.wmf": check_test_drawing,
    "metafile_placeable.wmf": check_test_drawing,
    "metafile_enhanced.emf": check_test_drawing,
    "clipboard_picture.wmf": check_test_drawing,
    "clipboard_enhanced.emf": check_test_drawing,
    "metafile_polyline.wmf": check_long_polyline,
}

IMAGE_CHECKS = {
    "printer_driver_image.ps": check_printer_image,
}


def main():
    folder, names = sys.argv[1], sys.argv[2:] or list(CHECKS)
    known = dict(CHECKS, **IMAGE_CHECKS)
    passed = failed = 0
    with tempfile.TemporaryDirectory() as work:
        for name in names:
            check = known[name]
            path = os.path.join(folder, name)
            try:
                if not os.path.exists(path):
                    raise AssertionError("not printed")
                pages = render(path, work) if name.endswith(".ps") else render_metafile(path, work)
                if check.__code__.co_argcount == 2:
                    check(pages, path)
                else:
                    check(pages)
                passed += 1
                print("ok: " + name)
            except (AssertionError, subprocess.CalledProcessError) as problem:
                failed += 1
                print("FAILED: %s: %s" % (name, problem))
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
