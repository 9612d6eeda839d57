"""Backend against a Modbus RTU slave that is not ours (pymodbus), loaded with
known register values: the properties must hold the prescribed texts and the
slave must see exactly the prescribed requests."""
import datetime
import os
import struct
import subprocess
import sys
import tempfile
import time

BACKEND_CHECK = sys.argv[1]
# Grown under the sanitizers, whose builds run several times slower.
TIME_FACTOR = max(1, int(os.environ.get("ORVALIS_TEST_TIME_FACTOR") or 1))


def floats(*values):
    words = []
    for v in values:
        hi, lo = struct.unpack(">HH", struct.pack(">f", v))
        words += [hi, lo]
    return words


def block(start, words):
    return {start + i: w for i, w in enumerate(words)}


HOLDING = {
    50521: 0,
    **block(31000, [0, 5, 14, 3, 7, 24, 112, 3]),
    **block(31500, [58250, 0x173B, 0x0CFF, 23, 15, 1, 1, 49664, 247]),
    **block(50501, [800, 0, 1200, 0, 10, 0, 230, 3, 40, 4, 5, 6005]),
    **block(50567, floats(400, 401.25, 399) + [75, 0, 41, 7, 1, 23, 45, 12, 2021, 6, 9]),
    **block(50589, [0x4142, 0x3100, 0x4300]),
    **block(36812, floats(12.5, 3, 0.25, 1, 230, -10, 1, 2, 3, 4, 5, 6)),
    **block(36860, [0, 0x0A1E, 0x0345, 26]),
    **block(36876, floats(*range(1, 13))),
    **block(36924, floats(*[i + 0.5 for i in range(24)])),
    **block(50540, [0x4366, 0, 0xC120, 0, 0x4366, 0x8000]),
    **block(50552, floats(0.91, 0.875, 1)),
}
COILS = {30000: 1, 30002: 0, 32311: 0, 32312: 0, 32313: 0, 50000: 1, 50001: 0, 50574: 0}

SLAVE = r'''
import sys
from pymodbus.datastore import ModbusServerContext, ModbusSlaveContext, ModbusSparseDataBlock
from pymodbus.server import StartSerialServer
from pymodbus.transaction import ModbusRtuFramer

log = open(sys.argv[2], "a", buffering=1)

class Logged(ModbusSparseDataBlock):
    def __init__(self, name, values):
        super().__init__(values)
        self.name = name
    def getValues(self, address, count=1):
        log.write(f"read {self.name} {address} {count}\n")
        return super().getValues(address, count)
    def setValues(self, address, values, use_as_default=False):
        values = values if isinstance(values, list) else [values]
        log.write(f"write {self.name} {address} {' '.join(str(int(v)) for v in values)}\n")
        return super().setValues(address, values)

store = ModbusSlaveContext(hr=Logged("holding", eval(sys.argv[3])), co=Logged("coils", eval(sys.argv[4])),
                           di=ModbusSparseDataBlock({0: 0}), ir=ModbusSparseDataBlock({0: 0}),
                           zero_mode=True)
StartSerialServer(context=ModbusServerContext(slaves={247: store}, single=False),
                  framer=ModbusRtuFramer, port=sys.argv[1], baudrate=19200, parity="N", timeout=0.005)
'''

# Refresh the home page, the communication page and the measurements, in that order.
EXPECTED_REQUESTS = [
    "read holding 50521 1",
    "write holding 31500 CLOCK",
    "read coils 30002 1",
    "read holding 31500 9",
    "read holding 50573 11",
    "read holding 50501 12",
    "read holding 50589 3",
    "read holding 31006 1",
    "read coils 30002 1",
    "read holding 31000 8",
    "read holding 31500 9",
    "read coils 50000 2",
    "read holding 50501 12",
    "read holding 36812 24",
    "read holding 36860 4",
    "read holding 36876 24",
    "read holding 36924 48",
    "read holding 50540 6",
    "read holding 50552 6",
    "read holding 50567 9",
]
POLL = {"read coils 30000 1", "read coils 32311 3", "read coils 50574 1"}

