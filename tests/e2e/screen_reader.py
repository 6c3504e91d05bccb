#!/usr/bin/env python3
"""Plays the built game with the keyboard alone while a real screen reader speaks, and checks
what it says: the start-up window and its focus, a game opened with keys, every command and
connector reached with Tab, each connector's colour and plug state, a 4-PC game won by
plugging every cable connector from its menu into the PC connector its colours call for
("Congratulations" spoken within 5 s of the last plug), the arrow keys stepping between
connectors, and a wrong wiring ("Sorry").

  screen_reader.py --game build/kestrelink --out DIR

It starts its own desktop (desktop.py) and ends it by process id. Every utterance is kept in
DIR/spoken.txt, the steps with their times in DIR/steps.txt, the result in DIR/summary.txt.
Exits 77 (skipped) when a program the desktop needs is not installed, saying which.
"""
import argparse
import os
import re
import subprocess
import sys
import time

sys.dont_write_bytecode = True
import desktop  # noqa: E402
import xgame  # noqa: E402
from xgame import Failure  # noqa: E402

SEED = 5
PCS = 4
# Commands and time boxes come first in the game window's Tab order, then the connectors.
COMMANDS = ["New Game", "Restart Game", "Show Solution", "Help", "Quit Game"]
TIME_BOXES = ["Current time", "Starting time", "Ending time", "Elapsed time"]
PC_CONNECTOR = re.compile(r"^PC (\d+), connector (\d+), (\w+), (free|holds cable connector \d+)")
CABLE_CONNECTOR = re.compile(r"^Cable connector (\d+), (\w+), (at home|plugged into PC \d+, "
                             r"connector \d+)")


