#!/usr/bin/python3
# Drives the question-add wizard through the accessibility tree, as a screen
# reader would: names every control it meets, presses "Add Questions", then
# answers each step with the Enter key alone. Prints what it saw.
import sys
import time

import pyatspi

ROLES = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
         pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY}


def app():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for a in desktop:
            if a is not None and a.name and "sumcraft" in a.name.lower():
                return a
        time.sleep(0.2)
    sys.exit("sumcraft is not on the accessibility bus")


def walk(node, found):
    try:
        if node.getRole() in ROLES and node.getState().contains(pyatspi.STATE_SHOWING):
            found.append(node)
        for child in node:
            if child is not None:
                walk(child, found)
    except Exception:
        pass
    return found


def window(title):
    for _ in range(50):
        for w in app():
            if w is not None and w.name == title and w.getState().contains(pyatspi.STATE_SHOWING):
                return w
        time.sleep(0.2)
    sys.exit("no window " + title)


def report(w):
    controls = walk(w, [])
    unnamed = [c.getRoleName() for c in controls if not c.name.strip()]
    focused = [c for c in walk(w, []) if c.getState().contains(pyatspi.STATE_FOCUSED)]
    labelled = []
    for c in controls:
        for r in c.getRelationSet():
            if r.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                labelled.append(c.name)
    print("== %s: %d controls, %d unnamed %s" % (w.name, len(controls), len(unnamed), unnamed))
    for c in controls:
        print("   %-12s %r" % (c.getRoleName(), c.name))
    print("   labelled by a label: %s" % labelled)
    print("   focus: %s" % ["%s %r" % (c.getRoleName(), c.name) for c in focused])
    ext = w.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    print("   place and size: %d,%d %dx%d" % (ext.x, ext.y, ext.width, ext.height))
    return controls


def enter():
    pyatspi.Registry.generateKeyboardEvent(0xff0d, None, pyatspi.KEY_SYM)  # Return
    time.sleep(1.0)


main = [w for w in app() if w is not None and w.getRoleName() == "frame"][0]
controls = report(main)
add = [c for c in controls if c.name.strip() == "Add Questions"][0]
add.queryAction().doAction(0)
time.sleep(1.0)
report(window("Question Add Wizard - Step 1 of 3"))
enter()
report(window("Question Add Wizard - Step 2 of 3"))
enter()
step3 = report(window("Question Add Wizard - Step 3 of 3"))
box = [c for c in step3 if c.name.strip() == "Always start section on new page"][0]
box.queryAction().doAction(0)  # the toggle a screen reader offers
time.sleep(1.0)
print("new-page box checked:", box.getState().contains(pyatspi.STATE_CHECKED))
enter()
time.sleep(1.0)
for c in walk(main, []):
    pass
count = [n for n in pyatspi.findAllDescendants(main, lambda n: n.getRoleName() == "label")]
print("after Enter in step 3, labels of the main window:", [n.name for n in count if n.name][:12])
