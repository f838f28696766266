#!/usr/bin/env python3
"""Writes the starter style files into the folder above this script: each
edition's default form and the four paper kinds (prepaid and cash on delivery,
two variants each). Each is the pre-printed form as preview-only shapes,
captions and a carrier mark picture in the form's ink colour, and an empty data
item for every field the record transfer fills. The mark pictures are copied
beside the style files from ../images, since a bare picture name is looked up
in the work folder's style folder. Files are code page 932 with CR LF, as the
program writes them. Run it again after changing a form; the outputs are
committed.
"""
import os
import shutil
from decimal import Decimal, ROUND_HALF_EVEN

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.dirname(HERE)
IMAGES = os.path.join(os.path.dirname(OUT), "images")

MINCHO = "ＭＳ 明朝"
GOTHIC = "ＭＳ ゴシック"
HEADER = "header;Ver1.2;0;0;9;0;401;100;0;0;;"  # paper size 9: A4


def mm(v):
    """Shortest fixed-point text with at most four decimals."""
    d = Decimal(str(v)).quantize(Decimal("0.0001"), rounding=ROUND_HALF_EVEN)
    t = format(d, "f")
    if "." in t:
        t = t.rstrip("0").rstrip(".")
    return "0" if t in ("-0", "") else t


def colour(r, g, b):
    """0x00BBGGRR written in decimal."""
    return str((b << 16) | (g << 8) | r)


BLACK = "0"
WHITE = colour(255, 255, 255)


class Form:
    def __init__(self):
        self.shapes = []
        self.captions = []
        self.data = []
        self.next_shape = 500
        self.next_caption = 700
        self.next_picture = 900

    def _shape_id(self):
        self.next_shape += 1
        return self.next_shape

    def _caption_id(self):
        self.next_caption += 1
        return self.next_caption

    # ---- preview-only form -------------------------------------------------
    def rect(self, x1, y1, x2, y2, ink, width=1, pen="実線"):
        self.shapes.append(f"0;{self._shape_id()};0;0;rect;{mm(x1)};{mm(y1)};{mm(x2)};{mm(y2)};{width};{pen};{ink};1;")

    def line(self, x1, y1, x2, y2, ink, width=1, pen="実線"):
        self.shapes.append(f"0;{self._shape_id()};0;0;line;{mm(x1)};{mm(y1)};{mm(x2)};{mm(y2)};{width};{pen};{ink};1;")

    def band(self, x1, y1, x2, y2, ink, tint, corner=2):
        self.shapes.append(f"0;{self._shape_id()};0;0;rrect;{mm(x1)};{mm(y1)};{mm(x2)};{mm(y2)};{corner};{corner};"
                           f"1;実線;{ink};SolidBrush;{tint};1;")

    def circle(self, x1, y1, x2, y2, ink, pen="点線"):
        # A clear brush given a colour paints solid: white keeps the paper look.
        self.shapes.append(f"0;{self._shape_id()};0;0;Ellipse;{mm(x1)};{mm(y1)};{mm(x2)};{mm(y2)};1;{pen};{ink};"
                           f"ClearBrush;{WHITE};1;")

    def boxes(self, x, y, count, ink, w=5, h=6):
        """A row of digit boxes: the frame and the dividers."""
        self.rect(x, y, x + count * w, y + h, ink)
        for k in range(1, count):
            self.line(x + k * w, y + 1, x + k * w, y + h - 1, ink, pen="点線")

    def picture(self, x, y, h, name):
        """A preview-only picture h mm high, its width from its proportions."""
        self.next_picture += 1
        self.shapes.append(f"0;{self.next_picture};0;0;image;{mm(x)};{mm(y)};0;{mm(h)};1;0;0;{name};1;")

    def caption(self, x, y, text, ink, size=7, style="標準", font=GOTHIC, mode=0, pitch=0):
        self.captions.append(self._text(self._caption_id(), x, y, text, size, style, font, mode, pitch, ink, 1))

    # ---- printed data ------------------------------------------------------
    def item(self, id_, x, y, size=10, font=MINCHO, style="標準", pitch=0, mode=0):
        self.data.append(self._text(id_, x, y, "", size, style, font, mode, pitch, BLACK, 0))

    @staticmethod
    def _text(id_, x, y, text, size, style, font, mode, pitch, ink, preview):
        return (f"0;{id_};0;0;char;{mm(x)};{mm(y)};{mm(x)};{mm(y)};0;0;0;0;{font};{size};{style};{mode};"
                f"{mm(pitch)};{ink};{text};{preview};0;")

    def lines(self):
        # Form first, so that printed data is drawn over it.
        return [HEADER] + self.shapes + self.captions + self.data


