"""What Orca would have said, read from its debug log as the log grows: the
speech tests wait for a spoken line after each key and report the events a
step cost the screen reader."""
import re

from atspi_helpers import fail, wait_for


class Speech:
    """Orca's spoken lines, read on as the log grows."""

    def __init__(self, path):
        self.path = path
        self.seen = 0
        self.events_at = (0, 0)

    def lines(self):
        with open(self.path, errors="replace") as f:
            text = f.read()
        # The line ends in the voice Orca would have used: "... 'text' {...}".
        return re.findall(r"SPEECH OUTPUT: '(.*?)'\s*(?:voice=\w+\s*)?\{", text)

    def mark(self):
        self.seen = len(self.lines())
        self.events_at = self.events()

    def events(self):
        """How many events Orca has queued, and how many it dropped as a deluge."""
        with open(self.path, errors="replace") as f:
            text = f.read()
        return text.count("EVENT MANAGER: Queueing"), text.count("EVENT MANAGER: DELUGE")

    def report_events(self, action):
        """Prints the events one action cost Orca since the mark."""
        queued, deluge = self.events()
        print(f"  {action}: {queued - self.events_at[0]} events queued, "
              f"{deluge - self.events_at[1]} deluge warnings")

    def wait(self, pattern, what, timeout=30):
        """Waits until Orca speaks a line matching the pattern after the mark."""
        def spoken():
            new = self.lines()[self.seen:]
            for i, line in enumerate(new):
                if re.search(pattern, line):
                    return self.seen + i + 1
            return None
        found = wait_for(spoken, timeout, 0.1)
        if found is None:
            fail(f"{what}: Orca did not speak /{pattern}/; it said {self.lines()[self.seen:]}")
            return False
        self.seen = found
        return True
