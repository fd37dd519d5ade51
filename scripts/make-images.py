#!/usr/bin/env python3
"""Draws the program's icons and background bitmap into res/images/.

The images are simple shapes drawn from code, so they can be remade and
changed here. Run from anywhere: scripts/make-images.py
"""
import math
import os
import struct

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res", "images")


class Canvas:
    """An RGBA picture with anti-aliased circles, polygons and thick lines."""

    def __init__(self, size):
        self.size = size
        self.px = [[(0, 0, 0, 0)] * size for _ in range(size)]

    def blend(self, x, y, color, cover):
        if cover <= 0 or not (0 <= x < self.size and 0 <= y < self.size):
            return
        r, g, b = color
        a = min(1.0, cover)
        br, bg, bb, ba = self.px[y][x]
        ba_f = ba / 255.0
        out_a = a + ba_f * (1 - a)
        mix = lambda c, bc: int(round((c * a + bc * ba_f * (1 - a)) / out_a)) if out_a else 0
        self.px[y][x] = (mix(r, br), mix(g, bg), mix(b, bb), int(round(out_a * 255)))

    def shape(self, inside, color, samples=4):
        """Fills every pixel by the share of sub-samples for which inside(x, y) holds."""
        step = 1.0 / samples
        for y in range(self.size):
            for x in range(self.size):
                hits = 0
                for sy in range(samples):
                    for sx in range(samples):
                        if inside(x + (sx + 0.5) * step, y + (sy + 0.5) * step):
                            hits += 1
                self.blend(x, y, color, hits / (samples * samples))

    def circle(self, cx, cy, r, color):
        self.shape(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r, color)

    def ring(self, cx, cy, r_out, r_in, color):
        self.shape(lambda x, y: r_in * r_in <= (x - cx) ** 2 + (y - cy) ** 2 <= r_out * r_out, color)

    def rect(self, x0, y0, x1, y1, color, radius=0.0):
        def inside(x, y):
            if not (x0 <= x <= x1 and y0 <= y <= y1):
                return False
            cx = min(max(x, x0 + radius), x1 - radius)
            cy = min(max(y, y0 + radius), y1 - radius)
            return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius
        self.shape(inside, color)

    def polygon(self, points, color):
        def inside(x, y):
            result = False
            j = len(points) - 1
            for i in range(len(points)):
                xi, yi = points[i]
                xj, yj = points[j]
                if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                    result = not result
                j = i
            return result
        self.shape(inside, color)

    def line(self, x0, y0, x1, y1, width, color):
        def inside(x, y):
            dx, dy = x1 - x0, y1 - y0
            t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
            px, py = x0 + t * dx, y0 + t * dy
            return (x - px) ** 2 + (y - py) ** 2 <= (width / 2.0) ** 2
        self.shape(inside, color)


