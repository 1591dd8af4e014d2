"""End-to-end harness: the real program under Wine on a private Xvfb.

A `Session` copies the installation folder to a temporary folder (where a
test may change or remove files first), starts Xvfb and the program, and
offers window lookup by caption, real input through xdotool and
screenshots.  Everything it started is ended by PID when the session closes.
"""
import fcntl
import os
import shutil
import signal
import subprocess
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
CACHE = os.environ.get("YQ_CACHE", "/var/cache/yunqiao")
DIST = os.environ.get("YQ_DIST", os.path.join(ROOT, "build", "mingw", "dist"))
SHOTS = os.path.join(ROOT, "build", "e2e-screenshots")
WININSPECT = os.path.join(ROOT, "build", "mingw", "tests", "win32", "wininspect.exe")
MAIN_CAPTION = "云樵 V2016.08.15"
TITLE = "云樵"


class Session:
    def __init__(self, prepare=None, exe="yunqiao.exe", cwd=None):
        """prepare(folder) may change the temporary installation folder
        before the program starts; cwd (relative to it) is the working
        directory, by default the folder itself."""
        self.folder = tempfile.mkdtemp(prefix="yq-e2e-")
        shutil.copytree(DIST, self.folder, dirs_exist_ok=True)
        if prepare:
            prepare(self.folder)
        self.exe = exe
        self.cwd = os.path.join(self.folder, cwd) if cwd else self.folder
        self.xvfb = None
        self.program = None
        self.env = dict(os.environ)
        self.env.update(WINEPREFIX=os.path.join(CACHE, "wine-x11"), WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=", LC_ALL="C.UTF-8")

    # -- life cycle --------------------------------------------------------
    def __enter__(self):
        # One program session at a time in the shared X prefix (its
        # wineserver serves one display at a time).
        self.lock = open(os.path.join(CACHE, "wine-x11.lock"), "w")
        fcntl.flock(self.lock, fcntl.LOCK_EX)
        self._start_xvfb()
        exe_path = os.path.join(self.folder, self.exe)
        self.program = subprocess.Popen(["wine", exe_path], cwd=self.cwd, env=self.env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return self

    def __exit__(self, *exc):
        self.close()

    def close(self):
        if self.program and self.program.poll() is None:
            self.program.kill()
            self.program.wait(timeout=10)
        subprocess.run(["wineserver", "-w"], env=self.env, timeout=20,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if self.xvfb:
            self.xvfb.send_signal(signal.SIGTERM)
            self.xvfb.wait(timeout=10)
            self.xvfb = None
        shutil.rmtree(self.folder, ignore_errors=True)
        if getattr(self, "lock", None):
            self.lock.close()
            self.lock = None

    def _start_xvfb(self):
        for n in range(160, 260):
            if os.path.exists(f"/tmp/.X{n}-lock"):
                continue
            proc = subprocess.Popen(["Xvfb", f":{n}", "-screen", "0", "1280x900x24", "-nolisten", "tcp"],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            for _ in range(50):
                if os.path.exists(f"/tmp/.X11-unix/X{n}"):
                    self.xvfb = proc
                    self.env["DISPLAY"] = f":{n}"
                    return
                if proc.poll() is not None:
                    break
                time.sleep(0.1)
            proc.kill()
        raise RuntimeError("could not start Xvfb")

    # -- queries -------------------------------------------------------------
    def xdotool(self, *args):
        out = subprocess.run(["xdotool", *map(str, args)], env=self.env, capture_output=True, text=True)
        return out.stdout.strip()

    def find_window(self, caption):
        ids = self.xdotool("search", "--onlyvisible", "--name", f"^{caption}$").split()
        return ids[0] if ids else None

    def wait_window(self, caption, timeout=30):
        deadline = time.time() + timeout
        while time.time() < deadline:
            wid = self.find_window(caption)
            if wid:
                return wid
            if self.program.poll() is not None:
                return None
            time.sleep(0.1)
        return None

    def window_geometry(self, wid):
        fields = dict(line.split("=", 1) for line in
                      self.xdotool("getwindowgeometry", "--shell", wid).splitlines() if "=" in line)
        return {k: int(v) for k, v in fields.items() if k in ("X", "Y", "WIDTH", "HEIGHT")}

    def wait_exit(self, timeout=20):
        try:
            return self.program.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    # -- input and pictures --------------------------------------------------
    def click(self, x, y, button=1):
        self.xdotool("mousemove", x, y, "click", button)

    def key(self, *keys):
        self.xdotool("key", *keys)

    def child_texts(self, caption):
        """(class, text) of every child window of the window with that
        caption, read from inside Wine; None when there is no such window."""
        out = subprocess.run(["wine", WININSPECT, caption], env=self.env, capture_output=True,
                             timeout=30)
        if out.returncode != 0:
            return None
        lines = out.stdout.decode("utf-8", "replace").replace("\r", "").splitlines()
        return [tuple(line.split("\t", 1)) for line in lines if "\t" in line]

    def screenshot(self, name):
        os.makedirs(SHOTS, exist_ok=True)
        path = os.path.join(SHOTS, name + ".png")
        subprocess.run(["import", "-window", "root", "-display", self.env["DISPLAY"], path], check=True)
        return path
