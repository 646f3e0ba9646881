#!/usr/bin/python3
"""Draws every picture of БиоЛукошко and writes it into assets/.

Run it from anywhere:

    /usr/bin/python3 tools/make-pictures.py

Only Pillow (Debian's python3-pil), the Liberation fonts (fonts-liberation2)
and the standard library are needed.  All randomness comes from fixed seeds,
so a second run rewrites identical files.  Shapes are drawn several times
larger than needed and scaled down with a Lanczos filter, which gives smooth
edges.  Every picture but the icons and the pointer is written twice: at its
own size, and at twice its size as name@2x.ext for screens of higher pixel
density, where the program shows it at the same logical size.  After drawing, every file
is opened again and checked: format, size, and for the icons and the cursor
the header bytes themselves.
"""

import math
import os
import random
import struct

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ASSETS = os.path.join(ROOT, 'assets')
FONT_DIR = '/usr/share/fonts/truetype/liberation2'

LANCZOS = Image.Resampling.LANCZOS
BICUBIC = Image.Resampling.BICUBIC
BILINEAR = Image.Resampling.BILINEAR

WHITE = (255, 255, 255)


def asset(name):
    return os.path.join(ASSETS, name)


# Output scales; SCALE is the one being drawn.
SCALES = (1, 2)
SCALE = 1


def at_each_scale(draw):
    """Runs a picture function once for every output scale."""
    def each(*args):
        global SCALE
        for scale in SCALES:
            SCALE = scale
            draw(*args)
        SCALE = 1
    return each


def scaled(name, scale=None):
    """The file of a picture at an output scale (the current one by default)."""
    scale = SCALE if scale is None else scale
    if scale == 1:
        return asset(name)
    stem, ext = os.path.splitext(name)
    return asset(f'{stem}@{scale}x{ext}')


def out_size(w, h):
    return (w * SCALE, h * SCALE)


# --------------------------------------------------------------- colours

def clamp8(v):
    return max(0, min(255, int(round(v))))


def lerp(a, b, t):
    return a + (b - a) * t


def mix(a, b, t):
    """Blends two colour tuples (of equal length)."""
    return tuple(clamp8(lerp(x, y, t)) for x, y in zip(a, b))


def rgba(c, alpha=255):
    return tuple(c) if len(c) == 4 else (c[0], c[1], c[2], alpha)


def jitter(c, rng, amount):
    return tuple(clamp8(v + rng.uniform(-amount, amount)) for v in c[:3])


def colour_at(stops, x):
    """Colour of a gradient given as [(position 0..1, colour), ...]."""
    if x <= stops[0][0]:
        return rgba(stops[0][1])
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if x <= p1:
            t = 0.0 if p1 == p0 else (x - p0) / (p1 - p0)
            return mix(rgba(c0), rgba(c1), t)
    return rgba(stops[-1][1])


def ramp(gray, stops):
    """Turns a grey map (mode L) into an RGBA image through colour stops."""
    tables = [[], [], [], []]
    for v in range(256):
        c = colour_at(stops, v / 255)
        for ch in range(4):
            tables[ch].append(c[ch])
    return Image.merge('RGBA', [gray.point(t) for t in tables])


# ------------------------------------------------------------- gradients

def vertical_map(size, y0=None, y1=None):
    """Grey map running 0 at row y0 to 255 at row y1 (whole height by default)."""
    w, h = size
    y0 = 0 if y0 is None else y0
    y1 = h if y1 is None else y1
    span = max(1, round(y1 - y0))
    g = Image.linear_gradient('L').resize((w, span), BILINEAR)
    out = Image.new('L', size, 0)
    out.paste(255, (0, round(y1), w, h))
    out.paste(g, (0, round(y0)))
    return out


def horizontal_map(size, x0=None, x1=None):
    w, h = size
    x0 = 0 if x0 is None else x0
    x1 = w if x1 is None else x1
    span = max(1, round(x1 - x0))
    g = Image.linear_gradient('L').transpose(Image.Transpose.ROTATE_90)
    g = g.resize((span, h), BILINEAR)
    out = Image.new('L', size, 0)
    out.paste(255, (round(x1), 0, w, h))
    out.paste(g, (round(x0), 0))
    return out


def radial_map(size, centre, radii):
    """Grey map 0 at centre growing to 255 on the ellipse with the given radii."""
    rx, ry = radii
    # Pillow's radial gradient reaches only 181 at the middle of each edge.
    g = Image.radial_gradient('L').point(lambda v: min(255, round(v * 255 / 181)))
    g = g.resize((max(1, round(2 * rx)), max(1, round(2 * ry))), BILINEAR)
    out = Image.new('L', size, 255)
    out.paste(g, (round(centre[0] - rx), round(centre[1] - ry)))
    return out


def vgradient(size, stops, y0=None, y1=None):
    return ramp(vertical_map(size, y0, y1), stops)


def hgradient(size, stops, x0=None, x1=None):
    return ramp(horizontal_map(size, x0, x1), stops)


def rgradient(size, stops, centre, radii):
    return ramp(radial_map(size, centre, radii), stops)


def value_noise(size, cells, rng, wrap=False):
    """Smooth random blotches: a coarse random grid scaled up bicubically.
    With wrap=True the result repeats seamlessly edge to edge."""
    w, h = size
    gw, gh = cells
    grid = Image.frombytes('L', (gw, gh), bytes(rng.randrange(256) for _ in range(gw * gh)))
    if not wrap:
        return grid.resize(size, BICUBIC)
    return wrapped(grid, lambda im: im.resize((w * 3, h * 3), BICUBIC), (w, h))


def wrapped(img, operation, out_size=None):
    """Applies an operation to a 3x3 repetition of img and keeps the middle,
    so that filters see the picture as if it wrapped around its edges."""
    w, h = img.size
    big = Image.new(img.mode, (3 * w, 3 * h))
    for i in range(3):
        for j in range(3):
            big.paste(img, (i * w, j * h))
    big = operation(big)
    ow, oh = out_size or (w, h)
    return big.crop((ow, oh, 2 * ow, 2 * oh))


# ------------------------------------------------------- image plumbing

def layer(size):
    return Image.new('RGBA', size, (0, 0, 0, 0))


def overlay(dst, src, x=0, y=0, mask=None):
    """Alpha-composites src onto dst with its top-left corner at (x, y);
    src may hang over any edge of dst.  An optional mask (mode L, size of
    src) further limits where src shows."""
    if mask is not None:
        src = src.copy()
        src.putalpha(ImageChops.multiply(src.getchannel('A'), mask))
    x, y = round(x), round(y)
    sx, sy = max(0, -x), max(0, -y)
    dx, dy = max(0, x), max(0, y)
    w = min(src.width - sx, dst.width - dx)
    h = min(src.height - sy, dst.height - dy)
    if w > 0 and h > 0:
        dst.alpha_composite(src, (dx, dy), (sx, sy, sx + w, sy + h))


def paint(dst, mask, fill):
    """Paints a colour or an RGBA image of dst's size through a mask."""
    if not isinstance(fill, Image.Image):
        fill = Image.new('RGBA', dst.size, rgba(fill))
    overlay(dst, fill, 0, 0, mask)


def shape_mask(size, draw_fn):
    m = Image.new('L', size, 0)
    draw_fn(ImageDraw.Draw(m))
    return m


def polygon_mask(size, points):
    return shape_mask(size, lambda d: d.polygon(points, fill=255))


def shrink(img, size, resample=LANCZOS):
    """Scales an RGBA drawing down with premultiplied alpha, so that the
    colour of transparent pixels does not bleed into the edges."""
    return img.convert('RGBa').resize(size, resample).convert('RGBA')


def rotate_about(img, angle, centre):
    return img.convert('RGBa').rotate(angle, BICUBIC, center=centre).convert('RGBA')


def on_white(img):
    base = Image.new('RGBA', img.size, rgba(WHITE))
    base.alpha_composite(img)
    return base.convert('RGB')


def outlined(img, radius, colour):
    """Puts a contour of the given thickness around everything opaque in img."""
    alpha = img.getchannel('A')
    size = 2 * max(1, round(radius)) + 1
    grown = alpha.filter(ImageFilter.MaxFilter(size))
    out = Image.new('RGBA', img.size, rgba(colour))
    out.putalpha(ImageChops.multiply(grown, Image.new('L', img.size, rgba(colour)[3])))
    out.alpha_composite(img)
    return out


def soft_shadow(size, draw_fn, colour, blur):
    sh = layer(size)
    m = shape_mask(size, draw_fn).filter(ImageFilter.GaussianBlur(blur))
    paint(sh, m, colour)
    return sh


# -------------------------------------------------------------- geometry

def place(points, angle=0.0, dx=0.0, dy=0.0, scale=1.0):
    """Rotates points (degrees, clockwise on screen), scales and moves them."""
    a = math.radians(angle)
    ca, sa = math.cos(a), math.sin(a)
    return [(dx + scale * (x * ca - y * sa), dy + scale * (x * sa + y * ca)) for x, y in points]


def quad_bezier(p0, p1, p2, n=10):
    pts = []
    for i in range(n + 1):
        t = i / n
        a, b, c = (1 - t) ** 2, 2 * (1 - t) * t, t * t
        pts.append((a * p0[0] + b * p1[0] + c * p2[0], a * p0[1] + b * p1[1] + c * p2[1]))
    return pts


def leaf_outline(length, width, bend=0.0, n=28):
    """A pointed leaf lying along +x with its stalk end at the origin."""
    upper, lower = [], []
    for i in range(n + 1):
        u = i / n
        half = width / 2 * math.sin(math.pi * u ** 0.85) ** 0.9
        y = bend * length * (u - 0.5) ** 2 - bend * length * 0.25
        upper.append((u * length, y - half))
        lower.append((u * length, y + half))
    return upper + lower[::-1], upper, lower


