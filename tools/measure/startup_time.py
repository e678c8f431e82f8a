#!/usr/bin/env python3
"""Times how long programs take from their launch until a window with a given
title is mapped on the X display named by DISPLAY, and prints the median of
several launches of each, taken in turns so that all meet the same load.
  startup_time.py RUNS TITLE-1 PROGRAM-1 TITLE-2 PROGRAM-2 [TITLE PROGRAM]...
Prints one line per program: "<median ms>  <ratio to the first>  <program>"."""
import os, select, statistics, subprocess, sys, time
from Xlib import X, display


def window_title(d, window):
    try:
        prop = window.get_full_property(d.intern_atom("_NET_WM_NAME"), 0)
        if prop:
            return prop.value.decode("utf-8", "replace")
        return window.get_wm_name() or ""
    except Exception:
        return ""


def time_launch(program, title, timeout=30.0):
    d = display.Display()
    d.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
    d.sync()
    start = time.monotonic()
    p = subprocess.Popen([program], cwd=os.path.dirname(program),
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        while time.monotonic() - start < timeout:
            if not d.pending_events():
                select.select([d.fileno()], [], [], 0.05)
                continue
            event = d.next_event()
            if event.type == X.MapNotify and window_title(d, event.window) == title:
                return (time.monotonic() - start) * 1000.0
        raise TimeoutError(f"{program} showed no window {title!r}")
    finally:
        p.kill()
        p.wait()
        d.close()


def main():
    runs = int(sys.argv[1])
    pairs = sys.argv[2:]
    programs = [(pairs[i], os.path.abspath(pairs[i + 1])) for i in range(0, len(pairs), 2)]
    times = {program: [] for _, program in programs}
    for title, program in programs:  # one launch each to fill the file cache
        time_launch(program, title)
    for _ in range(runs):
        for title, program in programs:
            times[program].append(time_launch(program, title))
    medians = [statistics.median(times[program]) for _, program in programs]
    for (_, program), median in zip(programs, medians):
        print(f"{median:6.1f} ms  {median / medians[0]:.2f}x  {program}")


main()
