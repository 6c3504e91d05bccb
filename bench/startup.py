#!/usr/bin/env python3
"""Start-up benchmark: how long programs take from exec until their first window is mapped and
first drawn, how much processor time they have used by then and how much memory they hold once
it is up, each against the barest Qt window of the same Qt.

    bench/startup.py [--runs N] [--warm-up N] [--settle S] [--without-accessibility-bus]
                     BARE PROGRAM [PROGRAM...]

BARE is build/bench/startup_bare_window; each PROGRAM is a game binary (two of them compare a
change with the program before it in one run). Every program is started on one private Xvfb, in
turns (bare, game, bare, game...; each round begins with the next program, so that none always
follows the same one), and quoted as the median of its runs.

The desktop around them is a private session bus and, where at-spi2-core is installed, the
accessibility bus that a desktop session starts beside it (without a screen reader turned on):
Qt's accessibility bridge connects to both at every start. A window counts as mapped at its
MapNotify and as drawn at the first damage to it. The bare window is mapped before its bridge
connects, the game only after, since every widget wakes the bridge as it is built (a label given
its text is enough); the time to the first frame drawn includes that connection for both. The
processor time is that of all the program's threads when the window is drawn. VmRSS is read
--settle seconds later, so that work put off until after the first frame still counts. The
machine's load is printed too: on a busy machine the processor times and the ratios mean more
than the milliseconds.

Exits 77 when there is no Xvfb or libX11 to run on, 1 when a program shows no window."""
import argparse
import ctypes
import ctypes.util
import os
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

SKIP = 77

_CREATE_NOTIFY = 16
_MAP_NOTIFY = 19
_SUBSTRUCTURE_NOTIFY = 1 << 19
_DAMAGE_REPORT_NON_EMPTY = 3
_PR_SET_CHILD_SUBREAPER = 36


class _CreateWindowEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("parent", ctypes.c_ulong),
                ("window", ctypes.c_ulong), ("x", ctypes.c_int), ("y", ctypes.c_int),
                ("width", ctypes.c_int), ("height", ctypes.c_int),
                ("border_width", ctypes.c_int), ("override_redirect", ctypes.c_int)]


class _MapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong),
                ("window", ctypes.c_ulong), ("override_redirect", ctypes.c_int)]


class _DamageNotifyEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("drawable", ctypes.c_ulong)]


class _Event(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("create", _CreateWindowEvent), ("map", _MapEvent),
                ("damage", _DamageNotifyEvent), ("pad", ctypes.c_long * 24)]


class Screen:
    """A connection to the private X server that hears every top-level window being created and
    mapped, and every first drawing into one."""

    def __init__(self, display):
        self.x = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        x = self.x
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XCloseDisplay.argtypes = [ctypes.c_void_p]
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        x.XFlush.argtypes = [ctypes.c_void_p]
        x.XPending.argtypes = [ctypes.c_void_p]
        x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(_Event)]
        x.XConnectionNumber.argtypes = [ctypes.c_void_p]
        # A window may be gone before its damage is asked for; that must not end the benchmark.
        self._ignore_errors = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p,
                                               ctypes.c_void_p)(lambda d, e: 0)
        x.XSetErrorHandler(self._ignore_errors)
        self.dpy = x.XOpenDisplay(display.encode())
        if not self.dpy:
            raise RuntimeError("cannot open display " + display)
        self.root = x.XDefaultRootWindow(self.dpy)
        x.XSelectInput(self.dpy, self.root, _SUBSTRUCTURE_NOTIFY)
        self.damage = self._damage_extension()
        x.XFlush(self.dpy)

    def _damage_extension(self):
        """The damage library and its first event number, or None: then only mapping is timed."""
        name = ctypes.util.find_library("Xdamage") or "libXdamage.so.1"
        try:
            lib = ctypes.CDLL(name)
        except OSError:
            return None
        lib.XDamageQueryExtension.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int),
                                              ctypes.POINTER(ctypes.c_int)]
        lib.XDamageCreate.restype = ctypes.c_ulong
        lib.XDamageCreate.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int]
        event_base, error_base = ctypes.c_int(), ctypes.c_int()
        if not lib.XDamageQueryExtension(self.dpy, ctypes.byref(event_base),
                                         ctypes.byref(error_base)):
            return None
        return lib, event_base.value

    def events(self, deadline):
        """Yields (event, monotonic time of arrival) until the deadline."""
        event = _Event()
        fd = self.x.XConnectionNumber(self.dpy)
        while True:
            while self.x.XPending(self.dpy):
                self.x.XNextEvent(self.dpy, ctypes.byref(event))
                yield event, time.perf_counter()
            left = deadline - time.perf_counter()
            if left <= 0:
                return
            select.select([fd], [], [], left)

    def watch_drawing(self, window):
        if self.damage:
            lib, _ = self.damage
            lib.XDamageCreate(self.dpy, window, _DAMAGE_REPORT_NON_EMPTY)
            self.x.XFlush(self.dpy)

    def is_damage(self, event):
        return self.damage is not None and event.type == self.damage[1]

    def drain(self):
        event = _Event()
        while self.x.XPending(self.dpy):
            self.x.XNextEvent(self.dpy, ctypes.byref(event))

    def close(self):
        self.x.XCloseDisplay(self.dpy)


