<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Calendar</name>
    <message>
        <source>Triple critical day: %1</source>
        <translation>Dia crítico triplo: %1</translation>
    </message>
    <message>
        <source>Double critical day: %1</source>
        <translation>Dia crítico duplo: %1</translation>
    </message>
    <message>
        <source>Critical day: %1</source>
        <translation>Dia crítico: %1</translation>
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
        <translation>Data de nascimento</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
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
        <translation>nasc. %1</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <extracomment>The first three members&apos; names, then how many more the group has.</extracomment>
        <translation>%1 e mais %2</translation>
    </message>
    <message>
        <source>Best day for %1: group score %2</source>
        <translation>Melhor dia para %1: pontuação do grupo %2</translation>
    </message>
</context>
<context>
    <name>ChartDocument</name>
    <message>
        <source>born %1</source>
        <translation>nasc. %1</translation>
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
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>One row a day: its date, each rhythm&apos;s percentage and direction, and the rhythms critical that day</source>
        <translation>Uma linha por dia: a data, a porcentagem e a direção de cada ritmo e os ritmos críticos nesse dia</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
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
        <translation>nenhum</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--chart needs a birth date</source>
        <translation>--chart requer uma data de nascimento</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output requer um nome de arquivo</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; after --chart</source>
        <translation>“%1” inesperado após --chart</translation>
    </message>
    <message>
        <source>--chart needs --output FILE.png|.svg|.pdf</source>
        <translation>--chart requer --output ARQUIVO.png|.svg|.pdf</translation>
    </message>
    <message>
        <source>the strip leaves the calendar</source>
        <translation>o intervalo ultrapassa os limites do calendário</translation>
    </message>
    <message>
        <source>--compat takes two birth dates and --json</source>
        <translation>--compat aceita duas datas de nascimento e --json</translation>
    </message>
    <message>
        <source>--critical needs a birth date DD.MM.YYYY</source>
        <translation>--critical requer uma data de nascimento DD.MM.AAAA</translation>
    </message>
    <message>
        <source>--rhythms takes letters of P,E,I,N,S,A, each once</source>
        <translation>--rhythms aceita as letras P,E,I,N,S,A, cada uma só uma vez</translation>
    </message>
    <message>
        <source>--ics needs a file name</source>
        <translation>--ics requer um nome de arquivo</translation>
    </message>
    <message>
        <source>unknown or incomplete option &apos;%1&apos;</source>
        <translation>opção desconhecida ou incompleta “%1”</translation>
    </message>
    <message>
        <source>the days asked for run past the year 9999</source>
        <translation>os dias pedidos ultrapassam o ano 9999</translation>
    </message>
    <message>
        <source>&apos;%1|%2&apos; in %3 is no Name|DD.MM.YYYY entry</source>
        <translation>“%1|%2” em %3 não é uma entrada Nome|DD.MM.AAAA</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 requer um nome de arquivo</translation>
    </message>
    <message>
        <source>--plan needs a birth date DD.MM.YYYY or --group FILE</source>
        <translation>--plan requer uma data de nascimento DD.MM.AAAA ou --group ARQUIVO</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; after --remind</source>
        <translation>“%1” inesperado após --remind</translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s) shown</source>
        <translation>
            <numerusform>%n lembrete exibido</numerusform>
            <numerusform>%n lembretes exibidos</numerusform>
        </translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opção desconhecida “%1”</translation>
    </message>
    <message>
        <source>Rorovovo: unable to write the output (%1)</source>
        <translation>Rorovovo: não foi possível gravar a saída (%1)</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>falha na gravação</translation>
    </message>
    <message>
        <source>--help                 this text</source>
        <translation>--help                 este texto</translation>
    </message>
    <message>
        <source>--version              the program&apos;s version</source>
        <translation>--version              a versão do programa</translation>
    </message>
    <message>
        <source>--critical DD.MM.YYYY [--from DD.MM.YYYY] [--days N] [--rhythms P,E,I,N,S,A] [--json] [--ics FILE]
                         critical days of a birth date (from today, 90 days, all six rhythms)</source>
        <translation>--critical DD.MM.AAAA [--from DD.MM.AAAA] [--days N] [--rhythms P,E,I,N,S,A] [--json] [--ics ARQUIVO]
                         os dias críticos de uma data de nascimento (a partir de hoje, 90 dias, os seis ritmos)</translation>
    </message>
    <message>
        <source>--chart DD.MM.YYYY [--name TEXT] [--from DD.MM.YYYY] [--days N] [--extra] --output FILE.png|.svg|.pdf
                         the chart as a picture or document, without a window</source>
        <translation>--chart DD.MM.AAAA [--name TEXTO] [--from DD.MM.AAAA] [--days N] [--extra] --output ARQUIVO.png|.svg|.pdf
                         o gráfico como imagem ou documento, sem abrir janela</translation>
    </message>
    <message>
        <source>--compat DD.MM.YYYY DD.MM.YYYY [--json]
                         how well two people&apos;s rhythms match</source>
        <translation>--compat DD.MM.AAAA DD.MM.AAAA [--json]
                         o quanto os ritmos de duas pessoas combinam</translation>
    </message>
    <message>
        <source>--plan DD.MM.YYYY [DD.MM.YYYY ...] [--group FILE] [--from DD.MM.YYYY] [--days N] [--top K]
       [--rhythms P,E,I,N,S,A] [--json] [--csv FILE] [--ics FILE]
                         the best and worst days for a group (from today, 30 days, Physical,
                         Emotional and Intellectual)</source>
        <translation>--plan DD.MM.AAAA [DD.MM.AAAA ...] [--group ARQUIVO] [--from DD.MM.AAAA] [--days N] [--top K]
       [--rhythms P,E,I,N,S,A] [--json] [--csv ARQUIVO] [--ics ARQUIVO]
                         os melhores e os piores dias para um grupo (a partir de hoje, 30 dias,
                         Físico, Emocional e Intelectual)</translation>
    </message>
    <message>
        <source>--remind [--at-login]   one check of the reminders (Tools &gt; Reminders...): shows what is due and ends</source>
        <translation>--remind [--at-login]   verifica os lembretes uma vez (Ferramentas &gt; Lembretes...): mostra o que estiver pendente e encerra</translation>
    </message>
    <message>
        <source>Rorovovo: &apos;%1&apos; is not a valid date (DD.MM.YYYY)</source>
        <translation>Rorovovo: “%1” não é uma data válida (DD.MM.AAAA)</translation>
    </message>
    <message>
        <source>Rorovovo: %1 (try &apos;Rorovovo --help&apos;)</source>
        <translation>Rorovovo: %1 (experimente “Rorovovo --help”)</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 aceita um número inteiro de %2 a %3</translation>
    </message>
    <message>
        <source>Usage: Rorovovo [option]
