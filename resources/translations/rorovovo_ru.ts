<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Calendar</name>
    <message>
        <source>Triple critical day: %1</source>
        <translation>Тройной критический день: %1</translation>
    </message>
    <message>
        <source>Double critical day: %1</source>
        <translation>Двойной критический день: %1</translation>
    </message>
    <message>
        <source>Critical day: %1</source>
        <translation>Критический день: %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A calendar event&apos;s summary, then whose critical day it is.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Birth date</source>
        <translation>Дата рождения</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Critical rhythms</source>
        <translation>Критические ритмы</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>born %1</source>
        <translation>род. %1</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <extracomment>The first three members&apos; names, then how many more the group has.</extracomment>
        <translation>%1 и ещё %2</translation>
    </message>
    <message>
        <source>Best day for %1: group score %2</source>
        <translation>Лучший день для %1: оценка группы %2</translation>
    </message>
</context>
<context>
    <name>ChartDocument</name>
    <message>
        <source>born %1</source>
        <translation>род. %1</translation>
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
        <translation>График</translation>
    </message>
    <message>
        <source>One row a day: its date, each rhythm&apos;s percentage and direction, and the rhythms critical that day</source>
        <translation>По строке на день: дата, процент и направление каждого ритма и ритмы, критические в этот день</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Критические</translation>
    </message>
    <message>
        <source>%1 % %2</source>
        <extracomment>A rhythm&apos;s cell of the chart&apos;s table: &quot;87 % rising&quot;.</extracomment>
        <translation>%1 % %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--chart needs a birth date</source>
        <translation>для --chart нужна дата рождения</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>для --output нужно имя файла</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; after --chart</source>
        <translation>лишний аргумент «%1» после --chart</translation>
    </message>
    <message>
        <source>--chart needs --output FILE.png|.svg|.pdf</source>
        <translation>для --chart нужен параметр --output ФАЙЛ.png|.svg|.pdf</translation>
    </message>
    <message>
        <source>the strip leaves the calendar</source>
        <translation>полоса графика выходит за пределы календаря</translation>
    </message>
    <message>
        <source>--compat takes two birth dates and --json</source>
        <translation>--compat принимает две даты рождения и --json</translation>
    </message>
    <message>
        <source>--critical needs a birth date DD.MM.YYYY</source>
        <translation>для --critical нужна дата рождения ДД.ММ.ГГГГ</translation>
    </message>
    <message>
        <source>--rhythms takes letters of P,E,I,N,S,A, each once</source>
        <translation>--rhythms принимает буквы из набора P,E,I,N,S,A, каждую не более одного раза</translation>
    </message>
    <message>
        <source>--ics needs a file name</source>
        <translation>для --ics нужно имя файла</translation>
    </message>
    <message>
        <source>unknown or incomplete option &apos;%1&apos;</source>
        <translation>неизвестный или неполный параметр «%1»</translation>
    </message>
    <message>
        <source>the days asked for run past the year 9999</source>
        <translation>запрошенные дни выходят за пределы 9999 года</translation>
    </message>
    <message>
        <source>&apos;%1|%2&apos; in %3 is no Name|DD.MM.YYYY entry</source>
        <translation>«%1|%2» в %3 — не запись вида Имя|ДД.ММ.ГГГГ</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>для %1 нужно имя файла</translation>
    </message>
    <message>
        <source>--plan needs a birth date DD.MM.YYYY or --group FILE</source>
        <translation>для --plan нужна дата рождения ДД.ММ.ГГГГ или --group ФАЙЛ</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; after --remind</source>
        <translation>лишний аргумент «%1» после --remind</translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s) shown</source>
        <translation>
            <numerusform>показано %n напоминание</numerusform>
            <numerusform>показано %n напоминания</numerusform>
            <numerusform>показано %n напоминаний</numerusform>
        </translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>неизвестный параметр «%1»</translation>
    </message>
    <message>
        <source>Rorovovo: unable to write the output (%1)</source>
        <translation>Rorovovo: не удалось записать результат (%1)</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>ошибка записи</translation>
    </message>
    <message>
        <source>--help                 this text</source>
        <translation>--help                 эта справка</translation>
    </message>
    <message>
        <source>--version              the program&apos;s version</source>
        <translation>--version              версия программы</translation>
    </message>
    <message>
        <source>--critical DD.MM.YYYY [--from DD.MM.YYYY] [--days N] [--rhythms P,E,I,N,S,A] [--json] [--ics FILE]
                         critical days of a birth date (from today, 90 days, all six rhythms)</source>
        <translation>--critical ДД.ММ.ГГГГ [--from ДД.ММ.ГГГГ] [--days N] [--rhythms P,E,I,N,S,A] [--json] [--ics ФАЙЛ]
                         критические дни для даты рождения (с сегодняшнего дня, 90 дней, все шесть ритмов)</translation>
    </message>
    <message>
        <source>--chart DD.MM.YYYY [--name TEXT] [--from DD.MM.YYYY] [--days N] [--extra] --output FILE.png|.svg|.pdf
                         the chart as a picture or document, without a window</source>
        <translation>--chart ДД.ММ.ГГГГ [--name ТЕКСТ] [--from ДД.ММ.ГГГГ] [--days N] [--extra] --output ФАЙЛ.png|.svg|.pdf
                         график в виде изображения или документа, без окна</translation>
    </message>
    <message>
        <source>--compat DD.MM.YYYY DD.MM.YYYY [--json]
                         how well two people&apos;s rhythms match</source>
        <translation>--compat ДД.ММ.ГГГГ ДД.ММ.ГГГГ [--json]
                         насколько совпадают ритмы двух людей</translation>
    </message>
    <message>
        <source>--plan DD.MM.YYYY [DD.MM.YYYY ...] [--group FILE] [--from DD.MM.YYYY] [--days N] [--top K]
       [--rhythms P,E,I,N,S,A] [--json] [--csv FILE] [--ics FILE]
                         the best and worst days for a group (from today, 30 days, Physical,
                         Emotional and Intellectual)</source>
        <translation>--plan ДД.ММ.ГГГГ [ДД.ММ.ГГГГ ...] [--group ФАЙЛ] [--from ДД.ММ.ГГГГ] [--days N] [--top K]
       [--rhythms P,E,I,N,S,A] [--json] [--csv ФАЙЛ] [--ics ФАЙЛ]
                         лучшие и худшие дни для группы (с сегодняшнего дня, 30 дней, ритмы
                         «Тело», «Эмоции» и «Интеллект»)</translation>
    </message>
    <message>
        <source>--remind [--at-login]   one check of the reminders (Tools &gt; Reminders...): shows what is due and ends</source>
        <translation>--remind [--at-login]   однократная проверка напоминаний (Сервис &gt; Напоминания...): показывает наступившие и завершает работу</translation>
    </message>
    <message>
        <source>Rorovovo: &apos;%1&apos; is not a valid date (DD.MM.YYYY)</source>
        <translation>Rorovovo: «%1» — недопустимая дата (ДД.ММ.ГГГГ)</translation>
    </message>
    <message>
        <source>Rorovovo: %1 (try &apos;Rorovovo --help&apos;)</source>
        <translation>Rorovovo: %1 (см. «Rorovovo --help»)</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 принимает целое число от %2 до %3</translation>
    </message>
    <message>
        <source>Usage: Rorovovo [option]
