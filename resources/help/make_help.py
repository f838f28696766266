#!/usr/bin/env python3
"""Writes the offline help page of each edition, help/<identifier>/index.html.

The five pages share their structure and differ in the edition's own words
(お届け先 / ご依頼人, ご依頼主 / 荷送人 / 加入者名, 品名 / 通信欄), its fields and
its folder names, so they are written from one template here. Edit the texts
below and run:

    python3 resources/help/make_help.py

Each page is self-contained apart from the shared help.css beside the edition
folders: the edition's logo is embedded, and the only links leave for the
maker's pages under korvel-soft.example.
"""

import base64
import html
import os

HERE = os.path.dirname(os.path.abspath(__file__))
IMAGES = os.path.join(os.path.dirname(HERE), "images")

PRODUCT_VERSION = "2.6.0.0"
SITE = "https://www.korvel-soft.example/"

# Time-slot choices of the consignee dialog, per edition.
TIMES_20 = ["午前中", "12時～14時", "14時～16時", "16時～18時", "18時～20時", "20時～21時", "希望しない"]
TIMES_30 = ["午前中", "12時～14時", "14時～16時", "16時～18時", "18時～20時", "20時～21時", "希望なし"]
TIMES_50 = ["10時～12時", "12時～14時", "14時～16時", "16時～18時", "18時～20時", "希望なし"]

EDITIONS = [
    {
        "id": "brenno", "code": 10, "title": "郵便払込票印刷ソフト", "slip": True,
        "form": "払込取扱票", "carrier": "郵便払込",
        "party": "ご依頼人", "sender": "加入者名", "items": "通信欄", "items_group": "通信欄等",
        "item_list": "通信欄リスト", "edit": "払込取扱票編集", "dialog": "ご依頼人編集",
        "fixed": "加入者名・通信欄・金額を固定する",
        "date": None, "times": None, "amount": "金 額",
        "extras": [], "groups": ("ご依頼人", "受領証側", "通信欄等"),
        "group2_buttons": "郵便番号1・2、住所1〜3、氏名、口座番号1〜3、加入者名、金額（受領証側に印刷する項目）",
        "group3_buttons": "通信欄1〜通信欄5、加入者名、口座番号1〜3、金額",
        "yen": True, "print_date": False,
    },
    {
        "id": "quillo", "code": 20, "title": "送り状印刷ソフト・クィロ便版", "slip": False,
        "form": "送り状", "carrier": "クィロ便",
        "party": "お届け先", "sender": "ご依頼主", "items": "品名", "items_group": "品名等",
        "item_list": "品名リスト", "edit": "送り状編集", "dialog": "お届け先編集",
        "fixed": "ご依頼主・品名を固定する",
        "date": "配達希望日", "times": TIMES_20, "amount": None,
        "extras": [], "groups": ("お届け先", "ご依頼主", "品名等"),
        "group2_buttons": "郵便番号1・2、住所1・2、氏名、TEL1〜TEL3",
        "group3_buttons": "品　名1〜品　名4、希望月、希望日、午前中、12～14時、14～16時、16～18時、18～20時、20～21時、希望なし",
        "yen": False, "print_date": False,
    },
    {
        "id": "dovrak", "code": 30, "title": "送り状印刷ソフト・ドヴラク便版", "slip": False,
        "form": "送り状", "carrier": "ドヴラク便",
        "party": "お届け先", "sender": "ご依頼主", "items": "品名", "items_group": "品名",
        "item_list": "品名リスト", "edit": "送り状編集", "dialog": "お届け先編集",
        "fixed": "ご依頼主・品名・代金引換額を固定する",
        "date": "希望お届け日", "times": TIMES_30, "amount": "代金引換額",
        "extras": [], "groups": ("お届け先", "ご依頼主", "品名等"),
        "group2_buttons": "郵便番号1・2、住所1・2、氏名、TEL1〜TEL3",
        "group3_buttons": "品 名1〜品 名4、希望月、希望日、引換金、午前中、12～14時、14～16時、16～18時、18～20時、20～21時",
        "yen": True, "print_date": False,
    },
    {
        "id": "zerrat", "code": 40, "title": "送り状印刷ソフト・ゼラット運輸版", "slip": False,
        "form": "送り状", "carrier": "ゼラット運輸",
        "party": "お届け先", "sender": "ご依頼主", "items": "品名", "items_group": "品名等",
        "item_list": "品名リスト", "edit": "送り状編集", "dialog": "お届け先編集",
        "fixed": "ご依頼主・品名を固定する",
        "date": "お届け予定日", "times": None, "amount": None,
        "extras": ["個　数", "保険金額"], "groups": ("お届け先", "ご依頼主", "品名等"),
        "group2_buttons": "郵便番号1・2、住所1・2、氏名、TEL1〜TEL3、個数",
        "group3_buttons": "品　名1〜品　名4、予定月、予定日、保険金",
        "yen": False, "print_date": False,
    },
    {
        "id": "morvik", "code": 50, "title": "送り状印刷ソフト・モルヴィク運送版", "slip": False,
        "form": "送り状", "carrier": "モルヴィク運送",
        "party": "お届け先", "sender": "荷送人", "items": "品名", "items_group": "品名",
        "item_list": "品名リスト", "edit": "送り状編集", "dialog": "お届け先編集",
        "fixed": "荷送人・品名を固定する",
        "date": "ご希望お届け日", "times": TIMES_50, "amount": None,
        "extras": ["個　数"], "groups": ("お届け先", "荷送人", "品名等"),
        "group2_buttons": "郵便番号1・2、住所1・2、氏名、TEL1〜TEL3、個数",
        "group3_buttons": "品　名1〜品　名4、希望月、希望日、10時～12時、12時～14時、14時～16時、16時～18時、18時～20時、日付年、日付月、日付日",
        "yen": False, "print_date": True,
    },
]


