#!/usr/bin/env python3
"""What a blind player hears: runs a program under the Orca screen reader and
prints what Orca says after each key of a scripted path.

usage: tools/speech/orca_speech.py [options] PATH_FILE [PROGRAM [ARGS...]]

Everything runs on a private X display (Xvfb) with the openbox window manager,
a private session bus and accessibility bus (with the screen-reader flag set,
as a desktop sets it when Orca is turned on), and Orca 43 in debug mode with a
fresh preferences folder; the speech lines are Orca's "SPEECH OUTPUT:" lines of
its debug file, so no sound card or voice is needed. Every process started
here is ended at the end, and the whole run gives up after --timeout seconds.

The path file holds one step a line ('#' starts a comment):
  start PROGRAM [ARGS...]  start a program (the one before it is ended first);
                           without a start step, the command line's PROGRAM is
                           started before the path
  run COMMAND              run a shell command and wait for it (10 s at most)
  window TITLE [SECONDS]   wait until a window whose title contains TITLE shows
  key KEY...               press the keys in turn (xdotool names: Tab, Return,
                           Down, shift+Tab, alt+a, F6), each one's speech printed
  type TEXT                type the text, then print what was said
  sleep SECONDS            wait
  note TEXT                print TEXT as a heading in the output
  shot FILE                save a picture of the screen (needs imagemagick)
Lines may use {TMP} for the run's private folder (its HOME), {TOOLS} for the
folder of this script and {PROGRAM} for the command line's PROGRAM.

Needs (installed with apt-get when run as root): xvfb x11-utils openbox
dbus-x11 at-spi2-core orca xdotool.
"""

import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

PACKAGES = {
    "Xvfb": "xvfb",
    "xdpyinfo": "x11-utils",
    "openbox": "openbox",
    "dbus-daemon": "dbus",
    "dbus-send": "dbus",
    "orca": "orca",
    "xdotool": "xdotool",
}
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
TOOLS = os.path.dirname(os.path.abspath(__file__))


# Orca writes its debug file through a block buffer, so its last words would
# reach the file only at the next few kilobytes; this starts Orca with the file
# line-buffered instead. Orca refuses to start while another Orca of the same
# user runs, and it is never asked to replace one here.
ORCA_LINE_BUFFERED = """
import builtins, runpy, sys
debug_path = sys.argv[1]
real_open = builtins.open
def line_buffered_open(file, mode="r", buffering=-1, *args, **kw):
    if file == debug_path and "w" in mode:
        buffering = 1
    return real_open(file, mode, buffering, *args, **kw)
builtins.open = line_buffered_open
sys.argv = sys.argv[2:]
runpy.run_path(sys.argv[0], run_name="__main__")
"""


def orca_interpreter():
    """The Python that Orca's own start script names (it needs the system's pyatspi)."""
    with open(shutil.which("orca"), encoding="utf-8") as f:
        first = f.readline()
    return first[2:].strip().split()[0] if first.startswith("#!") else "/usr/bin/python3"


class Timeout(Exception):
    pass


def install_missing():
    missing = sorted({pkg for tool, pkg in PACKAGES.items() if not shutil.which(tool)})
    if not os.path.exists(BUS_LAUNCHER):
        missing.append("at-spi2-core")
    if not missing:
        return
    if os.geteuid() != 0:
        sys.exit("Missing packages. Run as root:\n  apt-get install -y " + " ".join(missing))
    print("Installing:", " ".join(missing), file=sys.stderr)
    env = dict(os.environ, DEBIAN_FRONTEND="noninteractive")
    subprocess.run(["apt-get", "update", "-qq"], check=True, env=env,
                   stdout=subprocess.DEVNULL)
    subprocess.run(["apt-get", "install", "-y", "-qq", *missing], check=True, env=env,
                   stdout=subprocess.DEVNULL)


