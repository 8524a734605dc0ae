<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Accessible</name>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Anwenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>CAboutDialog</name>
    <message>
        <source>About Corvanta ?? Utility</source>
        <translation>Über Corvanta ?? Utility</translation>
    </message>
    <message>
        <source>View &amp;License Agreement</source>
        <translation>&amp;Lizenzvereinbarung anzeigen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CAntennaPage</name>
    <message>
        <source>A&amp;ntennas</source>
        <translation>A&amp;ntennen</translation>
    </message>
    <message>
        <source>Antenna Enable</source>
        <translation>Antennen freigeben</translation>
    </message>
    <message>
        <source>ANT &amp;%1</source>
        <translation>ANT &amp;%1</translation>
    </message>
    <message>
        <source>&amp;Preferred Antenna</source>
        <translation>Be&amp;vorzugte Antenne</translation>
    </message>
    <message>
        <source>Last &amp;Used</source>
        <translation>&amp;Zuletzt benutzt</translation>
    </message>
    <message>
        <source>ANT 1</source>
        <translation>ANT 1</translation>
    </message>
    <message>
        <source>ANT 2</source>
        <translation>ANT 2</translation>
    </message>
    <message>
        <source>ANT 3</source>
        <translation>ANT 3</translation>
    </message>
</context>
<context>
    <name>CAutoFineTunePage</name>
    <message>
        <source>Auto &amp;Fine Tune</source>
        <translation>Automatische &amp;Feinabstimmung</translation>
    </message>
    <message>
        <source>Some high-Q antennas require smaller coarse tune steps to find the starting point for lowest SWR. 

Select this option to use a smaller coarse tune step size, at the cost of additional tuning time.</source>
        <translation>Manche Antennen hoher Güte brauchen kleinere Grobabstimmschritte, damit der Ausgangspunkt für das niedrigste SWV gefunden wird. 

Wählen Sie diese Option für kleinere Grobabstimmschritte; das Abstimmen dauert dann länger.</translation>
    </message>
</context>
<context>
    <name>CBandGroup</name>
    <message>
        <source>&amp;Band</source>
        <translation>&amp;Band</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
</context>
<context>
    <name>CCommandTesterPage</name>
    <message>
        <source>Command &amp;Tester</source>
        <translation>Befehls&amp;tester</translation>
    </message>
    <message>
        <source>Edit &amp;Macros</source>
        <translation>&amp;Makros bearbeiten</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Save Transcript &amp;As...</source>
        <translation>Mitschrift &amp;speichern unter...</translation>
    </message>
    <message>
        <source>Transcript</source>
        <translation>Mitschrift</translation>
    </message>
    <message>
        <source>Time &amp;stamps</source>
        <translation>&amp;Zeitstempel</translation>
    </message>
    <message>
        <source>He&amp;xadecimal</source>
        <translation>He&amp;xadezimal</translation>
    </message>
    <message>
        <source>&amp;Enter command. Enter key or semicolon sends:</source>
        <translation>Befehl &amp;eingeben. Eingabetaste oder Semikolon sendet:</translation>
    </message>
</context>
<context>
    <name>CConfigFileDialog</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CConfigRestoreDialog</name>
    <message>
        <source>%1 from %2</source>
        <translation>%1 aus %2</translation>
    </message>
    <message>
        <source>

The file: S/N %05u
Your %s: S/N %05u</source>
        <translation>

Die Datei: S/N %05u
Ihr %s: S/N %05u</translation>
    </message>
</context>
<context>
    <name>CConfigSaveDialog</name>
    <message>
        <source>Saving configuration</source>
        <translation>Konfiguration wird gesichert</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 in %2</translation>
    </message>
</context>
<context>
    <name>CConfigurationPage</name>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Konfiguration</translation>
    </message>
    <message>
        <source>&amp;Edit Configuration...</source>
        <translation>Konfiguration b&amp;earbeiten...</translation>
    </message>
    <message>
        <source>&amp;Save Configuration...</source>
        <translation>Konfiguration &amp;sichern...</translation>
    </message>
    <message>
        <source>&amp;Restore Configuration...</source>
        <translation>Konfiguration &amp;wiederherstellen...</translation>
    </message>
    <message>
        <source>&amp;Display Fault Table...</source>
        <translation>Fehlertabelle an&amp;zeigen...</translation>
    </message>
    <message>
        <source>Erase Antenna Tuner &amp;Memories...</source>
        <translation>Bandspeicher &amp;löschen...</translation>
    </message>
    <message>
        <source>Reset Co&amp;nfiguration...</source>
        <translation>Konfiguration zu&amp;rücksetzen...</translation>
    </message>
    <message>
        <source>The %1 is in its bootstrap loader: send the firmware from the Firmware page first</source>
        <translation>Der %1 ist in seinem Bootloader: senden Sie zuerst die Firmware von der Seite Firmware</translation>
    </message>
</context>
<context>
    <name>CConnectionStatus</name>
    <message>
        <source>Looking for %s on %s at %u bit/s</source>
        <translation>Suche %s an %s mit %u Bit/s</translation>
    </message>
    <message>
        <source>No answer yet. </source>
        <translation>Noch keine Antwort. </translation>
    </message>
</context>
<context>
    <name>CContactStateMachine</name>
    <message>
        <source>Contact failed 0x%x %s
</source>
        <translation>Kontakt fehlgeschlagen 0x%x %s
</translation>
    </message>
</context>
<context>
    <name>CEditConfigurationSheet</name>
    <message>
        <source>&amp;Initial Power</source>
        <translation>&amp;Einschaltzustand</translation>
    </message>
    <message>
        <source>Turn front panel power on when DC power is initially applied.</source>
        <translation>Das Gerät einschalten, sobald die Betriebsspannung anliegt.</translation>
    </message>
    <message>
        <source>Power &amp;On when DC power applied</source>
        <translation>Beim Anlegen der Betriebsspannung ein&amp;schalten</translation>
    </message>
    <message>
        <source>Idle S&amp;leep</source>
        <translation>&amp;Ruhemodus</translation>
    </message>
    <message>
        <source>Turn off ZU6400 crystal oscillator when idle.

Select this checkbox unless you are using computer software that does not &quot;wake up&quot; the microcontroller before sending commands.

See Help and the ZU6400 Serial Command Reference for more detail.</source>
        <translation>Den Quarzoszillator des ZU6400 im Leerlauf abschalten.

Setzen Sie dieses Häkchen, außer Sie verwenden Software, die den Mikrocontroller vor dem Senden von Befehlen nicht „aufweckt“.

Einzelheiten stehen in der Hilfe und in der Befehlsreferenz der seriellen Schnittstelle des ZU6400.</translation>
    </message>
    <message>
        <source>&amp;Sleep When Idle</source>
        <translation>Ruhemodus bei Leerla&amp;uf</translation>
    </message>
</context>
<context>
    <name>CEraseConfigurationDialog</name>
    <message>
        <source>Click OK to reset configuration to factory default and erase ATU memories.

Reset is not reversible. Consider saving this configuration before erasing it.</source>
        <translation>Klicken Sie auf OK, um die Konfiguration auf die Werkseinstellungen zurückzusetzen und die Bandspeicher des Tuners zu löschen.

Das Zurücksetzen lässt sich nicht rückgängig machen. Sichern Sie die Konfiguration am besten vorher.</translation>
    </message>
    <message>
        <source>Resetting the %1 to its factory defaults, then waiting for it to restart...</source>
        <translation>Der %1 wird auf die Werkseinstellungen zurückgesetzt, dann wird auf seinen Neustart gewartet...</translation>
    </message>
    <message>
        <source>The %1 was reset to its factory defaults and is back on %2</source>
        <translation>Der %1 wurde auf die Werkseinstellungen zurückgesetzt und ist wieder an %2 erreichbar</translation>
    </message>
</context>
<context>
    <name>CEraseMemoryDialog</name>
    <message>
        <source>Erase Memories</source>
        <translation>Speicher löschen</translation>
    </message>
    <message>
        <source>Antenna &amp;%1</source>
        <translation>Antenne &amp;%1</translation>
    </message>
    <message>
        <source>Choose Band, then click one or more Antenna buttons</source>
        <translation>Band wählen, dann auf eine oder mehrere Antennen-Schaltflächen klicken</translation>
    </message>
    <message>
        <source>on all bands</source>
        <translation>auf allen Bändern</translation>
    </message>
    <message>
        <source>on the %1 m band</source>
        <translation>auf dem %1-m-Band</translation>
    </message>
    <message>
        <source>Erase the tuning memories of antenna %1 %2? This cannot be undone.</source>
        <translation>Die Bandspeicher der Antenne %1 %2 löschen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source> failed: </source>
        <translation> fehlgeschlagen: </translation>
    </message>