def ui(text):
    """A control's caption as the window shows it."""
    return '<span class="ui">%s</span>' % html.escape(text)


def kbd(text):
    return "<kbd>%s</kbd>" % html.escape(text)


def logo_data_uri(identifier):
    """The edition's header logo, embedded so that the page needs no picture file."""
    with open(os.path.join(IMAGES, identifier + ".png"), "rb") as f:
        return "data:image/png;base64," + base64.b64encode(f.read()).decode("ascii")


# ---------------------------------------------------------------------------
# Sections. Each takes the edition's entry and returns HTML.
# ---------------------------------------------------------------------------

def section_intro(e):
    if e["slip"]:
        what = (
            "<p>このソフトは、郵便局の<strong>払込取扱票</strong>（振替用紙）に、お支払いいただくお客様"
            "（<strong>ご依頼人</strong>）のご住所・お名前、払込先の<strong>口座番号</strong>と<strong>加入者名</strong>、"
            "<strong>金額</strong>、<strong>通信欄</strong>を、お手持ちのプリンターで印刷するソフトです。"
            "請求書に同封する払込取扱票を、手書きせずに作れます。</p>"
            "<p>このソフトでは、お客様を「ご依頼人」、払込先（お店の口座）を「加入者名」と呼びます。"
            "ご依頼人は「ご依頼人リスト」に登録し、加入者名（口座番号とお名前）は "
            + ui("印刷設定") + " タブの " + ui("加入者名") + " 枠で設定します。</p>"
        )
    else:
        what = (
            "<p>このソフトは、<strong>%s</strong>の専用送り状（複写式の伝票）に、%s・%s・%sなどを、"
            "お手持ちのプリンターで印刷するソフトです。"
            "よく送るお届け先を登録しておけば、選ぶだけで送り状ができあがり、まとめて印刷することもできます。</p>"
            % (e["carrier"], e["party"], e["sender"], e["items"])
        )
    return (
        '<h2 id="intro">1. このソフトでできること</h2>' + what +
        "<h3>画面の見かた</h3>"
        "<table>"
        "<tr><th>場所</th><th>内容</th></tr>"
        "<tr><td>上のボタン列</td><td>"
        + ui("単票印刷") + "（" + kbd("Ctrl+P") + "）、" + ui("連票印刷") + "、" + ui("プレビュー") + "、"
        + ui(e["item_list"]) + "、" + ui("送付履歴") + "、" + ui("全体位置調整") + "、" + ui("枚数(単票時)")
        + ("、日付指定（" + ui("指定した日付で印刷する") + "・" + ui("印刷しない") + "）" if e["print_date"] else "")
        + "、" + ui("終了") + "</td></tr>"
        "<tr><td>左側のタブ</td><td>"
        + ui("印刷設定") + "（" + e["sender"] + "の一覧と各種設定）、"
        + ui("印刷位置調整") + "（項目ごとの位置と文字の調整）、"
        + ui(e["party"] + "リスト") + "（登録した" + e["party"] + "の一覧）</td></tr>"
        "<tr><td>右側</td><td>プレビュー（印刷される内容を用紙の上に表示）、または印刷履歴</td></tr>"
        "<tr><td>メニュー</td><td>" + ui("ファイル") + "、" + ui("表示") + "、" + ui("編集") + "、"
        + ui(e["party"] + "リスト") + "（連続印刷のメニュー）、" + ui("ヘルプ") + "</td></tr>"
        "</table>"
        "<p>プレビューには、用紙に印刷済みの枠や文字も描かれますが、実際に印刷されるのは"
        "データの文字だけです（用紙の図柄や見本の絵はプレビュー専用です）。</p>"
    )