class Desktop:
    """The private display, buses, window manager and screen reader."""

    def __init__(self, root, always_on):
        self.root = root
        self.procs = []
        self.program = None
        self.program_log = subprocess.DEVNULL
        self.env = dict(os.environ)
        for var in ("DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY",
                    "QT_QPA_PLATFORM", "QT_ACCESSIBILITY", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON",
                    "SESSION_MANAGER"):
            self.env.pop(var, None)
        home = os.path.join(root, "home")
        runtime = os.path.join(root, "run")
        os.makedirs(os.path.join(home, "Documents"))
        os.makedirs(runtime, mode=0o700)
        self.env.update(HOME=home, XDG_RUNTIME_DIR=runtime,
                        XDG_CONFIG_HOME=os.path.join(home, ".config"),
                        XDG_DATA_HOME=os.path.join(home, ".local/share"),
                        XDG_CACHE_HOME=os.path.join(home, ".cache"),
                        XDG_DOCUMENTS_DIR=os.path.join(home, "Documents"),
                        GTK_MODULES="gail:atk-bridge", NO_AT_BRIDGE="0")
        if always_on:
            self.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        self.debug_file = os.path.join(root, "orca-debug.out")

    def start(self, args, **kw):
        proc = subprocess.Popen(args, env=self.env, start_new_session=True,
                                stdin=subprocess.DEVNULL, **kw)
        self.procs.append(proc)
        return proc

    def start_program(self, args):
        if self.program and self.program.poll() is None:
            os.killpg(self.program.pid, signal.SIGTERM)
            try:
                self.program.wait(3)
            except subprocess.TimeoutExpired:
                os.killpg(self.program.pid, signal.SIGKILL)
                self.program.wait()
        self.program = self.start([os.path.abspath(args[0]), *args[1:]],
                                  stdout=self.program_log, stderr=self.program_log)

    def run(self, args):
        return subprocess.run(args, env=self.env, stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL, text=True, timeout=20)

    def wait_until(self, test, seconds, what):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            if test():
                return
            time.sleep(0.1)
        raise Timeout("gave up waiting for " + what)

    def up(self):
        # Xvfb picks a free display and tells it through a pipe.
        read_fd, write_fd = os.pipe()
        self.start(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1280x1024x24",
                    "-nolisten", "tcp"], pass_fds=(write_fd,), stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:
            display = pipe.readline().strip()
        if not display:
            raise Timeout("Xvfb did not start")
        self.env["DISPLAY"] = ":" + display

        bus = self.start(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()

        self.start([BUS_LAUNCHER, "--launch-immediately"], stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)
        self.wait_until(lambda: self.a11y_status("IsEnabled") is not None, 10,
                        "the accessibility bus")
        # What a desktop does when the player turns the screen reader on:
        # toolkits export their accessibility trees only while these are set.
        for flag in ("IsEnabled", "ScreenReaderEnabled"):
            self.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                      "/org/a11y/bus", "org.freedesktop.DBus.Properties.Set",
                      "string:org.a11y.Status", "string:" + flag, "variant:boolean:true"])

        self.start(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)
        self.wait_until(lambda: "_NET_SUPPORTING_WM_CHECK(WINDOW)" in self.run(
            ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"]).stdout, 30, "openbox")

        # With no sound card a speech server blocks Orca on its first words, and
        # Orca then stops answering the keys the program hands it: no server is
        # started, and Orca logs what it would have said.
        speechd = os.path.join(self.env["XDG_CONFIG_HOME"], "speech-dispatcher")
        os.makedirs(speechd)
        with open(os.path.join(speechd, "speechd.conf"), "w") as f:
            f.write("DisableAutoSpawn\n")
        prefs = os.path.join(self.root, "orca-prefs")
        os.makedirs(prefs)
        orca = self.start([orca_interpreter(), "-c", ORCA_LINE_BUFFERED, self.debug_file,
                           shutil.which("orca"), "-u", prefs, "--debug-file", self.debug_file],
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        def orca_speaks():
            if orca.poll() is not None:
                raise Timeout("Orca did not start: " + orca.stdout.read().strip())
            return "SPEECH OUTPUT:" in self.read_debug(0)
        self.wait_until(orca_speaks, 30, "Orca's first words")

    def a11y_status(self, flag):
        out = self.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                        "/org/a11y/bus", "org.freedesktop.DBus.Properties.Get",
                        "string:org.a11y.Status", "string:" + flag]).stdout
        match = re.search(r"boolean (\w+)", out)
        return match.group(1) if match else None

    def read_debug(self, offset):
        try:
            with open(self.debug_file, encoding="utf-8", errors="replace") as f:
                f.seek(offset)
                return f.read()
        except FileNotFoundError:
            return ""

    def debug_size(self):
        try:
            return os.path.getsize(self.debug_file)
        except FileNotFoundError:
            return 0

    def down(self):
        for proc in reversed(self.procs):
            try:
                os.killpg(proc.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        end = time.monotonic() + 3
        for proc in reversed(self.procs):
            try:
                proc.wait(max(0.1, end - time.monotonic()))
            except subprocess.TimeoutExpired:
                try:
                    os.killpg(proc.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
                proc.wait()
        # Orca's speech server forks away from its parent; it is ours by the
        # private folder in its command line.
        # A speech server stuck on a sound card ignores SIGTERM.
        for pid in os.listdir("/proc"):
            try:
                with open("/proc/%s/cmdline" % pid, "rb") as f:
                    if self.root.encode() in f.read():
                        os.kill(int(pid), signal.SIGKILL)
            except (OSError, ValueError):
                pass


# Orca logs each utterance as SPEECH OUTPUT: 'text' followed by its voice; a
# text of several lines goes on over the next, indented lines of the log.
SPEECH_START = "SPEECH OUTPUT: '"
SPEECH_END = re.compile(r"'(?: voice=\w+)?\s*(?:\{.*\})?\s*$")
EVENT = re.compile(r"(window:activate|window:deactivate|state-changed:focused:1|"
                   r"state-changed:active:1)")


def speech_lines(text):
    """The utterances in a piece of Orca's debug log, each on one line."""
    lines = text.splitlines()
    i = 0
    while i < len(lines):
        start = lines[i].find(SPEECH_START)
        if start < 0:
            i += 1
            continue
        parts = [lines[i][start + len(SPEECH_START):]]
        while not SPEECH_END.search(parts[-1]) and i + 1 < len(lines):
            i += 1
            parts.append(lines[i].strip())
        yield SPEECH_END.sub("", " ".join(p for p in parts if p))
        i += 1


class Listener:
    """Prints what Orca said since the last step."""

    def __init__(self, desktop, settle, events):
        self.desktop = desktop
        self.settle = settle
        self.events = events
        self.offset = desktop.debug_size()

    def drain(self):
        # Orca speaks in bursts: wait until its debug file is quiet a moment.
        end = time.monotonic() + self.settle
        size, quiet_since = self.desktop.debug_size(), time.monotonic()
        time.sleep(0.3)
        while time.monotonic() < end:
            now = self.desktop.debug_size()
            if now != size:
                size, quiet_since = now, time.monotonic()
            elif time.monotonic() - quiet_since > 0.8:
                break
            time.sleep(0.1)
        text = self.desktop.read_debug(self.offset)
        self.offset += len(text.encode("utf-8", errors="replace"))
        for utterance in speech_lines(text):
            print("    SPEECH OUTPUT: '%s'" % utterance)
        if self.events:
            for line in text.splitlines():
                if EVENT.search(line) and "EVENT MANAGER" in line and "Queueing" not in line:
                    print("      (event) " + line.strip()[:160])
        sys.stdout.flush()


def window_titles(desktop):
    ids = desktop.run(["xdotool", "search", "--onlyvisible", "--name", "."]).stdout.split()
    return [desktop.run(["xdotool", "getwindowname", i]).stdout.strip() for i in ids]


def play(desktop, listener, steps, program):
    for number, raw in enumerate(steps, 1):
        line = raw.split("#", 1)[0].strip() if not raw.lstrip().startswith("note") else raw.strip()
        if not line:
            continue
        line = line.replace("{TMP}", desktop.env["HOME"]).replace("{TOOLS}", TOOLS).replace(
            "{PROGRAM}", program)
        verb, _, rest = line.partition(" ")
        if verb == "note":
            listener.drain()
            print("# " + rest)
        elif verb == "window":
            title, _, seconds = rest.rpartition(" ")
            if not title or not re.fullmatch(r"[\d.]+", seconds):
                title, seconds = rest, "20"
            desktop.wait_until(lambda: any(title in t for t in window_titles(desktop)),
                               float(seconds), "a window titled " + title)
            print("[window %s]" % title)
            listener.drain()
        elif verb == "key":
            for key in rest.split():
                print("[key %s]" % key)
                desktop.run(["xdotool", "key", "--clearmodifiers", key])
                listener.drain()
        elif verb == "type":
            print("[type %s]" % rest)
            desktop.run(["xdotool", "type", "--delay", "60", rest])
            listener.drain()
        elif verb == "start":
            print("[start %s]" % rest)
            desktop.start_program(rest.split())
            listener.drain()
        elif verb == "run":
            subprocess.run(rest, shell=True, env=desktop.env, timeout=10, check=True)
        elif verb == "shot":
            desktop.run(["import", "-window", "root", rest])
        elif verb == "sleep":
            time.sleep(float(rest))
        else:
            raise SystemExit("line %d of the path: unknown step %r" % (number, verb))


def main():
    parser = argparse.ArgumentParser(
        description=__doc__.split("\n\n")[0],
        formatter_class=argparse.RawDescriptionHelpFormatter, epilog=__doc__)
    parser.add_argument("path", help="the key path (see below)")
    parser.add_argument("program", nargs=argparse.REMAINDER, help="the program and its arguments")
    parser.add_argument("--settle", type=float, default=4.0,
                        help="longest wait for Orca after a key, in seconds (4)")
    parser.add_argument("--timeout", type=float, default=300,
                        help="the whole run gives up after this many seconds (300)")
    parser.add_argument("--events", action="store_true",
                        help="also print the focus and window events Orca receives")
    parser.add_argument("--always-on", action="store_true",
                        help="set QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 for the program")
    parser.add_argument("--keep", metavar="FILE", help="copy Orca's whole debug file here")
    parser.add_argument("--program-log", metavar="FILE",
                        help="write the program's own output here")
    args = parser.parse_args()
    with open(args.path, encoding="utf-8") as f:
        steps = f.read().splitlines()

    install_missing()
    root = tempfile.mkdtemp(prefix="orca-speech-")

    def give_up(signum, frame):
        raise Timeout("the run took longer than %g seconds" % args.timeout)

    signal.signal(signal.SIGALRM, give_up)
    signal.signal(signal.SIGTERM, give_up)
    signal.alarm(int(args.timeout))
    desktop = Desktop(root, args.always_on)
    if args.program_log:
        open(args.program_log, "w").close()
        desktop.program_log = open(args.program_log, "a")
    status = 0
    try:
        desktop.up()
        listener = Listener(desktop, args.settle, args.events)
        listener.drain()
        if args.program and not any(step.split()[:1] == ["start"] for step in steps):
            print("[start %s]" % " ".join(args.program))
            desktop.start_program(args.program)
        play(desktop, listener, steps, " ".join(args.program))
        listener.drain()
    except Timeout as e:
        print("orca_speech: " + str(e), file=sys.stderr)
        status = 2
    finally:
        signal.alarm(0)
        desktop.down()
        if args.keep and os.path.exists(desktop.debug_file):
            shutil.copyfile(desktop.debug_file, args.keep)
        shutil.rmtree(root, ignore_errors=True)
    return status


if __name__ == "__main__":
    sys.exit(main())
