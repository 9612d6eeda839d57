<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AlarmHistory</name>
    <message>
        <source>Module status</source>
        <translation>Modulstatus</translation>
    </message>
    <message>
        <source>Fuse L1</source>
        <translation>Sicherung L1</translation>
    </message>
    <message>
        <source>Fuse L2</source>
        <translation>Sicherung L2</translation>
    </message>
    <message>
        <source>Fuse L3</source>
        <translation>Sicherung L3</translation>
    </message>
    <message>
        <source>Temperature alarm</source>
        <translation>Temperaturalarm</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>fault</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>blown</source>
        <translation>ausgelöst</translation>
    </message>
    <message>
        <source>No file chosen for the alarm history.</source>
        <translation>Keine Datei für den Alarmverlauf gewählt.</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation>In %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>Backend</name>
    <message>
        <source>Temperature threshold, serial number, installation date</source>
        <translation>Schwellenwert Temperatur, Seriennummer, Installationsdatum</translation>
    </message>
    <message>
        <source>Transformer ratios and thresholds</source>
        <translation>Stromwandler Bemessungsübersetzung und Schwellenwerte</translation>
    </message>
    <message>
        <source>FSD ID</source>
        <translation>ID Nummer Lastschaltleiste</translation>
    </message>
    <message>
        <source>Module time and serial settings</source>
        <translation>Modulzeit und serielle Einstellungen</translation>
    </message>
    <message>
        <source>Active power calculation and frequency</source>
        <translation>Wirkleistungsberechnung und Frequenz</translation>
    </message>
    <message>
        <source>Last boot and versions</source>
        <translation>Letzter Start und Versionen</translation>
    </message>
    <message>
        <source>Installation date</source>
        <translation>Installationsdatum</translation>
    </message>
    <message>
        <source>Transformer ratios</source>
        <translation>Stromwandler Bemessungsübersetzung</translation>
    </message>
    <message>
        <source>Temperature threshold</source>
        <translation>Schwellenwert Temperatur</translation>
    </message>
    <message>
        <source>Time duration for means</source>
        <translation>Mittelungszeit</translation>
    </message>
    <message>
        <source>Thresholds</source>
        <translation>Schwellenwerte</translation>
    </message>
    <message>
        <source>Serial settings</source>
        <translation>Serielle Einstellungen</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>even</source>
        <translation>gerade</translation>
    </message>
    <message>
        <source>odd</source>
        <translation>ungerade</translation>
    </message>
    <message>
        <source>%1: written.</source>
        <translation>%1: geschrieben.</translation>
    </message>
    <message>
        <source>%1: no answer; the module may or may not have taken it.</source>
        <translation>%1: keine Antwort; das Modul hat es vielleicht übernommen, vielleicht nicht.</translation>
    </message>
    <message>
        <source>Password reset</source>
        <translation>Passwort-Rücksetzung</translation>
    </message>
    <message>
        <source>Module clock</source>
        <translation>Moduluhr</translation>
    </message>
    <message>
        <source>Synchronized</source>
        <translation>Synchronisiert</translation>
    </message>
    <message>
        <source>No synchronization</source>
        <translation>Keine Synchronisation</translation>
    </message>
</context>
<context>
    <name>BusMonitor</name>
    <message>
        <source>, sent %1 times</source>
        <translation>, %1-mal gesendet</translation>
    </message>
    <message>
        <source>Address %1</source>
        <translation>Adresse %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>CommissioningReport</name>
    <message>
        <source>Voltage L-N</source>
        <translation>Spannung L-N</translation>
    </message>
    <message>
        <source>Voltage L-L</source>
        <translation>Spannung L-L</translation>
    </message>
    <message>
        <source>port %1 (%2), %3 baud, parity %4</source>
        <translation>Port %1 (%2), %3 Baud, Parität %4</translation>
    </message>
    <message>
        <source>A report is being written already.</source>
        <translation>Es wird bereits ein Protokoll geschrieben.</translation>
    </message>
    <message>
        <source>No file was chosen.</source>
        <translation>Es wurde keine Datei gewählt.</translation>
    </message>
    <message>
        <source>The reference file was refused: %1</source>
        <translation>Die Referenzdatei wurde abgelehnt: %1</translation>
    </message>
    <message>
        <source>No module is ticked.</source>
        <translation>Kein Modul ist angehakt.</translation>
    </message>
    <message>
        <source>Not connected to a module.</source>
        <translation>Nicht mit einem Modul verbunden.</translation>
    </message>
    <message>
        <source>The report was not written: %1</source>
        <translation>Das Protokoll wurde nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>Das Protokoll wurde in %1 geschrieben.</translation>
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
        <source>N / Σ</source>
        <translation>N / Σ</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Not read: %1.</source>
        <translation>Nicht gelesen: %1.</translation>
    </message>
    <message>
        <source>Requests</source>
        <translation>Anfragen</translation>
    </message>
    <message>
        <source>Answered</source>
        <translation>Beantwortet</translation>
    </message>
    <message>
        <source>Time-outs</source>
        <translation>Zeitüberschreitungen</translation>
    </message>
    <message>
        <source>Garbled answers</source>
        <translation>Verstümmelte Antworten</translation>
    </message>
    <message>
        <source>Exceptions</source>
        <translation>Ausnahmen</translation>
    </message>
    <message>
        <source>Unfit answers</source>
        <translation>Unpassende Antworten</translation>
    </message>
    <message>
        <source>Link lost</source>
        <translation>Verbindung verloren</translation>
    </message>
    <message>
        <source>Late answers</source>
        <translation>Verspätete Antworten</translation>
    </message>
    <message>
        <source>Resends</source>
        <translation>Wiederholungen</translation>
    </message>
    <message>
        <source>Round trip, mean</source>
        <translation>Antwortzeit, Mittel</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Round trip, worst</source>
        <translation>Antwortzeit, höchstens</translation>
    </message>
</context>
<context>
    <name>ConnectHelp</name>
    <message>
        <source>No answer from slave address %1 at %2 baud, parity %3.</source>
        <translation>Keine Antwort von Slave-Adresse %1 bei %2 Baud, Parität %3.</translation>
    </message>
    <message>
        <source>Search looks for the module at every address, baud rate and parity.</source>
        <translation>Die Suche prüft jede Adresse, Baudrate und Parität nach dem Modul.</translation>
    </message>
    <message>
        <source>Permission denied: this user may not open %1.</source>
        <translation>Zugriff verweigert: dieser Benutzer darf %1 nicht öffnen.</translation>
    </message>
    <message>
        <source>Join the dialout group with &quot;sudo usermod -aG dialout %1&quot;, then log out and in again.</source>
        <translation>Mit &quot;sudo usermod -aG dialout %1&quot; der Gruppe dialout beitreten, dann ab- und wieder anmelden.</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close that program and connect again.</source>
        <translation>%1 wird von einem anderen Programm benutzt. Dieses Programm schließen und erneut verbinden.</translation>
    </message>
    <message>
        <source>%1 is gone: the adapter was unplugged or the port no longer exists. Refresh the port list.</source>
        <translation>%1 ist nicht mehr vorhanden: der Adapter wurde abgezogen oder der Anschluss existiert nicht mehr. Die Anschlussliste aktualisieren.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 kann nicht geöffnet werden: %2.</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>illegal function</source>
        <translation>unzulässige Funktion</translation>
    </message>
    <message>
        <source>illegal data address</source>
        <translation>unzulässige Datenadresse</translation>
    </message>
    <message>
        <source>illegal data value</source>
        <translation>unzulässiger Datenwert</translation>
    </message>
    <message>
        <source>server device failure</source>
        <translation>Gerätefehler im Slave</translation>
    </message>
    <message>
        <source>acknowledge</source>
        <translation>Bestätigung, Bearbeitung läuft</translation>
    </message>
    <message>
        <source>server device busy</source>
        <translation>Slave beschäftigt</translation>
    </message>
    <message>
        <source>unknown exception</source>
        <translation>unbekannte Ausnahme</translation>
    </message>
    <message>
        <source>answered</source>
        <translation>beantwortet</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>garbled answer (wrong CRC)</source>
        <translation>verstümmelte Antwort (falsche CRC)</translation>
    </message>
    <message>
        <source>exception %1 (%2)</source>
        <translation>Ausnahme %1 (%2)</translation>
    </message>
    <message>
        <source>wrong length or another request&apos;s answer</source>
        <translation>falsche Länge oder Antwort auf eine andere Anfrage</translation>
    </message>
    <message>
        <source>link lost</source>
        <translation>Verbindung verloren</translation>
    </message>
    <message>
        <source>not sent: no link</source>
        <translation>nicht gesendet: keine Verbindung</translation>
    </message>
    <message>
        <source>late answer discarded</source>
        <translation>verspätete Antwort verworfen</translation>
    </message>
