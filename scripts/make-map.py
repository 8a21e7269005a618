#!/usr/bin/env python3
"""Draws assets/map.svg, the 918 x 630 map of the ten provinces, from real geography.

    scripts/make-map.py > assets/map.svg

The coast and Lake Biwa come from GSHHG (assets/geodata/, see the NOTICE there). The old
provinces are the generator's own approximations: polygons through well-known places (passes,
river mouths, mountains, lake shores), given below as longitude and latitude. Their sides that
run into the sea need no care: the sea is painted over them.

The panels of the main window are a diagram, not a survey, so the land is warped to fit them:
a thin-plate spline carries a few places of each province to its panel and holds the shape of
the coast and the lake in between. Far parts (northern Shinano, Kaga, Kii) run off the edges.

Standard library only, no network; the same data gives the same file byte for byte.
"""
import math
import os
import sys

W, H = 918, 630
HERE = os.path.dirname(os.path.abspath(__file__))
SHORE = os.path.join(HERE, "..", "assets", "geodata", "gshhg-h-shore.txt")

# The data's frame (the -R of the gmt command in assets/geodata/NOTICE).
WEST, EAST, SOUTH, NORTH = 134.8, 139.2, 33.3, 37.2

# --- Places (longitude, latitude) --------------------------------------------------------------
POINTS = {
    # Sea points: corners of the province polygons that lie out at sea.
    "sea_wakasa": (135.85, 35.80), "sea_echizen": (135.95, 36.30), "sea_kaga": (136.05, 36.45),
    "sea_ise_n": (136.72, 34.95), "sea_ise_mid": (136.78, 34.78), "sea_ise_s": (136.85, 34.58),
    "sea_chita": (137.00, 34.64), "sea_mikawa": (137.05, 34.70), "sea_atsumi": (137.05, 34.50),
    "sea_enshu_w": (137.45, 34.50), "sea_enshu_e": (138.30, 34.55),
    "sea_shima_n": (136.90, 34.55), "sea_kii": (136.40, 33.95),
    "sea_gokasho": (136.62, 34.10), "sea_kinuura": (136.98, 34.80),
    # Echizen
    "kaga_coast": (136.17, 36.26),        # the Kaga border at the coast, Yoshizaki
    "kaga_hakusan": (136.77, 36.15),      # Hakusan
    "echizen_mino_hida": (136.85, 35.98),
    "aburazaka": (136.70, 35.83),         # Aburazaka pass, Echizen to Mino
    "nogohaku": (136.52, 35.75),          # Nogohaku-san
    "mikuni_omi": (136.38, 35.70),        # where Echizen, Omi and Mino meet
    "tochinoki": (136.20, 35.66),         # Tochinoki pass, the Hokkoku road
    "shinbo": (136.08, 35.59),            # Shinbo, the Shiotsu road
    "sekitoge": (136.02, 35.61),          # between Tsuruga and Wakasa
    "wakasa_coast": (135.96, 35.68),      # Tsuruga and Wakasa at the coast
    # Omi
    "ibuki": (136.42, 35.42),             # Mount Ibuki
    "sekigahara": (136.46, 35.36),        # Imasu, the Fuwa barrier
    "ishigure": (136.44, 35.27),          # between north and south Omi on the Mino border
    "mitsukuni": (136.48, 35.15),         # Mitsukuni-dake, Omi, Mino and Ise
    "echi_up": (136.30, 35.19),           # the Echi river upstream
    "echi_mouth": (136.11, 35.20),        # off the Echi river mouth, in the lake
    "wani": (136.00, 35.20),              # off Wani on the west shore, in the lake
    "hira_west": (135.84, 35.23),         # behind the Hira mountains
    "sanshu": (135.80, 35.33),            # Sanshu-dake, Omi, Wakasa and Yamashiro
    "kumagawa": (135.92, 35.45),          # Kumagawa, the Saba road to Wakasa
    "nosaka": (135.97, 35.55),
    "gozaisho": (136.42, 35.02),          # Gozaisho-dake
    "suzuka": (136.33, 34.89),            # Suzuka pass
    "aburahi": (136.21, 34.85),           # Aburahi-dake, Omi, Ise and Iga
    "shigaraki_s": (136.05, 34.81),       # south of Shigaraki, Omi, Iga and Yamashiro
    "ujitawara": (135.95, 34.80),
    "osaka_pass": (135.85, 34.99),        # Osaka pass between Otsu and Kyoto
    "hiei": (135.83, 35.07),              # Mount Hiei
    # Yamashiro (Kyo)
    "hanase": (135.76, 35.25),
    "oinosaka": (135.64, 35.05),          # Oinosaka pass to Tanba
    "yamazaki": (135.68, 34.89),          # Yamazaki, to Settsu
    "hirakata": (135.70, 34.80),
    "kizu": (135.82, 34.73),              # Narazaka, to Yamato
    "kasagi": (135.95, 34.75),
    # Ise
    "tado": (136.55, 35.12),              # Tado, the Yoro mountains' south end
    "kiso_tri": (136.69, 35.12),          # where Owari, Mino and Ise meet on the Kiso
    "kiso_mouth": (136.77, 34.99),
    "kabuto": (136.28, 34.78),            # Kabuto pass, Ise and Iga
    "aoyama": (136.25, 34.63),            # Aoyama pass
    "takami": (136.08, 34.45),            # Takami-yama, Ise and Yamato
    "odai": (136.10, 34.25),
    "kii_coast": (136.37, 34.15),         # Ise and Kii at the coast, Nagashima
    "shima_s": (136.62, 34.23),           # Ise and Shima, Gokasho
    "shima_mid": (136.72, 34.40),
    "shima_n": (136.79, 34.53),           # Ise and Shima, Futami
    # Owari, Mino, Mikawa
    "sobue": (136.69, 35.24),             # the Kiso at Sobue
    "kasamatsu": (136.77, 35.35),
    "inuyama": (136.94, 35.39),           # Inuyama on the Kiso
    "seto": (137.10, 35.28),              # between Seto (Owari) and Tajimi (Mino)
    "sanage": (137.18, 35.24),            # Sanage-yama, Owari, Mikawa and Mino
    "sakai_up": (137.05, 35.12),          # the Sakai river upstream
    "sakai_mouth": (136.97, 34.93),       # the Sakai river mouth, Kinuura bay
    "asuke": (137.32, 35.27),
    "mino_mikawa_shinano": (137.48, 35.30),
    "chausu": (137.65, 35.22),            # Chausu-yama
    "mikawa_totomi_shinano": (137.77, 35.17),
    "hongu": (137.50, 34.95),             # Hongu-san
    "shiomi": (137.45, 34.66),            # Shiomi pass, Mikawa and Totomi at the coast
    # Totomi, Suruga, Shinano
    "oi_mouth": (138.31, 34.74),          # the Oi river mouth
    "oi_shimada": (138.17, 34.84),
    "oi_mid": (138.10, 35.05),
    "totomi_shinano_suruga": (138.10, 35.33),
    "misakubo": (137.90, 35.22),
    "shirane": (138.25, 35.65),           # the Akaishi mountains, Shinano and Kai
    "yatsugatake": (138.37, 35.97),
    "usui": (138.70, 36.35),              # Usui pass, to Kozuke
    "echigo_e": (138.70, 36.90),
    "echigo_w": (137.75, 36.95),          # Shinano, Echigo and Etchu
    "hotaka": (137.65, 36.30),            # the Hida mountains
    "norikura": (137.55, 36.10),
    "ontake": (137.48, 35.89),
    "magome": (137.56, 35.55),            # Magome, the Nakasendo into Shinano
    "ena": (137.60, 35.44),               # Ena-san
    # Mino and Hida
    "hida_gero": (137.30, 35.78),
    "hida_kanayama": (137.15, 35.70),
    "hida_meiho": (137.00, 35.92),
}

