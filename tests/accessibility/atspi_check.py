#!/usr/bin/python3
"""The game as a screen reader sees it, through AT-SPI alone (no X events).

Starts the game with Qt's accessibility bridge on, lists every showing
control, fails on a control the player can use that has no name or only the
digits of its caption, opens "Next game" through its page tab, presses
"Start Game" by its accessible action, hears the play-by-play announced,
reads the results dialog and presses its OK.

Usage: atspi_check.py GAME_EXECUTABLE  (inside a display and an AT-SPI bus)
"""

import os
import re
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
import pyatspi  # noqa: E402
from gi.repository import GLib  # noqa: E402

# Roles a player works with even when they offer no action of their own.
USABLE_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_PAGE_TAB,
    pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_MENU_ITEM,
    pyatspi.ROLE_MENU, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_LINK,
}
# The pages, "Next game" last.
PAGES = ["Team", "Tactics", "Training", "Scout", "Gear", "Finances", "League table", "Schedule", "Next game"]
# A name made of nothing but the digits of a caption such as "1-2" or "3".
CAPTION_DIGITS = re.compile(r"^[\d\s\-.,:$]*$")


class Failure(Exception):
    pass


def pump(seconds):
    """Lets AT-SPI events arrive for `seconds`."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def wait_for(what, probe, timeout):
    end = time.monotonic() + timeout
    while True:
        try:
            found = probe()
        except GLib.Error:
            found = None  # the tree changed under us: look again
        if found:
            return found
        if time.monotonic() > end:
            raise Failure("timed out after %gs waiting for %s" % (timeout, what))
        pump(0.1)


def selected(obj):
    """Whether `obj` is selected now (asked afresh, past the client's cache)."""
    try:
        obj.clearCache()
        return obj.getState().contains(pyatspi.STATE_SELECTED)
    except GLib.Error:
        return False


def showing(obj):
    try:
        return obj.getState().contains(pyatspi.STATE_SHOWING)
    except GLib.Error:
        return False


def actions(obj):
    try:
        action = obj.queryAction()
    except (NotImplementedError, GLib.Error):
        return []
    return [action.getName(i) for i in range(action.nActions)]


def press(obj, what):
    names = actions(obj)
    for wanted in ("Press", "press", "click", "Toggle", "toggle"):
        if wanted in names:
            obj.queryAction().doAction(names.index(wanted))
            return
    raise Failure("%s offers no press action (actions: %s)" % (what, names))


def walk(obj, depth=0):
    """Every showing object under `obj` (hidden branches are skipped)."""
    yield obj, depth
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is not None and showing(child):
            yield from walk(child, depth + 1)


def find(root, role, name):
    for obj, _ in walk(root):
        if obj.getRole() == role and obj.name == name:
            return obj
    return None


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except GLib.Error:
            continue
    return None


def main_window(app):
    for i in range(app.childCount):
        w = app.getChildAtIndex(i)
        if w is not None and showing(w) and w.getRole() == pyatspi.ROLE_FRAME:
            return w
    return None


def check_names(window, quiet=False):
    """Lists the showing controls; returns the usable ones without a fit name."""
    bad = []
    count = 0
    for obj, depth in walk(window):
        role = obj.getRole()
        acts = [a for a in actions(obj) if a != "SetFocus"]
        usable = bool(acts) or role in USABLE_ROLES
        name = obj.name or ""
        count += 1
        if not quiet:
            print("%s%s %r%s" % ("  " * depth, obj.getRoleName(), name, " [%s]" % ", ".join(acts) if acts else ""))
        if usable and (not name.strip() or CAPTION_DIGITS.match(name)):
            bad.append("%s %r" % (obj.getRoleName(), name))
    if not quiet:
        print("-- %d showing objects" % count)
    return bad


def sub_tabs(window, main_tabs):
    """The showing page tabs that are not tabs of the main page control."""
    return [obj for obj, _ in walk(window) if obj.getRole() == pyatspi.ROLE_PAGE_TAB and obj.name not in main_tabs]


def label_texts(root):
    return [obj.name for obj, _ in walk(root) if obj.getRole() in (pyatspi.ROLE_LABEL, pyatspi.ROLE_STATIC)
            and obj.name]


def run(game):
    heard = []

    def on_showing(event):
        try:
            if event.detail1 == 1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
                heard.append(event.source.name)
        except GLib.Error:
            pass

    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
    # Listening for name changes keeps the names the client caches current.
    pyatspi.Registry.registerEventListener(lambda event: None, "object:property-change:accessible-name")

    env = dict(os.environ)
    env.update({
        "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
        "QT_QPA_PLATFORM": "xcb",
        "SDL_AUDIODRIVER": "dummy",
        "XDG_CONFIG_HOME": tempfile.mkdtemp(prefix="splat-a11y-"),
    })
    proc = subprocess.Popen([game], env=env)
    try:
        app = wait_for("the game on the accessibility bus", lambda: application(proc.pid), 30)
        window = wait_for("the main window", lambda: main_window(app), 30)
        wait_for("the page tabs", lambda: find(window, pyatspi.ROLE_PAGE_TAB, "Team"), 30)

        bad = check_names(window)
        # Every page in turn, the way a player without a mouse reaches them.
        for page in PAGES:
            tab = wait_for('"%s" as a page tab' % page, lambda: find(window, pyatspi.ROLE_PAGE_TAB, page), 10)
            press(tab, '"%s"' % page)
            wait_for('"%s" in front' % page, lambda: selected(tab), 10)
            pump(0.3)
            bad += check_names(window)
            # And every sub-page of it.
            for sub in sub_tabs(window, PAGES):
                press(sub, repr(sub.name))
                wait_for("%r in front" % sub.name, lambda: selected(sub), 10)
                pump(0.2)
                print("-- sub-page %r" % sub.name)
                bad += check_names(window)
        if bad:
            raise Failure("usable controls without a fit name: " + "; ".join(sorted(set(bad))))

        start = wait_for('"Start Game" on the Next game page',
                         lambda: find(window, pyatspi.ROLE_PUSH_BUTTON, "Start Game"), 10)
        fast = find(window, pyatspi.ROLE_RADIO_BUTTON, "Fast")
        if fast is not None:
            press(fast, '"Fast"')
            pump(0.3)

        press(start, '"Start Game"')
        line = wait_for("a play-by-play line announced",
                        lambda: next((h for h in heard if h and not h.startswith("Score:")), None), 20)
        print("-- announced: %r" % line)

        results = wait_for("the results dialog",
                           lambda: next((app.getChildAtIndex(i) for i in range(app.childCount)
                                         if app.getChildAtIndex(i) is not None
                                         and app.getChildAtIndex(i).name == "Match results"
                                         and showing(app.getChildAtIndex(i))), None), 120)
        texts = label_texts(results)
        print("-- results dialog: %r" % results.description)
        for t in texts:
            print("   %s" % t)
        if not results.description or not texts:
            raise Failure("the results dialog tells nothing: %r %r" % (results.description, texts))
        ok = wait_for("the results dialog's OK", lambda: find(results, pyatspi.ROLE_PUSH_BUTTON, "OK"), 10)
        press(ok, "OK")
        wait_for("the results dialog to close", lambda: not showing(results), 10)
        print("-- %d announcements during the match, the last ones:" % len(heard))
        for h in heard[-6:]:
            print("   %s" % h)
    finally:
        stop(proc)


def stop(proc):
    """Ends the game, killing it when it does not end in ten seconds."""
    proc.terminate()
    try:
        proc.wait(10)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    try:
        run(sys.argv[1])
    except Failure as failure:
        print("FAIL: %s" % failure)
        return 1
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
