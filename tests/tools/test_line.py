"""A line that behaves like a real one: frames that take their time at a baud
rate, answer latency, late, duplicated and noisy answers, the seed that
repeats the random choices, and requests sent at other line settings than the
module's."""

import os
import subprocess
import termios
import time
import unittest

import serial

import modulerig
from modulerig import Module, ModbusSerialClient, crc_ok, read_request

READ = read_request(3, 31006, 1)  # 8 bytes out, 7 back
CLEAN = None  # the module's normal answer to READ, taken at the start


def wire_time(characters, baud):
    return characters * 11 / baud


def silence(baud):
    return max(wire_time(3.5, baud), 0.00175)


def replies(m, frame=READ, size=7, copies=1, timeout=1.5):
    """Sends `frame` and returns each reply of `size` bytes with the seconds
    after sending at which it was complete."""
    sent = time.monotonic()
    data = m.transact(frame, timeout=timeout, expect=size)
    found = [(data[:size], time.monotonic() - sent)]
    while len(found) < copies:
        data += m.receive(max(timeout - found[-1][1], 0), expect=size * (len(found) + 1) - len(data))
        found.append((data[size * len(found):size * (len(found) + 1)], time.monotonic() - sent))
    return found


class LineTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        global CLEAN
        cls.module = Module("--parity", "none")
        CLEAN = cls.module.transact(READ, expect=7)

    @classmethod
    def tearDownClass(cls):
        cls.module.close()

    def setUp(self):
        self.m = self.module
        for command in ("line off", "latency off", "late off", "duplicate off", "noise off"):
            self.assertEqual(self.m.control(command), "ok")

    def assertPrompt(self):
        """One clean answer at once, and nothing after it."""
        [(reply, elapsed)] = replies(self.m)
        self.assertEqual(reply, CLEAN)
        self.assertLess(elapsed, 0.1)
        self.assertEqual(self.m.receive(0.25), b"")
        self.assertEqual(self.m.log()[-1]["faults"], [])

    def test_each_fault_switches_on_and_off(self):
        cases = (
            # on, off, copies, earliest (s), clean, faults logged
            ("line baud 19200", "line off", 1, wire_time(15, 19200) + silence(19200), True, []),
            ("line on", "line baud off", 1, wire_time(15, 19200) + silence(19200), True, []),
            ("latency 150 150", "latency off", 1, 0.15, True, []),
            ("late 1 300", "late off", 1, 0.3, True, ["late"]),
            ("duplicate 150", "duplicate off", 2, 0, True, ["duplicated"]),
            ("noise 1", "noise off", 1, 0, False, ["noise"]),
        )
        for on, off, copies, earliest, clean, faults in cases:
            with self.subTest(on):
                self.assertEqual(self.m.control(on), "ok")
                found = replies(self.m, copies=copies)
                for reply, elapsed in found:
                    self.assertGreaterEqual(elapsed, earliest)
                    self.assertLess(elapsed, earliest + 0.25)
                    self.assertEqual(reply == CLEAN, clean, reply)
                self.assertEqual(self.m.log()[-1]["faults"], faults)
                self.assertEqual(self.m.control(off), "ok")
                self.assertPrompt()

    def test_frames_take_their_time_on_the_line(self):
        self.m.control("line baud 19200")
        for count in (1, 48):
            with self.subTest(count=count):
                size = 5 + 2 * count
                earliest = wire_time(8 + size, 19200) + silence(19200)
                [(reply, elapsed)] = replies(self.m, read_request(3, 36924, count), size=size)
                self.assertTrue(crc_ok(reply))
                self.assertGreaterEqual(elapsed, earliest)
                self.assertLess(elapsed, earliest + 0.08)

    def test_a_copy_waits_until_the_line_is_free(self):
        # At 1200 baud a 7-byte answer is 64 ms on the line, the silence 32 ms.
        self.m.control("line baud 1200")
        self.m.control("duplicate 0")
        (first, t1), (second, t2) = replies(self.m, copies=2)
        self.assertEqual(first, second)
        self.assertGreaterEqual(t1, wire_time(15, 1200) + silence(1200))
        self.assertGreaterEqual(t2 - t1, wire_time(7, 1200) + silence(1200) - 0.02)

    def test_latency_falls_within_its_range(self):
        self.assertEqual(self.m.control("latency 60 140"), "ok")
        times = [replies(self.m)[0][1] for _ in range(6)]
        for elapsed in times:
            self.assertTrue(0.06 <= elapsed < 0.19, times)
        self.assertEqual({r["answer"] for r in self.m.log()[-6:]}, {"delayed"})

    def test_duplicate_comes_ms_after_the_answer(self):
        self.m.control("duplicate 200")
        (first, t1), (second, t2) = replies(self.m, copies=2)
        self.assertEqual(first, CLEAN)
        self.assertEqual(second, CLEAN)
        self.assertTrue(0.195 <= t2 - t1 < 0.35, (t1, t2))
        # A share of none duplicates nothing.
        self.m.control("duplicate 0 200")
        self.assertPrompt()

    def test_noise_flips_one_bit_of_each_byte_it_hits(self):
        self.m.control("noise 1")
        [(reply, _)] = replies(self.m)
        self.assertFalse(crc_ok(reply))
        self.assertEqual([bin(a ^ b).count("1") for a, b in zip(reply, CLEAN)], [1] * 7)
        self.assertEqual(self.m.log()[-1]["flipped"], 7)
        self.m.control("noise 0")
        self.assertPrompt()

    def test_a_seed_repeats_the_random_choices(self):
        self.m.control("noise 0.3")
        runs = []
        for _ in range(2):
            self.assertEqual(self.m.control("seed 11"), "ok")
            runs.append([replies(self.m)[0][0] for _ in range(4)])
        self.assertEqual(runs[0], runs[1])
        flipped = sum(bin(a ^ b).count("1") for reply in runs[0] for a, b in zip(reply, CLEAN))
        self.assertTrue(0 < flipped < 28, flipped)
        self.assertEqual(self.m.control("seed"), "ok 11")

    def test_malformed_commands_are_refused(self):
        for command in ("line baud -1", "line fast", "latency 200 100", "latency 5",
                        "late 1.5 100", "late 100", "duplicate", "duplicate 2 100",
                        "noise 1.1", "noise -0.1", "seed x", "seed -1"):
            with self.subTest(command):
                self.assertTrue(self.m.control(command).startswith("error"))


