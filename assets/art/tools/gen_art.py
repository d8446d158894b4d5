#!/usr/bin/env python3
"""Generate every picture of The Dorv as an SVG file in assets/art/.

Python 3 standard library only.  The pictures are drawn with paths, basic
shapes, linear/radial gradients, opacity, transforms and groups, so that Qt's
QSvgRenderer draws them the same way on every machine: no filters, masks,
CSS or <text>.  Words are outlines, taken from tools/text_outlines.json.

That outline cache is made by the Qt helper text2path (see CMakeLists.txt).
When words change, refresh it by passing the helper's path:

    python3 assets/art/tools/gen_art.py --text2path /tmp/art-tools-build/text2path

Without --text2path the cached outlines are used (no Qt needed).

The button words in the player's language are the translations of the context
"PictureWords" in translations/dorv_*.ts: each button whose word a language
translates differently is also written as words/<button>.<word>.svg, once
for every language that uses that word (see word_file_name).
Randomness (cloud texture, snow) uses fixed seeds, so the output is stable.
"""
import argparse
import glob
import json
import math
import os
import random
import subprocess
import sys
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
ART = os.path.dirname(HERE)
CACHE = os.path.join(HERE, 'text_outlines.json')
WORDS = os.path.join(ART, 'words')
TRANSLATIONS = os.path.join(os.path.dirname(os.path.dirname(ART)), 'translations')
FONT_DIR = '/usr/share/fonts/truetype/dejavu'
BOLD = 'DejaVuSans-Bold.ttf'

# every (font, text) pair the pictures use
TEXTS = [(BOLD, t) for t in (
    'GAME', 'New', 'Load', 'Save', 'Sound', 'Music', 'Quit', 'On', 'Off',
    'Moves', 'View', 'UNDO', 'High Scores', 'THE', 'DORV', 'WINNERS',
    '8', '1')]


# ------------------------------------------------------------ translations --

def translated_words():
    """{language: {English word: its translation}} from the context PictureWords
    of every translation file; a word the language keeps in English is left out."""
    languages = {}
    for ts in sorted(glob.glob(os.path.join(TRANSLATIONS, 'dorv_*.ts'))):
        language = os.path.basename(ts)[len('dorv_'):-len('.ts')]
        words = languages.setdefault(language, {})
        for context in ET.parse(ts).getroot().iter('context'):
            if context.findtext('name') != 'PictureWords':
                continue
            for message in context.iter('message'):
                english = message.findtext('source')
                word = message.findtext('translation')
                if english and word and word != english:
                    words[english] = word
    return languages


def word_file_name(button, word):
    """The picture of `button` showing `word`: letters and digits as they are,
    any other character as its code point in hex between underscores (the
    program names its pictures the same way, src/kit/picture_words.cpp)."""
    return '%s.%s.svg' % (button[:-len('.svg')], ''.join(
        ch if ch.isascii() and ch.isalnum() else '_%x_' % ord(ch) for ch in word))


TRANSLATED = translated_words()
TEXTS += sorted({(BOLD, w) for ws in TRANSLATED.values() for w in ws.values()})


# ---------------------------------------------------------------- outlines --

def refresh_outlines(helper):
    lines = ''.join('%s\t%s\n' % (os.path.join(FONT_DIR, f), t) for f, t in TEXTS)
    env = dict(os.environ, QT_QPA_PLATFORM='offscreen')
    res = subprocess.run([helper], input=lines.encode(), stdout=subprocess.PIPE,
                         env=env, check=True)
    raw = json.loads(res.stdout.decode())
    out = {}
    for key, cmds in raw.items():
        path, text = key.split('|', 1)
        out[os.path.basename(path) + '|' + text] = cmds
    with open(CACHE, 'w') as fh:
        json.dump(out, fh, sort_keys=True, separators=(',', ':'))
        fh.write('\n')


OUTLINES = {}


def load_outlines():
    with open(CACHE) as fh:
        OUTLINES.update(json.load(fh))
    missing = ['%s|%s' % ft for ft in TEXTS if '%s|%s' % ft not in OUTLINES]
    if missing:
        sys.exit('gen_art: outlines missing for %s; run with --text2path' % missing)


# ------------------------------------------------------------ SVG helpers --

def f(v):
    """Format a number compactly."""
    s = '%.2f' % v
    s = s.rstrip('0').rstrip('.')
    return '0' if s in ('-0', '') else s


def el(tag, **attrs):
    parts = [tag]
    for k, v in attrs.items():
        if v is None:
            continue
        k = k.rstrip('_').replace('_', '-')
        if isinstance(v, float):
            v = f(v)
        parts.append('%s="%s"' % (k, v))
    return '<%s/>' % ' '.join(parts)


class Doc:
    def __init__(self, w, h):
        self.w, self.h = w, h
        self.defs = []
        self.body = []
        # a line the file says of itself beneath its heading, in a comment
        self.note = None
        self.known = {}

    def _grad(self, key, fmt):
        if key in self.known:
            return 'url(#%s)' % self.known[key]
        gid = 'g%d' % (len(self.known) + 1)
        self.known[key] = gid
        self.defs.append(fmt % gid)
        return 'url(#%s)' % gid

    @staticmethod
    def _stops(stops):
        out = []
        for s in stops:
            o, c = s[0], s[1]
            a = s[2] if len(s) > 2 else 1
            out.append('<stop offset="%s" stop-color="%s"%s/>' % (
                f(o), c, '' if a >= 1 else ' stop-opacity="%s"' % f(a)))
        return ''.join(out)

    def lin(self, x1, y1, x2, y2, stops, units='userSpaceOnUse'):
        body = ('x1="%s" y1="%s" x2="%s" y2="%s" gradientUnits="%s">%s' % (
            f(x1), f(y1), f(x2), f(y2), units, self._stops(stops)))
        return self._grad('L' + body, '<linearGradient id="%s" ' + body.replace('%', '%%') + '</linearGradient>')

    def rad(self, cx, cy, r, stops, fx=None, fy=None, units='userSpaceOnUse', transform=None):
        body = 'cx="%s" cy="%s" r="%s"' % (f(cx), f(cy), f(r))
        if fx is not None:
            body += ' fx="%s" fy="%s"' % (f(fx), f(fy))
        if transform:
            body += ' gradientTransform="%s"' % transform
        body += ' gradientUnits="%s">%s' % (units, self._stops(stops))
        return self._grad('R' + body, '<radialGradient id="%s" ' + body.replace('%', '%%') + '</radialGradient>')

    def obb(self, stops, fx=None, fy=None, cx=0.5, cy=0.5, r=0.5):
        """Radial gradient fitted to the bounding box of the shape."""
        return self.rad(cx, cy, r, stops, fx, fy, units='objectBoundingBox')

    def add(self, *items):
        self.body.extend(items)

    def save(self, name):
        out = ['<?xml version="1.0" encoding="UTF-8"?>',
               '<!-- The Dorv artwork. Generated by tools/gen_art.py; edit that, not this file. -->']
        if self.note:
            out.append('<!-- %s -->' % self.note)
        out += ['<svg xmlns="http://www.w3.org/2000/svg" version="1.1" width="%d" height="%d" '
               'viewBox="0 0 %d %d">' % (self.w, self.h, self.w, self.h)]
        if self.defs:
            out.append('<defs>')
            out.extend(self.defs)
            out.append('</defs>')
        out.extend(self.body)
        out.append('</svg>')
        with open(os.path.join(ART, name), 'w') as fh:
            fh.write('\n'.join(out) + '\n')


def poly_d(pts, close=True):
    s = 'M' + ' L'.join('%s %s' % (f(x), f(y)) for x, y in pts)
    return s + ('Z' if close else '')


def arc_beziers(cx, cy, rx, ry, a0, a1):
    """Cubic bezier pieces ('C' strings) for an elliptic arc from angle a0 to a1
    (radians, y down).  The start point is not included."""
    n = max(1, int(math.ceil(abs(a1 - a0) / (math.pi / 2) - 1e-9)))
    da = (a1 - a0) / n
    k = 4.0 / 3.0 * math.tan(da / 4)
    out = []
    a = a0
    for _ in range(n):
        b = a + da
        p0 = (cx + rx * math.cos(a), cy + ry * math.sin(a))
        p3 = (cx + rx * math.cos(b), cy + ry * math.sin(b))
        c1 = (p0[0] - k * rx * math.sin(a), p0[1] + k * ry * math.cos(a))
        c2 = (p3[0] + k * rx * math.sin(b), p3[1] - k * ry * math.cos(b))
        out.append('C%s %s %s %s %s %s' % tuple(f(v) for v in (c1 + c2 + p3)))
        a = b
    return ' '.join(out)


def arc_point(cx, cy, rx, ry, a):
    return cx + rx * math.cos(a), cy + ry * math.sin(a)


def crescent_d(cx, cy, r, dx, dy):
    """Region inside circle (cx,cy,r) but outside the same circle moved by
    (dx,dy): a crescent on the side opposite to (dx,dy)."""
    d = math.hypot(dx, dy)
    phi = math.atan2(dy, dx)
    # half angle, seen from each centre, of the intersection points
    h = math.acos(d / (2 * r))
    # on circle A the points are at phi +- h; the crescent arc passes phi+pi
    a0, a1 = phi + h, phi + 2 * math.pi - h
    # seen from circle B (centre moved by dx,dy) the same points are at
    # phi+pi+h and phi+pi-h; its arc inside A passes phi+pi
    b0, b1 = phi + math.pi + h, phi + math.pi - h
    p = arc_point(cx, cy, r, r, a0)
    s = 'M%s %s ' % (f(p[0]), f(p[1]))
    s += arc_beziers(cx, cy, r, r, a0, a1) + ' '
    s += arc_beziers(cx + dx, cy + dy, r, r, b0, b1) + 'Z'
    return s


def star_pts(cx, cy, ro, ri, n=5, rot=-90, sx=1.0, sy=1.0, tilt=0.0):
    pts = []
    for i in range(2 * n):
        a = math.radians(rot + i * 180.0 / n)
        rr = ro if i % 2 == 0 else ri
        x, y = rr * math.cos(a) * sx, rr * math.sin(a) * sy
        ct, st = math.cos(tilt), math.sin(tilt)
        pts.append((cx + x * ct - y * st, cy + x * st + y * ct))
    return pts


def octagon(cx, cy, ax, ay, diag):
    """Octagon with half-width ax, half-height ay and the corners cut by
    lines at distance `diag` from the centre."""
    k = diag * math.sqrt(2)
    return [(cx - (k - ay), cy - ay), (cx + (k - ay), cy - ay), (cx + ax, cy - (k - ax)),
            (cx + ax, cy + (k - ax)), (cx + (k - ay), cy + ay), (cx - (k - ay), cy + ay),
            (cx - ax, cy + (k - ax)), (cx - ax, cy - (k - ax))]


def reg_octagon(cx, cy, a):
    return octagon(cx, cy, a, a, a)


# ------------------------------------------------------------------ words --

def _bez(p0, p1, p2, p3, t):
    u = 1 - t
    return (u ** 3 * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t ** 3 * p3[0],
            u ** 3 * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t ** 3 * p3[1])


