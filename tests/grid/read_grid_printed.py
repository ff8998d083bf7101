#!/usr/bin/python3
"""read_grid_printed.py - reads the grid jobs that the grid's Wine test printed: Ghostscript's text
device extracts each page's text, from which the pages across and down, the rows of each page, the
row and column labels and the cells are checked against what the test put into the grid.

The grid window's Print command prints rows 1..3 (Name "first", "second" and "third") with their
labels on every page (grid-window-command.ps).

Usage: read_grid_printed.py FOLDER. Prints one line per failure; exits 1 on any.

The test's grid: rows 1..20 labelled "Station N", column Name "nmNN" (labelled "Name"), Count
40 + N, Level N.25 (both without a label), Valid checked on odd rows (labelled "Valid"). The
printable area is one inch wide, so Name, Count and Level take a page each.
"""
import glob
import os
import re
import subprocess
import sys
import tempfile

folder = sys.argv[1]
failures = []


def fail(name, message):
    failures.append("%s: %s" % (name, message))


def page_texts(name):
    """The text of every page of a job, in page order (an empty list for a job without pages)."""
    path = os.path.join(folder, name)
    if not os.path.exists(path):
        fail(name, "not printed")
        return None
    if os.path.getsize(path) == 0:
        return []
    with tempfile.TemporaryDirectory() as work:
        run = subprocess.run(["gs", "-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=txtwrite",
                              "-sOutputFile=" + os.path.join(work, "page-%03d.txt"), path],
                             capture_output=True, check=False, stdin=subprocess.DEVNULL)
        if run.returncode != 0:
            fail(name, "Ghostscript failed: %r" % run.stderr[-300:])
            return None
        pages = []
        for page in sorted(glob.glob(os.path.join(work, "page-*.txt"))):
            with open(page, "rb") as f:
                pages.append(f.read().decode("latin-1"))
        return pages


class Page:
    """What one page shows: its row labels, the rows of each column's cells and its words."""

    def __init__(self, text):
        self.labels = [int(n) for n in re.findall(r"Station (\d+)", text)]
        rest = re.sub(r"Station \d+", " ", text)
        self.words = rest.split()
        self.names = [int(n) for n in re.findall(r"\bnm(\d\d)\b", rest)]
        self.levels = [int(n) for n in re.findall(r"\b(\d+)\.25\b", rest)]
        self.counts = [int(n) - 40 for n in re.findall(r"(?<![\w.])(\d\d)(?![\w.])", rest)]

    def cells(self, column):
        return {0: self.names, 1: self.counts, 2: self.levels}[column]


def consecutive(rows):
    return rows == list(range(rows[0], rows[0] + len(rows))) if rows else False


def check_across_and_down(name, texts, every_page):
    """Three pages across per block of rows; the rows of each page; where the labels are. Returns
    the rows of each block."""
    if len(texts) % 3 != 0 or not texts:
        fail(name, "%d pages, not three across" % len(texts))
        return []
    pages = [Page(t) for t in texts]
    blocks = []
    for b in range(len(pages) // 3):
        across = pages[3 * b:3 * b + 3]
        rows = across[0].cells(0)
        if not consecutive(rows):
            fail(name, "block %d's first page shows rows %r" % (b + 1, rows))
            continue
        blocks.append(rows)
        for column, page in enumerate(across):
            number = 3 * b + column + 1
            if page.cells(column) != rows:
                fail(name, "page %d shows rows %r of column %d, expected %r" % (number, page.cells(column), column, rows))
            for other in range(3):
                if other != column and page.cells(other):
                    fail(name, "page %d shows cells of column %d" % (number, other))
            labelled = every_page or column == 0
            if page.labels != (rows if labelled else []):
                fail(name, "page %d shows the row labels %r" % (number, page.labels))
            column_label = column == 0 and (every_page or b == 0)
            if ("Name" in page.words) != column_label:
                fail(name, "page %d %s the column label" % (number, "lacks" if column_label else "shows"))
    covered = [r for rows in blocks for r in rows]
    if covered != list(range(1, 21)):
        fail(name, "the blocks cover rows %r" % covered)
    return blocks


def page_sections(name):
    """The PostScript of each page, split at the page comments."""
    with open(os.path.join(folder, name), "rb") as f:
        data = f.read().decode("latin-1")
    return re.split(r"^%%Page:", data, flags=re.M)[1:]


every = page_texts("grid-every-page.ps")
first = page_texts("grid-first-pages.ps")
every_blocks = check_across_and_down("grid-every-page.ps", every, True) if every is not None else []
first_blocks = check_across_and_down("grid-first-pages.ps", first, False) if first is not None else []

if every_blocks:
    n = len(every_blocks[0])
    # Every full page holds the same rows; with the labels on every page each block loses a row
    # to the label row, without them only the first block does.
    for rows in every_blocks[:-1]:
        if len(rows) != n:
            fail("grid-every-page.ps", "blocks of %r rows" % [len(r) for r in every_blocks])
    if first_blocks:
        expected = [n] + [n + 1] * (len(first_blocks) - 2)
        if [len(r) for r in first_blocks[:-1]] != expected[:len(first_blocks) - 1]:
            fail("grid-first-pages.ps", "blocks of %r rows, the labelled job %d" % ([len(r) for r in first_blocks], n))

checks = page_texts("grid-check-boxes.ps")
if checks is not None:
    sections = page_sections("grid-check-boxes.ps")
    if len(checks) != len(every_blocks) or len(sections) != len(checks):
        fail("grid-check-boxes.ps", "%d pages (%d sections), expected %d" % (len(checks), len(sections), len(every_blocks)))
    for number, (text, section, rows) in enumerate(zip(checks, sections, every_blocks), 1):
        page = Page(text)
        if page.labels != rows or "Valid" not in page.words:
            fail("grid-check-boxes.ps", "page %d shows the labels %r %r" % (number, page.labels, page.words))
        marks = section.count("/checkbld glyphshow")
        checked = len([r for r in rows if r % 2 == 1])
        if marks != checked:
            fail("grid-check-boxes.ps", "page %d shows %d check marks, expected %d" % (number, marks, checked))
    if checks and "Wingdings" not in "".join(sections):
        fail("grid-check-boxes.ps", "no Wingdings font")

window = page_texts("grid-window-set.ps")
if window is not None:
    with open(os.path.join(folder, "grid-window-set.ps"), "rb") as f:
        if b"%%Title: Untitled" not in f.read():
            fail("grid-window-set.ps", "not titled Untitled")
    names = [r for text in window for r in Page(text).names]
    if len(window) != len(every_blocks) or names != list(range(1, 21)):
        fail("grid-window-set.ps", "%d pages showing the names of rows %r" % (len(window), names))

command = page_texts("grid-window-command.ps")
if command is not None:
    with open(os.path.join(folder, "grid-window-command.ps"), "rb") as f:
        if b"%%Title: Untitled" not in f.read():
            fail("grid-window-command.ps", "not titled Untitled")
    words = " ".join(command).split()
    if [w for w in words if w in ("first", "second", "third")] != ["first", "second", "third"]:
        fail("grid-window-command.ps", "the names shown: %r" % words)
    for number, text in enumerate(command, 1):
        if Page(text).labels != [1, 2, 3]:
            fail("grid-window-command.ps", "page %d shows the row labels %r" % (number, Page(text).labels))

empty = page_texts("grid-empty.ps")
if empty:
    fail("grid-empty.ps", "%d pages printed for an empty block" % len(empty))

for failure in failures:
    print("FAIL:", failure)
print("%d failures" % len(failures))
sys.exit(1 if failures else 0)
