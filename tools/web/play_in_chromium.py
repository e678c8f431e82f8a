#!/usr/bin/python3
"""Plays the web page in a headless Chromium through its remote-debugging
protocol, with the keyboard as a player would, and proves each step; run by
tools/web/check_in_chromium.sh, which serves the page and starts Chromium.

usage: play_in_chromium.py DEBUG_PORT PAGE_URL SHOTS_FOLDER DOWNLOADS_FOLDER

Steps: the title (its time from opening the page is printed); a new game
"web" for the player Web with the second starter; wild battles until the
money buys a ZORIBall, the fighter of the first refused at its question (No),
then sent out (Yes); the ZORIBall bought in the Mart; a reload of the page;
the game loaded again from the browser's storage, with the battles' money; a
second tab refused that saved game, which the first one plays; the saved game
downloaded, and brought back with the title's From your computer... (the
browser's file chooser); the collection's page exported and downloaded; the
quit, after which the page says that the game has ended; and, in a German
browser, the page loading in German and the same end in German. Each step leaves a screenshot in
SHOTS_FOLDER and the run ends with 1 at the first step that does not happen.
"""
import base64
import json
import os
import subprocess
import sys
import time
import urllib.request

import websocket

port, url, shots, downloads = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4]
SAVED = "/home/web_user/Documents/web.zgs"


def fail(why):
    print("FAILED: " + why, file=sys.stderr)
    global failing
    if not failing:
        failing = True
        try:
            shot("failure")
            print("screen: " + os.path.join(shots, "failure.png"), file=sys.stderr)
        except Exception:  # the browser itself may be gone
            pass
    sys.exit(1)


failing = False


class ProtocolError(Exception):
    pass


class Page:
    """One tab of the browser, driven over its debugging socket."""

    def __init__(self, socket_url=None):
        """The first tab of the browser, or the one at `socket_url`."""
        self.events = []  # what the browser told meanwhile
        if socket_url:
            self.socket = websocket.create_connection(socket_url, timeout=120)
            self.next_id = 0
            return
        for _ in range(100):
            try:
                with urllib.request.urlopen("http://127.0.0.1:%s/json" % port) as answer:
                    targets = [t for t in json.load(answer) if t["type"] == "page"]
                if targets:
                    break
            except OSError:
                pass
            time.sleep(0.1)
        else:
            fail("Chromium's debugging port did not answer")
        self.socket = websocket.create_connection(targets[0]["webSocketDebuggerUrl"], timeout=120)
        self.next_id = 0

    def call(self, method, **params):
        self.next_id += 1
        self.socket.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            message = json.loads(self.socket.recv())
            if "method" in message:
                self.events.append(message)
            if message.get("id") == self.next_id:
                if "error" in message:
                    raise ProtocolError("%s: %s" % (method, message["error"]))
                return message.get("result", {})

    def evaluate(self, expression):
        result = self.call("Runtime.evaluate", expression=expression, returnByValue=True,
                           awaitPromise=True)
        if "exceptionDetails" in result:
            return None
        return result["result"].get("value")


def prepare(tab):
    tab.call("Page.enable")
    tab.call("Emulation.setDeviceMetricsOverride", width=1280, height=800, deviceScaleFactor=1,
             mobile=False)
    return tab


page = prepare(Page())
page.call("Browser.setDownloadBehavior", behavior="allow", downloadPath=downloads)


def shot(name):
    # While the page navigates it may refuse a screenshot for a moment.
    for attempt in range(50):
        try:
            data = page.call("Page.captureScreenshot", format="png")["data"]
            break
        except ProtocolError:
            if attempt == 49:
                raise
            time.sleep(0.1)
    path = os.path.join(shots, name + ".png")
    with open(path, "wb") as f:
        f.write(base64.b64decode(data))
    return path


def pixel(path, x, y):
    """The colour at (x, y) of a screenshot, as ImageMagick writes it: #RRGGBB."""
    out = subprocess.run(["convert", path, "-crop", "1x1+%d+%d" % (x, y), "-depth", "8",
                          "txt:-"], capture_output=True, text=True, check=True).stdout
    return out.split()[-2][:7] if "#" in out else ""


def differs(a, b):
    """How many pixels two screenshots differ in."""
    out = subprocess.run(["compare", "-metric", "AE", "-fuzz", "2%", a, b, "null:"],
                         capture_output=True, text=True)
    return int(float(out.stderr.split()[0]))


