<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>VAlarm</name>
    <message>
        <source>Alarms</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Module status</source>
        <translation>Modulstatus</translation>
    </message>
    <message>
        <source>Fuse status L1</source>
        <translation>Sicherung status L1</translation>
    </message>
    <message>
        <source>Fuse status L2</source>
        <translation>Sicherung status L2</translation>
    </message>
    <message>
        <source>Fuse status L3</source>
        <translation>Sicherung status L3</translation>
    </message>
    <message>
        <source>Temperature status</source>
        <translation>Temperaturstatus</translation>
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
        <translation>Phase 1</translation>
    </message>
    <message>
        <source>Phase 2</source>
        <translation>Phase 2</translation>
    </message>
    <message>
        <source>Phase 3</source>
        <translation>Phase 3</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Strom</translation>
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
        <translation>Start</translation>
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
        <translation>W</translation>
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
        <translation>Modul- und Kommunikations-Parameter</translation>
    </message>
    <message>
        <source>Data input error</source>
        <translation>Fehleingabe</translation>
    </message>
    <message>
        <source>Please change input data errors before applying.</source>
        <translation>Bitte ändern Sie die Eingabedatenfehler vor Anwendung.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Value must be 0 or 1. If 1 is choosen, password is reset to the default value.</source>
        <translation>Zulässiger Wert : 0 oder 1. Wenn 1 gewählt wird, wird das Passwort auf den Standardwert zurückgesetzt.</translation>
    </message>
    <message>
        <source>Last boot</source>
        <translation>Letzter Neustart</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Firmwareversion</translation>
    </message>
    <message>
        <source>Hardware version</source>
        <translation>Hardwareversion</translation>
    </message>
    <message>
        <source>Synchronization</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>Date / hour</source>
        <translation>Datum / Uhrzeit</translation>
    </message>
    <message>
        <source>Date / hour synchronization</source>
        <translation>Zeitsynchronisierung</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Time duration for means</source>
        <translation>Mittelungszeit</translation>
    </message>
    <message>
        <source>m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value must be between 1 and 60.</source>
        <translation>Zulässiger Wert zwischen 1 und 60.</translation>
    </message>
    <message>
        <source>Active power calculated on</source>
        <translation>Wirkleistung berechnet auf Basis von</translation>
    </message>
    <message>
        <source>Wideband</source>
        <translation>Breitband</translation>
    </message>
    <message>
        <source>Fundamental</source>
        <translation>Grundwelle</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>50Hz</source>
        <translation>50Hz</translation>
    </message>
    <message>
        <source>60Hz</source>
        <translation>60Hz</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Slave address</source>
        <translation>Modbus-Slave Adresse</translation>
    </message>
    <message>
        <source>Slave address must be between 110 and 149. Default value is : 247</source>
        <translation>Slave Adresse muss zwischen 110 und 149 liegen. Standardwert ist 247</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Modbus Übertragungsgeschwindigkeit</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Modbus Parität</translation>
    </message>
    <message>
        <source>None</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>gerade</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>ungerade</translation>
    </message>
    <message>
        <source>CT phase visualization</source>
        <translation>Stromwandler Phasenvisualisierung</translation>
    </message>
    <message>
        <source>Phase 1</source>
        <translation>Phase 1</translation>
    </message>
    <message>
        <source>Phase 2</source>
        <translation>Phase 2</translation>
    </message>
    <message>
        <source>Phase 3</source>
        <translation>Phase 3</translation>
    </message>
    <message>
        <source>CT ratio</source>
        <translation>Stromwandler Bemessungsübersetzung</translation>
    </message>
    <message>
        <source>Voltage &amp; current thresholds</source>
        <translation>Schwellenwert - Spannung &amp; Strom</translation>
    </message>
    <message>
        <source>Voltage threshold</source>
        <translation>Schwellenwert Spannung</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Value must be between 0 and 65535.</source>
        <comment>Voltage threshold</comment>
        <translation>Zulässiger Wert zwischen 0 und 65535.</translation>
    </message>
    <message>
        <source>Voltage threshold duration</source>
        <translation>Dauer des Schwellenwert Spannung</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Value must be between 0 and 65535.</source>
        <comment>Voltage threshold duration</comment>
        <translation>Zulässiger Wert zwischen 0 und 65535.</translation>
    </message>
    <message>
        <source>Current threshold</source>
        <translation>Schwellenwert Strom</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Value must be between 0 and 65535.</source>
        <comment>Current threshold</comment>
        <translation>Zulässiger Wert zwischen 0 und 65535.</translation>
    </message>
    <message>
        <source>Current threshold duration</source>
        <translation>Dauer des Schwellenwert Strom</translation>
    </message>
    <message>
        <source>Value must be between 0 and 65535.</source>
        <comment>Current threshold duration</comment>
        <translation>Zulässiger Wert zwischen 0 und 65535.</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Call monitoring time</source>
        <translation>Aufrufüberwachungszeit</translation>
    </message>
    <message>
        <source>Value must be between 1 and 6000.</source>
        <comment>Call monitoring time</comment>
        <translation>Zulässiger Wert zwischen 1 und 6000.</translation>
    </message>
    <message>
        <source>Minimum time message</source>
        <translation>Mindestzeit bei Wischermeldungen</translation>
    </message>
    <message>
        <source>Value must be between 1 and 3600.</source>
        <comment>Minimum time message</comment>
        <translation>Zulässiger Wert zwischen 1 und 3600.</translation>
    </message>