</context>
<context>
    <name>FileWrite</name>
    <message>
        <source>Not a plain file</source>
        <translation>Keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Replaced by another file</source>
        <translation>Durch eine andere Datei ersetzt</translation>
    </message>
</context>
<context>
    <name>LineModules</name>
    <message>
        <source>The link to the module was lost.</source>
        <translation>Die Verbindung zum Modul ist verloren gegangen.</translation>
    </message>
    <message>
        <source>Saving the settings</source>
        <translation>Parameter werden gespeichert</translation>
    </message>
    <message>
        <source>Comparing the settings</source>
        <translation>Parameter werden verglichen</translation>
    </message>
    <message>
        <source>Writing the file&apos;s settings</source>
        <translation>Parameter der Datei werden geschrieben</translation>
    </message>
    <message>
        <source>Updating the firmware</source>
        <translation>Firmware wird aktualisiert</translation>
    </message>
    <message>
        <source>The module did not answer the connect.</source>
        <translation>Das Modul hat auf den Verbindungsaufbau nicht geantwortet.</translation>
    </message>
    <message>
        <source>Another operation on the line is running.</source>
        <translation>Auf der Leitung läuft bereits ein anderer Vorgang.</translation>
    </message>
    <message>
        <source>No module is ticked.</source>
        <translation>Kein Modul ist angehakt.</translation>
    </message>
    <message>
        <source>No file was chosen.</source>
        <translation>Es wurde keine Datei gewählt.</translation>
    </message>
    <message>
        <source>The firmware image cannot be used: %1</source>
        <translation>Die Firmwaredatei kann nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>No module was found at this address.</source>
        <translation>Unter dieser Adresse wurde kein Modul gefunden.</translation>
    </message>
    <message>
        <source>Its serial number is not known, so its file cannot be named.</source>
        <translation>Seine Seriennummer ist unbekannt, daher kann seine Datei nicht benannt werden.</translation>
    </message>
    <message>
        <source>Its settings were kept in %1 before the update.</source>
        <translation>Seine Parameter wurden vor der Aktualisierung in %1 gesichert.</translation>
    </message>
    <message>
        <source>Its settings could not be kept before the update: %1</source>
        <translation>Seine Parameter konnten vor der Aktualisierung nicht gesichert werden: %1</translation>
    </message>
    <message>
        <source>The firmware update is done.</source>
        <translation>Die Firmwareaktualisierung ist abgeschlossen.</translation>
    </message>
    <message>
        <source>The firmware update failed: %1</source>
        <translation>Die Firmwareaktualisierung ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>the image is empty.</source>
        <translation>die Datei ist leer.</translation>
    </message>
    <message>
        <source>the image is too large.</source>
        <translation>die Datei ist zu groß.</translation>
    </message>
    <message>
        <source>the image file could not be read.</source>
        <translation>die Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>the link to the module was lost.</source>
        <translation>die Verbindung zum Modul ist verloren gegangen.</translation>
    </message>
    <message>
        <source>the module refused a step of it.</source>
        <translation>das Modul hat einen Schritt abgelehnt.</translation>
    </message>
    <message>
        <source>the module did not start its bootloader.</source>
        <translation>das Modul hat seinen Bootloader nicht gestartet.</translation>
    </message>
    <message>
        <source>the bootloader did not start the new firmware.</source>
        <translation>der Bootloader hat die neue Firmware nicht gestartet.</translation>
    </message>
    <message>
        <source>it was stopped.</source>
        <translation>sie wurde abgebrochen.</translation>
    </message>
    <message>
        <source>its settings could not be kept, so nothing was sent to the bootloader.</source>
        <translation>seine Parameter konnten nicht gesichert werden, daher wurde nichts an den Bootloader gesendet.</translation>
    </message>
    <message>
        <source>the image could not be sent.</source>
        <translation>die Datei konnte nicht gesendet werden.</translation>
    </message>
    <message>
        <source>Not started: the operation was cancelled.</source>
        <translation>Nicht begonnen: der Vorgang wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Modules done: %1 of %2; differ: %3; failed: %4.</source>
        <translation>Module erledigt: %1 von %2; abweichend: %3; fehlgeschlagen: %4.</translation>
    </message>
</context>
<context>
    <name>LineSearch</name>
    <message>
        <source>Slave address %1, %2 baud, parity %3</source>
        <translation>Slave-Adresse %1, %2 Baud, Parität %3</translation>
    </message>
    <message>
        <source>serial number %1, firmware %2</source>
        <translation>Seriennummer %1, Firmware %2</translation>
    </message>
    <message>
        <source>Disconnect before searching the line.</source>
        <translation>Vor der Suche auf der Leitung die Verbindung trennen.</translation>
    </message>
    <message>
        <source>No port selected.</source>
        <translation>Kein Anschluss ausgewählt.</translation>
    </message>
</context>
<context>
    <name>LinkLoss</name>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>garbled answers</source>
        <translation>verstümmelte Antworten</translation>
    </message>
    <message>
        <source>the adapter is gone</source>
        <translation>der Adapter ist nicht mehr vorhanden</translation>
    </message>
    <message>
        <source>No answer: the module stopped answering, even to the repeated requests.</source>
        <translation>Keine Antwort: Das Modul antwortet nicht mehr, auch nicht auf die wiederholten Anfragen.</translation>
    </message>
    <message>
        <source>Garbled answers: the module answered, but never with a frame whose checksum (CRC) was right. Look for a loose wire, a missing line termination or interference.</source>
        <translation>Verstümmelte Antworten: Das Modul hat geantwortet, aber nie mit einem Rahmen mit richtiger Prüfsumme (CRC). Suchen Sie nach einem losen Draht, einem fehlenden Leitungsabschluss oder Störungen.</translation>
    </message>
    <message>
        <source>The adapter is gone: %1 failed or was unplugged. Plug it in again and refresh the port list.</source>
        <translation>Der Adapter ist nicht mehr vorhanden: %1 ist ausgefallen oder wurde abgezogen. Stecken Sie ihn wieder ein und aktualisieren Sie die Anschlussliste.</translation>
    </message>
