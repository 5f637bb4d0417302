<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Calendar</name>
    <message>
        <source>Triple critical day: %1</source>
        <translation>Potrójny dzień krytyczny: %1</translation>
    </message>
    <message>
        <source>Double critical day: %1</source>
        <translation>Podwójny dzień krytyczny: %1</translation>
    </message>
    <message>
        <source>Critical day: %1</source>
        <translation>Dzień krytyczny: %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A calendar event&apos;s summary, then whose critical day it is.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię i nazwisko</translation>
    </message>
    <message>
        <source>Birth date</source>
        <translation>Data urodzenia</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Critical rhythms</source>
        <translation>Rytmy krytyczne</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <source>born %1</source>
        <translation>ur. %1</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <extracomment>The first three members&apos; names, then how many more the group has.</extracomment>
        <translation>%1 i jeszcze %2</translation>
    </message>
    <message>
        <source>Best day for %1: group score %2</source>
        <translation>Najlepszy dzień (%1): wynik grupy %2</translation>
    </message>
</context>
<context>
    <name>ChartDocument</name>
    <message>
        <source>born %1</source>
        <translation>ur. %1</translation>
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
        <translation>Wykres</translation>
    </message>
    <message>
        <source>One row a day: its date, each rhythm&apos;s percentage and direction, and the rhythms critical that day</source>
        <translation>Jeden wiersz na dzień: data, procent i kierunek każdego rytmu oraz rytmy krytyczne tego dnia</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Krytyczne</translation>
    </message>
    <message>
        <source>%1 % %2</source>
        <extracomment>A rhythm&apos;s cell of the chart&apos;s table: &quot;87 % rising&quot;.</extracomment>
        <translation>%1 % %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--chart needs a birth date</source>
        <translation>--chart wymaga daty urodzenia</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output wymaga nazwy pliku</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; after --chart</source>
        <translation>nieoczekiwane „%1” po --chart</translation>
    </message>
    <message>
        <source>--chart needs --output FILE.png|.svg|.pdf</source>
        <translation>--chart wymaga --output PLIK.png|.svg|.pdf</translation>
    </message>
    <message>
        <source>the strip leaves the calendar</source>
        <translation>wykres wychodzi poza zakres kalendarza</translation>
    </message>
    <message>
        <source>--compat takes two birth dates and --json</source>
        <translation>--compat przyjmuje dwie daty urodzenia i --json</translation>
    </message>
    <message>
        <source>--critical needs a birth date DD.MM.YYYY</source>
        <translation>--critical wymaga daty urodzenia DD.MM.RRRR</translation>
    </message>
    <message>
        <source>--rhythms takes letters of P,E,I,N,S,A, each once</source>
        <translation>--rhythms przyjmuje litery spośród P,E,I,N,S,A, każdą najwyżej raz</translation>
    </message>
    <message>
        <source>--ics needs a file name</source>
        <translation>--ics wymaga nazwy pliku</translation>
    </message>
    <message>
        <source>unknown or incomplete option &apos;%1&apos;</source>
        <translation>nieznana lub niepełna opcja „%1”</translation>
    </message>
    <message>
        <source>the days asked for run past the year 9999</source>
        <translation>żądane dni wykraczają poza rok 9999</translation>
    </message>
    <message>
        <source>&apos;%1|%2&apos; in %3 is no Name|DD.MM.YYYY entry</source>
        <translation>„%1|%2” w %3 nie jest wpisem w postaci Imię|DD.MM.RRRR</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 wymaga nazwy pliku</translation>
    </message>
    <message>
        <source>--plan needs a birth date DD.MM.YYYY or --group FILE</source>
        <translation>--plan wymaga daty urodzenia DD.MM.RRRR lub --group PLIK</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; after --remind</source>
        <translation>nieoczekiwane „%1” po --remind</translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s) shown</source>
        <translation>
            <numerusform>Pokazano %n przypomnienie</numerusform>
            <numerusform>Pokazano %n przypomnienia</numerusform>
            <numerusform>Pokazano %n przypomnień</numerusform>
        </translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>nieznana opcja „%1”</translation>
    </message>
    <message>
        <source>Rorovovo: unable to write the output (%1)</source>
        <translation>Rorovovo: nie można zapisać wyniku (%1)</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>zapis nie powiódł się</translation>
    </message>
    <message>
        <source>--help                 this text</source>
        <translation>--help                 ten tekst</translation>
    </message>
    <message>
        <source>--version              the program&apos;s version</source>
        <translation>--version              wersja programu</translation>
    </message>
    <message>
        <source>--critical DD.MM.YYYY [--from DD.MM.YYYY] [--days N] [--rhythms P,E,I,N,S,A] [--json] [--ics FILE]
                         critical days of a birth date (from today, 90 days, all six rhythms)</source>
        <translation>--critical DD.MM.RRRR [--from DD.MM.RRRR] [--days N] [--rhythms P,E,I,N,S,A] [--json] [--ics PLIK]
                         dni krytyczne dla daty urodzenia (domyślnie od dziś, 90 dni, wszystkie sześć rytmów)</translation>
    </message>
    <message>
        <source>--chart DD.MM.YYYY [--name TEXT] [--from DD.MM.YYYY] [--days N] [--extra] --output FILE.png|.svg|.pdf
                         the chart as a picture or document, without a window</source>
        <translation>--chart DD.MM.RRRR [--name TEKST] [--from DD.MM.RRRR] [--days N] [--extra] --output PLIK.png|.svg|.pdf
                         wykres jako obraz lub dokument, bez otwierania okna</translation>
    </message>
    <message>
        <source>--compat DD.MM.YYYY DD.MM.YYYY [--json]
                         how well two people&apos;s rhythms match</source>
        <translation>--compat DD.MM.RRRR DD.MM.RRRR [--json]
                         jak bardzo pasują do siebie rytmy dwóch osób</translation>
    </message>
    <message>
        <source>--plan DD.MM.YYYY [DD.MM.YYYY ...] [--group FILE] [--from DD.MM.YYYY] [--days N] [--top K]
       [--rhythms P,E,I,N,S,A] [--json] [--csv FILE] [--ics FILE]
                         the best and worst days for a group (from today, 30 days, Physical,
                         Emotional and Intellectual)</source>
        <translation>--plan DD.MM.RRRR [DD.MM.RRRR ...] [--group PLIK] [--from DD.MM.RRRR] [--days N] [--top K]
       [--rhythms P,E,I,N,S,A] [--json] [--csv PLIK] [--ics PLIK]
                         najlepsze i najgorsze dni dla grupy (domyślnie od dziś, 30 dni, rytmy:
                         fizyczny, psychiczny i umysłowy)</translation>
    </message>
    <message>
        <source>--remind [--at-login]   one check of the reminders (Tools &gt; Reminders...): shows what is due and ends</source>
        <translation>--remind [--at-login]   jednorazowe sprawdzenie przypomnień (Narzędzia &gt; Przypomnienia...): pokazuje to, co przypada, i kończy działanie</translation>
    </message>
    <message>
        <source>Rorovovo: &apos;%1&apos; is not a valid date (DD.MM.YYYY)</source>
        <translation>Rorovovo: „%1” nie jest prawidłową datą (DD.MM.RRRR)</translation>
    </message>
    <message>
        <source>Rorovovo: %1 (try &apos;Rorovovo --help&apos;)</source>
        <translation>Rorovovo: %1 (zobacz „Rorovovo --help”)</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 przyjmuje liczbę całkowitą od %2 do %3</translation>
    </message>
    <message>
        <source>Usage: Rorovovo [option]