Without an option the program opens its window.

Options:
</source>
        <translation>Использование: Rorovovo [параметр]
Без параметров программа открывает своё окно.

Параметры:
</translation>
    </message>
</context>
<context>
    <name>CriticalKind</name>
    <message>
        <source>single</source>
        <translation>одиночный</translation>
    </message>
    <message>
        <source>double</source>
        <translation>двойной</translation>
    </message>
    <message>
        <source>triple</source>
        <translation>тройной</translation>
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
        <translation>на подъёме</translation>
    </message>
    <message>
        <source>falling</source>
        <translation>на спаде</translation>
    </message>
    <message>
        <source>Critical: %1</source>
        <translation>Критический день: %1</translation>
    </message>
    <message>
        <source>Only %1, %2 and %3 make a day double or triple.</source>
        <translation>Двойным или тройным день делают только ритмы «%1», «%2» и «%3».</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Biorhythm Chart</source>
        <translation>График биоритмов</translation>
    </message>
    <message>
        <source>Draw the physical, emotional and intellectual rhythms of a birth date</source>
        <translation>Построение физического, эмоционального и интеллектуального ритмов по дате рождения</translation>
    </message>
    <message>
        <source>biorhythm;rhythm;cycle;chart;birthday;zodiac;</source>
        <translation>биоритм;ритм;цикл;график;день рождения;зодиак;</translation>
    </message>
    <message>
        <source>Draw the biorhythm chart of a birth date</source>
        <translation>Построение графика биоритмов по дате рождения</translation>
    </message>
    <message>
        <source>Rorovovo draws a chart of the Physical (23 days), Emotional (28), Intellectual (33) and Intuitional (38) rhythms of a person from a name and a birth date, with the Spiritual (53) and Aesthetics (48) rhythms on request.</source>
        <translation>Rorovovo строит по имени и дате рождения график физического (23 дня), эмоционального (28), интеллектуального (33) и интуитивного (38) ритмов человека, а по желанию — также духовного (53) и эстетического (48).</translation>
    </message>
    <message>
        <source>Beside the chart it shows:</source>
        <translation>Рядом с графиком программа показывает:</translation>
    </message>
    <message>
        <source>today&apos;s day in each cycle with ring indicators</source>
        <translation>текущий день каждого цикла с кольцевыми индикаторами</translation>
    </message>
    <message>
        <source>the days lived, the age and the zodiac sign</source>
        <translation>число прожитых дней, возраст и знак зодиака</translation>
    </message>
    <message>
        <source>a short interpretation of today</source>
        <translation>краткую интерпретацию сегодняшнего дня</translation>
    </message>
    <message>
        <source>Personal profiles are kept in the user&apos;s own settings file; a list of celebrities comes with the program.</source>
        <translation>Личные профили хранятся в собственном файле настроек пользователя; список знаменитостей поставляется вместе с программой.</translation>
    </message>
    <message>
        <source>The chart of a profile with today&apos;s rhythms beside it</source>
        <translation>График профиля и ритмы на сегодня рядом с ним</translation>
    </message>
    <message>
        <source>Installs like any Linux program: a menu entry, settings in the user&apos;s home, and a command line.</source>
        <translation>Устанавливается как любая программа для Linux: пункт меню, настройки в домашнем каталоге пользователя и командная строка.</translation>
    </message>
    <message>
        <source>draw the biorhythm chart of a birth date</source>
        <translation>построить график биоритмов по дате рождения</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтверждение</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» — недопустимое целое число</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Ошибка проверки диапазона</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Не удалось записать в %1</translation>
    </message>
    <message>
        <source>Unable to write to %1 (%2)</source>
        <translation>Не удалось записать в %1 (%2)</translation>
    </message>
    <message>
        <source>The file name must end in .png, .svg or .pdf.</source>
        <translation>Имя файла должно оканчиваться на .png, .svg или .pdf.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>это папка</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>его размер больше %1 МБ</translation>
    </message>
    <message>
        <source>Input/output error: unable to read %1 (%2)</source>
        <translation>Ошибка ввода-вывода: не удалось прочитать %1 (%2)</translation>
    </message>
    <message>
        <source>Unable to load %1: %2</source>
        <translation>Не удалось загрузить %1: %2</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>файл отсутствует</translation>
    </message>
    <message>
        <source>it has no entry point rorovovo_extras</source>
        <translation>в нём нет точки входа rorovovo_extras</translation>
    </message>
    <message>
        <source>it belongs to another version of the program</source>
        <translation>он относится к другой версии программы</translation>
    </message>
</context>
<context>
    <name>Indicator</name>
    <message>
        <source> Cycle going up </source>
        <translation> Цикл на подъёме </translation>
    </message>
    <message>
        <source> Cycle going down </source>
        <translation> Цикл на спаде </translation>
    </message>
