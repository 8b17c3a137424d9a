<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
</context>
</TS>
