<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BusyIndicator</name>
    <message>
        <source>Busy</source>
        <translation>Beschäftigt</translation>
    </message>
</context>
<context>
    <name>CalendarExport</name>
    <message>
        <source>Export to Calendar</source>
        <translation>In Kalender exportieren</translation>
    </message>
    <message>
        <source>iCalendar (*.ics)</source>
        <translation>iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Export to Calendar…</source>
        <translation>In Kalender exportieren …</translation>
    </message>
    <message>
        <source>Save these passes as an iCalendar file (%1)</source>
        <translation>Diese Überflüge als iCalendar-Datei speichern (%1)</translation>
    </message>
    <message>
        <source>Nothing to Export</source>
        <translation>Nichts zu exportieren</translation>
    </message>
    <message>
        <source>Calendar Not Saved</source>
        <translation>Kalender nicht gespeichert</translation>
    </message>
    <message>
        <source>The passes could not be written to %1: %2</source>
        <translation>Die Überflüge konnten nicht nach %1 geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>CategorySelectionController</name>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Search satellites by name (Ctrl+F)</source>
        <translation>Satelliten nach Namen suchen (Strg+F)</translation>
    </message>
</context>
<context>
    <name>CommentEditorController</name>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Your notes on this satellite</source>
        <translation>Ihre Notizen zu diesem Satelliten</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
</context>
<context>
    <name>ControlConnection</name>
    <message>
        <source>invalid parameter</source>
        <translation>ungültiger Parameter</translation>
    </message>
    <message>
        <source>not implemented</source>
        <translation>nicht implementiert</translation>
    </message>
    <message>
        <source>the radio did not answer the daemon</source>
        <translation>das Funkgerät hat dem Daemon nicht geantwortet</translation>
    </message>
    <message>
        <source>input/output error</source>
        <translation>Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>protocol error</source>
        <translation>Protokollfehler</translation>
    </message>
    <message>
        <source>command rejected</source>
        <translation>Befehl abgelehnt</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>nicht verfügbar</translation>
    </message>
    <message>
        <source>VFO not targetable</source>
        <translation>VFO nicht ansprechbar</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>no connection within %1 s</source>
        <translation>keine Verbindung innerhalb von %1 s</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>keine Antwort innerhalb von %1 s</translation>
    </message>
    <message>
        <source>the daemon closed the connection</source>
        <translation>der Daemon hat die Verbindung geschlossen</translation>
    </message>
    <message>
        <source>the connection was closed</source>
        <translation>die Verbindung wurde geschlossen</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>nicht verbunden</translation>
    </message>
    <message>
        <source>too many commands waiting</source>
        <translation>zu viele wartende Befehle</translation>
    </message>
    <message>
        <source>an answer line longer than %1 bytes</source>
        <translation>eine Antwortzeile länger als %1 Byte</translation>
    </message>
    <message>
        <source>the daemon sent text nobody asked for</source>
        <translation>der Daemon hat unaufgefordert Text gesendet</translation>
    </message>
    <message>
        <source>RPRT %1 (%2)</source>
        <translation>RPRT %1 (%2)</translation>
    </message>
    <message>
        <source>the answer &quot;%1&quot; to &quot;%2&quot; is not the protocol&apos;s</source>
        <translation>die Antwort „%1“ auf „%2“ entspricht nicht dem Protokoll</translation>
    </message>
    <message>
        <source>%1; trying again in %2 s</source>
        <translation>%1; neuer Versuch in %2 s</translation>
    </message>
</context>
<context>
    <name>ElementSet</name>
    <message>
        <source>element line %1 has no checksum in column 69</source>
        <translation>Elementzeile %1 hat keine Prüfsumme in Spalte 69</translation>
    </message>
    <message>
        <source>element line %1 has checksum %2 where its digits give %3</source>
        <translation>Elementzeile %1 hat die Prüfsumme %2, ihre Ziffern ergeben aber %3</translation>
    </message>
    <message>
        <source>element line %1 has &apos;%2&apos; in numeric column %3</source>
        <translation>Elementzeile %1 hat &apos;%2&apos; in der Zahlenspalte %3</translation>
    </message>
    <message>
        <source>element line 1 has no catalogue number in columns 3-7</source>
        <translation>Elementzeile 1 hat keine Katalognummer in den Spalten 3-7</translation>
    </message>
    <message>
        <source>the element lines carry different catalogue numbers</source>
        <translation>die Elementzeilen tragen verschiedene Katalognummern</translation>
    </message>
    <message>
        <source>element lines without a name line</source>
        <translation>Elementzeilen ohne Namenszeile</translation>
    </message>
    <message>
        <source>element lines shorter than 68 characters</source>
        <translation>Elementzeilen kürzer als 68 Zeichen</translation>
    </message>
    <message>
        <source>not a three-line element set</source>
        <translation>kein Dreizeilen-Bahnelementsatz</translation>
    </message>
    <message>
        <source>not a CSV element record</source>
        <translation>kein CSV-Bahnelementsatz</translation>
    </message>
    <message>
        <source>mean motion %1 is not above 0 revolutions a day</source>
        <translation>die mittlere Bewegung %1 liegt nicht über 0 Umläufen pro Tag</translation>
    </message>
    <message>
        <source>eccentricity %1 lies outside 0 to 1</source>
        <translation>die Exzentrizität %1 liegt außerhalb von 0 bis 1</translation>
    </message>
    <message>
        <source>epoch day %1 lies outside 1 to 366</source>
        <translation>der Epochentag %1 liegt außerhalb von 1 bis 366</translation>
    </message>
</context>
<context>
    <name>FetchText</name>
    <message>
        <source>no such file</source>
        <translation>Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>not a web address</source>
        <translation>keine Webadresse</translation>
    </message>
    <message>
        <source>the document was not whole after %1 s</source>
        <translation>das Dokument war nach %1 s nicht vollständig</translation>
    </message>
    <message>
        <source>the server sent nothing for %1 s</source>
        <translation>der Server hat %1 s lang nichts gesendet</translation>
    </message>
    <message>
        <source>the server did not answer within %1 s</source>
        <translation>der Server hat nicht innerhalb von %1 s geantwortet</translation>
    </message>
    <message>
        <source>the document is </source>
        <translation>das Dokument ist </translation>
    </message>
    <message>
        <source>an HTML page came where a file was expected</source>
        <translation>statt einer Datei kam eine HTML-Seite</translation>
    </message>
