<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A few German texts of the tests' own, so they can tell a loaded translation from the English source whether or
     not resources/translations/rorovovo_de.ts is translated yet. -->
<TS version="2.1" language="de_DE">
<context>
    <name>Calendar</name>
    <message>
        <source>Critical day: %1</source>
        <translation>Kritischer Tag: %1</translation>
    </message>
</context>
<context>
    <name>Rhythm</name>
    <message>
        <source>Physical</source>
        <translation>Körper</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: Rorovovo [option]
Without an option the program opens its window.

Options:
</source>
        <translation>Aufruf: Rorovovo [Option]
Ohne Option öffnet das Programm sein Fenster.

Optionen:
</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The program speaks the chosen language from its next start.</source>
        <translation>Das Programm spricht die gewählte Sprache ab dem nächsten Start.</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TForm1</name>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
</context>
</TS>
