#!/usr/bin/python3
"""read_written.py - reads the images that the Wine image-driver test wrote: every NAME with its
expected pixels in NAME.rgb is converted to RGB by ImageMagick and by netpbm's reader of its
format (bmptopnm reads no run-length BMP), and each is compared byte for byte.

Usage: read_written.py FOLDER. Prints one line per image and 'N passed, N failed'; exits 1 on a
failure or when no image was written.
"""
import glob
import os
import subprocess
import sys


def magick_pixels(image):
    return subprocess.run(["/usr/bin/convert", image + "[0]", "-depth", "8", "rgb:-"],
                          capture_output=True).stdout


# netpbm's reader of the format; the raster of its PPM after the header's four fields.
NETPBM = {".pcx": "pcxtoppm", ".bmp": "bmptopnm", ".png": "pngtopnm"}


def netpbm_pixels(image):
    reader = NETPBM[os.path.splitext(image)[1]]
    ppm = subprocess.run("%s '%s' | ppmtoppm" % (reader, image), shell=True, capture_output=True).stdout
    at = 0
    for _ in range(4):  # P6, width, height, maxval, each after white space
        while at < len(ppm) and ppm[at:at + 1].isspace():
            at += 1
        while at < len(ppm) and not ppm[at:at + 1].isspace():
            at += 1
    return ppm[at + 1:]  # one white-space byte ends the header


def main(folder):
    passed = failed = 0
    for expectation in sorted(glob.glob(os.path.join(folder, "*.rgb"))):
        image = expectation[:-len(".rgb")]
        with open(expectation, "rb") as f:
            expected = f.read()
        readers = [("ImageMagick", magick_pixels(image))]
        if not image.endswith(".rle.bmp"):
            readers.append(("netpbm", netpbm_pixels(image)))
        for reader, shown in readers:
            if shown == expected and expected:
                passed += 1
                print("ok", os.path.basename(image), reader)
            else:
                failed += 1
                first = next((i for i, (a, b) in enumerate(zip(shown, expected)) if a != b), None)
                print("FAILED", os.path.basename(image), reader, len(shown), "bytes for", len(expected),
                      "first difference at", first)
    print(passed, "passed,", failed, "failed")
    return 1 if failed or not passed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