def section_setup(e):
    sender_dialog = (
        "<p>加入者名の編集画面では、払込先の " + ui("口座番号") + "（3つの枠）と " + ui("お名前")
        + "（加入者名）を入力します。</p>"
        if e["slip"] else
        "<p>" + e["sender"] + "の編集画面では、" + ui("お名前") + "、" + ui("郵便番号") + "、" + ui("都道府県") + "、"
        + ui("市区町村") + "、" + ui("町名番地") + "、" + ui("建物等") + "、" + ui("電話番号")
        + " を入力します。郵便番号を入れて " + ui("郵便番号検索") + " を使うと住所を探せます。</p>"
    )
    return (
        '<h2 id="setup">2. 最初の準備</h2>'
        "<h3>用紙とプリンターを選ぶ</h3>"
        '<ol class="steps">'
        "<li>メニュー " + ui("ファイル") + " → " + ui("用紙設定") + " を選びます。</li>"
        "<li>使うプリンターと用紙サイズ、向きを選んで OK を押します。選んだ内容は保存され、次回からも使われます。</li>"
        "</ol>"
        "<h3>" + e["sender"] + "を登録する</h3>"
        '<ol class="steps">'
        "<li>左側の " + ui("印刷設定") + " タブを開きます。" + ui(e["sender"]) + " 枠に登録済みの一覧が出ます"
        "（最初は見本の「会社名1」〜「会社名4」が入っています）。</li>"
        "<li>新しく登録するときは " + ui("+新規追加") + "、直すときは一覧で選んで " + ui("編　集") + " を押します。</li>"
        "<li>一覧で選んだ" + e["sender"] + "が、印刷する" + e["form"] + "に使われます。クリックするとすぐプレビューに反映されます。</li>"
        "</ol>"
        + sender_dialog +
        "<h3>毎回同じ内容を固定する</h3>"
        "<p>" + ui("印刷設定") + " タブの " + ui(e["fixed"]) + " にチェックを入れると、"
        "タブ内で入力した" + e["items"] + "など（" + e["sender"] + "は一覧で選んだもの）が、どの" + e["party"]
        + "の" + e["form"] + "にも同じように印刷されます。</p>"
        + ("<p>" + ui("金額に\\をつける(変更後はデータの再編集が必要)") + " にチェックを入れると、金額の前に「\\」（円記号）が付きます。"
           "すでに入力済みのデータには、編集し直したときに反映されます。</p>" if e["yen"] else "")
    )


def dialog_fields(e):
    fields = [ui("お名前1") + "・" + ui("お名前2"),
              ui("郵便番号") + "（3桁と4桁。2つ目の枠で " + kbd("Enter") + " を押すと、都道府県・市区町村・町名番地が自動で入ります）",
              ui("都道府県") + "、" + ui("市区町村") + "、" + ui("町名番地") + "、" + ui("建物等"),
              ui("でんわ") + "（3つの枠）",
              ui(e["items"] + "1") + "〜" + ui(e["items"] + "4") + "（" + ui("選択") + " で" + e["item_list"] + "から選べます）"]
    if e["amount"]:
        fields.append(ui(e["amount"]))
    if e["date"]:
        fields.append(ui(e["date"]) + "（月・日）")
    if e["times"]:
        fields.append(ui("希望時間帯") + "（" + "、".join(e["times"]) + "）")
    for extra in e["extras"]:
        fields.append(ui(extra))
    fields.append(ui(e["sender"]) + "（この" + e["party"] + "に使う" + e["sender"] + "）")
    fields.append(ui("備　考"))
    return "<ul>" + "".join("<li>%s</li>" % f for f in fields) + "</ul>"


def section_register(e):
    party = e["party"]
    return (
        '<h2 id="register">3. ' + party + "を登録する</h2>"
        '<ol class="steps">'
        "<li>左側の " + ui(party + "リスト") + " タブを開きます（メニュー " + ui("表示") + " → "
        + ui(party + "リスト") + "、または " + kbd("F6") + "）。</li>"
        "<li>" + ui(party + "を新規登録") + " を押すと、" + ui(e["dialog"]) + " の画面が開きます。</li>"
        "<li>次の項目を入力して " + ui("保　存") + " を押します。</li>"
        "</ol>"
        + dialog_fields(e) +
        "<h3>直す・削除する</h3>"
        "<ul>"
        "<li>直すときは、一覧で選んで " + ui("選択中の" + party + "を修正") + " を押すか、行をダブルクリックします。"
        "編集画面の " + ui("削　除") + " で、その" + party + "を削除できます。</li>"
        "<li>まとめて削除するときは、チェックを入れてから " + ui(party + "リスト") + " メニューの "
        + ui("チェックを入れた" + party + "を削除") + " を選びます。</li>"
        "</ul>"
        "<h3>探す・絞り込む</h3>"
        "<ul>"
        "<li>検索欄に名前や住所、電話番号の一部を入れて " + kbd("Enter") + "（または " + ui("住所検索") + "）を押すと、"
        "その文字を含む" + party + "だけが表示されます。</li>"
        "<li>" + ui(e["sender"] + "検索") + " で" + e["sender"] + "を選ぶと、その" + e["sender"] + "を使う"
        + party + "だけに絞り込めます。</li>"
        "<li>見出し（お名前・郵便番号・住所・電話番号）をクリックすると並べ替えます。もう一度押すと逆順です。</li>"
        "</ul>"
        "<h3>郵便番号と住所の確認</h3>"
        "<ul>"
        "<li>郵便番号データで郵便番号と住所（都道府県・市区町村・町域）を照らし合わせ、一致しない" + party + "には"
        "一覧の " + ui("照合") + " 欄に「！」が付きます。「！」にマウスを重ねると、その郵便番号の住所が表示されます。</li>"
        "<li>" + ui(party + "リスト") + " メニューの " + ui("住所と郵便番号を確認") + " で、一致しない" + party
        + "をすべて一覧にできます。行をダブルクリック（または " + ui("修正") + "）すると編集画面が開きます。</li>"
        "<li>編集画面で保存するとき、郵便番号と住所が一致しなければ確認の画面が出ます。" + ui("はい") + " でそのまま保存、"
        + ui("いいえ") + " で編集画面に戻ります。全角・半角の数字やハイフン、「ヶ」と「ケ」、「丁目」と「-」、"
        "都道府県の省略などの書き方の違いは一致とみなします。</li>"
        "</ul>"
        "<h3>まとめて取り込む</h3>"
        "<ul>"
        "<li>CSV ファイルからは、" + ui(party + "リスト") + " メニューの " + ui("CSVファイルから取り込む")
        + " で取り込めます。別の取り込み画面が開くので、列の対応を決めて取り込みます"
        "（取り込み画面を開いている間は、このソフトを終了できません）。</li>"
        "<li>" + ui(party + "リスト") + " メニューの " + ui(party + "をCSVに書き出す") + " で、チェックを入れた"
        + party + "（チェックがないときは表示中のすべて）を CSV ファイルに書き出せます。ファイルの種類で UTF-8 か"
        " Shift_JIS を選べます。</li>"
        "<li>楽天の受注メールは、「[送付先]」から下の部分をコピーしてから メニュー " + ui("編集") + " → "
        + ui("クリップボード(楽天形式)から貼り付け") + "（" + kbd("F9") + "）で、" + ui(e["edit"]) + " の画面に取り込めます。</li>"
        "</ul>"
    )