# Each province as a ring of places; neighbours name their common border with the same places.
PROVINCES = {
    1: ["kiso_tri", "sobue", "kasamatsu", "inuyama", "seto", "sanage", "sakai_up",
        "sakai_mouth", "sea_kinuura", "sea_chita", "sea_ise_mid", "sea_ise_n", "kiso_mouth"],
    2: ["sakai_mouth", "sakai_up", "sanage", "asuke", "mino_mikawa_shinano", "chausu",
        "mikawa_totomi_shinano", "hongu", "shiomi", "sea_enshu_w", "sea_atsumi", "sea_mikawa",
        "sea_kinuura"],
    3: ["shiomi", "hongu", "mikawa_totomi_shinano", "misakubo", "totomi_shinano_suruga",
        "oi_mid", "oi_shimada", "oi_mouth", "sea_enshu_e", "sea_enshu_w"],
    4: ["mikawa_totomi_shinano", "chausu", "mino_mikawa_shinano", "ena", "magome", "ontake",
        "norikura", "hotaka", "echigo_w", "echigo_e", "usui", "yatsugatake", "shirane",
        "totomi_shinano_suruga", "misakubo"],
    5: ["mikuni_omi", "nogohaku", "aburazaka", "echizen_mino_hida", "hida_meiho",
        "hida_kanayama", "hida_gero", "ontake", "magome", "ena", "mino_mikawa_shinano", "asuke",
        "sanage", "seto", "inuyama", "kasamatsu", "sobue", "kiso_tri", "tado", "mitsukuni",
        "ishigure", "sekigahara", "ibuki"],
    6: ["kiso_mouth", "sea_ise_n", "sea_ise_mid", "sea_ise_s", "sea_shima_n", "shima_n",
        "shima_mid", "shima_s", "sea_gokasho", "sea_kii", "kii_coast", "odai", "takami", "aoyama", "kabuto",
        "aburahi", "suzuka", "gozaisho", "mitsukuni", "tado", "kiso_tri"],
    7: ["echi_mouth", "echi_up", "ishigure", "mitsukuni", "gozaisho", "suzuka", "aburahi",
        "shigaraki_s", "ujitawara", "osaka_pass", "hiei", "hira_west", "wani"],
    8: ["shinbo", "tochinoki", "mikuni_omi", "ibuki", "sekigahara", "ishigure", "echi_up",
        "echi_mouth", "wani", "hira_west", "sanshu", "kumagawa", "nosaka", "sekitoge"],
    9: ["sea_wakasa", "wakasa_coast", "sekitoge", "shinbo", "tochinoki", "mikuni_omi",
        "nogohaku", "aburazaka", "echizen_mino_hida", "kaga_hakusan", "kaga_coast", "sea_kaga",
        "sea_echizen"],
    10: ["hira_west", "hiei", "osaka_pass", "ujitawara", "shigaraki_s", "kasagi", "kizu",
         "hirakata", "yamazaki", "oinosaka", "hanase", "sanshu"],
}

