<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Calendar</name>
    <message>
        <source>Triple critical day: %1</source>
        <translation>Día crítico triple: %1</translation>
    </message>
    <message>
        <source>Double critical day: %1</source>
        <translation>Día crítico doble: %1</translation>
    </message>
    <message>
        <source>Critical day: %1</source>
        <translation>Día crítico: %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A calendar event&apos;s summary, then whose critical day it is.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Birth date</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Critical rhythms</source>
        <translation>Ritmos críticos</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>born %1</source>
        <translation>persona nacida el %1</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <extracomment>The first three members&apos; names, then how many more the group has.</extracomment>
        <translation>%1 y %2 más</translation>
    </message>
    <message>
        <source>Best day for %1: group score %2</source>
        <translation>Mejor día para %1: puntuación del grupo %2</translation>
    </message>
</context>
<context>
    <name>ChartDocument</name>
    <message>
        <source>born %1</source>
        <translation>n. %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>name, born date</comment>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>ChartTable</name>
    <message>
        <source>Chart</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>One row a day: its date, each rhythm&apos;s percentage and direction, and the rhythms critical that day</source>
        <translation>Una fila por día: la fecha, el porcentaje y la dirección de cada ritmo, y los ritmos críticos ese día</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Crítico</translation>
    </message>
    <message>
        <source>%1 % %2</source>
        <extracomment>A rhythm&apos;s cell of the chart&apos;s table: &quot;87 % rising&quot;.</extracomment>
        <translation>%1 % %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--chart needs a birth date</source>
        <translation>--chart necesita una fecha de nacimiento</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; after --chart</source>
        <translation>«%1» inesperado después de --chart</translation>
    </message>
    <message>
        <source>--chart needs --output FILE.png|.svg|.pdf</source>
        <translation>--chart necesita --output ARCHIVO.png|.svg|.pdf</translation>
    </message>
    <message>
        <source>the strip leaves the calendar</source>
        <translation>los días del gráfico se salen del calendario</translation>
    </message>
    <message>
        <source>--compat takes two birth dates and --json</source>
        <translation>--compat admite dos fechas de nacimiento y --json</translation>
    </message>
    <message>
        <source>--critical needs a birth date DD.MM.YYYY</source>
        <translation>--critical necesita una fecha de nacimiento DD.MM.AAAA</translation>
    </message>
    <message>
        <source>--rhythms takes letters of P,E,I,N,S,A, each once</source>
        <translation>--rhythms admite las letras P,E,I,N,S,A, cada una solo una vez</translation>
    </message>
    <message>
        <source>--ics needs a file name</source>
        <translation>--ics necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>unknown or incomplete option &apos;%1&apos;</source>
        <translation>opción desconocida o incompleta «%1»</translation>
    </message>
    <message>
        <source>the days asked for run past the year 9999</source>
        <translation>los días solicitados van más allá del año 9999</translation>
    </message>
    <message>
        <source>&apos;%1|%2&apos; in %3 is no Name|DD.MM.YYYY entry</source>
        <translation>«%1|%2» en %3 no es una entrada Nombre|DD.MM.AAAA</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>--plan needs a birth date DD.MM.YYYY or --group FILE</source>
        <translation>--plan necesita una fecha de nacimiento DD.MM.AAAA o --group ARCHIVO</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; after --remind</source>
        <translation>«%1» inesperado después de --remind</translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s) shown</source>
        <translation>
            <numerusform>%n recordatorio mostrado</numerusform>
            <numerusform>%n recordatorios mostrados</numerusform>
        </translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>Rorovovo: unable to write the output (%1)</source>
        <translation>Rorovovo: no se puede escribir la salida (%1)</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>error de escritura</translation>
    </message>
    <message>
        <source>--help                 this text</source>
        <translation>--help                 este texto</translation>
    </message>
    <message>
        <source>--version              the program&apos;s version</source>
        <translation>--version              la versión del programa</translation>
    </message>
    <message>
        <source>--critical DD.MM.YYYY [--from DD.MM.YYYY] [--days N] [--rhythms P,E,I,N,S,A] [--json] [--ics FILE]
                         critical days of a birth date (from today, 90 days, all six rhythms)</source>
        <translation>--critical DD.MM.AAAA [--from DD.MM.AAAA] [--days N] [--rhythms P,E,I,N,S,A] [--json] [--ics ARCHIVO]
                         días críticos de una fecha de nacimiento (desde hoy, 90 días, los seis ritmos)</translation>
    </message>
    <message>
        <source>--chart DD.MM.YYYY [--name TEXT] [--from DD.MM.YYYY] [--days N] [--extra] --output FILE.png|.svg|.pdf
                         the chart as a picture or document, without a window</source>
        <translation>--chart DD.MM.AAAA [--name TEXTO] [--from DD.MM.AAAA] [--days N] [--extra] --output ARCHIVO.png|.svg|.pdf
                         el gráfico como imagen o documento, sin abrir ninguna ventana</translation>
    </message>
    <message>
        <source>--compat DD.MM.YYYY DD.MM.YYYY [--json]
                         how well two people&apos;s rhythms match</source>
        <translation>--compat DD.MM.AAAA DD.MM.AAAA [--json]
                         hasta qué punto encajan los ritmos de dos personas</translation>
    </message>
    <message>
        <source>--plan DD.MM.YYYY [DD.MM.YYYY ...] [--group FILE] [--from DD.MM.YYYY] [--days N] [--top K]
       [--rhythms P,E,I,N,S,A] [--json] [--csv FILE] [--ics FILE]
                         the best and worst days for a group (from today, 30 days, Physical,
                         Emotional and Intellectual)</source>
        <translation>--plan DD.MM.AAAA [DD.MM.AAAA ...] [--group ARCHIVO] [--from DD.MM.AAAA] [--days N] [--top K]
       [--rhythms P,E,I,N,S,A] [--json] [--csv ARCHIVO] [--ics ARCHIVO]
                         los mejores y los peores días para un grupo (desde hoy, 30 días, ritmos Físico,
                         Emocional e Intelectual)</translation>
    </message>
    <message>
        <source>--remind [--at-login]   one check of the reminders (Tools &gt; Reminders...): shows what is due and ends</source>
        <translation>--remind [--at-login]   una comprobación de los recordatorios (Herramientas &gt; Recordatorios...): muestra los pendientes y termina</translation>
    </message>
    <message>
        <source>Rorovovo: &apos;%1&apos; is not a valid date (DD.MM.YYYY)</source>
        <translation>Rorovovo: «%1» no es una fecha válida (DD.MM.AAAA)</translation>
    </message>
    <message>
        <source>Rorovovo: %1 (try &apos;Rorovovo --help&apos;)</source>
        <translation>Rorovovo: %1 (prueba «Rorovovo --help»)</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 admite un número entero de %2 a %3</translation>
    </message>
    <message>
        <source>Usage: Rorovovo [option]
