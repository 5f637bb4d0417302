<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Calendar</name>
    <message>
        <source>Triple critical day: %1</source>
        <translation>Giorno critico triplo: %1</translation>
    </message>
    <message>
        <source>Double critical day: %1</source>
        <translation>Giorno critico doppio: %1</translation>
    </message>
    <message>
        <source>Critical day: %1</source>
        <translation>Giorno critico: %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A calendar event&apos;s summary, then whose critical day it is.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Birth date</source>
        <translation>Data di nascita</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Critical rhythms</source>
        <translation>Ritmi critici</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>born %1</source>
        <translation>nato/a il %1</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <extracomment>The first three members&apos; names, then how many more the group has.</extracomment>
        <translation>%1 e altri %2</translation>
    </message>
    <message>
        <source>Best day for %1: group score %2</source>
        <translation>Giorno migliore per %1: punteggio del gruppo %2</translation>
    </message>
</context>
<context>
    <name>ChartDocument</name>
    <message>
        <source>born %1</source>
        <translation>nato/a il %1</translation>
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
        <translation>Grafico</translation>
    </message>
    <message>
        <source>One row a day: its date, each rhythm&apos;s percentage and direction, and the rhythms critical that day</source>
        <translation>Una riga al giorno: la data, la percentuale e la direzione di ogni ritmo e i ritmi critici di quel giorno</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Critico</translation>
    </message>
    <message>
        <source>%1 % %2</source>
        <extracomment>A rhythm&apos;s cell of the chart&apos;s table: &quot;87 % rising&quot;.</extracomment>
        <translation>%1 % %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--chart needs a birth date</source>
        <translation>--chart richiede una data di nascita</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output richiede un nome di file</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; after --chart</source>
        <translation>argomento «%1» inatteso dopo --chart</translation>
    </message>
    <message>
        <source>--chart needs --output FILE.png|.svg|.pdf</source>
        <translation>--chart richiede --output FILE.png|.svg|.pdf</translation>
    </message>
    <message>
        <source>the strip leaves the calendar</source>
        <translation>l&apos;intervallo di giorni esce dal calendario</translation>
    </message>
    <message>
        <source>--compat takes two birth dates and --json</source>
        <translation>--compat accetta due date di nascita e --json</translation>
    </message>
    <message>
        <source>--critical needs a birth date DD.MM.YYYY</source>
        <translation>--critical richiede una data di nascita DD.MM.YYYY</translation>
    </message>
    <message>
        <source>--rhythms takes letters of P,E,I,N,S,A, each once</source>
        <translation>--rhythms accetta le lettere P,E,I,N,S,A, ognuna una sola volta</translation>
    </message>
    <message>
        <source>--ics needs a file name</source>
        <translation>--ics richiede un nome di file</translation>
    </message>
    <message>
        <source>unknown or incomplete option &apos;%1&apos;</source>
        <translation>opzione «%1» sconosciuta o incompleta</translation>
    </message>
    <message>
        <source>the days asked for run past the year 9999</source>
        <translation>i giorni richiesti vanno oltre l&apos;anno 9999</translation>
    </message>
    <message>
        <source>&apos;%1|%2&apos; in %3 is no Name|DD.MM.YYYY entry</source>
        <translation>«%1|%2» in %3 non è una voce Nome|DD.MM.YYYY</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 richiede un nome di file</translation>
    </message>
    <message>
        <source>--plan needs a birth date DD.MM.YYYY or --group FILE</source>
        <translation>--plan richiede una data di nascita DD.MM.YYYY o --group FILE</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; after --remind</source>
        <translation>argomento «%1» inatteso dopo --remind</translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s) shown</source>
        <translation>
            <numerusform>%n promemoria mostrato</numerusform>
            <numerusform>%n promemoria mostrati</numerusform>
        </translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opzione «%1» sconosciuta</translation>
    </message>
    <message>
        <source>Rorovovo: unable to write the output (%1)</source>
        <translation>Rorovovo: impossibile scrivere l&apos;output (%1)</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>scrittura non riuscita</translation>
    </message>
    <message>
        <source>--help                 this text</source>
        <translation>--help                 questo testo</translation>
    </message>
    <message>
        <source>--version              the program&apos;s version</source>
        <translation>--version              la versione del programma</translation>
    </message>
    <message>
        <source>--critical DD.MM.YYYY [--from DD.MM.YYYY] [--days N] [--rhythms P,E,I,N,S,A] [--json] [--ics FILE]
                         critical days of a birth date (from today, 90 days, all six rhythms)</source>
        <translation>--critical DD.MM.YYYY [--from DD.MM.YYYY] [--days N] [--rhythms P,E,I,N,S,A] [--json] [--ics FILE]
                         i giorni critici di una data di nascita (da oggi, 90 giorni, tutti e sei i ritmi)</translation>
    </message>
    <message>
        <source>--chart DD.MM.YYYY [--name TEXT] [--from DD.MM.YYYY] [--days N] [--extra] --output FILE.png|.svg|.pdf
                         the chart as a picture or document, without a window</source>
        <translation>--chart DD.MM.YYYY [--name TEXT] [--from DD.MM.YYYY] [--days N] [--extra] --output FILE.png|.svg|.pdf
                         il grafico come immagine o documento, senza aprire finestre</translation>
    </message>
    <message>
        <source>--compat DD.MM.YYYY DD.MM.YYYY [--json]
                         how well two people&apos;s rhythms match</source>
        <translation>--compat DD.MM.YYYY DD.MM.YYYY [--json]
                         quanto si accordano i ritmi di due persone</translation>
    </message>
    <message>
        <source>--plan DD.MM.YYYY [DD.MM.YYYY ...] [--group FILE] [--from DD.MM.YYYY] [--days N] [--top K]
       [--rhythms P,E,I,N,S,A] [--json] [--csv FILE] [--ics FILE]
                         the best and worst days for a group (from today, 30 days, Physical,
                         Emotional and Intellectual)</source>
        <translation>--plan DD.MM.YYYY [DD.MM.YYYY ...] [--group FILE] [--from DD.MM.YYYY] [--days N] [--top K]
       [--rhythms P,E,I,N,S,A] [--json] [--csv FILE] [--ics FILE]
                         i giorni migliori e peggiori per un gruppo (da oggi, 30 giorni, Fisico,
                         Emotivo e Intellettivo)</translation>
    </message>
    <message>
        <source>--remind [--at-login]   one check of the reminders (Tools &gt; Reminders...): shows what is due and ends</source>
        <translation>--remind [--at-login]   un controllo dei promemoria (Strumenti &gt; Promemoria...): mostra quelli in scadenza ed esce</translation>
    </message>
    <message>
        <source>Rorovovo: &apos;%1&apos; is not a valid date (DD.MM.YYYY)</source>
        <translation>Rorovovo: «%1» non è una data valida (DD.MM.YYYY)</translation>
    </message>
    <message>
        <source>Rorovovo: %1 (try &apos;Rorovovo --help&apos;)</source>
        <translation>Rorovovo: %1 (prova «Rorovovo --help»)</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 accetta un numero intero da %2 a %3</translation>
    </message>
    <message>
        <source>Usage: Rorovovo [option]