def grass_blade(x, base_y, height, lean, width):
    """A curved, pointed blade of grass standing at (x, base_y)."""
    tip = (x + lean, base_y - height)
    left = quad_bezier((x - width / 2, base_y), (x - width / 4 + lean * 0.2, base_y - height * 0.6), tip, 8)
    right = quad_bezier(tip, (x + width / 4 + lean * 0.35, base_y - height * 0.55), (x + width / 2, base_y), 8)
    return left + right[1:]


def spruce(x, base_y, height, width, tiers=6):
    """Silhouette of a fir tree with drooping tiers of branches."""
    top = base_y - height
    crown = height * 0.93
    tier_h = crown / tiers
    right = [(x, top)]
    for i in range(tiers):
        f = (i + 1) / tiers
        hw = width / 2 * (0.22 + 0.78 * f)
        yb = top + crown * f
        right.append((x + hw, yb))
        if i < tiers - 1:
            right.append((x + hw * 0.42, yb - tier_h * 0.35))
    trunk = max(1.0, width * 0.05)
    right += [(x + trunk, top + crown), (x + trunk, base_y)]
    left = [(2 * x - px, py) for px, py in reversed(right[1:])]
    return right + left


# ------------------------------------------------------------- mushrooms

def cep_stem_halfwidth(f):
    """Half width (model px) of a cep's club-shaped stem at height fraction f."""
    hw = 7.4 + 6.0 * (1 - f) ** 1.5 + 1.2 * math.sin(math.pi * f)
    if f < 0.08:
        hw *= 0.82 + 0.18 * f / 0.08
    return hw


def agaric_stem_halfwidth(f):
    """Half width of a fly agaric's slim stem with its bulb at the foot."""
    hw = 4.3 + 0.9 * (1 - f) + 3.4 * math.exp(-((f - 0.06) / 0.09) ** 2)
    if f < 0.03:
        hw *= 0.85 + 0.15 * f / 0.03
    return hw


CEP = {
    'stem_profile': cep_stem_halfwidth,
    'stem': [(0, (190, 172, 134)), (0.2, (247, 240, 218)), (0.55, (234, 222, 192)), (1, (166, 144, 108))],
    'gills': [(0, (228, 210, 132)), (1, (192, 168, 92))],
    'cap': [(0, (190, 122, 66)), (0.42, (152, 88, 44)), (0.8, (118, 64, 32)), (1, (90, 46, 22))],
    'rim': (206, 160, 108, 150),
    'contour': (64, 42, 24, 215),
}

AGARIC = {
    'stem_profile': agaric_stem_halfwidth,
    'stem': [(0, (200, 196, 184)), (0.25, (255, 254, 248)), (0.6, (244, 241, 232)), (1, (186, 180, 166))],
    'gills': [(0, (250, 245, 228)), (1, (226, 216, 192))],
    'cap': [(0, (250, 104, 66)), (0.4, (226, 46, 32)), (0.8, (184, 26, 22)), (1, (140, 14, 14))],
    'rim': None,
    'contour': (86, 26, 20, 215),
}

# White warts of the fly agaric: (position across the cap -1..1,
# height fraction from the rim 0..1, radius as a fraction of the cap width).
AGARIC_SPOTS = [
    (-0.80, 0.18, 0.050), (-0.55, 0.42, 0.070), (-0.20, 0.70, 0.062),
    (0.12, 0.88, 0.055), (0.30, 0.55, 0.075), (0.65, 0.30, 0.062),
    (-0.25, 0.25, 0.052), (0.02, 0.36, 0.045), (0.86, 0.12, 0.040),
    (-0.62, 0.80, 0.042), (0.52, 0.82, 0.045), (-0.93, 0.06, 0.032),
]


def mushroom_dims(kind, t):
    """Proportions (model px, a full-grown mushroom being 50 px tall) at age
    t in 0..1: young ones are stubby with a rounder, relatively bigger cap."""
    if kind == 'cep':
        return dict(stem_h=33 * lerp(0.62, 1, t), stem_w=lerp(1.3, 1, t),
                    cap_w=46 * lerp(0.8, 1, t), cap_h=18 * lerp(1.35, 1, t),
                    n=lerp(2.2, 2.6, t), sag=0.16, pores=0.34)
    return dict(stem_h=34 * lerp(0.5, 1, t), stem_w=lerp(1.25, 1, t),
                cap_w=44 * lerp(0.72, 1, t), cap_h=17 * lerp(1.55, 1, t),
                n=lerp(1.9, 2.35, t), sag=0.05, pores=0.2, ring=t >= 0.3,
                spot_scale=lerp(1.35, 1, t))


def cap_outline(cx, rim_y, w, h, n, sag, steps=60):
    """Cap seen from the side: a superellipse dome over a slightly sagging underside."""
    pts = []
    for i in range(steps + 1):
        th = math.pi * i / steps
        c, s = math.cos(th), math.sin(th)
        pts.append((cx + w / 2 * math.copysign(abs(c) ** (2 / n), c), rim_y - h * abs(s) ** (2 / n)))
    for i in range(1, steps):
        u = i / steps
        pts.append((cx - w / 2 + w * u, rim_y + sag * math.sin(math.pi * u)))
    return pts


def stem_outline(cx, base_y, height, halfwidth, steps=40):
    left, right = [], []
    for i in range(steps + 1):
        f = i / steps
        hw = halfwidth(f)
        left.append((cx - hw, base_y - f * height))
        right.append((cx + hw, base_y - f * height))
    hw0 = halfwidth(0)
    foot = [(cx + hw0 * math.cos(math.pi * i / 12), base_y + hw0 * 0.3 * math.sin(math.pi * i / 12))
            for i in range(1, 12)]
    return left[::-1] + foot[::-1] + right


def mushroom(kind, k, t=1.0, contour=2.0, dims=None):
    """Draws a cep ('cep') or a fly agaric ('agaric').

    k is the number of drawn pixels per model pixel (a full-grown mushroom is
    50 model px tall), t the age 0..1, contour the thickness of the dark
    contour in drawn pixels.  Returns the RGBA image and the foot of the stem
    inside it."""
    style = CEP if kind == 'cep' else AGARIC
    d = mushroom_dims(kind, t)
    if dims:
        d.update(dims)
    W, H = max(8, round(120 * k)), max(8, round(66 * k))
    ax, ay = W / 2, H - 7 * k
    size = (W, H)
    img = layer(size)

    # Stem, shaded like a cylinder lit from the upper left.
    stem_h = d['stem_h'] * k
    profile = lambda f: style['stem_profile'](f) * d['stem_w'] * k
    widest = max(profile(i / 20) for i in range(21))
    stem = polygon_mask(size, stem_outline(ax, ay, stem_h, profile))
    paint(img, stem, hgradient(size, style['stem'], ax - widest, ax + widest))
    # Shadow under the cap.
    under = vgradient(size, [(0, (70, 50, 30, 120)), (1, (70, 50, 30, 0))],
                      ay - stem_h, ay - stem_h + max(2.0, stem_h * 0.35))
    paint(img, stem, under)
    if kind == 'cep':
        # Fine net on the upper part of the stem.
        net = layer(size)
        dn = ImageDraw.Draw(net)
        rng = random.Random(5)
        for _ in range(26):
            f = rng.uniform(0.45, 0.95)
            x = ax + rng.uniform(-0.8, 0.8) * profile(f)
            y = ay - f * stem_h
            dn.line([(x, y), (x + rng.uniform(-0.6, 0.6) * k, y + rng.uniform(1.5, 3) * k)],
                    fill=(176, 150, 104, 90), width=max(1, round(0.35 * k)))
        paint(img, stem, net)
    else:
        # Scaly rings on the bulb.
        rings = layer(size)
        dr = ImageDraw.Draw(rings)
        for f in (0.07, 0.14):
            hw = profile(f)
            y = ay - f * stem_h
            dr.arc((ax - hw, y - hw * 0.35, ax + hw, y + hw * 0.35), 10, 170,
                   fill=(196, 188, 170, 200), width=max(1, round(0.45 * k)))
        paint(img, stem, rings)

    # Gills / pores peeping out from under the cap.
    cap_w, cap_h = d['cap_w'] * k, d['cap_h'] * k
    rim_y = ay - stem_h + 1.0 * k
    gills = shape_mask(size, lambda dd: dd.ellipse(
        (ax - cap_w * 0.45, rim_y - cap_h * 0.12, ax + cap_w * 0.45, rim_y + cap_h * d['pores']), fill=255))
    paint(img, gills, vgradient(size, style['gills'], rim_y, rim_y + cap_h * d['pores']))

    # The fly agaric's skirt, hanging from the top of the stem and flaring out.
    if d.get('ring'):
        f = 0.86
        top_y = ay - stem_h * f
        hw_top = profile(f) + 0.2 * k
        hw_bot = profile(f) + 2.6 * k * d['stem_w']
        drop = 5.0 * k
        bottom = top_y + drop
        pts = quad_bezier((ax - hw_top, top_y), (ax - hw_bot - 0.6 * k, top_y + drop * 0.3), (ax - hw_bot, bottom), 10)
        for i in range(1, 24):
            u = i / 24
            hem = 0.4 * k * math.sin(u * math.pi) + 0.35 * k * abs(math.sin(u * math.pi * 4))
            pts.append((ax - hw_bot + 2 * hw_bot * u, bottom + hem))
        pts += quad_bezier((ax + hw_bot, bottom), (ax + hw_bot + 0.6 * k, top_y + drop * 0.3), (ax + hw_top, top_y), 10)
        # A shadow on the stem just below the skirt.
        below = polygon_mask(size, [(ax - hw_bot, bottom), (ax + hw_bot, bottom),
                                    (ax + hw_bot, bottom + 2.5 * k), (ax - hw_bot, bottom + 2.5 * k)])
        paint(img, ImageChops.multiply(stem, below.filter(ImageFilter.GaussianBlur(0.8 * k))), (120, 110, 95, 90))
        ring = polygon_mask(size, pts)
        paint(img, ring, hgradient(size, [(0, (208, 202, 188)), (0.3, (255, 254, 250)), (0.7, (246, 242, 232)),
                                          (1, (196, 188, 172))], ax - hw_bot, ax + hw_bot))
        paint(img, ring, vgradient(size, [(0, (150, 140, 120, 0)), (0.6, (150, 140, 120, 30)),
                                          (1, (150, 140, 120, 120))], top_y, bottom + 0.5 * k))

    # Cap, lit from the upper left.
    cap_pts = cap_outline(ax, rim_y, cap_w, cap_h, d['n'], d['sag'] * cap_h)
    cap = polygon_mask(size, cap_pts)
    paint(img, cap, rgradient(size, style['cap'], (ax - cap_w * 0.18, rim_y - cap_h * 0.8),
                              (cap_w * 0.78, cap_h * 1.25)))
    if style['rim']:
        lifted = ImageChops.offset(cap, 0, -round(1.6 * k))
        band = ImageChops.subtract(cap, lifted).filter(ImageFilter.GaussianBlur(0.5 * k))
        paint(img, band, style['rim'])
    shine = shape_mask(size, lambda dd: dd.ellipse(
        (ax - cap_w * 0.36, rim_y - cap_h * 0.9, ax - cap_w * 0.04, rim_y - cap_h * 0.62), fill=255))
    shine = ImageChops.multiply(shine.filter(ImageFilter.GaussianBlur(1.2 * k)), cap)
    paint(img, shine, (255, 240, 220, 70))
    if kind == 'agaric':
        spots = layer(size)
        ds = ImageDraw.Draw(spots)
        for u, v, r in AGARIC_SPOTS:
            # Follow the dome: the surface turns away towards the sides.
            y = rim_y - cap_h * v
            reach = (1 - v ** (d['n'] * 1.2)) ** (1 / d['n'])
            x = ax + u * cap_w / 2 * reach
            rr = r * cap_w * d['spot_scale']
            rx = rr * (0.45 + 0.55 * math.sqrt(max(0.0, 1 - (u * reach) ** 2)))
            ry = rr * (0.55 + 0.45 * v)
            ds.ellipse((x - rx, y - ry, x + rx, y + ry), fill=(252, 248, 238, 255))
            ds.ellipse((x - rx * 0.8, y - ry * 0.2, x + rx * 0.8, y + ry), fill=(232, 224, 210, 255))
            ds.ellipse((x - rx * 0.85, y - ry * 0.95, x + rx * 0.75, y + ry * 0.55), fill=(255, 253, 248, 255))
        paint(img, cap, spots)

    if contour > 0:
        img = outlined(img, contour, style['contour'])
    return img, (ax, ay)


