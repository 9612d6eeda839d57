<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>VAlarm</name>
    <message>
        <source>Alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuse status L1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuse status L2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuse status L3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature status</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VCharts</name>
    <message>
        <source>Charts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Reactive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase U</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase U Voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase V Voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase W Voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase U Current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ampere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase V Current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase W Current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase U Active Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase V Active Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase W Active Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase U Reactive Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VAR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase V Reactive Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase W Reactive Power</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VCommunication</name>
    <message>
        <source>Module &amp; communication settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data input error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please change input data errors before applying.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value must be 0 or 1. If 1 is choosen, password is reset to the default value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last boot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hardware version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date / hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date / hour synchronization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time duration for means</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value must be between 1 and 60.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active power calculated on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wideband</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fundamental</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>60Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slave address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slave address must be between 110 and 149. Default value is : 247</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Even</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CT phase visualization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CT ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage &amp; current thresholds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage threshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value must be between 0 and 65535.</source>
        <comment>Voltage threshold</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage threshold duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value must be between 0 and 65535.</source>
        <comment>Voltage threshold duration</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current threshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value must be between 0 and 65535.</source>
        <comment>Current threshold</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current threshold duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value must be between 0 and 65535.</source>
        <comment>Current threshold duration</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Others</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call monitoring time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value must be between 1 and 6000.</source>
        <comment>Call monitoring time</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum time message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value must be between 1 and 3600.</source>
        <comment>Minimum time message</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VConnexion</name>
    <message>
        <source>Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PC MODBUS PORT </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No module selected. Please check wires connection on your PC and click on Apply.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error slave address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slave address invalid. Please change value before connect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error during the communication with the module. Please check wires connection and port communication settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error during the communication with the module. Please check wires connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection PORT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main modbus module parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slave address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slave address must be between 110 and 149.  Default value is : 247</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Even</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odd</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VMain</name>
    <message>
        <source>Main page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please change input data errors before applying.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FSD ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installation date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current transformer selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>400A / 1A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>400A / 5A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>600A / 1A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>600A / 5A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select the current transformer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature threshold value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value must be between 60 and 90 °C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload new firmware version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start update</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VMeasurement</name>
    <message>
        <source>Measurement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuses status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neutral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current mean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cosphi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V1N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V2N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V3N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V23</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V31</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Calculations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ΣP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active Power mean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active Power min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active Power max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ΣQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VAR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reactive Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reactive Power mean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reactive Power min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reactive Power max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time and date of mean values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature Measurement</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VMenu</name>
    <message>
        <source>Modification without applying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please, save or refresh datas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module &amp; communication settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VPopupCalendar</name>
    <message>
        <source>Select a date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VPopupFirmwareUpdate</name>
    <message>
        <source>No file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select binary firmware update.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error during update firmware. Please reboot module before try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the firmware version to apply.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Binary files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File selection:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The firmware file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The firmware file is larger than the module&apos;s 1 MiB flash.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VSettings</name>
    <message>
        <source>Language selection</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VTop</name>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mainApp</name>
    <message>
        <source>Orvalis Software</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