EXPECTED_PROPERTIES = {
    "connectionState": "true",
    "firmwareVersion": "112",
    "hardwareVersion": "3",
    "lastBoot": "03/07/24 14:05",
    "synchronization": "Synchronized",
    "timeDurationMeans": "15",
    "parity": "1",
    "baudrate": "115200",
    "slaveAddress": "247",
    "activePowerCalculatedOn": "true",
    "frequency": "false",
    "ctPhaseA1": "400/5A",
    "ctPhaseA2": "600/5A",
    "ctPhaseA3": "-",
    "ctPhaseA1Int": "800",
    "limitVoltage": "230",
    "limitVoltageDuration": "3",
    "limitCurrent": "40",
    "limitCurrentDuration": "4",
    "minimumTimeMessage": "5",
    "callMonitoringTime": "600",
    "temperatureThresholdValue": "75",
    "serialNumber": "070123450012",
    "installationDate": "09/06/2021",
    "fsdid": "AB1C",
    "intensity": "12.50|3.00|0.25|1.00",
    "activeReactivePower": "230.0|-10.0|1.0|2.0|3.0|4.0|5.0|6.0",
    "timeAndDateOfMeanValues": "05/03/26 10:30",
    "intensityMean": "1.00|2.00|3.00|4.00",
    "activeReactivePowerMean": "5.0|6.0|7.0|8.0|9.0|10.0|11.0|12.0",
    "intensityMin": "0.50|1.50|2.50|3.50|4.50|5.50|6.50|7.50",
    "activeReactivePowerMin": "|".join(f"{i + 0.5:.1f}" for i in range(8, 24)),
    "voltageValuesN": "230.00|-10.00|230.50",
    "currentPhi": "0.91|0.88|1.00",
    "voltageValues": "400.00|401.25|399.00",
    "temperatureMeasurement": "41°C",
}


def clock_text(words):
    """The date-time text of the four clock words the tool wrote."""
    a, b, c = words[1], words[2], words[3]
    return f"{b & 0x1F:02d}/{(b >> 8) & 0x0F:02d}/{c & 0x7F:02d} {(a >> 8) & 0x1F:02d}:{a & 0x3F:02d}"


def main():
    with tempfile.TemporaryDirectory() as tmp:
        slave_end, tool_end, log = (os.path.join(tmp, n) for n in ("slave", "tool", "requests"))
        line = subprocess.Popen(["socat", f"pty,raw,echo=0,link={slave_end}",
                                 f"pty,raw,echo=0,link={tool_end}"])
        for _ in range(100):
            if os.path.exists(slave_end) and os.path.exists(tool_end):
                break
            time.sleep(0.05)
        slave = subprocess.Popen(["/usr/bin/python3", "-c", SLAVE, slave_end, log,
                                  repr(HOLDING), repr(COILS)])
        try:
            time.sleep(1.5)
            before = datetime.datetime.now()
            env = dict(os.environ, ORVALIS_SERIAL_PORTS=f"93={tool_end}")
            run = subprocess.run([BACKEND_CHECK, "--port", "93", "refreshHomePage",
                                  "refreshCommunicationPage", "refreshMeasurementPage"],
                                 env=env, capture_output=True, text=True, timeout=60 * TIME_FACTOR)
            after = datetime.datetime.now()
            requests = [r for r in open(log).read().splitlines() if r not in POLL]
        finally:
            slave.kill()
            line.kill()
            slave.wait()
            line.wait()

    assert run.returncode == 0, run.stderr
    properties = dict(l.split("=", 1) for l in run.stdout.splitlines() if "=" in l)

    # The clock words are the computer's time of the connect.
    clock = requests[1].split()
    assert clock[:3] == ["write", "holding", "31500"] and len(clock) == 7, requests[1]
    words = [int(w) for w in clock[3:]]
    assert any(clock_text(words) == t.strftime("%d/%m/%y %H:%M") for t in (before, after)), words
    assert words[0] < 60000, words  # seconds and milliseconds
    expected = [r.replace("CLOCK", " ".join(clock[3:])) for r in EXPECTED_REQUESTS]
    assert requests == expected, "\n".join(requests)

    for name, value in EXPECTED_PROPERTIES.items():
        assert properties.get(name) == value, f"{name}: {properties.get(name)!r} != {value!r}"
    # The clock read back after the write shows what was written.
    assert properties["dateHour"] == clock_text(words), properties["dateHour"]
    print(f"{len(expected)} requests and {len(EXPECTED_PROPERTIES) + 1} properties as prescribed")

    # A port number not in the list ends at once with an error, never hangs.
    missing = subprocess.run([BACKEND_CHECK, "--port", "4242", "refreshHomePage"],
                             env=dict(os.environ, ORVALIS_SERIAL_PORTS=""), capture_output=True,
                             text=True, timeout=20)
    assert missing.returncode == 1 and "4242" in missing.stderr, missing


if __name__ == "__main__":
    main()
