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
    <message>
        <source>The network configuration is already open in another window. Changes saved in one window overwrite those of the other. Open it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 connected: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 connected: %2, serial %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not present on this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The adapter of %1 (%2) is now %3. Move the settings and devices of %1 to %3?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manufacturer: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VID:PID: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial number: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>location %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 connected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetCommand</name>
    <message>
        <source>There is no kept version %1 (there are %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The network configuration is open in an editor; close it and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept version %1 restored to &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; installed as &quot;%2&quot;</source>
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
    <name>NetworkDiff</name>
    <message>
        <source>Port &quot;%1&quot;: device %2 removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port &quot;%1&quot;: device %2 added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port &quot;%1&quot; removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port &quot;%1&quot; added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inherited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>master ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>retries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port &quot;%1&quot;: %2 changed from %3 to %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port &quot;%1&quot;: device %2: %3 changed from %4 to %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n port(s)</source>
        <translation>
            <numerusform>%n port</numerusform>
            <numerusform>%n ports</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n device(s)</source>
        <translation>
            <numerusform>%n device</numerusform>
            <numerusform>%n devices</numerusform>
        </translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 changed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetworkFile</name>
    <message>
        <source>Unable to read file &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write file &quot;%1&quot;</source>
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
    <name>NetworkReport</name>
    <message>
        <source>warning: master ID %1 is set on several LRR ports: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning: port %1 is not on this machine</source>
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