def outline_bbox(cmds):
    xs, ys = [], []
    cur = (0, 0)
    for c in cmds:
        if c[0] in 'ML':
            cur = (c[1], c[2])
            xs.append(cur[0]); ys.append(cur[1])
        else:
            p1, p2, p3 = (c[1], c[2]), (c[3], c[4]), (c[5], c[6])
            for i in range(1, 11):
                x, y = _bez(cur, p1, p2, p3, i / 10)
                xs.append(x); ys.append(y)
            cur = p3
    return min(xs), min(ys), max(xs), max(ys)


def outline_d(cmds, sx, sy, ox, oy):
    out = []
    for c in cmds:
        vals = c[1:]
        pts = ['%s %s' % (f(ox + sx * vals[i]), f(oy + sy * vals[i + 1])) for i in range(0, len(vals), 2)]
        out.append(c[0] + ' '.join(pts))
    return ''.join(out) + 'Z'


def word_scale(text, box, font=BOLD, stretch=(0.92, 1.18), narrower=None):
    """The horizontal and vertical scales that fit `text` into box (x, y, w, h):
    the vertical scale may differ from the horizontal one within `stretch` to
    fill the box better.  A word so long that it would fill less than
    `narrower` = (share, most) of the box's height is drawn narrower still, up
    to `most` times taller than wide, until it fills that share."""
    bx0, by0, bx1, by1 = outline_bbox(OUTLINES['%s|%s' % (font, text)])
    bw, bh = bx1 - bx0, by1 - by0
    x, y, w, h = box
    sx = w / bw
    sy = h / bh
    s = min(sx, sy)
    if sx < sy:      # limited by width: grow taller within limits
        sx, sy = s, min(sy, s * stretch[1])
        if narrower and bh * sy < h * narrower[0]:
            sy = min(h * narrower[0] / bh, s * narrower[1])
    else:            # limited by height: grow wider within limits
        sy, sx = s, min(sx, s / stretch[0])
    return sx, sy


def word_at(text, box, sx, sy, font=BOLD, align='center', baseline=None):
    """Outline of `text` at the scales sx, sy, centred in box (x, y, w, h)
    (or at its left); with `baseline`, standing on that line as far as the box
    allows.  Returns (d, (x0, y0, x1, y1))."""
    cmds = OUTLINES['%s|%s' % (font, text)]
    bx0, by0, bx1, by1 = outline_bbox(cmds)
    bw, bh = bx1 - bx0, by1 - by0
    x, y, w, h = box
    tw, th = bw * sx, bh * sy
    if align == 'left':
        ox = x
    else:
        ox = x + (w - tw) / 2
    oy = y + (h - th) / 2
    if baseline is not None:
        # the outlines' baseline is at 0
        oy = min(max(baseline + by0 * sy, y), y + h - th)
    d = outline_d(cmds, sx, sy, ox - bx0 * sx, oy - by0 * sy)
    return d, (ox, oy, ox + tw, oy + th)


def word(text, box, font=BOLD, stretch=(0.92, 1.18), align='center', narrower=None):
    """Outline of `text` fitted into box (x, y, w, h), see word_scale().
    Returns (d, (x0, y0, x1, y1))."""
    sx, sy = word_scale(text, box, font, stretch, narrower)
    return word_at(text, box, sx, sy, font, align)


GOLD = [(0, '#fff8d6'), (0.28, '#ffdc6e'), (0.5, '#f2b437'), (0.53, '#c47f14'),
        (0.78, '#e8a531'), (1, '#ffd977')]


def gold_paint(d, pathd, bbox, sw=2.2, bevel=0.5, shadow=(0.8, 1.1), outline='#1e1003',
               stops=GOLD):
    """Paint a filled outline as embossed gold with a dark outline."""
    x0, y0, x1, y1 = bbox
    if shadow:
        d.add(el('path', d=pathd, transform='translate(%s %s)' % (f(shadow[0]), f(shadow[1])),
                 fill='#000', stroke='#000', stroke_width=sw + 0.4, stroke_linejoin='round',
                 opacity=0.5))
    d.add(el('path', d=pathd, fill=outline, stroke=outline, stroke_width=sw,
             stroke_linejoin='round'))
    if bevel:
        d.add(el('path', d=pathd, transform='translate(%s %s)' % (f(-bevel * 0.7), f(-bevel)),
                 fill='#fff6cf'))
        d.add(el('path', d=pathd, transform='translate(%s %s)' % (f(bevel * 0.7), f(bevel)),
                 fill='#5e3804'))
    g = d.lin(0, y0, 0, y1, stops)
    d.add(el('path', d=pathd, fill=g))


TEXT_PAD = (2.2, 2.0, 3.0, 3.0)   # left, top, right, bottom room for outline and shadow
UNDO_SIZE = (117, 32)


def word_box(name, w, h):
    """The box the word of the button `name` is fitted into, in a picture w x h:
    UNDO's stands right of its arrow."""
    if name == 'btn_undo':
        return (34, 2.0, w - 34 - 3, h - 5)
    pad = TEXT_PAD
    return (pad[0], pad[1], w - pad[0] - pad[2], h - pad[1] - pad[3])


def text_button(name, w, h, text, scales=None, note=None, baseline=None):
    """The word fitted into its box, or drawn at scales = (sx, sy) centred in it
    or standing on `baseline`."""
    d = Doc(w, h)
    d.note = note
    box = word_box(name, w, h)
    pd, bb = word_at(text, box, *scales, baseline=baseline) if scales else word(text, box)
    gold_paint(d, pd, bb)
    d.save(name)


def undo_button(text='UNDO', name='btn_undo.svg', w=UNDO_SIZE[0], scales=None, note=None, baseline=None):
    h = UNDO_SIZE[1]
    d = Doc(w, h)
    d.note = note
    # a chunky left arrow
    cy = 15.0
    ax = [(3.0, cy), (15.5, cy - 11.5), (15.5, cy - 5.0), (29.0, cy - 5.0),
          (29.0, cy + 5.0), (15.5, cy + 5.0), (15.5, cy + 11.5)]
    arrow = poly_d(ax)
    gold_paint(d, arrow, (0, cy - 11.5, 0, cy + 11.5))
    box = word_box('btn_undo', w, h)
    pd, bb = word_at(text, box, *scales, baseline=baseline) if scales else word(text, box)
    gold_paint(d, pd, bb)
    d.save(name)


# ------------------------------------------------------------- background --

def _mix(c1, c2, t):
    a = [int(c1[i:i + 2], 16) for i in (1, 3, 5)]
    b = [int(c2[i:i + 2], 16) for i in (1, 3, 5)]
    return '#%02x%02x%02x' % tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def _ramp(ramp, v):
    v = max(0.0, min(1.0, v))
    for i in range(len(ramp) - 1):
        (v0, c0), (v1, c1) = ramp[i], ramp[i + 1]
        if v <= v1:
            return _mix(c0, c1, (v - v0) / (v1 - v0))
    return ramp[-1][1]


def background():
    W, H = 635, 473
    d = Doc(W, H)
    rng = random.Random(19770405)
    d.add(el('rect', x=0, y=0, width=W, height=H,
             fill=d.lin(0, 0, 0, H, [(0, '#0e0803'), (0.5, '#070402'), (1, '#030201')])))

    # Where the gold clouds gather: broad, flat bands of "density".
    bumps = []
    for _ in range(12):
        bumps.append((rng.uniform(-50, W + 50), rng.uniform(-20, H + 20),
                      rng.uniform(90, 190), rng.uniform(36, 70), rng.uniform(0.7, 1.2)))

    def density(x, y):
        v = 0.0
        for bx, by, sx, sy, a in bumps:
            v += a * math.exp(-((x - bx) / sx) ** 2 - ((y - by) / sy) ** 2)
        return min(1.2, v)

    def soft(colour, a):
        """Radial puff with a bell-shaped opacity, so that overlapping puffs
        melt together without showing their edges or centres."""
        stops = []
        for i in range(8):
            t = i / 7.0
            g = (math.exp(-3.2 * t * t) - math.exp(-3.2)) / (1 - math.exp(-3.2))
            stops.append((t, colour, a * g))
        return d.obb(stops)

    # colour of the cloud by density: deep amber shadows up to sunlit gold
    ramp = [(0.0, '#1a0e03'), (0.35, '#4a2a06'), (0.55, '#8e540c'), (0.75, '#d08c1e'),
            (0.9, '#f2b030'), (1.05, '#ffd060'), (1.2, '#ffe496')]
    gold = {}

    def gold_fill(v, a):
        key = (round(v * 20), a)
        if key not in gold:
            gold[key] = soft(_ramp(ramp, key[0] / 20.0), a)
        return gold[key]

    shade = {a: soft('#000000', a) for a in (0.75, 0.45)}
    dark = {a: soft('#000000', a) for a in (1.0, 0.8)}

    octaves = [  # (count, radius range, opacity, shadow, flatness, lift)
        (46, (70, 130), 1.0, 0, (1.3, 1.7), 0.0),
        (150, (30, 60), 1.0, 0.75, (1.25, 1.65), 0.14),
        (230, (15, 30), 0.85, 0.45, (1.25, 1.7), 0.18),
    ]
    for oi, (count, rr, a, sh, fl, lift) in enumerate(octaves):
        for _ in range(count):
            x, y = rng.uniform(-30, W + 30), rng.uniform(-30, H + 30)
            r = rng.uniform(*rr)
            flat = rng.uniform(*fl)
            v = density(x, y) + rng.uniform(-0.15, 0.15)
            if v > 0.42 + 0.1 * oi:
                if sh:
                    d.add(el('ellipse', cx=x + 0.12 * r, cy=y + 0.5 * r, rx=r * flat * 1.05, ry=r * 0.85,
                             fill=shade[sh]))
                # billows higher up in a cloud catch more light
                up = density(x, y - r) - density(x, y + r)
                d.add(el('ellipse', cx=x, cy=y, rx=r * flat, ry=r,
                         fill=gold_fill(v + lift - 0.25 * max(0, -up) + 0.15 * max(0, up), a)))
            elif v < 0.3 and oi < 2:
                d.add(el('ellipse', cx=x, cy=y, rx=r * flat * 1.05, ry=r, fill=dark[1.0]))
    # a gentle vignette keeps the edges rich and dark
    d.add(el('rect', x=0, y=0, width=W, height=H,
             fill=d.rad(W / 2, H / 2, W * 0.62, [(0, '#000', 0), (0.7, '#000', 0), (1, '#000', 0.45)],
                        transform='translate(%s %s) scale(1 %s) translate(%s %s)' % (
                            f(W / 2), f(H / 2), f(H / W * 1.15), f(-W / 2), f(-H / 2)))))
    d.save('background.svg')


# ----------------------------------------------------------------- boards --

BW, BH = 356, 301


def hole_centre(r, c):
    return (2040 + (c - 3) * 580) / 15.0, (480 + (r - 1) * 580) / 15.0


def holes():
    rows = {1: (3, 5), 2: (2, 6), 3: (1, 7), 4: (1, 7), 5: (1, 7), 6: (2, 6), 7: (3, 5)}
    for r in range(1, 8):
        lo, hi = rows[r]
        for c in range(lo, hi + 1):
            yield hole_centre(r, c)


