#!/usr/bin/env python3
"""screenshots.py [OUTDIR]: the README's pictures of the four windows.

Starts the built program (build/mingw/dist, or $YQ_DIST) on a private Xvfb
through the end-to-end harness, opens each window with the browser's own
buttons and saves it, the window only, as OUTDIR/{browser,quiz,edit,list}.png
(default docs/screenshots); then the quiz showing a long riddle of the user
riddle list (quiz-long.png), the search's input box (inputbox.png) and
message box (message.png);
then skingallery.exe unskinned, each page opened by a click on its tab and
saved as OUTDIR/gallery-<page>.png (--gallery-only: these alone); last
the gallery's first page in the built-in skin and in the second skin of
the installation folder, skins/ink-gold.skn, as OUTDIR/gallery-skin-<name>.png,
and its choices, lists, edits, bars and tabs pages in the built-in skin as
OUTDIR/gallery-skin-{choices,lists,edits,bars,tabs}.png, the edits page with
its drop-down combo box open (gallery-skin-edits-open.png), and its menu bar
with a drop-down and a sub-menu open as OUTDIR/gallery-skin-menubar.png
(--skins-only: these alone); and the skinned search menu with its first
item hot and the browser's system menu, each with the part of the window
around it, as OUTDIR/menu-{search,system}.png (--menus-only: these alone).
Needs the mingw build and wininspect.
"""
import os
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
os.environ.setdefault("YQ_E2E_LOCALE", "zh_CN.UTF-8")  # as the run command starts the program
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))

from harness import (BROWSER_BUTTONS, EDIT_CAPTION, GALLERY_CAPTION, GALLERY_PAGES,  # noqa: E402
                     LIST_CAPTION, MAIN_CAPTION, QUIZ_BUTTONS, QUIZ_CAPTION, TITLE, Session)

# 《春夜喜雨》 whole: a user's riddle far longer than the label holds at its size.
LONG_RIDDLE = "好雨知时节当春乃发生随风潜入夜润物细无声野径云俱黑江船火独明晓看红湿处花重锦官城"


def long_user_riddle(folder):
    with open(os.path.join(folder, "dm.txt"), "wb") as f:
        f.write(f"{LONG_RIDDLE} 打一诗人 杜甫\r\n".encode("gbk"))


def save_window(session, caption, path):
    wid = session.wait_window(caption)
    if not wid:
        raise SystemExit(f'the window "{caption}" did not appear')
    time.sleep(1.0)  # let it finish painting
    subprocess.run(["import", "-display", session.env["DISPLAY"], "-window", wid, "-strip",
                    "-define", "png:compression-level=9", path], check=True)
    print(path)


def gallery_pages(out):
    with Session(exe="skingallery.exe", args=["--unskinned"]) as s:
        if not s.wait_window(GALLERY_CAPTION):
            raise SystemExit("the skin gallery did not appear")
        for caption, slug in GALLERY_PAGES:
            if not s.open_gallery_page(caption):
                raise SystemExit(f"the gallery page {caption} did not open")
            save_window(s, GALLERY_CAPTION, os.path.join(out, f"gallery-{slug}.png"))


def gallery_skins(out):
    for args, name in [([], "builtin"), ([r"skins\ink-gold.skn"], "ink-gold")]:
        with Session(exe="skingallery.exe", args=args) as s:
            save_window(s, GALLERY_CAPTION, os.path.join(out, f"gallery-skin-{name}.png"))
    # The pages whose controls the skin draws too.
    for page, (_, slug) in enumerate(GALLERY_PAGES, 1):
        if slug not in ("choices", "lists", "edits", "bars", "tabs"):
            continue
        with Session(exe="skingallery.exe", args=["--page", str(page)]) as s:
            save_window(s, GALLERY_CAPTION, os.path.join(out, f"gallery-skin-{slug}.png"))
            if slug == "edits":
                open_drop_down(s)
                save_screen_part(s, GALLERY_CAPTION, os.path.join(out, "gallery-skin-edits-open.png"))


def save_screen_part(session, caption, path):
    """The screen where the window is: the window with the pop-ups over it."""
    wid = session.wait_window(caption)
    time.sleep(1.0)  # let the pop-ups finish painting
    at = session.window_geometry(wid)
    subprocess.run(["import", "-display", session.env["DISPLAY"], "-window", "root", "-crop",
                    f"{at['WIDTH']}x{at['HEIGHT']}+{at['X']}+{at['Y']}", "+repage", "-strip",
                    "-define", "png:compression-level=9", path], check=True)
    print(path)


# The edits page's first drop-down combo box's button, in the gallery
# window's picture (its frame included).
DROP_DOWN_BUTTON = (540, 117)


def open_drop_down(session):
    wid = session.wait_window(GALLERY_CAPTION)
    at = session.window_geometry(wid)
    session.click(at["X"] + DROP_DOWN_BUTTON[0], at["Y"] + DROP_DOWN_BUTTON[1])


