/* Runs the drawing cases of cases.txt through GDI and writes them with the pixels GDI drew.
 *
 * Built with mingw-w64 and run under wine by make_expected.sh; the canvas tests compare their
 * own pixels with the output. Pixels are written as the colour letters of cases.txt, system
 * colours as f face, h highlight, s shadow, d dark shadow, l light, t button text, w window,
 * k window frame; anything else as '?'.
 *
 * usage: gdi_expectations CASES OUTPUT */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static const struct {
    char letter;
    COLORREF colour;
} kColours[] = {{'.', RGB(255, 255, 255)}, {'#', RGB(0, 0, 0)},   {'r', RGB(255, 0, 0)},
                {'g', RGB(0, 255, 0)},     {'b', RGB(0, 0, 255)}, {'y', RGB(255, 255, 0)}};

/* Distinct system colours, so that every pixel of a frame control tells its role. */
static const struct {
    char letter;
    int index;
    COLORREF colour;
} kSystem[] = {{'f', COLOR_BTNFACE, RGB(192, 192, 192)},   {'h', COLOR_BTNHIGHLIGHT, RGB(250, 250, 250)},
               {'s', COLOR_BTNSHADOW, RGB(128, 128, 128)}, {'d', COLOR_3DDKSHADOW, RGB(64, 64, 64)},
               {'l', COLOR_3DLIGHT, RGB(224, 224, 224)},   {'t', COLOR_BTNTEXT, RGB(16, 16, 16)},
               {'w', COLOR_WINDOW, RGB(254, 254, 254)},    {'k', COLOR_WINDOWFRAME, RGB(8, 8, 8)},
               {'x', COLOR_GRAYTEXT, RGB(100, 100, 100)}};

static COLORREF ColourOf(char letter)
{
    for (size_t i = 0; i < sizeof kColours / sizeof kColours[0]; ++i)
        if (kColours[i].letter == letter) return kColours[i].colour;
    fprintf(stderr, "unknown colour letter %c\n", letter);
    exit(1);
}

static char LetterOf(COLORREF c)
{
    for (size_t i = 0; i < sizeof kColours / sizeof kColours[0]; ++i)
        if (kColours[i].colour == c) return kColours[i].letter;
    for (size_t i = 0; i < sizeof kSystem / sizeof kSystem[0]; ++i)
        if (kSystem[i].colour == c) return kSystem[i].letter;
    return '?';
}

static int PenStyleOf(const char* name)
{
    if (!strcmp(name, "solid")) return PS_SOLID;
    if (!strcmp(name, "dash")) return PS_DASH;
    if (!strcmp(name, "dot")) return PS_DOT;
    if (!strcmp(name, "dashdot")) return PS_DASHDOT;
    if (!strcmp(name, "dashdotdot")) return PS_DASHDOTDOT;
    return PS_NULL;
}

static int ReadPoints(char* rest, POINT* pts, int max)
{
    int n = 0;
    for (char* tok = strtok(rest, " \n"); tok && n < max; tok = strtok(NULL, " \n"))
        if (sscanf(tok, "%ld,%ld", &pts[n].x, &pts[n].y) == 2) ++n;
    return n;
}

static HFONT MakeFont(const char* family, int height, int bold)
{
    char face[64];
    snprintf(face, sizeof face, "%s", family);
    for (char* p = face; *p; ++p)
        if (*p == '_') *p = ' ';
    return CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, face);
}

/* "\r" and "\n" escapes of a quoted text. */
static void Unescape(const char* in, char* out)
{
    const char* open = strchr(in, '"');
    const char* close = strrchr(in, '"');
    if (!open || close == open) {
        *out = 0;
        return;
    }
    for (const char* p = open + 1; p < close; ++p) {
        if (*p == '\\' && p + 1 < close && (p[1] == 'r' || p[1] == 'n')) {
            *out++ = p[1] == 'r' ? '\r' : '\n';
            ++p;
        } else {
            *out++ = *p;
        }
    }
    *out = 0;
}

struct Picture {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ old;
    DWORD* bits;
    int w, h;
};

static void OpenPicture(struct Picture* p, int w, int h)
{
    BITMAPINFO bi;
    memset(&bi, 0, sizeof bi);
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    p->dc = CreateCompatibleDC(NULL);
    p->bitmap = CreateDIBSection(p->dc, &bi, DIB_RGB_COLORS, (void**)&p->bits, NULL, 0);
    p->old = SelectObject(p->dc, p->bitmap);
    p->w = w;
    p->h = h;
    for (int i = 0; i < w * h; ++i) p->bits[i] = 0xFFFFFF;
    SelectObject(p->dc, GetStockObject(BLACK_PEN));
    SelectObject(p->dc, GetStockObject(WHITE_BRUSH));
}

static void ClosePicture(struct Picture* p, FILE* out)
{
    GdiFlush();
    fprintf(out, "expect\n");
    for (int y = 0; y < p->h; ++y) {
        for (int x = 0; x < p->w; ++x) {
            DWORD v = p->bits[y * p->w + x];
            fputc(LetterOf(RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF)), out);
        }
        fputc('\n', out);
    }
    DeleteObject(SelectObject(p->dc, GetStockObject(BLACK_PEN)));
    DeleteObject(SelectObject(p->dc, GetStockObject(WHITE_BRUSH)));
    SelectObject(p->dc, p->old);
    DeleteObject(p->bitmap);
    DeleteDC(p->dc);
    p->dc = NULL;
}

