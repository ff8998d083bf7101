#!/usr/bin/python3
"""read_written.py - reads the images that the Wine image-driver test wrote: every NAME with its
expected pixels in NAME.rgb is converted by ImageMagick to RGB and compared byte for byte.

Usage: read_written.py FOLDER. Prints one line per image and 'N passed, N failed'; exits 1 on a
failure or when no image was written.
"""
import glob
import os
import subprocess
import sys


def main(folder):
    passed = failed = 0
    for expectation in sorted(glob.glob(os.path.join(folder, "*.rgb"))):
        image = expectation[:-len(".rgb")]
        with open(expectation, "rb") as f:
            expected = f.read()
        shown = subprocess.run(["/usr/bin/convert", image + "[0]", "-depth", "8", "rgb:-"],
                               capture_output=True).stdout
        if shown == expected and expected:
            passed += 1
            print("ok", os.path.basename(image))
        else:
            failed += 1
            first = next((i for i, (a, b) in enumerate(zip(shown, expected)) if a != b), None)
            print("FAILED", os.path.basename(image), len(shown), "bytes for", len(expected),
                  "first difference at", first)
    print(passed, "passed,", failed, "failed")
    return 1 if failed or not passed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