BCX, BCY = hole_centre(4, 4)     # centre of the hole pattern


def board0():
    d = Doc(BW, BH)
    cx, cy = BCX, BCY
    # soft shadow under the frame
    d.add(el('path', d=poly_d(reg_octagon(cx + 1.5, cy + 3, 146)), fill='#000', opacity=0.45))
    # outer gold trim
    gold_metal = [(0, '#fff2b8'), (0.22, '#e9b748'), (0.45, '#8a5a12'), (0.6, '#f6cd62'),
                  (0.8, '#a4701a'), (1, '#f0c45a')]
    d.add(el('path', d=poly_d(reg_octagon(cx, cy, 146)),
             fill=d.lin(cx - 146, cy - 146, cx + 146, cy + 146, gold_metal)))
    d.add(el('path', d=poly_d(reg_octagon(cx, cy, 144.6)), fill='none', stroke='#4a2e06',
             stroke_width=0.8, opacity=0.6))
    # lacquered frame with a bevel (lit from the top left)
    d.add(el('path', d=poly_d(reg_octagon(cx, cy, 143.2)),
             fill=d.lin(cx - 143, cy - 143, cx + 143, cy + 143,
                        [(0, '#5a2414'), (0.3, '#2a0c06'), (0.7, '#160604'), (1, '#060202')])))
    d.add(el('path', d=poly_d(reg_octagon(cx, cy, 139.6)),
             fill=d.lin(cx - 140, cy - 140, cx + 140, cy + 140,
                        [(0, '#0a0302'), (0.5, '#1e0905'), (1, '#4a1e10')])))
    # inner gold line
    d.add(el('path', d=poly_d(reg_octagon(cx, cy, 138.6)),
             fill=d.lin(cx - 138, cy - 138, cx + 138, cy + 138,
                        [(0, '#ffe9a0'), (0.5, '#b47c1c'), (1, '#f3c558')])))
    # the playing field: deep lacquer with a warm sheen
    d.add(el('path', d=poly_d(reg_octagon(cx, cy, 137.4)),
             fill=d.rad(cx - 50, cy - 60, 230, [(0, '#3e140a'), (0.45, '#220905'), (1, '#0c0302')],
                        fx=cx - 70, fy=cy - 80)))
    # a soft reflection across the lacquer
    d.add(el('ellipse', cx=cx - 40, cy=cy - 70, rx=120, ry=55, transform='rotate(-30 %s %s)' % (f(cx - 40), f(cy - 70)),
             fill=d.obb([(0, '#ffd9a0', 0.16), (1, '#ffd9a0', 0)])))
    # gold studs in the four diagonal corners
    for sx_, sy_ in ((-1, -1), (1, -1), (1, 1), (-1, 1)):
        k = 124.0 / math.sqrt(2) + 4
        px, py = cx + sx_ * k, cy + sy_ * k
        d.add(el('circle', cx=px + 0.4, cy=py + 0.8, r=3.2, fill='#000', opacity=0.6))
        d.add(el('circle', cx=px, cy=py, r=3.0,
                 fill=d.rad(px - 1, py - 1.2, 3.6, [(0, '#fff6c8'), (0.5, '#e8b03c'), (1, '#6e4408')])))
    # holes
    R = 15.4
    lip = d.obb([(0, '#000000', 0), (0.88, '#000000', 0), (1, '#000000', 0.5)])
    for x, y in holes():
        # gold-lit lower lip and dark upper edge of the bore
        d.add(el('circle', cx=x, cy=y, r=R + 1.3,
                 fill=d.lin(0, -1, 0, 1, [(0, '#000000', 0.7), (0.55, '#2a1006', 0.4),
                                          (1, '#e7b454', 0.85)], units='objectBoundingBox')))
        d.add(el('circle', cx=x, cy=y, r=R,
                 fill=d.obb([(0, '#000000'), (0.6, '#030101'), (0.86, '#160905'), (1, '#3c2010')],
                            cx=0.5, cy=0.62, r=0.62, fx=0.5, fy=0.7)))
        # shadow cast by the upper rim into the bore
        d.add(el('path', d=crescent_d(x, y, R, 0, 3.2), fill='#000', opacity=0.55))
    d.save('board0.svg')


def board1():
    d = Doc(BW, BH)
    # light grey plate with a rounded bevelled edge
    d.add(el('rect', x=2.5, y=3.5, width=BW - 4, height=BH - 4, rx=20, fill='#000', opacity=0.35))
    d.add(el('rect', x=0.5, y=0.5, width=BW - 3, height=BH - 3, rx=20,
             fill=d.lin(0, 0, BW, BH, [(0, '#ffffff'), (0.45, '#d9dadc'), (1, '#8a8c90')]),
             stroke='#55575c', stroke_width=1))
    d.add(el('rect', x=6, y=6, width=BW - 14, height=BH - 14, rx=15,
             fill=d.lin(0, 0, BW, BH, [(0, '#b8babe'), (0.5, '#d0d2d5'), (1, '#f4f5f6')])))
    d.add(el('rect', x=8, y=8, width=BW - 18, height=BH - 18, rx=13,
             fill=d.lin(0, 0, 0, BH, [(0, '#e9eaec'), (0.5, '#dcdde0'), (1, '#cbccd0')])))
    # faint brushed sheen
    d.add(el('ellipse', cx=BW * 0.35, cy=BH * 0.25, rx=BW * 0.45, ry=BH * 0.3,
             fill=d.obb([(0, '#ffffff', 0.5), (1, '#ffffff', 0)])))
    R = 15.5
    for x, y in holes():
        # bright rim where the cup edge faces the light, dark where it turns away
        d.add(el('circle', cx=x, cy=y, r=R + 1.2,
                 fill=d.lin(0, 0, 1, 1, [(0, '#8e9096'), (0.5, '#c9cacd'), (1, '#ffffff')],
                            units='objectBoundingBox')))
        # the cup
        d.add(el('circle', cx=x, cy=y, r=R,
                 fill=d.obb([(0, '#e4e5e8'), (0.6, '#c6c8cc'), (1, '#9c9ea4')],
                            cx=0.6, cy=0.64, r=0.6, fx=0.62, fy=0.68)))
        # the crescent shadow thrown by the upper left rim
        d.add(el('path', d=crescent_d(x, y, R, 4.2, 5.4),
                 fill=d.lin(0, 0, 1, 1, [(0, '#2e3034'), (0.7, '#5c5e64'), (1, '#7a7c82')],
                            units='objectBoundingBox')))
        d.add(el('path', d=crescent_d(x, y, R, 2.0, 2.6), fill='#15161a', opacity=0.55))
    d.save('board1.svg')


def board2():
    d = Doc(BW, BH)
    cx, cy, R0 = BCX, BCY, 146.0
    d.add(el('circle', cx=cx + 1.5, cy=cy + 3, r=R0, fill='#000', opacity=0.45))
    d.add(el('circle', cx=cx, cy=cy, r=R0,
             fill=d.lin(cx - R0, cy - R0, cx + R0, cy + R0,
                        [(0, '#f4f4f6'), (0.5, '#9a9ca2'), (1, '#3c3e44')])))
    d.add(el('circle', cx=cx, cy=cy, r=R0 - 5,
             fill=d.lin(cx - R0, cy - R0, cx + R0, cy + R0,
                        [(0, '#5a5c62'), (0.5, '#8c8e94'), (1, '#d4d6da')])))
    d.add(el('circle', cx=cx, cy=cy, r=R0 - 7,
             fill=d.lin(cx - R0, cy - R0, cx + R0, cy + R0,
                        [(0, '#c9cbcf'), (0.55, '#8d9096'), (1, '#55585e')])))
    d.add(el('ellipse', cx=cx - 45, cy=cy - 55, rx=90, ry=60, transform='rotate(-35 %s %s)' % (f(cx - 45), f(cy - 55)),
             fill=d.obb([(0, '#ffffff', 0.35), (1, '#ffffff', 0)])))
    Ro, Ri = 17.2, 12.0
    for x, y in holes():
        # cast shadow of the raised ring
        d.add(el('circle', cx=x + 1.3, cy=y + 1.9, r=Ro, fill='#1a1b1f', opacity=0.45))
        # the raised ring: lit from the top left
        d.add(el('circle', cx=x, cy=y, r=Ro,
                 fill=d.lin(0, 0, 1, 1, [(0, '#ffffff'), (0.45, '#b4b6bb'), (1, '#4a4c52')],
                            units='objectBoundingBox')))
        d.add(el('circle', cx=x, cy=y, r=Ro - 2.0,
                 fill=d.lin(0, 0, 1, 1, [(0, '#e8e9ec'), (0.5, '#a2a4aa'), (1, '#6c6e74')],
                            units='objectBoundingBox')))
        # inner bevel, falling into the hole
        d.add(el('circle', cx=x, cy=y, r=Ri + 1.6,
                 fill=d.lin(0, 0, 1, 1, [(0, '#3e4046'), (0.5, '#7e8086'), (1, '#f2f3f5')],
                            units='objectBoundingBox')))
        d.add(el('circle', cx=x, cy=y, r=Ri,
                 fill=d.obb([(0, '#5a5d64'), (0.7, '#2e3036'), (1, '#16171b')],
                            cx=0.56, cy=0.6, r=0.62, fx=0.6, fy=0.66)))
    d.save('board2.svg')


# ------------------------------------------------------------------ balls --

def sphere(d, cx, cy, r, light, mid, dark, edge, focus=(-0.36, -0.42)):
    g = d.rad(cx + focus[0] * r, cy + focus[1] * r, r * 1.5,
              [(0, light), (0.32, mid), (0.78, dark), (1, edge)])
    d.add(el('circle', cx=cx, cy=cy, r=r, fill=g))


def gloss(d, cx, cy, r, bounce=None, rim=0.38, shine=0.9, dot=True, outline=0.45):
    if bounce:
        d.add(el('ellipse', cx=cx + 0.18 * r, cy=cy + 0.55 * r, rx=0.66 * r, ry=0.36 * r,
                 transform='rotate(-22 %s %s)' % (f(cx + 0.18 * r), f(cy + 0.55 * r)),
                 fill=d.obb([(0, bounce, 0.6), (1, bounce, 0)])))
    if rim:
        d.add(el('circle', cx=cx, cy=cy, r=r,
                 fill=d.rad(cx - 0.1 * r, cy - 0.12 * r, r * 1.1,
                            [(0, '#000', 0), (0.72, '#000', 0), (1, '#000', rim)])))
    if shine:
        hx, hy = cx - 0.34 * r, cy - 0.46 * r
        d.add(el('ellipse', cx=hx, cy=hy, rx=0.46 * r, ry=0.3 * r,
                 transform='rotate(-35 %s %s)' % (f(hx), f(hy)),
                 fill=d.obb([(0, '#ffffff', shine), (0.55, '#ffffff', shine * 0.35), (1, '#ffffff', 0)])))
        if dot:
            d.add(el('ellipse', cx=hx - 0.02 * r, cy=hy + 0.02 * r, rx=0.15 * r, ry=0.09 * r,
                     transform='rotate(-35 %s %s)' % (f(hx), f(hy)), fill='#ffffff', opacity=0.9))
    if outline:
        d.add(el('circle', cx=cx, cy=cy, r=r - 0.25, fill='none', stroke='#000',
                 stroke_width=0.5, opacity=outline))