def write(name, form):
    text = "".join(line + "\r\n" for line in form.lines())
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(text.encode("cp932"))


# ---- waybills ----------------------------------------------------------------

def waybill(title, ink, tint, sender_word, date_word, marks, amount_word, mark, kind_word="元払", cod=False):
    """The narrow form: one column, the customer copy below a cut line. A
    cash-on-delivery form gives the amount a tinted row of its own."""
    f = Form()
    L, R = 5, 115  # form edges, mm from the printable area's corner

    # Title band with the carrier's name, its mark and the form kind.
    f.band(L, 5, R, 14, ink, tint)
    f.caption(8, 6.8, title, ink, size=12, style="太字")
    f.picture(68, 5.8, 7.4, mark)
    if cod:
        f.band(94, 6, 114, 13, ink, ink, corner=1)
        f.caption(96.5, 7.3, kind_word, WHITE, size=10, style="太字")
    else:
        f.caption(99, 7.3, kind_word, ink, size=10, style="太字")

    # Shipping date and customer code.
    f.rect(L, 15, R, 22, ink)
    f.caption(7, 16.8, "出荷日", ink)
    f.item(121, 18, 16.5, size=9, font=GOTHIC)
    f.caption(27, 16.8, "年", ink)
    f.item(122, 31, 16.5, size=9, font=GOTHIC)
    f.caption(35.5, 16.8, "月", ink)
    f.item(123, 39.5, 16.5, size=9, font=GOTHIC)
    f.caption(44, 16.8, "日", ink)
    f.line(58, 15, 58, 22, ink)
    f.caption(60, 16.8, "お客様コード", ink)
    f.item(51, 77, 16.5, size=9, font=GOTHIC)
    f.caption(86, 16.8, "-", ink)
    f.item(52, 88, 16.5, size=9, font=GOTHIC)
    f.caption(92, 16.8, "-", ink)
    f.item(53, 94, 16.5, size=9, font=GOTHIC)

    # Consignee.
    f.rect(L, 22, R, 62, ink, width=2)
    f.line(12, 22, 12, 62, ink)
    f.caption(7, 30, "お届け先", ink, size=9, style="太字", mode=1, pitch=5)
    f.caption(14, 24.5, "〒", ink, size=9)
    f.boxes(19, 23.5, 3, ink)
    f.caption(35, 24.5, "-", ink, size=9)
    f.boxes(38, 23.5, 4, ink)
    f.item(1, 20.5, 24.3, size=12, font=GOTHIC, pitch=5)
    f.item(2, 39.5, 24.3, size=12, font=GOTHIC, pitch=5)
    f.caption(62, 25, "電話", ink)
    f.item(8, 70, 24.5, size=11, font=GOTHIC)
    f.caption(79.5, 25, "-", ink)
    f.item(9, 82, 24.5, size=11, font=GOTHIC)
    f.caption(91, 25, "-", ink)
    f.item(10, 93, 24.5, size=11, font=GOTHIC)
    f.caption(14, 31, "ご住所", ink)
    f.item(3, 14, 34.5, size=11)
    f.line(14, 39.5, 113, 39.5, ink, pen="点線")
    f.item(4, 14, 40.5, size=11)
    f.line(14, 45.5, 113, 45.5, ink, pen="点線")
    f.item(5, 14, 46.5, size=10)
    f.line(14, 50.5, 113, 50.5, ink, pen="点線")
    f.caption(14, 51.5, "お名前", ink)
    f.item(6, 14, 55, size=14)
    f.caption(104, 55.5, "様", ink, size=12)

    # Sender.
    f.rect(L, 62, R, 94, ink)
    f.line(12, 62, 12, 94, ink)
    f.caption(7, 65, sender_word, ink, size=9, style="太字", mode=1, pitch=5)
    f.caption(14, 64.5, "〒", ink, size=9)
    f.boxes(19, 63.5, 3, ink)
    f.caption(35, 64.5, "-", ink, size=9)
    f.boxes(38, 63.5, 4, ink)
    f.item(11, 20.5, 64.3, size=12, font=GOTHIC, pitch=5)
    f.item(12, 39.5, 64.3, size=12, font=GOTHIC, pitch=5)
    f.caption(62, 65, "電話", ink)
    f.item(18, 70, 64.5, size=10, font=GOTHIC)
    f.caption(79.5, 65, "-", ink)
    f.item(19, 82, 64.5, size=10, font=GOTHIC)
    f.caption(91, 65, "-", ink)
    f.item(20, 93, 64.5, size=10, font=GOTHIC)
    f.caption(14, 70.5, "ご住所", ink)
    f.item(13, 14, 73.5, size=10)
    f.item(14, 14, 78.5, size=10)
    f.line(14, 83, 113, 83, ink, pen="点線")
    f.caption(14, 84, "お名前", ink)
    f.item(16, 14, 87.5, size=12)

    # Item names, pieces, insurance, amount.
    f.rect(L, 94, R, 122, ink)
    f.line(12, 94, 12, 122, ink)
    f.caption(7, 97, "品名", ink, size=9, style="太字", mode=1, pitch=5)
    for k, id_ in enumerate((31, 32, 33, 34)):
        f.item(id_, 14, 95.5 + 6.5 * k, size=10)
    f.line(70, 94, 70, 122, ink)
    if cod:
        # The amount to collect is what the driver must not miss.
        f.line(70, 100.5, R, 100.5, ink)
        f.band(70, 107, R, 122, ink, tint, corner=0)
        f.caption(72, 95.5, "個数", ink)
        f.item(70, 90, 95.3, size=10, font=GOTHIC)
        f.caption(108, 95.8, "個", ink, size=8)
        f.caption(72, 102, "保険金額", ink)
        f.item(71, 86, 101.8, size=10, font=GOTHIC)
        f.caption(109, 102.3, "円", ink, size=8)
        f.caption(72, 108.2, amount_word, ink, size=9, style="太字")
        f.caption(72, 114.5, "￥", ink, size=12, style="太字")
        f.item(41, 78, 113.5, size=16, font=GOTHIC, style="太字")
        f.caption(108, 115.5, "円", ink, size=11, style="太字")
    else:
        f.line(70, 103, R, 103, ink)
        f.line(70, 112.5, R, 112.5, ink)
        f.caption(72, 96, "個数", ink)
        f.item(70, 90, 96, size=11, font=GOTHIC)
        f.caption(108, 96.5, "個", ink, size=9)
        f.caption(72, 105.5, "保険金額", ink)
        f.item(71, 86, 105.5, size=11, font=GOTHIC)
        f.caption(109, 106, "円", ink, size=9)
        f.caption(72, 115, amount_word, ink)
        f.item(41, 86, 115, size=11, font=GOTHIC)
        f.caption(109, 115.5, "円", ink, size=9)

    # Requested delivery date and time slot.
    bottom = 148 if marks else 132
    f.rect(L, 122, R, bottom, ink)
    f.caption(7, 124.5, date_word, ink)
    f.item(21, 30, 124, size=9, font=GOTHIC)
    f.caption(39, 124.5, "年", ink)
    f.item(22, 44, 123.8, size=11, font=GOTHIC)
    f.caption(51, 124.5, "月", ink)
    f.item(23, 55, 123.8, size=11, font=GOTHIC)
    f.caption(62, 124.5, "日", ink)
    if marks:
        f.line(L, 129.5, R, 129.5, ink)
        f.caption(7, 130.5, "お届け時間帯", ink)
        for k, label in enumerate(marks):
            x = 7 + 15 * k
            f.rect(x, 134, x + 14.5, 147, ink)
            f.caption(x + 0.8, 135, label, ink, size=6)
            f.rect(x + 4.5, 139.5, x + 10, 145.5, ink)
            f.item(61 + k, x + 5.1, 140.5, size=12, font=GOTHIC)

    # Customer copy below the cut line: the second copy of the consignee.
    cut = bottom + 3
    f.line(L, cut, R, cut, ink, pen="破線")
    f.caption(50, cut - 2.5, "キリトリ", ink, size=6)
    top = cut + 2
    f.rect(L, top, R, top + 33, ink)
    f.line(80, top, 80, top + 33, ink)
    f.caption(7, top + 1.5, "〒", ink)
    f.item(101, 11, top + 1.5, size=9, font=GOTHIC)
    f.caption(17.5, top + 1.5, "-", ink)
    f.item(102, 19.5, top + 1.5, size=9, font=GOTHIC)
    f.caption(40, top + 1.5, "電話", ink)
    f.item(108, 46, top + 1.5, size=9, font=GOTHIC)
    f.caption(51, top + 1.5, "-", ink)
    f.item(109, 53, top + 1.5, size=9, font=GOTHIC)
    f.caption(61, top + 1.5, "-", ink)
    f.item(110, 63, top + 1.5, size=9, font=GOTHIC)
    f.item(103, 7, top + 7, size=9)
    f.item(104, 7, top + 11.5, size=9)
    f.item(105, 7, top + 16, size=9)
    f.item(106, 7, top + 21.5, size=12)
    f.caption(74, top + 22, "様", ink, size=10)
    f.caption(30, top + 28.5, "お届け先控", ink, size=8, style="太字")
    f.caption(82, top + 1.5, "お客様コード", ink)
    f.item(151, 82, top + 5.5, size=8, font=GOTHIC)
    f.caption(89.5, top + 5.5, "-", ink)
    f.item(152, 91.5, top + 5.5, size=8, font=GOTHIC)
    f.caption(94, top + 5.5, "-", ink)
    f.item(153, 96, top + 5.5, size=8, font=GOTHIC)
    f.caption(82, top + 11, amount_word, ink, style="太字" if cod else "標準")
    f.item(141, 84, top + 15, size=13 if cod else 11, font=GOTHIC, style="太字" if cod else "標準")
    f.caption(109, top + 15.5, "円", ink, size=9)
    f.caption(82, top + 21, sender_word, ink)
    f.item(116, 82, top + 25, size=8)
    return f


