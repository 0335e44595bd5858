"""The clerk's whole job through the accessible tree alone, as a screen reader or voice
control user does it: every control is found by its role and name over AT-SPI, text is
set through the editable-text interface, and every button, check box, record and folder
is worked by its accessible actions. No coordinates, no key presses.

    clerk_job.py PID PHOTO_ROOT SQL_OUT TREE_OUT

PID is the running program's; PHOTO_ROOT the tree of high-resolution photos; SQL_OUT a
file with the chosen photos of the event ("local<TAB>name" lines) written by the caller;
TREE_OUT where the main window's accessible tree is written (and beside it tab-walk.txt,
what has the focus at each Tab)."""
import os
import subprocess
import sys
import time

import pyatspi

PID = int(sys.argv[1])
ROOT = sys.argv[2]
CHOSEN = sys.argv[3]
TREE_OUT = sys.argv[4]
TAB_OUT = os.path.join(os.path.dirname(TREE_OUT), "tab-walk.txt")

EVENT = "Maria da Conceição Alves"
TICKED = {"Salvar Fotos. Ampliação": "Edicao/Escolhidas_Ampliacao", "Salvar Fotos. Capa": "Edicao/Escolhidas_Capa"}
LOCAL_OF_FOLDER = {"Edicao/Escolhidas_Ampliacao": "7", "Edicao/Escolhidas_Capa": "6"}


def fail(why):
    # What the program showed then, to see why.
    try:
        a = app()
        if a is not None:
            dump(a, sys.stderr, limit=300)
    except Exception as error:  # the program may be gone
        print(f"(no tree: {error})", file=sys.stderr)
    sys.exit(f"accessibility: {why}")


def wait_for(what, find, timeout=30):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        try:
            found = find()
        except Exception:  # an object may go away while it is read
            found = None
        if found:
            return found
        time.sleep(0.2)
    fail(f"gave up waiting for {what}")


def app():
    for a in pyatspi.Registry.getDesktop(0):
        if a is not None and a.get_process_id() == PID:
            return a
    return None


# The names AT-SPI gives a role differ between versions of the libraries: every kind is
# matched by all of its spellings.
ALIASES = {
    "frame": {"frame", "window"},
    "text": {"text", "entry"},
    "password text": {"password text"},
    "push button": {"push button", "button"},
    "list": {"list", "list box"},
    "tree": {"tree", "tree table"},
    "tree item": {"tree item", "table row", "table cell"},
}


def is_a(acc, kind):
    return acc.getRoleName() in ALIASES.get(kind, {kind})


def children(acc):
    return [acc.getChildAtIndex(i) for i in range(acc.childCount)]


def descendants(acc):
    for child in children(acc):
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find(acc, role, name=None, contains=None):
    for d in descendants(acc):
        if not is_a(d, role):
            continue
        if name is not None and d.name != name:
            continue
        if contains is not None and contains not in d.name:
            continue
        return d
    return None


def window(role, name=None, contains=None):
    a = app()
    if a is None:
        return None
    for w in children(a):
        if w is None or not is_a(w, role):
            continue
        if name is not None and w.name != name:
            continue
        if contains is not None and contains not in w.name:
            continue
        if w.getState().contains(pyatspi.STATE_VISIBLE) or w.getState().contains(pyatspi.STATE_SHOWING):
            return w
    return None


def act(acc, action):
    a = acc.queryAction()
    names = [a.getName(i) for i in range(a.nActions)]
    if action not in names:
        fail(f"{acc.getRoleName()} '{acc.name}' has no action '{action}' (it has {names})")
    a.doAction(names.index(action))


def text_of(acc):
    t = acc.queryText()
    return t.getText(0, t.characterCount)


def state(acc):
    s = acc.getState()
    words = []
    for flag, word in (
        (pyatspi.STATE_FOCUSED, "focused"),
        (pyatspi.STATE_CHECKED, "checked"),
        (pyatspi.STATE_SELECTED, "selected"),
        (pyatspi.STATE_EXPANDED, "expanded"),
        (pyatspi.STATE_COLLAPSED, "collapsed"),
        (pyatspi.STATE_READ_ONLY, "read only"),
    ):
        if s.contains(flag):
            words.append(word)
    if not s.contains(pyatspi.STATE_ENABLED):
        words.append("disabled")
    return words


def describe(acc):
    parts = [acc.getRoleName(), repr(acc.name)]
    try:
        v = acc.queryValue()
        parts.append(f"value {v.currentValue:g} of {v.minimumValue:g}..{v.maximumValue:g}")
    except NotImplementedError:
        pass
    parts += state(acc)
    return " ".join(parts)