def section_print_one(e):
    party = e["party"]
    return (
        '<h2 id="print-one">4. 1枚ずつ印刷する（単票印刷）</h2>'
        '<ol class="steps">'
        "<li>" + ui(party + "リスト") + " で" + party + "をクリックします。プレビューにその" + e["form"] + "が表示されます。"
        "<br>" + ("登録していないご依頼人の分を作るときは" if e["slip"] else "登録していない宛先に送るときは") + "、左側で " + ui("印刷設定") + " タブを開いてから " + ui(e["edit"])
        + "（" + kbd("F5") + "、またはプレビューをクリック）で内容を直接入力し、" + ui("保　存") + " を押します。</li>"
        + ("<li>日付を印刷するときは、日付指定の " + ui("指定した日付で印刷する") + " で日付を選びます。"
           "日付を印刷しないときは " + ui("印刷しない") + " にチェックを入れます。</li>" if e["print_date"] else "")
        + "<li>" + ui("枚数(単票時)") + " に印刷する枚数を入れます。</li>"
        "<li>" + ui("単票印刷") + "（" + kbd("Ctrl+P") + "）を押し、印刷の画面でプリンターを確かめて印刷します。</li>"
        "</ol>"
        "<p>印刷すると、その内容が送付履歴に1件記録されます（枚数が2枚以上でも1件です）。"
        "記録したくないときは、" + ui("印刷設定") + " タブの " + ui("送付履歴に記録しない") + " にチェックを入れます。</p>"
        "<div class=\"note\"><p>用紙は、" + e["form"] + "の左上がプリンターの印刷できる範囲の左上に来るようにセットします。"
        "初めて使うときや用紙を変えたときは、まず普通紙に印刷して" + e["form"] + "に重ね、位置を確かめてください"
        "（→ <a href=\"#adjust\">印刷位置を調整する</a>）。</p></div>"
    )


def section_print_batch(e):
    party = e["party"]
    change = ("通信欄や金額" if e["slip"] else "品名や日付など")
    return (
        '<h2 id="print-batch">5. まとめて印刷する（連票印刷）</h2>'
        '<ol class="steps">'
        "<li>" + ui(party + "リスト") + " で、印刷したい" + party + "のチェックボックスにチェックを入れます。"
        "全部選ぶときは " + ui("すべて選択") + "（" + kbd("Ctrl+A") + "）、外すときは " + ui("すべて解除") + " を使います。</li>"
        "<li>" + ui("印刷するデータのみ表示") + " にチェックを入れると、チェックした" + party + "だけを確かめられます。</li>"
        "<li>" + ui(party + "リスト") + " タブを開いたまま " + ui("連票印刷") + " を押し、印刷の画面でプリンターを確かめて印刷します。</li>"
        "</ol>"
        "<p>チェックを入れた順に、1件1ページで印刷されます（" + ui("枚数(単票時)") + " は使われません）。"
        "終わると「送信記録を登録しました」と表示され、1件ごとに送付履歴が記録されます。</p>"
        "<p>チェックした" + party + "の" + change + "をまとめて書き換えるときは、" + ui(party + "リスト") + " メニューの "
        + ui("チェックを入れた" + party + "の" + e["items"] + "を入れ替える")
        + " を使います（" + ui(e["fixed"]) + " のチェックを外してから使います）。</p>"
    )


