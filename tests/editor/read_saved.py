#!/usr/bin/python3
"""Reads what the editor's Wine test saved, with readers independent of the library: the RTF file
through unrtf (its text must be the text the editor held), the window picture's size, and the
printed jobs through Ghostscript (pages counted, their text extracted)."""
import os
import subprocess
import sys

folder = sys.argv[1]
failures = []

rtf = os.path.join(folder, "saved.rtf")
if not os.path.exists(rtf):
    failures.append("saved.rtf is missing")
else:
    text = subprocess.run(["unrtf", "--text", rtf], capture_output=True, text=True, check=False).stdout
    body = [line for line in text.splitlines() if line and not line.startswith("#") and not line.startswith("-")]
    if body[:2] != ["Gravimonder editor line one", "line two"]:
        failures.append("unrtf read %r" % body)

shot = os.path.join(folder, "editor_window.bmp")
if not os.path.exists(shot) or os.path.getsize(shot) < 10000:
    failures.append("the window picture is missing or empty")



def printed(name):
    """The pages' texts of a printed job, as Ghostscript's text device extracts them."""
    path = os.path.join(folder, name)
    if not os.path.exists(path):
        failures.append(name + " is missing")
        return None
    run = subprocess.run(["gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=txtwrite", "-sOutputFile=-", path],
                         capture_output=True, text=True, check=False)
    return " ".join(run.stdout.split()), run.returncode


def page_count(name):
    """Pages of a PostScript job: the showpage calls Ghostscript makes, counted by its bbox device."""
    path = os.path.join(folder, name)
    run = subprocess.run(["gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=bbox", path],
                         capture_output=True, text=True, check=False)
    return run.stderr.count("%%BoundingBox")


expected = {
    "print-whole.ps": (["first printed line", "second printed line"], [], 1),
    "print-part.ps": (["second"], ["first"], 1),
    "print-selection.ps": (["first"], ["second"], 1),
    "print-empty.ps": ([], ["first", "second"], 0),
}
for name, (present, absent, pages) in expected.items():
    result = printed(name)
    if result is None:
        continue
    text, code = result
    if code != 0:
        failures.append("%s: Ghostscript failed" % name)
    for part in present:
        if part not in text:
            failures.append("%s: %r not in the printed text %r" % (name, part, text))
    for part in absent:
        if part in text:
            failures.append("%s: %r printed, in %r" % (name, part, text))
    counted = page_count(name)
    if counted != pages:
        failures.append("%s: %d pages, expected %d" % (name, counted, pages))

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