def put_mushroom(dst, kind, base, height, t=1.0, angle=0.0, contour=2.0, dims=None):
    """Draws a mushroom of the given full height (drawn px) standing at base."""
    img, (ax, ay) = mushroom(kind, height / 50, t, contour, dims)
    if angle:
        img = rotate_about(img, angle, (ax, ay))
    overlay(dst, img, base[0] - ax, base[1] - ay)


# --------------------------------------------------------------- emblem

def emblem_art(size, s):
    """The program's emblem, a cep with a green leaf behind it, drawn s
    times larger than size.  Small sizes get a relatively bolder contour."""
    N = size * s
    u = N / 16.0                      # the emblem is laid out on a 16 x 16 grid
    img = layer((N, N))
    detailed = size >= 32
    line = 1.0 * u if size <= 16 else 0.36 * u

    # Leaf, pointing up and to the right from behind the stem.
    leaf_at = dict(angle=-40, dx=8.0 * u, dy=14.6 * u)
    leaf = layer((N, N))
    pts, upper, lower = leaf_outline(8.0 * u, 4.8 * u, bend=-0.06)
    m = polygon_mask((N, N), place(pts, **leaf_at))
    paint(leaf, m, rgradient((N, N), [(0, (140, 204, 90)), (0.6, (86, 160, 58)), (1, (46, 112, 40))],
                             (12.5 * u, 9.5 * u), (6 * u, 6 * u)))
    dl = ImageDraw.Draw(leaf)
    dl.line(place([(0.5 * u, 0), (7.5 * u, -0.2 * u)], **leaf_at), fill=(206, 236, 150, 255),
            width=max(1, round(0.4 * u)))
    if detailed:
        for i in range(1, 5):
            x0 = i * 1.4 * u
            for side in (-1, 1):
                vein = place([(x0, 0), (x0 + 1.2 * u, side * 1.5 * u)], **leaf_at)
                dl.line(vein, fill=(176, 220, 120, 200), width=max(1, round(0.2 * u)))
    img.alpha_composite(outlined(leaf, line, (30, 74, 28, 255)))

    # The cep itself: a broad bun of a cap over a stout stem.
    cep_dims = dict(stem_h=27, stem_w=0.95, cap_w=46, cap_h=24, n=2.5, sag=0.12, pores=0.3)
    cep, (ax, ay) = mushroom('cep', 13.9 * u / 50.0, 1.0, contour=line, dims=cep_dims)
    overlay(img, cep, 7.2 * u - ax, 14.4 * u - ay)
    return img


# --------------------------------------------------------- icon writers

def write_cur(path, indices, palette, transparent, hotspot):
    """Writes a one-image 16-colour cursor.  indices: rows of palette
    indices; transparent: rows of booleans for the AND mask."""
    h, w = len(indices), len(indices[0])
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        row = indices[y]
        for x in range(0, w, 2):
            xor.append((row[x] << 4) | row[x + 1])
        xor += bytes((-len(xor)) % 4)
    andmask = and_mask(transparent, w, h)
    info = struct.pack('<IiiHHIIiiII', 40, w, 2 * h, 1, 4, 0, len(xor) + len(andmask), 0, 0, 16, 0)
    pal = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in palette)
    data = info + pal + bytes(xor) + andmask
    header = struct.pack('<HHH', 0, 2, 1)
    entry = struct.pack('<BBBBHHII', w % 256, h % 256, 16, 0, hotspot[0], hotspot[1], len(data), 6 + 16)
    with open(path, 'wb') as f:
        f.write(header + entry + data)


def and_mask(transparent, w, h):
    stride = (w + 31) // 32 * 4
    out = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            if transparent[y][x]:
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


# ------------------------------------------------------------- pictures