</context>
<context>
    <name>CFaultTableDialog</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Speichern unter...</translation>
    </message>
    <message>
        <source>Save Fault Table</source>
        <translation>Fehlertabelle speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>CFirmwarePage</name>
    <message>
        <source>F&amp;irmware</source>
        <translation>&amp;Firmware</translation>
    </message>
    <message>
        <source>Folder Location</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>D&amp;urchsuchen...</translation>
    </message>
    <message>
        <source>&amp;Local folder for firmware files:</source>
        <translation>&amp;Lokaler Ordner für Firmware-Dateien:</translation>
    </message>
    <message>
        <source>Check for New Files</source>
        <translation>Nach neuen Dateien suchen</translation>
    </message>
    <message>
        <source>Check Version &amp;Now</source>
        <translation>Version jetzt &amp;prüfen</translation>
    </message>
    <message>
        <source>Copy New Files from Co&amp;rvanta</source>
        <translation>Neue Dateien von &amp;Corvanta kopieren</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Firmware-Version</translation>
    </message>
    <message>
        <source>Installed in ??</source>
        <translation>Installiert im ??</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Verfügbar</translation>
    </message>
    <message>
        <source>&amp;Send Firmware to ??</source>
        <translation>Firmware an ?? s&amp;enden</translation>
    </message>
    <message>
        <source>Activity Lo&amp;g</source>
        <translation>Akti&amp;vitätsprotokoll</translation>
    </message>
    <message>
        <source>Save Log &amp;As...</source>
        <translation>Protokoll &amp;speichern unter...</translation>
    </message>
    <message>
        <source>Unexpected device %u
</source>
        <translation>Unerwartetes Gerät %u
</translation>
    </message>
    <message>
        <source>in its bootstrap loader</source>
        <translation>in seinem Bootloader</translation>
    </message>
    <message>
        <source>Send firmware %1 (version %2) to the %3 on %4 (now %5)?

The %3 restarts in its bootstrap loader. Do not switch it off until the load is complete.</source>
        <translation>Firmware %1 (Version %2) an den %3 an %4 senden (jetzt %5)?

Der %3 startet in seinem Bootloader neu. Schalten Sie ihn nicht aus, bevor das Laden abgeschlossen ist.</translation>
    </message>
    <message>
        <source>Nothing answers: the load will look for a bootstrap loader left waiting by a load cut short</source>
        <translation>Nichts antwortet: das Laden sucht einen Bootloader, der nach einem abgebrochenen Laden noch wartet</translation>
    </message>
    <message>
        <source>nothing answers: the load will look for a bootstrap loader left waiting</source>
        <translation>nichts antwortet: das Laden sucht einen noch wartenden Bootloader</translation>
    </message>
</context>
<context>
    <name>CFtpDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CHelp</name>
    <message>
        <source>The help page &quot;%s&quot; could not be found. The program&apos;s help pages belong in &quot;%s&quot;.</source>
        <translation>Die Hilfeseite „%s“ wurde nicht gefunden. Die Hilfeseiten des Programms gehören nach „%s“.</translation>
    </message>
    <message>
        <source>%s Utility Help</source>
        <translation>Hilfe zum %s Utility</translation>
    </message>
</context>
<context>
    <name>CHistoryChart</name>
    <message>
        <source>SWR</source>
        <translation>SWV</translation>
    </message>
    <message>
        <source>Bypass SWR</source>
        <translation>SWV im Bypass</translation>
    </message>
    <message>
        <source>VFWD</source>
        <translation>VFWD</translation>
    </message>
    <message>
        <source>VRFL</source>
        <translation>VRFL</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Spannung</translation>
    </message>
    <message>
        <source>Tune</source>
        <translation>Abstimmen</translation>
    </message>
    <message>
        <source>Memorize</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>SWR history</source>
        <translation>SWV-Verlauf</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keines</translation>
    </message>
    <message numerus="yes">
        <source>Last %n minute(s): latest SWR %1, lowest SWR %2</source>
        <translation>
            <numerusform>Letzte %n Minute: aktuelles SWV %1, niedrigstes SWV %2</numerusform>
            <numerusform>Letzte %n Minuten: aktuelles SWV %1, niedrigstes SWV %2</numerusform>
        </translation>
    </message>
    <message>
        <source>SWR Alarm</source>
        <translation>SWV-Warnung</translation>
    </message>
</context>
<context>
    <name>CKeyInterruptPowerPage</name>
    <message>
        <source>A&amp;mplifier Key Interrupt Power</source>
        <translation>&amp;Leistung für PA-Tastunterbrechung</translation>
    </message>
    <message>
        <source>Maximum &amp;Power (Watts):</source>
        <translation>Maximale Leis&amp;tung (Watt):</translation>
    </message>
    <message>
        <source>The amplifier key line will NOT be interrupted while transmit power exceeds this value.

Click &quot;Help&quot; for suggested values.</source>
        <translation>Die Tastleitung der Endstufe wird NICHT unterbrochen, solange die Sendeleistung diesen Wert übersteigt.

Empfohlene Werte finden Sie unter „Hilfe“.</translation>
    </message>
    <message>
        <source>The maximum power is already %1 W, the value for the ZP5100</source>
        <translation>Die maximale Leistung ist bereits %1 W, der Wert für die ZP5100</translation>
    </message>
    <message>
        <source>Set the maximum power to %1 W, the value for the ZP5100</source>
        <translation>Die maximale Leistung auf %1 W setzen, den Wert für die ZP5100</translation>
    </message>
</context>
<context>
    <name>CLicenseDialog</name>
    <message>
        <source>Corvanta ?? Utility License Agreement</source>
        <translation>Lizenzvereinbarung für das Corvanta ?? Utility</translation>
    </message>
</context>
<context>
    <name>CLogView</name>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Rückgängig	Strg+Z</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>&amp;Ausschneiden	Strg+X</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Kopieren	Strg+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;Einfügen	Strg+V</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>&amp;Löschen	Entf</translation>
    </message>
    <message>
        <source>Select &amp;All	Ctrl+A</source>
        <translation>Alles a&amp;uswählen	Strg+A</translation>
    </message>
</context>
<context>
    <name>CMacroEditorPage</name>
    <message>
        <source>Macro Label</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>Macro Text</source>
        <translation>Befehlstext</translation>
    </message>
    <message>
        <source>Macro %1 label</source>
        <translation>Beschriftung von Makro %1</translation>
    </message>
    <message>
        <source>Macro %1 text</source>
        <translation>Befehlstext von Makro %1</translation>
    </message>
</context>
<context>
    <name>CMainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit	Alt F4</source>
        <translation>&amp;Beenden	Alt+F4</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>&amp;Trace</source>
        <translation>&amp;Ablaufverfolgung</translation>
    </message>
    <message>
        <source>&amp;Verbose Logging</source>
        <translation>Ausführliches &amp;Protokoll</translation>
    </message>
    <message>
        <source>Log &amp;Readings to File...</source>
        <translation>&amp;Messwerte in Datei protokollieren...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>Sp&amp;rache</translation>
    </message>
    <message>
        <source>System Language</source>
        <translation>Sprache des Systems</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The language changes when the %1 Utility is started again.</source>
        <translation>Die Sprache wechselt beim nächsten Start des %1 Utility.</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>SWR &amp;Alarm...</source>
        <translation>SWV-&amp;Warnung...</translation>
    </message>
    <message>
        <source>SWR alarm: the SWR stayed above %1 for %2 s (SWR %3)</source>
        <translation>SWV-Warnung: das SWV blieb %2 s über %1 (SWV %3)</translation>
    </message>
    <message>
        <source>SWR alarm cleared: the SWR stayed at or below %1 for %2 s (SWR %3)</source>
        <translation>SWV-Warnung aufgehoben: das SWV blieb %2 s bei oder unter %1 (SWV %3)</translation>
    </message>
    <message>
        <source>SWR Alarm</source>
        <translation>SWV-Warnung</translation>
    </message>