def ball1():   # the default blue ball
    d = Doc(32, 32)
    cx = cy = 16.0
    r = 15.2
    sphere(d, cx, cy, r, '#b8e2ff', '#3484f6', '#0c36a4', '#04123c')
    # light passing through the ball gathers in a glow near the lower rim
    d.add(el('ellipse', cx=cx + 1.6, cy=cy + 7.2, rx=10.5, ry=6.4,
             transform='rotate(-22 %s %s)' % (f(cx + 1.6), f(cy + 7.2)),
             fill=d.obb([(0, '#8ae6ff', 0.75), (0.45, '#48b0ff', 0.38), (1, '#3aa4ff', 0)], fx=0.55, fy=0.62)))
    # darker rim all round
    d.add(el('circle', cx=cx, cy=cy, r=r,
             fill=d.rad(cx - 1.5, cy - 2, r * 1.12, [(0, '#000', 0), (0.78, '#000', 0), (1, '#000820', 0.45)])))
    # a window-like reflection along the upper left rim
    d.add(el('path', d=crescent_d(cx, cy, r - 1.1, 1.3, 1.8), fill='#ffffff', opacity=0.22))
    # soft and sharp highlights
    hx, hy = cx - 5.2, cy - 7.0
    d.add(el('ellipse', cx=hx, cy=hy, rx=7.4, ry=4.6, transform='rotate(-35 %s %s)' % (f(hx), f(hy)),
             fill=d.obb([(0, '#ffffff', 0.95), (0.5, '#ffffff', 0.42), (1, '#ffffff', 0)])))
    d.add(el('ellipse', cx=hx - 0.3, cy=hy + 0.1, rx=2.7, ry=1.6, transform='rotate(-35 %s %s)' % (f(hx), f(hy)),
             fill=d.obb([(0, '#ffffff'), (0.6, '#ffffff', 0.9), (1, '#ffffff', 0)])))
    d.add(el('circle', cx=cx, cy=cy, r=r - 0.25, fill='none', stroke='#020a30', stroke_width=0.5, opacity=0.6))
    d.save('ball1.svg')


def ball2():   # eight-ball
    d = Doc(32, 32)
    cx = cy = 16.0
    r = 15.2
    sphere(d, cx, cy, r, '#6a6e78', '#23252b', '#08080a', '#000000')
    # the white spot, slightly turned towards the top left
    px, py = cx - 2.2, cy - 2.6
    d.add(el('ellipse', cx=px, cy=py, rx=6.6, ry=6.3, transform='rotate(-40 %s %s)' % (f(px), f(py)),
             fill=d.obb([(0, '#ffffff'), (0.75, '#f2f0ea'), (1, '#c9c6bc')], fx=0.4, fy=0.38)))
    pd, bb = word('8', (px - 2.9, py - 4.3, 5.8, 8.6), stretch=(0.8, 1.25))
    d.add(el('path', d=pd, fill='#111111', transform='rotate(-8 %s %s)' % (f(px), f(py))))
    gloss(d, cx, cy, r, bounce='#8a94aa', rim=0.3, shine=0.85)
    d.save('ball2.svg')


def project_sphere(lat, lon, lat0, lon0):
    la, lo, la0 = math.radians(lat), math.radians(lon - lon0), math.radians(lat0)
    x = math.cos(la) * math.sin(lo)
    y = math.cos(la0) * math.sin(la) - math.sin(la0) * math.cos(la) * math.cos(lo)
    z = math.sin(la0) * math.sin(la) + math.cos(la0) * math.cos(la) * math.cos(lo)
    return x, y, z


def ball3():   # Christmas bauble
    d = Doc(32, 32)
    cx, cy, r = 16.0, 18.2, 13.4
    # hanging loop
    d.add(el('ellipse', cx=16, cy=2.9, rx=1.5, ry=1.9, fill='none', stroke='#6a4a10', stroke_width=1.2))
    d.add(el('ellipse', cx=16, cy=2.9, rx=1.5, ry=1.9, fill='none', stroke='#f6d27a', stroke_width=0.5))
    sphere(d, cx, cy, r, '#ff9c8c', '#e2231a', '#8c0608', '#3c0204')
    # white stars on the surface
    stars = [(-8, -28, 2.5), (-15, 20, 2.2), (35, 30, 1.8), (-30, -40, 1.8), (5, 55, 1.5),
             (-45, 10, 1.6), (50, -5, 1.6), (-5, -62, 1.4), (60, 50, 1.2)]
    for lat, lon, s in stars:
        x, y, z = project_sphere(lat, lon, 8, 0)
        if z < 0.15:
            continue
        px, py = cx + r * x, cy - r * y
        tilt = math.atan2(y, x) if (x or y) else 0
        pts = star_pts(0, 0, s, s * 0.42, rot=-90)
        # foreshorten towards the edge of the sphere
        k = max(0.25, z)
        ct, st = math.cos(tilt), math.sin(tilt)
        tp = []
        for ux, uy in pts:
            a = ux * ct + uy * st        # along the radial direction
            b = -ux * st + uy * ct
            a *= k
            tp.append((px + a * ct - b * st, py + a * st + b * ct))
        d.add(el('path', d=poly_d(tp), fill='#ffffff', opacity=0.6 + 0.4 * z))
    gloss(d, cx, cy, r, bounce='#ff7a5a', rim=0.35, shine=0.95)
    # the cap, in front of the glass
    d.add(el('rect', x=13.4, y=4.4, width=5.2, height=2.8, rx=0.6,
             fill=d.lin(13.4, 0, 18.6, 0, [(0, '#6e4a0c'), (0.3, '#ffe8a0'), (0.6, '#d8a436'),
                                           (1, '#5c3c08')])))
    d.add(el('path', d='M13.4 6.6 H18.6 L19.2 7.5 Q16 8.3 12.8 7.5Z',
             fill=d.lin(12.8, 0, 19.2, 0, [(0, '#5c3c08'), (0.35, '#fff0b8'), (0.65, '#c8942c'),
                                           (1, '#4a3006')])))
    for k in range(4):
        x = 14.1 + k * 1.25
        d.add(el('path', d='M%s 4.7 V6.6' % f(x), stroke='#7a5410', stroke_width=0.35, opacity=0.7))
    d.save('ball3.svg')


def rot3(v, ax, ay, az):
    x, y, z = v
    c, s = math.cos(ax), math.sin(ax)
    y, z = y * c - z * s, y * s + z * c
    c, s = math.cos(ay), math.sin(ay)
    x, z = x * c + z * s, -x * s + z * c
    c, s = math.cos(az), math.sin(az)
    x, y = x * c - y * s, x * s + y * c
    return x, y, z


def norm(v):
    l = math.sqrt(sum(a * a for a in v))
    return tuple(a / l for a in v)


def sphere_poly(pts3, cx, cy, r):
    """Project a closed polygon given on the unit sphere (already densified);
    hidden points are pulled onto the rim so edges follow the outline."""
    out = []
    for x, y, z in pts3:
        if z < 0:
            l = math.hypot(x, y) or 1
            x, y = x / l, y / l
        out.append((cx + r * x, cy - r * y))
    return out


def densify3(pts, n):
    out = []
    for i in range(len(pts)):
        a, b = pts[i], pts[(i + 1) % len(pts)]
        for k in range(n):
            t = k / n
            out.append(norm(tuple(a[j] + (b[j] - a[j]) * t for j in range(3))))
    return out


def ball4():   # football
    d = Doc(32, 32)
    cx = cy = 16.0
    r = 15.2
    phi = (1 + 5 ** 0.5) / 2
    ico = []
    for a in (-1, 1):
        for b in (-phi, phi):
            ico += [(0, a, b), (a, b, 0), (b, 0, a)]
    nb = {i: [j for j in range(12) if i != j and
              abs(sum((ico[i][k] - ico[j][k]) ** 2 for k in range(3)) - 4) < 1e-6] for i in range(12)}
    # turn the ball: one pentagon towards the viewer, a little off centre
    v0 = norm(ico[0])
    ax = math.atan2(v0[1], v0[2])
    def orient(v):
        v = rot3(v, ax, 0, 0)
        v = rot3(v, 0, -math.atan2(rot3(v0, ax, 0, 0)[0], rot3(v0, ax, 0, 0)[2]), 0)
        return rot3(v, math.radians(-22), math.radians(24), math.radians(12))
    d.add(el('circle', cx=cx, cy=cy, r=r,
             fill=d.rad(cx - 5, cy - 6, r * 1.5, [(0, '#ffffff'), (0.4, '#f1f1f1'), (0.8, '#b4b6bc'),
                                                   (1, '#6c6e76')])))
    # seams: every edge of the truncated icosahedron
    seams = []
    def third(i, j):
        return tuple(ico[i][k] + (ico[j][k] - ico[i][k]) / 3 for k in range(3))
    for i in range(12):
        for j in nb[i]:
            if i < j:        # between two hexagons: the middle third of an edge
                seams.append((third(i, j), third(j, i)))
    for i in range(12):      # around each pentagon
        for j in nb[i]:
            for k in nb[i]:
                if j < k and k in nb[j]:
                    seams.append((third(i, j), third(i, k)))
    sd = []
    for a, b in seams:
        pts = [orient(norm(tuple(a[k] + (b[k] - a[k]) * t / 6 for k in range(3)))) for t in range(7)]
        vis = [p for p in pts if p[2] > 0.02]
        if len(vis) < 2:
            continue
        sd.append(poly_d([(cx + r * p[0], cy - r * p[1]) for p in vis], close=False))
    d.add(el('path', d=' '.join(sd), fill='none', stroke='#7c7e86', stroke_width=0.45,
             stroke_linecap='round'))
    # black pentagons
    pent = []
    for i in range(12):
        c = norm(ico[i])
        nbs = nb[i]
        # order neighbours around the vertex
        ref = norm(tuple(ico[nbs[0]][k] - c[k] for k in range(3)))
        up = norm((c[1] * ref[2] - c[2] * ref[1], c[2] * ref[0] - c[0] * ref[2], c[0] * ref[1] - c[1] * ref[0]))
        def ang(j):
            v = tuple(ico[j][k] - c[k] for k in range(3))
            return math.atan2(sum(v[k] * up[k] for k in range(3)), sum(v[k] * ref[k] for k in range(3)))
        ring = [third(i, j) for j in sorted(nbs, key=ang)]
        pts = [orient(p) for p in densify3(ring, 6)]
        if max(p[2] for p in pts) < 0.03:
            continue
        pent.append(poly_d(sphere_poly(pts, cx, cy, r)))
    d.add(el('path', d=' '.join(pent), fill='#17171b'))
    # shading over everything
    d.add(el('circle', cx=cx, cy=cy, r=r,
             fill=d.rad(cx - 5, cy - 6, r * 1.55, [(0, '#000', 0), (0.45, '#000', 0.05),
                                                   (0.8, '#0a0c1a', 0.35), (1, '#000', 0.6)])))
    gloss(d, cx, cy, r, bounce=None, rim=0.25, shine=0.8)
    d.save('ball4.svg')