</context>
<context>
    <name>MeasurementRecorder</name>
    <message>
        <source>Not connected: connect to the module before recording.</source>
        <translation>Nicht verbunden: vor der Aufzeichnung mit dem Modul verbinden.</translation>
    </message>
    <message>
        <source>No file chosen for the recording.</source>
        <translation>Keine Datei für die Aufzeichnung gewählt.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation>In %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ModuleSettings</name>
    <message>
        <source>FSD ID</source>
        <translation>ID Nummer Lastschaltleiste</translation>
    </message>
    <message>
        <source>Installation date</source>
        <translation>Installationsdatum</translation>
    </message>
    <message>
        <source>Temperature threshold</source>
        <translation>Schwellenwert Temperatur</translation>
    </message>
    <message>
        <source>Time duration for means</source>
        <translation>Mittelungszeit</translation>
    </message>
    <message>
        <source>Active power on the fundamental</source>
        <translation>Wirkleistung auf Basis der Grundwelle</translation>
    </message>
    <message>
        <source>60 Hz</source>
        <translation>60 Hz</translation>
    </message>
    <message>
        <source>Voltage threshold</source>
        <translation>Schwellenwert Spannung</translation>
    </message>
    <message>
        <source>Voltage threshold duration</source>
        <translation>Dauer des Schwellenwert Spannung</translation>
    </message>
    <message>
        <source>Current threshold</source>
        <translation>Schwellenwert Strom</translation>
    </message>
    <message>
        <source>Current threshold duration</source>
        <translation>Dauer des Schwellenwert Strom</translation>
    </message>
    <message>
        <source>Minimum time between messages</source>
        <translation>Mindestzeit bei Wischermeldungen</translation>
    </message>
    <message>
        <source>Call monitoring time</source>
        <translation>Aufrufüberwachungszeit</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parität</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Slave address</source>
        <translation>Slave-Adresse</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>%1 is not allowed (allowed: %2)</source>
        <translation>%1 ist nicht zulässig (zulässig: %2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not 0 to 5 letters and digits</source>
        <translation>&quot;%1&quot; besteht nicht aus 0 bis 5 Buchstaben und Ziffern</translation>
    </message>
    <message>
        <source>not a valid date</source>
        <translation>kein gültiges Datum</translation>
    </message>
    <message>
        <source>the value must be a whole number</source>
        <translation>der Wert muss eine ganze Zahl sein</translation>
    </message>
    <message>
        <source>the value must be true or false</source>
        <translation>der Wert muss true oder false sein</translation>
    </message>
    <message>
        <source>the value must be text</source>
        <translation>der Wert muss ein Text sein</translation>
    </message>
    <message>
        <source>the value must be a date as &quot;yyyy-MM-dd&quot;</source>
        <translation>der Wert muss ein Datum der Form &quot;yyyy-MM-dd&quot; sein</translation>
    </message>
    <message>
        <source>%1: %2 words read, %3 expected.</source>
        <translation>%1: %2 Wörter gelesen, %3 erwartet.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>Not valid JSON at byte %1: %2.</source>
        <translation>Kein gültiges JSON bei Byte %1: %2.</translation>
    </message>
    <message>
        <source>The file does not hold a JSON object.</source>
        <translation>Die Datei enthält kein JSON-Objekt.</translation>
    </message>
    <message>
        <source>Field &quot;%1&quot; is missing.</source>
        <translation>Feld &quot;%1&quot; fehlt.</translation>
    </message>
    <message>
        <source>Field &quot;%1&quot; must be %2.</source>
        <translation>Feld &quot;%1&quot; muss %2 sein.</translation>
    </message>
    <message>
        <source>Field &quot;format&quot; is not &quot;%1&quot;: not a module settings file.</source>
        <translation>Feld &quot;format&quot; ist nicht &quot;%1&quot;: keine Einstellungsdatei eines Moduls.</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>Field &quot;version&quot;: version %1 is not supported (this tool reads version %2).</source>
        <translation>Feld &quot;version&quot;: Version %1 wird nicht unterstützt (dieses Programm liest Version %2).</translation>
    </message>
    <message>
        <source>text</source>
        <translation>ein Text</translation>
    </message>
    <message>
        <source>Field &quot;readAt&quot; is not an ISO 8601 date and time.</source>
        <translation>Feld &quot;readAt&quot; ist kein Datum mit Uhrzeit nach ISO 8601.</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>ein Objekt</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>eine Liste</translation>
    </message>
    <message>
        <source>Field &quot;%1&quot; must be an object.</source>
        <translation>Feld &quot;%1&quot; muss ein Objekt sein.</translation>
    </message>
    <message>
        <source>Field &quot;%1.key&quot; is missing or not text.</source>
        <translation>Feld &quot;%1.key&quot; fehlt oder ist kein Text.</translation>
    </message>
    <message>
        <source>%1: not saved: %2</source>
        <translation>%1: nicht gespeichert: %2</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1: kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>no such file.</source>
        <translation>Datei nicht vorhanden.</translation>
    </message>
    <message>
        <source>is a folder, not a file.</source>
        <translation>ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>is not a plain file.</source>
        <translation>ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>is larger than %1 KiB, too large for a settings file.</source>
        <translation>ist größer als %1 KiB, zu groß für eine Einstellungsdatei.</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>even</source>
        <translation>gerade</translation>
    </message>
    <message>
        <source>odd</source>
        <translation>ungerade</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keines)</translation>
    </message>
    <message>
        <source>CT ratio phase 1</source>
        <translation>Stromwandler Bemessungsübersetzung Phase 1</translation>
    </message>
    <message>
        <source>CT ratio phase 2</source>
        <translation>Stromwandler Bemessungsübersetzung Phase 2</translation>
    </message>
    <message>
        <source>CT ratio phase 3</source>
        <translation>Stromwandler Bemessungsübersetzung Phase 3</translation>
    </message>
    <message>
        <source>Transformer ratios</source>
        <translation>Stromwandler Bemessungsübersetzung</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation>&quot;%1&quot; (%2)</translation>
    </message>
    <message>
        <source>Setting %1: %2.</source>
        <translation>Einstellung %1: %2.</translation>
    </message>
    <message>
        <source>Setting %1 appears more than once.</source>
        <translation>Einstellung %1 kommt mehrfach vor.</translation>
    </message>
    <message>
        <source>Setting %1: field &quot;value&quot; is missing.</source>
        <translation>Einstellung %1: Feld &quot;value&quot; fehlt.</translation>
    </message>
    <message>
        <source>Setting %1 is missing.</source>
        <translation>Einstellung %1 fehlt.</translation>
    </message>
    <message>
        <source>Setting &quot;%1&quot; appears more than once.</source>
        <translation>Parameter „%1“ kommt mehrmals vor.</translation>
    </message>
    <message>
        <source>Unknown setting &quot;%1&quot;.</source>
        <translation>Unbekannter Parameter „%1“.</translation>
    </message>
    <message>
        <source>This value is not allowed.</source>
        <translation>Dieser Wert ist nicht zulässig.</translation>
    </message>
</context>
<context>
    <name>OperationReport</name>
    <message>
        <source>%1: not written, cancelled before it was sent.</source>
        <translation>%1: nicht geschrieben, vor dem Senden abgebrochen.</translation>
    </message>
    <message>
        <source>%1: not written, refused by the module.</source>
        <translation>%1: nicht geschrieben, vom Modul abgelehnt.</translation>
    </message>
    <message>
        <source>Cancelled: nothing was written to the module.</source>
        <translation>Abgebrochen: Es wurde nichts in das Modul geschrieben.</translation>
    </message>
    <message>
        <source>Cancelled: %1 of %2 blocks were written.</source>
        <translation>Abgebrochen: %1 von %2 Blöcken wurden geschrieben.</translation>
    </message>
