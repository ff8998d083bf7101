#!/usr/bin/python3
"""read_slots.py - reads the metafile slots the graphics tests wrote: CGM stores drawn by
LibreOffice (soffice --headless --convert-to png), enhanced metafiles by emf2svg-conv and then
rsvg-convert.

Usage: read_slots.py FOLDER cgm|emf. Checks where the colours of each picture are. Prints
'N passed, N failed'; exits 1 on a failure.
"""
import os
import struct
import subprocess
import sys
import tempfile


# The hardcopy tests' picture helpers: the PPM header, colour boxes, colour tests, a metafile
# drawn by emf2svg-conv and rsvg-convert.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "hardcopy"))
from read_printed import blue, box as pixel_box, near, netpbm_header, red, render_metafile  # noqa: E402


def pixels_of(png, work):
    """(width, height, rows of (r, g, b)) of a PNG, flattened on white."""
    ppm = os.path.join(work, os.path.basename(png) + ".ppm")
    subprocess.run(["/usr/bin/convert", png, "-background", "white", "-flatten", ppm], check=True)
    with open(ppm, "rb") as f:
        data = f.read()
    width, height, at = netpbm_header(data)
    body = data[at:]
    rows = [[tuple(body[(y * width + x) * 3:(y * width + x) * 3 + 3]) for x in range(width)]
            for y in range(height)]
    return width, height, rows


def box(picture, wanted):
    """Bounding box (left, top, right, bottom) as fractions of the picture, or None."""
    found = pixel_box(picture, wanted)
    if found is None:
        return None
    width, height = picture[0], picture[1]
    return found[0] / width, found[1] / height, found[2] / width, found[3] / height


def black(p):
    return max(p) < 60


class Checks:
    def __init__(self):
        self.passed, self.failed = 0, 0

    def check(self, what, ok, detail=""):
        if ok:
            self.passed += 1
        else:
            self.failed += 1
            print("FAILED: %s %s" % (what, detail))


def soffice_png(path, work):
    env = dict(os.environ, HOME=work)
    subprocess.run(["soffice", "--headless", "--convert-to", "png", "--outdir", work, path],
                   check=True, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                   timeout=300)
    return os.path.join(work, os.path.splitext(os.path.basename(path))[0] + ".png")


def check_cgm(folder, work, checks):
    """The drawing: red rectangle left, blue triangle right, a text between them and a black line
    along the bottom (LibreOffice's slide is 16:9 like the slot). The full store: the rectangle
    only."""
    drawing = pixels_of(soffice_png(os.path.join(folder, "drawing.cgm"), work), work)
    r, b, k = box(drawing, red), box(drawing, blue), box(drawing, black)
    checks.check("cgm red rectangle", r is not None and near(r, (0.094, 0.2, 0.3, 0.6), 0.03), r)
    checks.check("cgm blue triangle", b is not None and near(b, (0.694, 0.2, 0.9375, 0.6), 0.03), b)
    checks.check("cgm black line and text", k is not None and near((k[0], k[2], k[3]), (0.056, 0.9375, 0.833), 0.03), k)
    width, height, rows = drawing
    middle = [row[int(0.35 * width):int(0.65 * width)] for row in rows[:int(0.75 * height)]]
    text = box((len(middle[0]), len(middle), middle), black)
    checks.check("cgm text between the shapes", text is not None, text)

    full = pixels_of(soffice_png(os.path.join(folder, "full.cgm"), work), work)
    checks.check("cgm full store keeps the rectangle", box(full, red) is not None)
    checks.check("cgm full store drops the rest", box(full, blue) is None and box(full, black) is None)


def check_emf(folder, work, checks):
    """The slot's recording against the same drawing on a memory surface: the file's frame is the
    slot's size, and emf2svg-conv's picture (cut to the drawn bounds) puts the colours where the
    surface had them."""
    path = os.path.join(folder, "drawing.emf")
    with open(path, "rb") as f:
        header = f.read(88)
    kind, = struct.unpack_from("<I", header, 0)
    frame = struct.unpack_from("<4i", header, 24)
    checks.check("emf header record", kind == 1, kind)
    checks.check("emf frame 400 x 300 points", frame == (0, 0, 400 * 2540 // 72, 300 * 2540 // 72), frame)

    picture = render_metafile(path, work)[0]

    boxes = {}
    with open(os.path.join(folder, "drawing.boxes")) as f:
        for line in f:
            name, *values = line.split()
            boxes[name] = [float(v) for v in values]
    left = min(b[0] for b in boxes.values())
    top = min(b[1] for b in boxes.values())
    right = max(b[2] for b in boxes.values())
    bottom = max(b[3] for b in boxes.values())

    def relative(b):
        return ((b[0] - left) / (right - left), (b[1] - top) / (bottom - top),
                (b[2] - left) / (right - left), (b[3] - top) / (bottom - top))

    for name, wanted in (("red", red), ("blue", blue)):
        found = box(picture, wanted)
        expected = relative(boxes[name])
        checks.check("emf %s where the surface has it" % name,
                     found is not None and near(found, expected, 0.04), (found, expected))


def main():
    folder, kind = sys.argv[1], sys.argv[2]
    checks = Checks()
    with tempfile.TemporaryDirectory() as work:
        if kind == "cgm":
            check_cgm(folder, work, checks)
        else:
            check_emf(folder, work, checks)
    print("%d passed, %d failed" % (checks.passed, checks.failed))
    return 1 if checks.failed else 0


if __name__ == "__main__":
    sys.exit(main())