Without an option the program opens its window.

Options:
</source>
        <translation>Uso: Rorovovo [opción]
Sin ninguna opción, el programa abre su ventana.

Opciones:
</translation>
    </message>
</context>
<context>
    <name>CriticalKind</name>
    <message>
        <source>single</source>
        <translation>simple</translation>
    </message>
    <message>
        <source>double</source>
        <translation>doble</translation>
    </message>
    <message>
        <source>triple</source>
        <translation>triple</translation>
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
        <translation>en ascenso</translation>
    </message>
    <message>
        <source>falling</source>
        <translation>en descenso</translation>
    </message>
    <message>
        <source>Critical: %1</source>
        <translation>Día crítico: %1</translation>
    </message>
    <message>
        <source>Only %1, %2 and %3 make a day double or triple.</source>
        <translation>Solo %1, %2 y %3 hacen que un día sea doble o triple.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Biorhythm Chart</source>
        <translation>Gráfico de biorritmos</translation>
    </message>
    <message>
        <source>Draw the physical, emotional and intellectual rhythms of a birth date</source>
        <translation>Dibuja los ritmos físico, emocional e intelectual de una fecha de nacimiento</translation>
    </message>
    <message>
        <source>biorhythm;rhythm;cycle;chart;birthday;zodiac;</source>
        <translation>biorritmo;ritmo;ciclo;gráfico;cumpleaños;zodiaco;</translation>
    </message>
    <message>
        <source>Draw the biorhythm chart of a birth date</source>
        <translation>Dibuja el gráfico de biorritmos de una fecha de nacimiento</translation>
    </message>
    <message>
        <source>Rorovovo draws a chart of the Physical (23 days), Emotional (28), Intellectual (33) and Intuitional (38) rhythms of a person from a name and a birth date, with the Spiritual (53) and Aesthetics (48) rhythms on request.</source>
        <translation>Rorovovo dibuja un gráfico de los ritmos Físico (23 días), Emocional (28), Intelectual (33) e Intuitivo (38) de una persona a partir de un nombre y una fecha de nacimiento y, si se desea, también de los ritmos Espiritual (53) y Estético (48).</translation>
    </message>
    <message>
        <source>Beside the chart it shows:</source>
        <translation>Junto al gráfico muestra:</translation>
    </message>
    <message>
        <source>today&apos;s day in each cycle with ring indicators</source>
        <translation>el día de hoy en cada ciclo, con indicadores circulares</translation>
    </message>
    <message>
        <source>the days lived, the age and the zodiac sign</source>
        <translation>los días vividos, la edad y el signo del zodiaco</translation>
    </message>
    <message>
        <source>a short interpretation of today</source>
        <translation>una breve interpretación del día de hoy</translation>
    </message>
    <message>
        <source>Personal profiles are kept in the user&apos;s own settings file; a list of celebrities comes with the program.</source>
        <translation>Los perfiles personales se guardan en el propio archivo de configuración del usuario; el programa incluye una lista de famosos.</translation>
    </message>
    <message>
        <source>The chart of a profile with today&apos;s rhythms beside it</source>
        <translation>El gráfico de un perfil con los ritmos de hoy al lado</translation>
    </message>
    <message>
        <source>Installs like any Linux program: a menu entry, settings in the user&apos;s home, and a command line.</source>
        <translation>Se instala como cualquier programa de Linux: una entrada en el menú, la configuración en la carpeta personal del usuario y una línea de comandos.</translation>
    </message>
    <message>
        <source>draw the biorhythm chart of a birth date</source>
        <translation>dibujar el gráfico de biorritmos de una fecha de nacimiento</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no es un número entero válido</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Error de comprobación de rango</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>Unable to write to %1 (%2)</source>
        <translation>No se puede escribir en %1 (%2)</translation>
    </message>
    <message>
        <source>The file name must end in .png, .svg or .pdf.</source>
        <translation>El nombre del archivo debe terminar en .png, .svg o .pdf.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>Input/output error: unable to read %1 (%2)</source>
        <translation>Error de entrada/salida: no se puede leer %1 (%2)</translation>
    </message>
    <message>
        <source>Unable to load %1: %2</source>
        <translation>No se puede cargar %1: %2</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>falta el archivo</translation>
    </message>
    <message>
        <source>it has no entry point rorovovo_extras</source>
        <translation>no tiene el punto de entrada rorovovo_extras</translation>
    </message>
    <message>
        <source>it belongs to another version of the program</source>
        <translation>pertenece a otra versión del programa</translation>
    </message>
</context>
<context>
    <name>Indicator</name>
    <message>
        <source> Cycle going up </source>
        <translation> Ciclo en ascenso </translation>
    </message>
    <message>
        <source> Cycle going down </source>
        <translation> Ciclo en descenso </translation>
    </message>