@at_each_scale
def draw_tile():
    """Forest floor of fallen leaves in muted greens, repeating seamlessly."""
    size, s = 300, 4
    N = size * s
    rng = random.Random(2024)
    noise = value_noise((N, N), (5, 5), rng, wrap=True)
    img = ramp(noise, [(0, (86, 106, 74)), (1, (102, 120, 84))])
    tones = [(92, 114, 78), (104, 124, 86), (110, 124, 82), (96, 120, 90), (114, 120, 80), (100, 112, 76)]
    grid = 6
    for depth in range(3):
        shadows, leaves = layer((N, N)), layer((N, N))
        dsh, dlf = ImageDraw.Draw(shadows), ImageDraw.Draw(leaves)
        # One leaf per cell of a jittered grid: evenly strewn, no bare patches.
        for i in range(grid * grid):
            cx = (i % grid + rng.uniform(0.05, 0.95) + depth / 3) * N / grid
            cy = (i // grid + rng.uniform(0.05, 0.95) + depth / 5) * N / grid
            length = rng.uniform(36, 60) * s * (0.85 + 0.1 * depth)
            width = length * rng.uniform(0.38, 0.5)
            angle = rng.uniform(0, 360)
            bend = rng.uniform(-0.12, 0.12)
            tone = jitter(mix(rng.choice(tones), (100, 120, 84), 0.35 - 0.1 * depth), rng, 2)
            light = mix(tone, (140, 152, 112), 0.1)
            pts, upper, lower = leaf_outline(length, width, bend)
            for ox in (-N, 0, N):
                for oy in (-N, 0, N):
                    x, y = cx + ox - length / 2, cy + oy
                    dsh.polygon(place(pts, angle, x + 2 * s, y + 3 * s), fill=(52, 66, 44, 70))
                    dlf.polygon(place(pts, angle, x, y), fill=rgba(tone))
                    half = upper + [(length, 0), (0, 0)]
                    dlf.polygon(place(half, angle, x, y), fill=rgba(light))
                    rib = place([(length * 0.02, 0), (length * 0.92, 0)], angle, x, y)
                    dlf.line(rib, fill=rgba(mix(light, (150, 160, 120), 0.25)), width=s)
        shadows = wrapped(shadows, lambda im: im.filter(ImageFilter.GaussianBlur(3 * s)))
        img.alpha_composite(shadows)
        img.alpha_composite(leaves)
    # Flecks of moss.
    specks = layer((N, N))
    ds = ImageDraw.Draw(specks)
    for _ in range(260):
        x, y, r = rng.uniform(0, N), rng.uniform(0, N), rng.uniform(0.6, 1.4) * s
        c = rgba(jitter((118, 136, 88), rng, 10), 80)
        for ox in (-N, 0, N):
            for oy in (-N, 0, N):
                ds.ellipse((x + ox - r, y + oy - r, x + ox + r, y + oy + r), fill=c)
    img.alpha_composite(specks)
    out = wrapped(img.convert('RGB'), lambda im: im.resize(out_size(3 * size, 3 * size), LANCZOS),
                  out_size(size, size))
    out.save(scaled('tile.jpg'), 'JPEG', quality=90, optimize=True)


@at_each_scale
def draw_backdrop():
    """Panel backdrop: dark forest header, light calm middle, grassy footer."""
    W, H, s = 888, 666, max(3, 2 * SCALE)
    size = (W * s, H * s)
    rng = random.Random(77)
    img = vgradient(size, [(0, (224, 235, 210)), (0.3, (237, 242, 226)), (0.75, (238, 242, 227)),
                           (1, (222, 233, 205))])
    # Faint blotches: blend towards a slightly deeper tint through smooth noise.
    tint = ImageChops.multiply(img, Image.new("RGBA", size, (247, 250, 244, 255)))
    img = Image.composite(tint, img, value_noise(size, (12, 9), rng))

    # Climbing sprigs in the side margins, faint.
    vines = layer(size)
    dv = ImageDraw.Draw(vines)
    for x0, phase in ((27, 0.0), (857, 1.7)):
        stem = [(s * (x0 + 7 * math.sin(y / 38 + phase)), s * y) for y in range(100, 600, 4)]
        dv.line(stem, fill=(178, 204, 164, 255), width=2 * s)
        for i, y in enumerate(range(118, 590, 34)):
            side = 1 if i % 2 else -1
            x = x0 + 7 * math.sin(y / 38 + phase)
            pts, _, _ = leaf_outline(17 * s, 8 * s, bend=0.06 * side)
            ang = -35 if side > 0 else -145
            dv.polygon(place(pts, ang, x * s, y * s), fill=(186, 210, 170, 255))
    img.alpha_composite(vines)

    # Header: dusky sky over three rows of fir trees, ending in a gently
    # wavy line; the title is printed on it in white.
    hh = 104 * s
    hsize = (size[0], hh)
    edge = lambda x: 89 + 2.2 * math.sin(x / 61) + 1.3 * math.sin(x / 17 + 1)
    head = vgradient(hsize, [(0, (14, 42, 30)), (0.75, (34, 80, 52)), (1, (44, 94, 58))], 0, 92 * s)
    glow = rgradient(hsize, [(0, (110, 150, 92, 110)), (1, (110, 150, 92, 0))],
                     (size[0] * 0.66, 92 * s), (size[0] * 0.42, 70 * s))
    head.alpha_composite(glow)
    rows = (((62, 86, 62), 44, 70, 9, 20, 1.4), ((38, 82, 52), 34, 60, 14, 30, 0.6), ((20, 52, 34), 22, 44, 26, 50, 0))
    for colour, low, high, gap_lo, gap_hi, blur in rows:
        trees = layer(hsize)
        dtr = ImageDraw.Draw(trees)
        x = rng.uniform(-20, 0)
        while x < W + 20:
            h = rng.uniform(low, high)
            dtr.polygon([(px * s, py * s) for px, py in spruce(x, 100, h, h * rng.uniform(0.5, 0.62))],
                        fill=rgba(colour))
            x += rng.uniform(gap_lo, gap_hi)
        head.alpha_composite(trees.filter(ImageFilter.GaussianBlur(blur * s)) if blur else trees)
    band = [(0, 0), (size[0], 0)] + [(x * s, edge(x) * s) for x in range(W, -1, -4)]
    band_mask = polygon_mask(hsize, band)
    shade = layer(hsize)
    paint(shade, ImageChops.offset(band_mask, 0, 3 * s).filter(ImageFilter.GaussianBlur(4 * s)), (20, 50, 30, 110))
    img.alpha_composite(shade)
    overlay(img, head, 0, 0, band_mask)

    # Footer: grass over dark earth, with a family of mushrooms on the right.
    top = 606 * s
    ground = vgradient(size, [(0, (62, 108, 48)), (0.35, (42, 72, 36)), (1, (30, 44, 26))], top, H * s)
    turf = [(0, H * s), (0, top)]
    for xx in range(0, W + 8, 8):
        turf.append((xx * s, top - s * (2 + 2 * math.sin(xx / 23) + 1.5 * math.sin(xx / 7.3))))
    turf.append((W * s, H * s))
    back = layer(size)
    db = ImageDraw.Draw(back)
    for _ in range(900):
        x = rng.uniform(-5, W + 5)
        h = rng.uniform(6, 16)
        db.polygon([(px * s, py * s) for px, py in grass_blade(x, 609, h, rng.uniform(-4, 4), rng.uniform(1.6, 2.8))],
                   fill=rgba(mix((46, 92, 40), (84, 138, 58), rng.random())))
    img.alpha_composite(back)
    paint(img, polygon_mask(size, turf), ground)

    front = layer(size)
    df = ImageDraw.Draw(front)
    for _ in range(500):
        x = rng.uniform(-5, W + 5)
        h = rng.uniform(4, 11)
        df.polygon([(px * s, py * s) for px, py in grass_blade(x, 618, h, rng.uniform(-3, 3), rng.uniform(1.4, 2.4))],
                   fill=rgba(mix((58, 108, 44), (98, 150, 64), rng.random())))
    img.alpha_composite(front)
    dark = vgradient(size, [(0, (26, 40, 22, 0)), (1, (26, 40, 22, 150))], 618 * s, 640 * s)
    img.alpha_composite(dark)

    # A mossy hummock in the right of the footer (the slogan keeps to the
    # left), with a family of mushrooms on it.
    hump = [(x * s, (666 - 17 * math.sin(math.pi * (x - 640) / 330) ** 0.6) * s) for x in range(640, 889, 4)]
    hump += [(W * s, H * s), (640 * s, H * s)]
    paint(img, polygon_mask(size, hump),
          vgradient(size, [(0, (52, 88, 42)), (0.5, (40, 64, 32)), (1, (32, 48, 26))], 649 * s, H * s))
    img.alpha_composite(soft_shadow(size, lambda d: d.ellipse((708 * s, 648 * s, 880 * s, 660 * s), fill=255),
                                    (12, 24, 12, 140), 3 * s))
    group = layer(size)
    put_mushroom(group, 'agaric', (724 * s, 656 * s), 36 * s, angle=5, contour=1.2 * s)
    put_mushroom(group, 'cep', (762 * s, 654 * s), 43 * s, angle=-3, contour=1.2 * s)
    put_mushroom(group, 'cep', (797 * s, 652 * s), 25 * s, t=0.6, angle=-10, contour=1.2 * s)
    put_mushroom(group, 'agaric', (842 * s, 652 * s), 22 * s, t=0.5, angle=-6, contour=1.2 * s)
    put_mushroom(group, 'cep', (868 * s, 654 * s), 15 * s, t=0.3, angle=8, contour=1.2 * s)
    img.alpha_composite(group)
    tufts = layer(size)
    dt = ImageDraw.Draw(tufts)
    for _ in range(160):
        x = rng.uniform(690, W + 4)
        h = rng.uniform(3, 8)
        dt.polygon([(px * s, py * s) for px, py in grass_blade(x, rng.uniform(655, 661), h, rng.uniform(-2.5, 2.5),
                                                               rng.uniform(1.3, 2.2))],
                   fill=rgba(mix((50, 94, 40), (92, 142, 60), rng.random())))
    img.alpha_composite(tufts)

    out = img.convert('RGB').resize(out_size(W, H), LANCZOS)
    out.save(scaled('backdrop.jpg'), 'JPEG', quality=90, optimize=True, progressive=True)


# Geometry of the growth animation sheet.
CELL_W, CELL_H = 50, 58
FRAMES = 20
STRIP_H = 13
GROUND_H = CELL_H + STRIP_H
FOOT_Y = 53            # where the stem stands in a cell
SPRITE_S = 4


def ground_layers():
    """Grass behind and in front of the mushroom, for a cell plus the strip
    beneath it, drawn three cells wide so that it repeats every cell."""
    s = SPRITE_S
    w, h = CELL_W * s, GROUND_H * s
    size = (3 * w, h)
    rng = random.Random(58)
    back, front = layer(size), layer(size)

    # Turf and earth, with a ragged lower edge over white.
    top_y = lambda x: 52.0 + 0.8 * math.sin(2 * math.pi * x / 25) + 0.5 * math.sin(2 * math.pi * x / 10)
    bottom_y = lambda x: 67.5 + 1.2 * math.sin(2 * math.pi * x / 50 + 1) + 0.7 * math.sin(2 * math.pi * x / 12.5)
    pts = [(x * s / 4, top_y(x / 4) * s) for x in range(0, 3 * CELL_W * 4 + 1)]
    pts += [(x * s / 4, bottom_y(x / 4) * s) for x in range(3 * CELL_W * 4, -1, -1)]
    turf = polygon_mask(size, pts)
    paint(back, turf, vgradient(size, [(0, (74, 138, 50)), (0.3, (60, 116, 42)), (0.5, (58, 96, 40)),
                                       (0.62, (96, 72, 46)), (1, (72, 52, 34))], 52 * s, 69 * s))
    pebbles = layer(size)
    dp = ImageDraw.Draw(pebbles)
    for _ in range(10):
        x, y, r = rng.uniform(0, CELL_W), rng.uniform(63, 66.5), rng.uniform(0.6, 1.1)
        c = rgba(jitter((128, 104, 76), rng, 14))
        for ox in range(0, 3 * CELL_W + 1, CELL_W):
            dp.ellipse(((x + ox - r) * s, (y - r * 0.7) * s, (x + ox + r) * s, (y + r * 0.7) * s), fill=c)
    paint(back, turf, pebbles)

    def blades(target, count, base, height, colours, width):
        d = ImageDraw.Draw(target)
        for _ in range(count):
            x = rng.uniform(0, CELL_W)
            b = rng.uniform(*base)
            hh = rng.uniform(*height)
            lean = rng.uniform(-2.6, 2.6)
            wd = rng.uniform(*width)
            c = rgba(mix(colours[0], colours[1], rng.random()))
            for ox in range(-CELL_W, 4 * CELL_W, CELL_W):
                d.polygon([(px * s, py * s) for px, py in grass_blade(x + ox, b, hh, lean, wd)], fill=c)

    blades(back, 46, (52.5, 55.0), (4.5, 11.5), ((54, 116, 40), (92, 154, 58)), (1.4, 2.3))
    blades(front, 30, (56.0, 59.0), (3.0, 8.0), ((96, 164, 62), (132, 190, 80)), (1.3, 2.1))
    # Front blades are bordered darker so that they read against a pale stem.
    front = outlined(front, 0.5 * s, (46, 100, 36, 150))
    return back, front


def sprite_cell(kind, frame, back, front):
    """One cell of the animation (GROUND_H rows: the cell plus the strip below)."""
    s = SPRITE_S
    img = Image.new('RGBA', back.size, rgba(WHITE))
    img.alpha_composite(back)
    if frame >= 2:
        t = (frame - 2) / (FRAMES - 3)
        grow = 0.16 + 0.84 * t
        put_mushroom(img, kind, (1.5 * CELL_W * s, FOOT_Y * s), 50 * s * grow, t, contour=0.6 * s)
    img.alpha_composite(front)
    small = img.convert('RGB').resize(out_size(3 * CELL_W, GROUND_H), LANCZOS)
    return small.crop((CELL_W * SCALE, 0, 2 * CELL_W * SCALE, GROUND_H * SCALE))


@at_each_scale
def draw_mushrooms_and_grass():
    back, front = ground_layers()
    S = SCALE
    sheet = Image.new('RGB', out_size(CELL_W * FRAMES, 116), WHITE)
    strip_cell = None
    for row, kind in ((0, 'agaric'), (1, 'cep')):
        for frame in range(FRAMES):
            cell = sprite_cell(kind, frame, back, front)
            if row == 0:
                # The row below the cell is the first line of the grass strip.
                sheet.paste(cell.crop((0, 0, CELL_W * S, (CELL_H + 1) * S)), (frame * CELL_W * S, 0))
            else:
                sheet.paste(cell.crop((0, 0, CELL_W * S, (CELL_H - 1) * S)), (frame * CELL_W * S, (CELL_H + 1) * S))
            if frame == 0:
                strip_cell = cell.crop((0, CELL_H * S, CELL_W * S, GROUND_H * S))
    strip = Image.new('RGB', out_size(15 * CELL_W, STRIP_H), WHITE)
    for i in range(15):
        strip.paste(strip_cell, (i * CELL_W * S, 0))

    # One palette for both, so that the strip's grass matches the cells exactly.
    both = Image.new('RGB', (sheet.width, sheet.height + strip.height), WHITE)
    both.paste(sheet, (0, 0))
    both.paste(strip, (0, sheet.height))
    both = to_palette(both)
    both.crop((0, 0, sheet.width, sheet.height)).save(scaled('mushrooms.gif'), 'GIF')
    both.crop((0, sheet.height, strip.width, sheet.height + strip.height)).save(scaled('grass.gif'), 'GIF')


def to_palette(img, colours=255):
    """Reduces to at most 256 colours, keeping pure white exactly white."""
    img = img.convert('RGB')
    q = img.quantize(colors=colours, method=Image.Quantize.MEDIANCUT)
    pal = q.getpalette()[:3 * colours]
    pal += [0] * (3 * colours - len(pal))
    white_index = colours
    q.putpalette(pal + list(WHITE))
    r, g, b = img.split()
    is_white = ImageChops.darker(ImageChops.darker(r, g), b).point(lambda v: 255 if v == 255 else 0)
    q.paste(white_index, (0, 0) + img.size, is_white)
    return q


def draw_basket(img, s):
    """Wicker basket full of ceps, drawn at scale s into a 128x128-unit image."""
    size = img.size
    P = lambda x, y: (x * s, y * s)
    wicker_light, wicker, wicker_dark = (222, 170, 98), (186, 128, 66), (122, 78, 38)

    img.alpha_composite(soft_shadow(size, lambda d: d.ellipse(P(18, 112) + P(110, 124), fill=255),
                                    (60, 50, 30, 90), 3 * s))
    # Handle: a twisted wicker arc.
    handle = layer(size)
    dh = ImageDraw.Draw(handle)
    box = P(19, 12) + P(109, 116)
    dh.arc(box, 180, 360, fill=rgba(wicker_dark), width=round(8 * s))
    dh.arc((box[0] + s, box[1] + s, box[2] - s, box[3] - s), 180, 360, fill=rgba(wicker), width=round(6 * s))
    for a in range(184, 358, 9):
        r = math.radians(a)
        cx, cy, rx, ry = 64 * s, 64 * s, 45 * s - 4 * s, 52 * s - 4 * s
        p1 = (cx + (rx - 3.5 * s) * math.cos(r), cy + (ry - 3.5 * s) * math.sin(r))
        p2 = (cx + (rx + 3.5 * s) * math.cos(r + 0.07), cy + (ry + 3.5 * s) * math.sin(r + 0.07))
        dh.line([p1, p2], fill=rgba(wicker_light), width=round(1.6 * s))
    img.alpha_composite(handle)

    # Dark inside of the basket, seen through its opening.
    rim_box = P(13, 57) + P(115, 77)
    d = ImageDraw.Draw(img)
    d.ellipse(rim_box, fill=(92, 58, 30, 255))
    # The back half of the rim.
    d.arc(rim_box, 180, 360, fill=rgba(wicker_dark), width=round(4 * s))
    d.arc((rim_box[0] + s, rim_box[1] + s, rim_box[2] - s, rim_box[3] - s), 180, 360,
          fill=rgba(wicker), width=round(2.5 * s))

    # Ceps filling the basket.
    put_mushroom(img, 'cep', P(38, 80), 44 * s, angle=26, contour=1.2 * s)
    put_mushroom(img, 'cep', P(91, 81), 42 * s, angle=-24, contour=1.2 * s)
    put_mushroom(img, 'cep', P(64, 88), 54 * s, angle=-3, contour=1.2 * s)

    # Body of the basket, woven in staggered rows.
    body_pts = [P(13, 67)]
    body_pts += quad_bezier(P(13, 67), P(16, 110), P(34, 117), 16)
    body_pts += quad_bezier(P(34, 117), P(64, 124), P(94, 117), 16)
    body_pts += quad_bezier(P(94, 117), P(112, 110), P(115, 67), 16)
    body_pts += [(64 * s + 51 * s * math.cos(math.radians(a)), 67 * s + 10 * s * math.sin(math.radians(a)))
                 for a in range(0, 181, 5)]
    body = polygon_mask(size, body_pts)
    weave = Image.new('RGBA', size, rgba(wicker_dark))
    dw = ImageDraw.Draw(weave)
    row_h = 8.5
    for row in range(8):
        y0 = 66 + row * row_h
        offset = 0 if row % 2 else 5.5
        x = 4 - offset
        while x < 128:
            dw.rounded_rectangle((x * s + s, y0 * s + s, (x + 11) * s - s, (y0 + row_h) * s - s),
                                 radius=3 * s, fill=rgba(wicker))
            dw.rounded_rectangle((x * s + 2 * s, y0 * s + 1.6 * s, (x + 11) * s - 2.5 * s, (y0 + row_h * 0.5) * s),
                                 radius=2 * s, fill=rgba(wicker_light))
            x += 11
    paint(img, body, weave)
    # Round it: darker towards the sides and the bottom.
    paint(img, body, hgradient(size, [(0, (70, 40, 16, 130)), (0.3, (70, 40, 16, 0)), (0.7, (70, 40, 16, 0)),
                                      (1, (70, 40, 16, 150))], 13 * s, 115 * s))
    paint(img, body, vgradient(size, [(0, (70, 40, 16, 0)), (1, (70, 40, 16, 110))], 80 * s, 122 * s))
    # Braided rim along the front edge.
    rim = layer(size)
    dr = ImageDraw.Draw(rim)
    dr.arc(rim_box, 0, 180, fill=rgba(wicker_dark), width=round(6.5 * s))
    dr.arc((rim_box[0] + s, rim_box[1] + s, rim_box[2] - s, rim_box[3] - s), 0, 180,
           fill=rgba(wicker), width=round(4.5 * s))
    for a in range(4, 178, 8):
        r1, r2 = math.radians(a), math.radians(a + 5)
        cx, cy, rx, ry = 64 * s, 67 * s, 50 * s, 8.5 * s
        dr.line([(cx + rx * math.cos(r1), cy + ry * math.sin(r1) - 2 * s),
                 (cx + rx * math.cos(r2), cy + ry * math.sin(r2) + 2 * s)],
                fill=rgba(wicker_light), width=round(1.7 * s))
    img.alpha_composite(rim)
    # Leaves tucked in at the sides.
    greens = layer(size)
    dg = ImageDraw.Draw(greens)
    for (x, y, ang, ln) in ((22, 68, -160, 21), (106, 68, -20, 21)):
        pts, _, _ = leaf_outline(ln * s, ln * 0.42 * s, bend=0.08)
        dg.polygon(place(pts, ang, x * s, y * s), fill=(86, 150, 60, 255))
        dg.line(place([(2 * s, 0), (ln * 0.9 * s, 0)], ang, x * s, y * s), fill=(170, 214, 120, 255), width=s)
    img.alpha_composite(outlined(greens, 0.8 * s, (40, 90, 34, 230)))


@at_each_scale
def draw_finish():
    s = 4
    img = layer((128 * s, 128 * s))
    draw_basket(img, s)
    out = on_white(shrink(img, out_size(128, 128)))
    out.save(scaled('finish.jpg'), 'JPEG', quality=92, subsampling=0)


@at_each_scale
def draw_mark(good):
    s = 8
    N = 24 * s
    img = layer((N, N))
    d = ImageDraw.Draw(img)
    if good:
        pts = [(4.6 * s, 12.6 * s), (9.6 * s, 17.8 * s), (19.8 * s, 5.8 * s)]
        for colour, width in (((24, 104, 34), 4.6), ((52, 160, 56), 3.0)):
            w = round(width * s)
            d.line(pts, fill=rgba(colour), width=w, joint='curve')
            for x, y in (pts[0], pts[-1]):
                d.ellipse((x - w / 2, y - w / 2, x + w / 2, y + w / 2), fill=rgba(colour))
        hl = [(5.6 * s, 12.3 * s), (9.6 * s, 16.4 * s)]
        d.line(hl, fill=(130, 210, 110, 255), width=round(0.9 * s))
    else:
        box = (1.2 * s, 1.2 * s, 22.8 * s, 22.8 * s)
        ring = shape_mask((N, N), lambda dd: dd.ellipse(box, fill=255))
        paint(img, ring, rgradient((N, N), [(0, (236, 84, 70)), (0.7, (206, 40, 36)), (1, (160, 22, 22))],
                                   (9 * s, 8 * s), (15 * s, 15 * s)))
        d.ellipse(box, outline=(140, 20, 20, 255), width=round(0.8 * s))
        w = round(3.0 * s)
        for a, b in (((7.5, 7.5), (16.5, 16.5)), ((16.5, 7.5), (7.5, 16.5))):
            d.line([(a[0] * s, a[1] * s), (b[0] * s, b[1] * s)], fill=(255, 255, 255, 255), width=w)
            for x, y in (a, b):
                d.ellipse((x * s - w / 2, y * s - w / 2, x * s + w / 2, y * s + w / 2), fill=(255, 255, 255, 255))
    out = on_white(shrink(img, out_size(24, 24)))
    out.save(scaled('right.jpg' if good else 'wrong.jpg'), 'JPEG', quality=95, subsampling=0)


@at_each_scale
def draw_marker():
    """A leaf on a short stalk, pointing right."""
    s = 8
    size = (35 * s, 24 * s)
    img = layer(size)
    pts, upper, lower = leaf_outline(25 * s, 13 * s, bend=0.0)
    pts = place(pts, 0, 8 * s, 12 * s)
    m = polygon_mask(size, pts)
    paint(img, m, vgradient(size, [(0, (112, 190, 78)), (0.5, (70, 154, 52)), (1, (40, 112, 38))],
                            5 * s, 19 * s))
    d = ImageDraw.Draw(img)
    d.line([(2 * s, 12 * s), (31 * s, 12 * s)], fill=(206, 240, 160, 255), width=round(1.1 * s))
    for i in range(1, 5):
        x = 8 * s + i * 4.4 * s
        for side in (-1, 1):
            d.line([(x, 12 * s), (x + 3 * s, 12 * s + side * 3.3 * s)], fill=(170, 222, 128, 220), width=round(0.6 * s))
    img = outlined(img, 0.7 * s, (30, 86, 30, 255))
    d = ImageDraw.Draw(img)
    d.line([(1.5 * s, 13.2 * s), (9 * s, 12 * s)], fill=(56, 110, 40, 255), width=round(1.6 * s))
    out = on_white(shrink(img, out_size(35, 24)))
    to_palette(out).save(scaled('marker.gif'), 'GIF')


@at_each_scale
def draw_start_background():
    """Small start window: a forest glade on top, dark forest floor below."""
    W, H, s = 400, 327, 4
    size = (W * s, H * s)
    rng = random.Random(265)
    P = lambda v: v * s

    # Depth of the forest: dark above, light glade towards the horizon.
    img = vgradient(size, [(0, (26, 62, 42)), (0.2, (70, 116, 74)), (0.3, (150, 186, 110)), (0.34, (130, 170, 90)),
                           (0.36, (40, 76, 44)), (0.6, (28, 54, 34)), (1, (20, 40, 26))])
    glow = rgradient(size, [(0, (255, 244, 196, 170)), (0.5, (230, 236, 170, 60)), (1, (230, 236, 170, 0))],
                     (P(235), P(78)), (P(190), P(62)))
    img.alpha_composite(glow)

    far, mid = layer(size), layer(size)
    dfar, dmid = ImageDraw.Draw(far), ImageDraw.Draw(mid)
    x = -8
    while x < W + 10:
        h = rng.uniform(34, 56)
        dfar.polygon([(P(px), P(py)) for px, py in spruce(x, 92, h, h * 0.55)], fill=(98, 142, 92, 255))
        x += rng.uniform(11, 19)
    x = -12
    while x < W + 10:
        h = rng.uniform(48, 82)
        if 150 < x < 320:
            h *= 0.62     # keep the middle low behind the title
        dmid.polygon([(P(px), P(py)) for px, py in spruce(x, 98, h, h * 0.5)], fill=(46, 92, 58, 255))
        x += rng.uniform(24, 40)
    img.alpha_composite(far.filter(ImageFilter.GaussianBlur(P(0.8))))
    img.alpha_composite(mid.filter(ImageFilter.GaussianBlur(P(0.3))))

    # Glade.
    glade_top = lambda xx: 88 + 3 * math.sin(xx / 41) + 1.5 * math.sin(xx / 13)
    glade = [(P(xx), P(glade_top(xx))) for xx in range(0, W + 1, 4)] + [(P(W), P(H)), (0, P(H))]
    paint(img, polygon_mask(size, glade),
          vgradient(size, [(0, (128, 172, 78)), (0.5, (96, 146, 60)), (1, (56, 100, 44))], P(86), P(116)))

    # Overhanging foliage along the top edge, thicker on the right where
    # the version number is printed.
    crown = layer(size)
    dc = ImageDraw.Draw(crown)
    for _ in range(90):
        xx = rng.uniform(-10, W + 10)
        weight = 1.0 if xx > 300 or xx < 60 else 0.55
        r = rng.uniform(6, 14) * weight
        yy = rng.uniform(-8, 16 if weight == 1.0 else 6)
        c = mix((18, 46, 30), (40, 84, 50), rng.random())
        dc.ellipse((P(xx - r), P(yy - r * 0.8), P(xx + r), P(yy + r * 0.8)), fill=rgba(c))
    for _ in range(40):
        xx, yy = rng.uniform(0, W), rng.uniform(-4, 14)
        pts, _, _ = leaf_outline(P(rng.uniform(8, 13)), P(rng.uniform(3.5, 5)), bend=0.05)
        c = mix((30, 70, 42), (58, 110, 62), rng.random())
        dc.polygon(place(pts, rng.uniform(40, 140), P(xx), P(yy)), fill=rgba(c))
    img.alpha_composite(crown)

    # Mushrooms in the glade and the emblem.
    back = layer(size)
    db = ImageDraw.Draw(back)
    for _ in range(500):
        xx = rng.uniform(-4, W + 4)
        base = glade_top(xx) + rng.uniform(3, 8)
        db.polygon([(P(px), P(py)) for px, py in grass_blade(xx, base, rng.uniform(3, 7), rng.uniform(-2, 2),
                                                             rng.uniform(1.2, 2.0))],
                   fill=rgba(mix((96, 150, 60), (150, 194, 92), rng.random())))
    img.alpha_composite(back)
    group = layer(size)
    shadows = soft_shadow(size, lambda d: (d.ellipse((P(24), P(96), P(98), P(106)), fill=255),
                                           d.ellipse((P(322), P(98), P(392), P(106)), fill=255)),
                          (30, 60, 30, 120), P(2.5))
    group.alpha_composite(shadows)
    overlay(group, emblem_art(84, s), P(16), P(18))
    put_mushroom(group, 'agaric', (P(344), P(103)), P(44), angle=-4, contour=P(0.9))
    put_mushroom(group, 'cep', (P(374), P(105)), P(30), t=0.7, angle=9, contour=P(0.9))
    put_mushroom(group, 'agaric', (P(322), P(104)), P(20), t=0.35, angle=-12, contour=P(0.9))
    img.alpha_composite(group)

    front = layer(size)
    df = ImageDraw.Draw(front)
    for _ in range(700):
        xx = rng.uniform(-4, W + 4)
        base = rng.uniform(104, 116)
        df.polygon([(P(px), P(py)) for px, py in grass_blade(xx, base, rng.uniform(4, 12), rng.uniform(-3, 3),
                                                             rng.uniform(1.2, 2.2))],
                   fill=rgba(mix((38, 80, 40), (84, 136, 60), rng.random())))
    img.alpha_composite(front)

    # Quiet texture of leaves on the dark forest floor.
    floor = layer(size)
    dfl = ImageDraw.Draw(floor)
    for _ in range(120):
        xx, yy = rng.uniform(-10, W + 10), rng.uniform(120, H + 10)
        ln = rng.uniform(14, 30)
        pts, _, _ = leaf_outline(P(ln), P(ln * 0.45), bend=rng.uniform(-0.1, 0.1))
        c = mix((30, 58, 36), (42, 74, 44), rng.random())
        dfl.polygon(place(pts, rng.uniform(0, 360), P(xx), P(yy)), fill=rgba(c, 60))
    img.alpha_composite(floor.filter(ImageFilter.GaussianBlur(P(0.6))))
    top_shade = vgradient(size, [(0, (14, 34, 22, 120)), (1, (14, 34, 22, 0))], P(116), P(132))
    img.alpha_composite(top_shade)

    # Title painted over the glade.
    font = ImageFont.truetype(os.path.join(FONT_DIR, 'LiberationSerif-Bold.ttf'), P(40))
    title = 'БиоЛукошко'
    text = layer(size)
    dt = ImageDraw.Draw(text)
    bbox = dt.textbbox((0, 0), title, font=font)
    tx = P(240) - (bbox[2] - bbox[0]) / 2 - bbox[0]
    ty = P(50) - (bbox[3] - bbox[1]) / 2 - bbox[1]
    shadow = layer(size)
    ImageDraw.Draw(shadow).text((tx + P(1.5), ty + P(2)), title, font=font, fill=(10, 36, 18, 200),
                                stroke_width=P(2), stroke_fill=(10, 36, 18, 200))
    img.alpha_composite(shadow.filter(ImageFilter.GaussianBlur(P(1.6))))
    dt.text((tx, ty), title, font=font, fill=(255, 250, 226, 255),
            stroke_width=round(P(1.2)), stroke_fill=(32, 78, 40, 255))
    fill = vgradient(size, [(0, (255, 252, 232)), (1, (240, 222, 150))], ty + bbox[1], ty + bbox[3])
    letters = shape_mask(size, lambda dd: dd.text((tx, ty), title, font=font, fill=255))
    paint(text, letters, fill)
    img.alpha_composite(text)

    out = img.convert('RGB').resize(out_size(W, H), LANCZOS)
    out.save(scaled('start-background.jpg'), 'JPEG', quality=92, optimize=True)


# A pointing hand, index finger up; its fingertip is the hot spot (12, 5).
# B = black outline, W = white, G = grey shading, . = transparent.
HAND = [
    '................................',
    '................................',
    '................................',
    '................................',
    '................................',
    '...........BBB..................',
    '..........BWWWB.................',
    '..........BWWWB.................',
    '..........BWWWB.................',
    '..........BWWWB.................',
    '..........BWWWB.................',
    '..........BWWWBBBB..............',
    '..........BWWWBWWWBBBB..........',
    '..........BWWWBWWWBWWWBBB.......',
    '..........BWWWBWWWBWWWBWWB......',
    '..........BWWWBWWWBWWWBWWB......',
    '...BBB....BWWWWWWWWWWWWWWB......',
    '..BWWWB...BWWWWWWWWWWWWWWB......',
    '..BWWWWB..BWWWWWWWWWWWWWWB......',
    '...BWWWWB.BWWWWWWWWWWWWWGB......',
    '....BWWWWBBWWWWWWWWWWWWWGB......',
    '.....BWWWWWWWWWWWWWWWWWWGB......',
    '......BWWWWWWWWWWWWWWWWWGB......',
    '.......BWWWWWWWWWWWWWWWGB.......',
    '........BWWWWWWWWWWWWWWGB.......',
    '.........BWWWWWWWWWWWWGB........',
    '..........BWWWWWWWWWWWGB........',
    '..........BWWWWWWWWWWWGB........',
    '..........BBBBBBBBBBBBBB........',
    '................................',
    '................................',
    '................................',
]

# The usual 16-colour palette; the hand uses black, grey and white.
PALETTE16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
HOTSPOT = (12, 5)


def draw_hand_cursor():
    index = {'.': 0, 'B': 0, 'G': 7, 'W': 15}
    rows = [[index[c] for c in line] for line in HAND]
    clear = [[c == '.' for c in line] for line in HAND]
    write_cur(asset('hand.cur'), rows, PALETTE16, clear, HOTSPOT)


# ------------------------------------------------------ program's icon set
#
# One drawing serves the desktop's icon theme, as a scalable SVG and as PNGs,
# and the windows' icon.  It is described once, as shapes on a 64-unit
# square; the SVG is written from the description and every PNG is
# rasterised from it.  Fills are a plain colour or a vertical, horizontal or
# radial gradient; stops may carry an alpha as a fourth value.

ICON_SIZES = (16, 32, 48, 64, 128, 256)
ICON_VIEW = 64
ICON_CONTOUR = (58, 34, 18)

ICON_SHAPES = [
    # A soft shadow on the ground.
    dict(ellipse=(32, 60, 21, 3), fill=(0, 0, 0), opacity=0.22),
    # A leaf behind the stem, pointing right.
    dict(path=[('M', 38, 57), ('C', 44, 47, 53, 44, 60, 46), ('C', 57, 54, 49, 59.5, 38, 57), ('Z',)],
         fill=('v', 44, 59, [(0, (150, 208, 96)), (1, (62, 132, 46))]),
         stroke=(30, 74, 28), width=2.2),
    # The stem, club-shaped, lit from the left.
    dict(path=[('M', 23, 33), ('C', 22, 42, 17, 47, 19, 55), ('C', 20, 59, 26, 60, 32, 60),
               ('C', 38, 60, 44, 59, 45, 55), ('C', 47, 47, 42, 42, 41, 33), ('Z',)],
         fill=('h', 18, 46, [(0, (206, 186, 146)), (0.3, (252, 246, 228)), (0.7, (236, 224, 194)),
                             (1, (170, 146, 108))]),
         stroke=ICON_CONTOUR, width=2.5),
    # The cap's shade on the top of the stem.
    dict(path=[('M', 23, 33), ('L', 41, 33), ('L', 42, 43), ('L', 22, 43), ('Z',)],
         fill=('v', 35, 43, [(0, (90, 60, 30, 150)), (1, (90, 60, 30, 0))])),
    # Yellowish pores under the rim.
    dict(path=[('M', 9, 36), ('C', 18, 42.5, 46, 42.5, 55, 36), ('C', 46, 34.5, 18, 34.5, 9, 36), ('Z',)],
         fill=(226, 204, 124), stroke=ICON_CONTOUR, width=2.0),
    # The cap: a broad brown bun.
    dict(path=[('M', 4, 32), ('C', 4, 14, 16, 5, 32, 5), ('C', 48, 5, 60, 14, 60, 32),
               ('C', 60, 36.5, 57, 37.5, 52, 36.5), ('C', 44, 35, 20, 35, 12, 36.5),
               ('C', 7, 37.5, 4, 36.5, 4, 32), ('Z',)],
         fill=('r', 24, 12, 38, [(0, (208, 144, 82)), (0.45, (164, 96, 46)), (1, (100, 52, 22))]),
         stroke=ICON_CONTOUR, width=2.5),
    # Its shine.
    dict(ellipse=(22, 14, 9, 4.5), fill=(255, 246, 226), opacity=0.35),
]


def icon_path_points(segments, steps=24):
    """Flattens path segments (M, L, C, Q, Z) into a polygon."""
    pts = []
    for seg in segments:
        op, args = seg[0], seg[1:]
        if op in ('M', 'L'):
            pts.append(args)
        elif op == 'Q':
            pts += quad_bezier(pts[-1], args[0:2], args[2:4], steps)[1:]
        elif op == 'C':
            p0, p1, p2, p3 = pts[-1], args[0:2], args[2:4], args[4:6]
            for i in range(1, steps + 1):
                t = i / steps
                a, b, c, d = (1 - t) ** 3, 3 * (1 - t) ** 2 * t, 3 * (1 - t) * t * t, t ** 3
                pts.append((a * p0[0] + b * p1[0] + c * p2[0] + d * p3[0],
                            a * p0[1] + b * p1[1] + c * p2[1] + d * p3[1]))
    return pts


def icon_fill_image(size, fill, k):
    """The fill of a shape as an RGBA image or a colour, k pixels per unit."""
    if len(fill) in (3, 4) and not isinstance(fill[0], str):
        return rgba(fill)
    kind, *geo, stops = fill
    stops = [(p, rgba(c)) for p, c in stops]
    if kind == 'v':
        return vgradient(size, stops, geo[0] * k, geo[1] * k)
    if kind == 'h':
        return hgradient(size, stops, geo[0] * k, geo[1] * k)
    cx, cy, r = geo
    return rgradient(size, stops, (cx * k, cy * k), (r * k, r * k))


def icon_picture_from_shapes(size):
    """Rasterises ICON_SHAPES at size x size pixels on a transparent ground.
    Contours stay at least one pixel wide, so that small sizes keep the
    silhouette."""
    s = 16 if size <= 64 else 4
    N = size * s
    k = N / ICON_VIEW
    img = layer((N, N))
    for shape in ICON_SHAPES:
        if 'ellipse' in shape:
            cx, cy, rx, ry = (v * k for v in shape['ellipse'])
            box = (cx - rx, cy - ry, cx + rx, cy + ry)
            mask = shape_mask((N, N), lambda d: d.ellipse(box, fill=255))
        else:
            pts = [(x * k, y * k) for x, y in icon_path_points(shape['path'])]
            mask = polygon_mask((N, N), pts)
        opacity = shape.get('opacity', 1.0)
        if opacity < 1:
            mask = mask.point(lambda v: round(v * opacity))
        paint(img, mask, icon_fill_image((N, N), shape['fill'], k))
        if shape.get('stroke'):
            width = max(shape['width'] * k, s)
            line = layer((N, N))
            dl = ImageDraw.Draw(line)
            if 'ellipse' in shape:
                grow = width / 2
                dl.ellipse((box[0] - grow, box[1] - grow, box[2] + grow, box[3] + grow),
                           outline=rgba(shape['stroke']), width=round(width))
            else:
                dl.line(pts + pts[:2], fill=rgba(shape['stroke']), width=round(width), joint='curve')
            img.alpha_composite(line)
    return shrink(img, (size, size))


def svg_colour(c):
    return '#%02x%02x%02x' % tuple(c[:3])


def icon_svg():
    """ICON_SHAPES as an SVG document."""
    defs, body = [], []
    for i, shape in enumerate(ICON_SHAPES):
        fill = shape['fill']
        attrs = []
        if len(fill) in (3, 4) and not isinstance(fill[0], str):
            attrs.append('fill="%s"' % svg_colour(fill))
        else:
            kind, *geo, stops = fill
            gid = 'g%d' % i
            stop_tags = ''.join(
                '<stop offset="%g" stop-color="%s"%s/>' % (
                    p, svg_colour(c), ' stop-opacity="%.3g"' % (c[3] / 255) if len(c) == 4 else '')
                for p, c in stops)
            if kind == 'v':
                defs.append('<linearGradient id="%s" gradientUnits="userSpaceOnUse" x1="0" y1="%g" x2="0" y2="%g">'
                            '%s</linearGradient>' % (gid, geo[0], geo[1], stop_tags))
            elif kind == 'h':
                defs.append('<linearGradient id="%s" gradientUnits="userSpaceOnUse" x1="%g" y1="0" x2="%g" y2="0">'
                            '%s</linearGradient>' % (gid, geo[0], geo[1], stop_tags))
            else:
                defs.append('<radialGradient id="%s" gradientUnits="userSpaceOnUse" cx="%g" cy="%g" r="%g">'
                            '%s</radialGradient>' % (gid, geo[0], geo[1], geo[2], stop_tags))
            attrs.append('fill="url(#%s)"' % gid)
        if shape.get('opacity', 1.0) < 1:
            attrs.append('fill-opacity="%g"' % shape['opacity'])
        if shape.get('stroke'):
            attrs.append('stroke="%s" stroke-width="%g" stroke-linejoin="round"'
                         % (svg_colour(shape['stroke']), shape['width']))
        if 'ellipse' in shape:
            geometry = 'cx="%g" cy="%g" rx="%g" ry="%g"' % shape['ellipse']
            body.append('<ellipse %s %s/>' % (geometry, ' '.join(attrs)))
        else:
            d = ' '.join(seg[0] + (' ' + ' '.join('%g' % v for v in seg[1:]) if len(seg) > 1 else '')
                         for seg in shape['path'])
            body.append('<path d="%s" %s/>' % (d, ' '.join(attrs)))
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" width="{0}" height="{0}" viewBox="0 0 {0} {0}">\n'
            '<defs>\n{1}\n</defs>\n{2}\n</svg>\n').format(ICON_VIEW, '\n'.join(defs), '\n'.join(body))


