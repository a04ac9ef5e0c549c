"""Client points of the launcher window at 96 DPI, read from the in-process tests' table so
that both kinds of test aim at the same pixels."""

import os
import re

_TABLE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "integration", "panel_points.h")


def _read_table():
    with open(_TABLE, encoding="ascii") as table:
        text = table.read()
    panels = {int(n): (int(x), int(y)) for x, y, n in re.findall(r"\{(\d+), (\d+)\},\s*// panel (\d)", text)}
    centre = re.search(r"\{(\d+), (\d+)\},\s*// the centre cell", text)
    if sorted(panels) != list(range(1, 9)) or centre is None:
        raise RuntimeError("the panel point table in %s cannot be read" % _TABLE)
    return panels, (int(centre.group(1)), int(centre.group(2)))


PANELS, CENTRE = _read_table()
