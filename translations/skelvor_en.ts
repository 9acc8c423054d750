<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