def wide_waybill(title, ink, tint, mark, kind_word, cod, amount_word="代金引換額"):
    """The wide form: consignee and sender side by side, the item names with
    pieces, insurance and amount below, seven time-slot boxes, and the customer
    copy below a cut line. Time-slot labels follow the longest list of marks,
    so every edition's chosen slot lands in a box."""
    f = Form()
    L, M, R = 5, 100, 195

    # Title band.
    f.band(L, 5, R, 14, ink, tint)
    f.caption(8, 6.8, title, ink, size=12, style="太字")
    f.picture(120, 5.8, 7.4, mark)
    if cod:
        f.band(170, 6, 192, 13, ink, ink, corner=1)
        f.caption(173.5, 7.3, kind_word, WHITE, size=10, style="太字")
    else:
        f.caption(176, 7.3, kind_word, ink, size=10, style="太字")

    # Shipping date and customer code.
    f.rect(L, 15, R, 22, ink)
    f.caption(7, 16.8, "出荷日", ink)
    f.item(121, 18, 16.5, size=9, font=GOTHIC)
    f.caption(27, 16.8, "年", ink)
    f.item(122, 31, 16.5, size=9, font=GOTHIC)
    f.caption(35.5, 16.8, "月", ink)
    f.item(123, 39.5, 16.5, size=9, font=GOTHIC)
    f.caption(44, 16.8, "日", ink)
    f.line(M, 15, M, 22, ink)
    f.caption(M + 2, 16.8, "お客様コード", ink)
    f.item(51, M + 20, 16.5, size=9, font=GOTHIC)
    f.caption(M + 30, 16.8, "-", ink)
    f.item(52, M + 32, 16.5, size=9, font=GOTHIC)
    f.caption(M + 37, 16.8, "-", ink)
    f.item(53, M + 39, 16.5, size=9, font=GOTHIC)

    # Consignee (left) and sender (right), drawn alike.
    def party(x0, x1, word, ids, name_size, heavy):
        f.rect(x0, 22, x1, 64, ink, width=2 if heavy else 1)
        f.line(x0 + 7, 22, x0 + 7, 64, ink)
        f.caption(x0 + 2, 28, word, ink, size=9, style="太字", mode=1, pitch=5)
        c = x0 + 9
        zip1, zip2, a1, a2, a3, name, t1, t2, t3 = ids
        f.caption(c, 24.5, "〒", ink, size=9)
        f.boxes(c + 5, 23.5, 3, ink)
        f.caption(c + 21, 24.5, "-", ink, size=9)
        f.boxes(c + 24, 23.5, 4, ink)
        f.item(zip1, c + 6.5, 24.3, size=12, font=GOTHIC, pitch=5)
        f.item(zip2, c + 25.5, 24.3, size=12, font=GOTHIC, pitch=5)
        f.caption(c, 31, "電話", ink)
        f.item(t1, c + 8, 30.5, size=10, font=GOTHIC)
        f.caption(c + 19, 31, "-", ink)
        f.item(t2, c + 21, 30.5, size=10, font=GOTHIC)
        f.caption(c + 32, 31, "-", ink)
        f.item(t3, c + 34, 30.5, size=10, font=GOTHIC)
        f.caption(c + 50, 31, "ご住所", ink)
        f.item(a1, c, 36, size=10)
        f.line(c, 40.5, x1 - 2, 40.5, ink, pen="点線")
        f.item(a2, c, 41.5, size=10)
        f.line(c, 46, x1 - 2, 46, ink, pen="点線")
        if a3:
            f.item(a3, c, 47, size=9)
        f.line(c, 51, x1 - 2, 51, ink, pen="点線")
        f.caption(c, 52, "お名前", ink)
        f.item(name, c, 56, size=name_size)
        f.caption(x1 - 9, 57, "様", ink, size=11)

    party(L, M, "お届け先", (1, 2, 3, 4, 5, 6, 8, 9, 10), 14, True)
    party(M, R, "ご依頼主", (11, 12, 13, 14, None, 16, 18, 19, 20), 12, False)

    # Item names on the left; pieces, insurance and the amount on the right.
    f.rect(L, 64, R, 92, ink)
    f.line(L + 7, 64, L + 7, 92, ink)
    f.caption(L + 2, 67, "品名", ink, size=9, style="太字", mode=1, pitch=5)
    for k, id_ in enumerate((31, 32, 33, 34)):
        f.item(id_, L + 9, 65.5 + 6.5 * k, size=10)
        if k:
            f.line(L + 9, 64.8 + 6.5 * k, M - 2, 64.8 + 6.5 * k, ink, pen="点線")
    f.line(M, 64, M, 92, ink)
    f.line(M + 47, 64, M + 47, 78, ink)
    f.caption(M + 2, 65.5, "個数", ink)
    f.item(70, M + 20, 69.5, size=11, font=GOTHIC)
    f.caption(M + 40, 70, "個", ink, size=9)
    f.caption(M + 49, 65.5, "保険金額", ink)
    f.item(71, M + 62, 69.5, size=11, font=GOTHIC)
    f.caption(R - 6, 70, "円", ink, size=9)
    f.line(M, 78, R, 78, ink)
    if cod:
        f.band(M, 78, R, 92, ink, tint, corner=0)
        f.caption(M + 2, 79.2, amount_word, ink, size=9, style="太字")
        f.caption(M + 30, 83.5, "￥", ink, size=14, style="太字")
        f.item(41, M + 38, 82.3, size=18, font=GOTHIC, style="太字")
        f.caption(R - 8, 84.5, "円", ink, size=12, style="太字")
    else:
        f.caption(M + 2, 79.5, amount_word, ink)
        f.item(41, M + 40, 83, size=11, font=GOTHIC)
        f.caption(R - 6, 83.5, "円", ink, size=9)

    # Requested date and the seven time-slot boxes.
    f.rect(L, 92, R, 116, ink)
    f.caption(7, 94, "お届け希望日", ink)
    f.item(21, 30, 93.5, size=9, font=GOTHIC)
    f.caption(39, 94, "年", ink)
    f.item(22, 44, 93.3, size=11, font=GOTHIC)
    f.caption(51, 94, "月", ink)
    f.item(23, 55, 93.3, size=11, font=GOTHIC)
    f.caption(62, 94, "日", ink)
    f.caption(M + 2, 94, "お届け時間帯　(ご希望の時間帯に〇)", ink)
    slots = ["午前中", "12時～14時", "14時～16時", "16時～18時", "18時～20時", "20時～21時", "希望しない"]
    for k, label in enumerate(slots):
        x = 7 + 26.8 * k
        f.rect(x, 99.5, x + 25.5, 114.5, ink)
        f.caption(x + 1, 100.5, label, ink, size=7)
        f.rect(x + 9, 105.5, x + 16.5, 113.5, ink)
        f.item(61 + k, x + 10, 106.8, size=14, font=GOTHIC)

    # Customer copy below the cut line.
    cut = 119
    f.line(L, cut, R, cut, ink, pen="破線")
    f.caption(92, cut - 2.5, "キリトリ", ink, size=6)
    top = cut + 2
    f.rect(L, top, R, top + 33, ink)
    f.line(120, top, 120, top + 33, ink)
    f.caption(7, top + 1.5, "〒", ink)
    f.item(101, 11, top + 1.5, size=9, font=GOTHIC)
    f.caption(17.5, top + 1.5, "-", ink)
    f.item(102, 19.5, top + 1.5, size=9, font=GOTHIC)
    f.caption(40, top + 1.5, "電話", ink)
    f.item(108, 46, top + 1.5, size=9, font=GOTHIC)
    f.caption(54, top + 1.5, "-", ink)
    f.item(109, 56, top + 1.5, size=9, font=GOTHIC)
    f.caption(66, top + 1.5, "-", ink)
    f.item(110, 68, top + 1.5, size=9, font=GOTHIC)
    f.item(103, 7, top + 7, size=9)
    f.item(104, 7, top + 11.5, size=9)
    f.item(105, 7, top + 16, size=9)
    f.item(106, 7, top + 21.5, size=12)
    f.caption(112, top + 22, "様", ink, size=10)
    f.caption(50, top + 28.5, "お届け先控", ink, size=8, style="太字")
    f.caption(122, top + 1.5, "お客様コード", ink)
    f.item(151, 142, top + 1.5, size=8, font=GOTHIC)
    f.caption(152, top + 1.5, "-", ink)
    f.item(152, 154, top + 1.5, size=8, font=GOTHIC)
    f.caption(159, top + 1.5, "-", ink)
    f.item(153, 161, top + 1.5, size=8, font=GOTHIC)
    f.caption(122, top + 8, amount_word, ink, style="太字" if cod else "標準")
    f.item(141, 140, top + 12, size=13 if cod else 11, font=GOTHIC, style="太字" if cod else "標準")
    f.caption(R - 6, top + 12.5, "円", ink, size=9)
    f.caption(122, top + 20, "ご依頼主", ink)
    f.item(116, 122, top + 24, size=9)
    return f


