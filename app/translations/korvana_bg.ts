<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg_BG" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Показва тази помощ и излиза.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Показва версията и излиза.</translation>
    </message>
    <message>
        <source>The frequency a of list X, %1 to %2.</source>
        <translation>Честотата a от списък X, от %1 до %2.</translation>
    </message>
    <message>
        <source>The frequency b of list Y, %1 to %2.</source>
        <translation>Честотата b от списък Y, от %1 до %2.</translation>
    </message>
    <message>
        <source>The picture&apos;s side in pixels, %1 to %2 (default %3).</source>
        <translation>Страната на картината в пиксели, от %1 до %2 (по подразбиране %3).</translation>
    </message>
    <message>
        <source>The phase difference in degrees, %1 to %2 (default %3): x = sin(a t + phase), y = sin(b t).</source>
        <translation>Фазовата разлика φ в градуси, от %1 до %2 (по подразбиране %3): x = sin(a t + φ), y = sin(b t).</translation>
    </message>
    <message>
        <source>Lay the program&apos;s %1 dots over the line.</source>
        <translation>Нанася върху линията и %1-те точки на програмата.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ФАЙЛ</translation>
    </message>
    <message>
        <source>PIXELS</source>
        <translation>ПИКСЕЛИ</translation>
    </message>
    <message>
        <source>DEG</source>
        <translation>ГРАДУСИ</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not valid UTF-8: only UTF-8 names and values are taken</source>
        <translation>„%1“ не е валиден UTF-8: приемат се само имена и стойности в UTF-8</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>неочакван аргумент „%1“</translation>
    </message>
    <message>
        <source>%1 goes with --export</source>
        <translation>%1 се използва само с --export</translation>
    </message>
    <message>
        <source>--export needs a file name</source>
        <translation>--export изисква име на файл</translation>
    </message>
    <message>
        <source>--export needs -%1, a frequency from %2 to %3</source>
        <translation>--export изисква -%1, честота от %2 до %3</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a whole number from %3 to %4</source>
        <translation>%1 „%2“ не е цяло число от %3 до %4</translation>
    </message>
    <message>
        <source>%1 (see %2 --help)</source>
        <translation>%1 (вижте %2 --help)</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>не може да се пише в стандартния изход: %1</translation>
    </message>
    <message>
        <source>not enough memory to start</source>
        <translation>няма достатъчно памет, за да започне</translation>
    </message>
    <message>
        <source>too few file descriptors to start (ulimit -n %1; it needs %2)</source>
        <translation>твърде малко файлови дескриптори, за да започне (ulimit -n %1; нужни са %2)</translation>
    </message>
    <message>
        <source>too small a stack to start (ulimit -s %1; it needs %2)</source>
        <translation>твърде малък стек, за да започне (ulimit -s %1; нужни са %2)</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>файлът %1 не може да бъде записан: %2</translation>
    </message>
    <message>
        <source>Write a worksheet to FILE, a PDF, without a window: figures numbered for a quiz, without their answers.</source>
        <translation>Записва работен лист във ФАЙЛ, PDF, без прозорец: номерирани фигури за тест, без отговорите им.</translation>
    </message>
    <message>
        <source>The sheet&apos;s figures as a:b pairs, such as 1:2,2:3,19:18, %1 to %2 of them.</source>
        <translation>Фигурите на листа като двойки a:b, например 1:2,2:3,19:18, от %1 до %2 двойки.</translation>
    </message>
    <message>
        <source>Instead, N different figures drawn at random, %1 to %2.</source>
        <translation>Вместо това N различни фигури, избрани случайно, от %1 до %2.</translation>
    </message>
    <message>
        <source>The seed of the draw, 0 to %1: the same seed draws the same figures (default: a new one).</source>
        <translation>Вариантът на листа, от 0 до %1: един и същ вариант дава едни и същи фигури (по подразбиране — нов).</translation>
    </message>
    <message>
        <source>The sheet&apos;s title (default &quot;%1&quot;).</source>
        <translation>Заглавието на листа (по подразбиране „%1“).</translation>
    </message>
    <message>
        <source>Add the key after the quiz: each figure with its marks, counts and ratio.</source>
        <translation>Добавя ключ след теста: всяка фигура с отметките, броя на допиранията и отношението.</translation>
    </message>
    <message>
        <source>The paper, a4 or letter (default a4).</source>
        <translation>Хартията, a4 или letter (по подразбиране a4).</translation>
    </message>
    <message>
        <source>LIST</source>
        <translation>СПИСЪК</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>ТЕКСТ</translation>
    </message>
    <message>
        <source>PAPER</source>
        <translation>ХАРТИЯ</translation>
    </message>
    <message>
        <source>%1 goes with --random</source>
        <translation>%1 се използва само с --random</translation>
    </message>
    <message>
        <source>%1 goes with --sheet</source>
        <translation>%1 се използва само с --sheet</translation>
    </message>
    <message>
        <source>%1 goes with --export or --sheet</source>
        <translation>%1 се използва само с --export или --sheet</translation>
    </message>
    <message>
        <source>--export and --sheet do not go together</source>
        <translation>--export и --sheet не могат да се използват заедно</translation>
    </message>
    <message>
        <source>a worksheet is written as a PDF: &apos;%1&apos; does not end in .pdf</source>
        <translation>работният лист се записва като PDF: „%1“ не завършва на .pdf</translation>
    </message>
    <message>
        <source>--sheet needs either --pairs or --random</source>
        <translation>--sheet изисква или --pairs, или --random</translation>
    </message>
    <message>
        <source>--pairs: &apos;%1&apos; is not a:b with whole frequencies from %2 to %3</source>
        <translation>--pairs: „%1“ не е a:b с цели честоти от %2 до %3</translation>
    </message>
    <message>
        <source>--pairs names %1 figures: a sheet takes %2 to %3</source>
        <translation>--pairs посочва %1 фигури: един лист побира от %2 до %3</translation>
    </message>
    <message>
        <source>--paper &apos;%1&apos; is neither a4 nor letter</source>
        <translation>--paper „%1“ не е нито a4, нито letter</translation>
    </message>
    <message>
        <source>--pairs and --random do not go together</source>
        <translation>--pairs и --random не могат да се използват заедно</translation>
    </message>
    <message>
        <source>--title has %1 characters: a sheet&apos;s two title lines hold at most %2</source>
        <translation>--title има %1 знака: двата реда на заглавието побират най-много %2</translation>
    </message>
    <message>
        <source>the file name is %1 bytes long: the system takes at most %2</source>
        <translation>името на файла е дълго %1 байта, а системата приема най-много %2</translation>
    </message>
    <message>
        <source>Write the figure to FILE, without a window; the type comes from its ending: .png, .svg, .pdf or .wav.</source>
        <translation>Записва фигурата във ФАЙЛ, без прозорец; видът се определя от окончанието: .png, .svg, .pdf или .wav.</translation>
    </message>
    <message>
        <source>A sound&apos;s base tone f0 in hertz, %1 to %2 (default %3): x sounds at a f0, y at b f0.</source>
        <translation>Основният тон f0 на звука в херци, от %1 до %2 (по подразбиране %3): x звучи с a·f0, y с b·f0.</translation>
    </message>
    <message>
        <source>A sound&apos;s length in seconds, %1 to %2 (default %3).</source>
        <translation>Дължината на звука в секунди, от %1 до %2 (по подразбиране %3).</translation>
    </message>
    <message>
        <source>HZ</source>
        <translation>ХЦ</translation>
    </message>
    <message>
        <source>SECONDS</source>
        <translation>СЕКУНДИ</translation>
    </message>
    <message>
        <source>%1 goes with a sound, a .wav file</source>
        <translation>%1 се използва само със звук, файл .wav</translation>
    </message>
    <message>
        <source>%1 goes with a picture, not a sound</source>
        <translation>%1 се използва само с картина, не със звук</translation>
    </message>
    <message>
        <source>cannot tell the file type of &apos;%1&apos;: use .png, .svg, .pdf or .wav</source>
        <translation>видът на файла „%1“ не може да се определи: използвайте .png, .svg, .pdf или .wav</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a number from %3 to %4</source>
        <translation>%1 „%2“ не е число от %3 до %4</translation>
    </message>
    <message>
        <source>Draws Lissajous figures for the physics classroom. Without options it opens its window;