def section_adjust(e):
    g1, g2, g3 = e["groups"]
    return (
        '<h2 id="adjust">6. 印刷位置を調整する（印刷位置調整）</h2>'
        "<p>用紙やプリンターによって、印刷位置が少しずれることがあります。項目ごとの位置と文字の大きさ・書体は、"
        "左側の " + ui("印刷位置調整") + " タブで直せます。変更はすぐプレビューに反映され、ソフトの終了時に保存されます。</p>"
        '<ol class="steps">'
        "<li>下のボタンから、直したい項目を押します。ボタンは3つのグループに分かれています。"
        "<table>"
        "<tr><th>" + html.escape(g1) + "</th><td>郵便番号1・2、住所1〜3、氏名、TEL1〜TEL3</td></tr>"
        "<tr><th>" + html.escape(g2) + "</th><td>" + html.escape(e["group2_buttons"]) + "</td></tr>"
        "<tr><th>" + html.escape(g3) + "</th><td>" + html.escape(e["group3_buttons"]) + "</td></tr>"
        "</table></li>"
        "<li>" + ui("位置(X)") + "（左からの距離）と " + ui("位置(Y)") + "（上からの距離）に mm 単位で数字を入れ、"
        + kbd("Enter") + " を押します。" + ui("文字間:") + " で文字の間隔も変えられます。</li>"
        "<li>矢印ボタン " + ui("←") + ui("↑") + ui("→") + ui("↓") + " でも動かせます。1回で 1 mm、"
        + kbd("Shift") + " を押しながらで 0.1 mm、" + kbd("Ctrl") + " を押しながらで 10 mm 動きます。</li>"
        "<li>書体・大きさ・色は " + ui("設定") + "（または " + ui("フォント名:") + " などの表示）を押して選びます。</li>"
        "</ol>"
        "<h3>全体をずらす</h3>"
        "<p>全部の項目が同じ方向にずれているときは、上の " + ui("全体位置調整") + " の " + ui("左右位置(mm)") + " と "
        + ui("上下位置(mm)") + " で、印刷全体をずらします（右・下がプラス）。"
        "プレビューにも反映させるときは " + ui("全体位置も反映させる") + " にチェックを入れます。</p>"
        "<p>どれだけずれているか分からないときは、メニュー " + ui("ファイル") + " → " + ui("テスト印刷")
        + " で普通の紙に印刷します。" + e["form"] + "の枠線と、印刷できる範囲の左上から測る mm の目盛り、"
        "10 mm と 100 mm の位置の十字が印刷されます。その紙を" + e["form"] + "の用紙に重ねて窓にかざし、ずれを mm で測って " + ui("全体位置調整") + " に入れてください"
        "（印字が右や下にずれているときはマイナスの値です）。テスト印刷は送付履歴に残りません。</p>"
        "<div class=\"warn\"><p>調整をやり直したいときは、メニュー " + ui("ヘルプ") + " → " + ui("スタイルデータの復旧")
        + " で、出荷時の配置に戻せます。出荷時のスタイルファイルと同じ名前のファイルは上書きされます。"
        "ご自分で別の名前で保存したファイルはそのまま残ります。</p></div>"
    )


def section_history(e):
    party = e["party"]
    return (
        '<h2 id="history">7. 送付履歴を見る</h2>'
        "<p>" + ui("送付履歴") + "（" + kbd("F8") + "）を押すと、右側に印刷履歴（この" + e["form"] + "で印刷したもの）が新しい順に表示されます。</p>"
        "<ul>"
        "<li>見出しをクリックすると並べ替えます（↓ は降順、↑ は昇順）。</li>"
        "<li>検索欄に文字を入れて " + kbd("Enter") + "（または " + ui("検索") + "）で、名前・住所・電話番号・"
        + e["items"] + "などにその文字を含む履歴だけを表示します。</li>"
        "<li>" + ui("送付履歴を修正") + "（または行をダブルクリック）で、履歴の内容を直したり削除したりできます。</li>"
        "<li>" + ui("履歴から印刷") + " で、同じ内容をもう一度印刷できます。" + ui(e["edit"]) + " の画面が開くので、確かめてから印刷します。</li>"
        "<li>" + ui("履歴から" + party + "登録") + " で、履歴の宛先を" + party + "リストに登録できます。</li>"
        "<li>" + ui("履歴をCSVに書き出す") + " で、いま表示している履歴を表示の順に CSV ファイルに書き出せます"
        "（帳簿づけなどに）。途中で " + ui("キャンセル") + " すると、ファイルは作られません。</li>"
        "</ul>"
    )