NEUTRAL = "#d9d4c3"
SEA = "#a9cbe3"
COLOURS = {
    1: "#f2c14e", 2: "#9bd17a", 3: "#7fc8c2", 4: "#b7a4d6", 5: "#f29e8e",
    6: "#e6d98a", 7: "#8fb6e8", 8: "#d9a3c4", 9: "#a8d8a0", 10: "#e8b07a",
}


def km(p):
    """Longitude and latitude to kilometres east and south of 136.5 E, 35.3 N."""
    lon, lat = p
    return ((lon - 136.5) * 111.32 * math.cos(math.radians(35.3)), (35.3 - lat) * 110.95)


# --- The shore ---------------------------------------------------------------------------------
def read_segments(path):
    """The gmt dump: '>' headers with the level (1 land, 2 lake), then lon lat lines."""
    segs = []
    for line in open(path, encoding="ascii"):
        if line.startswith(">"):
            segs.append((int(line.rsplit("Level", 1)[1]), []))
        elif line.strip():
            lon, lat = line.split()[:2]
            segs[-1][1].append((float(lon), float(lat)))
    return [(lv, s) for lv, s in segs if len(s) > 1]


def key(p):
    return (round(p[0], 6), round(p[1], 6))


def join(segs):
    """Joins the pieces that gmt cut at its bin edges into whole lines, in file order."""
    chains = [(lv, list(s)) for lv, s in segs]
    merged = True
    while merged:
        merged = False
        for a in range(len(chains)):
            la, ca = chains[a]
            if key(ca[0]) == key(ca[-1]):
                continue
            for b in range(len(chains)):
                if a != b and key(chains[b][1][0]) == key(ca[-1]):
                    ca.extend(chains[b][1][1:])
                    del chains[b]
                    merged = True
                    break
            if merged:
                break
    return chains


