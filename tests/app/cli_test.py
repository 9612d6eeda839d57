"""orvalis-cli against the virtual module on a pseudo-terminal and against a
slave that is not ours (pymodbus): exit codes, what goes to standard output
and to standard error, and the exact bus traffic of each command.

    cli_test.py ORVALIS_CLI VIRTUAL_MODULE [unittest args]
"""
import json
import os
import pty
import re
import runpy
import select
import signal
import struct
import subprocess
import sys
import tempfile
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tools"))
import modulerig  # noqa: E402

CLI = None
PORT = "91"
CLOCK_WRITE = (16, 31500)  # every connect sets the module's clock first

# Grown under the sanitizers, whose builds run several times slower.
TIME_FACTOR = max(1, int(os.environ.get("ORVALIS_TEST_TIME_FACTOR") or 1))


def run_cli(*args, ports, env=None, timeout=60):
    full_env = dict(os.environ, ORVALIS_SERIAL_PORTS=ports, **(env or {}))
    return subprocess.run([CLI, *args], env=full_env, capture_output=True, text=True,
                          timeout=timeout * TIME_FACTOR)


def floats(*values):
    return [w for v in values for w in struct.unpack(">HH", struct.pack(">f", v))]


# A file as an operator could write it by hand.
SETTINGS = {"temperatureThreshold": 80, "transformerRatioL1": 800, "transformerRatioL2": 4000,
            "transformerRatioL3": 6000, "fsdId": "AB1C",
            "installationDate": "2023-11-20", "meanDuration": 30, "activePowerOnFundamental": False,
            "frequency60Hz": True, "voltageThreshold": 240, "voltageThresholdDuration": 3,
            "currentThreshold": 40, "currentThresholdDuration": 9, "minimumTimeBetweenMessages": 5,
            "callMonitoringTime": 600, "parity": 1, "baudRate": 115200, "slaveAddress": 247}


def write_settings(path, settings, version=2):
    with open(path, "w") as f:
        json.dump({"format": "orvalis-module-settings", "version": version, "readAt": "2024-05-02T09:30:00.000Z",
                   "module": {"serialNumber": "070123450012", "firmwareVersion": "112",
                              "hardwareVersion": "3", "lastBoot": "03/07/24 14:05"},
                   "settings": [{"key": k, "value": v} for k, v in settings.items()]}, f)
    return path


class FullFolder:
    """A tmpfs of 64 KiB on a temporary folder, its room taken by a filler: a
    full disk. Needs root; `problem` says why there is none."""

    def __init__(self):
        self.problem = None
        self.dir = tempfile.TemporaryDirectory()
        self.path = self.dir.name
        if os.geteuid() != 0:
            self.problem = "mounting a tmpfs needs root"
            return
        mount = subprocess.run(["mount", "-t", "tmpfs", "-o", "size=64k", "tmpfs", self.path],
                               capture_output=True, text=True)
        if mount.returncode != 0:
            self.problem = "no tmpfs mounted: " + mount.stderr

    def fill(self):
        with open(os.path.join(self.path, "filler"), "wb", buffering=0) as f:
            for chunk in (4096, 1):
                try:
                    while True:
                        f.write(b"x" * chunk)
                except OSError:
                    pass

    def close(self):
        if self.problem is None:
            subprocess.run(["umount", "-l", self.path])
        self.dir.cleanup()


class ArgumentTest(unittest.TestCase):
    def test_arguments(self):
        # Port 4242 is in no list: valid arguments get as far as the port (2),
        # invalid ones never do (3). FILE is a valid settings file.
        p = ["--port", "4242"]
        cases = [
            ([], 3),
            (["save", "FILE"], 3),
            (["--port", "x", "save", "FILE"], 3),
            (["--port", "0", "save", "FILE"], 3),
            (p, 3),
            (p + ["save"], 3),
            (p + ["save", "FILE", "b"], 3),
            (p + ["frobnicate", "FILE"], 3),
            (p + ["--speed", "9", "save", "FILE"], 3),
            (p + ["read", "settings"], 3),
            (p + ["compare", "FILE", "--serial-settings"], 3),
            (p + ["read", "home", "--first"], 3),
            (p + ["scan", "FILE"], 3),
            (p + ["scan", "--first", "--slave", "133"], 2),
            (p + ["--slave", "109", "save", "FILE"], 3),
            (p + ["--slave", "110", "save", "FILE"], 2),
            (p + ["--slave", "149", "save", "FILE"], 2),
            (p + ["--slave", "150", "save", "FILE"], 3),
            (p + ["--slave", "246", "save", "FILE"], 3),
            (p + ["--baud", "9600", "save", "FILE"], 3),
            (p + ["--parity", "mark", "save", "FILE"], 3),
            (p + ["--timeout", "0", "save", "FILE"], 3),
            (["--port=4242", "--slave=247", "--baud", "115200", "--parity", "odd", "read", "alarms"], 2),
            (p + ["restore", "FILE", "--serial-settings", "--baud", "38400", "--parity", "none"], 2),
            # A flag given a value is refused, never taken as set.
            (p + ["restore", "FILE", "--serial-settings=no"], 3),
            (p + ["--verbose=1", "save", "FILE"], 3),
            (["--help=no"], 3),
            (p + ["save", "FILE", "--no-backup"], 3),
            (p + ["line", "FILE"], 3),
            (p + ["restore", "FILE", "--only", "voltageThreshold,speed"], 3),
            (p + ["compare", "FILE", "--only", "voltageThreshold"], 3),
            (p + ["restore", "FILE", "--only", "voltageThreshold"], 2),
            (p + ["show", "FILE"], 3),
            (["set", "FILE"], 3),
            (["set", "FILE", "temperatureThreshold"], 3),
            (p + ["line", "--slaves", "110"], 3),
            (p + ["save", "FILE", "--slaves", "110"], 3),
            (p + ["compare-all", "FILE", "--slaves", "110-112,247"], 2),
            (p + ["compare-all", "FILE", "--slaves", "112-110"], 3),
            (p + ["compare-all", "FILE", "--slaves", "109-111"], 3),
            (p + ["compare-all", "FILE", "--slaves", "110,"], 3),
            # After "--" a name that starts with "-" is a file.
            (p + ["save", "--", "-x.json"], 2),
            (p + ["--", "save", "--slave"], 2),
        ]
        with tempfile.TemporaryDirectory() as tmp:
            valid = write_settings(os.path.join(tmp, "valid.json"), SETTINGS)
            for args, code in cases:
                with self.subTest(args=args):
                    result = run_cli(*[valid if a == "FILE" else a for a in args], ports="", timeout=20)
                    self.assertEqual(result.returncode, code, result.stderr)
                    self.assertEqual(result.stdout, "")
                    self.assertIn("Usage: orvalis-cli" if code == 3 else "Port 4242 is not in the port list",
                                  result.stderr)
        result = run_cli("--help", ports="")
        self.assertEqual((result.returncode, result.stderr), (0, ""))
        self.assertIn("update IMAGE.bin", result.stdout)

    def test_a_listed_port_that_cannot_be_opened(self):
        for command, said in ((["read", "home"], "The port 91 (/nonexistent/tool) could not be opened: there is "
                                                  "no such device"),
                              (["scan"], "The port 91 could not be opened: /nonexistent/tool is gone")):
            with self.subTest(command=command):
                result = run_cli("--port", PORT, *command, ports=f"{PORT}=/nonexistent/tool", timeout=20)
                self.assertEqual((result.returncode, result.stdout), (2, ""))
                self.assertIn(said, result.stderr)
                self.assertNotIn("Searching", result.stderr)