def ball5():   # green blob with two eyes
    d = Doc(32, 32)
    # blob outline: round top, soft wobbly bottom
    pts = []
    n = 48
    for i in range(n):
        a = 2 * math.pi * i / n
        rr = 14.4 + 0.8 * math.sin(3 * a + 0.5) * max(0, math.sin(a)) \
            + 0.5 * math.cos(5 * a) * max(0, math.sin(a))
        x = 16 + rr * math.cos(a) * 1.04
        y = 17.6 + rr * math.sin(a) * (0.9 if math.sin(a) > 0 else 1.0)
        pts.append((x, y))
    # smooth closed curve through the points (Catmull-Rom -> bezier)
    def smooth(ps):
        s = 'M%s %s' % (f(ps[0][0]), f(ps[0][1]))
        m = len(ps)
        for i in range(m):
            p0, p1, p2, p3 = ps[i - 1], ps[i], ps[(i + 1) % m], ps[(i + 2) % m]
            c1 = (p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6)
            c2 = (p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6)
            s += 'C%s %s %s %s %s %s' % tuple(f(v) for v in (c1 + c2 + p2))
        return s + 'Z'
    blob = smooth(pts)
    d.add(el('ellipse', cx=16, cy=30, rx=12, ry=1.6, fill=d.obb([(0, '#000', 0.45), (1, '#000', 0)])))
    d.add(el('path', d=blob, fill=d.rad(10.5, 9.5, 24, [(0, '#d8ff9a'), (0.3, '#5fd43e'), (0.75, '#168a2a'),
                                                        (1, '#06401a')])))
    d.add(el('ellipse', cx=18, cy=26.5, rx=9, ry=3.5,
             fill=d.obb([(0, '#b8ff70', 0.45), (1, '#b8ff70', 0)])))
    d.add(el('path', d=blob, fill='none', stroke='#04300f', stroke_width=0.6, opacity=0.55))
    # eyes
    for ex, ey, px in ((11.4, 15.2, 12.3), (20.2, 15.2, 21.1)):
        d.add(el('ellipse', cx=ex + 0.3, cy=ey + 0.7, rx=3.5, ry=4.3, fill='#063a14', opacity=0.5))
        d.add(el('ellipse', cx=ex, cy=ey, rx=3.4, ry=4.2,
                 fill=d.obb([(0, '#ffffff'), (0.75, '#f0f4ee'), (1, '#b8c8b4')], fx=0.4, fy=0.35)))
        d.add(el('circle', cx=px, cy=ey + 0.9, r=1.9, fill='#101418'))
        d.add(el('circle', cx=px - 0.7, cy=ey + 0.1, r=0.6, fill='#ffffff'))
    # glossy highlight
    d.add(el('ellipse', cx=9.5, cy=7.6, rx=5.2, ry=2.7, transform='rotate(-28 9.5 7.6)',
             fill=d.obb([(0, '#ffffff', 0.9), (0.6, '#ffffff', 0.3), (1, '#ffffff', 0)])))
    d.add(el('ellipse', cx=8.9, cy=7.7, rx=1.5, ry=0.8, transform='rotate(-28 8.9 7.7)',
             fill='#ffffff', opacity=0.9))
    d.save('ball5.svg')


def ball0():   # eyeball on two legs
    d = Doc(32, 32)
    # legs
    for x0, x1, foot in ((13.2, 11.2, -1), (18.8, 20.8, 1)):
        d.add(el('path', d='M%s 20 C%s 24 %s 25 %s 28' % (f(x0), f(x0), f(x1), f(x1)),
                 fill='none', stroke='#2a1a12', stroke_width=2.2, stroke_linecap='round'))
        d.add(el('path', d='M%s 20 C%s 24 %s 25 %s 28' % (f(x0), f(x0), f(x1), f(x1)),
                 fill='none', stroke='#a27a5a', stroke_width=0.8, stroke_linecap='round', opacity=0.8))
        fx = x1 + foot * 1.6
        d.add(el('ellipse', cx=fx, cy=29.4, rx=3.6, ry=2.0,
                 fill=d.obb([(0, '#ff6a4a'), (0.6, '#b81e10'), (1, '#4a0804')], fx=0.4, fy=0.3)))
        d.add(el('ellipse', cx=fx - 0.8, cy=28.6, rx=1.4, ry=0.6, fill='#ffffff', opacity=0.6))
    cx, cy, r = 16.0, 12.4, 11.6
    sphere(d, cx, cy, r, '#ffffff', '#f8f4ee', '#d6c8c0', '#8e6a66')
    # veins
    vd = []
    rng = random.Random(7)
    for a in (0.3, 1.0, 2.2, 2.9, 3.7, 4.6, 5.5):
        x0, y0 = cx + r * 0.97 * math.cos(a), cy + r * 0.97 * math.sin(a)
        x1, y1 = cx + r * 0.62 * math.cos(a + 0.25), cy + r * 0.62 * math.sin(a + 0.25)
        mx, my = cx + r * 0.8 * math.cos(a - 0.15), cy + r * 0.8 * math.sin(a - 0.15)
        vd.append('M%s %sQ%s %s %s %s' % tuple(f(v) for v in (x0, y0, mx, my, x1, y1)))
    d.add(el('path', d=''.join(vd), fill='none', stroke='#d2303a', stroke_width=0.45, opacity=0.65,
             stroke_linecap='round'))
    # iris and pupil, looking slightly up and right
    ix, iy = cx + 2.4, cy - 0.6
    d.add(el('ellipse', cx=ix, cy=iy, rx=5.4, ry=5.7,
             fill=d.obb([(0, '#9ef0ff'), (0.45, '#2aa6c8'), (0.85, '#0e5a7e'), (1, '#06283a')])))
    streaks = ''.join('M%s %sL%s %s' % (f(ix + 2.8 * math.cos(a)), f(iy + 2.9 * math.sin(a)),
                                         f(ix + 4.8 * math.cos(a)), f(iy + 5.1 * math.sin(a)))
                      for a in (k * math.pi / 9 for k in range(18)))
    d.add(el('path', d=streaks, stroke='#c8f6ff', stroke_width=0.3, opacity=0.45))
    d.add(el('circle', cx=ix + 0.2, cy=iy, r=2.5, fill='#050608'))
    gloss(d, cx, cy, r, bounce=None, rim=0.2, shine=0.8, dot=False, outline=0.4)
    d.add(el('circle', cx=ix - 1.4, cy=iy - 1.6, r=1.0, fill='#ffffff', opacity=0.95))
    d.save('ball0.svg')


CONTINENTS = {
    'africa': [(-17, 21), (-16, 15), (-17, 14.7), (-12, 8), (-8, 4.5), (-2, 5), (5, 6), (9, 4),
               (9.5, 1), (12, -5), (13, -11), (12, -17), (15, -27), (18, -34.5), (20, -35),
               (25, -34), (30, -31), (33, -26), (35, -24), (35, -19), (40, -15.5), (40.5, -11),
               (39.5, -5), (42, -0.5), (46, 2), (51, 11.5), (44, 11), (43, 12.5), (39, 16),
               (37, 19), (35, 24), (33, 28), (32.5, 31), (25, 32), (20, 30.5), (15, 32),
               (10, 34), (10, 37), (3, 37), (-5, 36), (-6, 35.5), (-10, 30), (-13, 27)],
    'madagascar': [(44, -25), (47, -25), (50, -15.5), (49, -12), (44, -16.5)],
    'eurasia': [(-9, 37), (-6, 36.5), (-2, 36.7), (0, 38.5), (3, 42), (3, 43.3), (6, 43), (8, 44),
                (10, 44), (12.5, 42), (15.5, 40), (16, 38), (18.5, 40), (16, 41.5), (13.5, 45.5),
                (19, 42), (20, 40), (23, 38), (24, 40.5), (26, 40), (27, 37), (30, 36.3),
                (36, 36.5), (35.8, 34.5), (34.5, 31.5), (33, 31), (35, 29), (35, 28), (39, 22),
                (43, 17), (43.5, 12.7), (45, 13), (52, 16), (55, 17.5), (58, 20.5), (59.8, 22.5),
                (56.5, 24), (56, 26.5), (51.5, 24), (50, 26), (48, 29.5), (50, 30), (53, 27),
                (57, 26), (62, 25), (67, 24.5), (68, 23), (70, 21), (73, 16), (75, 12), (77, 8),
                (80, 10), (80, 15.5), (87, 21), (92, 21), (94, 17), (98, 16), (100, 8),
                (104, 1.5), (103, 8), (108, 12), (106, 20), (112, 22), (120, 24), (122, 30),
                (121, 40), (126, 38), (130, 43), (140, 48), (140, 55), (160, 60), (170, 66),
                (180, 68), (140, 73), (110, 77), (90, 76), (70, 73), (60, 69), (45, 68),
                (40, 66), (33, 69), (30, 70), (28, 71), (25, 71), (20, 70), (17, 69), (14, 67),
                (10, 64), (5.5, 62), (5, 58), (8, 58), (11, 59), (12, 57), (13, 55.5), (16, 56),
                (18, 59), (17.5, 60), (18, 62), (22, 65), (25, 65), (21.5, 61), (23, 60.2),
                (29, 60), (24, 59.5), (21, 57), (21, 55), (14, 54), (8.5, 54), (8, 53.5),
                (4, 52), (2, 51), (-1.5, 49), (-4.5, 48), (-1.5, 46), (-2, 43.5), (-9, 43)],
    'britain': [(-5.5, 50), (1.5, 51), (1.5, 53), (-0.5, 54.5), (-2, 57), (-4, 58.6), (-6, 57.5),
                (-5, 55), (-3, 54), (-4.5, 53), (-5, 51.7)],
    'ireland': [(-10, 51.6), (-6, 52), (-6, 54.5), (-8, 55.2), (-10, 54)],
    'iceland': [(-24, 64), (-22, 66), (-16, 66.5), (-13.5, 65), (-18, 63.5)],
    'greenland': [(-45, 60), (-40, 65), (-22, 70), (-20, 76), (-25, 82), (-50, 82), (-60, 78),
                  (-55, 70), (-52, 65)],
    'samerica': [(-80, 9), (-77, 8), (-72, 12), (-62, 10.5), (-52, 5), (-50, 0), (-44, -2.5),
                 (-35, -5), (-35, -9), (-39, -15), (-41, -22), (-48, -26), (-54, -34),
                 (-58, -38.5), (-65, -41), (-68, -50), (-70, -54), (-75, -50), (-73, -38),
                 (-71, -30), (-70, -18), (-76, -14), (-81, -5), (-80, 0), (-78, 2), (-77, 7)],
    'namerica': [(-100, 50), (-95, 60), (-80, 63), (-62, 60), (-55, 52), (-66, 45), (-70, 42),
                 (-76, 38), (-76, 35), (-81, 31), (-80, 26), (-82, 29), (-85, 30), (-90, 29),
                 (-97, 27), (-97, 22), (-87, 21), (-88, 16), (-83, 15), (-79, 9), (-83, 8),
                 (-92, 15), (-100, 18)],
}
DESERTS = {
    'sahara': [(-13, 27), (-16, 20), (-15, 16.5), (0, 15.5), (15, 14.5), (25, 15.5), (35, 18),
               (37, 20), (35, 24), (33, 28), (32, 30.5), (25, 31.5), (20, 30), (15, 31.5),
               (10, 33), (0, 33.5), (-5, 32.5), (-10, 29.5)],
    'arabia': [(35, 28), (39, 22), (43, 17), (44, 14), (52, 16), (55, 17.5), (58, 20.5),
               (56.5, 24), (51.5, 24), (50, 26), (48, 29.5), (44, 32), (38, 32)],
    'kalahari': [(16, -20), (24, -18), (27, -24), (22, -29), (17, -27)],
}
SEAS = {
    'black': [(28, 41.5), (29, 45), (33, 46), (36, 45.5), (38, 47), (40, 44.5), (41.5, 41.5),
              (36, 41.7), (31, 41)],
    'caspian': [(47, 45), (50, 46.5), (53, 45), (51, 41), (54, 37), (50, 37), (49, 40.5)],
    'baltic': [(14, 54.5), (21, 55), (21, 57), (24, 59.5), (29, 60), (23, 60.2), (21.5, 61),
               (22, 65), (25, 65.5), (21, 63), (18, 62), (17.5, 60), (18, 59), (16, 56)],
    'redsea': [(32.6, 29.8), (34.5, 27.5), (38.5, 21), (43, 13), (43.4, 12.8), (42, 15),
               (38, 19), (35, 24), (33.5, 27.5)],
    'mediterranean_e': [(23, 35.5), (28, 36.5), (30, 36.3), (35.8, 34.5), (34.5, 31.5), (29, 31),
                        (25, 32), (20, 32.5)],
}