</context>
<context>
    <name>CModelBase</name>
    <message>
        <source>Loading</source>
        <translation>Wird geladen</translation>
    </message>
    <message>
        <source>The %s did not answer on %s. Check that it is switched on, that the cable is connected at both ends, that this is the port it is connected to, and that the speed is AUTO or the tuner&apos;s speed.</source>
        <translation>Der %s hat an %s nicht geantwortet. Prüfen Sie, ob er eingeschaltet ist, ob das Kabel an beiden Enden steckt, ob er an dieser Schnittstelle angeschlossen ist und ob als Geschwindigkeit AUTO oder die des Tuners eingestellt ist.</translation>
    </message>
    <message>
        <source>The connection to the %s on %s was lost: the adapter was unplugged or switched off</source>
        <translation>Die Verbindung zum %s an %s ist verloren: Der Adapter wurde abgezogen oder ausgeschaltet</translation>
    </message>
    <message>
        <source>Needs firmware %s or newer; this %s has %s</source>
        <translation>Benötigt Firmware %s oder neuer; dieser %s hat %s</translation>
    </message>
    <message>
        <source>%s MCU version %s</source>
        <translation>%s MCU-Version %s</translation>
    </message>
    <message>
        <source>%s waiting for firmware load</source>
        <translation>%s wartet auf das Laden der Firmware</translation>
    </message>
</context>
<context>
    <name>COperatePage</name>
    <message>
        <source>Frequency: </source>
        <translation>Frequenz: </translation>
    </message>
    <message>
        <source>VFWD: </source>
        <translation>VFWD: </translation>
    </message>
    <message>
        <source>VRFL: </source>
        <translation>VRFL: </translation>
    </message>
    <message>
        <source>SWR: </source>
        <translation>SWV: </translation>
    </message>
    <message>
        <source>Bypass SWR: </source>
        <translation>SWV im Bypass: </translation>
    </message>
    <message>
        <source>Band: </source>
        <translation>Band: </translation>
    </message>
    <message>
        <source>XCVR Freq:</source>
        <translation>TRX-Frequenz:</translation>
    </message>
    <message>
        <source>Freq Count:</source>
        <translation>Gezählte Frequenz:</translation>
    </message>
    <message>
        <source>Freq ATU:</source>
        <translation>Frequenz Tuner:</translation>
    </message>
    <message>
        <source>&amp;Operate</source>
        <translation>&amp;Betrieb</translation>
    </message>
    <message>
        <source>Capacitanc&amp;e (pF)</source>
        <translation>Kapa&amp;zität (pF)</translation>
    </message>
    <message>
        <source>Capacitor %1 pF</source>
        <translation>Kondensator %1 pF</translation>
    </message>
    <message>
        <source>In&amp;ductance (nH)</source>
        <translation>Ind&amp;uktivität (nH)</translation>
    </message>
    <message>
        <source>Inductor %1 nH</source>
        <translation>Spule %1 nH</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>&amp;Auto</source>
        <translation>Aut&amp;omatisch</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuell</translation>
    </message>
    <message>
        <source>&amp;Bypass</source>
        <translation>B&amp;ypass</translation>
    </message>
    <message>
        <source>Antenna</source>
        <translation>Antenne</translation>
    </message>
    <message>
        <source>Antenna %1</source>
        <translation>Antenne %1</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Weitere</translation>
    </message>
    <message>
        <source>Caps on Ant &amp;Side</source>
        <translation>Kondensatoren antennen&amp;seitig</translation>
    </message>
    <message>
        <source>B&amp;ypassed</source>
        <translation>Bypass akt&amp;iv</translation>
    </message>
    <message>
        <source>Atte&amp;nuator</source>
        <translation>Abschwä&amp;cher</translation>
    </message>
    <message>
        <source>Amp &amp;Key Interrupt</source>
        <translation>PA-Tastunterb&amp;rechung</translation>
    </message>
    <message>
        <source>Po&amp;wer</source>
        <translation>Ein&amp;geschaltet</translation>
    </message>
    <message>
        <source>T&amp;une</source>
        <translation>Abstimm&amp;en</translation>
    </message>
    <message>
        <source>FAULT</source>
        <translation>STÖRUNG</translation>
    </message>
    <message>
        <source>Memori&amp;ze</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>Last Observed</source>
        <translation>Zuletzt gemessen</translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
    <message>
        <source>Histo&amp;ry:</source>
        <translation>Ver&amp;lauf:</translation>
    </message>
    <message>
        <source>XCVR Freq, Freq Count, Freq ATU: </source>
        <translation>TRX-Frequenz, gezählte Frequenz, Frequenz Tuner: </translation>
    </message>
    <message>
        <source>Memorized band %1, antenna %2: C %3 pF, L %4 nH</source>
        <translation>Gespeichert für Band %1, Antenne %2: C %3 pF, L %4 nH</translation>
    </message>
</context>
<context>
    <name>CPortPage</name>
    <message>
        <source>%s is not present: plug in the adapter, or choose another port.</source>
        <translation>%s ist nicht vorhanden: Stecken Sie den Adapter ein oder wählen Sie eine andere Schnittstelle.</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>A&amp;nschluss</translation>
    </message>
    <message>
        <source>C&amp;lose Port</source>
        <translation>Schnittstelle schl&amp;ießen</translation>
    </message>
    <message>
        <source>Test Co&amp;mmunications</source>
        <translation>&amp;Verbindung testen</translation>
    </message>
    <message>
        <source>Connection status</source>
        <translation>Verbindungsstatus</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>&amp;Serial port connected to ??:</source>
        <translation>&amp;Serielle Schnittstelle des ??:</translation>
    </message>
    <message>
        <source>Serial port spee&amp;d:</source>
        <translation>&amp;Geschwindigkeit:</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>Restart the program on a simulated ZU6400 for this run; the saved port is kept</source>
        <translation>Das Programm für diesen Lauf mit einem simulierten ZU6400 neu starten; die gespeicherte Schnittstelle bleibt erhalten</translation>
    </message>
    <message>
        <source>Choose the serial port the %1 is connected to, or type its path, then click Test Communications. No tuner at hand? Try the program on the simulated tuner.</source>
        <translation>Wählen Sie die serielle Schnittstelle, an der der %1 angeschlossen ist, oder tippen Sie ihren Pfad ein, und klicken Sie dann auf „Verbindung testen“. Kein Tuner zur Hand? Probieren Sie das Programm mit dem simulierten Tuner aus.</translation>
    </message>
    <message>
        <source>Choose the %1&apos;s serial port here, or type its path</source>
        <translation>Wählen Sie hier die serielle Schnittstelle des %1 oder tippen Sie ihren Pfad ein</translation>
    </message>
    <message>
        <source>T&amp;ry the Simulated Tuner</source>
        <translation>Simulierten Tuner a&amp;usprobieren</translation>
    </message>
</context>
<context>
    <name>CProgramVersion</name>
    <message>
        <source>Copyright © 2026 The ZU6400 Utility developers. Released under the MIT License.</source>
        <translation>Copyright © 2026 Die Entwickler des ZU6400 Utility. Veröffentlicht unter der MIT-Lizenz.</translation>
    </message>
</context>
<context>
    <name>CRfc2217Port</name>
    <message>
        <source>Network round trip %u ms to %s</source>
        <translation>Netzwerk-Umlaufzeit %u ms zu %s</translation>
    </message>
    <message>
        <source>The connection to %s was lost: %s (error 0x%08X)</source>
        <translation>Die Verbindung zu %s ist verloren: %s (Fehler 0x%08X)</translation>
    </message>
    <message>
        <source>Could not connect to %s: %s</source>
        <translation>Keine Verbindung zu %s möglich: %s</translation>
    </message>
</context>
<context>
    <name>CSwrAlarmDialog</name>
    <message>
        <source>SWR Alarm</source>
        <translation>SWV-Warnung</translation>
    </message>
    <message>
        <source>&amp;Warn when the SWR stays high</source>
        <translation>&amp;Warnen, wenn das SWV hoch bleibt</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>SWR a&amp;bove:</source>
        <translation>SWV &amp;über:</translation>
    </message>
    <message>
        <source>&amp;For at least:</source>
        <translation>Für m&amp;indestens:</translation>
    </message>
    <message>
        <source>Only while the tuner sees power. The alarm clears when the SWR stays at or below the threshold as long.</source>
        <translation>Nur während der Tuner Leistung erhält. Die Warnung endet, wenn das SWV ebenso lange bei oder unter der Schwelle bleibt.</translation>
    </message>
</context>
<context>
    <name>CSwrThresholdPage</name>
    <message>
        <source>S&amp;WR Thresholds</source>
        <translation>S&amp;WV-Schwellen</translation>
    </message>
    <message>
        <source>SWR Thresholds</source>
        <translation>SWV-Schwellen</translation>
    </message>
    <message>
        <source>Amplifier &amp;Key Interrupt</source>
        <translation>PA-Tast&amp;unterbrechung</translation>
    </message>
    <message>
        <source>Au&amp;totune</source>
        <translation>Abstimmauto&amp;matik</translation>
    </message>
    <message>
        <source>B&amp;ypass</source>
        <translation>B&amp;ypass</translation>
    </message>
