<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Calendar</name>
    <message>
        <source>Triple critical day: %1</source>
        <translation>Dreifach kritischer Tag: %1</translation>
    </message>
    <message>
        <source>Double critical day: %1</source>
        <translation>Doppelt kritischer Tag: %1</translation>
    </message>
    <message>
        <source>Critical day: %1</source>
        <translation>Kritischer Tag: %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A calendar event&apos;s summary, then whose critical day it is.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Birth date</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Critical rhythms</source>
        <translation>Kritische Rhythmen</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>born %1</source>
        <translation>geboren am %1</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <extracomment>The first three members&apos; names, then how many more the group has.</extracomment>
        <translation>%1 und %2 weitere</translation>
    </message>
    <message>
        <source>Best day for %1: group score %2</source>
        <translation>Bester Tag für %1: Gruppenwert %2</translation>
    </message>
</context>
<context>
    <name>ChartDocument</name>
    <message>
        <source>born %1</source>
        <translation>geboren am %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>name, born date</comment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>ChartTable</name>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>One row a day: its date, each rhythm&apos;s percentage and direction, and the rhythms critical that day</source>
        <translation>Eine Zeile je Tag: das Datum, Prozentwert und Richtung jedes Rhythmus und die an diesem Tag kritischen Rhythmen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Kritisch</translation>
    </message>
    <message>
        <source>%1 % %2</source>
        <extracomment>A rhythm&apos;s cell of the chart&apos;s table: &quot;87 % rising&quot;.</extracomment>
        <translation>%1 % %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--chart needs a birth date</source>
        <translation>--chart benötigt ein Geburtsdatum</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output benötigt einen Dateinamen</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; after --chart</source>
        <translation>unerwartetes „%1“ nach --chart</translation>
    </message>
    <message>
        <source>--chart needs --output FILE.png|.svg|.pdf</source>
        <translation>--chart benötigt --output DATEI.png|.svg|.pdf</translation>
    </message>
    <message>
        <source>the strip leaves the calendar</source>
        <translation>der Diagrammstreifen reicht über den Kalender hinaus</translation>
    </message>
    <message>
        <source>--compat takes two birth dates and --json</source>
        <translation>--compat erwartet zwei Geburtsdaten und --json</translation>
    </message>
    <message>
        <source>--critical needs a birth date DD.MM.YYYY</source>
        <translation>--critical benötigt ein Geburtsdatum TT.MM.JJJJ</translation>
    </message>
    <message>
        <source>--rhythms takes letters of P,E,I,N,S,A, each once</source>
        <translation>--rhythms erwartet Buchstaben aus P,E,I,N,S,A, jeden nur einmal</translation>
    </message>
    <message>
        <source>--ics needs a file name</source>
        <translation>--ics benötigt einen Dateinamen</translation>
    </message>
    <message>
        <source>unknown or incomplete option &apos;%1&apos;</source>
        <translation>unbekannte oder unvollständige Option „%1“</translation>
    </message>
    <message>
        <source>the days asked for run past the year 9999</source>
        <translation>die gewünschten Tage reichen über das Jahr 9999 hinaus</translation>
    </message>
    <message>
        <source>&apos;%1|%2&apos; in %3 is no Name|DD.MM.YYYY entry</source>
        <translation>„%1|%2“ in %3 ist kein Eintrag der Form Name|TT.MM.JJJJ</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 benötigt einen Dateinamen</translation>
    </message>
    <message>
        <source>--plan needs a birth date DD.MM.YYYY or --group FILE</source>
        <translation>--plan benötigt ein Geburtsdatum TT.MM.JJJJ oder --group DATEI</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; after --remind</source>
        <translation>unerwartetes „%1“ nach --remind</translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s) shown</source>
        <translation>
            <numerusform>%n Erinnerung angezeigt</numerusform>
            <numerusform>%n Erinnerungen angezeigt</numerusform>
        </translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>Rorovovo: unable to write the output (%1)</source>
        <translation>Rorovovo: Die Ausgabe kann nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>Schreiben fehlgeschlagen</translation>
    </message>
    <message>
        <source>--help                 this text</source>
        <translation>--help                 dieser Text</translation>
    </message>
    <message>
        <source>--version              the program&apos;s version</source>
        <translation>--version              die Version des Programms</translation>
    </message>
    <message>
        <source>--critical DD.MM.YYYY [--from DD.MM.YYYY] [--days N] [--rhythms P,E,I,N,S,A] [--json] [--ics FILE]
                         critical days of a birth date (from today, 90 days, all six rhythms)</source>
        <translation>--critical TT.MM.JJJJ [--from TT.MM.JJJJ] [--days N] [--rhythms P,E,I,N,S,A] [--json] [--ics DATEI]
                         kritische Tage zu einem Geburtsdatum (ab heute, 90 Tage, alle sechs Rhythmen)</translation>
    </message>
    <message>
        <source>--chart DD.MM.YYYY [--name TEXT] [--from DD.MM.YYYY] [--days N] [--extra] --output FILE.png|.svg|.pdf
                         the chart as a picture or document, without a window</source>
        <translation>--chart TT.MM.JJJJ [--name TEXT] [--from TT.MM.JJJJ] [--days N] [--extra] --output DATEI.png|.svg|.pdf
                         das Diagramm als Bild oder Dokument, ohne Fenster</translation>
    </message>
    <message>
        <source>--compat DD.MM.YYYY DD.MM.YYYY [--json]
                         how well two people&apos;s rhythms match</source>
        <translation>--compat TT.MM.JJJJ TT.MM.JJJJ [--json]
                         wie gut die Rhythmen zweier Personen zusammenpassen</translation>
    </message>
    <message>
        <source>--plan DD.MM.YYYY [DD.MM.YYYY ...] [--group FILE] [--from DD.MM.YYYY] [--days N] [--top K]
       [--rhythms P,E,I,N,S,A] [--json] [--csv FILE] [--ics FILE]
                         the best and worst days for a group (from today, 30 days, Physical,
                         Emotional and Intellectual)</source>
        <translation>--plan TT.MM.JJJJ [TT.MM.JJJJ ...] [--group DATEI] [--from TT.MM.JJJJ] [--days N] [--top K]
       [--rhythms P,E,I,N,S,A] [--json] [--csv DATEI] [--ics DATEI]
                         die besten und schlechtesten Tage für eine Gruppe (ab heute, 30 Tage,
                         Körperlich, Emotional und Geistig)</translation>
    </message>
    <message>
        <source>--remind [--at-login]   one check of the reminders (Tools &gt; Reminders...): shows what is due and ends</source>
        <translation>--remind [--at-login]   prüft die Erinnerungen einmal (Extras &gt; Erinnerungen...): zeigt Fälliges an und endet</translation>
    </message>
    <message>
        <source>Rorovovo: &apos;%1&apos; is not a valid date (DD.MM.YYYY)</source>
        <translation>Rorovovo: „%1“ ist kein gültiges Datum (TT.MM.JJJJ)</translation>
    </message>
    <message>
        <source>Rorovovo: %1 (try &apos;Rorovovo --help&apos;)</source>
        <translation>Rorovovo: %1 (siehe „Rorovovo --help“)</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 erwartet eine ganze Zahl von %2 bis %3</translation>
    </message>
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
    <name>CriticalKind</name>
    <message>
        <source>single</source>
        <translation>einfach</translation>
    </message>
    <message>
        <source>double</source>
        <translation>doppelt</translation>
    </message>
    <message>
        <source>triple</source>
        <translation>dreifach</translation>
    </message>
