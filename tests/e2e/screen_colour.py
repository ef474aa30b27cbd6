"""Prints the colour of the screen's pixel at X Y as RRGGBB (hexadecimal).

Usage: screen_colour.py X Y
"""
import sys

import gi

gi.require_version("Gdk", "3.0")
from gi.repository import Gdk  # noqa: E402

x, y = int(sys.argv[1]), int(sys.argv[2])
pixel = Gdk.pixbuf_get_from_window(Gdk.get_default_root_window(), x, y, 1, 1).get_pixels()
print(pixel[:3].hex())
