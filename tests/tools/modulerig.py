"""Test rig for the virtual module: a socat pseudo-terminal pair, the module
on one end, and independent Modbus masters (raw frames, pymodbus, mbpoll) on
the other."""

import json
import os
import select
import shutil
import socket
import struct
import subprocess
import sys
import tempfile
import termios
import time
import types

# pymodbus 3.0.0 imports serial_asyncio for its async client even when only the
# synchronous one is used; that package is not needed here.
sys.modules.setdefault("serial_asyncio", types.SimpleNamespace(create_serial_connection=None))
from pymodbus.client import ModbusSerialClient  # noqa: E402

MODULE = None  # path of the module binary, set by main()
SLAVE = 247


def crc16(data):
    crc = 0xFFFF
    for byte in data:
        crc ^= byte
        for _ in range(8):
            crc = (crc >> 1) ^ 0xA001 if crc & 1 else crc >> 1
    return crc


def adu(slave, function, payload):
    body = bytes([slave, function]) + payload
    return body + struct.pack("<H", crc16(body))


def read_request(function, address, count, slave=SLAVE):
    return adu(slave, function, struct.pack(">HH", address, count))


def write_registers_request(address, words, slave=SLAVE):
    payload = struct.pack(">HHB", address, len(words), 2 * len(words))
    payload += b"".join(struct.pack(">H", w) for w in words)
    return adu(slave, 16, payload)


def crc_ok(frame):
    return len(frame) >= 4 and struct.unpack("<H", frame[-2:])[0] == crc16(frame[:-2])


def float_pairs(words):
    return [struct.unpack(">f", struct.pack(">HH", words[i], words[i + 1]))[0]
            for i in range(0, len(words), 2)]


class Module:
    """One virtual module process on its own pty pair."""

    def __init__(self, *args, stdin=subprocess.DEVNULL):
        """`args` go to the module; "{dir}" in them is the rig's directory."""
        self.dir = tempfile.mkdtemp(prefix="vmtest.")
        args = [a.replace("{dir}", self.dir) for a in args]
        self.module_end = os.path.join(self.dir, "module")
        self.tool_end = os.path.join(self.dir, "tool")
        self.control_path = os.path.join(self.dir, "control")
        self.log_path = os.path.join(self.dir, "requests.jsonl")
        self.socat = subprocess.Popen(
            ["socat", "pty,raw,echo=0,link=" + self.module_end,
             "pty,raw,echo=0,link=" + self.tool_end],
            stderr=subprocess.DEVNULL)
        self.process = None
        self._out = b""
        self._control = None
        self._fd = None
        self._client = None
        deadline = time.monotonic() + 5
        while not (os.path.exists(self.module_end) and os.path.exists(self.tool_end)):
            if time.monotonic() > deadline:
                self.close()
                raise RuntimeError("socat did not create the pty pair")
            time.sleep(0.02)
        self.process = subprocess.Popen(
            [MODULE, "--port", self.module_end, "--control", self.control_path,
             "--log", self.log_path, *args],
            stdin=stdin, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        line = self._stdout_line(5)
        if line != "ready":
            err = self.process.stderr.read1(4096).decode() if self.process.poll() is not None else ""
            self.close()
            raise RuntimeError("module did not get ready: %r %s" % (line, err))

    def _stdout_line(self, timeout):
        """Next line the module printed, or None after `timeout` seconds."""
        fd = self.process.stdout.fileno()
        deadline = time.monotonic() + timeout
        while b"\n" not in self._out:
            left = deadline - time.monotonic()
            ready, _, _ = select.select([fd], [], [], max(left, 0))
            if not ready:
                return None
            chunk = os.read(fd, 4096)
            if not chunk:
                return None
            self._out += chunk
        line, self._out = self._out.split(b"\n", 1)
        return line.decode().strip()

    # Control channel -------------------------------------------------------

    def control(self, command):
        if self._control is None:
            self._control = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
            self._control.connect(self.control_path)
            self._control.settimeout(5)
            self._control_buffer = b""
        self._control.sendall(command.encode() + b"\n")
        while b"\n" not in self._control_buffer:
            chunk = self._control.recv(4096)
            if not chunk:
                raise RuntimeError("control socket closed")
            self._control_buffer += chunk
        line, self._control_buffer = self._control_buffer.split(b"\n", 1)
        return line.decode()

    def wait_mode(self, mode, timeout):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if self.control("mode") == "ok " + mode:
                return True
            time.sleep(0.02)
        return False

    # Raw frames on the tool's end ------------------------------------------

    def line(self):
        if self._fd is None:
            self._fd = os.open(self.tool_end, os.O_RDWR | os.O_NOCTTY | os.O_NONBLOCK)
        return self._fd

    def transact(self, frame, timeout=0.5, expect=None):
        """Sends a frame and returns what comes back within `timeout` seconds
        (stops early once `expect` bytes or a quiet gap after some bytes)."""
        fd = self.line()
        termios.tcflush(fd, termios.TCIFLUSH)
        os.write(fd, frame)
        return self.receive(timeout, expect)

    def receive(self, timeout, expect=None):
        fd = self.line()
        data = b""
        deadline = time.monotonic() + timeout
        while True:
            left = deadline - time.monotonic()
            if left <= 0 or (expect is not None and len(data) >= expect):
                return data
            wait = min(left, 0.05) if data and expect is None else left
            ready, _, _ = select.select([fd], [], [], wait)
            if ready:
                data += os.read(fd, 4096)
            elif data and expect is None:
                return data

    # pymodbus ----------------------------------------------------------------

    def client(self):
        if self._client is None:
            # This pymodbus keeps the time-out as a whole number of seconds.
            self._client = ModbusSerialClient(port=self.tool_end, baudrate=19200, parity="N",
                                              timeout=1, retries=1, strict=False)
            if not self._client.connect():
                raise RuntimeError("pymodbus cannot open " + self.tool_end)
        return self._client

    def registers(self, address, count):
        reply = self.client().read_holding_registers(address, count, slave=SLAVE)
        if reply.isError():
            raise AssertionError("read %d/%d failed: %s" % (address, count, reply))
        return list(reply.registers)

    def coils(self, address, count):
        reply = self.client().read_coils(address, count, slave=SLAVE)
        if reply.isError():
            raise AssertionError("coil read %d/%d failed: %s" % (address, count, reply))
        return [int(b) for b in reply.bits[:count]]

    # Request log -------------------------------------------------------------

    def log(self):
        with open(self.log_path) as f:
            return [json.loads(line) for line in f if line.strip()]

    def close(self):
        if self._client is not None:
            self._client.close()
        if self._control is not None:
            self._control.close()
        if self._fd is not None:
            os.close(self._fd)
        if self.process is not None and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        if self.process is not None:
            self.process.stdout.close()
            self.process.stderr.close()
        self.socat.terminate()
        self.socat.wait()
        shutil.rmtree(self.dir, ignore_errors=True)


def exception_code(reply):
    """Exception code of a raw reply, or None for a normal one."""
    if len(reply) == 5 and reply[1] & 0x80:
        return reply[2]
    return None


def main():
    import unittest
    global MODULE
    if len(sys.argv) < 2:
        sys.exit("usage: %s MODULE_BINARY [unittest args]" % sys.argv[0])
    MODULE = os.path.abspath(sys.argv[1])
    unittest.main(module="__main__", argv=[sys.argv[0]] + sys.argv[2:], verbosity=2)