</context>
<context>
    <name>RegisterTable</name>
    <message>
        <source>voltage threshold</source>
        <translation>Schwellenwert Spannung</translation>
    </message>
    <message>
        <source>voltage threshold duration</source>
        <translation>Dauer des Schwellenwert Spannung</translation>
    </message>
    <message>
        <source>current threshold</source>
        <translation>Schwellenwert Strom</translation>
    </message>
    <message>
        <source>current threshold duration</source>
        <translation>Dauer des Schwellenwert Strom</translation>
    </message>
    <message>
        <source>minimum time between messages</source>
        <translation>Mindestzeit bei Wischermeldungen</translation>
    </message>
    <message>
        <source>call monitoring time</source>
        <translation>Aufrufüberwachungszeit</translation>
    </message>
    <message>
        <source>CT ratio phase 1</source>
        <translation>Stromwandler Bemessungsübersetzung Phase 1</translation>
    </message>
    <message>
        <source>CT ratio phase 2</source>
        <translation>Stromwandler Bemessungsübersetzung Phase 2</translation>
    </message>
    <message>
        <source>CT ratio phase 3</source>
        <translation>Stromwandler Bemessungsübersetzung Phase 3</translation>
    </message>
    <message>
        <source>current L1</source>
        <translation>Strom L1</translation>
    </message>
    <message>
        <source>current L2</source>
        <translation>Strom L2</translation>
    </message>
    <message>
        <source>current L3</source>
        <translation>Strom L3</translation>
    </message>
    <message>
        <source>current N</source>
        <translation>Strom N</translation>
    </message>
    <message>
        <source>active power L1</source>
        <translation>Wirkleistung L1</translation>
    </message>
    <message>
        <source>active power L2</source>
        <translation>Wirkleistung L2</translation>
    </message>
    <message>
        <source>active power L3</source>
        <translation>Wirkleistung L3</translation>
    </message>
    <message>
        <source>active power total</source>
        <translation>Wirkleistung gesamt</translation>
    </message>
    <message>
        <source>reactive power L1</source>
        <translation>Blindleistung L1</translation>
    </message>
    <message>
        <source>reactive power L2</source>
        <translation>Blindleistung L2</translation>
    </message>
    <message>
        <source>reactive power L3</source>
        <translation>Blindleistung L3</translation>
    </message>
    <message>
        <source>reactive power total</source>
        <translation>Blindleistung gesamt</translation>
    </message>
    <message>
        <source>current min L1</source>
        <translation>Strom min. L1</translation>
    </message>
    <message>
        <source>current min L2</source>
        <translation>Strom min. L2</translation>
    </message>
    <message>
        <source>current min L3</source>
        <translation>Strom min. L3</translation>
    </message>
    <message>
        <source>current min N</source>
        <translation>Strom min. N</translation>
    </message>
    <message>
        <source>current max L1</source>
        <translation>Strom max. L1</translation>
    </message>
    <message>
        <source>current max L2</source>
        <translation>Strom max. L2</translation>
    </message>
    <message>
        <source>current max L3</source>
        <translation>Strom max. L3</translation>
    </message>
    <message>
        <source>current max N</source>
        <translation>Strom max. N</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>Millisekunden</translation>
    </message>
    <message>
        <source>date and time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Module status</source>
        <translation>Modulstatus</translation>
    </message>
    <message>
        <source>module status</source>
        <translation>Modulstatus</translation>
    </message>
    <message>
        <source>Clock synchronization</source>
        <translation>Uhrzeitsynchronisation</translation>
    </message>
    <message>
        <source>not synchronized</source>
        <translation>nicht synchronisiert</translation>
    </message>
    <message>
        <source>Password reset</source>
        <translation>Passwort zurücksetzen</translation>
    </message>
    <message>
        <source>password reset</source>
        <translation>Passwort zurücksetzen</translation>
    </message>
    <message>
        <source>Last boot and versions</source>
        <translation>Letzter Start und Versionen</translation>
    </message>
    <message>
        <source>last boot</source>
        <translation>letzter Neustart</translation>
    </message>
    <message>
        <source>firmware version</source>
        <translation>Firmwareversion</translation>
    </message>
    <message>
        <source>hardware version</source>
        <translation>Hardwareversion</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Firmwareversion</translation>
    </message>
    <message>
        <source>Module clock</source>
        <translation>Moduluhr</translation>
    </message>
    <message>
        <source>Module time and serial settings</source>
        <translation>Modulzeit und serielle Einstellungen</translation>
    </message>
    <message>
        <source>time duration for means</source>
        <translation>Mittelungszeit</translation>
    </message>
    <message>
        <source>parity</source>
        <translation>Parität</translation>
    </message>
    <message>
        <source>baud rate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>slave address</source>
        <translation>Slave-Adresse</translation>
    </message>
    <message>
        <source>Time duration for means</source>
        <translation>Mittelungszeit</translation>
    </message>
    <message>
        <source>Serial settings</source>
        <translation>Serielle Einstellungen</translation>
    </message>
    <message>
        <source>Fuses</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>fuse L1 blown</source>
        <translation>Sicherung L1 ausgelöst</translation>
    </message>
    <message>
        <source>fuse L2 blown</source>
        <translation>Sicherung L2 ausgelöst</translation>
    </message>
    <message>
        <source>fuse L3 blown</source>
        <translation>Sicherung L3 ausgelöst</translation>
    </message>
    <message>
        <source>Instant values</source>
        <translation>Momentanwerte</translation>
    </message>
    <message>
        <source>Time of the means</source>
        <translation>Zeitpunkt der Mittelwerte</translation>
    </message>
    <message>
        <source>Mean values</source>
        <translation>Mittelwerte</translation>
    </message>
    <message>
        <source>Minimum and maximum values</source>
        <translation>Minimal- und Maximalwerte</translation>
    </message>
    <message>
        <source>Active power calculation and frequency</source>
        <translation>Wirkleistungsberechnung und Frequenz</translation>
    </message>
    <message>
        <source>active power on the fundamental</source>
        <translation>Wirkleistung auf Basis der Grundwelle</translation>
    </message>
    <message>
        <source>60 Hz</source>
        <translation>60 Hz</translation>
    </message>
    <message>
        <source>Transformer ratios and thresholds</source>
        <translation>Stromwandler Bemessungsübersetzung und Schwellenwerte</translation>
    </message>
    <message>
        <source>Transformer ratios</source>
        <translation>Stromwandler Bemessungsübersetzung</translation>
    </message>
    <message>
        <source>Thresholds</source>
        <translation>Schwellenwerte</translation>
    </message>
    <message>
        <source>Bootloader status</source>
        <translation>Bootloader-Status</translation>
    </message>
    <message>
        <source>in bootloader</source>
        <translation>im Bootloader</translation>
    </message>
    <message>
        <source>Reset to the bootloader</source>
        <translation>Neustart in den Bootloader</translation>
    </message>
    <message>
        <source>reset</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>Image length, high word</source>
        <translation>Abbildlänge, oberes Wort</translation>
    </message>
    <message>
        <source>image length bits 31 to 16</source>
        <translation>Abbildlänge Bits 31 bis 16</translation>
    </message>
    <message>
        <source>Image length, low word</source>
        <translation>Abbildlänge, unteres Wort</translation>
    </message>
    <message>
        <source>image length bits 15 to 0</source>
        <translation>Abbildlänge Bits 15 bis 0</translation>
    </message>
    <message>
        <source>Image CRC-32, high word</source>
        <translation>CRC-32 des Abbilds, oberes Wort</translation>
    </message>
    <message>
        <source>CRC-32 bits 31 to 16</source>
        <translation>CRC-32 Bits 31 bis 16</translation>
    </message>
    <message>
        <source>Image CRC-32, low word</source>
        <translation>CRC-32 des Abbilds, unteres Wort</translation>
    </message>
    <message>
        <source>CRC-32 bits 15 to 0</source>
        <translation>CRC-32 Bits 15 bis 0</translation>
    </message>
    <message>
        <source>Image block</source>
        <translation>Abbildblock</translation>
    </message>
    <message>
        <source>offset</source>
        <translation>Versatz</translation>
    </message>
    <message>
        <source>16 image bytes</source>
        <translation>16 Bytes des Abbilds</translation>
    </message>
    <message>
        <source>Phase-to-neutral voltages</source>
        <translation>Spannungen Leiter-Neutralleiter</translation>
    </message>
    <message>
        <source>voltage L1-N</source>
        <translation>Spannung L1-N</translation>
    </message>
    <message>
        <source>voltage L2-N</source>
        <translation>Spannung L2-N</translation>
    </message>
    <message>
        <source>voltage L3-N</source>
        <translation>Spannung L3-N</translation>
    </message>
    <message>
        <source>Power factors</source>
        <translation>Leistungsfaktoren</translation>
    </message>
    <message>
        <source>cos phi L1</source>
        <translation>cos phi L1</translation>
    </message>
    <message>
        <source>cos phi L2</source>
        <translation>cos phi L2</translation>
    </message>
    <message>
        <source>cos phi L3</source>
        <translation>cos phi L3</translation>
    </message>
    <message>
        <source>Phase-to-phase voltages and temperature</source>
        <translation>Spannungen Leiter-Leiter und Temperatur</translation>
    </message>
    <message>
        <source>voltage L1-L2</source>
        <translation>Spannung L1-L2</translation>
    </message>
    <message>
        <source>voltage L2-L3</source>
        <translation>Spannung L2-L3</translation>
    </message>
    <message>
        <source>voltage L3-L1</source>
        <translation>Spannung L3-L1</translation>
    </message>
    <message>
        <source>temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Temperature threshold, serial number, installation date</source>
        <translation>Schwellenwert Temperatur, Seriennummer, Installationsdatum</translation>
    </message>
    <message>
        <source>temperature threshold</source>
        <translation>Schwellenwert Temperatur</translation>
    </message>
    <message>
        <source>temperature status</source>
        <translation>Temperaturstatus</translation>
    </message>
    <message>
        <source>serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>installation date</source>
        <translation>Installationsdatum</translation>
    </message>
    <message>
        <source>Temperature threshold</source>
        <translation>Schwellenwert Temperatur</translation>
    </message>
    <message>
        <source>Temperature status</source>
        <translation>Temperaturstatus</translation>
    </message>
    <message>
        <source>temperature alarm</source>
        <translation>Temperaturalarm</translation>
    </message>
    <message>
        <source>Installation date</source>
        <translation>Installationsdatum</translation>
    </message>
    <message>
        <source>FSD ID</source>
        <translation>ID Nummer Lastschaltleiste</translation>
    </message>
    <message>
        <source>active power max total</source>
        <translation>Wirkleistung max. gesamt</translation>
    </message>
    <message>
        <source>active power min total</source>
        <translation>Wirkleistung min. gesamt</translation>
    </message>
    <message>
        <source>reactive power max total</source>
        <translation>Blindleistung max. gesamt</translation>
    </message>
    <message>
        <source>reactive power min total</source>
        <translation>Blindleistung min. gesamt</translation>
    </message>
    <message>
        <source>active power max L1</source>
        <translation>Wirkleistung max. L1</translation>
    </message>
    <message>
        <source>active power min L1</source>
        <translation>Wirkleistung min. L1</translation>
    </message>
    <message>
        <source>active power max L2</source>
        <translation>Wirkleistung max. L2</translation>
    </message>
    <message>
        <source>active power min L2</source>
        <translation>Wirkleistung min. L2</translation>
    </message>
    <message>
        <source>active power max L3</source>
        <translation>Wirkleistung max. L3</translation>
    </message>
    <message>
        <source>active power min L3</source>
        <translation>Wirkleistung min. L3</translation>
    </message>
    <message>
        <source>reactive power max L1</source>
        <translation>Blindleistung max. L1</translation>
    </message>
    <message>
        <source>reactive power min L1</source>
        <translation>Blindleistung min. L1</translation>
    </message>
    <message>
        <source>reactive power max L2</source>
        <translation>Blindleistung max. L2</translation>
    </message>
    <message>
        <source>reactive power min L2</source>
        <translation>Blindleistung min. L2</translation>
    </message>
    <message>
        <source>reactive power max L3</source>
        <translation>Blindleistung max. L3</translation>
    </message>
    <message>
        <source>reactive power min L3</source>
        <translation>Blindleistung min. L3</translation>
    </message>
