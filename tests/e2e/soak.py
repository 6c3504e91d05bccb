#!/usr/bin/env python3
"""Random play of the built game through X: drags from random cable connectors to anywhere,
right clicks, presses beside cables, every button (single, double, in bursts), windows closed in
the middle of a command, report keys answered, cancelled or given a bad name, settings changed,
the program ended and started again. After every action each window of the program must answer
within 5 s, and where it is cheap the screen must show what the action means: a fitting drop
snaps, a full board smiles exactly when it is one ring, a marked cable turns black.

  soak.py --game build/kestrelink --out DIR --seed 7 --actions 1500

The same seed and length replay the same actions and deals; every action is logged to
DIR/soak-actions.log. Exits 77 (skipped) without xdotool or a private X server.
"""
import argparse
import os
import random
import sys
import time

sys.dont_write_bytecode = True
import xgame  # noqa: E402
from xgame import Failure, GameView, Program, Screen, StartupView, px, wait_until  # noqa: E402

ANSWER_S = 5.0  # a window that does not answer within this is hung
SETTLE_S = 4.0  # how long the screen may take to show an action's outcome
KEYS = ["a", "z", "5", "space", "Return", "BackSpace", "Escape", "period", "slash", "Q"]


class Model:
    """What the soak believes the game window shows: where each cable connector is."""

    def __init__(self, view, advanced):
        self.view = view
        self.b = view.board
        self.n = view.n
        self.advanced = advanced
        self.where = [None] * (2 * self.n)  # PC connector of each cable connector, None: home
        self.plan = None  # the solution's cable connector for each PC connector, once read
        self.marked = set()

    def occupant(self, c):
        return self.where.index(c) if c in self.where else None

    def full(self):
        return all(c is not None for c in self.where)

    def verdict(self):
        if not self.full():
            return None
        plug = [self.occupant(c) for c in range(2 * self.n)]
        return "smile" if xgame.is_ring(self.n, plug) else "frown"

    def rect(self, j):
        return self.b.snapped(self.where[j]) if self.where[j] is not None else self.b.cable_home(j)

    def fits(self, j, c):
        return self.occupant(c) is None and self.view.cable_colours[j] == self.view.pc_colours[c]

    def redrawn(self):
        self.marked.clear()


