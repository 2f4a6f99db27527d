"""The pictures of Kiveran's program icon and hand cursor, one character a
pixel, and the 16-colour palette they are drawn in (draw_art.py writes them
as files)."""

# ---------------------------------------------------------------------------
# The standard 16-colour VGA palette, in palette-index order, as (R, G, B),
# and the character that stands for each colour in the icon grids.
# '.' is a transparent pixel (AND mask bit set).
# ---------------------------------------------------------------------------
VGA_PALETTE = [
    (0x00, 0x00, 0x00),  # 0  black
    (0x80, 0x00, 0x00),  # 1  dark red
    (0x00, 0x80, 0x00),  # 2  dark green
    (0x80, 0x80, 0x00),  # 3  dark yellow
    (0x00, 0x00, 0x80),  # 4  dark blue
    (0x80, 0x00, 0x80),  # 5  dark magenta
    (0x00, 0x80, 0x80),  # 6  dark cyan
    (0xC0, 0xC0, 0xC0),  # 7  light grey
    (0x80, 0x80, 0x80),  # 8  dark grey
    (0xFF, 0x00, 0x00),  # 9  red
    (0x00, 0xFF, 0x00),  # 10 green
    (0xFF, 0xFF, 0x00),  # 11 yellow
    (0x00, 0x00, 0xFF),  # 12 blue
    (0xFF, 0x00, 0xFF),  # 13 magenta
    (0x00, 0xFF, 0xFF),  # 14 cyan
    (0xFF, 0xFF, 0xFF),  # 15 white
]

ICON_CHARS = {
    "K": 0,   # black        outlines
    "r": 1,   # dark red
    "g": 2,   # dark green
    "y": 3,   # dark yellow
    "b": 4,   # dark blue    window title bar
    "m": 5,   # dark magenta
    "c": 6,   # dark cyan
    "L": 7,   # light grey   folded corner, window frame
    "D": 8,   # dark grey    lines of text, sunken edge
    "R": 9,   # red
    "G": 10,  # green        the arrow
    "Y": 11,  # yellow       window's little program mark
    "B": 12,  # blue
    "M": 13,  # magenta
    "C": 14,  # cyan
    "W": 15,  # white        paper, window contents
}

# ---------------------------------------------------------------------------
# Program icon, 32 x 32: a document page with a folded corner (top left);
# a green arrow leaves the page, turns the corner and points down into a
# small program window (bottom right): "this kind of file opens in that
# program".
# ---------------------------------------------------------------------------
ICON_32 = [
    "................................",
    ".KKKKKKKKKK.....................",
    ".KWWWWWWWWKK....................",
    ".KWDDDDDWWKLK...................",
    ".KWWWWWWWWKLLK..................",
    ".KWWWWWWWWKKKKK.................",
    ".KWWWWWWWWWWWWKKKKKKKKKKKK......",
    ".KWDDDDDDDDDDWKGGGGGGGGGGK......",
    ".KWWWWWWWWWWWWKGGGGGGGGGGK......",
    ".KWDDDDDDDWWWWKKKKKKKKKGGK......",
    ".KWWWWWWWWWWWWK.......KGGK......",
    ".KWDDDDDDDDDDWK....KKKKGGKKKK...",
    ".KWWWWWWWWWWWWK....KGGGGGGGGK...",
    ".KWDDDDDDDDWWWK.....KGGGGGGK....",
    ".KWWWWWWWWWWWWK......KGGGGK.....",
    ".KWDDDDDDDDDDWK.......KGGK......",
    ".KWWWWWWWWWWWWK........KK.......",
    ".KWDDDDDWWWWWWK.KKKKKKKKKKKKKKKK",
    ".KWWWWWWWWWWWWK.KbYYbbbbbbbbLLbK",
    ".KWDDDDDDDDWWWK.KbYYbbbbbbbbLLbK",
    ".KWWWWWWWWWWWWK.KLLLLLLLLLLLLLLK",
    ".KWWWWWWWWWWWWK.KLDDDDDDDDDDDWLK",
    ".KKKKKKKKKKKKKK.KLDWWWWWWWWWWWLK",
    "................KLDWBBWDDDDDWWLK",
    "................KLDWWWWWWWWWWWLK",
    "................KLDWRRWDDDDWWWLK",
    "................KLDWWWWWWWWWWWLK",
    "................KLDWggWDDDDDWWLK",
    "................KLWWWWWWWWWWWWLK",
    "................KLLLLLLLLLLLLLLK",
    "................KKKKKKKKKKKKKKKK",
    "................................",
]

