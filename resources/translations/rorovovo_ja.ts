<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Calendar</name>
    <message>
        <source>Triple critical day: %1</source>
        <translation>トリプル要注意日: %1</translation>
    </message>
    <message>
        <source>Double critical day: %1</source>
        <translation>ダブル要注意日: %1</translation>
    </message>
    <message>
        <source>Critical day: %1</source>
        <translation>要注意日: %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A calendar event&apos;s summary, then whose critical day it is.</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Birth date</source>
        <translation>生年月日</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Critical rhythms</source>
        <translation>要注意のリズム</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>born %1</source>
        <translation>%1生まれ</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <extracomment>The first three members&apos; names, then how many more the group has.</extracomment>
        <translation>%1 ほか%2人</translation>
    </message>
    <message>
        <source>Best day for %1: group score %2</source>
        <translation>%1の好調日: グループスコア %2</translation>
    </message>
</context>
<context>
    <name>ChartDocument</name>
    <message>
        <source>born %1</source>
        <translation>%1生まれ</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>name, born date</comment>
        <translation>%1、%2</translation>
    </message>
</context>
<context>
    <name>ChartTable</name>
    <message>
        <source>Chart</source>
        <translation>グラフ</translation>
    </message>
    <message>
        <source>One row a day: its date, each rhythm&apos;s percentage and direction, and the rhythms critical that day</source>
        <translation>1 日 1 行: 日付、各リズムの割合と向き、その日に要注意のリズム</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>要注意</translation>
    </message>
    <message>
        <source>%1 % %2</source>
        <extracomment>A rhythm&apos;s cell of the chart&apos;s table: &quot;87 % rising&quot;.</extracomment>
        <translation>%1 % %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--chart needs a birth date</source>
        <translation>--chart には生年月日が必要です</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output にはファイル名が必要です</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; after --chart</source>
        <translation>--chart の後に想定外の「%1」があります</translation>
    </message>
    <message>
        <source>--chart needs --output FILE.png|.svg|.pdf</source>
        <translation>--chart には --output FILE.png|.svg|.pdf が必要です</translation>
    </message>
    <message>
        <source>the strip leaves the calendar</source>
        <translation>表示範囲が暦の範囲外になります</translation>
    </message>
    <message>
        <source>--compat takes two birth dates and --json</source>
        <translation>--compat には 2つの生年月日と --json を指定します</translation>
    </message>
    <message>
        <source>--critical needs a birth date DD.MM.YYYY</source>
        <translation>--critical には生年月日 DD.MM.YYYY が必要です</translation>
    </message>
    <message>
        <source>--rhythms takes letters of P,E,I,N,S,A, each once</source>
        <translation>--rhythms には P,E,I,N,S,A の文字をそれぞれ1回ずつ指定します</translation>
    </message>
    <message>
        <source>--ics needs a file name</source>
        <translation>--ics にはファイル名が必要です</translation>
    </message>
    <message>
        <source>unknown or incomplete option &apos;%1&apos;</source>
        <translation>不明または不完全なオプション「%1」</translation>
    </message>
    <message>
        <source>the days asked for run past the year 9999</source>
        <translation>指定された日数では 9999年を超えてしまいます</translation>
    </message>
    <message>
        <source>&apos;%1|%2&apos; in %3 is no Name|DD.MM.YYYY entry</source>
        <translation>%3 の「%1|%2」は Name|DD.MM.YYYY 形式の項目ではありません</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 にはファイル名が必要です</translation>
    </message>
    <message>
        <source>--plan needs a birth date DD.MM.YYYY or --group FILE</source>
        <translation>--plan には生年月日 DD.MM.YYYY または --group FILE が必要です</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; after --remind</source>
        <translation>--remind の後に想定外の「%1」があります</translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s) shown</source>
        <translation>
            <numerusform>%n件のリマインダーを表示しました</numerusform>
        </translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>不明なオプション「%1」</translation>
    </message>
    <message>
        <source>Rorovovo: unable to write the output (%1)</source>
        <translation>Rorovovo: 出力を書き込めません（%1）</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>書き込みに失敗しました</translation>
    </message>
    <message>
        <source>--help                 this text</source>
        <translation>--help                 このヘルプを表示</translation>
    </message>
    <message>
        <source>--version              the program&apos;s version</source>
        <translation>--version              プログラムのバージョンを表示</translation>
    </message>
    <message>
        <source>--critical DD.MM.YYYY [--from DD.MM.YYYY] [--days N] [--rhythms P,E,I,N,S,A] [--json] [--ics FILE]
                         critical days of a birth date (from today, 90 days, all six rhythms)</source>
        <translation>--critical DD.MM.YYYY [--from DD.MM.YYYY] [--days N] [--rhythms P,E,I,N,S,A] [--json] [--ics FILE]
                         生年月日から要注意日を求める（既定: 今日から90日間、6つのリズムすべて）</translation>
    </message>
    <message>
        <source>--chart DD.MM.YYYY [--name TEXT] [--from DD.MM.YYYY] [--days N] [--extra] --output FILE.png|.svg|.pdf
                         the chart as a picture or document, without a window</source>
        <translation>--chart DD.MM.YYYY [--name TEXT] [--from DD.MM.YYYY] [--days N] [--extra] --output FILE.png|.svg|.pdf
                         ウィンドウを開かずにグラフを画像または文書として出力</translation>
    </message>
    <message>
        <source>--compat DD.MM.YYYY DD.MM.YYYY [--json]
                         how well two people&apos;s rhythms match</source>
        <translation>--compat DD.MM.YYYY DD.MM.YYYY [--json]
                         2人のリズムの相性を表示</translation>
    </message>
    <message>
        <source>--plan DD.MM.YYYY [DD.MM.YYYY ...] [--group FILE] [--from DD.MM.YYYY] [--days N] [--top K]
       [--rhythms P,E,I,N,S,A] [--json] [--csv FILE] [--ics FILE]
                         the best and worst days for a group (from today, 30 days, Physical,
                         Emotional and Intellectual)</source>
        <translation>--plan DD.MM.YYYY [DD.MM.YYYY ...] [--group FILE] [--from DD.MM.YYYY] [--days N] [--top K]
       [--rhythms P,E,I,N,S,A] [--json] [--csv FILE] [--ics FILE]
                         グループの好調日と不調日を求める（既定: 今日から30日間、
                         身体・感情・知性のリズム）</translation>
    </message>
    <message>
        <source>--remind [--at-login]   one check of the reminders (Tools &gt; Reminders...): shows what is due and ends</source>
        <translation>--remind [--at-login]   リマインダー（ツール &gt; リマインダー...）を1回確認し、該当する通知を表示して終了</translation>
    </message>
    <message>
        <source>Rorovovo: &apos;%1&apos; is not a valid date (DD.MM.YYYY)</source>
        <translation>Rorovovo: 「%1」は有効な日付（DD.MM.YYYY）ではありません</translation>
    </message>
    <message>
        <source>Rorovovo: %1 (try &apos;Rorovovo --help&apos;)</source>
        <translation>Rorovovo: %1（「Rorovovo --help」で使い方を確認してください）</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 には %2 から %3 までの整数を指定します</translation>
    </message>
    <message>
        <source>Usage: Rorovovo [option]