</context>
<context>
    <name>DayReading</name>
    <message>
        <source>, </source>
        <comment>between names</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 %2 % %3</source>
        <extracomment>A rhythm, its percentage and which way it goes: &quot;Physical 87 % rising&quot;.</extracomment>
        <translation>%1 %2 % %3</translation>
    </message>
    <message>
        <source>rising</source>
        <translation>steigend</translation>
    </message>
    <message>
        <source>falling</source>
        <translation>fallend</translation>
    </message>
    <message>
        <source>Critical: %1</source>
        <translation>Kritisch: %1</translation>
    </message>
    <message>
        <source>Only %1, %2 and %3 make a day double or triple.</source>
        <translation>Nur die Rhythmen %1, %2 und %3 machen einen Tag doppelt oder dreifach kritisch.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Biorhythm Chart</source>
        <translation>Biorhythmus-Diagramm</translation>
    </message>
    <message>
        <source>Draw the physical, emotional and intellectual rhythms of a birth date</source>
        <translation>Den körperlichen, emotionalen und geistigen Rhythmus zu einem Geburtsdatum zeichnen</translation>
    </message>
    <message>
        <source>biorhythm;rhythm;cycle;chart;birthday;zodiac;</source>
        <translation>Biorhythmus;Rhythmus;Zyklus;Diagramm;Kurve;Geburtstag;Sternzeichen;Tierkreiszeichen;</translation>
    </message>
    <message>
        <source>Draw the biorhythm chart of a birth date</source>
        <translation>Das Biorhythmus-Diagramm zu einem Geburtsdatum zeichnen</translation>
    </message>
    <message>
        <source>Rorovovo draws a chart of the Physical (23 days), Emotional (28), Intellectual (33) and Intuitional (38) rhythms of a person from a name and a birth date, with the Spiritual (53) and Aesthetics (48) rhythms on request.</source>
        <translation>Rorovovo zeichnet aus Name und Geburtsdatum einer Person ein Diagramm ihres körperlichen (23 Tage), emotionalen (28), geistigen (33) und intuitiven (38) Rhythmus, auf Wunsch auch des spirituellen (53) und des ästhetischen (48) Rhythmus.</translation>
    </message>
    <message>
        <source>Beside the chart it shows:</source>
        <translation>Neben dem Diagramm zeigt es:</translation>
    </message>
    <message>
        <source>today&apos;s day in each cycle with ring indicators</source>
        <translation>den heutigen Tag jedes Zyklus mit Ringanzeigen</translation>
    </message>
    <message>
        <source>the days lived, the age and the zodiac sign</source>
        <translation>die gelebten Tage, das Alter und das Sternzeichen</translation>
    </message>
    <message>
        <source>a short interpretation of today</source>
        <translation>eine kurze Deutung des heutigen Tages</translation>
    </message>
    <message>
        <source>Personal profiles are kept in the user&apos;s own settings file; a list of celebrities comes with the program.</source>
        <translation>Persönliche Profile werden in der eigenen Einstellungsdatei des Benutzers gespeichert; eine Liste mit Prominenten liegt dem Programm bei.</translation>
    </message>
    <message>
        <source>The chart of a profile with today&apos;s rhythms beside it</source>
        <translation>Das Diagramm eines Profils mit den heutigen Rhythmen daneben</translation>
    </message>
    <message>
        <source>Installs like any Linux program: a menu entry, settings in the user&apos;s home, and a command line.</source>
        <translation>Wird wie jedes Linux-Programm installiert: mit Menüeintrag, Einstellungen im Home-Verzeichnis des Benutzers und einem Befehl für die Kommandozeile.</translation>
    </message>
    <message>
        <source>draw the biorhythm chart of a birth date</source>
        <translation>das Biorhythmus-Diagramm zu einem Geburtsdatum zeichnen</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigung</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Fehler bei der Bereichsprüfung</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Unable to write to %1 (%2)</source>
        <translation>In %1 kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>The file name must end in .png, .svg or .pdf.</source>
        <translation>Der Dateiname muss auf .png, .svg oder .pdf enden.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>die Datei ist größer als %1 MB</translation>
    </message>
    <message>
        <source>Input/output error: unable to read %1 (%2)</source>
        <translation>Ein-/Ausgabefehler: %1 kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>Unable to load %1: %2</source>
        <translation>%1 kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>die Datei fehlt</translation>
    </message>
    <message>
        <source>it has no entry point rorovovo_extras</source>
        <translation>der Einsprungpunkt rorovovo_extras fehlt</translation>
    </message>
    <message>
        <source>it belongs to another version of the program</source>
        <translation>sie gehört zu einer anderen Version des Programms</translation>
    </message>
</context>
<context>
    <name>Indicator</name>
    <message>
        <source> Cycle going up </source>
        <translation> Zyklus steigend </translation>
    </message>
    <message>
        <source> Cycle going down </source>
        <translation> Zyklus fallend </translation>
    </message>