</context>
<context>
    <name>FirstViewController</name>
    <message>
        <source>Tracking</source>
        <translation>Verfolgung</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Zeitleiste</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Timeline and editing</source>
        <translation>Zeitleiste und Bearbeiten</translation>
    </message>
    <message>
        <source>Order by next event</source>
        <translation>Nach nächstem Ereignis ordnen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Tonight</source>
        <translation>Heute Nacht</translation>
    </message>
    <message>
        <source>Visible %1 to %2</source>
        <translation>Sichtbar %1 bis %2</translation>
    </message>
    <message>
        <source>The list is empty: choose satellites on the Satellites tab.</source>
        <translation>Die Liste ist leer: Wählen Sie Satelliten im Reiter „Satelliten“.</translation>
    </message>
    <message numerus="yes">
        <source>No listed satellite has a pass that rises, reaches the minimum elevation and sets within the next %n day(s).</source>
        <translation>
            <numerusform>Kein Satellit der Liste hat im nächsten %n Tag einen Überflug, der aufgeht, die Mindesterhebung erreicht und untergeht.</numerusform>
            <numerusform>Kein Satellit der Liste hat in den nächsten %n Tagen einen Überflug, der aufgeht, die Mindesterhebung erreicht und untergeht.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FootprintController</name>
    <message>
        <source>Footprint</source>
        <translation>Ausleuchtzone</translation>
    </message>
    <message>
        <source>World map</source>
        <translation>Weltkarte</translation>
    </message>
</context>
<context>
    <name>FootprintView</name>
    <message>
        <source>%1 over latitude %2°, longitude %3°, seen from a circle %4 km across</source>
        <translation>%1 über Breite %2°, Länge %3°, sichtbar in einem Kreis von %4 km Durchmesser</translation>
    </message>
</context>
<context>
    <name>FrequencyEditorController</name>
    <message>
        <source>MHz, or kHz with the unit</source>
        <translation>MHz, oder kHz mit Einheit</translation>
    </message>
    <message>
        <source>Mode, call sign, notes</source>
        <translation>Betriebsart, Rufzeichen, Notizen</translation>
    </message>
    <message>
        <source>Uplink</source>
        <translation>Uplink</translation>
    </message>
    <message>
        <source>Downlink</source>
        <translation>Downlink</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Frequency Information</source>
        <translation>Frequenzangaben</translation>
    </message>
</context>
<context>
    <name>HelpController</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Überblick</translation>
    </message>
    <message>
        <source>General Overview and Introduction</source>
        <translation>Überblick und Einführung</translation>
    </message>
    <message>
        <source>Displays</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Verfolgung</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Zeitleiste</translation>
    </message>
    <message>
        <source>Satellite &apos;Radar&apos; Plot</source>
        <translation>Radar-Darstellung des Satelliten</translation>
    </message>
    <message>
        <source>Footprint Display</source>
        <translation>Ausleuchtzonen-Karte</translation>
    </message>
    <message>
        <source>Satellite Details</source>
        <translation>Satellitendetails</translation>
    </message>
    <message>
        <source>Frequency Editor</source>
        <translation>Frequenz-Editor</translation>
    </message>
    <message>
        <source>Comments Editor</source>
        <translation>Kommentar-Editor</translation>
    </message>
    <message>
        <source>Satellite Selection</source>
        <translation>Satellitenauswahl</translation>
    </message>
    <message>
        <source>Satellite List</source>
        <translation>Satellitenliste</translation>
    </message>
    <message>
        <source>Satellite Search</source>
        <translation>Satellitensuche</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Verschiedenes</translation>
    </message>
    <message>
        <source>TLE Files</source>
        <translation>TLE-Dateien</translation>
    </message>
    <message>
        <source>Screen Navigation</source>
        <translation>Navigation zwischen den Ansichten</translation>
    </message>
    <message>
        <source>Accuracy of Information</source>
        <translation>Genauigkeit der Angaben</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Erste Schritte</translation>
    </message>
    <message>
        <source>Initial Setup</source>
        <translation>Ersteinrichtung</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>About this program</source>
        <translation>Über dieses Programm</translation>
    </message>
</context>
<context>
    <name>ImportMark</name>
    <message>
        <source>Imported</source>
        <translation>Importiert</translation>
    </message>
    <message>
        <source>Imported, changed by you</source>
        <translation>Importiert, von Ihnen geändert</translation>
    </message>
    <message>
        <source>Imported from the transmitter database; the next import may update or remove it.</source>
        <translation>Aus der Senderdatenbank importiert; der nächste Import kann ihn ändern oder entfernen.</translation>
    </message>
    <message>
        <source>Imported from the transmitter database and changed by you; imports leave it as it is.</source>
        <translation>Aus der Senderdatenbank importiert und von Ihnen geändert; Importe lassen ihn, wie er ist.</translation>
    </message>
</context>
<context>
    <name>ListRowText</name>
    <message>
        <source>in %1</source>
        <translation>in %1</translation>
    </message>
    <message>
        <source>Geosynchronous Satellite</source>
        <translation>Geosynchroner Satellit</translation>
    </message>
    <message>
        <source>No pass visible</source>
        <translation>Kein Überflug sichtbar</translation>
    </message>
    <message>
        <source>from this location</source>
        <translation>von diesem Standort</translation>
    </message>
    <message>
        <source>LOS: %1</source>
        <translation>LOS: %1</translation>
    </message>
    <message>
        <source>AOS: %1</source>
        <translation>AOS: %1</translation>
    </message>
</context>
<context>
    <name>MainInterface</name>
    <message>
        <source>%1 (Ctrl+%2)</source>
        <translation>%1 (Strg+%2)</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Verfolgung</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>NavigationController</name>
    <message>
        <source>‹ Back</source>
        <translation>‹ Zurück</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Back (Escape, Alt+Left)</source>
        <translation>Zurück (Esc, Alt+Links)</translation>
    </message>
</context>
<context>
    <name>PassAlertPresenter</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Open pass</source>
        <translation>Überflug öffnen</translation>
    </message>
</context>
<context>
    <name>PassAlertSchedule</name>
    <message>
        <source>%1 rises at %2</source>
        <translation>%1 geht um %2 auf</translation>
    </message>
    <message>
        <source>Rises at azimuth %1, highest %2.</source>
        <translation>Aufgang bei Azimut %1, höchste Erhebung %2.</translation>
    </message>
    <message>
        <source>Visible from %1 to %2, highest %3.</source>
        <translation>Sichtbar von %1 bis %2, höchste Erhebung %3.</translation>
    </message>
    <message>
        <source>Not visible.</source>
        <translation>Nicht sichtbar.</translation>
    </message>
    <message>
        <source>Open pass</source>
        <translation>Überflug öffnen</translation>
    </message>
</context>
<context>
    <name>PassCalendar</name>
    <message>
        <source>%1, highest %2</source>
        <translation>%1, höchste Erhebung %2</translation>
    </message>
    <message>
        <source>, visible</source>
        <translation>, sichtbar</translation>
    </message>
    <message>
        <source>Rises %1 UTC at azimuth %2</source>
        <translation>Aufgang %1 UTC bei Azimut %2</translation>
    </message>
    <message>
        <source>Highest %1 at %2 UTC, azimuth %3</source>
        <translation>Höchste Erhebung %1 um %2 UTC, Azimut %3</translation>
    </message>
    <message>
        <source>Sets %1 UTC at azimuth %2</source>
        <translation>Untergang %1 UTC bei Azimut %2</translation>
    </message>
    <message>
        <source>Visible from %1 to %2 UTC, highest %3 at azimuth %4</source>
        <translation>Sichtbar von %1 bis %2 UTC, höchste Erhebung %3 bei Azimut %4</translation>
    </message>
    <message>
        <source>Not visible: in the Earth&apos;s shadow or in daylight</source>
        <translation>Nicht sichtbar: im Erdschatten oder bei Tageslicht</translation>
    </message>
    <message>
        <source>Catalogue number %1</source>
        <translation>Katalognummer %1</translation>
    </message>
