"""Firmware update through the module's bootloader, as the tool drives it."""

import os
import random
import time
import unittest
import zlib

import modulerig
from modulerig import Module, read_request


def block(offset, chunk):
    """One image block: offset words, then two bytes per register, the first
    byte of each pair in the low half."""
    padded = chunk + bytes(16 - len(chunk))
    words = [offset >> 16, offset & 0xFFFF]
    words += [padded[2 * k] | (padded[2 * k + 1] << 8) for k in range(8)]
    return words


class BootloaderTest(unittest.TestCase):
    def setUp(self):
        self.m = Module("--parity", "none", "--image-out", "{dir}/image.bin")
        self.addCleanup(self.m.close)
        self.client = self.m.client()

    def write(self, address, words):
        if len(words) == 1:
            return self.client.write_register(address, words[0], slave=247)
        return self.client.write_registers(address, words, slave=247)

    def assertAccepted(self, address, words):
        reply = self.write(address, words)
        self.assertFalse(reply.isError(), "%d %s: %s" % (address, words[:2], reply))

    def enter_bootloader(self):
        self.assertAccepted(50522, [1])
        started = time.monotonic()
        # A resetting module hears nothing.
        self.assertEqual(self.m.transact(read_request(3, 50521, 1), timeout=0.1), b"")
        self.assertTrue(self.m.wait_mode("bootloader", 1.0))
        self.assertLess(time.monotonic() - started, 1.0)
        self.assertEqual(self.m.registers(50521, 1), [1])

    def send_header(self, checksum, length):
        for address, word in ((50525, checksum >> 16), (50526, checksum & 0xFFFF),
                              (50523, length >> 16), (50524, length & 0xFFFF)):
            self.assertAccepted(address, [word])

    def send_image(self, image):
        for offset in range(0, len(image), 16):
            self.assertAccepted(50527, block(offset, image[offset:offset + 16]))
        self.assertAccepted(50527, block(len(image), b""))

    def received_image(self):
        with open(os.path.join(self.m.dir, "image.bin"), "rb") as f:
            return f.read()

    def test_update_runs_the_new_application(self):
        image = bytes(random.Random(7).randrange(256) for _ in range(37))
        self.enter_bootloader()
        self.send_header(zlib.crc32(image), len(image))
        self.send_image(image)
        # Silent while it restarts, then back in the application within a second.
        self.assertEqual(self.m.transact(read_request(3, 50521, 1), timeout=0.1), b"")
        self.assertTrue(self.m.wait_mode("application", 1.0))
        self.assertEqual(self.m.registers(50521, 1), [0])
        self.assertEqual(self.m.registers(31006, 1), [113])
        self.assertEqual(self.received_image(), image)

        blocks = [r for r in self.m.log() if r["addr"] == 50527]
        self.assertEqual([(r["fn"], r["count"], r["values"][1], r["answer"]) for r in blocks],
                         [(16, 10, 0, "normal"), (16, 10, 16, "normal"),
                          (16, 10, 32, "normal"), (16, 10, 37, "normal")])
        # The last partial block: bytes 32..36, the odd one alone in a low half.
        self.assertEqual(blocks[2]["values"][2:],
                         [image[32] | image[33] << 8, image[34] | image[35] << 8, image[36],
                          0, 0, 0, 0, 0])

    def test_empty_image_is_a_valid_update(self):
        self.enter_bootloader()
        self.send_header(0, 0)
        self.assertAccepted(50527, block(0, b""))
        self.assertTrue(self.m.wait_mode("application", 1.0))
        self.assertEqual(self.m.registers(31006, 1), [113])
        self.assertEqual(self.received_image(), b"")

    def test_wrong_checksum_stays_in_bootloader(self):
        image = bytes(range(40))
        self.enter_bootloader()
        self.send_header(zlib.crc32(image) ^ 1, len(image))
        self.send_image(image)
        time.sleep(0.6)
        self.assertEqual(self.m.control("mode"), "ok bootloader")
        self.assertEqual(self.m.registers(50521, 1), [1])
        self.assertEqual(self.received_image(), image)
        # The application did not change.
        self.assertEqual(self.m.control("get 31006"), "ok 112")

    def test_out_of_order_block_fails_the_transfer(self):
        image = bytes(range(48))
        self.enter_bootloader()
        self.send_header(zlib.crc32(image), len(image))
        self.assertEqual(self.write(50527, block(16, image[16:32])).exception_code, 3)
        # Even a correct sequence afterwards cannot rescue this transfer.
        self.send_image(image)
        time.sleep(0.6)
        self.assertEqual(self.m.control("mode"), "ok bootloader")
        # A new header starts a new transfer, which then succeeds.
        self.send_header(zlib.crc32(image), len(image))
        self.send_image(image)
        self.assertTrue(self.m.wait_mode("application", 1.0))

    def test_block_before_header_and_malformed_blocks_are_refused(self):
        self.enter_bootloader()
        self.assertEqual(self.write(50527, block(0, b"abc")).exception_code, 3)
        self.send_header(zlib.crc32(b"abc"), 3)
        self.assertEqual(self.write(50527, block(0, b"abc")[:5]).exception_code, 3)
        self.assertEqual(self.write(50528, [0] * 9).exception_code, 3)
        self.assertEqual(self.write(50527, block(0, b"abc") + [0]).exception_code, 2)  # past the window

    def test_bootloader_serves_only_its_own_registers(self):
        self.enter_bootloader()
        self.assertEqual(self.client.read_holding_registers(31006, 1, slave=247).exception_code, 2)
        self.assertEqual(self.client.read_coils(30000, 1, slave=247).exception_code, 2)
        self.assertEqual(self.write(50521, [0]).exception_code, 2)
        self.assertEqual(self.m.registers(50521, 7)[0], 1)
        # Another reset lands in the bootloader again.
        self.enter_bootloader()

    def test_reset_needs_the_value_one(self):
        self.assertAccepted(50522, [0])
        self.assertEqual(self.m.registers(50521, 1), [0])
        self.assertEqual(self.m.control("mode"), "ok application")


if __name__ == "__main__":
    modulerig.main()
