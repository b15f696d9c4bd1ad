#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A stand-in for the desktop's notification server on the session bus: it takes the name
org.freedesktop.Notifications, answers as a server with markup would, and writes every notification it is sent
to RECORD as one JSON line, with the moment it came (time.monotonic()); a CloseNotification is a line with
"close" and the id. The line "ready" on its output says the name is taken. With --hang it records the
notifications but never answers, as a server that hangs; with --slow it answers each only after five seconds. With --invoke ACTION it answers, and a moment later
invokes that action of every notification that offers it, as a user choosing it would. With --impostor ID it is no
server: another client that says, on the server's path, that notification ID was closed and its default action
chosen, then ends.

usage: fake_notifications.py RECORD [--hang | --slow | --invoke ACTION | --impostor ID]"""

import json
import signal
import sys
import time

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

INTERFACE = """
<node>
  <interface name="org.freedesktop.Notifications">
    <method name="Notify">
      <arg direction="in" type="s"/><arg direction="in" type="u"/><arg direction="in" type="s"/>
      <arg direction="in" type="s"/><arg direction="in" type="s"/><arg direction="in" type="as"/>
      <arg direction="in" type="a{sv}"/><arg direction="in" type="i"/><arg direction="out" type="u"/>
    </method>
    <method name="CloseNotification"><arg direction="in" type="u"/></method>
    <method name="GetCapabilities"><arg direction="out" type="as"/></method>
    <method name="GetServerInformation">
      <arg direction="out" type="s"/><arg direction="out" type="s"/><arg direction="out" type="s"/>
      <arg direction="out" type="s"/>
    </method>
    <signal name="NotificationClosed"><arg type="u"/><arg type="u"/></signal>
    <signal name="ActionInvoked"><arg type="u"/><arg type="s"/></signal>
  </interface>
</node>"""
PATH = "/org/freedesktop/Notifications"
NAME = "org.freedesktop.Notifications"


class Server:
    def __init__(self, record, hang, invoke=None, slow=False):
        self.record = record
        self.hang = hang
        self.slow = slow
        self.invoke = invoke
        self.unanswered = []
        self.last_id = 0

    def call(self, connection, sender, path, interface, method, parameters, invocation):
        # Stamped on arrival: unpacking an image hint takes the stand-in itself a while.
        at = time.monotonic()
        if method == "Notify":
            app, replaces, icon, summary, body, actions, hints, timeout = parameters.unpack()
            number = replaces or self.last_id + 1
            self.last_id = max(self.last_id, number)
            with open(self.record, "a") as out:
                out.write(json.dumps(dict(at=at, app=app, replaces=replaces, icon=icon,
                                          summary=summary, body=body, actions=actions, hints=hints,
                                          timeout=timeout, id=number)) + "\n")
            if self.hang:
                self.unanswered.append(invocation)
            elif self.slow:
                GLib.timeout_add(5000, self.answer_late, invocation, number)
            else:
                invocation.return_value(GLib.Variant("(u)", (number,)))
                if self.invoke in actions[::2]:
                    GLib.timeout_add(300, self.invoked, connection, number)
        elif method == "CloseNotification":
            with open(self.record, "a") as out:
                out.write(json.dumps(dict(at=at, close=parameters.unpack()[0])) + "\n")
            invocation.return_value(None)
        elif method == "GetCapabilities":
            invocation.return_value(GLib.Variant("(as)", (["body", "body-markup", "actions"],)))
        elif method == "GetServerInformation":
            invocation.return_value(GLib.Variant("(ssss)", ("fake", "brevora tests", "1", "1.2")))
        else:
            invocation.return_value(None)


    def answer_late(self, invocation, number):
        invocation.return_value(GLib.Variant("(u)", (number,)))
        return GLib.SOURCE_REMOVE

    def invoked(self, connection, number):
        connection.emit_signal(None, PATH, NAME, "ActionInvoked", GLib.Variant("(us)", (number, self.invoke)))
        return GLib.SOURCE_REMOVE


def impostor(number):
    connection = Gio.bus_get_sync(Gio.BusType.SESSION)
    connection.emit_signal(None, PATH, NAME, "NotificationClosed", GLib.Variant("(uu)", (number, 2)))
    connection.emit_signal(None, PATH, NAME, "ActionInvoked", GLib.Variant("(us)", (number, "default")))
    connection.flush_sync(None)


def main():
    if sys.argv[2:3] == ["--impostor"]:
        impostor(int(sys.argv[3]))
        return
    invoke = sys.argv[3] if sys.argv[2:3] == ["--invoke"] else None
    server = Server(sys.argv[1], sys.argv[2:] == ["--hang"], invoke, slow=sys.argv[2:] == ["--slow"])
    loop = GLib.MainLoop()
    connection = Gio.bus_get_sync(Gio.BusType.SESSION)
    info = Gio.DBusNodeInfo.new_for_xml(INTERFACE).interfaces[0]
    connection.register_object(PATH, info, server.call, None, None)

    def acquired(*_):
        print("ready", flush=True)

    Gio.bus_own_name_on_connection(connection, NAME, Gio.BusNameOwnerFlags.NONE, acquired, lambda *_: loop.quit())
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, lambda: loop.quit() or GLib.SOURCE_REMOVE)
    loop.run()


if __name__ == "__main__":
    if len(sys.argv) not in (2, 3, 4):
        sys.exit(__doc__)
    main()