def put_back(m):
    """Leaves the tool's end at 50 baud without parity, as Qt's close puts back
    what it found. pyserial cannot open a pseudo-terminal at the parity it
    already has: the pty drops the parity bit, the set changes nothing, and the
    C library takes that for a refusal (EINVAL)."""
    fd = os.open(m.tool_end, os.O_RDWR | os.O_NOCTTY | os.O_NONBLOCK)
    try:
        attrs = termios.tcgetattr(fd)
        attrs[2] &= ~(termios.PARENB | termios.PARODD)
        attrs[4] = attrs[5] = termios.B50
        termios.tcsetattr(fd, termios.TCSANOW, attrs)
    finally:
        os.close(fd)


def raw_at(m, baud, parity, frame, timeout=0.3):
    """Sends `frame` from the tool's end opened at `baud` and `parity` ("N",
    "E" or "O") and returns what comes back within `timeout` seconds."""
    put_back(m)
    with serial.Serial(m.tool_end, baud, parity=parity, timeout=timeout) as line:
        line.reset_input_buffer()
        line.write(frame)
        return line.read(7)


class LineSettingsTest(unittest.TestCase):
    """With --tool-end the module answers only requests sent at its own baud
    rate and parity (38400 odd here); a pseudo-terminal shows no difference
    between no parity and even parity."""

    @classmethod
    def setUpClass(cls):
        cls.module = Module("--baud", "38400", "--parity", "odd", "--slave", "133",
                            "--tool-end", "{dir}/tool")

    @classmethod
    def tearDownClass(cls):
        cls.module.close()

    def master(self, baud, parity):
        put_back(self.module)
        client = ModbusSerialClient(port=self.module.tool_end, baudrate=baud, parity=parity,
                                    timeout=1, retries=0, strict=False)
        self.assertTrue(client.connect())
        return client

    def test_other_settings_get_no_answer_and_the_log_says_why(self):
        frame = read_request(3, 31508, 1, slave=133)
        for baud, parity, seen in ((19200, "O", "19200 odd"), (38400, "E", "38400 none or even"),
                                   (19200, "E", "19200 none or even"),
                                   (14400, "O", "14400 odd")):  # a rate without a B constant
            with self.subTest(seen):
                heard = len(self.module.log())
                self.assertEqual(raw_at(self.module, baud, parity, frame), b"")
                log = self.module.log()
                self.assertEqual(len(log), heard + 1)
                self.assertEqual((log[-1]["answer"], log[-1]["line"]), ("line settings differ", seen))
        self.assertTrue(crc_ok(raw_at(self.module, 38400, "O", frame)))

    def test_a_master_is_judged_on_its_settings_of_the_moment(self):
        for baud, answered in ((38400, True), (19200, False), (38400, True)):
            with self.subTest(baud=baud):
                client = self.master(baud, "O")
                reply = client.read_holding_registers(31505, 4, slave=133)
                client.close()
                self.assertEqual(not reply.isError(), answered, reply)
                if answered:
                    self.assertEqual(reply.registers, [2, 0, 38400, 133])
                    self.assertEqual(self.module.log()[-1]["answer"], "normal")
                else:
                    self.assertEqual(self.module.log()[-1]["line"], "19200 odd")

    def test_a_line_set_anew_while_open_is_judged_anew(self):
        frame = read_request(3, 31508, 1, slave=133)
        put_back(self.module)
        with serial.Serial(self.module.tool_end, 38400, parity="O", timeout=0.3) as line:
            for baud, answered in ((38400, True), (19200, False), (38400, True)):
                if line.baudrate != baud:  # a set that changes nothing fails, see put_back
                    line.baudrate = baud
                line.reset_input_buffer()
                line.write(frame)
                self.assertEqual(crc_ok(line.read(7)), answered, baud)

    def test_written_line_settings_leave_the_line_as_it_was(self):
        self.addCleanup(self.module.control, "set 31505 2 0 38400 133")
        client = self.master(38400, "O")
        self.addCleanup(client.close)
        self.assertFalse(client.write_registers(31505, [1, 0, 19200, 247], slave=133).isError())
        self.assertEqual(client.read_holding_registers(31505, 4, slave=133).registers,
                         [1, 0, 19200, 247])
        client.close()
        heard = len(self.module.log())
        self.assertEqual(raw_at(self.module, 19200, "E", read_request(3, 31508, 1, slave=133)), b"")
        log = self.module.log()
        self.assertEqual(len(log), heard + 1)
        self.assertEqual(log[-1]["answer"], "line settings differ")