</context>
<context>
    <name>PassReadout</name>
    <message>
        <source>Range: %1 km</source>
        <translation>Entf.: %1 km</translation>
    </message>
    <message>
        <source> Az: %1°</source>
        <translation> Az: %1°</translation>
    </message>
    <message>
        <source>Elv: %1°</source>
        <translation>Elv: %1°</translation>
    </message>
    <message>
        <source>Alt: %1 km</source>
        <translation>Höhe: %1 km</translation>
    </message>
    <message>
        <source>Vel: %1 km/s</source>
        <translation>Geschw.: %1 km/s</translation>
    </message>
    <message>
        <source>Doppler: %1 Hz</source>
        <translation>Doppler: %1 Hz</translation>
    </message>
    <message>
        <source>Delay: %1 mSec</source>
        <translation>Laufzeit: %1 ms</translation>
    </message>
    <message>
        <source>Loss: %1 dB</source>
        <translation>Dämpfung: %1 dB</translation>
    </message>
    <message>
        <source>Uplink: %1</source>
        <translation>Uplink: %1</translation>
    </message>
    <message>
        <source>Downlink: %1</source>
        <translation>Downlink: %1</translation>
    </message>
</context>
<context>
    <name>PassViewController</name>
    <message>
        <source>Frequencies and comments</source>
        <translation>Frequenzen und Kommentare</translation>
    </message>
    <message>
        <source>Uplink: %1  DownLink: %2
</source>
        <translation>Uplink: %1  Downlink: %2
</translation>
    </message>
    <message>
        <source>   Comment: %1

</source>
        <translation>   Kommentar: %1

</translation>
    </message>
    <message>
        <source>Comments:
%1
</source>
        <translation>Kommentare:
%1
</translation>
    </message>
    <message>
        <source>Footprint</source>
        <translation>Ausleuchtzone</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Footprint and details</source>
        <translation>Ausleuchtzone und Details</translation>
    </message>
</context>
<context>
    <name>PreferenceLimits</name>
    <message>
        <source>“%1” is not a number; the value in use stays.</source>
        <translation>„%1“ ist keine Zahl; der bisherige Wert bleibt.</translation>
    </message>
    <message>
        <source>%1 is outside %2 to %3; the value in use stays.</source>
        <translation>%1 liegt außerhalb von %2 bis %3; der bisherige Wert bleibt.</translation>
    </message>
</context>
<context>
    <name>PreferencesController</name>
    <message>
        <source>“%1” is not a locator of 4, 6 or 8 characters; the position stays.</source>
        <translation>„%1“ ist kein Locator mit 4, 6 oder 8 Zeichen; die Position bleibt.</translation>
    </message>
    <message>
        <source>The timeline spans %1 to %2 hours.</source>
        <translation>Die Zeitleiste umfasst %1 bis %2 Stunden.</translation>
    </message>
    <message>
        <source>North and east are positive. Type decimal degrees (51.5) or degrees, minutes and seconds (51 30 15), or a Maidenhead locator (JO01 or JO01ab).</source>
        <translation>Nord und Ost sind positiv. Geben Sie Dezimalgrad (51.5), Grad, Minuten und Sekunden (51 30 15) oder einen Maidenhead-Locator (JO01 oder JO01ab) ein.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Lokal</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>Time and coordinates</source>
        <translation>Zeit und Koordinaten</translation>
    </message>
    <message>
        <source>Show times in</source>
        <translation>Zeiten anzeigen in</translation>
    </message>
    <message>
        <source>Show coordinates as</source>
        <translation>Koordinaten anzeigen als</translation>
    </message>
    <message>
        <source>Displays</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Show Sun and Moon</source>
        <translation>Sonne und Mond zeigen</translation>
    </message>
    <message>
        <source>Show holding angle</source>
        <translation>Haltewinkel zeigen</translation>
    </message>
    <message>
        <source>Show ground track</source>
        <translation>Bodenspur zeigen</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>Überflüge</translation>
    </message>
    <message>
        <source>Minimum elevation (°)</source>
        <translation>Mindesterhebung (°)</translation>
    </message>
    <message>
        <source>List passes for (days)</source>
        <translation>Überflüge auflisten für (Tage)</translation>
    </message>
    <message>
        <source>Timeline span (hours)</source>
        <translation>Zeitleiste umfasst (Stunden)</translation>
    </message>
    <message>
        <source>Element sets</source>
        <translation>Bahnelemente</translation>
    </message>
    <message>
        <source>Update every (days)</source>
        <translation>Aktualisieren alle (Tage)</translation>
    </message>
    <message>
        <source>Observer</source>
        <translation>Beobachter</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Altitude (m)</source>
        <translation>Höhe (m)</translation>
    </message>
    <message>
        <source>Locator</source>
        <translation>Locator</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Update the element sets now (F5)</source>
        <translation>Die Bahnelemente jetzt aktualisieren (F5)</translation>
    </message>
    <message>
        <source>Update element sets now</source>
        <translation>Bahnelemente jetzt aktualisieren</translation>
    </message>
    <message>
        <source>Use the location service</source>
        <translation>Ortungsdienst verwenden</translation>
    </message>
    <message>
        <source>Categories to update</source>
        <translation>Zu aktualisierende Kategorien</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Auswählen …</translation>
    </message>
    <message>
        <source>Radio and rotator</source>
        <translation>Funkgerät und Rotor</translation>
    </message>
    <message>
        <source>Tracking and transmitters</source>
        <translation>Nachführung und Sender</translation>
    </message>
    <message>
        <source>Set up…</source>
        <translation>Einrichten …</translation>
    </message>
    <message>
        <source>Watching the sky</source>
        <translation>Himmelsbeobachtung</translation>
    </message>
    <message>
        <source>Visible passes only</source>
        <translation>Nur sichtbare Überflüge</translation>
    </message>
    <message>
        <source>Sunlight and shadow</source>
        <translation>Sonnenlicht und Schatten</translation>
    </message>
    <message>
        <source>Alert before a rise (min)</source>
        <translation>Hinweis vor einem Aufgang (min)</translation>
    </message>
    <message>
        <source>Alerts for visible passes only</source>
        <translation>Hinweise nur für sichtbare Überflüge</translation>
    </message>
    <message>
        <source>Dark when the Sun is below (°)</source>
        <translation>Dunkel, wenn die Sonne tiefer steht als (°)</translation>
    </message>
</context>
<context>
    <name>RadarGeometry</name>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>E</source>
        <translation>O</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
</context>
<context>
    <name>RadarView</name>
    <message>
        <source>Times: %1</source>
        <translation>Zeiten: %1</translation>
    </message>
    <message>
        <source>Radar plot</source>
        <translation>Radar-Darstellung</translation>
    </message>