</context>
<context>
    <name>Interpretation</name>
    <message>
        <source>If you have planned big physical activities for today, put them off until the day after tomorrow. It&apos;s a critical day, so relax and take it easy.</source>
        <translation>Große körperliche Vorhaben für heute? Verschieben Sie sie auf übermorgen. Es ist ein kritischer Tag – lassen Sie es ruhig angehen.</translation>
    </message>
    <message>
        <source>Physically, you had a critical day yesterday. Give your body one more day before you take on anything strenuous.</source>
        <translation>Gestern war körperlich ein kritischer Tag. Gönnen Sie Ihrem Körper noch einen Tag, bevor Sie sich Anstrengendes vornehmen.</translation>
    </message>
    <message>
        <source>Your fitness and motivation are increasing. The couch potato days are behind you, so get moving!</source>
        <translation>Fitness und Motivation steigen. Die Tage auf dem Sofa liegen hinter Ihnen – also los, bewegen Sie sich!</translation>
    </message>
    <message>
        <source>Your efficiency is high. Make good use of it and tackle whatever needs strength and stamina.</source>
        <translation>Ihre Leistungsfähigkeit ist hoch. Nutzen Sie das und packen Sie an, was Kraft und Ausdauer verlangt.</translation>
    </message>
    <message>
        <source>You are in very good physical shape. Why not go for a jog or a long walk today?</source>
        <translation>Sie sind körperlich in Topform. Wie wäre es heute mit einer Runde Joggen oder einem langen Spaziergang?</translation>
    </message>
    <message>
        <source>Give yourself a rest. Save your energy, you will need it over the next few days.</source>
        <translation>Gönnen Sie sich eine Pause. Sparen Sie Ihre Kräfte, Sie werden sie in den nächsten Tagen brauchen.</translation>
    </message>
    <message>
        <source>Don&apos;t exert yourself today! Better to relax now than to over-strain your body.</source>
        <translation>Strengen Sie sich heute nicht an! Lieber jetzt entspannen, als den Körper zu überfordern.</translation>
    </message>
    <message>
        <source>Today you feel beaten and would rather lie down all day. If you can manage it, just do that.</source>
        <translation>Heute fühlen Sie sich wie gerädert und würden am liebsten den ganzen Tag liegen. Wenn es geht, tun Sie genau das.</translation>
    </message>
    <message>
        <source>Your energy seems to be gone. You feel listless, so don&apos;t expect too much of yourself.</source>
        <translation>Ihre Energie scheint verflogen. Sie fühlen sich antriebslos – erwarten Sie also nicht zu viel von sich.</translation>
    </message>
    <message>
        <source>You feel tired and drained. Avoid any exertion and let your body recover.</source>
        <translation>Sie fühlen sich müde und ausgelaugt. Meiden Sie jede Anstrengung und lassen Sie Ihren Körper sich erholen.</translation>
    </message>
    <message>
        <source>Slowly your vitality is increasing. Help it along with some light exercise.</source>
        <translation>Langsam kehrt Ihre Vitalität zurück. Helfen Sie mit etwas leichter Bewegung nach.</translation>
    </message>
    <message>
        <source>You&apos;re still not exactly full of beans. Be patient, your strength will soon be back.</source>
        <translation>Vor Kraft strotzen Sie noch nicht gerade. Nur Geduld, Ihre Kräfte kehren bald zurück.</translation>
    </message>
    <message>
        <source>Today your barometer of emotions is jumping from high to very low. It&apos;s a critical day, so take it easy: tomorrow is another day.</source>
        <translation>Ihr Stimmungsbarometer springt heute von Hoch auf tiefes Tief. Ein kritischer Tag – bleiben Sie gelassen, morgen ist auch noch ein Tag.</translation>
    </message>
    <message>
        <source>There are still some after-effects of yesterday. Better stay at home and put off that date until tomorrow.</source>
        <translation>Der gestrige Tag wirkt noch nach. Bleiben Sie lieber zu Hause und verschieben Sie die Verabredung auf morgen.</translation>
    </message>
    <message>
        <source>You feel well and are in a good mood. And it&apos;s going to get even better!</source>
        <translation>Sie fühlen sich wohl und sind gut gelaunt. Und es wird sogar noch besser!</translation>
    </message>
    <message>
        <source>You are even-tempered and in an emotional balance. A good day to meet people.</source>
        <translation>Sie sind ausgeglichen und emotional im Gleichgewicht. Ein guter Tag, um unter Leute zu gehen.</translation>
    </message>
    <message>
        <source>You are on an emotional &apos;high&apos; today. Getting on with others is easy and you are in great demand.</source>
        <translation>Sie haben heute ein emotionales Hoch. Der Umgang mit anderen fällt Ihnen leicht, und Sie sind sehr gefragt.</translation>
    </message>
    <message>
        <source>You feel even-tempered and harmonious. Enjoy it while it lasts!</source>
        <translation>Sie fühlen sich ausgeglichen und harmonisch. Genießen Sie es, solange es anhält!</translation>
    </message>
    <message>
        <source>You are unsure about your emotions. Sadly, all good things come to an end.</source>
        <translation>Ihre Gefühle verunsichern Sie. Leider hat alles Schöne einmal ein Ende.</translation>
    </message>
    <message>
        <source>Inside you feel restlessness. You are unsure of your feelings and have doubts about yourself.</source>
        <translation>Innerlich sind Sie unruhig. Sie sind sich Ihrer Gefühle nicht sicher und zweifeln an sich selbst.</translation>
    </message>
    <message>
        <source>Emotional breakdown? No wonder, your feelings are pulling you up and down today.</source>
        <translation>Gefühlschaos? Kein Wunder, Ihre Gefühle fahren heute Achterbahn mit Ihnen.</translation>
    </message>
    <message>
        <source>You feel unsettled and restless. Better plan no affairs of the heart for the next few days.</source>
        <translation>Sie fühlen sich unausgeglichen und rastlos. Planen Sie in den nächsten Tagen lieber keine Herzensangelegenheiten.</translation>
    </message>
    <message>
        <source>You&apos;re nervous or unsure and feel empty inside. That&apos;s just how it is right now.</source>
        <translation>Sie sind nervös oder unsicher und fühlen sich innerlich leer. Das ist im Moment einfach so.</translation>
    </message>
    <message>
        <source>You want to hide away in the furthest corner. Do so if you can, it&apos;s a bad day.</source>
        <translation>Am liebsten würden Sie sich in die hinterste Ecke verkriechen. Tun Sie das, wenn Sie können – es ist ein schlechter Tag.</translation>
    </message>
    <message>
        <source>Back down, if you can. Avoid the people you have plans with, you won&apos;t make your best impression.</source>
        <translation>Treten Sie kürzer, wenn es geht. Sagen Sie Verabredungen lieber ab – Sie würden heute keinen guten Eindruck machen.</translation>
    </message>
    <message>
        <source>There will be light at the end of the tunnel! Still, staying in your shell is no fun.</source>
        <translation>Am Ende des Tunnels wartet Licht! Trotzdem macht es keinen Spaß, im Schneckenhaus zu sitzen.</translation>
    </message>
    <message>
        <source>Now you can see the light at the end of the tunnel. The self-pity is over, one more hurdle to pass.</source>
        <translation>Jetzt sehen Sie das Licht am Ende des Tunnels. Schluss mit dem Selbstmitleid – nur noch eine Hürde.</translation>
    </message>
    <message>
        <source>Do you have an exam today? It&apos;s a critical day and your mind may be a bit foggy, so check everything twice.</source>
        <translation>Haben Sie heute eine Prüfung? Es ist ein kritischer Tag, und Ihr Kopf ist vielleicht etwas benebelt – prüfen Sie alles doppelt.</translation>
    </message>
    <message>
        <source>Now it&apos;s getting better with your intellectual skills. Do the work that needs concentration within the next ten days.</source>
        <translation>Ihre geistigen Fähigkeiten nehmen zu. Erledigen Sie Arbeiten, die Konzentration erfordern, in den nächsten zehn Tagen.</translation>
    </message>
    <message>
        <source>Your intellect and decision-making skills are admirable. Brain-twisters are no problem for you now.</source>
        <translation>Ihr Verstand und Ihre Entscheidungskraft sind bewundernswert. Knifflige Denkaufgaben sind jetzt kein Problem für Sie.</translation>
    </message>
    <message>
        <source>You are quick at repartee and see everything clearly. Mistakes are spotted early.</source>
        <translation>Sie sind schlagfertig und sehen alles klar. Fehler erkennen Sie frühzeitig.</translation>
    </message>
    <message>
        <source>You can finish demanding tasks without great effort, and you&apos;re full of good ideas.</source>
        <translation>Anspruchsvolle Aufgaben erledigen Sie ohne große Mühe, und Sie sprühen vor guten Ideen.</translation>
    </message>
    <message>
        <source>Thinking logical? No problem! Finish pending tasks now, before things get worse.</source>
        <translation>Logisch denken? Kein Problem! Erledigen Sie offene Aufgaben jetzt, bevor es wieder schwerer wird.</translation>
    </message>
    <message>
        <source>Let&apos;s hope you&apos;ve finished all the difficult tasks, because today you could bungle them.</source>
        <translation>Hoffentlich haben Sie alle schwierigen Aufgaben schon erledigt – heute könnten sie Ihnen misslingen.</translation>
    </message>
    <message>
        <source>You can&apos;t concentrate today. Your thinking is muddy, so leave tricky work for later.</source>
        <translation>Heute fällt Ihnen das Konzentrieren schwer. Ihre Gedanken sind trüb – heben Sie knifflige Arbeit für später auf.</translation>
    </message>
    <message>
        <source>You are irresolute and don&apos;t know where to start. Just start anywhere!</source>
        <translation>Sie sind unentschlossen und wissen nicht, wo Sie anfangen sollen. Fangen Sie einfach irgendwo an!</translation>
    </message>
    <message>
        <source>The period of creativity is over. Your brain has gone into stand-by mode.</source>
        <translation>Die kreative Phase ist vorbei. Ihr Gehirn ist in den Stand-by-Modus gewechselt.</translation>
    </message>
    <message>
        <source>You spend these days without any plan or aim. Your reactions leave much to be desired, too.</source>
        <translation>Sie verbringen diese Tage ohne Plan und Ziel. Auch Ihre Reaktionen lassen zu wünschen übrig.</translation>
    </message>
    <message>
        <source>Making resolutions? Better leave that for later.</source>
        <translation>Gute Vorsätze fassen? Das verschieben Sie lieber auf später.</translation>
    </message>
    <message>
        <source>Even if you haven&apos;t accomplished much lately, take it easy. Better days are coming.</source>
        <translation>Auch wenn Sie zuletzt nicht viel geschafft haben: Bleiben Sie gelassen. Es kommen bessere Tage.</translation>
    </message>
    <message>
        <source>If you have to make important decisions, put them off for a few days. You will see more clearly then.</source>
        <translation>Stehen wichtige Entscheidungen an, verschieben Sie sie um ein paar Tage. Dann sehen Sie klarer.</translation>
    </message>
    <message>
        <source>By the way: HAPPY BIRTHDAY!</source>
        <translation>Übrigens: ALLES GUTE ZUM GEBURTSTAG!</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The program speaks the chosen language from its next start.</source>
        <translation>Die gewählte Sprache gilt ab dem nächsten Programmstart.</translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation>Hilfedatei nicht gefunden</translation>
    </message>
    <message>
        <source>Error downloading file &quot;%1&quot; for version check.<byte value="xd"/>Please check your internet connection and/or firewall..</source>
        <translation>Fehler beim Herunterladen der Datei „%1“ für die Versionsprüfung.<byte value="xd"/>Bitte prüfen Sie Ihre Internetverbindung und/oder Firewall.</translation>
    </message>
    <message>
        <source>There is a *new* version of this freeware available !<byte value="xd"/><byte value="xd"/>Please go to our freeware web page and download it,<byte value="xd"/>and replace the existing one by the new version.</source>
        <translation>Eine *neue* Version dieser Freeware ist verfügbar!<byte value="xd"/><byte value="xd"/>Bitte laden Sie sie von unserer Freeware-Webseite herunter<byte value="xd"/>und ersetzen Sie die vorhandene Version durch die neue.</translation>
    </message>
    <message>
        <source>You have the most recent version of this freeware..<byte value="xd"/>But keep checking, as this is updated regularly!</source>
        <translation>Sie haben die neueste Version dieser Freeware.<byte value="xd"/>Schauen Sie trotzdem ab und zu nach, sie wird regelmäßig aktualisiert!</translation>
    </message>
    <message>
        <source>Sorry, but the &apos;Birthday Date&apos; you supplied is not a valid Date.<byte value="xd"/>Please go back and correct it...</source>
        <translation>Das eingegebene Geburtsdatum ist leider kein gültiges Datum.<byte value="xd"/>Bitte korrigieren Sie es.</translation>
    </message>
    <message>
        <source>A name cannot contain the character &apos;|&apos;, which separates it from the date. Nothing was stored.</source>
        <translation>Ein Name darf das Zeichen „|“ nicht enthalten, da es ihn vom Datum trennt. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>The name is too long: a stored profile holds at most %1 characters of name. Nothing was stored.</source>
        <translation>Der Name ist zu lang: Ein gespeichertes Profil fasst höchstens %1 Zeichen für den Namen. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>The name you are trying to add already exists on the database..</source>
        <translation>Der Name, den Sie hinzufügen möchten, ist bereits gespeichert.</translation>
    </message>
