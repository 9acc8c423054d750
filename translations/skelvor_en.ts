<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>FirstViewController</name>
    <message numerus="yes">
        <source>No listed satellite has a pass that rises, reaches the minimum elevation and sets within the next %n day(s).</source>
        <translation>
            <numerusform>No listed satellite has a pass that rises, reaches the minimum elevation and sets within the next %n day.</numerusform>
            <numerusform>No listed satellite has a pass that rises, reaches the minimum elevation and sets within the next %n days.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SatelliteDetailsController</name>
    <message numerus="yes">
        <source>No pass of %1 rises, reaches the minimum elevation and sets within the next %n day(s).</source>
        <translation>
            <numerusform>No pass of %1 rises, reaches the minimum elevation and sets within the next %n day.</numerusform>
            <numerusform>No pass of %1 rises, reaches the minimum elevation and sets within the next %n days.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SkelvorAppDelegate</name>
    <message numerus="yes">
        <source>The current TLE files are %n day(s) old. Do you want to update these files now?</source>
        <translation>
            <numerusform>The current TLE files are %n day old. Do you want to update these files now?</numerusform>
            <numerusform>The current TLE files are %n days old. Do you want to update these files now?</numerusform>
        </translation>
    </message>
</context>
</TS>