Without an option the program opens its window.

Options:
</source>
        <translation>Użycie: Rorovovo [opcja]
Bez opcji program otwiera swoje okno.

Opcje:
</translation>
    </message>
</context>
<context>
    <name>CriticalKind</name>
    <message>
        <source>single</source>
        <translation>pojedynczy</translation>
    </message>
    <message>
        <source>double</source>
        <translation>podwójny</translation>
    </message>
    <message>
        <source>triple</source>
        <translation>potrójny</translation>
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
        <translation>%1 %2% %3</translation>
    </message>
    <message>
        <source>rising</source>
        <translation>rosnący</translation>
    </message>
    <message>
        <source>falling</source>
        <translation>malejący</translation>
    </message>
    <message>
        <source>Critical: %1</source>
        <translation>Krytyczne: %1</translation>
    </message>
    <message>
        <source>Only %1, %2 and %3 make a day double or triple.</source>
        <translation>Tylko rytmy %1, %2 i %3 sprawiają, że dzień jest podwójny lub potrójny.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Biorhythm Chart</source>
        <translation>Wykres biorytmów</translation>
    </message>
    <message>
        <source>Draw the physical, emotional and intellectual rhythms of a birth date</source>
        <translation>Rysuje rytmy fizyczny, psychiczny i umysłowy dla daty urodzenia</translation>
    </message>
    <message>
        <source>biorhythm;rhythm;cycle;chart;birthday;zodiac;</source>
        <translation>biorytm;biorytmy;rytm;cykl;wykres;urodziny;zodiak;</translation>
    </message>
    <message>
        <source>Draw the biorhythm chart of a birth date</source>
        <translation>Rysuje wykres biorytmów dla daty urodzenia</translation>
    </message>
    <message>
        <source>Rorovovo draws a chart of the Physical (23 days), Emotional (28), Intellectual (33) and Intuitional (38) rhythms of a person from a name and a birth date, with the Spiritual (53) and Aesthetics (48) rhythms on request.</source>
        <translation>Rorovovo na podstawie imienia i daty urodzenia rysuje wykres rytmów danej osoby: fizycznego (23 dni), psychicznego (28), umysłowego (33) i intuicyjnego (38), a na życzenie także duchowego (53) i estetycznego (48).</translation>
    </message>
    <message>
        <source>Beside the chart it shows:</source>
        <translation>Obok wykresu pokazuje:</translation>
    </message>
    <message>
        <source>today&apos;s day in each cycle with ring indicators</source>
        <translation>dzisiejszy dzień każdego cyklu na okrągłych wskaźnikach</translation>
    </message>
    <message>
        <source>the days lived, the age and the zodiac sign</source>
        <translation>liczbę przeżytych dni, wiek i znak zodiaku</translation>
    </message>
    <message>
        <source>a short interpretation of today</source>
        <translation>krótką interpretację dnia dzisiejszego</translation>
    </message>
    <message>
        <source>Personal profiles are kept in the user&apos;s own settings file; a list of celebrities comes with the program.</source>
        <translation>Profile osobiste są przechowywane we własnym pliku ustawień użytkownika; lista znanych osób jest dołączona do programu.</translation>
    </message>
    <message>
        <source>The chart of a profile with today&apos;s rhythms beside it</source>
        <translation>Wykres profilu, a obok niego dzisiejsze rytmy</translation>
    </message>
    <message>
        <source>Installs like any Linux program: a menu entry, settings in the user&apos;s home, and a command line.</source>
        <translation>Instaluje się jak każdy program dla Linuksa: pozycja w menu, ustawienia w katalogu domowym użytkownika i polecenie do wiersza poleceń.</translation>
    </message>
    <message>
        <source>draw the biorhythm chart of a birth date</source>
        <translation>rysuje wykres biorytmów dla daty urodzenia</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potwierdzenie</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1” nie jest prawidłową liczbą całkowitą</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Wartość spoza zakresu</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Nie można zapisać do %1</translation>
    </message>
    <message>
        <source>Unable to write to %1 (%2)</source>
        <translation>Nie można zapisać do %1 (%2)</translation>
    </message>
    <message>
        <source>The file name must end in .png, .svg or .pdf.</source>
        <translation>Nazwa pliku musi się kończyć na .png, .svg lub .pdf.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>jest to folder</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>nie jest to zwykły plik</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>jest większy niż %1 MB</translation>
    </message>
    <message>
        <source>Input/output error: unable to read %1 (%2)</source>
        <translation>Błąd wejścia/wyjścia: nie można odczytać %1 (%2)</translation>
    </message>
    <message>
        <source>Unable to load %1: %2</source>
        <translation>Nie można wczytać %1: %2</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>brak pliku</translation>
    </message>
    <message>
        <source>it has no entry point rorovovo_extras</source>
        <translation>brak w nim punktu wejścia rorovovo_extras</translation>
    </message>
    <message>
        <source>it belongs to another version of the program</source>
        <translation>pochodzi z innej wersji programu</translation>
    </message>
</context>
<context>
    <name>Indicator</name>
    <message>
        <source> Cycle going up </source>
        <translation> Cykl rosnący </translation>
    </message>
    <message>
        <source> Cycle going down </source>
        <translation> Cykl malejący </translation>
    </message>