def frame_pos(p):
    """Position of a frame point going round the frame clockwise from the south-west corner."""
    lon, lat = p
    w, h = EAST - WEST, NORTH - SOUTH
    if abs(lon - WEST) < 1e-6:
        return lat - SOUTH
    if abs(lat - NORTH) < 1e-6:
        return h + lon - WEST
    if abs(lon - EAST) < 1e-6:
        return h + w + NORTH - lat
    return 2 * h + w + EAST - lon


def load_shore():
    """Land polygons (the open coast lines closed along the frame) and lake polygons."""
    land, lakes, open_lines = [], [], []
    for lv, c in join(read_segments(SHORE)):
        if key(c[0]) == key(c[-1]):
            (lakes if lv == 2 else land).append(c[:-1])
        else:
            open_lines.append(c)
    # Every open line enters and leaves at the frame with the land on its left, so from a
    # line's end the frame is followed backwards (south on the west edge) to the nearest start.
    w, h = EAST - WEST, NORTH - SOUTH
    perim = 2 * (w + h)
    corners = {0.0: (WEST, SOUTH), h: (WEST, NORTH), h + w: (EAST, NORTH),
               2 * h + w: (EAST, SOUTH)}
    todo = list(open_lines)
    while todo:
        ring, first = [], todo.pop(0)
        line = first
        while True:
            ring.extend(line)
            t_end = frame_pos(line[-1])
            nxt = min(todo + [first], key=lambda c: (t_end - frame_pos(c[0])) % perim)
            d = (t_end - frame_pos(nxt[0])) % perim
            for c in sorted(corners, key=lambda c: (t_end - c) % perim):
                if 0 < (t_end - c) % perim < d:
                    ring.append(corners[c])
            if nxt is first:
                break
            todo.remove(nxt)
            line = nxt
        land.append(ring)
    return land, lakes


# --- The warp ----------------------------------------------------------------------------------
# Places and where the map puts them (pixels). The panels stand over their provinces; the far
# anchors keep the rest of the land in its shape around them.
CONTROL = [
    # Owari, Mino, Mikawa, Totomi, Shinano
    ((136.90, 35.17), (500, 292)),   # Nagoya
    ((136.94, 35.39), (488, 236)),   # Inuyama on the Kiso
    ((136.78, 35.58), (450, 160)),   # Mino (Seki)
    ((137.17, 34.95), (640, 372)),   # Okazaki
    ((137.85, 34.85), (808, 384)),   # Totomi
    ((137.82, 35.51), (752, 168)),   # Iida
    # Ise and its bay
    ((136.64, 34.96), (452, 356)),   # Yokkaichi
    ((136.40, 34.72), (362, 428)),   # inland of Tsu
    ((136.53, 34.72), (428, 432)),   # Tsu on the coast
    ((136.85, 34.85), (530, 395)),   # the west coast of Chita
    # Omi and Kyoto
    ((136.15, 35.04), (232, 384)),   # south Omi
    ((136.27, 35.38), (240, 268)),   # Nagahama
    ((136.22, 35.50), (232, 224)),   # Kinomoto
    ((136.03, 35.40), (185, 272)),   # Imazu, the west shore
    ((136.16, 35.53), (205, 232)),   # north end of Lake Biwa
    ((135.96, 35.02), (172, 388)),   # Kusatsu
    ((135.90, 34.97), (154, 402)),   # Seta, south end of the lake
    ((135.76, 35.01), (78, 452)),    # Kyoto
    # Echizen and Wakasa
    ((136.08, 35.59), (168, 214)),   # Shinbo, on the border of Echizen and north Omi
    ((136.07, 35.65), (150, 214)),   # Tsuruga
    ((135.97, 35.76), (104, 246)),    # Tateishi, the tip of the Tsuruga peninsula
    ((135.96, 35.98), (12, 236)),    # Cape Echizen
    ((136.17, 35.90), (92, 172)),    # Takefu
    ((136.22, 36.06), (55, 125)),    # Fukui
    ((135.75, 35.49), (40, 318)),    # Obama
]
# Far places held where a plain projection puts them.
ANCHORS = [(135.2, 34.2), (135.2, 36.0), (135.2, 37.2), (136.6, 37.2), (138.0, 37.2),
           (139.0, 37.2), (139.0, 35.8), (139.0, 34.2), (138.0, 34.2), (136.8, 33.9)]
