"""Watching X windows and the pointer from Python through libX11, fast enough to time a
window's appearance to the millisecond."""
import ctypes
import ctypes.util


class XWindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int), ("height", ctypes.c_int),
                ("border_width", ctypes.c_int), ("depth", ctypes.c_int), ("visual", ctypes.c_void_p),
                ("root", ctypes.c_ulong), ("class_", ctypes.c_int), ("bit_gravity", ctypes.c_int),
                ("win_gravity", ctypes.c_int), ("backing_store", ctypes.c_int),
                ("backing_planes", ctypes.c_ulong), ("backing_pixel", ctypes.c_ulong),
                ("save_under", ctypes.c_int), ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


IS_VIEWABLE = 2


class XWatch:
    def __init__(self, display):
        self.x = ctypes.CDLL(ctypes.util.find_library("X11"))
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(XWindowAttributes)]
        self.x.XQueryPointer.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_void_p] * 2 + \
            [ctypes.POINTER(ctypes.c_int)] * 4 + [ctypes.c_void_p]
        self.display = self.x.XOpenDisplay((":%s" % display).encode())
        if not self.display:
            raise RuntimeError("cannot open display :%s" % display)
        self.root = self.x.XDefaultRootWindow(self.display)

    def viewable(self, window):
        attributes = XWindowAttributes()
        if not self.x.XGetWindowAttributes(self.display, window, ctypes.byref(attributes)):
            return False
        return attributes.map_state == IS_VIEWABLE

    def pointer(self):
        root_return, child_return = ctypes.c_ulong(), ctypes.c_ulong()
        root_x, root_y, win_x, win_y = (ctypes.c_int() for _ in range(4))
        mask = ctypes.c_uint()
        self.x.XQueryPointer(self.display, self.root, ctypes.byref(root_return), ctypes.byref(child_return),
                             ctypes.byref(root_x), ctypes.byref(root_y), ctypes.byref(win_x), ctypes.byref(win_y),
                             ctypes.byref(mask))
        return root_x.value, root_y.value