</context>
<context>
    <name>Interpretation</name>
    <message>
        <source>If you have planned big physical activities for today, put them off until the day after tomorrow. It&apos;s a critical day, so relax and take it easy.</source>
        <translation>Запланировали на сегодня серьёзные нагрузки? Перенесите их на послезавтра. День критический — отдохните и не торопитесь.</translation>
    </message>
    <message>
        <source>Physically, you had a critical day yesterday. Give your body one more day before you take on anything strenuous.</source>
        <translation>Вчера у вас был физически критический день. Дайте телу ещё денёк, прежде чем браться за что-то тяжёлое.</translation>
    </message>
    <message>
        <source>Your fitness and motivation are increasing. The couch potato days are behind you, so get moving!</source>
        <translation>Форма и мотивация растут. Дни на диване позади — пора двигаться!</translation>
    </message>
    <message>
        <source>Your efficiency is high. Make good use of it and tackle whatever needs strength and stamina.</source>
        <translation>Работоспособность на высоте. Пользуйтесь этим и беритесь за всё, что требует силы и выносливости.</translation>
    </message>
    <message>
        <source>You are in very good physical shape. Why not go for a jog or a long walk today?</source>
        <translation>Вы в отличной физической форме. Почему бы сегодня не пробежаться или не прогуляться подольше?</translation>
    </message>
    <message>
        <source>Give yourself a rest. Save your energy, you will need it over the next few days.</source>
        <translation>Дайте себе отдых. Поберегите силы — они пригодятся в ближайшие дни.</translation>
    </message>
    <message>
        <source>Don&apos;t exert yourself today! Better to relax now than to over-strain your body.</source>
        <translation>Не перенапрягайтесь сегодня! Лучше отдохнуть сейчас, чем перегрузить организм.</translation>
    </message>
    <message>
        <source>Today you feel beaten and would rather lie down all day. If you can manage it, just do that.</source>
        <translation>Сегодня сил нет, и хочется весь день пролежать. Если получится — так и сделайте.</translation>
    </message>
    <message>
        <source>Your energy seems to be gone. You feel listless, so don&apos;t expect too much of yourself.</source>
        <translation>Энергия словно иссякла, всё валится из рук. Не требуйте от себя слишком многого.</translation>
    </message>
    <message>
        <source>You feel tired and drained. Avoid any exertion and let your body recover.</source>
        <translation>Вы чувствуете усталость и опустошённость. Избегайте нагрузок и дайте организму восстановиться.</translation>
    </message>
    <message>
        <source>Slowly your vitality is increasing. Help it along with some light exercise.</source>
        <translation>Жизненные силы понемногу возвращаются. Помогите им лёгкой зарядкой.</translation>
    </message>
    <message>
        <source>You&apos;re still not exactly full of beans. Be patient, your strength will soon be back.</source>
        <translation>Бодрости пока маловато. Наберитесь терпения: силы скоро вернутся.</translation>
    </message>
    <message>
        <source>Today your barometer of emotions is jumping from high to very low. It&apos;s a critical day, so take it easy: tomorrow is another day.</source>
        <translation>Эмоциональный барометр сегодня скачет от «ясно» до «буря». День критический, не переживайте: завтра будет новый день.</translation>
    </message>
    <message>
        <source>There are still some after-effects of yesterday. Better stay at home and put off that date until tomorrow.</source>
        <translation>Вчерашний день ещё даёт о себе знать. Лучше побудьте дома и перенесите свидание на завтра.</translation>
    </message>
    <message>
        <source>You feel well and are in a good mood. And it&apos;s going to get even better!</source>
        <translation>Самочувствие и настроение хорошие. А дальше будет ещё лучше!</translation>
    </message>
    <message>
        <source>You are even-tempered and in an emotional balance. A good day to meet people.</source>
        <translation>Вы спокойны и эмоционально уравновешены. Хороший день для встреч с людьми.</translation>
    </message>
    <message>
        <source>You are on an emotional &apos;high&apos; today. Getting on with others is easy and you are in great demand.</source>
        <translation>Сегодня вы на эмоциональном подъёме. С людьми легко найти общий язык, и вы нарасхват.</translation>
    </message>
    <message>
        <source>You feel even-tempered and harmonious. Enjoy it while it lasts!</source>
        <translation>Вы спокойны, на душе гармония. Наслаждайтесь, пока это длится!</translation>
    </message>
    <message>
        <source>You are unsure about your emotions. Sadly, all good things come to an end.</source>
        <translation>Вы не уверены в своих чувствах. Увы, всё хорошее когда-нибудь кончается.</translation>
    </message>
    <message>
        <source>Inside you feel restlessness. You are unsure of your feelings and have doubts about yourself.</source>
        <translation>На душе неспокойно. Вы не уверены в своих чувствах и сомневаетесь в себе.</translation>
    </message>
    <message>
        <source>Emotional breakdown? No wonder, your feelings are pulling you up and down today.</source>
        <translation>Эмоциональный срыв? Неудивительно: сегодня чувства бросают вас из крайности в крайность.</translation>
    </message>
    <message>
        <source>You feel unsettled and restless. Better plan no affairs of the heart for the next few days.</source>
        <translation>Вам тревожно и неспокойно. В ближайшие дни лучше не планировать сердечных дел.</translation>
    </message>
    <message>
        <source>You&apos;re nervous or unsure and feel empty inside. That&apos;s just how it is right now.</source>
        <translation>Вы нервничаете или не уверены в себе, внутри пустота. Сейчас просто такой период.</translation>
    </message>
    <message>
        <source>You want to hide away in the furthest corner. Do so if you can, it&apos;s a bad day.</source>
        <translation>Хочется забиться в самый дальний угол. Если можете — так и сделайте, день неудачный.</translation>
    </message>
    <message>
        <source>Back down, if you can. Avoid the people you have plans with, you won&apos;t make your best impression.</source>
        <translation>По возможности отступите. Избегайте тех, с кем у вас планы: лучшего впечатления вы сейчас не произведёте.</translation>
    </message>
    <message>
        <source>There will be light at the end of the tunnel! Still, staying in your shell is no fun.</source>
        <translation>Свет в конце тоннеля будет! И всё же сидеть в своей скорлупе невесело.</translation>
    </message>
    <message>
        <source>Now you can see the light at the end of the tunnel. The self-pity is over, one more hurdle to pass.</source>
        <translation>Вот уже виден свет в конце тоннеля. Жалость к себе позади, осталось одно препятствие.</translation>
    </message>
    <message>
        <source>Do you have an exam today? It&apos;s a critical day and your mind may be a bit foggy, so check everything twice.</source>
        <translation>Сегодня экзамен? День критический, в голове может быть туман, так что всё перепроверяйте.</translation>
    </message>
    <message>
        <source>Now it&apos;s getting better with your intellectual skills. Do the work that needs concentration within the next ten days.</source>
        <translation>Умственные способности идут в гору. Работу, требующую сосредоточенности, сделайте в ближайшие десять дней.</translation>
    </message>
    <message>
        <source>Your intellect and decision-making skills are admirable. Brain-twisters are no problem for you now.</source>
        <translation>Ум и умение принимать решения у вас сейчас на зависть. Головоломки вам нипочём.</translation>
    </message>
    <message>
        <source>You are quick at repartee and see everything clearly. Mistakes are spotted early.</source>
        <translation>Вы за словом в карман не лезете и всё видите ясно. Ошибки замечаете сразу.</translation>
    </message>
    <message>
        <source>You can finish demanding tasks without great effort, and you&apos;re full of good ideas.</source>
        <translation>Сложные задачи даются без особых усилий, а хороших идей — хоть отбавляй.</translation>
    </message>
    <message>
        <source>Thinking logical? No problem! Finish pending tasks now, before things get worse.</source>
        <translation>Мыслить логически? Не проблема! Завершите начатые дела сейчас, пока не стало хуже.</translation>
    </message>
    <message>
        <source>Let&apos;s hope you&apos;ve finished all the difficult tasks, because today you could bungle them.</source>
        <translation>Будем надеяться, что все сложные задачи уже позади: сегодня их легко провалить.</translation>
    </message>
    <message>
        <source>You can&apos;t concentrate today. Your thinking is muddy, so leave tricky work for later.</source>
        <translation>Сегодня трудно сосредоточиться, мысли путаются. Отложите сложную работу на потом.</translation>
    </message>
    <message>
        <source>You are irresolute and don&apos;t know where to start. Just start anywhere!</source>
        <translation>Вы в нерешительности и не знаете, с чего начать. Начните с чего угодно!</translation>
    </message>
    <message>
        <source>The period of creativity is over. Your brain has gone into stand-by mode.</source>
        <translation>Творческий период закончился. Мозг перешёл в режим ожидания.</translation>
    </message>
    <message>
        <source>You spend these days without any plan or aim. Your reactions leave much to be desired, too.</source>
        <translation>Эти дни проходят без плана и цели. Да и реакция оставляет желать лучшего.</translation>
    </message>
    <message>
        <source>Making resolutions? Better leave that for later.</source>
        <translation>Принимать решения? Лучше отложите это на потом.</translation>
    </message>
    <message>
        <source>Even if you haven&apos;t accomplished much lately, take it easy. Better days are coming.</source>
        <translation>Даже если в последнее время сделано немного, не расстраивайтесь. Впереди дни получше.</translation>
    </message>
    <message>
        <source>If you have to make important decisions, put them off for a few days. You will see more clearly then.</source>
        <translation>Если предстоят важные решения, отложите их на несколько дней. Тогда всё станет яснее.</translation>
    </message>
    <message>
        <source>By the way: HAPPY BIRTHDAY!</source>
        <translation>И кстати: С ДНЁМ РОЖДЕНИЯ!</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The program speaks the chosen language from its next start.</source>
        <translation>Выбранный язык будет применён при следующем запуске программы.</translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation>Файл справки не найден</translation>
    </message>
    <message>
        <source>Error downloading file &quot;%1&quot; for version check.<byte value="xd"/>Please check your internet connection and/or firewall..</source>
        <translation>Не удалось загрузить файл «%1» для проверки версии.<byte value="xd"/>Проверьте подключение к интернету и настройки брандмауэра.</translation>
    </message>
    <message>
        <source>There is a *new* version of this freeware available !<byte value="xd"/><byte value="xd"/>Please go to our freeware web page and download it,<byte value="xd"/>and replace the existing one by the new version.</source>
        <translation>Доступна *новая* версия этой бесплатной программы!<byte value="xd"/><byte value="xd"/>Загрузите её с нашей веб-страницы<byte value="xd"/>и замените ею установленную версию.</translation>
    </message>
    <message>
        <source>You have the most recent version of this freeware..<byte value="xd"/>But keep checking, as this is updated regularly!</source>
        <translation>У вас самая свежая версия этой бесплатной программы.<byte value="xd"/>Но проверяйте и дальше: обновления выходят регулярно!</translation>
    </message>
    <message>
        <source>Sorry, but the &apos;Birthday Date&apos; you supplied is not a valid Date.<byte value="xd"/>Please go back and correct it...</source>
        <translation>К сожалению, указанная дата рождения недопустима.<byte value="xd"/>Вернитесь и исправьте её.</translation>
    </message>
    <message>
        <source>A name cannot contain the character &apos;|&apos;, which separates it from the date. Nothing was stored.</source>
        <translation>Имя не может содержать символ «|»: он отделяет имя от даты. Ничего не сохранено.</translation>
    </message>
    <message>
        <source>The name is too long: a stored profile holds at most %1 characters of name. Nothing was stored.</source>
        <translation>Имя слишком длинное: в профиле можно сохранить не более %1 символов имени. Ничего не сохранено.</translation>
    </message>
    <message>
        <source>The name you are trying to add already exists on the database..</source>
        <translation>Такое имя уже есть в базе.</translation>
    </message>
