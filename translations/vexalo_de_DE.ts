<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>About ZUN</source>
        <translation>Über ZUN</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>Urheberrecht:</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Tessarund</source>
        <translation>Tessarund</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;about vexalo</source>
        <translation>&amp;Über vexalo</translation>
    </message>
    <message>
        <source>about &amp;Qt</source>
        <translation>Über &amp;Qt</translation>
    </message>
    <message>
        <source>Add Port</source>
        <translation>Port hinzufügen</translation>
    </message>
    <message>
        <source>Add Device</source>
        <translation>Gerät hinzufügen</translation>
    </message>
    <message>
        <source>Delete Port</source>
        <translation>Port löschen</translation>
    </message>
    <message>
        <source>Edit &amp;Port</source>
        <translation>&amp;Port bearbeiten</translation>
    </message>
    <message>
        <source>Delete Device</source>
        <translation>Gerät löschen</translation>
    </message>
    <message>
        <source>Edit &amp;Device</source>
        <translation>&amp;Gerät bearbeiten</translation>
    </message>
    <message>
        <source>Network de&amp;lete</source>
        <translation>Netzwerk &amp;löschen</translation>
    </message>
    <message>
        <source>Network &amp;create</source>
        <translation>Netzwerk &amp;erstellen</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Ein&amp;fügen</translation>
    </message>
    <message>
        <source>Unable to create default network configuration</source>
        <translation>Die Standard-Netzwerkkonfiguration kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>QUARN network files (*.net)</source>
        <translation>QUARN-Netzwerkdateien (*.net)</translation>
    </message>
    <message>
        <source>Save network configuration</source>
        <translation>Netzwerkkonfiguration speichern</translation>
    </message>
    <message>
        <source>Create default network configuration file?</source>
        <translation>Standard-Netzwerkkonfigurationsdatei erstellen?</translation>
    </message>
    <message>
        <source>Load network configuration file</source>
        <translation>Netzwerkkonfigurationsdatei laden</translation>
    </message>
    <message>
        <source>Save default network configuration</source>
        <translation>Standard-Netzwerkkonfiguration speichern</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the whole network</source>
        <translation>Wollen Sie wirklich das ganze Netzwerk löschen</translation>
    </message>
    <message>
        <source>Delete Network</source>
        <translation>Netzwerk löschen</translation>
    </message>
    <message>
        <source>Export network file</source>
        <translation>Netzwerkdatei exportieren</translation>
    </message>
    <message>
        <source>Import network file</source>
        <translation>Netzwerkdatei importieren</translation>
    </message>
    <message>
        <source>Save network configuration file</source>
        <translation>Netzwerkkonfigurationsdatei speichern</translation>
    </message>
    <message>
        <source>Add port request</source>
        <translation>Port hinzufügen</translation>
    </message>
    <message>
        <source>Add device request</source>
        <translation>Gerät hinzufügen</translation>
    </message>
    <message>
        <source>Delete port %1?</source>
        <translation>Port %1 löschen?</translation>
    </message>
    <message>
        <source>Delete device %1?</source>
        <translation>Gerät %1 löschen?</translation>
    </message>
    <message>
        <source>Enquiry</source>
        <translation>Rückfrage</translation>
    </message>
    <message>
        <source>The network configuration is already open in another window. Changes saved in one window overwrite those of the other. Open it anyway?</source>
        <translation>Die Netzwerkkonfiguration ist bereits in einem anderen Fenster geöffnet. In einem Fenster gespeicherte Änderungen überschreiben die des anderen. Trotzdem öffnen?</translation>
    </message>
    <message>
        <source>%1 connected: %2</source>
        <translation>%1 verbunden: %2</translation>
    </message>
    <message>
        <source>%1 connected: %2, serial %3</source>
        <translation>%1 verbunden: %2, Seriennummer %3</translation>
    </message>
    <message>
        <source>%1 disconnected</source>
        <translation>%1 getrennt</translation>
    </message>
    <message>
        <source>Not present on this computer</source>
        <translation>Auf diesem Computer nicht vorhanden</translation>
    </message>
    <message>
        <source>The adapter of %1 (%2) is now %3. Move the settings and devices of %1 to %3?</source>
        <translation>Der Adapter von %1 (%2) ist jetzt %3. Einstellungen und Geräte von %1 nach %3 verschieben?</translation>
    </message>
    <message>
        <source>Description: %1</source>
        <translation>Beschreibung: %1</translation>
    </message>
    <message>
        <source>Manufacturer: %1</source>
        <translation>Hersteller: %1</translation>
    </message>
    <message>
        <source>VID:PID: %1</source>
        <translation>VID:PID: %1</translation>
    </message>
    <message>
        <source>Serial number: %1</source>
        <translation>Seriennummer: %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>Pfad: %1</translation>
    </message>
    <message>
        <source>location %1</source>
        <translation>USB-Anschluss %1</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>Seriennummer %1</translation>
    </message>
    <message>
        <source>%1 connected</source>
        <translation>%1 verbunden</translation>
    </message>