def start_xvfb():
    """A private X server on a display number it picks itself; returns (process, display)."""
    with tempfile.TemporaryFile() as number:
        server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(number.fileno()), "-screen", "0", "1280x1024x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=[number.fileno()], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(100):
            number.seek(0)
            text = number.read().decode().strip()
            if text or server.poll() is not None:
                break
            time.sleep(0.1)
    if not text:
        server.kill()
        server.wait()
        raise RuntimeError("Xvfb did not start")
    return server, ":" + text


def cpu_ms(pid):
    """The processor time all threads of the process have had so far: unlike the wall-clock
    times, it hardly depends on what else the machine is doing."""
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as stat:
                total += int(stat.read().split()[0])
        except OSError:
            pass  # a thread that has just ended
    return total / 1e6


def start_session_bus():
    """A private session bus, as every desktop session has one, so that Qt finds it at once
    rather than through an X property and a bus of its own launching; returns (process, address)
    or (None, None) where there is no dbus-daemon."""
    if shutil.which("dbus-daemon") is None:
        return None, None
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    address = bus.stdout.readline().strip()
    if not address:
        bus.kill()
        bus.wait()
        return None, None
    return bus, address


ACCESSIBILITY_BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


def start_accessibility_bus(environment):
    """The accessibility bus on the private session bus and display, started at once as a desktop
    session does; returns its launcher's process, or None where at-spi2-core is missing."""
    if not os.access(ACCESSIBILITY_BUS_LAUNCHER, os.X_OK) or shutil.which("dbus-send") is None:
        return None
    launcher = subprocess.Popen([ACCESSIBILITY_BUS_LAUNCHER, "--launch-immediately"],
                                env=environment, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
    ask = ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
           "org.a11y.Bus.GetAddress"]
    for _ in range(100):
        if subprocess.run(ask, env=environment, capture_output=True).returncode == 0:
            return launcher
        if launcher.poll() is not None:
            break
        time.sleep(0.1)
    stop(launcher)
    return None


def children_of(pid):
    """The processes pid started (the launcher's own bus daemon and registry among them)."""
    found = []
    try:
        for task in os.listdir(f"/proc/{pid}/task"):
            with open(f"/proc/{pid}/task/{task}/children") as children:
                found += [int(child) for child in children.read().split()]
    except OSError:
        pass
    return found


def adopt_orphans():
    """Makes this process the parent of whatever its children leave behind when they end (the
    accessibility bus launcher forks a helper that outlives it), so that reap_orphans() can reap
    them rather than leave them to an init that may not."""
    libc = ctypes.CDLL(None, use_errno=True)
    libc.prctl(_PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)


def reap_orphans():
    """Reaps every child that has ended; called once the processes started here are waited for."""
    while True:
        try:
            pid, _ = os.waitpid(-1, os.WNOHANG)
        except ChildProcessError:
            return
        if pid == 0:
            return


