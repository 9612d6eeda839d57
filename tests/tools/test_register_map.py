"""The module's register map as independent masters see it: content, writes,
address checks, clock and alarms."""

import datetime
import math
import re
import struct
import subprocess
import time
import unittest

import modulerig
from modulerig import Module, exception_code, float_pairs, read_request


class RegisterMapTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.module = Module("--parity", "none")

    @classmethod
    def tearDownClass(cls):
        cls.module.close()

    def setUp(self):
        self.m = self.module

    def raw_exception(self, function, address, count):
        return exception_code(self.m.transact(read_request(function, address, count)))

    # Identity and settings ---------------------------------------------------

    def test_probe_register_reads_zero_in_application(self):
        self.assertEqual(self.m.registers(50521, 1), [0])

    def test_identity_block_read_by_home_page(self):
        words = self.m.registers(50573, 11)
        self.assertEqual(words[0], 60)  # temperature threshold
        self.assertIn(words[2], range(35, 46))  # temperature, degrees C
        self.assertEqual(words[3:8], [7, 1, 23, 45, 12])
        self.assertEqual(words[8:11], [2021, 6, 9])
        self.assertEqual(self.m.registers(50589, 3), [0x4F52, 0x5630, 0x3100])  # "ORV01"

    def test_versions_and_last_boot(self):
        words = self.m.registers(31000, 8)
        self.assertEqual(words[6:8], [112, 3])
        now = datetime.datetime.now()
        boot = datetime.datetime(2000 + words[5], words[4], words[3], words[2], words[1])
        self.assertLess(abs((now - boot).total_seconds()), 180)
        self.assertLess(words[0], 60000)

    def test_start_settings(self):
        # Line settings report the line the module was started on (parity none).
        self.assertEqual(self.m.registers(31504, 5), [5, 0, 0, 19200, 247])
        self.assertEqual(self.m.registers(50501, 12),
                         [1200, 0, 1200, 0, 1200, 0, 1, 1, 1, 1, 2, 100])

    # Measurements -------------------------------------------------------------

    def test_measurements_are_physically_consistent(self):
        self.assertEqual(self.m.control("freeze on"), "ok")
        try:
            i1, i2, i3, i_n, p, q, p1, p2, p3, q1, q2, q3 = float_pairs(self.m.registers(36812, 24))
            v = float_pairs(self.m.registers(50540, 6))
            pf = float_pairs(self.m.registers(50552, 6))
            ll = float_pairs(self.m.registers(50567, 6))
        finally:
            self.m.control("freeze off")
        for volts in v:
            self.assertAlmostEqual(volts, 230, delta=10)
        for current in (i1, i2, i3):
            self.assertTrue(5 < current < 200, current)
        self.assertTrue(0 <= i_n < max(i1, i2, i3))
        for factor in pf:
            self.assertTrue(0.85 <= factor <= 0.99, factor)
        for k, (pk, qk) in enumerate(((p1, q1), (p2, q2), (p3, q3))):
            apparent = v[k] * (i1, i2, i3)[k]
            self.assertAlmostEqual(pk, apparent * pf[k], delta=apparent * 1e-3)
            self.assertAlmostEqual(qk, apparent * math.sin(math.acos(pf[k])), delta=apparent * 1e-3)
        self.assertAlmostEqual(p, p1 + p2 + p3, delta=abs(p) * 1e-4)
        self.assertAlmostEqual(q, q1 + q2 + q3, delta=abs(q) * 1e-4)
        # Phase-to-phase voltages of a balanced 120-degree system.
        for k in range(3):
            a, b = v[k], v[(k + 1) % 3]
            self.assertAlmostEqual(ll[k], math.sqrt(a * a + b * b + a * b), delta=0.05)
            self.assertAlmostEqual(ll[k] / 230, math.sqrt(3), delta=0.08)

    def test_measurements_change_over_time(self):
        first = self.m.registers(36812, 24)
        time.sleep(1.2)
        self.assertNotEqual(first, self.m.registers(36812, 24))

    def test_extremes_bracket_instant_values_and_means_are_stamped(self):
        self.assertEqual(self.m.control("freeze on"), "ok")
        try:
            instant = float_pairs(self.m.registers(36812, 24))
            extremes = float_pairs(self.m.registers(36924, 48))
            mean = float_pairs(self.m.registers(36876, 24))
            stamp = self.m.registers(36860, 4)
        finally:
            self.m.control("freeze off")
        for n in range(4):  # currents: four minima, then four maxima
            self.assertLessEqual(extremes[n], instant[n])
            self.assertGreaterEqual(extremes[4 + n], instant[n])
        for n in range(8):  # powers: (max, min) per value
            self.assertGreaterEqual(extremes[8 + 2 * n], instant[4 + n])
            self.assertLessEqual(extremes[9 + 2 * n], instant[4 + n])
        for n in range(12):
            self.assertTrue(mean[n] > 0, mean)
        self.assertIn(stamp[1] >> 8, range(24))
        self.assertIn(stamp[1] & 0xFF, range(60))
        self.assertIn(stamp[2] >> 8, range(1, 13))
        self.assertIn(stamp[2] & 0x1F, range(1, 32))

    # Coils and alarms ----------------------------------------------------------

    def test_fuse_and_status_coils_follow_alarm_commands(self):
        self.assertEqual(self.m.coils(30000, 1), [1])
        self.assertEqual(self.m.coils(32311, 3), [0, 0, 0])
        try:
            self.assertEqual(self.m.control("alarm fuse 2 1"), "ok")
            self.assertEqual(self.m.coils(32311, 3), [0, 1, 0])
            self.m.control("alarm fuse 3 on")
            self.assertEqual(self.m.coils(32311, 3), [0, 1, 1])
            self.m.control("alarm status 0")
            self.assertEqual(self.m.coils(30000, 1), [0])
        finally:
            for command in ("alarm fuse 2 0", "alarm fuse 3 0", "alarm status 1"):
                self.m.control(command)
        self.assertEqual(self.m.coils(32311, 3), [0, 0, 0])
        self.assertTrue(self.m.control("alarm fuse 4 1").startswith("error"))

    def test_temperature_alarm_follows_threshold_unless_forced(self):
        client = self.m.client()
        try:
            self.assertFalse(client.write_register(50573, 20, slave=247).isError())
            self.assertEqual(self.m.coils(50574, 1), [1])
            self.assertEqual(self.m.registers(50573, 2)[1], 1)  # same bit inside the block
            client.write_register(50573, 99, slave=247)
            self.assertEqual(self.m.coils(50574, 1), [0])
            self.m.control("alarm temperature 1")
            self.assertEqual(self.m.coils(50574, 1), [1])
            self.m.control("alarm temperature auto")
            self.assertEqual(self.m.coils(50574, 1), [0])
        finally:
            self.m.control("alarm temperature auto")
            client.write_register(50573, 60, slave=247)

    # Writes --------------------------------------------------------------------

    def test_writes_read_back(self):
        client = self.m.client()
        try:
            self.assertFalse(client.write_registers(50581, [2024, 3, 5], slave=247).isError())
            self.assertEqual(self.m.registers(50573, 11)[8:], [2024, 3, 5])
            self.assertFalse(client.write_registers(50589, [0x4142, 0x3132, 0], slave=247).isError())
            self.assertEqual(self.m.registers(50589, 3), [0x4142, 0x3132, 0])
            self.assertFalse(client.write_coils(50000, [False, True], slave=247).isError())
            self.assertEqual(self.m.coils(50000, 2), [0, 1])
            self.assertFalse(client.write_coil(50000, True, slave=247).isError())
            self.assertEqual(self.m.coils(50000, 2), [1, 1])
            self.assertFalse(client.write_register(30501, 1, slave=247).isError())
            self.assertEqual(self.m.control("get 30501"), "ok 1")
        finally:
            self.m.control("set 50581 2021 6 9")
            self.m.control("set 50589 0x4F52 0x5630 0x3100")
            self.m.control("setcoil 50000 1 0")
            self.m.control("set 30501 0")

    def test_line_settings_are_stored_but_the_line_stays(self):
        client = self.m.client()
        self.assertFalse(client.write_registers(31505, [2, 1, 49664, 120], slave=247).isError())
        self.assertEqual(self.m.registers(31505, 4), [2, 1, 49664, 120])  # still on 247, 19200
        client.write_registers(31505, [0, 0, 19200, 247], slave=247)

    # Address and function checks ----------------------------------------------

    def test_unmapped_and_edge_crossing_ranges_answer_illegal_address(self):
        self.assertEqual(self.raw_exception(3, 40000, 1), 2)
        self.assertEqual(self.raw_exception(3, 50580, 5), 2)  # runs past the installation date
        self.assertEqual(self.raw_exception(3, 36811, 24), 2)  # starts one below the block
        self.assertEqual(self.raw_exception(3, 50523, 1), 2)  # bootloader only
        self.assertEqual(self.raw_exception(1, 32313, 2), 2)
        self.assertEqual(self.raw_exception(1, 30001, 1), 2)
        self.assertEqual(self.raw_exception(3, 30000, 1), 2)  # a coil, not a register
        self.assertIsNone(self.raw_exception(3, 50567, 9))   # the 50574 hole is mapped
        reply = self.m.client().read_holding_registers(50580, 5, slave=247)
        self.assertTrue(reply.isError())
        self.assertEqual(reply.exception_code, 2)

    def test_read_only_registers_refuse_writes(self):
        client = self.m.client()
        for address in (31006, 50521, 36812, 50575):
            reply = client.write_register(address, 1, slave=247)
            self.assertTrue(reply.isError(), address)
            self.assertEqual(reply.exception_code, 2)
        # A write that only partly covers writable registers changes nothing.
        reply = client.write_registers(50512, [7, 7], slave=247)
        self.assertEqual(reply.exception_code, 2)
        self.assertEqual(self.m.registers(50512, 1), [100])
        self.assertEqual(client.write_coil(30000, False, slave=247).exception_code, 2)
        self.assertEqual(self.m.coils(30000, 1), [1])

    def test_unsupported_function_and_bad_quantities(self):
        self.assertEqual(self.raw_exception(4, 50521, 1), 1)  # input registers
        self.assertEqual(self.raw_exception(2, 30000, 1), 1)  # discrete inputs
        self.assertEqual(self.raw_exception(3, 50521, 0), 3)
        self.assertEqual(self.raw_exception(3, 36812, 126), 3)
        bad_coil = modulerig.adu(247, 5, bytes([0xC3, 0x50, 0x12, 0x34]))
        self.assertEqual(exception_code(self.m.transact(bad_coil)), 3)

    def test_other_slave_addresses_are_ignored_and_broadcasts_obeyed_silently(self):
        self.assertEqual(self.m.transact(read_request(3, 50521, 1, slave=12), timeout=0.3), b"")
        broadcast = modulerig.adu(0, 6, struct.pack(">HH", 50573, 33))
        try:
            self.assertEqual(self.m.transact(broadcast, timeout=0.3), b"")
            self.assertEqual(self.m.control("get 50573"), "ok 33")
            last = self.m.log()[-1]
            self.assertEqual((last["slave"], last["fn"], last["values"], last["answer"]),
                             (0, 6, [33], "silent"))
        finally:
            self.m.control("set 50573 60")

    # Clock --------------------------------------------------------------------

    def test_clock_write_synchronises_and_the_clock_runs_from_it(self):
        self.assertEqual(self.m.control("setcoil 30002 1"), "ok")
        self.assertEqual(self.m.coils(30002, 1), [1])
        # Sunday 31 December 2023, 12:00:00.000
        reply = self.m.client().write_registers(31500, [0, 0x0C00, 0x0CFF, 23], slave=247)
        self.assertFalse(reply.isError())
        self.assertEqual(self.m.coils(30002, 1), [0])
        first = self.m.registers(31500, 4)
        self.assertEqual(first[1:], [0x0C00, 0x0CFF, 23])
        time.sleep(1.0)
        second = self.m.registers(31500, 9)
        self.assertGreaterEqual(second[0] - first[0], 900)
        self.assertEqual(second[4], 5)  # the block goes on with the settings

    def test_invalid_clock_words_are_refused(self):
        self.m.control("setcoil 30002 1")
        reply = self.m.client().write_registers(31500, [0, 0x0C00, 0x0D01, 23], slave=247)  # month 13
        self.assertEqual(reply.exception_code, 3)
        self.assertEqual(self.m.coils(30002, 1), [1])
        reply = self.m.client().write_registers(31500, [60000, 0x0C00, 0x0C01, 23], slave=247)
        self.assertEqual(reply.exception_code, 3)

    # A second, unrelated master ---------------------------------------------------

    def test_mbpoll_reads(self):
        base = ["mbpoll", "-m", "rtu", "-a", "247", "-b", "19200", "-P", "none", "-1", "-q",
                "-o", "1"]
        out = subprocess.run(base + ["-t", "4", "-r", "50522", "-c", "1", self.m.tool_end],
                             capture_output=True, text=True, timeout=10).stdout
        self.assertIn("[50522]: \t0", out)  # 1-based reference: address 50521
        out = subprocess.run(base + ["-0", "-t", "4:float", "-B", "-r", "50540", "-c", "3",
                                     self.m.tool_end],
                             capture_output=True, text=True, timeout=10).stdout
        volts = [float(v) for v in re.findall(r"\[5054[024]\]:\s+([0-9.]+)", out)]
        self.assertEqual(len(volts), 3, out)
        for value in volts:
            self.assertAlmostEqual(value, 230, delta=10)


if __name__ == "__main__":
    modulerig.main()