</context>
<context>
    <name>PersonPanel</name>
    <message>
        <source>name</source>
        <translation>имя</translation>
    </message>
    <message>
        <source>day</source>
        <translation>дн.</translation>
    </message>
    <message>
        <source>month</source>
        <translation>мес.</translation>
    </message>
    <message>
        <source>year</source>
        <translation>год</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>No session bus: the desktop&apos;s notifications cannot be reached (%1).</source>
        <translation>Нет сеансовой шины: уведомления рабочего стола недоступны (%1).</translation>
    </message>
    <message>
        <source>No notification service answers on the session bus (%1).</source>
        <translation>На сеансовой шине не отвечает ни одна служба уведомлений (%1).</translation>
    </message>
    <message>
        <source>The notification service did not take the reminder (%1).</source>
        <translation>Служба уведомлений не приняла напоминание (%1).</translation>
    </message>
    <message>
        <source>Today: %1 critical day</source>
        <translation>Сегодня: %1 критический день</translation>
    </message>
    <message>
        <source>Tomorrow: %1 critical day</source>
        <translation>Завтра: %1 критический день</translation>
    </message>
    <message numerus="yes">
        <source>In %n day(s): %1 critical day</source>
        <translation>
            <numerusform>Через %n день: %1 критический день</numerusform>
            <numerusform>Через %n дня: %1 критический день</numerusform>
            <numerusform>Через %n дней: %1 критический день</numerusform>
        </translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>суббота</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>воскресенье</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>понедельник</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>вторник</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>среда</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>четверг</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>пятница</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>Род. %1</translation>
    </message>
    <message>
        <source>%1, %2 %3: %4</source>
        <extracomment>Whom, the weekday, the date and the critical rhythms: &quot;Ada, Monday 18.03.2024: Physical, Emotional&quot;.</extracomment>
        <translation>%1, %2, %3: %4</translation>
    </message>
    <message>
        <source>%1 Nothing was changed.</source>
        <translation>%1 Ничего не изменено.</translation>
    </message>
    <message>
        <source>Reminders are on: a systemd user timer (%1) checks every day at %2, or at the next login when the computer was off then.</source>
        <translation>Напоминания включены: пользовательский таймер systemd (%1) проверяет каждый день в %2, а если компьютер был в это время выключен — при следующем входе в систему.</translation>
    </message>
    <message>
        <source>No systemd user instance could take a timer (%1), so the check runs each time you log in instead (%2).</source>
        <translation>Пользовательский экземпляр systemd не смог принять таймер (%1), поэтому проверка будет выполняться при каждом входе в систему (%2).</translation>
    </message>
    <message>
        <source>Nothing could be set up to run the check (%1; %2). &apos;Rorovovo --remind&apos; still checks when run by hand.</source>
        <translation>Не удалось настроить запуск проверки (%1; %2). Команда «Rorovovo --remind» по-прежнему проверяет напоминания при запуске вручную.</translation>
    </message>
    <message>
        <source>%1 Reminders show once the desktop has one; the calendar file does not need it.</source>
        <translation>%1 Напоминания появятся, когда в среде рабочего стола будет служба уведомлений; файлу календаря она не нужна.</translation>
    </message>
    <message>
        <source>Reminders are off; nothing runs the check any more.</source>
        <translation>Напоминания отключены; проверка больше не запускается.</translation>
    </message>
    <message>
        <source>The calendar file is up to date.</source>
        <translation>Файл календаря обновлён.</translation>
    </message>
    <message>
        <source>%1 The reminders do not need it.</source>
        <translation>%1 Для напоминаний он не нужен.</translation>
    </message>
    <message>
        <source>The calendar file was removed.</source>
        <translation>Файл календаря удалён.</translation>
    </message>
    <message>
        <source>Unable to remove %1.</source>
        <translation>Не удалось удалить %1.</translation>
    </message>
    <message>
        <source>Reminders are off.</source>
        <translation>Напоминания отключены.</translation>
    </message>
    <message>
        <source>Reminders are off, but a schedule is still set up: &quot;Stop reminders&quot; removes it.</source>
        <translation>Напоминания отключены, но расписание ещё настроено: кнопка «Отключить напоминания» удалит его.</translation>
    </message>
    <message>
        <source>Reminders are on: a systemd user timer checks every day at %1.</source>
        <translation>Напоминания включены: пользовательский таймер systemd проверяет каждый день в %1.</translation>
    </message>
    <message>
        <source>Reminders are on: the check runs each time you log in.</source>
        <translation>Напоминания включены: проверка выполняется при каждом входе в систему.</translation>
    </message>
    <message>
        <source>Reminders are on, but nothing runs the check: &quot;Remind me&quot; sets it up again.</source>
        <translation>Напоминания включены, но проверка не запускается: кнопка «Включить напоминания» настроит её заново.</translation>
    </message>
    <message>
        <source>systemctl --user %1 did not answer</source>
        <translation>systemctl --user %1 не ответил</translation>
    </message>
    <message>
        <source>systemctl --user %1 failed</source>
        <translation>ошибка systemctl --user %1</translation>
    </message>
    <message>
        <source>no systemctl on PATH</source>
        <translation>systemctl не найден в PATH</translation>
    </message>
    <message>
        <source>The timer could not be disabled (%1).</source>
        <translation>Не удалось отключить таймер (%1).</translation>
    </message>
