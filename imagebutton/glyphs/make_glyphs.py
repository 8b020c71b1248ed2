# Draws the image button's 16-colour glyph strips (normal and disabled image) and the pop-up arrow as BMP files beside this script.
import struct, math, os
PAL = [(0,0,0),(128,0,0),(0,128,0),(128,128,0),(0,0,128),(128,0,128),(0,128,128),(128,128,128),
       (192,192,192),(255,0,0),(0,255,0),(255,255,0),(0,0,255),(255,0,255),(0,255,255),(255,255,255)]
BLACK,MAROON,GREEN,OLIVE,NAVY,PURPLE,TEAL,GRAY,SILVER,RED,LIME,YELLOW,BLUE,FUCHSIA,AQUA,WHITE=range(16)
BG=OLIVE

class Img:
    def __init__(s,w,h): s.w,s.h=w,h; s.p=[[BG]*w for _ in range(h)]
    def set(s,x,y,c):
        if 0<=x<s.w and 0<=y<s.h: s.p[y][x]=c
    def line(s,x0,y0,x1,y1,c,r=1.0):
        n=int(max(abs(x1-x0),abs(y1-y0))*4)+1
        for i in range(n+1):
            t=i/n; x=x0+(x1-x0)*t; y=y0+(y1-y0)*t
            s.disc(x,y,r,c)
    def disc(s,cx,cy,r,c):
        for y in range(s.h):
            for x in range(s.w):
                if (x+0.5-cx)**2+(y+0.5-cy)**2<=r*r: s.p[y][x]=c
    def ring(s,cx,cy,r0,r1,c,a0=0,a1=360):
        for y in range(s.h):
            for x in range(s.w):
                dx,dy=x+0.5-cx,y+0.5-cy; d=math.hypot(dx,dy)
                a=math.degrees(math.atan2(-dy,dx))%360
                inarc = (a0<=a<=a1) if a0<=a1 else (a>=a0 or a<=a1)
                if r0<=d<=r1 and inarc: s.p[y][x]=c
    def rect(s,x0,y0,x1,y1,c):
        for y in range(y0,y1):
            for x in range(x0,x1): s.set(x,y,c)
    def poly(s,pts,c):
        for y in range(s.h):
            for x in range(s.w):
                px,py=x+0.5,y+0.5; inside=False
                for i in range(len(pts)):
                    (ax,ay),(bx,by)=pts[i],pts[i-1]
                    if (ay>py)!=(by>py) and px<(bx-ax)*(py-ay)/(by-ay)+ax: inside=not inside
                if inside: s.p[y][x]=c

def disabled(img):
    # The shape in grey with a white highlight one pixel below-right, as disabled images look.
    d=Img(img.w,img.h)
    for y in range(img.h):
        for x in range(img.w):
            if img.p[y][x]!=BG: d.set(x+1,y+1,WHITE)
    for y in range(img.h):
        for x in range(img.w):
            if img.p[y][x]!=BG: d.p[y][x]=GRAY
    return d

def strip(imgs):
    w=sum(i.w for i in imgs); h=imgs[0].h; s=Img(w,h); ox=0
    for i in imgs:
        for y in range(h):
            for x in range(i.w): s.p[y][ox+x]=i.p[y][x]
        ox+=i.w
    return s

def save(img,name):
    rowbytes=((img.w+1)//2+3)//4*4
    data=bytearray()
    for y in reversed(range(img.h)):
        row=bytearray()
        for x in range(0,img.w,2):
            a=img.p[y][x]; b=img.p[y][x+1] if x+1<img.w else 0
            row.append((a<<4)|b)
        row+=bytes(rowbytes-len(row)); data+=row
    pal=b''.join(struct.pack('<BBBB',b,g,r,0) for (r,g,b) in PAL)
    off=14+40+len(pal)
    hdr=struct.pack('<2sIHHI',b'BM',off+len(data),0,0,off)
    info=struct.pack('<IiiHHIIiiII',40,img.w,img.h,1,4,0,len(data),3780,3780,16,16)
    open(name,'wb').write(hdr+info+pal+data)

def g18(): return Img(18,18)
def check(i,c,dx=0,dy=0,r=1.3):
    i.line(3+dx,9+dy,7+dx,13+dy,c,r); i.line(7+dx,13+dy,15+dx,4+dy,c,r)

if __name__ == "__main__":
    ok=g18(); check(ok,GREEN)
    cancel=g18(); cancel.line(4,4,13.5,13.5,RED,1.4); cancel.line(13.5,4,4,13.5,RED,1.4)
    help_=g18(); help_.ring(9,6.5,2.6,4.6,BLUE,300,200); help_.line(9,10.5,9,12,BLUE,1.0); help_.disc(9,15,1.2,BLUE)
    yes=g18(); check(yes,LIME,0,0,1.4); check(yes,GREEN,0,0,0.8)
    no=g18(); no.ring(9,9,5,7.2,RED); no.line(4.5,4.5,13.5,13.5,RED,1.1)
    close=g18(); close.rect(4,2,14,17,NAVY); close.rect(5,3,13,16,TEAL); close.rect(10,9,12,11,YELLOW)
    abort=g18(); abort.poly([(6,1.5),(12,1.5),(16.5,6),(16.5,12),(12,16.5),(6,16.5),(1.5,12),(1.5,6)],RED); abort.rect(5,8,13,10,WHITE)
    retry=g18(); retry.ring(9,9.5,4.2,6.3,BLUE,110,20); retry.poly([(10,1),(16,4.5),(10,8)],BLUE)
    ignore=g18(); ignore.rect(13,4,15,14,NAVY); ignore.line(3,9,10,9,TEAL,1.2); ignore.poly([(8,4.5),(12.5,9),(8,13.5)],TEAL)
    all_=Img(18,19); check(all_,GREEN,-1,-1,1.1); check(all_,GREEN,1,3,1.1)
    arrow=Img(5,3); arrow.rect(0,0,5,1,BLACK); arrow.rect(1,1,4,2,BLACK); arrow.set(2,2,BLACK)

    out=os.path.dirname(os.path.abspath(__file__))
    for name,img in [('lbok',ok),('lbcancel',cancel),('lbhelp',help_),('lbyes',yes),('lbno',no),('lbclose',close),
                     ('lbabort',abort),('lbretry',retry),('lbignore',ignore),('lball',all_)]:
        save(strip([img,disabled(img)]),os.path.join(out,name+'.bmp'))
    save(arrow,os.path.join(out,'lbarrow.bmp'))