def stop(process):
    """Ends a process started here, and then whatever it started that outlived it."""
    children = children_of(process.pid)
    process.terminate()
    try:
        process.wait(5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
    for child in children:
        try:
            os.kill(child, signal.SIGTERM)
        except ProcessLookupError:
            pass


def resident_mib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024.0
    return float("nan")


def one_start(screen, program, environment, settle, timeout):
    """Starts the program and returns the ms to its first window mapped and drawn (None without
    damage reports), the processor ms it has used by then and its VmRSS in MiB; then ends it."""
    screen.drain()
    started = time.perf_counter()
    child = subprocess.Popen([program], env=environment, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
    mapped = drawn = cpu = None
    window = None
    try:
        for event, when in screen.events(started + timeout):
            if event.type == _CREATE_NOTIFY and event.create.parent == screen.root:
                # Asked for before the window can be mapped, let alone drawn into.
                screen.watch_drawing(event.create.window)
            elif (event.type == _MAP_NOTIFY and window is None and
                  not event.map.override_redirect):
                window, mapped = event.map.window, when
                if not screen.damage:
                    cpu = cpu_ms(child.pid)
                    break
            elif screen.is_damage(event) and event.damage.drawable == window:
                drawn = when
                cpu = cpu_ms(child.pid)
                break
        if mapped is None or child.poll() is not None:
            raise RuntimeError(f"{program} showed no window")
        time.sleep(settle)
        memory = resident_mib(child.pid)
    finally:
        child.send_signal(signal.SIGTERM)
        try:
            child.wait(5)
        except subprocess.TimeoutExpired:
            child.kill()
            child.wait()
    to_ms = lambda t: None if t is None else (t - started) * 1000.0
    return to_ms(mapped), to_ms(drawn), cpu, memory


def report(programs, samples, runs, warm_up, settle, display, loads, desktop):
    def median(values):
        values = [v for v in values if v is not None]
        return statistics.median(values) if values else None

    medians = [[median(column) for column in zip(*samples[p])] for p in programs]
    print(f"Start-up on a private Xvfb ({display}) with {desktop}: medians of {runs} runs "
          f"each after {warm_up} warm-up, taken in turns; load average {loads[0]:.2f} before, "
          f"{loads[1]:.2f} after")
    print(f"{'program':<44} {'exec to mapped':>16} {'exec to drawn':>16} {'CPU by then':>16} "
          f"{'VmRSS after ' + format(settle, 'g') + ' s':>20}")
    base = medians[0]
    for index, (name, values) in enumerate(zip(programs, medians)):
        cells = []
        for value, reference, unit, width in zip(values, base, ("ms", "ms", "ms", "MiB"),
                                                 (16, 16, 16, 20)):
            if value is None:
                cells.append(f"{'-':>{width}}")
                continue
            text = f"{value:.1f} {unit}"
            if index > 0 and reference:
                text += f" ({value / reference:.2f})"
            cells.append(f"{text:>{width}}")
        label = name if len(name) <= 44 else "..." + name[-41:]
        print(f"{label:<44} {' '.join(cells)}")
    print("(in brackets: times the bare window)")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--runs", type=int, default=12, help="counted starts of each program")
    parser.add_argument("--warm-up", type=int, default=1, help="uncounted starts of each first")
    parser.add_argument("--settle", type=float, default=0.5,
                        help="seconds after the first frame until memory is read")
    parser.add_argument("--timeout", type=float, default=30.0, help="seconds to wait for a window")
    parser.add_argument("--without-accessibility-bus", action="store_true",
                        help="a session bus alone, without the accessibility bus")
    parser.add_argument("--verbose", action="store_true", help="print every start")
    parser.add_argument("bare", help="the bare Qt window (build/bench/startup_bare_window)")
    parser.add_argument("programs", nargs="+", help="the programs to compare with it")
    args = parser.parse_args()
    if args.runs < 1:
        parser.error("--runs must be at least 1")
    programs = [args.bare] + args.programs
    for program in programs:
        if not os.access(program, os.X_OK):
            parser.error(f"{program} is not a program")
    if shutil.which("Xvfb") is None or ctypes.util.find_library("X11") is None:
        print("startup.py: needs Xvfb and libX11", file=sys.stderr)
        return SKIP

    adopt_orphans()
    server, display = start_xvfb()
    bus, bus_address = start_session_bus()
    screen = accessibility_bus = None
    try:
        screen = Screen(display)
        environment = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb")
        for name in ("WAYLAND_DISPLAY", "AT_SPI_BUS_ADDRESS"):
            environment.pop(name, None)
        desktop = "no session bus"
        if bus_address:
            environment["DBUS_SESSION_BUS_ADDRESS"] = bus_address
            if not args.without_accessibility_bus:
                accessibility_bus = start_accessibility_bus(environment)
            desktop = ("a session and an accessibility bus" if accessibility_bus
                       else "a session bus, no accessibility bus")
        samples = {program: [] for program in programs}
        loads = [os.getloadavg()[0]]
        for round_number in range(args.warm_up + args.runs):
            first = round_number % len(programs)
            for program in programs[first:] + programs[:first]:
                sample = one_start(screen, program, environment, args.settle, args.timeout)
                counted = round_number >= args.warm_up
                if counted:
                    samples[program].append(sample)
                if args.verbose:
                    print(f"{'run' if counted else 'warm-up'} {program}: "
                          + ", ".join("-" if v is None else f"{v:.1f}" for v in sample),
                          flush=True)
        loads.append(os.getloadavg()[0])
        report(programs, samples, args.runs, args.warm_up, args.settle, display, loads, desktop)
    except RuntimeError as error:
        print(f"startup.py: {error}", file=sys.stderr)
        return 1
    finally:
        if screen is not None:
            screen.close()
        if accessibility_bus is not None:
            stop(accessibility_bus)
        if bus is not None:
            bus.terminate()
            bus.wait()
        server.terminate()
        server.wait()
        reap_orphans()
    return 0


if __name__ == "__main__":
    sys.exit(main())