</context>
<context>
    <name>SatelliteChoice</name>
    <message>
        <source>Operational</source>
        <translation>In Betrieb</translation>
    </message>
    <message>
        <source>Partially Operational</source>
        <translation>Teilweise in Betrieb</translation>
    </message>
    <message>
        <source>Not Operational</source>
        <translation>Außer Betrieb</translation>
    </message>
    <message>
        <source>On Standby</source>
        <translation>In Bereitschaft</translation>
    </message>
    <message>
        <source>Spare</source>
        <translation>Reserve</translation>
    </message>
    <message>
        <source>Extended</source>
        <translation>Erweiterte Mission</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>SatelliteData</name>
    <message>
        <source>No pass visible</source>
        <translation>Kein Überflug sichtbar</translation>
    </message>
    <message>
        <source>LOS: %1</source>
        <translation>LOS: %1</translation>
    </message>
    <message>
        <source>AOS: %1</source>
        <translation>AOS: %1</translation>
    </message>
</context>
<context>
    <name>SatelliteDetailsController</name>
    <message>
        <source>Uplink</source>
        <translation>Uplink</translation>
    </message>
    <message>
        <source>Downlink</source>
        <translation>Downlink</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inaktiv</translation>
    </message>
    <message>
        <source>Enter new frequency data here</source>
        <translation>Neue Frequenzangaben hier eingeben</translation>
    </message>
    <message>
        <source>Frequency Information</source>
        <translation>Frequenzangaben</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <source>Future Passes (%1)</source>
        <translation>Kommende Überflüge (%1)</translation>
    </message>
    <message>
        <source>AOS</source>
        <translation>AOS</translation>
    </message>
    <message>
        <source>LOS</source>
        <translation>LOS</translation>
    </message>
    <message>
        <source>Max Elevation</source>
        <translation>Max. Erhebung</translation>
    </message>
    <message>
        <source>Pass Alerts</source>
        <translation>Überflug-Hinweise</translation>
    </message>
    <message>
        <source>Alert before each rise</source>
        <translation>Hinweis vor jedem Aufgang</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Sichtbar</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message numerus="yes">
        <source>No pass of %1 rises, reaches the minimum elevation and sets within the next %n day(s).</source>
        <translation>
            <numerusform>%1 hat im nächsten %n Tag keinen Überflug, der aufgeht, die Mindesterhebung erreicht und untergeht.</numerusform>
            <numerusform>%1 hat in den nächsten %n Tagen keinen Überflug, der aufgeht, die Mindesterhebung erreicht und untergeht.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SatelliteSearchController</name>
    <message>
        <source>Satellite name</source>
        <translation>Satellitenname</translation>
    </message>
</context>
<context>
    <name>SearchBar</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>SkelvorAppDelegate</name>
    <message>
        <source>No element set of &quot;%1&quot; could be used (line %2: %3).</source>
        <translation>Kein Bahnelementsatz von „%1“ war verwendbar (Zeile %2: %3).</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1 received</source>
        <translation>%1 empfangen</translation>
    </message>
    <message>
        <source>The file of &quot;%1&quot; would make the catalogue hold more than %2 satellites, far more than any real catalogue; it was not loaded.</source>
        <translation>Mit der Datei von „%1“ enthielte der Katalog mehr als %2 Satelliten, weit mehr als jeder echte Katalog; sie wurde nicht geladen.</translation>
    </message>
    <message>
        <source>Reading the list of files</source>
        <translation>Dateiliste wird gelesen</translation>
    </message>
    <message>
        <source>it holds more than %1 satellites</source>
        <translation>er enthält mehr als %1 Satelliten</translation>
    </message>
    <message>
        <source>Cannot Save</source>
        <translation>Speichern nicht möglich</translation>
    </message>
    <message>
        <source>Skelvor could not save its state in %1 (%2). Your satellites and settings are kept while it runs, and saved with your next change once saving works again: make room on the disk or let Skelvor write to that folder.</source>
        <translation>Skelvor konnte seinen Zustand nicht in %1 speichern (%2). Ihre Satelliten und Einstellungen bleiben erhalten, solange das Programm läuft, und werden mit Ihrer nächsten Änderung gespeichert, sobald das Speichern wieder gelingt: Schaffen Sie Platz auf dem Datenträger oder erlauben Sie Skelvor, in diesen Ordner zu schreiben.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>It could not be moved aside and stays as it is.</source>
        <translation>Er konnte nicht beiseitegelegt werden und bleibt unverändert.</translation>
    </message>
    <message>
        <source>It was kept as %1.</source>
        <translation>Er wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>Saved State Unreadable</source>
        <translation>Gespeicherter Zustand unlesbar</translation>
    </message>
    <message>
        <source>The saved state %1 could not be read (%2). %3 Skelvor starts with an empty catalogue and its first settings.</source>
        <translation>Der gespeicherte Zustand %1 konnte nicht gelesen werden (%2). %3 Skelvor startet mit leerem Katalog und den Anfangseinstellungen.</translation>
    </message>
    <message>
        <source>Finding Location</source>
        <translation>Standort wird ermittelt</translation>
    </message>
    <message>
        <source>Currently determining our location. Please Wait</source>
        <translation>Der Standort wird gerade ermittelt. Bitte warten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Error reading TLE files</source>
        <translation>Fehler beim Lesen der TLE-Dateien</translation>
    </message>
    <message>
        <source>An error has occurred while trying to read the TLE files. Please re-start the application later on to pick up the latest TLE information</source>
        <translation>Beim Lesen der TLE-Dateien ist ein Fehler aufgetreten. Bitte starten Sie das Programm später neu, um die neuesten TLE-Daten zu laden</translation>
    </message>
    <message>
        <source>Loading TLE files</source>
        <translation>TLE-Dateien werden geladen</translation>
    </message>
    <message>
        <source>The list of element-set files was fetched less than two hours ago, but the copy kept of it is gone, and the server does not send it again so soon. Please update again in two hours.</source>
        <translation>Die Liste der Bahnelement-Dateien wurde vor weniger als zwei Stunden abgerufen, aber ihre aufbewahrte Kopie fehlt, und der Server sendet sie so bald nicht erneut. Bitte aktualisieren Sie in zwei Stunden noch einmal.</translation>
    </message>
    <message>
        <source>No network connectivity</source>
        <translation>Keine Netzwerkverbindung</translation>
    </message>
    <message>
        <source>The current TLE files are out of date. When you are connected, please run this program again to update them.</source>
        <translation>Die vorhandenen TLE-Dateien sind veraltet. Starten Sie das Programm bitte erneut, sobald eine Verbindung besteht, um sie zu aktualisieren.</translation>
    </message>
    <message>
        <source>No TLE Files</source>
        <translation>Keine TLE-Dateien</translation>
    </message>
    <message>
        <source>No TLE information appears to be loaded. Do you want to download the initial set of files?</source>
        <translation>Es scheinen keine TLE-Daten geladen zu sein. Möchten Sie den ersten Satz Dateien herunterladen?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message numerus="yes">
        <source>The current TLE files are %n day(s) old. Do you want to update these files now?</source>
        <translation>
            <numerusform>Die vorhandenen TLE-Dateien sind %n Tag alt. Möchten Sie diese Dateien jetzt aktualisieren?</numerusform>
            <numerusform>Die vorhandenen TLE-Dateien sind %n Tage alt. Möchten Sie diese Dateien jetzt aktualisieren?</numerusform>
        </translation>
    </message>
    <message>
        <source>TLE Files Out of Date</source>
        <translation>TLE-Dateien veraltet</translation>
    </message>
    <message>
        <source>Categories Dropped by the Server</source>
        <translation>Vom Server entfernte Kategorien</translation>
    </message>
    <message>
        <source>The element-set server no longer has data for %1. Later updates leave them out.</source>
        <translation>Der Bahnelement-Server hat keine Daten mehr für %1. Spätere Aktualisierungen lassen sie aus.</translation>
    </message>
    <message>
        <source>Element Sets Left Out</source>
        <translation>Ausgelassene Bahnelementsätze</translation>
    </message>
    <message>
        <source>%1 element sets in %2 could not be used (a wrong checksum, or values that no orbit has) and were left out. The satellites they name keep their previous elements.</source>
        <translation>%1 Bahnelementsätze in %2 waren nicht verwendbar (falsche Prüfsumme oder Werte, die keine Bahn haben kann) und wurden ausgelassen. Die betroffenen Satelliten behalten ihre bisherigen Bahnelemente.</translation>
    </message>
    <message>
        <source>TLE Files Not Updated</source>
        <translation>TLE-Dateien nicht aktualisiert</translation>
    </message>
    <message>
        <source>Some element-set files were fetched less than two hours ago, but the copies kept of them are gone, and the server does not send them again so soon. Please update again in two hours.</source>
        <translation>Einige Bahnelement-Dateien wurden vor weniger als zwei Stunden abgerufen, aber ihre aufbewahrten Kopien fehlen, und der Server sendet sie so bald nicht erneut. Bitte aktualisieren Sie in zwei Stunden noch einmal.</translation>
    </message>
    <message>
        <source>Position Unknown</source>
        <translation>Position unbekannt</translation>
    </message>
    <message>
        <source>No location service answered. Please type your position, as coordinates or as a Maidenhead locator, on the Preferences tab.</source>
        <translation>Kein Ortungsdienst hat geantwortet. Bitte geben Sie Ihre Position im Reiter „Einstellungen“ ein, als Koordinaten oder als Maidenhead-Locator.</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>Enter Position</source>
        <translation>Position eingeben</translation>
    </message>