</context>
<context>
    <name>Rhythm</name>
    <message>
        <source>Physical</source>
        <translation>Тело</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Эмоции</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Интеллект</translation>
    </message>
    <message>
        <source>Intuitional</source>
        <translation>Интуиция</translation>
    </message>
    <message>
        <source>Spiritual</source>
        <translation>Дух</translation>
    </message>
    <message>
        <source>Aesthetics</source>
        <translation>Эстетика</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>(no name)</source>
        <translation>(без имени)</translation>
    </message>
    <message>
        <source>%1: %2 to %3, page %4 of %5</source>
        <extracomment>The printed planner&apos;s heading: its title, the first and last day, the page.</extracomment>
        <translation>%1: с %2 по %3, страница %4 из %5</translation>
    </message>
</context>
<context>
    <name>SystemMenu</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Восстановить</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Переместить</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Размер</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>&amp;Свернуть</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Р&amp;азвернуть</translation>
    </message>
    <message>
        <source>&amp;Close	Alt+F4</source>
        <translation>&amp;Закрыть	Alt+F4</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
</context>
<context>
    <name>Zodiac</name>
    <message>
        <source>aquarius</source>
        <translation>водолей</translation>
    </message>
    <message>
        <source>Jan 20 ~ Feb 18</source>
        <translation>20 января – 18 февраля</translation>
    </message>
    <message>
        <source>pisces</source>
        <translation>рыбы</translation>
    </message>
    <message>
        <source>Feb 19 ~ Mar 20</source>
        <translation>19 февраля – 20 марта</translation>
    </message>
    <message>
        <source>aries</source>
        <translation>овен</translation>
    </message>
    <message>
        <source>Mar 21 ~ Apr 19</source>
        <translation>21 марта – 19 апреля</translation>
    </message>
    <message>
        <source>taurus</source>
        <translation>телец</translation>
    </message>
    <message>
        <source>Apr 20 ~ May 20</source>
        <translation>20 апреля – 20 мая</translation>
    </message>
    <message>
        <source>gemini</source>
        <translation>близнецы</translation>
    </message>
    <message>
        <source>May 21 ~ Jun 20</source>
        <translation>21 мая – 20 июня</translation>
    </message>
    <message>
        <source>cancer</source>
        <translation>рак</translation>
    </message>
    <message>
        <source>Jun 21 ~ Jul 22</source>
        <translation>21 июня – 22 июля</translation>
    </message>
    <message>
        <source>leo</source>
        <translation>лев</translation>
    </message>
    <message>
        <source>Jul 23 ~ Aug 22</source>
        <translation>23 июля – 22 августа</translation>
    </message>
    <message>
        <source>virgo</source>
        <translation>дева</translation>
    </message>
    <message>
        <source>Aug 23 ~ Sep 22</source>
        <translation>23 августа – 22 сентября</translation>
    </message>
    <message>
        <source>libra</source>
        <translation>весы</translation>
    </message>
    <message>
        <source>Sep 23 ~ Oct 22</source>
        <translation>23 сентября – 22 октября</translation>
    </message>
    <message>
        <source>scorpio</source>
        <translation>скорпион</translation>
    </message>
    <message>
        <source>Oct 23 ~ Nov 21</source>
        <translation>23 октября – 21 ноября</translation>
    </message>
    <message>
        <source>sagittarius</source>
        <translation>стрелец</translation>
    </message>
    <message>
        <source>Nov 22 ~ Dec 21</source>
        <translation>22 ноября – 21 декабря</translation>
    </message>
    <message>
        <source>capricorn</source>
        <translation>козерог</translation>
    </message>
    <message>
        <source>Dec 22 ~ Jan 19</source>
        <translation>22 декабря – 19 января</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::RosterView</name>
    <message>
        <source>Roster</source>
        <translation>Сводка</translation>
    </message>
    <message>
        <source>Group score %1 (the lowest of the members&apos; scores)</source>
        <translation>Оценка группы: %1 (наименьшая из оценок участников)</translation>
    </message>
    <message>
        <source>A clear day: nobody has a critical day</source>
        <translation>Спокойный день: ни у кого нет критического дня</translation>
    </message>
    <message>
        <source>A critical day for %1 of %2</source>
        <translation>Критический день у %1 из %2</translation>
    </message>
    <message numerus="yes">
        <source>%n member(s)</source>
        <translation>
            <numerusform>%n участника</numerusform>
            <numerusform>%n участников</numerusform>
            <numerusform>%n участников</numerusform>
        </translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(без имени)</translation>
    </message>
    <message>
        <source>%1, born %2</source>
        <translation>%1, род. %2</translation>
    </message>
    <message>
        <source>No critical rhythm</source>
        <extracomment>The rhythms critical that day, then the day&apos;s kind: &quot;Critical: Physical, Emotional (double day)&quot;.</extracomment>
        <translation>Нет критических ритмов</translation>
    </message>
    <message>
        <source>Critical: %1 (%2 day)</source>
        <translation>Критический день: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TForm1</name>
    <message>
        <source> Biorhythms</source>
        <translation> Биоритмы</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Программа</translation>
    </message>
    <message>
        <source>Add new profile...</source>
        <translation>Новый профиль...</translation>
    </message>
    <message>
        <source>Delete profile...</source>
        <translation>Удалить профиль...</translation>
    </message>
    <message>
        <source>Draw biorhythms</source>
        <translation>Построить биоритмы</translation>
    </message>
    <message>
        <source>Draw extra* rythms</source>
        <translation>Построить дополнительные* ритмы</translation>
    </message>
    <message>
        <source>Biorhythms interpretation...</source>
        <translation>Интерпретация биоритмов...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Профили</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Личные</translation>
    </message>
    <message>
        <source>Celebrity</source>
        <translation>Знаменитости</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Save window&apos;s size</source>
        <translation>Запоминать размер окна</translation>
    </message>
    <message>
        <source>Save window&apos;s position</source>
        <translation>Запоминать положение окна</translation>
    </message>
    <message>
        <source>Mark critical days</source>
        <translation>Отмечать критические дни</translation>
    </message>
    <message>
        <source>Default rhythms to show...</source>
        <translation>Ритмы по умолчанию...</translation>
    </message>
    <message>
        <source>Physical rhythm</source>
        <translation>Физический ритм</translation>
    </message>
    <message>
        <source>Emotional rhythm</source>
        <translation>Эмоциональный ритм</translation>
    </message>
    <message>
        <source>Intellectual rhythm</source>
        <translation>Интеллектуальный ритм</translation>
    </message>
    <message>
        <source>Intuitional rhythm</source>
        <translation>Интуитивный ритм</translation>
    </message>
    <message>
        <source>Spiritual rhythm</source>
        <translation>Духовный ритм</translation>
    </message>
    <message>
        <source>Aesthetics rhytm</source>
        <translation>Эстетический ритм</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>Options &gt; Language: the language the desktop speaks.</extracomment>
        <translation>Системный</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Сервис</translation>
    </message>
    <message>
        <source>Critical days...</source>
        <translation>Критические дни...</translation>
    </message>
    <message>
        <source>Compatibility...</source>
        <translation>Совместимость...</translation>
    </message>
    <message>
        <source>Planner...</source>
        <translation>Планировщик...</translation>
    </message>
    <message>
        <source>Save chart as...</source>
        <translation>Сохранить график как...</translation>
    </message>
    <message>
        <source>Print chart...</source>
        <translation>Печать графика...</translation>
    </message>
    <message>
        <source>Reminders...</source>
        <translation>Напоминания...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Справка...</translation>
    </message>
    <message>
        <source>Software news...</source>
        <translation>Новости программы...</translation>
    </message>
    <message>
        <source>Check new versions *</source>
        <translation>Проверить обновления *</translation>
    </message>
    <message>
        <source>Donations...</source>
        <translation>Пожертвования...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>О программе...</translation>
    </message>
    <message>
        <source>Day         of %1</source>
        <extracomment>The blanks leave room for the day box drawn over them.</extracomment>
        <translation>Дн.         из %1</translation>
    </message>
    <message>
        <source>%1 day</source>
        <comment>spoken name of a rhythm&apos;s cycle-day box</comment>
        <translation>%1: день цикла</translation>
    </message>
    <message>
        <source>total days</source>
        <translation>всего дней</translation>
    </message>
    <message>
        <source>years</source>
        <translation>возраст</translation>
    </message>
    <message>
        <source>add new</source>
        <translation>добавить</translation>
    </message>
    <message>
        <source>zodiac</source>
        <translation>зодиак</translation>
    </message>
    <message>
        <source> add new profile </source>
        <translation> новый профиль </translation>
    </message>
    <message>
        <source> draw biorhythm </source>
        <translation> построить биоритмы </translation>
    </message>
    <message>
        <source>draw bio</source>
        <translation>график</translation>
    </message>
    <message>
        <source> about </source>
        <translation> о программе </translation>
    </message>
    <message>
        <source> help </source>
        <translation> справка </translation>
    </message>
    <message>
        <source> close </source>
        <translation> закрыть </translation>
    </message>
    <message>
        <source> select profile </source>
        <translation> выбор профиля </translation>
    </message>
    <message>
        <source> biorhythm today&apos;s interpretation </source>
        <translation> интерпретация биоритмов на сегодня </translation>
    </message>
    <message>
        <source>name</source>
        <translation>имя</translation>
    </message>
    <message>
        <source>day</source>
        <translation>день</translation>
    </message>
    <message>
        <source>month</source>
        <translation>месяц</translation>
    </message>
    <message>
        <source>year</source>
        <translation>год</translation>
    </message>
    <message>
        <source>profile</source>
        <translation>профиль</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;О программе...</translation>
    </message>
    <message>
        <source> %1 : %2 </source>
        <extracomment>The sign picture&apos;s hint: &quot; aquarius : Jan 20 ~ Feb 18 &quot;.</extracomment>
        <translation> %1: %2 </translation>
    </message>
    <message>
        <source>     Rhythm&apos;s interpretation @  %1  -  for %2</source>
        <extracomment>The interpretation window&apos;s caption: today&apos;s date, then the name in the name box.</extracomment>
        <translation>     Интерпретация ритмов на %1 — %2</translation>
    </message>
    <message>
        <source>Data file &apos;Cyclomat.dat&apos; with Celebrity names does not exist on path.<byte value="xd"/>Can&apos;t load extra data.. Get it from zip file, if you want it too.</source>
        <translation>Файл данных «Cyclomat.dat» с именами знаменитостей не найден.<byte value="xd"/>Дополнительные данные не загружены. Если они нужны, возьмите файл из zip-архива.</translation>
    </message>
    <message>
        <source>The profile &apos;%1&apos; is no longer in the settings file.</source>
        <translation>Профиля «%1» больше нет в файле настроек.</translation>
    </message>
    <message>
        <source>The profile is shown, but the selection could not be remembered for the next start (no more reports of this in this run). %1</source>
        <translation>Профиль показан, но запомнить выбор до следующего запуска не удалось (до конца сеанса это сообщение больше не появится). %1</translation>
    </message>
    <message>
        <source>chart</source>
        <comment>file name of a chart without a name</comment>
        <translation>график</translation>
    </message>
    <message>
        <source>Save chart as</source>
        <translation>Сохранить график как</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)</source>
        <translation>Изображение PNG (*.png);;Рисунок SVG (*.svg);;Документ PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Unable to print on %1</source>
        <translation>Не удалось напечатать на принтере %1</translation>
    </message>
    <message>
        <source>Dark chart</source>
        <translation>Тёмный график</translation>
    </message>
    <message>
        <source>Colour-blind-safe colours</source>
        <translation>Цвета для дальтоников</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormAbout</name>
    <message>
        <source>Freeware by</source>
        <translation>Бесплатно от</translation>
    </message>
    <message>
        <source>Find your own personal Zavirir, all 4 curves. Add as many people as you want and check how everyone is doing for the day!</source>
        <translation>Узнайте свой личный Zavirir — все 4 кривые. Добавляйте сколько угодно людей и смотрите, как у каждого складывается день!</translation>
    </message>
    <message>
        <source>If you like this program, do email me with feedback, ideas, suggestions or questions to</source>
        <translation>Если вам нравится программа, присылайте отзывы, идеи, предложения и вопросы по адресу</translation>
    </message>
    <message>
        <source>You can also help the development, by _______ a few $$</source>
        <extracomment>The donation link below (&quot;donating &quot;) is laid over the blank, which stays seven underscores.</extracomment>
        <translation>Вы также можете помочь проекту, _______ пару $$</translation>
    </message>
    <message>
        <source>donating </source>
        <translation>пожертвовав </translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormCompatibility</name>
    <message>
        <source>Compatibility</source>
        <translation>Совместимость</translation>
    </message>
    <message>
        <source>Second person: pick or type</source>
        <translation>Второй человек: выберите или введите</translation>
    </message>
    <message>
        <source>type to search</source>
        <translation>введите для поиска</translation>
    </message>
    <message>
        <source>compare</source>
        <translation>сравнить</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Итого</translation>
    </message>
    <message>
        <source>mean of %1, %2, %3</source>
        <translation>среднее: %1, %2, %3</translation>
    </message>
    <message>
        <source>solid: first person, dashed: second person; today is the silver column</source>
        <translation>сплошная — первый человек, пунктир — второй; сегодня — серебристый столбец</translation>
    </message>
    <message>
        <source>Nobody drawn yet: draw a chart in the main window first.</source>
        <translation>Пока никого нет: сначала постройте график в главном окне.</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(без имени)</translation>
    </message>
    <message>
        <source>First person: %1, born %2</source>
        <translation>Первый человек: %1, род. %2</translation>
    </message>
    <message>
        <source>Search profiles and celebrities</source>
        <translation>Поиск профилей и знаменитостей</translation>
    </message>
    <message>
        <source>Profiles and celebrities</source>
        <translation>Профили и знаменитости</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormCritical</name>
    <message>
        <source>Critical days</source>
        <translation>Критические дни</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Дата начала</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Начиная с:</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n день</numerusform>
            <numerusform>%n дня</numerusform>
            <numerusform>%n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>Span</source>
        <translation>Период</translation>
    </message>
    <message>
        <source>&amp;Span:</source>
        <translation>&amp;Период:</translation>
    </message>
    <message>
        <source>Rhythms:</source>
        <translation>Ритмы:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Critical rhythms</source>
        <translation>Критические ритмы</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Next triple critical day</source>
        <translation>Следующий тройной день</translation>
    </message>
    <message>
        <source>Save as calendar...</source>
        <translation>Сохранить как календарь...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>No biorhythm has been drawn yet. Draw a person&apos;s biorhythm in the main window, and their critical days will be listed here.</source>
        <translation>Биоритмы ещё не построены. Постройте биоритмы человека в главном окне, и здесь появится список его критических дней.</translation>
    </message>
    <message>
        <source>Critical days for the birth date %1</source>
        <translation>Критические дни для даты рождения %1</translation>
    </message>
    <message>
        <source>Critical days of %1, born %2</source>
        <translation>Критические дни: %1, род. %2</translation>
    </message>
    <message>
        <source>Today, %1, is a triple critical day.</source>
        <translation>Сегодня, %1, — тройной критический день.</translation>
    </message>
    <message numerus="yes">
        <source>The next triple critical day, %1, is %n day(s) away.</source>
        <translation>
            <numerusform>Следующий тройной критический день — %1, через %n день.</numerusform>
            <numerusform>Следующий тройной критический день — %1, через %n дня.</numerusform>
            <numerusform>Следующий тройной критический день — %1, через %n дней.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The next triple critical day after the start date, %1, was %n day(s) ago.</source>
        <translation>
            <numerusform>Первый тройной критический день после начальной даты — %1, %n день назад.</numerusform>
            <numerusform>Первый тройной критический день после начальной даты — %1, %n дня назад.</numerusform>
            <numerusform>Первый тройной критический день после начальной даты — %1, %n дней назад.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 critical days</source>
        <comment>file name</comment>
        <translation>Критические дни %1</translation>
    </message>
    <message>
        <source>Save as calendar</source>
        <translation>Сохранить как календарь</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>Файлы iCalendar (*.ics);;Все файлы (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n critical day(s) saved to %1</source>
        <translation>
            <numerusform>%n критический день сохранён в %1</numerusform>
            <numerusform>%n критических дня сохранены в %1</numerusform>
            <numerusform>%n критических дней сохранено в %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormEditor</name>
    <message>
        <source>Profile editor</source>
        <translation>Редактор профилей</translation>
    </message>
    <message>
        <source>add new</source>
        <translation>добавить</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>удалить</translation>
    </message>
    <message>
        <source>No profile is selected, so nothing was deleted.</source>
        <translation>Профиль не выбран, ничего не удалено.</translation>
    </message>
    <message>
        <source>Sure to delete  &apos;%1&apos;s&apos;  profile?</source>
        <translation>Удалить профиль «%1»?</translation>
    </message>
    <message>
        <source>The profile &apos;%1&apos; is no longer in the settings file.</source>
        <translation>Профиля «%1» больше нет в файле настроек.</translation>
    </message>
    <message>
        <source>profile</source>
        <translation>профиль</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormInterpret</name>
    <message>
        <source>     Rhythm&apos;s interpretation ...</source>
        <translation>     Интерпретация ритмов...</translation>
    </message>
    <message>
        <source>physical</source>
        <translation>тело</translation>
    </message>
    <message>
        <source>emotional</source>
        <translation>эмоции</translation>
    </message>
    <message>
        <source>intellectual</source>
        <translation>интеллект</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormPlanner</name>
    <message>
        <source>YYYY</source>
        <translation>ГГГГ</translation>
    </message>
    <message>
        <source>DD</source>
        <translation>ДД</translation>
    </message>
    <message>
        <source>MM</source>
        <translation>ММ</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Оценка</translation>
    </message>
    <message>
        <source>Planner</source>
        <translation>Планировщик</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Участники</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Уб&amp;рать</translation>
    </message>
    <message>
        <source>Remove all</source>
        <translation>Убрать всех</translation>
    </message>
    <message>
        <source>&amp;Add people:</source>
        <translation>Добавить л&amp;юдей:</translation>
    </message>
    <message>
        <source>type to search</source>
        <translation>введите для поиска</translation>
    </message>
    <message>
        <source>Search profiles and celebrities</source>
        <translation>Поиск профилей и знаменитостей</translation>
    </message>
    <message>
        <source>Profiles and celebrities</source>
        <translation>Профили и знаменитости</translation>
    </message>
    <message>
        <source>Add &amp;selected</source>
        <translation>Добавить &amp;выбранных</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>День</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Месяц</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Год</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>Доб&amp;авить</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Группа:</translation>
    </message>
    <message>
        <source>Group name</source>
        <translation>Название группы</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Add from file...</source>
        <translation>Добавить из файла...</translation>
    </message>
    <message>
        <source>Save to file...</source>
        <translation>Сохранить в файл...</translation>
    </message>
    <message>
        <source>Import contacts...</source>
        <translation>Импорт контактов...</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Имя:</translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation>&amp;Дата:</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Дата начала</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Начиная с:</translation>
    </message>
    <message>
        <source> days</source>
        <comment>after the span&apos;s number</comment>
        <translation> дн.</translation>
    </message>
    <message>
        <source>Span in days</source>
        <translation>Период в днях</translation>
    </message>
    <message>
        <source>S&amp;pan:</source>
        <translation>&amp;Период:</translation>
    </message>
    <message>
        <source>Rhythms:</source>
        <translation>Ритмы:</translation>
    </message>
    <message>
        <source>Best days</source>
        <translation>Лучшие дни</translation>
    </message>
    <message>
        <source>Worst days</source>
        <translation>Худшие дни</translation>
    </message>
    <message>
        <source>&amp;Best days (nobody critical):</source>
        <translation>&amp;Лучшие дни (без критических):</translation>
    </message>
    <message>
        <source>&amp;Worst days:</source>
        <translation>&amp;Худшие дни:</translation>
    </message>
    <message>
        <source>Mor&amp;e days</source>
        <translation>&amp;Больше дней</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Сохранить в PDF...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Печать...</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Сохранить в CSV...</translation>
    </message>
    <message>
        <source>Save best days as calendar...</source>
        <translation>Сохранить лучшие дни в календарь...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>In view: %1 to %2 (the span: %3 to %4)</source>
        <translation>На экране: с %1 по %2 (период: с %3 по %4)</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Личные</translation>
    </message>
    <message>
        <source>Celebrity</source>
        <translation>Знаменитости</translation>
    </message>
    <message>
        <source>The planner holds at most %1 people.</source>
        <translation>В планировщике может быть не более %1 человек.</translation>
    </message>
    <message>
        <source>&amp;Members (%1):</source>
        <translation>&amp;Участники (%1):</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(без имени)</translation>
    </message>
    <message>
        <source>Every day of the span is a critical day for someone: no best day.</source>
        <translation>Каждый день периода у кого-то критический: лучших дней нет.</translation>
    </message>
    <message>
        <source>%1 left out: no valid birth date</source>
        <translation>Пропущено: %1 (нет допустимой даты рождения)</translation>
    </message>
    <message numerus="yes">
        <source>%n (entry|entries)</source>
        <translation>
            <numerusform>%n запись</numerusform>
            <numerusform>%n записи</numerusform>
            <numerusform>%n записей</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no group named &quot;%1&quot;.</source>
        <translation>Группы «%1» нет.</translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; opened: %2%3</source>
        <translation>Группа «%1» открыта: %2%3</translation>
    </message>
    <message numerus="yes">
        <source>%n (person|people)</source>
        <translation>
            <numerusform>%n человек</numerusform>
            <numerusform>%n человека</numerusform>
            <numerusform>%n человек</numerusform>
        </translation>
    </message>
    <message>
        <source>; %1 without a valid birth date left out</source>
        <translation>; пропущено без допустимой даты рождения: %1</translation>
    </message>
    <message>
        <source>Type a name for the group first.</source>
        <translation>Сначала введите название группы.</translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; saved with %2</source>
        <translation>Группа «%1» сохранена: %2</translation>
    </message>
    <message>
        <source>Delete the group &quot;%1&quot;?</source>
        <translation>Удалить группу «%1»?</translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; deleted.</source>
        <translation>Группа «%1» удалена.</translation>
    </message>
    <message>
        <source>Add people from a file</source>
        <translation>Добавить людей из файла</translation>
    </message>
    <message>
        <source>Group files (*.txt *.dat);;All files (*)</source>
        <translation>Файлы групп (*.txt *.dat);;Все файлы (*)</translation>
    </message>
    <message>
        <source>%1 added from %2%3</source>
        <translation>Добавлено из %2: %1%3</translation>
    </message>
    <message>
        <source>Save group to file</source>
        <translation>Сохранить группу в файл</translation>
    </message>
    <message>
        <source>Group files (*.txt);;All files (*)</source>
        <translation>Файлы групп (*.txt);;Все файлы (*)</translation>
    </message>
    <message>
        <source>%1 saved to %2</source>
        <translation>Сохранено в %2: %1</translation>
    </message>
    <message>
        <source>Import birthdays from contacts</source>
        <translation>Импорт дней рождения из контактов</translation>
    </message>
    <message>
        <source>Contacts (*.vcf *.vcard);;All files (*)</source>
        <translation>Контакты (*.vcf *.vcard);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Save roster as PDF</source>
        <translation>Сохранить сводку в PDF</translation>
    </message>
    <message>
        <source> roster.pdf</source>
        <comment>file name after the group&apos;s</comment>
        <translation> сводка.pdf</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Документы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Unable to print on %1</source>
        <translation>Не удалось напечатать на принтере %1</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Сохранить в CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Файлы CSV (*.csv);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Save best days as calendar</source>
        <translation>Сохранить лучшие дни в календарь</translation>
    </message>
    <message>
        <source> best days.ics</source>
        <comment>file name after the group&apos;s</comment>
        <translation> лучшие дни.ics</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>Файлы iCalendar (*.ics);;Все файлы (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n best day(s)</source>
        <translation>
            <numerusform>%n лучший день</numerusform>
            <numerusform>%n лучших дня</numerusform>
            <numerusform>%n лучших дней</numerusform>
        </translation>
    </message>
    <message>
        <source>Open file...</source>
        <translation>Открыть файл...</translation>
    </message>
    <message>
        <source>Open a group file</source>
        <translation>Открыть файл группы</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Напоминания</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Люди</translation>
    </message>
    <message>
        <source>&amp;People to be reminded of:</source>
        <translation>&amp;Люди для напоминаний:</translation>
    </message>
    <message>
        <source>The same day</source>
        <translation>В тот же день</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) before</source>
        <translation>
            <numerusform>За %n день</numerusform>
            <numerusform>За %n дня</numerusform>
            <numerusform>За %n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Одиночные</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Двойные</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>Тройные</translation>
    </message>
    <message>
        <source>&amp;How far ahead:</source>
        <translation>&amp;Заранее:</translation>
    </message>
    <message>
        <source>Which days:</source>
        <translation>Какие дни:</translation>
    </message>
    <message>
        <source>&amp;Time of day:</source>
        <translation>&amp;Время:</translation>
    </message>
    <message>
        <source>&amp;Keep a calendar file</source>
        <translation>Вести &amp;файл календаря</translation>
    </message>
    <message>
        <source>Calendar file</source>
        <translation>Файл календаря</translation>
    </message>
    <message>
        <source>&amp;Remind me</source>
        <translation>В&amp;ключить напоминания</translation>
    </message>
    <message>
        <source>&amp;Stop reminders</source>
        <translation>&amp;Отключить напоминания</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Stored profiles</source>
        <translation>Сохранённые профили</translation>
    </message>
    <message>
        <source>Group: %1</source>
        <translation>Группа: %1</translation>
    </message>
    <message>
        <source>No longer stored</source>
        <translation>Больше не сохранены</translation>
    </message>
    <message>
        <source>No profiles are stored yet: add a person in the main window first.</source>
        <translation>Сохранённых профилей пока нет: сначала добавьте человека в главном окне.</translation>
    </message>
    <message>
        <source>Tick at least one person to be reminded of first.</source>
        <translation>Сначала отметьте хотя бы одного человека для напоминаний.</translation>
    </message>
</context>
</TS>
