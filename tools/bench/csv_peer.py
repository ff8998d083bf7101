# csv_peer.py - Python's csv module, the peer of the grid's CSV reader and writer in the grid
# benchmarks (native and under Wine), run once per call in an interpreter of its own:
#   csv_peer.py read  FILE          reads FILE into lists of fields
#   csv_peer.py write FILE OUT      reads FILE (not timed) and writes the lists to OUT
#   csv_peer.py safe  FILE OUT      the same write made as the grid's save makes it: into a new
#                                   file beside OUT, flushed, stored on disk (os.fsync), then
#                                   put in OUT's place (os.replace), so a failed write leaves OUT
# Prints the seconds of the timed part, the peak memory of the interpreter in MB, the rows read
# and the fields read.
import csv
import os
import resource
import sys
import time

what, source = sys.argv[1], sys.argv[2]
t0 = time.perf_counter()
with open(source, newline='', encoding='latin-1') as f:
    rows = list(csv.reader(f))
t1 = time.perf_counter()
if what == 'write':
    with open(sys.argv[3], 'w', newline='', encoding='latin-1') as f:
        csv.writer(f).writerows(rows)
    t0, t1 = t1, time.perf_counter()
elif what == 'safe':
    target = sys.argv[3]
    scratch = target + '.~py'
    try:
        with open(scratch, 'x', newline='', encoding='latin-1') as f:
            csv.writer(f).writerows(rows)
            f.flush()
            os.fsync(f.fileno())
        os.replace(scratch, target)
    except BaseException:
        if os.path.exists(scratch):
            os.remove(scratch)
        raise
    t0, t1 = t1, time.perf_counter()
print(t1 - t0, resource.getrusage(resource.RUSAGE_SELF).ru_maxrss / 1024, len(rows), sum(map(len, rows)))