</context>
<context>
    <name>Interpretation</name>
    <message>
        <source>If you have planned big physical activities for today, put them off until the day after tomorrow. It&apos;s a critical day, so relax and take it easy.</source>
        <translation>Jeśli planujesz na dziś duży wysiłek fizyczny, przełóż go na pojutrze. To dzień krytyczny, więc odpocznij i się nie forsuj.</translation>
    </message>
    <message>
        <source>Physically, you had a critical day yesterday. Give your body one more day before you take on anything strenuous.</source>
        <translation>Wczoraj był twój fizyczny dzień krytyczny. Daj ciału jeszcze jeden dzień, zanim weźmiesz się za coś męczącego.</translation>
    </message>
    <message>
        <source>Your fitness and motivation are increasing. The couch potato days are behind you, so get moving!</source>
        <translation>Rośnie twoja kondycja i motywacja. Dni spędzane na kanapie masz już za sobą, więc ruszaj się!</translation>
    </message>
    <message>
        <source>Your efficiency is high. Make good use of it and tackle whatever needs strength and stamina.</source>
        <translation>Twoja wydolność jest wysoka. Wykorzystaj to i zabierz się za wszystko, co wymaga siły i wytrzymałości.</translation>
    </message>
    <message>
        <source>You are in very good physical shape. Why not go for a jog or a long walk today?</source>
        <translation>Jesteś w świetnej formie fizycznej. Może pobiegasz dziś albo wybierzesz się na długi spacer?</translation>
    </message>
    <message>
        <source>Give yourself a rest. Save your energy, you will need it over the next few days.</source>
        <translation>Daj sobie odpocząć. Oszczędzaj energię, przyda ci się w najbliższych dniach.</translation>
    </message>
    <message>
        <source>Don&apos;t exert yourself today! Better to relax now than to over-strain your body.</source>
        <translation>Nie przemęczaj się dziś! Lepiej teraz odpocząć, niż przeciążyć organizm.</translation>
    </message>
    <message>
        <source>Today you feel beaten and would rather lie down all day. If you can manage it, just do that.</source>
        <translation>Dziś brakuje ci sił, a łóżko kusi przez cały dzień. Jeśli tylko możesz, daj się skusić.</translation>
    </message>
    <message>
        <source>Your energy seems to be gone. You feel listless, so don&apos;t expect too much of yourself.</source>
        <translation>Energia chyba cię opuściła. Brak ci zapału, więc nie wymagaj od siebie zbyt wiele.</translation>
    </message>
    <message>
        <source>You feel tired and drained. Avoid any exertion and let your body recover.</source>
        <translation>Czujesz zmęczenie i brak sił. Unikaj wysiłku i pozwól organizmowi się zregenerować.</translation>
    </message>
    <message>
        <source>Slowly your vitality is increasing. Help it along with some light exercise.</source>
        <translation>Powoli wraca ci witalność. Pomóż jej odrobiną lekkiego ruchu.</translation>
    </message>
    <message>
        <source>You&apos;re still not exactly full of beans. Be patient, your strength will soon be back.</source>
        <translation>Wciąż nie tryskasz energią. Cierpliwości, siły wkrótce wrócą.</translation>
    </message>
    <message>
        <source>Today your barometer of emotions is jumping from high to very low. It&apos;s a critical day, so take it easy: tomorrow is another day.</source>
        <translation>Twój barometr emocji skacze dziś od euforii do dołka. To dzień krytyczny, więc spokojnie: jutro też jest dzień.</translation>
    </message>
    <message>
        <source>There are still some after-effects of yesterday. Better stay at home and put off that date until tomorrow.</source>
        <translation>Wczorajszy dzień wciąż daje o sobie znać. Lepiej zostań w domu i przełóż randkę na jutro.</translation>
    </message>
    <message>
        <source>You feel well and are in a good mood. And it&apos;s going to get even better!</source>
        <translation>Dobrze się czujesz i dopisuje ci humor. A będzie jeszcze lepiej!</translation>
    </message>
    <message>
        <source>You are even-tempered and in an emotional balance. A good day to meet people.</source>
        <translation>Masz w sobie spokój i równowagę emocjonalną. To dobry dzień na spotkania z ludźmi.</translation>
    </message>
    <message>
        <source>You are on an emotional &apos;high&apos; today. Getting on with others is easy and you are in great demand.</source>
        <translation>Jesteś dziś emocjonalnie „na fali”. Łatwo nawiązujesz kontakty, a wszyscy o ciebie zabiegają.</translation>
    </message>
    <message>
        <source>You feel even-tempered and harmonious. Enjoy it while it lasts!</source>
        <translation>Czujesz spokój i harmonię. Ciesz się tym, póki trwa!</translation>
    </message>
    <message>
        <source>You are unsure about your emotions. Sadly, all good things come to an end.</source>
        <translation>Trudno ci się rozeznać we własnych uczuciach. Cóż, wszystko, co dobre, kiedyś się kończy.</translation>
    </message>
    <message>
        <source>Inside you feel restlessness. You are unsure of your feelings and have doubts about yourself.</source>
        <translation>Czujesz wewnętrzny niepokój. Nie masz pewności co do swoich uczuć i wątpisz w siebie.</translation>
    </message>
    <message>
        <source>Emotional breakdown? No wonder, your feelings are pulling you up and down today.</source>
        <translation>Emocjonalny dołek? Nic dziwnego, uczucia rzucają tobą dziś to w górę, to w dół.</translation>
    </message>
    <message>
        <source>You feel unsettled and restless. Better plan no affairs of the heart for the next few days.</source>
        <translation>Czujesz rozchwianie i niepokój. Lepiej nie planuj spraw sercowych na najbliższe dni.</translation>
    </message>
    <message>
        <source>You&apos;re nervous or unsure and feel empty inside. That&apos;s just how it is right now.</source>
        <translation>Dopada cię nerwowość lub niepewność, a w środku czujesz pustkę. Cóż, tak już teraz jest.</translation>
    </message>
    <message>
        <source>You want to hide away in the furthest corner. Do so if you can, it&apos;s a bad day.</source>
        <translation>Masz ochotę schować się w najdalszym kącie. Jeśli możesz, zrób to – to kiepski dzień.</translation>
    </message>
    <message>
        <source>Back down, if you can. Avoid the people you have plans with, you won&apos;t make your best impression.</source>
        <translation>Jeśli możesz, wycofaj się. Unikaj osób, z którymi masz plany – nie wypadniesz dziś najlepiej.</translation>
    </message>
    <message>
        <source>There will be light at the end of the tunnel! Still, staying in your shell is no fun.</source>
        <translation>Na końcu tunelu pojawi się światełko! Na razie jednak siedzenie w skorupie to żadna frajda.</translation>
    </message>
    <message>
        <source>Now you can see the light at the end of the tunnel. The self-pity is over, one more hurdle to pass.</source>
        <translation>Widać już światełko w tunelu. Koniec z użalaniem się nad sobą, jeszcze tylko jedna przeszkoda.</translation>
    </message>
    <message>
        <source>Do you have an exam today? It&apos;s a critical day and your mind may be a bit foggy, so check everything twice.</source>
        <translation>Masz dziś egzamin? To dzień krytyczny i w głowie może być trochę mgliście, więc sprawdzaj wszystko dwa razy.</translation>
    </message>
    <message>
        <source>Now it&apos;s getting better with your intellectual skills. Do the work that needs concentration within the next ten days.</source>
        <translation>Twoja sprawność umysłowa rośnie. Pracę wymagającą skupienia wykonaj w ciągu najbliższych dziesięciu dni.</translation>
    </message>
    <message>
        <source>Your intellect and decision-making skills are admirable. Brain-twisters are no problem for you now.</source>
        <translation>Twój intelekt i umiejętność podejmowania decyzji budzą podziw. Łamigłówki nie są teraz dla ciebie problemem.</translation>
    </message>
    <message>
        <source>You are quick at repartee and see everything clearly. Mistakes are spotted early.</source>
        <translation>Błyskawicznie ripostujesz i wszystko widzisz jasno. Błędy wyłapujesz w mig.</translation>
    </message>
    <message>
        <source>You can finish demanding tasks without great effort, and you&apos;re full of good ideas.</source>
        <translation>Wymagające zadania kończysz bez większego wysiłku, a dobrych pomysłów ci nie brakuje.</translation>
    </message>
    <message>
        <source>Thinking logical? No problem! Finish pending tasks now, before things get worse.</source>
        <translation>Logiczne myślenie? Żaden problem! Dokończ zaległe zadania teraz, zanim będzie gorzej.</translation>
    </message>
    <message>
        <source>Let&apos;s hope you&apos;ve finished all the difficult tasks, because today you could bungle them.</source>
        <translation>Oby trudne zadania były już za tobą, bo dziś łatwo o fuszerkę.</translation>
    </message>
    <message>
        <source>You can&apos;t concentrate today. Your thinking is muddy, so leave tricky work for later.</source>
        <translation>Nie możesz się dziś skupić. Myśli są mętne, więc trudniejszą pracę zostaw na później.</translation>
    </message>
    <message>
        <source>You are irresolute and don&apos;t know where to start. Just start anywhere!</source>
        <translation>Brak ci zdecydowania i nie wiesz, od czego zacząć. Po prostu zacznij od czegokolwiek!</translation>
    </message>
    <message>
        <source>The period of creativity is over. Your brain has gone into stand-by mode.</source>
        <translation>Okres twórczy się skończył. Twój mózg przeszedł w tryb czuwania.</translation>
    </message>
    <message>
        <source>You spend these days without any plan or aim. Your reactions leave much to be desired, too.</source>
        <translation>Te dni mijają ci bez planu i celu. Twoje reakcje też pozostawiają wiele do życzenia.</translation>
    </message>
    <message>
        <source>Making resolutions? Better leave that for later.</source>
        <translation>Postanowienia? Lepiej odłóż je na później.</translation>
    </message>
    <message>
        <source>Even if you haven&apos;t accomplished much lately, take it easy. Better days are coming.</source>
        <translation>Nawet jeśli ostatnio niewiele się udało, nie przejmuj się. Idą lepsze dni.</translation>
    </message>
    <message>
        <source>If you have to make important decisions, put them off for a few days. You will see more clearly then.</source>
        <translation>Jeśli masz podjąć ważne decyzje, odłóż je o kilka dni. Wtedy spojrzysz na wszystko jaśniej.</translation>
    </message>
    <message>
        <source>By the way: HAPPY BIRTHDAY!</source>
        <translation>A przy okazji: WSZYSTKIEGO NAJLEPSZEGO!</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The program speaks the chosen language from its next start.</source>
        <translation>Program będzie używał wybranego języka od następnego uruchomienia.</translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation>Nie znaleziono pliku pomocy</translation>
    </message>
    <message>
        <source>Error downloading file &quot;%1&quot; for version check.<byte value="xd"/>Please check your internet connection and/or firewall..</source>
        <translation>Błąd pobierania pliku „%1” do sprawdzenia wersji.<byte value="xd"/>Sprawdź połączenie z internetem i/lub ustawienia zapory sieciowej.</translation>
    </message>
    <message>
        <source>There is a *new* version of this freeware available !<byte value="xd"/><byte value="xd"/>Please go to our freeware web page and download it,<byte value="xd"/>and replace the existing one by the new version.</source>
        <translation>Dostępna jest *nowa* wersja tego darmowego programu!<byte value="xd"/><byte value="xd"/>Wejdź na naszą stronę z darmowymi programami, pobierz ją<byte value="xd"/>i zastąp nią dotychczasową wersję.</translation>
    </message>
    <message>
        <source>You have the most recent version of this freeware..<byte value="xd"/>But keep checking, as this is updated regularly!</source>
        <translation>Masz najnowszą wersję tego darmowego programu.<byte value="xd"/>Sprawdzaj jednak dalej, bo jest on regularnie aktualizowany!</translation>
    </message>
    <message>
        <source>Sorry, but the &apos;Birthday Date&apos; you supplied is not a valid Date.<byte value="xd"/>Please go back and correct it...</source>
        <translation>Niestety, podana data urodzenia nie jest prawidłową datą.<byte value="xd"/>Wróć i ją popraw.</translation>
    </message>
    <message>
        <source>A name cannot contain the character &apos;|&apos;, which separates it from the date. Nothing was stored.</source>
        <translation>Imię nie może zawierać znaku „|”, który oddziela je od daty. Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>The name is too long: a stored profile holds at most %1 characters of name. Nothing was stored.</source>
        <translation>Imię jest za długie (w zapisanym profilu imię może mieć najwyżej %1 zn.). Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>The name you are trying to add already exists on the database..</source>
        <translation>Imię, które próbujesz dodać, już istnieje w bazie danych.</translation>
    </message>