Without an option the program opens its window.

Options:
</source>
        <translation>Uso: Rorovovo [opção]
Sem opção, o programa abre a sua janela.

Opções:
</translation>
    </message>
</context>
<context>
    <name>CriticalKind</name>
    <message>
        <source>single</source>
        <translation>simples</translation>
    </message>
    <message>
        <source>double</source>
        <translation>duplo</translation>
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
        <translation>em alta</translation>
    </message>
    <message>
        <source>falling</source>
        <translation>em baixa</translation>
    </message>
    <message>
        <source>Critical: %1</source>
        <translation>Crítico: %1</translation>
    </message>
    <message>
        <source>Only %1, %2 and %3 make a day double or triple.</source>
        <translation>Apenas os ritmos %1, %2 e %3 tornam um dia duplo ou triplo.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Biorhythm Chart</source>
        <translation>Gráfico de biorritmo</translation>
    </message>
    <message>
        <source>Draw the physical, emotional and intellectual rhythms of a birth date</source>
        <translation>Trace os ritmos físico, emocional e intelectual de uma data de nascimento</translation>
    </message>
    <message>
        <source>biorhythm;rhythm;cycle;chart;birthday;zodiac;</source>
        <translation>biorritmo;ritmo;ciclo;gráfico;aniversário;zodíaco;signo;</translation>
    </message>
    <message>
        <source>Draw the biorhythm chart of a birth date</source>
        <translation>Trace o gráfico de biorritmo de uma data de nascimento</translation>
    </message>
    <message>
        <source>Rorovovo draws a chart of the Physical (23 days), Emotional (28), Intellectual (33) and Intuitional (38) rhythms of a person from a name and a birth date, with the Spiritual (53) and Aesthetics (48) rhythms on request.</source>
        <translation>O Rorovovo traça, a partir do nome e da data de nascimento de uma pessoa, um gráfico dos seus ritmos Físico (23 dias), Emocional (28), Intelectual (33) e Intuitivo (38) e, se desejado, também dos ritmos Espiritual (53) e Estético (48).</translation>
    </message>
    <message>
        <source>Beside the chart it shows:</source>
        <translation>Ao lado do gráfico, ele mostra:</translation>
    </message>
    <message>
        <source>today&apos;s day in each cycle with ring indicators</source>
        <translation>o dia de hoje em cada ciclo, com indicadores circulares</translation>
    </message>
    <message>
        <source>the days lived, the age and the zodiac sign</source>
        <translation>os dias vividos, a idade e o signo do zodíaco</translation>
    </message>
    <message>
        <source>a short interpretation of today</source>
        <translation>uma breve interpretação do dia de hoje</translation>
    </message>
    <message>
        <source>Personal profiles are kept in the user&apos;s own settings file; a list of celebrities comes with the program.</source>
        <translation>Os perfis pessoais ficam no arquivo de configurações do próprio usuário; uma lista de celebridades acompanha o programa.</translation>
    </message>
    <message>
        <source>The chart of a profile with today&apos;s rhythms beside it</source>
        <translation>O gráfico de um perfil, com os ritmos de hoje ao lado</translation>
    </message>
    <message>
        <source>Installs like any Linux program: a menu entry, settings in the user&apos;s home, and a command line.</source>
        <translation>Instala-se como qualquer programa Linux: uma entrada no menu, configurações na pasta pessoal do usuário e uma linha de comando.</translation>
    </message>
    <message>
        <source>draw the biorhythm chart of a birth date</source>
        <translation>traça o gráfico de biorritmo de uma data de nascimento</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmação</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>“%1” não é um valor inteiro válido</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Erro de verificação de intervalo</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Não foi possível gravar em %1</translation>
    </message>
    <message>
        <source>Unable to write to %1 (%2)</source>
        <translation>Não foi possível gravar em %1 (%2)</translation>
    </message>
    <message>
        <source>The file name must end in .png, .svg or .pdf.</source>
        <translation>O nome do arquivo deve terminar em .png, .svg ou .pdf.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>é maior que %1 MB</translation>
    </message>
    <message>
        <source>Input/output error: unable to read %1 (%2)</source>
        <translation>Erro de entrada/saída: não foi possível ler %1 (%2)</translation>
    </message>
    <message>
        <source>Unable to load %1: %2</source>
        <translation>Não foi possível carregar %1: %2</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>o arquivo não existe</translation>
    </message>
    <message>
        <source>it has no entry point rorovovo_extras</source>
        <translation>não tem o ponto de entrada rorovovo_extras</translation>
    </message>
    <message>
        <source>it belongs to another version of the program</source>
        <translation>pertence a outra versão do programa</translation>
    </message>
</context>
<context>
    <name>Indicator</name>
    <message>
        <source> Cycle going up </source>
        <translation> Ciclo em alta </translation>
    </message>
    <message>
        <source> Cycle going down </source>
        <translation> Ciclo em baixa </translation>
    </message>