def icon_image(canvas):
    """One icon directory image: a 32-bit BGRA DIB with its AND mask."""
    n = canvas.size
    header = struct.pack("<IiiHHIIiiII", 40, n, n * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for y in reversed(range(n)):
        for x in range(n):
            r, g, b, a = canvas.px[y][x]
            pixels += bytes((b, g, r, a))
    mask_stride = ((n + 31) // 32) * 4
    mask = bytearray()
    for y in reversed(range(n)):
        row = bytearray(mask_stride)
        for x in range(n):
            if canvas.px[y][x][3] < 128:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return header + bytes(pixels) + bytes(mask)


def write_icon(name, canvases):
    images = [icon_image(c) for c in canvases]
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for canvas, image in zip(canvases, images):
        size = canvas.size
        data += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    for image in images:
        data += image
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(data)


NAVY = (36, 62, 120)
WHITE = (255, 255, 255)
GREEN = (46, 150, 70)
RED = (200, 50, 45)
BLUE = (40, 110, 200)
ORANGE = (235, 145, 40)
GREY = (90, 90, 100)


def robot_face(size):
    c = Canvas(size)
    s = size / 32.0
    c.line(16 * s, 3 * s, 16 * s, 8 * s, 2 * s, GREY)
    c.circle(16 * s, 3.5 * s, 2.2 * s, ORANGE)
    c.rect(4 * s, 8 * s, 28 * s, 29 * s, NAVY, radius=5 * s)
    c.rect(7 * s, 11 * s, 25 * s, 21 * s, (220, 232, 250), radius=3 * s)
    c.circle(12 * s, 16 * s, 2.6 * s, BLUE)
    c.circle(20 * s, 16 * s, 2.6 * s, BLUE)
    c.rect(10 * s, 23.5 * s, 22 * s, 26 * s, ORANGE, radius=1.2 * s)
    return c


def run_icon(size):
    c = Canvas(size)
    s = size / 24.0
    c.circle(12 * s, 12 * s, 11 * s, GREEN)
    c.polygon([(9 * s, 6.5 * s), (18.5 * s, 12 * s), (9 * s, 17.5 * s)], WHITE)
    return c


def schedule_icon(size):
    c = Canvas(size)
    s = size / 24.0
    c.circle(12 * s, 12 * s, 11 * s, BLUE)
    c.circle(12 * s, 12 * s, 8.5 * s, WHITE)
    c.line(12 * s, 12 * s, 12 * s, 6 * s, 1.8 * s, NAVY)
    c.line(12 * s, 12 * s, 16 * s, 14 * s, 1.8 * s, NAVY)
    c.circle(12 * s, 12 * s, 1.3 * s, RED)
    return c


def help_icon(size):
    c = Canvas(size)
    s = size / 24.0
    c.circle(12 * s, 12 * s, 11 * s, BLUE)
    c.ring(12 * s, 9.2 * s, 4.6 * s, 2.6 * s, WHITE)
    c.rect(5 * s, 9.2 * s, 12 * s, 15 * s, BLUE)
    c.rect(11 * s, 12.8 * s, 13 * s, 15.5 * s, WHITE)
    c.circle(12 * s, 18.2 * s, 1.4 * s, WHITE)
    return c


def add_icon(size):
    c = Canvas(size)
    s = size / 24.0
    c.circle(12 * s, 12 * s, 11 * s, GREEN)
    c.rect(10.5 * s, 5.5 * s, 13.5 * s, 18.5 * s, WHITE, radius=0.8 * s)
    c.rect(5.5 * s, 10.5 * s, 18.5 * s, 13.5 * s, WHITE, radius=0.8 * s)
    return c


def edit_icon(size):
    c = Canvas(size)
    s = size / 24.0
    c.rect(2 * s, 3 * s, 17 * s, 21 * s, WHITE)
    c.rect(2 * s, 3 * s, 17 * s, 21 * s, GREY)
    c.rect(3.2 * s, 4.2 * s, 15.8 * s, 19.8 * s, WHITE)
    for y in (7, 10, 13):
        c.line(5 * s, y * s, 13 * s, y * s, 1.0 * s, (150, 160, 180))
    c.line(20.5 * s, 4.5 * s, 10 * s, 17 * s, 4.2 * s, ORANGE)
    c.polygon([(8.4 * s, 15.5 * s), (11.6 * s, 18.3 * s), (7.5 * s, 20.5 * s)], GREY)
    return c


def remove_icon(size):
    c = Canvas(size)
    s = size / 24.0
    c.circle(12 * s, 12 * s, 11 * s, RED)
    c.line(7.5 * s, 7.5 * s, 16.5 * s, 16.5 * s, 3.2 * s, WHITE)
    c.line(16.5 * s, 7.5 * s, 7.5 * s, 16.5 * s, 3.2 * s, WHITE)
    return c


def write_background(name, width, height):
    """An 8-bit RLE-compressed bitmap: a dark title strip over a steel-blue body."""
    def row_color(y):
        if y < 36:
            t = y / 35.0
            return tuple(int(a + (b - a) * t) for a, b in zip((24, 44, 92), (48, 84, 150)))
        if y < 39:
            return ORANGE
        t = (y - 39) / float(height - 40)
        return tuple(int(a + (b - a) * t) for a, b in zip((112, 142, 186), (160, 182, 214)))

    palette, rows = [], []
    for y in range(height):
        color = row_color(y)
        if color not in palette:
            palette.append(color)
        rows.append(palette.index(color))
    assert len(palette) <= 256
    bits = bytearray()
    for y in reversed(range(height)):
        left = width
        while left:
            run = min(255, left)
            bits += bytes((run, rows[y]))
            left -= run
        bits += b"\x00\x00"
    bits[-2:] = b"\x00\x01"
    pal = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 1, len(bits), 2835, 2835, len(palette), 0)
    offset = 14 + len(info) + len(pal)
    head = b"BM" + struct.pack("<IHHI", offset + len(bits), 0, 0, offset)
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(head + info + pal + bytes(bits))


MAGENTA = (255, 0, 255)


def write_bmp24(name, width, height, pixel):
    """An uncompressed 24-bit bitmap; pixel(x, y) gives (r, g, b) from the top left."""
    stride = (width * 3 + 3) // 4 * 4
    bits = bytearray()
    for y in reversed(range(height)):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        bits += row + bytes(stride - len(row))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(bits), 2835, 2835, 0, 0)
    head = b"BM" + struct.pack("<IHHI", 14 + len(info) + len(bits), 0, 0, 14 + len(info))
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(head + info + bytes(bits))