</context>
<context>
    <name>StationControl</name>
    <message>
        <source>Radio and rotator control are switched off in the preferences.</source>
        <translation>Funkgeräte- und Rotorsteuerung sind in den Einstellungen ausgeschaltet.</translation>
    </message>
    <message>
        <source>%1 has no pass to work.</source>
        <translation>%1 hat keinen Überflug, der sich arbeiten ließe.</translation>
    </message>
    <message>
        <source>%1 has no active frequency with a number in it.</source>
        <translation>%1 hat keine aktive Frequenz mit einem Zahlenwert.</translation>
    </message>
    <message>
        <source>The transmitter list could not be read: %1.</source>
        <translation>Die Senderliste konnte nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source> Nothing was changed.</source>
        <translation> Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 transmitters read; the frequencies of %2 satellites changed.</source>
        <translation>%1 Sender gelesen; die Frequenzen von %2 Satelliten wurden geändert.</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>der Server antwortete %1</translation>
    </message>
</context>
<context>
    <name>StationSettingsController</name>
    <message>
        <source>Radio and Rotator</source>
        <translation>Funkgerät und Rotor</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Eins</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Funkgerät</translation>
    </message>
    <message>
        <source>Radio control</source>
        <translation>Funkgerätesteuerung</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Update every (s)</source>
        <translation>Aktualisieren alle (s)</translation>
    </message>
    <message>
        <source>VFOs</source>
        <translation>VFOs</translation>
    </message>
    <message>
        <source>Frequency step (Hz)</source>
        <translation>Frequenzschritt (Hz)</translation>
    </message>
    <message>
        <source>The radio is driven through rigctld (port 4532). One: the downlink only on one VFO. Split: receiving on VFO A, sending on VFO B. Two: Main for the downlink, Sub for the uplink. A frequency change smaller than the step is not sent. Changes here take effect when tracking is next started.</source>
        <translation>Das Funkgerät wird über rigctld gesteuert (Port 4532). Eins: nur der Downlink auf einem VFO. Split: Empfang auf VFO A, Senden auf VFO B. Zwei: Main für den Downlink, Sub für den Uplink. Eine Frequenzänderung unter dem Schritt wird nicht gesendet. Änderungen hier gelten ab dem nächsten Start der Nachführung.</translation>
    </message>
    <message>
        <source>Rotator</source>
        <translation>Rotor</translation>
    </message>
    <message>
        <source>Rotator control</source>
        <translation>Rotorsteuerung</translation>
    </message>
    <message>
        <source>Azimuth from (°)</source>
        <translation>Azimut von (°)</translation>
    </message>
    <message>
        <source>Azimuth to (°)</source>
        <translation>Azimut bis (°)</translation>
    </message>
    <message>
        <source>Elevation from (°)</source>
        <translation>Elevation von (°)</translation>
    </message>
    <message>
        <source>Elevation to (°)</source>
        <translation>Elevation bis (°)</translation>
    </message>
    <message>
        <source>Start moving above (°)</source>
        <translation>Bewegen ab Elevation (°)</translation>
    </message>
    <message>
        <source>Park azimuth (°)</source>
        <translation>Parkazimut (°)</translation>
    </message>
    <message>
        <source>Park elevation (°)</source>
        <translation>Parkelevation (°)</translation>
    </message>
    <message>
        <source>Tolerance (°)</source>
        <translation>Toleranz (°)</translation>
    </message>
    <message>
        <source>The rotator is driven through rotctld (port 4533). An azimuth range beyond 360° (such as −180 to 540 or 0 to 450) lets a pass cross north without a swing; an elevation range to 180° lets the rotator flip over. Before AOS it waits at the rise, after LOS it parks.</source>
        <translation>Der Rotor wird über rotctld gesteuert (Port 4533). Ein Azimutbereich über 360° (etwa −180 bis 540 oder 0 bis 450) lässt einen Überflug Norden ohne Umschwenken queren; ein Elevationsbereich bis 180° lässt den Rotor überkopf drehen. Vor AOS wartet er am Aufgangspunkt, nach LOS fährt er in die Parkposition.</translation>
    </message>
    <message>
        <source>Transmitters</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Import with every element-set update</source>
        <translation>Bei jeder Aktualisierung der Bahnelemente importieren</translation>
    </message>
    <message>
        <source>List address</source>
        <translation>Adresse der Liste</translation>
    </message>
    <message>
        <source>Public database</source>
        <translation>Öffentliche Datenbank</translation>
    </message>
    <message>
        <source>Import transmitters now</source>
        <translation>Sender jetzt importieren</translation>
    </message>
    <message>
        <source>Each active transmitter becomes a frequency record, marked as imported, of the satellites with its catalogue number. Records you typed or changed are kept.</source>
        <translation>Jeder aktive Sender wird ein als importiert markierter Frequenzeintrag der Satelliten mit seiner Katalognummer. Von Ihnen eingegebene oder geänderte Einträge bleiben erhalten.</translation>
    </message>
    <message>
        <source>The radio and rotator settings could not be written to their file; they hold until Skelvor quits. Check that the data folder is writable.</source>
        <translation>Die Einstellungen für Funkgerät und Rotor konnten nicht in ihre Datei geschrieben werden; sie gelten, bis Skelvor beendet wird. Prüfen Sie, ob der Datenordner beschreibbar ist.</translation>
    </message>
    <message>
        <source>Importing transmitters…</source>
        <translation>Sender werden importiert …</translation>
    </message>