class Soak:
    def __init__(self, args, screen):
        self.args = args
        self.screen = screen
        self.rng = random.Random(args.seed)
        self.program = None
        self.startup = None
        self.model = None
        self.expect_exit = False
        self.log_file = open(os.path.join(args.out, "soak-actions.log"), "w")
        self.reports_dir = os.path.join(args.out, "reports")
        os.makedirs(self.reports_dir, exist_ok=True)
        self.count = dict(actions=0, starts=0, games=0, checks=0, reports=0, crashes=0,
                          sanitizer=0, hangs=0, leaks=0)
        self.action = ""

    def log(self, text):
        self.log_file.write(text + "\n")
        self.log_file.flush()

    def note(self, text):
        self.action += "; " + text

    # ---- the program ----

    def start_program(self):
        seed = self.rng.randrange(1 << 31)
        self.count["starts"] += 1
        self.program = Program(self.args.game, self.screen, seed,
                               "soak-%03d" % self.count["starts"])
        self.log("   start program %d with KESTRELINK_SEED=%d (pid %d)"
                 % (self.count["starts"], seed, self.program.pid))
        window = self.screen.wait_window(xgame.STARTUP_TITLE, 30, "start-up")
        self.startup = StartupView(self.screen, window)
        self.model = None
        self.expect_exit = False

    def program_ended(self, code):
        """A program has ended: it must have been asked to, and exit with 0 and no report."""
        reports = self.program.reports()
        self.program.end()
        for report in reports:
            with open(report, errors="replace") as f:
                text = f.read()
            self.count["leaks" if "LeakSanitizer" in text else "sanitizer"] += 1
        named = "; sanitizer report(s): %s" % ", ".join(reports) if reports else ""
        if not self.expect_exit or code != 0:
            self.count["crashes"] += 1
            raise Failure(("the program ended with %s without being asked to" % code
                           if not self.expect_exit else "the program exited with %s" % code)
                          + named)
        if reports:
            raise Failure("the program ended" + named)
        self.program = None
        self.startup = None
        self.model = None

    def sync(self):
        """Catches up with the windows the program really shows."""
        if self.program is None:
            return
        if self.model is None and self.startup is None:
            self.expect_exit = True  # its last window has gone
        code = self.program.wait(0)
        games = []
        if code is None:
            if self.startup is not None and not self.screen.windows(xgame.STARTUP_TITLE):
                self.note("the start-up window has gone")
                self.startup = None
            games = self.screen.windows(xgame.GAME_TITLE)
            if not games and self.startup is None:
                # Its last window has gone: the program must end by itself.
                self.expect_exit = True
            if self.expect_exit:
                code = self.program.wait(10)
                if code is None:
                    self.count["hangs"] += 1
                    raise Failure("the program still runs 10 s after its last window closed")
        if code is not None:
            self.program_ended(code)
            return
        if not games:
            self.model = None
        elif self.model is None or self.model.view.window != games[-1]:
            self.new_model(games[-1])
        for leftover in (xgame.HELP_TITLE, xgame.REPORT_TITLE, xgame.QUESTION_TITLE):
            for window in self.screen.windows(leftover):
                self.note("closed a leftover %s window" % leftover.strip("^$"))
                self.screen.close(window)
                self.screen.wait_gone(leftover, ANSWER_S)

    def new_model(self, window):
        view = GameView(self.screen, window)
        self.count["games"] += 1
        advanced = view.advanced()
        view.learn_deal(lift_covers=advanced)
        self.model = Model(view, advanced)
        self.note("game window for %d PCs (%s)" % (view.n, "Advanced" if advanced else "Beginner"))

    def answers(self):
        """Every window the program should have must answer an X request within 5 s."""
        windows = [self.startup.window] if self.startup else []
        windows += [self.model.view.window] if self.model else []
        for window in windows:
            if not self.screen.answers(window, ANSWER_S):
                if self.program.running():
                    self.count["hangs"] += 1
                    raise Failure("window %d did not answer within %.0f s" % (window, ANSWER_S))
                self.program_ended(self.program.wait(1))
                return

    # ---- places on the board ----

    def bare_spot(self, b):
        """A random point of the bare board between the two columns of PCs."""
        left = b.area(0)[0] + b.area(0)[2] + 30
        right = b.area(2)[0] - 30
        return self.rng.randint(left, right), self.rng.randint(2930, b.height - 30), 0, 0

    def inside(self, rect):
        left, top, width, height = rect
        return (self.rng.randint(left + 20, left + width - 20),
                self.rng.randint(top + 20, top + height - 20), 0, 0)

    def drop_target(self, m, j):
        """A random place to drop cable connector j, and what the drop should do: a PC
        connector ('snap' or 'nothing'), 'home' or 'nothing'."""
        b, n = m.b, m.n
        kind = self.rng.choice(["fit", "fit", "fit", "area", "square", "pc", "board", "button",
                                "label", "timebox", "connector", "face", "outside"])
        if kind == "fit":
            free = [c for c in range(2 * n) if m.fits(j, c)]
            kind = "area" if not free else kind
            if free:
                c = self.rng.choice(free)
                return "fitting PC connector %d" % c, m.view.point(self.inside(b.area(c))), c
        if kind in ("area", "square"):
            c = self.rng.randrange(2 * n)
            spot = self.inside(b.area(c)) if kind == "area" else b.pc_connector(c)
            outcome = c if m.fits(j, c) else "nothing"
            return "%s of PC connector %d" % (kind, c), m.view.point(spot), outcome
        if kind == "pc":
            p = self.rng.randrange(n)
            return "PC %d" % p, m.view.point(b.pc(p)), "home"
        if kind == "board":
            return "bare board", m.view.point(self.bare_spot(b)), "home"
        if kind == "button":
            name = self.rng.choice(["new", "restart", "solution", "help", "quit"])
            return "button %s" % name, m.view.point(b.button(name)), "nothing"
        if kind == "label":
            which = self.rng.choice(["message", "band"])
            rect = b.message() if which == "message" else b.band()
            return "%s label" % which, m.view.point(self.inside(rect)), "nothing"
        if kind == "timebox":
            i = self.rng.randrange(4)
            return "time box %d" % i, m.view.point(b.time_box(i)), "nothing"
        if kind == "connector":
            other = self.rng.randrange(2 * n)
            if other == j or m.where[other] is None:
                return "cable connector %d" % other, m.view.point(m.rect(other)), "nothing"
            # Its home slot is empty: the bare board, under a cover at the Advanced level.
            return "empty home slot %d" % other, m.view.point(b.cable_home(other)), "home"
        if kind == "face":
            # The faces show only on a full board; otherwise the spot is bare board.
            return "left face", m.view.point(b.face()), "nothing" if m.full() else "home"
        x, y, width, height = m.view.x, m.view.y, px(b.width), px(b.height)
        spots = [(self.rng.randint(0, max(0, x - 5)), self.rng.randint(0, 1000)),
                 (self.rng.randint(min(1275, x + width + 5), 1279), self.rng.randint(0, 1000)),
                 (self.rng.randint(x, x + width), self.rng.randint(min(1020, y + height + 5),
                                                                   1023))]
        return "outside the window", self.rng.choice(spots), "nothing"

    # ---- actions on the game window ----

    def drag(self, m):
        j = self.rng.randrange(2 * m.n)
        what, end, outcome = self.drop_target(m, j)
        self.action = "drag cable connector %d (%s) to %s" % (
            j, "home" if m.where[j] is None else "on %d" % m.where[j], what)
        self.screen.drag(m.view.point(m.rect(j)), end)
        if outcome == "home":
            m.where[j] = None
            m.redrawn()
        elif outcome != "nothing":
            m.where[j] = outcome
            m.redrawn()
        elif what.startswith(("area", "square")) and m.occupant(int(what.split()[-1])) is None:
            m.redrawn()  # a free area redraws even when the colour does not fit

    def right_click(self, m):
        j = self.rng.randrange(2 * m.n)
        self.action = "right click on cable connector %d" % j
        self.screen.click(*m.view.point(m.rect(j)), button=3)
        m.where[j] = None
        m.redrawn()

    def press_beside_cable(self, m):
        """A press on the bare board level with a cable end, or just out of reach."""
        j = self.rng.randrange(2 * m.n)
        rect = m.rect(j)
        level = rect[1] + rect[3] // 2
        y = px(level + self.rng.randint(-60, 60))
        if y * 15 < 2930 or y * 15 > m.b.height - 30:
            y = px(level)
        x = self.bare_spot(m.b)[0]
        button = self.rng.choice([1, 1, 3])
        self.action = "press button %d at y %d twips, beside cable connector %d" % (
            button, y * 15, j)
        self.screen.press(m.view.x + px(x), m.view.y + y, button)
        if m.verdict() == "frown":
            for k in range(m.n):
                ends = [m.rect(e) for e in (2 * k, 2 * k + 1)]
                if any(abs(y * 15 - (r[1] + r[3] // 2)) < 50 for r in ends):
                    m.marked ^= {k}
                    self.note("marks cable %d" % k)
                    break

    def buttons(self, m):
        names = ["new", "restart", "solution", "help", "quit"]
        style = self.rng.choice(["single", "single", "double", "burst", "mixed"])
        if style == "mixed":
            clicks = [self.rng.choice(names[:3]) for _ in range(self.rng.randint(2, 5))]
        else:
            name = self.rng.choice(names)
            clicks = [name] * {"single": 1, "double": 2, "burst": self.rng.randint(3, 6)}[style]
        self.action = "%s click: %s" % (style, " ".join(clicks))
        if style == "double":
            self.screen.click(*m.view.point(m.b.button(name)), repeat=2, delay_ms=60)
        else:
            for name in clicks:
                self.screen.click(*m.view.point(m.b.button(name)))
                time.sleep(self.rng.choice([0, 0.01, 0.04]))
        last = clicks[-1]
        if last == "quit":
            # Clicks after the first land on whatever lay beneath the closed window.
            self.screen.wait_gone(xgame.GAME_TITLE, ANSWER_S, "game")
            self.model = None
            return
        if last == "help":
            self.help_window()
            return
        self.after_command(m, clicks)

    def after_command(self, m, clicks):
        """The board after these commands ran in order: the last decides, but a New Game
        among them has dealt anew."""
        last = clicks[-1]
        if len(clicks) > 1:
            self.barrier(m)
        if "new" in clicks:
            self.wait_answer(m)
            if last == "solution":
                # The new deal is read off the home slots: judge the solution, then restart.
                smiles = wait_until(lambda: m.view.faces(m.view.grab()) == "smile", SETTLE_S)
                if not smiles:
                    raise Failure("Show Solution after New Game shows no smiling faces")
                self.note("Restart to read the new deal")
                self.screen.click(*m.view.point(m.b.button("restart")))
                self.wait_answer(m)
                last = "restart"
            m.view.learn_deal(lift_covers=m.advanced)
            m.where = [None] * (2 * m.n)
            m.plan = None
            self.count["games"] += clicks.count("new")
        if last == "restart":
            m.where = [None] * (2 * m.n)
        elif last == "solution":
            if m.plan is None:
                m.plan = self.write_report(m, "answer", learn=True, full=True)
            m.where = [None] * (2 * m.n)
            for c, j in enumerate(m.plan):
                m.where[j] = c
        m.redrawn()

    def wait_answer(self, m):
        if not self.screen.answers(m.view.window, ANSWER_S):
            self.count["hangs"] += 1
            raise Failure("the game window did not answer within %.0f s" % ANSWER_S)

    def barrier(self, m):
        """Waits until every click sent has been handled. A window answers X requests even
        in the middle of a command, while clicks wait their turn, so a key is sent after them
        and its report box awaited (then cancelled): keys and clicks are handled in order."""
        self.note("report box opened and cancelled to see the clicks handled")
        self.write_report(m, "cancel", key="b")

    def help_window(self):
        window = self.screen.wait_window(xgame.HELP_TITLE, ANSWER_S, "help")
        if len(self.screen.windows(xgame.HELP_TITLE)) != 1:
            raise Failure("more than one help window")
        if not self.screen.answers(window, ANSWER_S):
            self.count["hangs"] += 1
            raise Failure("the help window did not answer")
        if self.rng.random() < 0.5:
            self.note("closed by its Close button")
            self.screen.click(*xgame.help_close_button(self.screen, window))
        else:
            self.note("closed by its close box")
            self.screen.close(window)
        self.screen.wait_gone(xgame.HELP_TITLE, ANSWER_S, "help")

    def close_during_command(self, m):
        name = self.rng.choice(["new", "restart", "solution"])
        delay = self.rng.choice([0, 0.005, 0.02, 0.05])
        target = "start-up" if self.startup and self.rng.random() < 0.15 else "game"
        self.action = "click %s, close the %s window %.0f ms later" % (name, target,
                                                                       delay * 1000)
        self.screen.click(*m.view.point(m.b.button(name)))
        time.sleep(delay)
        if target == "game":
            self.screen.close(m.view.window)
            self.screen.wait_gone(xgame.GAME_TITLE, ANSWER_S, "game")
            self.model = None
        else:
            self.screen.close(self.startup.window)
            self.screen.wait_gone(xgame.STARTUP_TITLE, ANSWER_S, "start-up")
            self.startup = None
            self.after_command(m, [name])

    def close_game(self, m):
        self.action = "close the game window with its close box"
        self.screen.close(m.view.window)
        self.screen.wait_gone(xgame.GAME_TITLE, ANSWER_S, "game")
        self.model = None

    def key(self, m):
        key = self.rng.choice(KEYS)
        answer = self.rng.choice(["answer", "answer", "cancel", "empty", "bad"])
        self.action = "key %s in the game window, report box: %s" % (key, answer)
        self.write_report(m, answer, key=key)

    def write_report(self, m, answer, key="k", learn=False, full=None):
        """Opens the report box with a key and answers it; returns the solution read from a
        written report when learn is set."""
        self.count["reports"] += 1
        path = os.path.join(self.reports_dir, "report-%d.txt" % self.count["reports"])
        xgame.write_report(self.screen, m.view.window, m.n, m.full() if full is None else full,
                           path, answer, key, ANSWER_S)
        if answer != "answer":
            return None
        plan = xgame.solution_from_report(path, m.n) if learn else None
        os.remove(path)
        return plan

    def hover(self, m):
        where = self.rng.choice(["band", "board"])
        self.action = "pointer over the %s" % where
        spot = m.view.point(self.inside(m.b.band()) if where == "band" else self.bare_spot(m.b))
        self.screen.move(*spot)
        self.screen.move(spot[0] + 2, spot[1])

    def settings_question(self, m):
        answer = self.rng.choice(["Yes", "No", "Cancel"])
        self.action = "click the start-up window's settings frame, answer %s" % answer
        self.screen.raise_window(self.startup.window)
        self.screen.click(*self.startup.frame())
        box = self.screen.wait_window(xgame.QUESTION_TITLE, ANSWER_S, "settings question")
        self.screen.focus(box)
        self.screen.key({"Yes": "Return", "No": "n", "Cancel": "Escape"}[answer])
        self.screen.wait_gone(xgame.QUESTION_TITLE, ANSWER_S, "settings question")
        if answer == "Yes":
            self.screen.wait_gone(xgame.GAME_TITLE, ANSWER_S, "game")
            self.model = None
        else:
            # No raises the game window; after Cancel the player brings it forward himself.
            time.sleep(0.1)
            self.screen.raise_window(m.view.window)

    # ---- actions on the start-up window ----

    def startup_action(self):
        s = self.startup
        kind = self.rng.choices(["play", "pcs", "level", "colours", "help", "exit", "close"],
                                [40, 20, 10, 10, 5, 2, 2])[0]
        if kind == "play":
            self.action = "Play Now"
            self.screen.click(*s.play_now())
            window = self.screen.wait_window(xgame.GAME_TITLE, 20, "game")
            self.new_model(window)
        elif kind == "pcs":
            more = self.rng.random() < 0.5
            clicks = self.rng.randint(1, 6)
            self.action = "%d click(s) on the PC count's %s arrow" % (clicks,
                                                                   "right" if more else "left")
            for _ in range(clicks):
                self.screen.click(*s.pcs_arrow(more))
        elif kind == "level":
            advanced = self.rng.random() < 0.35
            self.action = "level %s" % ("Advanced" if advanced else "Beginner")
            self.screen.click(*s.level(advanced))
        elif kind == "colours":
            if self.rng.random() < 0.3:
                self.action = "Use Random Color Count"
                self.screen.click(*s.random_colours())
            else:
                more = self.rng.random() < 0.5
                self.action = "colour count's %s arrow" % ("right" if more else "left")
                self.screen.click(*s.colours_arrow(more))
        elif kind == "help":
            self.action = "start-up window's Help"
            self.screen.click(*s.help())
            self.help_window()
        elif kind == "exit":
            self.action = "Exit"
            self.expect_exit = True
            self.screen.click(*s.exit())
        else:
            self.action = "close the start-up window"
            self.expect_exit = True
            self.screen.close(s.window)

    # ---- the expectations ----

    def reports(self):
        """A sanitizer report is written as the fault happens: it names this action."""
        reports = self.program.reports()
        if reports:
            self.count["sanitizer"] += len(reports)
            raise Failure("sanitizer report(s) while the program runs: %s" % ", ".join(reports))

    def check(self):
        m = self.model
        if m is None:
            return
        self.count["checks"] += 1
        problems = []

        def holds():
            image = m.view.grab()
            problems[:] = []
            faces = m.view.faces(image)
            if faces != m.verdict():
                problems.append("faces %s, expected %s" % (faces, m.verdict()))
            for j in range(2 * m.n):
                if m.where[j] is None and m.advanced:
                    continue  # under a cover, or not, as the pointer last moved
                if not m.view.connector_at(image, j, m.rect(j)):
                    problems.append("cable connector %d is not %s" % (
                        j, "home" if m.where[j] is None else "beside PC connector %d"
                        % m.where[j]))
            if m.verdict() != "smile":
                where = m.where
                expected = ["black" if k in m.marked or m.verdict() is None else "red"
                            for k in range(m.n)]
                seen = [m.view.cable_colour(image, k, where) for k in range(m.n)]
                if seen != expected:
                    problems.append("cables %s, expected %s" % (seen, expected))
            return not problems

        if not wait_until(holds, SETTLE_S, 0.1):
            raise Failure("the screen does not show what the action means: " +
                          "; ".join(problems))

    # ---- the run ----

    def step(self):
        if self.program is None:
            self.start_program()
        m = self.model
        if m is None:
            self.startup_action()
            return
        kind = self.rng.choices(
            ["drag", "right", "press", "buttons", "close-during", "close", "key", "hover",
             "question"], [45, 7, 10, 14, 3, 2, 8, 6, 2 if self.startup else 0])[0]
        {"drag": self.drag, "right": self.right_click, "press": self.press_beside_cable,
         "buttons": self.buttons, "close-during": self.close_during_command,
         "close": self.close_game, "key": self.key, "hover": self.hover,
         "question": self.settings_question}[kind](m)

    def run(self, actions):
        for i in range(1, actions + 1):
            self.action = ""
            started = time.monotonic()
            try:
                self.step()
                self.sync()
                if self.program is not None:
                    self.answers()
                    self.reports()
                    self.check()
            finally:
                self.log("#%d %s (%.0f ms)" % (i, self.action or "-",
                                               1000 * (time.monotonic() - started)))
            self.count["actions"] = i
        self.finish()

    def finish(self):
        """Closes every window, so that the program ends by itself and leaks are counted."""
        if self.program is None:
            return
        self.log("   end: close every window")
        for title in (xgame.HELP_TITLE, xgame.GAME_TITLE, xgame.STARTUP_TITLE):
            for window in self.screen.windows(title):
                self.screen.close(window)
        self.expect_exit = True
        self.sync()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--game", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--actions", type=int, default=1500)
    args = parser.parse_args()

    display = xgame.skip_unless_usable("KESTRELINK_X_SOAK_DISPLAY")
    os.makedirs(args.out, exist_ok=True)
    screen = Screen(display, args.out)
    soak = Soak(args, screen)
    started = time.monotonic()
    print("soak: seed %d, %d actions, log %s" % (args.seed, args.actions,
                                                 os.path.join(args.out, "soak-actions.log")),
          flush=True)
    failed = shot = None
    try:
        soak.run(args.actions)
    except Failure as error:
        failed = error
        shot = screen.screenshot("soak-failure")
    finally:
        if soak.program is not None and soak.program.running():
            soak.program.end()
    c = soak.count
    xgame.summary(args.out, "soak (seed %d): %d actions, %d input events, %d program starts, "
                  "%d games, %d checks, %d reports; crashes %d, sanitizer reports %d, hangs %d, "
                  "leaks %d (%.1f s)"
                  % (args.seed, c["actions"], screen.events, c["starts"], c["games"],
                     c["checks"], c["reports"], c["crashes"], c["sanitizer"], c["hangs"],
                     c["leaks"], time.monotonic() - started))
    if failed is None:
        return 0
    print("FAILED at action #%d (%s): %s" % (c["actions"] + 1, soak.action, failed))
    print("  screenshot: %s" % shot)
    if soak.program is not None:
        print("  program output: %s" % soak.program.output_path)
    print("  replay: soak.py --seed %d --actions %d (log: %s)" % (
        args.seed, c["actions"] + 1, os.path.join(args.out, "soak-actions.log")))
    return 1


if __name__ == "__main__":
    sys.exit(main())