Without an option the program opens its window.

Options:
</source>
        <translation>使い方: Rorovovo [オプション]
オプションを指定しないと、プログラムのウィンドウが開きます。

オプション:
</translation>
    </message>
</context>
<context>
    <name>CriticalKind</name>
    <message>
        <source>single</source>
        <translation>シングル</translation>
    </message>
    <message>
        <source>double</source>
        <translation>ダブル</translation>
    </message>
    <message>
        <source>triple</source>
        <translation>トリプル</translation>
    </message>
</context>
<context>
    <name>DayReading</name>
    <message>
        <source>, </source>
        <comment>between names</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>%1 %2 % %3</source>
        <extracomment>A rhythm, its percentage and which way it goes: &quot;Physical 87 % rising&quot;.</extracomment>
        <translation>%1 %2% %3</translation>
    </message>
    <message>
        <source>rising</source>
        <translation>上昇中</translation>
    </message>
    <message>
        <source>falling</source>
        <translation>下降中</translation>
    </message>
    <message>
        <source>Critical: %1</source>
        <translation>要注意: %1</translation>
    </message>
    <message>
        <source>Only %1, %2 and %3 make a day double or triple.</source>
        <translation>ダブル・トリプルの要注意日は、%1・%2・%3のリズムだけで判定します。</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Biorhythm Chart</source>
        <translation>バイオリズムグラフ</translation>
    </message>
    <message>
        <source>Draw the physical, emotional and intellectual rhythms of a birth date</source>
        <translation>生年月日から身体・感情・知性のリズムを描画します</translation>
    </message>
    <message>
        <source>biorhythm;rhythm;cycle;chart;birthday;zodiac;</source>
        <translation>バイオリズム;リズム;周期;グラフ;誕生日;星座;</translation>
    </message>
    <message>
        <source>Draw the biorhythm chart of a birth date</source>
        <translation>生年月日からバイオリズムグラフを描画します</translation>
    </message>
    <message>
        <source>Rorovovo draws a chart of the Physical (23 days), Emotional (28), Intellectual (33) and Intuitional (38) rhythms of a person from a name and a birth date, with the Spiritual (53) and Aesthetics (48) rhythms on request.</source>
        <translation>Rorovovo は、名前と生年月日から、その人の身体（23日）、感情（28日）、知性（33日）、直感（38日）の各リズムをグラフに描きます。必要に応じて精神（53日）と美的（48日）のリズムも表示できます。</translation>
    </message>
    <message>
        <source>Beside the chart it shows:</source>
        <translation>グラフの横には次の情報が表示されます:</translation>
    </message>
    <message>
        <source>today&apos;s day in each cycle with ring indicators</source>
        <translation>各周期における今日の日数（リング表示付き）</translation>
    </message>
    <message>
        <source>the days lived, the age and the zodiac sign</source>
        <translation>生まれてからの日数、年齢、星座</translation>
    </message>
    <message>
        <source>a short interpretation of today</source>
        <translation>今日の簡単な解説</translation>
    </message>
    <message>
        <source>Personal profiles are kept in the user&apos;s own settings file; a list of celebrities comes with the program.</source>
        <translation>個人のプロファイルはユーザー自身の設定ファイルに保存されます。有名人のリストはプログラムに付属しています。</translation>
    </message>
    <message>
        <source>The chart of a profile with today&apos;s rhythms beside it</source>
        <translation>プロファイルのグラフと、その横に表示された今日のリズム</translation>
    </message>
    <message>
        <source>Installs like any Linux program: a menu entry, settings in the user&apos;s home, and a command line.</source>
        <translation>ほかの Linux プログラムと同じようにインストールできます。メニュー項目、ホーム フォルダー内の設定、コマンドラインを備えています。</translation>
    </message>
    <message>
        <source>draw the biorhythm chart of a birth date</source>
        <translation>生年月日からバイオリズムグラフを描画</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>「%1」は有効な整数値ではありません</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>範囲チェック エラー</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 に書き込めません</translation>
    </message>
    <message>
        <source>Unable to write to %1 (%2)</source>
        <translation>%1 に書き込めません（%2）</translation>
    </message>
    <message>
        <source>The file name must end in .png, .svg or .pdf.</source>
        <translation>ファイル名の末尾は .png、.svg、.pdf のいずれかにしてください。</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>不明なエラー</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>%1 MB を超えています</translation>
    </message>
    <message>
        <source>Input/output error: unable to read %1 (%2)</source>
        <translation>入出力エラー: %1 を読み込めません（%2）</translation>
    </message>
    <message>
        <source>Unable to load %1: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>ファイルがありません</translation>
    </message>
    <message>
        <source>it has no entry point rorovovo_extras</source>
        <translation>エントリ ポイント rorovovo_extras がありません</translation>
    </message>
    <message>
        <source>it belongs to another version of the program</source>
        <translation>別のバージョンのプログラム用です</translation>
    </message>
</context>
<context>
    <name>Indicator</name>
    <message>
        <source> Cycle going up </source>
        <translation> 周期は上昇中 </translation>
    </message>
    <message>
        <source> Cycle going down </source>
        <translation> 周期は下降中 </translation>
    </message>
