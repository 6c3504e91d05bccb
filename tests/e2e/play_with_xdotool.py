#!/usr/bin/env python3
"""Plays the built game as a player would, under Xvfb with xdotool: sets the number of PCs,
presses Play Now, reads the connector colours off the screen, finds a wiring by colour and
drags every cable connector into place (press, move in steps, release).

  tests/e2e/play_with_xdotool.py --pcs 16 [--advanced] [--wrong] [--shots DIR]

--wrong looks for a colour-matching wiring that is not one ring. Exits 0 when the board ends
with the expected verdict (smiling faces for a ring, frowning faces for --wrong). Needs xvfb,
xdotool and imagemagick (apt-get install xvfb xdotool imagemagick).
"""
import argparse
import os
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
TWIPS_PER_PIXEL = 15


def run(*args, check=True):
    return subprocess.run(args, check=check, capture_output=True, text=True).stdout


def xdo(*args):
    return run("xdotool", *map(str, args))


def grab(path):
    run("import", "-window", "root", path)


def read_pixels(path):
    """The screenshot as rows of (r, g, b)."""
    ppm = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True,
                         capture_output=True).stdout
    parts = ppm.split(b"\n", 3)
    width, height = map(int, parts[1].split())
    data = parts[3]
    return width, height, data


def pixel(image, x, y):
    width, _, data = image
    i = (y * width + x) * 3
    return tuple(data[i:i + 3])


def window_origin(name):
    ids = xdo("search", "--name", name).split()
    if not ids:
        return None
    out = xdo("getwindowgeometry", ids[0])
    pos = out.split("Position: ")[1].split()[0]
    x, y = map(int, pos.split(","))
    return x, y


# ---- The board's geometry, in twips ----

def cable_connector(j):
    k = j // 2
    left = 1500 if k == 0 else 2100 + 540 * (k - 1)
    return left, 2040 if j % 2 == 0 else 2640


def pc_connector(c, n):
    p, q = c // 2, c // 4
    shift = (n - 4) * 540
    if p % 2 == 0:
        return 780, 3060 + 720 * q + 360 * (c % 2)
    return 4260 + shift, 3240 + 720 * q + 360 * (c % 2)


def centre(origin, left_top):
    left, top = left_top
    return origin[0] + (left + 97) // TWIPS_PER_PIXEL, origin[1] + (top + 97) // TWIPS_PER_PIXEL


# ---- Finding a wiring by colour ----

def find_wiring(n, pc_colours, cable_colours, want_ring):
    """Cable connector for every PC connector, colours matching, forming one ring or not."""
    plug = [None] * (2 * n)
    used = [False] * (2 * n)
    sys.setrecursionlimit(10000)

    def is_ring():
        partner = {}
        where = {plug[c]: c for c in range(2 * n)}
        for c in range(2 * n):
            partner[c] = where[plug[c] ^ 1]
        cur, seen = 0, set()
        for _ in range(n):
            if cur // 2 in seen:
                return False
            seen.add(cur // 2)
            cur = partner[cur] ^ 1
        return cur == 0 and len(seen) == n

    def place(c):
        if c == 2 * n:
            return is_ring() == want_ring
        for j in range(2 * n):
            if not used[j] and cable_colours[j] == pc_colours[c]:
                used[j] = True
                plug[c] = j
                if place(c + 1):
                    return True
                used[j] = False
        return False

    # A ring is found quickly by walking it: from the exit connector c of the current PC,
    # across a cable to an entry connector of a PC not yet visited (PC 0's entry, connector 0,
    # closes the ring with the last cable), then on from that PC's other connector.
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

    if want_ring:
        return plug if walk(1, {0}, 0) else None
    return plug if place(0) else None


def drag(origin, start, end, steps=8):
    xdo("mousemove", *start)
    xdo("mousedown", 1)
    for s in range(1, steps + 1):
        xdo("mousemove", start[0] + (end[0] - start[0]) * s // steps,
            start[1] + (end[1] - start[1]) * s // steps)
        time.sleep(0.02)
    xdo("mouseup", 1)
    time.sleep(0.05)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pcs", type=int, default=4)
    parser.add_argument("--advanced", action="store_true")
    parser.add_argument("--wrong", action="store_true")
    parser.add_argument("--shots", default="/tmp")
    parser.add_argument("--screen", default="1280x1024")
    parser.add_argument("--game", default=os.path.join(ROOT, "build", "kestrelink"))
    args = parser.parse_args()
    n = args.pcs

    display = ":%d" % (90 + os.getpid() % 9)
    os.environ["DISPLAY"] = display
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", args.screen + "x24"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)
    game = subprocess.Popen([args.game], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        time.sleep(2)
        start = window_origin("Kestrelink® Connection Game$")
        if start is None:
            print("no start-up window")
            return 1
        # HScroll1's right arrow and the Advanced button, inside the settings frame.
        arrow = (start[0] + (4500 + 1440 + 1635) // 15 - 6, start[1] + (2160 + 660 + 157) // 15)
        for _ in range(n - 4):
            xdo("mousemove", *arrow)
            xdo("click", 1)
        if args.advanced:
            xdo("mousemove", start[0] + (4500 + 2100 + 120) // 15, start[1] + (2160 + 420) // 15)
            xdo("click", 1)
        xdo("mousemove", start[0] + (4500 + 180 + 1800) // 15, start[1] + (2160 + 1620 + 300) // 15)
        xdo("click", 1)
        time.sleep(1.5)
        origin = window_origin("Playing Window")
        if origin is None:
            grab(os.path.join(args.shots, "e2e-no-game.png"))
            print("no game window (too large for the screen?)")
            return 1
        grab(os.path.join(args.shots, "e2e-%d-start.png" % n))
        if args.advanced:
            # Reveal the waiting connectors: the pointer over the band between the two rows.
            xdo("mousemove", origin[0] + 1400 // 15, origin[1] + 2400 // 15)
            time.sleep(0.3)
        shot = os.path.join(args.shots, "e2e-%d-colours.png" % n)
        grab(shot)
        image = read_pixels(shot)
        pc_colours = [pixel(image, *centre(origin, pc_connector(c, n))) for c in range(2 * n)]
        cable_colours = [pixel(image, *centre(origin, cable_connector(j))) for j in range(2 * n)]
        plug = find_wiring(n, pc_colours, cable_colours, want_ring=not args.wrong)
        if plug is None:
            print("no wiring of that kind exists for these colours")
            return 2
        for c in range(2 * n):
            if args.advanced:
                xdo("mousemove", origin[0] + 1400 // 15, origin[1] + 2400 // 15)
            drag(origin, centre(origin, cable_connector(plug[c])), centre(origin, pc_connector(c, n)))
        time.sleep(0.3)
        final = os.path.join(args.shots, "e2e-%d-%s.png" % (n, "wrong" if args.wrong else "end"))
        grab(final)
        image = read_pixels(final)
        # The left face label at (0, 960) 855 x 915 twips: white ink smiles, red ink frowns.
        ink = {"white": 0, "red": 0}
        for y in range(960 // 15, (960 + 915) // 15):
            for x in range(0, 855 // 15):
                r, g, b = pixel(image, origin[0] + x, origin[1] + y)
                if r > 240 and g > 240 and b > 240:
                    ink["white"] += 1
                elif r > 200 and g < 40 and b < 40:
                    ink["red"] += 1
        expected = "red" if args.wrong else "white"
        print("faces: %s; board shot: %s" % (ink, final))
        return 0 if ink[expected] > 50 else 1
    finally:
        game.kill()
        xvfb.kill()


if __name__ == "__main__":
    sys.exit(main())