class StartFlagTest(unittest.TestCase):
    def test_flags_set_the_line_from_the_start(self):
        m = Module("--parity", "none", "--line-baud", "9600", "--latency", "100-100",
                   "--late", "1:100", "--duplicate", "1:150", "--seed", "42")
        self.addCleanup(m.close)
        (first, t1), (second, t2) = replies(m, copies=2)
        self.assertEqual(first, second)
        self.assertTrue(crc_ok(first))
        self.assertGreaterEqual(t1, 0.2 + wire_time(15, 9600) + silence(9600))
        self.assertGreaterEqual(t2 - t1, 0.15)
        self.assertEqual(m.log()[-1]["faults"], ["late", "duplicated"])
        self.assertEqual(m.control("seed"), "ok 42")

    def test_without_a_tool_end_any_settings_reach_the_module(self):
        m = Module("--baud", "38400", "--parity", "odd", "--slave", "133")
        self.addCleanup(m.close)
        self.assertTrue(crc_ok(raw_at(m, 19200, "E", read_request(3, 31508, 1, slave=133))))
        self.assertEqual(m.log()[-1]["answer"], "normal")

    def test_bad_flags_are_refused(self):
        for flags in (["--line-baud", "-5"], ["--latency", "50-10"], ["--latency", "10"],
                      ["--delay", "5", "--latency", "1-2"], ["--late", "0.5"],
                      ["--late", "2:10"], ["--duplicate", "1:x"], ["--noise", "2"],
                      ["--seed", "-3"]):
            with self.subTest(flags=flags):
                result = subprocess.run([modulerig.MODULE, "--port", "/dev/null", *flags],
                                        capture_output=True, text=True, timeout=10)
                self.assertEqual(result.returncode, 2, result.stderr)
                self.assertIn(flags[-2], result.stderr)


if __name__ == "__main__":
    modulerig.main()