</context>
<context>
    <name>Switch</name>
    <message>
        <source>ON</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
</context>
<context>
    <name>TableView</name>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>TimelineController</name>
    <message>
        <source>Timeline</source>
        <translation>Zeitleiste</translation>
    </message>
    <message>
        <source>Timeline of the coming passes</source>
        <translation>Zeitleiste der kommenden Überflüge</translation>
    </message>
    <message>
        <source>Timeline, later hours</source>
        <translation>Zeitleiste, spätere Stunden</translation>
    </message>
    <message>
        <source>%1, pass from %2 to %3 %4</source>
        <translation>%1, Überflug von %2 bis %3 %4</translation>
    </message>
    <message>
        <source>%1, pass from %2 to %3 %4, visible from %5 to %6</source>
        <translation>%1, Überflug von %2 bis %3 %4, sichtbar von %5 bis %6</translation>
    </message>
</context>
<context>
    <name>TimelineView</name>
    <message>
        <source>Timeline</source>
        <translation>Zeitleiste</translation>
    </message>
</context>
<context>
    <name>TonightController</name>
    <message>
        <source>Tonight</source>
        <translation>Heute Nacht</translation>
    </message>
    <message>
        <source>No night here today</source>
        <translation>Heute keine Nacht an diesem Ort</translation>
    </message>
    <message>
        <source>Dusk %1 to dawn %2 (%3)</source>
        <translation>Dunkel von %1 bis %2 (%3)</translation>
    </message>
    <message>
        <source>Visible %1 to %2, highest %3°</source>
        <translation>Sichtbar %1 bis %2, höchste Erhebung %3°</translation>
    </message>
    <message>
        <source>No satellite of the catalogue can be seen tonight.</source>
        <translation>Heute Nacht ist kein Satellit des Katalogs zu sehen.</translation>
    </message>
    <message>
        <source>There is no night here today, so no pass can be seen.</source>
        <translation>Hier wird es heute nicht Nacht, daher ist kein Überflug zu sehen.</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>All categories</source>
        <translation>Alle Kategorien</translation>
    </message>
    <message>
        <source>Looking through the catalogue…</source>
        <translation>Der Katalog wird durchsucht …</translation>
    </message>
</context>
<context>
    <name>TrackingPanel</name>
    <message>
        <source>What is sent to the radio and the rotator</source>
        <translation>Was an Funkgerät und Rotor gesendet wird</translation>
    </message>
    <message>
        <source>Stop tracking</source>
        <translation>Nachführung beenden</translation>
    </message>
    <message>
        <source>Start tracking</source>
        <translation>Nachführung starten</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Funkgerät</translation>
    </message>
    <message>
        <source>Rotator</source>
        <translation>Rotor</translation>
    </message>
    <message>
        <source>%1 is being tracked; starting here stops that.</source>
        <translation>%1 wird nachgeführt; ein Start hier beendet das.</translation>
    </message>
    <message>
        <source>Sends this pass to the radio and the rotator.</source>
        <translation>Sendet diesen Überflug an Funkgerät und Rotor.</translation>
    </message>
    <message>
        <source>Sends this pass to the radio.</source>
        <translation>Sendet diesen Überflug an das Funkgerät.</translation>
    </message>
    <message>
        <source>Sends this pass to the rotator.</source>
        <translation>Sendet diesen Überflug an den Rotor.</translation>
    </message>
</context>
<context>
    <name>TrackingSession</name>
    <message>
        <source>not a frequency</source>
        <translation>keine Frequenz</translation>
    </message>
    <message>
        <source>the mode &quot;%1&quot; is not one the radio takes</source>
        <translation>die Betriebsart „%1“ kennt das Funkgerät nicht</translation>
    </message>
</context>
<context>
    <name>TransmitterList</name>
    <message>
        <source>The transmitter list is larger than %1 MB.</source>
        <translation>Die Senderliste ist größer als %1 MB.</translation>
    </message>
    <message>
        <source>The transmitter list is not JSON (%1).</source>
        <translation>Die Senderliste ist kein JSON (%1).</translation>
    </message>
    <message>
        <source>The transmitter list is not a list.</source>
        <translation>Die Senderliste ist keine Liste.</translation>
    </message>
    <message>
        <source>The transmitter list has more than %1 entries.</source>
        <translation>Die Senderliste hat mehr als %1 Einträge.</translation>
    </message>
    <message>
        <source>The transmitter list is empty.</source>
        <translation>Die Senderliste ist leer.</translation>
    </message>
</context>
<context>
    <name>UpdateCategoriesController</name>
    <message>
        <source>Update Categories</source>
        <translation>Kategorien aktualisieren</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Check every category</source>
        <translation>Alle Kategorien auswählen</translation>
    </message>
    <message>
        <source>At least one category stays checked: an update always fetches one.</source>
        <translation>Mindestens eine Kategorie bleibt ausgewählt: eine Aktualisierung lädt immer eine.</translation>
    </message>
    <message>
        <source>The server&apos;s categories are listed here after the first element-set update has read them.</source>
        <translation>Die Kategorien des Servers erscheinen hier, sobald die erste Aktualisierung der Bahnelemente sie gelesen hat.</translation>
    </message>
    <message>
        <source>An element-set update fetches the checked categories.</source>
        <translation>Eine Aktualisierung der Bahnelemente lädt die ausgewählten Kategorien.</translation>
    </message>
    <message>
        <source>Dropped by the server; updates leave it out</source>
        <translation>Vom Server entfernt; Aktualisierungen lassen sie aus</translation>
    </message>
</context>
<context>
    <name>ViewController</name>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Edit the list (Ctrl+E)</source>
        <translation>Liste bearbeiten (Strg+E)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Satellite tracker</source>
        <translation>Satellitenverfolgung</translation>
    </message>
    <message>
        <source>Root address of the element-set server (&apos;sample&apos;: the bundled samples).</source>
        <translation>Stammadresse des Bahnelement-Servers (&apos;sample&apos;: die mitgelieferten Beispiele).</translation>
    </message>
    <message>
        <source>Place the observer at a fixed default location.</source>
        <translation>Den Beobachter an einen festen Standardstandort setzen.</translation>
    </message>
