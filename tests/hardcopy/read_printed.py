#!/usr/bin/python3
"""read_printed.py - reads what the Wine hardcopy tests printed, with Ghostscript.

Usage: read_printed.py FOLDER. Renders each expected PostScript file to PPM pages at 36 dpi and
checks the pages and where their colours are. Prints 'N passed, N failed'; exits 1 on a failure.
"""
import glob
import os
import subprocess
import sys
import tempfile

DPI = 36  # half a pixel per point


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
        at += 1
        width, height = int(fields[1]), int(fields[2])
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


CHECKS = {
    "screen_dump.ps": check_screen_dump,
    "two_pages.ps": check_two_pages,
    "stop_after_open.ps": check_stop_after_open,
    "window_dump.ps": check_window_dump,
}


def main():
    folder = sys.argv[1]
    passed = failed = 0
    with tempfile.TemporaryDirectory() as work:
        for name, check in CHECKS.items():
            path = os.path.join(folder, name)
            try:
                if not os.path.exists(path):
                    raise AssertionError("not printed")
                check(render(path, work))
                passed += 1
                print("ok: " + name)
            except (AssertionError, subprocess.CalledProcessError) as problem:
                failed += 1
                print("FAILED: %s: %s" % (name, problem))
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