</context>
<context>
    <name>ReportDocument</name>
    <message>
        <source>%1 V</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>L%1–N</source>
        <translation>L%1–N</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Technician</source>
        <translation>Techniker</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Unterschrift</translation>
    </message>
    <message>
        <source>Commissioning report</source>
        <translation>Inbetriebnahmeprotokoll</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Tool version</source>
        <translation>Programmversion</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Reference file</source>
        <translation>Referenzdatei</translation>
    </message>
    <message>
        <source>Modules on the line</source>
        <translation>Module der Linie</translation>
    </message>
    <message>
        <source>Slave address</source>
        <translation>Slave-Adresse</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Abweichungen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>The settings could not be read: %1</source>
        <translation>Die Einstellungen konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>No settings were read.</source>
        <translation>Es wurden keine Einstellungen gelesen.</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referenz</translation>
    </message>
    <message>
        <source>Every setting agrees with the reference file.</source>
        <translation>Alle Einstellungen stimmen mit der Referenzdatei überein.</translation>
    </message>
    <message>
        <source>%1  marks a value that differs from the reference file; settings that differ: %2.</source>
        <translation>%1  kennzeichnet einen Wert, der von der Referenzdatei abweicht; abweichende Einstellungen: %2.</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <source>The measurements could not be read: %1</source>
        <translation>Die Messwerte konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>No measurements were read.</source>
        <translation>Es wurden keine Messwerte gelesen.</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Mean values as of %1</source>
        <translation>Mittelwerte vom %1</translation>
    </message>
    <message>
        <source>Alarm history</source>
        <translation>Alarmverlauf</translation>
    </message>
    <message>
        <source>No alarms since the program started</source>
        <translation>Keine Alarme seit dem Programmstart</translation>
    </message>
    <message>
        <source>Phase voltages</source>
        <translation>Phasenspannungen</translation>
    </message>
    <message>
        <source>No voltages recorded</source>
        <translation>Keine Spannungen aufgezeichnet</translation>
    </message>
    <message>
        <source>Link statistics</source>
        <translation>Verbindungsstatistik</translation>
    </message>
    <message>
        <source>No statistics</source>
        <translation>Keine Statistik</translation>
    </message>
    <message>
        <source>Module at slave address %1</source>
        <translation>Modul an Slave-Adresse %1</translation>
    </message>
    <message>
        <source>Module at slave address %1, serial number %2</source>
        <translation>Modul an Slave-Adresse %1, Seriennummer %2</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Identität</translation>
    </message>
    <message>
        <source>FSD ID</source>
        <translation>ID Nummer Lastschaltleiste</translation>
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
        <source>Last boot</source>
        <translation>Letzter Neustart</translation>
    </message>
    <message>
        <source>Installation date</source>
        <translation>Installationsdatum</translation>
    </message>
    <message>
        <source>No module was found on the line.</source>
        <translation>Auf der Linie wurde kein Modul gefunden.</translation>
    </message>
</context>
<context>
    <name>SettingsDocument</name>
    <message>
        <source>No file was chosen.</source>
        <translation>Es wurde keine Datei gewählt.</translation>
    </message>
    <message>
        <source>No file is open.</source>
        <translation>Es ist keine Datei geöffnet.</translation>
    </message>
    <message>
        <source>The file has no name yet: save it as a new file.</source>
        <translation>Die Datei hat noch keinen Namen: Speichern Sie sie als neue Datei.</translation>
    </message>
    <message>
        <source>Correct the values marked before saving.</source>
        <translation>Korrigieren Sie vor dem Speichern die markierten Werte.</translation>
    </message>
</context>
<context>
    <name>SettingsFiles</name>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>refused by the module or answered wrongly</source>
        <translation>vom Modul abgelehnt oder falsch beantwortet</translation>
    </message>
    <message>
        <source>given up before it was sent</source>
        <translation>aufgegeben, bevor es gesendet wurde</translation>
    </message>
    <message>
        <source>the link failed</source>
        <translation>die Verbindung ist ausgefallen</translation>
    </message>
    <message>
        <source>This file is from another module: serial number %1 (this module: %2).</source>
        <translation>Diese Datei stammt von einem anderen Modul: Seriennummer %1 (dieses Modul: %2).</translation>
    </message>
    <message>
        <source>No differences</source>
        <translation>Keine Unterschiede</translation>
    </message>
    <message>
        <source>Serial settings left out (file → module):</source>
        <translation>Ausgelassene serielle Einstellungen (Datei → Modul):</translation>
    </message>
    <message>
        <source>The module is in its bootloader: its settings cannot be read.</source>
        <translation>Das Modul ist in seinem Bootloader: Seine Einstellungen können nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Another operation on a settings file is running.</source>
        <translation>Ein anderer Vorgang mit einer Einstellungsdatei läuft noch.</translation>
    </message>
    <message>
        <source>Not connected to a module.</source>
        <translation>Keine Verbindung zu einem Modul.</translation>
    </message>
    <message>
        <source>The module is in its bootloader: run the firmware update again.</source>
        <translation>Das Modul ist in seinem Bootloader: Führen Sie das Firmware-Update erneut aus.</translation>
    </message>
    <message>
        <source>No file was chosen.</source>
        <translation>Es wurde keine Datei ausgewählt.</translation>
    </message>
    <message>
        <source>The file was refused; nothing was written to the module.</source>
        <translation>Die Datei wurde abgelehnt; in das Modul wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The file was refused.</source>
        <translation>Die Datei wurde abgelehnt.</translation>
    </message>
    <message>
        <source>%1: not written (%2).</source>
        <translation>%1: nicht geschrieben (%2).</translation>
    </message>
    <message>
        <source>%1: not read (%2).</source>
        <translation>%1: nicht gelesen (%2).</translation>
    </message>
    <message>
        <source>Given up: %1 of %2 blocks were written.</source>
        <translation>Aufgegeben: %1 von %2 Blöcken wurden geschrieben.</translation>
    </message>
    <message>
        <source>The module did not take every setting.</source>
        <translation>Das Modul hat nicht alle Einstellungen übernommen.</translation>
    </message>
    <message>
        <source>The file&apos;s settings were written (blocks written: %1). The module now answers at slave address %2, %3 baud, parity %4 only, so it was not read back: connect at these settings and compare again.</source>
        <translation>Die Einstellungen der Datei wurden geschrieben (geschriebene Blöcke: %1). Das Modul antwortet jetzt nur noch unter Slave-Adresse %2, %3 Baud, Parität %4 und wurde daher nicht zurückgelesen: Mit diesen Einstellungen verbinden und erneut vergleichen.</translation>
    </message>
    <message>
        <source>Given up: every block was written (%1); the module was not read back.</source>
        <translation>Aufgegeben: Alle Blöcke wurden geschrieben (%1); das Modul wurde nicht zurückgelesen.</translation>
    </message>
    <message>
        <source>The settings were written; the module no longer answers on this line&apos;s settings. Connect with slave address %1, %2 baud, parity %3 and compare again.</source>
        <translation>Die Einstellungen wurden geschrieben; das Modul antwortet nicht mehr mit den Einstellungen dieser Leitung. Mit Slave-Adresse %1, %2 Baud, Parität %3 verbinden und erneut vergleichen.</translation>
    </message>
    <message>
        <source>The settings were written but could not be read back.</source>
        <translation>Die Einstellungen wurden geschrieben, konnten aber nicht zurückgelesen werden.</translation>
    </message>
    <message>
        <source>The module could not be read; nothing was written to it.</source>
        <translation>Das Modul konnte nicht gelesen werden; es wurde nichts hineingeschrieben.</translation>
    </message>
    <message>
        <source>The module could not be read.</source>
        <translation>Das Modul konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The settings were not saved.</source>
        <translation>Die Einstellungen wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The module&apos;s settings were saved to %1.</source>
        <translation>Die Einstellungen des Moduls wurden in %1 gespeichert.</translation>
    </message>
    <message>
        <source>Serial number: %1</source>
        <translation>Seriennummer: %1</translation>
    </message>
    <message>
        <source>The module holds the file&apos;s settings.</source>
        <translation>Die Einstellungen des Moduls stimmen mit der Datei überein.</translation>
    </message>
    <message>
        <source>Settings that differ: %1 (file → module).</source>
        <translation>Abweichende Einstellungen: %1 (Datei → Modul).</translation>
    </message>
    <message>
        <source>Nothing was written: the module holds the file&apos;s settings except its serial settings, which were left out as asked.</source>
        <translation>Es wurde nichts geschrieben: Die Einstellungen des Moduls stimmen mit der Datei überein, außer seinen seriellen Einstellungen, die wie gewünscht ausgelassen wurden.</translation>
    </message>
    <message>
        <source>Nothing was written: the module already holds the file&apos;s settings.</source>
        <translation>Es wurde nichts geschrieben: Die Einstellungen des Moduls stimmen bereits mit der Datei überein.</translation>
    </message>
    <message>
        <source>The file&apos;s settings were written to the module and read back (blocks written: %1).</source>
        <translation>Die Einstellungen der Datei wurden ins Modul geschrieben und zurückgelesen (geschriebene Blöcke: %1).</translation>
    </message>
    <message>
        <source>The settings were written, but the module still differs.</source>
        <translation>Die Einstellungen wurden geschrieben, aber das Modul weicht weiterhin ab.</translation>
    </message>
    <message>
        <source>The file was read from firmware version %1; the module runs %2.</source>
        <translation>Die Datei wurde von Firmwareversion %1 gelesen; das Modul hat Firmwareversion %2.</translation>
    </message>
    <message>
        <source>Not written, as this version of the tool does not know them: %1.</source>
        <translation>Nicht geschrieben, da diese Version des Programms sie nicht kennt: %1.</translation>
    </message>
