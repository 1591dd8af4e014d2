"""End-to-end harness: the real program under Wine on a private Xvfb.

A `Session` copies the installation folder to a temporary folder (where a
test may change or remove files first, for example install_fixture), starts
Xvfb and the program, and offers window lookup by caption, the controls of
the program's forms (wininspect), real input through xdotool at positions
relative to a window's client area, message boxes and screenshots.
Everything it started is ended by PID when the session closes.

Tests wait for conditions, never for a fixed time: a window shown or gone,
a text or state reached (wait_until over wininspect's answers), the program
settled (`settle`: it has handled all input and waits for more), the
keyboard focus on a window (`wait_focus`), a screen region changed or back
to a look (`wait_region`).  Pauses that belong to the input itself (between
the two clicks of a double click, a drag's steps) stay inside xdotool's
arguments.
"""
import fcntl
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
CACHE = os.environ.get("YQ_CACHE", "/var/cache/yunqiao")
DIST = os.environ.get("YQ_DIST", os.path.join(ROOT, "build", "mingw", "dist"))
# The locale the program runs in; tools/screenshots.py asks for the Chinese
# one the run command uses (Wine's own texts in Chinese).
LOCALE = os.environ.get("YQ_E2E_LOCALE", "C.UTF-8")
SHOTS = os.path.join(ROOT, "build", "e2e-screenshots")
TYPING_KEYS = 4  # keys type_text binds to characters at a time
WININSPECT = os.path.join(ROOT, "build", "mingw", "tests", "win32", "wininspect.exe")
HERE = os.path.dirname(os.path.abspath(__file__))
FIXTURE = os.path.join(HERE, "fixture")
TOOLS = os.path.join(ROOT, "tools")
MAIN_CAPTION = "云樵 V2016.08.15"
QUIZ_CAPTION = "云樵雅集"
EDIT_CAPTION = "修改"
LIST_CAPTION = "灯谜批量添加"
TITLE = "云樵"
GALLERY_CAPTION = "云樵皮肤画廊"
GALLERY_PAGES_TOP = 26   # the page control lies below the 26-pixel tool bar
# The gallery's pages and the names of their screenshots.
GALLERY_PAGES = [("按钮", "buttons"), ("选择", "choices"), ("编辑", "edits"), ("列表", "lists"),
                 ("滑块", "bars"), ("标签页", "tabs"), ("数据", "data"), ("对话框", "dialogs")]


# Click points in the windows' client areas, from their layout tables:
# the middle of each control (the browser's rows lie in its main panel at
# 8, 8; the quiz window's buttons in its centre panel below the 105-pixel
# banner; the edit window's controls in its panel at 8, 8).
BROWSER_BUTTONS = {"猜谜游戏": (279, 522), "灯谜知识": (391, 522), "朗读": (487, 522),
                   "添加": (560, 522), "搜索": (633, 522), "修改": (706, 522)}
BROWSER_BAR = (24, 80, 169, 465)        # category bar: x, y, width, height
BROWSER_BAR_LIST = (25, 113, 167, 271)  # the open first group's item list
BROWSER_GRID = (208, 80, 553, 409)
BROWSER_TITLES = {"谜面": (344, 92), "谜目": (609, 92)}
BROWSER_FIRST_ROW = (344, 116)
QUIZ_BUTTONS = {"浏览": (31, 133), "修改": (79, 133), "朗读": (120, 133), "添加": (160, 133),
                "音乐": (201, 133), "显示答案": (260, 479), "顺序出谜": (351, 479),
                "随机出谜": (432, 479), "用户谜库": (524, 479)}
EDIT_BOXES = {"谜面": (252, 44), "谜目": (252, 84), "谜底": (252, 124)}
EDIT_CONFIRM = (68, 67)
LIST_MEMO = (238, 160)