</context>
<context>
    <name>Interpretation</name>
    <message>
        <source>If you have planned big physical activities for today, put them off until the day after tomorrow. It&apos;s a critical day, so relax and take it easy.</source>
        <translation>今日、体を大きく動かす予定があるなら、あさってに延ばしましょう。今日は要注意日です。肩の力を抜いて、のんびり過ごしてください。</translation>
    </message>
    <message>
        <source>Physically, you had a critical day yesterday. Give your body one more day before you take on anything strenuous.</source>
        <translation>昨日は身体の要注意日でした。きつい仕事に取りかかるのは、体をもう一日休ませてからにしましょう。</translation>
    </message>
    <message>
        <source>Your fitness and motivation are increasing. The couch potato days are behind you, so get moving!</source>
        <translation>体力もやる気も上向いています。ごろごろしていた日々はもう終わり。さあ、体を動かしましょう！</translation>
    </message>
    <message>
        <source>Your efficiency is high. Make good use of it and tackle whatever needs strength and stamina.</source>
        <translation>効率よく動ける時期です。この調子を生かして、体力や持久力が必要なことに取り組みましょう。</translation>
    </message>
    <message>
        <source>You are in very good physical shape. Why not go for a jog or a long walk today?</source>
        <translation>体調は絶好調です。今日はジョギングや長めの散歩に出かけてみてはいかがですか？</translation>
    </message>
    <message>
        <source>Give yourself a rest. Save your energy, you will need it over the next few days.</source>
        <translation>少し休みましょう。この先数日はエネルギーが必要になるので、今のうちに蓄えておきましょう。</translation>
    </message>
    <message>
        <source>Don&apos;t exert yourself today! Better to relax now than to over-strain your body.</source>
        <translation>今日は無理をしないでください！体を酷使するより、今はゆっくり休むほうが賢明です。</translation>
    </message>
    <message>
        <source>Today you feel beaten and would rather lie down all day. If you can manage it, just do that.</source>
        <translation>今日はぐったりして、一日中横になっていたい気分です。できるなら、そうしてしまいましょう。</translation>
    </message>
    <message>
        <source>Your energy seems to be gone. You feel listless, so don&apos;t expect too much of yourself.</source>
        <translation>エネルギーが切れてしまったようです。気力がわかないので、自分に多くを求めすぎないようにしましょう。</translation>
    </message>
    <message>
        <source>You feel tired and drained. Avoid any exertion and let your body recover.</source>
        <translation>疲れきって、へとへとです。無理は一切避けて、体を回復させましょう。</translation>
    </message>
    <message>
        <source>Slowly your vitality is increasing. Help it along with some light exercise.</source>
        <translation>少しずつ活力が戻ってきています。軽い運動で後押ししましょう。</translation>
    </message>
    <message>
        <source>You&apos;re still not exactly full of beans. Be patient, your strength will soon be back.</source>
        <translation>まだ元気いっぱいとは言えません。焦らずに。体力はもうすぐ戻ってきます。</translation>
    </message>
    <message>
        <source>Today your barometer of emotions is jumping from high to very low. It&apos;s a critical day, so take it easy: tomorrow is another day.</source>
        <translation>今日は気分が上がったり大きく落ち込んだりと不安定です。要注意日なので、気楽にいきましょう。明日は明日の風が吹きます。</translation>
    </message>
    <message>
        <source>There are still some after-effects of yesterday. Better stay at home and put off that date until tomorrow.</source>
        <translation>昨日の影響がまだ少し残っています。今日は家で過ごし、デートは明日に延ばしましょう。</translation>
    </message>
    <message>
        <source>You feel well and are in a good mood. And it&apos;s going to get even better!</source>
        <translation>気分は上々で、機嫌も良好です。しかも、これからもっと良くなります！</translation>
    </message>
    <message>
        <source>You are even-tempered and in an emotional balance. A good day to meet people.</source>
        <translation>心が穏やかで、感情のバランスもとれています。人に会うのにぴったりの日です。</translation>
    </message>
    <message>
        <source>You are on an emotional &apos;high&apos; today. Getting on with others is easy and you are in great demand.</source>
        <translation>今日は気分が最高潮です。人付き合いもスムーズで、あちこちから引っ張りだこです。</translation>
    </message>
    <message>
        <source>You feel even-tempered and harmonious. Enjoy it while it lasts!</source>
        <translation>心が穏やかで、調和がとれています。この状態を今のうちに楽しみましょう！</translation>
    </message>
    <message>
        <source>You are unsure about your emotions. Sadly, all good things come to an end.</source>
        <translation>自分の気持ちがよくわからなくなっています。残念ながら、良いことはいつまでも続きません。</translation>
    </message>
    <message>
        <source>Inside you feel restlessness. You are unsure of your feelings and have doubts about yourself.</source>
        <translation>心の中が落ち着きません。自分の気持ちに自信が持てず、自分を疑ってしまいがちです。</translation>
    </message>
    <message>
        <source>Emotional breakdown? No wonder, your feelings are pulling you up and down today.</source>
        <translation>気持ちが折れそうですか？無理もありません。今日は感情が大きく揺れ動いています。</translation>
    </message>
    <message>
        <source>You feel unsettled and restless. Better plan no affairs of the heart for the next few days.</source>
        <translation>気持ちが不安定で、そわそわしています。この先数日は、恋愛の予定を入れないほうがよいでしょう。</translation>
    </message>
    <message>
        <source>You&apos;re nervous or unsure and feel empty inside. That&apos;s just how it is right now.</source>
        <translation>緊張や不安があり、心にぽっかり穴が開いたようです。今はそういう時期なのです。</translation>
    </message>
    <message>
        <source>You want to hide away in the furthest corner. Do so if you can, it&apos;s a bad day.</source>
        <translation>部屋の隅に隠れていたい気分です。できるならそうしましょう。今日はついていない日です。</translation>
    </message>
    <message>
        <source>Back down, if you can. Avoid the people you have plans with, you won&apos;t make your best impression.</source>
        <translation>できれば一歩引きましょう。約束している相手とは会わないほうが無難です。良い印象を与えられそうにありません。</translation>
    </message>
    <message>
        <source>There will be light at the end of the tunnel! Still, staying in your shell is no fun.</source>
        <translation>トンネルの先には必ず光があります！とはいえ、殻にこもっているのは楽しくありませんね。</translation>
    </message>
    <message>
        <source>Now you can see the light at the end of the tunnel. The self-pity is over, one more hurdle to pass.</source>
        <translation>トンネルの出口が見えてきました。くよくよするのはもう終わり。あとひとつハードルを越えるだけです。</translation>
    </message>
    <message>
        <source>Do you have an exam today? It&apos;s a critical day and your mind may be a bit foggy, so check everything twice.</source>
        <translation>今日は試験がありますか？要注意日なので頭が少しぼんやりしているかもしれません。何事も二度確認しましょう。</translation>
    </message>
    <message>
        <source>Now it&apos;s getting better with your intellectual skills. Do the work that needs concentration within the next ten days.</source>
        <translation>頭の働きが良くなってきました。集中力が必要な仕事は、これから10日以内に片付けましょう。</translation>
    </message>
    <message>
        <source>Your intellect and decision-making skills are admirable. Brain-twisters are no problem for you now.</source>
        <translation>知性も判断力も見事です。今なら難しい頭の体操もお手のものです。</translation>
    </message>
    <message>
        <source>You are quick at repartee and see everything clearly. Mistakes are spotted early.</source>
        <translation>受け答えが冴えていて、物事がはっきり見えています。ミスも早めに見つけられます。</translation>
    </message>
    <message>
        <source>You can finish demanding tasks without great effort, and you&apos;re full of good ideas.</source>
        <translation>手ごわい仕事も苦もなく片付けられ、良いアイデアもどんどん浮かびます。</translation>
    </message>
    <message>
        <source>Thinking logical? No problem! Finish pending tasks now, before things get worse.</source>
        <translation>論理的に考えるのも問題なし！調子が落ちる前に、やり残した仕事を今のうちに片付けましょう。</translation>
    </message>
    <message>
        <source>Let&apos;s hope you&apos;ve finished all the difficult tasks, because today you could bungle them.</source>
        <translation>難しい仕事はもう済ませてあるといいのですが。今日はしくじってしまうかもしれません。</translation>
    </message>
    <message>
        <source>You can&apos;t concentrate today. Your thinking is muddy, so leave tricky work for later.</source>
        <translation>今日は集中できません。頭がすっきりしないので、込み入った仕事は後回しにしましょう。</translation>
    </message>
    <message>
        <source>You are irresolute and don&apos;t know where to start. Just start anywhere!</source>
        <translation>決断がつかず、何から手をつければよいかわかりません。とにかく、どこからでも始めてみましょう！</translation>
    </message>
    <message>
        <source>The period of creativity is over. Your brain has gone into stand-by mode.</source>
        <translation>創造性の時期は終わりました。頭脳はスタンバイ モードに入っています。</translation>
    </message>
    <message>
        <source>You spend these days without any plan or aim. Your reactions leave much to be desired, too.</source>
        <translation>ここ数日は計画も目標もなく過ごしています。反応の鈍さも気になるところです。</translation>
    </message>
    <message>
        <source>Making resolutions? Better leave that for later.</source>
        <translation>何かを決心しようとしていますか？それは後にしたほうがよいでしょう。</translation>
    </message>
    <message>
        <source>Even if you haven&apos;t accomplished much lately, take it easy. Better days are coming.</source>
        <translation>最近あまり成果が上がっていなくても、気にしないで。もっと良い日がやって来ます。</translation>
    </message>
    <message>
        <source>If you have to make important decisions, put them off for a few days. You will see more clearly then.</source>
        <translation>重要な決断が必要なら、数日先に延ばしましょう。そのころには、もっとはっきり見えるはずです。</translation>
    </message>
    <message>
        <source>By the way: HAPPY BIRTHDAY!</source>
        <translation>ところで、お誕生日おめでとうございます！</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The program speaks the chosen language from its next start.</source>
        <translation>選択した言語は、プログラムの次回起動時から使われます。</translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation>ヘルプ ファイルが見つかりません</translation>
    </message>
    <message>
        <source>Error downloading file &quot;%1&quot; for version check.<byte value="xd"/>Please check your internet connection and/or firewall..</source>
        <translation>バージョン確認用のファイル「%1」をダウンロードできませんでした。<byte value="xd"/>インターネット接続やファイアウォールの設定を確認してください。</translation>
    </message>
    <message>
        <source>There is a *new* version of this freeware available !<byte value="xd"/><byte value="xd"/>Please go to our freeware web page and download it,<byte value="xd"/>and replace the existing one by the new version.</source>
        <translation>このフリーウェアの*新しい*バージョンが公開されています！<byte value="xd"/><byte value="xd"/>フリーウェアの Web ページからダウンロードして、<byte value="xd"/>今お使いのバージョンを新しいバージョンに置き換えてください。</translation>
    </message>
    <message>
        <source>You have the most recent version of this freeware..<byte value="xd"/>But keep checking, as this is updated regularly!</source>
        <translation>お使いのフリーウェアは最新バージョンです。<byte value="xd"/>定期的に更新されるので、今後もときどき確認してください！</translation>
    </message>
    <message>
        <source>Sorry, but the &apos;Birthday Date&apos; you supplied is not a valid Date.<byte value="xd"/>Please go back and correct it...</source>
        <translation>入力された「生年月日」は有効な日付ではありません。<byte value="xd"/>戻って修正してください。</translation>
    </message>
    <message>
        <source>A name cannot contain the character &apos;|&apos;, which separates it from the date. Nothing was stored.</source>
        <translation>名前に「|」は使えません（名前と日付の区切りに使われる文字です）。何も保存されませんでした。</translation>
    </message>
    <message>
        <source>The name is too long: a stored profile holds at most %1 characters of name. Nothing was stored.</source>
        <translation>名前が長すぎます。保存できるプロファイルの名前は %1文字までです。何も保存されませんでした。</translation>
    </message>
    <message>
        <source>The name you are trying to add already exists on the database..</source>
        <translation>追加しようとしている名前は、すでにデータベースにあります。</translation>
    </message>