class VirtualModuleTest(unittest.TestCase):
    module_args = ()

    def setUp(self):
        self.m = modulerig.Module(*self.module_args, "--image-out", "{dir}/received.bin")
        self.addCleanup(self.m.close)
        self.data = tempfile.TemporaryDirectory()
        self.addCleanup(self.data.cleanup)

    def cli(self, *args, timeout=60, env=None):
        return run_cli("--port", PORT, *args, ports=f"{PORT}={self.m.tool_end}",
                       env={"XDG_DATA_HOME": self.data.name, **(env or {})}, timeout=timeout)

    def path(self, name):
        return os.path.join(self.m.dir, name)

    def get(self, address, count):
        answer = self.m.control(f"get {address} {count}").split()
        self.assertEqual(answer[0], "ok")
        return [int(w) for w in answer[1:]]

    def writes(self, since):
        return [(r["fn"], r["addr"], r["values"]) for r in self.m.log()[since:] if r["fn"] in (5, 6, 15, 16)]

    def saved(self, name="saved.json"):
        result = self.cli("save", self.path(name))
        self.assertEqual((result.returncode, result.stdout), (0, ""), result.stderr)
        with open(self.path(name)) as f:
            return json.load(f)

    def edited(self, document, name, **values):
        for setting in document["settings"]:
            if setting["key"] in values:
                setting["value"] = values[setting["key"]]
        with open(self.path(name), "w") as f:
            json.dump(document, f)
        return self.path(name)


class SettingsTest(VirtualModuleTest):
    def test_save_compare_restore(self):
        thresholds = self.get(50507, 6)
        document = self.saved()
        value = {s["key"]: s["value"] for s in document["settings"]}
        self.assertEqual(value["voltageThreshold"], thresholds[0])
        same = self.cli("compare", self.path("saved.json"))
        self.assertEqual((same.returncode, same.stdout), (0, "No differences\n"), same.stderr)

        self.assertEqual(self.m.control("set 50507 230"), "ok")
        differ = self.cli("compare", self.path("saved.json"))
        self.assertEqual((differ.returncode, differ.stdout),
                         (1, f"Voltage threshold: {thresholds[0]} V → 230 V\n"), differ.stderr)

        before = len(self.m.log())
        restored = self.cli("restore", self.path("saved.json"))
        self.assertEqual((restored.returncode, restored.stdout), (0, ""), restored.stderr)
        written = self.writes(before)
        self.assertEqual([w[:2] for w in written], [CLOCK_WRITE, (16, 50507)])
        self.assertEqual(written[1][2], thresholds)
        self.assertEqual(self.get(50507, 6), thresholds)
        self.assertEqual(self.cli("compare", self.path("saved.json")).returncode, 0)

    def test_transformer_ratios(self):
        # 600/5A, 400/1A, 600/1A; then another module at 600/5A on every phase.
        self.assertEqual(self.m.control("set 50501 1200 0 4000 0 6000 0"), "ok")
        value = {s["key"]: s["value"] for s in self.saved()["settings"]}
        self.assertEqual([value[f"transformerRatioL{n}"] for n in (1, 2, 3)], [1200, 4000, 6000])
        # The same as a file of the first version, with one ratio.
        old = {k: v for k, v in value.items() if not k.startswith("transformerRatio")}
        old_file = write_settings(self.path("old.json"), dict(old, transformerRatio=4000), version=1)
        self.assertEqual(self.m.control("set 50501 1200 0 1200 0 1200 0"), "ok")
        differ = self.cli("compare", self.path("saved.json"))
        self.assertEqual((differ.returncode, differ.stdout),
                         (1, "CT ratio phase 2: 400/1A → 600/5A\nCT ratio phase 3: 600/1A → 600/5A\n"), differ.stderr)

        # The old file's one ratio goes to every phase.
        for path, words in ((self.path("saved.json"), [1200, 0, 4000, 0, 6000, 0]), (old_file, [4000, 0] * 3)):
            with self.subTest(file=os.path.basename(path)):
                before = len(self.m.log())
                restored = self.cli("restore", path)
                self.assertEqual(restored.returncode, 0, restored.stderr)
                self.assertEqual([w for w in self.writes(before) if w[:2] != CLOCK_WRITE], [(16, 50501, words)])
                self.assertEqual(self.get(50501, 6), words)
                self.assertEqual(self.cli("compare", path).returncode, 0)

    def test_serial_settings_only_when_asked(self):
        serial = self.get(31505, 4)
        path = self.edited(self.saved(), "other-address.json", slaveAddress=120)
        for flags, written in (([], []), (["--serial-settings"], [(16, 31505, serial[:3] + [120])])):
            with self.subTest(flags=flags):
                before = len(self.m.log())
                result = self.cli("restore", path, *flags)
                self.assertEqual(result.returncode, 0, result.stderr)
                self.assertEqual([w for w in self.writes(before) if w[:2] != CLOCK_WRITE], written)
                # What was left out is said, not "already holds the file's settings".
                self.assertEqual("Slave address: 120 → 247" in result.stderr, not flags, result.stderr)
                self.assertNotIn("already holds", result.stderr)
                # The module answers at its new address only: not read back there,
                # and the options to reach it are given.
                self.assertEqual("connect with: --port 91 --slave 120 --baud 19200 --parity even\n"
                                 in result.stderr, bool(flags), result.stderr)
                if flags:
                    log = self.m.log()[before:]
                    serial_write = max(i for i, r in enumerate(log) if r["fn"] == 16 and r["addr"] == 31505)
                    self.assertEqual(log[serial_write + 1:], [])
        self.assertEqual(self.get(31505, 4), serial[:3] + [120])

    def test_refused_files_put_nothing_on_the_bus(self):
        document = self.saved()
        before = len(self.m.log())
        files = [(self.edited(json.loads(json.dumps(document)), "hot.json", temperatureThreshold=95),
                  'Setting "Temperature threshold" (temperatureThreshold): 95 is not allowed'),
                 (self.edited(dict(document, format="something-else"), "format.json"), '"format"'),
                 (self.path("missing.json"), "no such file")]
        for path, why in files:
            for command in ("compare", "restore"):
                with self.subTest(file=os.path.basename(path), command=command):
                    result = self.cli(command, path)
                    self.assertEqual((result.returncode, result.stdout), (2, ""))
                    self.assertIn("The file was refused", result.stderr)
                    self.assertIn(why, result.stderr)
        self.assertEqual(len(self.m.log()), before)


    def test_a_name_ending_in_a_dot_gets_json(self):
        result = self.cli("save", self.path("x."))
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertTrue(os.path.isfile(self.path("x.json")))

    def test_text_from_a_file_cannot_drive_the_terminal(self):
        document = self.saved()
        document["module"]["serialNumber"] = "\x1b[2J\nOK: No differences"
        path = self.edited(document, "forged.json")
        result = self.cli("compare", path)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn("\\x1b[2J\\nOK: No differences", result.stdout)
        self.assertNotIn("\x1b", result.stdout + result.stderr)
        self.assertNotIn("\nOK: No differences\n", result.stdout)

    def test_a_full_disk_keeps_the_old_files(self):
        full = FullFolder()
        self.addCleanup(full.close)
        if full.problem:
            self.skipTest(full.problem)
        old = json.dumps(self.saved())
        with open(os.path.join(full.path, "old.json"), "w") as f:
            f.write(old)
        backups = os.path.join(full.path, "orvalis", "settings-before-update")
        os.makedirs(backups)
        full.fill()

        result = self.cli("save", os.path.join(full.path, "old.json"))
        self.assertEqual(result.returncode, 2, result.stderr)
        self.assertIn("The settings were not saved.\n", result.stderr)
        self.assertIn("old.json: cannot be written: No space left on device\n", result.stderr)

        with open(self.path("image.bin"), "wb") as f:
            f.write(os.urandom(300))
        result = run_cli("--port", PORT, "update", self.path("image.bin"), ports=f"{PORT}={self.m.tool_end}",
                         env={"XDG_DATA_HOME": full.path})
        # No copy, no update: nothing goes to the bootloader.
        self.assertEqual(result.returncode, 2, result.stderr)
        self.assertRegex(result.stderr, r"The module's settings could not be kept, so the update was not started; "
                                        r"nothing was sent to the bootloader\.\n"
                                        r"  .*\.json: cannot be written: No space left on device\n")
        self.assertNotIn(50522, [r["addr"] for r in self.m.log() if r["fn"] in (6, 16)])

        self.assertEqual(sorted(os.listdir(full.path)), ["filler", "old.json", "orvalis"])
        self.assertEqual(os.listdir(backups), [])
        with open(os.path.join(full.path, "old.json")) as f:
            self.assertEqual(f.read(), old)


