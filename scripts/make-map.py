#!/usr/bin/env python3
"""Draws assets/map.svg, the 918 x 630 map of the ten provinces.

Each province is the union of the Voronoi cells of a few seed points, so that its region sits
under its panel on the main window and touches the neighbours the map lines join. The land is
cut by the seas (the Sea of Japan in the north-west, Ise Bay and the Pacific in the south) and
Lake Biwa lies between the two halves of Omi. Run with --check to print which provinces share
a border.
"""
import math
import sys

W, H = 918, 630

# Seeds per province, in map pixels; the first one is the centre of the province's panel.
SEEDS = {
    1: [(496, 296), (530, 350), (470, 250), (560, 270), (445, 315)],
    2: [(656, 376), (640, 450), (610, 330)],
    3: [(808, 384), (870, 460), (790, 470)],
    4: [(752, 168), (640, 100), (870, 130), (880, 300), (700, 60)],
    5: [(456, 160), (390, 235), (380, 100), (545, 180)],
    6: [(376, 424), (410, 520), (320, 560), (430, 400), (360, 370)],
    7: [(232, 384), (310, 320), (260, 470), (170, 390), (290, 400)],
    8: [(240, 216), (180, 280), (300, 140)],
    9: [(80, 200), (60, 300), (150, 150)],
    10: [(80, 464), (120, 560), (180, 540)],
    # Lands outside the game: Tanba and Wakasa, Iga, and the mountains of eastern Mino.
    0: [(30, 370), (90, 345), (250, 580), (600, 245)],
}

COLOURS = {
    0: "#d4d0c4",
    1: "#f2c14e", 2: "#9bd17a", 3: "#7fc8c2", 4: "#b7a4d6", 5: "#f29e8e",
    6: "#e6d98a", 7: "#8fb6e8", 8: "#d9a3c4", 9: "#a8d8a0", 10: "#e8b07a",
}
SEA = "#9cc7e8"

# The land, clockwise; everything outside it is sea.
LAND = [
    (0, 150), (110, 140), (220, 95), (300, 40), (340, 0), (W, 0), (W, 540),
    (860, 545), (780, 520), (700, 500), (650, 505), (600, 480), (585, 430), (560, 415),
    (520, 420), (490, 440), (480, 500), (460, 560), (420, 600), (380, 630), (0, 630),
]

LAKE = [(262, 252), (284, 262), (292, 300), (286, 338), (266, 350), (252, 322), (250, 284)]

ALL = [(p, s) for p, seeds in SEEDS.items() for s in seeds]


def clip(poly, a, b, tags, tag):
    """Keeps the part of poly closer to seed a than to seed b; new edges carry tag."""
    mx, my = (a[0] + b[0]) / 2, (a[1] + b[1]) / 2
    nx, ny = b[0] - a[0], b[1] - a[1]

    def inside(q):
        return (q[0] - mx) * nx + (q[1] - my) * ny <= 0

    def cross(q, r):
        dq = (q[0] - mx) * nx + (q[1] - my) * ny
        dr = (r[0] - mx) * nx + (r[1] - my) * ny
        t = dq / (dq - dr)
        return (q[0] + t * (r[0] - q[0]), q[1] + t * (r[1] - q[1]))

    out, out_tags = [], []
    n = len(poly)
    for i in range(n):
        q, r = poly[i], poly[(i + 1) % n]
        t = tags[i]  # tag of edge q -> r
        if inside(q):
            if inside(r):
                out.append(q)
                out_tags.append(t)
            else:
                out.append(q)
                out_tags.append(t)
                out.append(cross(q, r))
                out_tags.append(tag)
        elif inside(r):
            out.append(cross(q, r))
            out_tags.append(t)
    return out, out_tags


def cells():
    result = []
    for i, (p, s) in enumerate(ALL):
        poly = list(LAND)
        tags = ["coast"] * len(poly)
        for j, (q, t) in enumerate(ALL):
            if i == j:
                continue
            poly, tags = clip(poly, s, t, tags, q)
            if not poly:
                break
        result.append((p, poly, tags))
    return result


def fmt(pt):
    return f"{pt[0]:.1f},{pt[1]:.1f}"


def owner(x, y):
    best, bp = None, None
    for p, s in ALL:
        d = (s[0] - x) ** 2 + (s[1] - y) ** 2
        if best is None or d < best:
            best, bp = d, p
    return bp


def on_land(x, y):
    inside = False
    n = len(LAND)
    for i in range(n):
        (x1, y1), (x2, y2) = LAND[i], LAND[(i + 1) % n]
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            inside = not inside
    return inside


def check():
    pairs = set()
    step = 3
    for y in range(0, H, step):
        for x in range(0, W - step, step):
            if not (on_land(x, y) and on_land(x + step, y)):
                continue
            a, b = owner(x, y), owner(x + step, y)
            if a != b and a and b:
                pairs.add(tuple(sorted((a, b))))
            if y + step < H and on_land(x, y + step):
                c = owner(x, y + step)
                if a != c and a and c:
                    pairs.add(tuple(sorted((a, c))))
    wanted = {tuple(sorted(p)) for p in [(1, 5), (1, 2), (2, 3), (2, 4), (5, 4), (3, 4), (8, 5),
                                          (7, 5), (6, 1), (7, 6), (7, 8), (9, 8), (10, 7)]}
    print("missing:", sorted(wanted - pairs))
    print("extra:", sorted(pairs - wanted))


def main():
    if "--check" in sys.argv:
        check()
        return
    parts = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{W}" height="{H}" '
             f'viewBox="0 0 {W} {H}">',
             f'<rect width="{W}" height="{H}" fill="{SEA}"/>']
    cs = cells()
    for p, poly, _ in cs:
        pts = " ".join(fmt(q) for q in poly)
        # The stroke in the fill colour closes the hair-line seams between a province's cells.
        parts.append(f'<polygon points="{pts}" fill="{COLOURS[p]}" stroke="{COLOURS[p]}" '
                     f'stroke-width="1"/>')
    seen = set()
    path = []
    for p, poly, tags in cs:
        n = len(poly)
        for k in range(n):
            tag = tags[k]
            if tag != "coast" and tag == p:
                continue
            a, b = poly[k], poly[(k + 1) % n]
            if math.dist(a, b) < 0.01:
                continue
            key = tuple(sorted((fmt(a), fmt(b))))
            if key in seen:
                continue
            seen.add(key)
            path.append(f"M{fmt(a)}L{fmt(b)}")
    parts.append(f'<path d="{"".join(path)}" fill="none" stroke="#000" stroke-width="2" '
                 f'stroke-linecap="round"/>')
    lake = " ".join(fmt(q) for q in LAKE)
    parts.append(f'<polygon points="{lake}" fill="{SEA}" stroke="#000" stroke-width="2" '
                 f'stroke-linejoin="round"/>')
    parts.append("</svg>")
    print("\n".join(parts))


if __name__ == "__main__":
    main()