</context>
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
    <message>
        <source>Save the alarm history</source>
        <translation>Alarmverlauf speichern</translation>
    </message>
    <message>
        <source>Alarm history</source>
        <translation>Alarmverlauf</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>No alarm change seen yet.</source>
        <translation>Noch keine Alarmänderung gesehen.</translation>
    </message>
    <message>
        <source>The alarm history was saved to %1.</source>
        <translation>Der Alarmverlauf wurde in %1 gespeichert.</translation>
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
    <message>
        <source>Currents are generated here, not measured; powers are computed from them and the measured voltages.</source>
        <translation>Ströme werden hier erzeugt, nicht gemessen; Leistungen werden aus ihnen und den gemessenen Spannungen berechnet.</translation>
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
    <message>
        <source>Setting the module&apos;s clock…</source>
        <translation>Die Uhr des Moduls wird gestellt…</translation>
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
    <message>
        <source>not present</source>
        <translation>nicht vorhanden</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>von einem anderen Programm belegt</translation>
    </message>
    <message>
        <source>serial number %1</source>
        <translation>Seriennummer %1</translation>
    </message>
    <message>
        <source>Adapters were plugged in or removed: click the refresh icon to update the list.</source>
        <translation>Adapter wurden eingesteckt oder entfernt: Klicken Sie auf das Aktualisieren-Symbol, um die Liste zu aktualisieren.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Disconnecting…</source>
        <translation>Verbindung wird getrennt…</translation>
    </message>
    <message>
        <source>Connecting to the module…</source>
        <translation>Verbindung zum Modul wird hergestellt…</translation>
    </message>
    <message>
        <source>Module in its bootloader</source>
        <translation>Modul im Bootloader</translation>
    </message>
    <message>
        <source>The module is in its bootloader: run the firmware update again.</source>
        <translation>Das Modul ist in seinem Bootloader: Führen Sie das Firmware-Update erneut aus.</translation>
    </message>
    <message>
        <source>&quot;Start update&quot; on the main page. Until the module runs its firmware, its pages are not read.</source>
        <translation>„Update starten“ auf der Hauptseite. Solange das Modul seine Firmware nicht ausführt, werden seine Seiten nicht gelesen.</translation>
    </message>
    <message>
        <source>Line…</source>
        <translation>Linie…</translation>
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
    <message>
        <source>The module is in its bootloader: run the firmware update again (&quot;Start update&quot; below).</source>
        <translation>Das Modul ist in seinem Bootloader: Führen Sie das Firmware-Update erneut aus („Update starten“ unten).</translation>
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
    <message>
        <source>Record the measurements to a file</source>
        <translation>Messwerte in eine Datei aufzeichnen</translation>
    </message>
    <message>
        <source>Write every round of measurements to a CSV file</source>
        <translation>Jede Messrunde in eine CSV-Datei schreiben</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Aufzeichnung beenden</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufzeichnen</translation>
    </message>
    <message>
        <source>Recording to %1, rows written: %2</source>
        <translation>Aufzeichnung in %1, geschriebene Zeilen: %2</translation>
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
    <message>
        <source>Reading the module…</source>
        <translation>Das Modul wird gelesen…</translation>
    </message>
    <message>
        <source>Reading the measurements…</source>
        <translation>Die Messwerte werden gelesen…</translation>
    </message>
    <message>
        <source>Bootloader</source>
        <translation>Bootloader</translation>
    </message>
</context>
<context>
    <name>VNotice</name>
    <message>
        <source>The settings were written to the module.</source>
        <translation>Die Einstellungen wurden in das Modul geschrieben.</translation>
    </message>
    <message>
        <source>Apply error</source>
        <translation>Fehler beim Übernehmen</translation>
    </message>
    <message>
        <source>The module did not take every setting.</source>
        <translation>Das Modul hat nicht alle Einstellungen übernommen.</translation>
    </message>
    <message>
        <source>The firmware was updated. The settings from before it were kept in %1.</source>
        <translation>Die Firmware wurde aktualisiert. Die Einstellungen von vorher wurden in %1 gesichert.</translation>
    </message>
    <message>
        <source>The firmware was updated. The settings could not be kept before it: %1</source>
        <translation>Die Firmware wurde aktualisiert. Die Einstellungen konnten vorher nicht gesichert werden: %1</translation>
    </message>
    <message>
        <source>The firmware was updated.</source>
        <translation>Die Firmware wurde aktualisiert.</translation>
    </message>
</context>
<context>
    <name>VPopupBusMonitor</name>
    <message>
        <source>Requests: %1</source>
        <translation>Anfragen: %1</translation>
    </message>
    <message>
        <source>time-outs: %1</source>
        <translation>Zeitüberschreitungen: %1</translation>
    </message>
    <message>
        <source>garbled: %1</source>
        <translation>verstümmelt: %1</translation>
    </message>
    <message>
        <source>exceptions: %1</source>
        <translation>Ausnahmen: %1</translation>
    </message>
    <message>
        <source>unfit answers: %1</source>
        <translation>unpassende Antworten: %1</translation>
    </message>
    <message>
        <source>link lost: %1</source>
        <translation>Verbindung verloren: %1</translation>
    </message>
    <message>
        <source>late answers: %1</source>
        <translation>verspätete Antworten: %1</translation>
    </message>
    <message>
        <source>resends: %1</source>
        <translation>Wiederholungen: %1</translation>
    </message>
    <message>
        <source>round trip mean %1 ms, worst %2 ms</source>
        <translation>Antwortzeit im Mittel %1 ms, höchstens %2 ms</translation>
    </message>
    <message>
        <source>Save the bus monitor&apos;s list</source>
        <translation>Liste des Busmonitors speichern</translation>
    </message>
    <message>
        <source>JSON lines</source>
        <translation>JSON-Zeilen</translation>
    </message>
    <message>
        <source>Bus monitor</source>
        <translation>Busmonitor</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Fn</source>
        <translation>Fn</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Round trip</source>
        <translation>Antwortzeit</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Raw words</source>
        <translation>Rohwerte</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The list was saved to %1.</source>
        <translation>Die Liste wurde in %1 gespeichert.</translation>
    </message>
    <message>
        <source>Slave</source>
        <translation>Slave</translation>
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
    <name>VPopupCloseEdits</name>
    <message>
        <source>Changes not applied</source>
        <translation>Änderungen nicht angewendet</translation>
    </message>
    <message>
        <source>Changes have not been applied to the module; closing now loses them.</source>
        <translation>Änderungen wurden nicht auf das Modul angewendet; beim Schließen gehen sie verloren.</translation>
    </message>
    <message>
        <source>Keep editing</source>
        <translation>Weiter bearbeiten</translation>
    </message>
    <message>
        <source>Close anyway</source>
        <translation>Trotzdem schließen</translation>
    </message>