</context>
<context>
    <name>CTextDialog</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CTranscript</name>
    <message>
        <source>(no reply)</source>
        <translation>(keine Antwort)</translation>
    </message>
</context>
<context>
    <name>CUserPrompts</name>
    <message>
        <source>%s Configuration File (*.%s);;All Files (*)</source>
        <translation>%s-Konfigurationsdatei (*.%s);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>CUtilityProgram</name>
    <message>
        <source>The simulated tuner could not be started: the system gave no pseudo-terminal.</source>
        <translation>Der simulierte Tuner konnte nicht gestartet werden: Das System hat kein Pseudo-Terminal bereitgestellt.</translation>
    </message>
</context>
<context>
    <name>ConfigurationFileReader</name>
    <message>
        <source>The configuration file has been altered after it was saved.<byte value="xd"/>
Cannot restore from a modified configuration file.</source>
        <translation>Die Konfigurationsdatei wurde nach dem Sichern verändert.<byte value="xd"/>
Aus einer veränderten Konfigurationsdatei kann nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>The configuration file is incomplete.<byte value="xd"/>
Cannot restore from an incomplete configuration file.</source>
        <translation>Die Konfigurationsdatei ist unvollständig.<byte value="xd"/>
Aus einer unvollständigen Konfigurationsdatei kann nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Unable to parse line &quot;%s&quot;</source>
        <translation>Zeile „%s“ ist nicht lesbar</translation>
    </message>
    <message>
        <source>Unable to parse %s line &quot;%s&quot;, Serial number verification skipped</source>
        <translation>%s-Zeile „%s“ ist nicht lesbar, die Seriennummer wurde nicht geprüft</translation>
    </message>
    <message>
        <source>Configuration file read error</source>
        <translation>Fehler beim Lesen der Konfigurationsdatei</translation>
    </message>
</context>
<context>
    <name>FailureText</name>
    <message>
        <source>Could not open &quot;%s&quot;</source>
        <translation>„%s“ konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Could not read from &quot;%s&quot;</source>
        <translation>Von „%s“ konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>Could not write to &quot;%s&quot;</source>
        <translation>Auf „%s“ konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Could not set the line settings of &quot;%s&quot;</source>
        <translation>Die Leitungseinstellungen von „%s“ konnten nicht gesetzt werden</translation>
    </message>
    <message>
        <source>Could not clear what was received on &quot;%s&quot;</source>
        <translation>Die an „%s“ empfangenen Daten konnten nicht verworfen werden</translation>
    </message>
    <message>
        <source>Error 0x%08X: %s</source>
        <translation>Fehler 0x%08X: %s</translation>
    </message>
</context>
<context>
    <name>FirmwareImage</name>
    <message>
        <source>%s firmware file %s checksum reconciliation value is 0x%X</source>
        <translation>Prüfsummen-Ausgleichswert der %s-Firmware-Datei %s ist 0x%X</translation>
    </message>
    <message>
        <source>File does not checksum to zero. Checksum is 0x%X</source>
        <translation>Die Prüfsumme der Datei ist nicht null, sondern 0x%X</translation>
    </message>
    <message>
        <source>Checksum reconciliation value is zero; alert Corvanta<byte value="xd"/>
<byte value="xd"/>
Note: A zero checksum reconciliation value should occur only during firmware development.</source>
        <translation>Der Prüfsummen-Ausgleichswert ist null; bitte Corvanta benachrichtigen<byte value="xd"/>
<byte value="xd"/>
Hinweis: Ein Ausgleichswert von null sollte nur während der Firmware-Entwicklung vorkommen.</translation>
    </message>
    <message>
        <source>%s computed checksum reconciliation value is 0x%X</source>
        <translation>Berechneter Prüfsummen-Ausgleichswert für %s ist 0x%X</translation>
    </message>
</context>
<context>
    <name>PortAccessAdvice</name>
    <message>
        <source>You do not have permission to use the serial port %s.<byte value="xd"/>
Serial ports belong to the group &quot;%s&quot;. Add your user to that group, for example with<byte value="xd"/>
    sudo usermod -aG %s $USER<byte value="xd"/>
then log out and log in again.</source>
        <translation>Sie haben keine Berechtigung für die serielle Schnittstelle %s.<byte value="xd"/>
Serielle Schnittstellen gehören der Gruppe „%s“. Fügen Sie Ihren Benutzer dieser Gruppe hinzu, zum Beispiel mit<byte value="xd"/>
    sudo usermod -aG %s $USER<byte value="xd"/>
melden Sie sich dann ab und wieder an.</translation>
    </message>
