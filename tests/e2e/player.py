#!/usr/bin/env python3
"""Plays the built game through X from start to finish, as a player would, with fixed deals:
a wrong wiring at 4 PCs with a cable marked and unmarked, an unplug, the report written twice,
Restart, Show Solution, Help, New Game and a win; a win at 16 PCs; the message that refuses a
board too large for a 640 x 480 screen. With --new-games it instead deals that many new games
in one window, for the leak check at exit.

  player.py --game build/kestrelink --out DIR            (the X servers come from scripts/test)

Each step is checked on the screen; a failure leaves screenshots and the program's output in
DIR. Exits 77 (skipped) without xdotool or a private X server.
"""
import argparse
import os
import sys
import time

sys.dont_write_bytecode = True
import xgame  # noqa: E402
from xgame import Failure, GameView, Program, Screen, StartupView, wait_until  # noqa: E402


class Player:
    def __init__(self, args):
        self.args = args
        self.steps = 0
        self.started = time.monotonic()
        self.program = None
        self.screen = None
        self.programs = []
        self.watched = None  # the window whose answers tell that the program is alive

    def step(self, text):
        """Reports a step done, once the program has written no sanitizer report and the
        window in use still answers within 5 s."""
        if self.program is not None and self.program.running():
            reports = self.program.reports()
            self.expect(not reports, "%s: no sanitizer report (%s)" % (text, ", ".join(reports)))
            if self.watched is not None:
                self.expect(self.screen.answers(self.watched, 5), "%s: the window answers" % text)
        self.steps += 1
        print("  %5.1fs %s" % (time.monotonic() - self.started, text), flush=True)

    # -- program --

    def start(self, screen, seed, name):
        self.screen = screen
        self.program = Program(self.args.game, screen, seed, name)
        self.programs.append(self.program)
        window = screen.wait_window(xgame.STARTUP_TITLE, 20, "start-up")
        self.watched = window
        self.step("%s: program started (pid %d, KESTRELINK_SEED=%d)"
                  % (name, self.program.pid, seed))
        return StartupView(screen, window)

    def expect(self, condition, what):
        if not condition:
            raise Failure("expected " + what)

    def exited_cleanly(self, name):
        self.watched = None
        code = self.program.wait(15)
        self.expect(code is not None, "%s: the program ends once its windows are closed" % name)
        self.program.end()
        self.expect(code == 0, "%s: the program exits with 0, not %s" % (name, code))
        reports = self.program.reports()
        self.expect(not reports, "%s: no sanitizer report (%s)" % (name, ", ".join(reports)))
        self.step("%s: program ended with 0, no sanitizer report" % name)

    def play_now(self, startup, n, advanced=False):
        startup.set_pcs(n)
        if advanced:
            self.screen.click(*startup.level(True))
        self.screen.click(*startup.play_now())
        window = self.screen.wait_window(xgame.GAME_TITLE, 20, "game")
        self.watched = window
        view = GameView(self.screen, window)
        self.expect(view.n == n, "the game window is laid out for %d PCs, not %s" % (n, view.n))
        time.sleep(0.3)
        return view

    # -- the board --

    def drag_to(self, view, j, source_rect, c):
        self.screen.drag(view.point(source_rect), view.point(view.board.area(c)))

    def wait_plugged(self, view, j, c, what):
        ok = wait_until(lambda: view.connector_at(view.grab(), j, view.board.snapped(c)), 3)
        self.expect(ok, "%s: cable connector %d snaps beside PC connector %d" % (what, j, c))

    def plug_all(self, view, plug, what):
        for c, j in enumerate(plug):
            self.drag_to(view, j, view.board.cable_home(j), c)
            self.wait_plugged(view, j, c, what)

    def wait_faces(self, view, expected, what):
        seen = wait_until(lambda: view.faces(view.grab()) == expected, 3)
        self.expect(seen, "%s: the faces show %s, not %s" % (what, expected,
                                                             view.faces(view.grab())))

    def wait_cables(self, view, plug, expected, what):
        where = xgame.positions(plug)

        def colours():
            image = view.grab()
            return [view.cable_colour(image, k, where) for k in range(view.n)]
        ok = wait_until(lambda: colours() == expected, 3)
        self.expect(ok, "%s: cables %s, expected %s" % (what, colours(), expected))

    def all_home(self, view):
        image = view.grab()
        return all(view.connector_at(image, j, view.board.cable_home(j))
                   for j in range(2 * view.n))

    def write_report(self, view, name, all_plugged):
        xgame.write_report(self.screen, view.window, view.n, all_plugged,
                           os.path.join(self.screen.out_dir, name))
        self.step("report through the input box: %d lines, all ending in CR LF"
                  % (14 + 12 * view.n if all_plugged else 13 + 9 * view.n))

    # -- the runs --

    def four_pcs(self, screen):
        name = "four-pcs"
        startup = self.start(screen, self.args.seed, name)
        view = self.play_now(startup, 4)
        view.learn_deal()
        self.wait_faces(view, None, "a new board")
        self.step("Play Now at 4 PCs: board read, no face shown")
        self.write_report(view, "report-incomplete.txt", all_plugged=False)

        plug = xgame.find_wiring(4, view.pc_colours, view.cable_colours, want_ring=False)
        self.expect(plug is not None, "this deal allows a wrong wiring (choose another seed)")
        self.plug_all(view, plug, "wrong wiring")
        self.wait_faces(view, "frown", "wrong wiring")
        self.wait_cables(view, plug, ["red"] * 4, "wrong wiring")
        self.step("wrong wiring: every drop snapped, frowning faces, all cables red")

        # A press on the bare board level with one end of a cable marks that cable.
        c = 0
        j = plug[c]
        k = j // 2
        b = view.board
        middle = (b.area(0)[0] + b.area(0)[2] + b.area(2)[0]) // 2
        level = view.point(b.snapped(c))[1]
        spot = (view.x + xgame.px(middle), level)
        screen.press(*spot)
        marked = ["black" if m == k else "red" for m in range(4)]
        self.wait_cables(view, plug, marked, "marking")
        screen.press(*spot)
        self.wait_cables(view, plug, ["red"] * 4, "unmarking")
        self.step("cable %d marked black by a press beside it, then red again" % k)

        screen.click(*view.point(b.snapped(c)), button=3)
        home = wait_until(lambda: view.connector_at(view.grab(), j, b.cable_home(j)), 3)
        self.expect(home, "a right click sends cable connector %d home" % j)
        self.wait_faces(view, None, "unplugged")
        partial = list(plug)
        partial[c] = None
        self.wait_cables(view, partial, ["black"] * 4, "unplugged")
        self.step("right click unplugged cable connector %d: no faces, cables black" % j)

        self.drag_to(view, j, b.cable_home(j), c)
        self.wait_plugged(view, j, c, "plugged again")
        self.wait_faces(view, "frown", "plugged again")
        self.write_report(view, "report-complete.txt", all_plugged=True)

        screen.click(*view.point(b.button("restart")))
        self.expect(wait_until(lambda: self.all_home(view), 5), "Restart sends every plug home")
        self.wait_faces(view, None, "restart")
        self.step("Restart Game: every cable connector home, no face")

        screen.click(*view.point(b.button("solution")))
        self.wait_faces(view, "smile", "Show Solution")
        image = view.grab()
        for c in range(8):
            fits = [j for j in range(8) if view.cable_colours[j] == view.pc_colours[c]]
            self.expect(any(view.connector_at(image, j, b.snapped(c)) for j in fits),
                        "Show Solution plugs PC connector %d" % c)
        self.step("Show Solution: every PC connector plugged, smiling faces")

        screen.click(*view.point(b.button("help")))
        help_window = screen.wait_window(xgame.HELP_TITLE, 10, "help")
        screen.click(*view.point(b.button("help")))
        time.sleep(0.3)
        self.expect(len(screen.windows(xgame.HELP_TITLE)) == 1, "Help twice shows one window")
        self.expect(screen.answers(help_window), "the help window answers")
        screen.click(*xgame.help_close_button(screen, help_window))
        screen.wait_gone(xgame.HELP_TITLE, 10, "help")
        self.step("Help opened (twice: one window) and closed with its Close button")

        before = (view.pc_colours, view.cable_colours)
        screen.click(*view.point(b.button("new")))
        self.expect(wait_until(lambda: view.faces(view.grab()) is None, 5), "New Game clears")
        time.sleep(0.3)
        view.learn_deal()
        self.expect((view.pc_colours, view.cable_colours) != before, "New Game deals anew")
        self.step("New Game: a new deal, no face")

        plug = xgame.find_wiring(4, view.pc_colours, view.cable_colours, want_ring=True)
        self.expect(plug is not None, "every deal has a ring")
        self.plug_all(view, plug, "win")
        self.wait_faces(view, "smile", "win")
        self.step("win at 4 PCs: every drop snapped, smiling faces")

        screen.click(*view.point(b.button("quit")))
        screen.wait_gone(xgame.GAME_TITLE, 10, "game")
        self.watched = startup.window
        self.step("Quit Game closed the game window")
        screen.close(startup.window)
        self.exited_cleanly(name)

    def sixteen_pcs(self, screen):
        name = "sixteen-pcs"
        startup = self.start(screen, self.args.seed + 1, name)
        view = self.play_now(startup, 16)
        view.learn_deal()
        plug = xgame.find_wiring(16, view.pc_colours, view.cable_colours, want_ring=True)
        self.expect(plug is not None, "every deal has a ring")
        self.plug_all(view, plug, "win at 16")
        self.wait_faces(view, "smile", "win at 16")
        self.step("win at 16 PCs: 32 drops snapped, smiling faces")
        screen.raise_window(startup.window)
        screen.click(*startup.exit())
        self.exited_cleanly(name)

    def small_screen(self, screen):
        name = "small-screen"
        startup = self.start(screen, self.args.seed + 2, name)
        startup.set_pcs(16)
        screen.click(*startup.play_now())
        message = screen.wait_window(xgame.MESSAGE_TITLE, 10, "screen-size message")
        self.expect(screen.answers(message), "the message answers")
        screen.focus(message)
        screen.key("Return")
        screen.wait_gone(xgame.MESSAGE_TITLE, 10, "screen-size message")
        self.expect(not screen.windows(xgame.GAME_TITLE), "no game window stays open")
        self.step("640 x 480 screen: 16 PCs refused with a message, no game window left")
        screen.close(startup.window)
        self.exited_cleanly(name)

    def new_games(self, screen, count, n):
        name = "new-games"
        startup = self.start(screen, self.args.seed + 3, name)
        view = self.play_now(startup, n)
        new_game = view.point(view.board.button("new"))
        view.learn_deal()
        for i in range(count):
            before = view.cable_colours
            screen.click(*new_game)
            self.expect(screen.answers(view.window), "New Game %d: the window answers" % (i + 1))
            dealt = wait_until(lambda: view.learn_deal() and view.cable_colours != before, 5)
            self.expect(dealt, "New Game %d deals anew" % (i + 1))
        self.step("%d New Games at %d PCs, each a new deal" % (count, n))
        screen.close(view.window)
        screen.wait_gone(xgame.GAME_TITLE, 10, "game")
        screen.close(startup.window)
        self.exited_cleanly(name)

    def fail(self, error):
        print("FAILED: %s" % error, flush=True)
        if self.screen is not None:
            print("  screenshot: %s" % self.screen.screenshot("failure"))
        for program in self.programs:
            if not program.running():
                print("  program %d ended with %s" % (program.pid, program.process.returncode))
            program.end()
            print("  program output (%s):" % program.output_path)
            with open(program.output_path, errors="replace") as f:
                for line in f.read().splitlines()[-40:]:
                    print("    " + line)
            for report in program.reports():
                print("  sanitizer report: %s" % report)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--game", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--seed", type=int, default=9100)
    parser.add_argument("--new-games", type=int, default=0)
    parser.add_argument("--pcs", type=int, default=16)
    args = parser.parse_args()

    display = xgame.skip_unless_usable("KESTRELINK_X_DISPLAY")
    player = Player(args)
    try:
        if args.new_games:
            player.new_games(Screen(display, args.out), args.new_games, args.pcs)
        else:
            small = xgame.skip_unless_usable("KESTRELINK_X_SMALL_DISPLAY")
            screen = Screen(display, args.out)
            player.four_pcs(screen)
            player.sixteen_pcs(screen)
            player.small_screen(Screen(small, args.out))
    except Failure as error:
        player.fail(error)
        return 1
    finally:
        for program in player.programs:
            program.end()
    # Any crash, hang or sanitizer report (leaks included) has failed a step above.
    xgame.summary(args.out, "player%s: %d steps passed, 0 failed; programs %d, crashes 0, "
                  "sanitizer reports 0, hangs 0, leaks 0 (%.1f s)"
                  % (" (%d New Games)" % args.new_games if args.new_games else "", player.steps,
                     len(player.programs), time.monotonic() - player.started))
    return 0


if __name__ == "__main__":
    sys.exit(main())
