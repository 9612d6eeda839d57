<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AlarmHistory</name>
    <message>
        <source>Module status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuse L1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuse L2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuse L3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file chosen for the alarm history.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Backend</name>
    <message>
        <source>Temperature threshold, serial number, installation date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transformer ratios and thresholds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FSD ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module time and serial settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active power calculation and frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last boot and versions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installation date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transformer ratios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature threshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time duration for means</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thresholds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>even</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>odd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no answer; the module may or may not have taken it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronized</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No synchronization</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BusMonitor</name>
    <message>
        <source>, sent %1 times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommissioningReport</name>
    <message>
        <source>Voltage L-N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage L-L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>port %1 (%2), %3 baud, parity %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A report is being written already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file was chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reference file was refused: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No module is ticked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not connected to a module.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report was not written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
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
        <source>N / Σ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Requests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time-outs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Garbled answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exceptions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unfit answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Late answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round trip, mean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round trip, worst</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConnectHelp</name>
    <message>
        <source>No answer from slave address %1 at %2 baud, parity %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search looks for the module at every address, baud rate and parity.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied: this user may not open %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join the dialout group with &quot;sudo usermod -aG dialout %1&quot;, then log out and in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close that program and connect again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is gone: the adapter was unplugged or the port no longer exists. Refresh the port list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>illegal function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>illegal data address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>illegal data value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>server device failure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>acknowledge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>server device busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown exception</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>answered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time-out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>garbled answer (wrong CRC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exception %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrong length or another request&apos;s answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>link lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not sent: no link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>late answer discarded</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileWrite</name>
    <message>
        <source>Not a plain file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replaced by another file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LineModules</name>
    <message>
        <source>The link to the module was lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving the settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparing the settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the file&apos;s settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating the firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The module did not answer the connect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another operation on the line is running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No module is ticked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file was chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The firmware image cannot be used: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No module was found at this address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its serial number is not known, so its file cannot be named.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its settings were kept in %1 before the update.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its settings could not be kept before the update: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The firmware update is done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The firmware update failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the image is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the image is too large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the image file could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the link to the module was lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the module refused a step of it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the module did not start its bootloader.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the bootloader did not start the new firmware.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its settings could not be kept, so nothing was sent to the bootloader.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the image could not be sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not started: the operation was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modules done: %1 of %2; differ: %3; failed: %4.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LineSearch</name>
    <message>
        <source>Slave address %1, %2 baud, parity %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>serial number %1, firmware %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect before searching the line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No port selected.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LinkLoss</name>
    <message>
        <source>no answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>garbled answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the adapter is gone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No answer: the module stopped answering, even to the repeated requests.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Garbled answers: the module answered, but never with a frame whose checksum (CRC) was right. Look for a loose wire, a missing line termination or interference.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The adapter is gone: %1 failed or was unplugged. Plug it in again and refresh the port list.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MeasurementRecorder</name>
    <message>
        <source>Not connected: connect to the module before recording.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file chosen for the recording.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModuleSettings</name>
    <message>
        <source>FSD ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installation date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature threshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time duration for means</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active power on the fundamental</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>60 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage threshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage threshold duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current threshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current threshold duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum time between messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call monitoring time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slave address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> or </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not allowed (allowed: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not 0 to 5 letters and digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a valid date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the value must be a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the value must be true or false</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the value must be text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the value must be a date as &quot;yyyy-MM-dd&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 words read, %3 expected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not valid JSON at byte %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file does not hold a JSON object.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field &quot;%1&quot; is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field &quot;%1&quot; must be %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field &quot;format&quot; is not &quot;%1&quot;: not a module settings file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field &quot;version&quot;: version %1 is not supported (this tool reads version %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field &quot;readAt&quot; is not an ISO 8601 date and time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field &quot;%1&quot; must be an object.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field &quot;%1.key&quot; is missing or not text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not saved: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is a folder, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a plain file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is larger than %1 KiB, too large for a settings file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>even</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>odd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CT ratio phase 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CT ratio phase 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CT ratio phase 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transformer ratios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting %1 appears more than once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting %1: field &quot;value&quot; is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting %1 is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting &quot;%1&quot; appears more than once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown setting &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This value is not allowed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OperationReport</name>
    <message>
        <source>%1: not written, cancelled before it was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not written, refused by the module.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled: nothing was written to the module.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled: %1 of %2 blocks were written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterTable</name>
    <message>
        <source>voltage threshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>voltage threshold duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>current threshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>current threshold duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minimum time between messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>call monitoring time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CT ratio phase 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CT ratio phase 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CT ratio phase 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>current L1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>current L2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>current L3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>current N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>active power L1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>active power L2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>active power L3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>active power total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reactive power L1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reactive power L2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reactive power L3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reactive power total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>current min L1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>current min L2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>current min L3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>current min N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>current max L1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>current max L2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>current max L3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>current max N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>date and time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>module status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock synchronization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not synchronized</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>password reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last boot and versions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>last boot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>firmware version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hardware version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module time and serial settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time duration for means</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>baud rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slave address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time duration for means</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fuse L1 blown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fuse L2 blown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fuse L3 blown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instant values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time of the means</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum and maximum values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active power calculation and frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>active power on the fundamental</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>60 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transformer ratios and thresholds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transformer ratios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thresholds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bootloader status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in bootloader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset to the bootloader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image length, high word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>image length bits 31 to 16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image length, low word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>image length bits 15 to 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image CRC-32, high word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CRC-32 bits 31 to 16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image CRC-32, low word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CRC-32 bits 15 to 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16 image bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase-to-neutral voltages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>voltage L1-N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>voltage L2-N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>voltage L3-N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power factors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cos phi L1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cos phi L2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cos phi L3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase-to-phase voltages and temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>voltage L1-L2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>voltage L2-L3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>voltage L3-L1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature threshold, serial number, installation date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>temperature threshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>temperature status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>installation date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature threshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>temperature alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installation date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FSD ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>active power max total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>active power min total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reactive power max total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reactive power min total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>active power max L1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>active power min L1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>active power max L2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>active power min L2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>active power max L3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>active power min L3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reactive power max L1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reactive power min L1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reactive power max L2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reactive power min L2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reactive power max L3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reactive power min L3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportDocument</name>
    <message>
        <source>%1 V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L%1–N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Technician</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commissioning report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tool version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modules on the line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slave address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Differences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No settings were read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every setting agrees with the reference file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  marks a value that differs from the reference file; settings that differ: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The measurements could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No measurements were read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean values as of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No alarms since the program started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase voltages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No voltages recorded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module at slave address %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module at slave address %1, serial number %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FSD ID</source>
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
        <source>Last boot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installation date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No module was found on the line.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsDocument</name>
    <message>
        <source>No file was chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file is open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file has no name yet: save it as a new file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct the values marked before saving.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsFiles</name>
    <message>
        <source>no answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>refused by the module or answered wrongly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>given up before it was sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the link failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is from another module: serial number %1 (this module: %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No differences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial settings left out (file → module):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The module is in its bootloader: its settings cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another operation on a settings file is running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not connected to a module.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The module is in its bootloader: run the firmware update again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file was chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was refused; nothing was written to the module.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not written (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not read (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Given up: %1 of %2 blocks were written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The module did not take every setting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file&apos;s settings were written (blocks written: %1). The module now answers at slave address %2, %3 baud, parity %4 only, so it was not read back: connect at these settings and compare again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Given up: every block was written (%1); the module was not read back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings were written; the module no longer answers on this line&apos;s settings. Connect with slave address %1, %2 baud, parity %3 and compare again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings were written but could not be read back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The module could not be read; nothing was written to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The module could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings were not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The module&apos;s settings were saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial number: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The module holds the file&apos;s settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings that differ: %1 (file → module).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written: the module holds the file&apos;s settings except its serial settings, which were left out as asked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written: the module already holds the file&apos;s settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file&apos;s settings were written to the module and read back (blocks written: %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings were written, but the module still differs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was read from firmware version %1; the module runs %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not written, as this version of the tool does not know them: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
    <message>
        <source>Save the alarm history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No alarm change seen yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The alarm history was saved to %1.</source>
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
    <message>
        <source>Currents are generated here, not measured; powers are computed from them and the measured voltages.</source>
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
    <message>
        <source>Setting the module&apos;s clock…</source>
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
    <message>
        <source>not present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>serial number %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adapters were plugged in or removed: click the refresh icon to update the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnecting…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting to the module…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module in its bootloader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The module is in its bootloader: run the firmware update again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Start update&quot; on the main page. Until the module runs its firmware, its pages are not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line…</source>
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
    <message>
        <source>The module is in its bootloader: run the firmware update again (&quot;Start update&quot; below).</source>
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
    <message>
        <source>Record the measurements to a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write every round of measurements to a CSV file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording to %1, rows written: %2</source>
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
    <message>
        <source>Reading the module…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the measurements…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bootloader</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VNotice</name>
    <message>
        <source>The settings were written to the module.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The module did not take every setting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The firmware was updated. The settings from before it were kept in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The firmware was updated. The settings could not be kept before it: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The firmware was updated.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VPopupBusMonitor</name>
    <message>
        <source>Requests: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time-outs: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>garbled: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exceptions: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unfit answers: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>link lost: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>late answers: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>resends: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>round trip mean %1 ms, worst %2 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the bus monitor&apos;s list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JSON lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bus monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round trip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raw words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list was saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slave</source>
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
    <name>VPopupCloseEdits</name>
    <message>
        <source>Changes not applied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes have not been applied to the module; closing now loses them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep editing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close anyway</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VPopupCloseUpdate</name>
    <message>
        <source>Firmware update running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An update is running; closing now leaves the module in its bootloader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep updating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close anyway</source>
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
    <message>
        <source>Reading the module…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VPopupLineView</name>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Differs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Addresses tried: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No module found on this line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modules found: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare the modules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare each module with its own file in a folder (named by its serial number), or every module with one file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with folder…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with file…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the firmware image for the modules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the settings file to write to the modules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the settings file to compare with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Binary files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the file to the modules?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update the modules&apos; firmware?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings of %1, without identity and serial settings, are written to these modules (slave address and serial number):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The firmware %1 is loaded into these modules (slave address and serial number); each keeps its settings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the folder of the modules&apos; files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the folder for the modules&apos; files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modules of the line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module %1 (%2 of %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FSD ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temp.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not answering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bootloader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a module, or press Return on it, to connect to it. Space ticks it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save all…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write file to all…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update all…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VPopupReport</name>
    <message>
        <source>The ticked modules (slave address): %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connected module, slave address %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the commissioning report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the reference settings file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commissioning report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Technician</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the modules: %1 of %2 done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save report…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None (optional)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VPopupSearch</name>
    <message>
        <source>Searching…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No module answered on this port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search for modules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings tried: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VPopupSerialSettings</name>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>even</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>odd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slave address %1, %2 baud, parity %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slave address: %1 → %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baud rate: %1 → %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parity: %1 → %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the serial settings?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The module&apos;s own serial settings change:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The module then answers at the new settings only, and this link no longer reaches it. Afterwards the tool offers to reconnect at them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial settings written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The module now answers at %1 only. Reconnect at these settings?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep this link</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VPopupSettingsComparison</name>
    <message>
        <source>These settings of the module change (now → after the write):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file was read from firmware %1; the module runs %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not written, unknown to this version: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the settings back?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the chosen settings?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the chosen settings to the module…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings changed by the update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the settings to write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept before the update: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept in the file, never written to a module: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before the update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The module holds the file&apos;s settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show all settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VPopupSettingsDocument</name>
    <message>
        <source>Settings file refused</source>
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
        <source>Saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close without saving?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The changes to this settings file are not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep editing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the settings file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read from module %1, firmware %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not read from a module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept in the file, never written to a module: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Values marked in red are not taken by a module: the file is not saved while one is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VPopupSettingsFile</name>
    <message>
        <source>Differences found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose what to write…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VPopupWaiting</name>
    <message>
        <source>Cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelling: nothing more is sent; the request on the line ends first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VScrollContent</name>
    <message>
        <source>Not live: last read at %1. The link to the module was lost (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not live: last read at %1. Not connected.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VSettings</name>
    <message>
        <source>Language selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the module&apos;s settings to a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the settings file to compare with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the settings file to write to the module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module settings file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the module&apos;s settings and identity in a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the settings in which the module differs from a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the settings that differ from a file, then read them back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write file to module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also write the module&apos;s serial settings (parity, baud rate, slave address)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every request on the line and its answer, with the link&apos;s counters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bus monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the module&apos;s settings for the file…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparing the module with the file…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the file&apos;s settings to the module…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The module&apos;s settings, measurements and alarms in a PDF for the commissioning record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the settings file to edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the values of a settings file, with or without a module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open file…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a settings file from the values a module has from the factory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New file</source>
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
    <message>
        <source>Bus monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the module…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the measurements…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the settings to the module…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
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
