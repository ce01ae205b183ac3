#!/usr/bin/python3
"""The web page in headless Chromium, opened from its file with the network off (and once from a
static server): the main window's controls found by their design names and driven by the keys,
the mouse and the clipboard as a clerk drives them; then 2,000 seeded amounts in three letter
cases, worded by the page byte for byte as qev-words words them.

page_test.py PAGE QEV_WORDS"""
import functools
import http.server
import pathlib
import random
import subprocess
import sys
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

PAGE = pathlib.Path(sys.argv[1]).resolve()
QEV_WORDS = sys.argv[2]
USD = "输入： USD1,234.50\n输出： SAY US DOLLARS ONE THOUSAND TWO HUNDRED AND THIRTY FOUR & FIFTY CENTS ONLY"
HOME = "http://www.kestrune.com/index.html"
checked, failures = [], []


def check(what, got, expected):
    checked.append(what)
    if got != expected:
        failures.append(what)
        print(f"FAIL {what}:\n  got      {got!r}\n  expected {expected!r}")


options = webdriver.ChromeOptions()
options.binary_location = "/usr/bin/chromium"
for argument in ("--headless=new", "--no-sandbox", "--window-size=1000,800", "--lang=zh-CN"):
    options.add_argument(argument)
driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
driver.execute_cdp_cmd("Browser.grantPermissions",
                       {"permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
driver.execute_cdp_cmd("Network.enable", {})


def offline(off):
    driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
        "offline": off, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})


def load(url=PAGE.as_uri(), keep=False):
    """The page afresh, its kept choices cleared unless `keep`; window.open records and opens
    nothing."""
    driver.get(url)
    WebDriverWait(driver, 20).until(lambda d: d.execute_script(
        "return document.body.classList.contains('ready')"))
    if not keep:
        driver.execute_script("localStorage.clear()")
        driver.refresh()
        WebDriverWait(driver, 20).until(lambda d: d.execute_script(
            "return document.body.classList.contains('ready')"))
    driver.execute_script("window.opened = []; window.open = url => (opened.push(url), {})")


def element(id_):
    return driver.find_element("id", id_)


def value(id_):
    return element(id_).get_attribute("value")


def keys(*strokes):
    """Each stroke: a text, or modifiers then a key, as (Keys.CONTROL, Keys.SHIFT, "c")."""
    for stroke in strokes:
        actions = ActionChains(driver)
        if isinstance(stroke, str):
            actions.send_keys(stroke)
        else:
            *held, key = stroke
            for modifier in held:
                actions.key_down(modifier)
            actions.send_keys(key)
            for modifier in reversed(held):
                actions.key_up(modifier)
        actions.perform()


def type_into(id_, text):
    element(id_).click()
    keys((Keys.CONTROL, "a"), text)


def note():
    return element("StatusBar1Note").get_attribute("textContent")


def clipboard(put=None):
    """The clipboard read back, or `put` on it, by a paste or a copy in a box of the test's own."""
    driver.execute_script("const t = document.createElement('textarea'); t.id = 'scratch';"
                          "t.value = arguments[0] || ''; document.body.append(t); t.select()", put)
    keys((Keys.CONTROL, "c" if put else "v"))
    return driver.execute_script("const t = document.getElementById('scratch'); t.remove();"
                                 "return t.value")


def clipboard_changed_from(old):
    """The clipboard read back once a write the browser carries out later has landed, or after
    five seconds as it is."""
    for _ in range(50):
        text = clipboard()
        if text != old:
            break
        time.sleep(0.1)
    return text


def choose_from_menu(*captions):
    """Follows menu entries by the start of their captions."""
    for caption in captions:
        entry = driver.execute_script(
            "return [...document.querySelectorAll('.menu li')].filter(li => li.textContent"
            ".startsWith(arguments[0])).pop()", caption)
        ActionChains(driver).move_to_element(entry).click().perform()


offline(True)
load()
# Typing, the case buttons, the edit rule's notes and refusals, undo and redo.
typing_rows = [
    ("the design's sample", ["1234.5"], "Text2", USD),
    ("the title case", ["1234.5"], "Command1_1",
     "输入： Usd1,234.50\n输出： Say Us Dollars One Thousand Two Hundred And Thirty Four & Fifty Cents Only"),
    ("the lower case", ["1234.5"], "Command1_2",
     "输入： usd1,234.50\n输出： say us dollars one thousand two hundred and thirty four & fifty cents only"),
    ("full-width digits", ["１２３４。５"], "Text2", USD),
    ("a letter dropped", ["12a34.5"], "note", "已删除非金额字符：a"),
    ("past 22 characters", ["1" * 22, "1"], "note", "金额最多22个字符"),
    ("undone", ["1234.5", (Keys.CONTROL, "z")], "Text1", ""),
    ("redone", ["1234.5", (Keys.CONTROL, "z"), (Keys.CONTROL, "y")], "Text1", "1234.5"),
]
for what, strokes, where, expected in typing_rows:
    load()
    element("Text1").click()
    keys(*strokes)
    if where.startswith("Command1"):
        element(where).click()
        where = "Text2"
    check(what, note() if where == "note" else value(where), expected)

