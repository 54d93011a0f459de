#!/usr/bin/python3
"""The program as a screen reader sees it: started on a session bus of its own
with the accessibility bus running, its tree read over AT-SPI with pyatspi.
Roles, names, descriptions and states of the windows, the board and its rings,
the popup's controls; the press action on a ring opens its popup; the jumper's
value follows a press; state and value changes arrive as AT-SPI events."""
import os
import subprocess
import sys
import time
import unittest

import pyatspi
from gi.repository import GLib

PROGRAM = None
DEADLINE = 20.0


def pump():
    ctx = GLib.MainContext.default()
    while ctx.iteration(False):
        pass


def wait_for(condition, timeout=DEADLINE):
    """Polls until condition() is true or the deadline passes (events keep flowing)."""
    end = time.monotonic() + timeout
    while True:
        pump()
        try:
            value = condition()
        except Exception:  # objects come and go while windows are built
            value = None
        if value:
            return value
        if time.monotonic() > end:
            return None
        time.sleep(0.02)


def states(acc):
    return {pyatspi.stateToString(s) for s in acc.getState().getStates()}


def walk(acc):
    yield acc
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def find(root, role, name=None, showing=None):
    for acc in walk(root):
        if acc.getRoleName() == role and (name is None or acc.name == name):
            if showing is None or ('showing' in states(acc)) == showing:
                return acc
    return None


def press(acc):
    action = acc.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index('Press'))


