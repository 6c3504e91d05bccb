"""Plays the built game through X as a person would: finds its windows by title, clicks,
drags (press, move in steps, release) and types with xdotool, and judges the board from the
screen's pixels. Shared by the scripted player and the random-play soak.

The board's geometry is the game's layout in twips (15 twips to a pixel) from the window's
top-left corner; the windows carry no frame, since the private X server runs no window manager.
"""
import math
import os
import re
import shutil
import signal
import subprocess
import sys
import time

import xlib

TWIPS_PER_PIXEL = 15
STARTUP_TITLE = "^Kestrelink® Connection Game$"
GAME_TITLE = "^Kestrelink® Connection Game - Playing Window$"
HELP_TITLE = "^Kestrelink® Connection Game Help -- How To Play$"
REPORT_TITLE = "^Kestrelink Game Settings Dump$"
QUESTION_TITLE = "^Kestrelink® Connection Game Info$"
# The screen-size message carries the application's name as its title.
MESSAGE_TITLE = "^Kestrelink$"
SKIP = 77  # CTest's SKIP_RETURN_CODE for these tests


class Failure(Exception):
    """An expectation the game did not meet."""


def skip_unless_usable(display_variable):
    """The X display named by the variable, or exit with SKIP and the reason."""
    display = os.environ.get(display_variable)
    missing = [tool for tool in ("xdotool", "import") if shutil.which(tool) is None]
    if missing:
        print("SKIPPED: %s not installed (scripts/test installs xdotool and imagemagick)"
              % ", ".join(missing))
        sys.exit(SKIP)
    if not display:
        print("SKIPPED: no private X server given in %s (scripts/test starts Xvfb and sets it)"
              % display_variable)
        sys.exit(SKIP)
    return display


def summary(out_dir, line):
    """The run's result, printed and kept in out_dir/summary.txt for the CI log."""
    print(line, flush=True)
    with open(os.path.join(out_dir, "summary.txt"), "w") as f:
        f.write(line + "\n")


def px(twips):
    """Twips to whole pixels as the game rounds them (half away from zero)."""
    return int(math.floor(twips / TWIPS_PER_PIXEL + 0.5))


def pixel_rect(left, top, width, height):
    x, y = px(left), px(top)
    return x, y, px(left + width) - x, px(top + height) - y


def centre(rect):
    x, y, w, h = rect
    return x + w // 2, y + h // 2


# ---- The board for N PCs, in twips, as the game lays it out ----

CONNECTOR = 195
CABLE_SPACING = 540