# Program icon, 16 x 16: the same idea redrawn for the small size (fewer
# text lines, a slimmer arrow, the window overlapping the page edge).
ICON_16 = [
    "KKKKK...........",
    "KWWWKK..........",
    "KWWWKLK.KKKKKK..",
    "KWWWKKKKGGGGGK..",
    "KWWWWWWKGGGGGK..",
    "KWDDDDWKKKKGGKK.",
    "KWWWWWWK.KGGGGK.",
    "KWDDDWWK..KGGK..",
    "KWWWWWWK...KK...",
    "KWDDDDWKKKKKKKKK",
    "KWWWWWWKbbbbbbbK",
    "KWDDDDWKbbbbbLbK",
    "KWWWWWWKWWWWWWWK",
    "KKKKKKKKWDDDDWWK",
    ".......KWWWWWWWK",
    ".......KKKKKKKKK",
]

# Program icon, 24 x 24, for 150 % scaling's small icon: the 32-pixel picture
# at three quarters (a two-pixel arrow, five text lines, two list items).
ICON_24 = [
    "........................",
    ".KKKKKKK................",
    ".KWWWWWKK...............",
    ".KWDDDWKLK..............",
    ".KWWWWWKKKKKKKKKKKKK....",
    ".KWWWWWWWWKGGGGGGGGK....",
    ".KWDDDDDDWKGGGGGGGGK....",
    ".KWWWWWWWWKKKKKKKGGK....",
    ".KWDDDDWWWK...KKKGGKKK..",
    ".KWWWWWWWWK...KGGGGGGK..",
    ".KWDDDDDDWK....KGGGGK...",
    ".KWWWWWWWWK.....KGGK....",
    ".KWDDDDDWWK......KK.....",
    ".KWWWWWWWWK.KKKKKKKKKKKK",
    ".KWDDDWWWWK.KbYYbbbbLLbK",
    ".KWWWWWWWWK.KbYYbbbbLLbK",
    ".KWWWWWWWWK.KLLLLLLLLLLK",
    ".KKKKKKKKKK.KLDDDDDDDWLK",
    "............KLDWBBWDDWLK",
    "............KLDWWWWWWWLK",
    "............KLDWRRWDWWLK",
    "............KLWWWWWWWWLK",
    "............KLLLLLLLLLLK",
    "............KKKKKKKKKKKK",
]