def dump(acc, out, depth=0, limit=400):
    if limit <= 0:
        return 0
    out.write("  " * depth + describe(acc) + "\n")
    limit -= 1
    shown = children(acc)
    # A table's first row tells its shape; the rest is its data.
    if is_a(acc, "table") and len(shown) > 4:
        out.write("  " * (depth + 1) + f"... {len(shown)} cells in all, of which the first:\n")
        shown = shown[:4]
    for child in shown:
        if child is not None:
            limit = dump(child, out, depth + 1, limit)
    return limit


# --- Log in ------------------------------------------------------------------------
login = wait_for("the login window", lambda: window("frame", "Login") or window("dialog", "Login"))
user = wait_for("the edit named Login", lambda: find(login, "text", "Login"))
password = find(login, "password text", "Senha") or find(login, "text", "Senha")
if password is None:
    fail("no edit named Senha in the login window")
user.queryEditableText().setTextContents("demo")
password.queryEditableText().setTextContents("demo")
if text_of(user) != "demo":
    fail(f"the login edit shows {text_of(user)!r}")
act(find(login, "push button", "Logar"), "Press")

# --- The main window ------------------------------------------------------------------
def find_main():
    a = app()
    for w in children(a) if a else []:
        if w is not None and is_a(w, "frame") and find(w, "push button", "Localizar Cliente"):
            return w
    return None


main = wait_for("the main window", find_main)
act(find(main, "push button", "Localizar Cliente"), "Press")

# --- Search and choose ---------------------------------------------------------------
search = wait_for("the search window", lambda: window("dialog", "Localizar Cliente"))
field = wait_for("the search edit", lambda: find(search, "text", "Localizar Cliente"))
field.queryEditableText().setTextContents("2026")
act(find(search, "push button", "Localizar"), "Press")
records = wait_for("the events found", lambda: (lambda l: l if l and l.childCount > 0 else None)(find(search, "list")))
record = wait_for(f"the event {EVENT}", lambda: find(records, "list item", contains=EVENT))
print(f"accessibility: choosing {record.name!r} of {records.childCount} events")
act(record, "Press")
wait_for("the search window to close", lambda: window("dialog", "Localizar Cliente") is None)

# The tabs carry the counts of the chosen event.
tabs = find(main, "page tab list")
tab_names = [t.name for t in children(tabs)]
print(f"accessibility: tabs {tab_names}")
if len(tab_names) != 5:
    fail(f"the page control has {len(tab_names)} tabs")

# --- Categories ------------------------------------------------------------------------
for caption in TICKED:
    box = find(main, "check box", caption)
    if box is None:
        fail(f"no check box named {caption!r}")
    if box.getState().contains(pyatspi.STATE_CHECKED):
        fail(f"{caption!r} is ticked before the clerk ticks it")
    act(box, "Toggle")
    wait_for(f"{caption!r} to be ticked", lambda: box.getState().contains(pyatspi.STATE_CHECKED))

# --- The folder of the photos ----------------------------------------------------------
act(find(main, "push button", "..."), "Press")
dialog = wait_for("the folder dialog", lambda: window("dialog", "Select folder"))
tree = wait_for("the folder tree", lambda: find(dialog, "tree"))


def rows():
    return children(tree)


def open_path(path):
    """Selects `path`: from the file system's row down, expanding each folder on the way."""
    start = wait_for("the file system's row",
                     lambda: next((i for i, r in enumerate(rows()) if r.name in ("File System", "/")), None))
    at = start
    for part in [p for p in path.split("/") if p]:
        row = rows()[at]
        if row.getState().contains(pyatspi.STATE_COLLAPSED):
            act(row, "expand")
            wait_for(f"{row.name!r} to expand", lambda: rows()[at].getState().contains(pyatspi.STATE_EXPANDED))
        following = rows()[at + 1:]
        found = next((i for i, r in enumerate(following) if r.name == part), None)
        if found is None:
            fail(f"no folder {part!r} below {row.name!r}: {[r.name for r in following[:30]]}")
        at = at + 1 + found
    act(rows()[at], "select")
    wait_for(f"{path} to be selected", lambda: rows()[at].getState().contains(pyatspi.STATE_SELECTED))


open_path(ROOT)
act(find(dialog, "push button", "OK"), "Press")
wait_for("the folder dialog to close", lambda: window("dialog", "Select folder") is None)
folder_edit = find(main, "text", contains="Selecione Diretório")
if folder_edit is None or text_of(folder_edit).rstrip("/") != ROOT.rstrip("/"):
    fail(f"the folder edit shows {text_of(folder_edit) if folder_edit else None!r}, not {ROOT!r}")