</context>
<context>
    <name>VConnexion</name>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>PC MODBUS PORT </source>
        <translation>PC MODBUS Port </translation>
    </message>
    <message>
        <source>No module</source>
        <translation>Kein Modul erkannt</translation>
    </message>
    <message>
        <source>No module selected. Please check wires connection on your PC and click on Apply.</source>
        <translation>Kein Modul ausgewählt. Bitte überprüfen Sie die Kabelverbindungen mit dem PC und drücken Sie &quot;Anwenden&quot;.</translation>
    </message>
    <message>
        <source>Error slave address</source>
        <translation>Fehler der Slave-Adresse</translation>
    </message>
    <message>
        <source>Slave address invalid. Please change value before connect.</source>
        <translation>Slave-Adresse ungültig. Bitte ändern Sie den Wert vor der Verbindung.</translation>
    </message>
    <message>
        <source>Connection error</source>
        <translation>Verbindungsfehler</translation>
    </message>
    <message>
        <source>Error during the communication with the module. Please check wires connection and port communication settings.</source>
        <translation>Fehler bei der Kommunikation mit dem Modul. Bitte überprüfen Sie die Kabelverbindungen und die Port-Kommunikationseinstellungen.</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Kommunikationsfehler</translation>
    </message>
    <message>
        <source>Error during the communication with the module. Please check wires connection.</source>
        <translation>Fehler bei der Kommunikation mit dem Modul. Bitte überprüfen Sie die Kabelverbindungen.</translation>
    </message>
    <message>
        <source>Connection PORT</source>
        <translation>Port- Verbindung</translation>
    </message>
    <message>
        <source>Disconnection</source>
        <translation>Unterbrechung</translation>
    </message>
    <message>
        <source>Main modbus module parameters</source>
        <translation>Hauptparameter des Modbus-Modul</translation>
    </message>
    <message>
        <source>Slave address</source>
        <translation>Slave-Adresse</translation>
    </message>
    <message>
        <source>Slave address must be between 110 and 149.  Default value is : 247</source>
        <translation>Slave-Adresse muss zwischen 110 und 149 liegen. Stadardwert ist : 247</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baudrate / Übertragungsgeschwindigkeit</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parität</translation>
    </message>
    <message>
        <source>None</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>gerade</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>ungerade</translation>
    </message>
