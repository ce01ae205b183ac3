#!/usr/bin/python3
"""The web page's start-up and keystroke, in headless Chromium: from opening the file to the first
amount converted, beside a bare page with one input box whose text is echoed into a second box
(medians of RUNS loads each, in turn, after one untimed load of each, and their ratio), and the
time from a keystroke in the amount box to the new result (median and 90th percentile of 400).
Times are the page's own clock from the start of its navigation, so WebDriver's round trips are
left out.

web_startup.py path/to/qev-amount-words.html"""
import os
import pathlib
import statistics
import sys
import tempfile

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.support.ui import WebDriverWait
except ImportError:
    sys.exit("web_startup.py: no Selenium (python3-selenium): the web page's start-up is left out")

page = pathlib.Path(sys.argv[1]).resolve()
runs = int(os.environ.get("RUNS", 20))
bare = pathlib.Path(tempfile.mkdtemp()) / "bare.html"
bare.write_text("<!doctype html><meta charset='utf-8'><title>bare</title>"
                "<input id='Text1'><textarea id='Text2'></textarea><script>"
                "Text1.oninput = () => { Text2.value = Text1.value };"
                "document.body.classList.add('ready')</script>", encoding="utf-8")

options = webdriver.ChromeOptions()
options.binary_location = "/usr/bin/chromium"
for argument in ("--headless=new", "--no-sandbox", "--window-size=1000,800"):
    options.add_argument(argument)
driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
# Before any script of the page: the moment the page says it is ready, an amount typed into
# Text1, and the time when Text2 holds its result.
driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": """
    new MutationObserver((_, observer) => {
        if (document.body && document.body.classList.contains('ready')) {
            observer.disconnect();
            const text1 = document.getElementById('Text1');
            text1.focus();
            document.execCommand('insertText', false, '1234.5');
            window.firstConverted = document.getElementById('Text2').value
                ? performance.now() : -1;
        }
    }).observe(document, { subtree: true, childList: true, attributes: true });"""})


def start_up(path):
    driver.get(path.as_uri())
    converted = WebDriverWait(driver, 30).until(lambda d: d.execute_script(
        "return window.firstConverted"))
    if converted < 0:
        sys.exit(f"web_startup.py: {path.name} converted nothing")
    return converted


times = {page: [], bare: []}
for run in range(runs + 1):
    for path in times:
        converted = start_up(path)
        if run:
            times[path].append(converted)
page_ms, bare_ms = statistics.median(times[page]), statistics.median(times[bare])

# Keystrokes: a digit typed at the end, then taken back, each timed to the new result.
start_up(page)
strokes = driver.execute_script("""
    const text1 = document.getElementById('Text1'), text2 = document.getElementById('Text2');
    const times = [];
    for (let i = 0; i < 400; ++i) {
        const before = text2.value, start = performance.now();
        text1.setSelectionRange(text1.value.length, text1.value.length);
        document.execCommand(i % 2 ? 'delete' : 'insertText', false, String(1 + (i >> 1) % 9));
        if (text2.value === before) {
            return null;
        }
        times.push(performance.now() - start);
    }
    return times;""")
driver.quit()
if not strokes:
    sys.exit("web_startup.py: a keystroke left the result as it was")
strokes.sort()
print(f"web page start-up to the first converted amount, {runs} runs each, headless Chromium:")
print(f"  page ({page.stat().st_size / 1024:.0f} KiB): median {page_ms:6.1f} ms")
print(f"  bare page:        median {bare_ms:6.1f} ms")
print(f"  page / bare page: {page_ms / bare_ms:.2f}")
print(f"web page keystroke to the new result, {len(strokes)} keys: median "
      f"{statistics.median(strokes):.3f} ms, 90th percentile {strokes[len(strokes) * 9 // 10]:.3f} ms")