class ScreenReaderView(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1')
        cls.program = subprocess.Popen([PROGRAM], env=env)
        desktop = pyatspi.Registry.getDesktop(0)

        def app():
            for i in range(desktop.childCount):
                a = desktop.getChildAtIndex(i)
                if a is not None and a.get_process_id() == cls.program.pid:
                    return a
            return None
        cls.app = wait_for(app)
        assert cls.app is not None, 'the program did not appear on the accessibility bus'
        cls.events = []
        cls.listener = lambda e: cls.events.append((e.type, e.source.name if e.source else None))
        pyatspi.Registry.registerEventListener(
            cls.listener, 'object:state-changed:expanded', 'object:state-changed:checked',
            'object:property-change:accessible-value', 'object:state-changed:focused')
        # Up with its help window over it.
        assert wait_for(lambda: find(cls.app, 'dialog', 'Instructions for Settings utility', showing=True))

    @classmethod
    def tearDownClass(cls):
        pyatspi.Registry.deregisterEventListener(
            cls.listener, 'object:state-changed:expanded', 'object:state-changed:checked',
            'object:property-change:accessible-value', 'object:state-changed:focused')
        cls.program.kill()
        cls.program.wait(10)

    def ring(self, name):
        board = find(self.app, 'image', 'NORVEL LX-4410 board')
        self.assertIsNotNone(board)
        return find(board, 'push button', name)

    def test_1_windows_board_and_rings(self):
        main = find(self.app, 'frame', 'Setup')
        self.assertIsNotNone(main, 'the main window is a frame named by its caption')
        help_window = find(self.app, 'dialog', 'Instructions for Settings utility')
        self.assertIsNotNone(help_window)
        self.assertIsNotNone(find(help_window, 'text', 'Instructions for Settings utility'),
                             'the rich text view is named after its window')
        self.assertIsNotNone(find(help_window, 'push button', 'Start'))
        board = find(main, 'image', 'NORVEL LX-4410 board')
        self.assertIsNotNone(board, 'the board photograph is an image named by the definition')
        self.assertIn('focusable', states(board))
        rings = [board.getChildAtIndex(i) for i in range(board.childCount)]
        self.assertEqual([(r.getRoleName(), r.name, r.description) for r in rings], [
            ('push button', 'External Power',
             'You can use the provided external power supply for higher current capabilities. To do so, set '
             'the jumper position to VEXT and plug in power before plugging in the USB cable.'),
            ('push button', 'LED Light', 'LED indicates Power and Activity'),
            ('push button', 'USB Connector', 'The USB connector on this board is a USB type B socket.'),
            ('push button', 'DC Input', 'DC Input power connector'),
        ])
        for r in rings:
            s = states(r)
            self.assertIn('focusable', s, r.name)
            self.assertIn('showing', s, r.name)
            self.assertNotIn('expanded', s, r.name)
            self.assertNotIn('checked', s, r.name)
            self.assertIn('Press', [r.queryAction().getName(i) for i in range(r.queryAction().nActions)])

    def test_2_press_on_a_ring_opens_its_popup_pinned(self):
        # Start in the help window opens the first ring's popup pinned; a
        # press on that ring closes it again.
        help_window = find(self.app, 'dialog', 'Instructions for Settings utility')
        press(find(help_window, 'push button', 'Start'))
        power = self.ring('External Power')
        self.assertTrue(wait_for(lambda: find(self.app, 'dialog', 'External Power', showing=True)))
        self.assertTrue(wait_for(lambda: {'expanded', 'checked'} <= states(power)), states(power))
        press(power)
        self.assertTrue(wait_for(lambda: not find(self.app, 'dialog', 'External Power', showing=True)))
        ring = self.ring('LED Light')
        del self.events[:]
        press(ring)
        popup = wait_for(lambda: find(self.app, 'dialog', 'LED Light', showing=True))
        self.assertIsNotNone(popup, 'the popup is a dialog named by its caption')
        self.assertTrue(wait_for(lambda: {'expanded', 'checked'} <= states(ring)), states(ring))
        self.assertIsNotNone(find(popup, 'text', 'LED Light'), 'the memo is named after its window')
        for button in ('Previous', 'Next', 'Done'):
            self.assertIsNotNone(find(popup, 'push button', button))
        # Pinning is announced (Qt's bridge passes on the checked state's changes).
        self.assertTrue(wait_for(lambda: ('object:state-changed:checked', 'LED Light') in self.events),
                        self.events)
        # Pressed again it closes the pinned popup, and the keyboard is back on the ring.
        press(ring)
        self.assertTrue(wait_for(lambda: not find(self.app, 'dialog', 'LED Light', showing=True)))
        self.assertTrue(wait_for(lambda: not ({'expanded', 'checked'} & states(ring))), states(ring))
        self.assertTrue(wait_for(lambda: 'focused' in states(ring)), states(ring))

    def test_3_power_popup_radio_buttons_and_jumper(self):
        press(self.ring('External Power'))
        popup = wait_for(lambda: find(self.app, 'dialog', 'External Power', showing=True))
        self.assertIsNotNone(popup)
        bus = find(popup, 'radio button', 'USB Bus Powered')
        ext = find(popup, 'radio button', 'External Powered')
        self.assertIsNotNone(bus, 'radio buttons are radio buttons, named by their captions')
        self.assertIsNotNone(ext)
        self.assertIn('checked', states(bus))
        self.assertNotIn('checked', states(ext))
        self.assertIsNotNone(find(popup, 'image', 'External power jack'))
        self.assertIsNotNone(find(popup, 'label', 'VEXT'))
        jumper = find(popup, 'spin button', 'Power source jumper')
        self.assertIsNotNone(jumper)
        self.assertIn('focusable', states(jumper))
        text = lambda: jumper.queryText().getText(0, -1)
        self.assertEqual(text(), 'middle and right')
        self.assertEqual(jumper.queryValue().currentValue, 2)
        del self.events[:]
        press(jumper)
        self.assertTrue(wait_for(lambda: text() == 'left and middle'), text())
        self.assertEqual(jumper.queryValue().currentValue, 1)
        self.assertTrue(wait_for(lambda: 'checked' in states(ext)), 'the coupling checks "External Powered"')
        self.assertNotIn('checked', states(bus))
        self.assertTrue(wait_for(
            lambda: ('object:property-change:accessible-value', 'Power source jumper') in self.events), self.events)
        # A press on "USB Bus Powered" moves the cap back.
        press(bus)
        self.assertTrue(wait_for(lambda: text() == 'middle and right'), text())

    def test_4_technical_support_is_a_dialog(self):
        item = find(find(self.app, 'frame', 'Setup'), 'menu item', 'Technical Support')
        self.assertIsNotNone(item)
        item.queryAction().doAction(0)
        dialog = wait_for(lambda: find(self.app, 'dialog', 'Technical Support', showing=True))
        self.assertIsNotNone(dialog, 'the technical-support window is a dialog named by its caption')
        self.assertIsNotNone(find(dialog, 'text', 'Technical Support'), 'its memo is named after it')
        self.assertIsNotNone(find(dialog, 'push button', 'Close'))


if __name__ == '__main__':
    PROGRAM = sys.argv.pop(1)
    unittest.main(verbosity=2)