if not folder_edit.getState().contains(pyatspi.STATE_READ_ONLY) and folder_edit.getState().contains(pyatspi.STATE_EDITABLE):
    fail("the folder edit is not read only")

# --- The main window as a screen reader reads it ----------------------------------------
with open(TREE_OUT, "w", encoding="utf-8") as out:
    dump(main, out)

# --- Tabbing through it ------------------------------------------------------------------
# What a screen reader speaks at each Tab: the control that has the focus. Only this part
# uses the keyboard, as the user it describes does.
def focused(acc):
    """The innermost object with the focus: a tab rather than its list, the edit's text
    rather than its frame, the current row's first cell rather than the table."""
    for child in children(acc):
        if child is not None and child.getState().contains(pyatspi.STATE_FOCUSED):
            return focused(child) or child
    for child in children(acc):
        # Down into containers only: a table's or tree's unfocused items hold no focus.
        if child is not None and child.childCount and not (is_a(child, "table") or is_a(child, "tree")):
            found = focused(child)
            if found:
                return found
    return None


subprocess.run(["xdotool", "search", "--sync", "--name", main.name, "windowfocus", "--sync"], check=False,
               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=20)
find(main, "page tab list").queryComponent().grabFocus()
heard = []
for _ in range(12):
    now = wait_for("the focus", lambda: focused(main), timeout=10)
    heard.append(describe(now))
    subprocess.run(["xdotool", "key", "Tab"], check=True, timeout=20)
    time.sleep(0.4)
with open(TAB_OUT, "w", encoding="utf-8") as out:
    out.write("\n".join(heard) + "\n")
print("accessibility: tabbing through the main window:\n  " + "\n  ".join(heard))

# --- Transfer ---------------------------------------------------------------------------
act(find(main, "push button", "Transferir Fotos"), "Press")


def transfer_end():
    a = app()
    for w in children(a) if a else []:
        if w is None or not (is_a(w, "dialog") or is_a(w, "alert") or is_a(w, "frame")) or w == main:
            continue
        if find(w, "push button", "OK") or find(w, "push button", "Fechar"):
            if not find(w, "progress bar"):
                return w
    return None


end = wait_for("the end of the transfer", transfer_end, timeout=120)
print(f"accessibility: the transfer ended with {end.getRoleName()} {end.name!r}")
act(find(end, "push button", "OK") or find(end, "push button", "Fechar"), "Press")

# --- What was copied --------------------------------------------------------------------
on_disk = {}
for folder, dirs, files in os.walk(ROOT):
    # Hidden folders and files are the clerk's own (a recycle bin, a copy left aside): the
    # transfer passes over them, and so do the edit folders.
    dirs[:] = [d for d in dirs if not d.startswith(".") and not (folder == ROOT and d == "Edicao")]
    for f in files:
        if f.startswith("."):
            continue
        on_disk.setdefault(f, []).append(os.path.join(folder, f))
chosen = {}
for line in open(CHOSEN, encoding="utf-8"):
    local, name = line.rstrip("\n").split("\t")
    chosen.setdefault(local, set()).add(name)
copied = 0
for folder, local in LOCAL_OF_FOLDER.items():
    expected = {n for n in chosen.get(local, set()) if n.lower().endswith(".jpg") and n in on_disk}
    target = os.path.join(ROOT, folder)
    present = set(os.listdir(target)) if os.path.isdir(target) else set()
    if present != expected:
        fail(f"{folder} holds {sorted(present)}, expected {sorted(expected)}")
    for name in expected:
        data = open(os.path.join(target, name), "rb").read()
        if not any(data == open(src, "rb").read() for src in on_disk[name]):
            fail(f"{folder}/{name} is no copy of a photo of the tree")
    copied += len(expected)
for folder in ("Edicao/Escolhidas_Bioombo", "Edicao/Escolhidas_Outos", "Edicao/Escolhidas_Album"):
    if os.path.isdir(os.path.join(ROOT, folder)) and os.listdir(os.path.join(ROOT, folder)):
        fail(f"{folder} was written though its box was not ticked")
if copied == 0:
    fail("the event's ticked categories copied nothing: the check proves nothing")
print(f"accessibility: {copied} photos copied into the ticked categories' folders")

# --- Closing through the frame's close button -------------------------------------------
close = next((c for c in children(main) if is_a(c, "push button") and c.name == "Close"), None)
if close is None:
    fail(f"the main window's frame has no close button: {[c.name for c in children(main) if is_a(c, 'push button')]}")
act(close, "Press")
print("accessibility: ok")
