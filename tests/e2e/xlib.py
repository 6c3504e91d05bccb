"""What xdotool cannot do, straight through libX11: read the screen's pixels quickly, close a
window as its close box does (WM_DELETE_WINDOW), and ask a window's program whether it still
answers (_NET_WM_PING), since the server answers everything else on the program's behalf."""
import ctypes
import ctypes.util
import select
import time

_lib = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")

_CLIENT_MESSAGE = 33
_NOTIFY_MASKS = (1 << 17) | (1 << 19)  # structure and substructure notify
_Z_PIXMAP = 2
_ALL_PLANES = ctypes.c_ulong(0xFFFFFFFF)


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]


class _Event(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("client", _ClientMessage), ("pad", ctypes.c_long * 24)]


class _Image(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int)]


_lib.XOpenDisplay.restype = ctypes.c_void_p
_lib.XOpenDisplay.argtypes = [ctypes.c_char_p]
_lib.XCloseDisplay.argtypes = [ctypes.c_void_p]
_lib.XDefaultRootWindow.restype = ctypes.c_ulong
_lib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
_lib.XInternAtom.restype = ctypes.c_ulong
_lib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
_lib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                            ctypes.POINTER(_Event)]
_lib.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
_lib.XFlush.argtypes = [ctypes.c_void_p]
_lib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
_lib.XPending.argtypes = [ctypes.c_void_p]
_lib.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(_Event)]
_lib.XConnectionNumber.argtypes = [ctypes.c_void_p]
_lib.XGetImage.restype = ctypes.POINTER(_Image)
_lib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                           ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
_lib.XDestroyImage.argtypes = [ctypes.POINTER(_Image)]
# A window that vanished between finding it and using it must not end the test program.
_ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda d, e: 0)
_lib.XSetErrorHandler(_ERROR_HANDLER)


class Image:
    """A grabbed rectangle of the screen; pixel(x, y) in the rectangle's own coordinates."""

    def __init__(self, left, top, width, height, rows):
        self.left, self.top, self.width, self.height = left, top, width, height
        self._rows = rows

    def pixel(self, x, y):
        row = self._rows[y]
        return row[4 * x + 2], row[4 * x + 1], row[4 * x]

    def block(self, x, y, width, height):
        return [self._rows[y + r][4 * x:4 * (x + width)] for r in range(height)]


class Display:
    def __init__(self, name):
        self._dpy = _lib.XOpenDisplay(name.encode())
        if not self._dpy:
            raise RuntimeError("cannot open X display " + name)
        self._root = _lib.XDefaultRootWindow(self._dpy)
        self._protocols = _lib.XInternAtom(self._dpy, b"WM_PROTOCOLS", 0)
        self._delete = _lib.XInternAtom(self._dpy, b"WM_DELETE_WINDOW", 0)
        self._ping = _lib.XInternAtom(self._dpy, b"_NET_WM_PING", 0)
        self._stamp = 1
        # The answer to a ping comes back to the root window.
        _lib.XSelectInput(self._dpy, self._root, _NOTIFY_MASKS)
        _lib.XSync(self._dpy, 0)

    def close(self):
        if self._dpy:
            _lib.XCloseDisplay(self._dpy)
            self._dpy = None

    def grab(self, left, top, width, height):
        """The screen's pixels in the rectangle (24-bit TrueColor, as Xvfb -screen ...x24)."""
        image = _lib.XGetImage(self._dpy, self._root, left, top, width, height, _ALL_PLANES,
                               _Z_PIXMAP)
        if not image:
            raise RuntimeError("XGetImage failed for %dx%d+%d+%d" % (width, height, left, top))
        try:
            im = image.contents
            if im.bits_per_pixel != 32:
                raise RuntimeError("expected a 32-bit image, got %d bits" % im.bits_per_pixel)
            data = ctypes.string_at(im.data, im.bytes_per_line * im.height)
            rows = [data[r * im.bytes_per_line:r * im.bytes_per_line + 4 * width]
                    for r in range(height)]
        finally:
            _lib.XDestroyImage(image)
        return Image(left, top, width, height, rows)

    def _send_protocol(self, window, protocol, stamp):
        event = _Event()
        event.client.type = _CLIENT_MESSAGE
        event.client.window = window
        event.client.message_type = self._protocols
        event.client.format = 32
        event.client.data[0] = protocol
        event.client.data[1] = stamp
        event.client.data[2] = window
        _lib.XSendEvent(self._dpy, window, 0, 0, ctypes.byref(event))
        _lib.XFlush(self._dpy)

    def close_window(self, window):
        """What a click on the window's close box asks of its program."""
        self._send_protocol(window, self._delete, 0)

    def ping(self, window, timeout):
        """True when the window's program answers within timeout seconds."""
        self._stamp += 1
        stamp = self._stamp
        self._send_protocol(window, self._ping, stamp)
        deadline = time.monotonic() + timeout
        event = _Event()
        fd = _lib.XConnectionNumber(self._dpy)
        while True:
            while _lib.XPending(self._dpy):
                _lib.XNextEvent(self._dpy, ctypes.byref(event))
                c = event.client
                if (event.type == _CLIENT_MESSAGE and c.message_type == self._protocols
                        and c.data[0] == self._ping and c.data[1] == stamp):
                    return True
            left = deadline - time.monotonic()
            if left <= 0:
                return False
            select.select([fd], [], [], min(left, 0.05))
