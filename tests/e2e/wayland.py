#!/usr/bin/env python3
"""Plays the built game natively on Wayland: weston, with its X11 backend, runs inside a private
X server, and the game (QT_QPA_PLATFORM=wayland) is driven with xdotool on that server, whose
screen shows weston's output at its top-left corner. The compositor is asked to maximise and to
make full-screen the start-up and the game window (the program must live on and keep the
windows' sizes), a 4-PC game is won by drag and drop, the windows are closed by their close
boxes, a key asks for the report, and on a 640 x 480 output 16 PCs are refused with the
screen-size message. Every program is ended by its process id; an ordinary run must print
nothing at all.

  wayland.py --game build/kestrelink --out DIR          (the X server comes from scripts/test)

Wayland windows are not X windows: they are found on the screen by their captions, which the
game draws itself there. Exits 77 (skipped) without weston, Qt's Wayland platform or the X
server.
"""
import argparse
import glob
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True
import xgame  # noqa: E402
from player import Player  # noqa: E402
from xgame import Board, Failure, GameView, Program, Screen, StartupView, px  # noqa: E402

# The caption the game draws on Wayland: a 1-pixel border all round and a 22-pixel bar, in the
# design palette's highlight colour while the window is active and its dark grey otherwise.
BORDER = 1
CAPTION = 22
ACTIVE = (48, 140, 198)
INACTIVE = (159, 159, 159)
STARTUP_CLIENT = (569, 430)  # 8535 x 6450 twips
# Keys of weston's desktop shell that maximise and make full-screen the focused window.
MAXIMISE, FULL_SCREEN = "super+shift+m", "super+shift+f"


def skip(reason):
    print("SKIPPED: " + reason)
    sys.exit(xgame.SKIP)


def wayland_platform_installed():
    return any(glob.glob(pattern) for pattern in (
        "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so",
        "/usr/lib/qt6/plugins/platforms/libqwayland-generic.so"))


