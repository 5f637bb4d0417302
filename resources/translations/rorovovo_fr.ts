<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Calendar</name>
    <message>
        <source>Triple critical day: %1</source>
        <translation>Jour critique triple&#xa0;: %1</translation>
    </message>
    <message>
        <source>Double critical day: %1</source>
        <translation>Jour critique double&#xa0;: %1</translation>
    </message>
    <message>
        <source>Critical day: %1</source>
        <translation>Jour critique&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A calendar event&apos;s summary, then whose critical day it is.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Birth date</source>
        <translation>Date de naissance</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Critical rhythms</source>
        <translation>Rythmes critiques</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>born %1</source>
        <translation>né(e) le %1</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <extracomment>The first three members&apos; names, then how many more the group has.</extracomment>
        <translation>%1 et %2 de plus</translation>
    </message>
    <message>
        <source>Best day for %1: group score %2</source>
        <translation>Meilleur jour pour %1&#xa0;: score du groupe %2</translation>
    </message>
</context>
<context>
    <name>ChartDocument</name>
    <message>
        <source>born %1</source>
        <translation>né(e) le %1</translation>
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
        <translation>Graphique</translation>
    </message>
    <message>
        <source>One row a day: its date, each rhythm&apos;s percentage and direction, and the rhythms critical that day</source>
        <translation>Une ligne par jour : la date, le pourcentage et le sens de chaque rythme, et les rythmes critiques ce jour-là</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Critique</translation>
    </message>
    <message>
        <source>%1 % %2</source>
        <extracomment>A rhythm&apos;s cell of the chart&apos;s table: &quot;87 % rising&quot;.</extracomment>
        <translation>%1 % %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--chart needs a birth date</source>
        <translation>--chart attend une date de naissance</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output attend un nom de fichier</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; after --chart</source>
        <translation>«&#xa0;%1&#xa0;» inattendu après --chart</translation>
    </message>
    <message>
        <source>--chart needs --output FILE.png|.svg|.pdf</source>
        <translation>--chart exige --output FILE.png|.svg|.pdf</translation>
    </message>
    <message>
        <source>the strip leaves the calendar</source>
        <translation>la période sort du calendrier</translation>
    </message>
    <message>
        <source>--compat takes two birth dates and --json</source>
        <translation>--compat prend deux dates de naissance et --json</translation>
    </message>
    <message>
        <source>--critical needs a birth date DD.MM.YYYY</source>
        <translation>--critical attend une date de naissance DD.MM.YYYY</translation>
    </message>
    <message>
        <source>--rhythms takes letters of P,E,I,N,S,A, each once</source>
        <translation>--rhythms prend des lettres parmi P,E,I,N,S,A, chacune une seule fois</translation>
    </message>
    <message>
        <source>--ics needs a file name</source>
        <translation>--ics attend un nom de fichier</translation>
    </message>
    <message>
        <source>unknown or incomplete option &apos;%1&apos;</source>
        <translation>option inconnue ou incomplète «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the days asked for run past the year 9999</source>
        <translation>les jours demandés dépassent l&apos;an 9999</translation>
    </message>
    <message>
        <source>&apos;%1|%2&apos; in %3 is no Name|DD.MM.YYYY entry</source>
        <translation>«&#xa0;%1|%2&#xa0;» dans %3 n&apos;est pas une entrée Name|DD.MM.YYYY</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 attend un nom de fichier</translation>
    </message>
    <message>
        <source>--plan needs a birth date DD.MM.YYYY or --group FILE</source>
        <translation>--plan attend une date de naissance DD.MM.YYYY ou --group FILE</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; after --remind</source>
        <translation>«&#xa0;%1&#xa0;» inattendu après --remind</translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s) shown</source>
        <translation>
            <numerusform>%n rappel affiché</numerusform>
            <numerusform>%n rappels affichés</numerusform>
        </translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Rorovovo: unable to write the output (%1)</source>
        <translation>Rorovovo&#xa0;: impossible d&apos;écrire la sortie (%1)</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>échec de l&apos;écriture</translation>
    </message>
    <message>
        <source>--help                 this text</source>
        <translation>--help                 ce texte</translation>
    </message>
    <message>
        <source>--version              the program&apos;s version</source>
        <translation>--version              la version du programme</translation>
    </message>
    <message>
        <source>--critical DD.MM.YYYY [--from DD.MM.YYYY] [--days N] [--rhythms P,E,I,N,S,A] [--json] [--ics FILE]
                         critical days of a birth date (from today, 90 days, all six rhythms)</source>
        <translation>--critical DD.MM.YYYY [--from DD.MM.YYYY] [--days N] [--rhythms P,E,I,N,S,A] [--json] [--ics FILE]
                         les jours critiques d&apos;une date de naissance (par défaut&#xa0;: à partir
                         d&apos;aujourd&apos;hui, sur 90 jours, les six rythmes)</translation>
    </message>
    <message>
        <source>--chart DD.MM.YYYY [--name TEXT] [--from DD.MM.YYYY] [--days N] [--extra] --output FILE.png|.svg|.pdf
                         the chart as a picture or document, without a window</source>
        <translation>--chart DD.MM.YYYY [--name TEXT] [--from DD.MM.YYYY] [--days N] [--extra] --output FILE.png|.svg|.pdf
                         le graphique en image ou en document, sans ouvrir de fenêtre</translation>
    </message>
    <message>
        <source>--compat DD.MM.YYYY DD.MM.YYYY [--json]
                         how well two people&apos;s rhythms match</source>
        <translation>--compat DD.MM.YYYY DD.MM.YYYY [--json]
                         la concordance des rythmes de deux personnes</translation>
    </message>
    <message>
        <source>--plan DD.MM.YYYY [DD.MM.YYYY ...] [--group FILE] [--from DD.MM.YYYY] [--days N] [--top K]
       [--rhythms P,E,I,N,S,A] [--json] [--csv FILE] [--ics FILE]
                         the best and worst days for a group (from today, 30 days, Physical,
                         Emotional and Intellectual)</source>
        <translation>--plan DD.MM.YYYY [DD.MM.YYYY ...] [--group FILE] [--from DD.MM.YYYY] [--days N] [--top K]
       [--rhythms P,E,I,N,S,A] [--json] [--csv FILE] [--ics FILE]
                         les meilleurs et les pires jours d&apos;un groupe (par défaut&#xa0;: à partir
                         d&apos;aujourd&apos;hui, sur 30 jours, Physique, Émotionnel et Intellectuel)</translation>
    </message>
    <message>
        <source>--remind [--at-login]   one check of the reminders (Tools &gt; Reminders...): shows what is due and ends</source>
        <translation>--remind [--at-login]  vérifie une fois les rappels (Outils &gt; Rappels…)&#xa0;: affiche ceux
                         qui sont dus, puis se termine</translation>
    </message>
    <message>
        <source>Rorovovo: &apos;%1&apos; is not a valid date (DD.MM.YYYY)</source>
        <translation>Rorovovo&#xa0;: «&#xa0;%1&#xa0;» n&apos;est pas une date valide (DD.MM.YYYY)</translation>
    </message>
    <message>
        <source>Rorovovo: %1 (try &apos;Rorovovo --help&apos;)</source>
        <translation>Rorovovo&#xa0;: %1 (essayez «&#xa0;Rorovovo --help&#xa0;»)</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 attend un nombre entier de %2 à %3</translation>
    </message>
    <message>
        <source>Usage: Rorovovo [option]