def section_backup(e):
    return (
        '<h2 id="backup">8. バックアップとリストア</h2>'
        "<p>" + e["party"] + "、" + e["sender"] + "、" + e["items"] + "などのデータと送付履歴は、2つのデータベースファイル "
        "<code>addressXe2.db3</code> と <code>membersXe2.db3</code> に入っています。定期的にバックアップしてください。</p>"
        "<h3>バックアップ</h3>"
        '<ol class="steps">'
        "<li>メニュー " + ui("ヘルプ") + " → " + ui("データのバックアップ") + " を選びます。</li>"
        "<li>保存先のフォルダーを選びます。USB メモリーなどに、日付ごとの空のフォルダーを作って選ぶと便利です。</li>"
        "<li>「バックアップしました。」と表示されれば完了です。</li>"
        "</ol>"
        "<div class=\"warn\"><p>同じフォルダーにすでにバックアップがあるときは、上書きせずにエラーで止まります"
        "（前のバックアップは残ります）。新しいフォルダーを選び直してください。</p></div>"
        "<h3>リストア（バックアップから戻す）</h3>"
        '<ol class="steps">'
        "<li>メニュー " + ui("ヘルプ") + " → " + ui("データのリストア") + " を選びます。</li>"
        "<li>バックアップを保存したフォルダー（<code>addressXe2.db3</code> と <code>membersXe2.db3</code> の両方が入ったフォルダー）を選びます。</li>"
        "<li>確認の画面で OK を押すと、今のデータがバックアップの内容に置き換わります。</li>"
        "</ol>"
        "<p>選んだフォルダーにファイルが見つからないときは、探した場所を表示して止まり、今のデータは変わりません。"
        "郵便番号のデータ（<code>zipcode.db3</code>）はバックアップの対象ではありません。</p>"
        "<div class=\"note\"><p>印刷位置の調整や設定も残したいときは、このソフトを終了してから "
        "<code>korvel</code> フォルダー全体（<a href=\"#linux\">データの保存場所</a>）をコピーしておくと安心です。</p></div>"
    )


def section_shared(e):
    return (
        '<h2 id="shared">9. 複数の端末でデータを共有する（共有サーバー）</h2>'
        "<p>梱包・出荷の端末が2台以上あるときは、" + e["party"] + "や送付履歴を PostgreSQL のサーバーに置いて、"
        "すべての端末で同じデータを使えます。ある端末で登録した" + e["party"] + "や印刷した送付履歴は、"
        "ほかの端末でもすぐに見えます。1台だけで使うときは、設定はいりません（このパソコンのファイルに保存されます）。</p>"
        "<h3>サーバーを使うように設定する</h3>"
        '<ol class="steps">'
        "<li>サーバーに空のデータベースを用意し、各端末の <code>~/.pgpass</code>（または環境変数 <code>PGPASSWORD</code>）"
        "にパスワードを設定します。パスワードはこのソフトには保存しません。</li>"
        "<li>メニュー " + ui("ファイル") + " → " + ui("データの保存先...") + " を選び、"
        + ui("共有サーバー（PostgreSQL）") + " を選んで、ホスト・ポート・データベース・ユーザーを入力します。</li>"
        "<li>" + ui("接続を確認") + " で「接続できました。」と表示されることを確かめます。</li>"
        "<li>最初の1台だけ、" + ui("このパソコンのデータをサーバーへ移す") + " を押すと、今までのデータをサーバーへコピーします"
        "（サーバーのデータベースが空のときだけ行えます。二度押しても二重には登録されません）。</li>"
        "<li>" + ui("保存") + " を押し、ソフトを起動し直します。画面下に「共有サーバー: …」と表示されます。</li>"
        "</ol>"
        '<div class="warn"><p>起動時にサーバーに接続できないときは' "、その旨を表示して、このパソコンのデータで作業するか、"
        "終了するかを選べます。このパソコンのデータで作業したときは、画面下に「このパソコンのデータで作業中」と表示され、"
        "その間に登録したデータはサーバーには入りません。</p></div>"
        "<h3>同じデータを2台で同時に修正したとき</h3>"
        "<p>" + e["party"] + "の編集画面を開いている間に、ほかの端末で同じ" + e["party"] + "が修正されていると、"
        "保存のときに確認が表示されます。" + ui("はい") + " で入力した内容で上書きし、" + ui("いいえ") + " で"
        "変更後のデータを読み直します。ほかの端末で削除されていたときは、保存せずにお知らせします。</p>"
        "<h3>バックアップとリストア</h3>"
        "<p>共有サーバーを使っているときも、" + ui("データのバックアップ") + " は同じ2つのファイル "
        "（<code>addressXe2.db3</code> と <code>membersXe2.db3</code>）を書き出します。" + ui("データのリストア") +
        " はそのファイルの内容でサーバーのデータ（すべての端末のデータ）を置き換えます。置き換える前のサーバーのデータは、"
        "データフォルダーの <code>before-restore-日付</code> フォルダーにファイルとして残します。</p>"
    )