</context>
<context>
    <name>Interpretation</name>
    <message>
        <source>If you have planned big physical activities for today, put them off until the day after tomorrow. It&apos;s a critical day, so relax and take it easy.</source>
        <translation>¿Tenías previsto un gran esfuerzo físico para hoy? Déjalo para pasado mañana. Es un día crítico: relájate y tómatelo con calma.</translation>
    </message>
    <message>
        <source>Physically, you had a critical day yesterday. Give your body one more day before you take on anything strenuous.</source>
        <translation>Ayer tuviste un día crítico físico. Dale a tu cuerpo un día más antes de meterte en algo agotador.</translation>
    </message>
    <message>
        <source>Your fitness and motivation are increasing. The couch potato days are behind you, so get moving!</source>
        <translation>Tu forma física y tu motivación van en aumento. Se acabaron los días de sofá: ¡a moverse!</translation>
    </message>
    <message>
        <source>Your efficiency is high. Make good use of it and tackle whatever needs strength and stamina.</source>
        <translation>Estás a pleno rendimiento. Aprovéchalo y ponte con todo lo que exija fuerza y resistencia.</translation>
    </message>
    <message>
        <source>You are in very good physical shape. Why not go for a jog or a long walk today?</source>
        <translation>Estás en muy buena forma física. ¿Por qué no sales hoy a correr o a dar un buen paseo?</translation>
    </message>
    <message>
        <source>Give yourself a rest. Save your energy, you will need it over the next few days.</source>
        <translation>Tómate un descanso. Ahorra energías: las vas a necesitar en los próximos días.</translation>
    </message>
    <message>
        <source>Don&apos;t exert yourself today! Better to relax now than to over-strain your body.</source>
        <translation>¡Hoy no te esfuerces! Más vale relajarse ahora que forzar demasiado el cuerpo.</translation>
    </message>
    <message>
        <source>Today you feel beaten and would rather lie down all day. If you can manage it, just do that.</source>
        <translation>Hoy te falta energía y te pasarías el día en la cama. Si puedes permitírtelo, hazlo.</translation>
    </message>
    <message>
        <source>Your energy seems to be gone. You feel listless, so don&apos;t expect too much of yourself.</source>
        <translation>Parece que se te ha acabado la energía. Estás sin ganas de nada, así que no te exijas demasiado.</translation>
    </message>
    <message>
        <source>You feel tired and drained. Avoid any exertion and let your body recover.</source>
        <translation>Sientes cansancio y agotamiento. Evita cualquier esfuerzo y deja que tu cuerpo se recupere.</translation>
    </message>
    <message>
        <source>Slowly your vitality is increasing. Help it along with some light exercise.</source>
        <translation>Tu vitalidad aumenta poco a poco. Dale un empujón con algo de ejercicio suave.</translation>
    </message>
    <message>
        <source>You&apos;re still not exactly full of beans. Be patient, your strength will soon be back.</source>
        <translation>Todavía no estás lo que se dice a tope. Ten paciencia: pronto recuperarás las fuerzas.</translation>
    </message>
    <message>
        <source>Today your barometer of emotions is jumping from high to very low. It&apos;s a critical day, so take it easy: tomorrow is another day.</source>
        <translation>Hoy tus emociones pasan de lo más alto a lo más bajo. Es un día crítico: tómatelo con calma, mañana será otro día.</translation>
    </message>
    <message>
        <source>There are still some after-effects of yesterday. Better stay at home and put off that date until tomorrow.</source>
        <translation>Todavía notas los efectos de ayer. Mejor quédate en casa y deja esa cita para mañana.</translation>
    </message>
    <message>
        <source>You feel well and are in a good mood. And it&apos;s going to get even better!</source>
        <translation>Te sientes bien y estás de buen humor. ¡Y todavía irá a mejor!</translation>
    </message>
    <message>
        <source>You are even-tempered and in an emotional balance. A good day to meet people.</source>
        <translation>Hoy gozas de calma y equilibrio emocional. Un buen día para quedar con gente.</translation>
    </message>
    <message>
        <source>You are on an emotional &apos;high&apos; today. Getting on with others is easy and you are in great demand.</source>
        <translation>Hoy estás en lo más alto emocionalmente. Te llevas bien con todo el mundo y todos buscan tu compañía.</translation>
    </message>
    <message>
        <source>You feel even-tempered and harmonious. Enjoy it while it lasts!</source>
        <translation>Sientes calma y armonía. ¡Disfrútalo mientras dure!</translation>
    </message>
    <message>
        <source>You are unsure about your emotions. Sadly, all good things come to an end.</source>
        <translation>No tienes claras tus emociones. Por desgracia, todo lo bueno se acaba.</translation>
    </message>
    <message>
        <source>Inside you feel restlessness. You are unsure of your feelings and have doubts about yourself.</source>
        <translation>Sientes inquietud por dentro. Dudas de lo que sientes y te falta confianza en ti.</translation>
    </message>
    <message>
        <source>Emotional breakdown? No wonder, your feelings are pulling you up and down today.</source>
        <translation>¿Bajón emocional? No es de extrañar: hoy tus sentimientos te llevan de arriba abajo.</translation>
    </message>
    <message>
        <source>You feel unsettled and restless. Better plan no affairs of the heart for the next few days.</source>
        <translation>Sientes desasosiego e inquietud. Mejor no planees asuntos del corazón para los próximos días.</translation>
    </message>
    <message>
        <source>You&apos;re nervous or unsure and feel empty inside. That&apos;s just how it is right now.</source>
        <translation>Sientes nervios o inseguridad y un vacío por dentro. Ahora mismo toca pasar por esto.</translation>
    </message>
    <message>
        <source>You want to hide away in the furthest corner. Do so if you can, it&apos;s a bad day.</source>
        <translation>Te esconderías en el rincón más apartado. Si puedes, hazlo: es un mal día.</translation>
    </message>
    <message>
        <source>Back down, if you can. Avoid the people you have plans with, you won&apos;t make your best impression.</source>
        <translation>Si puedes, retírate. Evita a la gente con la que has quedado: hoy no darás tu mejor imagen.</translation>
    </message>
    <message>
        <source>There will be light at the end of the tunnel! Still, staying in your shell is no fun.</source>
        <translation>¡Habrá luz al final del túnel! Aun así, seguir metiéndote en tu caparazón no tiene ninguna gracia.</translation>
    </message>
    <message>
        <source>Now you can see the light at the end of the tunnel. The self-pity is over, one more hurdle to pass.</source>
        <translation>Ya se ve la luz al final del túnel. Se acabó compadecerse: solo queda un obstáculo más.</translation>
    </message>
    <message>
        <source>Do you have an exam today? It&apos;s a critical day and your mind may be a bit foggy, so check everything twice.</source>
        <translation>¿Tienes un examen hoy? Es un día crítico y puede que tengas la mente algo nublada: repásalo todo dos veces.</translation>
    </message>
    <message>
        <source>Now it&apos;s getting better with your intellectual skills. Do the work that needs concentration within the next ten days.</source>
        <translation>Tu capacidad intelectual va a mejor. Haz en los próximos diez días el trabajo que requiera concentración.</translation>
    </message>
    <message>
        <source>Your intellect and decision-making skills are admirable. Brain-twisters are no problem for you now.</source>
        <translation>Tu intelecto y tu capacidad de decisión son admirables. Ahora no hay rompecabezas que se te resista.</translation>
    </message>
    <message>
        <source>You are quick at repartee and see everything clearly. Mistakes are spotted early.</source>
        <translation>Tienes la respuesta rápida y lo ves todo con claridad. Detectas los errores a tiempo.</translation>
    </message>
    <message>
        <source>You can finish demanding tasks without great effort, and you&apos;re full of good ideas.</source>
        <translation>Terminas sin gran esfuerzo las tareas exigentes, y las buenas ideas no te faltan.</translation>
    </message>
    <message>
        <source>Thinking logical? No problem! Finish pending tasks now, before things get worse.</source>
        <translation>¿Pensar con lógica? ¡Sin problema! Termina ahora lo pendiente, antes de que las cosas empeoren.</translation>
    </message>
    <message>
        <source>Let&apos;s hope you&apos;ve finished all the difficult tasks, because today you could bungle them.</source>
        <translation>Ojalá hayas terminado ya las tareas difíciles, porque hoy podrías echarlas a perder.</translation>
    </message>
    <message>
        <source>You can&apos;t concentrate today. Your thinking is muddy, so leave tricky work for later.</source>
        <translation>Hoy no logras concentrarte. Tienes las ideas confusas, así que deja lo complicado para más tarde.</translation>
    </message>
    <message>
        <source>You are irresolute and don&apos;t know where to start. Just start anywhere!</source>
        <translation>Te cuesta decidirte y no sabes por dónde empezar. ¡Empieza por cualquier parte!</translation>
    </message>
    <message>
        <source>The period of creativity is over. Your brain has gone into stand-by mode.</source>
        <translation>Se acabó la etapa creativa. Tu cerebro ha entrado en modo de espera.</translation>
    </message>
    <message>
        <source>You spend these days without any plan or aim. Your reactions leave much to be desired, too.</source>
        <translation>Pasas estos días sin plan ni rumbo. Y tus reacciones también dejan mucho que desear.</translation>
    </message>
    <message>
        <source>Making resolutions? Better leave that for later.</source>
        <translation>¿Hacer propósitos? Mejor déjalo para más adelante.</translation>
    </message>
    <message>
        <source>Even if you haven&apos;t accomplished much lately, take it easy. Better days are coming.</source>
        <translation>Aunque últimamente no hayas avanzado mucho, tómatelo con calma. Vienen días mejores.</translation>
    </message>
    <message>
        <source>If you have to make important decisions, put them off for a few days. You will see more clearly then.</source>
        <translation>Si tienes que tomar decisiones importantes, aplázalas unos días. Entonces lo verás todo más claro.</translation>
    </message>
    <message>
        <source>By the way: HAPPY BIRTHDAY!</source>
        <translation>Por cierto: ¡FELIZ CUMPLEAÑOS!</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The program speaks the chosen language from its next start.</source>
        <translation>El programa usará el idioma elegido a partir del próximo inicio.</translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation>No se encuentra el archivo de ayuda</translation>
    </message>
    <message>
        <source>Error downloading file &quot;%1&quot; for version check.<byte value="xd"/>Please check your internet connection and/or firewall..</source>
        <translation>Error al descargar el archivo «%1» para comprobar la versión.<byte value="xd"/>Comprueba la conexión a Internet o el cortafuegos.</translation>
    </message>
    <message>
        <source>There is a *new* version of this freeware available !<byte value="xd"/><byte value="xd"/>Please go to our freeware web page and download it,<byte value="xd"/>and replace the existing one by the new version.</source>
        <translation>¡Hay una versión *nueva* de este freeware!<byte value="xd"/><byte value="xd"/>Visita nuestra página web de freeware y descárgala,<byte value="xd"/>y sustituye la versión que tienes por la nueva.</translation>
    </message>
    <message>
        <source>You have the most recent version of this freeware..<byte value="xd"/>But keep checking, as this is updated regularly!</source>
        <translation>Tienes la versión más reciente de este freeware.<byte value="xd"/>¡Pero vuelve a comprobarlo de vez en cuando, porque se actualiza con regularidad!</translation>
    </message>
    <message>
        <source>Sorry, but the &apos;Birthday Date&apos; you supplied is not a valid Date.<byte value="xd"/>Please go back and correct it...</source>
        <translation>Lo sentimos, pero la «fecha de nacimiento» indicada no es una fecha válida.<byte value="xd"/>Vuelve atrás y corrígela.</translation>
    </message>
    <message>
        <source>A name cannot contain the character &apos;|&apos;, which separates it from the date. Nothing was stored.</source>
        <translation>Un nombre no puede contener el carácter «|», que lo separa de la fecha. No se ha guardado nada.</translation>
    </message>
    <message>
        <source>The name is too long: a stored profile holds at most %1 characters of name. Nothing was stored.</source>
        <translation>El nombre es demasiado largo: un perfil guardado admite como máximo %1 caracteres de nombre. No se ha guardado nada.</translation>
    </message>
    <message>
        <source>The name you are trying to add already exists on the database..</source>
        <translation>El nombre que intentas añadir ya existe en la base de datos.</translation>
    </message>