</context>
<context>
    <name>ResultCodes</name>
    <message>
        <source>Device is powered off (sleeping)</source>
        <translation>Gerät ist ausgeschaltet (Ruhemodus)</translation>
    </message>
    <message>
        <source>The computed checksum reconciliation word is zero</source>
        <translation>Das berechnete Prüfsummen-Ausgleichswort ist null</translation>
    </message>
    <message>
        <source>No response to firmware packet</source>
        <translation>Keine Antwort auf das Firmware-Paket</translation>
    </message>
    <message>
        <source>Unexpected hex character</source>
        <translation>Unerwartetes Hexadezimalzeichen</translation>
    </message>
    <message>
        <source>Invalid EEPROM address</source>
        <translation>Ungültige EEPROM-Adresse</translation>
    </message>
    <message>
        <source>No response to firmware version (RV)</source>
        <translation>Keine Antwort auf Firmware-Version (RV)</translation>
    </message>
    <message>
        <source>Serial port name is missing</source>
        <translation>Der Name der seriellen Schnittstelle fehlt</translation>
    </message>
    <message>
        <source>intel hex line does not begin with the expected colon</source>
        <translation>Intel-HEX-Zeile beginnt nicht mit dem erwarteten Doppelpunkt</translation>
    </message>
    <message>
        <source>Unrecognized intel hex record type</source>
        <translation>Unbekannter Intel-HEX-Satztyp</translation>
    </message>
    <message>
        <source>intel hex line checksum error</source>
        <translation>Prüfsummenfehler in Intel-HEX-Zeile</translation>
    </message>
    <message>
        <source>Missing intel hex end-of-file record</source>
        <translation>Intel-HEX-Dateiendesatz fehlt</translation>
    </message>
    <message>
        <source>Incomplete configuration file</source>
        <translation>Unvollständige Konfigurationsdatei</translation>
    </message>
    <message>
        <source>Corrupt configuration file</source>
        <translation>Beschädigte Konfigurationsdatei</translation>
    </message>
    <message>
        <source>ZU6400 serial number does not match the serial number in the configuration file</source>
        <translation>Die Seriennummer des ZU6400 stimmt nicht mit der Seriennummer in der Konfigurationsdatei überein</translation>
    </message>
    <message>
        <source>Unexpected intel hex data record length</source>
        <translation>Unerwartete Länge eines Intel-HEX-Datensatzes</translation>
    </message>
    <message>
        <source>Input hex file is corrupt, check sum is not zero</source>
        <translation>Die HEX-Datei ist beschädigt, die Prüfsumme ist nicht null</translation>
    </message>
    <message>
        <source>Bootstrap Loader does not echo Dots</source>
        <translation>Der Bootloader sendet keine Punkte zurück</translation>
    </message>
    <message>
        <source>Bootstrap Loader did not echo a D</source>
        <translation>Der Bootloader hat kein D zurückgesendet</translation>
    </message>
    <message>
        <source>Retry limit has been exhausted</source>
        <translation>Die Zahl der Wiederholungen ist ausgeschöpft</translation>
    </message>
    <message>
        <source>No response after reset</source>
        <translation>Keine Antwort nach dem Neustart</translation>
    </message>
    <message>
        <source>Version number verification failed</source>
        <translation>Die Prüfung der Versionsnummer ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>No response to poll while synchronizing to buffer boundary</source>
        <translation>Keine Antwort auf die Abfrage beim Synchronisieren auf die Puffergrenze</translation>
    </message>
    <message>
        <source>No response to semicolon poll</source>
        <translation>Keine Antwort auf die Semikolon-Abfrage</translation>
    </message>
    <message>
        <source>Unexpected device (not a ZU6400)</source>
        <translation>Unerwartetes Gerät (kein ZU6400)</translation>
    </message>
    <message>
        <source>No response to Band Number (BN)</source>
        <translation>Keine Antwort auf Bandnummer (BN)</translation>
    </message>
    <message>
        <source>No response to Read EEPROM block</source>
        <translation>Keine Antwort auf EEPROM-Block lesen</translation>
    </message>
    <message>
        <source>No response to Write EEPROM block</source>
        <translation>Keine Antwort auf EEPROM-Block schreiben</translation>
    </message>
    <message>
        <source>Cannot start a busy state machine</source>
        <translation>Ein beschäftigter Zustandsautomat kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>ZU6400 is running its bootstrap loader; send firmware first</source>
        <translation>Der ZU6400 läuft in seinem Bootloader; senden Sie zuerst die Firmware</translation>
    </message>
    <message>
        <source>No response to ATU Bypass (BYP)</source>
        <translation>Keine Antwort auf Tuner-Bypass (BYP)</translation>
    </message>
    <message>
        <source>No response to ATU Mode (MD)</source>
        <translation>Keine Antwort auf Tuner-Betriebsart (MD)</translation>
    </message>
    <message>
        <source>No response to Antenna (AN)</source>
        <translation>Keine Antwort auf Antenne (AN)</translation>
    </message>
    <message>
        <source>No response to Capacitor (C)</source>
        <translation>Keine Antwort auf Kondensator (C)</translation>
    </message>
    <message>
        <source>No response to Frequency (F)</source>
        <translation>Keine Antwort auf Frequenz (F)</translation>
    </message>
    <message>
        <source>No response to Inductor (L)</source>
        <translation>Keine Antwort auf Spule (L)</translation>
    </message>
    <message>
        <source>No response to Side (SIDE)</source>
        <translation>Keine Antwort auf Seite (SIDE)</translation>
    </message>
    <message>
        <source>No response to SWR (VSWR)</source>
        <translation>Keine Antwort auf SWV (VSWR)</translation>
    </message>
    <message>
        <source>No response to SWR Bypass (VSWRB)</source>
        <translation>Keine Antwort auf SWV im Bypass (VSWRB)</translation>
    </message>
    <message>
        <source>No response to Antenna Enable (AE)</source>
        <translation>Keine Antwort auf Antennenfreigabe (AE)</translation>
    </message>
    <message>
        <source>No response to Key Interrupt Power (AKIP)</source>
        <translation>Keine Antwort auf Leistung für Tastunterbrechung (AKIP)</translation>
    </message>
    <message>
        <source>No response to Key Interrupt (AMPI)</source>
        <translation>Keine Antwort auf Tastunterbrechung (AMPI)</translation>
    </message>
    <message>
        <source>No response to Antenna Preferred (AP)</source>
        <translation>Keine Antwort auf bevorzugte Antenne (AP)</translation>
    </message>
    <message>
        <source>No response to Attenuator (ATTN)</source>
        <translation>Keine Antwort auf Abschwächer (ATTN)</translation>
    </message>
    <message>
        <source>No response to TX Frequency count (F)</source>
        <translation>Keine Antwort auf gezählte Sendefrequenz (F)</translation>
    </message>
    <message>
        <source>No response to Fault (FLT)</source>
        <translation>Keine Antwort auf Störung (FLT)</translation>
    </message>
    <message>
        <source>No response to Memory Tune Auto (MTA)</source>
        <translation>Keine Antwort auf automatisches Speicherabstimmen (MTA)</translation>
    </message>
    <message>
        <source>No response to Memory Tune Manual (MTM)</source>
        <translation>Keine Antwort auf manuelles Speicherabstimmen (MTM)</translation>
    </message>
    <message>
        <source>No response to Power Status (PS)</source>
        <translation>Keine Antwort auf Einschaltzustand (PS)</translation>
    </message>
    <message>
        <source>No response to Power Status Initial (PSI)</source>
        <translation>Keine Antwort auf Einschaltzustand beim Anlegen der Spannung (PSI)</translation>
    </message>
    <message>
        <source>No response to Sleep (SL)</source>
        <translation>Keine Antwort auf Ruhemodus (SL)</translation>
    </message>
    <message>
        <source>No response to Serial Number (SN)</source>
        <translation>Keine Antwort auf Seriennummer (SN)</translation>
    </message>
    <message>
        <source>No response to SWR threshold (ST)</source>
        <translation>Keine Antwort auf SWV-Schwelle (ST)</translation>
    </message>
    <message>
        <source>No response to Auto Fine Tune (AFT)</source>
        <translation>Keine Antwort auf automatische Feinabstimmung (AFT)</translation>
    </message>
    <message>
        <source>No response to Forward Voltage (VFWD)</source>
        <translation>Keine Antwort auf Vorlaufspannung (VFWD)</translation>
    </message>
    <message>
        <source>No response to Reflected Voltage (VRFL)</source>
        <translation>Keine Antwort auf Rücklaufspannung (VRFL)</translation>
    </message>
    <message>
        <source>No response to Identify</source>
        <translation>Keine Antwort auf Identifizieren</translation>
    </message>
    <message>
        <source>No response to Xcvr Key (KX)</source>
        <translation>Keine Antwort auf TRX-Tastung (KX)</translation>
    </message>
    <message>
        <source>No response to Tune Status (TS)</source>
        <translation>Keine Antwort auf Abstimmstatus (TS)</translation>
    </message>
    <message>
        <source>The operation completed successfully.</source>
        <translation>Der Vorgang wurde erfolgreich beendet.</translation>
    </message>
    <message>
        <source>The system cannot find the file specified.</source>
        <translation>Das System kann die angegebene Datei nicht finden.</translation>
    </message>
    <message>
        <source>The system cannot find the path specified.</source>
        <translation>Das System kann den angegebenen Pfad nicht finden.</translation>
    </message>
    <message>
        <source>Access is denied.</source>
        <translation>Zugriff verweigert.</translation>
    </message>
    <message>
        <source>The handle is invalid.</source>
        <translation>Das Handle ist ungültig.</translation>
    </message>
    <message>
        <source>Not enough memory resources are available to process this command.</source>
        <translation>Für diesen Befehl ist nicht genügend Speicher verfügbar.</translation>
    </message>
    <message>
        <source>The data is invalid.</source>
        <translation>Die Daten sind ungültig.</translation>
    </message>
    <message>
        <source>The device is not ready.</source>
        <translation>Das Gerät ist nicht bereit.</translation>
    </message>
    <message>
        <source>The system cannot write to the specified device.</source>
        <translation>Das System kann nicht auf das angegebene Gerät schreiben.</translation>
    </message>
    <message>
        <source>The system cannot read from the specified device.</source>
        <translation>Das System kann nicht vom angegebenen Gerät lesen.</translation>
    </message>
    <message>
        <source>A device attached to the system is not functioning.</source>
        <translation>Ein angeschlossenes Gerät funktioniert nicht.</translation>
    </message>
    <message>
        <source>The process cannot access the file because it is being used by another process.</source>
        <translation>Der Prozess kann nicht auf die Datei zugreifen, da sie von einem anderen Prozess verwendet wird.</translation>
    </message>
    <message>
        <source>The request is not supported.</source>
        <translation>Die Anforderung wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>The file exists.</source>
        <translation>Die Datei ist vorhanden.</translation>
    </message>
    <message>
        <source>The parameter is incorrect.</source>
        <translation>Der Parameter ist falsch.</translation>
    </message>
    <message>
        <source>There is not enough space on the disk.</source>
        <translation>Auf dem Datenträger ist nicht genügend Speicherplatz vorhanden.</translation>
    </message>
    <message>
        <source>The filename, directory name, or volume label syntax is incorrect.</source>
        <translation>Die Syntax des Dateinamens, Verzeichnisnamens oder der Datenträgerbezeichnung ist falsch.</translation>
    </message>
    <message>
        <source>Cannot create a file when that file already exists.</source>
        <translation>Eine Datei kann nicht erstellt werden, wenn sie bereits vorhanden ist.</translation>
    </message>
    <message>
        <source>More data is available.</source>
        <translation>Weitere Daten sind verfügbar.</translation>
    </message>
    <message>
        <source>The I/O operation has been aborted because of either a thread exit or an application request.</source>
        <translation>Der E/A-Vorgang wurde wegen eines beendeten Threads oder auf Anforderung des Programms abgebrochen.</translation>
    </message>
    <message>
        <source>Overlapped I/O operation is in progress.</source>
        <translation>Ein überlappender E/A-Vorgang läuft.</translation>
    </message>
    <message>
        <source>The request could not be performed because of an I/O device error.</source>
        <translation>Die Anforderung konnte wegen eines E/A-Gerätefehlers nicht ausgeführt werden.</translation>
    </message>
    <message>
        <source>The device is not connected.</source>
        <translation>Das Gerät ist nicht angeschlossen.</translation>
    </message>
    <message>
        <source>The operation was canceled by the user.</source>
        <translation>Der Vorgang wurde vom Benutzer abgebrochen.</translation>
    </message>
    <message>
        <source>This operation returned because the timeout period expired.</source>
        <translation>Der Vorgang wurde beendet, weil die Wartezeit abgelaufen ist.</translation>
    </message>
    <message>
        <source>Only one usage of each socket address (protocol/network address/port) is normally permitted.</source>
        <translation>Jede Socketadresse (Protokoll/Netzwerkadresse/Port) darf normalerweise nur einmal verwendet werden.</translation>
    </message>
    <message>
        <source>The requested address is not valid in its context.</source>
        <translation>Die angeforderte Adresse ist in diesem Zusammenhang ungültig.</translation>
    </message>
    <message>
        <source>No more handles could be generated at this time.</source>
        <translation>Zurzeit können keine weiteren Handles erzeugt werden.</translation>
    </message>
    <message>
        <source>The operation timed out.</source>
        <translation>Das Zeitlimit für den Vorgang wurde überschritten.</translation>
    </message>
    <message>
        <source>An extended error was returned from the server.</source>
        <translation>Der Server hat einen erweiterten Fehler zurückgegeben.</translation>
    </message>
    <message>
        <source>An internal error has occurred.</source>
        <translation>Ein interner Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>The URL is invalid.</source>
        <translation>Die URL ist ungültig.</translation>
    </message>
    <message>
        <source>The URL scheme could not be recognized, or is not supported.</source>
        <translation>Das URL-Schema wurde nicht erkannt oder wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>The server name could not be resolved.</source>
        <translation>Der Servername konnte nicht aufgelöst werden.</translation>
    </message>
    <message>
        <source>The request to connect and log on to an FTP server could not be completed because the supplied user name is incorrect.</source>
        <translation>Die Verbindung und Anmeldung beim FTP-Server war nicht möglich, da der angegebene Benutzername falsch ist.</translation>
    </message>
    <message>
        <source>The request to connect and log on to an FTP server could not be completed because the supplied password is incorrect.</source>
        <translation>Die Verbindung und Anmeldung beim FTP-Server war nicht möglich, da das angegebene Kennwort falsch ist.</translation>
    </message>
    <message>
        <source>The request to connect to and log on to an FTP server failed.</source>
        <translation>Die Verbindung und Anmeldung beim FTP-Server ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The operation was canceled.</source>
        <translation>Der Vorgang wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The type of handle supplied is incorrect for this operation.</source>
        <translation>Der Typ des angegebenen Handles ist für diesen Vorgang falsch.</translation>
    </message>
    <message>
        <source>A connection with the server could not be established.</source>
        <translation>Es konnte keine Verbindung mit dem Server hergestellt werden.</translation>
    </message>
    <message>
        <source>The connection with the server was terminated abnormally.</source>
        <translation>Die Verbindung mit dem Server wurde unerwartet beendet.</translation>
    </message>
    <message>
        <source>The connection with the server was reset.</source>
        <translation>Die Verbindung mit dem Server wurde zurückgesetzt.</translation>
    </message>
    <message>
        <source>The requested operation cannot be made on the FTP session handle because an operation is already in progress.</source>
        <translation>Der Vorgang ist für die FTP-Sitzung nicht möglich, da bereits ein Vorgang läuft.</translation>
    </message>
    <message>
        <source>The FTP operation was not completed because the session was aborted.</source>
        <translation>Der FTP-Vorgang wurde nicht beendet, da die Sitzung abgebrochen wurde.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>Die Datei ist zu groß.</translation>
    </message>
    <message>
        <source>the name is not of the form rfc2217://HOST:PORT (an IPv6 address in brackets)</source>
        <translation>der Name hat nicht die Form rfc2217://HOST:PORT (eine IPv6-Adresse in eckigen Klammern)</translation>
    </message>
    <message>
        <source>the station does not answer serial port control (RFC 2217)</source>
        <translation>die Station antwortet nicht auf die Steuerung der seriellen Schnittstelle (RFC 2217)</translation>
    </message>
    <message>
        <source>the connection was reset by the other side</source>
        <translation>die Gegenseite hat die Verbindung zurückgesetzt</translation>
    </message>
    <message>
        <source>the connection attempt timed out</source>
        <translation>der Verbindungsversuch hat das Zeitlimit überschritten</translation>
    </message>
    <message>
        <source>the connection was refused</source>
        <translation>die Verbindung wurde abgelehnt</translation>
    </message>
    <message>
        <source>the network cannot reach the host</source>
        <translation>das Netzwerk erreicht den Host nicht</translation>
    </message>
    <message>
        <source>the host was not found</source>
        <translation>der Host wurde nicht gefunden</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>No match</source>
        <translation>Keine Anpassung</translation>
    </message>
    <message>
        <source>Start a full search tune</source>
        <translation>Vollständige Suchabstimmung starten</translation>
    </message>
    <message>
        <source>Save current ATU settings</source>
        <translation>Aktuelle Tunereinstellungen speichern</translation>
    </message>
    <message>
        <source>No fault</source>
        <translation>Keine Störung</translation>
    </message>
    <message>
        <source>SWR &gt; Amp Key Interrupt SWR</source>
        <translation>SWV &gt; SWV der PA-Tastunterbrechung</translation>
    </message>
    <message>
        <source>Power above design limit for SWR</source>
        <translation>Leistung über der Auslegungsgrenze für dieses SWV</translation>
    </message>
    <message>
        <source>Power too high for tune</source>
        <translation>Leistung zu hoch zum Abstimmen</translation>
    </message>
    <message>
        <source>Serial port &quot;%s&quot; access denied; may be in use by another program or USB cable may have been removed.</source>
        <translation>Zugriff auf die serielle Schnittstelle „%s“ verweigert; sie wird vielleicht von einem anderen Programm benutzt oder das USB-Kabel wurde abgezogen.</translation>
    </message>
    <message>
        <source>Unexpected Device</source>
        <translation>Unerwartetes Gerät</translation>
    </message>
    <message>
        <source>Connected device does not appear to be a Corvanta %s</source>
        <translation>Das angeschlossene Gerät scheint kein Corvanta %s zu sein</translation>
    </message>
    <message>
        <source>Serial Port Error</source>
        <translation>Fehler der seriellen Schnittstelle</translation>
    </message>
    <message>
        <source>Attempting to contact %s on %s at %u bit/s</source>
        <translation>Versuche, %s an %s mit %u Bit/s zu erreichen</translation>
    </message>
    <message>
        <source>Serial port %s is open</source>
        <translation>Serielle Schnittstelle %s ist geöffnet</translation>
    </message>
    <message>
        <source>Unable to open serial port &quot;%s&quot;. Error 0x%08X: %s</source>
        <translation>Die serielle Schnittstelle „%s“ kann nicht geöffnet werden. Fehler 0x%08X: %s</translation>
    </message>
    <message>
        <source>Opening serial port %s</source>
        <translation>Öffne serielle Schnittstelle %s</translation>
    </message>
    <message>
        <source>Connected to %s on %s at %u bit/s</source>
        <translation>Verbunden mit %s an %s mit %u Bit/s</translation>
    </message>
    <message>
        <source>Erase output window</source>
        <translation>Ausgabefenster leeren</translation>
    </message>
    <message>
        <source>%s Version %u.%u.%u.%u</source>
        <translation>%s Version %u.%u.%u.%u</translation>
    </message>
    <message>
        <source>Help Error</source>
        <translation>Fehler der Hilfe</translation>
    </message>
    <message>
        <source>&amp;About %s Utility</source>
        <translation>Ü&amp;ber %s Utility</translation>
    </message>
    <message>
        <source>%s Utility &amp;Help</source>
        <translation>&amp;Hilfe zum %s Utility</translation>
    </message>
    <message>
        <source>%s Firmware &amp;Release Notes</source>
        <translation>&amp;Versionshinweise zur %s-Firmware</translation>
    </message>
    <message>
        <source>%s Status</source>
        <translation>%s-Status</translation>
    </message>
    <message>
        <source>%s is not responding</source>
        <translation>%s antwortet nicht</translation>
    </message>
    <message>
        <source>Edit Command Tester Macros</source>
        <translation>Makros des Befehlstesters bearbeiten</translation>
    </message>
    <message>
        <source>MACRO%u</source>
        <translation>MAKRO%u</translation>
    </message>
    <message>
        <source>Macros 1-16</source>
        <translation>Makros 1-16</translation>
    </message>
    <message>
        <source>Stop polling and close the serial port</source>
        <translation>Abfragen beenden und die serielle Schnittstelle schließen</translation>
    </message>
    <message>
        <source> on %s closed</source>
        <translation> an %s geschlossen</translation>
    </message>
    <message>
        <source>Serial port %s is closed</source>
        <translation>Serielle Schnittstelle %s ist geschlossen</translation>
    </message>
    <message>
        <source> - S/N %05u</source>
        <translation> - S/N %05u</translation>
    </message>
    <message>
        <source> on %s at %u bit/s</source>
        <translation> an %s mit %u Bit/s</translation>
    </message>
    <message>
        <source>Reopen port and determine speed</source>
        <translation>Schnittstelle neu öffnen und Geschwindigkeit ermitteln</translation>
    </message>
    <message>
        <source>Log Readings</source>
        <translation>Messwerte protokollieren</translation>
    </message>
    <message>
        <source>Readings cannot be logged to &quot;%s&quot;<byte value="xd"/>