</context>
<context>
    <name>PersonPanel</name>
    <message>
        <source>name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>day</source>
        <translation>日</translation>
    </message>
    <message>
        <source>month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>year</source>
        <translation>年</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>No session bus: the desktop&apos;s notifications cannot be reached (%1).</source>
        <translation>セッション バスがないため、デスクトップの通知を利用できません（%1）。</translation>
    </message>
    <message>
        <source>No notification service answers on the session bus (%1).</source>
        <translation>セッション バスで応答する通知サービスがありません（%1）。</translation>
    </message>
    <message>
        <source>The notification service did not take the reminder (%1).</source>
        <translation>通知サービスがリマインダーを受け付けませんでした（%1）。</translation>
    </message>
    <message>
        <source>Today: %1 critical day</source>
        <translation>今日: %1の要注意日</translation>
    </message>
    <message>
        <source>Tomorrow: %1 critical day</source>
        <translation>明日: %1の要注意日</translation>
    </message>
    <message numerus="yes">
        <source>In %n day(s): %1 critical day</source>
        <translation>
            <numerusform>%n日後: %1の要注意日</numerusform>
        </translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>土曜日</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>日曜日</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>月曜日</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>火曜日</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>水曜日</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>木曜日</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>金曜日</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>%1生まれ</translation>
    </message>
    <message>
        <source>%1, %2 %3: %4</source>
        <extracomment>Whom, the weekday, the date and the critical rhythms: &quot;Ada, Monday 18.03.2024: Physical, Emotional&quot;.</extracomment>
        <translation>%1、%3（%2）: %4</translation>
    </message>
    <message>
        <source>%1 Nothing was changed.</source>
        <translation>%1 何も変更されませんでした。</translation>
    </message>
    <message>
        <source>Reminders are on: a systemd user timer (%1) checks every day at %2, or at the next login when the computer was off then.</source>
        <translation>リマインダーはオンです。systemd のユーザー タイマー（%1）が毎日 %2 に確認します。その時刻にコンピューターの電源が切れていた場合は、次回のログイン時に確認します。</translation>
    </message>
    <message>
        <source>No systemd user instance could take a timer (%1), so the check runs each time you log in instead (%2).</source>
        <translation>タイマーを登録できる systemd のユーザー インスタンスがないため（%1）、代わりにログインのたびに確認します（%2）。</translation>
    </message>
    <message>
        <source>Nothing could be set up to run the check (%1; %2). &apos;Rorovovo --remind&apos; still checks when run by hand.</source>
        <translation>確認を自動実行する設定ができませんでした（%1; %2）。「Rorovovo --remind」を手動で実行すれば確認できます。</translation>
    </message>
    <message>
        <source>%1 Reminders show once the desktop has one; the calendar file does not need it.</source>
        <translation>%1 デスクトップで通知サービスが使えるようになるとリマインダーが表示されます。カレンダー ファイルには影響しません。</translation>
    </message>
    <message>
        <source>Reminders are off; nothing runs the check any more.</source>
        <translation>リマインダーはオフです。今後は確認が実行されません。</translation>
    </message>
    <message>
        <source>The calendar file is up to date.</source>
        <translation>カレンダー ファイルは最新です。</translation>
    </message>
    <message>
        <source>%1 The reminders do not need it.</source>
        <translation>%1 リマインダーには影響しません。</translation>
    </message>
    <message>
        <source>The calendar file was removed.</source>
        <translation>カレンダー ファイルを削除しました。</translation>
    </message>
    <message>
        <source>Unable to remove %1.</source>
        <translation>%1 を削除できません。</translation>
    </message>
    <message>
        <source>Reminders are off.</source>
        <translation>リマインダーはオフです。</translation>
    </message>
    <message>
        <source>Reminders are off, but a schedule is still set up: &quot;Stop reminders&quot; removes it.</source>
        <translation>リマインダーはオフですが、スケジュールがまだ残っています。「リマインダーを停止」で削除できます。</translation>
    </message>
    <message>
        <source>Reminders are on: a systemd user timer checks every day at %1.</source>
        <translation>リマインダーはオンです。systemd のユーザー タイマーが毎日 %1 に確認します。</translation>
    </message>
    <message>
        <source>Reminders are on: the check runs each time you log in.</source>
        <translation>リマインダーはオンです。ログインのたびに確認します。</translation>
    </message>
    <message>
        <source>Reminders are on, but nothing runs the check: &quot;Remind me&quot; sets it up again.</source>
        <translation>リマインダーはオンですが、確認を実行するものがありません。「リマインダーを開始」で設定し直せます。</translation>
    </message>
    <message>
        <source>systemctl --user %1 did not answer</source>
        <translation>systemctl --user %1 が応答しませんでした</translation>
    </message>
    <message>
        <source>systemctl --user %1 failed</source>
        <translation>systemctl --user %1 が失敗しました</translation>
    </message>
    <message>
        <source>no systemctl on PATH</source>
        <translation>PATH に systemctl がありません</translation>
    </message>
    <message>
        <source>The timer could not be disabled (%1).</source>
        <translation>タイマーを無効にできませんでした（%1）。</translation>
    </message>