BASE_SCALE = (3.6, 3.0)       # pixels per kilometre across and down
BASE_ORIGIN = ((136.90, 35.17), (500, 292))
SMOOTHING = 0.0


def base(p):
    (x, y), (x0, y0) = km(p), km(BASE_ORIGIN[0])
    return (BASE_ORIGIN[1][0] + BASE_SCALE[0] * (x - x0), BASE_ORIGIN[1][1] + BASE_SCALE[1] * (y - y0))


def solve(a, b):
    """Gaussian elimination with partial pivoting; a is n x n, b is n x m."""
    n = len(a)
    m = [row[:] + brow[:] for row, brow in zip(a, b)]
    for c in range(n):
        piv = max(range(c, n), key=lambda r: abs(m[r][c]))
        m[c], m[piv] = m[piv], m[c]
        for r in range(n):
            if r != c and m[r][c] != 0.0:
                f = m[r][c] / m[c][c]
                m[r] = [x - f * y for x, y in zip(m[r], m[c])]
    return [[x / m[r][r] for x in m[r][n:]] for r in range(n)]


def kernel(r2):
    return 0.0 if r2 <= 0.0 else 0.5 * r2 * math.log(r2)


class Warp:
    """Thin-plate spline from kilometres to map pixels through CONTROL and ANCHORS."""

    def __init__(self):
        pairs = [(km(g), t) for g, t in CONTROL] + [(km(g), base(g)) for g in ANCHORS]
        self.src = [s for s, _ in pairs]
        n = len(pairs)
        a = [[0.0] * (n + 3) for _ in range(n + 3)]
        for i, (si, _) in enumerate(pairs):
            for j, (sj, _) in enumerate(pairs):
                a[i][j] = kernel((si[0] - sj[0]) ** 2 + (si[1] - sj[1]) ** 2)
            a[i][i] += SMOOTHING
            a[i][n:] = [1.0, si[0], si[1]]
            a[n][i], a[n + 1][i], a[n + 2][i] = 1.0, si[0], si[1]
        b = [list(t) for _, t in pairs] + [[0.0, 0.0]] * 3
        self.coef = solve(a, b)

    def __call__(self, p):
        x, y = km(p)
        n = len(self.src)
        c = self.coef
        u = c[n][0] + c[n + 1][0] * x + c[n + 2][0] * y
        v = c[n][1] + c[n + 1][1] * x + c[n + 2][1] * y
        for (sx, sy), (wu, wv) in zip(self.src, c):
            k = kernel((x - sx) ** 2 + (y - sy) ** 2)
            u += wu * k
            v += wv * k
        return (u, v)


# --- Drawing -----------------------------------------------------------------------------------
MARGIN = 6          # the drawing runs this far past the picture's edges
TOLERANCE = 0.35    # pixels a simplified line may stray from the warped one
STEP_KM = 1.5       # the province polygons' sides are cut into pieces this long before warping


def densify(ring):
    out = []
    for i, a in enumerate(ring):
        b = ring[(i + 1) % len(ring)]
        d = math.dist(km(a), km(b))
        n = max(1, math.ceil(d / STEP_KM))
        out.extend((a[0] + (b[0] - a[0]) * k / n, a[1] + (b[1] - a[1]) * k / n) for k in range(n))
    return out


def clip(ring):
    """Sutherland-Hodgman against the picture and its margin (the cut runs out of sight)."""
    lo_x, lo_y, hi_x, hi_y = -MARGIN, -MARGIN, W + MARGIN, H + MARGIN
    edges = [(lambda p: p[0] >= lo_x, 0, lo_x), (lambda p: p[0] <= hi_x, 0, hi_x),
             (lambda p: p[1] >= lo_y, 1, lo_y), (lambda p: p[1] <= hi_y, 1, hi_y)]
    for inside, axis, value in edges:
        if not ring:
            break
        out = []
        for i, q in enumerate(ring):
            p = ring[i - 1]
            if inside(q):
                if not inside(p):
                    out.append(cut(p, q, axis, value))
                out.append(q)
            elif inside(p):
                out.append(cut(p, q, axis, value))
        ring = out
    return ring


