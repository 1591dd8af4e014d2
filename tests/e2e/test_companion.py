"""The companion program yqzs.exe (灯谜知识) on its own: it opens its window
with the festive head and readable text, and scrolls through the whole
page with the keyboard and the mouse wheel."""
import subprocess
import unittest

from harness import Session, wait_until

CAPTION = "灯谜知识"


def magick(*args):
    out = subprocess.run(["convert", *args], capture_output=True, text=True, check=True)
    return out.stdout.strip()


def mean_colour(shot, x, y, w, h):
    text = magick(shot, "-crop", f"{w}x{h}+{x}+{y}", "+repage",
                  "-format", "%[fx:mean.r*255] %[fx:mean.g*255] %[fx:mean.b*255]", "info:")
    return [float(v) for v in text.split()]


def dark_fraction(shot, x, y, w, h):
    light = magick(shot, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-colorspace", "Gray",
                   "-threshold", "50%", "-format", "%[fx:mean]", "info:")
    return 1.0 - float(light)


def differing_pixels(a, b, x, y, w, h):
    crop = ["-crop", f"{w}x{h}+{x}+{y}", "+repage"]
    out = subprocess.run(["compare", "-metric", "AE", "(", a, *crop, ")", "(", b, *crop, ")", "null:"],
                         capture_output=True, text=True)
    return float(out.stderr.split()[0])


class CompanionTest(unittest.TestCase):
    def test_page_shows_and_scrolls(self):
        with Session(exe="yqzs.exe") as s:
            wid = s.wait_ready(CAPTION)
            self.assertIsNotNone(wid, "the window 灯谜知识 did not appear")
            g = s.window_geometry(wid)
            x, y, w, h = g["X"], g["Y"], g["WIDTH"], g["HEIGHT"]
            top = s.screenshot("companion-top")
            # The head is the red festive banner ...
            r, gr, b = mean_colour(top, x + 10, y + 40, w - 40, 60)
            self.assertGreater(r, 140)
            self.assertGreater(r, 2 * gr)
            # ... and below it dark text on light paper.
            body = (x + 10, y + 160, w - 40, h - 200)
            paper = mean_colour(top, *body)
            self.assertTrue(all(c > 200 for c in paper), paper)
            self.assertTrue(0.01 < dark_fraction(top, *body) < 0.3)

            def shows(name, condition):
                """The body's difference from the top once condition(difference)
                holds, or the last one read."""
                difference = [None]

                def probe():
                    difference[0] = differing_pixels(top, s.screenshot(name), *body)
                    return condition(difference[0])
                wait_until(probe, timeout=5, interval=0.1)
                return difference[0]

            s.key("--window", wid, "End")
            self.assertGreater(shows("companion-end", lambda d: d > 10000), 10000, "End did not scroll")
            s.key("--window", wid, "Home")
            self.assertEqual(shows("companion-home", lambda d: d == 0), 0, "Home did not return to the top")

            s.xdotool("mousemove", x + w // 2, y + h // 2, "click", "5")
            self.assertGreater(shows("companion-wheel", lambda d: d > 10000), 10000, "the wheel did not scroll")


if __name__ == "__main__":
    unittest.main()