</context>
<context>
    <name>PersonPanel</name>
    <message>
        <source>name</source>
        <translation>nazwa</translation>
    </message>
    <message>
        <source>day</source>
        <translation>dz.</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mies.</translation>
    </message>
    <message>
        <source>year</source>
        <translation>rok</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>No session bus: the desktop&apos;s notifications cannot be reached (%1).</source>
        <translation>Brak magistrali sesji: nie można połączyć się z powiadomieniami pulpitu (%1).</translation>
    </message>
    <message>
        <source>No notification service answers on the session bus (%1).</source>
        <translation>Żadna usługa powiadomień nie odpowiada na magistrali sesji (%1).</translation>
    </message>
    <message>
        <source>The notification service did not take the reminder (%1).</source>
        <translation>Usługa powiadomień nie przyjęła przypomnienia (%1).</translation>
    </message>
    <message>
        <source>Today: %1 critical day</source>
        <translation>Dziś: %1 dzień krytyczny</translation>
    </message>
    <message>
        <source>Tomorrow: %1 critical day</source>
        <translation>Jutro: %1 dzień krytyczny</translation>
    </message>
    <message numerus="yes">
        <source>In %n day(s): %1 critical day</source>
        <translation>
            <numerusform>Za %n dzień: %1 dzień krytyczny</numerusform>
            <numerusform>Za %n dni: %1 dzień krytyczny</numerusform>
            <numerusform>Za %n dni: %1 dzień krytyczny</numerusform>
        </translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sobota</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>niedziela</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>poniedziałek</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>wtorek</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>środa</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>czwartek</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>piątek</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>Ur. %1</translation>
    </message>
    <message>
        <source>%1, %2 %3: %4</source>
        <extracomment>Whom, the weekday, the date and the critical rhythms: &quot;Ada, Monday 18.03.2024: Physical, Emotional&quot;.</extracomment>
        <translation>%1, %2 %3: %4</translation>
    </message>
    <message>
        <source>%1 Nothing was changed.</source>
        <translation>%1 Nic nie zostało zmienione.</translation>
    </message>
    <message>
        <source>Reminders are on: a systemd user timer (%1) checks every day at %2, or at the next login when the computer was off then.</source>
        <translation>Przypomnienia są włączone: licznik czasu systemd użytkownika (%1) sprawdza codziennie o %2 albo przy najbliższym logowaniu, jeśli komputer był wtedy wyłączony.</translation>
    </message>
    <message>
        <source>No systemd user instance could take a timer (%1), so the check runs each time you log in instead (%2).</source>
        <translation>Żadna instancja systemd użytkownika nie przyjęła licznika czasu (%1), więc zamiast tego sprawdzanie odbywa się przy każdym logowaniu (%2).</translation>
    </message>
    <message>
        <source>Nothing could be set up to run the check (%1; %2). &apos;Rorovovo --remind&apos; still checks when run by hand.</source>
        <translation>Nie udało się skonfigurować uruchamiania sprawdzania (%1; %2). Polecenie „Rorovovo --remind” uruchomione ręcznie nadal sprawdza przypomnienia.</translation>
    </message>
    <message>
        <source>%1 Reminders show once the desktop has one; the calendar file does not need it.</source>
        <translation>%1 Przypomnienia pojawią się, gdy pulpit udostępni usługę powiadomień; plik kalendarza jej nie wymaga.</translation>
    </message>
    <message>
        <source>Reminders are off; nothing runs the check any more.</source>
        <translation>Przypomnienia są wyłączone; sprawdzanie nie jest już uruchamiane.</translation>
    </message>
    <message>
        <source>The calendar file is up to date.</source>
        <translation>Plik kalendarza jest aktualny.</translation>
    </message>
    <message>
        <source>%1 The reminders do not need it.</source>
        <translation>%1 Przypomnienia nie wymagają tego pliku.</translation>
    </message>
    <message>
        <source>The calendar file was removed.</source>
        <translation>Plik kalendarza został usunięty.</translation>
    </message>
    <message>
        <source>Unable to remove %1.</source>
        <translation>Nie można usunąć %1.</translation>
    </message>
    <message>
        <source>Reminders are off.</source>
        <translation>Przypomnienia są wyłączone.</translation>
    </message>
    <message>
        <source>Reminders are off, but a schedule is still set up: &quot;Stop reminders&quot; removes it.</source>
        <translation>Przypomnienia są wyłączone, ale harmonogram jest nadal ustawiony: „Wyłącz przypomnienia” go usunie.</translation>
    </message>
    <message>
        <source>Reminders are on: a systemd user timer checks every day at %1.</source>
        <translation>Przypomnienia są włączone: licznik czasu systemd użytkownika sprawdza codziennie o %1.</translation>
    </message>
    <message>
        <source>Reminders are on: the check runs each time you log in.</source>
        <translation>Przypomnienia są włączone: sprawdzanie odbywa się przy każdym logowaniu.</translation>
    </message>
    <message>
        <source>Reminders are on, but nothing runs the check: &quot;Remind me&quot; sets it up again.</source>
        <translation>Przypomnienia są włączone, ale nic nie uruchamia sprawdzania: „Przypominaj mi” ustawi je ponownie.</translation>
    </message>
    <message>
        <source>systemctl --user %1 did not answer</source>
        <translation>systemctl --user %1 nie odpowiada</translation>
    </message>
    <message>
        <source>systemctl --user %1 failed</source>
        <translation>systemctl --user %1 zakończył się błędem</translation>
    </message>
    <message>
        <source>no systemctl on PATH</source>
        <translation>brak systemctl w PATH</translation>
    </message>
    <message>
        <source>The timer could not be disabled (%1).</source>
        <translation>Nie udało się wyłączyć licznika czasu (%1).</translation>
    </message>