def section_linux(e):
    work = e["id"] + "_xe2"
    exe = e["id"] + "_xe2"
    return (
        '<h2 id="linux">10. Linux でお使いの方へ</h2>'
        "<h3>データの保存場所</h3>"
        "<p>データは「共通データフォルダー」の下の <code>korvel</code> フォルダーに保存されます。"
        "共通データフォルダーは、次の順に決まります。</p>"
        '<ol class="steps">'
        "<li>環境変数 <code>KORVEL_APPDATA_ROOT</code> が設定されていれば、そのフォルダー</li>"
        "<li>そうでなければ、<code>/var/lib/korvel</code> があるか作成でき、書き込めるときは <code>/var/lib</code>"
        "（パソコンの全ユーザーで共有）</li>"
        "<li>どちらでもなければ、ユーザーごとのデータフォルダー（<code>$XDG_DATA_HOME</code>、"
        "設定がなければ <code>~/.local/share</code>）</li>"
        "</ol>"
        "<table>"
        "<tr><th>フォルダー</th><th>場所（例: ユーザーごとの場合）</th><th>中身</th></tr>"
        "<tr><td>作業フォルダー</td><td><code>&lt;共通データフォルダー&gt;/korvel/" + work + "</code><br>"
        "（例: <code>~/.local/share/korvel/" + work + "</code>）</td>"
        "<td><code>conf/</code>（設定 <code>" + exe + ".conf</code>、プリンター設定 <code>" + exe + ".prt</code>、"
        "単票データ <code>singledata.txt</code>）、<code>style/</code>（印刷位置を記録したスタイルファイル）、"
        "<code>ini/</code>（画面の位置と大きさ）</td></tr>"
        "<tr><td>データベースフォルダー</td><td><code>&lt;共通データフォルダー&gt;/korvel/database</code><br>"
        "（例: <code>~/.local/share/korvel/database</code>）</td>"
        "<td><code>addressXe2.db3</code>（" + e["party"] + "・" + e["sender"] + "）、<code>membersXe2.db3</code>"
        "（" + e["items"] + "などと送付履歴）、<code>zipcode.db3</code>（郵便番号）。"
        "他の版（送り状・払込票の各版）と共用です。</td></tr>"
        "</table>"
        "<p>作業フォルダーは、メニュー " + ui("ヘルプ") + " → " + ui("作業フォルダーを開く")
        + " でファイルマネージャーに表示できます。プログラム本体の場所は " + ui("インストールフォルダーの確認") + " で開けます。</p>"
        "<div class=\"note\"><p>1台のパソコンを複数のユーザーで使い、同じデータを共有したいときは、管理者が次のように"
        "共有フォルダーを作っておきます（例: グループ <code>users</code> の全員で共有）。</p>"
        "<pre>sudo install -d -m 2775 -g users /var/lib/korvel</pre></div>"
        "<p>設定ファイルとスタイルファイルは Shift_JIS（コードページ 932）、改行 CR LF で保存されています。"
        "テキストエディターで直接編集するときは、文字コードに注意してください。</p>"
        "<h3>起動のしかた</h3>"
        "<p>アプリケーションメニューの「" + html.escape(e["title"]) + "」から起動します。"
        "端末からは <code>" + exe + "</code> で起動できます。</p>"
        "<h3>プリンターがないとき（PDF に印刷）</h3>"
        "<p>プリンターが登録されていないパソコンでも印刷の操作はできます。印刷の画面で、出力先として"
        " PDF ファイルへの出力を選び、保存するファイル名を指定してください。</p>"
        "<div class=\"warn\"><p>PDF を後から" + e["form"] + "に印刷するときは、PDF ビューアーの印刷設定で"
        "「実際のサイズ」（拡大・縮小なし）を選んでください。用紙に合わせて縮小すると、印刷位置がずれます。</p></div>"
        "<p>プリンターは、デスクトップの「設定」→「プリンター」または CUPS（<code>http://localhost:631/</code>）で登録します。"
        "登録後、" + ui("ファイル") + " → " + ui("用紙設定") + " で選び直してください。</p>"
        "<h3>コマンドラインで印刷する（korvel-print）</h3>"
        "<p>画面を使わずに、スタイルファイルと単票データから PDF や画像を作れます。"
        "使えるコマンドは <code>korvel-print --help</code>、各コマンドの指定方法は "
        "<code>korvel-print &lt;コマンド&gt; --help</code> で確認できます。</p>"
        "<pre>korvel-print pdf \\\n"
        "  --style ~/.local/share/korvel/" + work + "/style/" + html.escape(e["style"]) + " \\\n"
        "  --record ~/.local/share/korvel/" + work + "/conf/singledata.txt \\\n"
        "  --edition " + str(e["code"]) + " --out ~/" + html.escape(e["form"]) + ".pdf</pre>"
        "<p>ほかに、レイアウトを PNG 画像にする <code>render</code>、郵便番号を調べる <code>zipcode</code>、"
        "郵便番号表を検索する <code>zipcode-search</code> があります。</p>"
    )