</context>
<context>
    <name>NetCommand</name>
    <message>
        <source>There is no kept version %1 (there are %2)</source>
        <translation>Es gibt keine aufbewahrte Version %1 (es gibt %2)</translation>
    </message>
    <message>
        <source>The network configuration is open in an editor; close it and try again.</source>
        <translation>Die Netzwerkkonfiguration ist in einem Editor geöffnet; schließen Sie ihn und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Kept version %1 restored to &quot;%2&quot;</source>
        <translation>Aufbewahrte Version %1 nach &quot;%2&quot; zurückgeschrieben</translation>
    </message>
    <message>
        <source>Usage: vexalo-net [-l LANGUAGE] COMMAND
  check [--here] FILE...  tells whether each file would load, with its counts
  diff A B                lists the differences of two networks
  show FILE               lists the rows as the editor shows them
  backups                 lists the kept versions of the configuration
  restore N               writes kept version N over the configuration
  install FILE            writes FILE over the configuration if it loads
  default [FILE]          writes the network the editor would make here
A network is a FILE, - (standard input), config (the configuration) or backup:N
(the Nth newest kept version).
</source>
        <translation>Aufruf: vexalo-net [-l SPRACHE] BEFEHL
  check [--here] DATEI... sagt, ob jede Datei geladen würde, mit ihren Anzahlen
  diff A B                listet die Unterschiede zweier Netzwerke auf
  show DATEI              listet die Zeilen auf, wie der Editor sie zeigt
  backups                 listet die aufbewahrten Versionen der Konfiguration auf
  restore N               schreibt die aufbewahrte Version N über die Konfiguration
  install DATEI           schreibt DATEI über die Konfiguration, wenn sie geladen würde
  default [DATEI]         schreibt das Netzwerk, das der Editor hier anlegen würde
Ein Netzwerk ist eine DATEI, - (Standardeingabe), config (die Konfiguration) oder
backup:N (die N-neueste aufbewahrte Version).
</translation>
    </message>
    <message>
        <source>&quot;%1&quot; installed as &quot;%2&quot;</source>
        <translation>&quot;%1&quot; als &quot;%2&quot; eingesetzt</translation>
    </message>
</context>
<context>
    <name>NetworkDevicePropertiesDialog</name>
    <message>
        <source>Network Device Properties</source>
        <translation>Eigenschaften des Netzwerkgeräts</translation>
    </message>
    <message>
        <source>Retries:</source>
        <translation>Wiederholungen:</translation>
    </message>
    <message>
        <source>Inherit</source>
        <translation>Erben</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>Verzögerung:</translation>
    </message>
</context>
<context>
    <name>NetworkDiff</name>
    <message>
        <source>Port &quot;%1&quot;: device %2 removed</source>
        <translation>Port &quot;%1&quot;: Gerät %2 entfernt</translation>
    </message>
    <message>
        <source>Port &quot;%1&quot;: device %2 added</source>
        <translation>Port &quot;%1&quot;: Gerät %2 hinzugefügt</translation>
    </message>
    <message>
        <source>Port &quot;%1&quot; removed</source>
        <translation>Port &quot;%1&quot; entfernt</translation>
    </message>
    <message>
        <source>Port &quot;%1&quot; added</source>
        <translation>Port &quot;%1&quot; hinzugefügt</translation>
    </message>
    <message>
        <source>inherited</source>
        <translation>geerbt</translation>
    </message>
    <message>
        <source>type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>master ID</source>
        <translation>Master-ID</translation>
    </message>
    <message>
        <source>retries</source>
        <translation>Wiederholungen</translation>
    </message>
    <message>
        <source>delay</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Port &quot;%1&quot;: %2 changed from %3 to %4</source>
        <translation>Port &quot;%1&quot;: %2 von %3 auf %4 geändert</translation>
    </message>
    <message>
        <source>Port &quot;%1&quot;: device %2: %3 changed from %4 to %5</source>
        <translation>Port &quot;%1&quot;: Gerät %2: %3 von %4 auf %5 geändert</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n port(s)</source>
        <translation>
            <numerusform>%n Port</numerusform>
            <numerusform>%n Ports</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n device(s)</source>
        <translation>
            <numerusform>%n Gerät</numerusform>
            <numerusform>%n Geräte</numerusform>
        </translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <translation>%1 geändert</translation>
    </message>