# Program icon, 48 x 48, for 150 % scaling's large icon: the 32-pixel picture
# at one and a half times (a three-pixel arrow, text lines three rows apart,
# three-pixel list marks).
ICON_48 = [
    "................................................",
    ".KKKKKKKKKKKKKKK................................",
    ".KWWWWWWWWWWWWWKK...............................",
    ".KWWWWWWWWWWWWWKLK..............................",
    ".KWWDDDDDDDDWWWKLLK.............................",
    ".KWWWWWWWWWWWWWKLLLK............................",
    ".KWWWWWWWWWWWWWKLLLLK...........................",
    ".KWWWWWWWWWWWWWKKKKKKK..........................",
    ".KWWWWWWWWWWWWWWWWWWWKKKKKKKKKKKKKKKKK..........",
    ".KWWWWWWWWWWWWWWWWWWWKGGGGGGGGGGGGGGGK..........",
    ".KWWDDDDDDDDDDDDDDDWWKGGGGGGGGGGGGGGGK..........",
    ".KWWWWWWWWWWWWWWWWWWWKGGGGGGGGGGGGGGGK..........",
    ".KWWWWWWWWWWWWWWWWWWWKKKKKKKKKKKKKGGGK..........",
    ".KWWDDDDDDDDDDDWWWWWWK...........KGGGK..........",
    ".KWWWWWWWWWWWWWWWWWWWK...........KGGGK..........",
    ".KWWWWWWWWWWWWWWWWWWWK...........KGGGK..........",
    ".KWWDDDDDDDDDDDDDDDWWK......KKKKKKGGGKKKKKK.....",
    ".KWWWWWWWWWWWWWWWWWWWK......KGGGGGGGGGGGGGK.....",
    ".KWWWWWWWWWWWWWWWWWWWK.......KGGGGGGGGGGGK......",
    ".KWWDDDDDDDDDDDDWWWWWK........KGGGGGGGGGK.......",
    ".KWWWWWWWWWWWWWWWWWWWK.........KGGGGGGGK........",
    ".KWWWWWWWWWWWWWWWWWWWK..........KGGGGGK.........",
    ".KWWDDDDDDDDDDDDDDDWWK...........KGGGK..........",
    ".KWWWWWWWWWWWWWWWWWWWK............KGK...........",
    ".KWWWWWWWWWWWWWWWWWWWK.............K............",
    ".KWWDDDDDDDWWWWWWWWWWK..KKKKKKKKKKKKKKKKKKKKKKKK",
    ".KWWWWWWWWWWWWWWWWWWWK..KbYYYbbbbbbbbbbbbbLLLbbK",
    ".KWWWWWWWWWWWWWWWWWWWK..KbYYYbbbbbbbbbbbbbLLLbbK",
    ".KWWDDDDDDDDDDDDWWWWWK..KbYYYbbbbbbbbbbbbbLLLbbK",
    ".KWWWWWWWWWWWWWWWWWWWK..KLLLLLLLLLLLLLLLLLLLLLLK",
    ".KWWWWWWWWWWWWWWWWWWWK..KLDDDDDDDDDDDDDDDDDDDWLK",
    ".KWWWWWWWWWWWWWWWWWWWK..KLDWWWWWWWWWWWWWWWWWWWLK",
    ".KWWWWWWWWWWWWWWWWWWWK..KLDWBBBWWWWWWWWWWWWWWWLK",
    ".KKKKKKKKKKKKKKKKKKKKK..KLDWBBBWDDDDDDDDWWWWWWLK",
    "........................KLDWBBBWWWWWWWWWWWWWWWLK",
    "........................KLDWWWWWWWWWWWWWWWWWWWLK",
    "........................KLDWRRRWWWWWWWWWWWWWWWLK",
    "........................KLDWRRRWDDDDDDWWWWWWWWLK",
    "........................KLDWRRRWWWWWWWWWWWWWWWLK",
    "........................KLDWWWWWWWWWWWWWWWWWWWLK",
    "........................KLDWgggWWWWWWWWWWWWWWWLK",
    "........................KLDWgggWDDDDDDDDWWWWWWLK",
    "........................KLDWgggWWWWWWWWWWWWWWWLK",
    "........................KLDWWWWWWWWWWWWWWWWWWWLK",
    "........................KLWWWWWWWWWWWWWWWWWWWWLK",
    "........................KLLLLLLLLLLLLLLLLLLLLLLK",
    "........................KKKKKKKKKKKKKKKKKKKKKKKK",
    "................................................",
]

# ---------------------------------------------------------------------------
# Hand cursor, 32 x 32, monochrome: a hand whose index finger points up and
# to the left; the fingertip is the top-left pixel, which is the hot spot.
# K = black outline, W = white fill, '.' = transparent.
# ---------------------------------------------------------------------------
HAND_32 = [
    "KKKK............................",
    "KWWWK...........................",
    "KWWWWK..........................",
    "KWWWWWK.........................",
    ".KWWWWWK....KKKK................",
    "..KWWWWWK..KWWWK................",
    "...KWWWWWKKWWWWK................",
    "....KWWWWWKWWWWKKKK.............",
    ".....KWWWWWKWWKWWWKK............",
    "......KWWWWWKKWWWWKWK...........",
    ".......KWWWWWKWWWWKKKK..........",
    "........KWWWWWKWWKWWWKK.........",
    ".........KWWWWWKKWWWWKWK........",
    "..........KWWWWWKWWWWKWWK.......",
    "...........KWWWWWKWWKWWWWK......",
    ".........KKKKWWWWWKKWWWWWK......",
    "........KWWWWKWWWWWWWWWWWK......",
    "........KWWWWWKWWWWWWWWWWKK.....",
    "........KWWWWWWKWWWWWWWWKWWK....",
    "........KWWWWWWWKWWWWWWKWWWWK...",
    ".........KWWWWWWWKWWWWKWWWWWWK..",
    "..........KWWWWWWKWWWKWWWWWWWK..",
    "...........KWWWWKWWWKWWWWWWWWK..",
    "............KKKKKKKKWWWWWWWWWK..",
    "..................KWWWWWWWWWK...",
    "..................KWWWWWWWWK....",
    "...................KWWWWWWK.....",
    "....................KWWWWK......",
    ".....................KKKK.......",
    "................................",
    "................................",
    "................................",
]
HAND_HOTSPOT = (0, 0)