</context>
<context>
    <name>VMain</name>
    <message>
        <source>Main page</source>
        <translation>Hauptseite</translation>
    </message>
    <message>
        <source>Input error</source>
        <translation>Eingabefehler</translation>
    </message>
    <message>
        <source>Please change input data errors before applying.</source>
        <translation>Bitte ändern Sie die Eingabedatenfehler vor Anwendung.</translation>
    </message>
    <message>
        <source>Module serial number</source>
        <translation>Seriennummer Modul</translation>
    </message>
    <message>
        <source>FSD ID</source>
        <translation>ID Nummer Lastschaltleiste</translation>
    </message>
    <message>
        <source>Installation date</source>
        <translation>Installationsdatum</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Current transformer selection</source>
        <translation>Auswahl Stromwandler</translation>
    </message>
    <message>
        <source>400A / 1A</source>
        <translation>400A / 1A</translation>
    </message>
    <message>
        <source>400A / 5A</source>
        <translation>400A / 5A</translation>
    </message>
    <message>
        <source>600A / 1A</source>
        <translation>600A / 1A</translation>
    </message>
    <message>
        <source>600A / 5A</source>
        <translation>600A / 5A</translation>
    </message>
    <message>
        <source>Please select the current transformer</source>
        <translation>Bitte wählen Sie den Stromwandler aus</translation>
    </message>
    <message>
        <source>Temperature threshold value</source>
        <translation>Schwellenwert Temperatur</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Value must be between 60 and 90 °C</source>
        <translation>Zulässiger Wert zwischen 60°C und 90 °C</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Firmware-Version</translation>
    </message>
    <message>
        <source>Upload new firmware version</source>
        <translation>Neue Firmware-Version hochladen</translation>
    </message>
    <message>
        <source>Start update</source>
        <translation>Update starten</translation>
    </message>
</context>
<context>
    <name>VMeasurement</name>
    <message>
        <source>Measurement</source>
        <translation>Messungen</translation>
    </message>
    <message>
        <source>Fuses status</source>
        <translation>Sicherungsauslösungstatus</translation>
    </message>
    <message>
        <source>Phase 1</source>
        <translation>Phase 1</translation>
    </message>
    <message>
        <source>Phase 2</source>
        <translation>Phase 2</translation>
    </message>
    <message>
        <source>Phase 3</source>
        <translation>Phase 3</translation>
    </message>
    <message>
        <source>Current values</source>
        <translation>Strommwerte</translation>
    </message>
    <message>
        <source>L1</source>
        <translation>L1</translation>
    </message>
    <message>
        <source>L2</source>
        <translation>L2</translation>
    </message>
    <message>
        <source>L3</source>
        <translation>L3</translation>
    </message>
    <message>
        <source>Neutral</source>
        <translation>Neutral</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Current mean</source>
        <translation>Strommittelwert</translation>
    </message>
    <message>
        <source>Current min</source>
        <translation>Strommindestwert</translation>
    </message>
    <message>
        <source>Current max</source>
        <translation>Stromhöchstwert</translation>
    </message>
    <message>
        <source>Cosphi</source>
        <translation>Cos Phi</translation>
    </message>
    <message>
        <source>Voltage values</source>
        <translation>Spannungswert</translation>
    </message>
    <message>
        <source>V1N</source>
        <translation>V1N</translation>
    </message>
    <message>
        <source>V2N</source>
        <translation>V2N</translation>
    </message>
    <message>
        <source>V3N</source>
        <translation>V3N</translation>
    </message>
    <message>
        <source>V12</source>
        <translation>V12</translation>
    </message>
    <message>
        <source>V23</source>
        <translation>V23</translation>
    </message>
    <message>
        <source>V31</source>
        <translation>V31</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Power Calculations</source>
        <translation>Leistungsberechnungen</translation>
    </message>
    <message>
        <source>ΣP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P1</source>
        <translation>P1</translation>
    </message>
    <message>
        <source>P2</source>
        <translation>P2</translation>
    </message>
    <message>
        <source>P3</source>
        <translation>P3</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>Active Power</source>
        <translation>Wirkleistung</translation>
    </message>
    <message>
        <source>Active Power mean</source>
        <translation>Wirkleistungmittelwert</translation>
    </message>
    <message>
        <source>Active Power min</source>
        <translation>Wirkleistungmindestwert</translation>
    </message>
    <message>
        <source>Active Power max</source>
        <translation>Wirkleistunghöchstwert</translation>
    </message>
    <message>
        <source>ΣQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q1</source>
        <translation>Q1</translation>
    </message>
    <message>
        <source>Q2</source>
        <translation>Q2</translation>
    </message>
    <message>
        <source>Q3</source>
        <translation>Q3</translation>
    </message>
    <message>
        <source>VAR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reactive Power</source>
        <translation>Blindleistung</translation>
    </message>
    <message>
        <source>Reactive Power mean</source>
        <translation>Blindleistungsmittelwert</translation>
    </message>
    <message>
        <source>Reactive Power min</source>
        <translation>Blindleistungsmindestwert</translation>
    </message>
    <message>
        <source>Reactive Power max</source>
        <translation>Blindleistungshöchstwert</translation>
    </message>
    <message>
        <source>Time and date of mean values</source>
        <translation>Zeitpunkt der Mittelwerte</translation>
    </message>
    <message>
        <source>Temperature Measurement</source>
        <translation>Temperaturmessung</translation>
    </message>
