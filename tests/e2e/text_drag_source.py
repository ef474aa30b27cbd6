"""A second program to drag text from: a GTK window whose label drags TEXT as GTK's text targets
(text/plain and the X selection's text names).

Usage: text_drag_source.py TEXT
Prints "deleted" when a drop takes the text as a move, and "ended ACTION" when the drag ends.
"""
import sys

import gi

gi.require_version("Gdk", "3.0")
gi.require_version("Gtk", "3.0")
from gi.repository import Gdk, Gtk  # noqa: E402

text = sys.argv[1]
window = Gtk.Window(title="drag source")
window.set_default_size(200, 100)
source = Gtk.EventBox()
source.add(Gtk.Label(label=text))
source.drag_source_set(Gdk.ModifierType.BUTTON1_MASK, [],
                       Gdk.DragAction.COPY | Gdk.DragAction.MOVE)
source.drag_source_add_text_targets()
source.connect("drag-data-get", lambda _w, _c, selection, *_: selection.set_text(text, -1))
source.connect("drag-data-delete", lambda *_: print("deleted", flush=True))
source.connect("drag-end", lambda _w, context: print(f"ended {context.get_selected_action()}",
                                                     flush=True))
window.add(source)
window.connect("destroy", Gtk.main_quit)
window.show_all()
Gtk.main()
