#!/usr/bin/env python3
"""screenshots.py [OUTDIR]: the README's pictures of the four windows.

Starts the built program (build/mingw/dist, or $YQ_DIST) on a private Xvfb
through the end-to-end harness, opens each window with the browser's own
buttons and saves it, the window only, as OUTDIR/{browser,quiz,edit,list}.png,
then the search's input box and the message box of an empty keyword as
OUTDIR/{inputbox,messagebox}.png (default docs/screenshots).  Needs the
mingw build and wininspect.
"""
import os
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))

from harness import (BROWSER_BUTTONS, EDIT_CAPTION, LIST_CAPTION, MAIN_CAPTION,  # noqa: E402
                     QUIZ_BUTTONS, QUIZ_CAPTION, TITLE, Session)


def save_window(session, caption, path):
    wid = session.wait_window(caption)
    if not wid:
        raise SystemExit(f'the window "{caption}" did not appear')
    time.sleep(1.0)  # let it finish painting
    subprocess.run(["import", "-display", session.env["DISPLAY"], "-window", wid, "-strip",
                    "-define", "png:compression-level=9", path], check=True)
    print(path)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "docs", "screenshots")
    os.makedirs(out, exist_ok=True)
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
        s.press(MAIN_CAPTION, (400, 40))
        time.sleep(0.5)
        s.press(MAIN_CAPTION, BROWSER_BUTTONS["搜索"])
        s.choose_from_popup(0, 2)
        save_window(s, "谜面搜索", os.path.join(out, "inputbox.png"))
        s.type_text("abc")
        s.key("Return")
        save_window(s, TITLE, os.path.join(out, "messagebox.png"))
        s.key("Return")


if __name__ == "__main__":
    main()