Error 0x%08X: %s</source>
        <translation>Die Messwerte können nicht in „%s“ protokolliert werden<byte value="xd"/>
Fehler 0x%08X: %s</translation>
    </message>
    <message>
        <source>Logging of readings stopped: writing to &quot;%s&quot; failed<byte value="xd"/>
Error 0x%08X: %s<byte value="xd"/>
The lines written before are kept.</source>
        <translation>Protokollieren der Messwerte beendet: Schreiben in „%s“ fehlgeschlagen<byte value="xd"/>
Fehler 0x%08X: %s<byte value="xd"/>
Die bereits geschriebenen Zeilen bleiben erhalten.</translation>
    </message>
    <message>
        <source>Logging readings to %s</source>
        <translation>Messwerte werden in %s protokolliert</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>The connection to the %s on %s was lost: the adapter was unplugged or switched off (error 0x%08X)</source>
        <translation>Die Verbindung zum %s an %s ist verloren: Der Adapter wurde abgezogen oder ausgeschaltet (Fehler 0x%08X)</translation>
    </message>
    <message>
        <source>Copy Files from Corvanta File Server</source>
        <translation>Dateien vom Dateiserver von Corvanta kopieren</translation>
    </message>
    <message>
        <source>Click &quot;Close&quot; to close this window</source>
        <translation>Klicken Sie auf „Schließen“, um dieses Fenster zu schließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Create folder</source>
        <translation>Ordner anlegen</translation>
    </message>
    <message>
        <source>Folder &quot;%s&quot; does not exist. Do you want to create it now?</source>
        <translation>Der Ordner „%s“ existiert nicht. Möchten Sie ihn jetzt anlegen?</translation>
    </message>
    <message>
        <source>File verified %s</source>
        <translation>Datei geprüft %s</translation>
    </message>
    <message>
        <source>File %s verify failed</source>
        <translation>Prüfung der Datei %s fehlgeschlagen</translation>
    </message>
    <message>
        <source>%s completed with error 0x%08X: %s</source>
        <translation>%s mit Fehler 0x%08X beendet: %s</translation>
    </message>
    <message>
        <source>Connected to Corvanta server