</context>
<context>
    <name>Rhythm</name>
    <message>
        <source>Physical</source>
        <translation>Fizyczny</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Psychiczny</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Umysłowy</translation>
    </message>
    <message>
        <source>Intuitional</source>
        <translation>Intuicyjny</translation>
    </message>
    <message>
        <source>Spiritual</source>
        <translation>Duchowy</translation>
    </message>
    <message>
        <source>Aesthetics</source>
        <translation>Estetyczny</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>(no name)</source>
        <translation>(bez imienia)</translation>
    </message>
    <message>
        <source>%1: %2 to %3, page %4 of %5</source>
        <extracomment>The printed planner&apos;s heading: its title, the first and last day, the page.</extracomment>
        <translation>%1: %2 – %3, strona %4 z %5</translation>
    </message>
</context>
<context>
    <name>SystemMenu</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Przywróć</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>Prz&amp;enieś</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Rozmiar</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimalizuj</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Ma&amp;ksymalizuj</translation>
    </message>
    <message>
        <source>&amp;Close	Alt+F4</source>
        <translation>&amp;Zamknij	Alt+F4</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
</context>
<context>
    <name>Zodiac</name>
    <message>
        <source>aquarius</source>
        <translation>wodnik</translation>
    </message>
    <message>
        <source>Jan 20 ~ Feb 18</source>
        <translation>20 stycznia – 18 lutego</translation>
    </message>
    <message>
        <source>pisces</source>
        <translation>ryby</translation>
    </message>
    <message>
        <source>Feb 19 ~ Mar 20</source>
        <translation>19 lutego – 20 marca</translation>
    </message>
    <message>
        <source>aries</source>
        <translation>baran</translation>
    </message>
    <message>
        <source>Mar 21 ~ Apr 19</source>
        <translation>21 marca – 19 kwietnia</translation>
    </message>
    <message>
        <source>taurus</source>
        <translation>byk</translation>
    </message>
    <message>
        <source>Apr 20 ~ May 20</source>
        <translation>20 kwietnia – 20 maja</translation>
    </message>
    <message>
        <source>gemini</source>
        <translation>bliźnięta</translation>
    </message>
    <message>
        <source>May 21 ~ Jun 20</source>
        <translation>21 maja – 20 czerwca</translation>
    </message>
    <message>
        <source>cancer</source>
        <translation>rak</translation>
    </message>
    <message>
        <source>Jun 21 ~ Jul 22</source>
        <translation>21 czerwca – 22 lipca</translation>
    </message>
    <message>
        <source>leo</source>
        <translation>lew</translation>
    </message>
    <message>
        <source>Jul 23 ~ Aug 22</source>
        <translation>23 lipca – 22 sierpnia</translation>
    </message>
    <message>
        <source>virgo</source>
        <translation>panna</translation>
    </message>
    <message>
        <source>Aug 23 ~ Sep 22</source>
        <translation>23 sierpnia – 22 września</translation>
    </message>
    <message>
        <source>libra</source>
        <translation>waga</translation>
    </message>
    <message>
        <source>Sep 23 ~ Oct 22</source>
        <translation>23 września – 22 października</translation>
    </message>
    <message>
        <source>scorpio</source>
        <translation>skorpion</translation>
    </message>
    <message>
        <source>Oct 23 ~ Nov 21</source>
        <translation>23 października – 21 listopada</translation>
    </message>
    <message>
        <source>sagittarius</source>
        <translation>strzelec</translation>
    </message>
    <message>
        <source>Nov 22 ~ Dec 21</source>
        <translation>22 listopada – 21 grudnia</translation>
    </message>
    <message>
        <source>capricorn</source>
        <translation>koziorożec</translation>
    </message>
    <message>
        <source>Dec 22 ~ Jan 19</source>
        <translation>22 grudnia – 19 stycznia</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::RosterView</name>
    <message>
        <source>Roster</source>
        <translation>Zestawienie</translation>
    </message>
    <message>
        <source>Group score %1 (the lowest of the members&apos; scores)</source>
        <translation>Wynik grupy: %1 (najniższy z wyników członków)</translation>
    </message>
    <message>
        <source>A clear day: nobody has a critical day</source>
        <translation>Spokojny dzień: nikt nie ma dnia krytycznego</translation>
    </message>
    <message>
        <source>A critical day for %1 of %2</source>
        <translation>Dzień krytyczny dla %1 z %2</translation>
    </message>
    <message numerus="yes">
        <source>%n member(s)</source>
        <translation>
            <numerusform>%n członka</numerusform>
            <numerusform>%n członków</numerusform>
            <numerusform>%n członków</numerusform>
        </translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(bez imienia)</translation>
    </message>
    <message>
        <source>%1, born %2</source>
        <translation>%1, ur. %2</translation>
    </message>
    <message>
        <source>No critical rhythm</source>
        <extracomment>The rhythms critical that day, then the day&apos;s kind: &quot;Critical: Physical, Emotional (double day)&quot;.</extracomment>
        <translation>Brak rytmów krytycznych</translation>
    </message>
    <message>
        <source>Critical: %1 (%2 day)</source>
        <translation>Krytyczne: %1 (dzień %2)</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TForm1</name>
    <message>
        <source> Biorhythms</source>
        <translation> Biorytmy</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Add new profile...</source>
        <translation>Dodaj nowy profil...</translation>
    </message>
    <message>
        <source>Delete profile...</source>
        <translation>Usuń profil...</translation>
    </message>
    <message>
        <source>Draw biorhythms</source>
        <translation>Rysuj biorytmy</translation>
    </message>
    <message>
        <source>Draw extra* rythms</source>
        <translation>Rysuj dodatkowe* rytmy</translation>
    </message>
    <message>
        <source>Biorhythms interpretation...</source>
        <translation>Interpretacja biorytmów...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Osobiste</translation>
    </message>
    <message>
        <source>Celebrity</source>
        <translation>Znane osoby</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Save window&apos;s size</source>
        <translation>Zapamiętuj rozmiar okna</translation>
    </message>
    <message>
        <source>Save window&apos;s position</source>
        <translation>Zapamiętuj położenie okna</translation>
    </message>
    <message>
        <source>Mark critical days</source>
        <translation>Zaznaczaj dni krytyczne</translation>
    </message>
    <message>
        <source>Default rhythms to show...</source>
        <translation>Rytmy pokazywane domyślnie</translation>
    </message>
    <message>
        <source>Physical rhythm</source>
        <translation>Rytm fizyczny</translation>
    </message>
    <message>
        <source>Emotional rhythm</source>
        <translation>Rytm psychiczny</translation>
    </message>
    <message>
        <source>Intellectual rhythm</source>
        <translation>Rytm umysłowy</translation>
    </message>
    <message>
        <source>Intuitional rhythm</source>
        <translation>Rytm intuicyjny</translation>
    </message>
    <message>
        <source>Spiritual rhythm</source>
        <translation>Rytm duchowy</translation>
    </message>
    <message>
        <source>Aesthetics rhytm</source>
        <translation>Rytm estetyczny</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>Options &gt; Language: the language the desktop speaks.</extracomment>
        <translation>Systemowy</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Narzędzia</translation>
    </message>
    <message>
        <source>Critical days...</source>
        <translation>Dni krytyczne...</translation>
    </message>
    <message>
        <source>Compatibility...</source>
        <translation>Zgodność...</translation>
    </message>
    <message>
        <source>Planner...</source>
        <translation>Planer...</translation>
    </message>
    <message>
        <source>Save chart as...</source>
        <translation>Zapisz wykres jako...</translation>
    </message>
    <message>
        <source>Print chart...</source>
        <translation>Drukuj wykres...</translation>
    </message>
    <message>
        <source>Reminders...</source>
        <translation>Przypomnienia...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Pomoc...</translation>
    </message>
    <message>
        <source>Software news...</source>
        <translation>Aktualności...</translation>
    </message>
    <message>
        <source>Check new versions *</source>
        <translation>Sprawdź nowe wersje *</translation>
    </message>
    <message>
        <source>Donations...</source>
        <translation>Darowizny...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>O programie...</translation>
    </message>
    <message>
        <source>Day         of %1</source>
        <extracomment>The blanks leave room for the day box drawn over them.</extracomment>
        <translation>Dz.          z %1</translation>
    </message>
    <message>
        <source>%1 day</source>
        <comment>spoken name of a rhythm&apos;s cycle-day box</comment>
        <translation>%1: dzień cyklu</translation>
    </message>
    <message>
        <source>total days</source>
        <translation>dni życia</translation>
    </message>
    <message>
        <source>years</source>
        <translation>wiek</translation>
    </message>
    <message>
        <source>add new</source>
        <translation>dodaj</translation>
    </message>
    <message>
        <source>zodiac</source>
        <translation>zodiak</translation>
    </message>
    <message>
        <source> add new profile </source>
        <translation> dodaj nowy profil </translation>
    </message>
    <message>
        <source> draw biorhythm </source>
        <translation> rysuj biorytm </translation>
    </message>
    <message>
        <source>draw bio</source>
        <translation>rysuj</translation>
    </message>
    <message>
        <source> about </source>
        <translation> o programie </translation>
    </message>
    <message>
        <source> help </source>
        <translation> pomoc </translation>
    </message>
    <message>
        <source> close </source>
        <translation> zamknij </translation>
    </message>
    <message>
        <source> select profile </source>
        <translation> wybierz profil </translation>
    </message>
    <message>
        <source> biorhythm today&apos;s interpretation </source>
        <translation> interpretacja dzisiejszych biorytmów </translation>
    </message>
    <message>
        <source>name</source>
        <translation>nazwa</translation>
    </message>
    <message>
        <source>day</source>
        <translation>dzień</translation>
    </message>
    <message>
        <source>month</source>
        <translation>miesiąc</translation>
    </message>
    <message>
        <source>year</source>
        <translation>rok</translation>
    </message>
    <message>
        <source>profile</source>
        <translation>profil</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O programie...</translation>
    </message>
    <message>
        <source> %1 : %2 </source>
        <extracomment>The sign picture&apos;s hint: &quot; aquarius : Jan 20 ~ Feb 18 &quot;.</extracomment>
        <translation> %1: %2 </translation>
    </message>
    <message>
        <source>     Rhythm&apos;s interpretation @  %1  -  for %2</source>
        <extracomment>The interpretation window&apos;s caption: today&apos;s date, then the name in the name box.</extracomment>
        <translation>     Interpretacja rytmów: %1  –  %2</translation>
    </message>
    <message>
        <source>Data file &apos;Cyclomat.dat&apos; with Celebrity names does not exist on path.<byte value="xd"/>Can&apos;t load extra data.. Get it from zip file, if you want it too.</source>
        <translation>Nie znaleziono pliku danych „Cyclomat.dat” z listą znanych osób.<byte value="xd"/>Nie można wczytać dodatkowych danych. Jeśli ich potrzebujesz, wypakuj ten plik z archiwum zip.</translation>
    </message>
    <message>
        <source>The profile &apos;%1&apos; is no longer in the settings file.</source>
        <translation>Profilu „%1” nie ma już w pliku ustawień.</translation>
    </message>
    <message>
        <source>The profile is shown, but the selection could not be remembered for the next start (no more reports of this in this run). %1</source>
        <translation>Profil jest wyświetlony, ale nie udało się zapamiętać wyboru na następne uruchomienie (do końca tej sesji ten komunikat już się nie pojawi). %1</translation>
    </message>
    <message>
        <source>chart</source>
        <comment>file name of a chart without a name</comment>
        <translation>wykres</translation>
    </message>
    <message>
        <source>Save chart as</source>
        <translation>Zapisz wykres jako</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)</source>
        <translation>Obraz PNG (*.png);;Rysunek SVG (*.svg);;Dokument PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Unable to print on %1</source>
        <translation>Nie można drukować na drukarce %1</translation>
    </message>
    <message>
        <source>Dark chart</source>
        <translation>Ciemny wykres</translation>
    </message>
    <message>
        <source>Colour-blind-safe colours</source>
        <translation>Kolory dla daltonistów</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormAbout</name>
    <message>
        <source>Freeware by</source>
        <translation>Freeware firmy</translation>
    </message>
    <message>
        <source>Find your own personal Zavirir, all 4 curves. Add as many people as you want and check how everyone is doing for the day!</source>
        <translation>Poznaj swój osobisty Zavirir – wszystkie 4 krzywe. Dodaj dowolnie wiele osób i sprawdź, jak każdej z nich idzie danego dnia!</translation>
    </message>
    <message>
        <source>If you like this program, do email me with feedback, ideas, suggestions or questions to</source>
        <translation>Jeśli podoba ci się ten program, napisz do mnie z uwagami, pomysłami, sugestiami lub pytaniami na adres</translation>
    </message>
    <message>
        <source>You can also help the development, by _______ a few $$</source>
        <extracomment>The donation link below (&quot;donating &quot;) is laid over the blank, which stays seven underscores.</extracomment>
        <translation>Możesz też wesprzeć rozwój, _______ kilka $$</translation>
    </message>
    <message>
        <source>donating </source>
        <translation>wpłacając </translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormCompatibility</name>
    <message>
        <source>Compatibility</source>
        <translation>Zgodność</translation>
    </message>
    <message>
        <source>Second person: pick or type</source>
        <translation>Druga osoba: wybierz lub wpisz</translation>
    </message>
    <message>
        <source>type to search</source>
        <translation>wpisz, aby wyszukać</translation>
    </message>
    <message>
        <source>compare</source>
        <translation>porównaj</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Ogółem</translation>
    </message>
    <message>
        <source>mean of %1, %2, %3</source>
        <translation>średnia: %1, %2, %3</translation>
    </message>
    <message>
        <source>solid: first person, dashed: second person; today is the silver column</source>
        <translation>linia ciągła: pierwsza osoba, przerywana: druga osoba; dzisiaj to srebrna kolumna</translation>
    </message>
    <message>
        <source>Nobody drawn yet: draw a chart in the main window first.</source>
        <translation>Nic jeszcze nie narysowano: najpierw narysuj wykres w oknie głównym.</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(bez imienia)</translation>
    </message>
    <message>
        <source>First person: %1, born %2</source>
        <translation>Pierwsza osoba: %1, ur. %2</translation>
    </message>
    <message>
        <source>Search profiles and celebrities</source>
        <translation>Szukaj profili i sławnych osób</translation>
    </message>
    <message>
        <source>Profiles and celebrities</source>
        <translation>Profile i sławne osoby</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormCritical</name>
    <message>
        <source>Critical days</source>
        <translation>Dni krytyczne</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Data początkowa</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Od:</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n dzień</numerusform>
            <numerusform>%n dni</numerusform>
            <numerusform>%n dni</numerusform>
        </translation>
    </message>
    <message>
        <source>Span</source>
        <translation>Okres</translation>
    </message>
    <message>
        <source>&amp;Span:</source>
        <translation>O&amp;kres:</translation>
    </message>
    <message>
        <source>Rhythms:</source>
        <translation>Rytmy:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Critical rhythms</source>
        <translation>Rytmy krytyczne</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <source>Next triple critical day</source>
        <translation>Następny potrójny dzień krytyczny</translation>
    </message>
    <message>
        <source>Save as calendar...</source>
        <translation>Zapisz jako kalendarz...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>No biorhythm has been drawn yet. Draw a person&apos;s biorhythm in the main window, and their critical days will be listed here.</source>
        <translation>Nie narysowano jeszcze żadnego biorytmu. Narysuj biorytm wybranej osoby w oknie głównym, a tutaj pojawi się lista jej dni krytycznych.</translation>
    </message>
    <message>
        <source>Critical days for the birth date %1</source>
        <translation>Dni krytyczne dla daty urodzenia %1</translation>
    </message>
    <message>
        <source>Critical days of %1, born %2</source>
        <translation>Dni krytyczne: %1, ur. %2</translation>
    </message>
    <message>
        <source>Today, %1, is a triple critical day.</source>
        <translation>Dziś (%1) przypada potrójny dzień krytyczny.</translation>
    </message>
    <message numerus="yes">
        <source>The next triple critical day, %1, is %n day(s) away.</source>
        <translation>
            <numerusform>Następny potrójny dzień krytyczny (%1) przypada za %n dzień.</numerusform>
            <numerusform>Następny potrójny dzień krytyczny (%1) przypada za %n dni.</numerusform>
            <numerusform>Następny potrójny dzień krytyczny (%1) przypada za %n dni.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The next triple critical day after the start date, %1, was %n day(s) ago.</source>
        <translation>
            <numerusform>Następny po dacie początkowej potrójny dzień krytyczny (%1) był %n dzień temu.</numerusform>
            <numerusform>Następny po dacie początkowej potrójny dzień krytyczny (%1) był %n dni temu.</numerusform>
            <numerusform>Następny po dacie początkowej potrójny dzień krytyczny (%1) był %n dni temu.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 critical days</source>
        <comment>file name</comment>
        <translation>%1 – dni krytyczne</translation>
    </message>
    <message>
        <source>Save as calendar</source>
        <translation>Zapisz jako kalendarz</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>Pliki iCalendar (*.ics);;Wszystkie pliki (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n critical day(s) saved to %1</source>
        <translation>
            <numerusform>Zapisano %n dzień krytyczny w pliku %1</numerusform>
            <numerusform>Zapisano %n dni krytyczne w pliku %1</numerusform>
            <numerusform>Zapisano %n dni krytycznych w pliku %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormEditor</name>
    <message>
        <source>Profile editor</source>
        <translation>Edytor profili</translation>
    </message>
    <message>
        <source>add new</source>
        <translation>dodaj</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>usuń</translation>
    </message>
    <message>
        <source>No profile is selected, so nothing was deleted.</source>
        <translation>Nie wybrano żadnego profilu, więc nic nie zostało usunięte.</translation>
    </message>
    <message>
        <source>Sure to delete  &apos;%1&apos;s&apos;  profile?</source>
        <translation>Czy na pewno usunąć profil „%1”?</translation>
    </message>
    <message>
        <source>The profile &apos;%1&apos; is no longer in the settings file.</source>
        <translation>Profilu „%1” nie ma już w pliku ustawień.</translation>
    </message>
    <message>
        <source>profile</source>
        <translation>profil</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormInterpret</name>
    <message>
        <source>     Rhythm&apos;s interpretation ...</source>
        <translation>     Interpretacja rytmów...</translation>
    </message>
    <message>
        <source>physical</source>
        <translation>fizyczny</translation>
    </message>
    <message>
        <source>emotional</source>
        <translation>psychiczny</translation>
    </message>
    <message>
        <source>intellectual</source>
        <translation>umysłowy</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormPlanner</name>
    <message>
        <source>YYYY</source>
        <translation>RRRR</translation>
    </message>
    <message>
        <source>DD</source>
        <translation>DD</translation>
    </message>
    <message>
        <source>MM</source>
        <translation>MM</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Planner</source>
        <translation>Planer</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Członkowie</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Remove all</source>
        <translation>Usuń wszystkich</translation>
    </message>
    <message>
        <source>&amp;Add people:</source>
        <translation>&amp;Dodaj osoby:</translation>
    </message>
    <message>
        <source>type to search</source>
        <translation>wpisz, aby wyszukać</translation>
    </message>
    <message>
        <source>Search profiles and celebrities</source>
        <translation>Szukaj wśród profili i znanych osób</translation>
    </message>
    <message>
        <source>Profiles and celebrities</source>
        <translation>Profile i znane osoby</translation>
    </message>
    <message>
        <source>Add &amp;selected</source>
        <translation>Dodaj &amp;zaznaczone</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dzień</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Miesiąc</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Rok</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>Dod&amp;aj</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Grupa:</translation>
    </message>
    <message>
        <source>Group name</source>
        <translation>Nazwa grupy</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Wczytaj</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Za&amp;pisz</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Add from file...</source>
        <translation>Dodaj z pliku...</translation>
    </message>
    <message>
        <source>Save to file...</source>
        <translation>Zapisz do pliku...</translation>
    </message>
    <message>
        <source>Import contacts...</source>
        <translation>Importuj kontakty...</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Imię:</translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation>Da&amp;ta:</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Data początkowa</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Od:</translation>
    </message>
    <message>
        <source> days</source>
        <comment>after the span&apos;s number</comment>
        <translation> dni</translation>
    </message>
    <message>
        <source>Span in days</source>
        <translation>Okres w dniach</translation>
    </message>
    <message>
        <source>S&amp;pan:</source>
        <translation>O&amp;kres:</translation>
    </message>
    <message>
        <source>Rhythms:</source>
        <translation>Rytmy:</translation>
    </message>
    <message>
        <source>Best days</source>
        <translation>Najlepsze dni</translation>
    </message>
    <message>
        <source>Worst days</source>
        <translation>Najgorsze dni</translation>
    </message>
    <message>
        <source>&amp;Best days (nobody critical):</source>
        <translation>&amp;Najlepsze dni (bez dni krytycznych):</translation>
    </message>
    <message>
        <source>&amp;Worst days:</source>
        <translation>Najgo&amp;rsze dni:</translation>
    </message>
    <message>
        <source>Mor&amp;e days</source>
        <translation>Więc&amp;ej dni</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Zapisz jako PDF...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drukuj...</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Zapisz jako CSV...</translation>
    </message>
    <message>
        <source>Save best days as calendar...</source>
        <translation>Zapisz najlepsze dni jako kalendarz...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>In view: %1 to %2 (the span: %3 to %4)</source>
        <translation>Widoczne: %1 – %2 (okres: %3 – %4)</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Osobiste</translation>
    </message>
    <message>
        <source>Celebrity</source>
        <translation>Znane osoby</translation>
    </message>
    <message>
        <source>The planner holds at most %1 people.</source>
        <translation>Planer mieści najwyżej %1 osób.</translation>
    </message>
    <message>
        <source>&amp;Members (%1):</source>
        <translation>&amp;Członkowie (%1):</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(bez imienia)</translation>
    </message>
    <message>
        <source>Every day of the span is a critical day for someone: no best day.</source>
        <translation>Każdy dzień okresu jest dla kogoś dniem krytycznym: brak najlepszego dnia.</translation>
    </message>
    <message>
        <source>%1 left out: no valid birth date</source>
        <translation>Pominięto %1: brak prawidłowej daty urodzenia</translation>
    </message>
    <message numerus="yes">
        <source>%n (entry|entries)</source>
        <translation>
            <numerusform>%n wpis</numerusform>
            <numerusform>%n wpisy</numerusform>
            <numerusform>%n wpisów</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no group named &quot;%1&quot;.</source>
        <translation>Nie ma grupy o nazwie „%1”.</translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; opened: %2%3</source>
        <translation>Wczytano grupę „%1”: %2%3</translation>
    </message>
    <message numerus="yes">
        <source>%n (person|people)</source>
        <translation>
            <numerusform>%n osoba</numerusform>
            <numerusform>%n osoby</numerusform>
            <numerusform>%n osób</numerusform>
        </translation>
    </message>
    <message>
        <source>; %1 without a valid birth date left out</source>
        <translation>; pominięto %1 bez prawidłowej daty urodzenia</translation>
    </message>
    <message>
        <source>Type a name for the group first.</source>
        <translation>Najpierw wpisz nazwę grupy.</translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; saved with %2</source>
        <translation>Zapisano grupę „%1”: %2</translation>
    </message>
    <message>
        <source>Delete the group &quot;%1&quot;?</source>
        <translation>Usunąć grupę „%1”?</translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; deleted.</source>
        <translation>Usunięto grupę „%1”.</translation>
    </message>
    <message>
        <source>Add people from a file</source>
        <translation>Dodaj osoby z pliku</translation>
    </message>
    <message>
        <source>Group files (*.txt *.dat);;All files (*)</source>
        <translation>Pliki grup (*.txt *.dat);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>%1 added from %2%3</source>
        <translation>Dodano z pliku %2: %1%3</translation>
    </message>
    <message>
        <source>Save group to file</source>
        <translation>Zapisz grupę do pliku</translation>
    </message>
    <message>
        <source>Group files (*.txt);;All files (*)</source>
        <translation>Pliki grup (*.txt);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>%1 saved to %2</source>
        <translation>Zapisano w pliku %2: %1</translation>
    </message>
    <message>
        <source>Import birthdays from contacts</source>
        <translation>Importuj daty urodzenia z kontaktów</translation>
    </message>
    <message>
        <source>Contacts (*.vcf *.vcard);;All files (*)</source>
        <translation>Kontakty (*.vcf *.vcard);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Save roster as PDF</source>
        <translation>Zapisz zestawienie jako PDF</translation>
    </message>
    <message>
        <source> roster.pdf</source>
        <comment>file name after the group&apos;s</comment>
        <translation> zestawienie.pdf</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Dokumenty PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Unable to print on %1</source>
        <translation>Nie można drukować na drukarce %1</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Zapisz jako CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Pliki CSV (*.csv);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Save best days as calendar</source>
        <translation>Zapisz najlepsze dni jako kalendarz</translation>
    </message>
    <message>
        <source> best days.ics</source>
        <comment>file name after the group&apos;s</comment>
        <translation> najlepsze dni.ics</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>Pliki iCalendar (*.ics);;Wszystkie pliki (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n best day(s)</source>
        <translation>
            <numerusform>%n najlepszy dzień</numerusform>
            <numerusform>%n najlepsze dni</numerusform>
            <numerusform>%n najlepszych dni</numerusform>
        </translation>
    </message>
    <message>
        <source>Open file...</source>
        <translation>Otwórz plik...</translation>
    </message>
    <message>
        <source>Open a group file</source>
        <translation>Otwórz plik grupy</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Przypomnienia</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Osoby</translation>
    </message>
    <message>
        <source>&amp;People to be reminded of:</source>
        <translation>&amp;Osoby, o których przypominać:</translation>
    </message>
    <message>
        <source>The same day</source>
        <translation>Tego samego dnia</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) before</source>
        <translation>
            <numerusform>%n dzień wcześniej</numerusform>
            <numerusform>%n dni wcześniej</numerusform>
            <numerusform>%n dni wcześniej</numerusform>
        </translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Pojedyncze</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Podwójne</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>Potrójne</translation>
    </message>
    <message>
        <source>&amp;How far ahead:</source>
        <translation>&amp;Z wyprzedzeniem:</translation>
    </message>
    <message>
        <source>Which days:</source>
        <translation>Które dni:</translation>
    </message>
    <message>
        <source>&amp;Time of day:</source>
        <translation>&amp;Godzina:</translation>
    </message>
    <message>
        <source>&amp;Keep a calendar file</source>
        <translation>Prowadź plik &amp;kalendarza</translation>
    </message>
    <message>
        <source>Calendar file</source>
        <translation>Plik kalendarza</translation>
    </message>
    <message>
        <source>&amp;Remind me</source>
        <translation>&amp;Przypominaj mi</translation>
    </message>
    <message>
        <source>&amp;Stop reminders</source>
        <translation>&amp;Wyłącz przypomnienia</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Stored profiles</source>
        <translation>Zapisane profile</translation>
    </message>
    <message>
        <source>Group: %1</source>
        <translation>Grupa: %1</translation>
    </message>
    <message>
        <source>No longer stored</source>
        <translation>Usunięte z zapisanych</translation>
    </message>
    <message>
        <source>No profiles are stored yet: add a person in the main window first.</source>
        <translation>Nie ma jeszcze zapisanych profili: najpierw dodaj osobę w oknie głównym.</translation>
    </message>
    <message>
        <source>Tick at least one person to be reminded of first.</source>
        <translation>Najpierw zaznacz co najmniej jedną osobę, o której przypominać.</translation>
    </message>
</context>
</TS>