def icon_set_path(name):
    return os.path.join(ASSETS, 'icons', name)


def draw_icon_set():
    """The program's icon: assets/icons/livenor.svg and N.png for each size."""
    os.makedirs(os.path.join(ASSETS, 'icons'), exist_ok=True)
    with open(icon_set_path('livenor.svg'), 'w', encoding='utf-8') as f:
        f.write(icon_svg())
    for size in ICON_SIZES:
        icon_picture_from_shapes(size).save(icon_set_path('%d.png' % size), 'PNG', optimize=True)


def verify_icon_set():
    import xml.etree.ElementTree as ET
    svg = ET.parse(icon_set_path('livenor.svg')).getroot()
    assert svg.get('viewBox') == '0 0 %d %d' % (ICON_VIEW, ICON_VIEW)
    assert len(list(svg)) == len(ICON_SHAPES) + 1
    for size in ICON_SIZES:
        im = Image.open(icon_set_path('%d.png' % size))
        assert im.format == 'PNG' and im.mode == 'RGBA' and im.size == (size, size), size
        alpha = im.getchannel('A')
        corners = [alpha.getpixel(p) for p in ((0, 0), (size - 1, 0), (0, size - 1), (size - 1, size - 1))]
        assert corners == [0, 0, 0, 0], (size, corners)
        # A solid figure, not a faint one: a third or more of the square is opaque.
        opaque = sum(1 for v in alpha.getdata() if v >= 192)
        assert opaque >= size * size // 3, (size, opaque)