Please be patient, this takes a few seconds</source>
        <translation>Mit dem Server von Corvanta verbunden
Bitte haben Sie etwas Geduld, das dauert einige Sekunden</translation>
    </message>
    <message>
        <source>Copied %s from Corvanta</source>
        <translation>%s von Corvanta kopiert</translation>
    </message>
    <message numerus="yes">
        <source>Copied %u files from Corvanta to %s</source>
        <translation>
            <numerusform>%u Datei von Corvanta nach %s kopiert</numerusform>
            <numerusform>%u Dateien von Corvanta nach %s kopiert</numerusform>
        </translation>
    </message>
    <message>
        <source>Copying files to %s</source>
        <translation>Kopiere Dateien nach %s</translation>
    </message>
    <message>
        <source>Found %s</source>
        <translation>Gefunden: %s</translation>
    </message>
    <message>
        <source>Skipped %s</source>
        <translation>Übersprungen: %s</translation>
    </message>
    <message>
        <source>Navigate to %s</source>
        <translation>Wechsle nach %s</translation>
    </message>
    <message>
        <source>Unable to copy file %s</source>
        <translation>Datei %s kann nicht kopiert werden</translation>
    </message>
    <message>
        <source>Open connection to %s</source>
        <translation>Öffne Verbindung zu %s</translation>
    </message>
    <message numerus="yes">
        <source>Elapsed time: %u seconds</source>
        <translation>
            <numerusform>Verstrichene Zeit: %u Sekunde</numerusform>
            <numerusform>Verstrichene Zeit: %u Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Release Notes Error</source>
        <translation>Fehler bei den Versionshinweisen</translation>
    </message>
    <message>
        <source>Unable to open Firmware Release Notes &quot;%s&quot;</source>
        <translation>Die Versionshinweise zur Firmware „%s“ können nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Firmware Release Notes</source>
        <translation>Versionshinweise zur Firmware</translation>
    </message>
    <message>
        <source>Choose &quot;%%APPDATA%%\Corvanta\%s Firmware&quot; folder</source>
        <translation>Ordner „%%APPDATA%%\Corvanta\%s Firmware“ wählen</translation>
    </message>
    <message>
        <source>Browse to another folder</source>
        <translation>Einen anderen Ordner suchen</translation>
    </message>
    <message>
        <source>Compare versions installed in %s with available versions in firmware folder</source>
        <translation>Die im %s installierte Version mit den Versionen im Firmware-Ordner vergleichen</translation>
    </message>
    <message>
        <source>Select folder containing %s firmware files</source>
        <translation>Ordner mit den Firmware-Dateien für den %s wählen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Sending firmware from %s</source>
        <translation>Sende Firmware aus %s</translation>
    </message>
    <message>
        <source>Get new firmware from Corvanta file server</source>
        <translation>Neue Firmware vom Dateiserver von Corvanta holen</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Fehlt</translation>
    </message>
    <message>
        <source>Firmware folder does not contain required firmware files<byte value="xd"/>
Click &quot;Copy New Files from Corvanta&quot;<byte value="xd"/>
or navigate to a folder containing firmware files</source>
        <translation>Der Firmware-Ordner enthält nicht die nötigen Firmware-Dateien<byte value="xd"/>
Klicken Sie auf „Neue Dateien von Corvanta kopieren“<byte value="xd"/>
oder wählen Sie einen Ordner mit Firmware-Dateien</translation>
    </message>
    <message>
        <source>Sending %s firmware file %s</source>
        <translation>Sende %s-Firmware-Datei %s</translation>
    </message>
    <message>
        <source>Retry %u succeeded at address x%04X</source>
        <translation>Wiederholung %u an Adresse x%04X erfolgreich</translation>
    </message>
    <message>
        <source>Retry %u successful at address x%04X, %u fill bytes</source>
        <translation>Wiederholung %u an Adresse x%04X erfolgreich, %u Füllbytes</translation>
    </message>
    <message>
        <source>Send %s firmware failed at load address x%04X</source>
        <translation>Senden der %s-Firmware an Ladeadresse x%04X fehlgeschlagen</translation>
    </message>
    <message>
        <source>%s firmware version verified</source>
        <translation>%s-Firmware-Version geprüft</translation>
    </message>
    <message>
        <source>Sent %s firmware file %s<byte value="xd"/>
%s responded with version %s</source>
        <translation>%s-Firmware-Datei %s gesendet<byte value="xd"/>
%s meldet Version %s</translation>
    </message>
    <message>
        <source>Firmware version verify failed. Reload %s firmware.</source>
        <translation>Prüfung der Firmware-Version fehlgeschlagen. Laden Sie die %s-Firmware erneut.</translation>
    </message>
    <message>
        <source>%s Bootstrap Loader did not echo &quot;%s&quot;<byte value="xd"/>
Remove power and retry firmware load</source>
        <translation>Der Bootloader des %s hat „%s“ nicht zurückgesendet<byte value="xd"/>