def ball6():   # the Earth, 48x48
    S = 48
    d = Doc(S, S)
    cx = cy = 24.0
    r = 22.6
    lat0, lon0 = 24, 12
    # faint atmosphere glow
    d.add(el('circle', cx=cx, cy=cy, r=r + 1.3,
             fill=d.rad(cx, cy, r + 1.3, [(0, '#6ac0ff', 0), (0.9, '#6ac0ff', 0),
                                          (0.95, '#7ac8ff', 0.5), (1, '#7ac8ff', 0)])))
    d.add(el('circle', cx=cx, cy=cy, r=r,
             fill=d.rad(cx - 8, cy - 9, r * 1.5, [(0, '#7cc6ff'), (0.35, '#2a7fe0'), (0.75, '#0f4aa8'),
                                                   (1, '#062458')])))

    def proj(poly, step=1.5):
        dense = []
        for i in range(len(poly)):
            (lo1, la1), (lo2, la2) = poly[i], poly[(i + 1) % len(poly)]
            if abs(lo2 - lo1) > 180:
                lo2 += -360 if lo2 > lo1 else 360
            n = max(1, int(max(abs(lo2 - lo1), abs(la2 - la1)) / step))
            for k in range(n):
                t = k / n
                dense.append(project_sphere(la1 + (la2 - la1) * t, lo1 + (lo2 - lo1) * t, lat0, lon0))
        if max(p[2] for p in dense) < 0.02:
            return None
        return poly_d(sphere_poly(dense, cx, cy, r))

    land = [p for p in (proj(v) for v in CONTINENTS.values()) if p]
    d.add(el('path', d=' '.join(land),
             fill=d.rad(cx - 8, cy - 9, r * 1.5, [(0, '#9ee070'), (0.45, '#4ea436'), (1, '#1e5a1c')])))
    dry = [p for p in (proj(v) for v in DESERTS.values()) if p]
    d.add(el('path', d=' '.join(dry),
             fill=d.rad(cx - 8, cy - 9, r * 1.5, [(0, '#ffe2a0'), (0.45, '#d6a85a'), (1, '#7a5624')]),
             opacity=0.95))
    sea = [p for p in (proj(v) for v in SEAS.values()) if p]
    d.add(el('path', d=' '.join(sea), fill='#2a78d8'))
    # polar ice
    ice = proj([(lo, 72) for lo in range(-180, 180, 10)][::-1])
    if ice:
        d.add(el('path', d=ice, fill='#f4f8ff', opacity=0.85))
    # a few cloud bands
    rng = random.Random(48)
    for lat, lon, w in ((8, -20, 26), (4, 30, 22), (-40, 20, 34), (52, -20, 30), (48, 40, 24),
                        (-8, -35, 14), (-28, 50, 18), (30, -45, 16)):
        pts = [project_sphere(lat + 2.2 * math.sin(k * 0.9) + rng.uniform(-0.5, 0.5), lon + k * w / 10,
                              lat0, lon0) for k in range(11)]
        vis = [p for p in pts if p[2] > 0.05]
        if len(vis) < 3:
            continue
        dd = poly_d([(cx + r * p[0], cy - r * p[1]) for p in vis], close=False)
        d.add(el('path', d=dd, fill='none', stroke='#ffffff', stroke_width=1.5, stroke_linecap='round',
                 opacity=0.45))
    # night side and rim
    d.add(el('circle', cx=cx, cy=cy, r=r,
             fill=d.rad(cx - 9, cy - 10, r * 1.7, [(0, '#000', 0), (0.45, '#000', 0), (0.8, '#000814', 0.45),
                                                    (1, '#000', 0.75)])))
    d.add(el('circle', cx=cx, cy=cy, r=r - 0.6, fill='none', stroke='#9fd8ff', stroke_width=1.2,
             opacity=0.35))
    gloss(d, cx, cy, r, rim=0, shine=0.5, dot=False, outline=0.5)
    d.save('ball6.svg')


def ball7():   # glass marble with coloured swirls
    d = Doc(32, 32)
    cx = cy = 16.0
    r = 15.2
    d.add(el('circle', cx=cx, cy=cy, r=r,
             fill=d.rad(cx, cy, r, [(0, '#dff6ff', 0.35), (0.6, '#a8dcf0', 0.45), (0.9, '#5aa6c8', 0.8),
                                    (1, '#1e5a78', 0.95)])))
    # coloured ribbons twisting through the glass
    def ribbon(rot, width):
        left, right = [], []
        n = 14
        for i in range(n + 1):
            t = i / n
            rr = 0.6 + t * 12.6
            ang = math.radians(rot) + t * 1.9
            w = width * math.sin(math.pi * min(1.0, t * 1.15)) + 0.15
            nx, ny = -math.sin(ang + 0.6), math.cos(ang + 0.6)
            px, py = cx + rr * math.cos(ang), cy + rr * math.sin(ang)
            left.append((px + nx * w, py + ny * w))
            right.append((px - nx * w, py - ny * w))
        return poly_d(left + right[::-1])
    for rot, col, hi in ((0, '#e8281e', '#ffb060'), (120, '#1a6cf0', '#8ad8ff'), (240, '#f0b000', '#fff08a')):
        d.add(el('path', d=ribbon(rot, 1.9), fill=d.lin(0, 0, 1, 1, [(0, hi), (0.6, col), (1, col)],
                                                         units='objectBoundingBox'), opacity=0.9))
        d.add(el('path', d=ribbon(rot + 60, 0.7), fill='#ffffff', opacity=0.55))
    d.add(el('circle', cx=cx, cy=cy, r=1.6, fill='#ffffff', opacity=0.7))
    # the glass: bright refracted light at the bottom, dark rim, reflections
    d.add(el('path', d=crescent_d(cx, cy, r - 0.8, -2.2, -3.0), fill='#ffffff', opacity=0.35))
    gloss(d, cx, cy, r, rim=0.25, shine=1.0, outline=0.5)
    d.add(el('ellipse', cx=cx + 6, cy=cy + 8.6, rx=2.2, ry=1.0, transform='rotate(-35 %s %s)' % (f(cx + 6), f(cy + 8.6)),
             fill='#ffffff', opacity=0.7))
    d.save('ball7.svg')


def ball8():   # a little sun
    d = Doc(32, 32)
    cx = cy = 16.0
    d.add(el('circle', cx=cx, cy=cy, r=16,
             fill=d.rad(cx, cy, 16, [(0, '#ffcc33', 0.6), (0.6, '#ff9a1a', 0.35), (1, '#ff7a00', 0)])))
    rays = []
    for i in range(12):
        a = 2 * math.pi * i / 12
        ro = 15.6 if i % 2 == 0 else 13.4
        w = 0.24 if i % 2 == 0 else 0.2
        rays += [(cx + 9.6 * math.cos(a - w), cy + 9.6 * math.sin(a - w)),
                 (cx + ro * math.cos(a), cy + ro * math.sin(a)),
                 (cx + 9.6 * math.cos(a + w), cy + 9.6 * math.sin(a + w))]
    rd = ''.join(poly_d(rays[k:k + 3]) for k in range(0, len(rays), 3))
    d.add(el('path', d=rd, fill=d.rad(cx, cy, 16, [(0, '#fff2a0'), (0.6, '#ffc21a'), (1, '#ff7a00')]),
             stroke='#a84a00', stroke_width=0.5, stroke_linejoin='round'))
    r = 10.4
    sphere(d, cx, cy, r, '#fffbe0', '#ffd93a', '#ff9800', '#c85400')
    d.add(el('circle', cx=cx, cy=cy, r=r, fill='none', stroke='#b05000', stroke_width=0.6, opacity=0.8))
    gloss(d, cx, cy, r, rim=0.15, shine=0.9, outline=0)
    d.save('ball8.svg')


