"""A private desktop with a screen reader for the games played through X: an X server with a
small window manager, a session bus, the accessibility bus, a speech server that writes every
utterance to a file instead of a sound card, and the screen reader itself. Every process is
started here and ended by its own process id, its helpers included."""
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

# What the desktop needs, as the distribution names the programs.
PROGRAMS = {
    "Xvfb": "xvfb",
    "dbus-daemon": "dbus-daemon",
    "/usr/libexec/at-spi-bus-launcher": "at-spi2-core",
    "matchbox-window-manager": "matchbox-window-manager",
    "speech-dispatcher": "speech-dispatcher",
    "/usr/lib/speech-dispatcher-modules/sd_generic": "speech-dispatcher",
    "orca": "orca",
    "dbus-send": "dbus-bin",
    "xdotool": "xdotool",
    "import": "imagemagick",
}


def missing_programs():
    """The packages whose programs are not installed."""
    missing = set()
    for program, package in PROGRAMS.items():
        found = os.access(program, os.X_OK) if "/" in program else shutil.which(program)
        if not found:
            missing.add(package)
    return sorted(missing)


def _descendants(pid):
    """Every process below pid, read from /proc, deepest last."""
    children = {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open("/proc/%s/stat" % entry) as f:
                # The command name may hold spaces and parentheses; the parent follows the last ')'.
                parent = int(f.read().rsplit(")", 1)[1].split()[1])
        except (OSError, IndexError, ValueError):
            continue
        children.setdefault(parent, []).append(int(entry))
    found, queue = [], [pid]
    while queue:
        for child in children.get(queue.pop(0), []):
            found.append(child)
            queue.append(child)
    return found


class Desktop:
    """Starts the desktop in out_dir; end() stops it. The utterances land in spoken_path, one a
    line, and the screen reader's own log in orca_log_path."""

    def __init__(self, out_dir, size="1280x1024", orca_debug=False):
        self.out_dir = out_dir
        os.makedirs(out_dir, exist_ok=True)
        self.work = tempfile.mkdtemp(prefix="kestrelink-desktop-")
        self.started = []  # (name, Popen), in the order they were started
        self.spoken_path = os.path.join(out_dir, "spoken.txt")
        self.orca_log_path = os.path.join(out_dir, "orca-debug.txt")
        for path in (self.spoken_path, self.orca_log_path):
            if os.path.exists(path):
                os.remove(path)
        home = os.path.join(self.work, "home")
        runtime = os.path.join(self.work, "runtime")
        os.makedirs(home)
        os.makedirs(runtime, mode=0o700)
        with open(os.path.join(home, ".libao"), "w") as f:
            f.write("default_driver=null\n")
        self.env = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=runtime,
                        XDG_CONFIG_HOME=os.path.join(home, ".config"),
                        XDG_DATA_HOME=os.path.join(home, ".local", "share"),
                        XDG_CACHE_HOME=os.path.join(home, ".cache"),
                        GSETTINGS_BACKEND="memory", NO_AT_BRIDGE="0", LANG="C.UTF-8",
                        LANGUAGE="en")
        for name in ("WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS",
                     "SPEECHD_ADDRESS", "SESSION_MANAGER"):
            self.env.pop(name, None)
        try:
            self._start(size, orca_debug)
        except BaseException:
            self.end()
            raise

    def _log(self, name):
        return open(os.path.join(self.out_dir, "%s-output.txt" % name), "w")

    def _spawn(self, name, args, stdout=None):
        """Starts a program with its output in a file, or its standard output in a pipe (and
        its errors in the file) when stdout is PIPE."""
        log = self._log(name)
        process = subprocess.Popen(args, env=self.env, stdin=subprocess.DEVNULL,
                                   stdout=stdout or log,
                                   stderr=log if stdout else subprocess.STDOUT)
        log.close()
        self.started.append((name, process))
        return process

    def _read_line(self, process, what, timeout=10):
        """The first line a process writes to its standard output."""
        deadline = time.monotonic() + timeout
        line = b""
        os.set_blocking(process.stdout.fileno(), False)
        while not line.endswith(b"\n"):
            try:
                chunk = os.read(process.stdout.fileno(), 1)
            except BlockingIOError:
                chunk = None
            if chunk:
                line += chunk
                continue
            if process.poll() is not None or time.monotonic() > deadline:
                raise RuntimeError("%s did not start" % what)
            time.sleep(0.02)
        return line.decode().strip()

    def _start(self, size, orca_debug):
        xvfb = self._spawn("xvfb", ["Xvfb", "-displayfd", "1", "-screen", "0", size + "x24",
                                    "-nolisten", "tcp", "-noreset"], stdout=subprocess.PIPE)
        self.display = ":" + self._read_line(xvfb, "Xvfb")
        self.env["DISPLAY"] = self.display

        bus = self._spawn("session-bus", ["dbus-daemon", "--session", "--nofork",
                                          "--print-address=1"], stdout=subprocess.PIPE)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self._read_line(bus, "the session bus")

        # The accessibility bus and its registry, as a desktop session starts them.
        self._spawn("at-spi", ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        self._spawn("window-manager", ["matchbox-window-manager", "-use_titlebar", "no"])

        speech = os.path.join(self.work, "speech")
        os.makedirs(os.path.join(speech, "modules"))
        with open(os.path.join(speech, "speechd.conf"), "w") as f:
            # libao's null driver (set in ~/.libao) takes the sound, if a module makes any.
            f.write('LogLevel 3\nLogDir "%s"\nAudioOutputMethod "libao"\n' % self.out_dir +
                    'AddModule "logger" "sd_generic" "logger.conf"\n'
                    'DefaultModule logger\nLanguageDefaultModule "en" "logger"\n')
        with open(os.path.join(speech, "modules", "logger.conf"), "w") as f:
            # The module's "synthesizer" appends the text to the log; nothing is played.
            f.write('GenericExecuteSynth "printf \'%%s\\\\n\' \\\'$DATA\\\' >> %s"\n'
                    % self.spoken_path +
                    'AddVoice "en" "MALE1" "logger"\nGenericLanguage "en" "en" "utf-8"\n')
        socket = os.path.join(self.work, "speechd.sock")
        self._spawn("speech-dispatcher", ["speech-dispatcher", "--run-single", "--timeout", "0",
                                          "--config-dir", speech, "--socket-path", socket,
                                          "--communication-method", "unix_socket"])
        self.env["SPEECHD_ADDRESS"] = "unix_socket:" + socket
        if not _wait(lambda: os.path.exists(socket), 10):
            raise RuntimeError("speech-dispatcher did not open its socket")

        # What the desktop does when the player turns the screen reader on; Qt programs look
        # at this to decide whether to offer their accessibility tree.
        if not _wait(lambda: self._call_quietly(
                ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                 "/org/a11y/bus", "org.freedesktop.DBus.Properties.Set",
                 "string:org.a11y.Status", "string:ScreenReaderEnabled",
                 "variant:boolean:true"]), 10):
            raise RuntimeError("the accessibility bus did not start")
        prefs = os.path.join(self.work, "orca")
        os.makedirs(prefs)
        # Its own log tells every event it heard, but slows it down several times over.
        debug = ["--debug-file", self.orca_log_path] if orca_debug else []
        self._spawn("orca", ["orca", "--replace", "--user-prefs", prefs, *debug])
        if not _wait(lambda: self.spoken(), 30):
            raise RuntimeError("the screen reader said nothing within 30 s")

    def _call_quietly(self, args):
        return subprocess.run(args, env=self.env, capture_output=True, timeout=10).returncode == 0

    def spoken(self):
        """Every utterance so far, in order."""
        return [line for line in _read(self.spoken_path).splitlines() if line.strip()]

    def end(self):
        """Ends every process started here, helpers first, each by its process id."""
        for name, process in reversed(self.started):
            pids = _descendants(process.pid) + [process.pid]
            for pid in reversed(pids):
                try:
                    os.kill(pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
            for pid in pids[:-1]:
                _wait(lambda: not os.path.exists("/proc/%d" % pid), 2)
                try:
                    os.kill(pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
            for stream in (process.stdout,):
                if stream:
                    stream.close()
        self.started = []
        shutil.rmtree(self.work, ignore_errors=True)


def _read(path):
    try:
        with open(path, encoding="utf-8", errors="replace") as f:
            return f.read()
    except OSError:
        return ""


def _wait(check, timeout, interval=0.05):
    deadline = time.monotonic() + timeout
    while True:
        if check():
            return True
        if time.monotonic() > deadline:
            return False
        time.sleep(interval)


def normalised(line):
    """An utterance with its spacing made plain, for matching."""
    return re.sub(r"\s+", " ", line).strip()