Without an option the program opens its window.

Options:
</source>
        <translation>Uso: Rorovovo [opzione]
Senza opzioni il programma apre la sua finestra.

Opzioni:
</translation>
    </message>
</context>
<context>
    <name>CriticalKind</name>
    <message>
        <source>single</source>
        <translation>singolo</translation>
    </message>
    <message>
        <source>double</source>
        <translation>doppio</translation>
    </message>
    <message>
        <source>triple</source>
        <translation>triplo</translation>
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
        <translation>in crescita</translation>
    </message>
    <message>
        <source>falling</source>
        <translation>in calo</translation>
    </message>
    <message>
        <source>Critical: %1</source>
        <translation>Ritmi critici: %1</translation>
    </message>
    <message>
        <source>Only %1, %2 and %3 make a day double or triple.</source>
        <translation>Solo i ritmi %1, %2 e %3 rendono un giorno doppio o triplo.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Biorhythm Chart</source>
        <translation>Grafico dei bioritmi</translation>
    </message>
    <message>
        <source>Draw the physical, emotional and intellectual rhythms of a birth date</source>
        <translation>Traccia i ritmi fisico, emotivo e intellettivo di una data di nascita</translation>
    </message>
    <message>
        <source>biorhythm;rhythm;cycle;chart;birthday;zodiac;</source>
        <translation>bioritmo;bioritmi;ritmo;ciclo;grafico;compleanno;zodiaco;</translation>
    </message>
    <message>
        <source>Draw the biorhythm chart of a birth date</source>
        <translation>Traccia il grafico dei bioritmi di una data di nascita</translation>
    </message>
    <message>
        <source>Rorovovo draws a chart of the Physical (23 days), Emotional (28), Intellectual (33) and Intuitional (38) rhythms of a person from a name and a birth date, with the Spiritual (53) and Aesthetics (48) rhythms on request.</source>
        <translation>Rorovovo traccia un grafico dei ritmi Fisico (23 giorni), Emotivo (28), Intellettivo (33) e Intuitivo (38) di una persona a partire da un nome e da una data di nascita, con i ritmi Spirituale (53) ed Estetico (48) su richiesta.</translation>
    </message>
    <message>
        <source>Beside the chart it shows:</source>
        <translation>Accanto al grafico mostra:</translation>
    </message>
    <message>
        <source>today&apos;s day in each cycle with ring indicators</source>
        <translation>il giorno odierno di ciascun ciclo, con indicatori ad anello</translation>
    </message>
    <message>
        <source>the days lived, the age and the zodiac sign</source>
        <translation>i giorni vissuti, l&apos;età e il segno zodiacale</translation>
    </message>
    <message>
        <source>a short interpretation of today</source>
        <translation>una breve interpretazione della giornata</translation>
    </message>
    <message>
        <source>Personal profiles are kept in the user&apos;s own settings file; a list of celebrities comes with the program.</source>
        <translation>I profili personali sono conservati nel file delle impostazioni dell&apos;utente; il programma include un elenco di celebrità.</translation>
    </message>
    <message>
        <source>The chart of a profile with today&apos;s rhythms beside it</source>
        <translation>Il grafico di un profilo con accanto i ritmi del giorno</translation>
    </message>
    <message>
        <source>Installs like any Linux program: a menu entry, settings in the user&apos;s home, and a command line.</source>
        <translation>Si installa come qualsiasi programma Linux: una voce di menu, le impostazioni nella cartella home dell&apos;utente e una riga di comando.</translation>
    </message>
    <message>
        <source>draw the biorhythm chart of a birth date</source>
        <translation>traccia il grafico dei bioritmi di una data di nascita</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» non è un numero intero valido</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Valore fuori intervallo</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossibile scrivere in %1</translation>
    </message>
    <message>
        <source>Unable to write to %1 (%2)</source>
        <translation>Impossibile scrivere in %1 (%2)</translation>
    </message>
    <message>
        <source>The file name must end in .png, .svg or .pdf.</source>
        <translation>Il nome del file deve terminare con .png, .svg o .pdf.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>supera %1 MB</translation>
    </message>
    <message>
        <source>Input/output error: unable to read %1 (%2)</source>
        <translation>Errore di input/output: impossibile leggere %1 (%2)</translation>
    </message>
    <message>
        <source>Unable to load %1: %2</source>
        <translation>Impossibile caricare %1: %2</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>it has no entry point rorovovo_extras</source>
        <translation>manca il punto di ingresso rorovovo_extras</translation>
    </message>
    <message>
        <source>it belongs to another version of the program</source>
        <translation>appartiene a un&apos;altra versione del programma</translation>
    </message>
</context>
<context>
    <name>Indicator</name>
    <message>
        <source> Cycle going up </source>
        <translation> Ciclo in crescita </translation>
    </message>
    <message>
        <source> Cycle going down </source>
        <translation> Ciclo in calo </translation>
    </message>