def canvas_pixel(canvas, background):
    """Reads a canvas as opaque colours over the background."""
    def pixel(x, y):
        r, g, b, a = canvas.px[y][x]
        t = a / 255.0
        return tuple(int(round(c * t + bc * (1 - t))) for c, bc in zip((r, g, b), background))
    return pixel


def keyboard_mark(c):
    c.rect(4, 8, 24, 19, NAVY, radius=2)
    for row, y in enumerate((10, 13)):
        for x in range(6 + row, 21, 3):
            c.rect(x, y, x + 2, y + 2, WHITE)
    c.rect(9, 16, 19, 17.5, WHITE)


def mouse_mark(c):
    c.rect(8, 5, 20, 22, NAVY, radius=6)
    c.line(14, 5.5, 14, 12, 1.2, WHITE)
    c.line(8.5, 12, 19.5, 12, 1.2, WHITE)


def write_pane_title(name, mark):
    """A pane title: a light gradient bar with rounded top corners, magenta outside
    (the window's shape) and a mark at the left of the caption."""
    width, height, radius = 320, 25, 6
    mark_canvas = Canvas(height + 4)
    mark(mark_canvas)

    def pixel(x, y):
        for cx in (radius, width - radius - 1):
            if y < radius and abs(x - cx) > 0 and (x < radius or x > width - radius - 1):
                if (x - cx) ** 2 + (y - radius) ** 2 > radius * radius:
                    return MAGENTA
        t = x / float(width - 1)
        base = tuple(int(a + (b - a) * t) for a, b in zip((255, 255, 255), (198, 211, 247)))
        if x < mark_canvas.size and y < mark_canvas.size:
            return canvas_pixel(mark_canvas, base)(x, y)
        return base
    write_bmp24(name, width, height, pixel)


def write_glyph(name, up):
    """A 16 x 16 double chevron on black, which leaves the title unchanged when ORed onto it."""
    c = Canvas(16)
    c.circle(8, 8, 7.5, (60, 90, 170))
    for dy in (0, 4):
        y0, y1 = (9 - dy, 5 - dy) if up else (4 + dy, 8 + dy)
        y0, y1 = (y0 + 2, y1 + 2) if up else (y0, y1)
        c.line(4.5, y0, 8, y1, 1.6, WHITE)
        c.line(8, y1, 11.5, y0, 1.6, WHITE)
    write_bmp24(name, 16, 16, canvas_pixel(c, (0, 0, 0)))


def write_hand_cursor(name):
    """A pointing hand, hot spot at the tip of the finger."""
    c = Canvas(32)
    outline, fill = (0, 0, 0), WHITE
    for grow, color in ((1.0, outline), (0.0, fill)):
        c.rect(10 - grow, 1 - grow, 15 + grow, 18 + grow, color, radius=2.5)
        for x0 in (15, 19, 23):
            c.rect(x0 - grow, 10 - grow, x0 + 4 + grow, 18 + grow, color, radius=2)
        c.rect(6 - grow, 15 - grow, 27 + grow, 28 + grow, color, radius=4)
        c.polygon([(2 - grow, 14 - grow * 1.2), (6, 12), (12, 22), (8, 25 + grow)], color)
    image = icon_image(c)
    data = struct.pack("<HHH", 0, 2, 1)
    data += struct.pack("<BBBBHHII", 32, 32, 0, 0, 12, 1, len(image), 6 + 16)
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(data + image)


def main():
    os.makedirs(OUT, exist_ok=True)
    write_icon("tapforge.ico", [robot_face(32), robot_face(16)])
    write_icon("tray.ico", [robot_face(16), robot_face(32)])
    write_icon("run.ico", [run_icon(24)])
    write_icon("schedule.ico", [schedule_icon(24)])
    write_icon("help.ico", [help_icon(24)])
    write_icon("add.ico", [add_icon(24)])
    write_icon("edit.ico", [edit_icon(24)])
    write_icon("remove.ico", [remove_icon(24)])
    write_background("background.bmp", 650, 343)
    write_pane_title("key_pane_title.bmp", keyboard_mark)
    write_pane_title("mouse_pane_title.bmp", mouse_mark)
    write_glyph("pane_collapsed.bmp", up=False)
    write_glyph("pane_expanded.bmp", up=True)
    write_hand_cursor("link.cur")


if __name__ == "__main__":
    main()
