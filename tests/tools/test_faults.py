"""Faults a test can switch on: silence, delay, corrupt CRC, forced
exceptions, a dropped line; and the request log that records it all."""

import os
import socket
import time
import unittest

import modulerig
from modulerig import Module, crc_ok, exception_code, read_request, write_registers_request

PROBE = read_request(3, 50521, 1)
PROBE_REPLY_LENGTH = 7


class FaultTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.module = Module("--parity", "none")

    @classmethod
    def tearDownClass(cls):
        cls.module.close()

    def setUp(self):
        self.m = self.module
        for command in ("silent off", "delay 0", "corrupt off", "exception clear", "plug"):
            self.assertEqual(self.m.control(command), "ok")

    def assertAnswers(self):
        reply = self.m.transact(PROBE, expect=PROBE_REPLY_LENGTH)
        self.assertTrue(crc_ok(reply), reply)
        self.assertEqual(reply[:5], bytes([247, 3, 2, 0, 0]))

    def test_silent_module_receives_but_never_answers(self):
        self.m.control("silent on")
        self.assertEqual(self.m.transact(PROBE, timeout=0.3), b"")
        self.assertEqual(self.m.transact(read_request(3, 40000, 1), timeout=0.3), b"")
        self.assertEqual([r["answer"] for r in self.m.log()[-2:]], ["silent", "silent"])
        self.m.control("silent off")
        self.assertAnswers()

    def test_delay_holds_the_answer_but_not_the_control_channel(self):
        self.assertEqual(self.m.control("delay 400"), "ok")
        sent = time.monotonic()
        os.write(self.m.line(), PROBE)
        # The control channel answers at once while the reply is pending.
        self.assertEqual(self.m.control("mode"), "ok application")
        self.assertLess(time.monotonic() - sent, 0.2)
        reply = self.m.receive(1.0, expect=PROBE_REPLY_LENGTH)
        elapsed = time.monotonic() - sent
        self.assertTrue(0.38 <= elapsed < 0.7, elapsed)
        self.assertTrue(crc_ok(reply))
        self.assertEqual(self.m.log()[-1]["answer"], "delayed")
        # Exceptions are delayed too.
        sent = time.monotonic()
        reply = self.m.transact(read_request(3, 40000, 1), timeout=1.0, expect=5)
        self.assertGreaterEqual(time.monotonic() - sent, 0.38)
        self.assertEqual(exception_code(reply), 2)
        self.m.control("delay 0")
        sent = time.monotonic()
        self.assertAnswers()
        self.assertLess(time.monotonic() - sent, 0.2)

    def test_corrupt_answers_carry_a_wrong_crc(self):
        self.m.control("corrupt on")
        reply = self.m.transact(PROBE, expect=PROBE_REPLY_LENGTH)
        self.assertEqual(len(reply), PROBE_REPLY_LENGTH)
        self.assertEqual(reply[:5], bytes([247, 3, 2, 0, 0]))
        self.assertFalse(crc_ok(reply))
        self.assertEqual(self.m.log()[-1]["answer"], "corrupt")
        # pymodbus rejects it like any master would.
        self.assertTrue(self.m.client().read_holding_registers(50521, 1, slave=247).isError())
        self.m.control("corrupt off")
        self.assertAnswers()

    def test_forced_exception_hits_every_range_covering_the_address(self):
        self.assertEqual(self.m.control("exception 31006 4"), "ok")
        self.assertEqual(exception_code(self.m.transact(read_request(3, 31000, 8))), 4)
        self.assertEqual(exception_code(self.m.transact(read_request(3, 31006, 1))), 4)
        self.assertIsNone(exception_code(self.m.transact(read_request(3, 31007, 1))))
        self.assertIsNone(exception_code(self.m.transact(read_request(3, 31000, 6))))
        # Writes too, and a forced exception stores nothing.
        self.m.control("exception 50573 6")
        reply = self.m.transact(write_registers_request(50573, [10, 0]))
        self.assertEqual(exception_code(reply), 6)
        self.assertEqual(self.m.control("get 50573"), "ok 60")
        self.assertEqual(self.m.log()[-1]["answer"], "exception 6")
        self.m.control("exception 31006 off")
        self.assertIsNone(exception_code(self.m.transact(read_request(3, 31000, 8))))
        self.m.control("exception clear")
        self.assertIsNone(exception_code(self.m.transact(read_request(3, 50573, 1))))
        self.assertTrue(self.m.control("exception 1 0").startswith("error"))

    def test_dropped_line_answers_nothing_until_plugged(self):
        self.assertEqual(self.m.control("drop"), "ok")
        self.assertEqual(self.m.transact(PROBE, timeout=0.3), b"")
        self.assertEqual(self.m.control("plug"), "ok")
        self.assertAnswers()

    def test_request_log_records_the_bus_traffic(self):
        client = self.m.client()
        client.write_registers(50581, [2022, 1, 2], slave=247)
        client.write_coils(50000, [True, False], slave=247)
        client.write_register(50573, 60, slave=247)
        client.read_coils(32311, 3, slave=247)
        self.m.transact(read_request(3, 40000, 2))
        records = self.m.log()[-5:]
        self.assertEqual(
            [{k: r[k] for k in ("slave", "fn", "addr", "count", "values", "answer")} for r in records],
            [{"slave": 247, "fn": 16, "addr": 50581, "count": 3, "values": [2022, 1, 2], "answer": "normal"},
             {"slave": 247, "fn": 15, "addr": 50000, "count": 2, "values": [1, 0], "answer": "normal"},
             {"slave": 247, "fn": 6, "addr": 50573, "count": 1, "values": [60], "answer": "normal"},
             {"slave": 247, "fn": 1, "addr": 32311, "count": 3, "values": [], "answer": "normal"},
             {"slave": 247, "fn": 3, "addr": 40000, "count": 2, "values": [], "answer": "exception 2"}])
        times = [r["t"] for r in self.m.log()]
        self.assertEqual(times, sorted(times))
        self.m.control("set 50581 2021 6 9")
        self.m.control("setcoil 50000 1 0")

    def test_control_commands_report_errors(self):
        self.assertTrue(self.m.control("delay -1").startswith("error"))
        self.assertTrue(self.m.control("silent maybe").startswith("error"))
        self.assertTrue(self.m.control("get 40000").startswith("error"))
        self.assertTrue(self.m.control("set 31006").startswith("error"))
        self.assertTrue(self.m.control("set 50573 70000").startswith("error"))
        self.assertTrue(self.m.control("frobnicate").startswith("error"))
        self.assertEqual(self.m.control("get 31006 2"), "ok 112 3")
        self.assertEqual(self.m.control("getcoil 32311 3"), "ok 0 0 0")

    def test_a_second_control_client_is_served_too(self):
        other = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        other.connect(self.m.control_path)
        other.settimeout(2)
        other.sendall(b"mode\nget 31007\n")
        data = b""
        while data.count(b"\n") < 2:
            data += other.recv(4096)
        other.close()
        self.assertEqual(data, b"ok application\nok 3\n")


class ResetTimeTest(unittest.TestCase):
    def test_reset_time_sets_how_long_the_module_is_away(self):
        m = Module("--parity", "none", "--reset-time", "700")
        self.addCleanup(m.close)
        m.client().write_register(50522, 1, slave=247)
        started = time.monotonic()
        time.sleep(0.4)
        self.assertEqual(m.control("mode"), "ok resetting")
        self.assertEqual(m.transact(PROBE, timeout=0.1), b"")
        self.assertTrue(m.wait_mode("bootloader", 1.0))
        self.assertGreaterEqual(time.monotonic() - started, 0.65)


if __name__ == "__main__":
    modulerig.main()