</context>
<context>
    <name>VPopupCloseUpdate</name>
    <message>
        <source>Firmware update running</source>
        <translation>Firmware-Update läuft</translation>
    </message>
    <message>
        <source>An update is running; closing now leaves the module in its bootloader</source>
        <translation>Ein Update läuft; wird jetzt geschlossen, bleibt das Modul in seinem Bootloader</translation>
    </message>
    <message>
        <source>Keep updating</source>
        <translation>Update fortsetzen</translation>
    </message>
    <message>
        <source>Close anyway</source>
        <translation>Trotzdem schließen</translation>
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
    <message>
        <source>Reading the module…</source>
        <translation>Das Modul wird gelesen…</translation>
    </message>
</context>
<context>
    <name>VPopupLineView</name>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Differs</source>
        <translation>Abweichend</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Addresses tried: %1 of %2</source>
        <translation>Adressen geprüft: %1 von %2</translation>
    </message>
    <message>
        <source>No module found on this line.</source>
        <translation>Kein Modul auf dieser Linie gefunden.</translation>
    </message>
    <message>
        <source>Modules found: %1</source>
        <translation>Gefundene Module: %1</translation>
    </message>
    <message>
        <source>Compare the modules</source>
        <translation>Module vergleichen</translation>
    </message>
    <message>
        <source>Compare each module with its own file in a folder (named by its serial number), or every module with one file?</source>
        <translation>Jedes Modul mit seiner eigenen Datei in einem Ordner vergleichen (nach seiner Seriennummer benannt) oder alle Module mit einer Datei?</translation>
    </message>
    <message>
        <source>Compare with folder…</source>
        <translation>Mit Ordner vergleichen…</translation>
    </message>
    <message>
        <source>Compare with file…</source>
        <translation>Mit Datei vergleichen…</translation>
    </message>
    <message>
        <source>Choose the firmware image for the modules</source>
        <translation>Firmware-Datei für die Module auswählen</translation>
    </message>
    <message>
        <source>Choose the settings file to write to the modules</source>
        <translation>Einstellungsdatei zum Schreiben in die Module auswählen</translation>
    </message>
    <message>
        <source>Choose the settings file to compare with</source>
        <translation>Einstellungsdatei für den Vergleich auswählen</translation>
    </message>
    <message>
        <source>Binary files</source>
        <translation>Binary Dateien</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Settings files</source>
        <translation>Einstellungsdateien</translation>
    </message>
    <message>
        <source>Write the file to the modules?</source>
        <translation>Datei in die Module schreiben?</translation>
    </message>
    <message>
        <source>Update the modules&apos; firmware?</source>
        <translation>Firmware der Module aktualisieren?</translation>
    </message>
    <message>
        <source>The settings of %1, without identity and serial settings, are written to these modules (slave address and serial number):</source>
        <translation>Die Einstellungen aus %1 werden ohne Identität und serielle Einstellungen in diese Module geschrieben (Slave-Adresse und Seriennummer):</translation>
    </message>
    <message>
        <source>The firmware %1 is loaded into these modules (slave address and serial number); each keeps its settings:</source>
        <translation>Die Firmware %1 wird in diese Module geladen (Slave-Adresse und Seriennummer); jedes behält seine Einstellungen:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Choose the folder of the modules&apos; files</source>
        <translation>Ordner mit den Dateien der Module auswählen</translation>
    </message>
    <message>
        <source>Choose the folder for the modules&apos; files</source>
        <translation>Ordner für die Dateien der Module auswählen</translation>
    </message>
    <message>
        <source>Modules of the line</source>
        <translation>Module der Linie</translation>
    </message>
    <message>
        <source>Module %1 (%2 of %3)</source>
        <translation>Modul %1 (%2 von %3)</translation>
    </message>
    <message>
        <source>Back to %1</source>
        <translation>Zurück zu %1</translation>
    </message>
    <message>
        <source>Find again</source>
        <translation>Erneut suchen</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>FSD ID</source>
        <translation>ID Nummer Lastschaltleiste</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Temp.</source>
        <translation>Temp.</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Not answering</source>
        <translation>Antwortet nicht</translation>
    </message>
    <message>
        <source>Bootloader</source>
        <translation>Bootloader</translation>
    </message>
    <message>
        <source>Click a module, or press Return on it, to connect to it. Space ticks it.</source>
        <translation>Ein Modul anklicken oder darauf Eingabe drücken, um sich damit zu verbinden. Die Leertaste hakt es an.</translation>
    </message>
    <message>
        <source>The last operation</source>
        <translation>Der letzte Vorgang</translation>
    </message>
    <message>
        <source>Save all…</source>
        <translation>Alle speichern…</translation>
    </message>
    <message>
        <source>Compare…</source>
        <translation>Vergleichen…</translation>
    </message>
    <message>
        <source>Write file to all…</source>
        <translation>Datei auf alle schreiben…</translation>
    </message>
    <message>
        <source>Update all…</source>
        <translation>Alle aktualisieren…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Report…</source>
        <translation>Protokoll…</translation>
    </message>
</context>
<context>
    <name>VPopupReport</name>
    <message>
        <source>The ticked modules (slave address): %1</source>
        <translation>Die angehakten Module (Slave-Adresse): %1</translation>
    </message>
    <message>
        <source>The connected module, slave address %1</source>
        <translation>Das verbundene Modul, Slave-Adresse %1</translation>
    </message>
    <message>
        <source>Save the commissioning report</source>
        <translation>Inbetriebnahmeprotokoll speichern</translation>
    </message>
    <message>
        <source>PDF files</source>
        <translation>PDF-Dateien</translation>
    </message>
    <message>
        <source>Choose the reference settings file</source>
        <translation>Referenz-Einstellungsdatei auswählen</translation>
    </message>
    <message>
        <source>Settings files</source>
        <translation>Einstellungsdateien</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Commissioning report</source>
        <translation>Inbetriebnahmeprotokoll</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Technician</source>
        <translation>Techniker</translation>
    </message>
    <message>
        <source>Reference file</source>
        <translation>Referenzdatei</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Auswählen…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Reading the modules: %1 of %2 done</source>
        <translation>Module werden gelesen: %1 von %2 fertig</translation>
    </message>
    <message>
        <source>Save report…</source>
        <translation>Protokoll speichern…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>None (optional)</source>
        <translation>Keine (optional)</translation>
    </message>
</context>
<context>
    <name>VPopupSearch</name>
    <message>
        <source>Searching…</source>
        <translation>Suche läuft…</translation>
    </message>
    <message>
        <source>No module answered on this port.</source>
        <translation>Kein Modul hat an diesem Port geantwortet.</translation>
    </message>
    <message>
        <source>Search for modules</source>
        <translation>Module suchen</translation>
    </message>
    <message>
        <source>Settings tried: %1 of %2</source>
        <translation>Einstellungen geprüft: %1 von %2</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>VPopupSerialSettings</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>even</source>
        <translation>gerade</translation>
    </message>
    <message>
        <source>odd</source>
        <translation>ungerade</translation>
    </message>
    <message>
        <source>slave address %1, %2 baud, parity %3</source>
        <translation>Slave-Adresse %1, %2 Baud, Parität %3</translation>
    </message>
    <message>
        <source>Slave address: %1 → %2</source>
        <translation>Slave-Adresse: %1 → %2</translation>
    </message>
    <message>
        <source>Baud rate: %1 → %2</source>
        <translation>Baudrate: %1 → %2</translation>
    </message>
    <message>
        <source>Parity: %1 → %2</source>
        <translation>Parität: %1 → %2</translation>
    </message>
    <message>
        <source>Write the serial settings?</source>
        <translation>Serielle Einstellungen schreiben?</translation>
    </message>
    <message>
        <source>The module&apos;s own serial settings change:</source>
        <translation>Die seriellen Einstellungen des Moduls ändern sich:</translation>
    </message>
    <message>
        <source>The module then answers at the new settings only, and this link no longer reaches it. Afterwards the tool offers to reconnect at them.</source>
        <translation>Das Modul antwortet dann nur noch mit den neuen Einstellungen, und diese Verbindung erreicht es nicht mehr. Danach bietet das Programm an, sich mit ihnen neu zu verbinden.</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Serial settings written</source>
        <translation>Serielle Einstellungen geschrieben</translation>
    </message>
    <message>
        <source>The module now answers at %1 only. Reconnect at these settings?</source>
        <translation>Das Modul antwortet jetzt nur noch unter %1. Mit diesen Einstellungen neu verbinden?</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>Neu verbinden</translation>
    </message>
    <message>
        <source>Keep this link</source>
        <translation>Verbindung beibehalten</translation>
    </message>