# Pasting: a paste judged whole before it reaches the box; the clipboard from the window's keys.
paste_rows = [
    ("an amount among words", "Total USD 1,234.50", "Text1", "Text1", "1,234.50"),
    ("a column", "1\n2", "Text1", "note", "粘贴的内容含有多个数目，未粘贴"),
    ("a negative amount", "-5", "Text1", "note", "粘贴的金额带有正负号或括号，未粘贴"),
    ("too long for the result box", "A" * 10001, "Text2", "note", "输出框最多10000个字符，未粘贴"),
    ("into the result box", "A" * 10, "Text2", "Text2", "A" * 10),
]
for what, pasted, box, where, expected in paste_rows:
    load()
    clipboard(pasted)
    element(box).click()
    keys((Keys.CONTROL, "v"))
    check(what, note() if where == "note" else value(where), expected)
copy_rows = [
    ("the wording", "USD", "5", "c", "SAY US DOLLARS FIVE ONLY"),
    ("人民币大写", "cny", "1409.5", "r", "人民币壹仟肆佰零玖元伍角整"),
]
for what, code, amount, key, expected in copy_rows:
    load()
    type_into("Combo1", code + Keys.ENTER)
    type_into("Text1", amount)
    clipboard("before")
    keys((Keys.CONTROL, Keys.SHIFT, key))
    check(what + " copied", clipboard_changed_from("before"), expected)
    check(what + "'s note", note(), "已复制：" + expected)

# The currency list: a code typed, a name's start, a text that names none, an entry clicked.
currency_rows = [
    ("a code", "eur" + Keys.ENTER, "欧盟欧元 Euros",
     "输入： EUR1,234.50\n输出： SAY EUROS ONE THOUSAND TWO HUNDRED AND THIRTY FOUR & FIFTY CENTS ONLY"),
    ("an unknown name", "xyz" + Keys.TAB, "美国美元 US Dollars", USD),
    ("an amount", "1234.5" + Keys.TAB, "美国美元 US Dollars", USD),
]
for what, typed, entry, result in currency_rows:
    load()
    type_into("Text1", "1234.5")
    type_into("Combo1", typed)
    check(what + ": the entry", value("Combo1"), entry)
    check(what + ": the result", value("Text2"), result)
load()
type_into("Text1", "1")
element("Combo1").click()
keys((Keys.ALT, Keys.ARROW_DOWN))
element("Combo1List_12").click()
check("an entry clicked", value("Text2"), "输入： CNY1.00\n输出： SAY RENMINBI YUAN ONE ONLY")

# A wording form from the visible button's menu and from the result box's own, kept after a
# reload with the letter case; damaged kept values read as the design's.
load()
type_into("Text1", "1234.5")
element("Formats").click()
choose_from_menu("英文格式", "辅币", "AND 50/100")
ActionChains(driver).context_click(element("Text2")).perform()
choose_from_menu("英文格式", "开头", "SAY TOTAL")
element("Command1_1").click()
slash = "输入： Usd1,234.50\n输出： Say Total Us Dollars One Thousand Two Hundred And Thirty Four And 50/100 Only"
check("forms chosen from the menus", value("Text2"), slash)
load(keep=True)
type_into("Text1", "1234.5")
check("forms and case kept", value("Text2"), slash)
driver.execute_script("localStorage.setItem('qev-amount-words.subunit', 'slashes');"
                      "localStorage.setItem('qev-amount-words.case', '\\u0000')")
load(keep=True)
type_into("Text1", "1234.5")
check("damaged choices", value("Text2"),
      "输入： USD1,234.50\n输出： SAY TOTAL US DOLLARS ONE THOUSAND TWO HUNDRED AND THIRTY FOUR & FIFTY CENTS ONLY")