class ReadTest(VirtualModuleTest):
    def lines(self, page):
        result = self.cli("read", page)
        self.assertEqual(result.returncode, 0, result.stderr)
        pairs = [line.partition(":") for line in result.stdout.splitlines()]
        self.assertTrue(all(sep == ":" for _, sep, _ in pairs), result.stdout)
        return {name: value.strip() for name, _, value in pairs}, len(pairs)

    def test_pages(self):
        for command in ("freeze on", "set 50573 75", "set 50589 0x4142 0x3100 0", "set 31504 30",
                        "set 50507 240 3 40 4 5 6005", "set 36812 " + " ".join(map(str, floats(12.5, 3, 0.25, 1))),
                        "set 50575 41", "alarm status 0", "alarm fuse 2 1", "alarm temperature 1"):
            self.assertEqual(self.m.control(command), "ok", command)
        expected = {
            "home": (7, {"FSD ID": "AB1", "Temperature threshold value": "75 °C", "Status": "fault"}),
            "communication": (20, {"Time duration for means": "30 min", "Voltage threshold": "240 V",
                                   "Call monitoring time": "600 s", "Minimum time message": "5 s",
                                   "Parity": "Even", "Slave address": "247", "Baudrate": "19200"}),
            "measurement": (62, {"Current L1": "12.50 A", "Current L3": "0.25 A", "Current Neutral": "1.00 A",
                                 "Temperature Measurement": "41°C", "Fuses status phase 2": "1",
                                 "Fuses status phase 1": "0"}),
            "alarms": (5, {"Module status": "fault", "Fuse status L1": "OK", "Fuse status L2": "blown",
                           "Temperature status": "alarm"}),
        }
        for page, (count, values) in expected.items():
            with self.subTest(page=page):
                shown, lines = self.lines(page)
                self.assertEqual(lines, count)
                self.assertEqual({k: shown.get(k) for k in values}, values)

    def test_a_refused_block_shows_empty_and_fails(self):
        self.assertEqual(self.m.control("exception 50589 2"), "ok")
        result = self.cli("read", "home")
        self.assertEqual(result.returncode, 2)
        self.assertIn("FSD ID:\n", result.stdout)
        self.assertIn("Module serial number: ", result.stdout)
        self.assertIn("FSD ID: not read (refused by the module", result.stderr)


    def test_logging_rules_keep_one_layer(self):
        # What a technician sends with a fault report: one layer's lines and no other's.
        for layer in ("link", "backend"):
            with self.subTest(layer=layer):
                result = self.cli("read", "home", env={"QT_LOGGING_RULES": f"orvalis.*=false;orvalis.{layer}=true",
                                                       "QT_MESSAGE_PATTERN": "log %{category}: %{message}"})
                self.assertEqual(result.returncode, 0, result.stderr)
                categories = {line[4:].partition(":")[0] for line in result.stderr.splitlines()
                              if line.startswith("log ")}
                self.assertEqual(categories, {f"orvalis.{layer}"}, result.stderr)


