#!/usr/bin/env python3
"""Draws the client's icon set: flat shapes in the product colours.

SVG names are written as SVG; PNG names are rasterised here (4x supersampling),
so the set needs nothing but Python to rebuild:  python3 scripts/make-icons.py
"""
import math
import os
import struct
import zlib

GREEN = "#338c56"
DARK = "#2c3e50"
BRIGHT = "#4caf50"
GREY = "#b8c2cc"
WHITE = "#ffffff"
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "images")


def rgba(colour, alpha=255):
    colour = colour.lstrip("#")
    return tuple(int(colour[i:i + 2], 16) for i in (0, 2, 4)) + (alpha,)


# --- raster shapes: each answers whether a point (in icon units) is inside ---------
def rect(x, y, w, h, r=0):
    def inside(px, py):
        if px < x or py < y or px > x + w or py > y + h:
            return False
        cx = min(max(px, x + r), x + w - r)
        cy = min(max(py, y + r), y + h - r)
        return (px - cx) ** 2 + (py - cy) ** 2 <= r * r
    return inside


def circle(cx, cy, r):
    return lambda px, py: (px - cx) ** 2 + (py - cy) ** 2 <= r * r


def ring(cx, cy, r, width):
    return lambda px, py: (r - width) ** 2 <= (px - cx) ** 2 + (py - cy) ** 2 <= r * r


def polygon(points):
    def inside(px, py):
        hit = False
        j = len(points) - 1
        for i, (xi, yi) in enumerate(points):
            xj, yj = points[j]
            if (yi > py) != (yj > py) and px < (xj - xi) * (py - yi) / (yj - yi) + xi:
                hit = not hit
            j = i
        return hit
    return inside


def line(x1, y1, x2, y2, width):
    length = math.hypot(x2 - x1, y2 - y1)
    nx, ny = -(y2 - y1) / length * width / 2, (x2 - x1) / length * width / 2
    return polygon([(x1 + nx, y1 + ny), (x2 + nx, y2 + ny), (x2 - nx, y2 - ny), (x1 - nx, y1 - ny)])


def ellipse(cx, cy, rx, ry):
    return lambda px, py: ((px - cx) / rx) ** 2 + ((py - cy) / ry) ** 2 <= 1


def minus(a, b):
    return lambda px, py: a(px, py) and not b(px, py)


def png(name, size, shapes, sample=4):
    pixels = bytearray()
    for y in range(size):
        pixels.append(0)
        for x in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(sample):
                for sx in range(sample):
                    px = x + (sx + 0.5) / sample
                    py = y + (sy + 0.5) / sample
                    colour = None
                    for inside, c in shapes:
                        if inside(px, py):
                            colour = c
                    if colour:
                        a = colour[3] / 255.0
                        acc[0] += colour[0] * a
                        acc[1] += colour[1] * a
                        acc[2] += colour[2] * a
                        acc[3] += a
            n = sample * sample
            alpha = acc[3] / n
            if alpha > 0:
                pixels += bytes(int(acc[i] / acc[3] + 0.5) for i in range(3)) + bytes([int(alpha * 255 + 0.5)])
            else:
                pixels += b"\0\0\0\0"

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    data = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
    data += chunk(b"IDAT", zlib.compress(bytes(pixels), 9)) + chunk(b"IEND", b"")
    write(name, data)


def svg(name, body, size=48, width=None, height=None):
    width = width or size
    height = height or size
    text = ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n%s\n</svg>\n'
            % (width, height, width, height, body))
    write(name, text.encode("utf-8"))


