<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Calendar</name>
    <message>
        <source>Triple critical day: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double critical day: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Critical day: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A calendar event&apos;s summary, then whose critical day it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Critical rhythms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>born %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <extracomment>The first three members&apos; names, then how many more the group has.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best day for %1: group score %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartDocument</name>
    <message>
        <source>born %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>name, born date</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--chart needs a birth date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; after --chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--chart needs --output FILE.png|.svg|.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the strip leaves the calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--compat takes two birth dates and --json</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--critical needs a birth date DD.MM.YYYY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--rhythms takes letters of P,E,I,N,S,A, each once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--ics needs a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown or incomplete option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the days asked for run past the year 9999</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1|%2&apos; in %3 is no Name|DD.MM.YYYY entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--plan needs a birth date DD.MM.YYYY or --group FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; after --remind</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s) shown</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rorovovo: unable to write the output (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--help                 this text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--version              the program&apos;s version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--critical DD.MM.YYYY [--from DD.MM.YYYY] [--days N] [--rhythms P,E,I,N,S,A] [--json] [--ics FILE]
                         critical days of a birth date (from today, 90 days, all six rhythms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--chart DD.MM.YYYY [--name TEXT] [--from DD.MM.YYYY] [--days N] [--extra] --output FILE.png|.svg|.pdf
                         the chart as a picture or document, without a window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--compat DD.MM.YYYY DD.MM.YYYY [--json]
                         how well two people&apos;s rhythms match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--plan DD.MM.YYYY [DD.MM.YYYY ...] [--group FILE] [--from DD.MM.YYYY] [--days N] [--top K]
       [--rhythms P,E,I,N,S,A] [--json] [--csv FILE] [--ics FILE]
                         the best and worst days for a group (from today, 30 days, Physical,
                         Emotional and Intellectual)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--remind [--at-login]   one check of the reminders (Tools &gt; Reminders...): shows what is due and ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rorovovo: &apos;%1&apos; is not a valid date (DD.MM.YYYY)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rorovovo: %1 (try &apos;Rorovovo --help&apos;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: Rorovovo [option]
Without an option the program opens its window.

Options:
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CriticalKind</name>
    <message>
        <source>single</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>double</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>triple</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DayReading</name>
    <message>
        <source>, </source>
        <comment>between names</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 % %3</source>
        <extracomment>A rhythm, its percentage and which way it goes: &quot;Physical 87 % rising&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rising</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>falling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Critical: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only %1, %2 and %3 make a day double or triple.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Biorhythm Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw the physical, emotional and intellectual rhythms of a birth date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>biorhythm;rhythm;cycle;chart;birthday;zodiac;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw the biorhythm chart of a birth date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rorovovo draws a chart of the Physical (23 days), Emotional (28), Intellectual (33) and Intuitional (38) rhythms of a person from a name and a birth date, with the Spiritual (53) and Aesthetics (48) rhythms on request.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beside the chart it shows:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>today&apos;s day in each cycle with ring indicators</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the days lived, the age and the zodiac sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a short interpretation of today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personal profiles are kept in the user&apos;s own settings file; a list of celebrities comes with the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart of a profile with today&apos;s rhythms beside it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installs like any Linux program: a menu entry, settings in the user&apos;s home, and a command line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>draw the biorhythm chart of a birth date</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file name must end in .png, .svg or .pdf.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input/output error: unable to read %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no entry point rorovovo_extras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it belongs to another version of the program</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Indicator</name>
    <message>
        <source> Cycle going up </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Cycle going down </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Interpretation</name>
    <message>
        <source>If you have planned big physical activities for today, put them off until the day after tomorrow. It&apos;s a critical day, so relax and take it easy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Physically, you had a critical day yesterday. Give your body one more day before you take on anything strenuous.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your fitness and motivation are increasing. The couch potato days are behind you, so get moving!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your efficiency is high. Make good use of it and tackle whatever needs strength and stamina.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are in very good physical shape. Why not go for a jog or a long walk today?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give yourself a rest. Save your energy, you will need it over the next few days.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t exert yourself today! Better to relax now than to over-strain your body.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today you feel beaten and would rather lie down all day. If you can manage it, just do that.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your energy seems to be gone. You feel listless, so don&apos;t expect too much of yourself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You feel tired and drained. Avoid any exertion and let your body recover.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slowly your vitality is increasing. Help it along with some light exercise.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;re still not exactly full of beans. Be patient, your strength will soon be back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today your barometer of emotions is jumping from high to very low. It&apos;s a critical day, so take it easy: tomorrow is another day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are still some after-effects of yesterday. Better stay at home and put off that date until tomorrow.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You feel well and are in a good mood. And it&apos;s going to get even better!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are even-tempered and in an emotional balance. A good day to meet people.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are on an emotional &apos;high&apos; today. Getting on with others is easy and you are in great demand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You feel even-tempered and harmonious. Enjoy it while it lasts!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are unsure about your emotions. Sadly, all good things come to an end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inside you feel restlessness. You are unsure of your feelings and have doubts about yourself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emotional breakdown? No wonder, your feelings are pulling you up and down today.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You feel unsettled and restless. Better plan no affairs of the heart for the next few days.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;re nervous or unsure and feel empty inside. That&apos;s just how it is right now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You want to hide away in the furthest corner. Do so if you can, it&apos;s a bad day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back down, if you can. Avoid the people you have plans with, you won&apos;t make your best impression.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There will be light at the end of the tunnel! Still, staying in your shell is no fun.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now you can see the light at the end of the tunnel. The self-pity is over, one more hurdle to pass.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you have an exam today? It&apos;s a critical day and your mind may be a bit foggy, so check everything twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now it&apos;s getting better with your intellectual skills. Do the work that needs concentration within the next ten days.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your intellect and decision-making skills are admirable. Brain-twisters are no problem for you now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are quick at repartee and see everything clearly. Mistakes are spotted early.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can finish demanding tasks without great effort, and you&apos;re full of good ideas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thinking logical? No problem! Finish pending tasks now, before things get worse.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let&apos;s hope you&apos;ve finished all the difficult tasks, because today you could bungle them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can&apos;t concentrate today. Your thinking is muddy, so leave tricky work for later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are irresolute and don&apos;t know where to start. Just start anywhere!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The period of creativity is over. Your brain has gone into stand-by mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You spend these days without any plan or aim. Your reactions leave much to be desired, too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Making resolutions? Better leave that for later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Even if you haven&apos;t accomplished much lately, take it easy. Better days are coming.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you have to make important decisions, put them off for a few days. You will see more clearly then.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By the way: HAPPY BIRTHDAY!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The program speaks the chosen language from its next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error downloading file &quot;%1&quot; for version check.<byte value="xd"/>Please check your internet connection and/or firewall..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is a *new* version of this freeware available !<byte value="xd"/><byte value="xd"/>Please go to our freeware web page and download it,<byte value="xd"/>and replace the existing one by the new version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have the most recent version of this freeware..<byte value="xd"/>But keep checking, as this is updated regularly!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, but the &apos;Birthday Date&apos; you supplied is not a valid Date.<byte value="xd"/>Please go back and correct it...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name cannot contain the character &apos;|&apos;, which separates it from the date. Nothing was stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name is too long: a stored profile holds at most %1 characters of name. Nothing was stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name you are trying to add already exists on the database..</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PersonPanel</name>
    <message>
        <source>name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>year</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>No session bus: the desktop&apos;s notifications cannot be reached (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No notification service answers on the session bus (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The notification service did not take the reminder (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today: %1 critical day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tomorrow: %1 critical day</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>In %n day(s): %1 critical day</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 %3: %4</source>
        <extracomment>Whom, the weekday, the date and the critical rhythms: &quot;Ada, Monday 18.03.2024: Physical, Emotional&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders are on: a systemd user timer (%1) checks every day at %2, or at the next login when the computer was off then.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No systemd user instance could take a timer (%1), so the check runs each time you log in instead (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing could be set up to run the check (%1; %2). &apos;Rorovovo --remind&apos; still checks when run by hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Reminders show once the desktop has one; the calendar file does not need it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders are off; nothing runs the check any more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calendar file is up to date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 The reminders do not need it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calendar file was removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to remove %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders are off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders are off, but a schedule is still set up: &quot;Stop reminders&quot; removes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders are on: a systemd user timer checks every day at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders are on: the check runs each time you log in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders are on, but nothing runs the check: &quot;Remind me&quot; sets it up again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>systemctl --user %1 did not answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>systemctl --user %1 failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no systemctl on PATH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The timer could not be disabled (%1).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Rhythm</name>
    <message>
        <source>Physical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intuitional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spiritual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aesthetics</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>(no name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 to %3, page %4 of %5</source>
        <extracomment>The printed planner&apos;s heading: its title, the first and last day, the page.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SystemMenu</name>
    <message>
        <source>&amp;Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close	Alt+F4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Zodiac</name>
    <message>
        <source>aquarius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jan 20 ~ Feb 18</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pisces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feb 19 ~ Mar 20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mar 21 ~ Apr 19</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>taurus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apr 20 ~ May 20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gemini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May 21 ~ Jun 20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jun 21 ~ Jul 22</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>leo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jul 23 ~ Aug 22</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>virgo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aug 23 ~ Sep 22</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>libra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sep 23 ~ Oct 22</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scorpio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oct 23 ~ Nov 21</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sagittarius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nov 22 ~ Dec 21</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>capricorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dec 22 ~ Jan 19</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::RosterView</name>
    <message>
        <source>Roster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group score %1 (the lowest of the members&apos; scores)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A clear day: nobody has a critical day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A critical day for %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n member(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, born %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No critical rhythm</source>
        <extracomment>The rhythms critical that day, then the day&apos;s kind: &quot;Critical: Physical, Emotional (double day)&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Critical: %1 (%2 day)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TForm1</name>
    <message>
        <source> Biorhythms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add new profile...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete profile...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw biorhythms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw extra* rythms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Biorhythms interpretation...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Celebrity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save window&apos;s size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save window&apos;s position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark critical days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default rhythms to show...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Physical rhythm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emotional rhythm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intellectual rhythm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intuitional rhythm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spiritual rhythm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aesthetics rhytm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>Options &gt; Language: the language the desktop speaks.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Critical days...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compatibility...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planner...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save chart as...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print chart...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software news...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check new versions *</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donations...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day         of %1</source>
        <extracomment>The blanks leave room for the day box drawn over them.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 day</source>
        <comment>spoken name of a rhythm&apos;s cycle-day box</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>total days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add new</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zodiac</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> add new profile </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> draw biorhythm </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>draw bio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> about </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> help </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> close </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> select profile </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> biorhythm today&apos;s interpretation </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1 : %2 </source>
        <extracomment>The sign picture&apos;s hint: &quot; aquarius : Jan 20 ~ Feb 18 &quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     Rhythm&apos;s interpretation @  %1  -  for %2</source>
        <extracomment>The interpretation window&apos;s caption: today&apos;s date, then the name in the name box.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data file &apos;Cyclomat.dat&apos; with Celebrity names does not exist on path.<byte value="xd"/>Can&apos;t load extra data.. Get it from zip file, if you want it too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile &apos;%1&apos; is no longer in the settings file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile is shown, but the selection could not be remembered for the next start (no more reports of this in this run). %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chart</source>
        <comment>file name of a chart without a name</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save chart as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to print on %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormAbout</name>
    <message>
        <source>Freeware by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find your own personal Zavirir, all 4 curves. Add as many people as you want and check how everyone is doing for the day!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you like this program, do email me with feedback, ideas, suggestions or questions to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can also help the development, by _______ a few $$</source>
        <extracomment>The donation link below (&quot;donating &quot;) is laid over the blank, which stays seven underscores.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>donating </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormCompatibility</name>
    <message>
        <source>Compatibility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second person: pick or type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>type to search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mean of %1, %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>solid: first person, dashed: second person; today is the silver column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nobody drawn yet: draw a chart in the main window first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First person: %1, born %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormCritical</name>
    <message>
        <source>Critical days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Span</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Span:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rhythms:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Critical rhythms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next triple critical day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as calendar...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No biorhythm has been drawn yet. Draw a person&apos;s biorhythm in the main window, and their critical days will be listed here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Critical days for the birth date %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Critical days of %1, born %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today, %1, is a triple critical day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The next triple critical day, %1, is %n day(s) away.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The next triple critical day after the start date, %1, was %n day(s) ago.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 critical days</source>
        <comment>file name</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n critical day(s) saved to %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormEditor</name>
    <message>
        <source>Profile editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add new</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No profile is selected, so nothing was deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sure to delete  &apos;%1&apos;s&apos;  profile?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile &apos;%1&apos; is no longer in the settings file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormInterpret</name>
    <message>
        <source>     Rhythm&apos;s interpretation ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>physical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>emotional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>intellectual</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormPlanner</name>
    <message>
        <source>YYYY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Members</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add people:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>type to search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search profiles and celebrities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profiles and celebrities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &amp;selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add from file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import contacts...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> days</source>
        <comment>after the span&apos;s number</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Span in days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;pan:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rhythms:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worst days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Best days (nobody critical):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Worst days:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mor&amp;e days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save best days as calendar...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In view: %1 to %2 (the span: %3 to %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Celebrity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The planner holds at most %1 people.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Members (%1):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every day of the span is a critical day for someone: no best day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 left out: no valid birth date</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n (entry|entries)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>There is no group named &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; opened: %2%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n (person|people)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>; %1 without a valid birth date left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a name for the group first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; saved with %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the group &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add people from a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group files (*.txt *.dat);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 added from %2%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save group to file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group files (*.txt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 saved to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import birthdays from contacts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contacts (*.vcf *.vcard);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save roster as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> roster.pdf</source>
        <comment>file name after the group&apos;s</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to print on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save best days as calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> best days.ics</source>
        <comment>file name after the group&apos;s</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n best day(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Open file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a group file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormReminders</name>
    <message>
        <source>Reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>People</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;People to be reminded of:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The same day</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) before</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Single</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;How far ahead:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which days:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Time of day:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep a calendar file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remind me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No longer stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No profiles are stored yet: add a person in the main window first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick at least one person to be reminded of first.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