Without an option the program opens its window.

Options:
</source>
        <translation>Utilisation&#xa0;: Rorovovo [option]
Sans option, le programme ouvre sa fenêtre.

Options&#xa0;:
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
        <translation>double</translation>
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
        <translation>%1 %2&#xa0;% %3</translation>
    </message>
    <message>
        <source>rising</source>
        <translation>en hausse</translation>
    </message>
    <message>
        <source>falling</source>
        <translation>en baisse</translation>
    </message>
    <message>
        <source>Critical: %1</source>
        <translation>Jour critique&#xa0;: %1</translation>
    </message>
    <message>
        <source>Only %1, %2 and %3 make a day double or triple.</source>
        <translation>Seuls les rythmes %1, %2 et %3 rendent un jour double ou triple.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Biorhythm Chart</source>
        <translation>Graphique des biorythmes</translation>
    </message>
    <message>
        <source>Draw the physical, emotional and intellectual rhythms of a birth date</source>
        <translation>Tracer les rythmes physique, émotionnel et intellectuel d’une date de naissance</translation>
    </message>
    <message>
        <source>biorhythm;rhythm;cycle;chart;birthday;zodiac;</source>
        <translation>biorythme;rythme;cycle;graphique;courbe;anniversaire;zodiaque;</translation>
    </message>
    <message>
        <source>Draw the biorhythm chart of a birth date</source>
        <translation>Tracer le graphique des biorythmes d’une date de naissance</translation>
    </message>
    <message>
        <source>Rorovovo draws a chart of the Physical (23 days), Emotional (28), Intellectual (33) and Intuitional (38) rhythms of a person from a name and a birth date, with the Spiritual (53) and Aesthetics (48) rhythms on request.</source>
        <translation>Rorovovo trace le graphique des rythmes Physique (23 jours), Émotionnel (28), Intellectuel (33) et Intuitif (38) d’une personne à partir d’un nom et d’une date de naissance, ainsi que, sur demande, des rythmes Spirituel (53) et Esthétique (48).</translation>
    </message>
    <message>
        <source>Beside the chart it shows:</source>
        <translation>À côté du graphique, il affiche&#xa0;:</translation>
    </message>
    <message>
        <source>today&apos;s day in each cycle with ring indicators</source>
        <translation>le jour actuel de chaque cycle, avec des indicateurs circulaires</translation>
    </message>
    <message>
        <source>the days lived, the age and the zodiac sign</source>
        <translation>le nombre de jours vécus, l’âge et le signe du zodiaque</translation>
    </message>
    <message>
        <source>a short interpretation of today</source>
        <translation>une courte interprétation de la journée</translation>
    </message>
    <message>
        <source>Personal profiles are kept in the user&apos;s own settings file; a list of celebrities comes with the program.</source>
        <translation>Les profils personnels sont conservés dans le fichier de paramètres de l’utilisateur&#x202f;; une liste de célébrités est fournie avec le programme.</translation>
    </message>
    <message>
        <source>The chart of a profile with today&apos;s rhythms beside it</source>
        <translation>Le graphique d’un profil, avec à côté les rythmes du jour</translation>
    </message>
    <message>
        <source>Installs like any Linux program: a menu entry, settings in the user&apos;s home, and a command line.</source>
        <translation>S’installe comme tout programme Linux&#xa0;: une entrée de menu, des paramètres dans le dossier personnel de l’utilisateur et une ligne de commande.</translation>
    </message>
    <message>
        <source>draw the biorhythm chart of a birth date</source>
        <translation>tracer le graphique des biorythmes d’une date de naissance</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Valeur hors limites</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d’écrire dans %1</translation>
    </message>
    <message>
        <source>Unable to write to %1 (%2)</source>
        <translation>Impossible d’écrire dans %1 (%2)</translation>
    </message>
    <message>
        <source>The file name must end in .png, .svg or .pdf.</source>
        <translation>Le nom du fichier doit se terminer par .png, .svg ou .pdf.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>il dépasse %1&#xa0;Mo</translation>
    </message>
    <message>
        <source>Input/output error: unable to read %1 (%2)</source>
        <translation>Erreur d’entrée/sortie&#xa0;: impossible de lire %1 (%2)</translation>
    </message>
    <message>
        <source>Unable to load %1: %2</source>
        <translation>Impossible de charger %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>le fichier est introuvable</translation>
    </message>
    <message>
        <source>it has no entry point rorovovo_extras</source>
        <translation>il ne contient pas de point d’entrée rorovovo_extras</translation>
    </message>
    <message>
        <source>it belongs to another version of the program</source>
        <translation>il appartient à une autre version du programme</translation>
    </message>
</context>
<context>
    <name>Indicator</name>
    <message>
        <source> Cycle going up </source>
        <translation> Cycle en hausse </translation>
    </message>
    <message>
        <source> Cycle going down </source>
        <translation> Cycle en baisse </translation>
    </message>