def cut(p, q, axis, value):
    t = (value - p[axis]) / (q[axis] - p[axis])
    return (p[0] + t * (q[0] - p[0]), p[1] + t * (q[1] - p[1]))


def simplify(line):
    """Douglas-Peucker, keeping the first and last point."""
    if len(line) < 3:
        return list(line)
    keep = [False] * len(line)
    keep[0] = keep[-1] = True
    stack = [(0, len(line) - 1)]
    while stack:
        i, j = stack.pop()
        (ax, ay), (bx, by) = line[i], line[j]
        length = math.hypot(bx - ax, by - ay)
        best, best_k = -1.0, None
        for k in range(i + 1, j):
            px, py = line[k]
            if length == 0.0:
                d = math.hypot(px - ax, py - ay)
            else:
                d = abs((bx - ax) * (ay - py) - (ax - px) * (by - ay)) / length
            if d > best:
                best, best_k = d, k
        if best_k is not None and best > TOLERANCE:
            keep[best_k] = True
            stack.extend([(i, best_k), (best_k, j)])
    return [p for p, k in zip(line, keep) if k]


def despike(ring, width=3.0):
    """Leaves out a point whose two neighbours are closer than width: piers, moles and inlets
    narrower than the black line would otherwise break the land into specks."""
    changed = True
    while changed and len(ring) > 3:
        changed = False
        out = []
        i = 0
        n = len(ring)
        while i < n:
            a, c = (out[-1] if out else ring[-1]), ring[(i + 1) % n]
            if len(ring) - (i - len(out)) > 3 and math.dist(a, c) < width:
                changed = True
            else:
                out.append(ring[i])
            i += 1
        ring = out
    return ring


def simplify_ring(ring):
    if len(ring) < 4:
        return ring
    # Split at the point farthest from the first so that both halves have fixed ends.
    far = max(range(len(ring)), key=lambda k: math.dist(ring[0], ring[k]))
    return simplify(ring[:far + 1])[:-1] + simplify(ring[far:] + ring[:1])[:-1]


def fmt(x):
    s = f"{x:.1f}"
    return "0" if s in ("0.0", "-0.0") else s.removesuffix(".0")


def path(rings):
    parts = []
    for ring in rings:
        parts.append("M" + " ".join(f"{fmt(x)},{fmt(y)}" for x, y in ring) + "Z")
    return "".join(parts)


def drawn(rings, warp, dense=False):
    """Warped, clipped and simplified rings; rings that fall outside the picture are left out."""
    out = []
    for ring in rings:
        ring = clip([warp(p) for p in (densify(ring) if dense else ring)])
        ring = simplify_ring(ring if dense else despike(ring))
        if len(ring) >= 3:
            out.append(ring)
    return out


def svg():
    warp = Warp()
    land, lakes = load_shore()
    parts = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{W}" height="{H}" '
             f'viewBox="0 0 {W} {H}">',
             f'<rect id="land" width="{W}" height="{H}" fill="{NEUTRAL}"/>',
             '<g stroke="#000" stroke-width="1.5" stroke-linejoin="round">']
    for p in sorted(PROVINCES):
        rings = drawn([[POINTS[n] for n in PROVINCES[p]]], warp, dense=True)
        parts.append(f'<path id="p{p}" fill="{COLOURS[p]}" d="{path(rings)}"/>')
    frame = [(-2 * MARGIN, -2 * MARGIN), (W + 2 * MARGIN, -2 * MARGIN),
             (W + 2 * MARGIN, H + 2 * MARGIN), (-2 * MARGIN, H + 2 * MARGIN)]
    parts.append(f'<path id="sea" fill="{SEA}" fill-rule="evenodd" '
                 f'd="{path([frame] + drawn(land, warp) + drawn(lakes, warp))}"/>')
    parts.append("</g>")
    parts.append("</svg>")
    return "\n".join(parts) + "\n"


def main():
    sys.stdout.write(svg())


if __name__ == "__main__":
    main()