/* One command on the open picture; results of measuring commands go to out. */
static void Run(struct Picture* p, char* line, FILE* out)
{
    char cmd[32] = "", a[64] = "", b[64] = "";
    int n = 0;
    sscanf(line, "%31s%n", cmd, &n);
    char* rest = line + n;
    if (!strcmp(cmd, "pen")) {
        int width = 1;
        sscanf(rest, "%63s %d %63s", a, &width, b);
        HPEN pen =
            PenStyleOf(a) == PS_NULL ? (HPEN)GetStockObject(NULL_PEN) : CreatePen(PenStyleOf(a), width, ColourOf(b[0]));
        DeleteObject(SelectObject(p->dc, pen));
    } else if (!strcmp(cmd, "brush")) {
        sscanf(rest, "%63s", a);
        HBRUSH brush = !strcmp(a, "null") ? (HBRUSH)GetStockObject(NULL_BRUSH) : CreateSolidBrush(ColourOf(a[0]));
        DeleteObject(SelectObject(p->dc, brush));
    } else if (!strcmp(cmd, "bk")) {
        sscanf(rest, "%63s %63s", a, b);
        SetBkMode(p->dc, !strcmp(a, "opaque") ? OPAQUE : TRANSPARENT);
        SetBkColor(p->dc, ColourOf(b[0]));
    } else if (!strcmp(cmd, "line")) {
        int x0, y0, x1, y1;
        sscanf(rest, "%d %d %d %d", &x0, &y0, &x1, &y1);
        MoveToEx(p->dc, x0, y0, NULL);
        LineTo(p->dc, x1, y1);
    } else if (!strcmp(cmd, "polygon") || !strcmp(cmd, "polyline")) {
        POINT pts[64];
        int count = ReadPoints(rest, pts, 64);
        if (cmd[4] == 'g')
            Polygon(p->dc, pts, count);
        else
            Polyline(p->dc, pts, count);
    } else if (!strcmp(cmd, "rectangle") || !strcmp(cmd, "ellipse") || !strcmp(cmd, "roundrect") ||
               !strcmp(cmd, "frame")) {
        int l, t, r, bt, e = 0, f = 0;
        sscanf(rest, "%d %d %d %d %i %i", &l, &t, &r, &bt, &e, &f);
        if (cmd[0] == 'r' && cmd[1] == 'e')
            Rectangle(p->dc, l, t, r, bt);
        else if (cmd[0] == 'e')
            Ellipse(p->dc, l, t, r, bt);
        else if (cmd[0] == 'r')
            RoundRect(p->dc, l, t, r, bt, e, f);
        else {
            RECT rc = {l, t, r, bt};
            DrawFrameControl(p->dc, &rc, e, f);
        }
    } else if (!strcmp(cmd, "metrics") || !strcmp(cmd, "calcrect")) {
        int height = 0, flag = 0;
        sscanf(rest, "%63s %d %i", a, &height, &flag);
        HDC dc = CreateCompatibleDC(NULL);
        HFONT font = MakeFont(a, height, cmd[0] == 'm' ? flag : 0);
        HGDIOBJ old = SelectObject(dc, font);
        TEXTMETRICA tm;
        GetTextMetricsA(dc, &tm);
        if (cmd[0] == 'm') {
            fprintf(out, " => %ld %ld\n", tm.tmAscent, tm.tmDescent);
        } else {
            char text[256];
            Unescape(rest, text);
            RECT rc = {0, 0, 200, 0};
            int h = DrawTextA(dc, text, -1, &rc, flag | DT_CALCRECT);
            fprintf(out, " => %ld %d\n", (rc.bottom - rc.top) / tm.tmHeight, h / tm.tmHeight);
        }
        SelectObject(dc, old);
        DeleteObject(font);
        DeleteDC(dc);
    } else {
        fprintf(stderr, "unknown command %s\n", cmd);
        exit(1);
    }
}

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: gdi_expectations CASES OUTPUT\n");
        return 2;
    }
    int indices[sizeof kSystem / sizeof kSystem[0]];
    COLORREF colours[sizeof kSystem / sizeof kSystem[0]];
    for (size_t i = 0; i < sizeof kSystem / sizeof kSystem[0]; ++i) {
        indices[i] = kSystem[i].index;
        colours[i] = kSystem[i].colour;
    }
    SetSysColors(sizeof kSystem / sizeof kSystem[0], indices, colours);
    FILE* in = fopen(argv[1], "r");
    FILE* out = fopen(argv[2], "wb");
    if (!in || !out) return 1;
    fprintf(out, "# Written by tools/gdi_expectations/make_expected.sh from its cases.txt: do not edit.\n");
    struct Picture pic = {0};
    char line[1024];
    while (fgets(line, sizeof line, in)) {
        line[strcspn(line, "\r\n")] = 0;
        if (line[0] == '#') continue;
        if (!line[0] || !strncmp(line, "case ", 5)) {
            if (pic.dc) ClosePicture(&pic, out);
        }
        fputs(line, out);
        if (!line[0]) {
            fputc('\n', out);
            continue;
        }
        if (!strncmp(line, "case ", 5)) {
            char name[128];
            int w = 0, h = 0;
            if (sscanf(line + 5, "%127s %d %d", name, &w, &h) == 3) OpenPicture(&pic, w, h);
            fputc('\n', out);
            continue;
        }
        /* Measuring commands end the line with their result; drawing commands draw. */
        char copy[1024];
        strcpy(copy, line);
        Run(&pic, copy, out);
        if (strncmp(line, "metrics", 7) && strncmp(line, "calcrect", 8)) fputc('\n', out);
    }
    if (pic.dc) ClosePicture(&pic, out);
    fclose(in);
    fclose(out);
    return 0;
}