</context>
<context>
    <name>Interpretation</name>
    <message>
        <source>If you have planned big physical activities for today, put them off until the day after tomorrow. It&apos;s a critical day, so relax and take it easy.</source>
        <translation>De gros efforts physiques prévus aujourd’hui&#x202f;? Reportez-les à après-demain. C’est un jour critique&#xa0;: détendez-vous et ménagez-vous.</translation>
    </message>
    <message>
        <source>Physically, you had a critical day yesterday. Give your body one more day before you take on anything strenuous.</source>
        <translation>Hier était un jour critique pour votre physique. Accordez encore un jour à votre corps avant tout effort intense.</translation>
    </message>
    <message>
        <source>Your fitness and motivation are increasing. The couch potato days are behind you, so get moving!</source>
        <translation>Votre forme et votre motivation remontent. Fini les journées sur le canapé&#xa0;: bougez&#x202f;!</translation>
    </message>
    <message>
        <source>Your efficiency is high. Make good use of it and tackle whatever needs strength and stamina.</source>
        <translation>Vous êtes très efficace. Profitez-en pour vous attaquer à tout ce qui demande force et endurance.</translation>
    </message>
    <message>
        <source>You are in very good physical shape. Why not go for a jog or a long walk today?</source>
        <translation>Vous êtes en pleine forme physique. Pourquoi ne pas aller courir ou faire une longue promenade aujourd’hui&#x202f;?</translation>
    </message>
    <message>
        <source>Give yourself a rest. Save your energy, you will need it over the next few days.</source>
        <translation>Accordez-vous du repos. Économisez votre énergie&#xa0;: vous en aurez besoin dans les prochains jours.</translation>
    </message>
    <message>
        <source>Don&apos;t exert yourself today! Better to relax now than to over-strain your body.</source>
        <translation>Pas d’efforts aujourd’hui&#x202f;! Mieux vaut vous détendre maintenant que surmener votre corps.</translation>
    </message>
    <message>
        <source>Today you feel beaten and would rather lie down all day. If you can manage it, just do that.</source>
        <translation>Aujourd’hui, vous êtes à plat et resteriez bien couché toute la journée. Si vous le pouvez, ne vous en privez pas.</translation>
    </message>
    <message>
        <source>Your energy seems to be gone. You feel listless, so don&apos;t expect too much of yourself.</source>
        <translation>Votre énergie semble envolée. Vous manquez d’entrain&#xa0;: n’exigez pas trop de vous-même.</translation>
    </message>
    <message>
        <source>You feel tired and drained. Avoid any exertion and let your body recover.</source>
        <translation>La fatigue vous gagne et vos batteries sont à plat. Évitez tout effort et laissez votre corps récupérer.</translation>
    </message>
    <message>
        <source>Slowly your vitality is increasing. Help it along with some light exercise.</source>
        <translation>Votre vitalité revient peu à peu. Aidez-la avec un peu d’exercice léger.</translation>
    </message>
    <message>
        <source>You&apos;re still not exactly full of beans. Be patient, your strength will soon be back.</source>
        <translation>Vous n’êtes pas encore au meilleur de votre forme. Patience, vos forces reviendront bientôt.</translation>
    </message>
    <message>
        <source>Today your barometer of emotions is jumping from high to very low. It&apos;s a critical day, so take it easy: tomorrow is another day.</source>
        <translation>Aujourd’hui, votre baromètre émotionnel passe du beau fixe à la tempête. C’est un jour critique&#xa0;: ménagez-vous, demain est un autre jour.</translation>
    </message>
    <message>
        <source>There are still some after-effects of yesterday. Better stay at home and put off that date until tomorrow.</source>
        <translation>Vous ressentez encore les contrecoups d’hier. Restez plutôt chez vous et remettez ce rendez-vous à demain.</translation>
    </message>
    <message>
        <source>You feel well and are in a good mood. And it&apos;s going to get even better!</source>
        <translation>Vous vous sentez bien et vous êtes de bonne humeur. Et ça va encore s’améliorer&#x202f;!</translation>
    </message>
    <message>
        <source>You are even-tempered and in an emotional balance. A good day to meet people.</source>
        <translation>Votre humeur est égale et vos émotions sont équilibrées. Une bonne journée pour faire des rencontres.</translation>
    </message>
    <message>
        <source>You are on an emotional &apos;high&apos; today. Getting on with others is easy and you are in great demand.</source>
        <translation>Vous êtes sur un petit nuage aujourd’hui. Le contact avec les autres est facile et tout le monde vous réclame.</translation>
    </message>
    <message>
        <source>You feel even-tempered and harmonious. Enjoy it while it lasts!</source>
        <translation>Vous vous sentez en harmonie, d’humeur égale. Profitez-en tant que ça dure&#x202f;!</translation>
    </message>
    <message>
        <source>You are unsure about your emotions. Sadly, all good things come to an end.</source>
        <translation>Vos émotions deviennent incertaines. Hélas, toutes les bonnes choses ont une fin.</translation>
    </message>
    <message>
        <source>Inside you feel restlessness. You are unsure of your feelings and have doubts about yourself.</source>
        <translation>Une agitation intérieure vous gagne. Vous doutez de vos sentiments et de vous-même.</translation>
    </message>
    <message>
        <source>Emotional breakdown? No wonder, your feelings are pulling you up and down today.</source>
        <translation>Coup de blues&#x202f;? Rien d’étonnant&#xa0;: aujourd’hui, vos émotions vous font faire les montagnes russes.</translation>
    </message>
    <message>
        <source>You feel unsettled and restless. Better plan no affairs of the heart for the next few days.</source>
        <translation>Le trouble et l’agitation vous habitent. Mieux vaut ne prévoir aucune affaire de cœur ces prochains jours.</translation>
    </message>
    <message>
        <source>You&apos;re nervous or unsure and feel empty inside. That&apos;s just how it is right now.</source>
        <translation>Nervosité, incertitude, sentiment de vide intérieur&#xa0;: c’est comme ça en ce moment, tout simplement.</translation>
    </message>
    <message>
        <source>You want to hide away in the furthest corner. Do so if you can, it&apos;s a bad day.</source>
        <translation>Vous aimeriez vous cacher dans un coin. Faites-le si vous le pouvez&#xa0;: c’est un mauvais jour.</translation>
    </message>
    <message>
        <source>Back down, if you can. Avoid the people you have plans with, you won&apos;t make your best impression.</source>
        <translation>Restez en retrait si vous le pouvez. Évitez les personnes que vous deviez voir&#xa0;: vous ne feriez pas bonne impression.</translation>
    </message>
    <message>
        <source>There will be light at the end of the tunnel! Still, staying in your shell is no fun.</source>
        <translation>Il y aura de la lumière au bout du tunnel&#x202f;! En attendant, rester dans sa coquille n’a rien de drôle.</translation>
    </message>
    <message>
        <source>Now you can see the light at the end of the tunnel. The self-pity is over, one more hurdle to pass.</source>
        <translation>Vous voyez enfin le bout du tunnel. Fini de vous apitoyer sur votre sort&#xa0;: plus qu’un obstacle à franchir.</translation>
    </message>
    <message>
        <source>Do you have an exam today? It&apos;s a critical day and your mind may be a bit foggy, so check everything twice.</source>
        <translation>Un examen aujourd’hui&#x202f;? C’est un jour critique et votre esprit risque d’être un peu embrumé&#xa0;: vérifiez tout deux fois.</translation>
    </message>
    <message>
        <source>Now it&apos;s getting better with your intellectual skills. Do the work that needs concentration within the next ten days.</source>
        <translation>Vos capacités intellectuelles s’améliorent. Faites dans les dix jours qui viennent le travail qui demande de la concentration.</translation>
    </message>
    <message>
        <source>Your intellect and decision-making skills are admirable. Brain-twisters are no problem for you now.</source>
        <translation>Votre intelligence et votre sens de la décision sont admirables. Les casse-tête ne vous font plus peur.</translation>
    </message>
    <message>
        <source>You are quick at repartee and see everything clearly. Mistakes are spotted early.</source>
        <translation>Vous avez la repartie facile et l’esprit clair. Les erreurs sont vite repérées.</translation>
    </message>
    <message>
        <source>You can finish demanding tasks without great effort, and you&apos;re full of good ideas.</source>
        <translation>Vous venez à bout des tâches exigeantes sans grand effort, et les bonnes idées ne vous manquent pas.</translation>
    </message>
    <message>
        <source>Thinking logical? No problem! Finish pending tasks now, before things get worse.</source>
        <translation>Raisonner avec logique&#x202f;? Aucun problème&#x202f;! Terminez maintenant les tâches en attente, avant que ça se gâte.</translation>
    </message>
    <message>
        <source>Let&apos;s hope you&apos;ve finished all the difficult tasks, because today you could bungle them.</source>
        <translation>Espérons que vous avez fini toutes les tâches difficiles, car aujourd’hui vous risqueriez de les bâcler.</translation>
    </message>
    <message>
        <source>You can&apos;t concentrate today. Your thinking is muddy, so leave tricky work for later.</source>
        <translation>Impossible de vous concentrer aujourd’hui. Vos idées sont confuses&#xa0;: gardez le travail délicat pour plus tard.</translation>
    </message>
    <message>
        <source>You are irresolute and don&apos;t know where to start. Just start anywhere!</source>
        <translation>Vous hésitez et ne savez pas par où commencer. Commencez n’importe où&#x202f;!</translation>
    </message>
    <message>
        <source>The period of creativity is over. Your brain has gone into stand-by mode.</source>
        <translation>La période créative est terminée. Votre cerveau s’est mis en veille.</translation>
    </message>
    <message>
        <source>You spend these days without any plan or aim. Your reactions leave much to be desired, too.</source>
        <translation>Ces jours-ci, vous avancez sans plan ni but. Et vos réactions laissent elles aussi à désirer.</translation>
    </message>
    <message>
        <source>Making resolutions? Better leave that for later.</source>
        <translation>Prendre de bonnes résolutions&#x202f;? Mieux vaut attendre un peu.</translation>
    </message>
    <message>
        <source>Even if you haven&apos;t accomplished much lately, take it easy. Better days are coming.</source>
        <translation>Même si vous n’avez pas fait grand-chose ces derniers temps, ne vous en faites pas. Des jours meilleurs arrivent.</translation>
    </message>
    <message>
        <source>If you have to make important decisions, put them off for a few days. You will see more clearly then.</source>
        <translation>Si vous avez des décisions importantes à prendre, attendez quelques jours. Vous y verrez alors plus clair.</translation>
    </message>
    <message>
        <source>By the way: HAPPY BIRTHDAY!</source>
        <translation>Au fait&#xa0;: JOYEUX ANNIVERSAIRE&#x202f;!</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The program speaks the chosen language from its next start.</source>
        <translation>Le programme utilisera la langue choisie à son prochain démarrage.</translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation>Fichier d’aide introuvable</translation>
    </message>
    <message>
        <source>Error downloading file &quot;%1&quot; for version check.<byte value="xd"/>Please check your internet connection and/or firewall..</source>
        <translation>Erreur lors du téléchargement du fichier «&#xa0;%1&#xa0;» pour la vérification de version.<byte value="xd"/>Veuillez vérifier votre connexion Internet et votre pare-feu.</translation>
    </message>
    <message>
        <source>There is a *new* version of this freeware available !<byte value="xd"/><byte value="xd"/>Please go to our freeware web page and download it,<byte value="xd"/>and replace the existing one by the new version.</source>
        <translation>Une *nouvelle* version de ce logiciel gratuit est disponible&#x202f;!<byte value="xd"/><byte value="xd"/>Rendez-vous sur notre page web pour la télécharger,<byte value="xd"/>puis remplacez l’ancienne version par la nouvelle.</translation>
    </message>
    <message>
        <source>You have the most recent version of this freeware..<byte value="xd"/>But keep checking, as this is updated regularly!</source>
        <translation>Vous avez la version la plus récente de ce logiciel gratuit.<byte value="xd"/>Revenez vérifier de temps en temps&#xa0;: il est mis à jour régulièrement&#x202f;!</translation>
    </message>
    <message>
        <source>Sorry, but the &apos;Birthday Date&apos; you supplied is not a valid Date.<byte value="xd"/>Please go back and correct it...</source>
        <translation>Désolé, la date de naissance saisie n’est pas une date valide.<byte value="xd"/>Veuillez la corriger.</translation>
    </message>
    <message>
        <source>A name cannot contain the character &apos;|&apos;, which separates it from the date. Nothing was stored.</source>
        <translation>Un nom ne peut pas contenir le caractère «&#xa0;|&#xa0;», qui le sépare de la date. Rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>The name is too long: a stored profile holds at most %1 characters of name. Nothing was stored.</source>
        <translation>Le nom est trop long&#xa0;: le nom d’un profil enregistré compte au plus %1 caractères. Rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>The name you are trying to add already exists on the database..</source>
        <translation>Le nom que vous essayez d’ajouter existe déjà dans la base de données.</translation>
    </message>