</context>
<context>
    <name>NetworkFile</name>
    <message>
        <source>Unable to read file &quot;%1&quot;</source>
        <translation>Die Datei &quot;%1&quot; kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Unable to write file &quot;%1&quot;</source>
        <translation>Die Datei &quot;%1&quot; kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>NetworkFormat</name>
    <message>
        <source>Invalid device type &quot;%1&quot;</source>
        <translation>Ungültiger Gerätetyp &quot;%1&quot;</translation>
    </message>
    <message>
        <source>TCU structure is not an object</source>
        <translation>TCU-Struktur ist kein Objekt</translation>
    </message>
    <message>
        <source>Port structure is not an object</source>
        <translation>Port-Struktur ist kein Objekt</translation>
    </message>
    <message>
        <source>Unable to parse file &quot;%1&quot;: %2</source>
        <translation>Die Datei &quot;%1&quot; kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>NetworkPortPropertiesDialog</name>
    <message>
        <source>Network Port Properties</source>
        <translation>Eigenschaften des Netzwerkports</translation>
    </message>
    <message>
        <source>Port type</source>
        <translation>Porttyp</translation>
    </message>
    <message>
        <source>Not used</source>
        <translation>Nicht verwendet</translation>
    </message>
    <message>
        <source>Local TCU</source>
        <translation>Lokale TCU</translation>
    </message>
    <message>
        <source>LRR network</source>
        <translation>LRR-Netzwerk</translation>
    </message>
    <message>
        <source>Master ID:</source>
        <translation>Master-ID:</translation>
    </message>
    <message>
        <source>Retries:</source>
        <translation>Wiederholungen:</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>Verzögerung:</translation>
    </message>
</context>
<context>
    <name>NetworkReport</name>
    <message>
        <source>warning: master ID %1 is set on several LRR ports: %2</source>
        <translation>Warnung: Master-ID %1 ist an mehreren LRR-Ports gesetzt: %2</translation>
    </message>
    <message>
        <source>warning: port %1 is not on this machine</source>
        <translation>Warnung: Port %1 gibt es auf diesem Rechner nicht</translation>
    </message>
</context>
<context>
    <name>NetworkRules</name>
    <message>
        <source>Port &quot;%1&quot; is already defined</source>
        <translation>Port &quot;%1&quot; ist bereits definiert</translation>
    </message>
    <message>
        <source>Master ID %1 is invalid [1..255]</source>
        <translation>Master-ID %1 ist ungültig [1..255]</translation>
    </message>
    <message>
        <source>Submaster ID %1 is invalid [1..255]</source>
        <translation>Submaster-ID %1 ist ungültig [1..255]</translation>
    </message>
    <message>
        <source>Submaster ID %1 is already in use</source>
        <translation>Submaster-ID %1 wird bereits verwendet</translation>
    </message>
</context>
<context>
    <name>NewNetworkDeviceWizard</name>
    <message>
        <source>New Network Device Wizard</source>
        <translation>Assistent für neue Netzwerkgeräte</translation>
    </message>
    <message>
        <source>Choose submaster ID</source>
        <translation>Submaster-ID wählen</translation>
    </message>
    <message>
        <source>Submaster ID:</source>
        <translation>Submaster-ID:</translation>
    </message>
    <message>
        <source>You have now successfully configured a new device.</source>
        <translation>Sie haben erfolgreich ein neues Gerät eingerichtet.</translation>
    </message>
</context>
<context>
    <name>NewNetworkPortWizard</name>
    <message>
        <source>New Network Port Wizard</source>
        <translation>Assistent für neue Netzwerkports</translation>
    </message>
    <message>
        <source>Choose port name</source>
        <translation>Portnamen wählen</translation>
    </message>
    <message>
        <source>Port name:</source>
        <translation>Portname:</translation>
    </message>
    <message>
        <source>Choose network type</source>
        <translation>Netzwerktyp wählen</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source> (inherit)</source>
        <translation> (geerbt)</translation>
    </message>
    <message>
        <source>retries: %1%2, delay: %3%4</source>
        <translation>Wiederholungen: %1%2, Verzögerung: %3%4</translation>
    </message>
    <message>
        <source>Not used</source>
        <translation>Nicht verwendet</translation>
    </message>
    <message>
        <source>Direct TCU</source>
        <translation>Direkte TCU</translation>
    </message>
    <message>
        <source>LRR ID: %1, retries: %2, delay: %3</source>
        <translation>LRR-ID: %1, Wiederholungen: %2, Verzögerung: %3</translation>
    </message>
    <message>
        <source>Master ID:</source>
        <translation>Master-ID:</translation>
    </message>
    <message>
        <source>Local TCU</source>
        <translation>Lokale TCU</translation>
    </message>
    <message>
        <source>LRR Network</source>
        <translation>LRR-Netzwerk</translation>
    </message>
</context>
</TS>