class Weston:
    """weston with its X11 backend: one output of the given size in a window at the X screen's
    top-left corner, a socket of its own in a private runtime folder."""

    def __init__(self, screen, width, height, name):
        self.width, self.height = width, height
        self.runtime = tempfile.mkdtemp(prefix="kestrelink-wayland-")
        self.socket = "kestrelink-%d" % os.getpid()
        self.log_path = os.path.join(screen.out_dir, "%s-weston.txt" % name)
        self.log = open(self.log_path, "w")
        # No on-screen keyboard over the windows whenever a text box has the focus: weston
        # starts none when the input method's path is empty.
        config = os.path.join(self.runtime, "weston.ini")
        with open(config, "w") as f:
            f.write("[input-method]\npath=\n")
        env = dict(screen.env, XDG_RUNTIME_DIR=self.runtime)
        env.pop("WAYLAND_DISPLAY", None)
        self.process = subprocess.Popen(
            ["weston", "--backend=x11-backend.so", "--use-pixman", "--config=" + config,
             "--idle-time=0", "--socket=" + self.socket,
             "--width=%d" % width, "--height=%d" % height],
            env=env, stdout=self.log, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
        socket = os.path.join(self.runtime, self.socket)
        if not xgame.wait_until(lambda: os.path.exists(socket) or self.process.poll(), 15):
            raise Failure("weston did not start (see %s)" % self.log_path)
        if self.process.poll() is not None:
            raise Failure("weston ended with %s (see %s)" % (self.process.returncode,
                                                              self.log_path))
        # The desktop shell, a client of weston's own, draws the panel a moment later.
        time.sleep(0.5)

    def platform(self):
        """What puts a Qt program on this compositor, and only there."""
        return {"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": self.socket,
                "XDG_RUNTIME_DIR": self.runtime, "DISPLAY": None}

    def end(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.log.close()
        shutil.rmtree(self.runtime, ignore_errors=True)


# ---- Windows found by their captions ----

def frames(image, colours=(ACTIVE, INACTIVE)):
    """Every caption whose top border shows: (left, top, width, height, active) on the screen.
    A top border is a run of the caption's colour with none of it above, the border and the
    bar's ground below its start; the height is that of the left border."""
    found = []
    rows = image.block(0, 0, image.width, image.height)
    planes = [(row[0::4], row[1::4], row[2::4]) for row in rows]
    for colour in colours:
        r, g, b = colour

        def at(x, y):
            blue, green, red = planes[y]
            return blue[x] == b and green[x] == g and red[x] == r

        for y in range(1, image.height - CAPTION):
            blue, green, red = planes[y]
            x = blue.find(bytes([b]))
            while 0 <= x < image.width:
                end = x
                while end < image.width and at(end, y):
                    end += 1
                if (end - x >= 40 and not at(x, y - 1) and at(x + 2, y + 2) and
                        at(x + 2, y + CAPTION) and
                        all(at(x, y + dy) for dy in range(1, BORDER + CAPTION))):
                    height = BORDER + CAPTION
                    while y + height < image.height and at(x, y + height):
                        height += 1
                    found.append((image.left + x, image.top + y, end - x, height,
                                  colour == ACTIVE))
                x = blue.find(bytes([b]), max(end, x + 1))
    return found


class Desktop:
    """weston's output on the X screen, and the game's windows on it."""

    def __init__(self, screen, weston):
        self.screen = screen
        self.weston = weston

    def grab(self):
        return self.screen.grab((0, 0, self.weston.width, self.weston.height))

    def frames(self):
        return frames(self.grab())

    def wait_frame(self, width, what, timeout=10.0, active=None):
        """The frame of a window this wide (outer pixels), once it shows."""
        def seen():
            for frame in self.frames():
                if frame[2] == width and (active is None or frame[4] == active):
                    return frame
            return None
        frame = xgame.wait_until(seen, timeout)
        if not frame:
            raise Failure("no %s window %d pixels wide within %.0f s (frames: %s)"
                          % (what, width, timeout, self.frames()))
        return frame

    def wait_no_frame(self, width, what, timeout=10.0):
        if not xgame.wait_until(lambda: all(f[2] != width for f in self.frames()), timeout):
            raise Failure("the %s window is still there after %.0f s" % (what, timeout))

    @staticmethod
    def client(frame):
        return frame[0] + BORDER, frame[1] + BORDER + CAPTION

    @staticmethod
    def title(frame):
        """A spot of the caption's title, where a press moves the window."""
        return frame[0] + 60, frame[1] + BORDER + CAPTION // 2

    @staticmethod
    def close_box(frame):
        return frame[0] + frame[2] - 12, frame[1] + BORDER + 11

    @staticmethod
    def beside_close_box(frame):
        """Where a title bar drawn by Qt would have its maximise button."""
        return frame[0] + frame[2] - 40, frame[1] + BORDER + 11


# The views of the X player, placed by a caption found on the screen instead of asking X.
class WaylandStartup(StartupView):
    def __init__(self, screen, frame):  # pylint: disable=super-init-not-called
        self.screen, self.window = screen, None
        self.x, self.y = Desktop.client(frame)


class WaylandGame(GameView):
    def __init__(self, screen, frame, n):  # pylint: disable=super-init-not-called
        self.screen, self.window = screen, None
        self.x, self.y = Desktop.client(frame)
        self.n, self.board = n, Board(n)
        self.height = px(self.board.height)
        self.pc_colours, self.cable_colours, self.looks = [], [], []


class WaylandPlayer(Player):
    """The scripted player's board moves, with windows found on weston's output."""

    def start_on(self, desktop, seed, name):
        self.screen = desktop.screen
        self.aside = (desktop.weston.width - 4, desktop.weston.height - 4)
        self.program = Program(self.args.game, self.screen, seed, name,
                               desktop.weston.platform())
        self.programs.append(self.program)
        frame = desktop.wait_frame(STARTUP_CLIENT[0] + 2 * BORDER, "start-up", 30)
        self.step("%s: program started on Wayland (pid %d, KESTRELINK_SEED=%d)"
                  % (name, self.program.pid, seed))
        return frame

    def drag_to(self, view, j, source_rect, c):
        # A drag on Wayland is the compositor's once the program has asked for it; a button
        # released before that ends it without a drop, so the moves take their time here (a
        # sanitized build is slow to ask). The compositor draws the pointer into its output:
        # it is put aside after each drop, so that it hides nothing the checks read.
        self.screen.drag(view.point(source_rect), view.point(view.board.area(c)), steps=6,
                         step_s=0.05)
        self.screen.move(*self.aside)

    def alive(self, what):
        self.expect(self.program.running(), "%s: the program lives on (it ended with %s)"
                    % (what, self.program.process.returncode))

    def keeps_size(self, desktop, frame, what, press_first=True):
        """After each attempt the window shows again, wherever the compositor puts it, with
        its size; returns its frame."""
        width, height = frame[2], frame[3]
        attempts = [("a double click on the caption", lambda f: self.screen.click(
                         *Desktop.title(f), repeat=2, delay_ms=60)),
                    ("a click where Qt's bar has its maximise button",
                     lambda f: self.screen.click(*Desktop.beside_close_box(f))),
                    ("the compositor's maximise key", lambda f: self.screen.key(MAXIMISE)),
                    ("the compositor's full-screen key",
                     lambda f: self.screen.key(FULL_SCREEN))]
        for name, attempt in attempts:
            # The keys act on the window with the keyboard: a press on its caption gives it.
            self.screen.click(*Desktop.title(frame))
            attempt(frame)
            time.sleep(0.6)
            self.alive("%s, %s" % (what, name))
            frame = desktop.wait_frame(width, what, 5)
            self.expect((frame[2], frame[3]) == (width, height),
                        "%s after %s: %d x %d, not %d x %d"
                        % (what, name, frame[2], frame[3], width, height))
        self.screen.move(*self.aside)
        self.step("%s: double click, maximise spot, maximise and full-screen keys: alive, "
                  "still %d x %d" % (what, width, height))
        return frame

    def silent(self, name):
        with open(self.program.output_path, errors="replace") as f:
            printed = f.read()
        self.expect(printed == "", "%s: the program printed nothing, not %r" % (name, printed))

    def close_and_exit(self, desktop, frame, name):
        self.screen.click(*Desktop.close_box(frame))
        code = self.program.wait(15)
        self.expect(code is not None, "%s: the close box ends the program" % name)
        self.program.end()
        self.expect(code == 0, "%s: the program exits with 0, not %s" % (name, code))
        self.expect(not self.program.reports(), "%s: no sanitizer report (%s)"
                    % (name, ", ".join(self.program.reports())))
        self.silent(name)
        self.step("%s: start-up window's close box ended the program with 0, nothing printed"
                  % name)

    # -- the runs --

    def desktop_run(self, desktop):
        name = "wayland"
        frame = self.start_on(desktop, self.args.seed, name)
        self.screen.screenshot("startup-on-weston")
        frame = self.keeps_size(desktop, frame, "start-up")
        startup = WaylandStartup(self.screen, frame)

        n = 4
        game_width = px(Board(n).width)
        self.screen.click(*startup.play_now())
        game = desktop.wait_frame(game_width, "game", 20, active=True)
        self.expect(game[3] == px(Board(n).height), "the game window is %d pixels high, not %d"
                    % (game[3], px(Board(n).height)))
        self.step("Play Now at 4 PCs: the game window, %d x %d outer" % (game[2], game[3]))
        self.screen.screenshot("game-on-weston")
        game = self.keeps_size(desktop, game, "game")

        view = WaylandGame(self.screen, game, n)
        view.learn_deal()
        plug = xgame.find_wiring(n, view.pc_colours, view.cable_colours, want_ring=True)
        self.expect(plug is not None, "every deal has a ring")
        self.plug_all(view, plug, "win on Wayland")
        self.wait_faces(view, "smile", "win on Wayland")
        self.step("win at 4 PCs: every cable plugged by drag and drop, smiling faces")
        self.screen.screenshot("won-on-weston")

        # A character key inside the framed window still asks for the report. (Weston leaves no
        # window with the keyboard after a drag: a press on the caption gives it back.)
        self.screen.click(*Desktop.title(game))
        desktop.wait_frame(game_width, "game", 5, active=True)
        self.screen.key("k")
        self.expect(xgame.wait_until(lambda: not any(f[4] for f in desktop.frames()), 10),
                    "the report's input box over the game after a key")
        self.alive("the report's input box")

        time.sleep(0.3)
        self.screen.screenshot("report-box-on-weston")
        self.screen.key("Escape")
        game = desktop.wait_frame(game_width, "game", 10)
        self.step("a key in the game window asked for the report; Escape left it unwritten")

        # The close box runs the game window's closing steps: they give the settings back,
        # so Play Now opens a game again.
        self.screen.click(*Desktop.close_box(game))
        desktop.wait_no_frame(game_width, "game")
        frame = desktop.wait_frame(frame[2], "start-up", 5)
        self.screen.click(*WaylandStartup(self.screen, frame).play_now())
        game = desktop.wait_frame(game_width, "game", 20, active=True)
        self.screen.click(*Desktop.close_box(game))
        desktop.wait_no_frame(game_width, "game")
        self.step("the game window's close box closed it and gave the settings back: "
                  "Play Now opened and the close box closed a second one")
        frame = desktop.wait_frame(frame[2], "start-up", 5)
        self.close_and_exit(desktop, frame, name)

    def small_output_run(self, desktop):
        name = "wayland-small"
        frame = self.start_on(desktop, self.args.seed + 2, name)
        startup = WaylandStartup(self.screen, frame)
        startup.set_pcs(16)
        self.screen.click(*startup.play_now())
        # The message box takes the keyboard: no caption of the game's is active under it.
        boxed = xgame.wait_until(
            lambda: self.program.running() and not any(f[4] for f in desktop.frames()), 20)
        self.expect(boxed, "a message box over the windows after Play Now at 16 PCs")
        self.alive("the screen-size message")
        time.sleep(0.3)
        self.screen.screenshot("screen-size-message-on-weston")
        self.screen.key("Return")
        frame = desktop.wait_frame(frame[2], "start-up", 10, active=True)
        others = [f for f in desktop.frames() if f[:2] != frame[:2]]
        self.expect(not others, "no game window left after the message (%s)" % others)
        self.step("640 x 480 output: 16 PCs refused with a message, no game window left")
        self.close_and_exit(desktop, frame, name)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--game", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--seed", type=int, default=9100)
    args = parser.parse_args()

    display = xgame.skip_unless_usable("KESTRELINK_X_WAYLAND_DISPLAY")
    if shutil.which("weston") is None:
        skip("weston not installed (scripts/test installs it)")
    if not wayland_platform_installed():
        skip("Qt's Wayland platform not installed (package qt6-wayland)")

    player = WaylandPlayer(args)
    screen = Screen(display, args.out)
    weston = None
    try:
        weston = Weston(screen, 1024, 768, "desktop")
        player.desktop_run(Desktop(screen, weston))
        weston.end()
        weston = Weston(screen, 640, 480, "small")
        player.small_output_run(Desktop(screen, weston))
    except Failure as error:
        player.fail(error)
        return 1
    finally:
        for program in player.programs:
            program.end()
        if weston is not None:
            weston.end()
    xgame.summary(args.out, "wayland: %d steps passed, 0 failed; programs %d, protocol errors 0, "
                  "crashes 0, sanitizer reports 0 (%.1f s)"
                  % (player.steps, len(player.programs), time.monotonic() - player.started))
    return 0


if __name__ == "__main__":
    sys.exit(main())