class UpdateTest(VirtualModuleTest):
    def test_update(self):
        image = os.urandom(300)
        with open(self.path("image.bin"), "wb") as f:
            f.write(image)
        voltage = self.get(50507, 1)[0]
        result = self.cli("update", self.path("image.bin"))
        self.assertEqual((result.returncode, result.stdout), (0, ""), result.stderr)
        with open(self.path("received.bin"), "rb") as f:
            self.assertEqual(f.read(), image)
        # Not a terminal: one line per step of 10 %, never rewritten in place.
        self.assertNotIn("\r", result.stderr)
        percents = [int(p) for p in re.findall(r"^Updating the firmware: (\d+) %$", result.stderr, re.M)]
        self.assertEqual(percents[-1], 100)
        self.assertEqual([p // 10 for p in percents], sorted(set(p // 10 for p in percents)))
        # The settings were read and kept before the bootloader was asked for.
        log = self.m.log()
        reset = next(i for i, r in enumerate(log) if r["fn"] in (6, 16) and r["addr"] == 50522)
        self.assertTrue(any(r["addr"] == 50573 and r["fn"] == 3 for r in log[:reset]))
        folder = os.path.join(self.data.name, "orvalis", "settings-before-update")
        kept = os.listdir(folder)
        self.assertEqual(len(kept), 1)
        self.assertIn(os.path.join(folder, kept[0]), result.stderr)
        with open(os.path.join(folder, kept[0])) as f:
            document = json.load(f)
        self.assertTrue(kept[0].startswith(document["module"]["serialNumber"] + "-"))
        self.assertEqual({s["key"]: s["value"] for s in document["settings"]}["voltageThreshold"], voltage)

        # On a terminal the one line is rewritten in place.
        leader, follower = pty.openpty()
        self.addCleanup(os.close, leader)
        run = subprocess.Popen([CLI, "--port", PORT, "update", self.path("image.bin")], stderr=follower,
                               stdout=subprocess.DEVNULL,
                               env=dict(os.environ, ORVALIS_SERIAL_PORTS=f"{PORT}={self.m.tool_end}",
                                        XDG_DATA_HOME=self.data.name))
        os.close(follower)
        self.assertEqual(run.wait(60), 0)
        shown = b""
        while select.select([leader], [], [], 0)[0]:
            try:
                shown += os.read(leader, 4096)
            except OSError:  # the other end is closed and drained
                break
        self.assertRegex(shown.decode(), r"(\rUpdating the firmware: \d+ %){2,}\r\nThe firmware update is done")

    def test_an_adapter_pulled_during_an_update_is_named(self):
        with open(self.path("image.bin"), "wb") as f:
            f.write(os.urandom(4000))
        run = subprocess.Popen([CLI, "--port", PORT, "update", self.path("image.bin")], stdout=subprocess.DEVNULL,
                               stderr=subprocess.PIPE, text=True,
                               env=dict(os.environ, ORVALIS_SERIAL_PORTS=f"{PORT}={self.m.tool_end}",
                                        XDG_DATA_HOME=self.data.name))
        deadline = time.monotonic() + 30 * TIME_FACTOR
        while len([r for r in self.m.log() if r["addr"] == 50527]) < 3:
            self.assertLess(time.monotonic(), deadline, "the blocks never came")
            time.sleep(0.02)
        self.m.socat.kill()
        _, err = run.communicate(timeout=20 * TIME_FACTOR)
        self.assertEqual(run.returncode, 2, err)
        self.assertRegex(err, r"The firmware update failed: the link to the module was lost \(the adapter is "
                              r"gone\) after \d+ of 4000 bytes\.")

    def test_a_module_in_its_bootloader(self):
        # Reset without an image, as a window closed during an update leaves it.
        self.m.transact(modulerig.write_registers_request(50522, [1]))
        os.close(self.m.line())
        self.m._fd = None
        self.assertTrue(self.m.wait_mode("bootloader", 2))
        before = len(self.m.log())
        for command in (["read", "home"], ["save", self.path("saved.json")]):
            with self.subTest(command=command[0]):
                result = self.cli(*command)
                self.assertEqual((result.returncode, result.stdout), (2, ""), result.stderr)
                self.assertIn("The module is in its bootloader: run the firmware update again (orvalis-cli "
                              "--port 91 --slave 247 --baud 19200 --parity even update IMAGE.bin).\n", result.stderr)
        # Nothing but the connects' probes was sent.
        self.assertEqual({(r["fn"], r["addr"]) for r in self.m.log()[before:]}, {(3, 50521)})

        image = os.urandom(100)
        with open(self.path("image.bin"), "wb") as f:
            f.write(image)
        result = self.cli("update", self.path("image.bin"))
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn("The module is in its bootloader: its settings cannot be kept.", result.stderr)
        self.assertIn("The module's settings could not be kept before the update.\n"
                      "  The module is in its bootloader: its settings cannot be read.\n", result.stderr)
        self.assertIn("The firmware update is done.", result.stderr)
        self.assertEqual(self.m.control("mode"), "ok application")
        with open(self.path("received.bin"), "rb") as f:
            self.assertEqual(f.read(), image)
        # The clock the connect left alone is set once the module runs its firmware.
        self.assertIn((16, 31500), [(w[0], w[1]) for w in self.writes(before)])

    def test_refused_images_touch_no_line(self):
        open(self.path("empty.bin"), "wb").close()
        with open(self.path("huge.bin"), "wb") as f:
            f.truncate(1048577)
        before = len(self.m.log())
        for name, said in (("empty.bin", "the image is empty"), ("missing.bin", "No firmware image at"),
                           ("huge.bin", "larger than 1 MiB"), ("", "cannot be read (not a plain file)")):
            with self.subTest(image=name):
                result = self.cli("update", self.path(name))
                self.assertEqual(result.returncode, 2)
                self.assertIn(said, result.stderr)
                self.assertNotIn("Connected", result.stderr)
                self.assertNotIn("could not be kept", result.stderr)
        self.assertEqual(len(self.m.log()), before)

    def test_no_update_without_the_copy_of_the_settings(self):
        with open(self.path("image.bin"), "wb") as f:
            f.write(os.urandom(64))
        self.assertEqual(self.m.control("set 50573 55"), "ok")  # a threshold no settings file takes
        result = self.cli("update", self.path("image.bin"))
        self.assertEqual(result.returncode, 2)
        self.assertIn("could not be kept, so the update was not started", result.stderr)
        self.assertIn("temperatureThreshold", result.stderr)
        self.assertNotIn(50522, [r["addr"] for r in self.m.log() if r["fn"] in (6, 16)])
        forced = self.cli("update", self.path("image.bin"), "--no-backup")
        self.assertEqual(forced.returncode, 0, forced.stderr)
        self.assertIn("The module's settings could not be kept before the update", forced.stderr)


class SilentModuleTest(VirtualModuleTest):
    module_args = ("--silent",)

    def test_silent_module(self):
        started = time.monotonic()
        result = self.cli("save", self.path("never.json"))
        self.assertLess(time.monotonic() - started, 20)
        self.assertEqual((result.returncode, result.stdout), (2, ""))
        self.assertIn("No answer from slave address 247 at 19200 baud, parity even.", result.stderr)
        self.assertIn("try: orvalis-cli --port 91 scan\n", result.stderr)
        self.assertFalse(os.path.exists(self.path("never.json")))

    def test_a_search_of_a_silent_line_tries_quickly_and_finds_nothing(self):
        # A whole search takes some 45 s: the time limit cuts it short.
        result = self.cli("--timeout", "3", "scan")
        self.assertEqual((result.returncode, result.stdout), (2, ""))
        self.assertIn("No end after 3 s: giving up.", result.stderr)
        tried = re.search(r"^(\d+) of 492 settings tried, nothing found\.$", result.stderr, re.M)
        self.assertIsNotNone(tried, result.stderr)
        # A silent address costs about 90 ms, not a connect's time-out.
        self.assertGreaterEqual(int(tried.group(1)), 20)


class ScanTest(VirtualModuleTest):
    # Answers only at its own settings, as on a real line.
    module_args = ("--slave", "133", "--baud", "38400", "--parity", "odd", "--tool-end", "{dir}/tool")
    FOUND = re.compile(r"slave 133, 38400 baud, parity odd, serial number (\d{12}), firmware \d+; "
                       r"options: (--slave 133 --baud 38400 --parity odd)\n")

    def test_from_the_given_settings(self):
        started = time.monotonic()
        result = self.cli("--slave", "133", "--baud", "38400", "--parity", "odd", "scan", "--first")
        self.assertLess(time.monotonic() - started, 5)
        self.assertEqual(result.returncode, 0, result.stderr)
        found = self.FOUND.fullmatch(result.stdout)
        self.assertIsNotNone(found, result.stdout)
        # The given settings first, then nothing after the module's serial number and firmware.
        self.assertEqual([(r["fn"], r["addr"]) for r in self.m.log()], [(3, 50521), (3, 50573), (3, 31006)])

        home = self.cli(*found.group(2).split(), "read", "home")
        self.assertEqual(home.returncode, 0, home.stderr)
        self.assertIn(f"Module serial number: {found.group(1)}\n", home.stdout)

    def test_from_the_defaults(self):
        # 38400 odd comes after every 19200 setting and two at 38400: some 20 s.
        result = self.cli("scan", "--first")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIsNotNone(self.FOUND.fullmatch(result.stdout), result.stdout)
        self.assertIn("1 module found on port 91", result.stderr)
        # Not a terminal: a line per step of 10 %, up to where the module was.
        self.assertNotIn("\r", result.stderr)
        percents = [int(p) for p in re.findall(r"^Searching port 91: (\d+) %$", result.stderr, re.M)]
        self.assertEqual([p // 10 for p in percents], [0, 1, 2, 3, 4])


class SlowModuleTest(VirtualModuleTest):
    module_args = ("--delay", "300")

    def test_guard_ends_a_run_that_takes_too_long(self):
        started = time.monotonic()
        result = self.cli("--timeout", "2", "save", self.path("late.json"))
        self.assertLess(time.monotonic() - started, 10)
        self.assertEqual(result.returncode, 2)
        self.assertIn("No end after 2 s: giving up.", result.stderr)

    def start(self, *args):
        return subprocess.Popen([CLI, "--port", PORT, *args], stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                text=True, env=dict(os.environ, ORVALIS_SERIAL_PORTS=f"{PORT}={self.m.tool_end}",
                                                    XDG_DATA_HOME=self.data.name))

    def terminate_after(self, run, before, count, address=None):
        """SIGTERM once `count` writes (to `address`, or any but the clock's) went out since `before`."""
        deadline = time.monotonic() + 30 * TIME_FACTOR
        while len([w for w in self.writes(before) if w[:2] != CLOCK_WRITE
                   and (address is None or w[1] == address)]) < count:
            self.assertLess(time.monotonic(), deadline, "the writes never came")
            time.sleep(0.02)
        run.send_signal(signal.SIGTERM)
        return run.communicate(timeout=20 * TIME_FACTOR)

    def restore_target(self):
        # Every block of the file differs from the module, the serial settings too.
        values = dict(temperatureThreshold=70, transformerRatioL2=800, fsdId="ZZ9", installationDate="2020-01-02",
                      meanDuration=45, voltageThreshold=250, frequency60Hz=True, baudRate=19200,
                      slaveAddress=247, parity=1)
        return self.edited(json.loads(json.dumps(self.saved())), "target.json", **values)

    def test_a_restore_given_up_says_exactly_what_the_module_took(self):
        target = self.restore_target()
        for how in ("signal", "timeout"):
            with self.subTest(how=how):
                self.assertEqual(self.m.control("set 50573 75"), "ok")
                before = len(self.m.log())
                started = time.monotonic()
                if how == "signal":
                    # Given up after the restore's second write went out.
                    run = self.start("restore", target, "--serial-settings")
                    _, err = self.terminate_after(run, before, 2)
                    code = run.returncode
                    self.assertIn("Stopped by SIGTERM: giving up.", err)
                else:
                    result = self.cli("--timeout", "6", "restore", target, "--serial-settings")
                    code, err = result.returncode, result.stderr
                    self.assertIn("No end after 6 s: giving up.", err)
                self.assertEqual(code, 2, err)
                self.assertLess(time.monotonic() - started, 15 * TIME_FACTOR)
                written = [w for w in self.writes(before) if w[:2] != CLOCK_WRITE]
                said = re.findall(r"^  (.*): written\.$", err, re.M)
                not_sent = re.findall(r"^  (.*): not written \(given up before it was sent\)\.$", err, re.M)
                # Each write on the bus is one said to be written, and no more.
                self.assertEqual(len(said), len(written), err)
                if not_sent:
                    self.assertRegex(err, rf"Given up: {len(said)} of {len(said) + len(not_sent)} blocks were "
                                          r"written\.")
                elif said:
                    self.assertIn(f"Given up: every block was written ({len(said)})", err)
                if how == "signal":
                    self.assertEqual(len(said), 2, err)
                    self.assertGreater(len(not_sent), 0, err)
                time.sleep(1)  # nothing goes out after the run ended
                self.assertEqual(len([w for w in self.writes(before) if w[:2] != CLOCK_WRITE]), len(written))

    def test_a_write_without_an_answer_may_have_been_taken(self):
        target = self.edited(self.saved(), "target.json", fsdId="ZZ9", voltageThreshold=250)
        before = len(self.m.log())
        run = self.start("restore", target)
        # The module goes on taking requests but answers too late after the restore's first write.
        deadline = time.monotonic() + 30 * TIME_FACTOR
        while len([w for w in self.writes(before) if w[:2] != CLOCK_WRITE]) < 1:
            self.assertLess(time.monotonic(), deadline, "the write never came")
            time.sleep(0.02)
        self.assertEqual(self.m.control("delay 30000"), "ok")
        _, err = run.communicate(timeout=40 * TIME_FACTOR)
        self.assertEqual(run.returncode, 2, err)
        # The second block went out (Qt's client sends it again and again), its answer never came.
        self.assertEqual(len({w[1] for w in self.writes(before) if w[:2] != CLOCK_WRITE}), 2, err)
        self.assertEqual(len(re.findall(r"^  [^\n]+: written\.$", err, re.M)), 1, err)
        self.assertEqual(len(re.findall(r"^  [^\n]+: no answer; the module may or may not have taken it\.$",
                                        err, re.M)), 1, err)
        self.assertNotIn("not written (no answer)", err)
        self.assertEqual(self.m.control("delay 0"), "ok")

    def test_an_update_given_up_says_how_far_it_went(self):
        with open(self.path("image.bin"), "wb") as f:
            f.write(os.urandom(4000))
        run = self.start("update", self.path("image.bin"))
        _, err = self.terminate_after(run, 0, 3, address=50527)
        self.assertEqual(run.returncode, 2, err)
        blocks = [r for r in self.m.log() if r["addr"] == 50527 and r["fn"] == 16]
        self.assertRegex(err, rf"The update was stopped after {16 * len(blocks)} of 4000 bytes were taken\.\n"
                              r"The module is left in its bootloader: run the update again\.")
        self.assertIn("The module's settings were kept in ", err)
        time.sleep(1)
        self.assertEqual(len([r for r in self.m.log() if r["addr"] == 50527]), len(blocks))


class DocumentTest(VirtualModuleTest):
    """A settings file edited without a module, and written in part."""

    def test_set_and_show_without_a_module(self):
        path = write_settings(self.path("office.json"), SETTINGS)
        changed = run_cli("set", path, "temperatureThreshold=75", "fsdId=12345", "frequency60Hz=false", ports="")
        self.assertEqual(changed.returncode, 0, changed.stderr)
        # In the order of the pages, as a compare lists them.
        self.assertEqual(changed.stdout.splitlines(), ["FSD ID: AB1C → 12345", "Temperature threshold: 80 °C → 75 °C",
                                                       "60 Hz: yes → no"])
        with open(path, "rb") as f:
            before = f.read()
        for pair, said in (("temperatureThreshold=91", "91 is not allowed (allowed: 60 to 90)"),
                           ("slaveAddress=150", "150 is not allowed"), ("fsdId=ABCDEF", "is not 0 to 5 letters"),
                           ("speed=9600", "Unknown setting \"speed\"")):
            with self.subTest(pair=pair):
                refused = run_cli("set", path, "meanDuration=20", pair, ports="")
                self.assertEqual((refused.returncode, refused.stdout), (2, ""))
                self.assertIn(said, refused.stderr)
                with open(path, "rb") as f:
                    self.assertEqual(f.read(), before, "a refused set changes nothing")
        shown = run_cli("show", path, ports="")
        self.assertEqual(shown.returncode, 0, shown.stderr)
        self.assertIn("Temperature threshold: 75 °C", shown.stdout.splitlines())
        self.assertIn("Voltage threshold: 240 V", shown.stdout.splitlines())
        self.assertEqual(len(shown.stdout.splitlines()), len(SETTINGS))

    def test_restore_only_the_chosen_settings(self):
        document = self.saved()
        value = {s["key"]: s["value"] for s in document["settings"]}
        path = self.edited(document, "edited.json", voltageThreshold=value["voltageThreshold"] + 5,
                           currentThreshold=value["currentThreshold"] + 5, meanDuration=value["meanDuration"] % 60 + 1)
        since = len(self.m.log())
        result = self.cli("restore", path, "--only", "voltageThreshold")
        self.assertEqual(result.returncode, 0, result.stderr)
        writes = [w for w in self.writes(since) if w[1] != 31500]  # the connect's clock aside
        self.assertEqual([(fn, addr) for fn, addr, _ in writes], [(16, 50507)])
        self.assertEqual(writes[0][2][0], value["voltageThreshold"] + 5)
        self.assertEqual(writes[0][2][2], value["currentThreshold"], "the unticked threshold keeps the module's")


class ReportTest(VirtualModuleTest):
    """The commissioning report as a PDF, read back with pdftotext."""

    def text(self, pdf):
        return subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, text=True, check=True).stdout

    def pages(self, pdf):
        info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, check=True).stdout
        return int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))

    def test_report_holds_the_modules_values(self):
        reference = self.saved("reference.json")
        self.assertEqual(self.m.control("set 50573 75"), "ok")
        pdf = self.path("report.pdf")
        result = self.cli("report", pdf, "--site", "Umspannwerk Süd", "--technician", "A. Meier",
                          "--reference", self.path("reference.json"))
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertLessEqual(self.pages(pdf), 2)
        text = self.text(pdf)
        lines = text.splitlines()
        self.assertIn(reference["module"]["serialNumber"], text)
        self.assertIn("Umspannwerk Süd", text)
        # Every setting by its name, with the value the module holds; the changed one marked.
        for setting in reference["settings"]:
            row = next((l for l in lines if l.strip().startswith(setting["name"] + " ")), None)
            self.assertIsNotNone(row, setting["name"])
            self.assertEqual("≠" in row, setting["key"] == "temperatureThreshold", row)
            value = setting["value"]
            if type(value) is int and not setting["key"].startswith(("transformerRatio", "parity")):
                held = 75 if setting["key"] == "temperatureThreshold" else value
                self.assertRegex(row, r"\s%d\s" % held, setting["key"])
        threshold = next(l for l in lines if l.strip().startswith("Temperature threshold "))
        self.assertRegex(threshold, r"Temperature threshold\s+75\s+°C\s+60\s+≠")

        german = self.path("bericht.pdf")
        result = self.cli("report", german, "--language", "de")
        self.assertEqual(result.returncode, 0, result.stderr)
        text = self.text(german)
        self.assertIn("Inbetriebnahmeprotokoll", text)
        self.assertIn("Schwellenwert Temperatur", text)

    def test_a_report_that_cannot_be_written_leaves_no_file(self):
        pdf = os.path.join(self.m.dir, "missing", "report.pdf")
        result = self.cli("report", pdf)
        self.assertEqual(result.returncode, 2, result.stderr)
        self.assertIn("The report was not written", result.stderr)
        self.assertFalse(os.path.exists(os.path.dirname(pdf)))