</context>
<context>
    <name>PersonPanel</name>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>year</source>
        <translation>Jahr</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>No session bus: the desktop&apos;s notifications cannot be reached (%1).</source>
        <translation>Kein Sitzungsbus: Die Benachrichtigungen der Arbeitsumgebung sind nicht erreichbar (%1).</translation>
    </message>
    <message>
        <source>No notification service answers on the session bus (%1).</source>
        <translation>Auf dem Sitzungsbus antwortet kein Benachrichtigungsdienst (%1).</translation>
    </message>
    <message>
        <source>The notification service did not take the reminder (%1).</source>
        <translation>Der Benachrichtigungsdienst hat die Erinnerung nicht angenommen (%1).</translation>
    </message>
    <message>
        <source>Today: %1 critical day</source>
        <translation>Heute: %1 kritischer Tag</translation>
    </message>
    <message>
        <source>Tomorrow: %1 critical day</source>
        <translation>Morgen: %1 kritischer Tag</translation>
    </message>
    <message numerus="yes">
        <source>In %n day(s): %1 critical day</source>
        <translation>
            <numerusform>In %n Tag: %1 kritischer Tag</numerusform>
            <numerusform>In %n Tagen: %1 kritischer Tag</numerusform>
        </translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>Geboren am %1</translation>
    </message>
    <message>
        <source>%1, %2 %3: %4</source>
        <extracomment>Whom, the weekday, the date and the critical rhythms: &quot;Ada, Monday 18.03.2024: Physical, Emotional&quot;.</extracomment>
        <translation>%1, %2, %3: %4</translation>
    </message>
    <message>
        <source>%1 Nothing was changed.</source>
        <translation>%1 Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Reminders are on: a systemd user timer (%1) checks every day at %2, or at the next login when the computer was off then.</source>
        <translation>Erinnerungen sind eingeschaltet: Ein systemd-Benutzertimer (%1) prüft täglich um %2 Uhr oder bei der nächsten Anmeldung, falls der Computer zu dieser Zeit aus war.</translation>
    </message>
    <message>
        <source>No systemd user instance could take a timer (%1), so the check runs each time you log in instead (%2).</source>
        <translation>Keine systemd-Benutzerinstanz konnte einen Timer übernehmen (%1), daher läuft die Prüfung stattdessen bei jeder Anmeldung (%2).</translation>
    </message>
    <message>
        <source>Nothing could be set up to run the check (%1; %2). &apos;Rorovovo --remind&apos; still checks when run by hand.</source>
        <translation>Die Prüfung konnte nicht eingerichtet werden (%1; %2). „Rorovovo --remind“ prüft weiterhin, wenn Sie es von Hand aufrufen.</translation>
    </message>
    <message>
        <source>%1 Reminders show once the desktop has one; the calendar file does not need it.</source>
        <translation>%1 Erinnerungen erscheinen, sobald die Arbeitsumgebung einen solchen Dienst bietet; die Kalenderdatei braucht ihn nicht.</translation>
    </message>
    <message>
        <source>Reminders are off; nothing runs the check any more.</source>
        <translation>Erinnerungen sind ausgeschaltet; es findet keine Prüfung mehr statt.</translation>
    </message>
    <message>
        <source>The calendar file is up to date.</source>
        <translation>Die Kalenderdatei ist aktuell.</translation>
    </message>
    <message>
        <source>%1 The reminders do not need it.</source>
        <translation>%1 Die Erinnerungen brauchen sie nicht.</translation>
    </message>
    <message>
        <source>The calendar file was removed.</source>
        <translation>Die Kalenderdatei wurde entfernt.</translation>
    </message>
    <message>
        <source>Unable to remove %1.</source>
        <translation>%1 kann nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Reminders are off.</source>
        <translation>Erinnerungen sind ausgeschaltet.</translation>
    </message>
    <message>
        <source>Reminders are off, but a schedule is still set up: &quot;Stop reminders&quot; removes it.</source>
        <translation>Erinnerungen sind ausgeschaltet, aber noch eingeplant: „Erinnerungen ausschalten“ entfernt die Planung.</translation>
    </message>
    <message>
        <source>Reminders are on: a systemd user timer checks every day at %1.</source>
        <translation>Erinnerungen sind eingeschaltet: Ein systemd-Benutzertimer prüft täglich um %1 Uhr.</translation>
    </message>
    <message>
        <source>Reminders are on: the check runs each time you log in.</source>
        <translation>Erinnerungen sind eingeschaltet: Die Prüfung läuft bei jeder Anmeldung.</translation>
    </message>
    <message>
        <source>Reminders are on, but nothing runs the check: &quot;Remind me&quot; sets it up again.</source>
        <translation>Erinnerungen sind eingeschaltet, aber keine Prüfung ist eingerichtet: „Erinnerungen einschalten“ richtet sie wieder ein.</translation>
    </message>
    <message>
        <source>systemctl --user %1 did not answer</source>
        <translation>systemctl --user %1 hat nicht geantwortet</translation>
    </message>
    <message>
        <source>systemctl --user %1 failed</source>
        <translation>systemctl --user %1 ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>no systemctl on PATH</source>
        <translation>kein systemctl im PATH</translation>
    </message>
    <message>
        <source>The timer could not be disabled (%1).</source>
        <translation>Der Timer konnte nicht deaktiviert werden (%1).</translation>
    </message>