def ball9():   # a cherry
    d = Doc(32, 32)
    cx, cy, r = 15.2, 19.6, 11.8
    stem = 'M15.6 9.4 C15.8 6.2 18.4 2.8 24.8 1.4'
    d.add(el('path', d=stem, fill='none', stroke='#2a3a0c', stroke_width=1.5, stroke_linecap='round'))
    d.add(el('path', d=stem, fill='none', stroke='#9ac24a', stroke_width=0.55, stroke_linecap='round',
             transform='translate(-0.25 0)'))
    leaf = 'M21.6 3.1 C23.4 4.6 27.8 6.2 30.6 5.2 C29.4 2.6 25.2 1.6 21.6 3.1Z'
    d.add(el('path', d=leaf, fill=d.lin(0, 0, 0, 1, [(0, '#a8e060'), (0.5, '#4e9a24'), (1, '#245c10')],
                                        units='objectBoundingBox'), stroke='#1a400a', stroke_width=0.45))
    d.add(el('path', d='M22.4 3.3 C25 3.9 27.6 4.6 29.8 5', fill='none', stroke='#d8ffa0',
             stroke_width=0.35, opacity=0.8))
    # the fruit: nearly round, a shallow dip where the stem goes in
    body = ('M15.4 9.2 C19.6 7 %s %s %s %s C%s %s %s %s %s %s '
            'C%s %s %s %s %s %s C%s %s 11.2 7 15.4 9.2Z') % tuple(f(v) for v in (
                cx + r, cy - 8.4, cx + r, cy,
                cx + r, cy + 6.6, cx + 6.6, cy + r, cx, cy + r,
                cx - 6.6, cy + r, cx - r, cy + 6.6, cx - r, cy,
                cx - r, cy - 8.4))
    d.add(el('path', d=body, fill=d.rad(10.2, 14, 20, [(0, '#ff6a7a'), (0.28, '#d01030'), (0.7, '#760016'),
                                                     (1, '#2e0008')])))
    d.add(el('ellipse', cx=18.5, cy=27.2, rx=6.5, ry=2.6, transform='rotate(-18 18.5 27.2)',
             fill=d.obb([(0, '#ff5a6a', 0.5), (1, '#ff5a6a', 0)])))
    d.add(el('path', d='M13 9.9 C14.2 10.2 15 10.7 15.5 11.6 C16 10.7 16.8 10.2 18 9.9',
             fill='none', stroke='#3a0008', stroke_width=0.6, opacity=0.55, stroke_linecap='round'))
    d.add(el('path', d=body, fill='none', stroke='#22000a', stroke_width=0.5, opacity=0.6))
    d.add(el('ellipse', cx=10.2, cy=14.6, rx=3.4, ry=2.1, transform='rotate(-45 10.2 14.6)',
             fill=d.obb([(0, '#ffffff', 0.95), (0.55, '#ffffff', 0.35), (1, '#ffffff', 0)])))
    d.add(el('ellipse', cx=10, cy=14.8, rx=1.1, ry=0.65, transform='rotate(-45 10 14.8)', fill='#ffffff',
             opacity=0.95))
    d.save('ball9.svg')


def ball10():   # snowball
    d = Doc(32, 32)
    cx = cy = 16.0
    rng = random.Random(1010)
    n = 44
    pts = []
    for i in range(n):
        a = 2 * math.pi * i / n
        rr = 14.7 + rng.uniform(-0.45, 0.35)
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    s = 'M%s %s' % (f(pts[0][0]), f(pts[0][1]))
    for i in range(n):
        p0, p1, p2, p3 = pts[i - 1], pts[i], pts[(i + 1) % n], pts[(i + 2) % n]
        c1 = (p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6)
        s += 'C%s %s %s %s %s %s' % tuple(f(v) for v in (c1 + c2 + p2))
    s += 'Z'
    d.add(el('path', d=s, fill=d.rad(cx - 5, cy - 6, 22, [(0, '#ffffff'), (0.4, '#f2f7ff'), (0.75, '#b4c8e6'),
                                                        (1, '#6a84b0')])))
    # lumps of packed snow: soft shade below, soft light above
    lump_shade = d.obb([(0, '#5a78b0', 0.4), (0.6, '#5a78b0', 0.18), (1, '#5a78b0', 0)])
    lump_light = d.obb([(0, '#ffffff', 0.9), (0.6, '#ffffff', 0.4), (1, '#ffffff', 0)])
    for _ in range(16):
        a = rng.uniform(0, 2 * math.pi)
        rr = rng.uniform(0, 10.5)
        x, y = cx + rr * math.cos(a), cy + rr * math.sin(a)
        sz = rng.uniform(1.8, 3.2)
        d.add(el('ellipse', cx=x + 0.5, cy=y + 0.9, rx=sz * 1.1, ry=sz * 0.9, fill=lump_shade))
        d.add(el('ellipse', cx=x - 0.2, cy=y - 0.3, rx=sz * 0.9, ry=sz * 0.75, fill=lump_light))
    d.add(el('path', d=s, fill=d.rad(cx - 5, cy - 6, 22, [(0, '#000', 0), (0.55, '#000', 0), (1, '#1a2a60', 0.4)])))
    d.add(el('path', d=s, fill='none', stroke='#4a5e88', stroke_width=0.5, opacity=0.6))
    gloss(d, cx, cy, 14.6, rim=0, shine=0.7, dot=False, outline=0)
    # sparkles
    for x, y, k in ((9.5, 8.5, 1.0), (21, 11, 0.7), (12, 22, 0.6), (23.5, 21, 0.5), (6.5, 16, 0.5)):
        sp = [(x, y - 2.2 * k), (x + 0.5 * k, y - 0.5 * k), (x + 2.2 * k, y), (x + 0.5 * k, y + 0.5 * k),
              (x, y + 2.2 * k), (x - 0.5 * k, y + 0.5 * k), (x - 2.2 * k, y), (x - 0.5 * k, y - 0.5 * k)]
        d.add(el('path', d=poly_d(sp), fill='#ffffff'))
    d.save('ball10.svg')


def ein():   # a golden coin
    d = Doc(32, 32)
    cx = cy = 16.0
    r = 15.3
    metal = [(0, '#fff6c4'), (0.25, '#f4c94c'), (0.5, '#b07a16'), (0.7, '#f8d66a'), (1, '#7a4c08')]
    d.add(el('circle', cx=cx, cy=cy, r=r, fill=d.lin(0, 0, 32, 32, metal)))
    # milled edge
    ticks = []
    for i in range(60):
        a = 2 * math.pi * i / 60
        ticks.append('M%s %sL%s %s' % (f(cx + (r - 0.3) * math.cos(a)), f(cy + (r - 0.3) * math.sin(a)),
                                         f(cx + (r - 1.6) * math.cos(a)), f(cy + (r - 1.6) * math.sin(a))))
    d.add(el('path', d=''.join(ticks), stroke='#6a4006', stroke_width=0.5, opacity=0.55))
    d.add(el('circle', cx=cx, cy=cy, r=r - 2.0, fill=d.lin(32, 32, 0, 0, metal)))
    d.add(el('circle', cx=cx, cy=cy, r=r - 3.4, fill=d.lin(0, 0, 32, 32,
                                                          [(0, '#ffe890'), (0.5, '#e0a82e'), (1, '#a06c10')])))
    # ring of dots
    for i in range(16):
        a = 2 * math.pi * i / 16
        x, y = cx + (r - 4.8) * math.cos(a), cy + (r - 4.8) * math.sin(a)
        d.add(el('circle', cx=x + 0.25, cy=y + 0.3, r=0.55, fill='#6a4006', opacity=0.6))
        d.add(el('circle', cx=x, cy=y, r=0.5, fill='#fff3b8'))
    # embossed "1"
    pd, bb = word('1', (cx - 3.6, cy - 6.2, 7.2, 12.4), stretch=(0.8, 1.3))
    d.add(el('path', d=pd, transform='translate(0.6 0.7)', fill='#5a3804', opacity=0.75))
    d.add(el('path', d=pd, transform='translate(-0.4 -0.45)', fill='#fffbe0'))
    d.add(el('path', d=pd, fill=d.lin(0, bb[1], 0, bb[3], [(0, '#f8d45a'), (1, '#c48a1c')])))
    gloss(d, cx, cy, r, rim=0.2, shine=0.75, outline=0.5)
    d.save('ein.svg')


# ------------------------------------------------------------ banner/icon --

def banner():
    W, H = 216, 144
    d = Doc(W, H)
    cx, cy = W / 2, H / 2
    n = 26

    def burst(ro_x, ro_y, ri_x, ri_y, dx=0, dy=0):
        pts = []
        for i in range(2 * n):
            a = -math.pi / 2 + i * math.pi / n
            if i % 2 == 0:
                pts.append((cx + dx + ro_x * math.cos(a), cy + dy + ro_y * math.sin(a)))
            else:
                pts.append((cx + dx + ri_x * math.cos(a), cy + dy + ri_y * math.sin(a)))
        return poly_d(pts)

    d.add(el('path', d=burst(104, 68, 88, 56, 1.5, 2.5), fill='#000', opacity=0.45))
    d.add(el('path', d=burst(106.5, 70.5, 90, 58), stroke_linejoin='round',
             fill=d.lin(0, 0, W, H, [(0, '#fff2b0'), (0.35, '#e6ac36'), (0.6, '#8a5a10'), (1, '#f0c050')])))
    d.add(el('path', d=burst(103, 67.5, 87, 55.5),
             fill=d.rad(cx - 20, cy - 22, 120, [(0, '#ff7050'), (0.35, '#e2261a'), (0.8, '#9c0a08'),
                                                (1, '#5a0404')], fx=cx - 26, fy=cy - 28)))
    # fine rays inside the burst
    rays = []
    for i in range(n):
        a = -math.pi / 2 + 2 * i * math.pi / n
        rays.append((cx + 84 * math.cos(a), cy + 54 * math.sin(a)))
    rd = ''.join('M%s %sL%s %s' % (f(cx + 0.45 * (x - cx)), f(cy + 0.45 * (y - cy)), f(x), f(y)) for x, y in rays)
    d.add(el('path', d=rd, stroke='#ffb070', stroke_width=0.8, opacity=0.25))
    # inner gold ring
    d.add(el('ellipse', cx=cx, cy=cy, rx=84, ry=51, fill='none', stroke='#3a0202', stroke_width=2.4, opacity=0.5))
    d.add(el('ellipse', cx=cx, cy=cy, rx=84, ry=51, fill='none',
             stroke=d.lin(0, 0, W, H, [(0, '#fff0b0'), (0.5, '#c88a20'), (1, '#ffd870')]), stroke_width=1.2))
    # title
    pd, bb = word('THE', (cx - 20, 31, 40, 13))
    gold_paint(d, pd, bb, sw=2.0, bevel=0.45)
    pd, bb = word('DORV', (cx - 62, 47.5, 124, 30))
    gold_paint(d, pd, bb, sw=2.8, bevel=0.7, shadow=(1.0, 1.4))
    pd, bb = word('WINNERS', (cx - 60, 82, 120, 19))
    gold_paint(d, pd, bb, sw=2.2, bevel=0.5)
    # two little stars beside THE
    for sx in (-1, 1):
        pts = star_pts(cx + sx * 30, 37.5, 5, 2.1)
        d.add(el('path', d=poly_d(pts), fill='#fff0b0', stroke='#3a0202', stroke_width=0.8, stroke_linejoin='round'))
    d.add(el('path', d=poly_d(star_pts(cx, 111, 5.5, 2.3)), fill='#fff0b0', stroke='#3a0202',
             stroke_width=0.8, stroke_linejoin='round'))
    d.save('banner.svg')


