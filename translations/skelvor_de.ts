<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BusyIndicator</name>
    <message>
        <source>Busy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CategorySelectionController</name>
    <message>
        <source>Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search satellites by name (Ctrl+F)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommentEditorController</name>
    <message>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your notes on this satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ControlConnection</name>
    <message>
        <source>invalid parameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not implemented</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the radio did not answer the daemon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>input/output error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>protocol error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>command rejected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VFO not targetable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no connection within %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the daemon closed the connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the connection was closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too many commands waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an answer line longer than %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the daemon sent text nobody asked for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RPRT %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the answer &quot;%1&quot; to &quot;%2&quot; is not the protocol&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; trying again in %2 s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FetchText</name>
    <message>
        <source>no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a web address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the document was not whole after %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server sent nothing for %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server did not answer within %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the document is </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an HTML page came where a file was expected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FirstViewController</name>
    <message>
        <source>Tracking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeline and editing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order by next event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FootprintController</name>
    <message>
        <source>Footprint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>World map</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FootprintView</name>
    <message>
        <source>%1 over latitude %2°, longitude %3°, seen from a circle %4 km across</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrequencyEditorController</name>
    <message>
        <source>MHz, or kHz with the unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode, call sign, notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uplink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downlink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency Information</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpController</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General Overview and Introduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite &apos;Radar&apos; Plot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Footprint Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TLE Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen Navigation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accuracy of Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About this program</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListRowText</name>
    <message>
        <source>in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geosynchronous Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No pass visible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from this location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOS: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AOS: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainInterface</name>
    <message>
        <source>%1 (Ctrl+%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NavigationController</name>
    <message>
        <source>‹ Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back (Escape, Alt+Left)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PassReadout</name>
    <message>
        <source>Range: %1 km</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Az: %1°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elv: %1°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt: %1 km</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vel: %1 km/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doppler: %1 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay: %1 mSec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loss: %1 dB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uplink: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downlink: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PassViewController</name>
    <message>
        <source>Frequencies and comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uplink: %1  DownLink: %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Comment: %1

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments:
%1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Footprint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Footprint and details</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreferencesController</name>
    <message>
        <source>“%1” is not a number; the value in use stays.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is outside %2 to %3; the value in use stays.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not a locator of 4, 6 or 8 characters; the position stays.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The timeline spans %1 to %2 hours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North and east are positive. Type decimal degrees (51.5) or degrees, minutes and seconds (51 30 15), or a Maidenhead locator (JO01 or JO01ab).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time and coordinates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show times in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show coordinates as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Sun and Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show holding angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show ground track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum elevation (°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List passes for (days)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeline span (hours)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element sets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update every (days)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altitude (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locator</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RadarGeometry</name>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RadarView</name>
    <message>
        <source>Times: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radar plot</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SatelliteChoice</name>
    <message>
        <source>Operational</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partially Operational</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Operational</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On Standby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SatelliteDetailsController</name>
    <message>
        <source>Uplink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downlink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter new frequency data here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Future Passes (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AOS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Elevation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SatelliteSearchController</name>
    <message>
        <source>Satellite name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchBar</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SkelvorAppDelegate</name>
    <message>
        <source>No element set of &quot;%1&quot; could be used (line %2: %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 received</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file of &quot;%1&quot; would make the catalogue hold more than %2 satellites, far more than any real catalogue; it was not loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the list of files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds more than %1 satellites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skelvor could not save its state in %1 (%2). Your satellites and settings are kept while it runs, and saved with your next change once saving works again: make room on the disk or let Skelvor write to that folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It could not be moved aside and stays as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was kept as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved State Unreadable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved state %1 could not be read (%2). %3 Skelvor starts with an empty catalogue and its first settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finding Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currently determining our location. Please Wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error reading TLE files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error has occurred while trying to read the TLE files. Please re-start the application later on to pick up the latest TLE information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading TLE files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list of element-set files was fetched less than two hours ago, but the copy kept of it is gone, and the server does not send it again so soon. Please update again in two hours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No network connectivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current TLE files are out of date. When you are connected, please run this program again to update them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No TLE Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No TLE information appears to be loaded. Do you want to download the initial set of files?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The current TLE files are %n day(s) old. Do you want to update these files now?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>TLE Files Out of Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categories Dropped by the Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The element-set server no longer has data for %1. Later updates leave them out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element Sets Left Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 element sets in %2 could not be used (a wrong checksum, or values that no orbit has) and were left out. The satellites they name keep their previous elements.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TLE Files Not Updated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some element-set files were fetched less than two hours ago, but the copies kept of them are gone, and the server does not send them again so soon. Please update again in two hours.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StationControl</name>
    <message>
        <source>Radio and rotator control are switched off in the preferences.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no pass to work.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no active frequency with a number in it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transmitter list could not be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 transmitters read; the frequencies of %2 satellites changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Switch</name>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableView</name>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimelineController</name>
    <message>
        <source>Timeline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeline of the coming passes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeline, later hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, pass from %2 to %3 %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimelineView</name>
    <message>
        <source>Timeline</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrackingSession</name>
    <message>
        <source>not a frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the mode &quot;%1&quot; is not one the radio takes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ViewController</name>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit the list (Ctrl+E)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Satellite tracker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Root address of the element-set server (&apos;sample&apos;: the bundled samples).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place the observer at a fixed default location.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
