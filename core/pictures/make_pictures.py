# Draws the main window's Information, Options and Close pictures and the About window's logo as BMP files beside this script.
import os, sys
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'imagebutton', 'glyphs'))
from make_glyphs import Img, save, strip, disabled, BLUE, GRAY, SILVER, RED, WHITE, NAVY, TEAL, AQUA, BG

def info():
    i = Img(36, 36); i.disc(18, 18, 16, BLUE); i.disc(18, 10, 2.8, WHITE); i.rect(16, 15, 21, 28, WHITE); i.rect(14, 15, 17, 17, WHITE); i.rect(14, 26, 23, 28, WHITE)
    return i

def options():
    i = Img(36, 36)
    for k in range(8):
        import math
        a = k * math.pi / 4
        i.disc(18 + 13 * math.cos(a), 18 + 13 * math.sin(a), 3.6, GRAY)
    i.disc(18, 18, 12.5, GRAY); i.disc(18, 18, 8, SILVER); i.disc(18, 18, 4.5, BG)
    return i

def close():
    i = Img(36, 36); i.disc(18, 18, 16, RED); i.ring(18, 19, 7, 9.6, WHITE, 120, 60); i.line(18, 6.5, 18, 17, WHITE, 1.5)
    return i

def logo():
    i = Img(81, 81); i.rect(0, 0, 81, 81, WHITE); i.rect(6, 6, 75, 75, NAVY)
    i.ring(38, 38, 17, 24, WHITE); i.line(48, 48, 63, 63, WHITE, 3.6)
    i.rect(33, 33, 44, 44, AQUA); i.rect(12, 36, 20, 41, TEAL); i.rect(57, 36, 69, 41, TEAL)
    return i

if __name__ == "__main__":
    out = os.path.dirname(os.path.abspath(__file__))
    for name, img in [('btn_info', info()), ('btn_options', options()), ('btn_close', close())]:
        save(strip([img, disabled(img)]), os.path.join(out, name + '.bmp'))
    save(logo(), os.path.join(out, 'about_logo.bmp'))