def write(name, data):
    path = os.path.join(OUT, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


# --- wall layouts: cells of the unit grid ----------------------------------------------
def layout(name, cols, rows):
    size, margin, gap = 48, 4, 2
    cw = (size - 2 * margin - (cols - 1) * gap) / cols
    ch = (size - 2 * margin - (rows - 1) * gap) / rows
    shapes = [(rect(1, 1, 46, 46, 6), rgba(GREEN, 40))]
    for r in range(rows):
        for c in range(cols):
            shapes.append((rect(margin + c * (cw + gap), margin + r * (ch + gap), cw, ch, 1.5), rgba(GREEN)))
    png(name, size, shapes)


layout("1_unit.png", 1, 1)
layout("2_unit_1x2.png", 2, 1)
layout("4_units.png", 2, 2)
layout("4_units_1x4.png", 4, 1)
layout("8_units_2x4.png", 4, 2)
layout("8_units_4x2.png", 2, 4)
layout("9_units.png", 3, 3)
layout("9_units_1x9.png", 9, 1)

# --- title bar buttons ------------------------------------------------------------------
png("window/fullscreen.png", 24, [(minus(rect(5, 5, 14, 14, 2), rect(7, 8, 10, 9)), rgba(DARK))])
png("window/restore.png", 24, [(minus(rect(8, 4, 12, 12, 2), rect(10, 7, 8, 7)), rgba(DARK)),
                               (minus(rect(4, 8, 12, 12, 2), rect(6, 11, 8, 7)), rgba(DARK)),
                               (rect(6, 11, 8, 7), rgba(WHITE))])
png("window/stick.png", 24, [(circle(12, 8, 4.5), rgba(DARK)), (line(12, 12, 12, 21, 2), rgba(DARK)),
                             (rect(7, 11, 10, 2.5, 1), rgba(DARK))])

# --- speaker, eye -----------------------------------------------------------------------
speaker = polygon([(6, 18), (13, 18), (22, 10), (22, 38), (13, 30), (6, 30)])
png("vol_mute.png", 48, [(speaker, rgba(DARK)), (line(28, 18, 40, 30, 3), rgba(DARK)),
                         (line(40, 18, 28, 30, 3), rgba(DARK))])
png("vol_unmute.png", 48, [(speaker, rgba(GREEN)),
                           (minus(minus(ring(22, 24, 10, 3), rect(0, 0, 26, 48)), rect(0, 0, 0, 0)), rgba(GREEN)),
                           (minus(ring(22, 24, 17, 3), rect(0, 0, 27, 48)), rgba(GREEN))])
eye = minus(ellipse(12, 12, 10, 6), ellipse(12, 12, 8, 4.3))
png("login/Show_Pass.png", 24, [(eye, rgba(DARK)), (circle(12, 12, 3), rgba(DARK))])
png("login/Hide_pass.png", 24, [(eye, rgba(GREY)), (circle(12, 12, 3), rgba(GREY)),
                                (line(4, 20, 20, 4, 2), rgba(DARK))])

# --- application logo: a 3 x 3 matrix on a green tile -----------------------------------
logo = [(rect(2, 2, 60, 60, 12), rgba(GREEN))]
for r in range(3):
    for c in range(3):
        logo.append((rect(14 + c * 13, 14 + r * 13, 10, 10, 2), rgba(WHITE, 235 if (r + c) % 2 == 0 else 150)))
png("applogo.png", 64, logo)

# --- vector icons ----------------------------------------------------------------------
def toggle(name, on, w=44, h=24):
    track = GREEN if on else GREY
    knob = w - h / 2 if on else h / 2
    svg(name, '<rect x="1" y="1" width="%d" height="%d" rx="%g" fill="%s"/>\n'
              '<circle cx="%g" cy="%g" r="%g" fill="#ffffff"/>' % (w - 2, h - 2, (h - 2) / 2, track, knob, h / 2, h / 2 - 3),
        width=w, height=h)


toggle("on.svg", True)
toggle("off.svg", False)
toggle("on2.svg", True, 36, 20)
toggle("off2.svg", False, 36, 20)

SPEAKER = '<path d="M6 18h7l9-8v28l-9-8H6z" fill="%s"/>'
svg("unmute_4caf50.svg", SPEAKER % BRIGHT +
    '\n<path d="M28 17a10 10 0 0 1 0 14M32 12a16 16 0 0 1 0 24" stroke="%s" stroke-width="3" fill="none" '
    'stroke-linecap="round"/>' % BRIGHT)
svg("mute_2c3e50.svg", SPEAKER % DARK +
    '\n<path d="M28 18l12 12M40 18L28 30" stroke="%s" stroke-width="3" stroke-linecap="round"/>' % DARK)
svg("play_4caf50.svg", '<circle cx="24" cy="24" r="22" fill="%s"/>\n<path d="M19 14l14 10-14 10z" fill="#ffffff"/>'
    % BRIGHT)
svg("pause_2c3e50.svg", '<circle cx="24" cy="24" r="22" fill="%s"/>\n'
    '<rect x="16" y="14" width="6" height="20" rx="1.5" fill="#ffffff"/>\n'
    '<rect x="26" y="14" width="6" height="20" rx="1.5" fill="#ffffff"/>' % DARK)
HDMI = ('<path d="M4 16h40v9l-5 7H9l-5-7z" fill="none" stroke="%s" stroke-width="3" stroke-linejoin="round"/>\n'
        '<rect x="12" y="21" width="24" height="4" rx="1" fill="%s"/>')
svg("hdmi_4caf50.svg", HDMI % (BRIGHT, BRIGHT))
svg("hdmi_2c3e50.svg", HDMI % (DARK, DARK))
svg("ver.svg", '<circle cx="24" cy="24" r="20" fill="none" stroke="%s" stroke-width="3"/>\n'
    '<circle cx="24" cy="15" r="2.5" fill="%s"/>\n<rect x="22" y="21" width="4" height="14" rx="1.5" fill="%s"/>'
    % (GREEN, GREEN, GREEN))
svg("logo.svg", '<rect x="2" y="2" width="44" height="44" rx="9" fill="%s"/>\n' % GREEN +
    "\n".join('<rect x="%d" y="%d" width="8" height="8" rx="1.5" fill="#ffffff" fill-opacity="%s"/>'
              % (11 + c * 10, 11 + r * 10, "0.95" if (r + c) % 2 == 0 else "0.6") for r in range(3) for c in range(3)))
svg("debugandroidQtViewconfig.svg",
    '<g fill="%s"><circle cx="24" cy="24" r="11"/>' % DARK +
    "".join('<rect x="21" y="3" width="6" height="10" rx="1.5" transform="rotate(%d 24 24)"/>' % a
            for a in range(0, 360, 45)) +
    '</g>\n<circle cx="24" cy="24" r="5" fill="#ffffff"/>')
svg("Loginbackgound.svg",
    '<defs><linearGradient id="g" x1="0" y1="0" x2="1" y2="1">'
    '<stop offset="0" stop-color="#338c56"/><stop offset="1" stop-color="#2c3e50"/></linearGradient></defs>\n'
    '<rect width="480" height="320" fill="url(#g)"/>\n' +
    "\n".join('<rect x="%d" y="%d" width="36" height="22" rx="3" fill="#ffffff" fill-opacity="%.2f"/>'
              % (300 + c * 42, 40 + r * 28, 0.05 + 0.03 * ((r * 3 + c) % 4)) for r in range(8) for c in range(4)),
    width=480, height=320)
