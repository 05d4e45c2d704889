"""Korvana as a screen reader meets it: the accessibility tree read over AT-SPI,
and the buttons and lists worked through their accessibility interfaces alone.
Run by ctest inside a private D-Bus session and Xvfb; argument: the korvana program."""
import os
import subprocess
import sys
import unittest

from waiting import stop, wait_for

import pyatspi

KORVANA = sys.argv.pop(1)
EMPTY = "Няма начертана фигура"


def find(node, name, role):
    for child in node:
        if child.name == name and child.getRole() == role:
            return child
    return None


class Accessibility(unittest.TestCase):
    def setUp(self):
        environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        environment.pop("QT_QPA_PLATFORM", None)
        self.korvana = subprocess.Popen([KORVANA], env=environment)
        application = wait_for(lambda: next(
            (a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "Korvana"), None))
        self.assertIsNotNone(application, "Korvana is not on the accessibility bus")
        self.window = wait_for(lambda: application.getChildCount() and application[0])
        self.assertEqual(self.window.getRole(), pyatspi.ROLE_FRAME)
        # Spoken without the web address that starts the caption.
        self.assertEqual(self.window.name, "Korvana - измерване на честота")
        # The ten controls, and the notification that speaks what the buttons did.
        self.assertTrue(wait_for(lambda: self.window.getChildCount() == 11))

    def tearDown(self):
        stop(self.korvana)

    def control(self, name, role):
        control = find(self.window, name, role)
        self.assertIsNotNone(control, f"no {pyatspi.Role(role)} named {name!r}")
        return control

    def plot_description(self):
        return self.control("Фигура на Лисажу", pyatspi.ROLE_IMAGE).description

    def selected_item(self, list_name):
        # Qt 6.4 reports a list's selection in its items' states.
        items = self.control(list_name, pyatspi.ROLE_LIST)
        selected = [item.name for item in items if item.getState().contains(pyatspi.STATE_SELECTED)]
        self.assertEqual(len(selected), 1, f"{list_name} has {selected} selected")
        return selected[0]

    def act_on_item(self, list_name, item_name):
        item = find(self.control(list_name, pyatspi.ROLE_LIST), item_name, pyatspi.ROLE_LIST_ITEM)
        action = item.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        self.assertIn("Toggle", names)
        action.doAction(names.index("Toggle"))

    def press(self, button_name):
        action = self.control(button_name, pyatspi.ROLE_PUSH_BUTTON).queryAction()
        self.assertIn(action.getName(0), ("Press", "press", "click"))
        action.doAction(0)

    def test_every_control_has_a_name_and_role(self):
        help_text = self.control("Помощ", pyatspi.ROLE_TEXT)
        states = help_text.getState()
        self.assertTrue(states.contains(pyatspi.STATE_SHOWING))
        self.assertFalse(states.contains(pyatspi.STATE_EDITABLE))
        self.assertIn("Тема на проекта: Korvana.", help_text.queryText().getText(0, -1))
        self.assertFalse(self.control("Афоризъм", pyatspi.ROLE_TEXT).getState().contains(pyatspi.STATE_SHOWING))
        for label in ("Korvana", "X", "Y"):
            self.control(label, pyatspi.ROLE_LABEL)
        self.assertEqual(self.control("X", pyatspi.ROLE_LIST).getChildCount(), 19)
        self.assertEqual(self.control("Y", pyatspi.ROLE_LIST).getChildCount(), 19)
        self.control("Изведи", pyatspi.ROLE_PUSH_BUTTON)
        self.control("Изчисти", pyatspi.ROLE_PUSH_BUTTON)
        self.assertEqual(self.plot_description(), EMPTY)
        self.assertEqual((self.selected_item("X"), self.selected_item("Y")), ("1", "3"))

    def test_buttons_and_lists_work_through_accessibility(self):
        self.press("Изведи")
        self.assertEqual(wait_for(lambda: self.plot_description() != EMPTY and self.plot_description()),
                         "Фигура на Лисажу за a = 1 и b = 3; допирания: горе 3, отстрани 1")
        self.press("Изчисти")
        self.assertEqual(wait_for(lambda: self.plot_description() == EMPTY and self.plot_description()), EMPTY)

        # Acting on another item selects it; acting on the selected one keeps it.
        self.act_on_item("Y", "7")
        self.assertEqual(wait_for(lambda: self.selected_item("Y") == "7" and "7"), "7")
        self.act_on_item("Y", "7")
        self.act_on_item("X", "1")
        self.assertEqual((self.selected_item("X"), self.selected_item("Y")), ("1", "7"))
        self.press("Изведи")
        self.assertEqual(wait_for(lambda: self.plot_description() != EMPTY and self.plot_description()),
                         "Фигура на Лисажу за a = 1 и b = 7; допирания: горе 7, отстрани 1")


if __name__ == "__main__":
    # pyatspi's own calls into the AT-SPI library are deprecated there, not ours.
    result = unittest.main(exit=False, verbosity=2, warnings="ignore").result
    failed = len(result.failures) + len(result.errors)
    print(f"{result.testsRun - failed} passed, {failed} failed")
    sys.exit(1 if failed else 0)
