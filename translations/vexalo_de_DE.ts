<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <location filename="../dialogs/about.ui" line="+20"/>
        <source>About ZUN</source>
        <translation>Über ZUN</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../mainwindow/mainwindow.ui" line="+14"/>
        <source>Tessarund</source>
        <translation>Tessarund</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;about vexalo</source>
        <translation>&amp;Über vexalo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>about &amp;Qt</source>
        <translation>Über &amp;Qt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Add Port</source>
        <translation>Port hinzufügen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Add Device</source>
        <translation>Gerät hinzufügen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Delete Port</source>
        <translation>Port löschen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Edit &amp;Port</source>
        <translation>&amp;Port bearbeiten</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Delete Device</source>
        <translation>Gerät löschen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Edit &amp;Device</source>
        <translation>&amp;Gerät bearbeiten</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Network de&amp;lete</source>
        <translation>Netzwerk &amp;löschen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Network &amp;create</source>
        <translation>Netzwerk &amp;erstellen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Cut</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>C&amp;opy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Paste</source>
        <translation>Ein&amp;fügen</translation>
    </message>
    <message>
        <location filename="../mainwindow/portoperations.cpp" line="+34"/>
        <source>Port &quot;%1&quot; is already defined</source>
        <translation>Port &quot;%1&quot; ist bereits definiert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Master ID %1 is invalid [1..255]</source>
        <translation>Master-ID %1 ist ungültig [1..255]</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Submaster ID %1 is invalid [1..255]</source>
        <translation>Submaster-ID %1 ist ungültig [1..255]</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Submaster ID %1 is already in use</source>
        <translation>Submaster-ID %1 wird bereits verwendet</translation>
    </message>
    <message>
        <location filename="../storage/networkcommands.cpp" line="+17"/>
        <source>Unable to create default network configuration</source>
        <translation>Die Standard-Netzwerkkonfiguration kann nicht erstellt werden</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>QUARN network files (*.net)</source>
        <translation>QUARN-Netzwerkdateien (*.net)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Save network configuration</source>
        <translation>Netzwerkkonfiguration speichern</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Create default network configuration file?</source>
        <translation>Standard-Netzwerkkonfigurationsdatei erstellen?</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../storage/networkfile.cpp" line="+99"/>
        <source>Load network configuration file</source>
        <translation>Netzwerkkonfigurationsdatei laden</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Save default network configuration</source>
        <translation>Standard-Netzwerkkonfiguration speichern</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Are you sure you want to delete the whole network</source>
        <translation>Wollen Sie wirklich das ganze Netzwerk löschen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Delete Network</source>
        <translation>Netzwerk löschen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Export network file</source>
        <translation>Netzwerkdatei exportieren</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+9"/>
        <source>Import network file</source>
        <translation>Netzwerkdatei importieren</translation>
    </message>
    <message>
        <location filename="../storage/networkfile.cpp" line="-23"/>
        <source>Unable to write file &quot;%1&quot;</source>
        <translation>Die Datei &quot;%1&quot; kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save network configuration file</source>
        <translation>Netzwerkkonfigurationsdatei speichern</translation>
    </message>
    <message>
        <location filename="../storage/networkformat.cpp" line="+81"/>
        <source>Invalid device type &quot;%1&quot;</source>
        <translation>Ungültiger Gerätetyp &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>TCU structure is not an object</source>
        <translation>TCU-Struktur ist kein Objekt</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Port structure is not an object</source>
        <translation>Port-Struktur ist kein Objekt</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Unable to parse file &quot;%1&quot;: %2</source>
        <translation>Die Datei &quot;%1&quot; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location filename="../mainwindow/editcommands.cpp" line="+45"/>
        <source>Add port request</source>
        <translation>Port hinzufügen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Add device request</source>
        <translation>Gerät hinzufügen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Delete port %1?</source>
        <translation>Port %1 löschen?</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Delete device %1?</source>
        <translation>Gerät %1 löschen?</translation>
    </message>
    <message>
        <location filename="../mainwindow/messageboxes.cpp" line="+11"/>
        <source>Enquiry</source>
        <translation>Rückfrage</translation>
    </message>
</context>
<context>
    <name>NetworkDevicePropertiesDialog</name>
    <message>
        <location filename="../dialogs/networkdevicepropertiesdialog.ui" line="+14"/>
        <source>Network Device Properties</source>
        <translation>Eigenschaften des Netzwerkgeräts</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Retries:</source>
        <translation>Wiederholungen:</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+34"/>
        <source>Inherit</source>
        <translation>Erben</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Delay:</source>
        <translation>Verzögerung:</translation>
    </message>
</context>
<context>
    <name>NetworkPortPropertiesDialog</name>
    <message>
        <location filename="../dialogs/networkportpropertiesdialog.ui" line="+14"/>
        <source>Network Port Properties</source>
        <translation>Eigenschaften des Netzwerkports</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Port type</source>
        <translation>Porttyp</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Not used</source>
        <translation>Nicht verwendet</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Local TCU</source>
        <translation>Lokale TCU</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>LRR network</source>
        <translation>LRR-Netzwerk</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Master ID:</source>
        <translation>Master-ID:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Retries:</source>
        <translation>Wiederholungen:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Delay:</source>
        <translation>Verzögerung:</translation>
    </message>
</context>
<context>
    <name>NewNetworkDeviceWizard</name>
    <message>
        <location filename="../dialogs/newnetworkdevicewizard.cpp" line="+21"/>
        <source>New Network Device Wizard</source>
        <translation>Assistent für neue Netzwerkgeräte</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Choose submaster ID</source>
        <translation>Submaster-ID wählen</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+6"/>
        <source>Submaster ID:</source>
        <translation>Submaster-ID:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You have now successfully configured a new device.</source>
        <translation>Sie haben erfolgreich ein neues Gerät eingerichtet.</translation>
    </message>
</context>
<context>
    <name>NewNetworkPortWizard</name>
    <message>
        <location filename="../dialogs/newnetworkportwizard.cpp" line="+39"/>
        <source>New Network Port Wizard</source>
        <translation>Assistent für neue Netzwerkports</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Choose port name</source>
        <translation>Portnamen wählen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Port name:</source>
        <translation>Portname:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Choose network type</source>
        <translation>Netzwerktyp wählen</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../model/networkdeviceitem.cpp" line="+24"/>
        <source> (inherit)</source>
        <translation> (geerbt)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>retries: %1%2, delay: %3%4</source>
        <translation>Wiederholungen: %1%2, Verzögerung: %3%4</translation>
    </message>
    <message>
        <location filename="../model/networkportitem.cpp" line="+29"/>
        <location filename="../dialogs/newnetworkportwizard.cpp" line="-41"/>
        <source>Not used</source>
        <translation>Nicht verwendet</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Direct TCU</source>
        <translation>Direkte TCU</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>LRR ID: %1, retries: %2, delay: %3</source>
        <translation>LRR-ID: %1, Wiederholungen: %2, Verzögerung: %3</translation>
    </message>
    <message>
        <location filename="../dialogs/newnetworkportwizard.cpp" line="-8"/>
        <location line="+2"/>
        <source>Master ID:</source>
        <translation>Master-ID:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Local TCU</source>
        <translation>Lokale TCU</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LRR Network</source>
        <translation>LRR-Netzwerk</translation>
    </message>
</context>
</TS>
