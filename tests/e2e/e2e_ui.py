# SPDX-License-Identifier: GPL-3.0-or-later
"""The program's windows and controls as the accessibility bus shows them, found by caption and accessible name
(a box inside a group box takes the group's title), and the new-alarm wizard's road through them. The mouse
stands in where an accessible action would wait for a modal box or cannot pick an entry."""

from e2e_base import check, fail, run, stays, wait_until

MAIN_CAPTION = "Brevora"
CHOOSER_CAPTION = "Brevora   New Alarm"
NOTICE_CAPTION = "Alarm!!"
CONFIRM_CAPTION = "Confirm the elimination"


def _pyatspi():
    import pyatspi

    return pyatspi


class Accessibility:
    """The program's windows as the accessibility bus shows them."""

    def __init__(self, session):
        self.session = session

    def application(self):
        desktop = _pyatspi().Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == "Brevora":
                return app
        return None

    def shown_windows(self, caption=None, role=None):
        app = self.application()
        if app is None:
            return []
        return [window for window in children(app) if matches(window, role, caption) and showing(window)]

    def window(self, caption, role=None, timeout=10):
        """The shown window or message box with exactly this caption."""

        def find():
            self.session.expect_running()
            windows = self.shown_windows(caption, role)
            return windows[0] if windows else None

        return wait_until(f'the window "{caption}"', find, timeout)

    def main_window(self, timeout=10):
        return self.window(MAIN_CAPTION, role="frame", timeout=timeout)

    def gone(self, caption, role=None, timeout=10):
        def absent():
            self.session.expect_running()
            return not self.shown_windows(caption, role)

        wait_until(f'the window "{caption}" to close', absent, timeout)

    def absent_for(self, caption, duration, role=None):
        stays(f'the absence of the window "{caption}"', lambda: not self.shown_windows(caption, role), duration)

    def message(self, title, timeout=10):
        """A message box with this title, and the text it shows."""
        box = self.window(title, role="alert", timeout=timeout)
        labels = [label.name for label in descendants(box, "label") if label.name]
        return box, "\n".join(labels)


def showing(acc):
    try:
        return acc.getState().contains(_pyatspi().STATE_SHOWING)
    except Exception:
        return False


def children(acc):
    """The children of acc that still exist; a window may close while it is being looked at."""
    found = []
    try:
        for i in range(acc.childCount):
            child = acc.getChildAtIndex(i)
            if child is not None:
                found.append(child)
    except Exception:
        pass
    return found


def matches(acc, role, name):
    try:
        return (role is None or acc.getRoleName() == role) and (name is None or acc.name == name)
    except Exception:
        return False


def descendants(acc, role=None, name=None):
    """Every control under acc, depth first, with that role and accessible name where they are given."""
    found = []
    for child in children(acc):
        if matches(child, role, name):
            found.append(child)
        found.extend(descendants(child, role, name))
    return found


def control(window, role, name, timeout=5):
    found = wait_until(f'the {role} "{name}" in "{window.name}"', lambda: descendants(window, role, name), timeout)
    return found[0]


def act(acc, *names):
    """Runs the first of the named actions that the control offers."""
    action = acc.queryAction()
    offered = [action.getName(i) for i in range(action.nActions)]
    for name in names:
        if name in offered:
            action.doAction(offered.index(name))
            return
    fail(f'"{acc.name}" offers none of {names}, only {offered}')


def press(window, name, role="push button"):
    act(control(window, role, name), "Press", "Toggle")


def text_of(acc):
    text = acc.queryText()
    return text.getText(0, text.characterCount)


def type_into(window, name, text):
    """Sets the text of the box that accessibility calls name (a box in a group box takes the group's title)."""
    field = control(window, "text", name)
    field.queryEditableText().setTextContents(text)
    wait_until(f'"{text}" in the box "{name}"', lambda: text_of(field) == text, timeout=5)


def top_of(acc):
    return acc.queryComponent().getExtents(_pyatspi().DESKTOP_COORDS).y


def choose_option(window, label_text):
    """Sets the option button that stands on the same row as the label with this text."""
    row = top_of(control(window, "label", label_text))
    options = [o for o in descendants(window, "radio button") if abs(top_of(o) - row) <= 4]
    check(len(options) == 1, f'no single option button beside "{label_text}"')
    act(options[0], "Toggle", "Press")
    wait_until(f'the option "{label_text}" to be set',
               lambda: options[0].getState().contains(_pyatspi().STATE_CHECKED), timeout=5)


def choose_from_list(window, box_name, entry):
    """Opens a combo box's list and clicks one of its entries. Accessibility can select an entry of the open
    list but not pick it, so the click is the mouse's."""
    box = control(window, "combo box", box_name)
    act(box, "ShowMenu", "Press")
    item = wait_until(f'the entry "{entry}" of the open list',
                      lambda: [i for i in descendants(box, "list item", entry) if showing(i)], timeout=5)[0]
    click_centre(item)
    wait_until(f'"{entry}" in the box "{box_name}"',
               lambda: any(text_of(t) == entry for t in descendants(box, "text")), timeout=5)


def click_centre(acc, button=1):
    box = acc.queryComponent().getExtents(_pyatspi().DESKTOP_COORDS)
    run(["xdotool", "mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2), "click",
         str(button)], f'a click on "{acc.name}"')


def choose_menu_item(window, menu, item):
    """Opens a menu of the window's menu bar and clicks one of its items. An item's own accessible action runs
    its command before it answers, so an item that opens a message box would hold the caller until the box
    closes; the mouse does not wait."""
    opener = control(window, "menu item", menu)
    act(opener, "ShowMenu", "Press")
    entry = wait_until(f'the menu item "{item}" to show',
                       lambda: [m for m in descendants(opener, "menu item", item) if showing(m)], timeout=5)[0]
    click_centre(entry)


# --- the new-alarm wizard ------------------------------------------------------------------------------------------


def create_alarm(ui, caption, fields, text, text_box="Alarm text", weekday=None):
    """Goes the wizard's road from the main window: "New", the kind, "Next   >", the fields, "Create"."""
    press(ui.main_window(), "New")
    chooser = ui.window(CHOOSER_CAPTION)
    choose_option(chooser, caption)
    press(chooser, "Next   >")
    editor = ui.window(f"Brevora   New alarm ({caption})")
    ui.gone(CHOOSER_CAPTION)
    if weekday is not None:
        choose_from_list(editor, "Weekday", weekday)
    for name, value in fields:
        type_into(editor, name, value)
    type_into(editor, text_box, text)
    press(editor, "Create")
    ui.gone(editor.name)
    return ui.main_window()