class LineTest(VirtualModuleTest):
    """Five modules on one line: each command finds them all and works on each."""
    module_args = ("--slaves", "110-114")

    def slave_words(self, slave, address, count):
        answer = self.m.control(f"slave {slave} get {address} {count}").split()
        self.assertEqual(answer[0], "ok")
        return [int(w) for w in answer[1:]]

    def results(self, stdout):
        """{slave: (outcome, the lines below it)} of a -all command."""
        found = {}
        for line in stdout.splitlines():
            m = re.match(r"slave (\d+), serial number \S+: (done|differs|failed): ", line)
            if m:
                current = found[int(m.group(1))] = (m.group(2), [])
            else:
                current[1].append(line.strip())
        return found

    def test_line_lists_each_module_with_its_lamps(self):
        self.assertEqual(self.m.control("slave 112 alarm fuse 2 on"), "ok")
        result = self.cli("line")
        self.assertEqual(result.returncode, 0, result.stderr)
        rows = result.stdout.splitlines()
        self.assertEqual([int(re.match(r"slave (\d+),", r).group(1)) for r in rows], [110, 111, 112, 113, 114])
        serials = [re.search(r"serial number (\d{12}),", r).group(1) for r in rows]
        self.assertEqual(len(set(serials)), 5, rows)
        self.assertIn("fuses OK blown OK", rows[2])
        self.assertIn("fuses OK OK OK", rows[1])
        self.assertIn("5 modules found", result.stderr)
        self.assertEqual(self.writes(0), [], "listing the line writes nothing")

    def test_save_change_compare_restore(self):
        folder = os.path.join(self.m.dir, "line")
        os.mkdir(folder)
        saved = self.cli("save-all", folder)
        self.assertEqual(saved.returncode, 0, saved.stderr)
        files = sorted(os.listdir(folder))
        self.assertEqual(len(files), 5)
        self.assertTrue(all(re.fullmatch(r"\d{12}\.json", f) for f in files), files)

        self.assertEqual(self.m.control("slave 111 set 50573 75"), "ok")
        self.assertEqual(self.m.control("slave 113 set 50507 250"), "ok")
        compared = self.cli("compare-all", folder)
        self.assertEqual(compared.returncode, 1, compared.stderr)
        found = self.results(compared.stdout)
        self.assertEqual({s: o for s, (o, _) in found.items()},
                         {110: "done", 111: "differs", 112: "done", 113: "differs", 114: "done"})
        self.assertEqual(found[111][1], ["Temperature threshold: 60 °C → 75 °C"])
        self.assertEqual(len(found[113][1]), 1)
        self.assertTrue(found[113][1][0].startswith("Voltage threshold: "), found[113][1])

        # One module's file to all: the others keep their identity and serial settings.
        identity = {s: (self.slave_words(s, 50589, 3), self.slave_words(s, 50581, 3), self.slave_words(s, 31505, 4))
                    for s in range(110, 115)}
        reference = os.path.join(folder, files[0])
        written = self.cli("restore-all", reference)
        self.assertEqual(written.returncode, 0, written.stdout + written.stderr)
        self.assertEqual({s: o for s, (o, _) in self.results(written.stdout).items()},
                         dict.fromkeys(range(110, 115), "done"))
        for s in range(110, 115):
            with self.subTest(slave=s):
                self.assertEqual((self.slave_words(s, 50589, 3), self.slave_words(s, 50581, 3),
                                  self.slave_words(s, 31505, 4)), identity[s])
                self.assertEqual(self.slave_words(s, 50573, 1), self.slave_words(110, 50573, 1))
                self.assertEqual(self.slave_words(s, 50507, 6), self.slave_words(110, 50507, 6))
        again = self.cli("compare-all", reference)
        self.assertEqual(again.returncode, 0, again.stdout + again.stderr)

    def test_update_all_updates_each_ticked_module_its_settings_kept(self):
        with open(self.path("image.bin"), "wb") as f:
            f.write(os.urandom(64))
        result = self.cli("update-all", self.path("image.bin"), "--slaves", "110,112")
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        found = self.results(result.stdout)
        self.assertEqual({s: o for s, (o, _) in found.items()}, {110: "done", 112: "done"})
        folder = os.path.join(self.data.name, "orvalis", "settings-before-update")
        kept = sorted(os.listdir(folder))
        self.assertEqual(len(kept), 2)
        for slave in (110, 112):
            self.assertTrue(any(os.path.join(folder, k) in found[slave][1][0] for k in kept), found[slave])
        blocks = {r["slave"] for r in self.m.log() if r["addr"] == 50527 and r["fn"] in (6, 16)}
        self.assertEqual(blocks, {110, 112})

    def test_report_all_summarises_the_line(self):
        self.assertEqual(self.m.control("slave 113 alarm fuse 1 on"), "ok")
        pdf = self.path("line.pdf")
        result = self.cli("report-all", pdf, "--slaves", "110,113")
        self.assertEqual(result.returncode, 0, result.stderr)
        text = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, text=True, check=True).stdout
        summary = text.split("\f")[0]
        rows = re.findall(r"^\s*(11\d)\s+(\d{12})\s+112\s+(.+?)\s+(\S+)\s*$", summary, re.M)
        self.assertEqual([(r[0], r[2]) for r in rows], [("110", "OK"), ("113", "Fuse L1")])
        self.assertIn("Module at slave address 113", text)

    def test_a_module_silent_in_the_middle_fails_alone(self):
        folder = os.path.join(self.m.dir, "line")
        os.mkdir(folder)
        self.assertEqual(self.cli("save-all", folder, "--slaves", "110").returncode, 0)
        reference = os.path.join(folder, os.listdir(folder)[0])
        for s in (111, 112, 113):
            self.assertEqual(self.m.control(f"slave {s} set 50573 70"), "ok")
        # 111 answers slowly (yet within a probe's wait): its write is seen before 112 is
        # begun, and 112 goes silent then.
        self.assertEqual(self.m.control("slave 111 latency 50 50"), "ok")
        since = len(self.m.log())
        process = subprocess.Popen([CLI, "--port", PORT, "--slaves", "111-113", "restore-all", reference],
                                   env=dict(os.environ, ORVALIS_SERIAL_PORTS=f"{PORT}={self.m.tool_end}"),
                                   stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        self.addCleanup(process.kill)
        deadline = time.monotonic() + 30 * TIME_FACTOR
        while not any(r["slave"] == 111 and r["fn"] in (6, 16) for r in self.m.log()[since:]):
            self.assertLess(time.monotonic(), deadline, "111 was never written")
            time.sleep(0.02)
        self.assertEqual(self.m.control("slave 112 silent on"), "ok")
        rest, err = process.communicate(timeout=60 * TIME_FACTOR)
        self.assertEqual(process.returncode, 2, err)
        found = self.results(rest)
        self.assertEqual({s: o for s, (o, _) in found.items()}, {111: "done", 112: "failed", 113: "done"})
        self.assertIn("nothing was written", rest)
        written = {r["slave"] for r in self.m.log()[since:] if r["fn"] in (5, 6, 15, 16)}
        self.assertEqual(written, {111, 113})


class IndependentSlaveTest(unittest.TestCase):
    """The acceptance check: a file restored to a slave that is not ours."""

    # The words the slave must hold after SETTINGS (address: words); the
    # ratio of phase 1, FSD ID and serial settings are the slave's already.
    HOLDING = {50573: [80], 50581: [2023, 11, 20], 31504: [30], 50507: [240, 3, 40, 9, 5, 6000],
               50501: [800, 0, 4000, 0, 6000, 0], 50589: [0x4142, 0x3100, 0x4300], 31505: [1, 1, 49664, 247]}
    COILS = {50000: [0, 1]}
    WRITES = ["write holding 50581 2023 11 20", "write holding 50501 800 0 4000 0 6000 0",
              "write holding 50573 80", "write holding 31504 30",
              "write coils 50000 0 1", "write holding 50507 240 3 40 9 5 6000"]

    def start_slave(self, tmp):
        """The pymodbus slave on a pty pair in `tmp`: the tool's end and the slave's request log."""
        slave_rig = runpy.run_path(os.path.join(HERE, "..", "backend", "independent_slave.py"),
                                   run_name="independent_slave")
        slave_end, tool_end, log = (os.path.join(tmp, n) for n in ("slave", "tool", "requests"))
        line = subprocess.Popen(["socat", f"pty,raw,echo=0,link={slave_end}",
                                 f"pty,raw,echo=0,link={tool_end}"])
        self.addCleanup(lambda: (line.kill(), line.wait()))
        for _ in range(100):
            if os.path.exists(slave_end) and os.path.exists(tool_end):
                break
            time.sleep(0.05)
        slave = subprocess.Popen(["/usr/bin/python3", "-c", slave_rig["SLAVE"], slave_end, log,
                                  repr(slave_rig["HOLDING"]), repr(slave_rig["COILS"])])
        self.addCleanup(lambda: (slave.kill(), slave.wait()))
        time.sleep(1.5)  # pymodbus takes its time to serve
        return tool_end, log

    def test_a_file_prepared_offline_written_in_part(self):
        with tempfile.TemporaryDirectory() as tmp:
            tool_end, log = self.start_slave(tmp)
            # Prepared at the desk: ten settings differ from the slave's.
            path = write_settings(os.path.join(tmp, "office.json"), SETTINGS)
            edited = run_cli("set", path, "callMonitoringTime=700", "currentThresholdDuration=8", ports="")
            self.assertEqual(edited.returncode, 0, edited.stderr)
            result = run_cli("--port", PORT, "--parity", "none", "restore", path, "--only",
                             "temperatureThreshold,voltageThreshold", ports=f"{PORT}={tool_end}")
            self.assertEqual(result.returncode, 0, result.stderr)
            with open(log) as f:
                writes = [r for r in f.read().splitlines() if r.startswith("write") and " 31500 " not in r]
            self.assertEqual(writes, ["write holding 50573 80", "write holding 50507 240 3 40 4 5 6005"])
            client = modulerig.ModbusSerialClient(port=tool_end, baudrate=19200, parity="N", timeout=1)
            self.assertTrue(client.connect())
            self.addCleanup(client.close)
            hr = lambda a, c: client.read_holding_registers(a, c, slave=247).registers  # noqa: E731
            self.assertEqual(hr(50573, 1), [80])
            self.assertEqual(hr(50501, 12), [800, 0, 1200, 0, 10, 0, 240, 3, 40, 4, 5, 6005])
            self.assertEqual(hr(31504, 1), [15])

    def test_restore(self):
        with tempfile.TemporaryDirectory() as tmp:
            tool_end, log = self.start_slave(tmp)
            path = write_settings(os.path.join(tmp, "settings.json"), SETTINGS)

            result = run_cli("--port", PORT, "--parity", "none", "restore", path, ports=f"{PORT}={tool_end}")
            self.assertEqual(result.returncode, 0, result.stderr)
            with open(log) as f:
                writes = [r for r in f.read().splitlines() if r.startswith("write")]
            self.assertTrue(writes[0].startswith("write holding 31500 "), writes)
            self.assertEqual(writes[1:], self.WRITES)

            client = modulerig.ModbusSerialClient(port=tool_end, baudrate=19200, parity="N", timeout=1)
            self.assertTrue(client.connect())
            self.addCleanup(client.close)
            for address, words in self.HOLDING.items():
                with self.subTest(address=address):
                    self.assertEqual(client.read_holding_registers(address, len(words), slave=247).registers, words)
            for address, bits in self.COILS.items():
                self.assertEqual(client.read_coils(address, len(bits), slave=247).bits[:len(bits)],
                                 [bool(b) for b in bits])


class IndependentLineTest(unittest.TestCase):
    """The acceptance check of the line: three slaves of pymodbus on one line."""

    LINE = r'''
import sys
from pymodbus.datastore import ModbusServerContext, ModbusSlaveContext, ModbusSparseDataBlock
from pymodbus.server import StartSerialServer
from pymodbus.transaction import ModbusRtuFramer

slaves = {}
for address, (holding, coils) in eval(sys.argv[2]).items():
    slaves[address] = ModbusSlaveContext(hr=ModbusSparseDataBlock(holding), co=ModbusSparseDataBlock(coils),
                                         di=ModbusSparseDataBlock({0: 0}), ir=ModbusSparseDataBlock({0: 0}),
                                         zero_mode=True)
StartSerialServer(context=ModbusServerContext(slaves=slaves, single=False), framer=ModbusRtuFramer,
                  port=sys.argv[1], baudrate=19200, parity="N", timeout=0.005, ignore_missing_slaves=True)
'''

    def test_line_save_restore_compare(self):
        rig = runpy.run_path(os.path.join(HERE, "..", "backend", "independent_slave.py"), run_name="independent_slave")
        line = {}
        for n, address in enumerate((110, 111, 112)):
            holding = dict(rig["HOLDING"])
            holding[50580] = 12 + n             # serial number 0701234500xx
            holding[50573] = 70 + n             # temperature threshold
            holding[50589] = 0x4142 + n         # FSD ID
            holding[31508] = address            # its own slave address
            line[address] = (holding, dict(rig["COILS"]))
        with tempfile.TemporaryDirectory() as tmp:
            slave_end, tool_end = os.path.join(tmp, "slave"), os.path.join(tmp, "tool")
            socat = subprocess.Popen(["socat", f"pty,raw,echo=0,link={slave_end}", f"pty,raw,echo=0,link={tool_end}"])
            self.addCleanup(lambda: (socat.kill(), socat.wait()))
            for _ in range(100):
                if os.path.exists(slave_end) and os.path.exists(tool_end):
                    break
                time.sleep(0.05)
            server = subprocess.Popen(["/usr/bin/python3", "-c", self.LINE, slave_end, repr(line)])
            self.addCleanup(lambda: (server.kill(), server.wait()))
            time.sleep(1.5)  # pymodbus takes its time to serve

            def cli(*args):
                return run_cli("--port", PORT, "--parity", "none", *args, ports=f"{PORT}={tool_end}", timeout=120)

            listed = cli("line")
            self.assertEqual(listed.returncode, 0, listed.stderr)
            self.assertEqual(re.findall(r"slave (\d+), serial number (\d+)", listed.stdout),
                             [("110", "070123450012"), ("111", "070123450013"), ("112", "070123450014")])

            folder = os.path.join(tmp, "saved")
            os.mkdir(folder)
            saved = cli("save-all", folder)
            self.assertEqual(saved.returncode, 0, saved.stdout + saved.stderr)
            self.assertEqual(sorted(os.listdir(folder)), [f"0701234500{n}.json" for n in (12, 13, 14)])

            reference = write_settings(os.path.join(tmp, "reference.json"), SETTINGS)
            written = cli("restore-all", reference)
            self.assertEqual(written.returncode, 0, written.stdout + written.stderr)
            self.assertEqual(cli("compare-all", reference).returncode, 0)
            changed = cli("compare-all", folder)
            self.assertEqual(changed.returncode, 1, changed.stdout)
            self.assertIn("Temperature threshold: 71 °C → 80 °C", changed.stdout)

            client = modulerig.ModbusSerialClient(port=tool_end, baudrate=19200, parity="N", timeout=1)
            self.assertTrue(client.connect())
            self.addCleanup(client.close)
            for n, address in enumerate((110, 111, 112)):
                with self.subTest(slave=address):
                    hr = lambda a, c: client.read_holding_registers(a, c, slave=address).registers  # noqa: E731
                    self.assertEqual(hr(50573, 1), [80])
                    self.assertEqual(hr(50501, 12), [800, 0, 4000, 0, 6000, 0, 240, 3, 40, 9, 5, 6000])
                    self.assertEqual(hr(31504, 1), [30])
                    # Identity and serial settings stay the slave's own.
                    self.assertEqual(hr(50589, 1), [0x4142 + n])
                    self.assertEqual(hr(50581, 3), [2021, 6, 9])
                    self.assertEqual(hr(31505, 4), [1, 1, 49664, address])
                    self.assertEqual(client.read_coils(50000, 2, slave=address).bits[:2], [False, True])


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    CLI = os.path.abspath(sys.argv[1])
    modulerig.MODULE = os.path.abspath(sys.argv[2])
    unittest.main(argv=[sys.argv[0]] + sys.argv[3:], verbosity=2)