with --export it writes the figure for two frequencies to a PNG, SVG or PDF file,
or its two oscillations as stereo sound to a WAV file, left x and right y,
or with --from the figure a stereo recording draws,
and with --sheet a worksheet of figures for a quiz, with its key if asked, to a PDF file.</source>
        <translation>Чертае фигури на Лисажу за часовете по физика. Без опции отваря своя прозорец;
с --export записва фигурата за две честоти във файл PNG, SVG или PDF
или двете ѝ трептения като стереозвук във файл WAV, x вляво и y вдясно,
или с --from фигурата, която чертае стереозапис,
а с --sheet — работен лист с фигури за тест, при желание и с ключ с отговорите, във файл PDF.</translation>
    </message>
    <message>
        <source>Draw the figure of a stereo recording FILE (WAV, FLAC or Ogg), left across and right upward, in place of -x and -y.</source>
        <translation>Начертава фигурата на стереозапис ФАЙЛ (WAV, FLAC или Ogg), левия канал хоризонтално и десния нагоре, вместо -x и -y.</translation>
    </message>
    <message>
        <source>Where in the recording its figure starts, in seconds (default 0).</source>
        <translation>Откъде в записа започва фигурата, в секунди (по подразбиране 0).</translation>
    </message>
    <message>
        <source>How much of the recording its figure draws, in milliseconds, %1 to %2 (default %3).</source>
        <translation>Колко от записа чертае фигурата, в милисекунди, от %1 до %2 (по подразбиране %3).</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>MS</translation>
    </message>
    <message>
        <source>%1 goes with --from</source>
        <translation>%1 се използва само с --from</translation>
    </message>
    <message>
        <source>%1 goes with a figure of frequencies, not with --from</source>
        <translation>%1 се използва с фигура по честоти, не с --from</translation>
    </message>
    <message>
        <source>--from draws a picture: use .png, .svg or .pdf</source>
        <translation>--from чертае картина: използвайте .png, .svg или .pdf</translation>
    </message>
    <message>
        <source>--from needs a file name</source>
        <translation>--from изисква име на файл</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a recording: %2</source>
        <translation>„%1“ не е запис: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has %2 channel(s): a figure needs two, left for x and right for y</source>
        <translation>„%1“ има %2 канал(а): фигурата изисква два, левия за x и десния за y</translation>
    </message>
    <message>
        <source>&apos;%1&apos; lasts %2 s: --at %3 with --span %4 needs %5 s</source>
        <translation>„%1“ трае %2 с: --at %3 с --span %4 изисква %5 с</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is the recording: a recording is read, never written over</source>
        <translation>„%1“ е самият запис: записът се чете, никога не се презаписва</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 не може да се прочете: %2</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Непозната опция „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Непознати опции: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Липсва стойност след „%1“.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Неочаквана стойност след „%1“.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Употреба: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[опции]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Опции:</translation>
    </message>
</context>
</TS>