# Keys as the remote-debugging protocol sends them: the DOM key, its code and
# the Windows key code Chromium wants.
KEYS = {
    "Return": ("Enter", "Enter", 13), "Tab": ("Tab", "Tab", 9), "Escape": ("Escape", "Escape", 27),
    "Left": ("ArrowLeft", "ArrowLeft", 37), "Up": ("ArrowUp", "ArrowUp", 38),
    "Right": ("ArrowRight", "ArrowRight", 39), "Down": ("ArrowDown", "ArrowDown", 40),
    "F6": ("F6", "F6", 117), "BackSpace": ("Backspace", "Backspace", 8),
}
MODIFIERS = {"alt": 1, "ctrl": 2, "shift": 8}
MODIFIER_KEYS = {"alt": ("Alt", "AltLeft", 18), "ctrl": ("Control", "ControlLeft", 17),
                 "shift": ("Shift", "ShiftLeft", 16)}


def key(*names, pause=0.35):
    for name in names:
        *held, base = name.split("+")
        modifiers = sum(MODIFIERS[m] for m in held)
        if base in KEYS:
            dom, code, vk = KEYS[base]
            text = "\r" if base == "Return" else ""
        else:  # a letter
            dom, code, vk, text = base, "Key" + base.upper(), ord(base.upper()), ""
        # The modifier goes down first and up last, as on a real keyboard.
        for m in held:
            page.call("Input.dispatchKeyEvent", type="rawKeyDown", key=MODIFIER_KEYS[m][0],
                      code=MODIFIER_KEYS[m][1], windowsVirtualKeyCode=MODIFIER_KEYS[m][2],
                      modifiers=modifiers)
        down = dict(type="rawKeyDown", key=dom, code=code, windowsVirtualKeyCode=vk,
                    modifiers=modifiers)
        page.call("Input.dispatchKeyEvent", **down)
        if text and not modifiers:
            page.call("Input.dispatchKeyEvent", type="char", key=dom, text=text)
        page.call("Input.dispatchKeyEvent", type="keyUp", key=dom, code=code,
                  windowsVirtualKeyCode=vk, modifiers=modifiers)
        for m in held:
            page.call("Input.dispatchKeyEvent", type="keyUp", key=MODIFIER_KEYS[m][0],
                      code=MODIFIER_KEYS[m][1], windowsVirtualKeyCode=MODIFIER_KEYS[m][2])
        time.sleep(pause)


def type_text(text):
    for c in text:
        code = ("Key" + c.upper()) if c.isalpha() else ("Digit" + c if c.isdigit() else "")
        vk = ord(c.upper()) if c.isalnum() else 0
        page.call("Input.dispatchKeyEvent", type="keyDown", key=c, code=code, text=c,
                  windowsVirtualKeyCode=vk)
        page.call("Input.dispatchKeyEvent", type="keyUp", key=c, code=code,
                  windowsVirtualKeyCode=vk)
        time.sleep(0.1)


def saved_game():
    """The saved game as the page holds it, line by line; None before it exists."""
    text = page.evaluate("(() => { try { return game.module().FS.readFile(%s, "
                         "{encoding: 'utf8'}); } catch (e) { return null; } })()"
                         % json.dumps(SAVED))
    return None if text is None else text.split("\r\n")


def money(lines):
    return int(lines[8])


def wins(lines):
    return int(lines[9])


def items(lines):
    """How many items the player holds: the lines after the counters, up to
    the first of the collection's flags."""
    count, line = 0, 13
    while lines[line].isdigit():
        count += int(lines[line])
        line += 1
    return count


def wait_for(what, test, seconds=60):
    end = time.time() + seconds
    while time.time() < end:
        if test():
            return
        time.sleep(0.2)
    fail(what)


def status():
    """What the page itself says: while it loads, and once the game has ended."""
    return page.evaluate("(document.querySelector('#status') || {}).textContent")


def chooser():
    """The browser's file chooser the page opened, once the browser has told of it."""
    page.evaluate("0")             # lets the browser's news in
    return next((e["params"] for e in page.events if e["method"] == "Page.fileChooserOpened"),
                None)


loader_words = set()  # what the page said while it loaded, at the last open_page


def open_page(name):
    """Opens the page and waits for the title window: the loader's and the title's
    yellow face, with the title's first button, light, below the banner."""
    start = time.time()
    page.call("Page.navigate", url=url)
    title = None
    loader_words.clear()
    while time.time() - start < 120:
        loader_words.add(status())
        path = shot(name)
        running = page.evaluate("typeof game === 'object' && game.status === 'Running'")
        if running and is_title(path):
            title = time.time() - start
            break
        time.sleep(0.05)
    if title is None:
        fail("no title window within two minutes")
    page.evaluate("document.querySelector('#screen').focus()")
    # A click on the title window's title bar gives it the keyboard, as a
    # player's first click does.
    click(640, 400 - 187 + 12)
    time.sleep(0.5)
    return title