def pc_name(c):
    return "PC %d, connector %d" % (c // 2 + 1, c % 2 + 1)


class Listener:
    """Reads what the screen reader has said, one utterance a line."""

    def __init__(self, desk):
        self.desk = desk
        self.heard = 0  # utterances already matched

    def mark(self):
        self.heard = len(self.desk.spoken())

    def wait_for(self, pattern, timeout=10.0, what=None):
        """The first utterance from here on that matches pattern (a regular expression); the
        ones before it are passed over."""
        found = re.compile(pattern)
        deadline = time.monotonic() + timeout
        while True:
            lines = [desktop.normalised(line) for line in self.desk.spoken()]
            for i in range(self.heard, len(lines)):
                if found.search(lines[i]):
                    self.heard = i + 1
                    return lines[i]
            if time.monotonic() > deadline:
                raise Failure("not heard within %.0f s: %s (last heard: %s)"
                              % (timeout, what or pattern, " | ".join(lines[-6:])))
            time.sleep(0.05)


class Run:
    def __init__(self, args):
        self.args = args
        self.started = time.monotonic()
        self.steps = []
        self.desk = None
        self.ear = None

    def step(self, text):
        line = "%6.1fs %s" % (time.monotonic() - self.started, text)
        self.steps.append(line)
        print(line, flush=True)

    def key(self, *names):
        subprocess.run(["xdotool", "key", "--delay", "60", *names], env=self.desk.env,
                       timeout=10, capture_output=True)

    def press(self, key, pattern, what=None, timeout=10.0):
        """Presses a key and waits until the screen reader says what it should."""
        self.key(key)
        return self.ear.wait_for(pattern, timeout, what)

    # -- the game window's Tab order --

    def stop_name(self, stop):
        """The start of what is said of Tab stop `stop` (0 is New Game)."""
        fixed = COMMANDS + TIME_BOXES
        if stop < len(fixed):
            return fixed[stop]
        c = stop - len(fixed)
        if c < 2 * PCS:
            return pc_name(c) + ","
        return "Cable connector %d," % (c - 2 * PCS + 1)

    def stops(self):
        return len(COMMANDS) + len(TIME_BOXES) + 4 * PCS

    def tab_to(self, stop):
        """Moves the focus to Tab stop `stop` the short way round, hearing every stop."""
        count = self.stops()
        forward = (stop - self.focus) % count
        key, step = ("Tab", 1) if forward <= count - forward else ("shift+Tab", -1)
        last = ""
        while self.focus != stop:
            self.focus = (self.focus + step) % count
            last = self.press(key, "^" + re.escape(self.stop_name(self.focus)))
        return last

    def cable_stop(self, j):
        return len(COMMANDS) + len(TIME_BOXES) + 2 * PCS + j

    # -- the game --

    def open_game(self):
        game = subprocess.Popen([self.args.game], env=dict(
            self.desk.env, QT_QPA_PLATFORM="xcb", KESTRELINK_SEED=str(SEED)),
            stdout=open(os.path.join(self.args.out, "game-output.txt"), "w"),
            stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
        self.desk.started.append(("game", game))
        self.ear.wait_for(r"^Kestrelink® Connection Game frame", 30, "the start-up window")
        self.ear.wait_for(r"^Beginner", 10, "the start-up window's focus, Beginner")
        self.step("start-up window and its focused control spoken")
        # Help, Exit, the website, then Play Now.
        for name in ("Help", "Exit", "Visit", "Play Now"):
            self.press("Tab", "^" + name, name)
        self.press("Return", r"Playing Window frame", "the game window", 20)
        self.ear.wait_for(r"^New Game push button", 10, "the game window's focus")
        self.focus = 0
        self.step("Tab and Return alone opened a game; its window and focus spoken")

    def learn_board(self):
        """Goes round the whole Tab order once, and learns every connector's colour."""
        self.pc_colours = [None] * (2 * PCS)
        self.cable_colours = [None] * (2 * PCS)
        heard = []
        for _ in range(self.stops()):
            self.focus = (self.focus + 1) % self.stops()
            said = self.press("Tab", "^" + re.escape(self.stop_name(self.focus)))
            heard.append(said)
            pc, cable = PC_CONNECTOR.match(said), CABLE_CONNECTOR.match(said)
            if pc:
                c = 2 * (int(pc.group(1)) - 1) + int(pc.group(2)) - 1
                self.pc_colours[c] = pc.group(3)
            if cable:
                self.cable_colours[int(cable.group(1)) - 1] = cable.group(2)
        times = [line for line in heard if line.startswith(("Starting time", "Ending time"))]
        if not any(re.match(r"Starting time \d\d:\d\d:\d\d", t) for t in times):
            raise Failure("the starting time's value is not spoken: %s" % times)
        if None in self.pc_colours + self.cable_colours:
            raise Failure("not every connector's colour was heard")
        self.step("Tab reached all %d commands, the time boxes (%s) and all %d connectors, "
                  "back to New Game" % (len(COMMANDS), "; ".join(times), 4 * PCS))
        self.step("colours heard: PC connectors %s; cable connectors %s"
                  % (" ".join(self.pc_colours), " ".join(self.cable_colours)))

    def plug(self, j, c, plugged):
        """Plugs cable connector j into PC connector c from its menu. plugged[c'] is the cable
        connector on each PC connector. Returns when the connector's new state is heard."""
        self.tab_to(self.cable_stop(j))
        colour = self.cable_colours[j]
        offered = [f for f in range(2 * PCS)
                   if plugged[f] is None and self.pc_colours[f] == colour]
        if c not in offered:
            raise Failure("PC connector %d is not free for cable connector %d" % (c + 1, j + 1))
        self.press("Menu", "^Plug into " + re.escape(pc_name(offered[0])) + r"\b",
                   "the menu of cable connector %d" % (j + 1))
        for f in offered[1:offered.index(c) + 1]:
            self.press("Down", "^Plug into " + re.escape(pc_name(f)) + r"\b")
        plugged[c] = j
        self.key("Return")
        chosen = time.monotonic()
        self.ear.wait_for(r"^Cable connector %d, %s, plugged into %s\b"
                          % (j + 1, colour, re.escape(pc_name(c))), 10,
                          "cable connector %d plugged into %s" % (j + 1, pc_name(c)))
        return chosen

    def wire(self, want_ring):
        plan = xgame.find_wiring(PCS, self.pc_colours, self.cable_colours, want_ring)
        if plan is None:
            raise Failure("the colours of seed %d allow no %s wiring" % (SEED, "ring" if want_ring
                                                                         else "wrong"))
        plugged = [None] * (2 * PCS)
        last = None
        for c, j in sorted(enumerate(plan), key=lambda pair: pair[1]):
            last = self.plug(j, c, plugged)
        return last

    def play(self):
        self.open_game()
        self.learn_board()
        last_plug = self.wire(want_ring=True)
        said = self.ear.wait_for(r"Congratulations", 5, "Congratulations within 5 s")
        self.step("a 4-PC game won from the keyboard, each plug chosen from the menu; "
                  "%r spoken %.1f s after the last plug" % (said, time.monotonic() - last_plug))

        # Restart Game from its shortcut: the connectors are heard at home again.
        self.key("alt+r")
        said = self.tab_to(self.cable_stop(0))
        if "at home" not in said:
            raise Failure("after Alt+R, cable connector 1 is not at home: %s" % said)
        self.step("Restart Game (Alt+R): %r" % said)
        # The arrow keys step along the row of cable connectors and down to the other row.
        self.press("Right", r"^Cable connector 3,", "Right arrow to cable connector 3")
        said = self.press("Down", r"^Cable connector 4,", "Down arrow to cable connector 4")
        self.focus = self.cable_stop(3)
        self.step("arrow keys Right and Down: %r" % said)
        last_plug = self.wire(want_ring=False)
        said = self.ear.wait_for(r"Sorry", 5, "Sorry within 5 s")
        self.step("a wrong complete wiring: %r spoken %.1f s after the last plug"
                  % (said, time.monotonic() - last_plug))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--game", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--orca-debug", action="store_true",
                        help="keep the screen reader's own log (slows it down)")
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    missing = desktop.missing_programs()
    if missing:
        xgame.summary(args.out, "SKIPPED: not installed: %s (scripts/test installs them)"
                      % ", ".join(missing))
        return xgame.SKIP
    run = Run(args)
    try:
        run.desk = desktop.Desktop(args.out, orca_debug=args.orca_debug)
        run.step("desktop started on %s: window manager, buses, speech server, screen reader"
                 % run.desk.display)
        run.ear = Listener(run.desk)
        run.play()
        status, verdict = 0, "PASSED"
    except (Failure, RuntimeError, subprocess.TimeoutExpired) as failure:
        print("FAILED: %s" % failure, flush=True)
        if run.desk is not None:
            subprocess.run(["import", "-window", "root", os.path.join(args.out, "failure.png")],
                           env=run.desk.env, timeout=20, capture_output=True)
        status, verdict = 1, "FAILED: %s" % failure
    finally:
        if run.desk is not None:
            run.desk.end()
    with open(os.path.join(args.out, "steps.txt"), "w") as f:
        f.write("\n".join(run.steps) + "\n")
    xgame.summary(args.out, "x11_screen_reader %s in %.0f s, %d utterances (spoken.txt)"
                  % (verdict, time.monotonic() - run.started,
                     len(desktop._read(os.path.join(args.out, "spoken.txt")).splitlines())))
    return status


if __name__ == "__main__":
    sys.exit(main())