</context>
<context>
    <name>Rhythm</name>
    <message>
        <source>Physical</source>
        <translation>Körperlich</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emotional</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Geistig</translation>
    </message>
    <message>
        <source>Intuitional</source>
        <translation>Intuitiv</translation>
    </message>
    <message>
        <source>Spiritual</source>
        <translation>Spirituell</translation>
    </message>
    <message>
        <source>Aesthetics</source>
        <translation>Ästhetisch</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>%1: %2 to %3, page %4 of %5</source>
        <extracomment>The printed planner&apos;s heading: its title, the first and last day, the page.</extracomment>
        <translation>%1: %2 bis %3, Seite %4 von %5</translation>
    </message>
</context>
<context>
    <name>SystemMenu</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Verschieben</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Größe ändern</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimieren</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Ma&amp;ximieren</translation>
    </message>
    <message>
        <source>&amp;Close	Alt+F4</source>
        <translation>&amp;Schließen	Alt+F4</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
</context>
<context>
    <name>Zodiac</name>
    <message>
        <source>aquarius</source>
        <translation>Wassermann</translation>
    </message>
    <message>
        <source>Jan 20 ~ Feb 18</source>
        <translation>20. Januar – 18. Februar</translation>
    </message>
    <message>
        <source>pisces</source>
        <translation>Fische</translation>
    </message>
    <message>
        <source>Feb 19 ~ Mar 20</source>
        <translation>19. Februar – 20. März</translation>
    </message>
    <message>
        <source>aries</source>
        <translation>Widder</translation>
    </message>
    <message>
        <source>Mar 21 ~ Apr 19</source>
        <translation>21. März – 19. April</translation>
    </message>
    <message>
        <source>taurus</source>
        <translation>Stier</translation>
    </message>
    <message>
        <source>Apr 20 ~ May 20</source>
        <translation>20. April – 20. Mai</translation>
    </message>
    <message>
        <source>gemini</source>
        <translation>Zwillinge</translation>
    </message>
    <message>
        <source>May 21 ~ Jun 20</source>
        <translation>21. Mai – 20. Juni</translation>
    </message>
    <message>
        <source>cancer</source>
        <translation>Krebs</translation>
    </message>
    <message>
        <source>Jun 21 ~ Jul 22</source>
        <translation>21. Juni – 22. Juli</translation>
    </message>
    <message>
        <source>leo</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>Jul 23 ~ Aug 22</source>
        <translation>23. Juli – 22. August</translation>
    </message>
    <message>
        <source>virgo</source>
        <translation>Jungfrau</translation>
    </message>
    <message>
        <source>Aug 23 ~ Sep 22</source>
        <translation>23. August – 22. September</translation>
    </message>
    <message>
        <source>libra</source>
        <translation>Waage</translation>
    </message>
    <message>
        <source>Sep 23 ~ Oct 22</source>
        <translation>23. September – 22. Oktober</translation>
    </message>
    <message>
        <source>scorpio</source>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>Oct 23 ~ Nov 21</source>
        <translation>23. Oktober – 21. November</translation>
    </message>
    <message>
        <source>sagittarius</source>
        <translation>Schütze</translation>
    </message>
    <message>
        <source>Nov 22 ~ Dec 21</source>
        <translation>22. November – 21. Dezember</translation>
    </message>
    <message>
        <source>capricorn</source>
        <translation>Steinbock</translation>
    </message>
    <message>
        <source>Dec 22 ~ Jan 19</source>
        <translation>22. Dezember – 19. Januar</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::RosterView</name>
    <message>
        <source>Roster</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Group score %1 (the lowest of the members&apos; scores)</source>
        <translation>Gruppenwert %1 (der niedrigste Wert unter den Mitgliedern)</translation>
    </message>
    <message>
        <source>A clear day: nobody has a critical day</source>
        <translation>Ein freier Tag: Niemand hat einen kritischen Tag</translation>
    </message>
    <message>
        <source>A critical day for %1 of %2</source>
        <translation>Ein kritischer Tag für %1 von %2</translation>
    </message>
    <message numerus="yes">
        <source>%n member(s)</source>
        <translation>
            <numerusform>%n Mitglied</numerusform>
            <numerusform>%n Mitgliedern</numerusform>
        </translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>%1, born %2</source>
        <translation>%1, geboren am %2</translation>
    </message>
    <message>
        <source>No critical rhythm</source>
        <extracomment>The rhythms critical that day, then the day&apos;s kind: &quot;Critical: Physical, Emotional (double day)&quot;.</extracomment>
        <translation>Kein kritischer Rhythmus</translation>
    </message>
    <message>
        <source>Critical: %1 (%2 day)</source>
        <translation>Kritisch: %1 (%2 kritischer Tag)</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TForm1</name>
    <message>
        <source> Biorhythms</source>
        <translation> Biorhythmen</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Add new profile...</source>
        <translation>Neues Profil anlegen...</translation>
    </message>
    <message>
        <source>Delete profile...</source>
        <translation>Profil löschen...</translation>
    </message>
    <message>
        <source>Draw biorhythms</source>
        <translation>Biorhythmen zeichnen</translation>
    </message>
    <message>
        <source>Draw extra* rythms</source>
        <translation>Zusatzrhythmen* zeichnen</translation>
    </message>
    <message>
        <source>Biorhythms interpretation...</source>
        <translation>Deutung der Biorhythmen...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Persönlich</translation>
    </message>
    <message>
        <source>Celebrity</source>
        <translation>Prominente</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Save window&apos;s size</source>
        <translation>Fenstergröße speichern</translation>
    </message>
    <message>
        <source>Save window&apos;s position</source>
        <translation>Fensterposition speichern</translation>
    </message>
    <message>
        <source>Mark critical days</source>
        <translation>Kritische Tage markieren</translation>
    </message>
    <message>
        <source>Default rhythms to show...</source>
        <translation>Standardmäßig angezeigte Rhythmen...</translation>
    </message>
    <message>
        <source>Physical rhythm</source>
        <translation>Körperlicher Rhythmus</translation>
    </message>
    <message>
        <source>Emotional rhythm</source>
        <translation>Emotionaler Rhythmus</translation>
    </message>
    <message>
        <source>Intellectual rhythm</source>
        <translation>Geistiger Rhythmus</translation>
    </message>
    <message>
        <source>Intuitional rhythm</source>
        <translation>Intuitiver Rhythmus</translation>
    </message>
    <message>
        <source>Spiritual rhythm</source>
        <translation>Spiritueller Rhythmus</translation>
    </message>
    <message>
        <source>Aesthetics rhytm</source>
        <translation>Ästhetischer Rhythmus</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>Options &gt; Language: the language the desktop speaks.</extracomment>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Critical days...</source>
        <translation>Kritische Tage...</translation>
    </message>
    <message>
        <source>Compatibility...</source>
        <translation>Kompatibilität...</translation>
    </message>
    <message>
        <source>Planner...</source>
        <translation>Planer...</translation>
    </message>
    <message>
        <source>Save chart as...</source>
        <translation>Diagramm speichern unter...</translation>
    </message>
    <message>
        <source>Print chart...</source>
        <translation>Diagramm drucken...</translation>
    </message>
    <message>
        <source>Reminders...</source>
        <translation>Erinnerungen...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Hilfe...</translation>
    </message>
    <message>
        <source>Software news...</source>
        <translation>Software-Neuigkeiten...</translation>
    </message>
    <message>
        <source>Check new versions *</source>
        <translation>Auf neue Versionen prüfen *</translation>
    </message>
    <message>
        <source>Donations...</source>
        <translation>Spenden...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>Day         of %1</source>
        <extracomment>The blanks leave room for the day box drawn over them.</extracomment>
        <translation>Tag         von %1</translation>
    </message>
    <message>
        <source>%1 day</source>
        <comment>spoken name of a rhythm&apos;s cycle-day box</comment>
        <translation>Zyklustag %1</translation>
    </message>
    <message>
        <source>total days</source>
        <translation>Lebenstage</translation>
    </message>
    <message>
        <source>years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>add new</source>
        <translation>Anlegen</translation>
    </message>
    <message>
        <source>zodiac</source>
        <translation>Sternzeichen</translation>
    </message>
    <message>
        <source> add new profile </source>
        <translation> Neues Profil anlegen </translation>
    </message>
    <message>
        <source> draw biorhythm </source>
        <translation> Biorhythmus zeichnen </translation>
    </message>
    <message>
        <source>draw bio</source>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source> about </source>
        <translation> Über </translation>
    </message>
    <message>
        <source> help </source>
        <translation> Hilfe </translation>
    </message>
    <message>
        <source> close </source>
        <translation> Schließen </translation>
    </message>
    <message>
        <source> select profile </source>
        <translation> Profil auswählen </translation>
    </message>
    <message>
        <source> biorhythm today&apos;s interpretation </source>
        <translation> Heutige Deutung des Biorhythmus </translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Über...</translation>
    </message>
    <message>
        <source> %1 : %2 </source>
        <extracomment>The sign picture&apos;s hint: &quot; aquarius : Jan 20 ~ Feb 18 &quot;.</extracomment>
        <translation> %1: %2 </translation>
    </message>
    <message>
        <source>     Rhythm&apos;s interpretation @  %1  -  for %2</source>
        <extracomment>The interpretation window&apos;s caption: today&apos;s date, then the name in the name box.</extracomment>
        <translation>     Deutung der Rhythmen am  %1  –  für %2</translation>
    </message>
    <message>
        <source>Data file &apos;Cyclomat.dat&apos; with Celebrity names does not exist on path.<byte value="xd"/>Can&apos;t load extra data.. Get it from zip file, if you want it too.</source>
        <translation>Die Datendatei „Cyclomat.dat“ mit den Namen der Prominenten wurde nicht gefunden.<byte value="xd"/>Die Zusatzdaten können nicht geladen werden. Sie finden die Datei im ZIP-Archiv, falls Sie sie nutzen möchten.</translation>
    </message>
    <message>
        <source>The profile &apos;%1&apos; is no longer in the settings file.</source>
        <translation>Das Profil „%1“ ist nicht mehr in der Einstellungsdatei vorhanden.</translation>
    </message>
    <message>
        <source>The profile is shown, but the selection could not be remembered for the next start (no more reports of this in this run). %1</source>
        <translation>Das Profil wird angezeigt, aber die Auswahl konnte nicht für den nächsten Start gespeichert werden (bis zum Programmende wird dies nicht erneut gemeldet). %1</translation>
    </message>
    <message>
        <source>chart</source>
        <comment>file name of a chart without a name</comment>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Save chart as</source>
        <translation>Diagramm speichern unter</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)</source>
        <translation>PNG-Bild (*.png);;SVG-Zeichnung (*.svg);;PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Unable to print on %1</source>
        <translation>Auf %1 kann nicht gedruckt werden</translation>
    </message>
    <message>
        <source>Dark chart</source>
        <translation>Dunkles Diagramm</translation>
    </message>
    <message>
        <source>Colour-blind-safe colours</source>
        <translation>Farben für Farbenblinde</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormAbout</name>
    <message>
        <source>Freeware by</source>
        <translation>Freeware von</translation>
    </message>
    <message>
        <source>Find your own personal Zavirir, all 4 curves. Add as many people as you want and check how everyone is doing for the day!</source>
        <translation>Finden Sie Ihren ganz persönlichen Zavirir mit allen 4 Kurven. Fügen Sie beliebig viele Personen hinzu und sehen Sie, wie es allen heute geht!</translation>
    </message>
    <message>
        <source>If you like this program, do email me with feedback, ideas, suggestions or questions to</source>
        <translation>Wenn Ihnen das Programm gefällt, schicken Sie mir gern Rückmeldungen, Ideen, Vorschläge oder Fragen an</translation>
    </message>
    <message>
        <source>You can also help the development, by _______ a few $$</source>
        <extracomment>The donation link below (&quot;donating &quot;) is laid over the blank, which stays seven underscores.</extracomment>
        <translation>Sie können die Entwicklung auch mit einer kleinen _______ unterstützen.</translation>
    </message>
    <message>
        <source>donating </source>
        <translation>Spende </translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormCompatibility</name>
    <message>
        <source>Compatibility</source>
        <translation>Kompatibilität</translation>
    </message>
    <message>
        <source>Second person: pick or type</source>
        <translation>Zweite Person: auswählen oder eingeben</translation>
    </message>
    <message>
        <source>type to search</source>
        <translation>Zum Suchen tippen</translation>
    </message>
    <message>
        <source>compare</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>mean of %1, %2, %3</source>
        <translation>Mittel aus %1, %2, %3</translation>
    </message>
    <message>
        <source>solid: first person, dashed: second person; today is the silver column</source>
        <translation>durchgezogen: erste Person, gestrichelt: zweite Person; heute ist die silberne Spalte</translation>
    </message>
    <message>
        <source>Nobody drawn yet: draw a chart in the main window first.</source>
        <translation>Noch niemand gezeichnet: Zeichnen Sie zuerst im Hauptfenster ein Diagramm.</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>First person: %1, born %2</source>
        <translation>Erste Person: %1, geboren am %2</translation>
    </message>
    <message>
        <source>Search profiles and celebrities</source>
        <translation>Profile und Prominente durchsuchen</translation>
    </message>
    <message>
        <source>Profiles and celebrities</source>
        <translation>Profile und Prominente</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormCritical</name>
    <message>
        <source>Critical days</source>
        <translation>Kritische Tage</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Startdatum</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>Span</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>&amp;Span:</source>
        <translation>&amp;Zeitraum:</translation>
    </message>
    <message>
        <source>Rhythms:</source>
        <translation>Rhythmen:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Critical rhythms</source>
        <translation>Kritische Rhythmen</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Next triple critical day</source>
        <translation>Nächster dreifach kritischer Tag</translation>
    </message>
    <message>
        <source>Save as calendar...</source>
        <translation>Als Kalender speichern...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No biorhythm has been drawn yet. Draw a person&apos;s biorhythm in the main window, and their critical days will be listed here.</source>
        <translation>Es wurde noch kein Biorhythmus gezeichnet. Zeichnen Sie im Hauptfenster den Biorhythmus einer Person, dann werden hier ihre kritischen Tage aufgelistet.</translation>
    </message>
    <message>
        <source>Critical days for the birth date %1</source>
        <translation>Kritische Tage zum Geburtsdatum %1</translation>
    </message>
    <message>
        <source>Critical days of %1, born %2</source>
        <translation>Kritische Tage von %1, geboren am %2</translation>
    </message>
    <message>
        <source>Today, %1, is a triple critical day.</source>
        <translation>Heute (%1) ist ein dreifach kritischer Tag.</translation>
    </message>
    <message numerus="yes">
        <source>The next triple critical day, %1, is %n day(s) away.</source>
        <translation>
            <numerusform>Der nächste dreifach kritische Tag (%1) ist in %n Tag.</numerusform>
            <numerusform>Der nächste dreifach kritische Tag (%1) ist in %n Tagen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The next triple critical day after the start date, %1, was %n day(s) ago.</source>
        <translation>
            <numerusform>Der nächste dreifach kritische Tag nach dem Startdatum (%1) war vor %n Tag.</numerusform>
            <numerusform>Der nächste dreifach kritische Tag nach dem Startdatum (%1) war vor %n Tagen.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 critical days</source>
        <comment>file name</comment>
        <translation>%1 kritische Tage</translation>
    </message>
    <message>
        <source>Save as calendar</source>
        <translation>Als Kalender speichern</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>iCalendar-Dateien (*.ics);;Alle Dateien (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n critical day(s) saved to %1</source>
        <translation>
            <numerusform>%n kritischer Tag in %1 gespeichert</numerusform>
            <numerusform>%n kritische Tage in %1 gespeichert</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormEditor</name>
    <message>
        <source>Profile editor</source>
        <translation>Profile bearbeiten</translation>
    </message>
    <message>
        <source>add new</source>
        <translation>Anlegen</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>No profile is selected, so nothing was deleted.</source>
        <translation>Es ist kein Profil ausgewählt, daher wurde nichts gelöscht.</translation>
    </message>
    <message>
        <source>Sure to delete  &apos;%1&apos;s&apos;  profile?</source>
        <translation>Das Profil „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <source>The profile &apos;%1&apos; is no longer in the settings file.</source>
        <translation>Das Profil „%1“ ist nicht mehr in der Einstellungsdatei vorhanden.</translation>
    </message>
    <message>
        <source>profile</source>
        <translation>Profil</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormInterpret</name>
    <message>
        <source>     Rhythm&apos;s interpretation ...</source>
        <translation>     Deutung der Rhythmen ...</translation>
    </message>
    <message>
        <source>physical</source>
        <translation>körperlich</translation>
    </message>
    <message>
        <source>emotional</source>
        <translation>emotional</translation>
    </message>
    <message>
        <source>intellectual</source>
        <translation>geistig</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormPlanner</name>
    <message>
        <source>YYYY</source>
        <translation>JJJJ</translation>
    </message>
    <message>
        <source>DD</source>
        <translation>TT</translation>
    </message>
    <message>
        <source>MM</source>
        <translation>MM</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Planner</source>
        <translation>Planer</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Mitglieder</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Remove all</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>&amp;Add people:</source>
        <translation>Personen &amp;hinzufügen:</translation>
    </message>
    <message>
        <source>type to search</source>
        <translation>Zum Suchen tippen</translation>
    </message>
    <message>
        <source>Search profiles and celebrities</source>
        <translation>Profile und Prominente durchsuchen</translation>
    </message>
    <message>
        <source>Profiles and celebrities</source>
        <translation>Profile und Prominente</translation>
    </message>
    <message>
        <source>Add &amp;selected</source>
        <translation>&amp;Auswahl hinzufügen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>Hinzu&amp;fügen</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Gruppe:</translation>
    </message>
    <message>
        <source>Group name</source>
        <translation>Gruppenname</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Add from file...</source>
        <translation>Aus Datei hinzufügen...</translation>
    </message>
    <message>
        <source>Save to file...</source>
        <translation>In Datei speichern...</translation>
    </message>
    <message>
        <source>Import contacts...</source>
        <translation>Kontakte importieren...</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Startdatum</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source> days</source>
        <comment>after the span&apos;s number</comment>
        <translation> Tage</translation>
    </message>
    <message>
        <source>Span in days</source>
        <translation>Zeitraum in Tagen</translation>
    </message>
    <message>
        <source>S&amp;pan:</source>
        <translation>&amp;Zeitraum:</translation>
    </message>
    <message>
        <source>Rhythms:</source>
        <translation>Rhythmen:</translation>
    </message>
    <message>
        <source>Best days</source>
        <translation>Beste Tage</translation>
    </message>
    <message>
        <source>Worst days</source>
        <translation>Schlechteste Tage</translation>
    </message>
    <message>
        <source>&amp;Best days (nobody critical):</source>
        <translation>&amp;Beste Tage (niemand kritisch):</translation>
    </message>
    <message>
        <source>&amp;Worst days:</source>
        <translation>Schlech&amp;teste Tage:</translation>
    </message>
    <message>
        <source>Mor&amp;e days</source>
        <translation>&amp;Weitere Tage</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Als PDF speichern...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Als CSV speichern...</translation>
    </message>
    <message>
        <source>Save best days as calendar...</source>
        <translation>Beste Tage als Kalender speichern...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>In view: %1 to %2 (the span: %3 to %4)</source>
        <translation>Angezeigt: %1 bis %2 (Zeitraum: %3 bis %4)</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Persönlich</translation>
    </message>
    <message>
        <source>Celebrity</source>
        <translation>Prominente</translation>
    </message>
    <message>
        <source>The planner holds at most %1 people.</source>
        <translation>Der Planer fasst höchstens %1 Personen.</translation>
    </message>
    <message>
        <source>&amp;Members (%1):</source>
        <translation>&amp;Mitglieder (%1):</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>Every day of the span is a critical day for someone: no best day.</source>
        <translation>Jeder Tag des Zeitraums ist für jemanden kritisch: kein bester Tag.</translation>
    </message>
    <message>
        <source>%1 left out: no valid birth date</source>
        <translation>%1 ausgelassen: kein gültiges Geburtsdatum</translation>
    </message>
    <message numerus="yes">
        <source>%n (entry|entries)</source>
        <translation>
            <numerusform>%n Eintrag</numerusform>
            <numerusform>%n Einträge</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no group named &quot;%1&quot;.</source>
        <translation>Es gibt keine Gruppe namens „%1“.</translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; opened: %2%3</source>
        <translation>Gruppe „%1“ geöffnet: %2%3</translation>
    </message>
    <message numerus="yes">
        <source>%n (person|people)</source>
        <translation>
            <numerusform>%n Person</numerusform>
            <numerusform>%n Personen</numerusform>
        </translation>
    </message>
    <message>
        <source>; %1 without a valid birth date left out</source>
        <translation>; %1 ohne gültiges Geburtsdatum ausgelassen</translation>
    </message>
    <message>
        <source>Type a name for the group first.</source>
        <translation>Geben Sie zuerst einen Namen für die Gruppe ein.</translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; saved with %2</source>
        <translation>Gruppe „%1“ mit %2 gespeichert</translation>
    </message>
    <message>
        <source>Delete the group &quot;%1&quot;?</source>
        <translation>Die Gruppe „%1“ löschen?</translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; deleted.</source>
        <translation>Gruppe „%1“ gelöscht.</translation>
    </message>
    <message>
        <source>Add people from a file</source>
        <translation>Personen aus einer Datei hinzufügen</translation>
    </message>
    <message>
        <source>Group files (*.txt *.dat);;All files (*)</source>
        <translation>Gruppendateien (*.txt *.dat);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 added from %2%3</source>
        <translation>%1 aus %2 hinzugefügt%3</translation>
    </message>
    <message>
        <source>Save group to file</source>
        <translation>Gruppe in Datei speichern</translation>
    </message>
    <message>
        <source>Group files (*.txt);;All files (*)</source>
        <translation>Gruppendateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 saved to %2</source>
        <translation>%1 in %2 gespeichert</translation>
    </message>
    <message>
        <source>Import birthdays from contacts</source>
        <translation>Geburtstage aus Kontakten importieren</translation>
    </message>
    <message>
        <source>Contacts (*.vcf *.vcard);;All files (*)</source>
        <translation>Kontakte (*.vcf *.vcard);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save roster as PDF</source>
        <translation>Übersicht als PDF speichern</translation>
    </message>
    <message>
        <source> roster.pdf</source>
        <comment>file name after the group&apos;s</comment>
        <translation> Übersicht.pdf</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Unable to print on %1</source>
        <translation>Auf %1 kann nicht gedruckt werden</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Als CSV speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save best days as calendar</source>
        <translation>Beste Tage als Kalender speichern</translation>
    </message>
    <message>
        <source> best days.ics</source>
        <comment>file name after the group&apos;s</comment>
        <translation> beste Tage.ics</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>iCalendar-Dateien (*.ics);;Alle Dateien (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n best day(s)</source>
        <translation>
            <numerusform>%n bester Tag</numerusform>
            <numerusform>%n beste Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>Open file...</source>
        <translation>Datei öffnen...</translation>
    </message>
    <message>
        <source>Open a group file</source>
        <translation>Gruppendatei öffnen</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Erinnerungen</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Personen</translation>
    </message>
    <message>
        <source>&amp;People to be reminded of:</source>
        <translation>&amp;Personen, an die erinnert wird:</translation>
    </message>
    <message>
        <source>The same day</source>
        <translation>Am selben Tag</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) before</source>
        <translation>
            <numerusform>%n Tag vorher</numerusform>
            <numerusform>%n Tage vorher</numerusform>
        </translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Einfach</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doppelt</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>Dreifach</translation>
    </message>
    <message>
        <source>&amp;How far ahead:</source>
        <translation>&amp;Vorlauf:</translation>
    </message>
    <message>
        <source>Which days:</source>
        <translation>Welche Tage:</translation>
    </message>
    <message>
        <source>&amp;Time of day:</source>
        <translation>&amp;Uhrzeit:</translation>
    </message>
    <message>
        <source>&amp;Keep a calendar file</source>
        <translation>&amp;Kalenderdatei führen</translation>
    </message>
    <message>
        <source>Calendar file</source>
        <translation>Kalenderdatei</translation>
    </message>
    <message>
        <source>&amp;Remind me</source>
        <translation>Erinnerungen &amp;einschalten</translation>
    </message>
    <message>
        <source>&amp;Stop reminders</source>
        <translation>Erinnerungen &amp;ausschalten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Stored profiles</source>
        <translation>Gespeicherte Profile</translation>
    </message>
    <message>
        <source>Group: %1</source>
        <translation>Gruppe: %1</translation>
    </message>
    <message>
        <source>No longer stored</source>
        <translation>Nicht mehr gespeichert</translation>
    </message>
    <message>
        <source>No profiles are stored yet: add a person in the main window first.</source>
        <translation>Noch keine Profile gespeichert: Legen Sie zuerst im Hauptfenster eine Person an.</translation>
    </message>
    <message>
        <source>Tick at least one person to be reminded of first.</source>
        <translation>Wählen Sie zuerst mindestens eine Person aus, an die erinnert werden soll.</translation>
    </message>
</context>
</TS>