# The statement dialog, opened by the link from the mouse and the keyboard; the home page from
# its address and from the status bar, or said to be refused.
load()
element("Label3").click()
check("statement shown", element("Form2").get_attribute("open"), "true")
check("statement's third line", element("Label1_1").text, "3.本软件由Kestrune软件出品，用户可免费下载使用。官方网站：")
element("Label4").click()
element("Command1").click()
check("statement closed", driver.find_elements("css selector", "dialog[open]"), [])
element("Label3").send_keys(Keys.ENTER)
keys(Keys.ESCAPE)
check("statement closed by Escape", driver.find_elements("css selector", "dialog[open]"), [])
element("StatusBar1Panel").click()
check("home pages opened", driver.execute_script("return opened"), [HOME, HOME])
driver.execute_script("window.open = () => null")
element("StatusBar1Panel").click()
check("home page refused", note(), "无法打开主页：没有可用的浏览器")

# The batch panel: Ctrl+B, a pasted column worded row for row, its copy.
load()
keys((Keys.CONTROL, "b"))
clipboard("1234.5\n\n1..5")
element("Form3_Text1").click()
keys((Keys.CONTROL, "v"))
check("batch rows", value("Form3_Text2"),
      "SAY US DOLLARS ONE THOUSAND TWO HUNDRED AND THIRTY FOUR & FIFTY CENTS ONLY\n\n无法转换：小数点多于一个")
check("batch status", element("Form3_StatusBar1").text, "共2行，其中1行无法转换")
check("batch names", [element(id_).get_attribute("aria-label") for id_ in
                      ("Form3_Text1", "Form3_Text2")], ["金额列", "英文大写列"])

# Labelled and reached by the keyboard, in the design's tab order; the result in a live region.
load()
labels = {id_: element(id_).get_attribute("aria-label") for id_ in
          ("Text1", "Combo1", "Text2", "Command1_0", "Command1_1", "Command1_2", "Label3",
           "StatusBar1Panel")}
check("accessible names", labels, {"Text1": "金额", "Combo1": "币种", "Text2": "英文大写",
                                   "Command1_0": "全部大写", "Command1_1": "每词首字母大写",
                                   "Command1_2": "全部小写", "Label3": "声明",
                                   "StatusBar1Panel": "Kestrune软件主页"})
check("described", element("Label3").get_attribute("aria-description"), "打开使用说明（F1）")
order = []
for _ in range(9):
    keys(Keys.TAB)
    order.append(driver.switch_to.active_element.get_attribute("id"))
check("tab order", order, ["Text1", "Text2", "Command1_0", "Command1_1", "Command1_2", "Label3",
                           "StatusBar1Panel", "Formats", ""])
type_into("Text1", "1234.5")
check("live result", (element("Text2Live").get_attribute("aria-live"),
                      element("Text2Live").get_attribute("textContent")), ("polite", USD))
check("no network", driver.execute_script(
    "return performance.getEntriesByType('resource').map(r => r.name)"
    ".filter(name => !/^(data|blob):/.test(name))"), [])

# From a static server, as the page is hosted.
offline(False)
class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *_):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                         functools.partial(Quiet, directory=PAGE.parent))
threading.Thread(target=server.serve_forever, daemon=True).start()
load(f"http://127.0.0.1:{server.server_port}/{PAGE.name}")
type_into("Text1", "1234.5")
check("served", value("Text2"), USD)
server.shutdown()

# Exactness: amounts of 1 to 15 integer digits, commas now and then, 0 to 3 decimals, in seeded
# currencies, typed into the page and given to qev-words.
rng = random.Random(20261207)
amounts = {}
for _ in range(2000):
    digits = "".join(str(rng.randrange(10)) + ("," if rng.random() < 0.05 else "")
                     for _ in range(rng.randint(1, 15)))
    decimals = "".join(str(rng.randrange(10)) for _ in range(rng.randint(0, 3)))
    amounts.setdefault(rng.randrange(208), []).append(
        (digits + ("." + decimals if decimals else ""))[:22])
load()
for button, style in enumerate(("upper", "title", "lower")):
    element(f"Command1_{button}").click()
    for currency, column in amounts.items():
        worded = driver.execute_script("""
            document.getElementById('Combo1List_' + arguments[0]).click();
            const text1 = document.getElementById('Text1');
            return arguments[1].map(amount => {
                text1.focus();
                text1.select();
                document.execCommand('insertText', false, amount);
                return document.getElementById('Text2').value + '\\n';
            }).join('');""", currency, column)
        expected = subprocess.run([QEV_WORDS, "--currency", str(currency), "--case", style],
                                  input="\n".join(column) + "\n", capture_output=True,
                                  text=True).stdout
        check(f"{len(column)} amounts in currency {currency}, {style}", worded, expected)
driver.quit()

print(f"{len(checked) - len(failures)} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