def load_at_title(name):
    """The title's Load a saved game...: the dialog over the documents, web.zgs."""
    key("Tab", "Return")
    time.sleep(1)
    type_text("web.zgs")
    shot(name)
    key("Return", pause=1)


def click(x, y):
    for kind in ("mousePressed", "mouseReleased"):
        page.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left", clickCount=1)


def is_title(path):
    # The title stands in the middle of the page: 552 x 374 and its title bar.
    # Its face is yellow and its buttons grey; the loader has no buttons.
    face = pixel(path, 640 - 276 + 4, 400 - 187 + 100)
    button = pixel(path, 640, 400 - 187 + 100)
    return face.upper().startswith("#FF") and button != face and button != ""


# -- The title --------------------------------------------------------------
first = open_page("01-title")
print("title window after %.2f s" % first)
# -- A new game -------------------------------------------------------------
key("Return")                      # Start a new game!: the save dialog in the page's documents
time.sleep(1)
shot("02-save-dialog")
type_text("web")
key("Return")
time.sleep(1)
type_text("Web")                   # the name dialog
shot("03-name")
key("Return")
time.sleep(1)
key("Down", "Return")              # the second starter: the ZORIDEX opens on it beside
time.sleep(2)                      # the main window, which keeps the keyboard
shot("04-starter")
wait_for("no saved game after the starter", lambda: saved_game() is not None, 10)
start = saved_game()
print("new game saved: %d lines, money %d" % (len(start), money(start)))

# -- Wild battles won to their end, the fighter's question answered both ways --
# Until there is money for a ZORIBall (1000 yen; a wild win brings 250).
for battle in range(1, 17):
    key("alt+a", "Down", "Right", "Return")   # Actions, Fight a wild ZORIKAN, Search
    key("Return")                             # "Select a ZORIKAN from the Statistics Window..."
    key("F6", "Return", pause=0.7)            # the statistics window: the creature's box
    key("Return", pause=0.7)                  # its OK: the question "Choose ...?"
    asked = shot("05-question-%d" % battle)
    if battle == 1:
        key("Escape", pause=0.7)              # No: the fighter stays
        refused = shot("06-question-no")
        if differs(asked, refused) < 500:
            fail("the question did not close at No")
        key("Return", "Return", pause=0.7)    # the creature's box again, its OK, the question
        asked_again = shot("07-question-again")
        if differs(refused, asked_again) < 500:
            fail("the question did not come back after No")
    key("Return", pause=0.7)                  # Yes: the fighter goes out
    key("Down", "Up", "Tab")                  # the first attack, Go!
    if battle == 1:
        shot("08-battle")
    for _ in range(30):
        key("Return", pause=0.25)
    lines = saved_game()
    if lines and wins(lines) >= 1 and money(lines) >= 1000:
        break
shot("09-battle-won")
after_battle = saved_game()
if not after_battle or wins(after_battle) < 1 or money(after_battle) < 1000:
    fail("not 1000 yen won in sixteen wild battles")
print("won after %d battles: money %d" % (battle, money(after_battle)))
if money(after_battle) <= money(start):
    fail("the battle brought no money")

# -- A purchase in the Mart ----------------------------------------------------
key("alt+a", "Down", "Down", "Down", "Return")  # Buy Items
time.sleep(1)
key("Down", "Up", "Tab")                        # the ZORIBalls; the quantity
type_text("1")
shot("10-mart")
key("Tab", "Return", pause=1)                   # Buy: the Mart closes
shot("11-bought")
bought = saved_game()
if money(bought) >= money(after_battle) or items(bought) <= items(after_battle):
    fail("the purchase is not in the saved game: items %d -> %d, money %d -> %d"
         % (items(after_battle), items(bought), money(after_battle), money(bought)))
print("bought %d items: money %d" % (items(bought) - items(after_battle), money(bought)))
wait_for("the browser's storage was not written",
         lambda: page.evaluate("game.module().zorikanFilesKept") > 0, 10)
time.sleep(1)  # the copy after the purchase

# -- A reload, and the game loaded from the browser's storage ---------------------
second = open_page("12-title-after-reload")
print("title window after %.2f s (reloaded)" % second)
stored = saved_game()
if stored != bought:
    fail("the browser's storage lost the game: %s" % ("no file" if not stored else "other lines"))
load_at_title("13-load-dialog")
time.sleep(1)
shot("14-loaded")

# -- A second tab on the same saved game is refused, as a second copy is ----------
first_tab = page
second_tab = first_tab.call("Target.createTarget", url="about:blank")["targetId"]
page = prepare(Page("ws://127.0.0.1:%s/devtools/page/%s" % (port, second_tab)))
page.call("Page.bringToFront")
open_page("15-second-tab")
load_at_title("15-second-tab-dialog")  # the same file
time.sleep(1)
# "This saved game is already open in another ZORIKAN Simulator window.", over the title
refused = shot("16-second-tab-refused")
if differs(os.path.join(shots, "15-second-tab.png"), refused) < 500:
    fail("the second tab said nothing of the saved game the first one holds")