def icon():
    d = Doc(32, 32)
    cx = cy = 16.0
    step = 5.9

    def plus(a, b):
        """Cross with arms 2a wide, reaching b from the centre."""
        return poly_d([(cx - a, cy - b), (cx + a, cy - b), (cx + a, cy - a), (cx + b, cy - a),
                       (cx + b, cy + a), (cx + a, cy + a), (cx + a, cy + b), (cx - a, cy + b),
                       (cx - a, cy + a), (cx - b, cy + a), (cx - b, cy - a), (cx - a, cy - a)])
    d.add(el('path', d=plus(9.6, 15.6), transform='translate(0.4 0.6)', fill='#000', opacity=0.5))
    d.add(el('path', d=plus(9.6, 15.6),
             fill=d.lin(0, 0, 32, 32, [(0, '#fff0b0'), (0.4, '#e0a834'), (0.7, '#8a5a10'), (1, '#f0c050')])))
    d.add(el('path', d=plus(8.5, 14.5),
             fill=d.rad(11, 10, 22, [(0, '#5a2010'), (0.6, '#260a05'), (1, '#0e0403')])))
    rb = 2.45
    cells = [(c, r) for r in range(-2, 3) for c in range(-2, 3) if abs(c) < 2 or abs(r) < 2]
    empty = {(0, 0), (1, -1), (0, 2), (-2, 1)}
    blue = {(-1, 0)}
    for c, r in cells:
        x, y = cx + c * step, cy + r * step
        if (c, r) in empty:
            d.add(el('circle', cx=x, cy=y, r=rb * 0.85, fill='#000'))
            d.add(el('path', d=crescent_d(x, y, rb * 0.85, 0, -0.9), fill='#e0b050', opacity=0.6))
            continue
        if (c, r) in blue:
            g = d.rad(x - 0.9, y - 1.0, rb * 1.6, [(0, '#d0ecff'), (0.35, '#3d8cff'), (1, '#0a2a80')])
        else:
            g = d.rad(x - 0.9, y - 1.0, rb * 1.6, [(0, '#fffad0'), (0.35, '#f4c243'), (1, '#7a4c08')])
        d.add(el('circle', cx=x, cy=y, r=rb, fill=g))
        d.add(el('circle', cx=x - 0.8, cy=y - 0.9, r=0.6, fill='#ffffff', opacity=0.9))
    d.save('icon.svg')


# ------------------------------------------------------------------- main --

BUTTONS = [  # file, width, height, word
    ('btn_game.svg', 97, 31, 'GAME'), ('btn_new.svg', 66, 30, 'New'), ('btn_load.svg', 72, 30, 'Load'),
    ('btn_save.svg', 76, 32, 'Save'), ('btn_sound.svg', 95, 31, 'Sound'), ('btn_music.svg', 87, 30, 'Music'),
    ('btn_quit.svg', 62, 32, 'Quit'), ('btn_on.svg', 43, 31, 'On'), ('btn_off.svg', 46, 31, 'Off'),
    ('btn_moves.svg', 97, 30, 'Moves'), ('btn_view.svg', 74, 30, 'View'),
    ('btn_highscores.svg', 182, 37, 'High Scores'),
]


# --------------------------------------------------- the words in languages --

def px(twips):
    return twips / 15


# How wide each button's picture may be, in pixels at 100 %, from the window's layout
# (src/window/layout.cpp, in twips, 15 to a pixel; the buttons' pictures are shown at their own
# size). In a panel: the panel's width less the item's left offset, less the panel's 2 px frame and
# 1 px more; in the Sound and Music panels also less a column of 16 px for the tick that marks the
# switch in force (src/kit/panel.cpp centres it right of the widest item). On the toolbar: up to
# the next control or the window's right edge, less 1 px (each picture keeps 3 px of its own right
# of its word for the outline and the shadow). The English UNDO reaches 1 px past the window's
# edge with its empty right margin, and stays so.
PANEL_MARGIN = 3
TICK_COLUMN = 16
TOOLBAR_MARGIN = 1
GAME_PANEL = 1815    # men; the Moves panel men3 is as wide
SWITCH_PANEL = 1215  # men1 (Sound) and men2 (Music)
WINDOW = 7860        # Form1
ROOMS = {
    'btn_new': px(GAME_PANEL - 360) - PANEL_MARGIN,       # Image8
    'btn_load': px(GAME_PANEL - 240) - PANEL_MARGIN,      # Image9, and Image20 in men3
    'btn_save': px(GAME_PANEL - 240) - PANEL_MARGIN,      # Image10, and Image21 in men3
    'btn_sound': px(GAME_PANEL - 120) - PANEL_MARGIN,     # Image11
    'btn_music': px(GAME_PANEL - 240) - PANEL_MARGIN,     # Image14
    'btn_quit': px(GAME_PANEL - 360) - PANEL_MARGIN,      # Image17
    'btn_view': px(GAME_PANEL - 240) - PANEL_MARGIN,      # Image22 in men3
    'btn_on': px(SWITCH_PANEL - 240) - TICK_COLUMN - PANEL_MARGIN,   # Image12, Image15
    'btn_off': px(SWITCH_PANEL - 240) - TICK_COLUMN - PANEL_MARGIN,  # Image13, Image16
    'btn_game': px(1680 - 120) - TOOLBAR_MARGIN,          # Image7, up to the ball strip Picture1
    'btn_moves': px(1740 - 120) - TOOLBAR_MARGIN,         # Image19, up to the notice below the board
    'btn_undo': px(WINDOW - 6120) - TOOLBAR_MARGIN,       # Image18
    'btn_highscores': px(WINDOW - 4920) - TOOLBAR_MARGIN,  # Image5
}

# The pictures whose words stand at one letter height in each language: GAME's panel together
# with the Moves panel (both show the Save and Load pictures), and the Sound and Music panels
# (both show On and Off). Each button of the toolbar stands alone.
PANELS = [('btn_new', 'btn_load', 'btn_save', 'btn_sound', 'btn_music', 'btn_quit', 'btn_view'),
          ('btn_on', 'btn_off')]

# The English words are drawn 1.18 times taller than wide (word_scale's stretch), and so are the
# others. Rather than a panel's letters smaller than LONG_WORDS[0] of its English height, its
# longest words are drawn narrower, at most LONG_WORDS[1] times taller than wide.
ASPECT = 1.18
LONG_WORDS = (0.8, 1.6)


def cap_height():
    """The height of a capital letter in the outlines' units."""
    x0, y0, x1, y1 = outline_bbox(OUTLINES['%s|THE' % BOLD])
    return y1 - y0


def button_sizes():
    """{button: (its file, English width, height, English word)}."""
    sizes = {name[:-len('.svg')]: (name, w, h, text) for name, w, h, text in BUTTONS}
    sizes['btn_undo'] = ('btn_undo.svg', UNDO_SIZE[0], UNDO_SIZE[1], 'UNDO')
    return sizes


def word_extent(text):
    x0, y0, x1, y1 = outline_bbox(OUTLINES['%s|%s' % (BOLD, text)])
    return x1 - x0, y1 - y0


def english_scale(button):
    """The vertical scale of the English word of `button`, as drawn."""
    name, w, h, text = button_sizes()[button]
    return word_scale(text, word_box(button, w, h))[1]


def tallest(button, text, aspect):
    """The largest vertical scale at which `text` fits the room of `button`,
    drawn `aspect` times taller than wide."""
    name, w, h, english = button_sizes()[button]
    x, y, bw, bh = word_box(button, w, h)
    side = w - bw                      # the picture's width beside the word's box
    tw, th = word_extent(text)
    return min(bh / th, aspect * (ROOMS[button] - side) / tw)


def panel_scale(words):
    """One vertical scale for `words` = {button: word} of one panel and language:
    the panel's English one when every word fits its room at it, else the largest
    at which they all fit; below LONG_WORDS[0] of the English, the largest at
    which they fit drawn narrower, down to that share."""
    scales = sorted(english_scale(button) for button in words)
    middle = len(scales) // 2
    english = scales[middle] if len(scales) % 2 else (scales[middle - 1] + scales[middle]) / 2
    scale = min([english] + [tallest(b, t, ASPECT) for b, t in words.items()])
    if scale < english * LONG_WORDS[0]:
        scale = min([english * LONG_WORDS[0]] + [tallest(b, t, LONG_WORDS[1]) for b, t in words.items()])
    return scale


def lowest_baseline(button, text, sy):
    """The lowest line `text` may stand on in the picture of `button` at the
    vertical scale `sy`: its capitals centred, or higher where its descenders
    need it."""
    name, w, h, english = button_sizes()[button]
    x, y, bw, bh = word_box(button, w, h)
    x0, y0, x1, y1 = outline_bbox(OUTLINES['%s|%s' % (BOLD, text)])
    return min(y + (bh + cap_height() * sy) / 2, y + bh - y1 * sy)


def shared_least(groups, value):
    """`value` = {group: number} lowered until the groups that share a picture
    (the same button and word: languages with the same word) hold the same, the
    least of theirs. Returns {(button, word): number}."""
    while True:
        shared = {}
        for group, words in groups.items():
            for button, text in words.items():
                shared[(button, text)] = min(shared.get((button, text), value[group]), value[group])
        changed = False
        for group, words in groups.items():
            least = min(shared[(b, t)] for b, t in words.items())
            if least < value[group]:
                value[group], changed = least, True
        if not changed:
            return shared


def word_scales():
    """{(button, word): (vertical scale, baseline)} for every translated word:
    the words of one panel in one language at one scale and, so that they stand
    in line, on one baseline (the highest any of them needs). A picture two
    languages share is drawn once, so a panel that shares a word with another
    language's takes the smaller scale and the higher baseline of the two."""
    groups = {}                        # (language, panel): {button: word}
    for language, words in sorted(TRANSLATED.items()):
        for button, (name, w, h, english) in button_sizes().items():
            if english not in words:
                continue
            panel = next((p for p in PANELS if button in p), (button,))
            groups.setdefault((language, panel), {})[button] = words[english]
    scales = shared_least(groups, {group: panel_scale(words) for group, words in groups.items()})
    baselines = shared_least(groups, {group: min(lowest_baseline(b, t, scales[(b, t)]) for b, t in words.items())
                                      for group, words in groups.items()})
    return {picture: (scales[picture], baselines[picture]) for picture in scales}


def translated_button(button, text, sy, baseline):
    """The picture of `button` showing `text` at the vertical scale `sy` on
    `baseline`: as tall as the English picture, as wide as the English one or
    wider as far as the word needs and its room allows, the word centred in it
    and drawn narrower only as far as its room asks."""
    name, w, h, english = button_sizes()[button]
    x, y, bw, bh = word_box(button, w, h)
    side = w - bw
    tw, th = word_extent(text)
    sx = min(sy / ASPECT, (ROOMS[button] - side) / tw)
    width = min(max(w, int(math.ceil(side + tw * sx - 1e-6))), int(ROOMS[button]))
    file = os.path.join('words', word_file_name(name, text))
    note = 'letter height %s px' % f(sy * cap_height())
    if button == 'btn_undo':
        undo_button(text, file, width, (sx, sy), note, baseline)
    else:
        text_button(file, width, h, text, (sx, sy), note, baseline)


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument('--text2path', help='path of the built text2path helper: refresh the outline cache')
    args = ap.parse_args()
    if args.text2path:
        refresh_outlines(args.text2path)
    load_outlines()
    background()
    board0(); board1(); board2()
    ball0(); ball1(); ball2(); ball3(); ball4(); ball5(); ball6()
    ball7(); ball8(); ball9(); ball10(); ein()
    for name, w, h, text in BUTTONS:
        text_button(name, w, h, text)
    undo_button()
    # The words in the other languages, drawn afresh: a word no language uses any more goes.
    os.makedirs(WORDS, exist_ok=True)
    for old in glob.glob(os.path.join(WORDS, '*.svg')):
        os.remove(old)
    for (button, text), (sy, baseline) in sorted(word_scales().items()):
        translated_button(button, text, sy, baseline)
    banner()
    icon()


if __name__ == '__main__':
    main()