Trennen Sie die Stromversorgung und laden Sie die Firmware erneut</translation>
    </message>
    <message>
        <source>Line %u, error code 0x%08X: %s</source>
        <translation>Zeile %u, Fehlercode 0x%08X: %s</translation>
    </message>
    <message>
        <source>Sending %s Firmware</source>
        <translation>Sende %s-Firmware</translation>
    </message>
    <message>
        <source>Total number of retries was %u</source>
        <translation>Wiederholungen insgesamt: %u</translation>
    </message>
    <message>
        <source>Highest number of retries for any block was %u</source>
        <translation>Höchste Zahl von Wiederholungen für einen Block: %u</translation>
    </message>
    <message>
        <source>%s firmware load is complete</source>
        <translation>Laden der %s-Firmware abgeschlossen</translation>
    </message>
    <message>
        <source>Error code 0x%08X: %s</source>
        <translation>Fehlercode 0x%08X: %s</translation>
    </message>
    <message>
        <source>Are you sure you wish to close the Utility while sending firmware?</source>
        <translation>Möchten Sie das Utility wirklich schließen, während die Firmware gesendet wird?</translation>
    </message>
    <message>
        <source>Critical Operation in Progress</source>
        <translation>Kritischer Vorgang läuft</translation>
    </message>
    <message>
        <source>The %s is left in its bootstrap loader: send the firmware again to finish the update</source>
        <translation>Der %s bleibt in seinem Bootloader: Senden Sie die Firmware erneut, um die Aktualisierung abzuschließen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message numerus="yes">
        <source>Waiting %u seconds for reset</source>
        <translation>
            <numerusform>Warte %u Sekunde auf den Neustart</numerusform>
            <numerusform>Warte %u Sekunden auf den Neustart</numerusform>
        </translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Konfiguration sichern</translation>
    </message>
    <message>
        <source>Save configuration was cancelled</source>
        <translation>Sichern der Konfiguration wurde abgebrochen</translation>
    </message>
    <message>
        <source>Configuration was saved</source>
        <translation>Konfiguration wurde gesichert</translation>
    </message>
    <message>
        <source>Failed to save configuration</source>
        <translation>Sichern der Konfiguration fehlgeschlagen</translation>
    </message>
    <message>
        <source>Save Configuration Error</source>
        <translation>Fehler beim Sichern der Konfiguration</translation>
    </message>
    <message>
        <source>%s Configuration File (*.%s)|*.%s|All Files (*.*)|*.*|</source>
        <translation>%s-Konfigurationsdatei (*.%s)|*.%s|Alle Dateien (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Restore Configuration</source>
        <translation>Konfiguration wiederherstellen</translation>
    </message>
    <message>
        <source>Restoring configuration</source>
        <translation>Konfiguration wird wiederhergestellt</translation>
    </message>
    <message>
        <source>Configuration was restored</source>
        <translation>Konfiguration wurde wiederhergestellt</translation>
    </message>
    <message>
        <source>Restore configuration was cancelled</source>
        <translation>Wiederherstellen der Konfiguration wurde abgebrochen</translation>
    </message>
    <message>
        <source>Failed to restore configuration</source>
        <translation>Wiederherstellen der Konfiguration fehlgeschlagen</translation>
    </message>
    <message>
        <source>Restore Configuration Error</source>
        <translation>Fehler beim Wiederherstellen der Konfiguration</translation>
    </message>
    <message>
        <source>Are you sure you wish to interrupt configuration restore?</source>
        <translation>Möchten Sie das Wiederherstellen der Konfiguration wirklich unterbrechen?</translation>
    </message>
    <message>
        <source>Restore was cancelled. Turn power off and back on, then restore configuration.</source>
        <translation>Das Wiederherstellen wurde abgebrochen. Schalten Sie das Gerät aus und wieder ein und stellen Sie dann die Konfiguration wieder her.</translation>
    </message>
    <message>
        <source>Serial Number Mismatch</source>
        <translation>Seriennummer stimmt nicht überein</translation>
    </message>
    <message>
        <source>The Serial Number within the restore file
does not match the Serial Number of your ZU6400.

Restore cannot continue.</source>
        <translation>Die Seriennummer in der Datei
stimmt nicht mit der Seriennummer Ihres ZU6400 überein.

Das Wiederherstellen kann nicht fortgesetzt werden.</translation>
    </message>
    <message>
        <source>The Serial Number within the restore file
does not match the Serial Number of your ZU6400.

Do you want to restore this configuration anyway?</source>
        <translation>Die Seriennummer in der Datei
stimmt nicht mit der Seriennummer Ihres ZU6400 überein.

Möchten Sie diese Konfiguration trotzdem wiederherstellen?</translation>
    </message>
    <message>
        <source>Fault Table (Newest Entry at Top)</source>
        <translation>Fehlertabelle (neuester Eintrag oben)</translation>
    </message>
    <message>
        <source>Fault Table Error</source>
        <translation>Fehler beim Lesen der Fehlertabelle</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>  Time On   </source>
        <translation>  Betriebszeit  </translation>
    </message>
    <message>
        <source>Fault Code    </source>
        <translation>Fehlercode    </translation>
    </message>
    <message>
        <source>Variable Data</source>
        <translation>Messdaten</translation>
    </message>
    <message>
        <source>00 - Power On</source>
        <translation>00 - Eingeschaltet</translation>
    </message>
    <message>
        <source>01 - No match</source>
        <translation>01 - Keine Anpassung</translation>
    </message>
    <message>
        <source>02 - VFWD too high for SWR</source>
        <translation>02 - VFWD zu hoch für dieses SWV</translation>
    </message>
    <message>
        <source>03 - VFWD above relay hotswitch limit</source>
        <translation>03 - VFWD über der Grenze für das Schalten der Relais unter Last</translation>
    </message>
    <message>
        <source>04 - SWR above Amp Key Interrupt SWR</source>
        <translation>04 - SWV über dem SWV der PA-Tastunterbrechung</translation>
    </message>
    <message>
        <source>81 - No match detail</source>
        <translation>81 - Keine Anpassung, Einzelheiten</translation>
    </message>
    <message>
        <source>%02X Unrecognized</source>
        <translation>%02X Unbekannt</translation>
    </message>
    <message>
        <source>%u times</source>
        <translation>%u-mal</translation>
    </message>
    <message>
        <source>Restore a previously saved configuration</source>
        <translation>Eine früher gesicherte Konfiguration wiederherstellen</translation>
    </message>
    <message>
        <source>Save configuration in a computer file</source>
        <translation>Die Konfiguration in einer Datei auf dem Computer sichern</translation>
    </message>
    <message>
        <source>Return every setting to its factory default and erase all ATU memories</source>
        <translation>Alle Einstellungen auf die Werkseinstellung zurücksetzen und alle Bandspeicher des Tuners löschen</translation>
    </message>
    <message>
        <source>View or change configuration</source>
        <translation>Konfiguration ansehen oder ändern</translation>
    </message>
    <message>
        <source>ZU6400 Configuration</source>
        <translation>ZU6400-Konfiguration</translation>
    </message>
    <message>
        <source>Now Optimized for ZP5100</source>
        <translation>Für ZP5100 optimiert</translation>
    </message>
    <message>
        <source>Optimize for ZP5100</source>
        <translation>Für ZP5100 optimieren</translation>
    </message>
    <message>
        <source>Reset Configuration to Factory Defaults</source>
        <translation>Konfiguration auf Werkseinstellungen zurücksetzen</translation>
    </message>
    <message>
        <source>Reset Configuration Error</source>
        <translation>Fehler beim Zurücksetzen der Konfiguration</translation>
    </message>
    <message>
        <source>Erase Antenna Tuner Memories</source>
        <translation>Bandspeicher des Tuners löschen</translation>
    </message>
    <message>
        <source>Erasing Band %s Antenna %u</source>
        <translation>Lösche Band %s, Antenne %u</translation>
    </message>
    <message>
        <source>ATU memory erased Band %s Antenna %u</source>
        <translation>Bandspeicher gelöscht: Band %s, Antenne %u</translation>
    </message>
    <message>
        <source>Nothing answered: looking for a bootstrap loader left holding part of a packet by a load cut short</source>
        <translation>Keine Antwort: Suche nach einem Bootloader, der von einem abgebrochenen Laden noch einen Teil eines Pakets hält</translation>
    </message>
    <message>
        <source>No bootstrap loader answered either: switch the %s off and on, then send the firmware again</source>
        <translation>Auch kein Bootloader hat geantwortet: Schalten Sie den %s aus und wieder ein und senden Sie die Firmware erneut</translation>
    </message>
    <message>
        <source>The name of %s carries no version to check the load against: firmware images are named like zu6400fw0105.hex (version 01.05)</source>
        <translation>Der Name von %s enthält keine Version, gegen die das Laden geprüft werden kann: Firmware-Dateien heißen zum Beispiel zu6400fw0105.hex (Version 01.05)</translation>
    </message>
    <message>
        <source>The tuner&apos;s stored configuration is now incomplete: restore a configuration file again before using the tuner.</source>
        <translation>Die gespeicherte Konfiguration des Tuners ist jetzt unvollständig: Stellen Sie erneut eine Konfigurationsdatei wieder her, bevor Sie den Tuner benutzen.</translation>
    </message>
</context>
</TS>
