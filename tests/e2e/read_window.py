#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads the running calculator over AT-SPI as a screen reader does: the frame by its title, its
# controls by role and name, and the tax in the result field once 35000 is typed.
import subprocess, sys, time
import pyatspi

WANTED = {("push button", "نسخ"), ("push button", "لاستفساراتكم واقتراحاتكم"),
          ("push button", "الموقع"), ("text", "Mensuel"), ("text", "IRG"),
          ("image", "رسم توضيحي"), ("image", "جدول IRG الشهري لسنة 2008")}


def wait(what, found):  # the bridge, the focus and the result each come in their own time
    for _ in range(100):
        if found():
            return found()
        time.sleep(0.1)
    sys.exit(f"never: {what}")


title = " برنامج حساب IRG- ضريبة الدخل"
frame = wait(f"a frame named {title!r}", lambda: [
    w for a in pyatspi.Registry.getDesktop(0) if a and a.name == "irgcalc" for w in a
    if w.getRoleName() == "frame" and w.name == title])[0]
nodes = {(n.getRoleName(), n.name): n for n in pyatspi.findAllDescendants(frame, lambda n: True)}
if not WANTED <= nodes.keys():
    sys.exit(f"missing {WANTED - nodes.keys()}; found {sorted(nodes)}")
wait("the amount focused", lambda: nodes["text", "Mensuel"].getState().contains(pyatspi.STATE_FOCUSED))
subprocess.run(["xdotool", "type", "--delay", "60", "35000"], check=True)
wait("4000.00 read", lambda: nodes["text", "IRG"].queryText().getText(0, -1) == "4000.00")