</context>
<context>
    <name>Interpretation</name>
    <message>
        <source>If you have planned big physical activities for today, put them off until the day after tomorrow. It&apos;s a critical day, so relax and take it easy.</source>
        <translation>Se você planejou grandes esforços físicos para hoje, deixe-os para depois de amanhã. Hoje é um dia crítico: relaxe e vá com calma.</translation>
    </message>
    <message>
        <source>Physically, you had a critical day yesterday. Give your body one more day before you take on anything strenuous.</source>
        <translation>Ontem foi um dia crítico para o seu físico. Dê ao corpo mais um dia antes de encarar qualquer coisa puxada.</translation>
    </message>
    <message>
        <source>Your fitness and motivation are increasing. The couch potato days are behind you, so get moving!</source>
        <translation>Sua forma física e sua motivação estão crescendo. Os dias de sofá ficaram para trás: mexa-se!</translation>
    </message>
    <message>
        <source>Your efficiency is high. Make good use of it and tackle whatever needs strength and stamina.</source>
        <translation>Seu rendimento está alto. Aproveite e encare tudo o que exigir força e resistência.</translation>
    </message>
    <message>
        <source>You are in very good physical shape. Why not go for a jog or a long walk today?</source>
        <translation>Você está em ótima forma física. Que tal uma corrida ou uma longa caminhada hoje?</translation>
    </message>
    <message>
        <source>Give yourself a rest. Save your energy, you will need it over the next few days.</source>
        <translation>Descanse um pouco. Poupe energia: você vai precisar dela nos próximos dias.</translation>
    </message>
    <message>
        <source>Don&apos;t exert yourself today! Better to relax now than to over-strain your body.</source>
        <translation>Nada de exageros hoje! É melhor relaxar agora do que sobrecarregar o corpo.</translation>
    </message>
    <message>
        <source>Today you feel beaten and would rather lie down all day. If you can manage it, just do that.</source>
        <translation>Hoje você se sente um caco e preferiria passar o dia inteiro na cama. Se der, faça exatamente isso.</translation>
    </message>
    <message>
        <source>Your energy seems to be gone. You feel listless, so don&apos;t expect too much of yourself.</source>
        <translation>Sua energia parece ter acabado. Falta ânimo, então não se cobre demais.</translation>
    </message>
    <message>
        <source>You feel tired and drained. Avoid any exertion and let your body recover.</source>
        <translation>O cansaço e o desgaste tomaram conta. Evite qualquer esforço e deixe o corpo se recuperar.</translation>
    </message>
    <message>
        <source>Slowly your vitality is increasing. Help it along with some light exercise.</source>
        <translation>Aos poucos, sua vitalidade está voltando. Dê uma ajudinha com alguns exercícios leves.</translation>
    </message>
    <message>
        <source>You&apos;re still not exactly full of beans. Be patient, your strength will soon be back.</source>
        <translation>A energia ainda não voltou de todo. Tenha paciência: suas forças logo estarão de volta.</translation>
    </message>
    <message>
        <source>Today your barometer of emotions is jumping from high to very low. It&apos;s a critical day, so take it easy: tomorrow is another day.</source>
        <translation>Hoje o seu termômetro emocional pula do alto para o muito baixo. É um dia crítico, então vá com calma: amanhã é outro dia.</translation>
    </message>
    <message>
        <source>There are still some after-effects of yesterday. Better stay at home and put off that date until tomorrow.</source>
        <translation>Ainda restam alguns efeitos de ontem. Melhor ficar em casa e adiar aquele encontro para amanhã.</translation>
    </message>
    <message>
        <source>You feel well and are in a good mood. And it&apos;s going to get even better!</source>
        <translation>Você está bem e de bom humor. E vai ficar ainda melhor!</translation>
    </message>
    <message>
        <source>You are even-tempered and in an emotional balance. A good day to meet people.</source>
        <translation>Seu humor está estável e suas emoções, em equilíbrio. Um bom dia para encontrar pessoas.</translation>
    </message>
    <message>
        <source>You are on an emotional &apos;high&apos; today. Getting on with others is easy and you are in great demand.</source>
        <translation>Hoje suas emoções estão “lá em cima”. A convivência com os outros flui, e todos querem a sua companhia.</translation>
    </message>
    <message>
        <source>You feel even-tempered and harmonious. Enjoy it while it lasts!</source>
        <translation>Você está em paz e em harmonia. Aproveite enquanto dura!</translation>
    </message>
    <message>
        <source>You are unsure about your emotions. Sadly, all good things come to an end.</source>
        <translation>Suas emoções andam incertas. Infelizmente, tudo o que é bom um dia acaba.</translation>
    </message>
    <message>
        <source>Inside you feel restlessness. You are unsure of your feelings and have doubts about yourself.</source>
        <translation>Há uma inquietação por dentro. Você não tem certeza do que sente e duvida de si.</translation>
    </message>
    <message>
        <source>Emotional breakdown? No wonder, your feelings are pulling you up and down today.</source>
        <translation>Abalo emocional? Não é para menos: hoje seus sentimentos estão numa montanha-russa.</translation>
    </message>
    <message>
        <source>You feel unsettled and restless. Better plan no affairs of the heart for the next few days.</source>
        <translation>Muita agitação e inquietação por dentro. Melhor não planejar nada no campo amoroso nos próximos dias.</translation>
    </message>
    <message>
        <source>You&apos;re nervous or unsure and feel empty inside. That&apos;s just how it is right now.</source>
        <translation>Nervosismo, insegurança e um vazio por dentro. Neste momento, é assim mesmo.</translation>
    </message>
    <message>
        <source>You want to hide away in the furthest corner. Do so if you can, it&apos;s a bad day.</source>
        <translation>Dá vontade de se esconder no cantinho mais distante. Se puder, faça isso: hoje é um dia ruim.</translation>
    </message>
    <message>
        <source>Back down, if you can. Avoid the people you have plans with, you won&apos;t make your best impression.</source>
        <translation>Se puder, recue. Evite as pessoas com quem tem compromisso: hoje você não vai causar a melhor impressão.</translation>
    </message>
    <message>
        <source>There will be light at the end of the tunnel! Still, staying in your shell is no fun.</source>
        <translation>Haverá luz no fim do túnel! Mesmo assim, ficar na sua concha não tem graça nenhuma.</translation>
    </message>
    <message>
        <source>Now you can see the light at the end of the tunnel. The self-pity is over, one more hurdle to pass.</source>
        <translation>Agora já dá para ver a luz no fim do túnel. A autopiedade passou; falta só mais um obstáculo.</translation>
    </message>
    <message>
        <source>Do you have an exam today? It&apos;s a critical day and your mind may be a bit foggy, so check everything twice.</source>
        <translation>Tem prova hoje? É um dia crítico e a sua mente pode estar um pouco nebulosa, então confira tudo duas vezes.</translation>
    </message>
    <message>
        <source>Now it&apos;s getting better with your intellectual skills. Do the work that needs concentration within the next ten days.</source>
        <translation>Sua capacidade intelectual está melhorando. Faça nos próximos dez dias o trabalho que exige concentração.</translation>
    </message>
    <message>
        <source>Your intellect and decision-making skills are admirable. Brain-twisters are no problem for you now.</source>
        <translation>Seu intelecto e sua capacidade de decisão estão admiráveis. Quebra-cabeças não são problema para você agora.</translation>
    </message>
    <message>
        <source>You are quick at repartee and see everything clearly. Mistakes are spotted early.</source>
        <translation>Você está com a resposta na ponta da língua e enxerga tudo com clareza. Os erros são percebidos logo.</translation>
    </message>
    <message>
        <source>You can finish demanding tasks without great effort, and you&apos;re full of good ideas.</source>
        <translation>Você consegue concluir tarefas exigentes sem grande esforço, e as boas ideias não param de surgir.</translation>
    </message>
    <message>
        <source>Thinking logical? No problem! Finish pending tasks now, before things get worse.</source>
        <translation>Pensar com lógica? Sem problemas! Termine agora as tarefas pendentes, antes que as coisas piorem.</translation>
    </message>
    <message>
        <source>Let&apos;s hope you&apos;ve finished all the difficult tasks, because today you could bungle them.</source>
        <translation>Tomara que você já tenha terminado as tarefas difíceis, porque hoje poderia pôr tudo a perder.</translation>
    </message>
    <message>
        <source>You can&apos;t concentrate today. Your thinking is muddy, so leave tricky work for later.</source>
        <translation>Hoje você não consegue se concentrar. O raciocínio está confuso, então deixe o trabalho complicado para depois.</translation>
    </message>
    <message>
        <source>You are irresolute and don&apos;t know where to start. Just start anywhere!</source>
        <translation>A indecisão bateu e você não sabe por onde começar. Comece por qualquer ponta!</translation>
    </message>
    <message>
        <source>The period of creativity is over. Your brain has gone into stand-by mode.</source>
        <translation>A fase criativa acabou. Seu cérebro entrou em modo de espera.</translation>
    </message>
    <message>
        <source>You spend these days without any plan or aim. Your reactions leave much to be desired, too.</source>
        <translation>Você passa estes dias sem plano nem objetivo. E suas reações também deixam a desejar.</translation>
    </message>
    <message>
        <source>Making resolutions? Better leave that for later.</source>
        <translation>Tomar resoluções? Melhor deixar isso para depois.</translation>
    </message>
    <message>
        <source>Even if you haven&apos;t accomplished much lately, take it easy. Better days are coming.</source>
        <translation>Mesmo que você não tenha feito muita coisa ultimamente, não se preocupe. Dias melhores estão chegando.</translation>
    </message>
    <message>
        <source>If you have to make important decisions, put them off for a few days. You will see more clearly then.</source>
        <translation>Se precisar tomar decisões importantes, adie-as por alguns dias. Aí você vai enxergar com mais clareza.</translation>
    </message>
    <message>
        <source>By the way: HAPPY BIRTHDAY!</source>
        <translation>A propósito: FELIZ ANIVERSÁRIO!</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The program speaks the chosen language from its next start.</source>
        <translation>O programa passará a usar o idioma escolhido a partir da próxima inicialização.</translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation>Arquivo de ajuda não encontrado</translation>
    </message>
    <message>
        <source>Error downloading file &quot;%1&quot; for version check.<byte value="xd"/>Please check your internet connection and/or firewall..</source>
        <translation>Erro ao baixar o arquivo “%1” para verificar a versão.<byte value="xd"/>Verifique a sua conexão com a internet e/ou o firewall.</translation>
    </message>
    <message>
        <source>There is a *new* version of this freeware available !<byte value="xd"/><byte value="xd"/>Please go to our freeware web page and download it,<byte value="xd"/>and replace the existing one by the new version.</source>
        <translation>Há uma *nova* versão deste freeware disponível!<byte value="xd"/><byte value="xd"/>Acesse a nossa página de freeware e baixe-a<byte value="xd"/>para substituir a versão atual pela nova.</translation>
    </message>
    <message>
        <source>You have the most recent version of this freeware..<byte value="xd"/>But keep checking, as this is updated regularly!</source>
        <translation>Você já tem a versão mais recente deste freeware.<byte value="xd"/>Mas continue verificando, pois ele é atualizado regularmente!</translation>
    </message>
    <message>
        <source>Sorry, but the &apos;Birthday Date&apos; you supplied is not a valid Date.<byte value="xd"/>Please go back and correct it...</source>
        <translation>Desculpe, mas a “data de nascimento” informada não é uma data válida.<byte value="xd"/>Volte e corrija-a.</translation>
    </message>
    <message>
        <source>A name cannot contain the character &apos;|&apos;, which separates it from the date. Nothing was stored.</source>
        <translation>O nome não pode conter o caractere “|”, que o separa da data. Nada foi salvo.</translation>
    </message>
    <message>
        <source>The name is too long: a stored profile holds at most %1 characters of name. Nothing was stored.</source>
        <translation>O nome é longo demais: um perfil salvo comporta no máximo %1 caracteres de nome. Nada foi salvo.</translation>
    </message>
    <message>
        <source>The name you are trying to add already exists on the database..</source>
        <translation>O nome que você está tentando adicionar já existe no banco de dados.</translation>
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
        <translation>dia</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mês</translation>
    </message>
    <message>
        <source>year</source>
        <translation>ano</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>No session bus: the desktop&apos;s notifications cannot be reached (%1).</source>
        <translation>Sem barramento de sessão: não é possível acessar as notificações da área de trabalho (%1).</translation>
    </message>
    <message>
        <source>No notification service answers on the session bus (%1).</source>
        <translation>Nenhum serviço de notificações responde no barramento de sessão (%1).</translation>
    </message>
    <message>
        <source>The notification service did not take the reminder (%1).</source>
        <translation>O serviço de notificações não aceitou o lembrete (%1).</translation>
    </message>
    <message>
        <source>Today: %1 critical day</source>
        <translation>Hoje: dia crítico %1</translation>
    </message>
    <message>
        <source>Tomorrow: %1 critical day</source>
        <translation>Amanhã: dia crítico %1</translation>
    </message>
    <message numerus="yes">
        <source>In %n day(s): %1 critical day</source>
        <translation>
            <numerusform>Em %n dia: dia crítico %1</numerusform>
            <numerusform>Em %n dias: dia crítico %1</numerusform>
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
        <translation>segunda-feira</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>terça-feira</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>quarta-feira</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>quinta-feira</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>sexta-feira</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>Nasc. %1</translation>
    </message>
    <message>
        <source>%1, %2 %3: %4</source>
        <extracomment>Whom, the weekday, the date and the critical rhythms: &quot;Ada, Monday 18.03.2024: Physical, Emotional&quot;.</extracomment>
        <translation>%1, %2, %3: %4</translation>
    </message>
    <message>
        <source>%1 Nothing was changed.</source>
        <translation>%1 Nada foi alterado.</translation>
    </message>
    <message>
        <source>Reminders are on: a systemd user timer (%1) checks every day at %2, or at the next login when the computer was off then.</source>
        <translation>Lembretes ativados: um timer de usuário do systemd (%1) faz a verificação todos os dias às %2, ou no próximo login se o computador estiver desligado nesse horário.</translation>
    </message>
    <message>
        <source>No systemd user instance could take a timer (%1), so the check runs each time you log in instead (%2).</source>
        <translation>Nenhuma instância de usuário do systemd aceitou um timer (%1); por isso, a verificação será feita a cada login (%2).</translation>
    </message>
    <message>
        <source>Nothing could be set up to run the check (%1; %2). &apos;Rorovovo --remind&apos; still checks when run by hand.</source>
        <translation>Não foi possível configurar a execução da verificação (%1; %2). “Rorovovo --remind” continua verificando quando executado manualmente.</translation>
    </message>
    <message>
        <source>%1 Reminders show once the desktop has one; the calendar file does not need it.</source>
        <translation>%1 Os lembretes aparecerão quando a área de trabalho oferecer esse serviço; o arquivo de calendário não depende dele.</translation>
    </message>
    <message>
        <source>Reminders are off; nothing runs the check any more.</source>
        <translation>Lembretes desativados; a verificação não será mais executada.</translation>
    </message>
    <message>
        <source>The calendar file is up to date.</source>
        <translation>O arquivo de calendário está atualizado.</translation>
    </message>
    <message>
        <source>%1 The reminders do not need it.</source>
        <translation>%1 Os lembretes não dependem dele.</translation>
    </message>
    <message>
        <source>The calendar file was removed.</source>
        <translation>O arquivo de calendário foi removido.</translation>
    </message>
    <message>
        <source>Unable to remove %1.</source>
        <translation>Não foi possível remover %1.</translation>
    </message>
    <message>
        <source>Reminders are off.</source>
        <translation>Lembretes desativados.</translation>
    </message>
    <message>
        <source>Reminders are off, but a schedule is still set up: &quot;Stop reminders&quot; removes it.</source>
        <translation>Lembretes desativados, mas ainda há um agendamento configurado: “Parar lembretes” o remove.</translation>
    </message>
    <message>
        <source>Reminders are on: a systemd user timer checks every day at %1.</source>
        <translation>Lembretes ativados: um timer de usuário do systemd faz a verificação todos os dias às %1.</translation>
    </message>
    <message>
        <source>Reminders are on: the check runs each time you log in.</source>
        <translation>Lembretes ativados: a verificação é feita a cada login.</translation>
    </message>
    <message>
        <source>Reminders are on, but nothing runs the check: &quot;Remind me&quot; sets it up again.</source>
        <translation>Lembretes ativados, mas nada executa a verificação: “Lembrar-me” a configura novamente.</translation>
    </message>
    <message>
        <source>systemctl --user %1 did not answer</source>
        <translation>systemctl --user %1 não respondeu</translation>
    </message>
    <message>
        <source>systemctl --user %1 failed</source>
        <translation>systemctl --user %1 falhou</translation>
    </message>
    <message>
        <source>no systemctl on PATH</source>
        <translation>systemctl não encontrado no PATH</translation>
    </message>
    <message>
        <source>The timer could not be disabled (%1).</source>
        <translation>Não foi possível desativar o timer (%1).</translation>
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
        <translation>(sem nome)</translation>
    </message>
    <message>
        <source>%1: %2 to %3, page %4 of %5</source>
        <extracomment>The printed planner&apos;s heading: its title, the first and last day, the page.</extracomment>
        <translation>%1: %2 a %3, página %4 de %5</translation>
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
        <translation>&amp;Tamanho</translation>
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
        <translation>&amp;Fechar	Alt+F4</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