</context>
<context>
    <name>Rhythm</name>
    <message>
        <source>Physical</source>
        <translation>身体</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>感情</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>知性</translation>
    </message>
    <message>
        <source>Intuitional</source>
        <translation>直感</translation>
    </message>
    <message>
        <source>Spiritual</source>
        <translation>精神</translation>
    </message>
    <message>
        <source>Aesthetics</source>
        <translation>美的</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>(no name)</source>
        <translation>（名前なし）</translation>
    </message>
    <message>
        <source>%1: %2 to %3, page %4 of %5</source>
        <extracomment>The printed planner&apos;s heading: its title, the first and last day, the page.</extracomment>
        <translation>%1: %2～%3（%4/%5ページ）</translation>
    </message>
</context>
<context>
    <name>SystemMenu</name>
    <message>
        <source>&amp;Restore</source>
        <translation>元のサイズに戻す(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>移動(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>サイズ変更(&amp;S)</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>最小化(&amp;N)</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>最大化(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Close	Alt+F4</source>
        <translation>閉じる(&amp;C)	Alt+F4</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
</context>
<context>
    <name>Zodiac</name>
    <message>
        <source>aquarius</source>
        <translation>水瓶座</translation>
    </message>
    <message>
        <source>Jan 20 ~ Feb 18</source>
        <translation>1月20日～2月18日</translation>
    </message>
    <message>
        <source>pisces</source>
        <translation>魚座</translation>
    </message>
    <message>
        <source>Feb 19 ~ Mar 20</source>
        <translation>2月19日～3月20日</translation>
    </message>
    <message>
        <source>aries</source>
        <translation>牡羊座</translation>
    </message>
    <message>
        <source>Mar 21 ~ Apr 19</source>
        <translation>3月21日～4月19日</translation>
    </message>
    <message>
        <source>taurus</source>
        <translation>牡牛座</translation>
    </message>
    <message>
        <source>Apr 20 ~ May 20</source>
        <translation>4月20日～5月20日</translation>
    </message>
    <message>
        <source>gemini</source>
        <translation>双子座</translation>
    </message>
    <message>
        <source>May 21 ~ Jun 20</source>
        <translation>5月21日～6月20日</translation>
    </message>
    <message>
        <source>cancer</source>
        <translation>蟹座</translation>
    </message>
    <message>
        <source>Jun 21 ~ Jul 22</source>
        <translation>6月21日～7月22日</translation>
    </message>
    <message>
        <source>leo</source>
        <translation>獅子座</translation>
    </message>
    <message>
        <source>Jul 23 ~ Aug 22</source>
        <translation>7月23日～8月22日</translation>
    </message>
    <message>
        <source>virgo</source>
        <translation>乙女座</translation>
    </message>
    <message>
        <source>Aug 23 ~ Sep 22</source>
        <translation>8月23日～9月22日</translation>
    </message>
    <message>
        <source>libra</source>
        <translation>天秤座</translation>
    </message>
    <message>
        <source>Sep 23 ~ Oct 22</source>
        <translation>9月23日～10月22日</translation>
    </message>
    <message>
        <source>scorpio</source>
        <translation>蠍座</translation>
    </message>
    <message>
        <source>Oct 23 ~ Nov 21</source>
        <translation>10月23日～11月21日</translation>
    </message>
    <message>
        <source>sagittarius</source>
        <translation>射手座</translation>
    </message>
    <message>
        <source>Nov 22 ~ Dec 21</source>
        <translation>11月22日～12月21日</translation>
    </message>
    <message>
        <source>capricorn</source>
        <translation>山羊座</translation>
    </message>
    <message>
        <source>Dec 22 ~ Jan 19</source>
        <translation>12月22日～1月19日</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::RosterView</name>
    <message>
        <source>Roster</source>
        <translation>予定表</translation>
    </message>
    <message>
        <source>Group score %1 (the lowest of the members&apos; scores)</source>
        <translation>グループスコア %1（メンバーのスコアの最低値）</translation>
    </message>
    <message>
        <source>A clear day: nobody has a critical day</source>
        <translation>問題なし: 要注意日の人はいません</translation>
    </message>
    <message>
        <source>A critical day for %1 of %2</source>
        <translation>%2中%1人が要注意日</translation>
    </message>
    <message numerus="yes">
        <source>%n member(s)</source>
        <translation>
            <numerusform>%n人</numerusform>
        </translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>（名前なし）</translation>
    </message>
    <message>
        <source>%1, born %2</source>
        <translation>%1（%2生まれ）</translation>
    </message>
    <message>
        <source>No critical rhythm</source>
        <extracomment>The rhythms critical that day, then the day&apos;s kind: &quot;Critical: Physical, Emotional (double day)&quot;.</extracomment>
        <translation>要注意のリズムなし</translation>
    </message>
    <message>
        <source>Critical: %1 (%2 day)</source>
        <translation>要注意: %1（%2）</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TForm1</name>
    <message>
        <source> Biorhythms</source>
        <translation> バイオリズム</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>プログラム</translation>
    </message>
    <message>
        <source>Add new profile...</source>
        <translation>プロファイルを追加...</translation>
    </message>
    <message>
        <source>Delete profile...</source>
        <translation>プロファイルを削除...</translation>
    </message>
    <message>
        <source>Draw biorhythms</source>
        <translation>バイオリズムを描画</translation>
    </message>
    <message>
        <source>Draw extra* rythms</source>
        <translation>追加リズム*を描画</translation>
    </message>
    <message>
        <source>Biorhythms interpretation...</source>
        <translation>バイオリズムの解説...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>個人</translation>
    </message>
    <message>
        <source>Celebrity</source>
        <translation>有名人</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Save window&apos;s size</source>
        <translation>ウィンドウのサイズを保存</translation>
    </message>
    <message>
        <source>Save window&apos;s position</source>
        <translation>ウィンドウの位置を保存</translation>
    </message>
    <message>
        <source>Mark critical days</source>
        <translation>要注意日に印を付ける</translation>
    </message>
    <message>
        <source>Default rhythms to show...</source>
        <translation>既定で表示するリズム...</translation>
    </message>
    <message>
        <source>Physical rhythm</source>
        <translation>身体リズム</translation>
    </message>
    <message>
        <source>Emotional rhythm</source>
        <translation>感情リズム</translation>
    </message>
    <message>
        <source>Intellectual rhythm</source>
        <translation>知性リズム</translation>
    </message>
    <message>
        <source>Intuitional rhythm</source>
        <translation>直感リズム</translation>
    </message>
    <message>
        <source>Spiritual rhythm</source>
        <translation>精神リズム</translation>
    </message>
    <message>
        <source>Aesthetics rhytm</source>
        <translation>美的リズム</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>Options &gt; Language: the language the desktop speaks.</extracomment>
        <translation>システムの言語</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>Critical days...</source>
        <translation>要注意日...</translation>
    </message>
    <message>
        <source>Compatibility...</source>
        <translation>相性...</translation>
    </message>
    <message>
        <source>Planner...</source>
        <translation>プランナー...</translation>
    </message>
    <message>
        <source>Save chart as...</source>
        <translation>グラフに名前を付けて保存...</translation>
    </message>
    <message>
        <source>Print chart...</source>
        <translation>グラフを印刷...</translation>
    </message>
    <message>
        <source>Reminders...</source>
        <translation>リマインダー...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>ヘルプ...</translation>
    </message>
    <message>
        <source>Software news...</source>
        <translation>ソフトウェアのニュース...</translation>
    </message>
    <message>
        <source>Check new versions *</source>
        <translation>新しいバージョンを確認 *</translation>
    </message>
    <message>
        <source>Donations...</source>
        <translation>寄付...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>バージョン情報...</translation>
    </message>
    <message>
        <source>Day         of %1</source>
        <extracomment>The blanks leave room for the day box drawn over them.</extracomment>
        <translation>               日目/%1</translation>
    </message>
    <message>
        <source>%1 day</source>
        <comment>spoken name of a rhythm&apos;s cycle-day box</comment>
        <translation>%1の周期日</translation>
    </message>
    <message>
        <source>total days</source>
        <translation>通算日数</translation>
    </message>
    <message>
        <source>years</source>
        <translation>年齢</translation>
    </message>
    <message>
        <source>add new</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>zodiac</source>
        <translation>星座</translation>
    </message>
    <message>
        <source> add new profile </source>
        <translation> プロファイルを追加 </translation>
    </message>
    <message>
        <source> draw biorhythm </source>
        <translation> バイオリズムを描画 </translation>
    </message>
    <message>
        <source>draw bio</source>
        <translation>描画</translation>
    </message>
    <message>
        <source> about </source>
        <translation> バージョン情報 </translation>
    </message>
    <message>
        <source> help </source>
        <translation> ヘルプ </translation>
    </message>
    <message>
        <source> close </source>
        <translation> 閉じる </translation>
    </message>
    <message>
        <source> select profile </source>
        <translation> プロファイルを選択 </translation>
    </message>
    <message>
        <source> biorhythm today&apos;s interpretation </source>
        <translation> 今日のバイオリズムの解説 </translation>
    </message>
    <message>
        <source>name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>day</source>
        <translation>日</translation>
    </message>
    <message>
        <source>month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>year</source>
        <translation>年</translation>
    </message>
    <message>
        <source>profile</source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source> %1 : %2 </source>
        <extracomment>The sign picture&apos;s hint: &quot; aquarius : Jan 20 ~ Feb 18 &quot;.</extracomment>
        <translation> %1 : %2 </translation>
    </message>
    <message>
        <source>     Rhythm&apos;s interpretation @  %1  -  for %2</source>
        <extracomment>The interpretation window&apos;s caption: today&apos;s date, then the name in the name box.</extracomment>
        <translation>     リズムの解説 @  %1  -  %2</translation>
    </message>
    <message>
        <source>Data file &apos;Cyclomat.dat&apos; with Celebrity names does not exist on path.<byte value="xd"/>Can&apos;t load extra data.. Get it from zip file, if you want it too.</source>
        <translation>有名人の名前を収めたデータ ファイル「Cyclomat.dat」が見つかりません。<byte value="xd"/>追加データを読み込めません。必要な場合は zip ファイルから取り出してください。</translation>
    </message>
    <message>
        <source>The profile &apos;%1&apos; is no longer in the settings file.</source>
        <translation>プロファイル「%1」は設定ファイルにもうありません。</translation>
    </message>
    <message>
        <source>The profile is shown, but the selection could not be remembered for the next start (no more reports of this in this run). %1</source>
        <translation>プロファイルは表示されていますが、次回起動時のために選択を記憶できませんでした（今回の実行中はこのメッセージを再表示しません）。%1</translation>
    </message>
    <message>
        <source>chart</source>
        <comment>file name of a chart without a name</comment>
        <translation>グラフ</translation>
    </message>
    <message>
        <source>Save chart as</source>
        <translation>グラフに名前を付けて保存</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)</source>
        <translation>PNG 画像 (*.png);;SVG 図形 (*.svg);;PDF 文書 (*.pdf)</translation>
    </message>
    <message>
        <source>Unable to print on %1</source>
        <translation>%1 で印刷できません</translation>
    </message>
    <message>
        <source>Dark chart</source>
        <translation>グラフを暗い背景で表示</translation>
    </message>
    <message>
        <source>Colour-blind-safe colours</source>
        <translation>色覚に配慮した配色</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormAbout</name>
    <message>
        <source>Freeware by</source>
        <translation>フリーウェア</translation>
    </message>
    <message>
        <source>Find your own personal Zavirir, all 4 curves. Add as many people as you want and check how everyone is doing for the day!</source>
        <translation>あなただけの Zavirir を 4本の曲線すべてで調べましょう。好きなだけ人を追加して、みんなのその日の調子を確かめられます！</translation>
    </message>
    <message>
        <source>If you like this program, do email me with feedback, ideas, suggestions or questions to</source>
        <translation>このプログラムを気に入っていただけたら、感想、アイデア、提案、質問などを次のアドレスまでメールでお寄せください:</translation>
    </message>
    <message>
        <source>You can also help the development, by _______ a few $$</source>
        <extracomment>The donation link below (&quot;donating &quot;) is laid over the blank, which stays seven underscores.</extracomment>
        <translation>少額の _______ で開発を支援していただくこともできます</translation>
    </message>
    <message>
        <source>donating </source>
        <translation>寄付 </translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormCompatibility</name>
    <message>
        <source>Compatibility</source>
        <translation>相性</translation>
    </message>
    <message>
        <source>Second person: pick or type</source>
        <translation>2人目: 選択または入力</translation>
    </message>
    <message>
        <source>type to search</source>
        <translation>入力して検索</translation>
    </message>
    <message>
        <source>compare</source>
        <translation>比較</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>総合</translation>
    </message>
    <message>
        <source>mean of %1, %2, %3</source>
        <translation>%1・%2・%3の平均</translation>
    </message>
    <message>
        <source>solid: first person, dashed: second person; today is the silver column</source>
        <translation>実線: 1人目、破線: 2人目、銀色の列: 今日</translation>
    </message>
    <message>
        <source>Nobody drawn yet: draw a chart in the main window first.</source>
        <translation>まだ誰も描画されていません。先にメイン ウィンドウでグラフを描画してください。</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>（名前なし）</translation>
    </message>
    <message>
        <source>First person: %1, born %2</source>
        <translation>1人目: %1（%2生まれ）</translation>
    </message>
    <message>
        <source>Search profiles and celebrities</source>
        <translation>プロファイルと有名人を検索</translation>
    </message>
    <message>
        <source>Profiles and celebrities</source>
        <translation>プロファイルと有名人</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormCritical</name>
    <message>
        <source>Critical days</source>
        <translation>要注意日</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>開始日</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>開始日(&amp;F):</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n日間</numerusform>
        </translation>
    </message>
    <message>
        <source>Span</source>
        <translation>期間</translation>
    </message>
    <message>
        <source>&amp;Span:</source>
        <translation>期間(&amp;S):</translation>
    </message>
    <message>
        <source>Rhythms:</source>
        <translation>リズム:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Critical rhythms</source>
        <translation>要注意のリズム</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Next triple critical day</source>
        <translation>次のトリプル要注意日</translation>
    </message>
    <message>
        <source>Save as calendar...</source>
        <translation>カレンダーとして保存...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>No biorhythm has been drawn yet. Draw a person&apos;s biorhythm in the main window, and their critical days will be listed here.</source>
        <translation>まだバイオリズムが描画されていません。メイン ウィンドウで人のバイオリズムを描画すると、その人の要注意日がここに一覧表示されます。</translation>
    </message>
    <message>
        <source>Critical days for the birth date %1</source>
        <translation>生年月日 %1 の要注意日</translation>
    </message>
    <message>
        <source>Critical days of %1, born %2</source>
        <translation>%1（%2生まれ）の要注意日</translation>
    </message>
    <message>
        <source>Today, %1, is a triple critical day.</source>
        <translation>今日（%1）はトリプル要注意日です。</translation>
    </message>
    <message numerus="yes">
        <source>The next triple critical day, %1, is %n day(s) away.</source>
        <translation>
            <numerusform>次のトリプル要注意日は %1 で、%n日後です。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The next triple critical day after the start date, %1, was %n day(s) ago.</source>
        <translation>
            <numerusform>開始日以降で次のトリプル要注意日は %1 で、%n日前でした。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 critical days</source>
        <comment>file name</comment>
        <translation>%1の要注意日</translation>
    </message>
    <message>
        <source>Save as calendar</source>
        <translation>カレンダーとして保存</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>iCalendar ファイル (*.ics);;すべてのファイル (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n critical day(s) saved to %1</source>
        <translation>
            <numerusform>%n日分の要注意日を %1 に保存しました</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormEditor</name>
    <message>
        <source>Profile editor</source>
        <translation>プロファイルの編集</translation>
    </message>
    <message>
        <source>add new</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>No profile is selected, so nothing was deleted.</source>
        <translation>プロファイルが選択されていないため、何も削除されませんでした。</translation>
    </message>
    <message>
        <source>Sure to delete  &apos;%1&apos;s&apos;  profile?</source>
        <translation>「%1」のプロファイルを削除してもよろしいですか？</translation>
    </message>
    <message>
        <source>The profile &apos;%1&apos; is no longer in the settings file.</source>
        <translation>プロファイル「%1」は設定ファイルにもうありません。</translation>
    </message>
    <message>
        <source>profile</source>
        <translation>プロファイル</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormInterpret</name>
    <message>
        <source>     Rhythm&apos;s interpretation ...</source>
        <translation>     リズムの解説...</translation>
    </message>
    <message>
        <source>physical</source>
        <translation>身体</translation>
    </message>
    <message>
        <source>emotional</source>
        <translation>感情</translation>
    </message>
    <message>
        <source>intellectual</source>
        <translation>知性</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormPlanner</name>
    <message>
        <source>YYYY</source>
        <translation>年</translation>
    </message>
    <message>
        <source>DD</source>
        <translation>日</translation>
    </message>
    <message>
        <source>MM</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>スコア</translation>
    </message>
    <message>
        <source>Planner</source>
        <translation>プランナー</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>メンバー</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>除外(&amp;R)</translation>
    </message>
    <message>
        <source>Remove all</source>
        <translation>すべて除外</translation>
    </message>
    <message>
        <source>&amp;Add people:</source>
        <translation>人を追加(&amp;A):</translation>
    </message>
    <message>
        <source>type to search</source>
        <translation>入力して検索</translation>
    </message>
    <message>
        <source>Search profiles and celebrities</source>
        <translation>プロファイルと有名人を検索</translation>
    </message>
    <message>
        <source>Profiles and celebrities</source>
        <translation>プロファイルと有名人</translation>
    </message>
    <message>
        <source>Add &amp;selected</source>
        <translation>選択した人を追加(&amp;S)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>追加(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>グループ(&amp;G):</translation>
    </message>
    <message>
        <source>Group name</source>
        <translation>グループ名</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>保存(&amp;V)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Add from file...</source>
        <translation>ファイルから追加...</translation>
    </message>
    <message>
        <source>Save to file...</source>
        <translation>ファイルに保存...</translation>
    </message>
    <message>
        <source>Import contacts...</source>
        <translation>連絡先をインポート...</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名前(&amp;N):</translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation>生年月日(&amp;T):</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>開始日</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>開始日(&amp;F):</translation>
    </message>
    <message>
        <source> days</source>
        <comment>after the span&apos;s number</comment>
        <translation>日間</translation>
    </message>
    <message>
        <source>Span in days</source>
        <translation>期間（日数）</translation>
    </message>
    <message>
        <source>S&amp;pan:</source>
        <translation>期間(&amp;P):</translation>
    </message>
    <message>
        <source>Rhythms:</source>
        <translation>リズム:</translation>
    </message>
    <message>
        <source>Best days</source>
        <translation>好調日</translation>
    </message>
    <message>
        <source>Worst days</source>
        <translation>不調日</translation>
    </message>
    <message>
        <source>&amp;Best days (nobody critical):</source>
        <translation>好調日 - 要注意日の人なし(&amp;B):</translation>
    </message>
    <message>
        <source>&amp;Worst days:</source>
        <translation>不調日(&amp;W):</translation>
    </message>
    <message>
        <source>Mor&amp;e days</source>
        <translation>さらに表示(&amp;E)</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>PDF として保存...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>印刷...</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>CSV として保存...</translation>
    </message>
    <message>
        <source>Save best days as calendar...</source>
        <translation>好調日をカレンダーとして保存...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>In view: %1 to %2 (the span: %3 to %4)</source>
        <translation>表示中: %1～%2（期間: %3～%4）</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>個人</translation>
    </message>
    <message>
        <source>Celebrity</source>
        <translation>有名人</translation>
    </message>
    <message>
        <source>The planner holds at most %1 people.</source>
        <translation>プランナーに登録できるのは %1人までです。</translation>
    </message>
    <message>
        <source>&amp;Members (%1):</source>
        <translation>メンバー %1人(&amp;M):</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>（名前なし）</translation>
    </message>
    <message>
        <source>Every day of the span is a critical day for someone: no best day.</source>
        <translation>期間中のどの日も誰かの要注意日に当たるため、好調日はありません。</translation>
    </message>
    <message>
        <source>%1 left out: no valid birth date</source>
        <translation>%1を除外しました（有効な生年月日がありません）</translation>
    </message>
    <message numerus="yes">
        <source>%n (entry|entries)</source>
        <translation>
            <numerusform>%n件</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no group named &quot;%1&quot;.</source>
        <translation>「%1」という名前のグループはありません。</translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; opened: %2%3</source>
        <translation>グループ「%1」を開きました: %2%3</translation>
    </message>
    <message numerus="yes">
        <source>%n (person|people)</source>
        <translation>
            <numerusform>%n人</numerusform>
        </translation>
    </message>
    <message>
        <source>; %1 without a valid birth date left out</source>
        <translation>（有効な生年月日のない%1を除外）</translation>
    </message>
    <message>
        <source>Type a name for the group first.</source>
        <translation>先にグループの名前を入力してください。</translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; saved with %2</source>
        <translation>グループ「%1」を保存しました（%2）</translation>
    </message>
    <message>
        <source>Delete the group &quot;%1&quot;?</source>
        <translation>グループ「%1」を削除しますか？</translation>
    </message>
    <message>
        <source>Group &quot;%1&quot; deleted.</source>
        <translation>グループ「%1」を削除しました。</translation>
    </message>
    <message>
        <source>Add people from a file</source>
        <translation>ファイルから人を追加</translation>
    </message>
    <message>
        <source>Group files (*.txt *.dat);;All files (*)</source>
        <translation>グループ ファイル (*.txt *.dat);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>%1 added from %2%3</source>
        <translation>%2 から%1を追加しました%3</translation>
    </message>
    <message>
        <source>Save group to file</source>
        <translation>グループをファイルに保存</translation>
    </message>
    <message>
        <source>Group files (*.txt);;All files (*)</source>
        <translation>グループ ファイル (*.txt);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>%1 saved to %2</source>
        <translation>%1を %2 に保存しました</translation>
    </message>
    <message>
        <source>Import birthdays from contacts</source>
        <translation>連絡先から誕生日をインポート</translation>
    </message>
    <message>
        <source>Contacts (*.vcf *.vcard);;All files (*)</source>
        <translation>連絡先 (*.vcf *.vcard);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Save roster as PDF</source>
        <translation>予定表を PDF として保存</translation>
    </message>
    <message>
        <source> roster.pdf</source>
        <comment>file name after the group&apos;s</comment>
        <translation> 予定表.pdf</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF 文書 (*.pdf)</translation>
    </message>
    <message>
        <source>Unable to print on %1</source>
        <translation>%1 で印刷できません</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>CSV として保存</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV ファイル (*.csv);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Save best days as calendar</source>
        <translation>好調日をカレンダーとして保存</translation>
    </message>
    <message>
        <source> best days.ics</source>
        <comment>file name after the group&apos;s</comment>
        <translation> 好調日.ics</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>iCalendar ファイル (*.ics);;すべてのファイル (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n best day(s)</source>
        <translation>
            <numerusform>%n日分の好調日</numerusform>
        </translation>
    </message>
    <message>
        <source>Open file...</source>
        <translation>ファイルを開く...</translation>
    </message>
    <message>
        <source>Open a group file</source>
        <translation>グループ ファイルを開く</translation>
    </message>
</context>
<context>
    <name>rorovovo::forms::TFormReminders</name>
    <message>
        <source>Reminders</source>
        <translation>リマインダー</translation>
    </message>
    <message>
        <source>People</source>
        <translation>対象者</translation>
    </message>
    <message>
        <source>&amp;People to be reminded of:</source>
        <translation>通知の対象者(&amp;P):</translation>
    </message>
    <message>
        <source>The same day</source>
        <translation>当日</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) before</source>
        <translation>
            <numerusform>%n日前</numerusform>
        </translation>
    </message>
    <message>
        <source>Single</source>
        <translation>シングル</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>ダブル</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>トリプル</translation>
    </message>
    <message>
        <source>&amp;How far ahead:</source>
        <translation>通知のタイミング(&amp;H):</translation>
    </message>
    <message>
        <source>Which days:</source>
        <translation>対象の要注意日:</translation>
    </message>
    <message>
        <source>&amp;Time of day:</source>
        <translation>通知時刻(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Keep a calendar file</source>
        <translation>カレンダー ファイルも作成する(&amp;K)</translation>
    </message>
    <message>
        <source>Calendar file</source>
        <translation>カレンダー ファイル</translation>
    </message>
    <message>
        <source>&amp;Remind me</source>
        <translation>リマインダーを開始(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Stop reminders</source>
        <translation>リマインダーを停止(&amp;S)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Stored profiles</source>
        <translation>保存済みのプロファイル</translation>
    </message>
    <message>
        <source>Group: %1</source>
        <translation>グループ: %1</translation>
    </message>
    <message>
        <source>No longer stored</source>
        <translation>保存されていない人</translation>
    </message>
    <message>
        <source>No profiles are stored yet: add a person in the main window first.</source>
        <translation>まだプロファイルが保存されていません。先にメイン ウィンドウで人を追加してください。</translation>
    </message>
    <message>
        <source>Tick at least one person to be reminded of first.</source>
        <translation>先に、通知の対象者を1人以上チェックしてください。</translation>
    </message>
</context>
</TS>
