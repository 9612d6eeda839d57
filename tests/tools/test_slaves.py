"""Several modules on one line: each at its own address with its own
registers, mode and faults; addresses nobody has stay unanswered."""

import os
import struct
import subprocess
import time
import unittest

import modulerig
from modulerig import Module, adu, crc_ok, read_request

LINE = [110, 111, 112, 113, 247]
ABSENT = [1, 109, 114, 246]
CONTROL = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                       "..", "..", "tools", "virtual-module", "control")


class LineOfModulesTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.m = Module("--parity", "none", "--slaves", "110-113,247")

    @classmethod
    def tearDownClass(cls):
        cls.m.close()

    def setUp(self):
        for slave in LINE:
            self.assertEqual(self.m.control("slave %d silent off" % slave), "ok")
            self.assertEqual(self.m.control("slave %d delay 0" % slave), "ok")

    def read(self, slave, address, count):
        reply = self.m.client().read_holding_registers(address, count, slave=slave)
        self.assertFalse(reply.isError(), "slave %d: %s" % (slave, reply))
        return list(reply.registers)

    def test_each_module_answers_at_its_own_address_with_its_own_identity(self):
        serials, fsd_ids = set(), set()
        for slave in LINE:
            self.assertEqual(self.read(slave, 31508, 1), [slave])
            serials.add(tuple(self.read(slave, 50576, 5)))
            fsd_ids.add(tuple(self.read(slave, 50589, 3)))
            self.assertEqual(self.m.log()[-1]["slave"], slave)
        self.assertEqual(len(serials), len(LINE))
        self.assertEqual(len(fsd_ids), len(LINE))
        # The first module is the one a single module is.
        self.assertEqual(self.read(110, 50576, 5), [7, 1, 23, 45, 12])

    def test_a_write_changes_only_its_module(self):
        client = self.m.client()
        try:
            self.assertFalse(client.write_register(50573, 33, slave=112).isError())
            self.assertEqual({s: self.read(s, 50573, 1)[0] for s in LINE},
                             {s: 33 if s == 112 else 60 for s in LINE})
        finally:
            self.m.control("slave 112 set 50573 60")

    def test_a_broadcast_reaches_every_module_and_none_answers(self):
        try:
            self.assertEqual(self.m.transact(adu(0, 6, struct.pack(">HH", 50573, 44)), timeout=0.3), b"")
            for slave in LINE:
                self.assertEqual(self.m.control("slave %d get 50573" % slave), "ok 44")
        finally:
            for slave in LINE:
                self.m.control("slave %d set 50573 60" % slave)

    def test_a_silenced_module_times_out_while_the_others_answer(self):
        subprocess.run([CONTROL, "--socket", self.m.control_path, "--slave", "112", "silent", "on"],
                       check=True, capture_output=True, timeout=10)
        self.assertTrue(self.m.client().read_holding_registers(31508, 1, slave=112).isError())
        for slave in LINE:
            if slave != 112:
                self.assertEqual(self.read(slave, 31508, 1), [slave])

    def test_an_absent_address_gets_no_answer(self):
        for slave in ABSENT:
            self.assertEqual(self.m.transact(read_request(3, 31508, 1, slave=slave), timeout=0.2), b"", slave)

    def test_answers_queue_one_behind_the_other(self):
        # 111 answers late; 113, asked right after, waits for the line.
        self.assertEqual(self.m.control("slave 111 delay 200"), "ok")
        first, second = read_request(3, 31508, 1, slave=111), read_request(3, 31508, 1, slave=113)
        data = self.m.transact(first + second, timeout=1.5, expect=14)
        self.assertEqual(len(data), 14)
        self.assertTrue(crc_ok(data[:7]) and crc_ok(data[7:]))
        self.assertEqual((data[0], data[7]), (111, 113))

    def test_commands_address_one_module_and_refuse_the_rest(self):
        self.assertEqual(self.m.control("slave 111 get 31508"), "ok 111")
        self.assertEqual(self.m.control("get 31508"), "ok 110")  # no prefix: the first module
        for command in ("slave 114 get 31508", "slave 112", "slave x mode", "slave 112 noise 0.1"):
            self.assertTrue(self.m.control(command).startswith("error"), command)

    def test_bad_lists_are_refused(self):
        for value in ("110-", "114-110", "0,5", "5,5", "3-6,4", "248"):
            result = subprocess.run([modulerig.MODULE, "--port", "/dev/null", "--slaves", value],
                                    capture_output=True, text=True, timeout=10)
            self.assertEqual(result.returncode, 2, value)
            self.assertIn("--slaves", result.stderr)


class ModesOnALineTest(unittest.TestCase):
    def test_one_module_in_the_bootloader_and_the_whole_line_silenced(self):
        m = Module("--slaves", "5,6", "--reset-time", "50")
        try:
            self.assertFalse(m.client().write_register(50522, 1, slave=6).isError())
            deadline = time.monotonic() + 2
            while m.control("slave 6 mode") != "ok bootloader" and time.monotonic() < deadline:
                time.sleep(0.02)
            self.assertEqual(m.control("slave 6 mode"), "ok bootloader")
            self.assertEqual(m.control("mode"), "ok application")
            self.assertEqual(m.client().read_holding_registers(31508, 1, slave=6).exception_code, 2)
            self.assertEqual(m.client().read_holding_registers(31508, 1, slave=5).registers, [5])
            self.assertEqual(m.control("silent on"), "ok")  # no slave: the whole line
            self.assertEqual(m.transact(read_request(3, 31508, 1, slave=5), timeout=0.2), b"")
        finally:
            m.close()


if __name__ == "__main__":
    modulerig.main()
