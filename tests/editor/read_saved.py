#!/usr/bin/python3
"""Reads what the editor's Wine test saved, with readers independent of the library: the RTF file
through unrtf (its text must be the text the editor held), and the window picture's size."""
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

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