key("Return", pause=1)             # its OK: the title again, no game in play
if not is_title(shot("17-second-tab-title")):
    fail("the second tab played a saved game the first one holds")
first_tab.call("Target.closeTarget", targetId=second_tab)
page = first_tab
page.call("Page.bringToFront")
if saved_game() != bought:
    fail("the refused second tab changed the saved game")
print("a second tab on the same saved game was refused")

# -- The saved game downloaded ----------------------------------------------------
for name in os.listdir(downloads):
    os.remove(os.path.join(downloads, name))
key("alt+f", "Down", "Return")     # File, Download saved game...
wait_for("no saved game downloaded", lambda: os.path.exists(os.path.join(downloads, "web.zgs")))
time.sleep(0.5)
with open(os.path.join(downloads, "web.zgs"), "rb") as f:
    downloaded = f.read().decode("utf-8").split("\r\n")
shot("18-downloaded")
# The download is the loaded game as the close writes it: the battle's money,
# less the purchase, is in it.
if money(downloaded) != money(bought) or wins(downloaded) != wins(bought):
    fail("the loaded game is not the stored one: money %d, wins %d"
         % (money(downloaded), wins(downloaded)))
print("loaded from the browser's storage and downloaded: money %d, wins %d"
      % (money(downloaded), wins(downloaded)))

# -- The downloaded game brought back from the computer ----------------------------
# A reload, the title's Load a saved game..., and its From your computer...: the
# browser's file chooser, answered with the downloaded file. It is stored beside
# the game of that name, as "web (2).zgs", and loaded.
open_page("19-title-for-computer")
page.call("Page.setInterceptFileChooserDialog", enabled=True)
page.events.clear()
key("Tab", "Return")               # Load a saved game...
time.sleep(1)
click(862, 546)                    # From your computer... (the dialog stands over the title)
wait_for("the browser's file chooser did not open", lambda: chooser() is not None, 10)
page.call("DOM.setFileInputFiles", files=[os.path.join(downloads, "web.zgs")],
          backendNodeId=chooser()["backendNodeId"])
time.sleep(2)
shot("20-from-computer")
key("alt+f", "Down", "Return")     # File, Download saved game...: the game now in play
brought = os.path.join(downloads, "web (2).zgs")
wait_for("the game from the computer is not the one in play", lambda: os.path.exists(brought))
time.sleep(0.5)
with open(brought, "rb") as f, open(os.path.join(downloads, "web.zgs"), "rb") as g:
    if f.read() != g.read():
        fail("the game from the computer came back with other bytes")
print("brought back from the computer as web (2).zgs and played: the same bytes")

# -- The collection's page exported: the page downloads it -------------------------
key("alt+f", "Return", pause=1)    # File, Export ZORIKAN information...
shot("21-export-question")         # "ZORIKAN Information exported to ZORIKAN.htm. View file now?"
key("Return")                      # Yes: the page downloads it
exported = os.path.join(downloads, "ZORIKAN.htm")
wait_for("the collection's page was not downloaded", lambda: os.path.exists(exported))
time.sleep(0.5)
with open(exported, encoding="utf-8") as f:
    if "ZORIKAN Information for Web" not in f.read():
        fail("the downloaded page is not the collection of Web")
print("the collection's page downloaded")

# -- Quitting: the page says the game has ended -----------------------------------
key("alt+f", "Up", "Return", pause=1)  # File, Quit (the menu's last entry)
wait_for("the page did not say the game has ended",
         lambda: status() == "The game has ended. Reload the page to play again.", 10)
shot("22-ended")
if saved_game() != bought:
    fail("quitting changed the saved game")
print("quit: the page says the game has ended")

# -- The browser's language: a German browser's page speaks German ------------------
page.call("Emulation.setUserAgentOverride", userAgent=page.evaluate("navigator.userAgent"),
          acceptLanguage="de-DE")
open_page("23-title-in-german")
if not loader_words & {"Wird geladen …", "Wird gestartet …"}:
    fail("the page did not load in German: %s" % sorted(w for w in loader_words if w))
key("Tab", "Tab", "Tab", "Tab", "Return")  # the title's last button, Exit
wait_for("the page did not take the browser's language",
         lambda: status() == "Das Spiel ist beendet. Lade die Seite neu, um wieder zu spielen.",
         10)
shot("24-ended-in-german")
print("a German browser: the page loads and the game ends in German")
print("TITLE_SECONDS %.2f" % first)