</context>
<context>
    <name>PersonPanel</name>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>day</source>
        <translation>día</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mes</translation>
    </message>
    <message>
        <source>year</source>
        <translation>año</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>No session bus: the desktop&apos;s notifications cannot be reached (%1).</source>
        <translation>No hay bus de sesión: no se puede acceder a las notificaciones del escritorio (%1).</translation>
    </message>
    <message>
        <source>No notification service answers on the session bus (%1).</source>
        <translation>Ningún servicio de notificaciones responde en el bus de sesión (%1).</translation>
    </message>
    <message>
        <source>The notification service did not take the reminder (%1).</source>
        <translation>El servicio de notificaciones no ha aceptado el recordatorio (%1).</translation>
    </message>
    <message>
        <source>Today: %1 critical day</source>
        <translation>Hoy: día crítico %1</translation>
    </message>
    <message>
        <source>Tomorrow: %1 critical day</source>
        <translation>Mañana: día crítico %1</translation>
    </message>
    <message numerus="yes">
        <source>In %n day(s): %1 critical day</source>
        <translation>
            <numerusform>Dentro de %n día: día crítico %1</numerusform>
            <numerusform>Dentro de %n días: día crítico %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>viernes</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>Persona nacida el %1</translation>
    </message>
    <message>
        <source>%1, %2 %3: %4</source>
        <extracomment>Whom, the weekday, the date and the critical rhythms: &quot;Ada, Monday 18.03.2024: Physical, Emotional&quot;.</extracomment>
        <translation>%1, %2 %3: %4</translation>
    </message>
    <message>
        <source>%1 Nothing was changed.</source>
        <translation>%1 No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Reminders are on: a systemd user timer (%1) checks every day at %2, or at the next login when the computer was off then.</source>
        <translation>Los recordatorios están activados: un temporizador de usuario de systemd (%1) comprueba cada día a las %2, o en el siguiente inicio de sesión si el equipo estaba apagado a esa hora.</translation>
    </message>
    <message>
        <source>No systemd user instance could take a timer (%1), so the check runs each time you log in instead (%2).</source>
        <translation>Ninguna instancia de usuario de systemd ha podido aceptar un temporizador (%1), así que la comprobación se hará cada vez que inicies sesión (%2).</translation>
    </message>
    <message>
        <source>Nothing could be set up to run the check (%1; %2). &apos;Rorovovo --remind&apos; still checks when run by hand.</source>
        <translation>No se ha podido configurar nada para ejecutar la comprobación (%1; %2). «Rorovovo --remind» sigue comprobando si lo ejecutas a mano.</translation>
    </message>
    <message>
        <source>%1 Reminders show once the desktop has one; the calendar file does not need it.</source>
        <translation>%1 Los recordatorios aparecerán cuando el escritorio tenga uno; el archivo de calendario no lo necesita.</translation>
    </message>
    <message>
        <source>Reminders are off; nothing runs the check any more.</source>
        <translation>Los recordatorios están desactivados; ya no se ejecuta ninguna comprobación.</translation>
    </message>
    <message>
        <source>The calendar file is up to date.</source>
        <translation>El archivo de calendario está al día.</translation>
    </message>
    <message>
        <source>%1 The reminders do not need it.</source>
        <translation>%1 Los recordatorios no lo necesitan.</translation>
    </message>
    <message>
        <source>The calendar file was removed.</source>
        <translation>Se ha eliminado el archivo de calendario.</translation>
    </message>
    <message>
        <source>Unable to remove %1.</source>
        <translation>No se puede eliminar %1.</translation>
    </message>
    <message>
        <source>Reminders are off.</source>
        <translation>Los recordatorios están desactivados.</translation>
    </message>
    <message>
        <source>Reminders are off, but a schedule is still set up: &quot;Stop reminders&quot; removes it.</source>
        <translation>Los recordatorios están desactivados, pero sigue habiendo una programación: «Detener recordatorios» la elimina.</translation>
    </message>
    <message>
        <source>Reminders are on: a systemd user timer checks every day at %1.</source>
        <translation>Los recordatorios están activados: un temporizador de usuario de systemd comprueba cada día a las %1.</translation>
    </message>
    <message>
        <source>Reminders are on: the check runs each time you log in.</source>
        <translation>Los recordatorios están activados: la comprobación se hace cada vez que inicias sesión.</translation>
    </message>
    <message>
        <source>Reminders are on, but nothing runs the check: &quot;Remind me&quot; sets it up again.</source>
        <translation>Los recordatorios están activados, pero nada ejecuta la comprobación: «Activar recordatorios» la vuelve a configurar.</translation>
    </message>
    <message>
        <source>systemctl --user %1 did not answer</source>
        <translation>systemctl --user %1 no ha respondido</translation>
    </message>
    <message>
        <source>systemctl --user %1 failed</source>
        <translation>systemctl --user %1 ha fallado</translation>
    </message>
    <message>
        <source>no systemctl on PATH</source>
        <translation>no hay systemctl en el PATH</translation>
    </message>
    <message>
        <source>The timer could not be disabled (%1).</source>
        <translation>No se ha podido desactivar el temporizador (%1).</translation>
    </message>