def gallery_menubar(out):
    """The skinned menu bar with 页面 dropped down and its 跳到 sub-menu open:
    the screen over the window's top part and the menus."""
    with Session(exe="skingallery.exe") as s:
        wid = s.wait_ready(GALLERY_CAPTION)
        if not wid or not s.wait_focus(GALLERY_CAPTION):
            raise SystemExit("the skin gallery did not appear")
        s.key("alt+p")
        if not s.wait_popup():
            raise SystemExit("the 页面 menu did not drop down")
        s.key("Up", "Right")  # up from the first item wraps to 跳到, Right opens it
        time.sleep(1.0)  # let both menus finish painting
        g = s.window_geometry(wid)
        menus = [s.window_geometry(m) for m in s.search("") if not s.xdotool("getwindowname", m)]
        bottom = max([m["Y"] + m["HEIGHT"] for m in menus if (m["X"], m["Y"]) != (0, 0)] + [g["Y"] + 200])
        path = os.path.join(out, "gallery-skin-menubar.png")
        shot = s.screenshot("gallery-skin-menubar")
        subprocess.run(["convert", shot, "-crop", f"{g['WIDTH']}x{bottom + 12 - g['Y']}+{g['X']}+{g['Y']}",
                        "+repage", "-strip", "-define", "png:compression-level=9", path], check=True)
        print(path)


def save_menu(session, path, margin=36):
    """The open pop-up menu and `margin` pixels of the screen around it."""
    g = session.wait_popup()
    if not g:
        raise SystemExit("the menu did not open")
    time.sleep(0.5)  # let it finish painting
    shot = session.screenshot("menu-shot")
    subprocess.run(["convert", shot, "-crop",
                    f"{g['WIDTH'] + 2 * margin}x{g['HEIGHT'] + 2 * margin}+{g['X'] - margin}+{g['Y'] - margin}",
                    "+repage", "-strip", "-define", "png:compression-level=9", path], check=True)
    print(path)


def menus(out):
    with Session() as s:
        if not s.wait_ready(MAIN_CAPTION):
            raise SystemExit("the browser window did not appear")
        s.press(MAIN_CAPTION, BROWSER_BUTTONS["搜索"])
        g = s.wait_popup()
        if g:
            s.xdotool("mousemove", g["X"] + g["WIDTH"] // 2, g["Y"] + g["HEIGHT"] // 4)
        save_menu(s, os.path.join(out, "menu-search.png"))
        s.key("Escape")
        x, y, _, _ = s.origin(MAIN_CAPTION)
        s.click(x + 120, y - 15, button=3)
        save_menu(s, os.path.join(out, "menu-system.png"))
        s.key("Escape")


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    out = args[0] if args else os.path.join(ROOT, "docs", "screenshots")
    os.makedirs(out, exist_ok=True)
    skins_only = "--skins-only" in sys.argv
    if "--menus-only" in sys.argv:
        menus(out)
        return
    if "--gallery-only" not in sys.argv and not skins_only:
        program_windows(out)
    if not skins_only:
        gallery_pages(out)
    gallery_skins(out)
    gallery_menubar(out)
    if not skins_only:
        menus(out)


def program_windows(out):
    with Session() as s:
        save_window(s, MAIN_CAPTION, os.path.join(out, "browser.png"))
        s.press(MAIN_CAPTION, BROWSER_BUTTONS["猜谜游戏"])
        s.wait_window(QUIZ_CAPTION)
        s.press(QUIZ_CAPTION, QUIZ_BUTTONS["显示答案"])
        save_window(s, QUIZ_CAPTION, os.path.join(out, "quiz.png"))
        s.press(QUIZ_CAPTION, QUIZ_BUTTONS["浏览"])
        time.sleep(0.5)
        s.press(MAIN_CAPTION, BROWSER_BUTTONS["修改"])
        save_window(s, EDIT_CAPTION, os.path.join(out, "edit.png"))
        s.press(MAIN_CAPTION, (400, 40))
        time.sleep(0.5)
        s.press(MAIN_CAPTION, BROWSER_BUTTONS["添加"])
        save_window(s, LIST_CAPTION, os.path.join(out, "list.png"))
        s.key("alt+F4")
        # The search with no Chinese keyword answers with a message box.
        s.press(MAIN_CAPTION, BROWSER_BUTTONS["搜索"])
        s.choose_from_popup(0, 2)
        save_window(s, "谜面搜索", os.path.join(out, "inputbox.png"))
        s.type_text("abc")
        s.key("Return")
        save_window(s, TITLE, os.path.join(out, "message.png"))
        s.answer_box()
    with Session(prepare=long_user_riddle) as s:
        if not s.wait_window(MAIN_CAPTION):
            raise SystemExit("the browser window did not appear")
        time.sleep(1.0)
        s.press(MAIN_CAPTION, BROWSER_BUTTONS["猜谜游戏"])
        s.wait_window(QUIZ_CAPTION)
        s.press(QUIZ_CAPTION, QUIZ_BUTTONS["用户谜库"])
        save_window(s, QUIZ_CAPTION, os.path.join(out, "quiz-long.png"))


if __name__ == "__main__":
    main()