</context>
<context>
    <name>PersonPanel</name>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>day</source>
        <translation>jour</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mois</translation>
    </message>
    <message>
        <source>year</source>
        <translation>année</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>No session bus: the desktop&apos;s notifications cannot be reached (%1).</source>
        <translation>Pas de bus de session&#xa0;: les notifications du bureau sont inaccessibles (%1).</translation>
    </message>
    <message>
        <source>No notification service answers on the session bus (%1).</source>
        <translation>Aucun service de notification ne répond sur le bus de session (%1).</translation>
    </message>
    <message>
        <source>The notification service did not take the reminder (%1).</source>
        <translation>Le service de notification n’a pas accepté le rappel (%1).</translation>
    </message>
    <message>
        <source>Today: %1 critical day</source>
        <translation>Aujourd’hui&#xa0;: jour critique %1</translation>
    </message>
    <message>
        <source>Tomorrow: %1 critical day</source>
        <translation>Demain&#xa0;: jour critique %1</translation>
    </message>
    <message numerus="yes">
        <source>In %n day(s): %1 critical day</source>
        <translation>
            <numerusform>Dans %n jour&#xa0;: jour critique %1</numerusform>
            <numerusform>Dans %n jours&#xa0;: jour critique %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>Né(e) le %1</translation>
    </message>
    <message>
        <source>%1, %2 %3: %4</source>
        <extracomment>Whom, the weekday, the date and the critical rhythms: &quot;Ada, Monday 18.03.2024: Physical, Emotional&quot;.</extracomment>
        <translation>%1, %2 %3&#xa0;: %4</translation>
    </message>
    <message>
        <source>%1 Nothing was changed.</source>
        <translation>%1 Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Reminders are on: a systemd user timer (%1) checks every day at %2, or at the next login when the computer was off then.</source>
        <translation>Rappels activés&#xa0;: un minuteur systemd de l’utilisateur (%1) vérifie chaque jour à %2, ou à la connexion suivante si l’ordinateur était éteint à cette heure-là.</translation>
    </message>
    <message>
        <source>No systemd user instance could take a timer (%1), so the check runs each time you log in instead (%2).</source>
        <translation>Aucune instance systemd de l’utilisateur n’a pu prendre en charge un minuteur (%1)&#x202f;; la vérification se fera donc à chaque ouverture de session (%2).</translation>
    </message>
    <message>
        <source>Nothing could be set up to run the check (%1; %2). &apos;Rorovovo --remind&apos; still checks when run by hand.</source>
        <translation>Impossible de programmer la vérification (%1&#x202f;; %2). «&#xa0;Rorovovo --remind&#xa0;» vérifie toujours les rappels si vous le lancez à la main.</translation>
    </message>
    <message>
        <source>%1 Reminders show once the desktop has one; the calendar file does not need it.</source>
        <translation>%1 Les rappels s’afficheront dès que le bureau en aura un&#x202f;; le fichier calendrier n’en a pas besoin.</translation>
    </message>
    <message>
        <source>Reminders are off; nothing runs the check any more.</source>
        <translation>Rappels désactivés&#xa0;: plus aucune vérification n’est lancée.</translation>
    </message>
    <message>
        <source>The calendar file is up to date.</source>
        <translation>Le fichier calendrier est à jour.</translation>
    </message>
    <message>
        <source>%1 The reminders do not need it.</source>
        <translation>%1 Les rappels n’en ont pas besoin.</translation>
    </message>
    <message>
        <source>The calendar file was removed.</source>
        <translation>Le fichier calendrier a été supprimé.</translation>
    </message>
    <message>
        <source>Unable to remove %1.</source>
        <translation>Impossible de supprimer %1.</translation>
    </message>
    <message>
        <source>Reminders are off.</source>
        <translation>Rappels désactivés.</translation>
    </message>
    <message>
        <source>Reminders are off, but a schedule is still set up: &quot;Stop reminders&quot; removes it.</source>
        <translation>Rappels désactivés, mais une programmation subsiste&#xa0;: «&#xa0;Arrêter les rappels&#xa0;» la supprime.</translation>
    </message>
    <message>
        <source>Reminders are on: a systemd user timer checks every day at %1.</source>
        <translation>Rappels activés&#xa0;: un minuteur systemd de l’utilisateur vérifie chaque jour à %1.</translation>
    </message>
    <message>
        <source>Reminders are on: the check runs each time you log in.</source>
        <translation>Rappels activés&#xa0;: la vérification se fait à chaque ouverture de session.</translation>
    </message>
    <message>
        <source>Reminders are on, but nothing runs the check: &quot;Remind me&quot; sets it up again.</source>
        <translation>Rappels activés, mais aucune vérification n’est programmée&#xa0;: «&#xa0;Activer les rappels&#xa0;» la remet en place.</translation>
    </message>
    <message>
        <source>systemctl --user %1 did not answer</source>
        <translation>systemctl --user %1 n’a pas répondu</translation>
    </message>
    <message>
        <source>systemctl --user %1 failed</source>
        <translation>systemctl --user %1 a échoué</translation>
    </message>
    <message>
        <source>no systemctl on PATH</source>
        <translation>systemctl introuvable dans le PATH</translation>
    </message>
    <message>
        <source>The timer could not be disabled (%1).</source>
        <translation>Impossible de désactiver le minuteur (%1).</translation>
    </message>
</context>
<context>
    <name>Rhythm</name>
    <message>
        <source>Physical</source>
        <translation>Physique</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Émotionnel</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intellectuel</translation>
    </message>
    <message>
        <source>Intuitional</source>
        <translation>Intuitif</translation>
    </message>
    <message>
        <source>Spiritual</source>
        <translation>Spirituel</translation>
    </message>
    <message>
        <source>Aesthetics</source>
        <translation>Esthétique</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>(no name)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>%1: %2 to %3, page %4 of %5</source>
        <extracomment>The printed planner&apos;s heading: its title, the first and last day, the page.</extracomment>
        <translation>%1&#xa0;: du %2 au %3, page %4 sur %5</translation>
    </message>
</context>
<context>
    <name>SystemMenu</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Déplacer</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Taille</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Réd&amp;uire</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>&amp;Agrandir</translation>
    </message>
    <message>
        <source>&amp;Close	Alt+F4</source>
        <translation>&amp;Fermer	Alt+F4</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>Zodiac</name>
    <message>
        <source>aquarius</source>
        <translation>Verseau</translation>
    </message>
    <message>
        <source>Jan 20 ~ Feb 18</source>
        <translation>20 janvier – 18 février</translation>
    </message>
    <message>
        <source>pisces</source>
        <translation>Poissons</translation>
    </message>
    <message>
        <source>Feb 19 ~ Mar 20</source>
        <translation>19 février – 20 mars</translation>
    </message>
    <message>
        <source>aries</source>
        <translation>Bélier</translation>
    </message>
    <message>
        <source>Mar 21 ~ Apr 19</source>
        <translation>21 mars – 19 avril</translation>
    </message>
    <message>
        <source>taurus</source>
        <translation>Taureau</translation>
    </message>
    <message>
        <source>Apr 20 ~ May 20</source>
        <translation>20 avril – 20 mai</translation>
    </message>
    <message>
        <source>gemini</source>
        <translation>Gémeaux</translation>
    </message>
    <message>
        <source>May 21 ~ Jun 20</source>
        <translation>21 mai – 20 juin</translation>
    </message>
    <message>
        <source>cancer</source>
        <translation>Cancer</translation>
    </message>
    <message>
        <source>Jun 21 ~ Jul 22</source>
        <translation>21 juin – 22 juillet</translation>
    </message>
    <message>
        <source>leo</source>
        <translation>Lion</translation>
    </message>
    <message>
        <source>Jul 23 ~ Aug 22</source>
        <translation>23 juillet – 22 août</translation>
    </message>
    <message>
        <source>virgo</source>
        <translation>Vierge</translation>
    </message>
    <message>
        <source>Aug 23 ~ Sep 22</source>
        <translation>23 août – 22 septembre</translation>
    </message>
    <message>
        <source>libra</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Sep 23 ~ Oct 22</source>
        <translation>23 septembre – 22 octobre</translation>
    </message>
    <message>
        <source>scorpio</source>
        <translation>Scorpion</translation>
    </message>
    <message>
        <source>Oct 23 ~ Nov 21</source>
        <translation>23 octobre – 21 novembre</translation>
    </message>
    <message>
        <source>sagittarius</source>
        <translation>Sagittaire</translation>
    </message>
    <message>
        <source>Nov 22 ~ Dec 21</source>
        <translation>22 novembre – 21 décembre</translation>
    </message>
    <message>
        <source>capricorn</source>
        <translation>Capricorne</translation>
    </message>
    <message>
        <source>Dec 22 ~ Jan 19</source>
        <translation>22 décembre – 19 janvier</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::RosterView</name>
    <message>
        <source>Roster</source>
        <translation>Planning</translation>
    </message>
    <message>
        <source>Group score %1 (the lowest of the members&apos; scores)</source>
        <translation>Score du groupe&#xa0;: %1 (le plus bas des scores des membres)</translation>
    </message>
    <message>
        <source>A clear day: nobody has a critical day</source>
        <translation>Jour dégagé&#xa0;: personne n’est en jour critique</translation>
    </message>
    <message>
        <source>A critical day for %1 of %2</source>
        <translation>Jour critique pour %1 sur %2</translation>
    </message>
    <message numerus="yes">
        <source>%n member(s)</source>
        <translation>
            <numerusform>%n membre</numerusform>
            <numerusform>%n membres</numerusform>
        </translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>%1, born %2</source>
        <translation>%1, né(e) le %2</translation>
    </message>
    <message>
        <source>No critical rhythm</source>
        <extracomment>The rhythms critical that day, then the day&apos;s kind: &quot;Critical: Physical, Emotional (double day)&quot;.</extracomment>
        <translation>Aucun rythme critique</translation>
    </message>
    <message>
        <source>Critical: %1 (%2 day)</source>
        <translation>Critique&#xa0;: %1 (jour %2)</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TForm1</name>
    <message>
        <source> Biorhythms</source>
        <translation> Biorythmes</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Add new profile...</source>
        <translation>Nouveau profil…</translation>
    </message>
    <message>
        <source>Delete profile...</source>
        <translation>Supprimer un profil…</translation>
    </message>
    <message>
        <source>Draw biorhythms</source>
        <translation>Tracer les biorythmes</translation>
    </message>
    <message>
        <source>Draw extra* rythms</source>
        <translation>Tracer les rythmes extra*</translation>
    </message>
    <message>
        <source>Biorhythms interpretation...</source>
        <translation>Interprétation des biorythmes…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profils</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Personnels</translation>
    </message>
    <message>
        <source>Celebrity</source>
        <translation>Célébrités</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Save window&apos;s size</source>
        <translation>Mémoriser la taille de la fenêtre</translation>
    </message>
    <message>
        <source>Save window&apos;s position</source>
        <translation>Mémoriser la position de la fenêtre</translation>
    </message>
    <message>
        <source>Mark critical days</source>
        <translation>Marquer les jours critiques</translation>
    </message>
    <message>
        <source>Default rhythms to show...</source>
        <translation>Rythmes affichés par défaut</translation>
    </message>
    <message>
        <source>Physical rhythm</source>
        <translation>Rythme physique</translation>
    </message>
    <message>
        <source>Emotional rhythm</source>
        <translation>Rythme émotionnel</translation>
    </message>
    <message>
        <source>Intellectual rhythm</source>
        <translation>Rythme intellectuel</translation>
    </message>
    <message>
        <source>Intuitional rhythm</source>
        <translation>Rythme intuitif</translation>
    </message>
    <message>
        <source>Spiritual rhythm</source>
        <translation>Rythme spirituel</translation>
    </message>
    <message>
        <source>Aesthetics rhytm</source>
        <translation>Rythme esthétique</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>Options &gt; Language: the language the desktop speaks.</extracomment>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Critical days...</source>
        <translation>Jours critiques…</translation>
    </message>
    <message>
        <source>Compatibility...</source>
        <translation>Compatibilité…</translation>
    </message>
    <message>
        <source>Planner...</source>
        <translation>Planificateur…</translation>
    </message>
    <message>
        <source>Save chart as...</source>
        <translation>Enregistrer le graphique sous…</translation>
    </message>
    <message>
        <source>Print chart...</source>
        <translation>Imprimer le graphique…</translation>
    </message>
    <message>
        <source>Reminders...</source>
        <translation>Rappels…</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Aide…</translation>
    </message>
    <message>
        <source>Software news...</source>
        <translation>Nouveautés du logiciel…</translation>
    </message>
    <message>
        <source>Check new versions *</source>
        <translation>Rechercher une nouvelle version *</translation>
    </message>
    <message>
        <source>Donations...</source>
        <translation>Faire un don…</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos…</translation>
    </message>
    <message>
        <source>Day         of %1</source>
        <extracomment>The blanks leave room for the day box drawn over them.</extracomment>
        <translation>Jour         sur %1</translation>
    </message>
    <message>
        <source>%1 day</source>
        <comment>spoken name of a rhythm&apos;s cycle-day box</comment>
        <translation>%1&#xa0;: jour du cycle</translation>
    </message>
    <message>
        <source>total days</source>
        <translation>jours vécus</translation>
    </message>
    <message>
        <source>years</source>
        <translation>ans</translation>
    </message>
    <message>
        <source>add new</source>
        <translation>ajouter</translation>
    </message>
    <message>
        <source>zodiac</source>
        <translation>zodiaque</translation>
    </message>
    <message>
        <source> add new profile </source>
        <translation> nouveau profil </translation>
    </message>
    <message>
        <source> draw biorhythm </source>
        <translation> tracer le biorythme </translation>
    </message>
    <message>
        <source>draw bio</source>
        <translation>tracer</translation>
    </message>
    <message>
        <source> about </source>
        <translation> à propos </translation>
    </message>
    <message>
        <source> help </source>
        <translation> aide </translation>
    </message>
    <message>
        <source> close </source>
        <translation> fermer </translation>
    </message>
    <message>
        <source> select profile </source>
        <translation> choisir un profil </translation>
    </message>
    <message>
        <source> biorhythm today&apos;s interpretation </source>
        <translation> interprétation des biorythmes du jour </translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>day</source>
        <translation>jour</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mois</translation>
    </message>
    <message>
        <source>year</source>
        <translation>année</translation>
    </message>
    <message>
        <source>profile</source>
        <translation>profil</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos…</translation>
    </message>
    <message>
        <source> %1 : %2 </source>
        <extracomment>The sign picture&apos;s hint: &quot; aquarius : Jan 20 ~ Feb 18 &quot;.</extracomment>
        <translation> %1&#xa0;: %2 </translation>
    </message>
    <message>
        <source>     Rhythm&apos;s interpretation @  %1  -  for %2</source>
        <extracomment>The interpretation window&apos;s caption: today&apos;s date, then the name in the name box.</extracomment>
        <translation>     Interprétation des rythmes du %1 pour %2</translation>
    </message>
    <message>
        <source>Data file &apos;Cyclomat.dat&apos; with Celebrity names does not exist on path.<byte value="xd"/>Can&apos;t load extra data.. Get it from zip file, if you want it too.</source>
        <translation>Le fichier de données «&#xa0;Cyclomat.dat&#xa0;» des célébrités est introuvable.<byte value="xd"/>Impossible de charger ces données. Si vous les voulez aussi, prenez-le dans le fichier zip.</translation>
    </message>
    <message>
        <source>The profile &apos;%1&apos; is no longer in the settings file.</source>
        <translation>Le profil «&#xa0;%1&#xa0;» ne figure plus dans le fichier de paramètres.</translation>
    </message>
    <message>
        <source>The profile is shown, but the selection could not be remembered for the next start (no more reports of this in this run). %1</source>
        <translation>Le profil est affiché, mais la sélection n’a pas pu être mémorisée pour le prochain démarrage (ce message ne reviendra plus pendant cette session). %1</translation>
    </message>
    <message>
        <source>chart</source>
        <comment>file name of a chart without a name</comment>
        <translation>graphique</translation>
    </message>
    <message>
        <source>Save chart as</source>
        <translation>Enregistrer le graphique sous</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)</source>
        <translation>Image PNG (*.png);;Dessin SVG (*.svg);;Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Unable to print on %1</source>
        <translation>Impossible d’imprimer sur %1</translation>
    </message>
    <message>
        <source>Dark chart</source>
        <translation>Graphique sombre</translation>
    </message>
    <message>
        <source>Colour-blind-safe colours</source>
        <translation>Couleurs adaptées aux daltoniens</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormAbout</name>
    <message>
        <source>Freeware by</source>
        <translation>Offert par</translation>
    </message>
    <message>
        <source>Find your own personal Zavirir, all 4 curves. Add as many people as you want and check how everyone is doing for the day!</source>
        <translation>Découvrez votre propre Zavirir et ses 4 courbes. Ajoutez autant de personnes que vous voulez et voyez comment chacun se porte aujourd’hui&#x202f;!</translation>
    </message>
    <message>
        <source>If you like this program, do email me with feedback, ideas, suggestions or questions to</source>
        <translation>Si ce programme vous plaît, écrivez-moi vos remarques, idées, suggestions ou questions à</translation>
    </message>
    <message>
        <source>You can also help the development, by _______ a few $$</source>
        <extracomment>The donation link below (&quot;donating &quot;) is laid over the blank, which stays seven underscores.</extracomment>
        <translation>Vous pouvez aussi soutenir le développement en _______ quelques sous.</translation>
    </message>
    <message>
        <source>donating </source>
        <translation>donnant </translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormCompatibility</name>
    <message>
        <source>Compatibility</source>
        <translation>Compatibilité</translation>
    </message>
    <message>
        <source>Second person: pick or type</source>
        <translation>Seconde personne&#xa0;: choisir ou saisir</translation>
    </message>
    <message>
        <source>type to search</source>
        <translation>tapez pour rechercher</translation>
    </message>
    <message>
        <source>compare</source>
        <translation>comparer</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>mean of %1, %2, %3</source>
        <translation>moyenne&#xa0;: %1, %2, %3</translation>
    </message>
    <message>
        <source>solid: first person, dashed: second person; today is the silver column</source>
        <translation>trait plein&#xa0;: 1re personne, pointillés&#xa0;: 2e personne&#x202f;; aujourd’hui&#xa0;: la colonne argentée</translation>
    </message>
    <message>
        <source>Nobody drawn yet: draw a chart in the main window first.</source>
        <translation>Aucun graphique tracé&#xa0;: tracez d’abord un graphique dans la fenêtre principale.</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>First person: %1, born %2</source>
        <translation>Première personne&#xa0;: %1, né(e) le %2</translation>
    </message>
    <message>
        <source>Search profiles and celebrities</source>
        <translation>Rechercher des profils et des célébrités</translation>
    </message>
    <message>
        <source>Profiles and celebrities</source>
        <translation>Profils et célébrités</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormCritical</name>
    <message>
        <source>Critical days</source>
        <translation>Jours critiques</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Début&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Span</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>&amp;Span:</source>
        <translation>D&amp;urée&#xa0;:</translation>
    </message>
    <message>
        <source>Rhythms:</source>
        <translation>Rythmes&#xa0;:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Critical rhythms</source>
        <translation>Rythmes critiques</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Next triple critical day</source>
        <translation>Prochain jour critique triple</translation>
    </message>
    <message>
        <source>Save as calendar...</source>
        <translation>Enregistrer en calendrier…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No biorhythm has been drawn yet. Draw a person&apos;s biorhythm in the main window, and their critical days will be listed here.</source>
        <translation>Aucun biorythme n’a encore été tracé. Tracez le biorythme d’une personne dans la fenêtre principale&#xa0;: ses jours critiques s’afficheront ici.</translation>
    </message>
    <message>
        <source>Critical days for the birth date %1</source>
        <translation>Jours critiques pour la date de naissance %1</translation>
    </message>
    <message>
        <source>Critical days of %1, born %2</source>
        <translation>Jours critiques de %1, né(e) le %2</translation>
    </message>
    <message>
        <source>Today, %1, is a triple critical day.</source>
        <translation>Aujourd’hui (%1) est un jour critique triple.</translation>
    </message>
    <message numerus="yes">
        <source>The next triple critical day, %1, is %n day(s) away.</source>
        <translation>
            <numerusform>Le prochain jour critique triple, le %1, est dans %n jour.</numerusform>
            <numerusform>Le prochain jour critique triple, le %1, est dans %n jours.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The next triple critical day after the start date, %1, was %n day(s) ago.</source>
        <translation>
            <numerusform>Le prochain jour critique triple après la date de début, le %1, remonte à %n jour.</numerusform>
            <numerusform>Le prochain jour critique triple après la date de début, le %1, remonte à %n jours.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 critical days</source>
        <comment>file name</comment>
        <translation>%1 jours critiques</translation>
    </message>
    <message>
        <source>Save as calendar</source>
        <translation>Enregistrer en calendrier</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>Fichiers iCalendar (*.ics);;Tous les fichiers (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n critical day(s) saved to %1</source>
        <translation>
            <numerusform>%n jour critique enregistré dans %1</numerusform>
            <numerusform>%n jours critiques enregistrés dans %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormEditor</name>
    <message>
        <source>Profile editor</source>
        <translation>Éditeur de profils</translation>
    </message>
    <message>
        <source>add new</source>
        <translation>ajouter</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>effacer</translation>
    </message>
    <message>
        <source>No profile is selected, so nothing was deleted.</source>
        <translation>Aucun profil n’est sélectionné&#xa0;: rien n’a été supprimé.</translation>
    </message>
    <message>
        <source>Sure to delete  &apos;%1&apos;s&apos;  profile?</source>
        <translation>Voulez-vous vraiment supprimer le profil de «&#xa0;%1&#xa0;»&#x202f;?</translation>
    </message>
    <message>
        <source>The profile &apos;%1&apos; is no longer in the settings file.</source>
        <translation>Le profil «&#xa0;%1&#xa0;» ne figure plus dans le fichier de paramètres.</translation>
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
        <translation>     Interprétation des rythmes…</translation>
    </message>
    <message>
        <source>physical</source>
        <translation>physique</translation>
    </message>
    <message>
        <source>emotional</source>
        <translation>émotionnel</translation>
    </message>
    <message>
        <source>intellectual</source>
        <translation>intellectuel</translation>
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
        <translation>JJ</translation>
    </message>
    <message>
        <source>MM</source>
        <translation>MM</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Planner</source>
        <translation>Planificateur</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Membres</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Remove all</source>
        <translation>Tout retirer</translation>
    </message>
    <message>
        <source>&amp;Add people:</source>
        <translation>&amp;Ajouter des personnes&#xa0;:</translation>
    </message>
    <message>
        <source>type to search</source>
        <translation>tapez pour rechercher</translation>
    </message>
    <message>
        <source>Search profiles and celebrities</source>
        <translation>Rechercher parmi les profils et les célébrités</translation>
    </message>
    <message>
        <source>Profiles and celebrities</source>
        <translation>Profils et célébrités</translation>
    </message>
    <message>
        <source>Add &amp;selected</source>
        <translation>Ajouter la &amp;sélection</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Groupe&#xa0;:</translation>
    </message>
    <message>
        <source>Group name</source>
        <translation>Nom du groupe</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Add from file...</source>
        <translation>Ajouter depuis un fichier…</translation>
    </message>
    <message>
        <source>Save to file...</source>
        <translation>Enregistrer dans un fichier…</translation>
    </message>
    <message>
        <source>Import contacts...</source>
        <translation>Importer des contacts…</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation>&amp;Date&#xa0;:</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>Dé&amp;but&#xa0;:</translation>
    </message>
    <message>
        <source> days</source>
        <comment>after the span&apos;s number</comment>
        <translation> jours</translation>
    </message>
    <message>
        <source>Span in days</source>
        <translation>Durée en jours</translation>
    </message>
    <message>
        <source>S&amp;pan:</source>
        <translation>D&amp;urée&#xa0;:</translation>
    </message>
    <message>
        <source>Rhythms:</source>
        <translation>Rythmes&#xa0;:</translation>
    </message>
    <message>
        <source>Best days</source>
        <translation>Meilleurs jours</translation>
    </message>
    <message>
        <source>Worst days</source>
        <translation>Pires jours</translation>
    </message>
    <message>
        <source>&amp;Best days (nobody critical):</source>
        <translation>Me&amp;illeurs jours (sans jour critique)&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Worst days:</source>
        <translation>&amp;Pires jours&#xa0;:</translation>
    </message>
    <message>
        <source>Mor&amp;e days</source>
        <translation>P&amp;lus de jours</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Enregistrer en PDF…</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Enregistrer en CSV…</translation>
    </message>
    <message>
        <source>Save best days as calendar...</source>
        <translation>Enregistrer les meilleurs jours en calendrier…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>In view: %1 to %2 (the span: %3 to %4)</source>
        <translation>Affiché&#xa0;: du %1 au %2 (période&#xa0;: du %3 au %4)</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Personnels</translation>
    </message>
    <message>
        <source>Celebrity</source>
        <translation>Célébrités</translation>
    </message>
    <message>
        <source>The planner holds at most %1 people.</source>
        <translation>Le planificateur accepte au plus %1 personnes.</translation>
    </message>
    <message>
        <source>&amp;Members (%1):</source>
        <translation>&amp;Membres (%1)&#xa0;:</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>Every day of the span is a critical day for someone: no best day.</source>
        <translation>Chaque jour de la période est un jour critique pour quelqu’un&#xa0;: aucun meilleur jour.</translation>
    </message>
    <message>
        <source>%1 left out: no valid birth date</source>
        <translation>%1&#xa0;: date de naissance non valide</translation>
    </message>
    <message numerus="yes">
        <source>%n (entry|entries)</source>
        <translation>
            <numerusform>%n entrée écartée</numerusform>
            <numerusform>%n entrées écartées</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no group named &quot;%1&quot;.</source>
        <translation>Aucun groupe ne s’appelle «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; opened: %2%3</source>
        <translation>Groupe «&#xa0;%1&#xa0;» ouvert&#xa0;: %2%3</translation>
    </message>
    <message numerus="yes">
        <source>%n (person|people)</source>
        <translation>
            <numerusform>%n personne</numerusform>
            <numerusform>%n personnes</numerusform>
        </translation>
    </message>
    <message>
        <source>; %1 without a valid birth date left out</source>
        <translation>&#x202f;; %1 faute de date de naissance valide</translation>
    </message>
    <message>
        <source>Type a name for the group first.</source>
        <translation>Saisissez d’abord un nom pour le groupe.</translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; saved with %2</source>
        <translation>Groupe «&#xa0;%1&#xa0;» enregistré avec %2</translation>
    </message>
    <message>
        <source>Delete the group &quot;%1&quot;?</source>
        <translation>Supprimer le groupe «&#xa0;%1&#xa0;»&#x202f;?</translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; deleted.</source>
        <translation>Groupe «&#xa0;%1&#xa0;» supprimé.</translation>
    </message>
    <message>
        <source>Add people from a file</source>
        <translation>Ajouter des personnes depuis un fichier</translation>
    </message>
    <message>
        <source>Group files (*.txt *.dat);;All files (*)</source>
        <translation>Fichiers de groupe (*.txt *.dat);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 added from %2%3</source>
        <translation>Ajout depuis %2&#xa0;: %1%3</translation>
    </message>
    <message>
        <source>Save group to file</source>
        <translation>Enregistrer le groupe dans un fichier</translation>
    </message>
    <message>
        <source>Group files (*.txt);;All files (*)</source>
        <translation>Fichiers de groupe (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 saved to %2</source>
        <translation>Enregistré dans %2&#xa0;: %1</translation>
    </message>
    <message>
        <source>Import birthdays from contacts</source>
        <translation>Importer les anniversaires des contacts</translation>
    </message>
    <message>
        <source>Contacts (*.vcf *.vcard);;All files (*)</source>
        <translation>Contacts (*.vcf *.vcard);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save roster as PDF</source>
        <translation>Enregistrer le planning en PDF</translation>
    </message>
    <message>
        <source> roster.pdf</source>
        <comment>file name after the group&apos;s</comment>
        <translation> planning.pdf</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Unable to print on %1</source>
        <translation>Impossible d’imprimer sur %1</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Enregistrer en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save best days as calendar</source>
        <translation>Enregistrer les meilleurs jours en calendrier</translation>
    </message>
    <message>
        <source> best days.ics</source>
        <comment>file name after the group&apos;s</comment>
        <translation> meilleurs jours.ics</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>Fichiers iCalendar (*.ics);;Tous les fichiers (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n best day(s)</source>
        <translation>
            <numerusform>%n meilleur jour</numerusform>
            <numerusform>%n meilleurs jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Open file...</source>
        <translation>Ouvrir un fichier…</translation>
    </message>
    <message>
        <source>Open a group file</source>
        <translation>Ouvrir un fichier de groupe</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Rappels</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Personnes</translation>
    </message>
    <message>
        <source>&amp;People to be reminded of:</source>
        <translation>&amp;Personnes concernées&#xa0;:</translation>
    </message>
    <message>
        <source>The same day</source>
        <translation>Le jour même</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) before</source>
        <translation>
            <numerusform>%n jour avant</numerusform>
            <numerusform>%n jours avant</numerusform>
        </translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Simples</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doubles</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>Triples</translation>
    </message>
    <message>
        <source>&amp;How far ahead:</source>
        <translation>&amp;Délai&#xa0;:</translation>
    </message>
    <message>
        <source>Which days:</source>
        <translation>Jours critiques&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Time of day:</source>
        <translation>&amp;Heure&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Keep a calendar file</source>
        <translation>&amp;Tenir à jour un fichier calendrier</translation>
    </message>
    <message>
        <source>Calendar file</source>
        <translation>Fichier calendrier</translation>
    </message>
    <message>
        <source>&amp;Remind me</source>
        <translation>&amp;Activer les rappels</translation>
    </message>
    <message>
        <source>&amp;Stop reminders</source>
        <translation>A&amp;rrêter les rappels</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Stored profiles</source>
        <translation>Profils enregistrés</translation>
    </message>
    <message>
        <source>Group: %1</source>
        <translation>Groupe&#xa0;: %1</translation>
    </message>
    <message>
        <source>No longer stored</source>
        <translation>Plus enregistrés</translation>
    </message>
    <message>
        <source>No profiles are stored yet: add a person in the main window first.</source>
        <translation>Aucun profil n’est encore enregistré&#xa0;: ajoutez d’abord une personne dans la fenêtre principale.</translation>
    </message>
    <message>
        <source>Tick at least one person to be reminded of first.</source>
        <translation>Cochez d’abord au moins une personne concernée.</translation>
    </message>
</context>
</TS>