</context>
<context>
    <name>skelvor-cli</name>
    <message>
        <source>the form of the answers (table by default)</source>
        <translation>die Form der Antworten (Vorgabe: table)</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option --%1 given twice</source>
        <translation>Option --%1 doppelt angegeben</translation>
    </message>
    <message>
        <source>option --%1 is required</source>
        <translation>Option --%1 ist erforderlich</translation>
    </message>
    <message>
        <source>--%1 must lie between %2 and %3</source>
        <translation>--%1 muss zwischen %2 und %3 liegen</translation>
    </message>
    <message>
        <source>--%1 values must lie between %2 and %3</source>
        <translation>die Werte von --%1 müssen zwischen %2 und %3 liegen</translation>
    </message>
    <message>
        <source>--format takes table, csv or json, not &apos;%1&apos;</source>
        <translation>--format nimmt table, csv oder json, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--%1: &apos;%2&apos; is not a number</source>
        <translation>--%1: &apos;%2&apos; ist keine Zahl</translation>
    </message>
    <message>
        <source>--%1: &apos;%2&apos; is not an ISO 8601 time such as 2026-12-06T21:00:00Z</source>
        <translation>--%1: &apos;%2&apos; ist keine ISO-8601-Zeit wie 2026-12-06T21:00:00Z</translation>
    </message>
    <message>
        <source>--%1: &apos;%2&apos; lies outside the years %3 to %4</source>
        <translation>--%1: &apos;%2&apos; liegt außerhalb der Jahre %3 bis %4</translation>
    </message>
    <message>
        <source>element sets, three-line or CSV (&apos;-&apos;: standard input)</source>
        <translation>Bahnelementsätze, Dreizeilen- oder CSV-Format (&apos;-&apos;: Standardeingabe)</translation>
    </message>
    <message>
        <source>the observer&apos;s latitude, north positive</source>
        <translation>die Breite des Beobachters, Nord positiv</translation>
    </message>
    <message>
        <source>the observer&apos;s longitude, east positive</source>
        <translation>die Länge des Beobachters, Ost positiv</translation>
    </message>
    <message>
        <source>the observer&apos;s altitude (0 by default)</source>
        <translation>die Höhe des Beobachters (Vorgabe: 0)</translation>
    </message>
    <message>
        <source>ISO 8601 UTC times, such as 2026-12-06T21:00:00Z, or now</source>
        <translation>ISO-8601-Zeiten in UTC wie 2026-12-06T21:00:00Z, oder now</translation>
    </message>
    <message>
        <source>the saved state %1 cannot be read: %2</source>
        <translation>der gespeicherte Zustand %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>no satellite is selected in the saved state (%1)</source>
        <translation>im gespeicherten Zustand ist kein Satellit ausgewählt (%1)</translation>
    </message>
    <message>
        <source>State vectors in km and km/s, in the model&apos;s frame, at minutes from each set&apos;s epoch.</source>
        <translation>Zustandsvektoren in km und km/s im Bezugssystem des Modells, Minuten nach der Epoche jedes Satzes.</translation>
    </message>
    <message>
        <source>minutes from the epoch, within 10,000,000 either way</source>
        <translation>Minuten ab der Epoche, höchstens 10.000.000 in jede Richtung</translation>
    </message>
    <message>
        <source>Where each satellite stands in the observer&apos;s sky, and over the Earth.</source>
        <translation>Wo jeder Satellit am Himmel des Beobachters und über der Erde steht.</translation>
    </message>
    <message>
        <source>the start, an ISO 8601 UTC time or now (now by default)</source>
        <translation>der Beginn, eine ISO-8601-Zeit in UTC oder now (Vorgabe: now)</translation>
    </message>
    <message>
        <source>days to list passes for, 0 to 366 (1 by default)</source>
        <translation>Tage, für die Überflüge aufgelistet werden, 0 bis 366 (Vorgabe: 1)</translation>
    </message>
    <message>
        <source>whole degrees a pass must reach (0 by default)</source>
        <translation>ganze Grad, die ein Überflug erreichen muss (Vorgabe: 0)</translation>
    </message>
    <message>
        <source>The Sun&apos;s azimuth and elevation.</source>
        <translation>Azimut und Erhebung der Sonne.</translation>
    </message>
    <message>
        <source>The Moon&apos;s azimuth and elevation.</source>
        <translation>Azimut und Erhebung des Mondes.</translation>
    </message>
    <message>
        <source>The Doppler-corrected downlink and uplink (Hz) over the next pass.</source>
        <translation>Dopplerkorrigierter Downlink und Uplink (Hz) während des nächsten Überflugs.</translation>
    </message>
    <message>
        <source>the set to answer (the file&apos;s first set by default)</source>
        <translation>der zu beantwortende Satz (Vorgabe: der erste Satz der Datei)</translation>
    </message>
    <message>
        <source>the pass after this instant (now by default)</source>
        <translation>der Überflug nach diesem Zeitpunkt (Vorgabe: now)</translation>
    </message>
    <message>
        <source>downlink in MHz</source>
        <translation>Downlink in MHz</translation>
    </message>
    <message>
        <source>uplink in MHz</source>
        <translation>Uplink in MHz</translation>
    </message>
    <message>
        <source>seconds between rows (10 by default)</source>
        <translation>Sekunden zwischen den Zeilen (Vorgabe: 10)</translation>
    </message>
    <message>
        <source>Works the next pass with a radio and a rotator through their control daemons, printing every command as it is sent.</source>
        <translation>Arbeitet den nächsten Überflug mit Funkgerät und Rotor über deren Steuer-Daemons und gibt jeden Befehl beim Senden aus.</translation>
    </message>
    <message>
        <source>usage:
</source>
        <translation>Aufruf:
</translation>
    </message>
    <message>
        <source>usage: skelvor-cli %1 %2
%3

options:
</source>
        <translation>Aufruf: skelvor-cli %1 %2
%3

Optionen:
</translation>
    </message>
    <message>
        <source>this text</source>
        <translation>dieser Text</translation>
    </message>
    <message>
        <source>skelvor-cli: no command given (see skelvor-cli --help)
</source>
        <translation>skelvor-cli: kein Befehl angegeben (siehe skelvor-cli --help)
</translation>
    </message>
    <message>
        <source>unknown command (see skelvor-cli --help)</source>
        <translation>unbekannter Befehl (siehe skelvor-cli --help)</translation>
    </message>
    <message>
        <source>%1 (catalogue number %2): %3
</source>
        <translation>%1 (Katalognummer %2): %3
</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1: %2
</source>
        <translation>%1: %2
</translation>
    </message>
    <message>
        <source>%1 holds no usable element set</source>
        <translation>%1 enthält keinen verwendbaren Bahnelementsatz</translation>
    </message>
    <message>
        <source>no element set with catalogue number %1 in the file</source>
        <translation>kein Bahnelementsatz mit der Katalognummer %1 in der Datei</translation>
    </message>
    <message>
        <source>--%1 takes a frequency such as 145.9 or 2400 kHz</source>
        <translation>--%1 nimmt eine Frequenz wie 145.9 oder 2400 kHz</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>skelvor-cli: cannot write the answers: %1
</source>
        <translation>skelvor-cli: die Antworten können nicht geschrieben werden: %1
