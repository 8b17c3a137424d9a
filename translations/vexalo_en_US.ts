<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>About</name>
    <message>
        <source>About ZUN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Tessarund</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;about vexalo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about &amp;Qt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit &amp;Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit &amp;Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network de&amp;lete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network &amp;create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to create default network configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QUARN network files (*.net)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save network configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create default network configuration file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load network configuration file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save default network configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete the whole network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export network file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import network file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write file &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save network configuration file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add port request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add device request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete port %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete device %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enquiry</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetworkDevicePropertiesDialog</name>
    <message>
        <source>Network Device Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retries:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inherit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetworkFormat</name>
    <message>
        <source>Invalid device type &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCU structure is not an object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port structure is not an object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to parse file &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetworkPortPropertiesDialog</name>
    <message>
        <source>Network Port Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local TCU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LRR network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retries:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetworkRules</name>
    <message>
        <source>Port &quot;%1&quot; is already defined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master ID %1 is invalid [1..255]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submaster ID %1 is invalid [1..255]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submaster ID %1 is already in use</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NewNetworkDeviceWizard</name>
    <message>
        <source>New Network Device Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose submaster ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submaster ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have now successfully configured a new device.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NewNetworkPortWizard</name>
    <message>
        <source>New Network Port Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose port name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose network type</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source> (inherit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>retries: %1%2, delay: %3%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direct TCU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LRR ID: %1, retries: %2, delay: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local TCU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LRR Network</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