</context>
<context>
    <name>Interpretation</name>
    <message>
        <source>If you have planned big physical activities for today, put them off until the day after tomorrow. It&apos;s a critical day, so relax and take it easy.</source>
        <translation>Se per oggi hai in programma grandi sforzi fisici, rimandali a dopodomani. È un giorno critico: rilassati e prenditela comoda.</translation>
    </message>
    <message>
        <source>Physically, you had a critical day yesterday. Give your body one more day before you take on anything strenuous.</source>
        <translation>Ieri hai avuto un giorno critico fisico. Concedi al tuo corpo ancora un giorno prima di affrontare qualcosa di faticoso.</translation>
    </message>
    <message>
        <source>Your fitness and motivation are increasing. The couch potato days are behind you, so get moving!</source>
        <translation>Forma fisica e motivazione sono in aumento. Le giornate sul divano sono alle spalle: datti una mossa!</translation>
    </message>
    <message>
        <source>Your efficiency is high. Make good use of it and tackle whatever needs strength and stamina.</source>
        <translation>Sei al massimo dell&apos;efficienza. Approfittane e affronta tutto ciò che richiede forza e resistenza.</translation>
    </message>
    <message>
        <source>You are in very good physical shape. Why not go for a jog or a long walk today?</source>
        <translation>Sei in ottima forma fisica. Perché oggi non fai una corsetta o una lunga passeggiata?</translation>
    </message>
    <message>
        <source>Give yourself a rest. Save your energy, you will need it over the next few days.</source>
        <translation>Concediti un po&apos; di riposo. Risparmia le energie: ti serviranno nei prossimi giorni.</translation>
    </message>
    <message>
        <source>Don&apos;t exert yourself today! Better to relax now than to over-strain your body.</source>
        <translation>Oggi non strafare! Meglio rilassarsi adesso che sottoporre il corpo a sforzi eccessivi.</translation>
    </message>
    <message>
        <source>Today you feel beaten and would rather lie down all day. If you can manage it, just do that.</source>
        <translation>Oggi ti senti a pezzi e resteresti volentieri a letto tutto il giorno. Se puoi permettertelo, fallo pure.</translation>
    </message>
    <message>
        <source>Your energy seems to be gone. You feel listless, so don&apos;t expect too much of yourself.</source>
        <translation>Le energie sembrano sparite e ti manca la voglia di fare: non pretendere troppo da te.</translation>
    </message>
    <message>
        <source>You feel tired and drained. Avoid any exertion and let your body recover.</source>
        <translation>Stanchezza e spossatezza si fanno sentire. Evita ogni sforzo e lascia che il corpo si riprenda.</translation>
    </message>
    <message>
        <source>Slowly your vitality is increasing. Help it along with some light exercise.</source>
        <translation>La tua vitalità cresce piano piano. Dalle una mano con un po&apos; di attività fisica leggera.</translation>
    </message>
    <message>
        <source>You&apos;re still not exactly full of beans. Be patient, your strength will soon be back.</source>
        <translation>L&apos;energia non è ancora al massimo. Abbi pazienza: presto tornerai in forze.</translation>
    </message>
    <message>
        <source>Today your barometer of emotions is jumping from high to very low. It&apos;s a critical day, so take it easy: tomorrow is another day.</source>
        <translation>Oggi il tuo barometro emotivo salta dall&apos;euforia allo sconforto. È un giorno critico, quindi prendila con calma: domani è un altro giorno.</translation>
    </message>
    <message>
        <source>There are still some after-effects of yesterday. Better stay at home and put off that date until tomorrow.</source>
        <translation>Senti ancora gli strascichi di ieri. Meglio restare a casa e rimandare quell&apos;appuntamento a domani.</translation>
    </message>
    <message>
        <source>You feel well and are in a good mood. And it&apos;s going to get even better!</source>
        <translation>Ti senti bene e sei di buon umore. E andrà ancora meglio!</translation>
    </message>
    <message>
        <source>You are even-tempered and in an emotional balance. A good day to meet people.</source>
        <translation>Sei di umore stabile ed emotivamente in equilibrio. Una buona giornata per incontrare gente.</translation>
    </message>
    <message>
        <source>You are on an emotional &apos;high&apos; today. Getting on with others is easy and you are in great demand.</source>
        <translation>Oggi sei emotivamente «su di giri». Andare d&apos;accordo con gli altri è facile e tutti ti cercano.</translation>
    </message>
    <message>
        <source>You feel even-tempered and harmonious. Enjoy it while it lasts!</source>
        <translation>Ti senti in pace e in armonia. Goditela finché dura!</translation>
    </message>
    <message>
        <source>You are unsure about your emotions. Sadly, all good things come to an end.</source>
        <translation>Non hai le idee chiare sulle tue emozioni. Purtroppo tutte le cose belle finiscono.</translation>
    </message>
    <message>
        <source>Inside you feel restlessness. You are unsure of your feelings and have doubts about yourself.</source>
        <translation>Dentro di te senti inquietudine: i tuoi sentimenti ti confondono e dubiti di te.</translation>
    </message>
    <message>
        <source>Emotional breakdown? No wonder, your feelings are pulling you up and down today.</source>
        <translation>Crollo emotivo? Non c&apos;è da stupirsi: oggi i sentimenti ti sballottano su e giù.</translation>
    </message>
    <message>
        <source>You feel unsettled and restless. Better plan no affairs of the heart for the next few days.</source>
        <translation>Agitazione e irrequietezza ti accompagnano. Meglio non programmare questioni di cuore per i prossimi giorni.</translation>
    </message>
    <message>
        <source>You&apos;re nervous or unsure and feel empty inside. That&apos;s just how it is right now.</source>
        <translation>Nervosismo, insicurezza, un senso di vuoto dentro: per ora va così.</translation>
    </message>
    <message>
        <source>You want to hide away in the furthest corner. Do so if you can, it&apos;s a bad day.</source>
        <translation>Vorresti nasconderti nell&apos;angolo più remoto. Se puoi, fallo: è una giornata no.</translation>
    </message>
    <message>
        <source>Back down, if you can. Avoid the people you have plans with, you won&apos;t make your best impression.</source>
        <translation>Se puoi, tirati indietro. Evita le persone con cui hai dei programmi: non faresti una bella figura.</translation>
    </message>
    <message>
        <source>There will be light at the end of the tunnel! Still, staying in your shell is no fun.</source>
        <translation>Ci sarà una luce in fondo al tunnel! Però restare chiusi nel proprio guscio non è divertente.</translation>
    </message>
    <message>
        <source>Now you can see the light at the end of the tunnel. The self-pity is over, one more hurdle to pass.</source>
        <translation>Ora vedi la luce in fondo al tunnel. Basta autocommiserazione: manca solo un ultimo ostacolo.</translation>
    </message>
    <message>
        <source>Do you have an exam today? It&apos;s a critical day and your mind may be a bit foggy, so check everything twice.</source>
        <translation>Hai un esame oggi? È un giorno critico e la mente potrebbe essere un po&apos; annebbiata: controlla tutto due volte.</translation>
    </message>
    <message>
        <source>Now it&apos;s getting better with your intellectual skills. Do the work that needs concentration within the next ten days.</source>
        <translation>Le tue capacità intellettuali stanno migliorando. Svolgi entro i prossimi dieci giorni il lavoro che richiede concentrazione.</translation>
    </message>
    <message>
        <source>Your intellect and decision-making skills are admirable. Brain-twisters are no problem for you now.</source>
        <translation>Intelletto e capacità decisionali sono ammirevoli. Ora i rompicapi non sono un problema per te.</translation>
    </message>
    <message>
        <source>You are quick at repartee and see everything clearly. Mistakes are spotted early.</source>
        <translation>Hai la battuta pronta e vedi tutto con chiarezza. Gli errori li scopri subito.</translation>
    </message>
    <message>
        <source>You can finish demanding tasks without great effort, and you&apos;re full of good ideas.</source>
        <translation>Porti a termine compiti impegnativi senza grande fatica e hai un sacco di buone idee.</translation>
    </message>
    <message>
        <source>Thinking logical? No problem! Finish pending tasks now, before things get worse.</source>
        <translation>Ragionare con logica? Nessun problema! Completa ora i compiti in sospeso, prima che le cose peggiorino.</translation>
    </message>
    <message>
        <source>Let&apos;s hope you&apos;ve finished all the difficult tasks, because today you could bungle them.</source>
        <translation>Speriamo che tu abbia già finito i compiti difficili, perché oggi rischieresti di combinare pasticci.</translation>
    </message>
    <message>
        <source>You can&apos;t concentrate today. Your thinking is muddy, so leave tricky work for later.</source>
        <translation>Oggi non riesci a concentrarti. Hai le idee confuse: rimanda a più tardi i lavori complicati.</translation>
    </message>
    <message>
        <source>You are irresolute and don&apos;t know where to start. Just start anywhere!</source>
        <translation>Sei in preda all&apos;indecisione e non sai da dove cominciare. Comincia da dove vuoi, l&apos;importante è iniziare!</translation>
    </message>
    <message>
        <source>The period of creativity is over. Your brain has gone into stand-by mode.</source>
        <translation>Il periodo creativo è finito. Il tuo cervello è passato in modalità standby.</translation>
    </message>
    <message>
        <source>You spend these days without any plan or aim. Your reactions leave much to be desired, too.</source>
        <translation>Trascorri questi giorni senza un piano né una meta. Anche i tuoi riflessi lasciano a desiderare.</translation>
    </message>
    <message>
        <source>Making resolutions? Better leave that for later.</source>
        <translation>Buoni propositi? Meglio rimandarli a più avanti.</translation>
    </message>
    <message>
        <source>Even if you haven&apos;t accomplished much lately, take it easy. Better days are coming.</source>
        <translation>Anche se ultimamente hai concluso poco, non preoccuparti. Arriveranno giorni migliori.</translation>
    </message>
    <message>
        <source>If you have to make important decisions, put them off for a few days. You will see more clearly then.</source>
        <translation>Se devi prendere decisioni importanti, rimandale di qualche giorno. Allora vedrai le cose più chiaramente.</translation>
    </message>
    <message>
        <source>By the way: HAPPY BIRTHDAY!</source>
        <translation>A proposito: BUON COMPLEANNO!</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The program speaks the chosen language from its next start.</source>
        <translation>Il programma userà la lingua scelta dal prossimo avvio.</translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation>File della guida non trovato</translation>
    </message>
    <message>
        <source>Error downloading file &quot;%1&quot; for version check.<byte value="xd"/>Please check your internet connection and/or firewall..</source>
        <translation>Errore durante lo scaricamento del file «%1» per il controllo della versione.<byte value="xd"/>Controlla la connessione a Internet e/o il firewall.</translation>
    </message>
    <message>
        <source>There is a *new* version of this freeware available !<byte value="xd"/><byte value="xd"/>Please go to our freeware web page and download it,<byte value="xd"/>and replace the existing one by the new version.</source>
        <translation>È disponibile una *nuova* versione di questo freeware!<byte value="xd"/><byte value="xd"/>Visita la nostra pagina web dei freeware e scaricala,<byte value="xd"/>quindi sostituisci la versione installata con quella nuova.</translation>
    </message>
    <message>
        <source>You have the most recent version of this freeware..<byte value="xd"/>But keep checking, as this is updated regularly!</source>
        <translation>Hai la versione più recente di questo freeware.<byte value="xd"/>Ma continua a controllare: viene aggiornato regolarmente!</translation>
    </message>
    <message>
        <source>Sorry, but the &apos;Birthday Date&apos; you supplied is not a valid Date.<byte value="xd"/>Please go back and correct it...</source>
        <translation>Spiacenti, la «data di nascita» inserita non è una data valida.<byte value="xd"/>Torna indietro e correggila.</translation>
    </message>
    <message>
        <source>A name cannot contain the character &apos;|&apos;, which separates it from the date. Nothing was stored.</source>
        <translation>Un nome non può contenere il carattere «|», che lo separa dalla data. Non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>The name is too long: a stored profile holds at most %1 characters of name. Nothing was stored.</source>
        <translation>Il nome è troppo lungo: un profilo salvato può contenere un nome di al massimo %1 caratteri. Non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>The name you are trying to add already exists on the database..</source>
        <translation>Il nome che stai cercando di aggiungere esiste già nel database.</translation>
    </message>
