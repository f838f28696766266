#!/usr/bin/env python3
"""Writes the starter style files of each edition's default form into the
folder above this script: the pre-printed form as preview-only shapes and
captions in the form's ink colour, and an empty data item for every field the
record transfer fills. Files are code page 932 with CR LF, as the program
writes them. Run it again after changing a form; the .sle files are committed.
"""
import os
from decimal import Decimal, ROUND_HALF_EVEN

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.dirname(HERE)

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

def waybill(title, ink, tint, sender_word, date_word, marks, amount_word):
    f = Form()
    L, R = 5, 115  # form edges, mm from the printable area's corner

    # Title band with the carrier's name and the form kind.
    f.band(L, 5, R, 14, ink, tint)
    f.caption(8, 6.8, title, ink, size=12, style="太字")
    f.caption(99, 7.3, "元払", ink, size=10, style="太字")

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
    f.caption(82, top + 11, amount_word, ink)
    f.item(141, 84, top + 15, size=11, font=GOTHIC)
    f.caption(109, top + 15.5, "円", ink, size=9)
    f.caption(82, top + 21, sender_word, ink)
    f.item(116, 82, top + 25, size=8)
    return f


WAYBILLS = [
    ("quil_lo.sle", "クィロ便　送り状", (0, 120, 60), (220, 240, 228), "ご依頼主", "お届け希望日",
     ["午前中", "12時～14時", "14時～16時", "16時～18時", "18時～20時", "20時～21時", "希望しない"], "代金引換額"),
    ("dovrak.sle", "ドヴラク便　送り状", (190, 30, 40), (250, 226, 226), "ご依頼主", "お届け希望日",
     ["午前中", "12時～14時", "14時～16時", "16時～18時", "18時～20時", "20時～21時"], "代金引換額"),
    ("zerrat.sle", "ゼラット運輸　送り状", (20, 70, 160), (224, 232, 248), "ご依頼主", "お届け予定日",
     [], "代金引換額"),
    ("morvik.sle", "モルヴィク運送　送り状", (150, 80, 10), (248, 236, 220), "荷送人", "お届け希望日",
     ["10時～12時", "12時～14時", "14時～16時", "16時～18時", "18時～20時"], "代金引換額"),
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
    write("払込取扱票.sle", payment_slip())
    for name, title, rgb, tint, sender, date_word, marks, amount in WAYBILLS:
        write(name, waybill(title, colour(*rgb), colour(*tint), sender, date_word, marks, amount))


if __name__ == "__main__":
    main()