</context>
<context>
    <name>Rhythm</name>
    <message>
        <source>Physical</source>
        <translation>Físico</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emocional</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intelectual</translation>
    </message>
    <message>
        <source>Intuitional</source>
        <translation>Intuitivo</translation>
    </message>
    <message>
        <source>Spiritual</source>
        <translation>Espiritual</translation>
    </message>
    <message>
        <source>Aesthetics</source>
        <translation>Estético</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>(no name)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>%1: %2 to %3, page %4 of %5</source>
        <extracomment>The printed planner&apos;s heading: its title, the first and last day, the page.</extracomment>
        <translation>%1: del %2 al %3, página %4 de %5</translation>
    </message>
</context>
<context>
    <name>SystemMenu</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Mover</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Tamaño</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimizar</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Ma&amp;ximizar</translation>
    </message>
    <message>
        <source>&amp;Close	Alt+F4</source>
        <translation>&amp;Cerrar	Alt+F4</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>Zodiac</name>
    <message>
        <source>aquarius</source>
        <translation>acuario</translation>
    </message>
    <message>
        <source>Jan 20 ~ Feb 18</source>
        <translation>20 ene ~ 18 feb</translation>
    </message>
    <message>
        <source>pisces</source>
        <translation>piscis</translation>
    </message>
    <message>
        <source>Feb 19 ~ Mar 20</source>
        <translation>19 feb ~ 20 mar</translation>
    </message>
    <message>
        <source>aries</source>
        <translation>aries</translation>
    </message>
    <message>
        <source>Mar 21 ~ Apr 19</source>
        <translation>21 mar ~ 19 abr</translation>
    </message>
    <message>
        <source>taurus</source>
        <translation>tauro</translation>
    </message>
    <message>
        <source>Apr 20 ~ May 20</source>
        <translation>20 abr ~ 20 may</translation>
    </message>
    <message>
        <source>gemini</source>
        <translation>géminis</translation>
    </message>
    <message>
        <source>May 21 ~ Jun 20</source>
        <translation>21 may ~ 20 jun</translation>
    </message>
    <message>
        <source>cancer</source>
        <translation>cáncer</translation>
    </message>
    <message>
        <source>Jun 21 ~ Jul 22</source>
        <translation>21 jun ~ 22 jul</translation>
    </message>
    <message>
        <source>leo</source>
        <translation>leo</translation>
    </message>
    <message>
        <source>Jul 23 ~ Aug 22</source>
        <translation>23 jul ~ 22 ago</translation>
    </message>
    <message>
        <source>virgo</source>
        <translation>virgo</translation>
    </message>
    <message>
        <source>Aug 23 ~ Sep 22</source>
        <translation>23 ago ~ 22 sep</translation>
    </message>
    <message>
        <source>libra</source>
        <translation>libra</translation>
    </message>
    <message>
        <source>Sep 23 ~ Oct 22</source>
        <translation>23 sep ~ 22 oct</translation>
    </message>
    <message>
        <source>scorpio</source>
        <translation>escorpio</translation>
    </message>
    <message>
        <source>Oct 23 ~ Nov 21</source>
        <translation>23 oct ~ 21 nov</translation>
    </message>
    <message>
        <source>sagittarius</source>
        <translation>sagitario</translation>
    </message>
    <message>
        <source>Nov 22 ~ Dec 21</source>
        <translation>22 nov ~ 21 dic</translation>
    </message>
    <message>
        <source>capricorn</source>
        <translation>capricornio</translation>
    </message>
    <message>
        <source>Dec 22 ~ Jan 19</source>
        <translation>22 dic ~ 19 ene</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::RosterView</name>
    <message>
        <source>Roster</source>
        <translation>Cuadrante</translation>
    </message>
    <message>
        <source>Group score %1 (the lowest of the members&apos; scores)</source>
        <translation>Puntuación del grupo: %1 (la más baja de sus miembros)</translation>
    </message>
    <message>
        <source>A clear day: nobody has a critical day</source>
        <translation>Día despejado: nadie tiene un día crítico</translation>
    </message>
    <message>
        <source>A critical day for %1 of %2</source>
        <translation>Día crítico para %1 de %2</translation>
    </message>
    <message numerus="yes">
        <source>%n member(s)</source>
        <translation>
            <numerusform>%n miembro</numerusform>
            <numerusform>%n miembros</numerusform>
        </translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>%1, born %2</source>
        <translation>%1 (n. %2)</translation>
    </message>
    <message>
        <source>No critical rhythm</source>
        <extracomment>The rhythms critical that day, then the day&apos;s kind: &quot;Critical: Physical, Emotional (double day)&quot;.</extracomment>
        <translation>Ningún ritmo crítico</translation>
    </message>
    <message>
        <source>Critical: %1 (%2 day)</source>
        <translation>Día crítico %2: %1</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TForm1</name>
    <message>
        <source> Biorhythms</source>
        <translation> Biorritmos</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Add new profile...</source>
        <translation>Nuevo perfil...</translation>
    </message>
    <message>
        <source>Delete profile...</source>
        <translation>Eliminar perfil...</translation>
    </message>
    <message>
        <source>Draw biorhythms</source>
        <translation>Dibujar biorritmos</translation>
    </message>
    <message>
        <source>Draw extra* rythms</source>
        <translation>Dibujar ritmos extra*</translation>
    </message>
    <message>
        <source>Biorhythms interpretation...</source>
        <translation>Interpretación de los biorritmos...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Perfiles</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Personales</translation>
    </message>
    <message>
        <source>Celebrity</source>
        <translation>Famosos</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Save window&apos;s size</source>
        <translation>Guardar el tamaño de la ventana</translation>
    </message>
    <message>
        <source>Save window&apos;s position</source>
        <translation>Guardar la posición de la ventana</translation>
    </message>
    <message>
        <source>Mark critical days</source>
        <translation>Marcar los días críticos</translation>
    </message>
    <message>
        <source>Default rhythms to show...</source>
        <translation>Ritmos mostrados por defecto</translation>
    </message>
    <message>
        <source>Physical rhythm</source>
        <translation>Ritmo físico</translation>
    </message>
    <message>
        <source>Emotional rhythm</source>
        <translation>Ritmo emocional</translation>
    </message>
    <message>
        <source>Intellectual rhythm</source>
        <translation>Ritmo intelectual</translation>
    </message>
    <message>
        <source>Intuitional rhythm</source>
        <translation>Ritmo intuitivo</translation>
    </message>
    <message>
        <source>Spiritual rhythm</source>
        <translation>Ritmo espiritual</translation>
    </message>
    <message>
        <source>Aesthetics rhytm</source>
        <translation>Ritmo estético</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>Options &gt; Language: the language the desktop speaks.</extracomment>
        <translation>Del sistema</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Critical days...</source>
        <translation>Días críticos...</translation>
    </message>
    <message>
        <source>Compatibility...</source>
        <translation>Compatibilidad...</translation>
    </message>
    <message>
        <source>Planner...</source>
        <translation>Planificador...</translation>
    </message>
    <message>
        <source>Save chart as...</source>
        <translation>Guardar gráfico como...</translation>
    </message>
    <message>
        <source>Print chart...</source>
        <translation>Imprimir gráfico...</translation>
    </message>
    <message>
        <source>Reminders...</source>
        <translation>Recordatorios...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Ayuda...</translation>
    </message>
    <message>
        <source>Software news...</source>
        <translation>Novedades del software...</translation>
    </message>
    <message>
        <source>Check new versions *</source>
        <translation>Buscar versiones nuevas *</translation>
    </message>
    <message>
        <source>Donations...</source>
        <translation>Donativos...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>Day         of %1</source>
        <extracomment>The blanks leave room for the day box drawn over them.</extracomment>
        <translation>Día         de %1</translation>
    </message>
    <message>
        <source>%1 day</source>
        <comment>spoken name of a rhythm&apos;s cycle-day box</comment>
        <translation>Día del ritmo %1</translation>
    </message>
    <message>
        <source>total days</source>
        <translation>días totales</translation>
    </message>
    <message>
        <source>years</source>
        <translation>años</translation>
    </message>
    <message>
        <source>add new</source>
        <translation>añadir</translation>
    </message>
    <message>
        <source>zodiac</source>
        <translation>zodiaco</translation>
    </message>
    <message>
        <source> add new profile </source>
        <translation> añadir perfil nuevo </translation>
    </message>
    <message>
        <source> draw biorhythm </source>
        <translation> dibujar biorritmo </translation>
    </message>
    <message>
        <source>draw bio</source>
        <translation>dibujar</translation>
    </message>
    <message>
        <source> about </source>
        <translation> acerca de </translation>
    </message>
    <message>
        <source> help </source>
        <translation> ayuda </translation>
    </message>
    <message>
        <source> close </source>
        <translation> cerrar </translation>
    </message>
    <message>
        <source> select profile </source>
        <translation> seleccionar perfil </translation>
    </message>
    <message>
        <source> biorhythm today&apos;s interpretation </source>
        <translation> interpretación del biorritmo de hoy </translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>day</source>
        <translation>día</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mes</translation>
    </message>
    <message>
        <source>year</source>
        <translation>año</translation>
    </message>
    <message>
        <source>profile</source>
        <translation>perfil</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source> %1 : %2 </source>
        <extracomment>The sign picture&apos;s hint: &quot; aquarius : Jan 20 ~ Feb 18 &quot;.</extracomment>
        <translation> %1: %2 </translation>
    </message>
    <message>
        <source>     Rhythm&apos;s interpretation @  %1  -  for %2</source>
        <extracomment>The interpretation window&apos;s caption: today&apos;s date, then the name in the name box.</extracomment>
        <translation>     Interpretación de los ritmos del %1 para %2</translation>
    </message>
    <message>
        <source>Data file &apos;Cyclomat.dat&apos; with Celebrity names does not exist on path.<byte value="xd"/>Can&apos;t load extra data.. Get it from zip file, if you want it too.</source>
        <translation>El archivo de datos «Cyclomat.dat» con los nombres de famosos no está en la ruta.<byte value="xd"/>No se pueden cargar los datos adicionales. Si también los quieres, sácalo del archivo zip.</translation>
    </message>
    <message>
        <source>The profile &apos;%1&apos; is no longer in the settings file.</source>
        <translation>El perfil «%1» ya no está en el archivo de configuración.</translation>
    </message>
    <message>
        <source>The profile is shown, but the selection could not be remembered for the next start (no more reports of this in this run). %1</source>
        <translation>Se muestra el perfil, pero no se ha podido recordar la selección para el próximo inicio (no se volverá a avisar de esto en esta sesión). %1</translation>
    </message>
    <message>
        <source>chart</source>
        <comment>file name of a chart without a name</comment>
        <translation>gráfico</translation>
    </message>
    <message>
        <source>Save chart as</source>
        <translation>Guardar gráfico como</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)</source>
        <translation>Imagen PNG (*.png);;Dibujo SVG (*.svg);;Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Unable to print on %1</source>
        <translation>No se puede imprimir en %1</translation>
    </message>
    <message>
        <source>Dark chart</source>
        <translation>Gráfico oscuro</translation>
    </message>
    <message>
        <source>Colour-blind-safe colours</source>
        <translation>Colores aptos para daltónicos</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormAbout</name>
    <message>
        <source>Freeware by</source>
        <translation>Freeware de</translation>
    </message>
    <message>
        <source>Find your own personal Zavirir, all 4 curves. Add as many people as you want and check how everyone is doing for the day!</source>
        <translation>Descubre tu Zavirir personal, con sus 4 curvas. ¡Añade tantas personas como quieras y mira qué tal le va hoy a cada una!</translation>
    </message>
    <message>
        <source>If you like this program, do email me with feedback, ideas, suggestions or questions to</source>
        <translation>Si te gusta este programa, escríbeme con tus opiniones, ideas, sugerencias o preguntas a</translation>
    </message>
    <message>
        <source>You can also help the development, by _______ a few $$</source>
        <extracomment>The donation link below (&quot;donating &quot;) is laid over the blank, which stays seven underscores.</extracomment>
        <translation>También puedes ayudar al desarrollo _______ unos $$</translation>
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
        <translation>Compatibilidad</translation>
    </message>
    <message>
        <source>Second person: pick or type</source>
        <translation>Segunda persona: elige o escribe</translation>
    </message>
    <message>
        <source>type to search</source>
        <translation>escribe para buscar</translation>
    </message>
    <message>
        <source>compare</source>
        <translation>comparar</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>mean of %1, %2, %3</source>
        <translation>media de %1, %2 y %3</translation>
    </message>
    <message>
        <source>solid: first person, dashed: second person; today is the silver column</source>
        <translation>continua: primera persona, discontinua: segunda; hoy es la columna plateada</translation>
    </message>
    <message>
        <source>Nobody drawn yet: draw a chart in the main window first.</source>
        <translation>Aún no hay nadie dibujado: dibuja primero un gráfico en la ventana principal.</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>First person: %1, born %2</source>
        <translation>Primera persona: %1 (n. %2)</translation>
    </message>
    <message>
        <source>Search profiles and celebrities</source>
        <translation>Buscar perfiles y famosos</translation>
    </message>
    <message>
        <source>Profiles and celebrities</source>
        <translation>Perfiles y famosos</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormCritical</name>
    <message>
        <source>Critical days</source>
        <translation>Días críticos</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Fecha de inicio</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
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
        <translation>Ritmos:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Critical rhythms</source>
        <translation>Ritmos críticos</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Next triple critical day</source>
        <translation>Próximo día crítico triple</translation>
    </message>
    <message>
        <source>Save as calendar...</source>
        <translation>Guardar como calendario...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>No biorhythm has been drawn yet. Draw a person&apos;s biorhythm in the main window, and their critical days will be listed here.</source>
        <translation>Todavía no se ha dibujado ningún biorritmo. Dibuja el biorritmo de una persona en la ventana principal y aquí aparecerán sus días críticos.</translation>
    </message>
    <message>
        <source>Critical days for the birth date %1</source>
        <translation>Días críticos de la fecha de nacimiento %1</translation>
    </message>
    <message>
        <source>Critical days of %1, born %2</source>
        <translation>Días críticos de %1 (n. %2)</translation>
    </message>
    <message>
        <source>Today, %1, is a triple critical day.</source>
        <translation>Hoy, %1, es un día crítico triple.</translation>
    </message>
    <message numerus="yes">
        <source>The next triple critical day, %1, is %n day(s) away.</source>
        <translation>
            <numerusform>Falta %n día para el próximo día crítico triple, %1.</numerusform>
            <numerusform>Faltan %n días para el próximo día crítico triple, %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The next triple critical day after the start date, %1, was %n day(s) ago.</source>
        <translation>
            <numerusform>El primer día crítico triple tras la fecha de inicio, %1, fue hace %n día.</numerusform>
            <numerusform>El primer día crítico triple tras la fecha de inicio, %1, fue hace %n días.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 critical days</source>
        <comment>file name</comment>
        <translation>Días críticos de %1</translation>
    </message>
    <message>
        <source>Save as calendar</source>
        <translation>Guardar como calendario</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>Archivos iCalendar (*.ics);;Todos los archivos (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n critical day(s) saved to %1</source>
        <translation>
            <numerusform>%n día crítico guardado en %1</numerusform>
            <numerusform>%n días críticos guardados en %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormEditor</name>
    <message>
        <source>Profile editor</source>
        <translation>Editor de perfiles</translation>
    </message>
    <message>
        <source>add new</source>
        <translation>añadir</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>eliminar</translation>
    </message>
    <message>
        <source>No profile is selected, so nothing was deleted.</source>
        <translation>No hay ningún perfil seleccionado, así que no se ha eliminado nada.</translation>
    </message>
    <message>
        <source>Sure to delete  &apos;%1&apos;s&apos;  profile?</source>
        <translation>¿Seguro que quieres eliminar el perfil de «%1»?</translation>
    </message>
    <message>
        <source>The profile &apos;%1&apos; is no longer in the settings file.</source>
        <translation>El perfil «%1» ya no está en el archivo de configuración.</translation>
    </message>
    <message>
        <source>profile</source>
        <translation>perfil</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormInterpret</name>
    <message>
        <source>     Rhythm&apos;s interpretation ...</source>
        <translation>     Interpretación de los ritmos...</translation>
    </message>
    <message>
        <source>physical</source>
        <translation>físico</translation>
    </message>
    <message>
        <source>emotional</source>
        <translation>emocional</translation>
    </message>
    <message>
        <source>intellectual</source>
        <translation>intelectual</translation>
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
        <translation>DD</translation>
    </message>
    <message>
        <source>MM</source>
        <translation>MM</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Planner</source>
        <translation>Planificador</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Miembros</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Remove all</source>
        <translation>Quitar todos</translation>
    </message>
    <message>
        <source>&amp;Add people:</source>
        <translation>&amp;Añadir personas:</translation>
    </message>
    <message>
        <source>type to search</source>
        <translation>escribe para buscar</translation>
    </message>
    <message>
        <source>Search profiles and celebrities</source>
        <translation>Buscar perfiles y famosos</translation>
    </message>
    <message>
        <source>Profiles and celebrities</source>
        <translation>Perfiles y famosos</translation>
    </message>
    <message>
        <source>Add &amp;selected</source>
        <translation>Añadir &amp;selección</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>Añadi&amp;r</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Grupo:</translation>
    </message>
    <message>
        <source>Group name</source>
        <translation>Nombre del grupo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>A&amp;brir</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>G&amp;uardar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Add from file...</source>
        <translation>Añadir desde archivo...</translation>
    </message>
    <message>
        <source>Save to file...</source>
        <translation>Guardar en archivo...</translation>
    </message>
    <message>
        <source>Import contacts...</source>
        <translation>Importar contactos...</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation>&amp;Fecha:</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Fecha de inicio</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source> days</source>
        <comment>after the span&apos;s number</comment>
        <translation> días</translation>
    </message>
    <message>
        <source>Span in days</source>
        <translation>Periodo en días</translation>
    </message>
    <message>
        <source>S&amp;pan:</source>
        <translation>&amp;Periodo:</translation>
    </message>
    <message>
        <source>Rhythms:</source>
        <translation>Ritmos:</translation>
    </message>
    <message>
        <source>Best days</source>
        <translation>Mejores días</translation>
    </message>
    <message>
        <source>Worst days</source>
        <translation>Peores días</translation>
    </message>
    <message>
        <source>&amp;Best days (nobody critical):</source>
        <translation>Mej&amp;ores días (nadie en día crítico):</translation>
    </message>
    <message>
        <source>&amp;Worst days:</source>
        <translation>P&amp;eores días:</translation>
    </message>
    <message>
        <source>Mor&amp;e days</source>
        <translation>&amp;Ver más días</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Guardar como PDF...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Guardar como CSV...</translation>
    </message>
    <message>
        <source>Save best days as calendar...</source>
        <translation>Guardar mejores días como calendario...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>In view: %1 to %2 (the span: %3 to %4)</source>
        <translation>En pantalla: del %1 al %2 (periodo: del %3 al %4)</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Personales</translation>
    </message>
    <message>
        <source>Celebrity</source>
        <translation>Famosos</translation>
    </message>
    <message>
        <source>The planner holds at most %1 people.</source>
        <translation>El planificador admite como máximo %1 personas.</translation>
    </message>
    <message>
        <source>&amp;Members (%1):</source>
        <translation>&amp;Miembros (%1):</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>Every day of the span is a critical day for someone: no best day.</source>
        <translation>Todos los días del periodo son críticos para alguien: no hay mejores días.</translation>
    </message>
    <message>
        <source>%1 left out: no valid birth date</source>
        <translation>Fuera del grupo: %1 sin fecha de nacimiento válida</translation>
    </message>
    <message numerus="yes">
        <source>%n (entry|entries)</source>
        <translation>
            <numerusform>%n entrada</numerusform>
            <numerusform>%n entradas</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no group named &quot;%1&quot;.</source>
        <translation>No hay ningún grupo llamado «%1».</translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; opened: %2%3</source>
        <translation>Grupo «%1» abierto: %2%3</translation>
    </message>
    <message numerus="yes">
        <source>%n (person|people)</source>
        <translation>
            <numerusform>%n persona</numerusform>
            <numerusform>%n personas</numerusform>
        </translation>
    </message>
    <message>
        <source>; %1 without a valid birth date left out</source>
        <translation>; fuera del grupo: %1 sin fecha de nacimiento válida</translation>
    </message>
    <message>
        <source>Type a name for the group first.</source>
        <translation>Escribe primero un nombre para el grupo.</translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; saved with %2</source>
        <translation>Grupo «%1» guardado con %2</translation>
    </message>
    <message>
        <source>Delete the group &quot;%1&quot;?</source>
        <translation>¿Eliminar el grupo «%1»?</translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; deleted.</source>
        <translation>Grupo «%1» eliminado.</translation>
    </message>
    <message>
        <source>Add people from a file</source>
        <translation>Añadir personas desde un archivo</translation>
    </message>
    <message>
        <source>Group files (*.txt *.dat);;All files (*)</source>
        <translation>Archivos de grupo (*.txt *.dat);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 added from %2%3</source>
        <translation>Añadido desde %2: %1%3</translation>
    </message>
    <message>
        <source>Save group to file</source>
        <translation>Guardar el grupo en un archivo</translation>
    </message>
    <message>
        <source>Group files (*.txt);;All files (*)</source>
        <translation>Archivos de grupo (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 saved to %2</source>
        <translation>Guardado en %2: %1</translation>
    </message>
    <message>
        <source>Import birthdays from contacts</source>
        <translation>Importar fechas de nacimiento de los contactos</translation>
    </message>
    <message>
        <source>Contacts (*.vcf *.vcard);;All files (*)</source>
        <translation>Contactos (*.vcf *.vcard);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save roster as PDF</source>
        <translation>Guardar cuadrante como PDF</translation>
    </message>
    <message>
        <source> roster.pdf</source>
        <comment>file name after the group&apos;s</comment>
        <translation> cuadrante.pdf</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Unable to print on %1</source>
        <translation>No se puede imprimir en %1</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Guardar como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save best days as calendar</source>
        <translation>Guardar mejores días como calendario</translation>
    </message>
    <message>
        <source> best days.ics</source>
        <comment>file name after the group&apos;s</comment>
        <translation> mejores días.ics</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>Archivos iCalendar (*.ics);;Todos los archivos (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n best day(s)</source>
        <translation>
            <numerusform>%n mejor día</numerusform>
            <numerusform>%n mejores días</numerusform>
        </translation>
    </message>
    <message>
        <source>Open file...</source>
        <translation>Abrir archivo...</translation>
    </message>
    <message>
        <source>Open a group file</source>
        <translation>Abrir un archivo de grupo</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Recordatorios</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Personas</translation>
    </message>
    <message>
        <source>&amp;People to be reminded of:</source>
        <translation>&amp;Personas con recordatorio:</translation>
    </message>
    <message>
        <source>The same day</source>
        <translation>El mismo día</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) before</source>
        <translation>
            <numerusform>%n día antes</numerusform>
            <numerusform>%n días antes</numerusform>
        </translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doble</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>Triple</translation>
    </message>
    <message>
        <source>&amp;How far ahead:</source>
        <translation>&amp;Cuándo:</translation>
    </message>
    <message>
        <source>Which days:</source>
        <translation>Qué días:</translation>
    </message>
    <message>
        <source>&amp;Time of day:</source>
        <translation>&amp;Hora:</translation>
    </message>
    <message>
        <source>&amp;Keep a calendar file</source>
        <translation>&amp;Mantener un archivo de calendario</translation>
    </message>
    <message>
        <source>Calendar file</source>
        <translation>Archivo de calendario</translation>
    </message>
    <message>
        <source>&amp;Remind me</source>
        <translation>&amp;Activar recordatorios</translation>
    </message>
    <message>
        <source>&amp;Stop reminders</source>
        <translation>&amp;Detener recordatorios</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Stored profiles</source>
        <translation>Perfiles guardados</translation>
    </message>
    <message>
        <source>Group: %1</source>
        <translation>Grupo: %1</translation>
    </message>
    <message>
        <source>No longer stored</source>
        <translation>Ya no está guardado</translation>
    </message>
    <message>
        <source>No profiles are stored yet: add a person in the main window first.</source>
        <translation>Todavía no hay perfiles guardados: añade primero una persona en la ventana principal.</translation>
    </message>
    <message>
        <source>Tick at least one person to be reminded of first.</source>
        <translation>Marca primero al menos una persona para los recordatorios.</translation>
    </message>
</context>
</TS>