def section_help_menu(e):
    rows = [
        ("ヘルプ(オンライン)", "F1", "ホームページのヘルプを開きます。"),
        ("ヘルプ(オフライン)", "", "このページを開きます。"),
        ("データのバックアップ", "", "データベースを選んだフォルダーにコピーします。"),
        ("データのリストア", "", "バックアップから戻します。"),
        ("インストールフォルダーの確認", "", "プログラム本体のフォルダーを開きます。"),
        ("作業フォルダーを開く", "", "設定やスタイルファイルのフォルダーを開きます。"),
        ("スタイルデータの復旧", "", "印刷位置を出荷時の状態に戻します。"),
        ("バージョン情報", "", "製品のバージョンを表示します。"),
        ("ホームページへアクセス", "", "製品のホームページを開きます。"),
    ]
    body = "".join(
        "<tr><td>%s</td><td>%s</td><td>%s</td></tr>" % (ui(name), kbd(key) if key else "", html.escape(what))
        for name, key, what in rows)
    return (
        '<h2 id="help-menu">11. ヘルプメニュー</h2>'
        "<table><tr><th>メニュー</th><th>キー</th><th>内容</th></tr>" + body + "</table>"
    )


def section_trouble(e):
    items = [
        ("印刷位置がずれる",
         "全部が同じ方向にずれるときは " + ui("全体位置調整") + "、一部の項目だけなら " + ui("印刷位置調整")
         + " タブで直します。プリンター側の「用紙に合わせる」などの拡大・縮小は切ってください。"),
        ("プレビューに何も表示されない・おかしくなった",
         "メニュー " + ui("ヘルプ") + " → " + ui("スタイルデータの復旧") + " で出荷時の配置に戻します。"),
        ("「郵便番号データベースがありません」と表示される",
         "郵便番号から住所を入れる機能だけが使えません。メニュー " + ui("編集") + " → " + ui("郵便番号表")
         + " を開き、日本郵便が公開している郵便番号データ（CSV ファイル）を選ぶと取り込めます。"),
        ("「CSV取込画面を先に閉じてください。」と表示される",
         "CSV の取り込み画面が開いたままです。取り込み画面を閉じてから終了してください。"),
        ("ほかのパソコンにデータを移したい",
         "古いパソコンで " + ui("データのバックアップ") + " をして、新しいパソコンで " + ui("データのリストア") + " をします。"),
    ]
    body = "".join("<dt><strong>%s</strong></dt><dd>%s</dd>" % (html.escape(q), a) for q, a in items)
    return '<h2 id="trouble">12. 困ったときは</h2><dl>' + body + "</dl>"


TOC = [
    ("intro", "このソフトでできること"),
    ("setup", "最初の準備"),
    ("register", None),
    ("print-one", "1枚ずつ印刷する（単票印刷）"),
    ("print-batch", "まとめて印刷する（連票印刷）"),
    ("adjust", "印刷位置を調整する"),
    ("history", "送付履歴を見る"),
    ("backup", "バックアップとリストア"),
    ("shared", "複数の端末でデータを共有する"),
    ("linux", "Linux でお使いの方へ"),
    ("help-menu", "ヘルプメニュー"),
    ("trouble", "困ったときは"),
]

SECTIONS = [section_intro, section_setup, section_register, section_print_one, section_print_batch,
            section_adjust, section_history, section_backup, section_shared, section_linux, section_help_menu,
            section_trouble]


def page(e):
    """The whole help page of one edition."""
    toc = "".join('<li><a href="#%s">%s</a></li>' % (anchor, html.escape(text or e["party"] + "を登録する"))
                  for anchor, text in TOC)
    online = SITE + "help/" + e["id"] + "/"
    return (
        "<!DOCTYPE html>\n"
        '<html lang="ja">\n<head>\n<meta charset="utf-8">\n'
        '<meta name="viewport" content="width=device-width, initial-scale=1">\n'
        "<title>%s ヘルプ</title>\n" % html.escape(e["title"]) +
        '<link rel="stylesheet" href="../help.css">\n</head>\n'
        '<body class="%s">\n' % e["id"] +
        '<header class="page"><img src="%s" alt="%s">' % (logo_data_uri(e["id"]), html.escape(e["carrier"])) +
        "<div><h1>%s</h1>" % html.escape(e["title"]) +
        '<p class="version">ヘルプ（オフライン版）・製品バージョン %s</p></div></header>\n' % PRODUCT_VERSION +
        '<nav class="toc"><strong>目次</strong><ol>%s</ol></nav>\n' % toc +
        "\n".join(section(e) for section in SECTIONS) +
        '\n<footer class="page"><p>最新のヘルプ: <a href="%s">%s</a><br>' % (online, online) +
        '製品のご案内: <a href="%s">%s</a></p></footer>\n' % (SITE, SITE) +
        "</body>\n</html>\n"
    )


STYLE_FILES = {"brenno": "払込取扱票.sle", "quillo": "quil_lo.sle", "dovrak": "dovrak.sle",
               "zerrat": "zerrat.sle", "morvik": "morvik.sle"}


def main():
    for e in EDITIONS:
        e["style"] = STYLE_FILES[e["id"]]
        folder = os.path.join(HERE, e["id"])
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "index.html"), "w", encoding="utf-8", newline="\n") as f:
            f.write(page(e))
    print("make_help.py: help pages written to " + HERE)


if __name__ == "__main__":
    main()