</context>
<context>
    <name>PersonPanel</name>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>day</source>
        <translation>gg</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>year</source>
        <translation>aaaa</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>No session bus: the desktop&apos;s notifications cannot be reached (%1).</source>
        <translation>Nessun bus di sessione: impossibile raggiungere le notifiche del desktop (%1).</translation>
    </message>
    <message>
        <source>No notification service answers on the session bus (%1).</source>
        <translation>Nessun servizio di notifica risponde sul bus di sessione (%1).</translation>
    </message>
    <message>
        <source>The notification service did not take the reminder (%1).</source>
        <translation>Il servizio di notifica non ha accettato il promemoria (%1).</translation>
    </message>
    <message>
        <source>Today: %1 critical day</source>
        <translation>Oggi: giorno critico %1</translation>
    </message>
    <message>
        <source>Tomorrow: %1 critical day</source>
        <translation>Domani: giorno critico %1</translation>
    </message>
    <message numerus="yes">
        <source>In %n day(s): %1 critical day</source>
        <translation>
            <numerusform>Tra %n giorno: giorno critico %1</numerusform>
            <numerusform>Tra %n giorni: giorno critico %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sabato</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domenica</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunedì</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martedì</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercoledì</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>giovedì</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>venerdì</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>Nato/a il %1</translation>
    </message>
    <message>
        <source>%1, %2 %3: %4</source>
        <extracomment>Whom, the weekday, the date and the critical rhythms: &quot;Ada, Monday 18.03.2024: Physical, Emotional&quot;.</extracomment>
        <translation>%1, %2 %3: %4</translation>
    </message>
    <message>
        <source>%1 Nothing was changed.</source>
        <translation>%1 Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Reminders are on: a systemd user timer (%1) checks every day at %2, or at the next login when the computer was off then.</source>
        <translation>Promemoria attivi: un timer utente di systemd (%1) controlla ogni giorno alle %2, oppure all&apos;accesso successivo se a quell&apos;ora il computer era spento.</translation>
    </message>
    <message>
        <source>No systemd user instance could take a timer (%1), so the check runs each time you log in instead (%2).</source>
        <translation>Nessuna istanza utente di systemd ha potuto accettare un timer (%1), quindi il controllo viene eseguito a ogni accesso (%2).</translation>
    </message>
    <message>
        <source>Nothing could be set up to run the check (%1; %2). &apos;Rorovovo --remind&apos; still checks when run by hand.</source>
        <translation>Non è stato possibile predisporre l&apos;esecuzione del controllo (%1; %2). «Rorovovo --remind» controlla comunque, se avviato a mano.</translation>
    </message>
    <message>
        <source>%1 Reminders show once the desktop has one; the calendar file does not need it.</source>
        <translation>%1 I promemoria verranno mostrati quando il desktop ne avrà uno; il file calendario non ne ha bisogno.</translation>
    </message>
    <message>
        <source>Reminders are off; nothing runs the check any more.</source>
        <translation>Promemoria disattivati; il controllo non viene più eseguito.</translation>
    </message>
    <message>
        <source>The calendar file is up to date.</source>
        <translation>Il file calendario è aggiornato.</translation>
    </message>
    <message>
        <source>%1 The reminders do not need it.</source>
        <translation>%1 I promemoria non ne hanno bisogno.</translation>
    </message>
    <message>
        <source>The calendar file was removed.</source>
        <translation>Il file calendario è stato rimosso.</translation>
    </message>
    <message>
        <source>Unable to remove %1.</source>
        <translation>Impossibile rimuovere %1.</translation>
    </message>
    <message>
        <source>Reminders are off.</source>
        <translation>Promemoria disattivati.</translation>
    </message>
    <message>
        <source>Reminders are off, but a schedule is still set up: &quot;Stop reminders&quot; removes it.</source>
        <translation>Promemoria disattivati, ma è ancora impostata una pianificazione: «Disattiva promemoria» la rimuove.</translation>
    </message>
    <message>
        <source>Reminders are on: a systemd user timer checks every day at %1.</source>
        <translation>Promemoria attivi: un timer utente di systemd controlla ogni giorno alle %1.</translation>
    </message>
    <message>
        <source>Reminders are on: the check runs each time you log in.</source>
        <translation>Promemoria attivi: il controllo viene eseguito a ogni accesso.</translation>
    </message>
    <message>
        <source>Reminders are on, but nothing runs the check: &quot;Remind me&quot; sets it up again.</source>
        <translation>Promemoria attivi, ma nulla esegue il controllo: «Attiva promemoria» lo imposta di nuovo.</translation>
    </message>
    <message>
        <source>systemctl --user %1 did not answer</source>
        <translation>systemctl --user %1 non ha risposto</translation>
    </message>
    <message>
        <source>systemctl --user %1 failed</source>
        <translation>systemctl --user %1 non riuscito</translation>
    </message>
    <message>
        <source>no systemctl on PATH</source>
        <translation>systemctl non presente nel PATH</translation>
    </message>
    <message>
        <source>The timer could not be disabled (%1).</source>
        <translation>Impossibile disattivare il timer (%1).</translation>
    </message>