def install_fixture(folder):
    """The fixture's riddle database, category file and user riddle file,
    made by the repository's own tools, replace the installed ones."""
    for name in ("sk5.skn", "sk2.skn", "dm.txt"):
        path = os.path.join(folder, name)
        if os.path.exists(path):
            os.remove(path)
    tool = lambda script, *args: subprocess.run(
        [sys.executable, os.path.join(TOOLS, script), *args], check=True, stdout=subprocess.DEVNULL)
    tool("riddledb.py", "build", os.path.join(FIXTURE, "riddles.tsv"), os.path.join(folder, "sk5.skn"))
    tool("gbktext.py", os.path.join(FIXTURE, "categories.ini"), os.path.join(folder, "sk2.skn"))
    tool("gbktext.py", os.path.join(FIXTURE, "dm.txt"), os.path.join(folder, "dm.txt"))


def fixture_riddles():
    """The fixture's riddles (谜面, 谜目, 谜底) in table order."""
    with open(os.path.join(FIXTURE, "riddles.tsv"), encoding="utf-8") as f:
        return [tuple(line.rstrip("\n").split("\t")) for line in f
                if line.strip() and not line.startswith("#")]


def fixture_user_lines():
    with open(os.path.join(FIXTURE, "dm.txt"), encoding="utf-8") as f:
        return f.read().splitlines()


def gbk_key(text):
    """Sort key of the program's sort: GBK byte order."""
    return text.encode("gbk")


def read_riddles(folder):
    """The riddles of the folder's database (after the program has ended:
    while it runs, it holds the file exclusively)."""
    import sqlite3
    db = sqlite3.connect(os.path.join(folder, "sk5.skn"))
    try:
        return db.execute('SELECT "谜面", "谜目", "谜底" FROM "灯谜库" ORDER BY rowid').fetchall()
    finally:
        db.close()


def wait_until(probe, timeout=10, interval=0.2):
    """probe()'s first true answer within the timeout; its last answer
    otherwise."""
    deadline = time.time() + timeout
    while True:
        value = probe()
        if value or time.time() >= deadline:
            return value
        time.sleep(interval)