# ---------------------------------------------------------------- checks

def read_icon_header(path):
    with open(path, 'rb') as f:
        data = f.read()
    reserved, kind, count = struct.unpack_from('<HHH', data, 0)
    w, h, ncol, res, planes_or_x, bits_or_y, length, offset = struct.unpack_from('<BBBBHHII', data, 6)
    info = struct.unpack_from('<IiiHHIIiiII', data, offset)
    return dict(kind=kind, count=count, w=w or 256, h=h or 256, colours=ncol, x=planes_or_x,
                y=bits_or_y, length=length, offset=offset, info=info, size=len(data), data=data)


def verify_pictures(opened, S):
    """The pictures drawn at each output scale, at scale S."""
    jpegs = (('tile.jpg', (300, 300)), ('backdrop.jpg', (888, 666)), ('finish.jpg', (128, 128)),
             ('wrong.jpg', (24, 24)), ('right.jpg', (24, 24)), ('start-background.jpg', (400, 327)))
    for name, size in jpegs:
        im = opened(name, 'JPEG', size, S)
        progressive = bool(im.info.get('progressive') or im.info.get('progression'))
        assert progressive == (name == 'backdrop.jpg'), name

    tile = Image.open(scaled('tile.jpg', S)).convert('L')
    n = 300 * S
    # Seamless: the jump across the wrapped edge is no larger than inside.
    def column_step(a, b):
        return sum(abs(tile.getpixel((a, y)) - tile.getpixel((b, y))) for y in range(n)) / n
    inside = sum(column_step(x, x + 1) for x in range(0, n - 1, 13)) / len(range(0, n - 1, 13))
    assert column_step(n - 1, 0) < 2 * inside + 1, ('tile seam', S)

    for name, size in (('mushrooms.gif', (1000, 116)), ('grass.gif', (750, 13)), ('marker.gif', (35, 24))):
        im = opened(name, 'GIF', size, S)
        assert im.mode == 'P'
        rgb = im.convert('RGB')
        colours = rgb.getcolors(256)
        assert colours is not None, name
        assert any(c == WHITE for _, c in colours), name

    sheet = Image.open(scaled('mushrooms.gif', S)).convert('RGB')
    for row, (y0, rows) in enumerate(((0, CELL_H * S), ((CELL_H + 1) * S, (CELL_H - 1) * S))):
        cells = [sheet.crop((f * CELL_W * S, y0, (f + 1) * CELL_W * S, y0 + rows)) for f in range(FRAMES)]
        assert ImageChops.difference(cells[0], cells[1]).getbbox() is None, 'frames 0 and 1 differ'
        tops = []
        for f in range(2, FRAMES):
            diff = ImageChops.difference(cells[f], cells[0]).convert('L').point(lambda v: 255 if v > 24 else 0)
            box = diff.getbbox()
            tops.append(rows if box is None else box[1])
        assert all(b <= a for a, b in zip(tops, tops[1:])), ('growth not monotonic', row, tops)
        assert tops[-1] <= 6 * S, ('full-grown mushroom too small', row, S, tops[-1])
    grass_line = sheet.crop((0, CELL_H * S, 1000 * S, (CELL_H + 1) * S))
    assert max(grass_line.convert('L').getdata()) < 200, 'row 58 must be grass'
    # The strip continues the cells' grass: its first row is the sheet's row 58.
    strip = Image.open(scaled('grass.gif', S)).convert('RGB')
    assert ImageChops.difference(strip.crop((0, 0, 750 * S, S)), grass_line.crop((0, 0, 750 * S, S))).getbbox() is None
    last = STRIP_H * S - 1
    assert strip.getpixel((0, last)) == WHITE or strip.getpixel((25 * S, last)) == WHITE