</context>
<context>
    <name>Rhythm</name>
    <message>
        <source>Physical</source>
        <translation>Fisico</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emotivo</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intellettivo</translation>
    </message>
    <message>
        <source>Intuitional</source>
        <translation>Intuitivo</translation>
    </message>
    <message>
        <source>Spiritual</source>
        <translation>Spirituale</translation>
    </message>
    <message>
        <source>Aesthetics</source>
        <translation>Estetico</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>(no name)</source>
        <translation>(senza nome)</translation>
    </message>
    <message>
        <source>%1: %2 to %3, page %4 of %5</source>
        <extracomment>The printed planner&apos;s heading: its title, the first and last day, the page.</extracomment>
        <translation>%1: dal %2 al %3, pagina %4 di %5</translation>
    </message>
</context>
<context>
    <name>SystemMenu</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Sposta</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>Ri&amp;dimensiona</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Riduci a &amp;icona</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>In&amp;grandisci</translation>
    </message>
    <message>
        <source>&amp;Close	Alt+F4</source>
        <translation>&amp;Chiudi	Alt+F4</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
</context>
<context>
    <name>Zodiac</name>
    <message>
        <source>aquarius</source>
        <translation>acquario</translation>
    </message>
    <message>
        <source>Jan 20 ~ Feb 18</source>
        <translation>20 gen ~ 18 feb</translation>
    </message>
    <message>
        <source>pisces</source>
        <translation>pesci</translation>
    </message>
    <message>
        <source>Feb 19 ~ Mar 20</source>
        <translation>19 feb ~ 20 mar</translation>
    </message>
    <message>
        <source>aries</source>
        <translation>ariete</translation>
    </message>
    <message>
        <source>Mar 21 ~ Apr 19</source>
        <translation>21 mar ~ 19 apr</translation>
    </message>
    <message>
        <source>taurus</source>
        <translation>toro</translation>
    </message>
    <message>
        <source>Apr 20 ~ May 20</source>
        <translation>20 apr ~ 20 mag</translation>
    </message>
    <message>
        <source>gemini</source>
        <translation>gemelli</translation>
    </message>
    <message>
        <source>May 21 ~ Jun 20</source>
        <translation>21 mag ~ 20 giu</translation>
    </message>
    <message>
        <source>cancer</source>
        <translation>cancro</translation>
    </message>
    <message>
        <source>Jun 21 ~ Jul 22</source>
        <translation>21 giu ~ 22 lug</translation>
    </message>
    <message>
        <source>leo</source>
        <translation>leone</translation>
    </message>
    <message>
        <source>Jul 23 ~ Aug 22</source>
        <translation>23 lug ~ 22 ago</translation>
    </message>
    <message>
        <source>virgo</source>
        <translation>vergine</translation>
    </message>
    <message>
        <source>Aug 23 ~ Sep 22</source>
        <translation>23 ago ~ 22 set</translation>
    </message>
    <message>
        <source>libra</source>
        <translation>bilancia</translation>
    </message>
    <message>
        <source>Sep 23 ~ Oct 22</source>
        <translation>23 set ~ 22 ott</translation>
    </message>
    <message>
        <source>scorpio</source>
        <translation>scorpione</translation>
    </message>
    <message>
        <source>Oct 23 ~ Nov 21</source>
        <translation>23 ott ~ 21 nov</translation>
    </message>
    <message>
        <source>sagittarius</source>
        <translation>sagittario</translation>
    </message>
    <message>
        <source>Nov 22 ~ Dec 21</source>
        <translation>22 nov ~ 21 dic</translation>
    </message>
    <message>
        <source>capricorn</source>
        <translation>capricorno</translation>
    </message>
    <message>
        <source>Dec 22 ~ Jan 19</source>
        <translation>22 dic ~ 19 gen</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::RosterView</name>
    <message>
        <source>Roster</source>
        <translation>Prospetto</translation>
    </message>
    <message>
        <source>Group score %1 (the lowest of the members&apos; scores)</source>
        <translation>Punteggio del gruppo %1 (il più basso tra quelli dei membri)</translation>
    </message>
    <message>
        <source>A clear day: nobody has a critical day</source>
        <translation>Giornata serena: nessuno ha un giorno critico</translation>
    </message>
    <message>
        <source>A critical day for %1 of %2</source>
        <translation>Giorno critico per %1 su %2</translation>
    </message>
    <message numerus="yes">
        <source>%n member(s)</source>
        <translation>
            <numerusform>%n membro</numerusform>
            <numerusform>%n membri</numerusform>
        </translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(senza nome)</translation>
    </message>
    <message>
        <source>%1, born %2</source>
        <translation>%1, nato/a il %2</translation>
    </message>
    <message>
        <source>No critical rhythm</source>
        <extracomment>The rhythms critical that day, then the day&apos;s kind: &quot;Critical: Physical, Emotional (double day)&quot;.</extracomment>
        <translation>Nessun ritmo critico</translation>
    </message>
    <message>
        <source>Critical: %1 (%2 day)</source>
        <translation>Ritmi critici: %1 (giorno %2)</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TForm1</name>
    <message>
        <source> Biorhythms</source>
        <translation> Bioritmi</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Add new profile...</source>
        <translation>Nuovo profilo...</translation>
    </message>
    <message>
        <source>Delete profile...</source>
        <translation>Elimina profilo...</translation>
    </message>
    <message>
        <source>Draw biorhythms</source>
        <translation>Traccia bioritmi</translation>
    </message>
    <message>
        <source>Draw extra* rythms</source>
        <translation>Traccia ritmi extra*</translation>
    </message>
    <message>
        <source>Biorhythms interpretation...</source>
        <translation>Interpretazione dei bioritmi...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profili</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Personali</translation>
    </message>
    <message>
        <source>Celebrity</source>
        <translation>Celebrità</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Save window&apos;s size</source>
        <translation>Salva dimensioni della finestra</translation>
    </message>
    <message>
        <source>Save window&apos;s position</source>
        <translation>Salva posizione della finestra</translation>
    </message>
    <message>
        <source>Mark critical days</source>
        <translation>Evidenzia giorni critici</translation>
    </message>
    <message>
        <source>Default rhythms to show...</source>
        <translation>Ritmi predefiniti da mostrare...</translation>
    </message>
    <message>
        <source>Physical rhythm</source>
        <translation>Ritmo fisico</translation>
    </message>
    <message>
        <source>Emotional rhythm</source>
        <translation>Ritmo emotivo</translation>
    </message>
    <message>
        <source>Intellectual rhythm</source>
        <translation>Ritmo intellettivo</translation>
    </message>
    <message>
        <source>Intuitional rhythm</source>
        <translation>Ritmo intuitivo</translation>
    </message>
    <message>
        <source>Spiritual rhythm</source>
        <translation>Ritmo spirituale</translation>
    </message>
    <message>
        <source>Aesthetics rhytm</source>
        <translation>Ritmo estetico</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>Options &gt; Language: the language the desktop speaks.</extracomment>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>Critical days...</source>
        <translation>Giorni critici...</translation>
    </message>
    <message>
        <source>Compatibility...</source>
        <translation>Compatibilità...</translation>
    </message>
    <message>
        <source>Planner...</source>
        <translation>Pianificatore...</translation>
    </message>
    <message>
        <source>Save chart as...</source>
        <translation>Salva grafico come...</translation>
    </message>
    <message>
        <source>Print chart...</source>
        <translation>Stampa grafico...</translation>
    </message>
    <message>
        <source>Reminders...</source>
        <translation>Promemoria...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Guida...</translation>
    </message>
    <message>
        <source>Software news...</source>
        <translation>Novità software...</translation>
    </message>
    <message>
        <source>Check new versions *</source>
        <translation>Cerca nuove versioni *</translation>
    </message>
    <message>
        <source>Donations...</source>
        <translation>Donazioni...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Informazioni...</translation>
    </message>
    <message>
        <source>Day         of %1</source>
        <extracomment>The blanks leave room for the day box drawn over them.</extracomment>
        <translation>G.            di %1</translation>
    </message>
    <message>
        <source>%1 day</source>
        <comment>spoken name of a rhythm&apos;s cycle-day box</comment>
        <translation>Giorno del ritmo %1</translation>
    </message>
    <message>
        <source>total days</source>
        <translation>giorni totali</translation>
    </message>
    <message>
        <source>years</source>
        <translation>anni</translation>
    </message>
    <message>
        <source>add new</source>
        <translation>aggiungi</translation>
    </message>
    <message>
        <source>zodiac</source>
        <translation>zodiaco</translation>
    </message>
    <message>
        <source> add new profile </source>
        <translation> aggiungi nuovo profilo </translation>
    </message>
    <message>
        <source> draw biorhythm </source>
        <translation> traccia i bioritmi </translation>
    </message>
    <message>
        <source>draw bio</source>
        <translation>traccia</translation>
    </message>
    <message>
        <source> about </source>
        <translation> informazioni </translation>
    </message>
    <message>
        <source> help </source>
        <translation> guida </translation>
    </message>
    <message>
        <source> close </source>
        <translation> chiudi </translation>
    </message>
    <message>
        <source> select profile </source>
        <translation> seleziona profilo </translation>
    </message>
    <message>
        <source> biorhythm today&apos;s interpretation </source>
        <translation> interpretazione dei bioritmi di oggi </translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>day</source>
        <translation>gg</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>year</source>
        <translation>aaaa</translation>
    </message>
    <message>
        <source>profile</source>
        <translation>profilo</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>In&amp;formazioni...</translation>
    </message>
    <message>
        <source> %1 : %2 </source>
        <extracomment>The sign picture&apos;s hint: &quot; aquarius : Jan 20 ~ Feb 18 &quot;.</extracomment>
        <translation> %1: %2 </translation>
    </message>
    <message>
        <source>     Rhythm&apos;s interpretation @  %1  -  for %2</source>
        <extracomment>The interpretation window&apos;s caption: today&apos;s date, then the name in the name box.</extracomment>
        <translation>     Interpretazione dei ritmi del %1 per %2</translation>
    </message>
    <message>
        <source>Data file &apos;Cyclomat.dat&apos; with Celebrity names does not exist on path.<byte value="xd"/>Can&apos;t load extra data.. Get it from zip file, if you want it too.</source>
        <translation>Il file di dati «Cyclomat.dat» con i nomi delle celebrità non si trova nel percorso.<byte value="xd"/>Impossibile caricare i dati aggiuntivi. Se ti servono, estrai il file dall&apos;archivio zip.</translation>
    </message>
    <message>
        <source>The profile &apos;%1&apos; is no longer in the settings file.</source>
        <translation>Il profilo «%1» non è più presente nel file delle impostazioni.</translation>
    </message>
    <message>
        <source>The profile is shown, but the selection could not be remembered for the next start (no more reports of this in this run). %1</source>
        <translation>Il profilo viene mostrato, ma non è stato possibile memorizzare la selezione per il prossimo avvio (l&apos;avviso non verrà ripetuto in questa sessione). %1</translation>
    </message>
    <message>
        <source>chart</source>
        <comment>file name of a chart without a name</comment>
        <translation>grafico</translation>
    </message>
    <message>
        <source>Save chart as</source>
        <translation>Salva grafico come</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)</source>
        <translation>Immagine PNG (*.png);;Disegno SVG (*.svg);;Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Unable to print on %1</source>
        <translation>Impossibile stampare su %1</translation>
    </message>
    <message>
        <source>Dark chart</source>
        <translation>Grafico scuro</translation>
    </message>
    <message>
        <source>Colour-blind-safe colours</source>
        <translation>Colori per daltonici</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormAbout</name>
    <message>
        <source>Freeware by</source>
        <translation>Freeware di</translation>
    </message>
    <message>
        <source>Find your own personal Zavirir, all 4 curves. Add as many people as you want and check how everyone is doing for the day!</source>
        <translation>Scopri il tuo Zavirir personale, con tutte e 4 le curve. Aggiungi quante persone vuoi e guarda come sta ognuno oggi!</translation>
    </message>
    <message>
        <source>If you like this program, do email me with feedback, ideas, suggestions or questions to</source>
        <translation>Se il programma ti piace, scrivimi pure per commenti, idee, suggerimenti o domande a</translation>
    </message>
    <message>
        <source>You can also help the development, by _______ a few $$</source>
        <extracomment>The donation link below (&quot;donating &quot;) is laid over the blank, which stays seven underscores.</extracomment>
        <translation>Puoi anche sostenere lo sviluppo _______ qualche $$</translation>
    </message>
    <message>
        <source>donating </source>
        <translation>donando </translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormCompatibility</name>
    <message>
        <source>Compatibility</source>
        <translation>Compatibilità</translation>
    </message>
    <message>
        <source>Second person: pick or type</source>
        <translation>Seconda persona: scegli o digita</translation>
    </message>
    <message>
        <source>type to search</source>
        <translation>digita per cercare</translation>
    </message>
    <message>
        <source>compare</source>
        <translation>confronta</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Globale</translation>
    </message>
    <message>
        <source>mean of %1, %2, %3</source>
        <translation>media di %1, %2, %3</translation>
    </message>
    <message>
        <source>solid: first person, dashed: second person; today is the silver column</source>
        <translation>continua: prima persona, tratteggiata: seconda persona; oggi è la colonna argentata</translation>
    </message>
    <message>
        <source>Nobody drawn yet: draw a chart in the main window first.</source>
        <translation>Ancora nessun grafico: traccia prima un grafico nella finestra principale.</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(senza nome)</translation>
    </message>
    <message>
        <source>First person: %1, born %2</source>
        <translation>Prima persona: %1, nato/a il %2</translation>
    </message>
    <message>
        <source>Search profiles and celebrities</source>
        <translation>Cerca profili e celebrità</translation>
    </message>
    <message>
        <source>Profiles and celebrities</source>
        <translation>Profili e celebrità</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormCritical</name>
    <message>
        <source>Critical days</source>
        <translation>Giorni critici</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Data di inizio</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Dal:</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n giorno</numerusform>
            <numerusform>%n giorni</numerusform>
        </translation>
    </message>
    <message>
        <source>Span</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>&amp;Span:</source>
        <translation>&amp;Periodo:</translation>
    </message>
    <message>
        <source>Rhythms:</source>
        <translation>Ritmi:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Critical rhythms</source>
        <translation>Ritmi critici</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Next triple critical day</source>
        <translation>Prossimo giorno critico triplo</translation>
    </message>
    <message>
        <source>Save as calendar...</source>
        <translation>Salva come calendario...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>No biorhythm has been drawn yet. Draw a person&apos;s biorhythm in the main window, and their critical days will be listed here.</source>
        <translation>Non è stato ancora tracciato alcun bioritmo. Traccia il bioritmo di una persona nella finestra principale e qui verranno elencati i suoi giorni critici.</translation>
    </message>
    <message>
        <source>Critical days for the birth date %1</source>
        <translation>Giorni critici per la data di nascita %1</translation>
    </message>
    <message>
        <source>Critical days of %1, born %2</source>
        <translation>Giorni critici di %1, nato/a il %2</translation>
    </message>
    <message>
        <source>Today, %1, is a triple critical day.</source>
        <translation>Oggi, %1, è un giorno critico triplo.</translation>
    </message>
    <message numerus="yes">
        <source>The next triple critical day, %1, is %n day(s) away.</source>
        <translation>
            <numerusform>Il prossimo giorno critico triplo, %1, è tra %n giorno.</numerusform>
            <numerusform>Il prossimo giorno critico triplo, %1, è tra %n giorni.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The next triple critical day after the start date, %1, was %n day(s) ago.</source>
        <translation>
            <numerusform>Il primo giorno critico triplo dopo la data di inizio, %1, è stato %n giorno fa.</numerusform>
            <numerusform>Il primo giorno critico triplo dopo la data di inizio, %1, è stato %n giorni fa.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 critical days</source>
        <comment>file name</comment>
        <translation>Giorni critici di %1</translation>
    </message>
    <message>
        <source>Save as calendar</source>
        <translation>Salva come calendario</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>File iCalendar (*.ics);;Tutti i file (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n critical day(s) saved to %1</source>
        <translation>
            <numerusform>%n giorno critico salvato in %1</numerusform>
            <numerusform>%n giorni critici salvati in %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormEditor</name>
    <message>
        <source>Profile editor</source>
        <translation>Editor dei profili</translation>
    </message>
    <message>
        <source>add new</source>
        <translation>aggiungi</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>elimina</translation>
    </message>
    <message>
        <source>No profile is selected, so nothing was deleted.</source>
        <translation>Nessun profilo selezionato: non è stato eliminato nulla.</translation>
    </message>
    <message>
        <source>Sure to delete  &apos;%1&apos;s&apos;  profile?</source>
        <translation>Eliminare davvero il profilo di «%1»?</translation>
    </message>
    <message>
        <source>The profile &apos;%1&apos; is no longer in the settings file.</source>
        <translation>Il profilo «%1» non è più presente nel file delle impostazioni.</translation>
    </message>
    <message>
        <source>profile</source>
        <translation>profilo</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormInterpret</name>
    <message>
        <source>     Rhythm&apos;s interpretation ...</source>
        <translation>     Interpretazione dei ritmi...</translation>
    </message>
    <message>
        <source>physical</source>
        <translation>fisico</translation>
    </message>
    <message>
        <source>emotional</source>
        <translation>emotivo</translation>
    </message>
    <message>
        <source>intellectual</source>
        <translation>intellettivo</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormPlanner</name>
    <message>
        <source>YYYY</source>
        <translation>AAAA</translation>
    </message>
    <message>
        <source>DD</source>
        <translation>GG</translation>
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
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Planner</source>
        <translation>Pianificatore</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Membri</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>Remove all</source>
        <translation>Rimuovi tutti</translation>
    </message>
    <message>
        <source>&amp;Add people:</source>
        <translation>&amp;Aggiungi persone:</translation>
    </message>
    <message>
        <source>type to search</source>
        <translation>digita per cercare</translation>
    </message>
    <message>
        <source>Search profiles and celebrities</source>
        <translation>Cerca profili e celebrità</translation>
    </message>
    <message>
        <source>Profiles and celebrities</source>
        <translation>Profili e celebrità</translation>
    </message>
    <message>
        <source>Add &amp;selected</source>
        <translation>Aggiungi &amp;selezionati</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>Agg&amp;iungi</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Gruppo:</translation>
    </message>
    <message>
        <source>Group name</source>
        <translation>Nome del gruppo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>A&amp;pri</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Sal&amp;va</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Add from file...</source>
        <translation>Aggiungi da file...</translation>
    </message>
    <message>
        <source>Save to file...</source>
        <translation>Salva su file...</translation>
    </message>
    <message>
        <source>Import contacts...</source>
        <translation>Importa contatti...</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation>Da&amp;ta:</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Data di inizio</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Dal:</translation>
    </message>
    <message>
        <source> days</source>
        <comment>after the span&apos;s number</comment>
        <translation> giorni</translation>
    </message>
    <message>
        <source>Span in days</source>
        <translation>Periodo in giorni</translation>
    </message>
    <message>
        <source>S&amp;pan:</source>
        <translation>Peri&amp;odo:</translation>
    </message>
    <message>
        <source>Rhythms:</source>
        <translation>Ritmi:</translation>
    </message>
    <message>
        <source>Best days</source>
        <translation>Giorni migliori</translation>
    </message>
    <message>
        <source>Worst days</source>
        <translation>Giorni peggiori</translation>
    </message>
    <message>
        <source>&amp;Best days (nobody critical):</source>
        <translation>Giorni &amp;migliori (nessuno critico):</translation>
    </message>
    <message>
        <source>&amp;Worst days:</source>
        <translation>Giorni p&amp;eggiori:</translation>
    </message>
    <message>
        <source>Mor&amp;e days</source>
        <translation>A&amp;ltri giorni</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Salva come PDF...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Stampa...</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Salva come CSV...</translation>
    </message>
    <message>
        <source>Save best days as calendar...</source>
        <translation>Salva giorni migliori come calendario...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>In view: %1 to %2 (the span: %3 to %4)</source>
        <translation>Visualizzati: %1 – %2 (periodo: %3 – %4)</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Personali</translation>
    </message>
    <message>
        <source>Celebrity</source>
        <translation>Celebrità</translation>
    </message>
    <message>
        <source>The planner holds at most %1 people.</source>
        <translation>Il pianificatore può contenere al massimo %1 persone.</translation>
    </message>
    <message>
        <source>&amp;Members (%1):</source>
        <translation>Mem&amp;bri (%1):</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(senza nome)</translation>
    </message>
    <message>
        <source>Every day of the span is a critical day for someone: no best day.</source>
        <translation>Ogni giorno del periodo è critico per qualcuno: nessun giorno migliore.</translation>
    </message>
    <message>
        <source>%1 left out: no valid birth date</source>
        <translation>Impossibile aggiungere %1: data di nascita non valida</translation>
    </message>
    <message numerus="yes">
        <source>%n (entry|entries)</source>
        <translation>
            <numerusform>%n voce</numerusform>
            <numerusform>%n voci</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no group named &quot;%1&quot;.</source>
        <translation>Non esiste alcun gruppo di nome «%1».</translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; opened: %2%3</source>
        <translation>Gruppo «%1» aperto: %2%3</translation>
    </message>
    <message numerus="yes">
        <source>%n (person|people)</source>
        <translation>
            <numerusform>%n persona</numerusform>
            <numerusform>%n persone</numerusform>
        </translation>
    </message>
    <message>
        <source>; %1 without a valid birth date left out</source>
        <translation>; impossibile caricare %1 senza data di nascita valida</translation>
    </message>
    <message>
        <source>Type a name for the group first.</source>
        <translation>Digita prima un nome per il gruppo.</translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; saved with %2</source>
        <translation>Gruppo «%1» salvato con %2</translation>
    </message>
    <message>
        <source>Delete the group &quot;%1&quot;?</source>
        <translation>Eliminare il gruppo «%1»?</translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; deleted.</source>
        <translation>Gruppo «%1» eliminato.</translation>
    </message>
    <message>
        <source>Add people from a file</source>
        <translation>Aggiungi persone da un file</translation>
    </message>
    <message>
        <source>Group files (*.txt *.dat);;All files (*)</source>
        <translation>File di gruppo (*.txt *.dat);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>%1 added from %2%3</source>
        <translation>Aggiunte dal file %2: %1%3</translation>
    </message>
    <message>
        <source>Save group to file</source>
        <translation>Salva gruppo su file</translation>
    </message>
    <message>
        <source>Group files (*.txt);;All files (*)</source>
        <translation>File di gruppo (*.txt);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>%1 saved to %2</source>
        <translation>File %2 salvato: %1</translation>
    </message>
    <message>
        <source>Import birthdays from contacts</source>
        <translation>Importa compleanni dai contatti</translation>
    </message>
    <message>
        <source>Contacts (*.vcf *.vcard);;All files (*)</source>
        <translation>Contatti (*.vcf *.vcard);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Save roster as PDF</source>
        <translation>Salva prospetto come PDF</translation>
    </message>
    <message>
        <source> roster.pdf</source>
        <comment>file name after the group&apos;s</comment>
        <translation> prospetto.pdf</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documenti PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Unable to print on %1</source>
        <translation>Impossibile stampare su %1</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Salva come CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>File CSV (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Save best days as calendar</source>
        <translation>Salva giorni migliori come calendario</translation>
    </message>
    <message>
        <source> best days.ics</source>
        <comment>file name after the group&apos;s</comment>
        <translation> giorni migliori.ics</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>File iCalendar (*.ics);;Tutti i file (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n best day(s)</source>
        <translation>
            <numerusform>%n giorno migliore</numerusform>
            <numerusform>%n giorni migliori</numerusform>
        </translation>
    </message>
    <message>
        <source>Open file...</source>
        <translation>Apri file...</translation>
    </message>
    <message>
        <source>Open a group file</source>
        <translation>Apri un file di gruppo</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Promemoria</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Persone</translation>
    </message>
    <message>
        <source>&amp;People to be reminded of:</source>
        <translation>&amp;Promemoria per:</translation>
    </message>
    <message>
        <source>The same day</source>
        <translation>Il giorno stesso</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) before</source>
        <translation>
            <numerusform>%n giorno prima</numerusform>
            <numerusform>%n giorni prima</numerusform>
        </translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Singoli</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doppi</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>Tripli</translation>
    </message>
    <message>
        <source>&amp;How far ahead:</source>
        <translation>Pr&amp;eavviso:</translation>
    </message>
    <message>
        <source>Which days:</source>
        <translation>Quali giorni:</translation>
    </message>
    <message>
        <source>&amp;Time of day:</source>
        <translation>&amp;Orario:</translation>
    </message>
    <message>
        <source>&amp;Keep a calendar file</source>
        <translation>Mantieni un file &amp;calendario</translation>
    </message>
    <message>
        <source>Calendar file</source>
        <translation>File calendario</translation>
    </message>
    <message>
        <source>&amp;Remind me</source>
        <translation>&amp;Attiva promemoria</translation>
    </message>
    <message>
        <source>&amp;Stop reminders</source>
        <translation>&amp;Disattiva promemoria</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Stored profiles</source>
        <translation>Profili salvati</translation>
    </message>
    <message>
        <source>Group: %1</source>
        <translation>Gruppo: %1</translation>
    </message>
    <message>
        <source>No longer stored</source>
        <translation>Non più salvati</translation>
    </message>
    <message>
        <source>No profiles are stored yet: add a person in the main window first.</source>
        <translation>Non ci sono ancora profili salvati: aggiungi prima una persona nella finestra principale.</translation>
    </message>
    <message>
        <source>Tick at least one person to be reminded of first.</source>
        <translation>Spunta prima almeno una persona per cui ricevere i promemoria.</translation>
    </message>
</context>
</TS>