class Session:
    def __init__(self, prepare=None, exe="yunqiao.exe", cwd=None, args=()):
        """prepare(folder) may change the temporary installation folder
        before the program starts; cwd (relative to it) is the working
        directory, by default the folder itself; args follow the program
        on its command line."""
        self.folder = tempfile.mkdtemp(prefix="yq-e2e-")
        shutil.copytree(DIST, self.folder, dirs_exist_ok=True)
        if prepare:
            prepare(self.folder)
        self.exe = exe
        self.args = list(args)
        self.cwd = os.path.join(self.folder, cwd) if cwd else self.folder
        self.xvfb = None
        self.program = None
        self.others = []
        self.env = dict(os.environ)
        self.env.update(WINEPREFIX=os.path.join(CACHE, "wine-x11"), WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=", LC_ALL=LOCALE, LANG=LOCALE)

    # -- life cycle --------------------------------------------------------
    def __enter__(self):
        # One program session at a time in the shared X prefix (its
        # wineserver serves one display at a time).
        self.lock = open(os.path.join(CACHE, "wine-x11.lock"), "w")
        fcntl.flock(self.lock, fcntl.LOCK_EX)
        self._start_xvfb()
        exe_path = os.path.join(self.folder, self.exe)
        self.program = subprocess.Popen(["wine", exe_path, *self.args], cwd=self.cwd, env=self.env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return self

    def __exit__(self, *exc):
        self.close()

    def close(self):
        for proc in [self.program, *self.others]:
            if proc and proc.poll() is None:
                proc.kill()
                proc.wait(timeout=10)
        # Programs the program started (the companion) may outlive it: a
        # session leaves nothing running in the shared prefix.
        try:
            subprocess.run(["wineserver", "-w"], env=self.env, timeout=20,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        except subprocess.TimeoutExpired:
            subprocess.run(["wineserver", "-k"], env=self.env, timeout=20,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if self.xvfb:
            self.xvfb.send_signal(signal.SIGTERM)
            self.xvfb.wait(timeout=10)
            self.xvfb = None
        shutil.rmtree(self.folder, ignore_errors=True)
        if getattr(self, "lock", None):
            self.lock.close()
            self.lock = None

    def start_another(self):
        """A second copy of the program from the same folder."""
        proc = subprocess.Popen(["wine", os.path.join(self.folder, self.exe)], cwd=self.cwd, env=self.env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.others.append(proc)
        return proc

    def _start_xvfb(self):
        for n in range(160, 260):
            if os.path.exists(f"/tmp/.X{n}-lock"):
                continue
            proc = subprocess.Popen(["Xvfb", f":{n}", "-screen", "0", "1280x900x24", "-nolisten", "tcp"],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            wait_until(lambda: os.path.exists(f"/tmp/.X11-unix/X{n}") or proc.poll() is not None,
                       timeout=5, interval=0.1)
            if proc.poll() is None and os.path.exists(f"/tmp/.X11-unix/X{n}"):
                self.xvfb = proc
                self.env["DISPLAY"] = f":{n}"
                return
            proc.kill()
        raise RuntimeError("could not start Xvfb")

    # -- queries -------------------------------------------------------------
    def xdotool(self, *args):
        out = subprocess.run(["xdotool", *map(str, args)], env=self.env, capture_output=True, text=True)
        return out.stdout.strip()

    def search(self, pattern):
        """Ids of the visible windows whose names match the pattern.  A
        window that goes while xdotool walks the tree ends it with an X
        error: the walk is then done again."""
        for _ in range(5):
            out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", pattern], env=self.env,
                                 capture_output=True, text=True)
            if out.returncode == 0 or not out.stderr.strip():
                return out.stdout.split()
        raise RuntimeError(f"xdotool search failed: {out.stderr.strip()}")

    def find_window(self, caption):
        ids = self.search(f"^{caption}$")
        return ids[0] if ids else None

    def wait_window(self, caption, timeout=30, report=True):
        """The window's id once it shows; None when the program ends first or
        the time runs out, with the reason written to the standard error
        unless `report` is off (a window that may well not come)."""
        started = time.time()
        wid = wait_until(lambda: self.find_window(caption) or self.program.poll() is not None,
                         timeout, interval=0.1)
        if isinstance(wid, str):
            return wid
        if report:
            self.report_missing(caption, started)
        return None

    def report_missing(self, caption, started):
        """Says why a window did not appear: the program exited (with its
        exit code), or it is still running and so slow or stuck (with the
        windows that do show)."""
        waited = time.time() - started
        code = self.program.poll()
        if code is not None:
            why = f"the program exited with code {code}"
        else:
            names = [self.xdotool("getwindowname", wid)
                     for wid in self.search("")]
            why = f"the program is still running; visible windows: {[n for n in names if n]}"
        shot = self.screenshot("missing-window")
        print(f'window "{caption}" not shown after {waited:.1f} s: {why} (screen: {shot})', file=sys.stderr)

    def wait_ready(self, caption, timeout=30):
        """The window's id once it shows and the program has settled (see
        `settle`); None as wait_window, or when the program stays busy."""
        wid = self.wait_window(caption, timeout)
        if wid and not self.settle(caption):
            print(f'window "{caption}" shown, but its program stays busy', file=sys.stderr)
            return None
        return wid

    def settle(self, caption):
        """True once the program of the window with that caption has taken in
        and handled all input and messages given to it so far and waits for
        more (wininspect --idle); False when it is still busy after 10 s or
        there is no such window.  What the program showed in that time is on
        the screen then."""
        return self.inspect("--idle", caption) is not None

    def wait_focus(self, caption, timeout=10):
        """True once the window with that caption has X's input focus (the
        program's active window): keys go to it."""
        def probe():
            wid = self.find_window(caption)
            return bool(wid) and self.xdotool("getwindowfocus") == wid
        return wait_until(probe, timeout)

    def processes(self):
        """The executables' file names of the processes running in the
        session's prefix, lower case."""
        return [name.lower() for name in (self.inspect("--processes") or "").split()]

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
        # Arrive as a hand would: controls that track the pointer (hot
        # glyph buttons) see it move in before the press.
        self.xdotool("mousemove", x - 4, y - 4, "sleep", 0.05, "mousemove", x, y, "sleep", 0.05, "click", button)

    def key(self, *keys):
        self.xdotool("key", *keys)

    def type_text(self, text, caption=None):
        """Types the text into the window with the focus, whose caption is
        `caption`.  A character the keyboard map lacks (a Chinese one) needs
        a key of its own, and xdotool binds one only for the moment of the
        press: a program that reads the map after xdotool has taken it back
        loses the character.  So such characters are bound here, a few keys
        at a time (Wine gives only a few keys it does not know a virtual key
        code), and the keys change only once the program has settled, having
        taken in the ones typed."""
        if text.isascii():
            self.xdotool("type", "--delay", 40, text)
            return
        if caption is None:
            raise ValueError("typing characters without a key needs the window's caption")
        spare = self._spare_keycodes()[:TYPING_KEYS]
        keys, bound = [], {}

        def flush():
            if bound:
                subprocess.run(["xmodmap", *(arg for c, code in bound.items()
                                             for arg in ("-e", f"keycode {code} = {key_name(c)} {key_name(c)}"))],
                               env=self.env, check=True)
            self.xdotool("key", "--delay", 40, *keys)
            if not self.settle(caption):
                raise RuntimeError(f'the window "{caption}" did not take in the typed keys')
            keys.clear()
            bound.clear()
        for c in text:
            if not c.isascii() and c not in bound:
                if len(bound) == len(spare):
                    flush()
                bound[c] = spare[len(bound)]
            keys.append(key_name(c))
        flush()

    def _spare_keycodes(self):
        """Keycodes without a symbol in the keyboard map, or with a
        character type_text bound."""
        out = subprocess.run(["xmodmap", "-pke"], env=self.env, capture_output=True, text=True, check=True).stdout
        codes = [re.match(r"keycode\s+(\d+)\s*=\s*(\S*)", line) for line in out.splitlines()]
        return [int(m[1]) for m in codes if m and (not m[2] or re.fullmatch(r"U[0-9A-F]{4,}", m[2]))]

    # -- reading the program (wininspect, from inside Wine) ---------------------
    def inspect(self, *args):
        """wininspect's output, or None when it found no such window."""
        out = subprocess.run(["wine", WININSPECT, *args], env=self.env, capture_output=True, timeout=30)
        if out.returncode != 0:
            return None
        return out.stdout.decode("utf-8", "replace").replace("\r\n", "\n")

    def child_texts(self, caption):
        """(class, text) of every child window of the window with that
        caption, read from inside Wine; None when there is no such window."""
        out = self.inspect(caption)
        if out is None:
            return None
        return [tuple(line.split("\t", 1)) for line in out.splitlines() if "\t" in line]

    def control_list(self, caption):
        """(class, name, visible, text) of the form with that caption and of
        each of its controls, windowless ones included, parents first; None
        when there is no such form."""
        out = self.inspect("--controls", caption)
        if out is None:
            return None
        rows = []
        for line in out.split("\n"):
            if line.count("\t") < 3:
                continue
            cls, name, visible, text = line.split("\t", 3)
            rows.append((cls, name, visible == "1", unescape(text)))
        return rows

    def controls(self, caption):
        """name -> (class, visible, text) of the named controls of the form
        with that caption (the form itself included); None without it."""
        rows = self.control_list(caption)
        if rows is None:
            return None
        return {name: (cls, visible, text) for cls, name, visible, text in rows if name}

    def window_state(self, caption):
        """("minimized" | "maximized" | "normal", visible) as the program's
        windows know it (X does not tell a minimised Wine window)."""
        words = (self.inspect("--state", caption) or "").split()
        return (words[0], words[1] == "visible") if len(words) == 2 else None

    def origin(self, caption):
        """(x, y, width, height) of the window's client area on the screen;
        None when no such window shows within 5 s (a window is briefly not
        found while a box it owned closes and it takes the activation back)."""
        out = wait_until(lambda: self.inspect("--origin", caption), timeout=5)
        return tuple(int(v) for v in out.split()) if out else None

    def click_in(self, caption, x, y, button=1):
        """A click at (x, y) of the window's client area."""
        ox, oy, _, _ = self.origin(caption)
        self.click(ox + x, oy + y, button)

    def message_box(self, timeout=10):
        """The text of the message box captioned with the program's title
        once it shows; None when none appears."""
        if not self.wait_window(TITLE, timeout, report=False):
            return None
        texts = wait_until(lambda: [t for cls, t in self.child_texts(TITLE) or [] if cls.lower() == "static" and t],
                           timeout=5)
        return "\n".join(texts) if texts else ""

    def answer_box(self, key="Return"):
        """Answers the message box with a key and waits until it has gone."""
        # Real key presses to the box, which has the focus (keys sent to a
        # window with XSendEvent leave Wine's keyboard state behind).
        if self.find_window(TITLE):
            self.key(key)
        return wait_until(lambda: not self.find_window(TITLE), timeout=10)

    # -- the program's windows ----------------------------------------------------
    def controls_of_class(self, caption, cls):
        """(name, visible, text) of the form's controls of that class, in
        the order of the control tree."""
        return [(name, visible, text) for c, name, visible, text in self.control_list(caption) or []
                if c == cls]

    def grid(self):
        """The browser grid's current row: (RecNo, RecordCount, 谜面, 谜目)."""
        head, *cells = self.controls(MAIN_CAPTION)["dbgrd1"][2].split("\t")
        recno, count = (int(v) for v in head.split("/"))
        return (recno, count, *(cells + ["", ""])[:2])

    def wait_grid(self, expected, timeout=10):
        """The grid's row once it equals `expected` (or the last one read)."""
        last = [None]

        def probe():
            last[0] = self.grid()
            return last[0] == expected
        wait_until(probe, timeout)
        return last[0]

    def click_category(self, index):
        """Clicks item `index` of the open first group of the category bar.
        The items are found on the screen as the bands of navy caption text
        in the list, read once per session (a selected item changes
        colour)."""
        ox, oy, _, _ = self.origin(MAIN_CAPTION)
        if getattr(self, "_item_bands", None) is None:
            x, y, w, h = BROWSER_BAR_LIST
            self._item_bands = navy_bands(self.screenshot("category-bar"), ox + x, oy + y, w, h)
        left, top, right, bottom = self._item_bands[index]
        self.click((left + right) // 2, (top + bottom) // 2)

    def wait_popup(self, timeout=5):
        """Geometry of the pop-up menu once it shows: a visible window
        without a name that is not the screen's root."""
        def probe():
            for wid in self.search(""):
                if not self.xdotool("getwindowname", wid):
                    g = self.window_geometry(wid)
                    if g and (g["X"], g["Y"]) != (0, 0):
                        return g
            return None
        return wait_until(probe, timeout)

    def choose_from_popup(self, index, count):
        """Clicks item `index` of a pop-up menu of `count` equally spaced rows
        (its separators drawn between them)."""
        g = self.wait_popup()
        if not g:
            return False
        self.click(g["X"] + g["WIDTH"] // 2, g["Y"] + g["HEIGHT"] * (2 * index + 1) // (2 * count))
        return True

    def close_window(self, caption, point):
        """Closes the window with Alt+F4 after a click at a harmless point of
        its client area has made it the active one."""
        self.click_in(caption, *point)
        self.wait_focus(caption)
        self.key("alt+F4")

    def open_and_hide_quiz(self):
        """Shows the quiz window from the browser and closes it again: a
        window the user has not opened yet has no controls to inspect."""
        self.press(MAIN_CAPTION, BROWSER_BUTTONS["猜谜游戏"])
        if not self.wait_ready(QUIZ_CAPTION):
            return False
        self.close_window(QUIZ_CAPTION, (700, 250))  # beside the riddle text
        return bool(wait_until(lambda: not self.find_window(QUIZ_CAPTION), timeout=10))

    def press(self, caption, point):
        """A click at a layout point of the window's client area."""
        self.click_in(caption, *point)

    def window_shot(self, caption, path):
        """The window alone (its frame included) saved as a PNG."""
        wid = self.wait_window(caption)
        if not wid:
            raise RuntimeError(f'the window "{caption}" did not appear')
        subprocess.run(["import", "-display", self.env["DISPLAY"], "-window", wid, "-strip",
                        "-define", "png:compression-level=9", path], check=True)
        return path

    # -- the skin gallery ------------------------------------------------------
    def gallery_tabs(self):
        """(caption, centre x, centre y) of each tab of the gallery's page
        control, in the window's client coordinates."""
        text = self.controls(GALLERY_CAPTION)["PageControl1"][2]
        tabs = []
        for item in text.split("\t"):
            caption, rect = item.rsplit("@", 1)
            left, top, right, bottom = (int(v) for v in rect.split(","))
            tabs.append((caption, (left + right) // 2, GALLERY_PAGES_TOP + (top + bottom) // 2))
        return tabs

    def gallery_page(self):
        """Caption of the gallery's page that shows."""
        for cls, name, visible, text in self.control_list(GALLERY_CAPTION) or []:
            if cls == "TTabSheet" and name.startswith("TabSheet") and visible:
                return text
        return None

    def gallery_report(self):
        """What the gallery's status bar says the last click did (its third
        panel); None without the gallery."""
        bar = (self.controls(GALLERY_CAPTION) or {}).get("StatusBar1")
        panels = bar[2].split("\t") if bar else []
        return panels[2] if len(panels) > 2 else None

    def gallery_value(self, name):
        """The text of the gallery's control with that name (a track bar's
        position); None without it."""
        control = (self.controls(GALLERY_CAPTION) or {}).get(name)
        return control[2] if control else None

    def open_gallery_page(self, caption):
        """Clicks the page's tab and waits until the page shows."""
        for tab, x, y in self.gallery_tabs():
            if tab == caption:
                self.click_in(GALLERY_CAPTION, x, y)
                return wait_until(lambda: self.gallery_page() == caption, timeout=10)
        return False

    def region(self, x, y, w, h, name):
        """The pixels of a screen rectangle as rows of (r, g, b); the whole
        screen is saved as the screenshot `name`."""
        return pixels(self.screenshot(name), x, y, w, h)

    def wait_region(self, box, condition, name, timeout=5):
        """The pixels of the screen rectangle `box` (x, y, w, h) once
        condition(pixels) holds; None when it does not within the timeout.
        The last screen read is saved as the screenshot `name`."""
        def probe():
            seen = self.region(*box, name)
            return seen if condition(seen) else None
        return wait_until(probe, timeout, interval=0.1)

    def screenshot(self, name):
        os.makedirs(SHOTS, exist_ok=True)
        path = os.path.join(SHOTS, name + ".png")
        subprocess.run(["import", "-window", "root", "-display", self.env["DISPLAY"], path], check=True)
        return path


def pixels(shot, x, y, w, h):
    """Rows of (r, g, b) of a rectangle of a screenshot."""
    raw = subprocess.run(["convert", shot, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-depth", "8", "ppm:-"],
                         capture_output=True, check=True).stdout
    header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+\d+\s", raw)
    width, height, data = int(header[1]), int(header[2]), raw[header.end():]
    return [[tuple(data[(row * width + col) * 3:(row * width + col) * 3 + 3]) for col in range(width)]
            for row in range(height)]


def navy_bands(shot, x, y, w, h):
    """(left, top, right, bottom) of each horizontal band of the region
    that holds navy text pixels (the outlook bar's item captions), in
    screen coordinates."""
    raw = subprocess.run(["convert", shot, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-depth", "8", "ppm:-"],
                         capture_output=True, check=True).stdout
    header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+\d+\s", raw)
    width, height, pixels = int(header[1]), int(header[2]), raw[header.end():]
    bands, current = [], None
    for row in range(height):
        line = pixels[row * width * 3:(row + 1) * width * 3]
        columns = [i // 3 for i in range(0, len(line), 3)
                   if line[i + 2] > 0x60 and line[i] < 0x60 and line[i + 1] < 0x60]
        if columns:
            if current is None:
                current = [min(columns), row, max(columns) + 1, row + 1]
            current = [min(current[0], min(columns)), current[1], max(current[2], max(columns) + 1), row + 1]
        elif current is not None:
            bands.append(current)
            current = None
    if current is not None:
        bands.append(current)
    return [(x + l, y + t, x + r, y + b) for l, t, r, b in bands]


def key_name(c):
    """xdotool's name of the key that types the character."""
    if c.isascii() and c.isalnum():
        return c
    return {" ": "space", "\n": "Return", "\t": "Tab"}.get(c, f"U{ord(c):04X}")


def unescape(text):
    """Undoes the inspector's escapes of backslash, CR and LF."""
    out, i = [], 0
    while i < len(text):
        c = text[i]
        if c == "\\" and i + 1 < len(text):
            out.append({"r": "\r", "n": "\n"}.get(text[i + 1], text[i + 1]))
            i += 2
        else:
            out.append(c)
            i += 1
    return "".join(out)