# The zerrat carrier's paper kinds beside its own default form "zerrat.sle":
# (file, builder, kind word, cash on delivery).
ZERRAT_INK = (20, 70, 160)
ZERRAT_TINT = (224, 232, 248)
PAPER_KINDS = [
    ("d_zerrat.sle", "narrow", "代金引換", True),
    ("zerrat2.sle", "wide", "元払", False),
    ("d_zerrat2.sle", "wide", "代金引換", True),
]

# Pictures the forms name, copied beside the style files.
MARKS = ["brenno_mark.png", "quillo_mark.png", "dovrak_mark.png", "zerrat_mark.png", "morvik_mark.png"]

WAYBILLS = [
    ("quil_lo.sle", "クィロ便　送り状", (0, 120, 60), (220, 240, 228), "ご依頼主", "お届け希望日",
     ["午前中", "12時～14時", "14時～16時", "16時～18時", "18時～20時", "20時～21時", "希望しない"], "代金引換額", "quillo_mark.png"),
    ("dovrak.sle", "ドヴラク便　送り状", (190, 30, 40), (250, 226, 226), "ご依頼主", "お届け希望日",
     ["午前中", "12時～14時", "14時～16時", "16時～18時", "18時～20時", "20時～21時"], "代金引換額", "dovrak_mark.png"),
    ("zerrat.sle", "ゼラット運輸　送り状", (20, 70, 160), (224, 232, 248), "ご依頼主", "お届け予定日",
     [], "代金引換額", "zerrat_mark.png"),
    ("morvik.sle", "モルヴィク運送　送り状", (150, 80, 10), (248, 236, 220), "荷送人", "お届け希望日",
     ["10時～12時", "12時～14時", "14時～16時", "16時～18時", "18時～20時"], "代金引換額", "morvik_mark.png"),
]