</context>
<context>
    <name>Zodiac</name>
    <message>
        <source>aquarius</source>
        <translation>aquário</translation>
    </message>
    <message>
        <source>Jan 20 ~ Feb 18</source>
        <translation>20 jan ~ 18 fev</translation>
    </message>
    <message>
        <source>pisces</source>
        <translation>peixes</translation>
    </message>
    <message>
        <source>Feb 19 ~ Mar 20</source>
        <translation>19 fev ~ 20 mar</translation>
    </message>
    <message>
        <source>aries</source>
        <translation>áries</translation>
    </message>
    <message>
        <source>Mar 21 ~ Apr 19</source>
        <translation>21 mar ~ 19 abr</translation>
    </message>
    <message>
        <source>taurus</source>
        <translation>touro</translation>
    </message>
    <message>
        <source>Apr 20 ~ May 20</source>
        <translation>20 abr ~ 20 mai</translation>
    </message>
    <message>
        <source>gemini</source>
        <translation>gêmeos</translation>
    </message>
    <message>
        <source>May 21 ~ Jun 20</source>
        <translation>21 mai ~ 20 jun</translation>
    </message>
    <message>
        <source>cancer</source>
        <translation>câncer</translation>
    </message>
    <message>
        <source>Jun 21 ~ Jul 22</source>
        <translation>21 jun ~ 22 jul</translation>
    </message>
    <message>
        <source>leo</source>
        <translation>leão</translation>
    </message>
    <message>
        <source>Jul 23 ~ Aug 22</source>
        <translation>23 jul ~ 22 ago</translation>
    </message>
    <message>
        <source>virgo</source>
        <translation>virgem</translation>
    </message>
    <message>
        <source>Aug 23 ~ Sep 22</source>
        <translation>23 ago ~ 22 set</translation>
    </message>
    <message>
        <source>libra</source>
        <translation>libra</translation>
    </message>
    <message>
        <source>Sep 23 ~ Oct 22</source>
        <translation>23 set ~ 22 out</translation>
    </message>
    <message>
        <source>scorpio</source>
        <translation>escorpião</translation>
    </message>
    <message>
        <source>Oct 23 ~ Nov 21</source>
        <translation>23 out ~ 21 nov</translation>
    </message>
    <message>
        <source>sagittarius</source>
        <translation>sagitário</translation>
    </message>
    <message>
        <source>Nov 22 ~ Dec 21</source>
        <translation>22 nov ~ 21 dez</translation>
    </message>
    <message>
        <source>capricorn</source>
        <translation>capricórnio</translation>
    </message>
    <message>
        <source>Dec 22 ~ Jan 19</source>
        <translation>22 dez ~ 19 jan</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::RosterView</name>
    <message>
        <source>Roster</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>Group score %1 (the lowest of the members&apos; scores)</source>
        <translation>Pontuação do grupo: %1 (a menor entre as dos membros)</translation>
    </message>
    <message>
        <source>A clear day: nobody has a critical day</source>
        <translation>Dia livre: ninguém está em dia crítico</translation>
    </message>
    <message>
        <source>A critical day for %1 of %2</source>
        <translation>Dia crítico para %1 de %2</translation>
    </message>
    <message numerus="yes">
        <source>%n member(s)</source>
        <translation>
            <numerusform>%n membro</numerusform>
            <numerusform>%n membros</numerusform>
        </translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sem nome)</translation>
    </message>
    <message>
        <source>%1, born %2</source>
        <translation>%1, nasc. %2</translation>
    </message>
    <message>
        <source>No critical rhythm</source>
        <extracomment>The rhythms critical that day, then the day&apos;s kind: &quot;Critical: Physical, Emotional (double day)&quot;.</extracomment>
        <translation>Nenhum ritmo crítico</translation>
    </message>
    <message>
        <source>Critical: %1 (%2 day)</source>
        <translation>Crítico: %1 (dia %2)</translation>
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
        <translation>Novo perfil...</translation>
    </message>
    <message>
        <source>Delete profile...</source>
        <translation>Excluir perfil...</translation>
    </message>
    <message>
        <source>Draw biorhythms</source>
        <translation>Traçar biorritmos</translation>
    </message>
    <message>
        <source>Draw extra* rythms</source>
        <translation>Traçar ritmos extras*</translation>
    </message>
    <message>
        <source>Biorhythms interpretation...</source>
        <translation>Interpretação dos biorritmos...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Perfis</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Pessoais</translation>
    </message>
    <message>
        <source>Celebrity</source>
        <translation>Celebridades</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Save window&apos;s size</source>
        <translation>Salvar tamanho da janela</translation>
    </message>
    <message>
        <source>Save window&apos;s position</source>
        <translation>Salvar posição da janela</translation>
    </message>
    <message>
        <source>Mark critical days</source>
        <translation>Marcar dias críticos</translation>
    </message>
    <message>
        <source>Default rhythms to show...</source>
        <translation>Ritmos exibidos por padrão...</translation>
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
        <translation>Padrão do sistema</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>Critical days...</source>
        <translation>Dias críticos...</translation>
    </message>
    <message>
        <source>Compatibility...</source>
        <translation>Compatibilidade...</translation>
    </message>
    <message>
        <source>Planner...</source>
        <translation>Planejador...</translation>
    </message>
    <message>
        <source>Save chart as...</source>
        <translation>Salvar gráfico como...</translation>
    </message>
    <message>
        <source>Print chart...</source>
        <translation>Imprimir gráfico...</translation>
    </message>
    <message>
        <source>Reminders...</source>
        <translation>Lembretes...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Ajuda...</translation>
    </message>
    <message>
        <source>Software news...</source>
        <translation>Novidades do software...</translation>
    </message>
    <message>
        <source>Check new versions *</source>
        <translation>Verificar novas versões *</translation>
    </message>
    <message>
        <source>Donations...</source>
        <translation>Doações...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Sobre...</translation>
    </message>
    <message>
        <source>Day         of %1</source>
        <extracomment>The blanks leave room for the day box drawn over them.</extracomment>
        <translation>Dia         de %1</translation>
    </message>
    <message>
        <source>%1 day</source>
        <comment>spoken name of a rhythm&apos;s cycle-day box</comment>
        <translation>%1: dia do ciclo</translation>
    </message>
    <message>
        <source>total days</source>
        <translation>dias vividos</translation>
    </message>
    <message>
        <source>years</source>
        <translation>anos</translation>
    </message>
    <message>
        <source>add new</source>
        <translation>adicionar</translation>
    </message>
    <message>
        <source>zodiac</source>
        <translation>signo</translation>
    </message>
    <message>
        <source> add new profile </source>
        <translation> adicionar novo perfil </translation>
    </message>
    <message>
        <source> draw biorhythm </source>
        <translation> traçar biorritmo </translation>
    </message>
    <message>
        <source>draw bio</source>
        <translation>traçar</translation>
    </message>
    <message>
        <source> about </source>
        <translation> sobre </translation>
    </message>
    <message>
        <source> help </source>
        <translation> ajuda </translation>
    </message>
    <message>
        <source> close </source>
        <translation> fechar </translation>
    </message>
    <message>
        <source> select profile </source>
        <translation> selecionar perfil </translation>
    </message>
    <message>
        <source> biorhythm today&apos;s interpretation </source>
        <translation> interpretação do biorritmo de hoje </translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>day</source>
        <translation>dia</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mês</translation>
    </message>
    <message>
        <source>year</source>
        <translation>ano</translation>
    </message>
    <message>
        <source>profile</source>
        <translation>perfil</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
    </message>
    <message>
        <source> %1 : %2 </source>
        <extracomment>The sign picture&apos;s hint: &quot; aquarius : Jan 20 ~ Feb 18 &quot;.</extracomment>
        <translation> %1 : %2 </translation>
    </message>
    <message>
        <source>     Rhythm&apos;s interpretation @  %1  -  for %2</source>
        <extracomment>The interpretation window&apos;s caption: today&apos;s date, then the name in the name box.</extracomment>
        <translation>     Interpretação dos ritmos em  %1  -  para %2</translation>
    </message>
    <message>
        <source>Data file &apos;Cyclomat.dat&apos; with Celebrity names does not exist on path.<byte value="xd"/>Can&apos;t load extra data.. Get it from zip file, if you want it too.</source>
        <translation>O arquivo de dados “Cyclomat.dat” com os nomes das celebridades não foi encontrado.<byte value="xd"/>Não é possível carregar os dados extras. Se quiser tê-los, extraia-o do arquivo zip.</translation>
    </message>
    <message>
        <source>The profile &apos;%1&apos; is no longer in the settings file.</source>
        <translation>O perfil “%1” não está mais no arquivo de configurações.</translation>
    </message>
    <message>
        <source>The profile is shown, but the selection could not be remembered for the next start (no more reports of this in this run). %1</source>
        <translation>O perfil é exibido, mas a seleção não pôde ser guardada para a próxima inicialização (este aviso não se repetirá nesta sessão). %1</translation>
    </message>
    <message>
        <source>chart</source>
        <comment>file name of a chart without a name</comment>
        <translation>gráfico</translation>
    </message>
    <message>
        <source>Save chart as</source>
        <translation>Salvar gráfico como</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)</source>
        <translation>Imagem PNG (*.png);;Desenho SVG (*.svg);;Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Unable to print on %1</source>
        <translation>Não foi possível imprimir em %1</translation>
    </message>
    <message>
        <source>Dark chart</source>
        <translation>Gráfico escuro</translation>
    </message>
    <message>
        <source>Colour-blind-safe colours</source>
        <translation>Cores para daltônicos</translation>
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
        <translation>Descubra o seu Zavirir pessoal, com todas as 4 curvas. Adicione quantas pessoas quiser e veja como cada uma está no dia!</translation>
    </message>
    <message>
        <source>If you like this program, do email me with feedback, ideas, suggestions or questions to</source>
        <translation>Se você gostou deste programa, mande por e-mail suas opiniões, ideias, sugestões ou dúvidas para</translation>
    </message>
    <message>
        <source>You can also help the development, by _______ a few $$</source>
        <extracomment>The donation link below (&quot;donating &quot;) is laid over the blank, which stays seven underscores.</extracomment>
        <translation>Você também pode ajudar o projeto _______ alguns $$</translation>
    </message>
    <message>
        <source>donating </source>
        <translation>doando </translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormCompatibility</name>
    <message>
        <source>Compatibility</source>
        <translation>Compatibilidade</translation>
    </message>
    <message>
        <source>Second person: pick or type</source>
        <translation>Segunda pessoa: escolha ou digite</translation>
    </message>
    <message>
        <source>type to search</source>
        <translation>digite para pesquisar</translation>
    </message>
    <message>
        <source>compare</source>
        <translation>comparar</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>mean of %1, %2, %3</source>
        <translation>média de %1, %2, %3</translation>
    </message>
    <message>
        <source>solid: first person, dashed: second person; today is the silver column</source>
        <translation>contínua: primeira pessoa; tracejada: segunda pessoa; hoje é a coluna prateada</translation>
    </message>
    <message>
        <source>Nobody drawn yet: draw a chart in the main window first.</source>
        <translation>Nenhum gráfico traçado ainda: trace primeiro um gráfico na janela principal.</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sem nome)</translation>
    </message>
    <message>
        <source>First person: %1, born %2</source>
        <translation>Primeira pessoa: %1, nasc. %2</translation>
    </message>
    <message>
        <source>Search profiles and celebrities</source>
        <translation>Pesquisar perfis e celebridades</translation>
    </message>
    <message>
        <source>Profiles and celebrities</source>
        <translation>Perfis e celebridades</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormCritical</name>
    <message>
        <source>Critical days</source>
        <translation>Dias críticos</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Data inicial</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;De:</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n dia</numerusform>
            <numerusform>%n dias</numerusform>
        </translation>
    </message>
    <message>
        <source>Span</source>
        <translation>Período</translation>
    </message>
    <message>
        <source>&amp;Span:</source>
        <translation>&amp;Período:</translation>
    </message>
    <message>
        <source>Rhythms:</source>
        <translation>Ritmos:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
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
        <translation>Próximo dia crítico triplo</translation>
    </message>
    <message>
        <source>Save as calendar...</source>
        <translation>Salvar como calendário...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>No biorhythm has been drawn yet. Draw a person&apos;s biorhythm in the main window, and their critical days will be listed here.</source>
        <translation>Nenhum biorritmo foi traçado ainda. Trace o biorritmo de uma pessoa na janela principal, e os dias críticos dela aparecerão aqui.</translation>
    </message>
    <message>
        <source>Critical days for the birth date %1</source>
        <translation>Dias críticos para a data de nascimento %1</translation>
    </message>
    <message>
        <source>Critical days of %1, born %2</source>
        <translation>Dias críticos de %1, nasc. %2</translation>
    </message>
    <message>
        <source>Today, %1, is a triple critical day.</source>
        <translation>Hoje, %1, é um dia crítico triplo.</translation>
    </message>
    <message numerus="yes">
        <source>The next triple critical day, %1, is %n day(s) away.</source>
        <translation>
            <numerusform>O próximo dia crítico triplo, %1, será daqui a %n dia.</numerusform>
            <numerusform>O próximo dia crítico triplo, %1, será daqui a %n dias.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The next triple critical day after the start date, %1, was %n day(s) ago.</source>
        <translation>
            <numerusform>O próximo dia crítico triplo após a data inicial, %1, foi há %n dia.</numerusform>
            <numerusform>O próximo dia crítico triplo após a data inicial, %1, foi há %n dias.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 critical days</source>
        <comment>file name</comment>
        <translation>Dias críticos de %1</translation>
    </message>
    <message>
        <source>Save as calendar</source>
        <translation>Salvar como calendário</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>Arquivos iCalendar (*.ics);;Todos os arquivos (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n critical day(s) saved to %1</source>
        <translation>
            <numerusform>%n dia crítico salvo em %1</numerusform>
            <numerusform>%n dias críticos salvos em %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormEditor</name>
    <message>
        <source>Profile editor</source>
        <translation>Editor de perfis</translation>
    </message>
    <message>
        <source>add new</source>
        <translation>adicionar</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>excluir</translation>
    </message>
    <message>
        <source>No profile is selected, so nothing was deleted.</source>
        <translation>Nenhum perfil está selecionado; nada foi excluído.</translation>
    </message>
    <message>
        <source>Sure to delete  &apos;%1&apos;s&apos;  profile?</source>
        <translation>Tem certeza de que deseja excluir o perfil de “%1”?</translation>
    </message>
    <message>
        <source>The profile &apos;%1&apos; is no longer in the settings file.</source>
        <translation>O perfil “%1” não está mais no arquivo de configurações.</translation>
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
        <translation>     Interpretação dos ritmos...</translation>
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
        <translation>Data</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>Planner</source>
        <translation>Planejador</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Membros</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>Remove all</source>
        <translation>Remover todos</translation>
    </message>
    <message>
        <source>&amp;Add people:</source>
        <translation>&amp;Adicionar pessoas:</translation>
    </message>
    <message>
        <source>type to search</source>
        <translation>digite para pesquisar</translation>
    </message>
    <message>
        <source>Search profiles and celebrities</source>
        <translation>Pesquisar perfis e celebridades</translation>
    </message>
    <message>
        <source>Profiles and celebrities</source>
        <translation>Perfis e celebridades</translation>
    </message>
    <message>
        <source>Add &amp;selected</source>
        <translation>Adicionar &amp;seleção</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mês</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>Adi&amp;cionar</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Grupo:</translation>
    </message>
    <message>
        <source>Group name</source>
        <translation>Nome do grupo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>A&amp;brir</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Sal&amp;var</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Add from file...</source>
        <translation>Adicionar de arquivo...</translation>
    </message>
    <message>
        <source>Save to file...</source>
        <translation>Salvar em arquivo...</translation>
    </message>
    <message>
        <source>Import contacts...</source>
        <translation>Importar contatos...</translation>
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
        <translation>Data inicial</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;De:</translation>
    </message>
    <message>
        <source> days</source>
        <comment>after the span&apos;s number</comment>
        <translation> dias</translation>
    </message>
    <message>
        <source>Span in days</source>
        <translation>Período em dias</translation>
    </message>
    <message>
        <source>S&amp;pan:</source>
        <translation>P&amp;eríodo:</translation>
    </message>
    <message>
        <source>Rhythms:</source>
        <translation>Ritmos:</translation>
    </message>
    <message>
        <source>Best days</source>
        <translation>Melhores dias</translation>
    </message>
    <message>
        <source>Worst days</source>
        <translation>Piores dias</translation>
    </message>
    <message>
        <source>&amp;Best days (nobody critical):</source>
        <translation>Me&amp;lhores dias (sem dia crítico):</translation>
    </message>
    <message>
        <source>&amp;Worst days:</source>
        <translation>&amp;Piores dias:</translation>
    </message>
    <message>
        <source>Mor&amp;e days</source>
        <translation>Ma&amp;is dias</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Salvar como PDF...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Salvar como CSV...</translation>
    </message>
    <message>
        <source>Save best days as calendar...</source>
        <translation>Salvar melhores dias (iCal)...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>In view: %1 to %2 (the span: %3 to %4)</source>
        <translation>Exibindo: %1 a %2 (período: %3 a %4)</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Pessoais</translation>
    </message>
    <message>
        <source>Celebrity</source>
        <translation>Celebridades</translation>
    </message>
    <message>
        <source>The planner holds at most %1 people.</source>
        <translation>O planejador comporta no máximo %1 pessoas.</translation>
    </message>
    <message>
        <source>&amp;Members (%1):</source>
        <translation>&amp;Membros (%1):</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sem nome)</translation>
    </message>
    <message>
        <source>Every day of the span is a critical day for someone: no best day.</source>
        <translation>Todos os dias do período são críticos para alguém: não há melhor dia.</translation>
    </message>
    <message>
        <source>%1 left out: no valid birth date</source>
        <translation>Fora da lista, sem data de nascimento válida: %1</translation>
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
        <translation>Não existe nenhum grupo chamado “%1”.</translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; opened: %2%3</source>
        <translation>Grupo “%1” aberto: %2%3</translation>
    </message>
    <message numerus="yes">
        <source>%n (person|people)</source>
        <translation>
            <numerusform>%n pessoa</numerusform>
            <numerusform>%n pessoas</numerusform>
        </translation>
    </message>
    <message>
        <source>; %1 without a valid birth date left out</source>
        <translation>; fora da lista, sem data de nascimento válida: %1</translation>
    </message>
    <message>
        <source>Type a name for the group first.</source>
        <translation>Digite primeiro um nome para o grupo.</translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; saved with %2</source>
        <translation>Grupo “%1” salvo com %2</translation>
    </message>
    <message>
        <source>Delete the group &quot;%1&quot;?</source>
        <translation>Excluir o grupo “%1”?</translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; deleted.</source>
        <translation>Grupo “%1” excluído.</translation>
    </message>
    <message>
        <source>Add people from a file</source>
        <translation>Adicionar pessoas de um arquivo</translation>
    </message>
    <message>
        <source>Group files (*.txt *.dat);;All files (*)</source>
        <translation>Arquivos de grupo (*.txt *.dat);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>%1 added from %2%3</source>
        <translation>Adição concluída: %1 de %2%3</translation>
    </message>
    <message>
        <source>Save group to file</source>
        <translation>Salvar grupo em arquivo</translation>
    </message>
    <message>
        <source>Group files (*.txt);;All files (*)</source>
        <translation>Arquivos de grupo (*.txt);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>%1 saved to %2</source>
        <translation>Arquivo %2 salvo: %1</translation>
    </message>
    <message>
        <source>Import birthdays from contacts</source>
        <translation>Importar aniversários dos contatos</translation>
    </message>
    <message>
        <source>Contacts (*.vcf *.vcard);;All files (*)</source>
        <translation>Contatos (*.vcf *.vcard);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Save roster as PDF</source>
        <translation>Salvar escala como PDF</translation>
    </message>
    <message>
        <source> roster.pdf</source>
        <comment>file name after the group&apos;s</comment>
        <translation> escala.pdf</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Unable to print on %1</source>
        <translation>Não foi possível imprimir em %1</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Salvar como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Arquivos CSV (*.csv);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Save best days as calendar</source>
        <translation>Salvar melhores dias como calendário</translation>
    </message>
    <message>
        <source> best days.ics</source>
        <comment>file name after the group&apos;s</comment>
        <translation> melhores dias.ics</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>Arquivos iCalendar (*.ics);;Todos os arquivos (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n best day(s)</source>
        <translation>
            <numerusform>%n melhor dia</numerusform>
            <numerusform>%n melhores dias</numerusform>
        </translation>
    </message>
    <message>
        <source>Open file...</source>
        <translation>Abrir arquivo...</translation>
    </message>
    <message>
        <source>Open a group file</source>
        <translation>Abrir arquivo de grupo</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Lembretes</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Pessoas</translation>
    </message>
    <message>
        <source>&amp;People to be reminded of:</source>
        <translation>&amp;Pessoas a lembrar:</translation>
    </message>
    <message>
        <source>The same day</source>
        <translation>No mesmo dia</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) before</source>
        <translation>
            <numerusform>%n dia antes</numerusform>
            <numerusform>%n dias antes</numerusform>
        </translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Simples</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Duplo</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>Triplo</translation>
    </message>
    <message>
        <source>&amp;How far ahead:</source>
        <translation>&amp;Antecedência:</translation>
    </message>
    <message>
        <source>Which days:</source>
        <translation>Quais dias:</translation>
    </message>
    <message>
        <source>&amp;Time of day:</source>
        <translation>&amp;Horário:</translation>
    </message>
    <message>
        <source>&amp;Keep a calendar file</source>
        <translation>Manter arquivo de &amp;calendário</translation>
    </message>
    <message>
        <source>Calendar file</source>
        <translation>Arquivo de calendário</translation>
    </message>
    <message>
        <source>&amp;Remind me</source>
        <translation>&amp;Lembrar-me</translation>
    </message>
    <message>
        <source>&amp;Stop reminders</source>
        <translation>Pa&amp;rar lembretes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Stored profiles</source>
        <translation>Perfis salvos</translation>
    </message>
    <message>
        <source>Group: %1</source>
        <translation>Grupo: %1</translation>
    </message>
    <message>
        <source>No longer stored</source>
        <translation>Não mais salvos</translation>
    </message>
    <message>
        <source>No profiles are stored yet: add a person in the main window first.</source>
        <translation>Ainda não há perfis salvos: adicione primeiro uma pessoa na janela principal.</translation>
    </message>
    <message>
        <source>Tick at least one person to be reminded of first.</source>
        <translation>Marque primeiro pelo menos uma pessoa a lembrar.</translation>
    </message>
</context>
</TS>