</translation>
    </message>
    <message>
        <source>--min-elevation takes whole degrees</source>
        <translation>--min-elevation nimmt ganze Grad</translation>
    </message>
    <message>
        <source>the orbit model gives no position at %1</source>
        <translation>das Bahnmodell liefert keine Position für %1</translation>
    </message>
    <message>
        <source>the orbit model gives no state at %1 minutes</source>
        <translation>das Bahnmodell liefert keinen Zustand bei %1 Minuten</translation>
    </message>
    <message>
        <source>--%1 takes HOST:PORT, such as 127.0.0.1:4532</source>
        <translation>--%1 nimmt HOST:PORT, etwa 127.0.0.1:4532</translation>
    </message>
    <message>
        <source>--%1 takes two numbers as A:B</source>
        <translation>--%1 nimmt zwei Zahlen als A:B</translation>
    </message>
    <message>
        <source>--%1 lies between %2 and %3</source>
        <translation>--%1 liegt zwischen %2 und %3</translation>
    </message>
    <message>
        <source>--vfo takes single, split or two</source>
        <translation>--vfo nimmt single, split oder two</translation>
    </message>
    <message>
        <source>--downlink and --uplink take frequencies such as 145.9 or 435.8-435.85</source>
        <translation>--downlink und --uplink nehmen Frequenzen wie 145.9 oder 435.8-435.85</translation>
    </message>
    <message>
        <source>the set to track (the file&apos;s first set by default)</source>
        <translation>der zu verfolgende Satz (Vorgabe: der erste Satz der Datei)</translation>
    </message>
    <message>
        <source>the radio&apos;s rigctld</source>
        <translation>rigctld des Funkgeräts</translation>
    </message>
    <message>
        <source>the rotator&apos;s rotctld</source>
        <translation>rotctld des Rotors</translation>
    </message>
    <message>
        <source>print the commands without connecting</source>
        <translation>die Befehle ausgeben, ohne sich zu verbinden</translation>
    </message>
    <message>
        <source>downlink in MHz, or a passband such as 435.8-435.85</source>
        <translation>Downlink in MHz, oder ein Durchlassbereich wie 435.8-435.85</translation>
    </message>
    <message>
        <source>uplink in MHz, or a passband</source>
        <translation>Uplink in MHz, oder ein Durchlassbereich</translation>
    </message>
    <message>
        <source>the radio&apos;s mode, such as USB</source>
        <translation>die Betriebsart des Funkgeräts, etwa USB</translation>
    </message>
    <message>
        <source>the transponder inverts its passband</source>
        <translation>der Transponder ist invertierend</translation>
    </message>
    <message>
        <source>how the radio holds uplink and downlink (single by default)</source>
        <translation>wie das Funkgerät Uplink und Downlink führt (Vorgabe: single)</translation>
    </message>
    <message>
        <source>the least change of frequency that is sent</source>
        <translation>die kleinste Frequenzänderung, die gesendet wird</translation>
    </message>
    <message>
        <source>seconds between updates, 0.2 to 60</source>
        <translation>Sekunden zwischen Aktualisierungen, 0,2 bis 60</translation>
    </message>
    <message>
        <source>the rotator&apos;s azimuth range, such as 0:450</source>
        <translation>der Azimutbereich des Rotors, etwa 0:450</translation>
    </message>
    <message>
        <source>the rotator&apos;s elevation range, such as 0:180 for flip-over</source>
        <translation>der Elevationsbereich des Rotors, etwa 0:180 für Überkopfbetrieb</translation>
    </message>
    <message>
        <source>the park position</source>
        <translation>die Parkposition</translation>
    </message>
    <message>
        <source>the least change of position that is sent</source>
        <translation>die kleinste Positionsänderung, die gesendet wird</translation>
    </message>
    <message>
        <source>the elevation at which the rotator starts to follow</source>
        <translation>die Erhebung, ab der der Rotor nachführt</translation>
    </message>
    <message>
        <source>whole degrees the pass must reach (0 by default)</source>
        <translation>ganze Grad, die der Überflug erreichen muss (Vorgabe: 0)</translation>
    </message>
    <message>
        <source>run on a simulated clock from this instant</source>
        <translation>mit simulierter Uhr ab diesem Zeitpunkt laufen</translation>
    </message>
    <message>
        <source>that many times faster than real time</source>
        <translation>so viel mal schneller als in Echtzeit</translation>
    </message>
    <message>
        <source>--rig needs --downlink or --uplink</source>
        <translation>--rig braucht --downlink oder --uplink</translation>
    </message>
    <message>
        <source>give --rig, --rotator or --dry-run</source>
        <translation>geben Sie --rig, --rotator oder --dry-run an</translation>
    </message>
    <message>
        <source>%1 has no pass within ten days</source>
        <translation>%1 hat innerhalb von zehn Tagen keinen Überflug</translation>
    </message>
    <message>
        <source># %1 (%2): AOS %3, LOS %4</source>
        <translation># %1 (%2): AOS %3, LOS %4</translation>
    </message>
    <message>
        <source># rotator: %1%2</source>
        <translation># Rotor: %1%2</translation>
    </message>
    <message>
        <source>flipped over the zenith</source>
        <translation>über den Zenit gekippt</translation>
    </message>
    <message>
        <source>not flipped</source>
        <translation>nicht gekippt</translation>
    </message>
    <message>
        <source>, held at a stop for part of the pass</source>
        <translation>, für einen Teil des Überflugs am Anschlag gehalten</translation>
    </message>
    <message>
        <source># the pass is over</source>
        <translation># der Überflug ist vorüber</translation>
    </message>
    <message>
        <source>the Sun&apos;s elevation below which it is dark, %1 to %2 (%3 by default)</source>
        <translation>die Sonnenhöhe, unter der es dunkel ist, %1 bis %2 (Vorgabe: %3)</translation>
    </message>
    <message>
        <source>The passes of each satellite, one after another. Without --tle: the satellites selected in the saved state, and its observer. --format ics gives an iCalendar file, with what of each pass can be seen.</source>
        <translation>Die Überflüge jedes Satelliten, einer nach dem anderen. Ohne --tle: die im gespeicherten Zustand ausgewählten Satelliten und dessen Beobachter. --format ics ergibt eine iCalendar-Datei mit dem, was von jedem Überflug zu sehen ist.</translation>
    </message>
    <message>
        <source>Every visible pass of the whole catalogue from dusk to dawn, in time order. Without --tle: the catalogue of the saved state, and its observer. --format ics gives an iCalendar file.</source>
        <translation>Jeder sichtbare Überflug des ganzen Katalogs von der Abend- bis zur Morgendämmerung, zeitlich geordnet. Ohne --tle: der Katalog des gespeicherten Zustands und dessen Beobachter. --format ics ergibt eine iCalendar-Datei.</translation>
    </message>
    <message>
        <source>the night under way then, or the next (now by default)</source>
        <translation>die dann laufende Nacht oder die nächste (Vorgabe: now)</translation>
    </message>
    <message>
        <source>only the saved catalogue&apos;s satellites of these categories</source>
        <translation>nur die Satelliten des gespeicherten Katalogs aus diesen Kategorien</translation>
    </message>
</context>
</TS>