</context>
<context>
    <name>VPopupSettingsComparison</name>
    <message>
        <source>These settings of the module change (now → after the write):</source>
        <translation>Diese Einstellungen des Moduls ändern sich (jetzt → nach dem Schreiben):</translation>
    </message>
    <message>
        <source>This file was read from firmware %1; the module runs %2.</source>
        <translation>Diese Datei wurde aus Firmware %1 gelesen; das Modul läuft mit %2.</translation>
    </message>
    <message>
        <source>Not written, unknown to this version: %1</source>
        <translation>Nicht geschrieben, dieser Version unbekannt: %1</translation>
    </message>
    <message>
        <source>Write the settings back?</source>
        <translation>Die Einstellungen zurückschreiben?</translation>
    </message>
    <message>
        <source>Write the chosen settings?</source>
        <translation>Die gewählten Einstellungen schreiben?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Writing the chosen settings to the module…</source>
        <translation>Die gewählten Einstellungen werden ins Modul geschrieben…</translation>
    </message>
    <message>
        <source>Settings changed by the update</source>
        <translation>Durch das Update geänderte Einstellungen</translation>
    </message>
    <message>
        <source>Choose the settings to write</source>
        <translation>Die zu schreibenden Einstellungen wählen</translation>
    </message>
    <message>
        <source>Kept before the update: %1</source>
        <translation>Vor dem Update gesichert: %1</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <source>Kept in the file, never written to a module: %1</source>
        <translation>In der Datei behalten, nie in ein Modul geschrieben: %1</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>Before the update</source>
        <translation>Vor dem Update</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Modul</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>The module holds the file&apos;s settings.</source>
        <translation>Das Modul hat die Einstellungen der Datei.</translation>
    </message>
    <message>
        <source>Show all settings</source>
        <translation>Alle Einstellungen zeigen</translation>
    </message>
    <message>
        <source>Write back</source>
        <translation>Zurückschreiben</translation>
    </message>
    <message>
        <source>Write selected</source>
        <translation>Gewählte schreiben</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Beibehalten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>VPopupSettingsDocument</name>
    <message>
        <source>Settings file refused</source>
        <translation>Einstellungsdatei abgelehnt</translation>
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
        <source>Saved to %1.</source>
        <translation>Gespeichert in %1.</translation>
    </message>
    <message>
        <source>The file was not saved</source>
        <translation>Die Datei wurde nicht gespeichert</translation>
    </message>
    <message>
        <source>Close without saving?</source>
        <translation>Ohne Speichern schließen?</translation>
    </message>
    <message>
        <source>The changes to this settings file are not saved.</source>
        <translation>Die Änderungen an dieser Einstellungsdatei sind nicht gespeichert.</translation>
    </message>
    <message>
        <source>Keep editing</source>
        <translation>Weiter bearbeiten</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Ohne Speichern schließen</translation>
    </message>
    <message>
        <source>Save the settings file</source>
        <translation>Die Einstellungsdatei speichern</translation>
    </message>
    <message>
        <source>Settings files</source>
        <translation>Einstellungsdateien</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Einstellungsdatei</translation>
    </message>
    <message>
        <source>New file</source>
        <translation>Neue Datei</translation>
    </message>
    <message>
        <source>Read from module %1, firmware %2</source>
        <translation>Gelesen aus Modul %1, Firmware %2</translation>
    </message>
    <message>
        <source>Not read from a module</source>
        <translation>Nicht aus einem Modul gelesen</translation>
    </message>
    <message>
        <source>Kept in the file, never written to a module: %1</source>
        <translation>In der Datei behalten, nie in ein Modul geschrieben: %1</translation>
    </message>
    <message>
        <source>Values marked in red are not taken by a module: the file is not saved while one is.</source>
        <translation>Rot markierte Werte nimmt ein Modul nicht an: Solange einer da ist, wird die Datei nicht gespeichert.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>VPopupSettingsFile</name>
    <message>
        <source>Differences found</source>
        <translation>Unterschiede gefunden</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Choose what to write…</source>
        <translation>Auswählen, was geschrieben wird…</translation>
    </message>
</context>
<context>
    <name>VPopupWaiting</name>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Cancelling: nothing more is sent; the request on the line ends first.</source>
        <translation>Abbruch: Es wird nichts mehr gesendet; die laufende Anfrage endet zuerst.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>VScrollContent</name>
    <message>
        <source>Not live: last read at %1. The link to the module was lost (%2).</source>
        <translation>Nicht aktuell: zuletzt gelesen am %1. Die Verbindung zum Modul ging verloren (%2).</translation>
    </message>
    <message>
        <source>Not live: last read at %1. Not connected.</source>
        <translation>Nicht aktuell: zuletzt gelesen am %1. Nicht verbunden.</translation>
    </message>
</context>
<context>
    <name>VSettings</name>
    <message>
        <source>Language selection</source>
        <translation>Sprache auswählen</translation>
    </message>
    <message>
        <source>Save the module&apos;s settings to a file</source>
        <translation>Einstellungen des Moduls in einer Datei speichern</translation>
    </message>
    <message>
        <source>Choose the settings file to compare with</source>
        <translation>Einstellungsdatei für den Vergleich auswählen</translation>
    </message>
    <message>
        <source>Choose the settings file to write to the module</source>
        <translation>Einstellungsdatei zum Schreiben in das Modul auswählen</translation>
    </message>
    <message>
        <source>Settings files</source>
        <translation>Einstellungsdateien</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Module settings file</source>
        <translation>Einstellungsdatei des Moduls</translation>
    </message>
    <message>
        <source>Keep the module&apos;s settings and identity in a file</source>
        <translation>Einstellungen und Kenndaten des Moduls in einer Datei sichern</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>In Datei speichern</translation>
    </message>
    <message>
        <source>List the settings in which the module differs from a file</source>
        <translation>Einstellungen auflisten, in denen das Modul von einer Datei abweicht</translation>
    </message>
    <message>
        <source>Compare with file</source>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>Write the settings that differ from a file, then read them back</source>
        <translation>Abweichende Einstellungen aus einer Datei schreiben und zurücklesen</translation>
    </message>
    <message>
        <source>Write file to module</source>
        <translation>Ins Modul schreiben</translation>
    </message>
    <message>
        <source>Also write the module&apos;s serial settings (parity, baud rate, slave address)</source>
        <translation>Auch die seriellen Einstellungen des Moduls schreiben (Parität, Baudrate, Slave-Adresse)</translation>
    </message>
    <message>
        <source>Every request on the line and its answer, with the link&apos;s counters</source>
        <translation>Jede Anfrage auf der Leitung und ihre Antwort, mit den Zählern der Verbindung</translation>
    </message>
    <message>
        <source>Bus monitor</source>
        <translation>Busmonitor</translation>
    </message>
    <message>
        <source>Reading the module&apos;s settings for the file…</source>
        <translation>Die Einstellungen des Moduls werden für die Datei gelesen…</translation>
    </message>
    <message>
        <source>Comparing the module with the file…</source>
        <translation>Das Modul wird mit der Datei verglichen…</translation>
    </message>
    <message>
        <source>Writing the file&apos;s settings to the module…</source>
        <translation>Die Einstellungen der Datei werden in das Modul geschrieben…</translation>
    </message>
    <message>
        <source>The module&apos;s settings, measurements and alarms in a PDF for the commissioning record</source>
        <translation>Einstellungen, Messwerte und Alarme des Moduls als PDF für das Inbetriebnahmeprotokoll</translation>
    </message>
    <message>
        <source>Report…</source>
        <translation>Protokoll…</translation>
    </message>
    <message>
        <source>Choose the settings file to edit</source>
        <translation>Die zu bearbeitende Einstellungsdatei wählen</translation>
    </message>
    <message>
        <source>Change the values of a settings file, with or without a module</source>
        <translation>Die Werte einer Einstellungsdatei ändern, mit oder ohne Modul</translation>
    </message>
    <message>
        <source>Open file…</source>
        <translation>Datei öffnen…</translation>
    </message>
    <message>
        <source>Start a settings file from the values a module has from the factory</source>
        <translation>Eine Einstellungsdatei mit den Werkswerten eines Moduls beginnen</translation>
    </message>
    <message>
        <source>New file</source>
        <translation>Neue Datei</translation>
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
    <message>
        <source>Bus monitor</source>
        <translation>Busmonitor</translation>
    </message>
    <message>
        <source>Reading the module…</source>
        <translation>Das Modul wird gelesen…</translation>
    </message>
    <message>
        <source>Reading the measurements…</source>
        <translation>Die Messwerte werden gelesen…</translation>
    </message>
    <message>
        <source>Writing the settings to the module…</source>
        <translation>Die Einstellungen werden in das Modul geschrieben…</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
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