class Board:
    """Where the game puts everything for n PCs. Without a window manager the window's outer
    size, which the layout fixes, is its client size."""

    def __init__(self, n):
        self.n = n
        shift = (n - 4) * CABLE_SPACING
        self.width = 5300 + shift  # the right PCs' right edge plus 200
        self.height = self.pc(n - 1)[1] + 645 + 500
        self.frame_left = math.floor((self.width - 5175) / 2)
        self.right_box_left = self.width - 1095 - 200

    @staticmethod
    def pcs_for_width(width_px):
        """The number of PCs of a game window this many pixels wide."""
        for n in range(4, 17):
            if px(Board(n).width) == width_px:
                return n
        return None

    def cable_home(self, j):
        k = j // 2
        left = 1500 if k == 0 else 2100 + CABLE_SPACING * (k - 1)
        return left, 2040 if j % 2 == 0 else 2640, CONNECTOR, CONNECTOR

    def pc_connector(self, c):
        row, second = c // 4, c % 2
        if self.right_column(c):
            left, top = 4260 + (self.n - 4) * CABLE_SPACING, 3240
        else:
            left, top = 780, 3060
        return left, top + 720 * row + 360 * second, CONNECTOR, CONNECTOR

    def right_column(self, c):
        return (c // 2) % 2 == 1

    def area(self, c):
        left, top, _, _ = self.pc_connector(c)
        return (left - 360 if self.right_column(c) else left - 60), top - 60, 615, 315

    def pc(self, p):
        if p % 2 == 0:
            return 120, 3000 + 720 * (p // 2), 600, 645
        return 4500 + (self.n - 4) * CABLE_SPACING, 3180 + 720 * (p // 2), 600, 645

    def snapped(self, c):
        """Where a cable connector dropped on PC connector c must sit: same top, touching the
        PC connector on the side that faces the middle of the board."""
        left, top, width, _ = self.pc_connector(c)
        left = left - CONNECTOR if self.right_column(c) else left + width
        return left, top, CONNECTOR, CONNECTOR

    def bare_below(self):
        """A spot of bare board in the middle, below the lowest PC."""
        return (self.area(0)[0] + self.area(0)[2] + self.area(2)[0]) // 2, self.height - 250, 0, 0

    def band(self):
        return 1320, 2220, self.n * CABLE_SPACING, 375

    def button(self, name):
        left, width = {"new": (120, 975), "restart": (1200, 915), "solution": (2220, 915),
                       "help": (3240, 855), "quit": (4200, 855)}[name]
        return self.frame_left + left, 240, width, 615

    def time_box(self, i):
        return [(60, 2040), (60, 2520), (self.right_box_left, 2040),
                (self.right_box_left, 2520)][i] + (1095, 315)

    def message(self):
        return math.floor((self.width - 3555) / 2), 1080, 3555, 975

    def face(self):
        """The left face: smiling or frowning once the board is full, else not there."""
        return 0, 960, 855, 915

    def riser_x(self, k):
        """Start-up hangs each cable's riser from its first stub, 172.5 twips right of it."""
        left = self.cable_home(2 * k)[0]
        return left + CONNECTOR + (CABLE_SPACING - CONNECTOR) / 2


# ---- Wirings ----

def is_ring(n, plug):
    """plug[c]: the cable connector on PC connector c. One ring through every PC?"""
    where = {j: c for c, j in enumerate(plug)}
    cur, seen = 0, set()
    for _ in range(n):
        if cur // 2 in seen:
            return False
        seen.add(cur // 2)
        cur = where[plug[cur] ^ 1] ^ 1
    return cur == 0 and len(seen) == n


def positions(plug):
    """From the cable connector on each PC connector to the PC connector of each cable
    connector (None: at home)."""
    where = [None] * len(plug)
    for c, j in enumerate(plug):
        if j is not None:
            where[j] = c
    return where


def find_wiring(n, pc_colours, cable_colours, want_ring):
    """A cable connector for every PC connector, colours matching, one ring or not; None when
    the colours allow none of that kind."""
    plug = [None] * (2 * n)
    used = [False] * (2 * n)

    def place(c):
        if c == 2 * n:
            return is_ring(n, plug) == want_ring
        for j in range(2 * n):
            if not used[j] and cable_colours[j] == pc_colours[c]:
                used[j], plug[c] = True, j
                if place(c + 1):
                    return True
                used[j] = False
        return False

    # A ring is found quickly by walking it: from the second connector of the current PC
    # across a cable to a PC not yet visited; the last cable returns to PC 0's connector 0.
    def walk(c, visited, count):
        last = count == n - 1
        for j in range(2 * n):
            other = j ^ 1
            if used[j] or used[other] or cable_colours[j] != pc_colours[c]:
                continue
            entries = [0] if last else [f for f in range(2 * n) if f // 2 not in visited]
            for f in entries:
                if plug[f] is not None or cable_colours[other] != pc_colours[f]:
                    continue
                used[j] = used[other] = True
                plug[c], plug[f] = j, other
                if last or walk(f ^ 1, visited | {f // 2}, count + 1):
                    return True
                used[j] = used[other] = False
                plug[c] = plug[f] = None
        return False

    sys.setrecursionlimit(10000)
    if want_ring:
        return plug if walk(1, {0}, 0) else None
    return plug if place(0) else None


# ---- One X display ----

class Screen:
    """The private X server: windows by title, input through xdotool, pixels through Xlib."""

    def __init__(self, display, out_dir):
        self.display = display
        self.out_dir = out_dir
        os.makedirs(out_dir, exist_ok=True)
        self.env = dict(os.environ, DISPLAY=display)
        self.x = xlib.Display(display)
        self.shots = 0
        self.pid = None  # only windows of this process count, once a program is started
        self.events = 0  # X input events sent: pointer moves, button and key presses, releases

    def xdo(self, *args, timeout=10):
        return self._xdotool(args, timeout).stdout

    def _xdotool(self, args, timeout):
        try:
            return subprocess.run(["xdotool", *map(str, args)], env=self.env, timeout=timeout,
                                  capture_output=True, text=True)
        except subprocess.TimeoutExpired:
            raise Failure("xdotool %s did not return within %d s" % (args[0], timeout))

    def windows(self, title):
        owner = ["--all", "--pid", self.pid] if self.pid else []
        for _ in range(5):
            done = self._xdotool(["search", "--onlyvisible", *owner, "--name", title], 10)
            # A window destroyed while xdotool walks the tree stops it with an X error.
            if "X Error" not in done.stderr:
                break
            time.sleep(0.02)
        return [int(w) for w in done.stdout.split()]

    def window(self, title):
        found = self.windows(title)
        return found[-1] if found else None

    def wait_window(self, title, timeout=10.0, what=None):
        deadline = time.monotonic() + timeout
        while True:
            found = self.window(title)
            if found is not None:
                return found
            if time.monotonic() > deadline:
                raise Failure("no %s window within %.0f s" % (what or title, timeout))
            time.sleep(0.05)

    def wait_gone(self, title, timeout=10.0, what=None):
        deadline = time.monotonic() + timeout
        while self.windows(title):
            if time.monotonic() > deadline:
                raise Failure("the %s window is still there after %.0f s" % (what or title,
                                                                          timeout))
            time.sleep(0.05)

    def geometry(self, window):
        """(x, y, width, height) of a top-level window, or None once it is gone."""
        out = self.xdo("getwindowgeometry", window)
        found = re.search(r"Position: (-?\d+),(-?\d+).*Geometry: (\d+)x(\d+)", out, re.S)
        return tuple(map(int, found.groups())) if found else None

    def answers(self, window, timeout=5.0):
        return self.x.ping(window, timeout)

    def close(self, window):
        self.x.close_window(window)

    # -- input --

    def move(self, x, y):
        self.events += 1
        self.xdo("mousemove", x, y)

    def click(self, x, y, button=1, repeat=1, delay_ms=40):
        self.events += 1 + 2 * repeat
        self.xdo("mousemove", x, y, "click", "--repeat", repeat, "--delay", delay_ms, button)

    def press(self, x, y, button=1):
        self.events += 3
        self.xdo("mousemove", x, y, "mousedown", button, "mouseup", button)

    def drag(self, start, end, steps=4, step_s=0.008):
        """Press, move in steps, release, in one xdotool run: Qt loses moves that come less
        than about 5 ms apart."""
        self.events += steps + 3
        script = ["mousemove", start[0], start[1], "mousedown", 1]
        for s in range(1, steps + 1):
            script += ["sleep", step_s, "mousemove",
                       start[0] + (end[0] - start[0]) * s // steps,
                       start[1] + (end[1] - start[1]) * s // steps]
        self.xdo(*script, "sleep", step_s, "mouseup", 1)

    def raise_window(self, window):
        """What a click on a window's caption would do, had the server a window manager."""
        self.xdo("windowraise", window, timeout=5)

    def focus(self, window):
        self.xdo("windowfocus", "--sync", window, timeout=5)

    def key(self, *names):
        self.events += 2 * len(names)
        self.xdo("key", "--delay", 20, *names)

    def type(self, text):
        self.events += 2 * len(text)
        self.xdo("type", "--delay", 8, text)

    # -- pixels --

    def grab(self, rect):
        return self.x.grab(*rect)

    def screenshot(self, name):
        """The whole screen as a PNG in the output folder; returns its path."""
        self.shots += 1
        path = os.path.join(self.out_dir, "%02d-%s.png" % (self.shots, name))
        try:
            subprocess.run(["import", "-window", "root", path], env=self.env, timeout=20,
                           capture_output=True)
        except subprocess.TimeoutExpired:
            return None
        return path


# ---- One run of the program ----

class Program:
    """The game process: started with a fixed deal and sanitizer reports sent to files, ended
    by its process id."""

    def __init__(self, binary, screen, seed, name, platform=None):
        """platform: variables that put the program on another platform than X (a value of
        None removes the variable)."""
        self.output_path = os.path.join(screen.out_dir, "%s-output.txt" % name)
        self.report_prefix = os.path.join(screen.out_dir, "%s-sanitizer" % name)
        for old in sanitizer_reports(self.report_prefix):
            os.remove(old)
        # In English whatever the tester's language: windows and boxes are found by their titles.
        env = dict(screen.env, KESTRELINK_SEED=str(seed), QT_QPA_PLATFORM="xcb",
                   LC_ALL="C.UTF-8", LANGUAGE="")
        for variable, value in (platform or {}).items():
            if value is None:
                env.pop(variable, None)
            else:
                env[variable] = value
        env.update(sanitizer_environment(self.report_prefix))
        self.output = open(self.output_path, "w")
        self.process = subprocess.Popen([binary], env=env, stdout=self.output,
                                        stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
        screen.pid = self.process.pid

    @property
    def pid(self):
        return self.process.pid

    def running(self):
        return self.process.poll() is None

    def wait(self, timeout):
        """The exit code, or None when the program is still running after timeout seconds."""
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    def end(self, grace=5.0):
        """Ends the program by its PID if it still runs; returns its exit code."""
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            if self.wait(grace) is None:
                self.process.kill()
                self.process.wait()
        self.output.close()
        return self.process.returncode

    def reports(self):
        return sanitizer_reports(self.report_prefix)


def sanitizer_environment(prefix):
    """Every sanitizer report goes to a file named after prefix, and the program runs on."""
    suppressions = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..",
                                "lsan-suppressions.txt")
    common = "log_path=%s:halt_on_error=0" % prefix
    return {
        "ASAN_OPTIONS": common + ":detect_leaks=1:abort_on_error=0",
        "UBSAN_OPTIONS": common + ":print_stacktrace=1",
        "LSAN_OPTIONS": "suppressions=%s:print_suppressions=0" % os.path.abspath(suppressions),
    }


def sanitizer_reports(prefix):
    """The reports written so far: prefix.PID, one file per process."""
    folder, stem = os.path.split(prefix)
    if not os.path.isdir(folder):
        return []
    return sorted(os.path.join(folder, f) for f in os.listdir(folder) if f.startswith(stem + "."))


# ---- The game as seen on the screen ----

class GameView:
    """The game window of one deal: where its parts are on the screen and what they show."""

    def __init__(self, screen, window):
        self.screen = screen
        self.window = window
        geometry = screen.geometry(window)
        if geometry is None:
            raise Failure("the game window vanished")
        self.x, self.y, width, self.height = geometry
        self.n = Board.pcs_for_width(width)
        if self.n is None:
            raise Failure("a game window %d pixels wide fits no board" % width)
        self.board = Board(self.n)
        self.pc_colours = []
        self.cable_colours = []
        self.looks = []  # each cable connector's pixels, taken at its home slot

    def at(self, rect_twips):
        """A rectangle in twips on the board as screen pixels."""
        x, y, w, h = pixel_rect(*rect_twips)
        return self.x + x, self.y + y, w, h

    def point(self, rect_twips):
        return centre(self.at(rect_twips))

    def grab(self):
        return self.screen.grab((self.x, self.y, px(self.board.width), px(self.board.height)))

    def colour(self, image, rect_twips):
        x, y = centre(pixel_rect(*rect_twips))
        return image.pixel(x, y)

    def block(self, image, rect_twips):
        x, y, w, h = pixel_rect(*rect_twips)
        return image.block(x, y, w, h)

    def background(self, image):
        return self.colour(image, self.board.bare_below())

    def hidden_slots(self, image):
        """Home slots that show no cable connector: hidden while a command runs, under a
        cover at the Advanced level, or empty."""
        ground = self.background(image)
        return [j for j in range(2 * self.n)
                if self.colour(image, self.board.cable_home(j)) == ground]

    def advanced(self):
        """Whether the covers are over the home slots once the pointer rests on the bare board
        (with every cable connector home: a fresh deal)."""
        bare = self.point(self.board.bare_below())
        self.screen.move(*bare)
        self.screen.move(bare[0] + 2, bare[1])
        # Painted once the bare board shows the same colour twice, and not the empty screen.
        seen = []
        painted = wait_until(lambda: seen.append(self.background(self.grab())) or
                             (len(seen) > 1 and seen[-1] == seen[-2] != (0, 0, 0)), 10)
        if not painted:
            raise Failure("the game window is not painted within 10 s")
        return bool(self.hidden_slots(self.grab()))

    def learn_deal(self, lift_covers=False):
        """Reads every connector's colour and each cable connector's look at home, once the
        deal shows steadily with no connector hidden (a command hides them while it runs)."""
        b = self.board
        lifts = []

        def lift():
            # At the Advanced level the covers lift when the pointer moves from the bare board
            # onto the band; only the move onto the bare board resets their flag after a new
            # game dealt with them lifted. A busy program may receive the moves merged into the
            # last one (the X platform compresses pointer motion), so the pointer rests on the
            # bare board a moment, and the moves are made again while the covers stay down.
            bare = self.point(b.bare_below())
            self.screen.move(*bare)
            self.screen.move(bare[0] + 2, bare[1])
            time.sleep(0.1 * len(lifts))
            bx, by = self.point(b.band())
            self.screen.move(bx, by)
            self.screen.move(bx + 2, by)
            lifts.append(time.monotonic())

        if lift_covers:
            lift()
        readings = []

        def steady():
            if lift_covers and readings and not readings[-1][2] and \
                    time.monotonic() - lifts[-1] > 1.0:
                lift()
            image = self.grab()
            colours = [self.colour(image, b.cable_home(j)) for j in range(2 * b.n)]
            readings.append((image, colours, not self.hidden_slots(image)))
            return len(readings) > 1 and readings[-1][2] and readings[-2][1:] == readings[-1][1:]

        if not wait_until(steady, 10):
            raise Failure("the cable connectors do not all show at home (%s)"
                          % ("covers not lifted" if lift_covers else "hidden"))
        image, self.cable_colours, _ = readings[-1]
        self.pc_colours = [self.colour(image, b.pc_connector(c)) for c in range(2 * b.n)]
        self.looks = [self.block(image, b.cable_home(j)) for j in range(2 * b.n)]
        return image

    def connector_at(self, image, j, rect_twips):
        return self.block(image, rect_twips) == self.looks[j]

    def faces(self, image):
        """'smile', 'frown' or None, from the ink of the left face."""
        x0, y0, w, h = pixel_rect(*self.board.face())
        white = red = 0
        for y in range(y0, y0 + h):
            for x in range(x0, x0 + w):
                r, g, b = image.pixel(x, y)
                if r > 240 and g > 240 and b > 240:
                    white += 1
                elif r > 200 and g < 40 and b < 40:
                    red += 1
        if white > 50 and red < 10:
            return "smile"
        if red > 50 and white < 10:
            return "frown"
        return None

    def cable_colour(self, image, k, where):
        """'red', 'black' or 'white': the colour most of cable k's riser shows. where[j] is
        the PC connector cable connector j sits on (None: at home)."""
        b = self.board
        ends = [b.snapped(where[j]) if where[j] is not None else b.cable_home(j)
                for j in (2 * k, 2 * k + 1)]
        ys = sorted(px(r[1] + r[3] // 2) for r in ends)
        x = px(b.riser_x(k))
        counts = {"red": 0, "black": 0, "white": 0}
        for y in range(ys[0] + 3, ys[1] - 2):
            for dx in (-1, 0, 1):
                rgb = image.pixel(x + dx, y)
                if rgb == (255, 0, 0):
                    counts["red"] += 1
                elif rgb == (0, 0, 0):
                    counts["black"] += 1
                elif rgb == (255, 255, 255):
                    counts["white"] += 1
        return max(counts, key=counts.get)


def wait_until(check, timeout, interval=0.05):
    """Polls check() until it returns a true value; the last value otherwise."""
    deadline = time.monotonic() + timeout
    while True:
        value = check()
        if value or time.monotonic() > deadline:
            return value
        time.sleep(interval)


def write_report(screen, window, n, all_plugged, path, answer="answer", key="k", timeout=5.0):
    """Asks for the report with a character key in the game window and answers its box: with
    path ('answer'), an emptied name ('empty'), Escape ('cancel'), or a path in a missing folder
    ('bad': the failure message must follow, and is dismissed). Then checks what was written:
    13 + 9N lines, or 14 + 12N once every PC connector is plugged, each ending in CR LF; or that
    nothing was."""
    if os.path.exists(path):
        os.remove(path)
    screen.focus(window)
    screen.key(key)
    dialog = screen.wait_window(REPORT_TITLE, timeout, "report input box")
    screen.focus(dialog)
    if answer == "bad":
        path = os.path.join(os.path.dirname(path), "no-such-folder", "report.txt")
    if answer == "cancel":
        screen.key("Escape")
    else:
        screen.key("ctrl+a")
        if answer == "empty":
            screen.key("BackSpace")
        else:
            screen.type(path)
        screen.key("Return")
    if answer == "bad":
        # The failure is told in a message box of the same title, in place of the input box.
        message = wait_until(lambda: [w for w in screen.windows(REPORT_TITLE) if w != dialog],
                             timeout)
        if not message:
            raise Failure("no message after a report to a missing folder")
        screen.focus(message[-1])
        screen.key("Return")
    screen.wait_gone(REPORT_TITLE, timeout, "report box")
    if answer != "answer":
        if os.path.exists(path):
            raise Failure("a report was written although the box said %s" % answer)
        return
    if not wait_until(lambda: os.path.exists(path), timeout):
        raise Failure("no report written to %s" % path)
    with open(path, "rb") as f:
        lines = f.read().split(b"\n")
    ends_in_crlf = lines.pop() == b"" and all(line.endswith(b"\r") for line in lines)
    expected = 14 + 12 * n if all_plugged else 13 + 9 * n
    if len(lines) != expected or not ends_in_crlf:
        raise Failure("report %s: %d lines (%s), expected %d ending in CR LF"
                      % (path, len(lines), "CR LF" if ends_in_crlf else "not all CR LF",
                         expected))


def solution_from_report(path, n):
    """The solution's cable connector for each PC connector, from a written report."""
    plan = [None] * (2 * n)
    with open(path, "rb") as f:
        for line in f.read().decode("latin-1").splitlines():
            found = re.match(r"PC Connector\s*(\d+) <-\[(\d+)\]---\[(\d+)\]->\s*(\d+)$", line)
            if found:
                c, a = int(found.group(1)) - 1, int(found.group(2)) - 1
                plan[c] = a
    return plan


class StartupView:
    """The start-up window: its settings frame at (4500, 2160) holds the count scroll bars,
    the level buttons and Play Now."""

    FRAME = (4500, 2160)

    def __init__(self, screen, window):
        self.screen = screen
        self.window = window
        geometry = screen.geometry(window)
        if geometry is None:
            raise Failure("the start-up window vanished")
        self.x, self.y = geometry[0], geometry[1]

    def point(self, left, top, width, height, in_frame=True):
        if in_frame:
            left, top = left + self.FRAME[0], top + self.FRAME[1]
        cx, cy = centre(pixel_rect(left, top, width, height))
        return self.x + cx, self.y + cy

    def pcs_arrow(self, more=True):
        """HScroll1's right (more PCs) or left arrow."""
        x, y = self.point(1440, 660, 1635, 315)
        half = px(1635) // 2 - 6
        return (x + half, y) if more else (x - half, y)

    def colours_arrow(self, more=True):
        x, y = self.point(1440, 1140, 1635, 315)
        half = px(1635) // 2 - 6
        return (x + half, y) if more else (x - half, y)

    def play_now(self):
        return self.point(180, 1620, 3615, 615)

    def level(self, advanced):
        return self.point(2100, 300, 1575, 255) if advanced else self.point(120, 300, 1875, 255)

    def random_colours(self):
        return self.point(120, 1140, 1275, 375)

    def frame(self):
        """A spot of the settings frame itself, left of Play Now."""
        return self.point(60, 1900, 100, 100)

    def help(self):
        return self.point(4500, 5880, 1815, 495, in_frame=False)

    def exit(self):
        return self.point(6540, 5880, 1935, 495, in_frame=False)

    def set_pcs(self, n, now=4):
        arrow = self.pcs_arrow(n > now)
        for _ in range(abs(n - now)):
            self.screen.click(*arrow)
            time.sleep(0.03)


def help_close_button(screen, window):
    x, y, _, _ = screen.geometry(window)
    cx, cy = centre(pixel_rect(5880, 4920, 1035, 615))
    return x + cx, y + cy