</context>
<context>
    <name>VMenu</name>
    <message>
        <source>Modification without applying</source>
        <translation>Veränderung ohne Speichern</translation>
    </message>
    <message>
        <source>Please, save or refresh datas.</source>
        <translation>Bitte speichern oder aktualisieren Sie die Daten.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Main page</source>
        <translation>Hauptseite</translation>
    </message>
    <message>
        <source>Module &amp; communication settings</source>
        <translation>Modul- und Kommunikations-Parameter</translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation>Messungen</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
</context>
<context>
    <name>VPopupCalendar</name>
    <message>
        <source>Select a date</source>
        <translation>Datum auswählen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
</context>
<context>
    <name>VPopupFirmwareUpdate</name>
    <message>
        <source>No file</source>
        <translation>Keine Datei</translation>
    </message>
    <message>
        <source>Please select binary firmware update.</source>
        <translation>Bitte binary Firmware Update auswählen.</translation>
    </message>
    <message>
        <source>Update error</source>
        <translation>Update-Fehler</translation>
    </message>
    <message>
        <source>Error during update firmware. Please reboot module before try again.</source>
        <translation>Fehler während Firmware-Update. Bitte Modul vor dem nächsten Versuch neu starten.</translation>
    </message>
    <message>
        <source>Select the firmware version to apply.</source>
        <translation>Firmwareversion auswählen.</translation>
    </message>
    <message>
        <source>Binary files</source>
        <translation>Binary Dateien</translation>
    </message>
    <message>
        <source>Update firmware</source>
        <translation>Firmware Update</translation>
    </message>
    <message>
        <source>File selection:</source>
        <translation>Datei auswählen:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>The firmware file is empty.</source>
        <translation>Die Firmware-Datei ist leer.</translation>
    </message>
    <message>
        <source>The firmware file is larger than the module&apos;s 1 MiB flash.</source>
        <translation>Die Firmware-Datei ist größer als der 1-MiB-Flash-Speicher des Moduls.</translation>
    </message>
</context>
<context>
    <name>VSettings</name>
    <message>
        <source>Language selection</source>
        <translation>Sprache auswählen</translation>
    </message>
</context>
<context>
    <name>VTop</name>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
</context>
<context>
    <name>mainApp</name>
    <message>
        <source>Orvalis Software</source>
        <translation>Orvalis Software</translation>
    </message>
</context>
</TS>