def verify():
    def opened(name, fmt, size, scale=1):
        im = Image.open(scaled(name, scale))
        assert im.format == fmt, (name, scale, im.format)
        assert im.size == (size[0] * scale, size[1] * scale), (name, scale, im.size)
        im.load()
        return im

    hd = read_icon_header(asset('hand.cur'))
    assert hd['kind'] == 2 and hd['count'] == 1
    assert (hd['w'], hd['h'], hd['colours']) == (32, 32, 16)
    assert (hd['x'], hd['y']) == HOTSPOT
    hsize, bw, bh, planes, bits, compression = hd['info'][:6]
    assert (hsize, bw, bh, planes, bits, compression) == (40, 32, 64, 1, 4, 0)
    assert hd['info'][9] in (0, 16)
    assert hd['length'] == 40 + 16 * 4 + 16 * 32 + 4 * 32 and hd['offset'] + hd['length'] == hd['size']
    assert HAND[HOTSPOT[1]][HOTSPOT[0]] == 'B' and set(HAND[HOTSPOT[1] - 1]) == {'.'}
    opened('hand.cur', 'CUR', (32, 32))

    for S in SCALES:
        verify_pictures(opened, S)
    print('all pictures verified')


def main():
    os.makedirs(ASSETS, exist_ok=True)
    draw_tile()
    draw_backdrop()
    draw_mushrooms_and_grass()
    draw_finish()
    draw_mark(False)
    draw_mark(True)
    draw_marker()
    draw_start_background()
    draw_hand_cursor()
    draw_icon_set()
    verify()
    verify_icon_set()


if __name__ == '__main__':
    main()
