<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Spoken</name>
    <message numerus="yes">
        <source>%n minutes</source>
        <comment>a length of time, read out</comment>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <comment>a length of time, read out</comment>
        <translation>
            <numerusform>%n second</numerusform>
            <numerusform>%n seconds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message numerus="yes">
        <source>%n problems tried</source>
        <comment>the results, read out</comment>
        <translation>
            <numerusform>%n problem tried</numerusform>
            <numerusform>%n problems tried</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmFacts</name>
    <message numerus="yes">
        <source>%n seconds</source>
        <comment>a choice of Known within</comment>
        <translation>
            <numerusform>%n second</numerusform>
            <numerusform>%n seconds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 facts known</source>
        <comment>the totals below the map; %1 is all facts, 169</comment>
        <translation>
            <numerusform>%n of %1 facts known</numerusform>
            <numerusform>%n of %1 facts known</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problems answered</source>
        <comment>the totals below the map</comment>
        <translation>
            <numerusform>%n problem answered</numerusform>
            <numerusform>%n problems answered</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days practised</source>
        <comment>the totals below the map</comment>
        <translation>
            <numerusform>%n day practised</numerusform>
            <numerusform>%n days practised</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tries</source>
        <comment>how often a fact was answered, in its story</comment>
        <translation>
            <numerusform>%n try</numerusform>
            <numerusform>%n tries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %1 and the %n answers kept for them? This cannot be undone.</source>
        <translation>
            <numerusform>Remove %1 and the %n answer kept for them? This cannot be undone.</numerusform>
            <numerusform>Remove %1 and the %n answers kept for them? This cannot be undone.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 = %2: %n tries, %3 missed</source>
        <comment>a line of the trickiest facts on the parent&apos;s page</comment>
        <translation>
            <numerusform>%1 = %2: %n try, %3 missed</numerusform>
            <numerusform>%1 = %2: %n tries, %3 missed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n getting there (%1 of them tricky now)</source>
        <comment>the totals below the map</comment>
        <translation>
            <numerusform>%n getting there (%1 of them tricky now)</numerusform>
            <numerusform>%n getting there (%1 of them tricky now)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n still to meet</source>
        <comment>the totals below the map: facts not met yet</comment>
        <translation>
            <numerusform>%n still to meet</numerusform>
            <numerusform>%n still to meet</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmTable</name>
    <message numerus="yes">
        <source>%n answer(s) could not be saved: the record could not be written before Numbloom closed.</source>
        <translation>
            <numerusform>%n answer could not be saved: the record could not be written before Numbloom closed.</numerusform>
            <numerusform>%n answers could not be saved: the record could not be written before Numbloom closed.</numerusform>
        </translation>
    </message>
</context>
</TS>
