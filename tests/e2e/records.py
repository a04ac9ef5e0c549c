"""The data files' byte images, built by the tests to seed a data folder."""
import struct

OPTION_FIELDS = [
    ("open_in_new_browser", "i"), ("remember_location", "i"), ("window_x", "i"), ("window_y", "i"),
    ("delayed_launching", "i"), ("launch_delay_ms", "I"), ("skip_restore_minimize", "i"),
    ("remove_original_shortcuts", "i"), ("use_sound", "i"), ("sound_theme", "i"),
    ("sound_file_activation", "1025s"), ("sound_file_changing", "1025s"), ("sound_file_launching", "1025s"),
    ("custom_wav_activation", "1025s"), ("custom_wav_changing", "1025s"), ("custom_wav_launching", "1025s"),
    ("activate_at_mouse", "i"), ("reverse_scroll", "i"),
]
OPTIONS_FORMAT = "<" + "".join(kind for _, kind in OPTION_FIELDS)
assert struct.calcsize(OPTIONS_FORMAT) == 6198


def options(**fields):
    """An options record; unnamed fields are 0 or empty. Quiet and without the restore and
    minimise steps unless told otherwise."""
    values = {"skip_restore_minimize": 1, "use_sound": 0}
    values.update(fields)
    packed = []
    for name, kind in OPTION_FIELDS:
        value = values.get(name, b"" if kind.endswith("s") else 0)
        packed.append(value.encode("latin-1") if isinstance(value, str) else value)
    return struct.pack(OPTIONS_FORMAT, *packed)


def read_options(data):
    return dict(zip([name for name, _ in OPTION_FIELDS], struct.unpack(OPTIONS_FORMAT, data)))


def panel_set(items):
    """items: up to eight item strings (None or "" for an empty panel)."""
    items = list(items) + [None] * (8 - len(items))
    data = struct.pack("<8i", *[1 if item else 0 for item in items])
    for item in items:
        data += (item or "").encode("latin-1").ljust(1024, b"\0")
    return data


def connections(rows):
    """rows: {section: {panel: target}}."""
    values = [0] * 24
    for section, links in rows.items():
        for panel, target in links.items():
            values[8 * section + panel - 1] = target
    return struct.pack("<24i", *values)


def read_connections(data):
    """The three sections' rows of a connection file: eight targets each (0 for none)."""
    values = struct.unpack("<24i", data[:96])
    return [list(values[8 * section:8 * section + 8]) for section in range(3)]


def panel_set_items(data):
    """The eight item strings of a panel file ("" for an empty slot)."""
    return [data[32 + 1024 * i:32 + 1024 * (i + 1)].split(b"\0", 1)[0].decode("latin-1") for i in range(8)]