# ---- payment slip --------------------------------------------------------------

def payment_slip():
    ink = colour(30, 60, 150)
    tint = colour(226, 234, 250)
    f = Form()
    L, R, T, B = 2, 198, 5, 117
    SPLIT = 143.5  # perforation between the slip and the receipt

    f.rect(L, T, R, B, ink, width=2)
    f.line(SPLIT, T, SPLIT, B, ink, pen="破線")

    # ---- the slip the post office keeps
    f.band(L + 1, T + 1, SPLIT - 1, T + 7, ink, tint)
    f.picture(4, T + 1.6, 4.8, "brenno_mark.png")
    f.caption(58, T + 1.8, "払込取扱票", ink, size=11, style="太字")
    f.caption(4, 14, "口座記号番号", ink)
    f.boxes(20, 15, 5, ink, h=7)
    f.caption(46, 16.5, "-", ink, size=9)
    f.boxes(48, 15, 1, ink, h=7)
    f.caption(54, 16.5, "-", ink, size=9)
    f.boxes(56, 15, 6, ink, h=7)
    # Account numbers end at the last box, whatever their length.
    f.item(51, 45.8, 16, size=12, font=GOTHIC, pitch=-5)
    f.item(52, 49.5, 16, size=12, font=GOTHIC, pitch=5)
    f.item(53, 85.8, 16, size=12, font=GOTHIC, pitch=-5)
    f.caption(90, 14, "金額", ink)
    f.boxes(98, 15, 8, ink, h=7)
    f.item(41, 137.8, 16, size=12, font=GOTHIC, pitch=-5)
    f.caption(139, 17.5, "円", ink, size=8)
    f.line(L, 23.5, SPLIT, 23.5, ink)
    f.caption(4, 25, "加入者名", ink)
    f.item(16, 22, 25, size=12)
    f.line(L, 31.5, SPLIT, 31.5, ink)

    f.line(80, 31.5, 80, 78, ink)
    f.caption(4, 33, "通信欄", ink)
    for k, id_ in enumerate((31, 32, 33, 34)):
        f.item(id_, 5, 38 + 6 * k, size=10)
        f.line(4, 43.5 + 6 * k, 78, 43.5 + 6 * k, ink, pen="点線")

    f.caption(82, 33, "ご依頼人", ink, style="太字")
    f.caption(82, 38, "〒", ink)
    f.item(1, 86, 37.8, size=10, font=GOTHIC)
    f.caption(93, 38, "-", ink)
    f.item(2, 95, 37.8, size=10, font=GOTHIC)
    f.caption(108, 38, "おところ", ink)
    f.item(3, 82, 43, size=10)
    f.item(4, 82, 48, size=10)
    f.item(5, 82, 53, size=9)
    f.line(82, 57.5, 141, 57.5, ink, pen="点線")
    f.caption(82, 58.5, "おなまえ", ink)
    f.item(6, 82, 62.5, size=12)
    f.caption(135, 63, "様", ink, size=10)
    f.line(82, 68.5, 141, 68.5, ink, pen="点線")
    f.caption(82, 70.5, "電話", ink)
    f.item(8, 90, 70, size=10, font=GOTHIC)
    f.caption(97.5, 70.5, "-", ink)
    f.item(9, 99.5, 70, size=10, font=GOTHIC)
    f.caption(109, 70.5, "-", ink)
    f.item(10, 111, 70, size=10, font=GOTHIC)
    f.line(L, 78, SPLIT, 78, ink)
    f.caption(4, 80, "裏面の注意事項をお読みください。", ink, size=6)
    f.caption(4, 84, "この払込取扱票は、機械で処理しますので汚したり折り曲げたりしないでください。", ink, size=6)
    f.rect(60, 88, 100, 113, ink)
    f.caption(62, 89, "料金", ink)
    f.line(60, 100, 100, 100, ink)
    f.caption(62, 101, "備考", ink)
    f.circle(108, 84, 138, 114, ink)
    f.caption(117, 97, "日附印", ink)

    # ---- the receipt the payer keeps
    f.band(SPLIT + 1.5, T + 1, R - 1, T + 7, ink, tint)
    f.caption(146, T + 2.3, "振替払込請求書兼受領証", ink, size=8, style="太字")
    f.caption(146, 14, "口座記号番号", ink)
    f.item(151, 146, 17.5, size=9, font=GOTHIC)
    f.caption(155, 17.5, "-", ink)
    f.item(152, 157, 17.5, size=9, font=GOTHIC)
    f.caption(160, 17.5, "-", ink)
    f.item(153, 162, 17.5, size=9, font=GOTHIC)
    f.line(SPLIT, 23.5, R, 23.5, ink)
    f.caption(146, 25, "加入者名", ink)
    f.item(116, 146, 28.5, size=9)
    f.line(SPLIT, 33.5, R, 33.5, ink)
    f.caption(146, 35, "金額", ink)
    f.rect(156, 34.5, 196, 41.5, ink)
    f.item(141, 191.8, 35.5, size=12, font=GOTHIC, pitch=-4)
    f.caption(192.5, 37.5, "円", ink, size=7)
    f.line(SPLIT, 43, R, 43, ink)
    f.caption(146, 44.5, "ご依頼人", ink, style="太字")
    f.caption(146, 48.8, "〒", ink)
    f.item(101, 150, 48.5, size=8, font=GOTHIC)
    f.caption(155.5, 48.8, "-", ink)
    f.item(102, 157.5, 48.5, size=8, font=GOTHIC)
    f.item(103, 146, 53, size=8)
    f.item(104, 146, 57, size=8)
    f.item(105, 146, 61, size=8)
    f.item(106, 146, 66, size=10)
    f.caption(191, 66.5, "様", ink, size=8)
    f.line(SPLIT, 72, R, 72, ink)
    f.caption(146, 74, "料金", ink)
    f.line(SPLIT, 79, R, 79, ink)
    f.circle(156, 83, 186, 113, ink)
    f.caption(165, 96, "日附印", ink)
    return f


def main():
    for name in MARKS:
        shutil.copyfile(os.path.join(IMAGES, name), os.path.join(OUT, name))
    write("払込取扱票.sle", payment_slip())
    for name, title, rgb, tint, sender, date_word, marks, amount, mark in WAYBILLS:
        write(name, waybill(title, colour(*rgb), colour(*tint), sender, date_word, marks, amount, mark))
    ink, tint = colour(*ZERRAT_INK), colour(*ZERRAT_TINT)
    slots = ["午前中", "12時～14時", "14時～16時", "16時～18時", "18時～20時", "20時～21時", "希望しない"]
    for name, shape, kind_word, cod in PAPER_KINDS:
        title = "ゼラット運輸　送り状"
        if shape == "narrow":
            form = waybill(title, ink, tint, "ご依頼主", "お届け希望日", slots, "代金引換額", "zerrat_mark.png",
                           kind_word, cod)
        else:
            form = wide_waybill(title, ink, tint, "zerrat_mark.png", kind_word, cod)
        write(name, form)


if __name__ == "__main__":
    main()
